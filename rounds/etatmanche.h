#pragma once

class Modele;

// Works out the status of the current round (captions, NbJoueursManche,
// NbTables) without writing anything.
void CalculeEtatManche(Modele &m);
// Refreshes the status of the current round (captions, NbJoueursManche,
// NbTables) and rewrites the rounds file.
void MajEtatManche(Modele &m);
