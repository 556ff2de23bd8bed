// The table and score window driven from the keyboard, as the organiser does.
#include "compose.h"
#include "scores/frmSaiSco.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <memory>

using namespace Qt::StringLiterals;

class TestFrmSaiSco : public QObject
{
    Q_OBJECT

    std::unique_ptr<Tournoi> t;
    std::unique_ptr<frmSaiSco> w;

    // The tables given (compose.h) written to the files; the belote tournaments have table offsets.
    void ouvre(int jeu, bool scores, const QString &tables = {})
    {
        w.reset();
        t = std::make_unique<Tournoi>(TypeJeu::Valeur(jeu));
        Compose(*t, tables);
        if (jeu != TypeJeu::Tarot)
            t->places();
        t->enregistre();
        w = std::make_unique<frmSaiSco>(t->m, scores);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }

    // What a script checks of a control: the text of a box or label, "on" or "off" for a
    // button, "vu" for another control shown, "caché" for any hidden one; the window's caption.
    QString etat(const QString &nom) const
    {
        if (nom == u"aide") // the help pages opened
            return QStringList(t->p.documents).replaceInStrings(QRegularExpression(u"^.*/(?=help/)"_s), {}).join(u' ');
        QWidget *c = nom == w->objectName() ? w.get() : Controle<QWidget>(w.get(), nom);
        if (!c->isVisible())
            return u"caché"_s;
        if (c == w.get())
            return c->windowTitle();
        if (auto *boite = qobject_cast<QLineEdit *>(c))
            return boite->text();
        if (auto *libelle = qobject_cast<QLabel *>(c))
            return libelle->text();
        if (auto *bouton = qobject_cast<QPushButton *>(c))
            return bouton->isEnabled() ? u"on"_s : u"off"_s;
        return u"vu"_s;
    }

