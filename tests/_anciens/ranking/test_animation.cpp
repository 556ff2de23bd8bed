// The drifting cards of the tournament window, their steps and their field,
// the pictures of the game type, and the full-screen video button.
#include "ranking/animation.h"
#include "ranking/frmTarot1.h"
#include "app/frmPub.h"
#include "tournoi.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

// A platform whose chance is scripted.
struct HasardScripte : PlateformeTest
{
    QQueue<double> tirages;
    double hasard() override { return tirages.dequeue(); }
};

} // namespace

class TestAnimation : public QObject
{
    Q_OBJECT

    std::unique_ptr<TournoiTest> t;
    std::unique_ptr<frmTarot1> w;

    Modele &m() { return t->m; }

    void ouvre()
    {
        w = std::make_unique<frmTarot1>(m());
        w->show();
    }
    // 15 ticks move a card by its step in twips times 15: its step, in pixels.
    QList<QPoint> pasObserves()
    {
        QList<QPoint> depart, pas;
        for (QLabel *carte : w->Carte)
            depart << carte->pos();
        for (int k = 0; k < 15; ++k)
            QMetaObject::invokeMethod(w->Timer2, "timeout");
        for (int i = 0; i < 3; ++i)
            pas << w->Carte[i]->pos() - depart[i];
        return pas;
    }
    // The steps of the next three cards drawn by a platform.
    static QList<QPoint> pasTires(Plateforme &p)
    {
        AnimationCartes cartes;
        cartes.TireDeplacements(p);
        QList<QPoint> pas;
        for (int i = 0; i < 3; ++i)
            pas << QPoint(cartes.DeplX[i], cartes.DeplY[i]);
        return pas;
    }

private slots:
    void init() { t = std::make_unique<TournoiTest>(); }
    void cleanup() { w.reset(); }

    void deplace_data()
    {
        QTest::addColumn<QPoint>("depart");
        QTest::addColumn<QPoint>("pas");
        QTest::addColumn<QPoint>("arrivee");
        QTest::newRow("sort à droite") << QPoint(9990, 0) << QPoint(19, 0) << QPoint(-2000, 0);
        QTest::newRow("bord droit atteint") << QPoint(9981, 0) << QPoint(19, 0) << QPoint(10000, 0);
        QTest::newRow("sort à gauche") << QPoint(-1990, 0) << QPoint(-20, 0) << QPoint(10000, 0);
        QTest::newRow("bord gauche atteint") << QPoint(-1980, 0) << QPoint(-20, 0) << QPoint(-2000, 0);
        QTest::newRow("sort en haut") << QPoint(0, -1998) << QPoint(0, -5) << QPoint(0, 10000);
        QTest::newRow("sort en bas") << QPoint(0, 9999) << QPoint(0, 4) << QPoint(0, -2000);
        QTest::newRow("en diagonale") << QPoint(9995, -1999) << QPoint(10, -3) << QPoint(-2000, 10000);
        QTest::newRow("immobile") << QPoint(300, 400) << QPoint(0, 0) << QPoint(300, 400);
    }
    void deplace()
    {
        QFETCH(QPoint, depart);
        QFETCH(QPoint, pas);
        QFETCH(QPoint, arrivee);
        QCOMPARE(Deplace(depart, pas.x(), pas.y()), arrivee);
    }

    // Each card draws its horizontal step (-20 to 19 twips), then its vertical
    // one (-5 to 4); a step may be 0.
    void pas()
    {
        HasardScripte p;
        p.tirages << 0.0 << 0.99999 << 0.5 << 0.0 << 0.99999 << 0.48;
        QCOMPARE(pasTires(p), (QList<QPoint>{{19, -5}, {-1, 4}, {-20, 0}}));
    }

