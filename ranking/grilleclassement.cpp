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

QString ModeleGrille::Titre(TypeJeu jeu, int colonne)
{
    static const char *const titres[NbColonnes] = {
        "Tri",           "N°",           "Ins",         "Nom joueur",  "Prénom joueur",
        "Nombre manches", "Nombre parties", "Nombre points", "Moy manches", "Moy parties",
    };
    const bool joueur = jeu == TypeJeu::Tarot || jeu == TypeJeu::BeloteInd;
    if (!joueur && (colonne == ColJoueur::Nom || colonne == ColJoueur::Prenom))
        return QStringLiteral("Nom prénom joueur %1").arg(colonne - ColJoueur::Nom + 1);
    return QString::fromUtf8(titres[colonne]);
}

void ModeleGrille::fixeTitres(TypeJeu jeu, bool moyennes)
{
    for (int c = 0; c < NbColonnes; ++c)
        m_titres[c] = moyennes || c < ColJoueur::MoyManches ? Titre(jeu, c) : QString();
    emit headerDataChanged(Qt::Horizontal, 0, NbColonnes - 1);
}

void ModeleGrille::fixeAlignement(int colonne, Qt::Alignment alignement)
{
    m_alignements[colonne] = alignement | Qt::AlignVCenter;
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
