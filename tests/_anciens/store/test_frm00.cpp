// The start window driven by its control names: catalogue, opening, creating, deleting.
#include "ranking/frmTarot1.h"
#include "app/frm00.h"
#include "store/modele.h"
#include "support/plateformetest.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestFrm00 : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dossier;
    std::unique_ptr<PlateformeTest> p;
    std::unique_ptr<Modele> m;
    std::unique_ptr<frm00> fenetre;

    void ecrit(const QString &nom, const QByteArray &contenu)
    {
        QFile f(QDir(dossier->path()).filePath(nom));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenu);
    }
    QByteArray lit(const QString &nom)
    {
        QFile f(QDir(dossier->path()).filePath(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
    void tournois(const QList<int> &numeros)
    {
        for (int n : numeros) {
            const QByteArray nn = QByteArray::number(n).rightJustified(2, '0');
            ecrit(QStringLiteral("T%1.DAT").arg(n, 2, 10, QLatin1Char('0')),
                  "NomTournoi=Tournoi " + nn + "\r\nTypeJeu=TAROT\r\n");
            ecrit(QStringLiteral("J%1.DAT").arg(n, 2, 10, QLatin1Char('0')),
                  "0001 X JOUEUR " + nn + "                      A                             \r\n");
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
        fenetre = std::make_unique<frm00>(*m);
        fenetre->Demarre();
        fenetre->show();
    }
    void selectionne(int ligne)
    {
        QListWidgetItem *entree = fenetre->lstTournois->item(ligne);
        fenetre->lstTournois->setCurrentItem(entree);
        QTest::mouseClick(fenetre->lstTournois->viewport(), Qt::LeftButton, {},
                          fenetre->lstTournois->visualItemRect(entree).center());
    }
    // Clicks a button of the next modal dialog as soon as it opens.
    void repondDialogue(const char *bouton)
    {
        QTimer::singleShot(0, this, [bouton] {
            QWidget *dialogue = QApplication::activeModalWidget();
            QVERIFY(dialogue);
            dialogue->findChild<QPushButton *>(QLatin1String(bouton))->click();
        });
    }

private slots:
    void init()
    {
        dossier = std::make_unique<QTemporaryDir>();
        p = std::make_unique<PlateformeTest>();
        m = std::make_unique<Modele>(*p);
        m->RepProgramme = dossier->path();
    }
    void cleanup()
    {
        fenetre.reset();
    }

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
        QCOMPARE(fenetre->lstTournois->count(), numeros.size());
        QCOMPARE(m->NbTournois, numeros.size());
        if (!numeros.isEmpty())
            QCOMPARE(entrees().first(), QStringLiteral("%1 : Tournoi %1").arg(numeros[0], 2, 10, QLatin1Char('0')));
        repondDialogue("cmdAnnuler");
        fenetre->cmdNouveau->click();
        QCOMPARE(m->NumTournoi, nouveau);
        QVERIFY(m->OptAnnule);
        QVERIFY(!m->FichierExiste(QStringLiteral("T") + nouveau + QStringLiteral(".DAT")));
    }

    void nomApresOnzeCaracteres()
    {
        ecrit(QStringLiteral("T07.DAT"), "NomTournoi=Club du jeudi\r\nTypeJeu=TAROT\r\n");
        ecrit(QStringLiteral("T08.DAT"), "");
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
        QCOMPARE(p->dernierTexte(), QStringLiteral("Le nombre maximum de 99 tournois est atteint."));
        QCOMPARE(p->boites.last().titre, QStringLiteral("ERREUR"));
    }

    void supprimeEtRenumerote()
    {
        tournois({1, 2, 3, 4, 5});
        ecrit(QStringLiteral("S04.DAT"), " 1|   1|  |   1|       |  |  .\r\n");
        demarre();
        selectionne(2);
        p->reponses.enqueue(true);
        fenetre->cmdSupprimer->click();
        const Plateforme::Icone question = Plateforme::Icone::Question;
        QCOMPARE(p->boites.last().icone, question);
        QVERIFY(!p->boites.last().ouiParDefaut);
        QCOMPARE(p->dernierTexte(),
                 QStringLiteral("Vous avez demandé de supprimer le tournoi : 03 : Tournoi 03 (les tournois suivants, "
                                "s'ils existent, seront renumérotés automatiquement).  Voulez-vous continuer ?"));
        QCOMPARE(entrees(), (QStringList{QStringLiteral("01 : Tournoi 01"), QStringLiteral("02 : Tournoi 02"),
                                           QStringLiteral("03 : Tournoi 04"), QStringLiteral("04 : Tournoi 05")}));
        QCOMPARE(lit(QStringLiteral("S03.DAT")), QByteArray(" 1|   1|  |   1|       |  |  .\r\n"));
        QCOMPARE(lit(QStringLiteral("J04.DAT")).mid(7, 9), QByteArray("JOUEUR 05"));
        QCOMPARE(lit(QStringLiteral("T05.DAT")), QByteArray("<absent>"));
    }

    void supprimeRefuse()
    {
        tournois({1, 2});
        demarre();
        fenetre->cmdSupprimer->click();
        QCOMPARE(p->dernierTexte(),
                 QStringLiteral("Vous devez sélectionner un tournoi existant dans la liste pour le supprimer."));
        selectionne(0);
        p->reponses.enqueue(false);
        fenetre->cmdSupprimer->click();
        QCOMPARE(entrees().size(), 2);
        selectionne(1);
        p->reponses.enqueue(true);
        fenetre->cmdSupprimer->click();
        QCOMPARE(entrees(), QStringList{QStringLiteral("01 : Tournoi 01")});
    }

    void ouvreSansSelection()
    {
        tournois({1});
        demarre();
        fenetre->cmdOK->click();
        QCOMPARE(p->dernierTexte(), QStringLiteral("Sélectionnez d'abord un tournoi en cliquant dessus dans la liste."));
        QVERIFY(!fenetre->fenetreTournoi());
    }

    // A folder written by hand opens, and nothing is rewritten by opening it.
    void ouvreUnTournoi()
    {
        const QByteArray entete = "NomTournoi=Club\r\nTypeJeu=belote\r\nDecalage=1,2\r\n";
        const QByteArray joueurs = "0001 X MARTIN                         Paul                          \r\n"
                                   "0002   DUPONT                         Jean                          \r\n";
        const QByteArray manches = " 1 14:00 15:30  4 X\r\n";
        const QByteArray scores = " 1|   1|4 |   1|  120  |  |  .\r\n 1|   1|4 |   2|   40  |  |  .\r\n";
        ecrit(QStringLiteral("T01.DAT"), entete);
        ecrit(QStringLiteral("J01.DAT"), joueurs);
        ecrit(QStringLiteral("M01.DAT"), manches);
        ecrit(QStringLiteral("S01.DAT"), scores);
        demarre();
        selectionne(0);
        QTest::mouseDClick(fenetre->lstTournois->viewport(), Qt::LeftButton, {},
                           fenetre->lstTournois->visualItemRect(fenetre->lstTournois->item(0)).center());
        QVERIFY(p->boites.isEmpty());
        QCOMPARE(fenetre->windowTitle(), QStringLiteral("Club"));
        frmTarot1 *tournoi = fenetre->fenetreTournoi();
        QVERIFY(tournoi && tournoi->isVisible());
        QCOMPARE(tournoi->windowTitle(), QStringLiteral("Club - 06/12/2026"));
        QCOMPARE(tournoi->pnlNbj->text(), QStringLiteral(" 2 inscrits"));
        QCOMPARE(tournoi->pnlTime->text(), QStringLiteral("20:30"));
        QCOMPARE(m->TypeJeu, QStringLiteral("BELOTE"));
        QCOMPARE(m->NbParTable(), 2);
        QCOMPARE(m->MancheCourante, 1);
        QCOMPARE(m->Joueurs(7, 1), Cellule(120));
        QVERIFY(!p->sablierActif());
        QVERIFY(!m->TournoiChoisi);
        QCOMPARE(lit(QStringLiteral("T01.DAT")), entete);
        QCOMPARE(lit(QStringLiteral("J01.DAT")), joueurs);
        QCOMPARE(lit(QStringLiteral("M01.DAT")), manches);
        QCOMPARE(lit(QStringLiteral("S01.DAT")), scores);
    }

    void ouvreUnTournoiSansNom()
    {
        ecrit(QStringLiteral("T01.DAT"), "NomTournoi=\r\nTypeJeu=TAROT\r\n");
        demarre();
        selectionne(0);
        fenetre->cmdOK->click();
        QCOMPARE(fenetre->windowTitle(), QStringLiteral("VELMORA"));
        QCOMPARE(fenetre->fenetreTournoi()->windowTitle(), QStringLiteral("06/12/2026"));
        QCOMPARE(fenetre->fenetreTournoi()->pnlNbj->text(), QStringLiteral(" 0 inscrits"));
    }

    void enteteInvalideArrete()
    {
        ecrit(QStringLiteral("T01.DAT"), "NomTournoi=X\r\nTypeJeu=TAROT\r\nSon=1\r\n");
        demarre();
        selectionne(0);
        QVERIFY_THROWS_EXCEPTION(ArretProgramme, fenetre->ChargeTournoi());
        QCOMPARE(p->dernierTexte(),
                 QStringLiteral("Fichier de tournoi T01.DAT invalide : nom d'option SON inconnue en ligne  3"));
        QVERIFY(!p->sablierActif());
    }

    void ecranTropEtroit_data()
    {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<bool>("arret");
        QTest::newRow("640") << 640 << true;
        QTest::newRow("799") << 799 << true;
        QTest::newRow("800") << 800 << false;
        QTest::newRow("1024") << 1024 << false;
    }
    void ecranTropEtroit()
    {
        QFETCH(int, largeur);
        QFETCH(bool, arret);
        p->largeur = largeur;
        bool arrete = false;
        try {
            demarre();
        } catch (const ArretProgramme &) {
            arrete = true;
        }
        QCOMPARE(arrete, arret);
        if (arret) {
            QCOMPARE(p->boites.last().icone, Plateforme::Icone::Critique);
            QVERIFY(p->dernierTexte().startsWith(QStringLiteral("VELMORA ne fonctionne pas")));
        }
    }

    void optionsInvalidesArretent()
    {
        ecrit(QStringLiteral("VELMORA.INI"), "AffichMoy=peut-être\r\n");
        QVERIFY_THROWS_EXCEPTION(ArretProgramme, demarre());
        QCOMPARE(p->dernierTexte(), QStringLiteral("Fichier d'options VELMORA.INI invalide : l'option AFFICHMOY "
                                                   "doit être 'OUI' ou 'NON' en ligne  1"));
    }

    void diagnosticWord()
    {
        demarre();
        QTest::keyClick(fenetre.get(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(p->dernierTexte(), QStringLiteral("Word n'est pas installé sur ce PC."));
        QVERIFY(!m->WordInstalle);
        p->fichiersSysteme << QStringLiteral("C:\\Program Files\\Microsoft Office\\root\\Office16\\winword.exe");
        QTest::keyClick(fenetre.get(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(p->dernierTexte(), QStringLiteral(" Word trouvé dans Program Files\\Microsoft Office\\root\\Office16"));
        QCOMPARE(p->boites.last().icone, Plateforme::Icone::Aucune);
        QVERIFY(m->WordInstalle);
        const int avant = p->boites.size();
        QTest::keyClick(fenetre.get(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(p->boites.size(), avant);
    }

    void aide()
    {
        demarre();
        fenetre->cmdAide->click();
        QCOMPARE(p->documents.size(), 1);
        QVERIFY(p->documents[0].endsWith(QStringLiteral("help/sommaire.html")));
    }
};

QTEST_MAIN(TestFrm00)
#include "test_frm00.moc"
