// The grid sort: comparisons as held, tie-breaks of the averages, the exact
// order of the Shell sort on equal keys.
#include "ranking/classement.h"
#include "tournoi.h"

#include <QTest>
#include <memory>

namespace {

// The sort as the procedure states it, on plain values: the rows of TabTri
// are (key, second key, entrant number).
struct Ligne
{
    double cle, cle2;
    int numero;
};

void TriReference(std::vector<Ligne> &t, bool croissant, bool departage)
{
    const int n = int(t.size());
    auto horsOrdre = [&](const Ligne &a, const Ligne &b) {
        if (croissant ? a.cle > b.cle : a.cle < b.cle)
            return true;
        return departage && a.cle == b.cle && a.cle2 < b.cle2;
    };
    int ecart = n / 2;
    while (ecart >= 1) {
        int limite = n - ecart;
        int dernier;
        do {
            dernier = 0;
            for (int i = 1; i <= limite; ++i) {
                if (horsOrdre(t[i - 1], t[i + ecart - 1])) {
                    std::swap(t[i - 1], t[i + ecart - 1]);
                    dernier = i;
                }
            }
            limite = dernier - ecart;
        } while (dernier != 0);
        ecart /= 2;
    }
}

} // namespace

class TestTri : public QObject
{
    Q_OBJECT

    std::unique_ptr<TournoiTest> t;

private slots:
    void init() { t = std::make_unique<TournoiTest>(); }

    // Entrants as "number;tick;name;first name;c5;c6;c7;c8;c9", an empty computed cell without value.
    void ordre_data()
    {
        QTest::addColumn<int>("colonne");
        QTest::addColumn<QString>("sens");
        QTest::addColumn<QStringList>("joueurs");
        QTest::addColumn<QList<int>>("attendu");
        QTest::addColumn<int>("colTri");
        QTest::addColumn<QString>("sensTri");

        const QStringList points = {"1;;;;;;30;;", "2;;;;;;;;", "3;;;;;;-5;;", "4;;;;;;100;;", "5;;;;;;;;"};
        QTest::newRow("points décroissants, vides en dernier")
            << 7 << "D" << points << QList<int>{4, 1, 3, 2, 5} << 7 << "D";
        QTest::newRow("points croissants, vides en premier")
            << 7 << "A" << points << QList<int>{5, 2, 3, 1, 4} << 7 << "A";

        const QStringList moyennes = {"1;;;;;;;10;2", "2;;;;;;;12;3", "3;;;;;;;10;5", "4;;;;;;;10;3"};
        QTest::newRow("moy manches D, égalité par moy parties")
            << 8 << "D" << moyennes << QList<int>{2, 3, 4, 1} << 8 << "D";
        QTest::newRow("moy manches A, égalité toujours décroissante")
            << 8 << "A" << moyennes << QList<int>{3, 4, 1, 2} << 8 << "A";
        QTest::newRow("moy parties D, égalité par moy manches")
            << 9 << "D" << QStringList{"1;;;;;;;1;4", "2;;;;;;;7;4", "3;;;;;;;0;6"} << QList<int>{3, 2, 1} << 9 << "D";

        const QStringList noms = {"1;;Émile;;;;;;", "2;;dupont;;;;;;", "3;;Zoé;;;;;;"};
        QTest::newRow("noms sur les codes") << 3 << "A" << noms << QList<int>{3, 2, 1} << 3 << "A";
        QTest::newRow("noms décroissants") << 3 << "D" << noms << QList<int>{1, 2, 3} << 3 << "D";
        QTest::newRow("coches, le blanc avant X")
            << 2 << "A" << QStringList{"1;X;;;;;;;", "2; ;;;;;;;", "3;X;;;;;;;", "4; ;;;;;;;"}
            << QList<int>{2, 4, 1, 3} << 2 << "A";

        const QStringList melanges = {"1;;;;;;8;;", "2;;;;;;3;;", "5;;;;;;9;;", "9;;;;;;1;;"};
        QTest::newRow("colonne 0 : par numéro") << 0 << "A" << melanges << QList<int>{1, 2, 5, 9} << 1 << "A";
        QTest::newRow("colonne 0 sans sens") << 0 << "" << melanges << QList<int>{1, 2, 5, 9} << 1 << "A";
        QTest::newRow("sans sens : croissant") << 7 << "" << melanges << QList<int>{9, 2, 1, 5} << 7 << "A";
        QTest::newRow("numéros décroissants") << 1 << "D" << melanges << QList<int>{9, 5, 2, 1} << 1 << "D";
    }
    void ordre()
    {
        QFETCH(int, colonne);
        QFETCH(QString, sens);
        QFETCH(QStringList, joueurs);
        QFETCH(QList<int>, attendu);
        QFETCH(int, colTri);
        QFETCH(QString, sensTri);
        for (const QString &joueur : joueurs) {
            const QStringList champs = joueur.split(u';');
            const int r = t->joueur(champs[0].toInt(), champs[1], champs[2], champs[3]);
            for (int c = 5; c <= 9; ++c)
                if (!champs[c - 1].isEmpty())
                    t->m.Joueurs(c, r) = champs[c - 1].toDouble();
        }
        TrieGrille(t->m, colonne, sens);
        QCOMPARE(t->ordreTri(), attendu);
        QCOMPARE(t->m.ColTri, colTri);
        QCOMPARE(t->m.SensTri, sensTri);
    }

