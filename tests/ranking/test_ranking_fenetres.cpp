// The tournament window and the tick dialog driven by their controls:
// wiring, keys and focus, layout, and the cards drifting behind the controls.
#include "ranking/classement.h"
#include "ranking/frmConfirm.h"
#include "ranking/frmTarot1.h"
#include "ranking/grilleclassement.h"
#include "support/tournoi.h"
#include "widgets/cartes.h"
#include "widgets/grille.h"

#include <QHeaderView>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyleOptionHeader>
#include <QTimer>
#include <memory>

namespace {

// A button clicked over entrants and rounds: the start of the box it shows, or the window it opens.
struct Appui { QString nom; TypeJeu jeu; int joueurs, manches; QString message, fenetre = {}; };

// Counts the paintings of a widget.
struct Peintures : QObject
{
    int nombre = 0;
    bool eventFilter(QObject *, QEvent *evenement) override { return (nombre += evenement->type() == QEvent::Paint) < 0; }
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
    QString coches(int n)
    {
        QString marques;
        for (int ligne = 1; ligne <= n; ++ligne)
            marques += CaseGrille(w->contenuGrille, ligne, ColJoueur::Coche);
        return marques;
    }
    bool ouverte(const QString &classe)
    {
        for (QWidget *fenetre : w->findChildren<QWidget *>())
            if (fenetre->isWindow() && fenetre->isVisible() && classe == fenetre->metaObject()->className())
                return true;
        return false;
    }
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

    void boutons_data()
    {
        QTest::addColumn<Appui>("cas");
        const TypeJeu aucun = TypeJeu::Aucun, tarot = TypeJeu::Tarot;
        const QString manche = QStringLiteral("Saisissez d'abord les horaires");
        auto ligne = [](const char *nom, Appui cas) { QTest::newRow(nom) << cas; };
        ligne("inscription", {"cmdInscr", aucun, 0, 0, "Utilisez d'abord"});
        ligne("manches", {"cmdManches", aucun, 0, 0, "Utilisez d'abord"});
        ligne("tables", {"cmdTable", tarot, 3, 1, "Il faut au moins 4 joueurs"});
        ligne("scores", {"cmdScores", tarot, 4, 0, manche});
        ligne("listes", {"cmdTables", tarot, 4, 0, manche});
        ligne("fiche", {"cmdRechJou", tarot, 4, 0, manche});
        ligne("cocher", {"cmdCoch1", tarot, 0, 0, "La grille est vide, il n'y aucun"});
        ligne("impression", {"cmdImpr", tarot, 0, 0, "La grille est vide, il n'y a rien"});
        ligne("vidéo", {"cmdAnim", tarot, 0, 0, "Le fichier d'animation TAROT.avi"});
        ligne("inscription ouverte", {"cmdInscr", tarot, 0, 0, "", "frmSaiJou"});
        ligne("coches ouvertes", {"cmdCoch1", tarot, 4, 0, "", "frmConfirm"});
    }
    void boutons()
    {
        QFETCH(Appui, cas);
        ouvre(cas.joueurs);
        m().TypeJeu = cas.jeu;
        t->manches(cas.manches);
        Controle<QPushButton>(w.get(), cas.nom)->click();
        QCOMPARE(t->p.boites.size(), cas.message.isEmpty() ? 0 : 1);
        QVERIFY(t->p.dernierTexte().startsWith(cas.message) || cas.message.isEmpty());
        QCOMPARE(ouverte(cas.fenetre), !cas.fenetre.isEmpty());
    }

    // The whole evening runs from the keyboard: every button says what it does.
    void nomsAccessibles()
    {
        ouvre(2);
        for (QPushButton *bouton : w->findChildren<QPushButton *>())
            QVERIFY2(bouton->isHidden() || (!bouton->toolTip().isEmpty() && bouton->accessibleName() == bouton->toolTip()),
                     qPrintable(bouton->objectName()));
    }

    // The current cell never moves by keyboard; Tab and Shift+Tab leave the grid; Escape ends the program.
    void clavier_data()
    {
        QTest::addColumn<QKeyCombination>("touche");
        QTest::addColumn<QString>("focus");
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
        QFETCH(QString, focus);
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
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(fin.size(), touche.key() == Qt::Key_Escape ? 1 : 0);
    }

