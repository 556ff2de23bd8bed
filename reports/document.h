#pragma once

// A word-processor document as the reports build it: the page header lines
// of the report, then paragraphs, tables and page breaks. A plain value that
// EcritDocx turns into a file.

#include <QList>
#include <QString>
#include <QStringList>
#include <variant>

enum class Alignement { Gauche, Centre, Droite };

struct CelluleDoc
{
    // Spaces are kept as they are: fixed-width texts stay padded. A line
    // feed starts a new line in the cell, a tab moves to the next tab stop.
    QString texte;
    bool grisee = false; // light grey background
    bool gras = false;
    Alignement alignement = Alignement::Gauche;
    int colonnes = 1; // grid columns the cell covers, for a heading above several columns
};

// A table with every border drawn. A short row is completed with empty
// cells; cells past the last column are left out; a table without column or
// row is not written.
struct Tableau
{
    QList<double> largeurs; // one per grid column, in centimetres
    QList<QList<CelluleDoc>> lignes;
    // The first rows that are headings, repeated at the top of each page.
    int lignesEntete = 0;
    // Least height of the other rows, in centimetres (room to write by
    // hand); 0 leaves it to their text.
    double hauteurLignes = 0;

    // Adds a row of plain cells, all shaded or none.
    void ajouteLigne(const QStringList &textes, bool grisee = false);
};

struct Paragraphe
{
    QString texte;
    bool gras = false;
    Alignement alignement = Alignement::Gauche;
};

struct SautDePage
{
};

using Bloc = std::variant<Paragraphe, Tableau, SautDePage>;

enum class Orientation { Portrait, Paysage };

struct Document
{
    Orientation orientation = Orientation::Portrait; // always on A4 paper
    // The lines of the page header after the title and credit lines shared
    // by every report; each is centred (it is written after one tab).
    QStringList entete;
    QList<Bloc> corps;

    void ajoute(const Paragraphe &paragraphe) { corps.append(paragraphe); }
    void ajoute(const QString &texte) { corps.append(Paragraphe{texte}); }
    void ajoute(const Tableau &tableau) { corps.append(tableau); }
    void sautDePage() { corps.append(SautDePage{}); }
};
