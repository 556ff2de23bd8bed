#include "players/fiche.h"
#include "players/joueurs.h"
#include "players/noms.h"
#include "ranking/classement.h"
#include "store/modele.h"
#include "store/texte.h"

namespace {

constexpr int NumeroMaxi = 9999;

// Why a typed number cannot be given to a new entrant; empty when it can.
QString RefusNumero(const Modele &m, const QString &texte)
{
    const std::optional<int> numero = EntierSaisi(texte);
    if (!numero || *numero < 1 || *numero > NumeroMaxi)
        return QStringLiteral("Le n° doit être un nombre entier de 1 à 9999.");
    if (m.RechJoueur(*numero) != -1)
        return QStringLiteral("Le n° ") + QString::number(*numero) + QStringLiteral(" est déjà attribué.");
    return {};
}

} // namespace

IssueFiche ValideFiche(Modele &m, FicheJoueur &fiche, int &ligne, bool conversion)
{
    if (fiche.numero.isEmpty() && fiche.nom.isEmpty() && fiche.prenom.isEmpty())
        return IssueFiche::Fermer;
    if (fiche.nom.isEmpty())
        return IssueFiche::NomVide;
    if (fiche.prenom.isEmpty())
        return IssueFiche::PrenomVide;
    if (ligne == -1) {
        const QString refus = RefusNumero(m, fiche.numero);
        if (!refus.isEmpty()) {
            m.AfficheErreur(refus);
            return IssueFiche::NumeroRefuse;
        }
    }
    if (m.ModeNouveau) {
        const int doublon = RechDoublon(m, NomEnregistre(fiche.nom), NomEnregistre(fiche.prenom));
        if (doublon != -1
            && !m.plateforme.question(TitreProgramme,
                                      QStringLiteral("Ce nom/prénom a déjà été inscrit sous le n° ")
                                          + TexteSigne(m.Joueurs(ColJoueur::Numero, doublon).nombre())
                                          + QStringLiteral(". Voulez-vous l'inscrire à nouveau ?"),
                                      false))
            return IssueFiche::Abandon;
    }
    if (conversion && m.TypeJeu.estEquipes()) {
        fiche.nom = ConvertitNomBelote(fiche.nom);
        fiche.prenom = ConvertitNomBelote(fiche.prenom);
    }
    const QString nom = NomEnregistre(fiche.nom);
    const QString prenom = NomEnregistre(fiche.prenom);
    if (ligne != -1) {
        if (!ChangeJoueur(m, ligne, nom, prenom))
            return IssueFiche::NonEcrit;
        m.ModeNouveau = false;
        return IssueFiche::Enregistre;
    }
    const int p = AjouteJoueur(m, *EntierSaisi(fiche.numero), nom, prenom);
    if (p == -1)
        return IssueFiche::NonEcrit;
    m.ModeNouveau = true;
    ligne = p;
    TrieGrille(m, ColJoueur::Numero, Sens::Ascendant);
    return IssueFiche::Enregistre;
}

bool SupprimeFiche(Modele &m, int ligne)
{
    if (ligne < 1 || ligne > m.NbJoueurs())
        return false;
    const double numero = m.Joueurs(ColJoueur::Numero, ligne).nombre();
    if (const int manche = MancheDuJoueur(m, numero)) {
        m.AfficheErreur(QStringLiteral("Vous ne pouvez pas supprimer ce joueur : il est inscrit ou a joué dans la "
                                       "manche n° ")
                        + QString::number(manche));
        return false;
    }
    // The question names the entrant: the form may show another one than the grid selects.
    const QString separation = m.TypeJeu.estEquipes() ? QStringLiteral(" / ") : QStringLiteral(" ");
    const QString question = QStringLiteral("Voulez-vous vraiment supprimer ce joueur ? (du moins ... son "
                                            "inscription !)\n\nN° ")
                             + TexteNombre(numero) + QStringLiteral(" : ") + m.Joueurs(ColJoueur::Nom, ligne).texte()
                             + separation + m.Joueurs(ColJoueur::Prenom, ligne).texte();
    if (!m.plateforme.question(TitreProgramme, question, false) || !SupprimeJoueur(m, ligne))
        return false;
    CalculClassement(m);
    return true;
}
