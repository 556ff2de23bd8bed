#pragma once

#include "store/reglages.h"
#include "store/table.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class Modele;

// Layouts of the files of a tournament and of the options file.
// Data files are Windows-1252, one record a line ended by CR LF.

// J##.DAT: number on four digits, tick, name and first name in 30 columns each.
QByteArray ContenuJoueurs(const TableCellules &joueurs);
// M##.DAT: round, start and end times, deals, current-round mark.
QByteArray ContenuManches(const TableCellules &manches);
// S##.DAT: round|table|deals|entrant|score|belotes|capots.
QByteArray ContenuScores(const TableCellules &scores);
// T##.DAT: the ten "key=value" lines of the tournament settings.
QStringList LignesEntete(const Reglages &r);
// VELMORA.INI: the four program-wide options.
QStringList LignesOptions(const Reglages &r);

// Readers of the data files. Fields are taken by position; a line may be
// shorter than its layout. Blank lines carry no record. A file longer than
// the tables can hold, or an entrants file giving one number twice, is
// refused: the text of the refusal names the file. Entrants come out in
// ascending order of number whatever the order of the file; their ranking
// columns hold no value yet.
bool LitJoueurs(const QByteArray &contenu, const QString &nom, TableCellules &joueurs, QString &erreur);
// Also gives the current round: the last one marked "X", 0 when none is.
bool LitManches(const QByteArray &contenu, const QString &nom, TableCellules &manches, int &courante,
                QString &erreur);
bool LitScores(const QByteArray &contenu, const QString &nom, TableCellules &scores, QString &erreur);

// Reads a tournament header over the settings given: a key the file does not
// hold leaves its setting as it was. A malformed header stops the program.
void LitEntete(Modele &m, const QString &nom, const QByteArray &contenu, Reglages &r);
