#pragma once

#include <QString>

class Modele;

// Name of a compass point by seat: "Nord", "Est", "Sud", "Ouest", a blank for any other seat.
QString NomPointCardinal(int place);

// Name of a seat as the score entry and the table lists show it: the compass
// points, except that the two teams of team belote sit "N/S" and "E/O".
QString NomPlace(const Modele &m, int place);

// Seat of a Scores row in its table: 1 for the first row of the table, then
// 2, 3... along the consecutive rows of the same round and table.
int PlaceDansTable(const Modele &m, int ligne);

// Label of a seat in the table and score window: its name when the tournament
// has table offsets, its number followed by " :" ("1 :") otherwise.
QString LibellePlace(const Modele &m, int place);
