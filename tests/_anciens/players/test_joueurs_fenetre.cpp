// The entry window driven by its controls: typing and its conversions, the
// refused numbers, the duplicate question, a change, a removal, and what each
// does to the tournament window.
#include "saisie.h"

#include <QCheckBox>

class TestJoueursFenetre : public QObject
{
    Q_OBJECT

    std::unique_ptr<SaisieTest> t;

    void remplit(const QString &numero, const QString &nom, const QString &prenom)
    {
        t->boite(QStringLiteral("txtNum"))->setText(numero);
        t->boite(QStringLiteral("txtNom"))->setText(nom);
        t->boite(QStringLiteral("txtPrenom"))->setText(prenom);
    }
    void clicGrille(int ligne, int colonne)
    {
        const QRect cellule = t->w->Grid1->visualRect(t->w->contenuGrille->index(ligne - 1, colonne));
        QTest::mouseClick(t->w->Grid1->viewport(), Qt::LeftButton, {}, cellule.center());
    }

private slots:
    void init() { t = std::make_unique<SaisieTest>(); }
    void cleanup() { t.reset(); }

    // Typed with Enter in each box, the number proposed left as it is.
    void saisieAuClavier_data()
    {
        QTest::addColumn<QString>("typeJeu");
        QTest::addColumn<bool>("conversion");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("prenom");
        QTest::addColumn<QString>("garde"); // name|first name as stored
        QTest::newRow("tarot") << "TAROT" << true << "dupont" << "jean pierre" << "DUPONT|Jean-Pierre";
        QTest::newRow("tarot sans conversion") << "TAROT" << false << "dupont" << "jean pierre"
                                               << "dupont|jean pierre";
        QTest::newRow("doublette") << "BELOTE" << true << "martin paul" << "durand" << "MARTIN Paul|DURAND";
        QTest::newRow("nom limité à 30") << "BELOTEIND" << true << QString(35, u'a') << "luc"
                                         << QString(30, u'A') + QStringLiteral("|Luc");
    }
    void saisieAuClavier()
    {
        QFETCH(QString, typeJeu);
        QFETCH(bool, conversion);
        QFETCH(QString, nom);
        QFETCH(QString, prenom);
        QFETCH(QString, garde);
        t->m.TypeJeu = *TypeJeu::depuisTexte(typeJeu);
        t->montre({1, 2, 4});
        t->inscription();
        QCOMPARE(t->boite(QStringLiteral("txtNum"))->text(), QStringLiteral("3"));
        t->saisie()->findChild<QCheckBox *>(QStringLiteral("chkConv"))->setChecked(conversion);
        QTest::keyClicks(t->boite(QStringLiteral("txtNom")), nom);
        QTest::keyClick(t->boite(QStringLiteral("txtNom")), Qt::Key_Return);
        QCOMPARE(t->saisie()->focusWidget(), t->boite(QStringLiteral("txtPrenom")));
        QTest::keyClicks(t->boite(QStringLiteral("txtPrenom")), prenom);
        QTest::keyClick(t->boite(QStringLiteral("txtPrenom")), Qt::Key_Enter);

        QCOMPARE(t->entrants().value(2), QStringLiteral("3|X|") + garde);
        // Ready for the next one; the grid in number order shows the new entrant on row 3.
        QCOMPARE(t->boite(QStringLiteral("txtNum"))->text(), QStringLiteral("5"));
        QVERIFY(t->boite(QStringLiteral("txtNom"))->text().isEmpty());
        QCOMPARE(t->m.ColTri, 1);
        QCOMPARE(t->grille(3, 1), QStringLiteral("3"));
        QCOMPARE(t->m.LigneGrille, 3);
        QCOMPARE(t->w->pnlNbj->text(), QStringLiteral(" 4 inscrits"));
    }

