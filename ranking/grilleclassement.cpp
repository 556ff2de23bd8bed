#include "ranking/grilleclassement.h"
#include "store/modele.h"

ModeleGrille::ModeleGrille(const Modele &modele, QObject *parent) : QAbstractTableModel(parent), m(modele)
{
    connect(&m, &Modele::joueursChanges, this, &ModeleGrille::Rafraichit);
}

void ModeleGrille::Remplit()
{
    beginResetModel();
    m_numeros = m.OrdreGrille;
    endResetModel();
}

void ModeleGrille::Rafraichit()
{
    if (nbLignes() > 0)
        emit dataChanged(index(0, 0), index(nbLignes() - 1, NbColonnes - 1), {Qt::DisplayRole});
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
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_alignements[index.column()]);
    if (role != Qt::DisplayRole)
        return {};
    const int colonne = index.column();
    if (colonne == 0)
        return QString::number(index.row() + 1);
    // An entrant deleted since the last sort leaves his row empty until the next one.
    const int r = m.RechJoueur(numero(index.row() + 1));
    if (r == -1)
        return QString();
    const Cellule &cellule = m.Joueurs(colonne, r);
    if (colonne >= ColJoueur::Manches && cellule.nombre() == SansValeur)
        return QString();
    return cellule.texte();
}

QVariant ModeleGrille::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < NbColonnes)
        return m_titres[section];
    return {};
}
