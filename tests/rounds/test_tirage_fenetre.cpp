// The draw from the tournament window's button: the strongest are taken in
// the order the grid shows, whatever TabTri holds since, and the round panel
// follows the new tables.
#include "ranking/frmTarot1.h"
#include "test_tirage_tournoi.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestTirageFenetre : public QObject
{
    Q_OBJECT

private slots:
    void plus_forts_dans_l_ordre_de_la_grille()
    {
        TournoiTirage t;
        Modele &m = t.m;
        m.Tirage = TirageDepuisTexte(QStringLiteral("FORTS"));
        t.manches(2, 2);
        for (int k = 1; k <= 8; ++k) {
            t.joueur(k);
            m.Joueurs(7, k) = 10 * k;
        }
        frmTarot1 fenetre(m);
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
        TrieGrille(m, 7, Sens::Descendant);
        // Another user of the work table: its order is no longer the grid's.
        for (int i = 1; i <= 8; ++i)
            m.TabTri(1, i) = i;

        t.p.reponses.enqueue(true);
        QTest::mouseClick(fenetre.findChild<QPushButton *>(QStringLiteral("cmdTirage")), Qt::LeftButton);

        QCOMPARE(t.p.dernierTexte(), QStringLiteral("Tirage au sort de la manche 2 terminé."));
        QCOMPARE(t.tables(2), (QList<QList<int>>{{8, 7, 6, 5}, {4, 3, 2, 1}}));
        QCOMPARE(fenetre.findChild<QLabel *>(QStringLiteral("pnlManche2"))->text(), QStringLiteral(" 8 joueurs"));
    }
};

QTEST_MAIN(TestTirageFenetre)
#include "test_tirage_fenetre.moc"
