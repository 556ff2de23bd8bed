// Deletions of tables and scores: what stays, in which order, and nothing
// changed when the file cannot be written.
#include "banc.h"
#include "scores/suppression.h"

#include <QTest>

class TestSaisieSuppression : public QObject
{
    Q_OBJECT
private slots:
    void suppression_data()
    {
        QTest::addColumn<int>("operation"); // 0 this table, 1 every table of the round, 2 every score of the round
        QTest::addColumn<QString>("tables");
        QTest::addColumn<int>("lignes");
        QTest::addColumn<QString>("etat"); // status of round 2
        QTest::newRow("table 2 de 1, 2, 3") << 0 << "1/1 2/1 2/3 3/1" << 16 << "Terminée";
        QTest::newRow("toutes les tables de la manche 2") << 1 << "1/1 3/1" << 8 << " ";
        QTest::newRow("scores de la manche 2") << 2 << "1/1 2/1 2/2 2/3 3/1" << 20 << " ";
    }
    void suppression()
    {
        QFETCH(int, operation);
        Banc b;
        b.table(1, 1, 1, QStringLiteral("0"));
        for (int t = 1; t <= 3; ++t)
            b.table(2, t, 4 * t - 3, QStringLiteral("5"));
        b.table(3, 1, 1, QStringLiteral("7"));
        b.m.MancheCourante = 2;
        const bool fait = operation == 0 ? SupprimeTable(b.m, 2) : operation == 1 ? SupprimeTablesManche(b.m)
                                                                                   : EffaceScoresManche(b.m);
        QVERIFY(fait);
        QTEST(b.tables().join(u' '), "tables");
        QTEST(b.m.NbScores(), "lignes");
        // The other rounds keep their scores; the erased round keeps none.
        QCOMPARE(b.m.Scores(5, 1).texte(), QStringLiteral("0"));
        QCOMPARE(b.m.Scores(5, b.m.NbScores()).texte(), QStringLiteral("7"));
        for (int r = 1; r <= b.m.NbScores(); ++r)
            if (b.m.Scores(1, r).nombre() == 2 && operation == 2)
                for (int c : {3, 5, 6, 7})
                    QVERIFY(b.m.Scores(c, r).estVide());
        QTEST(b.m.EtatManche[3], "etat");
        Relit(b.m);
        QTEST(b.tables().join(u' '), "tables");
    }

    void echecEcriture_data() { suppression_data(); }
    void echecEcriture()
    {
        QFETCH(int, operation);
        Banc b;
        for (int t = 1; t <= 3; ++t)
            b.table(1, t, 4 * t - 3, QStringLiteral("5"));
        b.table(2, 1, 1);
        QVERIFY(b.m.EcritScores());
        const QByteArray fichier = b.fichier();
        b.sansDisque();
        const bool fait = operation == 0 ? SupprimeTable(b.m, 2) : operation == 1 ? SupprimeTablesManche(b.m)
                                                                                   : EffaceScoresManche(b.m);
        QVERIFY(!fait);
        QCOMPARE(b.tables().join(u' '), QStringLiteral("1/1 1/2 1/3 2/1"));
        QCOMPARE(b.m.Scores(5, 12).texte(), QStringLiteral("5"));
        QCOMPARE(b.p.boites.size(), 1);
        b.m.RepProgramme = b.dossier.path();
        QCOMPARE(b.fichier(), fichier);
    }

    void mancheSansTable()
    {
        Banc b;
        b.table(1, 1, 1);
        b.m.MancheCourante = 2;
        QVERIFY(!SupprimeTablesManche(b.m));
        QCOMPARE(b.m.NbScores(), 4);
        QVERIFY(b.fichier().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSaisieSuppression)
#include "test_saisie_suppression.moc"
