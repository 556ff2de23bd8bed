#include "ranking/classement.h"
#include "store/modele.h"
#include "store/texte.h"

#include <QByteArray>
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
    m.plateforme.sablier(false);
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

// Direction of a sort as a sign: 1 ascending, -1 descending, 0 for any other text.
int Signe(const QString &sens)
{
    if (sens == QLatin1String("A"))
        return 1;
    return sens == QLatin1String("D") ? -1 : 0;
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
          octets(c.estTexte() ? VersCp1252(c.texte()) : QByteArray())
    {
    }

    const Cellule *cellule;
    Genre genre;
    double nombre;
    QByteArray octets; // Windows-1252 codes, compared byte by byte
};

int Compare(const Cle &a, const Cle &b)
{
    if (a.genre == Cle::Genre::Nombre && b.genre == Cle::Genre::Nombre)
        return (a.nombre > b.nombre) - (a.nombre < b.nombre);
    if (a.genre == Cle::Genre::Texte && b.genre == Cle::Genre::Texte)
        return a.octets.compare(b.octets);
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
        for (int c = 1; c <= 5; ++c)
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
        numeros[r - 1] = j(1, r).nombre();
    std::vector<Cumul> cumuls(nj);

    const int n = m.NbScores();
    for (int i = 1; i <= n; ++i) {
        if (m.progression)
            m.progression(Entier16(float(i) / float(n) * 100.0f));
        const double numero = m.Scores(4, i).nombre();
        const auto trouve = std::lower_bound(numeros.begin(), numeros.end(), numero);
        if (trouve == numeros.end() || *trouve != numero)
            JoueurInconnu(m, numero);
        // An entry counts only once its score is typed: the deals box of a
        // table composed but not yet scored must not reach the ranking.
        const Cellule &score = m.Scores(5, i);
        if (score.estVide())
            continue;
        Cumul &cumul = cumuls[trouve - numeros.begin()];
        cumul.joue = true;
        cumul.manches += 1;
        if (!m.Scores(3, i).estVide())
            cumul.parties += m.Scores(3, i).nombre();
        cumul.points += score.nombre();
    }

    for (int r = 1; r <= nj; ++r) {
        const Cumul &cumul = cumuls[r - 1];
        const bool moyennes = cumul.joue && m.OptAffichMoy;
        j(5, r) = cumul.joue ? cumul.manches : SansValeur;
        j(6, r) = cumul.joue ? cumul.parties : SansValeur;
        j(7, r) = cumul.joue ? cumul.points : SansValeur;
        j(8, r) = moyennes ? Moyenne(cumul.points, cumul.manches) : SansValeur;
        j(9, r) = moyennes ? Moyenne(cumul.points, cumul.parties) : SansValeur;
    }

    TrieGrille(m, m.ColTri, m.SensTri);
}

void TrieGrille(Modele &m, int colonne, const QString &sens)
{
    m.plateforme.sablier(true);
    if (colonne == 0)
        colonne = 1;
    const QString sensTri = sens.isEmpty() ? QStringLiteral("A") : sens;

    const int n = m.NbJoueurs();
    m.TabTri.vide();
    m.TabTri.redimensionne(n);
    for (int i = 1; i <= n; ++i) {
        m.TabTri(1, i) = i;
        m.TabTri(2, i) = m.Joueurs(colonne, i);
        if (colonne == 8 || colonne == 9)
            m.TabTri(3, i) = m.Joueurs(colonne == 8 ? 9 : 8, i);
    }
    // Equal averages are told apart by the other average, always descending.
    TriShell(m, colonne, sensTri, QStringLiteral("D"), n);

    m.ColTri = colonne;
    m.SensTri = sensTri;
    if (m.grilleTriee)
        m.grilleTriee();
    m.plateforme.sablier(false);
}

void TriShell(Modele &m, int colonne, const QString &sens, const QString &sens2, int n)
{
    TableCellules &t = m.TabTri;
    const int signe = Signe(sens), signe2 = Signe(sens2);
    const bool departage = colonne == 8 || colonne == 9;

    // The keys of each row, by row of TabTri; the sort moves row numbers only.
    std::vector<Cle> cles, cles2;
    cles.reserve(n + 1);
    cles2.reserve(departage ? n + 1 : 0);
    for (int r = 0; r <= n; ++r) {
        cles.emplace_back(t(2, r));
        if (departage)
            cles2.emplace_back(t(3, r));
    }
    std::vector<int> ordre(n);
    std::iota(ordre.begin(), ordre.end(), 1);
    // Whether the rows at positions i and k are out of order: on column 2,
    // then, for the averages, on column 3 when column 2 is equal.
    auto horsOrdre = [&](int i, int k) {
        const int a = ordre[i - 1], b = ordre[k - 1];
        const int c = Compare(cles[a], cles[b]);
        if (c * signe > 0)
            return true;
        return c == 0 && departage && Compare(cles2[a], cles2[b]) * signe2 > 0;
    };

    for (int ecart = n / 2; ecart >= 1; ecart /= 2) {
        int limite = n - ecart;
        int dernier;
        do {
            dernier = 0;
            for (int i = 1; i <= limite; ++i) {
                if (horsOrdre(i, i + ecart)) {
                    std::swap(ordre[i - 1], ordre[i + ecart - 1]);
                    dernier = i;
                }
            }
            limite = dernier - ecart;
        } while (dernier != 0);
    }
    Reordonne(t, ordre);
}

// Plain copies: a text is shared, not duplicated, so nothing is allocated.
void Echange(Cellule &a, Cellule &b)
{
    const Cellule t = a;
    a = b;
    b = t;
}
