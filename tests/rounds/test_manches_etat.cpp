// The status of the current round: captions, players, tables, "Terminée",
// and the rounds file rewritten.
#include "rounds/etatmanche.h"
#include "tournoi.h"

#include <QTest>

class TestManchesEtat : public QObject
{
    Q_OBJECT

private slots:
    // Round 2 of 3 is current; round 1 and 3 have a full scored table each
    // that must not be counted. manquants: seats of round 2 without points.
    void etat_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("lignes");
        QTest::addColumn<int>("manquants");
        QTest::addColumn<int>("tables");
        QTest::addColumn<QString>("joueurs");
        QTest::addColumn<QString>("statut");

        QTest::newRow("10 rows, half to even") << "TAROT" << 10 << 10 << 2 << " 10 joueurs" << " ";
        QTest::newRow("14 rows, half to even") << "TAROT" << 14 << 0 << 4 << " 14 joueurs" << "Terminée";
        QTest::newRow("12 rows scored") << "TAROT" << 12 << 0 << 3 << " 12 joueurs" << "Terminée";
        QTest::newRow("one seat missing") << "TAROT" << 12 << 1 << 3 << " 12 joueurs" << " ";
        QTest::newRow("no table") << "TAROT" << 0 << 0 << 0 << " 0 joueurs" << " ";
        QTest::newRow("team belote") << "BELOTE" << 6 << 0 << 3 << " 6 joueurs" << "Terminée";
        QTest::newRow("individual belote") << "BELOTEIND" << 6 << 0 << 2 << " 6 joueurs" << "Terminée";
    }
    void etat()
    {
        QFETCH(QString, type);
        QFETCH(int, lignes);
        QFETCH(int, manquants);
        QFETCH(int, tables);
        QFETCH(QString, joueurs);
        QFETCH(QString, statut);
        TournoiTest t(type);
        t.manches(3, 2);
        t.m.Manches(2, 2) = QStringLiteral("__:__");
        t.table(1, 1, 4, 4);
        if (lignes > 0)
            t.table(2, 1, lignes, lignes - manquants);
        t.table(3, 1, 4, 4);
        int appels = 0;
        QObject::connect(&t.m, &Modele::etatMancheChange, [&] { ++appels; });

        QVERIFY(MajEtatManche(t.m));
        QCOMPARE(t.m.EtatManche,
                 (std::array<QString, 5>{"Manche  2", "__:__ / 22:00", joueurs, statut, "Manche  2"}));
        QCOMPARE(t.m.NbJoueursManche, lignes);
        QCOMPARE(t.m.NbTables, tables);
        QCOMPARE(appels, 1);
        QCOMPARE(t.lignes("M01.DAT"),
                 (QStringList{" 1 20:00 22:00 5   ", " 2 __:__ 22:00 5  X", " 3 20:00 22:00 5   "}));
    }

    void sansManche()
    {
        TournoiTest t;
        t.manches(1);
        QVERIFY(t.m.EcritManches());
        t.m.Manches.vide();
        t.m.MancheCourante = 0;
        t.m.EtatManche.fill("ancien");

        QVERIFY(MajEtatManche(t.m));
        QCOMPARE(t.m.EtatManche, (std::array<QString, 5>{}));
        QCOMPARE(t.lignes("M01.DAT"), QStringList{"<absent>"});
    }
};

QTEST_GUILESS_MAIN(TestManchesEtat)
#include "test_manches_etat.moc"
