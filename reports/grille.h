#pragma once

#include <QList>
#include <QStringList>

class Modele;

// GRILLE.TXT: the ranking as the grid shows it. `ordre` holds the Joueurs row
// of each grid position, first position first.
QStringList LignesGrille(const Modele &m, const QList<int> &ordre);

// Prints the ranking through the text channel; an empty grid is refused in the error box.
bool ImprimeGrille(Modele &m, const QList<int> &ordre, bool ouvrirEditeur = true);
