// The report windows: the table lists window and its access keys, the score
// sheet choice, the player sheet's boxes and buttons, grids the keyboard
// never moves.
#include "reports/frmDetail.h"
#include "reports/frmOptFeuilles.h"
#include "reports/frmRepart.h"
#include "support/tournoi.h"
#include "widgets/grille.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>

namespace {

// Entrants 1 to 8, "NOMk", in grid order; round 2 of 4 deals is current, its
// table 1 scored but for entrant 3, table 2 not at all. Entrant 3 has every value.
void Soiree(Tournoi &t)
{
    t.joueurs(8).manches(2, "4").places();
    t.table(2, 1, {8, 3, 5, 1}, {"10", "", "-10", "0"}).table(2, 2, {2, 7, 4, 6});
    const double valeurs[] = {1, 5, 12, 12, 2.4};
    for (int c = ColJoueur::Manches; c <= ColJoueur::MoyParties; ++c)
        t.m.Joueurs(c, 3) = valeurs[c - ColJoueur::Manches];
    t.m.OrdreGrille = {1, 2, 3, 4, 5, 6, 7, 8};
}

// The rows of a grid, cells joined by "|".
QStringList Lignes(const QAbstractItemModel *grille)
{
    QStringList lignes;
    for (int r = 0; r < grille->rowCount(); ++r) {
        QStringList cases;
        for (int c = 0; c < grille->columnCount(); ++c)
            cases << grille->index(r, c).data().toString();
        lignes << cases.join('|');
    }
    return lignes;
}

void Active(QWidget &fenetre)
{
    fenetre.show();
    fenetre.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fenetre));
}

// Alt and the letter in the active window: the button that has it as access
// key is clicked, the toolkit's way, after a short while.
void Appuie(QWidget &fenetre, char lettre)
{
    Active(fenetre);
    QPushButton *bouton = nullptr;
    for (QPushButton *b : fenetre.findChildren<QPushButton *>())
        if (QKeySequence::mnemonic(b->text()) == QKeySequence(Qt::ALT | Qt::Key(lettre)))
            bouton = b;
    QVERIFY2(bouton, "aucun bouton pour cette lettre");
    QSignalSpy clics(bouton, &QPushButton::clicked);
    QTest::keyClick(&fenetre, lettre, Qt::AltModifier);
    QTRY_COMPARE(clics.size(), 1);
}

} // namespace

class TestFenetresRapports : public QObject
{
    Q_OBJECT

    Tournoi *t = nullptr;
    frmDetail *fiche = nullptr;

