// The table lists window: its three grids, its buttons and the lists it prints.
#include "ranking/frmTarot1.h"
#include "ranking/grilleclassement.h"
#include "reports/frmRepart.h"
#include "tournoi.h"

#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

// Round 2 of a tarot evening: in table 1, entrant 3 has no score yet; table 2
// has none. Round 1 is there to be left out.
void tarot(TournoiRapport &t)
{
    const char *noms[][2] = {{"ANDRE", "Paul"},  {"BERNARD", "Lise"}, {"CARON", "Marc"}, {"DUBOIS", "Eve"},
                             {"EVRARD", "Jean"}, {"FAURE", "Anne"},   {"GIRARD", "Luc"}, {"HENRY", "Zoé"}};
    for (int i = 0; i < 8; ++i)
        t.joueur(i + 1, noms[i][0], noms[i][1]);
    t.table(1, 1, {1, 2, 3, 4}, {"0", "0", "0", "0"});
    t.table(1, 2, {5, 6, 7, 8}, {"0", "0", "0", "0"});
    t.table(2, 1, {8, 3, 5, 1}, {"10", "", "-10", "0"});
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
    t.table(1, 1, {1, 4}, {"", "80"});
    t.table(1, 2, {3, 2});
    t.m.MancheCourante = 1;
}

const QStringList boutonsDeTables = {"cmdParTable", "cmdParJoueur", "cmdParNom", "cmdImprTable",
                                     "cmdImprJoueur", "cmdImprNom", "cmdImprFM"};

} // namespace

class TestFrmRepart : public QObject
{
    Q_OBJECT

    std::unique_ptr<TournoiRapport> t;
    std::unique_ptr<frmRepart> w;

    QPushButton *bouton(const QString &nom) { return w->findChild<QPushButton *>(nom); }
    QAbstractItemModel *grille() { return w->findChild<GrilleClassement *>("Grid3")->model(); }
    QStringList titres()
    {
        QStringList textes;
        for (int c = 0; c < grille()->columnCount(); ++c)
            textes << grille()->headerData(c, Qt::Horizontal).toString();
        return textes;
    }
    // Each row of the grid, its cells joined by "|".
    QStringList lignes()
    {
        QStringList textes;
        for (int r = 0; r < grille()->rowCount(); ++r) {
            QStringList cases;
            for (int c = 0; c < grille()->columnCount(); ++c)
                cases << grille()->index(r, c).data().toString();
            textes << cases.join("|");
        }
        return textes;
    }

private slots:
    void init() { t = std::make_unique<TournoiRapport>(); }
    void cleanup() { w.reset(); }

    // bouton: empty for the grid shown at opening.
    void grilles_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<bool>("places");
        QTest::addColumn<QStringList>("titres");
        QTest::addColumn<QStringList>("lignes");

