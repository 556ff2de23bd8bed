#include "ranking/classement.h"
#include "store/modele.h"
#include "store/texte.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

// Floor of a total over a count, or no value when the count is 0.
double Moyenne(double total, double nombre)
{
    return nombre == 0 ? SansValeur : std::floor(total / nombre);
}

[[noreturn]] void JoueurInconnu(Modele &m, double numero)
{
    const QString texte = QStringLiteral("*** ERREUR PROGRAMME 001 ***\nLe joueur ") + TexteNombre(numero)
        + QStringLiteral(" figure dans les scores mais pas dans la liste des joueurs.\nArrêt du programme.");
    m.AfficheErreur(texte);
    throw ArretProgramme{texte};
}

// What one entrant has gathered from his scored entries.
struct Cumul
{
    bool joue = false;
    double manches = 0;
    double parties = 0;
    double points = 0;
};

// Direction of a sort as a sign: 1 ascending, -1 descending.
int Signe(Sens sens)
{
    return sens == Sens::Ascendant ? 1 : -1;
}

// A sort key read once from its cell: numbers and texts compare here without
// touching the table again; mixed kinds go back to the cell comparison.
struct Cle
{
    enum class Genre : char { Rien, Nombre, Texte };

    explicit Cle(const Cellule &c)
        : cellule(&c),
          genre(c.estNombre() ? Genre::Nombre : (c.estTexte() ? Genre::Texte : Genre::Rien)),
          nombre(c.estNombre() ? c.nombre() : 0),
          octets(c.octets())
    {
    }

    const Cellule *cellule;
    Genre genre;
    double nombre;
    QByteArrayView octets; // Windows-1252 codes, compared byte by byte
};

int Compare(const Cle &a, const Cle &b)
{
    if (a.genre == Cle::Genre::Nombre && b.genre == Cle::Genre::Nombre)
        return (a.nombre > b.nombre) - (a.nombre < b.nombre);
    if (a.genre == Cle::Genre::Texte && b.genre == Cle::Genre::Texte)
        return compareOctets(a.octets, b.octets);
    return compareCellules(*a.cellule, *b.cellule);
}

// Puts rows 1 to n of TabTri in the order found: position i receives the row ordre[i - 1].
void Reordonne(TableCellules &t, const std::vector<int> &ordre)
{
    const int n = int(ordre.size());
    std::vector<int> ici(n + 1), position(n + 1); // row now at a position; position of a row
    std::iota(ici.begin(), ici.end(), 0);
    std::iota(position.begin(), position.end(), 0);
    for (int i = 1; i <= n; ++i) {
        const int r = ordre[i - 1];
        const int j = position[r];
        if (j == i)
            continue;
        for (int c = 1; c < ColTabTri::Nb; ++c)
            Echange(t(c, i), t(c, j));
        ici[j] = ici[i];
        position[ici[j]] = j;
        ici[i] = r;
        position[r] = i;
    }
}

} // namespace

void CalculClassement(Modele &m)
{
    TableCellules &j = m.Joueurs;
    const int nj = m.NbJoueurs();
    // The entrants are in ascending order of number: a binary search finds each one.
    std::vector<double> numeros(nj);
    for (int r = 1; r <= nj; ++r)
        numeros[r - 1] = j(ColJoueur::Numero, r).nombre();
    std::vector<Cumul> cumuls(nj);

    const int n = m.NbScores();
    int dejaDit = -1;
    for (int i = 1; i <= n; ++i) {
        const int pourcentage = Entier16(float(i) / float(n) * 100.0f);
        if (pourcentage != dejaDit)
            emit m.progression(dejaDit = pourcentage);
        const double numero = m.Scores(ColScore::Joueur, i).nombre();
        const auto trouve = std::lower_bound(numeros.begin(), numeros.end(), numero);
        if (trouve == numeros.end() || *trouve != numero)
            JoueurInconnu(m, numero);
        // An entry counts only once its score is typed: the deals box of a
        // table composed but not yet scored must not reach the ranking.
        const Cellule &score = m.Scores(ColScore::Points, i);
        if (score.estVide())
            continue;
        Cumul &cumul = cumuls[trouve - numeros.begin()];
        cumul.joue = true;
        cumul.manches += 1;
        if (!m.Scores(ColScore::Parties, i).estVide())
            cumul.parties += m.Scores(ColScore::Parties, i).nombre();
        cumul.points += score.nombre();
    }

    for (int r = 1; r <= nj; ++r) {
        const Cumul &cumul = cumuls[r - 1];
        const bool moyennes = cumul.joue && m.OptAffichMoy;
        j(ColJoueur::Manches, r) = cumul.joue ? cumul.manches : SansValeur;
        j(ColJoueur::Parties, r) = cumul.joue ? cumul.parties : SansValeur;
        j(ColJoueur::Points, r) = cumul.joue ? cumul.points : SansValeur;
        j(ColJoueur::MoyManches, r) = moyennes ? Moyenne(cumul.points, cumul.manches) : SansValeur;
        j(ColJoueur::MoyParties, r) = moyennes ? Moyenne(cumul.points, cumul.parties) : SansValeur;
    }

    TrieGrille(m, m.ColTri, m.SensTri);
}

