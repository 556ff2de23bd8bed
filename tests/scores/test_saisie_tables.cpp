// The tables of a round in Scores: searches, navigation, new table numbers,
// entrant checks, loading and storing a table.
#include "banc.h"
#include "scores/saisie.h"

#include <QTest>

namespace {

// Tables given as "round/table[*]" ("*": scored), four tarot seats each, entrants 1, 5, 9...
void Compose(Banc &b, const QString &tables)
{
    int premier = 1;
    for (const QString &t : tables.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parties = QString(t).remove(u'*').split(u'/');
        b.table(parties[0].toInt(), parties[1].toInt(), premier, t.endsWith(u'*') ? QStringLiteral("0") : QString());
        premier = premier % 13 + 4;
    }
}

} // namespace

class TestSaisieTables : public QObject
{
    Q_OBJECT
private slots:
    void etatManche_data()
    {
        QTest::addColumn<QString>("tables");
        QTest::addColumn<bool>("tablesManche");
        QTest::addColumn<bool>("scoresManche");
        QTest::newRow("rien") << "" << false << false;
        QTest::newRow("autres manches") << "1/1* 3/1" << false << false;
        QTest::newRow("composée") << "1/1* 2/1 2/2" << true << false;
        QTest::newRow("jouée") << "2/1 2/2* 3/1" << true << true;
    }
    void etatManche()
    {
        QFETCH(QString, tables);
        Banc b;
        Compose(b, tables);
        b.m.MancheCourante = 2;
        const EtatSaisie e = EtatSaisieManche(b.m);
        QTEST(e.TablesManche, "tablesManche");
        QTEST(e.ScoresManche, "scoresManche");
    }

    // target -1: the button does nothing.
    void navigation_data()
    {
        QTest::addColumn<QString>("tables");
        QTest::addColumn<int>("sens");
        QTest::addColumn<QString>("affichee");
        QTest::addColumn<int>("cible");
        const QString manche2 = QStringLiteral("1/1 1/2 2/2 2/3 2/5 3/1");
        const int prem = int(Navigation::Premiere), prec = int(Navigation::Precedente),
                  suiv = int(Navigation::Suivante), dern = int(Navigation::Derniere);
        QTest::newRow("première") << manche2 << prem << "3" << 2;
        QTest::newRow("dernière") << manche2 << dern << "" << 5;
        QTest::newRow("suivante d'un numéro") << manche2 << suiv << "3" << 4;
        QTest::newRow("suivante depuis la dernière") << manche2 << suiv << "5" << 5;
        QTest::newRow("suivante sans table affichée") << manche2 << suiv << "" << 1;
        QTest::newRow("précédente depuis la 1") << manche2 << prec << "1" << 1;
        QTest::newRow("précédente sans table affichée") << manche2 << prec << "" << 5;
        QTest::newRow("dernière manche") << "1/1 2/1 2/2" << dern << "" << 2;
        QTest::newRow("manche vide entre deux") << "1/1 1/2 3/1" << dern << "" << -1;
        QTest::newRow("manche vide, précédente") << "1/1 1/2 3/1" << prec << "2" << -1;
        QTest::newRow("manche vide, première") << "1/1 3/1" << prem << "" << -1;
    }
    void navigation()
    {
        QFETCH(QString, tables);
        QFETCH(int, sens);
        QFETCH(QString, affichee);
        Banc b;
        Compose(b, tables);
        b.m.MancheCourante = 2;
        QTEST(TableVoisine(b.m, Navigation(sens), affichee).value_or(-1), "cible");
    }

    void nouvelleTable_data()
    {
        QTest::addColumn<QString>("jeu");
        QTest::addColumn<int>("entrants");
        QTest::addColumn<int>("tables");
        QTest::addColumn<bool>("scores");
        QTest::addColumn<int>("nouvelle");
        QTest::newRow("place pour une table") << "TAROT" << 16 << 3 << false << 4;
        QTest::newRow("plus de place") << "TAROT" << 16 << 4 << false << 0;
        QTest::newRow("scores: après la dernière jouée") << "TAROT" << 16 << 4 << true << 3;
        QTest::newRow("équipes") << "BELOTE" << 8 << 3 << false << 4;
        QTest::newRow("équipes, plus de place") << "BELOTE" << 7 << 3 << false << 0;
    }
    void nouvelleTable()
    {
        QFETCH(QString, jeu);
        QFETCH(int, entrants);
        QFETCH(int, tables);
        QFETCH(bool, scores);
        Banc b(jeu, entrants);
        for (int t = 1; t <= tables; ++t)
            b.table(1, t, 1, t <= 2 ? QStringLiteral("10") : QString());
        b.table(2, 9, 1);
        QTEST(NouvelleTable(b.m, scores), "nouvelle");
    }

