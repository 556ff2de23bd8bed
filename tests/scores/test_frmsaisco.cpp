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
    void ouvre(TypeJeu jeu, bool scores, const QString &tables = {})
    {
        w.reset();
        t = std::make_unique<Tournoi>(jeu);
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
    // Each row (attendu/saisie.txt): the game, the mode, the tables of round 1 (compose.h), the script, the
    // texts of the boxes shown, then the tables as the scores file holds them ("=": as before).
    void saisie_data()
    {
        Colonnes<QString, QString, QString, QString, QString, QString>("jeu", "mode", "tables", "script", "messages",
                                                                        "resultat");
        RangeesDepuisFichier(QStringLiteral(DOSSIER_ATTENDU "/saisie.txt"));
    }
    void saisie()
    {
        QFETCH(QString, jeu);
        QFETCH(QString, mode);
        QFETCH(QString, tables);
        QFETCH(QString, resultat);
        ouvre(TypeJeu::depuisTexte(jeu).value(), mode == u"scores", tables);
        const QString avant = Resume(t->m);
        QFETCH(QString, script);
        joue(script.replace(u'\n', u' '));
        if (QTest::currentTestFailed())
            return;
        QStringList messages;
        for (const PlateformeTest::Boite &boite : t->p.boites) {
            messages << boite.texte;
            QVERIFY(!boite.question || (boite.titre == u"Velmora Tarot Belote 3.72" && !boite.ouiParDefaut));
        }
        QTEST(messages.join(u'\n'), "messages");
        Relit(t->m);
        QCOMPARE(Resume(t->m), resultat == u"=" ? avant : resultat.replace(u'\n', u' '));
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
