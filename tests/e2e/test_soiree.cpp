// A whole evening for each game, played only through the windows, with the
// mouse and the keyboard, as the organiser plays it; then every file the
// program left in its folder is compared with the bytes expected of it.
#include "app/frm00.h"
#include "support/tournoi.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
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
    QTemporaryDir ailleurs;   // where the organiser keeps his list of players
    QWidget *fenetre = nullptr; // the window the steps speak to
    QStringList etapes;
    qsizetype suivante = 0;
    qsizetype boitesVues = 0;
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
        const QString etape = etapes[suivante++];
        const bool attend = etape.startsWith(u"fenetre "_s);
        if (!attend)
            QTimer::singleShot(0, this, &TestSoiree::joue);
        const QString refus = execute(etape);
        if (attend)
            QTimer::singleShot(0, this, &TestSoiree::joue);
        if (!refus.isEmpty() && erreur.isEmpty()) {
            erreur = u"étape %1 « %2 » : %3"_s.arg(suivante).arg(etape, refus);
            for (qsizetype i = boitesVues; i < t->p.boites.size(); ++i)
                erreur += u"\n  boîte : "_s + t->p.boites[i].texte;
        }
    }

    template <typename T = QWidget>
    T *controle(const QString &nom) const
    {
        return fenetre ? fenetre->findChild<T *>(nom) : nullptr;
    }
    static QString texte(const QWidget *c)
    {
        if (auto *boite = qobject_cast<const QLineEdit *>(c))
            return boite->text();
        if (auto *libelle = qobject_cast<const QLabel *>(c))
            return libelle->text();
        if (auto *bouton = qobject_cast<const QAbstractButton *>(c))
            return bouton->text();
        return c->windowTitle();
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
    // answer: "repond oui|non", "fichier chemin", "saisie texte", "hasard valeur fois";
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
            t->p.fichiersChoisis.enqueue(QString(tout).replace(u"{ailleurs}"_s, ailleurs.path()));
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
            QWidget *c = nom == u"titre" ? fenetre : controle(nom);
            if (!c || texte(c) != reste)
                return u"on voit : "_s + (c ? texte(c) : u"rien"_s);
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
                if (mot[0] == u'x' || mot[0] == u'b' || mot[0] == u'c') {
                    const char *boites[] = {"txtNPA", "txtNbBelotes", "txtNbCapots"};
                    refus += tape(QLatin1String(boites[QStringLiteral("xbc").indexOf(mot[0])]), mot.mid(1));
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
        const QDir attendu(QStringLiteral(ATTENDU "/") + jeu);
        const auto obtenus = t->instantane();
        QCOMPARE(obtenus.keys(), attendu.entryList(QDir::Files));
        for (auto [nom, octets] : obtenus.asKeyValueRange()) {
            QFile f(attendu.filePath(nom));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString d = Difference(DepuisCp1252(octets).split(u'\n'), DepuisCp1252(f.readAll()).split(u'\n'));
            QVERIFY2(d.isEmpty(), qPrintable(nom + u", "_s + d));
        }
    }

private slots:
    void cleanup()
    {
        depart.reset();
        t.reset();
    }

    void soiree_data();
    void soiree()
    {
        QFETCH(QString, jeu);
        QFETCH(QByteArray, liste);
        QFETCH(QString, script);
        t = std::make_unique<Tournoi>();
        t->m.NumTournoi.clear();
        QFile csv(ailleurs.filePath(u"inscrits.csv"_s));
        QVERIFY(csv.open(QIODevice::WriteOnly) && csv.write(liste) == liste.size());
        csv.close();
        etapes.clear();
        for (const QString &ligne : script.split(u'\n'))
            if (!ligne.trimmed().isEmpty())
                etapes << ligne.trimmed();
        suivante = boitesVues = 0;
        erreur.clear();
        fini = false;
        fenetre = nullptr;

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

// The steps shared by every game between the first round and the second: the
// table list and the score sheets of round 1 printed.
static const QString Impressions = uR"(
    clic cmdTables
    fenetre frmRepart
    clic cmdImprTable
    saisie 0
    clic cmdImprFM
    fenetre frmOptFeuilles
    clic cmdEtat
    fenetre frmRepart
    clic cmdFin
)"_s;

// A round with its deals and its times, typed from the keyboard.
static QString Manche(const QString &parties, const QString &debut, const QString &fin)
{
    return uR"(
    clic cmdManches
    fenetre frmSaiMan
    clic cmdNouveau
    tape txtNPA %1
    touche Entrée
    tape mskDeb %2
    touche Entrée
    tape mskFin %3
    touche Entrée
    clic cmdOK
    clic cmdFin
    fenetre frmTarot1
)"_s.arg(parties, debut, fin);
}

