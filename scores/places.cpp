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
    if (m.TypeJeu.estEquipes() && place == 1)
        return QStringLiteral("N/S");
    if (m.TypeJeu.estEquipes() && place == 2)
        return QStringLiteral("E/O");
    return NomPointCardinal(place);
}

std::vector<int> PlacesDansTables(const Modele &m)
{
    const TableCellules &s = m.Scores;
    std::vector<int> places(std::size_t(m.NbScores()) + 1, 0);
    for (int r = 1; r <= m.NbScores(); ++r) {
        const bool suite = r > 1 && s(ColScore::Manche, r - 1).nombre() == s(ColScore::Manche, r).nombre()
                           && s(ColScore::Table, r - 1).nombre() == s(ColScore::Table, r).nombre();
        places[r] = suite ? places[r - 1] + 1 : 1;
    }
    return places;
}

QString LibellePlace(const Modele &m, int place)
{
    if (m.PlacesNommees())
        return NomPlace(m, place);
    return QString::number(place) + QStringLiteral(" :");
}
