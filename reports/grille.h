#pragma once

#include "reports/canal.h"

#include <QList>
#include <QStringList>

class Modele;

// GRILLE.TXT: the ranking in the order of the grid, as the file holds it
// (Windows-1252, CR LF), and as lines.
QByteArray ContenuGrille(const Modele &m);
QStringList LignesGrille(const Modele &m);

// The ranking as a document: a landscape page, one table of nine columns
// whose cells hold the fields of the text lines; the model tells the progress.
Document DocumentGrille(Modele &m);

// Prints the ranking; an empty grid is refused in the error box.
bool ImprimeGrille(Modele &m, Sortie sortie = Sortie::Choisie);
