// GRILLE.TXT: the ranking in the order of the grid, paged every 52 lines.
#include "reports/grille.h"
#include "tournoi.h"

#include <QTest>

class TestGrille : public QObject
{
    Q_OBJECT

    static QStringList enteteGrille(int page)
    {
        return entetePage(page) + QStringList{
            "                                          CLASSEMENT",
            "                                                    Nbr  Nbr  Nombre  Moyenne  Moyenne",
            "        Tri  N°j  Nom              Prénom           man  par  points  manches  parties",
            "        ---  ---  ---------------  ---------------  ---  ---  ------  -------  -------",
        };
    }

private slots:
    void grilleDansSonOrdre()
    {
        TournoiRapport t;
        t.joueur(3, "DUPONT", "Jean");
        t.joueur(8, "ABCDEFGHIJKLMNOPQRST", "Marie-Christine");
        t.joueur(12, "LEDUC", "Zoé");
        const double dupont[] = {3, 12, -1234, -411, -103};
        for (int c = 5; c <= 9; ++c)
            t.m.Joueurs(c, 1) = dupont[c - 5];
        // Averages off: only rounds, deals and points hold a value.
        t.m.Joueurs(5, 2) = 2;
        t.m.Joueurs(6, 2) = 8;
        t.m.Joueurs(7, 2) = 250;

        t.m.OrdreGrille = {8, 3, 12};
        QVERIFY(ImprimeGrille(t.m));
        COMPARE_LIGNES(DepuisCp1252(t.lit("GRILLE.TXT")).split("\r\n"),
                       enteteGrille(1) + QStringList{
                           "          1    8  ABCDEFGHIJKLMNO  Marie-Christine    2    8     250        0        0",
                           "          2    3  DUPONT           Jean               3   12   -1234     -411     -103",
                           "          3   12  LEDUC            Zoé                0    0       0        0        0",
                           "",
                       });
        QCOMPARE(t.p.textesEdites, QStringList{t.m.Chemin("GRILLE.TXT")});
    }

    void pages_data()
    {
        QTest::addColumn<int>("joueurs");
        QTest::addColumn<int>("lignesPage2");
        QTest::newRow("52: second header alone") << 52 << 0;
        QTest::newRow("53: one line on page 2") << 53 << 1;
    }
    void pages()
    {
        QFETCH(int, joueurs);
        QFETCH(int, lignesPage2);
        TournoiRapport t;
        for (int i = 1; i <= joueurs; ++i) {
            t.joueur(i, "NOM", "Prénom");
            t.m.OrdreGrille << i;
        }
        const QStringList lignes = LignesGrille(t.m);
        QCOMPARE(lignes.size(), 10 + 52 + 10 + lignesPage2);
        COMPARE_LIGNES(lignes.mid(62, 10), enteteGrille(2));
        QVERIFY(lignes[61].startsWith("         52   52  NOM"));
        if (lignesPage2)
            QVERIFY(lignes.last().startsWith("         53   53  NOM"));
    }

    void grilleVideRefusee()
    {
        TournoiRapport t;
        QVERIFY(!ImprimeGrille(t.m, {}));
        QCOMPARE(t.p.dernierTexte(), QString("La grille est vide, il n'y a rien à imprimer."));
        QCOMPARE(t.lit("GRILLE.TXT"), QByteArray("<absent>"));
        QVERIFY(t.p.textesEdites.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGrille)
#include "test_grille.moc"
