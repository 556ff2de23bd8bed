#pragma once

#include "store/reglages.h"
#include "store/table.h"

#include <QString>
#include <optional>

class Modele;

// A tournament read from its files and checked, not opened yet.
struct TournoiLu
{
    QString numero;
    Reglages reglages;
    TableCellules joueurs, manches, scores;
    int mancheCourante = 0;
};

// Reads tournament `numero` ("01" to "99"): its header over the current
// settings, then its entrants, rounds and scores. Nothing changes in the
// model: a file that exists but cannot be read, or a data file the tables
// cannot hold, is refused with the error box naming it. A malformed header
// stops the program.
std::optional<TournoiLu> LitTournoi(Modele &m, const QString &numero);

// Makes a tournament read the open one: the model takes it, works out the
// status of the current round (and rewrites the rounds file when
// `ecritManches`), and sorts the ranking on the points, descending. An
// entrant seated at a table but missing from the entrants stops the program.
void InstalleTournoi(Modele &m, TournoiLu lu, bool ecritManches = true);

// Both at once; false when the tournament could not be read.
bool OuvreTournoi(Modele &m, const QString &numero, bool ecritManches = true);
