#include "ranking/ouverture.h"
#include "ranking/classement.h"
#include "rounds/etatmanche.h"
#include "store/fichiers.h"
#include "store/modele.h"

std::optional<TournoiLu> LitTournoi(Modele &m, const QString &numero)
{
    const Sablier sablier(m.plateforme);
    auto nom = [&numero](char lettre) { return QLatin1Char(lettre) + numero + QStringLiteral(".DAT"); };
    const std::optional<QByteArray> entete = m.LitFichier(nom('T'));
    const std::optional<QByteArray> joueurs = entete ? m.LitFichier(nom('J')) : std::nullopt;
    const std::optional<QByteArray> manches = joueurs ? m.LitFichier(nom('M')) : std::nullopt;
    const std::optional<QByteArray> scores = manches ? m.LitFichier(nom('S')) : std::nullopt;
    if (!scores)
        return std::nullopt;

    TournoiLu lu{numero, m, TableCellules(ColJoueur::Nb), TableCellules(ColManche::Nb), TableCellules(ColScore::Nb)};
    if (m.FichierExiste(nom('T')))
        LitEntete(m, nom('T'), *entete, lu.reglages);
    QString erreur;
    if (!LitJoueurs(*joueurs, nom('J'), lu.joueurs, erreur)
        || !LitManches(*manches, nom('M'), lu.manches, lu.mancheCourante, erreur)
        || !LitScores(*scores, nom('S'), lu.scores, erreur)) {
        m.AfficheErreur(erreur);
        return std::nullopt;
    }
    return lu;
}

void InstalleTournoi(Modele &m, TournoiLu lu, bool ecritManches)
{
    const Sablier sablier(m.plateforme);
    // The draw takes its chance from here.
    m.plateforme.initialiseHasard(quint32(m.plateforme.maintenant().toMSecsSinceEpoch()));
    static_cast<Reglages &>(m) = lu.reglages;
    m.NumTournoi = lu.numero;
    m.Joueurs = std::move(lu.joueurs);
    m.Manches = std::move(lu.manches);
    m.Scores = std::move(lu.scores);
    m.MancheCourante = lu.mancheCourante;
    m.ModeNouveau = false;
    if (ecritManches)
        MajEtatManche(m);
    else
        CalculeEtatManche(m);
    m.ColTri = ColJoueur::Points;
    m.SensTri = Sens::Descendant;
    CalculClassement(m);
}

bool OuvreTournoi(Modele &m, const QString &numero, bool ecritManches)
{
    std::optional<TournoiLu> lu = LitTournoi(m, numero);
    if (!lu)
        return false;
    InstalleTournoi(m, std::move(*lu), ecritManches);
    return true;
}