    // Plays a script, word by word: "@b" clicks button b, "^c" gives control c the focus,
    // "⌥k" presses Alt+k, "+" answers Yes to the next question, "⎘x" pastes x over the text of
    // the box that has the focus ("⎘" alone empties it); any other word is typed into it, "⏎"
    // for Enter, "⇥" and "⇤" for Tab and Shift+Tab. Checks: "?c" c has the focus, "=c:v" the
    // state of c is v ("·" for a blank), "♪n" n beeps so far.
    void joue(const QString &script)
    {
        for (const QString &mot : script.split(u' ', Qt::SkipEmptyParts)) {
            QWidget *focus = QApplication::focusWidget();
            const QString reste = mot.mid(1);
            switch (mot[0].unicode()) {
            case u'@': Controle<QPushButton>(w.get(), reste)->click(); break;
            case u'^': Controle<QWidget>(w.get(), reste)->setFocus(); break;
            case u'⌥':
                QTest::keyClick(focus, reste[0].toLatin1(), Qt::AltModifier);
                QTest::qWait(200); // a mnemonic shows the click before it clicks
                break;
            case u'+': t->p.reponses.enqueue(true); break;
            case u'⎘':
                QApplication::clipboard()->setText(reste);
                qobject_cast<QLineEdit *>(focus)->selectAll();
                QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
                break;
            case u'?': QCOMPARE(focus ? focus->objectName() : QString(), reste); break;
            case u'=': QCOMPARE(etat(reste.section(u':', 0, 0)), reste.section(u':', 1).replace(u'·', u' ')); break;
            case u'♪': QCOMPARE(t->p.bips, reste.toInt()); break;
            default:
                for (const QChar c : mot) {
                    QWidget *cible = QApplication::focusWidget();
                    if (c == u'⏎')
                        QTest::keyClick(cible, Qt::Key_Return);
                    else if (c == u'⇥' || c == u'⇤')
                        QTest::keyClick(cible, Qt::Key_Tab, c == u'⇤' ? Qt::ShiftModifier : Qt::NoModifier);
                    else
                        QTest::keyClick(cible, c.toLatin1());
                }
            }
        }
    }

private slots:
    // Each row: the game, the mode, the tables of round 1 (compose.h), the script, the
    // texts of the boxes shown, then the tables as the scores file holds them ("=": as before).
    void saisie_data()
    {
        QTest::addColumn<int>("jeu");
        QTest::addColumn<bool>("scores");
        QTest::addColumn<QString>("tables");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("messages");
        QTest::addColumn<QString>("resultat");
        const int T = TypeJeu::Tarot, B = TypeJeu::Belote, I = TypeJeu::BeloteInd;
        const QString egal = u"="_s, _ = QString();
        QTest::newRow("ouverture, tarot") << T << false << _
            << "?txtNT =frmSaiSco:Saisie·des·tables·de·la·manche··1 =lblNumeros:N°·joueurs =lblPlace3:4·: "
               "=frmBelotesCapots:caché =cmdSuppTb:off =cmdSuppTbS:off =cmdSuppSc:caché =cmdSuppScS:caché "
               "^txtNJ0 5 =txtNJ0: ^txtNPO0 5 =txtNPO0: ^txtNPA 5 =txtNPA: "
               "^cmdOK ⇥ ?cmdNouveau ⇥ ?cmdEffacer ⇥ ?cmdFin ⇥ ?txtNJ0" << _ << egal;
        QTest::newRow("ouverture, équipes") << B << true << _
            << "=frmSaiSco:Saisie·des·scores·de·la·manche··1 =lblNumeros:N°·équipes =lblPlace1:E/O =txtNJ2:caché "
               "=frmBelotesCapots:vu =cmdSuppSc:off =cmdSuppScS:off =cmdSuppTb:caché "
               "^cmdOK ⇤ ?txtNbCapots ⇤ ?txtNbBelotes ⇤ ?txtNPO1 ⇤ ?txtNPO0" << _ << egal;
        QTest::newRow("ouverture, individuel") << I << false << _
            << "=lblNumeros:N°·joueurs =lblPlace3:Ouest =frmBelotesCapots:vu =txtNJ3: ^cmdOK ⇤ ?cmdDern" << _ << egal;
        QTest::newRow("tabulation, scores") << T << true << "1/1*"
            << "^cmdEffacer ⇥ ?cmdFin ⇥ ?txtNPO0 ^cmdPrem ⇥ ?cmdPrec ⇥ ?cmdSuiv ⇥ ?cmdDern ⇥ ?cmdOK ^cmdSuppScS ⇥ "
               "?cmdPrem ^cmdOK ⇤ ?cmdDern" << _ << egal;
        QTest::newRow("nombres, table") << T << false << _
            << "1a2-345 =txtNT:1234 ♪3 ⎘2-0 =txtNT:1234 ⎘12 =txtNT:12 ♪3" << _ << egal;
        QTest::newRow("nombres, entrant") << T << false << "1/1"
            << "1⏎ ⎘-7 =txtNJ0:1 ⎘07 -x =txtNJ0:07 ♪2 ⎘12345 =txtNJ0:1234" << _ << egal;
        QTest::newRow("nombres, parties") << T << true << "1/1"
            << "1⏎ ^txtNPA ⎘ 1-23 =txtNPA:12 ♪2 ⎘1-2 =txtNPA:12" << _ << egal;
        QTest::newRow("nombres, tarot") << T << true << "1/1"
            << "1⏎ -20 =txtNPO0:-20 ⎘ 2-0 =txtNPO0:20 ♪1 ⎘ -12345678 =txtNPO0:-123456 ♪3 ⎘2-0 =txtNPO0:-123456 "
               "⎘-35 =txtNPO0:-35" << _ << egal;
        QTest::newRow("nombres, belote") << B << true << "1/1"
            << "1⏎ -1 =txtNPO0:1 ♪1 ⎘-1 =txtNPO0:1 ⎘ 12345678 =txtNPO0:1234567 ♪2 ^txtNbBelotes 1x23 "
               "=txtNbBelotes:12 ♪4 ^txtNbCapots ⎘-1 =txtNbCapots:" << _ << egal;
        QTest::newRow("composition au clavier") << T << false << "1/1 1/3 2/1"
            << "x2 ♪1 ⏎ ?txtNJ0 9⏎10⏎11⏎12⏎ =txtNom3:NOM12·Prénom12 ?cmdOK ⏎ =lblMsg:INFORMATIONS·ENREGISTREES·! "
               "?txtNJ0 =cmdSuppTb:on =cmdSuppTbS:on" << _ << "1/1:1,2,3,4 1/2:9,10,11,12 1/3:5,6,7,8 2/1:9,10,11,12";
        QTest::newRow("entrants refusés") << T << false << "1/1 1/2"
            << "2⏎⏎ 5⏎ ♪1 ?txtNJ1 =txtNJ1:5 =txtNom1: 9⏎ ?txtNJ2 =txtNom2:NOM7·Prénom7 2⏎ ?txtNJ2 "
               "=txtNom2:NOM2·Prénom2 99⏎ ?txtNJ2 =txtNJ2: =txtNom2: 0⏎ ♪4 1 =txtNJ2:01 =txtNom2:"
            << "Vous avez déjà inscrit le joueur 5 à cette table.|Vous avez déjà inscrit le joueur 2 à la table 1|"
               "Le joueur n° 99 n'existe pas." << egal;
        QTest::newRow("entrant refusé par OK") << T << false << "1/1 1/2"
            << "2⏎⏎ 99 @cmdOK ?txtNJ1" << "Le joueur n° 99 n'existe pas." << egal;
        QTest::newRow("tarot refusé puis corrigé") << T << true << "1/1 1/2"
            << "1⏎ ?txtNPO0 =txtNPA:8 60⏎-20⏎-20⏎-⏎ ♪1 ?txtNPO3 @cmdOK ?txtNPO3 -30⏎ =txtTotal:-10 ?txtNPA ⏎⏎ ?txtNPO0 "
               "70⏎⏎⏎⏎⏎⏎ =lblMsg:INFORMATIONS·ENREGISTREES·! ?txtNPO0 =cmdSuppSc:on =cmdSuppScS:on"
            << "Le total des points ne balance pas : il manque 10 points."
            << "1/1:1,2,3,4=70,-20,-20,-30x8 1/2:5,6,7,8";
        QTest::newRow("nouvelle table, manche terminée") << T << true << "1/1* 1/2"
            << "⌥N =txtNT:2 0⏎0⏎0⏎0⏎ ?txtNPA ⎘ ⏎⏎" << _ << "1/1:1,2,3,4=0,0,0,0x5 1/2:5,6,7,8=0,0,0,0x8 Terminée";
        QTest::newRow("belote par équipes") << B << true << "1/1"
            << "1⏎ =txtNom0:NOM1·/·Prénom1 700⏎600⏎ ?txtNbBelotes =txtTotBel:1296 1⏎ ?txtNbCapots ⏎ ?cmdOK "
               "=txtControleTotal:1316 =lblExpr:(1·x·20··+··0·x·90··+··8·parties·x·162) ⏎ ?txtNPO0 ⏎616⏎⏎⏎⏎ "
               "@cmdEffacer =txtNbBelotes: 1⏎ =txtNbBelotes:1"
            << "Le total des points n'est pas égal à 1316 : il manque 16 points." << "1/1:1,2=700,616x8b1 Terminée";
        QTest::newRow("belote individuelle") << I << true << "1/1"
            << "1⏎ ^txtNPA ⎘4 ^txtNPO0 =txtTotBel:1296 300⏎368⏎300⏎368⏎1⏎⏎ =txtControleTotal:1336 ⏎" << _
            << "1/1:1,2,3,4=300,368,300,368x4b1 Terminée";
        QTest::newRow("navigation") << T << false << "1/1 1/2 1/3 2/1"
            << "@cmdPrec =txtNT:3 ?txtNJ0 @cmdSuiv =txtNT:3 @cmdPrem =txtNT:1 @cmdPrec =txtNT:1 @cmdSuiv =txtNT:2 "
               "?txtNJ0 =txtNom0:NOM5·Prénom5" << _ << egal;
        QTest::newRow("navigation arrêtée par un refus") << T << true << "1/1 1/2"
            << "1⏎10⏎10⏎10⏎10⏎ @cmdSuiv =txtNT:1 =txtNPO3:10"
            << "Le total des points ne balance pas : il y a 40 points en trop." << egal;
        QTest::newRow("table non constituée") << T << true << "1/1 1/3"
            << "1⏎10⏎-10⏎0⏎0⏎ @cmdSuiv =txtNT:2 ?txtNT =txtNJ0: =txtNom0: =txtNPO0: =txtNPA: =cmdSuppSc:off @cmdOK "
               "@cmdSuiv =txtNT:3 =txtNJ0:5"
            << "Cette table n'a pas été constituée|Cette table n'a pas été constituée"
            << "1/1:1,2,3,4=10,-10,0,0x8 1/3:5,6,7,8";
        QTest::newRow("table absente, table 0") << T << true << "1/1"
            << "9 @cmdOK ?txtNT 0 @cmdOK ?txtNT =lblMsg:N°·DE·TABLE·NON·RENSEIGNE·! 1⏎ ?txtNPO0 =lblMsg: 5 ^txtNT ⏎ "
               "?txtNPO0 =txtNPO0:5"
            << "Cette table n'a pas été constituée" << egal;
        QTest::newRow("parties d'une table sans parties") << T << false << "1/1* 1/2"
            << "1⏎ =txtNPA:5 @cmdSuiv =txtNT:2 =txtNPA: @cmdPrem =txtNPA:5" << _ << egal;
        QTest::newRow("nouvelle table") << T << false << "1/1 1/2 1/3"
            << "1⏎ @cmdNouveau =txtNT:4 ?txtNJ0 =txtNJ0: =cmdSuppTb:off" << _ << egal;
        QTest::newRow("plus de nouvelle table") << T << false << "1/1 1/2 1/3 1/4"
            << "1⏎ @cmdNouveau =txtNT: ?txtNT =txtNJ0: 5 =txtNT:5" << _ << egal;
        QTest::newRow("aide") << B << true << _
                              << "@cmdAide1 @cmdAide2 =aide:help/_recherche_table.html·help/_saisie_belote.html" << _
                              << egal;
        QTest::newRow("OK sur une fenêtre vide") << T << false << _ << "⌥O =frmSaiSco:caché" << _ << egal;
        const QString tables = u"1/1 1/2 1/3 2/1*"_s, jouees = u"1/1 1/2* 1/3 2/1*"_s;
        QTest::newRow("supprimer la table") << T << false << tables
            << "2⏎ @cmdSuppTb =txtNT:2 + @cmdSuppTb =lblMsg:TABLE·SUPPRIMEE·! =cmdSuppTb:off =txtNT: =txtNJ0: ?txtNT"
            << "Voulez-vous réellement supprimer cette table ?|Voulez-vous réellement supprimer cette table ?"
            << "1/1:1,2,3,4 1/3:9,10,11,12 2/1:13,14,15,16=0,0,0,0x5";
        QTest::newRow("supprimer les tables") << T << false << tables
            << "+ @cmdSuppTbS =lblMsg:TABLES·SUPPRIMEES·! =cmdSuppTbS:off"
            << "Voulez-vous réellement supprimer TOUTES LES TABLES de cette manche ?" << "2/1:13,14,15,16=0,0,0,0x5";
        QTest::newRow("effacer les scores de la table") << T << true << jouees
            << "2⏎ =txtNPO0:0 =txtNPA:5 + @cmdSuppSc =lblMsg:SCORES·DE·CETTE·TABLE·SUPPRIMES·! =cmdSuppSc:off =txtNT:2 "
               "=cmdSuppScS:off"
            << "Voulez-vous réellement effacer les scores de cette table ?"
            << "1/1:1,2,3,4 1/2:5,6,7,8 1/3:9,10,11,12 2/1:13,14,15,16=0,0,0,0x5";
        QTest::newRow("effacer tous les scores") << T << true << jouees
            << "+ @cmdSuppScS =lblMsg:SCORES·EFFACES·! =cmdSuppScS:off"
            << "Voulez-vous réellement effacer TOUS LES SCORES de cette manche ?"
            << "1/1:1,2,3,4 1/2:5,6,7,8 1/3:9,10,11,12 2/1:13,14,15,16=0,0,0,0x5";
    }
    void saisie()
    {
        QFETCH(int, jeu);
        QFETCH(bool, scores);
        QFETCH(QString, tables);
        QFETCH(QString, resultat);
        ouvre(jeu, scores, tables);
        const QString avant = Resume(t->m);
        QFETCH(QString, script);
        joue(script);
        if (QTest::currentTestFailed())
            return;
        QStringList messages;
        for (const PlateformeTest::Boite &boite : t->p.boites) {
            messages << boite.texte;
            QVERIFY(!boite.question || (boite.titre == u"Velmora Tarot Belote 3.72" && !boite.ouiParDefaut));
        }
        QTEST(messages.join(u'|'), "messages");
        Relit(t->m);
        QCOMPARE(Resume(t->m), resultat == u"=" ? avant : resultat);
    }

