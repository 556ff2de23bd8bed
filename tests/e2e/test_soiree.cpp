// A whole evening for each game, played only through the windows, with the
// mouse and the keyboard, as the organiser plays it: the steps are those of
// etapes/<game>.txt. Then every file the program left in its folder is
// compared with the bytes of attendu/<game>.
#include "app/frm00.h"
#include "support/tournoi.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestSoiree : public QObject
{
    Q_OBJECT

    std::unique_ptr<Tournoi> t;
    std::unique_ptr<frm00> depart;
    QWidget *fenetre = nullptr; // the window the steps speak to
    QStringList etapes;
    qsizetype suivante = 0, boitesVues = 0;
    QString erreur;
    bool fini = false;

    // One step, the next one being queued first: a step that opens a modal
    // dialog leaves the following steps to run inside the dialog's loop. Only
    // the step that changes windows waits, for its window to take the keyboard.
    void joue()
    {
        if (!erreur.isEmpty() || suivante == etapes.size()) {
            fini = true;
            // A script stopped halfway must not leave a dialog waiting for it.
            while (QWidget *modale = QApplication::activeModalWidget())
                modale->close();
            return;
        }
        const QString etape = etapes[suivante++].trimmed();
        const bool attend = etape.startsWith(u"fenetre "_s);
        if (!attend)
            QTimer::singleShot(0, this, &TestSoiree::joue);
        const QString refus = execute(etape);
        if (attend)
            QTimer::singleShot(0, this, &TestSoiree::joue);
        if (!refus.isEmpty() && erreur.isEmpty()) {
            erreur = u"ligne %1 « %2 » : %3"_s.arg(suivante).arg(etape, refus);
            for (qsizetype i = boitesVues; i < t->p.boites.size(); ++i)
                erreur += u"\n  boîte : "_s + t->p.boites[i].texte;
        }
    }

    template <typename T = QWidget>
    T *controle(const QString &nom) const
    {
        return fenetre ? fenetre->findChild<T *>(nom) : nullptr;
    }
    QString clique(const QString &nom)
    {
        auto *bouton = controle<QAbstractButton>(nom);
        if (!bouton || !bouton->isVisible() || !bouton->isEnabled())
            return u"pas de bouton %1 visible et actif"_s.arg(nom);
        // A check box or an option button is clicked on its mark, not beyond its text.
        const QPoint point = bouton->isCheckable() && !qobject_cast<QPushButton *>(bouton)
                                 ? QPoint(8, bouton->height() / 2)
                                 : bouton->rect().center();
        QTest::mouseClick(bouton, Qt::LeftButton, {}, point);
        return {};
    }
    QString tape(const QString &nom, const QString &saisie)
    {
        auto *boite = controle<QLineEdit>(nom);
        if (!boite || !boite->isVisible() || !boite->isEnabled() || boite->isReadOnly())
            return u"pas de boîte %1 ouverte à la saisie"_s.arg(nom);
        boite->setFocus();
        boite->selectAll();
        QTest::keyClicks(boite, saisie);
        return {};
    }
    QWidget *focus() const
    {
        return fenetre->focusWidget() ? fenetre->focusWidget() : fenetre;
    }

    // The steps' words: "fenetre F" the window of that class; "clic c", "tape c texte",
    // "touche Entrée|Tab", "onglet titre", "choisit entrée de liste"; what the platform will
    // answer: "repond oui|non", "fichier liste" (a list of etapes/, outside the program folder),
    // "saisie texte", "hasard valeur fois";
    // checks: "message texte" (the next box, "…" ending a beginning), "voit c texte" ("titre"
    // for the caption), "grille ligne colonne texte"; "table n points... [xN deals] [bN] [cN]"
    // types the scores of a table and clicks "&OK".
    QString execute(const QString &etape)
    {
        const QString verbe = etape.section(u' ', 0, 0), nom = etape.section(u' ', 1, 1);
        const QString reste = etape.section(u' ', 2), tout = etape.section(u' ', 1);
        const bool action = QStringList{u"clic"_s, u"tape"_s, u"touche"_s, u"table"_s, u"choisit"_s, u"onglet"_s}
                                .contains(verbe);
        if (action && t->p.boites.size() > boitesVues)
            return u"boîte inattendue : "_s + t->p.boites[boitesVues].texte;
        if (verbe == u"fenetre") {
            fenetre = nullptr;
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->isVisible() && QLatin1String(w->metaObject()->className()) == nom)
                    fenetre = w;
            if (!fenetre)
                return u"fenêtre absente"_s;
            fenetre->activateWindow();
            if (!QTest::qWaitForWindowActive(fenetre))
                return u"la fenêtre ne prend pas le clavier"_s;
        } else if (verbe == u"clic") {
            return clique(nom);
        } else if (verbe == u"tape") {
            return tape(nom, reste);
        } else if (verbe == u"touche") {
            QTest::keyClick(focus(), nom == u"Tab" ? Qt::Key_Tab : Qt::Key_Return);
        } else if (verbe == u"onglet") {
            auto *onglets = controle<QTabWidget>(u"SSTab1"_s);
            for (int i = 0; onglets && i < onglets->count(); ++i)
                if (onglets->tabText(i) == tout)
                    QTest::mouseClick(onglets->tabBar(), Qt::LeftButton, {}, onglets->tabBar()->tabRect(i).center());
            if (!onglets || onglets->tabText(onglets->currentIndex()) != tout)
                return u"onglet absent"_s;
        } else if (verbe == u"choisit") {
            auto *liste = controle<QListWidget>(u"lstTournois"_s);
            const auto trouves = liste ? liste->findItems(tout, Qt::MatchExactly) : QList<QListWidgetItem *>();
            if (trouves.isEmpty())
                return u"entrée absente"_s;
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(trouves[0]).center());
        } else if (verbe == u"repond") {
            t->p.reponses.enqueue(nom == u"oui");
        } else if (verbe == u"fichier") {
            t->p.fichiersChoisis.enqueue(QStringLiteral(ICI "/etapes/") + tout);
        } else if (verbe == u"saisie") {
            t->p.saisies.enqueue(tout);
        } else if (verbe == u"hasard") {
            for (int i = 0; i < reste.toInt(); ++i)
                t->p.hasards.enqueue(nom.toDouble());
        } else if (verbe == u"message") {
            if (t->p.boites.size() == boitesVues)
                return u"aucune boîte"_s;
            const QString vu = t->p.boites[boitesVues++].texte;
            if (tout.endsWith(u'…') ? !vu.startsWith(tout.chopped(1)) : vu != tout)
                return u"la boîte dit : "_s + vu;
        } else if (verbe == u"voit") {
            // The text of a box, a label or a button.
            const QWidget *c = controle(nom);
            const QString vu = nom == u"titre" ? fenetre->windowTitle() : c ? c->property("text").toString() : u"rien"_s;
            if (vu != reste)
                return u"on voit : "_s + vu;
        } else if (verbe == u"grille") {
            auto *grille = controle<QAbstractItemView>(u"Grid1"_s);
            const QString vu = CaseGrille(grille->model(), nom.toInt(), reste.section(u' ', 0, 0).toInt());
            if (vu != reste.section(u' ', 1))
                return u"la case montre : "_s + vu;
        } else if (verbe == u"table") {
            QString refus = clique(u"cmdEffacer"_s);
            refus += tape(u"txtNT"_s, nom);
            QTest::keyClick(focus(), Qt::Key_Return);
            for (const QString &mot : reste.split(u' ', Qt::SkipEmptyParts)) {
                if (const int i = QStringView(u"xbc").indexOf(mot[0]); i >= 0) {
                    refus += tape(QStringList{u"txtNPA"_s, u"txtNbBelotes"_s, u"txtNbCapots"_s}[i], mot.mid(1));
                } else {
                    QTest::keyClicks(focus(), mot);
                    QTest::keyClick(focus(), Qt::Key_Return);
                }
            }
            return refus + clique(u"cmdOK"_s);
        } else if (!verbe.isEmpty() && verbe[0] != u'#') {
            return u"étape inconnue"_s;
        }
        return {};
    }

    // Every file of the program folder against those of the expected folder, byte for byte.
    void compareDossier(const QString &jeu)
    {
        const QDir attendu(QStringLiteral(ICI "/attendu/") + jeu);
        const auto obtenus = t->instantane();
        QCOMPARE(obtenus.keys(), attendu.entryList(QDir::Files));
        for (auto [nom, octets] : obtenus.asKeyValueRange()) {
            QFile f(attendu.filePath(nom));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray attendus = f.readAll();
            QVERIFY2(octets == attendus, qPrintable(nom + u", "_s + Difference(DepuisCp1252(octets).split(u'\n'),
                                                                              DepuisCp1252(attendus).split(u'\n'))));
        }
    }

