// What the hall screen shows: the rows of each view by game, the order of
// the views, the time left in the band.
#include "ranking/classement.h"
#include "salle/pages.h"
#include "support/tournoi.h"

#include <QTest>

class TestPages : public QObject
{
    Q_OBJECT

    // Round 1 scored, round 2 current and drawn. Players: an accented and a
    // lower-case name sort among the others; ZED never played.
    static void individuel(Tournoi &t)
    {
        t.joueur(1, "DUPONT", "Jean").joueur(2, "ÉTIENNE", "Luc").joueur(3, "martin", "Zoé").joueur(4, "NOEL", "Anne");
        t.joueur(5, "BLANC", "Paul").joueur(6, "FABRE", "Rose").joueur(7, "GIRAUD", "Léa").joueur(8, "ARNAUD", "Marc");
        t.joueur(9, "ZED", "Absent");
        t.manches(2);
        t.table(1, 1, {1, 2, 3, 4}, {"40", "-5", "-15", "-20"}, "5");
        t.table(1, 2, {5, 6, 7, 8}, {"30", "10", "-10", "-30"}, "5");
        t.table(2, 1, {8, 6, 4, 2});
        t.table(2, 2, {7, 5, 3, 1});
    }
    static void equipes(Tournoi &t)
    {
        t.joueur(1, "DUPONT Jean", "MARTIN Zoé").joueur(2, "ÉTIENNE Luc", "ARNAUD Marc");
        t.joueur(3, "BLANC Paul", "FABRE Rose").joueur(4, "GIRAUD Léa", "NOEL Anne");
        t.manches(2);
        t.table(1, 1, {1, 2}, {"90", "72"}, "4");
        t.table(1, 2, {3, 4}, {"101", "61"}, "4");
        t.table(2, 1, {3, 1});
        t.table(2, 2, {2, 4});
    }

