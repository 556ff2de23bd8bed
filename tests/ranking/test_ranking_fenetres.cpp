// The tournament window and the tick dialog driven by their controls:
// wiring, keys and focus, layout, and the cards drifting behind the controls.
#include "players/frmSaiJou.h"
#include "ranking/classement.h"
#include "ranking/frmConfirm.h"
#include "ranking/frmTarot1.h"
#include "ranking/grilleclassement.h"
#include "support/tournoi.h"
#include "widgets/cartes.h"
#include "widgets/grille.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyleOptionHeader>
#include <QTimer>
#include <memory>

namespace {

// A block of grid cells selected (first and last row, first and last column), or a mouse click on
// {row, column}, or below the rows {}; then the tick of entrant 2, the entrant whose form opens,
// whether the selection goes back to row 1, the start of the box.
struct Clic { QList<int> bloc; QString coche; int fiche; bool remet = true; QString boite = {}; bool tournoi = false; };

// Counts the paintings of a widget.
struct Peintures : QObject
{
    int nombre = 0;
    bool eventFilter(QObject *, QEvent *e) override { return (nombre += e->type() == QEvent::Paint) < 0; }
};

} // namespace

class TestRankingFenetres : public QObject
{
    Q_OBJECT

    std::unique_ptr<Tournoi> t;
    std::unique_ptr<frmTarot1> w;