private slots:
    void cleanup()
    {
        depart.reset();
        t.reset();
    }

    // One row for each script of etapes/.
    void soiree_data()
    {
        QTest::addColumn<QString>("jeu");
        for (const QFileInfo &script : QDir(QStringLiteral(ICI "/etapes")).entryInfoList({u"*.txt"_s}))
            QTest::newRow(qPrintable(script.completeBaseName())) << script.completeBaseName();
    }
    void soiree()
    {
        QFETCH(QString, jeu);
        QFile script(QStringLiteral(ICI "/etapes/") + jeu + u".txt"_s);
        QVERIFY(script.open(QIODevice::ReadOnly | QIODevice::Text));
        etapes = QString::fromUtf8(script.readAll()).split(u'\n');
        suivante = boitesVues = 0;
        erreur.clear();
        fini = false;
        fenetre = nullptr;
        t = std::make_unique<Tournoi>();
        t->m.NumTournoi.clear();
        depart = std::make_unique<frm00>(t->m);
        depart->Demarre();
        depart->show();
        QVERIFY(QTest::qWaitForWindowExposed(depart.get()));
        QTimer::singleShot(0, this, &TestSoiree::joue);
        QVERIFY(QTest::qWaitFor([this] { return fini; }, 120000));
        QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
        QVERIFY2(t->p.boites.size() == boitesVues, qPrintable(u"boîte inattendue : "_s + t->p.dernierTexte()));
        compareDossier(jeu);
    }
};

QTEST_MAIN(TestSoiree)
#include "test_soiree.moc"
