#pragma once

#include "reports/canal.h"

#include <QStringList>
#include <optional>

class Modele;

// Number of deals of the current round; 0 when it is not given.
int PartiesManche(const Modele &m);

// Whether the current round has its number of deals, without which no score
// sheet can be printed; the error box says so when it has not.
bool PartiesRenseignees(Modele &m);

// Why the sheets of table `table` (0: all of them) cannot be printed in the
// current round: out of range, or a number left free by a deleted table.
// Empty when they can.
QString RefusTableFeuilles(Modele &m, int table);
// Asks which table to print, 0 for all of them, until the answer is 0 or the
// number of a table of the current round, whatever gaps the numbering has;
// nothing when the answer is empty or cancelled.
std::optional<int> DemandeTableFeuilles(Modele &m);

// FEUILLES.TXT: the blank score sheet of one table of the current round, or
// of every table when `table` is 0, each sheet followed by a form feed. The
// model tells the progress, as the share of the seats of those tables done.
QStringList LignesFeuilles(Modele &m, int table);

// The sheets as a document: the tournament name, the title and the round in
// the page header; for each table "Table n° : " and its table, a page break
// between two sheets. The model tells the progress, as for the text.
Document DocumentFeuilles(Modele &m, int table);

// Prints the score sheets, when the round has its number of deals; the wait
// window is up while they are built.
bool ImprimeFeuilles(Modele &m, int table, Sortie sortie = Sortie::Choisie);

// What the score sheet options window offers.
enum class ChoixFeuilles { Abandon, Etat, Csv };

// The score sheets once the choice is made: nothing when given up, the CSV
// file, or the table asked and its sheets when the round has its deals.
void FeuillesDeMarque(Modele &m, ChoixFeuilles choix);
