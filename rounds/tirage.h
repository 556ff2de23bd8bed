#pragma once

class Modele;

// Table reached from `table` by an offset, brought back into 1 to nbTables
// however large the offset, so that the tables of one seat only change places.
int Decale(int table, int decalage, int nbTables);

// Draws every table of the current round among the ticked entrants (the first
// rows of Joueurs for the vertical distribution), after its checks and the
// user's confirmation, inserts them into Scores before the later rounds and
// rewrites the scores file. The "plus forts ensemble" draw takes the players
// in the order of the ranking grid. False when refused or not written.
bool TirageAuSort(Modele &m);