    // Many equal keys: the order must be the one of the procedure, not any sorted order.
    void egalites_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("valeurs");
        QTest::addColumn<int>("colonne");
        QTest::addColumn<QString>("sens");
        QTest::newRow("2 joueurs égaux") << 2 << 1 << 7 << "D";
        QTest::newRow("7 joueurs, 2 valeurs") << 7 << 2 << 7 << "A";
        QTest::newRow("40 joueurs, 3 valeurs") << 40 << 3 << 7 << "D";
        QTest::newRow("101 joueurs, moy manches") << 101 << 4 << 8 << "D";
        QTest::newRow("500 joueurs, moy parties") << 500 << 5 << 9 << "A";
    }
    void egalites()
    {
        QFETCH(int, n);
        QFETCH(int, valeurs);
        QFETCH(int, colonne);
        QFETCH(QString, sens);
        quint32 hasard = 12345;
        auto tirage = [&] {
            hasard = hasard * 1664525u + 1013904223u;
            const int v = int((hasard >> 16) % quint32(valeurs + 1));
            return v == valeurs ? double(SansValeur) : double(v);
        };
        std::vector<Ligne> reference;
        for (int numero = 1; numero <= n; ++numero) {
            const int r = t->joueur(numero);
            const double cle = tirage(), autre = tirage();
            t->m.Joueurs(colonne, r) = cle;
            if (colonne >= 8)
                t->m.Joueurs(colonne == 8 ? 9 : 8, r) = autre;
            reference.push_back({cle, autre, numero});
        }
        TriReference(reference, sens == QLatin1String("A"), colonne >= 8);
        QList<int> attendu;
        for (const Ligne &ligne : reference)
            attendu << ligne.numero;
        TrieGrille(t->m, colonne, sens);
        QCOMPARE(t->ordreTri(), attendu);
    }

    // TriShell also serves as a plain sort of TabTri: columns 1 to 5 travel together.
    void colonnesEmportees()
    {
        TableCellules &tab = t->m.TabTri;
        tab.redimensionne(3);
        const double cles[] = {5, 9, 1};
        for (int i = 1; i <= 3; ++i) {
            tab(1, i) = i;
            tab(2, i) = cles[i - 1];
            tab(4, i) = QStringLiteral("table %1").arg(i);
            tab(5, i) = 10 * i;
        }
        TriShell(t->m, 2, Sens::Descendant, Sens::Descendant, 3);
        for (int i = 1; i <= 3; ++i) {
            const int origine = int(tab(1, i).nombre());
            QCOMPARE(tab(4, i).texte(), QStringLiteral("table %1").arg(origine));
            QCOMPARE(tab(5, i).nombre(), 10.0 * origine);
        }
        QCOMPARE(tab(2, 1).nombre(), 9.0);
        QCOMPARE(tab(2, 3).nombre(), 1.0);
    }

    // The window refills its grid at the end of the sort, under the hourglass.
    void grilleTriee_data()
    {
        QTest::addColumn<int>("n");
        QTest::newRow("sans joueur") << 0;
        QTest::newRow("trois joueurs") << 3;
    }
    void grilleTriee()
    {
        QFETCH(int, n);
        for (int numero = 1; numero <= n; ++numero)
            t->joueur(numero);
        int appels = 0;
        t->m.grilleTriee = [&] {
            ++appels;
            QVERIFY(t->p.sablierActif());
            QCOMPARE(t->m.ColTri, 5);
            QCOMPARE(t->m.TabTri.nbLignes(), n);
        };
        TrieGrille(t->m, 5, Sens::Descendant);
        QCOMPARE(appels, 1);
        QVERIFY(!t->p.sablierActif());
    }
};

QTEST_GUILESS_MAIN(TestTri)
#include "test_tri.moc"
