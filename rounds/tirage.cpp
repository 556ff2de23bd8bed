#include "rounds/tirage.h"
#include "ranking/classement.h"
#include "rounds/etatmanche.h"
#include "scores/places.h"
#include "store/modele.h"
#include "store/texte.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

namespace {

// Entrant numbers in the order they fill the tables: the seats of table 1,
// then those of table 2, and so on.
using Repartition = QList<double>;

bool Coche(const Modele &m, int ligne)
{
    return m.Joueurs(ColJoueur::Coche, ligne).octets() == "X";
}

std::nullopt_t Refus(Modele &m, const QString &texte)
{
    m.AfficheErreur(texte);
    return std::nullopt;
}

QString PremiereTableSaisie(const Modele &m)
{
    for (int r = 1; r <= m.NbScores(); ++r)
        if (m.Scores(ColScore::Manche, r).nombre() == m.MancheCourante)
            return m.Scores(ColScore::Table, r).texte();
    return {};
}

double Numero(const Modele &m, int ligne)
{
    return m.Joueurs(ColJoueur::Numero, ligne).nombre();
}

// Random: each seat in turn takes one of the candidates left, Int(r × restant + 1).
Repartition Aleatoire(Modele &m)
{
    Repartition candidats;
    for (int r = 1; r <= m.NbJoueurs(); ++r)
        if (Coche(m, r))
            candidats << Numero(m, r);
    Repartition tiree;
    while (!candidats.isEmpty()) {
        const int restant = int(candidats.size());
        // r × restant may round up to restant when r is a hair below 1.
        const int p = std::min(int(m.plateforme.hasard() * restant + 1), restant);
        tiree << candidats.takeAt(p - 1);
    }
    return tiree;
}

// Vertical: table t receives the ticked players t, T + t, 2T + t... in
// ascending number; players who are not ticked take no seat.
Repartition Verticale(const Modele &m, int n)
{
    const int s = m.NbParTable(), nbTables = n / s;
    Repartition presents;
    for (int r = 1; r <= m.NbJoueurs(); ++r)
        if (Coche(m, r))
            presents << Numero(m, r);
    Repartition tiree;
    for (int k = 0; k < n; ++k)
        tiree << presents[(k % s) * nbTables + k / s];
    return tiree;
}

// Strongest together: the ticked players as the grid shows them, top first.
std::optional<Repartition> PlusForts(Modele &m)
{
    if (m.ColTri < ColJoueur::Points || m.ColTri > ColJoueur::MoyParties)
        return Refus(m, QStringLiteral("Avant de lancer un tirage au sort de type \"plus forts ensemble\", "
                                       "vous devez trier votre grille sur une des 3 colonnes de droite, "
                                       "à savoir \"Nombre de points\", \"Moy manche\" ou \"Moy parties\". "
                                       "En effet, c'est cette colonne qui indiquera au programme le "
                                       "critère pour choisir les \"plus forts\"."));
    // A player the grid does not show yet goes last rather than nowhere.
    std::vector<int> position(m.NbJoueurs() + 1, INT_MAX);
    for (int i = 0; i < m.OrdreGrille.size(); ++i) {
        const int r = m.RechJoueur(m.OrdreGrille[i]);
        if (r >= 1)
            position[r] = std::min(position[r], i);
    }
    std::vector<int> lignes;
    for (int r = 1; r <= m.NbJoueurs(); ++r)
        if (Coche(m, r))
            lignes.push_back(r);
    std::stable_sort(lignes.begin(), lignes.end(), [&](int a, int b) { return position[a] < position[b]; });
    Repartition tiree;
    for (int r : lignes)
        tiree << Numero(m, r);
    return tiree;
}

// Tournament: every entry of the previous round moves by the offset of its
// seat and keeps its seat; the new tables are ordered by table, then seat.
// Tables count by their rank in the previous round, so that a gap in its
// numbers (a table deleted) does not change where the offsets lead.
std::optional<Repartition> Tournoi(Modele &m, int n)
{
    if (m.MancheCourante < 2)
        return Refus(m, QStringLiteral("Le tirage de type Tournoi ne peut pas servir pour la première manche."));

    struct Entree
    {
        double numero;
        int table, place;
    };
    const int s = m.NbParTable();
    std::vector<Entree> entrees;
    const std::vector<int> places = PlacesDansTables(m);
    int rang = 0;
    double tablePrecedente = 0;
    for (int r = 1; r <= m.NbScores(); ++r) {
        if (m.Scores(ColScore::Manche, r).nombre() != m.MancheCourante - 1)
            continue;
        const double table = m.Scores(ColScore::Table, r).nombre();
        if (rang == 0 || table != tablePrecedente)
            ++rang;
        tablePrecedente = table;
        // A table typed with too many rows wraps round the seats rather than past the offsets.
        entrees.push_back({m.Scores(ColScore::Joueur, r).nombre(), rang, (places[r] - 1) % s + 1});
    }
    if (int(entrees.size()) != n)
        return Refus(m, QStringLiteral(
                            "Le tirage de type Tournoi demande autant de participants qu'à la manche précédente."));
    std::sort(entrees.begin(), entrees.end(), [](const Entree &a, const Entree &b) { return a.numero < b.numero; });
    for (const Entree &e : entrees)
        if (m.Decalage[e.place].estVide())
            return Refus(m, QStringLiteral("Vous avez demandé un tirage au sort de type TOURNOI "
                                           "et les valeurs de décalage ne sont pas toutes renseignées dans l'écran "
                                           "des options. Faites-le et recommencez le tirage s.v.p. "));

    TableCellules &t = m.TabTri;
    t.vide();
    t.redimensionne(n);
    for (int i = 1; i <= n; ++i) {
        const Entree &e = entrees[i - 1];
        t(ColTabTri::Ligne, i) = e.numero;
        t(ColTabTri::Cle, i) = Decale(e.table, Entier16(m.Decalage[e.place].nombre()), n / s);
        t(ColTabTri::Cle2, i) = e.place;
    }
    // Sorted as the averages are, on the new table then on the seat.
    TriShell(m, ColJoueur::MoyManches, Sens::Ascendant, Sens::Ascendant, n);
    Repartition tiree;
    for (int i = 1; i <= n; ++i)
        tiree << t(ColTabTri::Ligne, i).nombre();
    return tiree;
}

std::optional<Repartition> Repartit(Modele &m, int n)
{
    if (m.MancheCourante < 2 && m.TirageManche1 == TypeTirage::Vertical)
        return Verticale(m, n);
    if ((m.MancheCourante < 2 && m.TirageManche1 == TypeTirage::Aleatoire) || m.Tirage == TypeTirage::Aleatoire)
        return Aleatoire(m);
    if (m.Tirage == TypeTirage::Forts)
        return PlusForts(m);
    return Tournoi(m, n);
}

// Inserts the drawn tables after the rows of the earlier rounds and rewrites
// the scores file; Scores takes them once the file holds them.
bool Inscrit(Modele &m, const Repartition &tiree)
{
    TableCellules s = m.Scores;
    const int n = int(tiree.size()), dernier = m.NbScores();
    int insertion = 1;
    while (insertion <= dernier && s(ColScore::Manche, insertion).nombre() <= m.MancheCourante)
        ++insertion;
    for (int k = 0; k < n; ++k)
        s.insereLigne(insertion);
    for (int k = 0; k < n; ++k) {
        const int r = insertion + k;
        s(ColScore::Manche, r) = m.MancheCourante;
        s(ColScore::Table, r) = k / m.NbParTable() + 1;
        s(ColScore::Parties, r) = QString();
        s(ColScore::Joueur, r) = tiree[k];
        s(ColScore::Points, r) = QString();
        s(ColScore::Belotes, r) = QString();
        s(ColScore::Capots, r) = QString();
    }
    return m.EcritScores(s);
}

} // namespace