    // Off: hidden and stopped at once. On again: shown, running, with new steps.
    void interrupteur()
    {
        PlateformeTest temoin;
        const QList<QPoint> premiers = pasTires(temoin);
        const QList<QPoint> seconds = pasTires(temoin);
        QVERIFY(premiers != seconds);

        ouvre();
        m().OptAnimation = true;
        w->AppliqueOptions();
        QVERIFY(w->Timer2->isActive());
        QCOMPARE(pasObserves(), premiers);

        m().OptAnimation = false;
        w->AppliqueOptions();
        QVERIFY(!w->Timer2->isActive());
        for (QLabel *carte : w->Carte)
            QVERIFY(carte->isHidden());

        m().OptAnimation = true;
        w->AppliqueOptions();
        QVERIFY(w->Timer2->isActive());
        for (QLabel *carte : w->Carte)
            QVERIFY(carte->isVisible());
        QCOMPARE(pasObserves(), seconds);
    }

    // The pictures follow the game type when the options change it.
    void images_data()
    {
        QTest::addColumn<QString>("avant");
        QTest::addColumn<QString>("apres");
        QTest::addColumn<bool>("belote");
        QTest::newRow("tarot puis belote individuelle") << "TAROT" << "BELOTEIND" << true;
        QTest::newRow("belote individuelle puis tarot") << "BELOTEIND" << "TAROT" << false;
        QTest::newRow("tarot puis belote") << "TAROT" << "BELOTE" << true;
    }
    void images()
    {
        QFETCH(QString, avant);
        QFETCH(QString, apres);
        QFETCH(bool, belote);
        m().TypeJeu = avant;
        ouvre();
        m().TypeJeu = apres;
        w->AppliqueOptions();
        const QList<QPixmap> attendues = frmPub::Cartes(belote);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(w->Carte[i]->pixmap().toImage(), attendues[i].toImage());
    }

    void video_data()
    {
        QTest::addColumn<QString>("typeJeu");
        QTest::addColumn<QStringList>("fichiers");
        QTest::addColumn<QString>("joue");
        QTest::addColumn<QString>("manquant");
        QTest::newRow("tarot") << "TAROT" << QStringList{"TAROT.avi", "BELOTE.avi"} << "TAROT.avi" << "";
        QTest::newRow("belote") << "BELOTE" << QStringList{"TAROT.avi", "BELOTE.avi"} << "BELOTE.avi" << "";
        QTest::newRow("belote individuelle") << "BELOTEIND" << QStringList{"TAROT.avi", "BELOTE.avi"}
                                             << "BELOTE.avi" << "";
        QTest::newRow("tarot manquant") << "TAROT" << QStringList{"BELOTE.avi"} << "" << "TAROT";
        QTest::newRow("belote individuelle manquante") << "BELOTEIND" << QStringList{"TAROT.avi"} << ""
                                                       << "BELOTE";
    }
    void video()
    {
        QFETCH(QString, typeJeu);
        QFETCH(QStringList, fichiers);
        QFETCH(QString, joue);
        QFETCH(QString, manquant);
        for (const QString &nom : fichiers) {
            QFile fichier(QDir(t->dossier.path()).filePath(nom));
            QVERIFY(fichier.open(QIODevice::WriteOnly));
        }
        m().TypeJeu = typeJeu;
        ouvre();
        QTest::mouseClick(w->cmdAnim, Qt::LeftButton);
        if (manquant.isEmpty()) {
            QCOMPARE(t->p.videos, QStringList{m().Chemin(joue)});
            QVERIFY(t->p.boites.isEmpty());
            return;
        }
        QVERIFY(t->p.videos.isEmpty());
        QCOMPARE(t->p.bips, 1);
        QCOMPARE(t->p.boites.size(), 1);
        QCOMPARE(t->p.boites[0].titre, QStringLiteral("ERREUR"));
        QCOMPARE(t->p.boites[0].icone, Plateforme::Icone::Exclamation);
        QCOMPARE(t->p.dernierTexte(), QStringLiteral("Le fichier d'animation ") + manquant
                                          + QStringLiteral(".avi n'a pas été trouvé. Assurez-vous que vous l'avez "
                                                           "bien téléchargé  et recopié dans le répertoire du "
                                                           "logiciel VELMORA."));
    }
};

QTEST_MAIN(TestAnimation)
#include "test_animation.moc"
