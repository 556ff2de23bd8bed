// The entry form and the choice of another tournament driven by their
// controls: keys and focus, the number box, the modes, what Delete acts on,
// and the form once a list has replaced the entrants.
#include "players/frmChoixTourn.h"
#include "players/frmSaiJou.h"
#include "support/tournoi.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

class TestJoueursFenetre : public QObject
{
    Q_OBJECT

    std::unique_ptr<Tournoi> t;
    QWidget tournoi;
    QPointer<frmSaiJou> f;

    // The form over entrants 1, 2 and 4, for a new entrant (0) or the one with this number.
    void ouvre(int numero, TypeJeu jeu = TypeJeu::Tarot)
    {
        t = std::make_unique<Tournoi>(jeu);
        t->joueurs(2).joueur(4, QStringLiteral("NOM4"), QStringLiteral("Prénom4")).enregistre();
        f = frmSaiJou::Ouvre(t->m, numero, &tournoi);
    }
    QString nom(int r) { return t->m.Joueurs(ColJoueur::Nom, r).texte() + u'|' + t->m.Joueurs(ColJoueur::Prenom, r).texte(); }

private slots:
    void cleanup() { delete f; }

    // Typed with Enter in each box; frappe and boites: name|first name.
    void saisieAuClavier_data()
    {
        Colonnes<TypeJeu::Valeur, bool, QString, QString>("jeu", "conversion", "frappe", "boites");
        QTest::newRow("tarot") << TypeJeu::Tarot << true << "dupont| jean pierre" << "DUPONT|Jean-Pierre";
        QTest::newRow("tarot sans conversion") << TypeJeu::Tarot << false << "dupont|jean pierre" << "dupont|jean pierre";
        QTest::newRow("individuelle") << TypeJeu::BeloteInd << true << "durand|luc" << "DURAND|Luc";
        QTest::newRow("doublette, convertie par OK") << TypeJeu::Belote << true << "martin paul|d" << "martin paul|d";
    }
    void saisieAuClavier()
    {
        QFETCH(TypeJeu::Valeur, jeu);
        QFETCH(bool, conversion);
        QFETCH(QString, frappe);
        ouvre(0, jeu);
        QSignalSpy defile(f.data(), &frmSaiJou::defileGrille);
        f->chkConv->setChecked(conversion);
        f->txtNum->setFocus();
        QTest::keyClick(f->txtNum, Qt::Key_Return);
        QCOMPARE(f->focusWidget(), f->txtNom);
        QTest::keyClicks(f->txtNom, frappe.section(u'|', 0, 0));
        QTest::keyClick(f->txtNom, Qt::Key_Return);
        QCOMPARE(f->focusWidget(), f->txtPrenom);
        QTest::keyClicks(f->txtPrenom, frappe.section(u'|', 1));
        QTEST(f->txtNom->text() + u'|' + f->txtPrenom->text(), "boites");
        QTest::keyClick(f->txtPrenom, Qt::Key_Enter);
        // Ready for the next one, Delete off; the grid shows its last rows.
        QCOMPARE(f->txtNum->text(), QStringLiteral("5"));
        QVERIFY(f->focusWidget() == f->txtNom && f->txtNom->text().isEmpty() && !f->cmdSuppr->isEnabled());
        QCOMPARE(defile.size() == 1 ? defile[0][0].toInt() : -1, 1);
    }

    // Digits only, four at most; OK sends the focus to what it refuses.
    void boiteNumero()
    {
        ouvre(0);
        f->txtNum->clear();
        QTest::keyClicks(f->txtNum, QStringLiteral("a-12345"));
        QCOMPARE(f->txtNum->text(), QStringLiteral("1234"));
        f->txtNum->setText(QStringLiteral("2"));
        f->txtPrenom->setText(QStringLiteral("Luc"));
        f->cmdOK->click();
        QCOMPARE(f->focusWidget(), f->txtNom);
        f->txtNom->setText(QStringLiteral("DURAND"));
        f->cmdOK->click();
        QVERIFY(f->focusWidget() == f->txtNum && f->txtNum->selectedText() == u"2");
    }

