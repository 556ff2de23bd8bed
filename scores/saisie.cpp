#include "scores/saisie.h"
#include "ranking/classement.h"
#include "rounds/etatmanche.h"
#include "store/modele.h"
#include "store/texte.h"

namespace {

// A box of the table as a cell: its number, or the empty text when empty.
Cellule Valeur(const QString &boite)
{
    return boite.isEmpty() ? Cellule(QString()) : Cellule(ValeurNumerique(boite));
}

QString Boite(const Cellule &c)
{
    return c.estVide() ? QString() : TexteNombre(c.nombre());
}

} // namespace

QString NomEntrant(const Modele &m, int ligne)
{
    const QString nom = m.Joueurs(3, ligne).texte().trimmed();
    const QString prenom = m.Joueurs(4, ligne).texte().trimmed();
    return nom + (m.TypeJeu == u"BELOTE" ? QStringLiteral(" / ") : QStringLiteral(" ")) + prenom;
}

void RemplitTable(Modele &m, int pos, Saisie &s, bool modeScores)
{
    if (!m.Scores(3, pos).estVide())
        s.NPA = TexteNombre(m.Scores(3, pos).nombre());
    else if (modeScores)
        s.NPA = NbPartiesManche(m);
    for (int k = 0; k < m.NbParTable(); ++k) {
        const double numero = m.Scores(4, pos + k).nombre();
        s.NJ[k] = TexteNombre(numero);
        s.NPO[k] = Boite(m.Scores(5, pos + k));
        const int ligne = m.RechJoueur(numero);
        if (ligne == -1) {
            const QString texte = QStringLiteral("*** ERREUR PROGRAMME 002 ***\nLe joueur ") + TexteNombre(numero)
                + QStringLiteral(" figure dans les scores mais pas dans la liste des joueurs.\nArrêt du programme.");
            m.plateforme.sablier(false);
            m.AfficheErreur(texte);
            throw ArretProgramme{texte};
        }
        s.Nom[k] = NomEntrant(m, ligne);
    }
    s.NbBelotes = Boite(m.Scores(6, pos));
    s.NbCapots = Boite(m.Scores(7, pos));
}

ControleSiege ControleJoueur(const Modele &m, const Saisie &s, int place)
{
    ControleSiege c;
    const double numero = ValeurNumerique(s.NJ[place]);
    const QString texteNumero = TexteNombre(numero);
    for (int k = 0; k < m.NbParTable(); ++k) {
        if (k != place && !s.NJ[k].isEmpty() && ValeurNumerique(s.NJ[k]) == numero) {
            c.refus = ControleSiege::DejaALaTable;
            c.message = QStringLiteral("Vous avez déjà inscrit le joueur ") + texteNumero
                        + QStringLiteral(" à cette table.");
            return c;
        }
    }
    c.ligne = m.RechJoueur(numero);
    if (c.ligne == -1) {
        c.refus = ControleSiege::Inconnu;
        c.message = QStringLiteral("Le joueur n° ") + s.NJ[place] + QStringLiteral(" n'existe pas.");
        return c;
    }
    const double table = ValeurNumerique(s.NT);
    for (int i = 1; i <= m.NbScores(); ++i) {
        if (m.Scores(1, i).nombre() == m.MancheCourante && m.Scores(4, i).nombre() == numero
            && m.Scores(2, i).nombre() != table) {
            c.refus = ControleSiege::AutreTable;
            c.message = QStringLiteral("Vous avez déjà inscrit le joueur ") + texteNumero
                        + QStringLiteral(" à la table ") + TexteNombre(m.Scores(2, i).nombre());
            return c;
        }
    }
    return c;
}

bool EnregTable(Modele &m, const Saisie &s, Emplacement &e, bool modeScores)
{
    m.plateforme.sablier(true);
    const TableCellules avant = m.Scores;
    const int n = m.NbParTable();
    e = ChercheTable(m, ValeurNumerique(s.NT));
    const bool nouvelle = !e.trouvee;
    if (nouvelle)
        for (int k = 0; k < n; ++k)
            m.Scores.insereLigne(e.PosTable);
    for (int k = 0; k < n; ++k) {
        const int r = e.PosTable + k;
        m.Scores(1, r) = m.MancheCourante;
        m.Scores(2, r) = ValeurNumerique(s.NT);
        m.Scores(3, r) = Valeur(s.NPA);
        m.Scores(4, r) = ValeurNumerique(s.NJ[k]);
        m.Scores(5, r) = Valeur(s.NPO[k]);
        m.Scores(6, r) = Valeur(s.NbBelotes);
        m.Scores(7, r) = Valeur(s.NbCapots);
    }
    if (!m.EcritScores()) {
        m.Scores = avant;
        e.trouvee = !nouvelle;
        m.plateforme.sablier(false);
        return false;
    }
    e.trouvee = true;
    // A table typed while new entries are being made leaves the ranking alone.
    if (m.OptCalculAuto && (modeScores || !m.ModeNouveau))
        CalculClassement(m);
    MajEtatManche(m);
    m.plateforme.sablier(false);
    return true;
}