    QLineEdit *boite(const char *nom) { return Controle<QLineEdit>(fiche, nom); }
    QPushButton *bouton(const char *nom) { return Controle<QPushButton>(fiche, nom); }
    // The nine boxes of the sheet, then whether "next" and "print" are enabled.
    QStringList etat()
    {
        QStringList textes;
        for (const char *nom : {"txtNum", "txtNom", "txtPrenom", "Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
            textes << boite(nom)->text();
        return textes << QString::number(bouton("cmdSuiv")->isEnabled()) + QString::number(bouton("cmdImpr")->isEnabled());
    }

private slots:
    void init()
    {
        t = new Tournoi;
        Soiree(*t);
        fiche = new frmDetail(t->m);
    }
    void cleanup()
    {
        delete fiche;
        delete t;
    }

    // A round without tables leaves only "Sortie" enabled. The caption
    // gives the round after a blank for its sign.
    void sansTable()
    {
        t->manches(3);
        frmRepart fenetre(t->m);
        QCOMPARE(fenetre.windowTitle(), "Constitution des tables de la manche  3");
        QCOMPARE(fenetre.Grid3->model()->rowCount(), 0);
        for (QPushButton *b : fenetre.findChildren<QPushButton *>())
            QCOMPARE(b->isEnabled(), b == fenetre.cmdFin);
    }

    // Each button by its access key, the score sheets through the choice
    // window's buttons; a printout leaves the grid as it opened, without the
    // seats. No two buttons share a key, and Alt+S closes the window.
    void boutons_data()
    {
        QTest::addColumn<char>("touche");
        QTest::addColumn<QString>("choix");
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<QString>("fichier");
        const QString ouverture = "1|8|NOM8|Prénom8";
        QTest::newRow("par joueur") << 'J' << "" << "1|NOM1|Prénom1|1  " << "";
        QTest::newRow("par nom") << 'N' << "" << "NOM1|Prénom1|1  " << "";
        QTest::newRow("par table, places") << 'T' << "" << "1 Nord|8|NOM8|Prénom8" << "";
        QTest::newRow("liste par table") << 'L' << "" << ouverture << "LIST_TAB.TXT";
        QTest::newRow("liste par joueur") << 'P' << "" << ouverture << "LIST_JOU.TXT";
        QTest::newRow("liste par nom") << 'O' << "" << ouverture << "LIST_NOM.TXT";
        QTest::newRow("feuilles abandonnées") << 'F' << "cmdAnnuler" << ouverture << "";
        QTest::newRow("feuilles csv") << 'F' << "cmdCsv" << ouverture << "FEUILLES.CSV";
        QTest::newRow("feuilles") << 'F' << "cmdEtat" << ouverture << "FEUILLES.TXT";
    }
    void boutons()
    {
        QFETCH(char, touche);
        QFETCH(QString, choix);
        QFETCH(QString, fichier);
        t->p.saisies.enqueue("0");
        frmRepart fenetre(t->m);
        // The choice window comes up modal once the button has done its animated click.
        QTimer choisit;
        connect(&choisit, &QTimer::timeout, this, [&] {
            if (auto *options = qobject_cast<frmOptFeuilles *>(QApplication::activeModalWidget())) {
                choisit.stop();
                Controle<QPushButton>(options, choix)->click();
            }
        });
        if (!choix.isEmpty())
            choisit.start(10);
        Appuie(fenetre, touche);
        QVERIFY(!choisit.isActive());
        QTEST(Lignes(fenetre.Grid3->model()).value(0), "ligne");
        QCOMPARE(t->p.textesEdites, fichier.isEmpty() ? QStringList{} : QStringList{t->m.Chemin(fichier)});
        QVERIFY(!t->p.sablierActif());

        QSet<QString> touches;
        for (QPushButton *b : fenetre.findChildren<QPushButton *>())
            touches << QKeySequence::mnemonic(b->text()).toString();
        QCOMPARE(touches.size(), 8);
        QVERIFY(!touches.contains(QString()));
        Appuie(fenetre, 'S');
        QVERIFY(!fenetre.isVisible());
    }

    // The grids keep their current cell and selection whatever the key; Tab leaves them.
    void grilles_data()
    {
        QTest::addColumn<bool>("feuille");
        QTest::addColumn<QKeyCombination>("touche");
        QTest::newRow("Grid3 bas") << false << QKeyCombination(Qt::Key_Down);
        QTest::newRow("Grid3 lettre") << false << QKeyCombination(Qt::Key_2);
        QTest::newRow("Grid3 tout") << false << QKeyCombination(Qt::ControlModifier, Qt::Key_A);
        QTest::newRow("Grid4 fin") << true << QKeyCombination(Qt::ControlModifier, Qt::Key_End);
    }
    void grilles()
    {
        QFETCH(bool, feuille);
        QFETCH(QKeyCombination, touche);
        frmRepart tables(t->m);
        boite("txtNum")->setText("3");
        bouton("cmdOK")->click();
        QWidget &w = feuille ? static_cast<QWidget &>(*fiche) : tables;
        Active(w);
        auto *grille = Controle<GrilleFixe>(&w, feuille ? "Grid4" : "Grid3");
        QVERIFY(grille->model()->rowCount() > 1);
        grille->setFocus();
        grille->setCurrentIndex(grille->model()->index(0, 0));
        const QModelIndexList selection = grille->selectionModel()->selectedIndexes();
        QTest::keyClick(grille, touche.key(), touche.keyboardModifiers());
        QCOMPARE(grille->currentIndex(), grille->model()->index(0, 0));
        QCOMPARE(grille->selectionModel()->selectedIndexes(), selection);
        QTest::keyClick(grille, Qt::Key_Tab);
        QVERIFY(!grille->hasFocus());
    }

    // Typed in lower case, the name is searched in upper case; "next" goes on
    // from the row found. Each sheet brings the ranking grid to its row.
    void parNom()
    {
        Active(*fiche);
        QSignalSpy lignes(fiche, &frmDetail::montreLigne);
        QTest::keyClicks(boite("txtNom"), "om");
        QCOMPARE(boite("txtNom")->text(), "OM");
        QTest::keyClick(boite("txtNom"), Qt::Key_Return);
        QCOMPARE(etat(), (QStringList{"1", "NOM1", "Prénom1", "", "", "", "", "", "1/8", "11"}));
        bouton("cmdSuiv")->click();
        QCOMPARE(boite("txtNom")->text(), "NOM2");
        QCOMPARE(QList<QVariantList>(lignes), (QList<QVariantList>{{1}, {2}}));
        QVERIFY(t->p.boites.isEmpty());
    }

    // The number box takes digits only; Tab after it searches. The grid has
    // a row per table of the entrant, then an empty one. The sheet is
    // written as the boxes show it.
    void parNumero()
    {
        Active(*fiche);
        QSignalSpy lignes(fiche, &frmDetail::montreLigne);
        QTest::keyClicks(boite("txtNum"), "x3");
        QCOMPARE(t->p.bips, 1);
        QTest::keyClick(boite("txtNum"), Qt::Key_Tab);
        QCOMPARE(etat(), (QStringList{"3", "NOM3", "Prénom3", "1", "5", "12", "12", "2.4", "3/8", "01"}));
        QCOMPARE(Lignes(fiche->Grid4->model()), (QStringList{"2|0|", "||"}));
        QCOMPARE(QList<QVariantList>(lignes), QList<QVariantList>{{3}});

        boite("txtPrenom")->setText("Paul");
        bouton("cmdImpr")->click();
        QCOMPARE(::Lignes(t->m, "FICHE.TXT").value(11), QString(37, u' ') + "Prénom : Paul");
        QCOMPARE(t->p.textesEdites, QStringList{t->m.Chemin("FICHE.TXT")});
        QVERIFY(!t->p.sablierActif());
    }

    // Once a sheet is shown both keys are filled: a search is refused and
    // changes nothing until a clear empties everything. Tab in an empty key
    // box moves on without searching.
    void refusPuisEfface()
    {
        Active(*fiche);
        QTest::keyClicks(boite("txtNum"), "3");
        bouton("cmdOK")->click();
        bouton("cmdOK")->click();
        QCOMPARE(t->p.dernierTexte(), "Remplissez le n° OU le nom s.v.p.");
        QCOMPARE(etat().last(), "01");

        bouton("cmdEfface")->click();
        QCOMPARE(etat(), QStringList(9) << "00");
        QCOMPARE(Lignes(fiche->Grid4->model()), QStringList{"||"});
        QVERIFY(boite("txtNum")->hasFocus());
        QTest::keyClick(boite("txtNum"), Qt::Key_Tab);
        QVERIFY(boite("txtNom")->hasFocus());
        QTest::keyClicks(boite("txtNom"), "zz");
        QTest::keyClick(boite("txtNom"), Qt::Key_Enter);
        QCOMPARE(t->p.dernierTexte(), "Joueur(se) dont le nom contient ZZ pas trouvé");
        QCOMPARE(t->p.boites.size(), 2);
        QVERIFY(!t->p.sablierActif());
    }
};

QTEST_MAIN(TestFenetresRapports)
#include "test_fenetres_rapports.moc"
