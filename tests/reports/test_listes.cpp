// LIST_TAB.TXT, LIST_JOU.TXT and LIST_NOM.TXT: the tables of the current round.
#include "reports/listes.h"
#include "tournoi.h"

#include <QTest>

namespace {

// Round 2 of a tarot evening: table 1 scored, table 2 not yet.
void soiree(TournoiRapport &t)
{
    const char *noms[][2] = {{"ANDRE", "Paul"},  {"BERNARD", "Lise"}, {"CARON", "Marc"},
                             {"DUBOIS", "Eve"},  {"ABCDEFGHIJKLMNOPQRST", "Jean"},
                             {"FAURE", "Anne"},  {"GIRARD", "Luc"},   {"HENRY", "Zoé"}};
    for (int i = 0; i < 8; ++i)
        t.joueur(i + 1, noms[i][0], noms[i][1]);
    t.table(1, 1, {1, 2, 3, 4}, {"10", "-10", "0", "0"});
    t.table(1, 2, {5, 6, 7, 8}, {"10", "-10", "0", "0"});
    t.table(2, 1, {8, 3, 5, 1}, {"10", "-10", "0", "0"});
    t.table(2, 2, {2, 7, 4, 6});
    t.m.MancheCourante = 2;
}

// Round 1 of team belote: two tables of two teams.
void doublettes(TournoiRapport &t)
{
    t.joueur(1, "DUPONT Jean", "DURAND Luc");
    t.joueur(2, "MARTIN Anne", "PETIT Zoé");
    t.joueur(3, "ROUX Paul", "LEROY Eve");
    t.joueur(4, "MOREAU Lise", "SIMON Marc");
    t.table(1, 1, {1, 4});
    t.table(1, 2, {3, 2});
    t.m.MancheCourante = 1;
}

QStringList titresManche(const QString &manche, const QString &titres, const QString &regle)
{
    return {"                               LISTE DES TABLES DE LA MANCHE " + manche, " ", blancs(8) + titres, regle};
}

const QString titresTable = "Table  Place  Joueur   Nom              Prénom           ";
const QString regleTable = "        -----  -----  -------  ---------------  --------------- ";

} // namespace

class TestListes : public QObject
{
    Q_OBJECT

private slots:
    void parTableAvecPlaces()
    {
        TournoiRapport t;
        soiree(t);
        t.nommePlaces();
        QVERIFY(ImprimeListe(t.m, Liste::ParTable));
        COMPARE_LIGNES(DepuisCp1252(t.lit("LIST_TAB.TXT")).split("\r\n"),
                       entetePage(1) + titresManche(" 2", titresTable, regleTable) + QStringList{
                           "          1    Nord         8  HENRY            Zoé            ",
                           "               Est          3  CARON            Marc           ",
                           "               Sud          5  ABCDEFGHIJKLMNO  Jean           ",
                           "               Ouest        1  ANDRE            Paul           ",
                           " ",
                           "          2    Nord         2  BERNARD          Lise           ",
                           "               Est          7  GIRARD           Luc            ",
                           "               Sud          4  DUBOIS           Eve            ",
                           "               Ouest        6  FAURE            Anne           ",
                           " ",
                           "",
                       });
        QCOMPARE(t.p.textesEdites, QStringList{t.m.Chemin("LIST_TAB.TXT")});
    }

    // Without named seats the entrant numbers stay in one column.
    void parTableSansPlaces()
    {
        TournoiRapport t;
        soiree(t);
        COMPARE_LIGNES(LignesListe(t.m, Liste::ParTable).mid(10, 3), {
                           "          1                 8  HENRY            Zoé            ",
                           "                            3  CARON            Marc           ",
                           "                            5  ABCDEFGHIJKLMNO  Jean           ",
                       });
    }

    // Each table of two teams starts at "Nord", whatever its row in the scores.
    void parTableDoublettes()
    {
        TournoiRapport t("BELOTE");
        doublettes(t);
        t.nommePlaces();
        COMPARE_LIGNES(LignesListe(t.m, Liste::ParTable).mid(6),
                       titresManche(" 1", "Table  Place  Equipe   Nom/Prénom 1     Nom/Prénom 2     ", regleTable)
                           + QStringList{
                               "          1    Nord         1  DUPONT Jean      DURAND Luc     ",
                               "               Est          4  MOREAU Lise      SIMON Marc     ",
                               " ",
                               "          2    Nord         3  ROUX Paul        LEROY Eve      ",
                               "               Est          2  MARTIN Anne      PETIT Zoé      ",
                               " ",
                           });
    }