    void controleJoueur_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("refus");
        QTest::addColumn<QString>("message");
        const QString deja = QStringLiteral("Vous avez déjà inscrit le joueur 12");
        QTest::newRow("deux fois à la table") << "2" << 3 << int(ControleSiege::DejaALaTable)
                                              << "Vous avez déjà inscrit le joueur 3 à cette table.";
        QTest::newRow("à une autre table") << "2" << 12 << int(ControleSiege::AutreTable) << deja + " à la table 4";
        QTest::newRow("déjà à cette table") << "4" << 12 << int(ControleSiege::Aucun) << "";
        QTest::newRow("autre manche") << "2" << 15 << int(ControleSiege::Aucun) << "";
        QTest::newRow("inconnu") << "2" << 99 << int(ControleSiege::Inconnu) << "Le joueur n° 99 n'existe pas.";
    }
    void controleJoueur()
    {
        QFETCH(QString, table);
        QFETCH(int, numero);
        Banc b;
        b.table(1, 4, 9);  // entrants 9 to 12
        b.table(2, 1, 13); // entrants 13 to 16
        Saisie s;
        s.NT = table;
        s.NJ = {QStringLiteral("3"), QString::number(numero), QStringLiteral("1"), QStringLiteral("2")};
        const ControleSiege c = ControleJoueur(b.m, s, 1);
        QTEST(int(c.refus), "refus");
        QTEST(c.message, "message");
    }

    void insertion_data()
    {
        QTest::addColumn<QString>("tables");
        QTest::addColumn<int>("manche");
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("ordre");
        QTest::newRow("entre 1 et 3") << "1/1 1/3 2/1" << 1 << 2 << "1/1 1/2 1/3 2/1";
        QTest::newRow("avant toutes") << "1/2 2/1" << 1 << 1 << "1/1 1/2 2/1";
        QTest::newRow("fin de manche") << "1/1 2/1 3/1" << 2 << 7 << "1/1 2/1 2/7 3/1";
        QTest::newRow("manche vide") << "1/1 3/1" << 2 << 1 << "1/1 2/1 3/1";
        QTest::newRow("à la fin") << "1/1" << 3 << 1 << "1/1 3/1";
    }
    void insertion()
    {
        QFETCH(QString, tables);
        QFETCH(int, manche);
        QFETCH(int, numero);
        QFETCH(QString, ordre);
        Banc b;
        Compose(b, tables);
        b.m.MancheCourante = manche;
        Saisie s;
        s.NT = QString::number(numero);
        s.NJ = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")};
        Emplacement e = ChercheTable(b.m, numero);
        QVERIFY(!e.trouvee);
        QVERIFY(EnregTable(b.m, s, e, false));
        QCOMPARE(b.tables().join(u' '), ordre);
        QVERIFY(e.trouvee);
        QCOMPARE(ChercheTable(b.m, numero).PosTable, e.PosTable);
        Relit(b.m);
        QCOMPARE(b.tables().join(u' '), ordre);
    }

    // A table loaded before another window inserted rows still goes to its place.
    void placeRechercheeALEnregistrement()
    {
        Banc b;
        Compose(b, QStringLiteral("1/3"));
        Saisie s;
        s.NJ = {QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8")};
        s.NT = QStringLiteral("2");
        Emplacement chargee = ChercheTable(b.m, 2);
        Saisie autre = s;
        autre.NT = QStringLiteral("1");
        Emplacement e = ChercheTable(b.m, 1);
        QVERIFY(EnregTable(b.m, autre, e, false));
        QVERIFY(EnregTable(b.m, s, chargee, false));
        QCOMPARE(b.tables().join(u' '), QStringLiteral("1/1 1/2 1/3"));
        QCOMPARE(chargee.PosTable, 5);
    }

    // A file that cannot be written leaves the table in memory as it was.
    void echecEcriture()
    {
        Banc b;
        Compose(b, QStringLiteral("1/1 1/3"));
        const TableCellules avant = b.m.Scores;
        b.sansDisque();
        Saisie s;
        s.NT = QStringLiteral("2");
        s.NJ = {QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8")};
        Emplacement e = ChercheTable(b.m, 2);
        QVERIFY(!EnregTable(b.m, s, e, true));
        QVERIFY(!e.trouvee);
        QVERIFY(b.m.Scores.nbLignes() == avant.nbLignes());
        for (int r = 1; r <= avant.nbLignes(); ++r)
            for (int c = 1; c <= 7; ++c)
                QCOMPARE(b.m.Scores(c, r), avant(c, r));
        QCOMPARE(b.p.boites.size(), 1);
        QVERIFY(!b.p.sablierActif());
    }

    void remplit_data()
    {
        QTest::addColumn<QString>("jeu");
        QTest::addColumn<bool>("scores");
        QTest::addColumn<QString>("parties");
        QTest::addColumn<QString>("nom");
        QTest::newRow("scores: parties de la manche") << "TAROT" << true << "8" << "Nom 5 Prénom 5";
        QTest::newRow("composition: parties gardées") << "TAROT" << false << "3" << "Nom 5 Prénom 5";
        QTest::newRow("équipes") << "BELOTE" << false << "3" << "Nom 5 / Prénom 5";
    }
    void remplit()
    {
        QFETCH(QString, jeu);
        QFETCH(bool, scores);
        Banc b(jeu);
        b.table(1, 1, 5);
        Saisie s;
        s.NPA = QStringLiteral("3");
        RemplitTable(b.m, 1, s, scores);
        QTEST(s.NPA, "parties");
        QTEST(s.Nom[0], "nom");
        QCOMPARE(s.NJ[1], QStringLiteral("6"));
        QCOMPARE(s.NPO[0], QString());
    }

    void entrantAbsentArreteLeProgramme()
    {
        Banc b(QStringLiteral("TAROT"), 6);
        b.table(1, 1, 5);
        Saisie s;
        QVERIFY_THROWS_EXCEPTION(ArretProgramme, RemplitTable(b.m, 1, s, true));
        QCOMPARE(b.p.dernierTexte(), QStringLiteral("*** ERREUR PROGRAMME 002 ***\nLe joueur 7 figure dans les scores "
                                                     "mais pas dans la liste des joueurs.\nArrêt du programme."));
    }
};

QTEST_GUILESS_MAIN(TestSaisieTables)
#include "test_saisie_tables.moc"
