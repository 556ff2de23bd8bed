#pragma once

#include <QStringList>
#include <optional>

class Modele;

// Number of deals of the current round; 0 when it is not given.
int PartiesManche(const Modele &m);

// Whether the current round has its number of deals, without which no score
// sheet can be printed; the error box says so when it has not.
bool PartiesRenseignees(Modele &m);

// Asks which table to print, 0 for all of them, until the answer is a number
// from 0 to the number of tables of the round; nothing when the answer is
// empty or cancelled.
std::optional<int> DemandeTableFeuilles(Modele &m);

// FEUILLES.TXT: the blank score sheet of one table of the current round, or
// of every table when `table` is 0, each sheet followed by a form feed.
QStringList LignesFeuilles(const Modele &m, int table);

// Prints the score sheets through the text channel, when the round has its
// number of deals.
bool ImprimeFeuilles(Modele &m, int table, bool ouvrirEditeur = true);
