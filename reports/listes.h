#pragma once

#include <QString>
#include <QStringList>

class Modele;

// The three table lists of the current round.
enum class Liste { ParTable, ParJoueur, ParNom };

// Rebuilds TabTri from the Scores rows of the current round, sorted
// ascending on the key of the list: 1 table number, 2 key (the table number;
// the entrant number in a 4-column text field; the name in a 19-column text
// field), 3 seat in the table, 4 "*" while the score is not entered or a
// blank, 5 entrant number. Returns the number of rows.
int PrepareRepartition(Modele &m, Liste liste);

// LIST_TAB.TXT, LIST_JOU.TXT or LIST_NOM.TXT.
QString FichierListe(Liste liste);

// The lines of a list; TabTri is rebuilt on the way.
QStringList LignesListe(Modele &m, Liste liste);

// Prints a list through the text channel; an empty tables-and-scores table is
// refused in the error box.
bool ImprimeListe(Modele &m, Liste liste, bool ouvrirEditeur = true);
