// The table and score window driven from the keyboard, as the organiser does:
// composition, tarot and belote scores, navigation, new tables, deletions.
#include "banc.h"
#include "ranking/frmTarot1.h"
#include "scores/frmSaiSco.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

class TestFrmSaiSco : public QObject
{
    Q_OBJECT

    std::unique_ptr<Banc> b;
    std::unique_ptr<frmSaiSco> w;

    Modele &m() { return b->m; }
    void ouvre(bool scores)
    {
        m().SaisieScores = scores;
        w = std::make_unique<frmSaiSco>(m());
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    QLineEdit *boite(const QString &nom) { return w->findChild<QLineEdit *>(nom); }
    QString texte(const QString &nom) { return boite(nom)->text(); }
    QPushButton *bouton(const QString &nom) { return w->findChild<QPushButton *>(nom); }
    QString statut() { return w->findChild<QLabel *>(QStringLiteral("lblMsg"))->text(); }
    static QString focus()
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    // Types each value in the box that has the focus, then Enter.
    static void saisit(const QStringList &valeurs)
    {
        for (const QString &valeur : valeurs) {
            QTest::keyClicks(QApplication::focusWidget(), valeur);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
    }
    static void touche(Qt::Key k, Qt::KeyboardModifiers mod = {})
    {
        QTest::keyClick(QApplication::focusWidget(), k, mod);
    }

private slots:
    void init() { b = std::make_unique<Banc>(); }
    void cleanup() { w.reset(); }

    void ouverture_data()
    {
        QTest::addColumn<QString>("jeu");
        QTest::addColumn<bool>("scores");
        QTest::addColumn<bool>("decalages");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QString>("entete");
        QTest::addColumn<QString>("places");
        QTest::addColumn<bool>("belotes");
        QTest::addColumn<QString>("suppressions");
        QTest::newRow("tarot, tables") << "TAROT" << false << false << "Saisie des tables de la manche  1"
                                       << "N° joueurs" << "1 :,2 :,3 :,4 :" << false << "cmdSuppTb,cmdSuppTbS";
        QTest::newRow("équipes, scores") << "BELOTE" << true << true << "Saisie des scores de la manche  1"
                                         << "N° équipes" << "N/S,E/O" << true << "cmdSuppSc,cmdSuppScS";
        QTest::newRow("individuel, tables") << "BELOTEIND" << false << true << "Saisie des tables de la manche  1"
                                            << "N° joueurs" << "Nord,Est,Sud,Ouest" << true << "cmdSuppTb,cmdSuppTbS";
    }
    void ouverture()
    {
        QFETCH(QString, jeu);
        QFETCH(bool, scores);
        QFETCH(bool, decalages);
        QFETCH(QString, places);
        b = std::make_unique<Banc>(jeu);
        if (decalages)
            m().Decalage = {Cellule(), 1, 2, 3, 4};
        ouvre(scores);
        QTEST(w->windowTitle(), "titre");
        QTEST(w->findChild<QLabel *>(QStringLiteral("lblNumeros"))->text(), "entete");
        QStringList libelles;
        for (int k = 0; k < 4; ++k)
            if (boite(QStringLiteral("txtNJ%1").arg(k))->isVisible())
                libelles << w->findChild<QLabel *>(QStringLiteral("lblPlace%1").arg(k))->text();
        QCOMPARE(libelles.join(u','), places);
        QTEST(w->findChild<QGroupBox *>(QStringLiteral("frmBelotesCapots"))->isVisible(), "belotes");
        QStringList visibles;
        for (const char *nom : {"cmdSuppTb", "cmdSuppTbS", "cmdSuppSc", "cmdSuppScS"}) {
            QVERIFY(!bouton(QString::fromLatin1(nom))->isEnabled());
            if (bouton(QString::fromLatin1(nom))->isVisible())
                visibles << QString::fromLatin1(nom);
        }
        QTEST(visibles.join(u','), "suppressions");
        QCOMPARE(focus(), QStringLiteral("txtNT"));
        QVERIFY(boite(QStringLiteral("txtNJ0"))->isReadOnly() && boite(QStringLiteral("txtNPO0"))->isReadOnly());
    }

    // Tab on the buttons; disabled buttons are passed over.
    void tabulation_data()
    {
        QTest::addColumn<bool>("scores");
        QTest::addColumn<QString>("depart");
        QTest::addColumn<QString>("suite");
        QTest::newRow("boutons, tables") << false << "cmdOK" << "cmdNouveau,cmdEffacer,cmdFin,txtNJ0";
        QTest::newRow("boutons, scores") << true << "cmdEffacer" << "cmdFin,txtNPO0";
        QTest::newRow("navigation") << true << "cmdPrem" << "cmdPrec,cmdSuiv,cmdDern,cmdOK";
        QTest::newRow("suppressions") << true << "cmdSuppScS" << "cmdPrem";
    }
    void tabulation()
    {
        QFETCH(bool, scores);
        QFETCH(QString, depart);
        b->table(1, 1, 1, QStringLiteral("0"));
        ouvre(scores);
        QFETCH(QString, suite);
        bouton(depart)->setFocus();
        QStringList obtenue;
        for (qsizetype i = 0; i < suite.count(u',') + 1; ++i) {
            touche(Qt::Key_Tab);
            obtenue << focus();
        }
        QCOMPARE(obtenue.join(u','), suite);
    }

    // Table 2 typed between tables 1 and 3, from the keyboard alone.
    void compositionAuClavier()
    {
        b->table(1, 1, 1);
        b->table(1, 3, 9);
        ouvre(false);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x2"));
        QCOMPARE(b->p.bips, 1);
        saisit({QStringLiteral("")});
        QCOMPARE(focus(), QStringLiteral("txtNJ0"));
        QVERIFY(boite(QStringLiteral("txtNT"))->isReadOnly());
        saisit({QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8")});
        QCOMPARE(texte(QStringLiteral("txtNom3")), QStringLiteral("Nom 8 Prénom 8"));
        QCOMPARE(focus(), QStringLiteral("cmdOK"));
        touche(Qt::Key_Return);
        QCOMPARE(statut(), QStringLiteral("INFORMATIONS ENREGISTREES !"));
        QCOMPARE(focus(), QStringLiteral("txtNJ0"));
        QVERIFY(bouton(QStringLiteral("cmdSuppTb"))->isEnabled());
        QVERIFY(bouton(QStringLiteral("cmdSuppTbS"))->isEnabled());
        m().LitScores();
        QCOMPARE(b->tables(), QStringList({"1/1", "1/2", "1/3"}));
        QCOMPARE(m().Scores(4, 8).texte(), QStringLiteral("8"));
        QVERIFY(b->p.boites.isEmpty());
    }

    void refusJoueur_data()
    {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("reste");
        QTest::newRow("deux fois") << "5" << "Vous avez déjà inscrit le joueur 5 à cette table." << "5";
        QTest::newRow("autre table") << "2" << "Vous avez déjà inscrit le joueur 2 à la table 1" << "2";
        QTest::newRow("inconnu") << "99" << "Le joueur n° 99 n'existe pas." << "";
        QTest::newRow("zéro") << "0" << "" << "0";
    }
    void refusJoueur()
    {
        QFETCH(QString, message);
        b->table(1, 1, 1);
        ouvre(false);
        saisit({QStringLiteral("2"), QStringLiteral("5")});
        QFETCH(QString, numero);
        saisit({numero});
        QCOMPARE(b->p.dernierTexte(), message);
        QCOMPARE(b->p.bips, 1);
        QCOMPARE(focus(), QStringLiteral("txtNJ1"));
        QTEST(texte(QStringLiteral("txtNJ1")), "reste");
        bouton(QStringLiteral("cmdOK"))->click();
        QCOMPARE(m().NbScores(), 4);
    }

    // A tarot table refused, corrected, then the round completed with "&Nouveau".
    void scoresTarot()
    {
        b->table(1, 1, 1);
        b->table(1, 2, 5);
        ouvre(true);
        saisit({QStringLiteral("1")});
        QCOMPARE(focus(), QStringLiteral("txtNPO0"));
        QCOMPARE(texte(QStringLiteral("txtNPA")), QStringLiteral("8"));
        saisit({QStringLiteral("60"), QStringLiteral("-20"), QStringLiteral("-20"), QStringLiteral("-30")});
        QCOMPARE(texte(QStringLiteral("txtTotal")), QStringLiteral("-10"));
        QCOMPARE(focus(), QStringLiteral("txtNPA"));
        saisit({QString(), QString()});
        QCOMPARE(b->p.dernierTexte(), QStringLiteral("Le total des points ne balance pas : il manque 10 points."));
        QCOMPARE(focus(), QStringLiteral("txtNPO0"));
        QVERIFY(m().Scores(5, 1).estVide());
        saisit({QString(), QString(), QString()});
        touche(Qt::Key_A, Qt::ControlModifier);
        saisit({QStringLiteral("-20"), QString(), QString()});
        QCOMPARE(statut(), QStringLiteral("INFORMATIONS ENREGISTREES !"));
        QCOMPARE(m().Scores(5, 4).nombre(), -20.0);
        QCOMPARE(m().Scores(3, 4).nombre(), 8.0);
        QVERIFY(bouton(QStringLiteral("cmdSuppSc"))->isEnabled());
        QCOMPARE(m().EtatManche[3], QStringLiteral(" "));
        touche(Qt::Key_N, Qt::AltModifier); // a mnemonic presses its button once the click is shown
        QTRY_COMPARE(texte(QStringLiteral("txtNT")), QStringLiteral("2"));
        const QString zero = QStringLiteral("0");
        saisit({zero, zero, zero, zero, QString(), QString()});
        QCOMPARE(m().EtatManche[3], QStringLiteral("Terminée"));
    }

    void scoresBelote_data()
    {
        QTest::addColumn<QString>("jeu");
        QTest::addColumn<QStringList>("points");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("controle");
        QTest::addColumn<QString>("message"); // empty: saved
        QTest::newRow("équipes") << "BELOTE" << QStringList{"700", "616"} << "1296" << "1316" << "";
        QTest::newRow("équipes, il manque") << "BELOTE" << QStringList{"700", "600"} << "1296" << "1316"
                                            << "Le total des points n'est pas égal à 1316 : il manque 16 points.";
        QTest::newRow("individuel") << "BELOTEIND" << QStringList{"700", "616", "700", "616"} << "2592" << "2632" << "";
    }
    void scoresBelote()
    {
        QFETCH(QString, jeu);
        QFETCH(QStringList, points);
        QFETCH(QString, message);
        b = std::make_unique<Banc>(jeu);
        b->table(1, 1, 1);
        ouvre(true);
        saisit({QStringLiteral("1")});
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("-"));
        QCOMPARE(b->p.bips, 1);
        saisit(points);
        saisit({QString()});
        QCOMPARE(focus(), QStringLiteral("txtNbBelotes"));
        QTEST(texte(QStringLiteral("txtTotBel")), "base");
        saisit({QStringLiteral("1"), QString()});
        QTEST(texte(QStringLiteral("txtControleTotal")), "controle");
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("lblExpr"))->text(),
                 QStringLiteral("(1 x 20  +  0 x 90  +  8 parties x 162)"));
        QCOMPARE(focus(), QStringLiteral("cmdOK"));
        touche(Qt::Key_Return);
        QCOMPARE(b->p.dernierTexte(), message);
        QCOMPARE(m().Scores(5, 1).estVide(), !message.isEmpty());
        if (message.isEmpty())
            QCOMPARE(m().Scores(6, 2).nombre(), 1.0);
    }

    // The navigation saves the table shown, then moves within the round's numbers.
    void navigation_data()
    {
        QTest::addColumn<QStringList>("boutons");
        QTest::addColumn<QStringList>("tables");
        QTest::newRow("au bout") << QStringList{"cmdDern", "cmdSuiv", "cmdPrem", "cmdPrec", "cmdSuiv"}
                                 << QStringList{"3", "3", "1", "1", "2"};
        QTest::newRow("sans table affichée") << QStringList{"cmdPrec"} << QStringList{"3"};
    }
    void navigation()
    {
        QFETCH(QStringList, boutons);
        QFETCH(QStringList, tables);
        for (int t = 1; t <= 3; ++t)
            b->table(1, t, 4 * t - 3);
        b->table(2, 1, 1);
        ouvre(false);
        for (int i = 0; i < boutons.size(); ++i) {
            bouton(boutons[i])->click();
            QCOMPARE(texte(QStringLiteral("txtNT")), tables[i]);
            QCOMPARE(focus(), QStringLiteral("txtNJ0"));
        }
        QVERIFY(b->p.boites.isEmpty());
        QCOMPARE(b->tables(), QStringList({"1/1", "1/2", "1/3", "2/1"}));
    }

    void navigationArreteeParUnRefus()
    {
        b->table(1, 1, 1);
        b->table(1, 2, 5);
        ouvre(true);
        saisit({QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("10"), QStringLiteral("10"),
                QStringLiteral("10")});
        bouton(QStringLiteral("cmdSuiv"))->click();
        QCOMPARE(b->p.dernierTexte(), QStringLiteral("Le total des points ne balance pas : il y a 40 points en trop."));
        QCOMPARE(texte(QStringLiteral("txtNT")), QStringLiteral("1"));
        QCOMPARE(texte(QStringLiteral("txtNPO3")), QStringLiteral("10"));
    }

    void nouveau_data()
    {
        QTest::addColumn<int>("tables");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("focus");
        QTest::newRow("place pour une table") << 3 << "4" << "txtNJ0";
        QTest::newRow("plus de place") << 4 << "" << "txtNT";
    }
    void nouveau()
    {
        QFETCH(int, tables);
        for (int t = 1; t <= tables; ++t)
            b->table(1, t, 4 * t - 3);
        ouvre(false);
        saisit({QStringLiteral("1")});
        bouton(QStringLiteral("cmdNouveau"))->click();
        QTEST(texte(QStringLiteral("txtNT")), "table");
        QTEST(focus(), "focus");
        QCOMPARE(texte(QStringLiteral("txtNJ0")), QString());
    }

    void refusSansTable_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("etat");
        QTest::newRow("table absente") << "9" << "Cette table n'a pas été constituée" << "";
        QTest::newRow("table 0") << "0" << "" << "N° DE TABLE NON RENSEIGNE !";
    }
    void refusSansTable()
    {
        QFETCH(QString, table);
        b->table(1, 1, 1);
        ouvre(true);
        QTest::keyClicks(QApplication::focusWidget(), table);
        bouton(QStringLiteral("cmdOK"))->click();
        QTEST(b->p.dernierTexte(), "message");
        QTEST(statut(), "etat");
        QCOMPARE(focus(), QStringLiteral("txtNT"));
        QVERIFY(!boite(QStringLiteral("txtNT"))->isReadOnly());
        QVERIFY(w->isVisible());
    }

