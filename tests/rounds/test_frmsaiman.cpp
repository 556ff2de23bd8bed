// The round schedule window driven by its keys and clicks, offscreen; the
// checks and the files themselves are the core test's.
#include "rounds/frmSaiMan.h"
#include "support/tournoi.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <memory>

class TestFrmSaiMan : public QObject
{
    Q_OBJECT

    std::unique_ptr<Tournoi> t;
    QPointer<frmSaiMan> w;

    QLineEdit *boite(const QString &nom) { return Controle<QLineEdit>(w, nom); }
    QTableWidget *grille() { return Controle<QTableWidget>(w, "Grid2"); }
    // The four boxes as shown, then the cells of the grid, all joined by "|".
    QString textes()
    {
        QStringList textes;
        for (const char *nom : {"txtNM", "mskDeb", "mskFin", "txtNPA"})
            textes << boite(nom)->displayText();
        for (int i = 0; i < grille()->rowCount() * 5; ++i)
            textes << CaseGrille(grille()->model(), i / 5 + 1, i % 5);
        return textes.join(u'|');
    }
    QString focus() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "<aucun>"; }
    void clic(const QString &nom) { QTest::mouseClick(Controle<QPushButton>(w, nom), Qt::LeftButton); }
    void clicGrille(int ligne, int colonne)
    {
        const QRect cellule = grille()->visualRect(grille()->model()->index(ligne - 1, colonne));
        QTest::mouseClick(grille()->viewport(), Qt::LeftButton, {}, cellule.center());
    }

private slots:
    // The window opens on two rounds, the second one current.
    void init()
    {
        t = std::make_unique<Tournoi>();
        // Every box takes the keyboard while it is open, as a modal box does.
        t->p.pendantBoite = [] {
            QWidget boite;
            boite.show();
            boite.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&boite));
        };
        w = new frmSaiMan(t->manches(2).m);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }
    void cleanup() { delete w; }

    // After "&Nouvelle", what is typed in "Heure début" from its first place
    // (or in "Nb parties" after "NPA"), and how the box is left: Tab, Enter,
    // a click in "Nb parties", or "&OK" by a click, Alt+O or Enter on it, with
    // the answer to the 24:00 question. resultat: the box, or the start time
    // "&OK" stored; where the focus is; the beeps. The rows are in attendu/touches.txt.
    void touches_data()
    {
        Colonnes<QString, QString, QString>("tape", "sortie", "resultat");
        RangeesDepuisFichier(QStringLiteral(DOSSIER_ATTENDU "/touches.txt"));
    }
    void touches()
    {
        QFETCH(QString, tape);
        QFETCH(QString, sortie);
        QFETCH(QString, resultat);
        t->p.reponses.enqueue(sortie.endsWith("Oui"));
        clic("cmdNouveau");
        boite("mskFin")->setText("23:00");
        QLineEdit *b = boite(tape.startsWith("NPA") ? "txtNPA" : "mskDeb");
        b->setFocus();
        b->setCursorPosition(0);
        QTest::keyClicks(b, tape.section(u' ', -1));
        auto *ok = Controle<QPushButton>(w, "cmdOK");
        if (sortie.startsWith("clic"))
            QTest::mouseClick(boite("txtNPA"), Qt::LeftButton);
        else if (sortie == "OK")
            QTest::mouseClick(ok, Qt::LeftButton);
        else if (sortie == "Alt+O")
            QTest::keyClick(b, Qt::Key_O, Qt::AltModifier); // "&OK" is clicked a moment later
        else {
            QWidget *touche = sortie == "OK Entrée" ? static_cast<QWidget *>(ok) : b;
            touche->setFocus(); // without leaving the box as the user would
            QTest::keyClick(touche, sortie.endsWith("Entrée") ? Qt::Key_Enter : Qt::Key_Tab);
        }
        const auto stocke = [&] { return t->m.NbManches() < 3 ? "<rien>" : t->m.Manches(ColManche::Debut, 3).texte(); };
        const auto obtenu = [&] { return QStringList{focus() == "cmdOK" ? stocke() : b->displayText(), focus()}; };
        QTRY_COMPARE((obtenu() << QString::number(t->p.bips)).join(u' '), resultat);
    }

    // "&Nouvelle" then "&OK", a click on a round and "&OK", a click in
    // "Manche active" and below the rounds, the keys the grid ignores (a round
    // is chosen by clicking), "S&upprimer", "&Fichier", then "&OK" with
    // nothing typed, or "&Sortie", closes the window and it goes.
    void parcours_data()
    {
        QTest::addColumn<QString>("fin");
        QTest::newRow("OK with nothing") << "cmdOK";
        QTest::newRow("Sortie") << "cmdFin";
    }
    void parcours()
    {
        QFETCH(QString, fin);
        QCOMPARE(w->windowTitle() + '/' + textes(),
                 "Saisie horaires des manches/|__:__|__:__||1|20:00|22:00|5| |2|20:00|22:00|5|X|||||");
        QVERIFY(!boite("mskDeb")->isEnabled() && !boite("mskFin")->isEnabled() && !boite("txtNPA")->isEnabled());
        QString tailles;
        for (int c = 0; c < 5; ++c)
            tailles += QString::number(grille()->columnWidth(c)) + ' ';
        QCOMPARE(tailles + QString::number(grille()->horizontalHeader()->height() * 100 + grille()->rowHeight(0)),
                 "53 47 47 53 53 3215");
        clic("cmdNouveau");
        QTest::keyClicks(boite("txtNM"), "9"); // filled by the program only
        QVERIFY(t->m.ModeNouveau && boite("mskFin")->isEnabled() && boite("txtNM")->text() == "3");
        QTest::keyClicks(boite("txtNPA"), "7");
        clic("cmdOK");
        QCOMPARE(textes(), "|__:__|__:__||1|20:00|22:00|5| |2|20:00|22:00|5| |3|__:__|__:__|7|X|||||");
        QVERIFY(!boite("txtNPA")->isEnabled());
        t->m.Manches(ColManche::Parties, 1) = "8 "; // as read from the file
        clicGrille(1, 1);
        QCOMPARE(textes().left(17) + focus() + QString::number(t->m.ModeNouveau), "1|20:00|22:00|8|1mskDeb0");
        boite("mskFin")->setText("23:15");
        clic("cmdOK");
        clicGrille(2, 4);
        clicGrille(4, 1); // below the rounds
        for (const Qt::Key touche : {Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_Home, Qt::Key_PageDown,
                                     Qt::Key_PageUp, Qt::Key_Left, Qt::Key_Right})
            QTest::keyClick(grille(), touche);
        QCOMPARE(grille()->currentIndex(), grille()->model()->index(3, 1));
        QCOMPARE(textes(), "|__:__|__:__||1|20:00|23:15|8| |2|20:00|22:00|5|X|3|__:__|__:__|7| |||||");
        t->p.reponses.enqueue(true);
        clicGrille(3, 1);
        clic("cmdSuppr");
        QCOMPARE(textes(), "|__:__|__:__||1|20:00|23:15|8| |2|20:00|22:00|5|X|||||");
        clic("cmdImpr");
        QCOMPARE(t->p.textesEdites, QStringList{t->m.Chemin("MANCHES.TXT")});
        clic(fin);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull() && t->p.boites.size() == 1);
    }
};

QTEST_MAIN(TestFrmSaiMan)
#include "test_frmsaiman.moc"
