// The tournament window driven by its controls: refusals of the buttons, grid
// clicks and ticks, scrolling, sort buttons, options.
#include "ranking/classement.h"
#include "ranking/frmConfirm.h"
#include "ranking/frmTarot1.h"
#include "ranking/grilleclassement.h"
#include "tournoi.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

const QString MsgTournoi = QStringLiteral(
    "Utilisez d'abord le bouton \"Nouveau tournoi\" afin de définir les paramètres du tournoi, merci.");
const QString Msg4Joueurs = QStringLiteral("Il faut au moins 4 joueurs pour démarrer une manche !");
const QString MsgManches = QStringLiteral("Saisissez d'abord les horaires d'au moins une manche.");
const QString MsgTables = QStringLiteral(
    "Saisissez d'abord les constitutions de tables pour cette manche (ou effectuez un tirage au sort).");
const QString MsgVide = QStringLiteral("La grille est vide, il n'y aucun joueur à cocher.");
const QString MsgCoches = QStringLiteral(
    "Vous ne pouvez pas modifier les coches car vous avez choisi un tirage au sort de type \"Tournoi\".");
const QString MsgCoche = QStringLiteral(
    "Vous ne pouvez pas modifier ces coches car vous avez choisi un tirage au sort de type \"Tournoi\".");

} // namespace

class TestFrmTarot1 : public QObject
{
    Q_OBJECT

    std::unique_ptr<TournoiTest> t;
    std::unique_ptr<frmTarot1> w;

    Modele &m() { return t->m; }
    GrilleClassement *grille() { return w->findChild<GrilleClassement *>(QStringLiteral("Grid1")); }
    QAbstractItemModel *contenu() { return grille()->model(); }
    QString texte(int ligne, int colonne) { return contenu()->index(ligne - 1, colonne).data().toString(); }
    QPushButton *bouton(const QString &nom) { return w->findChild<QPushButton *>(nom); }

    // Entrants 1 to n, entrant k with k points, then the window, shown and ranked.
    void ouvre(int n)
    {
        for (int k = 1; k <= n; ++k) {
            t->joueur(k, QStringLiteral(" "), QStringLiteral("Nom%1").arg(k));
            t->score(1, k, QStringLiteral("4"), QString::number(k));
        }
        w = std::make_unique<frmTarot1>(m());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        CalculClassement(m());
    }
    void clic(int ligne, int colonne, Qt::MouseButton bouton = Qt::LeftButton)
    {
        const QRect cellule = grille()->visualRect(contenu()->index(ligne - 1, colonne));
        QTest::mouseClick(grille()->viewport(), bouton, {}, cellule.center());
    }
    int premiereLigneVisible() { return grille()->rowAt(0) + 1; }
    QModelIndex courante() { return grille()->currentIndex(); }

private slots:
    void init() { t = std::make_unique<TournoiTest>(); }
    void cleanup() { w.reset(); }

    // mancheDesTables: the round of the one table typed, 0 for none.
    void refus_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("typeJeu");
        QTest::addColumn<int>("joueurs");
        QTest::addColumn<int>("manches");
        QTest::addColumn<int>("mancheDesTables");
        QTest::addColumn<QString>("tirage");
        QTest::addColumn<QString>("message");

