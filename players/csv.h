#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class TableCellules;

// The text without any blank or semicolon, wherever they stand.
QString OteSeparateurs(const QString &texte);

// Text of a list written by a spreadsheet: UTF-8 when the bytes are valid
// UTF-8 (a byte-order mark is dropped), Windows-1252 otherwise.
QString DecodeCsv(const QByteArray &octets);

// The lines of a chosen file, or why it cannot serve (the text of the error
// box, naming the file): unreadable, or more lines than entrant numbers.
struct FichierCsv
{
    QStringList lignes;
    QString erreur;
};
FichierCsv LitFichierCsv(const QString &chemin);

// One entrant a line, numbered by his line: the name before the first
// semicolon, the first name (or second team member) after it. Reading stops at
// the first line without a semicolon, whose number is returned (0 when none);
// the entrants of the lines before it are kept.
int JoueursCsv(const QStringList &lignes, TableCellules &joueurs);
