#pragma once

#include <QString>
#include <vector>

class Modele;

// Name of a compass point by seat: "Nord", "Est", "Sud", "Ouest", a blank for any other seat.
QString NomPointCardinal(int place);

// Name of a seat as the score entry and the table lists show it: the compass
// points, except that the two teams of team belote sit "N/S" and "E/O".
QString NomPlace(const Modele &m, int place);

// Seat of every Scores row in its table, by row: 1 for the first row of a
// table, then 2, 3... along the consecutive rows of the same round and table.
std::vector<int> PlacesDansTables(const Modele &m);

// Label of a seat in the table and score window: its name when the tournament
// has table offsets, its number followed by " :" ("1 :") otherwise.
QString LibellePlace(const Modele &m, int place);
