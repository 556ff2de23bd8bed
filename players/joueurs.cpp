#include "players/joueurs.h"
#include "ranking/classement.h"
#include "ranking/conditions.h"
#include "store/modele.h"
#include "store/texte.h"

#include <set>

namespace {

// Applies a change to a copy of Joueurs and writes it; the model takes it
// once the players file holds it.
template <typename Changement>
bool ModifieJoueurs(Modele &m, Changement changement)
{
    TableCellules joueurs = m.Joueurs;
    changement(joueurs);
    return m.EcritJoueurs(joueurs);
}

// Asks before dropping the entrants of the open tournament; true at once when there are none.
bool ConfirmeEffacement(Modele &m)
{
    if (m.NbJoueurs() == 0)
        return true;
    m.plateforme.bip();
    return m.plateforme.question(TitreProgramme,
                                 QStringLiteral("Attention, ") + QString::number(m.NbJoueurs())
                                     + QStringLiteral(" joueurs vont être effacés dans le tournoi \"") + m.NomTournoi
                                     + QStringLiteral("\".  Voulez-vous continuer ?"),
                                 false);
}

} // namespace

int RechNumLibre(const Modele &m)
{
    const int n = m.NbJoueurs();
    if (n == 0)
        return 1;
    auto numero = [&m](int ligne) { return m.Joueurs(ColJoueur::Numero, ligne).nombre(); };
    if (numero(n) == n)
        return numero(1) == 1 ? n + 1 : 1;
    for (int i = 1; i <= n; ++i)
        if (numero(i) != i)
            return i;
    return n + 1;
}

int RechDoublon(const Modele &m, const QString &nom, const QString &prenom)
{
    for (int r = 1; r <= m.NbJoueurs(); ++r)
        if (m.Joueurs(ColJoueur::Nom, r).texte() == nom && m.Joueurs(ColJoueur::Prenom, r).texte() == prenom)
            return r;
    return -1;
}

int MancheDuJoueur(const Modele &m, double numero)
{
    for (int i = 1; i <= m.NbScores(); ++i)
        if (m.Scores(ColScore::Joueur, i).nombre() == numero)
            return int(m.Scores(ColScore::Manche, i).nombre());
    return 0;
}

void RemplitJoueur(TableCellules &joueurs, int ligne, int numero, const QString &nom, const QString &prenom)
{
    joueurs(ColJoueur::Numero, ligne) = numero;
    joueurs(ColJoueur::Coche, ligne) = QStringLiteral("X");
    joueurs(ColJoueur::Nom, ligne) = nom;
    joueurs(ColJoueur::Prenom, ligne) = prenom;
    for (int c = ColJoueur::Manches; c <= ColJoueur::MoyParties; ++c)
        joueurs(c, ligne) = SansValeur;
}

int AjouteJoueur(Modele &m, int numero, const QString &nom, const QString &prenom)
{
    int p = 1;
    while (p <= m.NbJoueurs() && m.Joueurs(ColJoueur::Numero, p).nombre() <= numero)
        ++p;
    const bool ecrit = ModifieJoueurs(m, [&](TableCellules &joueurs) {
        joueurs.insereLigne(p);
        RemplitJoueur(joueurs, p, numero, nom, prenom);
    });
    return ecrit ? p : -1;
}

bool ChangeJoueur(Modele &m, int ligne, const QString &nom, const QString &prenom)
{
    return ModifieJoueurs(m, [&](TableCellules &joueurs) {
        joueurs(ColJoueur::Nom, ligne) = nom;
        joueurs(ColJoueur::Prenom, ligne) = prenom;
    });
}

bool SupprimeJoueur(Modele &m, int ligne)
{
    return ModifieJoueurs(m, [ligne](TableCellules &joueurs) { joueurs.supprimeLignes(ligne); });
}

