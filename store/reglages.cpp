#include "store/reglages.h"

QString TypeJeu::texte() const
{
    switch (m_valeur) {
    case Tarot:
        return QStringLiteral("TAROT");
    case Belote:
        return QStringLiteral("BELOTE");
    case BeloteInd:
        return QStringLiteral("BELOTEIND");
    default:
        return {};
    }
}

std::optional<TypeJeu> TypeJeu::depuisTexte(const QString &texte)
{
    for (const TypeJeu jeu : {Tarot, Belote, BeloteInd})
        if (jeu.texte() == texte)
            return jeu;
    return std::nullopt;
}

QString TexteTirage(TypeTirage tirage)
{
    switch (tirage) {
    case TypeTirage::Aleatoire:
        return QStringLiteral("ALEATOIRE");
    case TypeTirage::Vertical:
        return QStringLiteral("VERTICAL");
    case TypeTirage::Tournoi:
        return QStringLiteral("TOURNOI");
    case TypeTirage::Forts:
        return QStringLiteral("FORTS");
    default:
        return {};
    }
}

TypeTirage TirageDepuisTexte(const QString &texte)
{
    if (texte.isEmpty())
        return TypeTirage::Aucun;
    for (const TypeTirage tirage :
         {TypeTirage::Aleatoire, TypeTirage::Vertical, TypeTirage::Tournoi, TypeTirage::Forts})
        if (TexteTirage(tirage) == texte)
            return tirage;
    return TypeTirage::Autre;
}

QString TexteSens(Sens sens)
{
    return sens == Sens::Ascendant ? QStringLiteral("A") : QStringLiteral("D");
}
