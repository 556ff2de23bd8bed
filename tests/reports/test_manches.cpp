// MANCHES.TXT: the list of the rounds.
#include "reports/manches.h"
#include "tournoi.h"

#include <QTest>

class TestManches : public QObject
{
    Q_OBJECT

private slots:
    void sansManche()
    {
        TournoiRapport t;
        const QString cadre = "                        +-----------+---------+---------+--------------+";
        QVERIFY(ImprimeManches(t.m));
        COMPARE_LIGNES(DepuisCp1252(t.lit("MANCHES.TXT")).split("\r\n"),
                       enteteSimple(43) + QStringList{
                           "                                      LISTE DES MANCHES",
                           "                                      =================",
                           " ",
                           " ",
                           cadre,
                           "                        ! N° manche !  Début  !   Fin   ! Nbre parties !",
                           cadre,
                           cadre,
                           "",
                       });
        QCOMPARE(t.p.textesEdites, QStringList{t.m.Chemin("MANCHES.TXT")});
    }

    void ligneManche_data()
    {
        QTest::addColumn<int>("manche");
        QTest::addColumn<QString>("debut");
        QTest::addColumn<QString>("fin");
        QTest::addColumn<QString>("parties");
        QTest::addColumn<QString>("ligne");
        QTest::newRow("5 deals") << 1 << "20:30" << "22:00" << " 5"
                                 << "                        !        1  !  20:30  !  22:00  !       5      !";
        QTest::newRow("12 deals") << 2 << "14:05" << "16:45" << "12"
                                  << "                        !        2  !  14:05  !  16:45  !      12      !";
        QTest::newRow("no times") << 3 << "__:__" << "__:__" << " 6"
                                  << "                        !        3  !  __:__  !  __:__  !       6      !";
        QTest::newRow("deals not given") << 4 << "20:30" << "22:00" << "  "
                                         << "                        !        4  !  20:30  !  22:00  !       0      !";
        QTest::newRow("round 10") << 10 << "20:30" << "22:00" << " 5"
                                  << "                        !        10  !  20:30  !  22:00  !       5      !";
    }
    void ligneManche()
    {
        QFETCH(int, manche);
        QFETCH(QString, debut);
        QFETCH(QString, fin);
        QFETCH(QString, parties);
        QFETCH(QString, ligne);
        TournoiRapport t;
        for (int r = 1; r <= manche; ++r)
            t.manche(debut, fin, parties);
        const QStringList lignes = LignesManches(t.m);
        QCOMPARE(lignes.size(), 13 + manche);
        QCOMPARE(lignes[lignes.size() - 2], ligne);
    }
};

QTEST_GUILESS_MAIN(TestManches)
#include "test_manches.moc"
