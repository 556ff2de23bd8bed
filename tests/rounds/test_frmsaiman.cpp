// The round schedule window driven by its controls, offscreen.
#include "ranking/frmTarot1.h"
#include "rounds/frmSaiMan.h"
#include "tournoi.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <memory>

class TestFrmSaiMan : public QObject
{
    Q_OBJECT

    std::unique_ptr<TournoiTest> t;
    QPointer<frmSaiMan> w;

    template <typename W = QLineEdit>
    W *controle(const QString &nom)
    {
        auto *c = w->findChild<W *>(nom);
        if (!c)
            qFatal("no control %s", qPrintable(nom));
        return c;
    }
    QTableWidget *grille() { return controle<QTableWidget>("Grid2"); }
    QString cellule(int ligne, int colonne)
    {
        const QTableWidgetItem *c = grille()->item(ligne - 1, colonne);
        return c ? c->text() : QString();
    }
    QStringList ligneGrille(int ligne)
    {
        QStringList textes;
        for (int c = 0; c < 5; ++c)
            textes << cellule(ligne, c);
        return textes;
    }
    QString texte(const QString &nom) { return controle(nom)->displayText(); }
    QWidget *focus() { return w->focusWidget(); }

    void ouvre(int manches, int courante = -1)
    {
        t->manches(manches, courante);
        w = new frmSaiMan(t->m);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }
    void clic(const QString &bouton) { QTest::mouseClick(controle<QPushButton>(bouton), Qt::LeftButton); }
    void clicGrille(int ligne, int colonne)
    {
        const QRect rect = grille()->visualRect(grille()->model()->index(ligne - 1, colonne));
        QTest::mouseClick(grille()->viewport(), Qt::LeftButton, {}, rect.center());
    }
    // Types into a time box from a position of the "hh:mm" mask.
    void tapeHeure(const QString &nom, int position, const QString &chiffres)
    {
        controle(nom)->setCursorPosition(position);
        QTest::keyClicks(controle(nom), chiffres);
    }

private slots:
    void init() { t = std::make_unique<TournoiTest>(); }
    void cleanup()
    {
        delete w;
        t.reset();
    }

    void ouverture()
    {
        ouvre(2, 1);
        QCOMPARE(w->windowTitle(), "Saisie horaires des manches");
        for (const QString nom : {"mskDeb", "mskFin"})
            QCOMPARE(texte(nom), "__:__");
        QVERIFY(texte("txtNPA").isEmpty());
        for (const QString nom : {"mskDeb", "mskFin", "txtNPA"})
            QVERIFY(!controle(nom)->isEnabled());
        const QStringList titres{"N° manche", "Heure début", "Heure fin", "Nb parties", "Manche active"};
        const int largeurs[] = {53, 47, 47, 53, 53};
        for (int c = 0; c < 5; ++c) {
            QCOMPARE(grille()->horizontalHeaderItem(c)->text(), titres[c]);
            QCOMPARE(grille()->columnWidth(c), largeurs[c]);
        }
        QCOMPARE(grille()->horizontalHeader()->height(), 32);
        QCOMPARE(grille()->rowHeight(0), 15);
        QCOMPARE(grille()->rowCount(), 3);
        QCOMPARE(ligneGrille(1), (QStringList{"1", "20:00", "22:00", "5", "X"}));
        QCOMPARE(ligneGrille(2), (QStringList{"2", "20:00", "22:00", "5", " "}));
        QCOMPARE(ligneGrille(3), (QStringList{"", "", "", "", ""}));
    }

