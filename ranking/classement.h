#pragma once

#include "store/reglages.h"

class Cellule;
class Modele;

// Recomputes columns 5 to 9 of every entrant from the scores, then sorts the
// grid again on the column and in the direction chosen last. An entrant found
// in the scores but not among the entrants stops the program.
void CalculClassement(Modele &m);

// Sorts the ranking on a column of Joueurs into the work table TabTri and
// OrdreGrille, then tells the windows. Column 0 is taken as 1.
void TrieGrille(Modele &m, int colonne, Sens sens);

// Shell sort of rows 1 to n of TabTri on its first key; for the averages
// (colonne 8 or 9) equal keys are ordered on the second key in direction sens2.
void TriShell(Modele &m, int colonne, Sens sens, Sens sens2, int n);

void Echange(Cellule &a, Cellule &b);
