#pragma once

#include "store/cellule.h"

#include <QAbstractTableModel>
#include <QTableView>
#include <array>
#include <vector>

class Modele;

// Content of the ranking grid: a copy of the rows shown, in the order of the
// last sort. It is kept apart from Joueurs and TabTri, which other windows
// change or reuse, so the grid shows what it was given until the next sort.
class ModeleGrille : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int NbColonnes = 10;

    using QAbstractTableModel::QAbstractTableModel;

    // Refills the body in the order of TabTri: the position, then columns 1
    // to 9 of the entrant, a cell without value left empty.
    void Remplit(const Modele &m);
    // Heading and alignment of a column.
    void fixeColonne(int colonne, const QString &titre, Qt::Alignment alignement);
    void fixeTitre(int colonne, const QString &titre);

    // Rows of the body, numbered from 1 as in the grid.
    int nbLignes() const { return int(m_cellules.size()) / NbColonnes; }
    // A cell of the body; an empty cell outside it.
    Cellule cellule(int colonne, int ligne) const;
    void ecritCellule(int colonne, int ligne, const Cellule &valeur);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    bool dansCorps(int colonne, int ligne) const;

    std::vector<Cellule> m_cellules; // row after row, NbColonnes cells each
    std::array<QString, NbColonnes> m_titres;
    std::array<Qt::Alignment, NbColonnes> m_alignements{};
};

// The grid itself: the navigation keys do not move its current cell, and
// every click but a right one is reported once the selection is made.
class GrilleClassement : public QTableView
{
    Q_OBJECT
public:
    explicit GrilleClassement(QWidget *parent = nullptr);

    // Scrolls so that this row (from 1) is the first one visible.
    void premiereLigne(int ligne);

signals:
    void clic();

protected:
    void keyPressEvent(QKeyEvent *evenement) override;
    void mousePressEvent(QMouseEvent *evenement) override;
    void mouseReleaseEvent(QMouseEvent *evenement) override;
};
