// The ranking computed from the scores: counts, totals, averages, the fatal stop.
#include "ranking/classement.h"
#include "tournoi.h"

#include <QDir>
#include <QTest>
#include <memory>

class TestClassement : public QObject
{
    Q_OBJECT

    std::unique_ptr<TournoiTest> t;

    // Columns 5 to 9 of an entrant.
    QList<double> colonnes(int r) const
    {
        QList<double> valeurs;
        for (int c = 5; c <= 9; ++c)
            valeurs << t->m.Joueurs(c, r).nombre();
        return valeurs;
    }

private slots:
    void init() { t = std::make_unique<TournoiTest>(); }

    // Entries of entrant 7, written "points/deals" and separated by ";".
    void calcul_data()
    {
        QTest::addColumn<QString>("entrees");
        QTest::addColumn<bool>("moyennes");
        QTest::addColumn<QList<double>>("attendu");
        const double x = SansValeur;
        QTest::newRow("trois manches") << "10/4;-3/4;0/3" << true << QList<double>{3, 11, 7, 2, 0};
        QTest::newRow("moyennes désactivées") << "10/4;-3/4;0/3" << false << QList<double>{3, 11, 7, x, x};
        QTest::newRow("total négatif") << "-10/;-5/;-6/;-4/" << true << QList<double>{4, 0, -25, -7, x};
        QTest::newRow("plancher vers moins l'infini") << "-3/2;-4/2" << true << QList<double>{2, 4, -7, -4, -2};
        QTest::newRow("plancher positif") << "3/2;4/3" << true << QList<double>{2, 5, 7, 3, 1};
        QTest::newRow("champs cadrés du fichier") << "    -12/ 4" << true << QList<double>{1, 4, -12, -12, -3};
        QTest::newRow("score sans donnes") << "8/" << true << QList<double>{1, 0, 8, 8, x};
        QTest::newRow("score nul") << "0/0" << true << QList<double>{1, 0, 0, 0, x};
        QTest::newRow("aucune entrée") << "" << true << QList<double>{x, x, x, x, x};
        QTest::newRow("entrées sans score") << "/;/" << true << QList<double>{x, x, x, x, x};
        QTest::newRow("donnes sans score") << "/4;/3" << true << QList<double>{x, x, x, x, x};
        QTest::newRow("donnes sans score après un score") << "12/4;/4" << true << QList<double>{1, 4, 12, 12, 3};
    }
    void calcul()
    {
        QFETCH(QString, entrees);
        QFETCH(bool, moyennes);
        QFETCH(QList<double>, attendu);
        const int autre = t->joueur(3);
        const int r = t->joueur(7);
        t->joueur(9);
        t->score(1, 9, QStringLiteral("5"), QStringLiteral("40"));
        for (const QString &entree : entrees.split(u';', Qt::SkipEmptyParts))
            t->score(1, 7, entree.section(u'/', 1), entree.section(u'/', 0, 0));
        t->m.OptAffichMoy = moyennes;
        CalculClassement(t->m);
        QCOMPARE(colonnes(r), attendu);
        const double x = SansValeur;
        QCOMPARE(colonnes(autre), (QList<double>{x, x, x, x, x}));
        QVERIFY(t->p.boites.isEmpty());
    }

    void joueurInconnu()
    {
        t->joueur(1);
        t->joueur(2);
        t->score(1, 1, QStringLiteral("4"), QStringLiteral("10"));
        t->score(1, 42, QStringLiteral("4"), QStringLiteral("-10"));
        const QString texte = QStringLiteral("*** ERREUR PROGRAMME 001 ***\n"
                                             "Le joueur 42 figure dans les scores mais pas dans la liste des joueurs.\n"
                                             "Arrêt du programme.");
        QString message;
        try {
            CalculClassement(t->m);
        } catch (const ArretProgramme &arret) {
            message = arret.message;
        }
        QCOMPARE(message, texte);
        QCOMPARE(t->p.bips, 1);
        QCOMPARE(t->p.boites.size(), 1);
        QCOMPARE(t->p.boites.last().icone, Plateforme::Icone::Exclamation);
        QCOMPARE(t->p.boites.last().titre, QStringLiteral("ERREUR"));
        QCOMPARE(t->p.boites.last().texte, texte);
        QVERIFY(QDir(t->dossier.path()).entryList(QDir::Files).isEmpty());
    }

    void progression()
    {
        t->joueur(1);
        for (int i = 0; i < 3; ++i)
            t->score(1, 1, QString(), QString());
        QList<int> pourcentages;
        QObject::connect(&t->m, &Modele::progression, [&](int pourcentage) { pourcentages << pourcentage; });
        CalculClassement(t->m);
        QCOMPARE(pourcentages, (QList<int>{33, 67, 100}));
    }

    // The grid keeps the column and direction chosen last.
    void retrieSurLeDernierChoix()
    {
        for (int numero : {1, 2, 3})
            t->joueur(numero);
        t->score(1, 1, QString(), QStringLiteral("50"));
        t->m.ColTri = 1;
        t->m.SensTri = Sens::Descendant;
        CalculClassement(t->m);
        QCOMPARE(t->ordreTri(), (QList<int>{3, 2, 1}));
    }
};

QTEST_GUILESS_MAIN(TestClassement)
#include "test_classement.moc"