    Modele &m() { return t->m; }
    QModelIndex cellule(int ligne, int colonne) { return w->contenuGrille->index(ligne - 1, colonne); }
    int premiere() { return w->Grid1->rowAt(0) + 1; }
    int derniere() { return w->Grid1->rowAt(w->Grid1->viewport()->height() - 1) + 1; }
    // The tick column of the grid, rows 1 to n.
    // Entrants 1 to n, entrant k with k points over 4 deals, the odd ones
    // ticked; ranked, then the window shown: grid row k shows entrant n + 1 - k.
    void ouvre(int n)
    {
        for (int k = 1; k <= n; ++k)
            t->joueur(k, QStringLiteral("NOM%1").arg(k), {}, k % 2 == 1)
                .table(1, k, {k}, {QString::number(k)}, QStringLiteral("4"));
        CalculClassement(m());
        w = std::make_unique<frmTarot1>(m());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

private slots:
    void init() { t = std::make_unique<Tournoi>(); }
    void cleanup() { w.reset(); }

    // Rows in attendu/boutons.txt.
    void boutons_data()
    {
        Colonnes<QString, QString>("cas", "message");
        RangeesDepuisFichier(QStringLiteral(DOSSIER_ATTENDU "/boutons.txt"));
    }
    void boutons()
    {
        QFETCH(QString, cas);
        QFETCH(QString, message);
        const QStringList c = cas.split(u' ');
        ouvre(c[2].toInt());
        m().TypeJeu = TypeJeu::depuisTexte(c[1]).value_or(TypeJeu::Aucun);
        t->manches(c[3].toInt());
        Controle<QPushButton>(w.get(), c[0])->click();
        QCOMPARE(t->p.boites.size(), message.isEmpty() ? 0 : 1);
        QVERIFY(t->p.dernierTexte().startsWith(message) || message.isEmpty());
        QCOMPARE(bool(w->findChild<frmConfirm *>()), c.value(4) == u"dialogue");
    }

    // The whole evening runs from the keyboard: every button says what it does.
    void nomsAccessibles()
    {
        ouvre(2);
        for (QPushButton *b : w->findChildren<QPushButton *>())
            QVERIFY2(b->isHidden() || (!b->toolTip().isEmpty() && b->accessibleName() == b->toolTip()),
                     qPrintable(b->objectName()));
    }

    // The current cell never moves by keyboard; Tab and Shift+Tab leave the grid; Escape ends the program.
    void clavier_data()
    {
        Colonnes<QKeyCombination, QString>("touche", "focus");
        for (Qt::Key touche : {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home, Qt::Key_Left, Qt::Key_Up,
                               Qt::Key_Right, Qt::Key_Down, Qt::Key_N, Qt::Key_Space, Qt::Key_Escape})
            QTest::newRow(qPrintable(QKeySequence(touche).toString())) << QKeyCombination(touche) << "Grid1";
        QTest::newRow("Ctrl+A") << QKeyCombination(Qt::ControlModifier, Qt::Key_A) << "Grid1";
        QTest::newRow("Tab") << QKeyCombination(Qt::Key_Tab) << "cmdInscr";
        QTest::newRow("Shift+Tab") << QKeyCombination(Qt::ShiftModifier, Qt::Key_Backtab) << "cmdTri9";
    }
    void clavier()
    {
        QFETCH(QKeyCombination, touche);
        ouvre(40);
        QSignalSpy fin(w.get(), &frmTarot1::finProgramme);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->Grid1->setFocus();
        w->Grid1->selectionModel()->setCurrentIndex(cellule(6, 3), QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(w->Grid1, touche.key(), touche.keyboardModifiers());
        QCOMPARE(w->Grid1->selectionModel()->selectedIndexes(), QModelIndexList{cellule(6, 3)});
        QCOMPARE(w->Grid1->currentIndex(), cellule(6, 3));
        QCOMPARE(premiere(), 1);
        QTEST(QApplication::focusWidget()->objectName(), "focus");
        QCOMPARE(fin.size(), touche.key() == Qt::Key_Escape ? 1 : 0);
    }

    // Three entrants, rows 1 to 3 showing entrants 3 to 1; entrant 2 not ticked.
    void clicGrille_data()
    {
        QTest::addColumn<Clic>("cas");
        auto ligne = [](const char *nom, Clic cas) { QTest::newRow(nom) << cas; };
        ligne("coche", {{2, 2}, "X", 0});
        ligne("refus en tirage Tournoi", {{2, 2, 2, 2}, " ", 0, false, "Vous ne pouvez pas modifier ces coches car "
                                          "vous avez choisi un tirage au sort de type \"Tournoi\".", true});
        ligne("fichier bloqué", {{2, 2, 2, 2}, " ", 0, false, "Impossible d'enregistrer le fichier J01.DAT"});
        ligne("position", {{3, 3, 0, 0}, " ", 1});
        ligne("numéro", {{3, 3, 1, 1}, " ", 1});
        ligne("nom", {{1, 3}, " ", 3});
        ligne("prénom", {{3, 3, 4, 4}, " ", 1});
        ligne("points", {{3, 3, 7, 7}, " ", 0});
        ligne("deux lignes", {{2, 3, 1, 1}, " ", 0});
        ligne("sous la dernière ligne", {{}, " ", 0});
    }
    void clicGrille()
    {
        QFETCH(Clic, cas);
        ouvre(3);
        m().Tirage = cas.tournoi ? TypeTirage::Tournoi : TypeTirage::Aleatoire;
        if (cas.boite.startsWith(u"Impossible"))
            t->bloque(QStringLiteral("J01.DAT"));
        m().ModeNouveau = true;
        const QList<int> &b = cas.bloc;
        if (b.size() == 4) {
            const QItemSelection bloc(cellule(b[0], b[2]), cellule(b[1], b[3]));
            w->Grid1->selectionModel()->select(bloc, QItemSelectionModel::ClearAndSelect);
            emit w->Grid1->clic();
        } else { // a click on a cell, or below the last row
            const QRect visee = w->Grid1->visualRect(b.isEmpty() ? cellule(3, 1) : cellule(b[0], b[1]));
            const QPoint point = visee.center() + QPoint(0, b.isEmpty() ? 60 : 0);
            QTest::mouseClick(w->Grid1->viewport(), Qt::LeftButton, {}, point);
        }
        QVERIFY(!m().ModeNouveau);
        QCOMPARE(CaseGrille(w->contenuGrille, 2, ColJoueur::Coche), cas.coche);
        QCOMPARE(t->p.boites.size(), cas.boite.isEmpty() ? 0 : 1);
        QVERIFY(t->p.dernierTexte().startsWith(cas.boite));
        auto *fiche = w->findChild<frmSaiJou *>();
        QCOMPARE(fiche ? fiche->txtNum->text().toInt() : 0, cas.fiche);
        if (cas.remet)
            QCOMPARE(w->Grid1->selectionModel()->selectedIndexes(), QModelIndexList{cellule(1, 1)});
        QCOMPARE(Lignes(m(), QStringLiteral("J01.DAT")).size(), cas.coche == u"X" ? 3 : 0);
    }

    // Five entrants, the odd ones ticked, rows 1 to 5 showing entrants 5 to 1.
    // option -1: none chosen; then OK or Annuler, the players file blocked.
    void cocher_data()
    {
        Colonnes<QList<int>, QString>("cas", "marques");
        QTest::newRow("tous") << QList<int>{0, 1, 0} << "XXXXX";
        QTest::newRow("perdants") << QList<int>{3, 1, 0} << "   XX";
        QTest::newRow("sans choix") << QList<int>{-1, 1, 0} << "X X X";
        QTest::newRow("annuler") << QList<int>{0, 0, 0} << "X X X";
        QTest::newRow("fichier bloqué") << QList<int>{0, 1, 1} << "X X X";
    }
    void cocher()
    {
        QFETCH(QList<int>, cas);
        ouvre(5);
        if (cas[2])
            t->bloque(QStringLiteral("J01.DAT"));
        w->cmdCoch1->click();
        auto *dialogue = Controle<frmConfirm>(w.get(), QStringLiteral("frmConfirm"));
        if (cas[0] >= 0)
            dialogue->optCoche[cas[0]]->setChecked(true);
        (cas[1] ? dialogue->cmdOK : dialogue->cmdAnnuler)->click();
        QString obtenues;
        for (int ligne = 1; ligne <= 5; ++ligne)
            obtenues += CaseGrille(w->contenuGrille, ligne, ColJoueur::Coche);
        QTEST(obtenues, "marques");
        QCOMPARE(dialogue->isVisible(), bool(cas[2])); // stays open when the file could not be written
        QCOMPARE(t->p.boites.size(), cas[2]);
        if (!cas[2])
            QCOMPARE(Lignes(m(), QStringLiteral("J01.DAT")).size(), cas[1] ? 5 : 0);
    }

    // The grid grows with the window, the names taking the width; "Fin de la
    // grille" puts the last entrant on the last row in view.
    void grilleGrandit()
    {
        ouvre(60);
        const QSize avant = w->Grid1->size();
        const int nom = w->Grid1->columnWidth(ColJoueur::Nom), points = w->Grid1->columnWidth(ColJoueur::Points);
        QVERIFY(w->Grid1->viewport()->height() >= 24 * w->Grid1->rowHeight(0));
        w->resize(w->width() + 300, w->height() + 300);
        QTRY_VERIFY(w->Grid1->height() > avant.height() + 250);
        QVERIFY(w->Grid1->width() > avant.width() + 250);
        QVERIFY(w->Grid1->columnWidth(ColJoueur::Nom) > nom + 100);
        QCOMPARE(w->Grid1->columnWidth(ColJoueur::Points), points);
        QCOMPARE(w->cmdTri[ColJoueur::Points]->mapTo(w.get(), QPoint(0, 0)).x(),
                 w->Grid1->viewport()->mapTo(w.get(), QPoint(w->Grid1->columnViewportPosition(7), 0)).x());
        w->cmdBot->click();
        QCOMPARE(derniere(), 60);
        w->cmdTop->click();
        QCOMPARE(premiere(), 1);
    }

    // The headings of the game, each shown whole, its words on lines.
    void titres_data()
    {
        Colonnes<TypeJeu, bool, QString>("jeu", "moyennes", "titres");
        const QString joueur = "Tri|N°|Ins|Nom joueur|Prénom joueur|Nombre manches|Nombre parties|Nombre points|";
        const QString equipe =
            QString(joueur).replace("Nom joueur|Prénom joueur", "Nom prénom joueur 1|Nom prénom joueur 2");
        QTest::newRow("tarot") << TypeJeu(TypeJeu::Tarot) << true << joueur + "Moy manches|Moy parties|";
        QTest::newRow("belote individuelle") << TypeJeu(TypeJeu::BeloteInd) << false << joueur + "||";
        QTest::newRow("belote") << TypeJeu(TypeJeu::Belote) << true << equipe + "Moy manches|Moy parties|";
        QTest::newRow("sans jeu") << TypeJeu(TypeJeu::Aucun) << true << equipe + "Moy manches|Moy parties|";
    }
    void titres()
    {
        QFETCH(TypeJeu, jeu);
        QFETCH(bool, moyennes);
        m().TypeJeu = jeu;
        m().OptAffichMoy = moyennes;
        ouvre(0);
        const QHeaderView *entete = w->Grid1->horizontalHeader();
        QString obtenus;
        for (int c = 0; c < ModeleGrille::NbColonnes; ++c) {
            obtenus += w->contenuGrille->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() + u'|';
            QStyleOptionHeader option;
            option.initFrom(entete);
            option.rect = QRect(0, 0, entete->sectionSize(c), entete->height());
            const QRect libelle = entete->style()->subElementRect(QStyle::SE_HeaderLabel, &option, entete);
            const QString titre = ModeleGrille::Titre(jeu, c);
            const QRect texte = entete->fontMetrics().boundingRect(libelle, Qt::AlignCenter | Qt::TextWordWrap, titre);
            QVERIFY2(libelle.contains(texte), qPrintable(titre));
        }
        QTEST(obtenus, "titres");
    }

    // Sort buttons (their direction, the picture of the sorted column), recomputation, rounds.
    void boutonsDuClassement()
    {
        t->manches(3);
        ouvre(3);
        for (int i : {1, 4, 5, 9}) {
            w->cmdTri[i]->click();
            QCOMPARE(m().ColTri * 10 + int(m().SensTri), i * 10 + int(i <= 4 ? Sens::Ascendant : Sens::Descendant));
            for (int k = 1; k <= 9; ++k)
                QCOMPARE(w->cmdTri[k]->icon().cacheKey() == w->cmdTriOn->icon().cacheKey(), k == i);
        }
        m().Scores(ColScore::Points, 1) = QStringLiteral("50");
        w->cmdRecalc->click();
        QCOMPARE(CaseGrille(w->contenuGrille, 1, ColJoueur::Points), QStringLiteral("50"));
        QVERIFY(!t->p.sablierActif());
        w->cmdBot->click();
        QCOMPARE(premiere(), 1);
        // Current round, button (0 "Manche précédente", 1 "Manche suivante"), current round then.
        for (const QList<int> &cas : {QList<int>{2, 0, 1}, {1, 0, 1}, {2, 1, 3}, {3, 1, 3}, {0, 1, 0}}) {
            t->courante(cas[0]);
            w->cmdScroll[cas[1]]->click();
            QCOMPARE(m().MancheCourante, cas[2]);
        }
        t->courante(2).bloque(QStringLiteral("M01.DAT"));
        w->cmdScroll[1]->click();
        QCOMPARE(m().MancheCourante, 2);
        QCOMPARE(t->p.boites.size(), 1);
    }

    // The options confirmed over entrant k with k points, the grid sorted on the round average: entrants,
    // averages before and after; then the sorted column, the first entrant, its round average shown (-1: none).
    void options_data()
    {
        QTest::addColumn<QList<int>>("cas");
        QTest::newRow("désactivées") << QList<int>{3, 1, 0, 7, 3, -1};
        QTest::newRow("réactivées") << QList<int>{3, 0, 1, 8, 3, 3};
        QTest::newRow("inchangées") << QList<int>{3, 1, 1, 8, 3, 3};
        QTest::newRow("deux entrants") << QList<int>{2, 0, 1, 8, 2, 2};
        QTest::newRow("un entrant") << QList<int>{1, 0, 1, 8, 1, -1};
    }
    void options()
    {
        QFETCH(QList<int>, cas);
        m().OptAffichMoy = cas[1];
        ouvre(cas[0]);
        w->cmdTri[ColJoueur::MoyManches]->click();
        m().OptAffichMoy = cas[2];
        m().OptCalculAuto = false;
        m().TypeJeu = TypeJeu::BeloteInd;
        emit m().reglagesChanges(cas[1]);
        QCOMPARE(m().ColTri, cas[3]);
        QCOMPARE(CaseGrille(w->contenuGrille, 1, ColJoueur::Numero), QString::number(cas[4]));
        const QString moyenne = cas[5] < 0 ? QString() : QString::number(cas[5]);
        QCOMPARE(CaseGrille(w->contenuGrille, 1, ColJoueur::MoyManches), moyenne);
        const QString titre9 = cas[2] ? QStringLiteral("Moy parties") : QString();
        QCOMPARE(w->contenuGrille->headerData(9, Qt::Horizontal, Qt::DisplayRole).toString(), titre9);
        QCOMPARE(w->cmdTri[8]->isVisible() + w->cmdTri[9]->isVisible(), 2 * cas[2]);
        QCOMPARE(w->pnlCalcAuto->text(), QStringLiteral("MANUEL"));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(w->Carte[i].toImage(), CartesDuJeu(true)[i].toImage());
    }

    // The window's clock starts at its opening and refreshes the time and the caption's date.
    void horloge()
    {
        t->manches(1);
        m().Manches(ColManche::Fin, 1) = QStringLiteral("00:00");
        m().FichierSon = QStringLiteral("FIN.WAV");
        t->p.heure = QDateTime(QDate(2026, 3, 7), QTime(23, 59, 10));
        ouvre(0);
        QCOMPARE(w->pnlTime->text() + w->windowTitle(), QStringLiteral("23:59Coupe du club - 07/03/2026"));
        t->p.heure = QDateTime(QDate(2026, 3, 8), QTime(0, 0, 10));
        QMetaObject::invokeMethod(w->Timer1, "timeout");
        QCOMPARE(w->pnlTime->text() + w->windowTitle(), QStringLiteral("00:00Coupe du club - 08/03/2026"));
        QCOMPARE(t->p.sons, QStringList{"FIN.WAV"});
        QCOMPARE(t->p.boites.size(), 2);
    }

    // Off: stopped and hidden. On again: new steps, the cards move; a card over
    // a control is hidden by it, and no control is painted again for the cards.
    void cartes()
    {
        m().OptAnimation = false;
        ouvre(3);
        QVERIFY(!w->Timer2->isActive());
        const QImage sans = w->grab().toImage();
        t->p.hasards << 0.0 << 0.99999 << 0.5 << 0.0 << 0.99999 << 0.48;
        m().OptAnimation = true;
        emit m().reglagesChanges(m().OptAffichMoy);
        QVERIFY(w->Timer2->isActive());
        const QPoint depart = w->cartes.position[1];
        QMetaObject::invokeMethod(w->Timer2, "timeout");
        QCOMPARE(w->cartes.position[1], depart + QPoint(-1, 4));
        for (QWidget *controle : QWidgetList{w->pnlNbj, w->pnlCalcAuto, w->pnlManche[4], w->cmdAide, w->Grid1}) {
            w->cartes.position.fill(controle->geometry().topLeft() * 15);
            QCOMPARE(w->grab().toImage().copy(controle->geometry()), sans.copy(controle->geometry()));
        }
        w->cartes.position.fill(QPoint(0, w->height() - 20) * 15);
        QVERIFY(w->grab().toImage() != sans);
        QCoreApplication::processEvents();
        Peintures peintures;
        w->Grid1->viewport()->installEventFilter(&peintures);
        w->cartes.position.fill(w->Grid1->geometry().center() * 15);
        for (int k = 0; k < 10; ++k) {
            QMetaObject::invokeMethod(w->Timer2, "timeout");
            QCoreApplication::processEvents();
        }
        QCOMPARE(peintures.nombre, 0);
    }
};

QTEST_MAIN(TestRankingFenetres)
#include "test_ranking_fenetres.moc"