    // "&Nouvelle", the deals, the two times completed by Tab and Enter, "&OK".
    void nouvelleAuClavier()
    {
        ouvre(1);
        clic("cmdNouveau");
        QVERIFY(t->m.ModeNouveau);
        QCOMPARE(texte("txtNM"), "2");
        QCOMPARE(focus(), controle("txtNPA"));
        QTest::keyClicks(controle("txtNPA"), "a7-");
        QCOMPARE(texte("txtNPA"), "7");
        QCOMPARE(t->p.bips, 2);
        QTest::keyClick(controle("txtNPA"), Qt::Key_Tab);
        QCOMPARE(focus(), controle("mskDeb"));
        tapeHeure("mskDeb", 3, "45");
        QTest::keyClick(controle("mskDeb"), Qt::Key_Tab);
        QCOMPARE(texte("mskDeb"), "00:45");
        QCOMPARE(focus(), controle("mskFin"));
        tapeHeure("mskFin", 0, "9");
        tapeHeure("mskFin", 3, "3");
        QTest::keyClick(controle("mskFin"), Qt::Key_Return);
        QCOMPARE(texte("mskFin"), "09:03");
        QCOMPARE(focus(), controle("txtNPA"));
        clic("cmdOK");

        QVERIFY(t->p.boites.isEmpty());
        QCOMPARE(grille()->rowCount(), 3);
        QCOMPARE(ligneGrille(1), (QStringList{"1", "20:00", "22:00", "5", " "}));
        QCOMPARE(ligneGrille(2), (QStringList{"2", "00:45", "09:03", "7", "X"}));
        QCOMPARE(t->lignes("M01.DAT"), (QStringList{" 1 20:00 22:00 5   ", " 2 00:45 09:03 7  X"}));
        for (const QString nom : {"mskDeb", "mskFin", "txtNPA"})
            QVERIFY(!controle(nom)->isEnabled());
        QVERIFY(texte("txtNM").isEmpty());
        QVERIFY(texte("txtNPA").isEmpty());
        QCOMPARE(texte("mskDeb"), "__:__");
    }

    // A refused Tab or Enter leaves the focus where it is.
    void chaineRefusee_data()
    {
        QTest::addColumn<QString>("boite");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("texte");
        QTest::newRow("empty start") << "mskDeb" << "" << "" << "__:__";
        QTest::newRow("start 24:30") << "mskDeb" << "2430" << "Heure incorrecte !" << "24:30";
        QTest::newRow("99 deals") << "txtNPA" << "99" << "Le nombre de parties doit être inférieur à 99." << "99";
    }
    void chaineRefusee()
    {
        QFETCH(QString, boite);
        QFETCH(QString, tape);
        QFETCH(QString, message);
        QFETCH(QString, texte);
        ouvre(1);
        clic("cmdNouveau");
        controle(boite)->setFocus();
        controle(boite)->setCursorPosition(0);
        QTest::keyClicks(controle(boite), tape);
        QTest::keyClick(controle(boite), Qt::Key_Enter);
        QCOMPARE(focus(), controle(boite));
        QCOMPARE(this->texte(boite), texte);
        QCOMPARE(t->p.dernierTexte(), message);
        QCOMPARE(t->p.bips, 1);
    }

    // Leaving a time box completes it without moving the focus again; a
    // wrong time brings the focus back.
    void quitteHeure_data()
    {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<bool>("oui");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("retour");
        QTest::addColumn<int>("bips");
        QTest::newRow("single digits") << "7_:3_" << false << "07:03" << "" << false << 0;
        QTest::newRow("24:00 Yes") << "24:00" << true << "23:59" << "24 heures, ça n'existe pas ! Choisissez ... "
                                                                   "23:59 (Oui) ou 00:00 (Non)"
                                   << false << 0;
        QTest::newRow("24:30") << "24:30" << false << "24:30" << "Heure incorrecte !" << true << 1;
        QTest::newRow("nothing typed") << "__:__" << false << "__:__" << "" << false << 1;
    }
    void quitteHeure()
    {
        QFETCH(QString, tape);
        QFETCH(bool, oui);
        QFETCH(QString, texte);
        QFETCH(QString, message);
        QFETCH(bool, retour);
        QFETCH(int, bips);
        ouvre(1);
        t->p.reponses.enqueue(oui);
        clic("cmdNouveau");
        controle("mskDeb")->setFocus();
        controle("mskDeb")->setText(tape);
        QTest::mouseClick(controle("txtNPA"), Qt::LeftButton);
        QCOMPARE(this->texte("mskDeb"), texte);
        QCOMPARE(t->p.dernierTexte(), message);
        QCOMPARE(focus(), controle(retour ? "mskDeb" : "txtNPA"));
        QCOMPARE(t->p.bips, bips);
    }