int Decale(int table, int decalage, int nbTables)
{
    const int u = (table - 1 + decalage) % nbTables;
    return (u < 0 ? u + nbTables : u) + 1;
}

bool TirageAuSort(Modele &m)
{
    if (m.NbManches() == 0) {
        m.AfficheErreur(QStringLiteral("Définissez d'abord au moins une manche avec l'icône \"Horaires manches\"."));
        return false;
    }
    const QString table = PremiereTableSaisie(m);
    if (!table.isEmpty()) {
        m.AfficheErreur(QStringLiteral("Le tirage au sort de cette manche a déjà été effectué,")
                        + QStringLiteral(" ou vous avez saisi une ou plusieurs tables auparavant")
                        + QStringLiteral(" (la table n° ") + table + QStringLiteral(" est actuellement saisie).")
                        + QStringLiteral(" Pour effectuer quand même un tirage au sort,")
                        + QStringLiteral(" effacez la ou les tables précédemment saisies avec l'icône "
                                         "\"Saisie des tables\"."));
        return false;
    }
    int n = 0;
    for (int r = 1; r <= m.NbJoueurs(); ++r)
        n += Coche(m, r);
    if (n == 0) {
        m.AfficheErreur(QStringLiteral("Aucun participant à cette manche."));
        return false;
    }
    if (n % m.NbParTable() != 0) {
        m.AfficheErreur(QStringLiteral("Le nombre de participants n'est pas divisible par ")
                        + QString::number(m.NbParTable()));
        return false;
    }
    const QString manche = QString::number(m.MancheCourante);
    if (!m.plateforme.question(TitreProgramme,
                               QStringLiteral("Vous allez effectuer le tirage au sort de la répartition")
                                   + QStringLiteral(" des tables pour la manche n° ") + manche
                                   + QStringLiteral(" Si vous le désirez, vous pourrez ensuite modifier")
                                   + QStringLiteral(" ou annuler ce tirage ou sort en utilisant l'icône")
                                   + QStringLiteral(" \"Saisie des tables\".")
                                   + QStringLiteral(" Voulez-vous continuer ?"),
                               false))
        return false;

    {
        const Sablier sablier(m.plateforme);
        const std::optional<Repartition> tiree = Repartit(m, n);
        if (!tiree || !Inscrit(m, *tiree))
            return false;
        MajEtatManche(m);
    }
    m.plateforme.bip();
    m.plateforme.message(Plateforme::Icone::Information, TitreProgramme,
                         QStringLiteral("Tirage au sort de la manche ") + manche + QStringLiteral(" terminé."));
    return true;
}