    void okSurFenetreVideLaFerme()
    {
        ouvre(false);
        m().FenScoresOuverte = true;
        touche(Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(!w->isVisible());
        QVERIFY(!m().FenScoresOuverte);
    }

    // Each deletion asks first; No changes nothing, Yes changes Scores and the file.
    void suppressions_data()
    {
        QTest::addColumn<bool>("scores");
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("tables");
        QTest::addColumn<int>("scoresRestants"); // scored rows left in round 1
        QTest::newRow("cette table") << false << "cmdSuppTb" << "Voulez-vous réellement supprimer cette table ?"
                                     << "TABLE SUPPRIMEE !" << QStringList{"1/1", "1/3", "2/1"} << 0;
        QTest::newRow("toutes les tables") << false << "cmdSuppTbS"
                                           << "Voulez-vous réellement supprimer TOUTES LES TABLES de cette manche ?"
                                           << "TABLES SUPPRIMEES !" << QStringList{"2/1"} << 0;
        QTest::newRow("scores de la table") << true << "cmdSuppSc"
                                            << "Voulez-vous réellement effacer les scores de cette table ?"
                                            << "SCORES DE CETTE TABLE SUPPRIMES !"
                                            << QStringList{"1/1", "1/2", "1/3", "2/1"} << 4;
        QTest::newRow("tous les scores") << true << "cmdSuppScS"
                                         << "Voulez-vous réellement effacer TOUS LES SCORES de cette manche ?"
                                         << "SCORES EFFACES !" << QStringList{"1/1", "1/2", "1/3", "2/1"} << 0;
    }
    void suppressions()
    {
        QFETCH(bool, scores);
        QFETCH(QString, bouton);
        QFETCH(QStringList, tables);
        const bool manche = bouton.endsWith(u'S');
        // Compositions only, or tables 1 and 2 scored.
        for (int t = 1; t <= 3; ++t)
            b->table(1, t, 4 * t - 3, scores && t <= 2 ? QStringLiteral("0") : QString());
        b->table(2, 1, 1, QStringLiteral("5"));
        QVERIFY(m().EcritScores());
        const QByteArray avant = b->fichier();
        ouvre(scores);
        saisit({QStringLiteral("2")});
        QVERIFY(this->bouton(bouton)->isEnabled());

        this->bouton(bouton)->click();
        QCOMPARE(b->p.boites.size(), 1);
        QTEST(b->p.boites[0].texte, "question");
        QCOMPARE(b->p.boites[0].titre, QStringLiteral("Velmora Tarot Belote 3.72"));
        QVERIFY(!b->p.boites[0].ouiParDefaut);
        QCOMPARE(b->fichier(), avant);

        b->p.reponses.enqueue(true);
        this->bouton(bouton)->click();
        QTEST(statut(), "message");
        QCOMPARE(b->tables(), tables);
        int restants = 0;
        for (int r = 1; r <= m().NbScores(); ++r)
            restants += m().Scores(1, r).nombre() == 1 && !m().Scores(5, r).estVide();
        QTEST(restants, "scoresRestants");
        QCOMPARE(m().Scores(5, m().NbScores()).texte(), QStringLiteral("5"));
        QVERIFY(!this->bouton(bouton)->isEnabled());
        QCOMPARE(texte(QStringLiteral("txtNT")).isEmpty(), manche || !scores);
        m().LitScores();
        QCOMPARE(b->tables(), tables);
    }

    // After every score of the round is erased, composition mode offers to delete the tables again.
    void toutEffacerRendLaSuppressionDesTables()
    {
        b->table(1, 1, 1, QStringLiteral("0"));
        m().OptCalculAuto = false;
        ouvre(false);
        QVERIFY(!bouton(QStringLiteral("cmdSuppTbS"))->isEnabled());
        ouvre(true);
        b->p.reponses.enqueue(true);
        bouton(QStringLiteral("cmdSuppScS"))->click();
        QCOMPARE(m().EtatManche[3], QStringLiteral(" "));
        ouvre(false);
        QVERIFY(bouton(QStringLiteral("cmdSuppTbS"))->isEnabled());
    }

    void aide()
    {
        b = std::make_unique<Banc>(QStringLiteral("BELOTE"));
        ouvre(true);
        bouton(QStringLiteral("cmdAide1"))->click();
        bouton(QStringLiteral("cmdAide2"))->click();
        QCOMPARE(b->p.documents.size(), 2);
        QVERIFY(b->p.documents[0].endsWith(QStringLiteral("help/_recherche_table.html")));
        QVERIFY(b->p.documents[1].endsWith(QStringLiteral("help/_saisie_belote.html")));
    }

    // The tournament window opens one window at a time, in the mode of its button.
    void depuisLaFenetreDuTournoi()
    {
        b->table(1, 1, 1);
        frmTarot1 tournoi(m());
        tournoi.show();
        tournoi.findChild<QPushButton *>(QStringLiteral("cmdTable"))->click();
        auto ouvertes = [&] {
            QList<frmSaiSco *> liste;
            for (frmSaiSco *f : tournoi.findChildren<frmSaiSco *>())
                if (f->isVisible())
                    liste << f;
            return liste;
        };
        QCOMPARE(ouvertes().size(), 1);
        QCOMPARE(ouvertes()[0]->windowTitle(), QStringLiteral("Saisie des tables de la manche  1"));
        QVERIFY(m().FenScoresOuverte);
        tournoi.findChild<QPushButton *>(QStringLiteral("cmdScores"))->click();
        QCOMPARE(ouvertes().size(), 1);
        QCOMPARE(ouvertes()[0]->windowTitle(), QStringLiteral("Saisie des scores de la manche  1"));
        QVERIFY(m().SaisieScores);
        ouvertes()[0]->findChild<QPushButton *>(QStringLiteral("cmdFin"))->click();
        QVERIFY(ouvertes().isEmpty());
        QVERIFY(!m().FenScoresOuverte);
        QVERIFY(b->p.boites.isEmpty());
    }
};

QTEST_MAIN(TestFrmSaiSco)
#include "test_frmsaisco.moc"
