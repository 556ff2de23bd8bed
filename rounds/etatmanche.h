#pragma once

class Modele;

// Refreshes the status of the current round (captions, NbJoueursManche,
// NbTables) and rewrites the rounds file.
void MajEtatManche(Modele &m);