    void parJoueur()
    {
        TournoiRapport t;
        soiree(t);
        t.nommePlaces();
        COMPARE_LIGNES(LignesListe(t.m, Liste::ParJoueur).mid(6),
                       titresManche(" 2", "Joueur  Nom              Prénom           Table  ",
                                    "        ------  ---------------  ---------------  -----  ")
                           + QStringList{
                               "            1   ANDRE            Paul               1 O",
                               "            2   BERNARD          Lise               2 N",
                               "            3   CARON            Marc               1 E",
                               "            4   DUBOIS           Eve                2 S",
                               "            5   ABCDEFGHIJKLMNO  Jean               1 S",
                               "            6   FAURE            Anne               2 O",
                               "            7   GIRARD           Luc                2 E",
                               "            8   HENRY            Zoé                1 N",
                           });
    }

    // The second team of a table sits "E/O", also at the second table.
    void parJoueurDoublettes()
    {
        TournoiRapport t("BELOTE");
        doublettes(t);
        t.nommePlaces();
        const QStringList lignes = LignesListe(t.m, Liste::ParJoueur);
        QCOMPARE(lignes[8], blancs(8) + "Equipe  Nom/Prénom 1     Nom/Prénom 2     Table  ");
        QCOMPARE(lignes[11], "            2   MARTIN Anne      PETIT Zoé          2 E");
        QCOMPARE(lignes[12], "            3   ROUX Paul        LEROY Eve          2 N");
    }

    void parNom()
    {
        TournoiRapport t;
        soiree(t);
        COMPARE_LIGNES(LignesListe(t.m, Liste::ParNom).mid(6),
                       titresManche(" 2", "Nom                  Prénom               N°J.  Table  ",
                                    "        -------------------  -------------------  ----  -----  ")
                           + QStringList{
                               "        ABCDEFGHIJKLMNOPQRS  Jean                    5    1",
                               "        ANDRE                Paul                    1    1",
                               "        BERNARD              Lise                    2    2",
                               "        CARON                Marc                    3    1",
                               "        DUBOIS               Eve                     4    2",
                               "        FAURE                Anne                    6    2",
                               "        GIRARD               Luc                     7    2",
                               "        HENRY                Zoé                     8    1",
                           });
    }

    // 30 lines fill a page; the 31st opens page 2.
    void parNomSurDeuxPages()
    {
        TournoiRapport t;
        QList<int> entrants;
        for (int i = 1; i <= 31; ++i) {
            t.joueur(i, QString("JOUEUR%1").arg(32 - i, 2, 10, QChar('0')), "X");
            entrants << i;
        }
        for (int table = 1; table <= 8; ++table)
            t.table(1, table, entrants.mid((table - 1) * 4, 4));
        t.m.MancheCourante = 1;
        const QStringList lignes = LignesListe(t.m, Liste::ParNom);
        QCOMPARE(lignes.size(), 10 + 30 + 10 + 1);
        QCOMPARE(lignes[10], "        JOUEUR01             X                      31    8");
        COMPARE_LIGNES(lignes.mid(40, 10),
                       entetePage(2) + titresManche(" 1", "Nom                  Prénom               N°J.  Table  ",
                                                    "        -------------------  -------------------  ----  -----  "));
        QCOMPARE(lignes[50], "        JOUEUR31             X                       1    1");
    }

    void marquesDesScores()
    {
        TournoiRapport t;
        soiree(t);
        QCOMPARE(PrepareRepartition(t.m, Liste::ParTable), 8);
        QString marques;
        for (int i = 1; i <= 8; ++i)
            marques += t.m.TabTri(4, i).texte();
        QCOMPARE(marques, "    ****");
    }

    void repartitionVideRefusee()
    {
        TournoiRapport t;
        QVERIFY(!ImprimeListe(t.m, Liste::ParNom));
        QCOMPARE(t.p.dernierTexte(), QString("Le fichier de répartition est vide, il n'y a rien à imprimer."));
        QCOMPARE(t.lit("LIST_NOM.TXT"), QByteArray("<absent>"));
    }
};

QTEST_GUILESS_MAIN(TestListes)
#include "test_listes.moc"