// The tournament closed and opened again from the start window.
static const QString Reouverture = uR"(
    fenetre frm00
    choisit 01 : Coupe d'hiver
    clic cmdOK
    fenetre frmTarot1
    voit pnlNbj  16 inscrits
)"_s;

void TestSoiree::soiree_data()
{
    QTest::addColumn<QString>("jeu");
    QTest::addColumn<QByteArray>("liste");
    QTest::addColumn<QString>("script");

    const QByteArray joueurs = "DUPONT;Jean\nLEFÈVRE;Hélène\nMARTIN;Zoé\nGARÇON;François\nDURAND;Léa\n"
                               "BÉRANGER;Noël\nMOREAU;Chloé\nLAURENT;Jérôme\nSIMON;Amélie\nMICHEL;Gaëlle\n"
                               "LEFEBVRE;Benoît\nROUX;Cécile\nFAURE;Jean Pierre\nANDRÉ;Maëlys\nMERCIER;Raphaël\n"
                               "BLANC;Océane;\n";

    QTest::newRow("tarot") << u"tarot"_s << joueurs << uR"(
    fenetre frm00
    clic cmdNouveau
    fenetre frmOpt
    tape txtTournoi Coupe d'hiver
    clic optMnCard
    tape txtTir0 0
    tape txtTir1 1
    tape txtTir2 2
    tape txtTir3 3
    onglet Divers
    clic Check3
    clic cmdOK
    fenetre frmTarot1
    voit titre Coupe d'hiver - 07/03/2026
    clic cmdInscr
    fenetre frmSaiJou
    repond oui
    fichier {ailleurs}/inscrits.csv
    clic cmdCSV
    message Attention, cette option efface…
    message Terminé.
    clic cmdFin
    fenetre frmTarot1
    voit pnlNbj  16 inscrits
    clic cmdCoch1
    message Vous ne pouvez pas modifier les coches car vous avez choisi un tirage au sort de type "Tournoi".
    )"_s + Manche(u"2"_s, u"2000"_s, u"2130"_s) + uR"(
    hasard 0.99 16
    repond oui
    clic cmdTirage
    message Vous allez effectuer le tirage…
    message Tirage au sort de la manche 1 terminé.
    )"_s + Impressions + uR"(
    fenetre frmTarot1
    clic cmdScores
    fenetre frmSaiSco
    table 1 75 -5 -30 -40
    table 2 50 10 -25 -45
    message Le total des points ne balance pas : il manque 10 points.
    tape txtNPO1 20
    clic cmdOK
    voit lblMsg INFORMATIONS ENREGISTREES !
    table 3 90 -15 -35 -40
    table 4 30 -10 -10 -10
    clic cmdFin
    fenetre frmTarot1
    voit pnlManche3 Terminée
    grille 1 1 8
    grille 1 7 90
    )"_s + Manche(u"3"_s, u"2140"_s, u"2300"_s) + uR"(
    repond oui
    clic cmdTirage
    message Vous allez effectuer le tirage…
    message Tirage au sort de la manche 2 terminé.
    clic cmdScores
    fenetre frmSaiSco
    table 1 20 40 -30 -30
    table 2 -60 20 20 20
    table 3 10 10 10 -30
    table 4 0 0 0 0 x2
    clic cmdFin
    fenetre frmTarot1
    voit pnlManche3 Terminée
    clic cmdImpr
    )"_s + Reouverture;

    const QByteArray equipes = "DUPONT Jean;MARTIN Zoé\nLEFÈVRE Hélène;GARÇON François\nDURAND Léa;BÉRANGER Noël\n"
                               "MOREAU Chloé;LAURENT Jérôme\nSIMON Amélie;MICHEL Gaëlle\nLEFEBVRE Benoît;ROUX Cécile\n"
                               "FAURE Jean-Pierre;ANDRÉ Maëlys\nMERCIER Raphaël;BLANC Océane\nGIRARD Loïc;BONNET Inès\n"
                               "FRANÇOIS Agnès;LEGRAND Anaïs\nGAUTHIER Joël;PERRIN Hervé\nROBIN Gérard;CLÉMENT Aurélie\n"
                               "MORIN Sébastien;NICOLAS Thérèse\nHENRY Frédéric;ROUSSEL Mélanie\nMATHIEU Grégoire;GARNIER Béatrice\n"
                               "CHEVALIER René;FRANÇOIS Clément\n";
    QTest::newRow("belote") << u"belote"_s << equipes << uR"(
    fenetre frm00
    clic cmdNouveau
    fenetre frmOpt
    tape txtTournoi Coupe d'hiver
    clic optBelote
    clic optM1Vert
    clic optMnForts
    onglet Divers
    clic Check3
    tape txtTotBel 162
    clic cmdOK
    fenetre frmTarot1
    clic cmdInscr
    fenetre frmSaiJou
    repond oui
    fichier {ailleurs}/inscrits.csv
    clic cmdCSV
    message Attention, cette option efface…
    message Terminé.
    clic cmdFin
    fenetre frmTarot1
    voit pnlNbj  16 inscrits
    )"_s + Manche(u"2"_s, u"2000"_s, u"2130"_s) + uR"(
    clic cmdCoch1
    fenetre frmConfirm
    clic optCoche1
    clic cmdOK
    fenetre frmTarot1
    clic cmdTirage
    message Aucun participant à cette manche.
    clic cmdCoch1
    fenetre frmConfirm
    clic optCoche0
    clic cmdOK
    fenetre frmTarot1
    repond oui
    clic cmdTirage
    message Vous allez effectuer le tirage…
    message Tirage au sort de la manche 1 terminé.
    )"_s + Impressions + uR"(
    fenetre frmTarot1
    clic cmdScores
    fenetre frmSaiSco
    table 1 200 124
    table 2 150 174 b1
    message Le total des points n'est pas égal à 344 : il manque 20 points.
    tape txtNPO1 194
    clic cmdOK
    voit lblMsg INFORMATIONS ENREGISTREES !
    table 3 100 224
    table 4 250 74
    table 5 162 162
    table 6 390 24 c1
    table 7 120 204
    table 8 180 144
    clic cmdFin
    fenetre frmTarot1
    voit pnlManche3 Terminée
    grille 1 1 6
    grille 1 7 390
    )"_s + Manche(u"3"_s, u"2140"_s, u"2300"_s) + uR"(
    repond oui
    clic cmdTirage
    message Vous allez effectuer le tirage…
    message Tirage au sort de la manche 2 terminé.
    clic cmdScores
    fenetre frmSaiSco
    table 1 300 186
    table 2 243 243
    table 3 400 86
    table 4 200 286
    table 5 100 386
    table 6 250 236
    table 7 86 400
    table 8 486 0
    clic cmdFin
    fenetre frmTarot1
    voit pnlManche3 Terminée
    clic cmdImpr
    )"_s + Reouverture;

    QTest::newRow("belote individuelle") << u"beloteind"_s << joueurs << uR"(
    fenetre frm00
    clic cmdNouveau
    fenetre frmOpt
    tape txtTournoi Coupe d'hiver
    clic optBeloteInd
    onglet Divers
    clic Check3
    tape txtTotBel 162
    clic cmdOK
    fenetre frmTarot1
    clic cmdInscr
    fenetre frmSaiJou
    repond oui
    fichier {ailleurs}/inscrits.csv
    clic cmdCSV
    message Attention, cette option efface…
    message Terminé.
    clic cmdFin
    fenetre frmTarot1
    clic cmdCoch1
    fenetre frmConfirm
    clic optCoche0
    clic cmdOK
    fenetre frmTarot1
    )"_s + Manche(u"2"_s, u"2000"_s, u"2130"_s) + uR"(
    hasard 0.99 16
    repond oui
    clic cmdTirage
    message Vous allez effectuer le tirage…
    message Tirage au sort de la manche 1 terminé.
    )"_s + Impressions + uR"(
    fenetre frmTarot1
    clic cmdScores
    fenetre frmSaiSco
    table 1 200 100 248 100
    table 2 150 150 150 150 b1
    message Le total des points n'est pas égal à 688 : il manque 88 points.
    tape txtNPO3 238
    clic cmdOK
    voit lblMsg INFORMATIONS ENREGISTREES !
    table 3 162 162 162 162
    table 4 300 48 200 100
    clic cmdFin
    fenetre frmTarot1
    voit pnlManche3 Terminée
    grille 1 1 4
    grille 1 7 300
    )"_s + Manche(u"3"_s, u"2140"_s, u"2300"_s) + uR"(
    hasard 0 16
    repond oui
    clic cmdTirage
    message Vous allez effectuer le tirage…
    message Tirage au sort de la manche 2 terminé.
    clic cmdScores
    fenetre frmSaiSco
    table 1 243 243 243 243
    table 2 300 186 300 186
    table 3 400 86 400 86
    table 4 500 0 472 0
    clic cmdFin
    fenetre frmTarot1
    voit pnlManche3 Terminée
    clic cmdImpr
    )"_s + Reouverture;
}

QTEST_MAIN(TestSoiree)
#include "test_soiree.moc"