    // On entrant 2: his number shown and fixed, Delete on; once changed the
    // boxes are empty, Delete off, and a second OK closes the form. Delete
    // acts on the entrant shown, then the form closes.
    void modification()
    {
        ouvre(2);
        QVERIFY(!f->txtNum->isEnabled() && f->cmdSuppr->isEnabled());
        QCOMPARE(f->txtNum->text() + f->txtNom->text(), QStringLiteral("2NOM2"));
        f->txtNom->setText(QStringLiteral("MARTIN"));
        f->cmdOK->click();
        QCOMPARE(nom(2), QStringLiteral("MARTIN|Prénom2"));
        QVERIFY(f->txtNum->text().isEmpty() && f->txtNom->text().isEmpty() && !f->cmdSuppr->isEnabled());
        f->cmdOK->click();
        QTRY_VERIFY(!f);

        f = frmSaiJou::Ouvre(t->m, 1, &tournoi);
        QSignalSpy supprime(f.data(), &frmSaiJou::joueurSupprime);
        t->p.reponses << true;
        f->cmdSuppr->click();
        QCOMPARE(nom(1), QStringLiteral("MARTIN|Prénom2"));
        QCOMPARE(supprime.size(), 1);
        QTRY_VERIFY(!f);
    }

    // Refused once a score is typed. The import, then the copy once another
    // tournament is stored, each after its warning: the form is ready for a
    // new entrant. The choice window lists the other tournaments and the
    // entrants of the one selected.
    void remplacements()
    {
        ouvre(2);
        QVERIFY(!f->cmdRecup->isEnabled());
        t->manches(1).table(1, 1, {1, 2, 4}, {"0"});
        f->cmdCSV->click();
        QCOMPARE(t->p.dernierTexte(), QStringLiteral("Des points ont été saisis pour certains joueurs dans ce tournoi. "
                                                     "On ne peut donc pas recréer la liste des joueurs ..."));
        t->m.Scores.vide();
        t->ecrit(QStringLiteral("liste.csv"), "DUPONT;Jean\r\n");
        t->p.reponses << true << true;
        t->p.fichiersChoisis << t->m.Chemin(QStringLiteral("liste.csv"));
        f->cmdCSV->click();
        const QString avertissement = QStringLiteral("Attention, cette option efface tous les joueurs actuellement "
                                                     "inscrits (s'il y en a) et les remplace par les joueurs du ");
        QVERIFY(t->p.boites[1].texte.startsWith(avertissement + "fichier CSV que vous allez choisir. Le fichier CSV ")
                && t->p.boites[1].texte.endsWith(u"deuxième équipe (pour la belote).\n\n Voulez-vous continuer ?"));
        QCOMPARE(nom(1) + t->p.dernierTexte(), QStringLiteral("DUPONT|JeanTerminé."));
        QVERIFY(f->txtNum->isEnabled() && !f->cmdSuppr->isEnabled());
        QCOMPARE(f->txtNum->text(), QStringLiteral("2"));

        QVERIFY(t->m.EcritLignes("T02.DAT", {"NomTournoi=Lundi", "TypeJeu=TAROT"}));
        QVERIFY(t->m.EcritLignes("J02.DAT", {QStringLiteral("0007 X %1 Luc").arg(QStringLiteral("DURAND"), -30)}));
        f = frmSaiJou::Ouvre(t->m, 1, &tournoi);
        QStringList listes;
        QTimer::singleShot(0, this, [&] {
            auto *choix = f->findChild<frmChoixTourn *>();
            choix->lstTournois->setCurrentRow(0);
            for (QListWidget *liste : {choix->lstTournois, choix->lstJoueurs})
                for (int i = 0; i < liste->count(); ++i)
                    listes << liste->item(i)->text();
            choix->cmdOK->click();
        });
        t->p.efface();
        t->p.reponses << true << true;
        f->cmdRecup->click();
        QCOMPARE(t->p.boites[0].texte, avertissement + "tournoi que vous allez choisir.  Voulez-vous continuer ?");
        QCOMPARE(listes, (QStringList{"02 : Lundi", "DURAND Luc"}));
        QCOMPARE(nom(1), QStringLiteral("DURAND|Luc"));
        QCOMPARE(f->txtNum->text(), QStringLiteral("1"));
    }
};

QTEST_MAIN(TestJoueursFenetre)
#include "test_joueurs_fenetre.moc"
