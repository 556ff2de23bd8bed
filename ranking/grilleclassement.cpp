#include "ranking/grilleclassement.h"
#include "store/modele.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

void ModeleGrille::Remplit(const Modele &m)
{
    beginResetModel();
    const int n = m.TabTri.nbLignes();
    m_cellules.assign(std::size_t(n) * NbColonnes, Cellule());
    auto ligne = m_cellules.begin();
    for (int i = 1; i <= n; ++i, ligne += NbColonnes) {
        const int r = int(m.TabTri(1, i).nombre());
        ligne[0] = i;
        for (int c = 1; c <= 4; ++c)
            ligne[c] = m.Joueurs(c, r);
        for (int c = 5; c <= 9; ++c)
            if (m.Joueurs(c, r).nombre() != SansValeur)
                ligne[c] = m.Joueurs(c, r);
    }
    endResetModel();
}

void ModeleGrille::fixeColonne(int colonne, const QString &titre, Qt::Alignment alignement)
{
    m_alignements[colonne] = alignement | Qt::AlignVCenter;
    fixeTitre(colonne, titre);
}

void ModeleGrille::fixeTitre(int colonne, const QString &titre)
{
    m_titres[colonne] = titre;
    emit headerDataChanged(Qt::Horizontal, colonne, colonne);
}

bool ModeleGrille::dansCorps(int colonne, int ligne) const
{
    return colonne >= 0 && colonne < NbColonnes && ligne >= 1 && ligne <= nbLignes();
}

Cellule ModeleGrille::cellule(int colonne, int ligne) const
{
    return dansCorps(colonne, ligne) ? m_cellules[std::size_t(ligne - 1) * NbColonnes + colonne] : Cellule();
}

void ModeleGrille::ecritCellule(int colonne, int ligne, const Cellule &valeur)
{
    if (!dansCorps(colonne, ligne))
        return;
    m_cellules[std::size_t(ligne - 1) * NbColonnes + colonne] = valeur;
    const QModelIndex position = index(ligne - 1, colonne);
    emit dataChanged(position, position, {Qt::DisplayRole});
}

int ModeleGrille::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : nbLignes();
}

int ModeleGrille::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : NbColonnes;
}

QVariant ModeleGrille::data(const QModelIndex &index, int role) const
{
    if (role == Qt::DisplayRole)
        return cellule(index.column(), index.row() + 1).texte();
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_alignements[index.column()]);
    return {};
}

QVariant ModeleGrille::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < NbColonnes)
        return m_titres[section];
    return {};
}

GrilleClassement::GrilleClassement(QWidget *parent) : QTableView(parent)
{
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A click resets the selection to the first cell without moving the view.
    setAutoScroll(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::Alignment(QFlag(Qt::AlignCenter | Qt::TextWordWrap)));
}

void GrilleClassement::premiereLigne(int ligne)
{
    // The scroll range follows the rows only once the pending layout is done.
    executeDelayedItemsLayout();
    updateGeometries();
    verticalScrollBar()->setValue(ligne - 1);
}

void GrilleClassement::keyPressEvent(QKeyEvent *evenement)
{
    switch (evenement->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        evenement->accept();
        return;
    default:
        QTableView::keyPressEvent(evenement);
    }
}

void GrilleClassement::mousePressEvent(QMouseEvent *evenement)
{
    // A click beside the rows selects nothing, rather than keeping the last selection.
    if (!indexAt(evenement->position().toPoint()).isValid())
        clearSelection();
    QTableView::mousePressEvent(evenement);
}

void GrilleClassement::mouseReleaseEvent(QMouseEvent *evenement)
{
    QTableView::mouseReleaseEvent(evenement);
    if (evenement->button() != Qt::RightButton)
        emit clic();
}