        const QStringList parTable = {"Table", "Joueur", "Nom", "Prénom"};
        const QStringList tarotParTable = {"1|8|HENRY|Zoé",    "1|3|CARON|Marc",    "1|5|EVRARD|Jean",
                                           "1|1|ANDRE|Paul",   "2|2|BERNARD|Lise",  "2|7|GIRARD|Luc",
                                           "2|4|DUBOIS|Eve",   "2|6|FAURE|Anne"};
        QTest::newRow("ouverture, places non nommées") << "TAROT" << "" << true << parTable << tarotParTable;
        QTest::newRow("par table avec places")
            << "TAROT" << "cmdParTable" << true << parTable
            << QStringList{"1 Nord|8|HENRY|Zoé",    "1 Est|3|CARON|Marc",  "1 Sud|5|EVRARD|Jean",
                           "1 Ouest|1|ANDRE|Paul",  "2 Nord|2|BERNARD|Lise", "2 Est|7|GIRARD|Luc",
                           "2 Sud|4|DUBOIS|Eve",    "2 Ouest|6|FAURE|Anne"};
        QTest::newRow("par joueur") << "TAROT" << "cmdParJoueur" << true
                                    << QStringList{"Joueur", "Nom", "Prénom", "Table"}
                                    << QStringList{"1|ANDRE|Paul|1  ",   "2|BERNARD|Lise|2 *", "3|CARON|Marc|1 *",
                                                   "4|DUBOIS|Eve|2 *",   "5|EVRARD|Jean|1  ",  "6|FAURE|Anne|2 *",
                                                   "7|GIRARD|Luc|2 *",   "8|HENRY|Zoé|1  "};
        QTest::newRow("par nom") << "TAROT" << "cmdParNom" << false << QStringList{"Nom", "Prénom", "Table"}
                                 << QStringList{"ANDRE|Paul|1  ", "BERNARD|Lise|2 *", "CARON|Marc|1 *",
                                                "DUBOIS|Eve|2 *", "EVRARD|Jean|1  ", "FAURE|Anne|2 *",
                                                "GIRARD|Luc|2 *", "HENRY|Zoé|1  "};
        // Each table of team belote seats its first team North, its second East.
        QTest::newRow("doublettes par table")
            << "BELOTE" << "cmdParTable" << true << QStringList{"Table", "Equipe", "Nom/Prénom 1", "Nom/Prénom 2"}
            << QStringList{"1 Nord|1|DUPONT Jean|DURAND Luc", "1 Est|4|MOREAU Lise|SIMON Marc",
                           "2 Nord|3|ROUX Paul|LEROY Eve", "2 Est|2|MARTIN Anne|PETIT Zoé"};
    }
    void grilles()
    {
        QFETCH(QString, type);
        QFETCH(QString, bouton);
        QFETCH(bool, places);
        QFETCH(QStringList, titres);
        QFETCH(QStringList, lignes);
        t->m.TypeJeu = *TypeJeu::depuisTexte(type);
        type == "BELOTE" ? doublettes(*t) : tarot(*t);
        if (places)
            t->nommePlaces();
        w = std::make_unique<frmRepart>(t->m);
        if (!bouton.isEmpty()) {
            this->bouton("cmdParNom")->click();
            this->bouton(bouton)->click();
        }
        QCOMPARE(this->titres(), titres);
        QCOMPARE(this->lignes(), lignes);
        for (const QString &nom : boutonsDeTables)
            QVERIFY(this->bouton(nom)->isEnabled());
        QVERIFY(t->p.boites.isEmpty());
    }

    void mancheSansTable()
    {
        tarot(*t);
        t->m.MancheCourante = 3;
        w = std::make_unique<frmRepart>(t->m);
        QCOMPARE(grille()->rowCount(), 0);
        for (const QString &nom : boutonsDeTables)
            QVERIFY2(!bouton(nom)->isEnabled(), qPrintable(nom));
        QVERIFY(bouton("cmdFin")->isEnabled());
    }

    void listes_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QString>("premiereLigne");
        QTest::newRow("par table") << "cmdImprTable" << "LIST_TAB.TXT"
                                   << "          1    Nord         8  HENRY            Zoé            ";
        QTest::newRow("par joueur") << "cmdImprJoueur" << "LIST_JOU.TXT"
                                    << "            1   ANDRE            Paul               1 O";
        QTest::newRow("par nom") << "cmdImprNom" << "LIST_NOM.TXT"
                                 << "        ANDRE                Paul                    1    1 O";
    }
    // The list is written and opened; the grid keeps its order.
    void listes()
    {
        QFETCH(QString, bouton);
        QFETCH(QString, fichier);
        QFETCH(QString, premiereLigne);
        tarot(*t);
        t->nommePlaces();
        w = std::make_unique<frmRepart>(t->m);
        const QStringList avant = lignes();
        this->bouton(bouton)->click();
        QCOMPARE(DepuisCp1252(t->lit(fichier)).split("\r\n").value(10), premiereLigne);
        QCOMPARE(t->p.textesEdites, QStringList{t->m.Chemin(fichier)});
        QVERIFY(!t->p.sablierActif());
        QCOMPARE(lignes(), avant);
    }

    // The tournament window keeps one table lists window, that of the current round.
    void uneSeuleFenetre()
    {
        tarot(*t);
        t->m.NumTournoi = "01";
        t->manche("20:00", "21:00", "4");
        t->manche("21:00", "22:00", "4");
        frmTarot1 tournoi(t->m);
        tournoi.findChild<QPushButton *>("cmdTables")->click();
        t->m.MancheCourante = 1;
        tournoi.findChild<QPushButton *>("cmdTables")->click();
        const QList<frmRepart *> fenetres = tournoi.findChildren<frmRepart *>();
        QCOMPARE(fenetres.size(), 1);
        QVERIFY(fenetres[0]->isVisible());
        QCOMPARE(fenetres[0]->windowTitle(), QString("Constitution des tables de la manche  1"));
        QVERIFY(fenetres[0]->testAttribute(Qt::WA_DeleteOnClose));
    }
};

QTEST_MAIN(TestFrmRepart)
#include "test_frmrepart.moc"