        QTest::newRow("inscription sans tournoi") << "cmdInscr" << "" << 0 << 0 << 0 << "" << MsgTournoi;
        QTest::newRow("inscription") << "cmdInscr" << "BELOTE" << 0 << 0 << 0 << "" << "";
        QTest::newRow("manches sans tournoi") << "cmdManches" << "" << 0 << 0 << 0 << "" << MsgTournoi;
        QTest::newRow("tables à 3 joueurs, sans manche") << "cmdTable" << "TAROT" << 3 << 0 << 0 << "" << Msg4Joueurs;
        QTest::newRow("tables sans manche") << "cmdTable" << "TAROT" << 4 << 0 << 0 << "" << MsgManches;
        QTest::newRow("tables") << "cmdTable" << "TAROT" << 4 << 1 << 0 << "" << "";
        QTest::newRow("scores sans manche, 3 joueurs") << "cmdScores" << "TAROT" << 3 << 0 << 0 << "" << MsgManches;
        QTest::newRow("scores à 3 joueurs") << "cmdScores" << "TAROT" << 3 << 1 << 0 << "" << Msg4Joueurs;
        QTest::newRow("scores sans table") << "cmdScores" << "TAROT" << 4 << 1 << 0 << "" << MsgTables;
        QTest::newRow("scores, table d'une autre manche") << "cmdScores" << "TAROT" << 4 << 2 << 2 << "" << MsgTables;
        QTest::newRow("scores") << "cmdScores" << "TAROT" << 4 << 1 << 1 << "" << "";
        QTest::newRow("affichage des tables") << "cmdTables" << "TAROT" << 4 << 0 << 0 << "" << MsgManches;
        QTest::newRow("fiche individuelle") << "cmdRechJou" << "TAROT" << 4 << 0 << 0 << "" << MsgManches;
        QTest::newRow("cocher sans joueur") << "cmdCoch1" << "TAROT" << 0 << 0 << 0 << "TOURNOI" << MsgVide;
        QTest::newRow("cocher en tirage Tournoi") << "cmdCoch1" << "TAROT" << 4 << 0 << 0 << "TOURNOI" << MsgCoches;
    }
    void refus()
    {
        QFETCH(QString, bouton);
        QFETCH(QString, typeJeu);
        QFETCH(int, joueurs);
        QFETCH(int, manches);
        QFETCH(int, mancheDesTables);
        QFETCH(QString, tirage);
        QFETCH(QString, message);
        ouvre(0);
        m().TypeJeu = typeJeu;
        m().Tirage = tirage;
        for (int k = 1; k <= joueurs; ++k)
            t->joueur(k);
        t->manches(manches);
        m().MancheCourante = manches > 0 ? 1 : 0;
        if (mancheDesTables > 0)
            t->score(mancheDesTables, 1, QString(), QString());
        t->p.efface();
        this->bouton(bouton)->click();
        if (message.isEmpty()) {
            QVERIFY(t->p.boites.isEmpty());
            return;
        }
        QCOMPARE(t->p.boites.size(), 1);
        QCOMPARE(t->p.boites[0].icone, Plateforme::Icone::Exclamation);
        QCOMPARE(t->p.boites[0].titre, QStringLiteral("ERREUR"));
        QCOMPARE(t->p.boites[0].texte, message);
        QCOMPARE(t->p.bips, 1);
    }

    void cocherOuvreLeDialogue()
    {
        ouvre(4);
        bouton(QStringLiteral("cmdCoch1"))->click();
        auto *dialogue = w->findChild<frmConfirm *>(QStringLiteral("frmConfirm"));
        QVERIFY(dialogue);
        QVERIFY(dialogue->isVisible());
        QVERIFY(t->p.boites.isEmpty());
    }

    void clicCoche_data()
    {
        QTest::addColumn<QString>("tirage");
        QTest::addColumn<QString>("avant");
        QTest::addColumn<QString>("apres");
        QTest::newRow("coche") << "ALEATOIRE" << " " << "X";
        QTest::newRow("décoche") << "FORTS" << "X" << " ";
        QTest::newRow("refus en tirage Tournoi") << "TOURNOI" << " " << " ";
    }
    void clicCoche()
    {
        QFETCH(QString, tirage);
        QFETCH(QString, avant);
        QFETCH(QString, apres);
        ouvre(3);
        m().Tirage = tirage;
        m().Joueurs(2, 2) = avant;
        CalculClassement(m());
        // Sorted on points, descending: entrant 2 is on grid row 2.
        QCOMPARE(texte(2, 1), QStringLiteral("2"));
        clic(2, 2);
        QCOMPARE(m().Joueurs(2, 2).texte(), apres);
        QCOMPARE(texte(2, 2), apres);
        const QStringList lignes = Lignes(m(), QStringLiteral("J01.DAT"));
        if (tirage == QLatin1String("TOURNOI")) {
            QCOMPARE(t->p.dernierTexte(), MsgCoche);
            QVERIFY(lignes.isEmpty());
        } else {
            QVERIFY(t->p.boites.isEmpty());
            QCOMPARE(lignes.size(), 3);
            QCOMPARE(lignes[1].mid(5, 1), apres);
            QCOMPARE(courante(), contenu()->index(0, 1));
        }
        QCOMPARE(m().LigneGrille, 2);
    }

    void clicSurUnJoueur_data()
    {
        QTest::addColumn<int>("colonne");
        QTest::addColumn<bool>("fiche");
        QTest::newRow("position") << 0 << true;
        QTest::newRow("numéro") << 1 << true;
        QTest::newRow("nom") << 3 << true;
        QTest::newRow("prénom") << 4 << true;
        QTest::newRow("points") << 7 << false;
    }
    void clicSurUnJoueur()
    {
        QFETCH(int, colonne);
        QFETCH(bool, fiche);
        ouvre(5);
        m().ModeNouveau = true;
        QSignalSpy ouvertures(w.get(), &frmTarot1::ouvreJoueur);
        clic(3, colonne);
        QCOMPARE(m().LigneGrille, 3);
        QVERIFY(!m().ModeNouveau);
        QCOMPARE(ouvertures.size(), fiche ? 1 : 0);
        if (fiche)
            QCOMPARE(ouvertures[0][0].toInt(), 3);
        QCOMPARE(courante(), contenu()->index(0, 1));
        QCOMPARE(grille()->selectionModel()->selectedIndexes(), QModelIndexList{contenu()->index(0, 1)});
        QVERIFY(t->p.boites.isEmpty());
    }

    void clicSansEffet_data()
    {
        QTest::addColumn<bool>("sousLesLignes");
        QTest::newRow("sous la dernière ligne") << true;
        QTest::newRow("bouton droit") << false;
    }
    void clicSansEffet()
    {
        QFETCH(bool, sousLesLignes);
        ouvre(3);
        QSignalSpy ouvertures(w.get(), &frmTarot1::ouvreJoueur);
        if (sousLesLignes) {
            const QRect derniere = grille()->visualRect(contenu()->index(2, 2));
            QTest::mouseClick(grille()->viewport(), Qt::LeftButton, {}, derniere.center() + QPoint(0, 60));
        } else {
            clic(2, 2, Qt::RightButton);
        }
        QCOMPARE(m().LigneGrille, 0);
        QCOMPARE(ouvertures.size(), 0);
        for (int r = 1; r <= 3; ++r)
            QCOMPARE(m().Joueurs(2, r).texte(), QStringLiteral(" "));
        QVERIFY(!m().FichierExiste(QStringLiteral("J01.DAT")));
        if (sousLesLignes)
            QCOMPARE(courante(), contenu()->index(0, 1));
    }

    void touchesDeDeplacement_data()
    {
        QTest::addColumn<int>("touche");
        for (Qt::Key touche : {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home, Qt::Key_Left,
                               Qt::Key_Up, Qt::Key_Right, Qt::Key_Down})
            QTest::newRow(qPrintable(QKeySequence(touche).toString())) << int(touche);
    }
    void touchesDeDeplacement()
    {
        QFETCH(int, touche);
        ouvre(40);
        grille()->setFocus();
        grille()->selectionModel()->setCurrentIndex(contenu()->index(5, 3), QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(grille(), Qt::Key(touche));
        QCOMPARE(courante(), contenu()->index(5, 3));
        QCOMPARE(premiereLigneVisible(), 1);
    }

    void echapFinit()
    {
        ouvre(2);
        QSignalSpy fin(w.get(), &frmTarot1::finProgramme);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        grille()->setFocus();
        QTest::keyClick(grille(), Qt::Key_Escape);
        QCOMPARE(fin.size(), 1);
    }

    void finDeGrille_data()
    {
        QTest::addColumn<int>("joueurs");
        QTest::addColumn<int>("premiere");
        QTest::newRow("10 joueurs") << 10 << 1;
        QTest::newRow("40 joueurs") << 40 << 17;
    }
    void finDeGrille()
    {
        QFETCH(int, joueurs);
        QFETCH(int, premiere);
        ouvre(joueurs);
        bouton(QStringLiteral("cmdBot"))->click();
        QCOMPARE(premiereLigneVisible(), premiere);
        bouton(QStringLiteral("cmdTop"))->click();
        QCOMPARE(premiereLigneVisible(), 1);
    }

    void boutonsDeTri_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<QString>("sens");
        QTest::newRow("numéro") << 1 << "A";
        QTest::newRow("prénom") << 4 << "A";
        QTest::newRow("manches") << 5 << "D";
        QTest::newRow("moy parties") << 9 << "D";
    }
    void boutonsDeTri()
    {
        QFETCH(int, i);
        QFETCH(QString, sens);
        ouvre(3);
        bouton(QStringLiteral("cmdTri%1").arg(i))->click();
        QCOMPARE(m().ColTri, i);
        QCOMPARE(m().SensTri, sens);
        QVERIFY(!t->p.sablierActif());
        const qint64 on = bouton(QStringLiteral("cmdTriOn"))->icon().cacheKey();
        for (int k = 1; k <= 9; ++k)
            QCOMPARE(bouton(QStringLiteral("cmdTri%1").arg(k))->icon().cacheKey() == on, k == i);
    }

    // The averages switched off re-sort on the points and hide columns 8 and 9;
    // switched on, they come back and the sort stays where it was.
    void moyennes_data()
    {
        QTest::addColumn<bool>("affichees");
        QTest::addColumn<int>("colTri");
        QTest::newRow("désactivées") << false << 7;
        QTest::newRow("réactivées") << true << 8;
    }
    void moyennes()
    {
        QFETCH(bool, affichees);
        QFETCH(int, colTri);
        m().OptAffichMoy = !affichees;
        ouvre(7);
        TrieGrille(m(), 8, Sens::Ascendant);
        m().AncienAffichMoy = !affichees;
        m().OptAffichMoy = affichees;
        w->AppliqueOptions();
        QCOMPARE(m().ColTri, colTri);
        QCOMPARE(m().SensTri, affichees ? QStringLiteral("A") : QStringLiteral("D"));
        const QString titre8 = contenu()->headerData(8, Qt::Horizontal).toString();
        const QString titre9 = contenu()->headerData(9, Qt::Horizontal).toString();
        QCOMPARE(titre8, affichees ? QStringLiteral("Moy manches") : QString());
        QCOMPARE(titre9, affichees ? QStringLiteral("Moy parties") : QString());
        QCOMPARE(bouton(QStringLiteral("cmdTri8"))->isVisible(), affichees);
        QCOMPARE(bouton(QStringLiteral("cmdTri9"))->isVisible(), affichees);
        // Entrant k scored k points over 4 deals.
        QCOMPARE(texte(1, 1), affichees ? QStringLiteral("1") : QStringLiteral("7"));
        QCOMPARE(texte(1, 8), affichees ? texte(1, 7) : QString());
    }

    void entetes_data()
    {
        QTest::addColumn<QString>("typeJeu");
        QTest::addColumn<QString>("titre3");
        QTest::addColumn<QString>("titre4");
        QTest::newRow("tarot") << "TAROT" << "Nom joueur" << "Prénom joueur";
        QTest::newRow("belote individuelle") << "BELOTEIND" << "Nom joueur" << "Prénom joueur";
        QTest::newRow("belote en doublettes") << "BELOTE" << "Nom prénom joueur 1" << "Nom prénom joueur 2";
        QTest::newRow("type inconnu") << "" << "Nom prénom joueur 1" << "Nom prénom joueur 2";
    }
    void entetes()
    {
        QFETCH(QString, typeJeu);
        QFETCH(QString, titre3);
        QFETCH(QString, titre4);
        ouvre(0);
        m().TypeJeu = typeJeu;
        bouton(QStringLiteral("cmdRestGrid"))->click();
        QCOMPARE(contenu()->headerData(3, Qt::Horizontal).toString(), titre3);
        QCOMPARE(contenu()->headerData(4, Qt::Horizontal).toString(), titre4);
        QCOMPARE(contenu()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Tri"));
    }

    void mancheCourante_data()
    {
        QTest::addColumn<int>("avant");
        QTest::addColumn<int>("element");
        QTest::addColumn<int>("apres");
        QTest::newRow("précédente") << 2 << 0 << 1;
        QTest::newRow("pas avant la première") << 1 << 0 << 1;
        QTest::newRow("suivante") << 2 << 1 << 3;
        QTest::newRow("pas après la dernière") << 3 << 1 << 3;
        QTest::newRow("sans manche courante") << 0 << 1 << 0;
    }
    void mancheCourante()
    {
        QFETCH(int, avant);
        QFETCH(int, element);
        QFETCH(int, apres);
        ouvre(0);
        t->manches(3);
        m().MancheCourante = avant;
        bouton(QStringLiteral("cmdScroll%1").arg(element))->click();
        QCOMPARE(m().MancheCourante, apres);
    }

    void recalculSuitLesScores()
    {
        ouvre(3);
        QCOMPARE(texte(1, 1), QStringLiteral("3"));
        m().Scores(5, 1) = QStringLiteral("50");
        bouton(QStringLiteral("cmdRecalc"))->click();
        QCOMPARE(texte(1, 1), QStringLiteral("1"));
        QCOMPARE(texte(1, 7), QStringLiteral("50"));
        QVERIFY(!t->p.sablierActif());
    }
};

QTEST_MAIN(TestFrmTarot1)
#include "test_frmtarot1.moc"
