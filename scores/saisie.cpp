#include "scores/saisie.h"
#include "ranking/classement.h"
#include "rounds/etatmanche.h"
#include "store/modele.h"
#include "store/texte.h"

namespace {

// A box of the table as a cell: its number, or the empty text when it holds none.
Cellule Valeur(const QString &boite)
{
    const std::optional<int> n = EntierSaisi(boite);
    return n ? Cellule(*n) : Cellule(QString());
}

QString Boite(const Cellule &c)
{
    return c.estVide() ? QString() : TexteNombre(c.nombre());
}

} // namespace

QString NomEntrant(const Modele &m, int ligne)
{
    const QString nom = m.Joueurs(ColJoueur::Nom, ligne).texte().trimmed();
    const QString prenom = m.Joueurs(ColJoueur::Prenom, ligne).texte().trimmed();
    return nom + (m.TypeJeu.estEquipes() ? QStringLiteral(" / ") : QStringLiteral(" ")) + prenom;
}

bool TableConstituee(Modele &m, const Emplacement &e, bool modeScores)
{
    if (e.trouvee || !modeScores)
        return true;
    m.AfficheErreur(QStringLiteral("Cette table n'a pas été constituée"));
    return false;
}

void RemplitTable(Modele &m, const Emplacement &e, Saisie &s, bool modeScores)
{
    const int pos = e.PosTable;
    if (e.trouvee && !m.Scores(ColScore::Parties, pos).estVide())
        s.NPA = TexteNombre(m.Scores(ColScore::Parties, pos).nombre());
    else
        s.NPA = modeScores ? NbPartiesManche(m) : QString();
    if (!e.trouvee) {
        s.NJ = s.Nom = s.NPO = {};
        s.NbBelotes.clear();
        s.NbCapots.clear();
        return;
    }
    for (int k = 0; k < m.NbParTable(); ++k) {
        const double numero = m.Scores(ColScore::Joueur, pos + k).nombre();
        s.NJ[k] = TexteNombre(numero);
        s.NPO[k] = Boite(m.Scores(ColScore::Points, pos + k));
        const int ligne = m.RechJoueur(numero);
        if (ligne == -1) {
            const QString texte = QStringLiteral("*** ERREUR PROGRAMME 002 ***\nLe joueur ") + TexteNombre(numero)
                + QStringLiteral(" figure dans les scores mais pas dans la liste des joueurs.\nArrêt du programme.");
            m.AfficheErreur(texte);
            throw ArretProgramme{texte};
        }
        s.Nom[k] = NomEntrant(m, ligne);
    }
    s.NbBelotes = Boite(m.Scores(ColScore::Belotes, pos));
    s.NbCapots = Boite(m.Scores(ColScore::Capots, pos));
}

ControleSiege ControleJoueur(const Modele &m, const Saisie &s, int place)
{
    ControleSiege c;
    const int numero = NombreSaisi(s.NJ[place]);
    const QString texteNumero = QString::number(numero);
    for (int k = 0; k < m.NbParTable(); ++k) {
        if (k != place && EntierSaisi(s.NJ[k]) == numero) {
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
    const int table = NombreSaisi(s.NT);
    for (int i = 1; i <= m.NbScores(); ++i) {
        if (m.Scores(ColScore::Manche, i).nombre() == m.MancheCourante
            && m.Scores(ColScore::Joueur, i).nombre() == numero && m.Scores(ColScore::Table, i).nombre() != table) {
            c.refus = ControleSiege::AutreTable;
            c.message = QStringLiteral("Vous avez déjà inscrit le joueur ") + texteNumero
                        + QStringLiteral(" à la table ") + TexteNombre(m.Scores(ColScore::Table, i).nombre());
            return c;
        }
    }
    return c;
}

bool EnregTable(Modele &m, const Saisie &s, Emplacement &e, bool modeScores)
{
    const Emplacement place = ChercheTable(m, NombreSaisi(s.NT));
    if (!TableConstituee(m, place, modeScores))
        return false;
    const Sablier sablier(m.plateforme);
    const int n = m.NbParTable();
    TableCellules scores = m.Scores;
    if (!place.trouvee)
        for (int k = 0; k < n; ++k)
            scores.insereLigne(place.PosTable);
    for (int k = 0; k < n; ++k) {
        const int r = place.PosTable + k;
        scores(ColScore::Manche, r) = m.MancheCourante;
        scores(ColScore::Table, r) = NombreSaisi(s.NT);
        scores(ColScore::Parties, r) = Valeur(s.NPA);
        scores(ColScore::Joueur, r) = NombreSaisi(s.NJ[k]);
        scores(ColScore::Points, r) = Valeur(s.NPO[k]);
        scores(ColScore::Belotes, r) = Valeur(s.NbBelotes);
        scores(ColScore::Capots, r) = Valeur(s.NbCapots);
    }
    if (!m.EcritScores(scores))
        return false;
    e = {true, place.PosTable};
    // A table typed while new entries are being made leaves the ranking alone.
    if (m.OptCalculAuto && (modeScores || !m.ModeNouveau))
        CalculClassement(m);
    MajEtatManche(m);
    return true;
}
