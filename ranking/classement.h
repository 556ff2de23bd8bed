#pragma once

#include <QString>

class Cellule;
class Modele;

// Recomputes columns 5 to 9 of every entrant from the scores, then sorts the
// grid again on the column and in the direction chosen last. An entrant found
// in the scores but not among the entrants stops the program.
void CalculClassement(Modele &m);

// Sorts the ranking on a column of Joueurs ("A" ascending, "D" descending) into
// the work table TabTri, then lets the tournament window refill its grid.
// Column 0 is taken as 1 and an empty direction as "A".
void TrieGrille(Modele &m, int colonne, const QString &sens);

// Shell sort of rows 1 to n of TabTri on column 2; for the averages (colonne 8
// or 9) equal keys are ordered on column 3 in direction sens2.
void TriShell(Modele &m, int colonne, const QString &sens, const QString &sens2, int n);

void Echange(Cellule &a, Cellule &b);
