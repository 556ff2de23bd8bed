#include "ranking/conditions.h"
#include "scores/tables.h"
#include "store/modele.h"

namespace {

QString Premier(std::initializer_list<std::pair<bool, QString>> conditions)
{
    for (const auto &[remplie, refus] : conditions)
        if (!remplie)
            return refus;
    return {};
}

} // namespace

QString RefusCochesTournoi(const QString &debut)
{
    return debut + QStringLiteral(" un tirage au sort de type \"Tournoi\".");
}

QString RefusBouton(const Modele &m, BoutonTournoi bouton)
{
    const std::pair<bool, QString> tournoi{
        m.TypeJeu != TypeJeu::Aucun,
        QStringLiteral("Utilisez d'abord le bouton \"Nouveau tournoi\" afin de définir les paramètres du tournoi, "
                       "merci.")};
    const std::pair<bool, QString> quatre{m.NbJoueurs() >= 4,
                                          QStringLiteral("Il faut au moins 4 joueurs pour démarrer une manche !")};
    const std::pair<bool, QString> manche{m.NbManches() != 0,
                                          QStringLiteral("Saisissez d'abord les horaires d'au moins une manche.")};
    switch (bouton) {
    case BoutonTournoi::Inscription:
    case BoutonTournoi::Manches:
        return Premier({tournoi});
    case BoutonTournoi::Tables:
        return Premier({quatre, manche});
    case BoutonTournoi::Scores:
        return Premier({manche, quatre,
                        {EtatSaisieManche(m).TablesManche,
                         QStringLiteral("Saisissez d'abord les constitutions de tables pour cette manche ")
                             + QStringLiteral("(ou effectuez un tirage au sort).")}});
    case BoutonTournoi::ListeTables:
    case BoutonTournoi::Fiche:
        return Premier({manche});
    case BoutonTournoi::Cocher:
        return Premier({{m.NbJoueurs() != 0, QStringLiteral("La grille est vide, il n'y aucun joueur à cocher.")},
                        {m.Tirage != TypeTirage::Tournoi,
                         RefusCochesTournoi(
                             QStringLiteral("Vous ne pouvez pas modifier les coches car vous avez choisi"))}});
    }
    return {};
}