    // One window at a time under the tournament window, in the mode asked.
    void ouvertureParLeTournoi()
    {
        ouvre(TypeJeu::Tarot, false);
        QWidget parent;
        frmSaiSco::Ouvre(t->m, false, &parent);
        frmSaiSco *fenetre = frmSaiSco::Ouvre(t->m, true, &parent);
        QCOMPARE(parent.findChildren<frmSaiSco *>().size(), 1);
        QCOMPARE(fenetre->windowTitle(), u"Saisie des scores de la manche  1"_s);
        QVERIFY(fenetre->isVisible());
        Controle<QPushButton>(fenetre, u"cmdFin"_s)->click();
        QTRY_VERIFY(parent.findChildren<frmSaiSco *>().isEmpty());
    }

    // A window deleted with the focus in a points box runs none of its handlers on the way.
    void destructionAvecLeFocusDansLesPoints()
    {
        ouvre(TypeJeu::Tarot, true, u"1/1"_s);
        joue(u"1⏎ 5 ?txtNPO0"_s);
        int totaux = 0;
        connect(Controle<QLineEdit>(w.get(), u"txtTotal"_s), &QLineEdit::textChanged, [&totaux] { ++totaux; });
        w.reset();
        QCOMPARE(totaux, 0);
    }
};

QTEST_MAIN(TestFrmSaiSco)
#include "test_frmsaisco.moc"
