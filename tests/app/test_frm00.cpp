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

#include <numeric>

using namespace Qt::StringLiterals;

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
    // A click on an entry of the catalogue; a double click opens it.
    void selectionne(int ligne, bool deuxFois = false)
    {
        QListWidget *liste = fenetre->lstTournois;
        const QPoint point = liste->visualItemRect(liste->item(ligne)).center();
        if (deuxFois)
            QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, point);
        else
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, point);
    }
    void ouvre(int ligne)
    {
        selectionne(ligne);
        fenetre->cmdOK->click();
    }
    // Fills in the options dialog that "Nouveau" opens, then clicks one of its buttons.
    void repondOptions(const QString &bouton)
    {
        QTimer::singleShot(0, this, [bouton] {
            QWidget *dialogue = QApplication::activeModalWidget();
            QVERIFY(dialogue);
            Controle<QLineEdit>(dialogue, u"txtTournoi"_s)->setText(u"Nouveau tournoi"_s);
            Controle<QPushButton>(dialogue, bouton)->click();
        });
    }
    // F9 in the tournament window.
    static void f9(QWidget *tournoi)
    {
        for (QShortcut *raccourci : tournoi->findChildren<QShortcut *>())
            if (raccourci->key() == QKeySequence(Qt::Key_F9))
                emit raccourci->activated();
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
            QCOMPARE(entrees().first(), u"%1 : Tournoi %1"_s.arg(numeros[0], 2, 10, QLatin1Char('0')));
            ouvre(0);
        }
        QPointer<frmTarot1> ouvert = fenetre->fenetreTournoi();
        const QString numeroOuvert = t->m.NumTournoi;
        const auto avant = t->instantane();

        repondOptions(u"cmdAnnuler"_s);
        fenetre->cmdNouveau->click();
        QCOMPARE(t->instantane(), avant);
        QCOMPARE(t->m.NumTournoi, numeroOuvert);
        QCOMPARE(fenetre->fenetreTournoi(), ouvert.data());
        QCOMPARE(entrees().size(), numeros.size());

        repondOptions(u"cmdOK"_s);
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
        emit t->m.attente(u"Préparation du document ..."_s);
        auto *patience = fenetre->findChild<frmPatience *>();
        QVERIFY(patience && patience->isVisible());
        QCOMPARE(patience->Label2->text(), u"Préparation du document ..."_s);
        emit t->m.progression(40);
        QCOMPARE(patience->ProgressBar1->value(), 40);
        emit t->m.finAttente();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!fenetre->findChild<frmPatience *>());
    }

    // F9 and its button open the hall display of the open tournament, one at a time;
    // opening another tournament closes every window of the one open before.
    void fenetresDuTournoi()
    {
        tournois({1, 2});
        demarre();
        ouvre(0);
        QPointer<frmTarot1> premier = fenetre->fenetreTournoi();
        Controle<QPushButton>(premier, u"cmdSalle"_s)->click();
        QCOMPARE(premier->findChildren<frmSalle *>().size(), 1);
        f9(premier);
        QCOMPARE(premier->findChildren<frmSalle *>().size(), 1);
        premier->findChild<frmSalle *>()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        f9(premier);
        QCOMPARE(premier->findChildren<frmSalle *>().size(), 1);
        Controle<QPushButton>(premier, u"cmdInscr"_s)->click();
        QPointer<frmSaiJou> saisie = premier->findChild<frmSaiJou *>();
        QVERIFY(saisie && saisie->isVisible());
        // The arrow keys choose the entry as well as the mouse.
        fenetre->lstTournois->setFocus();
        QTest::keyClick(fenetre->lstTournois, Qt::Key_Down);
        fenetre->cmdOK->click();
        QCOMPARE(t->m.NumTournoi, u"02"_s);
        QVERIFY(!premier && !saisie);
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
        QCOMPARE(t->m.NumTournoi, u"02"_s);
    }

    // Deleting: refused without a choice, nothing on No; on Yes the open tournament's windows
    // go with it, and those after it take the number before theirs.
    void suppression()
    {
        tournois({1, 2, 3, 4, 5});
        t->ecrit(u"S04.DAT"_s, " 1|   1|  |   1|       |  |  .\r\n");
        demarre();
        fenetre->cmdSupprimer->click();
        QCOMPARE(t->p.dernierTexte(), u"Vous devez sélectionner un tournoi existant dans la liste pour le supprimer."_s);
        ouvre(2);
        QPointer<frmTarot1> ouvert = fenetre->fenetreTournoi();
        selectionne(2);
        t->p.reponses.enqueue(false);
        fenetre->cmdSupprimer->click();
        QCOMPARE(entrees().size(), 5);
        QVERIFY(ouvert);
        QCOMPARE(t->p.boites.last().icone, Plateforme::Icone::Question);
        QVERIFY(!t->p.boites.last().ouiParDefaut);
        QCOMPARE(t->p.dernierTexte(), u"Vous avez demandé de supprimer le tournoi : 03 : Tournoi 03 (les tournois "
                                      "suivants, s'ils existent, seront renumérotés automatiquement).  Voulez-vous "
                                      "continuer ?"_s);
        t->p.reponses.enqueue(true);
        fenetre->cmdSupprimer->click();
        QVERIFY(!ouvert);
        QCOMPARE(entrees(), u"01 : Tournoi 01|02 : Tournoi 02|03 : Tournoi 04|04 : Tournoi 05"_s.split(u'|'));
        QCOMPARE(t->lit(u"S03.DAT"_s), QByteArray(" 1|   1|  |   1|       |  |  .\r\n"));
        QCOMPARE(t->lit(u"J04.DAT"_s).mid(7, 9), QByteArray("JOUEUR 05"));
        QCOMPARE(t->lit(u"T05.DAT"_s), QByteArray("<absent>"));
    }

    // Folders written by hand: the catalogue shows each name whole (an empty header has
    // none), the first entry opens by a double click, and nothing is rewritten by opening it.
    // What the windows show: the titles of the start and tournament windows, the count of
    // entrants, the clock, then the seats of a table and the points of the first entrant.
    void ouverture_data()
    {
        QTest::addColumn<QStringList>("fichiers"); // name, content, name, content...
        QTest::addColumn<QStringList>("catalogue");
        QTest::addColumn<QString>("vu");
        QTest::newRow("belote")
            << QStringList{"T01.DAT", "NomTournoi=Club\r\nTypeJeu=belote\r\nDecalage=1,2\r\n", "J01.DAT",
                           "0001 X MARTIN                         Paul                          \r\n"
                           "0002   DUPONT                         Jean                          \r\n",
                           "M01.DAT", " 1 14:00 15:30  4 X\r\n", "S01.DAT",
                           " 1|   1|4 |   1|  120  |  |  .\r\n 1|   1|4 |   2|   40  |  |  .\r\n"}
            << QStringList{"01 : Club"} << "Club|Club - 07/03/2026| 2 inscrits|21:05|2|120";
        QTest::newRow("sans nom") << QStringList{"T01.DAT", "NomTournoi=\r\nTypeJeu=TAROT\r\n"}
                                  << QStringList{"01 : "} << "VELMORA|07/03/2026| 0 inscrits|21:05|4|";
        QTest::newRow("nom de plus de onze caractères")
            << QStringList{"T07.DAT", "NomTournoi=Club du jeudi\r\nTypeJeu=TAROT\r\n", "T08.DAT", ""}
            << QStringList{"07 : Club du jeudi", "08 : "} << "Club du jeudi|Club du jeudi - 07/03/2026| 0 inscrits|21:05|4|";
    }
    void ouverture()
    {
        QFETCH(QStringList, fichiers);
        for (qsizetype i = 0; i + 1 < fichiers.size(); i += 2)
            t->ecrit(fichiers[i], fichiers[i + 1].toLatin1());
        const auto avant = t->instantane();
        demarre();
        QTEST(entrees(), "catalogue");
        QCOMPARE(fenetre->lblVersion->text(), u"3.72"_s);
        selectionne(0);
        selectionne(0, true);
        QVERIFY(t->p.boites.isEmpty());
        frmTarot1 *tournoi = fenetre->fenetreTournoi();
        QVERIFY(tournoi && tournoi->isVisible());
        // The points of the first entrant, when they are a number.
        const bool points = t->m.NbJoueurs() && t->m.Joueurs(ColJoueur::Points, 1).estNombre();
        QTEST(QStringList({fenetre->windowTitle(), tournoi->windowTitle(), tournoi->pnlNbj->text(),
                           tournoi->pnlTime->text(), QString::number(t->m.NbParTable()),
                           points ? t->m.Joueurs(ColJoueur::Points, 1).texte() : QString()})
                  .join(u'|'),
              "vu");
        QVERIFY(!t->p.sablierActif());
        QCOMPARE(t->instantane(), avant);
    }

    // What stops the start, or refuses an opening or a new tournament: the box, no tournament
    // window, nothing rewritten. The folder holds tournaments 1 to n, one file written with its
    // content or blocked when it has none; "ouvre" opens the first entry, "ouvre sans choix"
    // clicks OK with none chosen.
    void refus_data()
    {
        QTest::addColumn<int>("nombre");
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<int>("largeur"); // of the screen
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("arret");
        QTest::addColumn<QString>("message");
        const QString ecran = u"VELMORA ne fonctionne pas dans une résolution d'écran inférieure à 800x600 pixels. "
                              "Modifiez la résolution et relancez le logiciel. Merci."_s;
        const auto cas = [](const char *nom, int nombre, const QString &fichier, const QByteArray &contenu, int largeur,
                            const QString &action, bool arret, const QString &message) {
            QTest::newRow(nom) << nombre << fichier << contenu << largeur << action << arret << message;
        };
        cas("options illisibles", 1, u"VELMORA.INI"_s, {}, 1024, {}, true,
            u"Impossible de lire le fichier VELMORA.INI : un dossier porte ce nom."_s);
        cas("écran de 640", 1, {}, {}, 640, {}, true, ecran);
        cas("écran de 799", 1, {}, {}, 799, {}, true, ecran);
        cas("écran de 800", 1, {}, {}, 800, {}, false, {});
        cas("scores illisibles", 1, u"S01.DAT"_s, {}, 1024, u"ouvre"_s, false,
            u"Impossible de lire le fichier S01.DAT : un dossier porte ce nom."_s);
        cas("en-tête invalide", 1, u"T01.DAT"_s, "NomTournoi=X\r\nTypeJeu=TAROT\r\nSon=1\r\n", 1024, u"ouvre"_s, true,
            u"Fichier de tournoi T01.DAT invalide : nom d'option SON inconnue en ligne  3"_s);
        cas("ouvrir sans choisir", 1, {}, {}, 1024, u"ouvre sans choix"_s, false,
            u"Sélectionnez d'abord un tournoi en cliquant dessus dans la liste."_s);
        cas("cent tournois", 99, {}, {}, 1024, u"nouveau"_s, false, u"Le nombre maximum de 99 tournois est atteint."_s);
    }
    void refus()
    {
        QFETCH(int, nombre);
        QFETCH(QString, fichier);
        QFETCH(QByteArray, contenu);
        QFETCH(int, largeur);
        QFETCH(QString, action);
        QFETCH(bool, arret);
        QFETCH(QString, message);
        QList<int> numeros(nombre);
        std::iota(numeros.begin(), numeros.end(), 1);
        tournois(numeros);
        if (!fichier.isEmpty())
            contenu.isEmpty() ? t->bloque(fichier) : t->ecrit(fichier, contenu);
        t->p.largeur = largeur;
        const auto avant = t->instantane();
        bool arrete = false;
        try {
            demarre();
            if (action == u"ouvre")
                selectionne(0);
            if (action.startsWith(u"ouvre"))
                fenetre->ChargeTournoi();
            if (action == u"nouveau")
                fenetre->cmdNouveau->click();
        } catch (const ArretProgramme &) {
            arrete = true;
        }
        QCOMPARE(arrete, arret);
        QCOMPARE(t->p.boites.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(std::tuple(t->p.boites[0].icone, t->p.boites[0].titre, t->p.boites[0].texte),
                     std::tuple(arret ? Plateforme::Icone::Critique : Plateforme::Icone::Exclamation,
                                arret ? TitreProgramme : u"ERREUR"_s, message));
        QVERIFY(!fenetre->fenetreTournoi());
        QCOMPARE(t->instantane(), avant);
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
        const QString office = u"C:\\Program Files\\Microsoft Office\\root\\Office16\\winword.exe"_s;
        const QString x86 = u"C:\\Program Files (x86)\\Microsoft Office\\Office12\\winword.exe"_s;
        const QString word16 = u" Word trouvé dans Program Files\\Microsoft Office\\root\\Office16"_s;
        QTest::newRow("rien") << QStringList() << QString() << QStringList{"Word n'est pas installé sur ce PC."} << false;
        QTest::newRow("Word") << QStringList{office} << QString() << QStringList{word16} << true;
        QTest::newRow("deux Word avant le bureau")
            << QStringList{office, x86} << u"LibreOffice Writer"_s
            << QStringList{" Word trouvé dans Program Files (x86)\\Microsoft Office\\Office12", word16} << true;
        QTest::newRow("application du bureau") << QStringList() << u"LibreOffice Writer"_s
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

    // Help opens its contents page (the box given without an application to show it is the model's).
    void aide()
    {
        demarre();
        fenetre->cmdAide->click();
        QCOMPARE(t->p.documents, QStringList{t->m.CheminAide(u"sommaire.html"_s)});
        QVERIFY(t->p.boites.isEmpty());
    }
};

QTEST_MAIN(TestFrm00)
#include "test_frm00.moc"
