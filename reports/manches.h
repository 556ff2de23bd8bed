#pragma once

#include <QStringList>

class Modele;

// MANCHES.TXT: the rounds of the tournament with their times and deals.
QStringList LignesManches(const Modele &m);

// Prints the rounds list through the text channel.
bool ImprimeManches(Modele &m, bool ouvrirEditeur = true);