    // Three entrants: row 2 shows entrant 2, not ticked. cas: row, column, right
    // button, pixels below the centre, players file blocked, entry form opened,
    // selection back on row 1; then the tick of row 2.
    void clicGrille_data()
    {
        QTest::addColumn<QList<int>>("cas");
        QTest::addColumn<QString>("marque");
        QTest::newRow("coche") << QList<int>{2, 2, 0, 0, 0, 0, 1} << "X";
        QTest::newRow("fichier bloqué") << QList<int>{2, 2, 0, 0, 1, 0, 0} << " ";
        QTest::newRow("nom") << QList<int>{2, 3, 0, 0, 0, 1, 1} << " ";
        QTest::newRow("sous la dernière ligne") << QList<int>{3, 2, 0, 60, 0, 0, 1} << " ";
    }
    void clicGrille()
    {
        QFETCH(QList<int>, cas);
        QFETCH(QString, marque);
        ouvre(3);
        if (cas[4])
            t->bloque(QStringLiteral("J01.DAT"));
        const QPoint centre = w->Grid1->visualRect(cellule(cas[0], cas[1])).center();
        QTest::mouseClick(w->Grid1->viewport(), cas[2] ? Qt::RightButton : Qt::LeftButton, {}, centre + QPoint(0, cas[3]));
        QCOMPARE(coches(3).mid(1, 1), marque);
        QCOMPARE(t->p.boites.size(), cas[4]);
        QCOMPARE(ouverte(QStringLiteral("frmSaiJou")), bool(cas[5]));
        QCOMPARE(w->Grid1->selectionModel()->selectedIndexes(), QModelIndexList{cas[6] ? cellule(1, 1) : cellule(2, 2)});
    }

    // Five entrants, the odd ones ticked, rows 1 to 5 showing entrants 5 to 1.
    // option -1: none chosen; then OK or Annuler, the players file blocked.
    void cocher_data()
    {
        QTest::addColumn<QList<int>>("cas");
        QTest::addColumn<QString>("marques");
        QTest::newRow("tous") << QList<int>{0, 1, 0} << "XXXXX";
        QTest::newRow("perdants") << QList<int>{3, 1, 0} << "   XX";
        QTest::newRow("sans choix") << QList<int>{-1, 1, 0} << "X X X";
        QTest::newRow("annuler") << QList<int>{0, 0, 0} << "X X X";
        QTest::newRow("fichier bloqué") << QList<int>{0, 1, 1} << "X X X";
    }
    void cocher()
    {
        QFETCH(QList<int>, cas);
        QFETCH(QString, marques);
        ouvre(5);
        if (cas[2])
            t->bloque(QStringLiteral("J01.DAT"));
        w->cmdCoch1->click();
        auto *dialogue = Controle<frmConfirm>(w.get(), QStringLiteral("frmConfirm"));
        if (cas[0] >= 0)
            dialogue->optCoche[cas[0]]->setChecked(true);
        (cas[1] ? dialogue->cmdOK : dialogue->cmdAnnuler)->click();
        QCOMPARE(coches(5), marques);
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

    // Every heading shows whole, its words on lines, for both kinds of entrants.
    void titresEntiers()
    {
        for (TypeJeu jeu : {TypeJeu::Tarot, TypeJeu::Belote}) {
            m().TypeJeu = jeu;
            ouvre(0);
            const QHeaderView *entete = w->Grid1->horizontalHeader();
            for (int c = 0; c < ModeleGrille::NbColonnes; ++c) {
                QStyleOptionHeader option;
                option.initFrom(entete);
                option.rect = QRect(0, 0, entete->sectionSize(c), entete->height());
                const QRect libelle = entete->style()->subElementRect(QStyle::SE_HeaderLabel, &option, entete);
                const QString titre = ModeleGrille::Titre(jeu, c);
                const int drapeaux = Qt::AlignCenter | Qt::TextWordWrap;
                QVERIFY2(libelle.contains(entete->fontMetrics().boundingRect(libelle, drapeaux, titre)),
                         qPrintable(titre));
            }
        }
    }

    // Sort buttons (their direction, the picture of the sorted column), recomputation, rounds; no hourglass left.
    void boutonsDuClassement()
    {
        t->manches(3).courante(1);
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
        w->cmdScroll[1]->click();
        QCOMPARE(m().MancheCourante, 2);
        w->cmdScroll[0]->click();
        QCOMPARE(m().MancheCourante, 1);
    }

    // The options confirmed: averages, automatic ranking, pictures of the game.
    void options()
    {
        ouvre(7);
        m().OptAffichMoy = false;
        m().OptCalculAuto = false;
        emit m().reglagesChanges(true);
        QCOMPARE(w->pnlCalcAuto->text(), QStringLiteral("MANUEL"));
        QCOMPARE(w->contenuGrille->headerData(8, Qt::Horizontal, Qt::DisplayRole).toString(), QString());
        QVERIFY(w->cmdTri[8]->isHidden() && w->cmdTri[9]->isHidden());
        m().OptAffichMoy = true;
        m().TypeJeu = TypeJeu::BeloteInd;
        emit m().reglagesChanges(false);
        QCOMPARE(w->contenuGrille->headerData(9, Qt::Horizontal, Qt::DisplayRole).toString(), "Moy parties");
        QVERIFY(w->cmdTri[8]->isVisible() && w->cmdTri[9]->isVisible());
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
        w->Grid1->viewport()->removeEventFilter(&peintures);
        QCOMPARE(peintures.nombre, 0);
    }
};

QTEST_MAIN(TestRankingFenetres)
#include "test_ranking_fenetres.moc"