    // A view as text: the title, the headings, then one line per row, cells joined by " | ".
    static QStringList Texte(const VueSalle &vue)
    {
        QStringList lignes{vue.titre, vue.entetes.join(QStringLiteral(" | "))};
        for (const QStringList &ligne : vue.lignes)
            lignes << ligne.join(QStringLiteral(" | "));
        return lignes;
    }

private slots:
    void vues_data()
    {
        QTest::addColumn<int>("jeu");
        QTest::addColumn<bool>("places");
        QTest::addColumn<bool>("moyennes");
        QTest::addColumn<int>("genre");
        QTest::addColumn<QStringList>("attendu");
        const int tarot = TypeJeu::Tarot, ind = TypeJeu::BeloteInd, equipes = TypeJeu::Belote;
        const int tables = int(GenreVue::Tables), noms = int(GenreVue::Noms);
        const int classement = int(GenreVue::Classement), inscrits = int(GenreVue::Inscrits);

        QTest::newRow("tarot, tables sans places")
            << tarot << false << true << tables
            << QStringList{"Manche 2 : les tables", "Table | Joueurs |  |  | ",
                           "1 | ARNAUD Marc | FABRE Rose | NOEL Anne | ÉTIENNE Luc",
                           "2 | GIRAUD Léa | BLANC Paul | martin Zoé | DUPONT Jean"};
        QTest::newRow("tarot, tables avec places")
            << tarot << true << true << tables
            << QStringList{"Manche 2 : les tables", "Table | Nord | Est | Sud | Ouest",
                           "1 | ARNAUD Marc | FABRE Rose | NOEL Anne | ÉTIENNE Luc",
                           "2 | GIRAUD Léa | BLANC Paul | martin Zoé | DUPONT Jean"};
        QTest::newRow("belote individuelle, tables")
            << ind << true << true << tables
            << QStringList{"Manche 2 : les tables", "Table | Nord | Est | Sud | Ouest",
                           "1 | ARNAUD Marc | FABRE Rose | NOEL Anne | ÉTIENNE Luc",
                           "2 | GIRAUD Léa | BLANC Paul | martin Zoé | DUPONT Jean"};
        QTest::newRow("doublettes, tables")
            << equipes << true << true << tables
            << QStringList{"Manche 2 : les tables", "Table | N/S | E/O",
                           "1 | BLANC Paul / FABRE Rose | DUPONT Jean / MARTIN Zoé",
                           "2 | ÉTIENNE Luc / ARNAUD Marc | GIRAUD Léa / NOEL Anne"};
        QTest::newRow("doublettes, tables sans places")
            << equipes << false << true << tables
            << QStringList{"Manche 2 : les tables", "Table | Équipes | ",
                           "1 | BLANC Paul / FABRE Rose | DUPONT Jean / MARTIN Zoé",
                           "2 | ÉTIENNE Luc / ARNAUD Marc | GIRAUD Léa / NOEL Anne"};

        // Accents and case do not move a name: ÉTIENNE among the E, martin among the M.
        QTest::newRow("tarot, noms avec places")
            << tarot << true << true << noms
            << QStringList{"Manche 2 : votre table", "Joueur | Table | Place", "ARNAUD Marc | 1 | Nord",
                           "BLANC Paul | 2 | Est",   "DUPONT Jean | 2 | Ouest", "ÉTIENNE Luc | 1 | Ouest",
                           "FABRE Rose | 1 | Est",   "GIRAUD Léa | 2 | Nord",   "martin Zoé | 2 | Sud",
                           "NOEL Anne | 1 | Sud"};
        QTest::newRow("tarot, noms sans places")
            << tarot << false << true << noms
            << QStringList{"Manche 2 : votre table", "Joueur | Table", "ARNAUD Marc | 1", "BLANC Paul | 2",
                           "DUPONT Jean | 2", "ÉTIENNE Luc | 1", "FABRE Rose | 1", "GIRAUD Léa | 2",
                           "martin Zoé | 2", "NOEL Anne | 1"};
        // Each member of a team finds himself under his own name.
        QTest::newRow("doublettes, noms")
            << equipes << true << true << noms
            << QStringList{"Manche 2 : votre table", "Joueur | Table | Place", "ARNAUD Marc | 2 | N/S",
                           "BLANC Paul | 1 | N/S",   "DUPONT Jean | 1 | E/O", "ÉTIENNE Luc | 2 | N/S",
                           "FABRE Rose | 1 | N/S",   "GIRAUD Léa | 2 | E/O",  "MARTIN Zoé | 1 | E/O",
                           "NOEL Anne | 2 | E/O"};

        // ZED has not played: he has no place.
        QTest::newRow("tarot, classement avec moyennes")
            << tarot << false << true << classement
            << QStringList{"Classement",
                           "Pl. | N° | Nom | Prénom | Points | Moy. manche | Moy. partie",
                           "1 | 1 | DUPONT | Jean | 40 | 40 | 8",
                           "2 | 5 | BLANC | Paul | 30 | 30 | 6",
                           "3 | 6 | FABRE | Rose | 10 | 10 | 2",
                           "4 | 2 | ÉTIENNE | Luc | -5 | -5 | -1",
                           "5 | 7 | GIRAUD | Léa | -10 | -10 | -2",
                           "6 | 3 | martin | Zoé | -15 | -15 | -3",
                           "7 | 4 | NOEL | Anne | -20 | -20 | -4",
                           "8 | 8 | ARNAUD | Marc | -30 | -30 | -6"};
        QTest::newRow("doublettes, classement sans moyennes")
            << equipes << true << false << classement
            << QStringList{"Classement", "Pl. | N° | Joueur 1 | Joueur 2 | Points",
                           "1 | 3 | BLANC Paul | FABRE Rose | 101", "2 | 1 | DUPONT Jean | MARTIN Zoé | 90",
                           "3 | 2 | ÉTIENNE Luc | ARNAUD Marc | 72", "4 | 4 | GIRAUD Léa | NOEL Anne | 61"};

        QTest::newRow("tarot, inscrits")
            << tarot << false << true << inscrits
            << QStringList{"Inscrits : 9", "N° | Nom | Prénom", "8 | ARNAUD | Marc", "5 | BLANC | Paul",
                           "1 | DUPONT | Jean", "2 | ÉTIENNE | Luc", "6 | FABRE | Rose", "7 | GIRAUD | Léa",
                           "3 | martin | Zoé", "4 | NOEL | Anne", "9 | ZED | Absent"};
        QTest::newRow("doublettes, inscrits")
            << equipes << false << true << inscrits
            << QStringList{"Équipes inscrites : 4", "N° | Joueur 1 | Joueur 2", "3 | BLANC Paul | FABRE Rose",
                           "1 | DUPONT Jean | MARTIN Zoé", "2 | ÉTIENNE Luc | ARNAUD Marc",
                           "4 | GIRAUD Léa | NOEL Anne"};
    }
    void vues()
    {
        QFETCH(int, jeu);
        QFETCH(bool, places);
        QFETCH(bool, moyennes);
        QFETCH(int, genre);
        QFETCH(QStringList, attendu);
        Tournoi t{TypeJeu::Valeur(jeu)};
        t.m.OptAffichMoy = moyennes;
        if (TypeJeu(TypeJeu::Valeur(jeu)).estEquipes())
            equipes(t);
        else
            individuel(t);
        if (places)
            t.places();
        CalculClassement(t.m);
        switch (GenreVue(genre)) {
        case GenreVue::Tables: COMPARE_LIGNES(Texte(VueTables(t.m)), attendu); break;
        case GenreVue::Noms: COMPARE_LIGNES(Texte(VueNoms(t.m)), attendu); break;
        case GenreVue::Classement: COMPARE_LIGNES(Texte(VueClassement(t.m)), attendu); break;
        case GenreVue::Inscrits: COMPARE_LIGNES(Texte(VueInscrits(t.m)), attendu); break;
        }
    }

