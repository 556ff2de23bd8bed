#pragma once

#include <optional>

class Modele;
enum class ChoixCoches;

// What the buttons and clicks of the tournament window change.

// A block of cells selected in the ranking grid: rows from 1, columns 0 to 9.
struct BlocGrille
{
    int haut, bas, gauche, droite;
};

// What the window does after a click in the grid.
struct SuiteClic
{
    int fiche = 0;            // number of the entrant whose entry form opens, 0 for none
    bool remetSelection = true; // the selection goes back to row 1, column 1
};

// A click in the ranking grid that selected this block (nothing when it
// selected no cell). The entry form goes into change mode. On the one cell
// of an entrant's tick, the tick turns (the players file is rewritten; under
// a "Tournoi" draw, or when the file cannot be written, the error box says so
// and the selection stays). On one row, from the position, number or name
// columns, the entrant's form opens.
SuiteClic ClicGrille(Modele &m, std::optional<BlocGrille> bloc);

// "Manche précédente" (pas -1) or "Manche suivante" (pas 1): the current
// round moves by one within the rounds once the rounds file says so. False,
// with nothing changed, without a current round or when the file cannot be written.
bool ChangeMancheCourante(Modele &m, int pas);

// OK of the tick dialog: the ticks chosen, or with no choice the players file
// written again as it stands. False, the ticks as they were, when the file
// cannot be written.
bool ValideCoches(Modele &m, std::optional<ChoixCoches> choix);

// The options were confirmed: when the averages option is no longer
// `ancienAffichMoy`, the ranking is computed again (for two entrants or more
// in the grid) and, without averages, sorted on the points, descending.
// Whether the option changed.
bool ChangeMoyennes(Modele &m, bool ancienAffichMoy);
