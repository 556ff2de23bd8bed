#pragma once

#include <QList>
#include <QStringList>

class Modele;

// GRILLE.TXT: the ranking in the order of the grid, as the file holds it
// (Windows-1252, CR LF), and as lines.
QByteArray ContenuGrille(const Modele &m);
QStringList LignesGrille(const Modele &m);

// Prints the ranking through the text channel; an empty grid is refused in the error box.
bool ImprimeGrille(Modele &m, bool ouvrirEditeur = true);
