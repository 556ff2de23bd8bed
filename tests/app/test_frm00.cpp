// The start window: catalogue, start-up, opening, creating and deleting a
// tournament, and the windows of a tournament that go with it.
#include "app/frm00.h"
#include "app/frmPatience.h"
#include "salle/frmSalle.h"
#include "players/frmSaiJou.h"
#include "ranking/frmTarot1.h"
#include "support/tournoi.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QShortcut>

class TestFrm00 : public QObject
{
    Q_OBJECT

    std::unique_ptr<Tournoi> t;
    std::unique_ptr<frm00> fenetre;

    // Tournaments with these numbers, Tarot, named "Tournoi nn", one entrant each.
    void tournois(const QList<int> &numeros)
    {
        for (int n : numeros) {
            const QByteArray nn = QByteArray::number(n).rightJustified(2, '0');
            t->ecrit("T" + nn + ".DAT", "NomTournoi=Tournoi " + nn + "\r\nTypeJeu=TAROT\r\n");
            t->ecrit("J" + nn + ".DAT", "0001 X JOUEUR " + nn + "                      A                             \r\n");
        }
    }
    QStringList entrees() const
    {
        QStringList entrees;
        for (int i = 0; i < fenetre->lstTournois->count(); ++i)
            entrees << fenetre->lstTournois->item(i)->text();
        return entrees;
    }
    void demarre()
    {
        fenetre = std::make_unique<frm00>(t->m);
        fenetre->Demarre();
        fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenetre.get()));
    }
    void selectionne(int ligne)
    {
        QListWidgetItem *entree = fenetre->lstTournois->item(ligne);
        QTest::mouseClick(fenetre->lstTournois->viewport(), Qt::LeftButton, {},
                          fenetre->lstTournois->visualItemRect(entree).center());
    }
    void ouvre(int ligne)
    {
        selectionne(ligne);
        fenetre->cmdOK->click();
    }
    // Fills in the options dialog that "Nouveau" opens, then clicks one of its buttons.
    void repondOptions(const QString &nom, const char *bouton)
    {
        QTimer::singleShot(0, this, [nom, bouton] {
            QWidget *dialogue = QApplication::activeModalWidget();
            QVERIFY(dialogue);
            Controle<QLineEdit>(dialogue, QStringLiteral("txtTournoi"))->setText(nom);
            Controle<QPushButton>(dialogue, QLatin1String(bouton))->click();
        });
    }

