#pragma once

#include "reports/canal.h"

#include <QList>
#include <QString>
#include <QStringList>

class Modele;

// The three table lists of the current round.
enum class Liste { ParTable, ParJoueur, ParNom };

// Rebuilds TabTri from the Scores rows of the current round, sorted
// ascending on the key of the list: 1 table number, 2 key (the table number;
// the entrant number in a 4-column text field; the name in a 19-column text
// field), 3 seat in the table, 4 "*" while the score is not entered or a
// blank, 5 entrant number. Equal keys end as the grid's Shell sort leaves
// them, or in table order past the size of any real round. Returns the
// number of rows.
int PrepareRepartition(Modele &m, Liste liste);

// What the table lists window shows of a list: the headings with their
// widths in twips, then one row of texts per seat of the current round.
struct VueListe
{
    QStringList titres;
    QList<int> largeurs;
    QList<QStringList> lignes;
};

// The grid of a list. By table, `places` puts the seat after the table
// number; by number and by name, the table is followed by "*" while the score
// is not entered. TabTri is rebuilt on the way.
VueListe VueRepartition(Modele &m, Liste liste, bool places);

// LIST_TAB, LIST_JOU or LIST_NOM: the name of the list's report.
QString NomListe(Liste liste);

// The lines of a list; TabTri is rebuilt on the way.
QStringList LignesListe(Modele &m, Liste liste);

// A list as a document: below the tournament name, the round and the list's
// order in the page header, a table of five columns, one row per seat in the
// order of the text list; TabTri is rebuilt on the way and the model tells
// the progress.
Document DocumentListe(Modele &m, Liste liste);

// Prints a list; an empty tables-and-scores table is refused in the error box.
bool ImprimeListe(Modele &m, Liste liste, Sortie sortie = Sortie::Choisie);
