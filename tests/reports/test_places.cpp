// Names of the seats and the seat of a Scores row in its table.
#include "scores/places.h"
#include "tournoi.h"

#include <QTest>

class TestPlaces : public QObject
{
    Q_OBJECT

private slots:
    void nomPlace_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QStringList>("noms"); // seats 0 to 5
        QTest::newRow("TAROT") << "TAROT" << QStringList{" ", "Nord", "Est", "Sud", "Ouest", " "};
        QTest::newRow("BELOTEIND") << "BELOTEIND" << QStringList{" ", "Nord", "Est", "Sud", "Ouest", " "};
        QTest::newRow("BELOTE") << "BELOTE" << QStringList{" ", "N/S", "E/O", "Sud", "Ouest", " "};
    }
    void nomPlace()
    {
        QFETCH(QString, type);
        QFETCH(QStringList, noms);
        TournoiRapport t(type);
        for (int place = 0; place < noms.size(); ++place)
            QCOMPARE(NomPlace(t.m, place), noms[place]);
    }

    // Tables of two: the second table of a round starts again at seat 1, and
    // a table of the next round with the same number too.
    void placeDansTable()
    {
        TournoiRapport t("BELOTE");
        t.table(1, 1, {1, 2});
        t.table(1, 2, {3, 4});
        t.table(2, 2, {1, 3});
        t.table(2, 5, {2, 4});
        QList<int> places;
        for (int k = 1; k <= t.m.NbScores(); ++k)
            places << PlacesDansTables(t.m)[k];
        QCOMPARE(places, (QList<int>{1, 2, 1, 2, 1, 2, 1, 2}));
    }
};

QTEST_GUILESS_MAIN(TestPlaces)
#include "test_places.moc"