void TrieGrille(Modele &m, int colonne, Sens sens)
{
    const Sablier sablier(m.plateforme);
    if (colonne == 0)
        colonne = ColJoueur::Numero;
    const bool moyenne = colonne == ColJoueur::MoyManches || colonne == ColJoueur::MoyParties;

    const int n = m.NbJoueurs();
    m.TabTri.vide();
    m.TabTri.redimensionne(n);
    for (int i = 1; i <= n; ++i) {
        m.TabTri(ColTabTri::Ligne, i) = i;
        m.TabTri(ColTabTri::Cle, i) = m.Joueurs(colonne, i);
        if (moyenne)
            m.TabTri(ColTabTri::Cle2, i) = m.Joueurs(
                colonne == ColJoueur::MoyManches ? ColJoueur::MoyParties : ColJoueur::MoyManches, i);
    }
    // Equal averages are told apart by the other average, always descending.
    TriShell(m, colonne, sens, Sens::Descendant, n);

    m.OrdreGrille.clear();
    m.OrdreGrille.reserve(n);
    for (int i = 1; i <= n; ++i)
        m.OrdreGrille << int(m.Joueurs(ColJoueur::Numero, int(m.TabTri(ColTabTri::Ligne, i).nombre())).nombre());
    m.ColTri = colonne;
    m.SensTri = sens;
    emit m.grilleTriee();
}

namespace {

// The Shell sort of the grid, with shrinking gaps and early exit, on
// positions 1 to n: `horsOrdre(i, k)` tells whether positions i and k must be
// exchanged, `echange(i, k)` exchanges them.
template <typename HorsOrdre, typename Echange>
void Shell(int n, HorsOrdre horsOrdre, Echange echange)
{
    for (int ecart = n / 2; ecart >= 1; ecart /= 2) {
        int limite = n - ecart;
        int dernier;
        do {
            dernier = 0;
            for (int i = 1; i <= limite; ++i) {
                if (horsOrdre(i, i + ecart)) {
                    echange(i, i + ecart);
                    dernier = i;
                }
            }
            limite = dernier - ecart;
        } while (dernier != 0);
    }
}

} // namespace

void TriShell(Modele &m, int colonne, Sens sens, Sens sens2, int n)
{
    TableCellules &t = m.TabTri;
    const int signe = Signe(sens), signe2 = Signe(sens2);
    const bool departage = colonne == ColJoueur::MoyManches || colonne == ColJoueur::MoyParties;
    // Row of TabTri at each position, from 1; the sort moves row numbers only.
    std::vector<int> ordre(n + 1);
    std::iota(ordre.begin(), ordre.end(), 0);

    bool nombres = true;
    for (int r = 1; r <= n && nombres; ++r)
        nombres = t(ColTabTri::Cle, r).estNombre() && (!departage || t(ColTabTri::Cle2, r).estNombre());
    if (nombres) {
        // Numbers only, the usual ranking: the keys travel with the rows, side by side in memory.
        std::vector<double> cle(n + 1), cle2(departage ? n + 1 : 0);
        for (int r = 1; r <= n; ++r) {
            cle[r] = t(ColTabTri::Cle, r).nombre();
            if (departage)
                cle2[r] = t(ColTabTri::Cle2, r).nombre();
        }
        auto echange = [&](int i, int k) {
            std::swap(ordre[i], ordre[k]);
            std::swap(cle[i], cle[k]);
            if (departage)
                std::swap(cle2[i], cle2[k]);
        };
        if (!departage && signe > 0) {
            Shell(n, [&](int i, int k) { return cle[i] > cle[k]; }, echange);
        } else if (!departage) {
            Shell(n, [&](int i, int k) { return cle[i] < cle[k]; }, echange);
        } else {
            auto compare = [](double a, double b) { return (a > b) - (a < b); };
            Shell(
                n,
                [&](int i, int k) {
                    const int c = compare(cle[i], cle[k]);
                    return c * signe > 0 || (c == 0 && compare(cle2[i], cle2[k]) * signe2 > 0);
                },
                echange);
        }
    } else {
        std::vector<Cle> cles, cles2;
        cles.reserve(n + 1);
        cles2.reserve(departage ? n + 1 : 0);
        for (int r = 0; r <= n; ++r) {
            cles.emplace_back(t(ColTabTri::Cle, r));
            if (departage)
                cles2.emplace_back(t(ColTabTri::Cle2, r));
        }
        Shell(
            n,
            [&](int i, int k) {
                const int a = ordre[i], b = ordre[k];
                const int c = Compare(cles[a], cles[b]);
                return c * signe > 0 || (c == 0 && departage && Compare(cles2[a], cles2[b]) * signe2 > 0);
            },
            [&](int i, int k) { std::swap(ordre[i], ordre[k]); });
    }
    Reordonne(t, std::vector<int>(ordre.begin() + 1, ordre.end()));
}

// Plain copies: a text is shared, not duplicated, so nothing is allocated.
void Echange(Cellule &a, Cellule &b)
{
    const Cellule t = a;
    a = b;
    b = t;
}
