// The hall display on a real folder: it follows the files, its keys, and
// the form the command line opens.
#include "salle/frmSalle.h"
#include "support/tournoi.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QSettings>
#include <QShortcut>
#include <QTest>
#include <QTimer>

class TestFrmSalle : public QObject
{
    Q_OBJECT

    QTemporaryDir preferences;
    std::unique_ptr<Tournoi> t;

    // Round 1 drawn, nobody has scored yet.
    void tournoi()
    {
        t = std::make_unique<Tournoi>();
        t->joueurs(8).manches(1);
        t->table(1, 1, {1, 2, 3, 4}).table(1, 2, {5, 6, 7, 8});
        t->enregistre();
    }
    static QList<GenreVue> genres(const frmSalle *w)
    {
        QList<GenreVue> g;
        for (const VueSalle &vue : w->vues())
            g << vue.genre;
        return g;
    }

private slots:
    void initTestCase()
    {
        // The size of the type goes to the user's settings: here, a folder of the test's own.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, preferences.path());
    }
    void init() { tournoi(); }
    void cleanup()
    {
        // A window may belong to another one: each goes once.
        QList<QPointer<QWidget>> fenetres;
        for (QWidget *fenetre : QApplication::topLevelWidgets())
            fenetres << fenetre;
        for (const QPointer<QWidget> &fenetre : fenetres)
            delete fenetre.data();
    }

    void suitLesFichiers()
    {
        QPointer<frmSalle> w = new frmSalle(t->dossier.path(), QStringLiteral("01"));
        w->show();
        QCOMPARE(genres(w), (QList<GenreVue>{GenreVue::Tables, GenreVue::Noms}));
        QCOMPARE(Controle<QLabel>(w, "lblManche")->text(), QStringLiteral("Manche 1"));

        // Another computer saves the scores of table 1.
        TableCellules scores = t->m.Scores;
        const QStringList points{"30", "-10", "-10", "-10"};
        for (int r = 1; r <= 4; ++r)
            scores(ColScore::Points, r) = points[r - 1];
        QVERIFY(t->m.EcritScores(scores));
        QTRY_VERIFY_WITH_TIMEOUT(genres(w).contains(GenreVue::Classement), 2000);
        QCOMPARE(w->vues().last().lignes.first().mid(1, 3), (QStringList{"1", "NOM1", "Prénom1"}));

        // The entrants file caught half-written: entrants seated at table 2 are
        // missing from it. The last good reading stays on screen.
        const Modele *avant = w->modele();
        const QByteArray joueurs = t->lit(QStringLiteral("J01.DAT"));
        t->ecrit(QStringLiteral("J01.DAT"), joueurs.left(joueurs.size() / 2 + 10));
        w->rafraichit();
        QCOMPARE(w->modele(), avant);
        QCOMPARE(w->vues().size(), 3);

        // Written whole, with a new name: it shows without anyone asking.
        TableCellules complet = t->m.Joueurs;
        complet(ColJoueur::Nom, 1) = QStringLiteral("DURAND");
        QVERIFY(t->m.EcritJoueurs(complet));
        const auto fichiers = t->instantane();
        QTRY_COMPARE_WITH_TIMEOUT(w->vues().last().lignes.first().value(2), QStringLiteral("DURAND"), 2000);
        // Reading never writes: not even the rounds file an opening rewrites.
        QCOMPARE(t->instantane(), fichiers);
    }

    void touches()
    {
        // The tournament window, where Escape ends the program.
        auto *tournoi = new QWidget;
        bool finProgramme = false;
        connect(new QShortcut(QKeySequence(Qt::Key_Escape), tournoi), &QShortcut::activated,
                [&finProgramme] { finProgramme = true; });
        tournoi->show();
        QPointer<frmSalle> w = new frmSalle(t->dossier.path(), QStringLiteral("01"), tournoi);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));

        QTest::keyClick(w, Qt::Key_F11);
        QVERIFY(w->isFullScreen());
        QTest::keyClick(w, Qt::Key_F11);
        QVERIFY(!w->isFullScreen());

        const int taille = w->tailleTexte();
        QTest::keyClick(w, Qt::Key_Plus);
        QVERIFY(w->tailleTexte() > taille);
        // The next display, on any tournament, keeps the size chosen.
        QCOMPARE(frmSalle(t->dossier.path(), QStringLiteral("01")).tailleTexte(), w->tailleTexte());
        QTest::keyClick(w, Qt::Key_Minus);
        QTest::keyClick(w, Qt::Key_Minus);
        QVERIFY(w->tailleTexte() < taille);

        // The page timer's tick moves nothing while the pages are paused.
        auto position = [&w] { return std::pair(w->vueCourante(), w->page->page()); };
        const auto debut = position();
        QTest::keyClick(w, Qt::Key_Space);
        QVERIFY(w->enPause());
        w->pageSuivante();
        QCOMPARE(position(), debut);
        QTest::keyClick(w, Qt::Key_Space);
        w->pageSuivante();
        QVERIFY(position() != debut);

        // Escape closes the display, and only the display.
        QTest::keyClick(w, Qt::Key_Escape);
        QTRY_VERIFY(w.isNull());
        QVERIFY(tournoi->isVisible());
        QVERIFY(!finProgramme);
    }

    // The command line's display is the only window, and the program ends with it.
    void seul()
    {
        const auto fichiers = t->instantane();
        QStringList fenetres;
        QTimer::singleShot(0, this, [&fenetres] {
            QWidget *salle = nullptr;
            for (QWidget *fenetre : QApplication::topLevelWidgets())
                if (fenetre->isVisible()) {
                    fenetres << fenetre->objectName();
                    salle = fenetre;
                }
            if (salle)
                QTest::keyClick(salle, Qt::Key_Escape);
        });
        QCOMPARE(AffichageSeul(t->dossier.path(), QStringLiteral("01")), 0);
        QCOMPARE(fenetres, QStringList{"frmSalle"});
        QCOMPARE(t->instantane(), fichiers);
    }
};

QTEST_MAIN(TestFrmSalle)
#include "test_frmsalle.moc"