bool RemplaceJoueurs(Modele &m, const TableCellules &joueurs)
{
    // The ranking stops the program on a seated entrant it cannot find.
    std::set<double> numeros;
    for (int r = 1; r <= joueurs.nbLignes(); ++r)
        numeros.insert(joueurs(ColJoueur::Numero, r).nombre());
    for (int i = 1; i <= m.NbScores(); ++i) {
        const double numero = m.Scores(ColScore::Joueur, i).nombre();
        if (!numeros.count(numero)) {
            m.AfficheErreur(QStringLiteral("Le joueur n° ") + TexteNombre(numero)
                            + QStringLiteral(" est placé à une table de la manche n° ")
                            + m.Scores(ColScore::Manche, i).texte()
                            + QStringLiteral(" et ne figure pas dans la nouvelle liste : la liste des joueurs")
                            + QStringLiteral(" n'est pas modifiée."));
            return false;
        }
    }
    return m.EcritJoueurs(joueurs);
}

bool BasculeCoche(Modele &m, double numero)
{
    if (m.Tirage == TypeTirage::Tournoi) {
        m.AfficheErreur(RefusCochesTournoi(QStringLiteral("Vous ne pouvez pas modifier ces coches car vous avez choisi")));
        return false;
    }
    const int r = m.RechJoueur(numero);
    if (r == -1)
        return false;
    return ModifieJoueurs(m, [r](TableCellules &joueurs) {
        const bool coche = joueurs(ColJoueur::Coche, r).octets() == "X";
        joueurs(ColJoueur::Coche, r) = coche ? QStringLiteral(" ") : QStringLiteral("X");
    });
}

bool CocheJoueurs(Modele &m, ChoixCoches choix)
{
    const int n = m.NbJoueurs();
    int de = 1, a = 0; // grid rows ticked
    switch (choix) {
    case ChoixCoches::Tous: a = n; break;
    case ChoixCoches::Aucun: break;
    case ChoixCoches::Gagnants: a = int(ArrondiPair(n / 2.0)); break;
    case ChoixCoches::Perdants:
        de = int(ArrondiPair(n / 2.0 + 1));
        a = n;
        break;
    }
    return ModifieJoueurs(m, [&](TableCellules &joueurs) {
        for (int r = 1; r <= n; ++r)
            joueurs(ColJoueur::Coche, r) = QStringLiteral(" ");
        for (int ligne = de; ligne <= a; ++ligne) {
            // Everyone is ticked whatever the grid shows; the halves follow its order.
            const int r = choix == ChoixCoches::Tous ? ligne : m.RechJoueur(m.OrdreGrille.value(ligne - 1, -1));
            if (r != -1)
                joueurs(ColJoueur::Coche, r) = QStringLiteral("X");
        }
    });
}

bool AvertitRemplacement(Modele &m, SourceListe source)
{
    for (int i = 1; i <= m.NbScores(); ++i) {
        if (!m.Scores(ColScore::Points, i).estVide()) {
            m.plateforme.bip();
            m.plateforme.message(Plateforme::Icone::Critique, TitreProgramme,
                                 QStringLiteral("Des points ont été saisis pour certains joueurs dans ce tournoi. ")
                                     + QStringLiteral("On ne peut donc pas recréer la liste des joueurs ..."));
            return false;
        }
    }
    const QString debut = QStringLiteral("Attention, cette option efface tous les joueurs actuellement inscrits ")
                          + QStringLiteral("(s'il y en a) et les remplace par les joueurs du ");
    const QString avertissement =
        source == SourceListe::Csv
            ? debut
                  + QStringLiteral("fichier CSV que vous allez choisir. Le fichier CSV doit contenir le nom du "
                                   "joueur, un point-virgule, et le prénom du joueur, (pour le tarot), ou le nom de "
                                   "la première équipe, un point-virgule et le nom de la deuxième équipe (pour la "
                                   "belote).\n\n Voulez-vous continuer ?")
            : debut + QStringLiteral("tournoi que vous allez choisir.  Voulez-vous continuer ?");
    m.plateforme.bip();
    return m.plateforme.question(TitreProgramme, avertissement, false);
}

bool InstalleListe(Modele &m, const TableCellules &joueurs)
{
    if (!ConfirmeEffacement(m) || !RemplaceJoueurs(m, joueurs))
        return false;
    m.ColTri = ColJoueur::Points;
    m.SensTri = Sens::Descendant;
    CalculClassement(m);
    m.plateforme.message(Plateforme::Icone::Aucune, TitreProgramme, QStringLiteral("Terminé."));
    return true;
}
