#pragma once

#include "store/reglages.h"

#include <QAbstractTableModel>
#include <QList>
#include <array>

class Modele;

// What the ranking grid shows: the entrants in the order of the last sort,
// with their position, number, tick, names and the five computed columns (a
// column without value left empty). The cells are read from Joueurs, so a
// tick or a name changed shows at once; the rows change with each sort.
class ModeleGrille : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int NbColonnes = 10;

    explicit ModeleGrille(const Modele &m, QObject *parent = nullptr);

    // Takes the order of the last sort.
    void Remplit();
    // Heading of a column: the names of a team's two players in team belote
    // (and in any game but Tarot and individual belote), a player's otherwise.
    static QString Titre(TypeJeu jeu, int colonne);
    // The headings of the game; those of the averages only when they are shown.
    void fixeTitres(TypeJeu jeu, bool moyennes);
    void fixeAlignement(int colonne, Qt::Alignment alignement);

    // Rows of the body, numbered from 1 as in the grid.
    int nbLignes() const { return int(m_numeros.size()); }
    // Number of the entrant shown on a row, -1 outside the body.
    int numero(int ligne) const { return m_numeros.value(ligne - 1, -1); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // Every cell may have changed: the entrants were written again.
    void Rafraichit();

    const Modele &m;
    QList<int> m_numeros;
    std::array<QString, NbColonnes> m_titres;
    std::array<Qt::Alignment, NbColonnes> m_alignements{};
};
