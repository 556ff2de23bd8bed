#include "scores/places.h"
#include "store/modele.h"

QString NomPointCardinal(int place)
{
    switch (place) {
    case 1: return QStringLiteral("Nord");
    case 2: return QStringLiteral("Est");
    case 3: return QStringLiteral("Sud");
    case 4: return QStringLiteral("Ouest");
    default: return QStringLiteral(" ");
    }
}

QString NomPlace(const Modele &m, int place)
{
    if (m.TypeJeu == u"BELOTE" && place == 1)
        return QStringLiteral("N/S");
    if (m.TypeJeu == u"BELOTE" && place == 2)
        return QStringLiteral("E/O");
    return NomPointCardinal(place);
}

int PlaceDansTable(const Modele &m, int ligne)
{
    const TableCellules &s = m.Scores;
    int debut = ligne;
    while (debut > 1 && s(1, debut - 1).nombre() == s(1, ligne).nombre()
           && s(2, debut - 1).nombre() == s(2, ligne).nombre())
        --debut;
    return ligne - debut + 1;
}

QString LibellePlace(const Modele &m, int place)
{
    if (!m.Decalage[1].estVide())
        return NomPlace(m, place);
    return QString::number(place) + QStringLiteral(" :");
}
