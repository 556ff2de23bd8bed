#pragma once

#include <QStringList>

class Modele;

// FEUILLES.CSV: one line per entrant found in the tables, in ascending order
// of number, with the tournament name, the number, the name, the first name
// and the table of each round, separated by ";"; a round in which the entrant
// has no table leaves its field empty.
QStringList LignesFeuillesCsv(const Modele &m);

// Writes FEUILLES.CSV through the text channel.
bool ImprimeFeuillesCsv(Modele &m, bool ouvrirEditeur = true);
