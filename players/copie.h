#pragma once

#include "store/table.h"

#include <QString>
#include <QStringList>
#include <optional>

class Modele;

// The stored tournaments other than the open one, as "nn : name".
QStringList AutresTournois(const Modele &m);

// The entrants of a stored tournament, read as its own opening reads them:
// numbers, ticks, names and first names, no ranking yet. Nothing when its
// players file is missing, empty, unreadable or malformed: the text naming
// the file goes to `erreur`, else to the error box.
std::optional<TableCellules> JoueursTournoi(Modele &m, const QString &numero, QString *erreur = nullptr);

// Replaces the entrants by those of the stored tournament `numero` (empty:
// none chosen, refused). Refused with the error box when its game is another
// or its entrants cannot be read, and when the user keeps the present list.
// A header line without "=" stops the program, as when that tournament is
// opened. True once the new list is installed.
bool CopieJoueurs(Modele &m, const QString &numero);
