// What the hall screen shows: the rows of each view by game, the order of
// the views, the time left in the band.
#include "ranking/classement.h"
#include "salle/pages.h"
#include "support/tournoi.h"

#include <QRegularExpression>
#include <QTest>
#include <array>

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

    // A view as text: the title, the headings, then one line per row, cells joined by " | ", "∅" for an empty one.
    static QStringList Texte(const VueSalle &vue)
    {
        const auto ligne = [](QStringList cellules) {
            return cellules.replaceInStrings(QRegularExpression(QStringLiteral("^$")), QStringLiteral("∅")).join(" | ");
        };
        QStringList lignes{vue.titre, ligne(vue.entetes)};
        for (const QStringList &cellules : vue.lignes)
            lignes << ligne(cellules);
        return lignes;
    }

private slots:
    void vues_data()
    {
        Colonnes<QString, QString, QString, QString, QString>("jeu", "places", "moyennes", "vue", "attendu");
        RangeesDepuisFichier(QStringLiteral(DOSSIER_ATTENDU "/vues.txt"));
    }
    void vues()
    {
        QFETCH(QString, jeu);
        QFETCH(QString, vue);
        QFETCH(QString, attendu);
        Tournoi t{TypeJeu::depuisTexte(jeu).value()};
        QFETCH(QString, moyennes);
        t.m.OptAffichMoy = moyennes == u"oui";
        (t.m.TypeJeu.estEquipes() ? equipes : individuel)(t);
        QFETCH(QString, places);
        if (places == u"oui")
            t.places();
        CalculClassement(t.m);
        const int genre = QStringList{"Tables", "Noms", "Classement", "Inscrits"}.indexOf(vue); // in GenreVue order
        const auto texte = std::array{VueTables, VueNoms, VueClassement, VueInscrits}.at(genre);
        COMPARE_LIGNES(Texte(texte(t.m)), attendu.split(u'\n'));
    }

    // Which views come in turn as the evening goes.
    void tour_data()
    {
        Colonnes<int, bool, QList<int>>("manches", "tiree", "genres");
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
        QTEST(obtenu, "genres");
    }

    void finManche_data()
    {
        Colonnes<QString, QString, QString, bool>("maintenant", "fin", "texte", "proche");
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
        const FinManche f = TexteFinManche(QTime::fromString(maintenant, QStringLiteral("HH:mm:ss")), fin);
        QTEST(f.texte, "texte");
        QTEST(f.proche, "proche");
    }
};

QTEST_GUILESS_MAIN(TestPages)
#include "test_pages.moc"
