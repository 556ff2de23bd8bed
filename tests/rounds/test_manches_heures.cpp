// Completion and checking of the time boxes of the round schedule.
#include "rounds/heures.h"
#include "tournoi.h"

#include <QTest>

class TestManchesHeures : public QObject
{
    Q_OBJECT

private slots:
    // reponse: the answer to the 24:00 question, -1 when none is expected;
    // boite: the text of the one box shown, empty when none.
    void valideHeure_data()
    {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<int>("reponse");
        QTest::addColumn<bool>("valide");
        QTest::addColumn<QString>("heure");
        QTest::addColumn<QString>("boite");
        QTest::addColumn<int>("bips");

        const QString question = "24 heures, ça n'existe pas ! Choisissez ... 23:59 (Oui) ou 00:00 (Non)";
        QTest::newRow("9 and 3 as units") << "9_:3_" << -1 << true << "09:03" << "" << 0;
        QTest::newRow("only the minutes") << "__:45" << -1 << true << "00:45" << "" << 0;
        QTest::newRow("only the hour") << "7_:__" << -1 << true << "07:00" << "" << 0;
        QTest::newRow("two digits kept") << "05:30" << -1 << true << "05:30" << "" << 0;
        QTest::newRow("units typed second") << "_5:__" << -1 << true << "00:00" << "" << 0;
        QTest::newRow("nothing typed") << "__:__" << -1 << false << "__:__" << "" << 1;
        QTest::newRow("24:00 Yes") << "24:00" << 1 << true << "23:59" << question << 0;
        QTest::newRow("24:00 No") << "24:00" << 0 << true << "00:00" << question << 0;
        QTest::newRow("24 completed first") << "24:__" << 1 << true << "23:59" << question << 0;
        QTest::newRow("24:30") << "24:30" << -1 << false << "24:30" << "Heure incorrecte !" << 1;
        QTest::newRow("12:75") << "12:75" << -1 << false << "12:75" << "Minutes incorrectes !" << 1;
        QTest::newRow("hour checked first") << "99:99" << -1 << false << "99:99" << "Heure incorrecte !" << 1;
    }
    void valideHeure()
    {
        QFETCH(QString, tape);
        QFETCH(int, reponse);
        QFETCH(bool, valide);
        QFETCH(QString, heure);
        QFETCH(QString, boite);
        QFETCH(int, bips);
        TournoiTest t;
        if (reponse >= 0)
            t.p.reponses.enqueue(reponse == 1);

        QCOMPARE(ValideHeure(t.m, tape), valide);
        QCOMPARE(tape, heure);
        QCOMPARE(t.p.bips, bips);
        QCOMPARE(t.p.boites.size(), boite.isEmpty() ? 0 : 1);
        QCOMPARE(t.p.dernierTexte(), boite);
        if (!boite.isEmpty())
            QCOMPARE(t.p.boites[0].titre, reponse >= 0 ? TitreProgramme : "ERREUR");
    }

    // A blank part is not checked, and leaves no message behind.
    void controleBlancs()
    {
        TournoiTest t;
        for (QString heure : {"__:__", "", "30:__", "__:99"}) {
            QString message = "ancien";
            QVERIFY(ControleHeure(t.m, heure, message));
            QVERIFY(message.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestManchesHeures)
#include "test_manches_heures.moc"
