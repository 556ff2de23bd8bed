#pragma once

#include <functional>

class Modele;

// Works out the status of the current round (captions, NbJoueursManche,
// NbTables) and shows it in the tournament window, without writing anything.
void CalculeEtatManche(Modele &m);
// Refreshes the status of the current round (captions, NbJoueursManche,
// NbTables) and rewrites the rounds file; false when it could not be written.
bool MajEtatManche(Modele &m);
// Changes the rounds or the current round, then refreshes the status and
// rewrites the rounds file. When the file cannot be written, the rounds and
// the current round are put back as they were and the result is false.
bool ChangeManches(Modele &m, const std::function<void()> &changement);
