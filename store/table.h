#pragma once

#include "store/cellule.h"
#include <QtGlobal>
#include <utility>
#include <vector>

// A table of cells addressed (column, row), column first as in every routine of
// the program. Row 0 exists and is never used; live rows run from 1 to nbLignes().
class TableCellules
{
public:
    explicit TableCellules(int nbColonnes) : m_colonnes(nbColonnes), m_cellules(nbColonnes) {}

    int nbColonnes() const { return m_colonnes; }
    int nbLignes() const { return int(m_cellules.size()) / m_colonnes - 1; }

    Cellule &operator()(int colonne, int ligne) { return m_cellules[index(colonne, ligne)]; }
    const Cellule &operator()(int colonne, int ligne) const { return m_cellules[index(colonne, ligne)]; }

    // Room for n live rows, so that a table read row by row is not moved as it grows.
    void reserve(qsizetype n) { m_cellules.reserve(std::size_t(n + 1) * m_colonnes); }
    // Back to row 0 alone.
    void vide() { m_cellules.assign(m_colonnes, Cellule()); }
    // Grows or shrinks to n live rows, keeping the content of the rows kept.
    void redimensionne(int n) { m_cellules.resize(std::size_t(n + 1) * m_colonnes); }
    // Adds an empty row at the end and returns its number.
    int ajouteLigne() { redimensionne(nbLignes() + 1); return nbLignes(); }
    // Inserts an empty row so that it becomes row `ligne`; the rows below move down.
    void insereLigne(int ligne) { m_cellules.insert(m_cellules.begin() + index(0, ligne), m_colonnes, Cellule()); }
    // Removes `nombre` rows from row `ligne` on; the rows below move up.
    void supprimeLignes(int ligne, int nombre = 1)
    {
        m_cellules.erase(m_cellules.begin() + index(0, ligne), m_cellules.begin() + index(0, ligne + nombre));
    }
    void echangeLignes(int a, int b)
    {
        for (int c = 0; c < m_colonnes; ++c)
            std::swap((*this)(c, a), (*this)(c, b));
    }

private:
    std::size_t index(int colonne, int ligne) const { return std::size_t(ligne) * m_colonnes + colonne; }

    int m_colonnes;
    std::vector<Cellule> m_cellules;
};