    // Which views come in turn as the evening goes.
    void tour_data()
    {
        QTest::addColumn<int>("manches");
        QTest::addColumn<bool>("tiree");
        QTest::addColumn<QList<int>>("genres");
        const int tables = int(GenreVue::Tables), noms = int(GenreVue::Noms);
        const int classement = int(GenreVue::Classement), inscrits = int(GenreVue::Inscrits);
        QTest::newRow("aucune manche") << 0 << false << QList<int>{inscrits};
        QTest::newRow("manche 1 pas encore tirée") << 1 << false << QList<int>{inscrits};
        QTest::newRow("manche 1 tirée, aucun score") << 1 << true << QList<int>{tables, noms};
        QTest::newRow("manche 2 pas encore tirée") << 2 << false << QList<int>{classement};
        QTest::newRow("manche 2 tirée") << 2 << true << QList<int>{tables, noms, classement};
    }
    void tour()
    {
        QFETCH(int, manches);
        QFETCH(bool, tiree);
        QFETCH(QList<int>, genres);
        Tournoi t;
        t.joueurs(8);
        if (manches > 0)
            t.manches(manches);
        if (manches == 2)
            t.table(1, 1, {1, 2, 3, 4}, {"10", "-10", "0", "0"}).table(1, 2, {5, 6, 7, 8}, {"5", "-5", "0", "0"});
        if (tiree)
            t.table(manches, 1, {1, 3, 5, 7}).table(manches, 2, {2, 4, 6, 8});
        CalculClassement(t.m);
        QList<int> obtenu;
        for (const VueSalle &vue : VuesSalle(t.m))
            obtenu << int(vue.genre);
        QCOMPARE(obtenu, genres);
    }

    void finManche_data()
    {
        QTest::addColumn<QString>("maintenant");
        QTest::addColumn<QString>("fin");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("proche");
        QTest::newRow("douze minutes") << "21:05:00" << "21:17" << "Fin de manche dans 12 min" << false;
        QTest::newRow("cinq minutes et une seconde") << "21:11:59" << "21:17" << "Fin de manche dans 6 min" << false;
        QTest::newRow("cinq minutes") << "21:12:00" << "21:17" << "Fin de manche dans 5 min" << true;
        QTest::newRow("dernière seconde") << "21:16:59" << "21:17" << "Fin de manche dans 1 min" << true;
        QTest::newRow("heure de fin") << "21:17:00" << "21:17" << "Manche terminée" << false;
        QTest::newRow("après la fin") << "21:40:00" << "21:17" << "Manche terminée" << false;
        QTest::newRow("plus d'une heure") << "20:54:30" << "22:00" << "Fin de manche dans 1 h 06" << false;
        QTest::newRow("deux heures") << "20:00:00" << "22:00" << "Fin de manche dans 2 h 00" << false;
        QTest::newRow("fin après minuit") << "23:50:00" << "00:30" << "Fin de manche dans 40 min" << false;
        QTest::newRow("finie avant minuit") << "00:10:00" << "23:50" << "Manche terminée" << false;
        QTest::newRow("sans heure de fin") << "21:00:00" << "__:__" << "" << false;
        QTest::newRow("aucune manche") << "21:00:00" << "" << "" << false;
    }
    void finManche()
    {
        QFETCH(QString, maintenant);
        QFETCH(QString, fin);
        QFETCH(QString, texte);
        QFETCH(bool, proche);
        const FinManche f = TexteFinManche(QTime::fromString(maintenant, QStringLiteral("HH:mm:ss")), fin);
        QCOMPARE(f.texte, texte);
        QCOMPARE(f.proche, proche);
    }
};

QTEST_GUILESS_MAIN(TestPages)
#include "test_pages.moc"