private slots:
    void init()
    {
        t = std::make_unique<Tournoi>();
        t->m.NumTournoi.clear();
    }
    void cleanup() { fenetre.reset(); }

    // The catalogue, the number "Nouveau" takes, and a cancelled "Nouveau" that changes nothing.
    void catalogue_data()
    {
        QTest::addColumn<QList<int>>("numeros");
        QTest::addColumn<QString>("nouveau");
        QTest::newRow("aucun") << QList<int>{} << "01";
        QTest::newRow("trou") << QList<int>{1, 2, 4} << "03";
        QTest::newRow("complet") << QList<int>{1, 2, 3, 4, 5} << "06";
        QTest::newRow("premier libre") << QList<int>{2} << "01";
    }
    void catalogue()
    {
        QFETCH(QList<int>, numeros);
        QFETCH(QString, nouveau);
        tournois(numeros);
        demarre();
        QCOMPARE(entrees().size(), numeros.size());
        if (!numeros.isEmpty()) {
            QCOMPARE(entrees().first(), QStringLiteral("%1 : Tournoi %1").arg(numeros[0], 2, 10, QLatin1Char('0')));
            ouvre(0);
        }
        QPointer<frmTarot1> ouvert = fenetre->fenetreTournoi();
        const QString numeroOuvert = t->m.NumTournoi;
        const auto avant = t->instantane();

        repondOptions(QStringLiteral("Nouveau tournoi"), "cmdAnnuler");
        fenetre->cmdNouveau->click();
        QCOMPARE(t->instantane(), avant);
        QCOMPARE(t->m.NumTournoi, numeroOuvert);
        QCOMPARE(fenetre->fenetreTournoi(), ouvert.data());
        QCOMPARE(entrees().size(), numeros.size());

        repondOptions(QStringLiteral("Nouveau tournoi"), "cmdOK");
        fenetre->cmdNouveau->click();
        QCOMPARE(t->m.NumTournoi, nouveau);
        QVERIFY(t->lit("T" + nouveau + ".DAT").startsWith("NomTournoi=Nouveau tournoi\r\nTypeJeu=TAROT\r\n"));
        QVERIFY(fenetre->fenetreTournoi() && fenetre->fenetreTournoi()->isVisible());
        QVERIFY(!ouvert || numeros.isEmpty());
    }

    // The model's long tasks show the wait window with their text and progress, until they end.
    void attente()
    {
        demarre();
        emit t->m.attente(QStringLiteral("Préparation du document ..."));
        auto *patience = fenetre->findChild<frmPatience *>();
        QVERIFY(patience && patience->isVisible());
        QCOMPARE(patience->Label2->text(), QStringLiteral("Préparation du document ..."));
        emit t->m.progression(40);
        QCOMPARE(patience->ProgressBar1->value(), 40);
        emit t->m.finAttente();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!fenetre->findChild<frmPatience *>());
    }

    // F9 and its button open the hall display of the open tournament, one at a time.
    void affichageSalle()
    {
        tournois({1});
        demarre();
        ouvre(0);
        frmTarot1 *tournoi = fenetre->fenetreTournoi();
        Controle<QPushButton>(tournoi, QStringLiteral("cmdSalle"))->click();
        QCOMPARE(tournoi->findChildren<frmSalle *>().size(), 1);
        for (QShortcut *raccourci : tournoi->findChildren<QShortcut *>())
            if (raccourci->key() == QKeySequence(Qt::Key_F9))
                emit raccourci->activated();
        QCOMPARE(tournoi->findChildren<frmSalle *>().size(), 1);
        tournoi->findChild<frmSalle *>()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QShortcut *raccourci : tournoi->findChildren<QShortcut *>())
            if (raccourci->key() == QKeySequence(Qt::Key_F9))
                emit raccourci->activated();
        QCOMPARE(tournoi->findChildren<frmSalle *>().size(), 1);
    }

    void nomApresOnzeCaracteres()
    {
        t->ecrit(QStringLiteral("T07.DAT"), "NomTournoi=Club du jeudi\r\nTypeJeu=TAROT\r\n");
        t->ecrit(QStringLiteral("T08.DAT"), "");
        demarre();
        QCOMPARE(entrees(), (QStringList{QStringLiteral("07 : Club du jeudi"), QStringLiteral("08 : ")}));
        QCOMPARE(fenetre->lblVersion->text(), QStringLiteral("3.72"));
    }

    void centTournois()
    {
        QList<int> tous;
        for (int i = 1; i <= 99; ++i)
            tous << i;
        tournois(tous);
        demarre();
        fenetre->cmdNouveau->click();
        QCOMPARE(t->p.dernierTexte(), QStringLiteral("Le nombre maximum de 99 tournois est atteint."));
        QCOMPARE(t->p.boites.last().titre, QStringLiteral("ERREUR"));
    }

    // Opening a tournament closes every window of the one open before.
    void unTournoiALaFois()
    {
        tournois({1, 2});
        demarre();
        ouvre(0);
        QPointer<frmTarot1> premier = fenetre->fenetreTournoi();
        Controle<QPushButton>(premier, QStringLiteral("cmdInscr"))->click();
        QPointer<frmSaiJou> saisie = premier->findChild<frmSaiJou *>();
        QVERIFY(saisie && saisie->isVisible());
        // The arrow keys choose the entry as well as the mouse.
        fenetre->lstTournois->setFocus();
        QTest::keyClick(fenetre->lstTournois, Qt::Key_Down);
        fenetre->cmdOK->click();
        QCOMPARE(t->m.NumTournoi, QStringLiteral("02"));
        QVERIFY(!premier);
        QVERIFY(!saisie);
        QVERIFY(fenetre->fenetreTournoi()->isVisible());
    }

    // The entry kept highlighted when the window comes back is the one opened.
    void selectionGardee()
    {
        tournois({1, 2, 3});
        demarre();
        selectionne(1);
        QEvent activation(QEvent::ActivationChange);
        QApplication::sendEvent(fenetre.get(), &activation);
        fenetre->cmdOK->click();
        QCOMPARE(t->m.NumTournoi, QStringLiteral("02"));
    }

    void supprimeEtRenumerote()
    {
        tournois({1, 2, 3, 4, 5});
        t->ecrit(QStringLiteral("S04.DAT"), " 1|   1|  |   1|       |  |  .\r\n");
        demarre();
        selectionne(2);
        t->p.reponses.enqueue(true);
        fenetre->cmdSupprimer->click();
        QCOMPARE(t->p.boites.last().icone, Plateforme::Icone::Question);
        QVERIFY(!t->p.boites.last().ouiParDefaut);
        QCOMPARE(t->p.dernierTexte(),
                 QStringLiteral("Vous avez demandé de supprimer le tournoi : 03 : Tournoi 03 (les tournois suivants, "
                                "s'ils existent, seront renumérotés automatiquement).  Voulez-vous continuer ?"));
        QCOMPARE(entrees(), (QStringList{QStringLiteral("01 : Tournoi 01"), QStringLiteral("02 : Tournoi 02"),
                                           QStringLiteral("03 : Tournoi 04"), QStringLiteral("04 : Tournoi 05")}));
        QCOMPARE(t->lit(QStringLiteral("S03.DAT")), QByteArray(" 1|   1|  |   1|       |  |  .\r\n"));
        QCOMPARE(t->lit(QStringLiteral("J04.DAT")).mid(7, 9), QByteArray("JOUEUR 05"));
        QCOMPARE(t->lit(QStringLiteral("T05.DAT")), QByteArray("<absent>"));
    }

    // Deleting: refused without a choice, nothing on No; the open tournament's windows go with it.
    void supprimeOuvert()
    {
        tournois({1, 2});
        demarre();
        fenetre->cmdSupprimer->click();
        QCOMPARE(t->p.dernierTexte(),
                 QStringLiteral("Vous devez sélectionner un tournoi existant dans la liste pour le supprimer."));
        ouvre(1);
        QPointer<frmTarot1> ouvert = fenetre->fenetreTournoi();
        selectionne(1);
        t->p.reponses.enqueue(false);
        fenetre->cmdSupprimer->click();
        QCOMPARE(entrees().size(), 2);
        QVERIFY(ouvert);
        t->p.reponses.enqueue(true);
        fenetre->cmdSupprimer->click();
        QCOMPARE(entrees(), QStringList{QStringLiteral("01 : Tournoi 01")});
        QVERIFY(!ouvert);
    }

    void ouvreSansSelection()
    {
        tournois({1});
        demarre();
        fenetre->cmdOK->click();
        QCOMPARE(t->p.dernierTexte(), QStringLiteral("Sélectionnez d'abord un tournoi en cliquant dessus dans la liste."));
        QVERIFY(!fenetre->fenetreTournoi());
    }

    // A folder written by hand opens by a double click, and nothing is rewritten by opening it.
    void ouvreUnTournoi()
    {
        t->ecrit(QStringLiteral("T01.DAT"), "NomTournoi=Club\r\nTypeJeu=belote\r\nDecalage=1,2\r\n");
        t->ecrit(QStringLiteral("J01.DAT"), "0001 X MARTIN                         Paul                          \r\n"
                                            "0002   DUPONT                         Jean                          \r\n");
        t->ecrit(QStringLiteral("M01.DAT"), " 1 14:00 15:30  4 X\r\n");
        t->ecrit(QStringLiteral("S01.DAT"), " 1|   1|4 |   1|  120  |  |  .\r\n 1|   1|4 |   2|   40  |  |  .\r\n");
        const auto avant = t->instantane();
        demarre();
        selectionne(0);
        QTest::mouseDClick(fenetre->lstTournois->viewport(), Qt::LeftButton, {},
                           fenetre->lstTournois->visualItemRect(fenetre->lstTournois->item(0)).center());
        QVERIFY(t->p.boites.isEmpty());
        QCOMPARE(fenetre->windowTitle(), QStringLiteral("Club"));
        frmTarot1 *tournoi = fenetre->fenetreTournoi();
        QVERIFY(tournoi && tournoi->isVisible());
        QCOMPARE(tournoi->windowTitle(), QStringLiteral("Club - 07/03/2026"));
        QCOMPARE(tournoi->pnlNbj->text(), QStringLiteral(" 2 inscrits"));
        QCOMPARE(tournoi->pnlTime->text(), QStringLiteral("21:05"));
        QCOMPARE(t->m.NbParTable(), 2);
        QCOMPARE(t->m.Joueurs(ColJoueur::Points, 1), Cellule(120));
        QVERIFY(!t->p.sablierActif());
        QCOMPARE(t->instantane(), avant);
    }

    void ouvreUnTournoiSansNom()
    {
        t->ecrit(QStringLiteral("T01.DAT"), "NomTournoi=\r\nTypeJeu=TAROT\r\n");
        demarre();
        ouvre(0);
        QCOMPARE(fenetre->windowTitle(), QStringLiteral("VELMORA"));
        QCOMPARE(fenetre->fenetreTournoi()->windowTitle(), QStringLiteral("07/03/2026"));
        QCOMPARE(fenetre->fenetreTournoi()->pnlNbj->text(), QStringLiteral(" 0 inscrits"));
    }

    // A file that cannot be read: the error box, no tournament window, nothing rewritten.
    void fichierIllisible()
    {
        tournois({1});
        t->bloque(QStringLiteral("S01.DAT"));
        const auto avant = t->instantane();
        demarre();
        ouvre(0);
        QCOMPARE(t->p.dernierTexte(), QStringLiteral("Impossible de lire le fichier S01.DAT : un dossier porte ce nom."));
        QVERIFY(!fenetre->fenetreTournoi());
        QCOMPARE(t->instantane(), avant);
    }

    void enteteInvalideArrete()
    {
        t->ecrit(QStringLiteral("T01.DAT"), "NomTournoi=X\r\nTypeJeu=TAROT\r\nSon=1\r\n");
        demarre();
        selectionne(0);
        QVERIFY_THROWS_EXCEPTION(ArretProgramme, fenetre->ChargeTournoi());
        QCOMPARE(t->p.dernierTexte(),
                 QStringLiteral("Fichier de tournoi T01.DAT invalide : nom d'option SON inconnue en ligne  3"));
    }

    void ecranTropEtroit_data()
    {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<bool>("arret");
        QTest::newRow("640") << 640 << true;
        QTest::newRow("799") << 799 << true;
        QTest::newRow("800") << 800 << false;
    }
    void ecranTropEtroit()
    {
        QFETCH(int, largeur);
        QFETCH(bool, arret);
        t->p.largeur = largeur;
        bool arrete = false;
        try {
            demarre();
        } catch (const ArretProgramme &) {
            arrete = true;
        }
        QCOMPARE(arrete, arret);
        if (arret) {
            QCOMPARE(t->p.boites.last().icone, Plateforme::Icone::Critique);
            QVERIFY(t->p.dernierTexte().startsWith(QStringLiteral("VELMORA ne fonctionne pas")));
        }
    }

    // The options file stops the program when malformed, and when it cannot be read.
    void optionsInvalidesArretent_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("message");
        QTest::newRow("malformé") << QByteArray("AffichMoy=peut-être\r\n")
                                  << "Fichier d'options VELMORA.INI invalide : l'option AFFICHMOY doit être 'OUI' ou "
                                     "'NON' en ligne  1";
        QTest::newRow("illisible") << QByteArray()
                                   << "Impossible de lire le fichier VELMORA.INI : un dossier porte ce nom.";
    }
    void optionsInvalidesArretent()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, message);
        if (contenu.isEmpty())
            t->bloque(QStringLiteral("VELMORA.INI"));
        else
            t->ecrit(QStringLiteral("VELMORA.INI"), contenu);
        QVERIFY_THROWS_EXCEPTION(ArretProgramme, demarre());
        QCOMPARE(t->p.dernierTexte(), message);
        QCOMPARE(t->p.boites.last().icone, Plateforme::Icone::Critique);
    }

    // The start-up probe chooses the channel silently; Ctrl+W runs it again
    // and tells what it finds: each Windows path in the probe's order, or
    // else the word processor of the desktop.
    void diagnostic_data()
    {
        QTest::addColumn<QStringList>("fichiers");
        QTest::addColumn<QString>("traitement");
        QTest::addColumn<QStringList>("boites");
        QTest::addColumn<bool>("trouve");
        const QString office = QStringLiteral("C:\\Program Files\\Microsoft Office\\root\\Office16\\winword.exe");
        const QString x86 = QStringLiteral("C:\\Program Files (x86)\\Microsoft Office\\Office12\\winword.exe");
        const QString word16 = QStringLiteral(" Word trouvé dans Program Files\\Microsoft Office\\root\\Office16");
        QTest::newRow("rien") << QStringList() << QString() << QStringList{"Word n'est pas installé sur ce PC."} << false;
        QTest::newRow("Word") << QStringList{office} << QString() << QStringList{word16} << true;
        QTest::newRow("deux Word avant le bureau")
            << QStringList{office, x86} << QStringLiteral("LibreOffice Writer")
            << QStringList{" Word trouvé dans Program Files (x86)\\Microsoft Office\\Office12", word16} << true;
        QTest::newRow("application du bureau") << QStringList() << QStringLiteral("LibreOffice Writer")
                                               << QStringList{" Traitement de texte trouvé : LibreOffice Writer"} << true;
    }
    void diagnostic()
    {
        QFETCH(QStringList, fichiers);
        QFETCH(QString, traitement);
        QFETCH(bool, trouve);
        t->p.fichiersSysteme = QSet<QString>(fichiers.begin(), fichiers.end());
        t->p.traitement = traitement;
        demarre();
        QCOMPARE(t->m.WordInstalle, trouve);
        QVERIFY(t->p.boites.isEmpty());
        t->m.WordInstalle = !trouve;
        QTest::keyClick(fenetre.get(), Qt::Key_W, Qt::ControlModifier);
        QStringList textes;
        for (const PlateformeTest::Boite &b : t->p.boites) {
            textes << b.texte;
            QCOMPARE(b.icone, Plateforme::Icone::Aucune);
        }
        QTEST(textes, "boites");
        QCOMPARE(t->m.WordInstalle, trouve);
        QTest::keyClick(fenetre.get(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(t->p.boites.size(), textes.size());
    }

    // Help opens its page; without an application to show it, a box gives its path.
    void aide()
    {
        demarre();
        fenetre->cmdAide->click();
        QCOMPARE(t->p.documents.size(), 1);
        QVERIFY(t->p.documents[0].endsWith(QStringLiteral("sommaire.html")));
        QVERIFY(t->p.boites.isEmpty());
        t->p.applicationTrouvee = false;
        fenetre->cmdAide->click();
        QCOMPARE(t->p.boites.last().icone, Plateforme::Icone::Information);
        QVERIFY(t->p.dernierTexte().endsWith(t->p.documents.last()));
    }
};

QTEST_MAIN(TestFrm00)
#include "test_frm00.moc"
