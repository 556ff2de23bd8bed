#pragma once

#include "store/table.h"

#include <QString>
#include <QStringList>

class Modele;

// The stored tournaments other than the open one, as "nn : name".
QStringList AutresTournois(const Modele &m);

// Game type of a stored tournament, in capitals; empty when its header has none.
// A header line without "=" stops the program, as when the tournament is opened.
QString TypeJeuTournoi(Modele &m, const QString &numero);

// The entrants of a stored tournament, read as its own opening reads them:
// numbers, ticks, names and first names, no ranking yet.
TableCellules JoueursTournoi(Modele &m, const QString &numero);