    // Refused numbers and the duplicate question: nothing stored, the boxes kept.
    void refus_data()
    {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("question");
        QTest::newRow("numéro pris") << "2" << "DURAND" << "Le n° 2 est déjà attribué." << false;
        QTest::newRow("pas un nombre") << "A1" << "DURAND" << "Le n° doit être un nombre entier de 1 à 9999."
                                       << false;
        QTest::newRow("doublon, non")
            << "3" << "NOM4" << "Ce nom/prénom a déjà été inscrit sous le n°  4. Voulez-vous l'inscrire à nouveau ?"
            << true;
    }
    void refus()
    {
        QFETCH(QString, numero);
        QFETCH(QString, nom);
        QFETCH(QString, message);
        QFETCH(bool, question);
        t->montre({1, 2, 4});
        t->inscription();
        t->p.reponses.enqueue(false);
        remplit(numero, nom, QStringLiteral("Jean"));
        t->clique(QStringLiteral("cmdOK"));
        QCOMPARE(t->p.boites.size(), 1);
        QCOMPARE(t->p.boites[0].question, question);
        QCOMPARE(t->p.boites[0].titre, question ? QStringLiteral("Velmora Tarot Belote 3.72") : QStringLiteral("ERREUR"));
        QCOMPARE(t->p.boites[0].texte, message);
        QCOMPARE(t->entrants().size(), 3);
        QCOMPARE(t->boite(QStringLiteral("txtNom"))->text(), nom);
    }

    // A click on an entrant of the grid: his names change, never his number.
    void modification()
    {
        t->montre({1, 2, 4});
        t->inscription();
        clicGrille(2, 3);
        QVERIFY(t->saisie()); // the window of the new entry has given way
        QVERIFY(!t->m.ModeNouveau);
        QCOMPARE(t->boite(QStringLiteral("txtNum"))->text(), QStringLiteral("2"));
        QVERIFY(!t->boite(QStringLiteral("txtNum"))->isEnabled());
        QCOMPARE(t->boite(QStringLiteral("txtNom"))->text(), QStringLiteral("NOM2"));
        // The names of another entrant: a change is never questioned.
        remplit(QStringLiteral("2"), QStringLiteral("NOM4"), QStringLiteral("Jean"));
        t->clique(QStringLiteral("cmdOK"));
        QVERIFY(t->p.boites.isEmpty());
        QCOMPARE(t->entrants().value(1), QStringLiteral("2|X|NOM4|Jean"));
        QCOMPARE(t->grille(2, 3), QStringLiteral("NOM4"));
        QVERIFY(t->boite(QStringLiteral("txtNum"))->text().isEmpty());
        t->clique(QStringLiteral("cmdOK")); // empty boxes: the window closes
        QVERIFY(!t->saisie());
    }

    void suppression_data()
    {
        QTest::addColumn<bool>("place");
        QTest::addColumn<bool>("oui");
        QTest::addColumn<QString>("message");
        const QString question =
            QStringLiteral("Voulez-vous vraiment supprimer ce joueur ? (du moins ... son inscription !)");
        QTest::newRow("a joué en manche 2")
            << true << true
            << "Vous ne pouvez pas supprimer ce joueur : il est inscrit ou a joué dans la manche n° 2";
        QTest::newRow("non") << false << false << question;
        QTest::newRow("oui") << false << true << question;
    }
    void suppression()
    {
        QFETCH(bool, place);
        QFETCH(bool, oui);
        QFETCH(QString, message);
        t->score(1, 1, QString(), QString());
        if (place)
            t->score(2, 2, QStringLiteral("4"), QStringLiteral("10"));
        t->montre({1, 2, 3, 4, 5});
        clicGrille(2, 1);
        t->p.reponses.enqueue(oui);
        t->clique(QStringLiteral("cmdSuppr"));
        QCOMPARE(t->p.boites.size(), 1);
        QCOMPARE(t->p.boites[0].texte, message);
        const bool supprime = !place && oui;
        QCOMPARE(t->entrants().size(), supprime ? 4 : 5);
        QCOMPARE(t->m.RechJoueur(2) == -1, supprime);
        QCOMPARE(t->w->contenuGrille->nbLignes(), t->m.NbJoueurs());
        if (supprime)
            QCOMPARE(t->w->pnlNbj->text(), QStringLiteral(" 4 inscrits"));
        QCOMPARE(!t->saisie(), supprime);
    }
};

QTEST_MAIN(TestJoueursFenetre)
#include "test_joueurs_fenetre.moc"