    void clicSurManche()
    {
        ouvre(3);
        t->m.Manches(4, 1) = "  "; // deals not given, as read from the file
        clicGrille(1, 1);
        QVERIFY(!t->m.ModeNouveau);
        QCOMPARE(t->m.MancheCourante, 1);
        QCOMPARE(texte("txtNM"), "1");
        QCOMPARE(texte("mskDeb"), "20:00");
        QCOMPARE(texte("mskFin"), "22:00");
        QVERIFY(texte("txtNPA").isEmpty());
        QCOMPARE(focus(), controle("mskDeb"));
        QCOMPARE(cellule(1, 4), "X");
        QCOMPARE(cellule(3, 4), " ");
        QCOMPARE(t->lignes("M01.DAT").first(), " 1 20:00 22:00    X");

        // In the "Manche active" column the click only moves the "X".
        clicGrille(2, 4);
        QCOMPARE(t->m.MancheCourante, 2);
        QCOMPARE(cellule(1, 4), " ");
        QCOMPARE(cellule(2, 4), "X");
        QVERIFY(texte("txtNM").isEmpty());
        QCOMPARE(texte("mskDeb"), "__:__");
        QCOMPARE(texte("mskFin"), "__:__");
        QVERIFY(texte("txtNPA").isEmpty());

        // The trailing empty row is no round.
        clicGrille(4, 1);
        QCOMPARE(t->m.MancheCourante, 2);
        QVERIFY(texte("txtNM").isEmpty());
    }

    // Saving a round loaded by a click makes it the active round.
    void modifieManche()
    {
        ouvre(2);
        clicGrille(1, 2);
        controle("mskFin")->setText("23:15");
        clic("cmdOK");
        QCOMPARE(t->lignes("M01.DAT"), (QStringList{" 1 20:00 23:15 5  X", " 2 20:00 22:00 5   "}));
        QCOMPARE(ligneGrille(1), (QStringList{"1", "20:00", "23:15", "5", "X"}));
    }

    void touchesGrille()
    {
        ouvre(3);
        clicGrille(2, 0);
        QCOMPARE(grille()->currentRow(), 1);
        grille()->setFocus();
        for (const Qt::Key touche : {Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_Home, Qt::Key_PageDown,
                                     Qt::Key_PageUp, Qt::Key_Left, Qt::Key_Right}) {
            QTest::keyClick(grille(), touche);
            QCOMPARE(grille()->currentRow(), 1);
            QCOMPARE(grille()->currentColumn(), 0);
        }
    }

    void supprime()
    {
        ouvre(2);
        t->table(2, 1, 4);
        t->p.reponses.enqueue(true);
        clicGrille(2, 1);
        clic("cmdSuppr");
        QCOMPARE(t->m.NbManches(), 1);
        QCOMPARE(t->m.NbScores(), 0);
        QCOMPARE(grille()->rowCount(), 2);
        QCOMPARE(cellule(1, 4), "X");
        QVERIFY(texte("txtNM").isEmpty());
        QCOMPARE(texte("mskDeb"), "__:__");
    }

    void fichier()
    {
        ouvre(2);
        clic("cmdImpr");
        QCOMPARE(t->p.textesEdites, QStringList{t->m.Chemin("MANCHES.TXT")});
        QCOMPARE(t->lignes("MANCHES.TXT").size(), 15);
    }

    // "&Sortie", or "&OK" with nothing typed, closes the window and it goes.
    void ferme_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::newRow("Sortie") << "cmdFin";
        QTest::newRow("OK with nothing") << "cmdOK";
    }
    void ferme()
    {
        QFETCH(QString, bouton);
        ouvre(1);
        clic(bouton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        QVERIFY(t->p.boites.isEmpty());
    }

    // From the tournament window: one schedule at a time, and its changes
    // reach the round panel at once.
    void depuisTournoi()
    {
        t->manches(1);
        frmTarot1 tournoi(t->m);
        tournoi.show();
        auto *manches = tournoi.findChild<QPushButton *>("cmdManches");
        QTest::mouseClick(manches, Qt::LeftButton);
        QTest::mouseClick(manches, Qt::LeftButton);
        const auto fenetres = tournoi.findChildren<frmSaiMan *>();
        QCOMPARE(fenetres.size(), 1);
        w = fenetres.first();
        QVERIFY(w->isVisible());
        clic("cmdNouveau");
        clic("cmdOK");
        QCOMPARE(tournoi.findChild<QLabel *>("pnlManche4")->text(), "Manche  2");
        QCOMPARE(tournoi.findChild<QLabel *>("pnlManche1")->text(), "__:__ / __:__");
        delete w;
    }
};

QTEST_MAIN(TestFrmSaiMan)
#include "test_frmsaiman.moc"
