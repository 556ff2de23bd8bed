#pragma once

class Modele;
class TableCellules;

// Works out the status of the current round (captions, NbJoueursManche,
// NbTables) and tells the windows, without writing anything.
void CalculeEtatManche(Modele &m);
// Refreshes the status of the current round and rewrites the rounds file;
// false when it could not be written.
bool MajEtatManche(Modele &m);
// Writes these rounds with this current round; once the file holds them they
// become the model's and the status is refreshed. False, with everything as
// it was, when the file cannot be written.
bool ChangeManches(Modele &m, const TableCellules &manches, int courante);
