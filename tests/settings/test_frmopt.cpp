#include "settings/frmOpt.h"
#include "support/tournoi.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>

using namespace Qt::StringLiterals;

class TestFrmOpt : public QObject
{
    Q_OBJECT
private slots:
    void chargement_data();
    void chargement();
    void sansEffet_data();
    void sansEffet();
    void tournoiOuvert();
    void nouveauTournoi();
};

namespace {

// Actions separated by spaces: "nom=texte" sets a box, "nom" clicks a button.
void Saisit(const frmOpt &f, const QString &actions)
{
    for (const QString &action : actions.split(u' ', Qt::SkipEmptyParts))
        action.contains(u'=') ? Controle<QLineEdit>(&f, action.section(u'=', 0, 0))->setText(action.section(u'=', 1))
                              : Controle<QAbstractButton>(&f, action)->click();
}

// After the actions, the named controls that are ticked ("*"), disabled ("-") or hold a text ("=text").
QString Etat(const frmOpt &f, const QString &actions, const QString &noms)
{
    Saisit(f, actions);
    QString etat;
    for (const QString &nom : noms.split(u' ')) {
        const auto *c = Controle<QWidget>(&f, nom);
        const QString texte = c->inherits("QLineEdit") ? c->property("text").toString() : QString();
        const QString marques = (c->property("checked").toBool() ? u"*"_s : QString())
                                + (c->isEnabled() ? QString() : u"-"_s) + (texte.isEmpty() ? QString() : u'=' + texte);
        etat += marques.isEmpty() ? QString() : u' ' + nom + marques;
    }
    return etat.mid(1);
}

} // namespace

void TestFrmOpt::chargement_data()
{
    // Game, draws, entrants, round with a table, and the belote values the model holds.
    Colonnes<QString, QString>("reglages", "attendu");

    QTest::newRow("tarot, valeurs à 0") << u"TAROT ALEATOIRE ALEATOIRE 0 0 0 0 0"_s
                                        << u"optTarot* optM1Aleat* optMnAleat* txtTir1- txtTotBel- txtPtsBel-=0 "
                                           "txtPtsCap-=0"_s;
    QTest::newRow("belote avec inscrits") << u"BELOTE TOURNOI VERTICAL 3 2 162 30 100"_s
                                          << u"optTarot- optBelote*- optBeloteInd- optM1Vert* optMnCard* txtTir1=1 "
                                             "txtTotBel=162 txtPtsBel=30 txtPtsCap=100"_s;
    QTest::newRow("individuel, manche 1 tirée") << u"BELOTEIND FORTS ALEATOIRE 1 1 0 20 90"_s
                                                << u"optTarot- optBelote- optBeloteInd*- optM1Aleat*- optM1Vert- "
                                                   "optMnCard- optMnForts* txtTir1- txtPtsBel=20 txtPtsCap=90"_s;
}

void TestFrmOpt::chargement()
{
    QFETCH(QString, reglages);
    const QStringList r = reglages.split(u' ');
    Tournoi t{*TypeJeu::depuisTexte(r[0])};
    std::tie(t.m.Tirage, t.m.TirageManche1) = std::tuple(TirageDepuisTexte(r[1]), TirageDepuisTexte(r[2]));
    t.joueurs(r[3].toInt()).table(r[4].toInt(), 1, {2}).places(); // a table of that round; offsets 0 to 3
    std::tie(t.m.TotalBelote, t.m.PtsBeloteRebelote, t.m.PtsCapot) =
        std::tuple(r[5].toInt(), r[6].toInt(), r[7].toInt());
    frmOpt f(t.m, QString());
    QTEST(Etat(f, {}, u"optTarot optBelote optBeloteInd optM1Aleat optM1Vert optMnAleat optMnCard optMnForts txtTir1 "
                      "txtTotBel txtPtsBel txtPtsCap"_s),
          "attendu");
}

void TestFrmOpt::sansEffet_data()
{
    // fichiers: number of the tournament to create (01: the open one), a file blocked
    // actions: before "Valider", on the "Sons et Alarmes" tab
    // focus: where the focus is then, and the tab shown
    Colonnes<QString, QString, QString, int>("fichiers", "actions", "focus", "onglet");

    QTest::newRow("sans nom") << u"01"_s << u"txtTournoi="_s << u"txtTournoi"_s << 1;
    QTest::newRow("Ouest") << u"01"_s << u"optMnCard txtTir0=1 txtTir3=1.5"_s << u"txtTir3"_s << 0;
    QTest::newRow("Nouveau, total") << u"02"_s << u"txtTotBel=-"_s << u"txtTotBel"_s << 2;
    QTest::newRow("en-tête bloqué") << u"01 T01.DAT"_s << QString() << QString() << 1;
    QTest::newRow("Nouveau, en-tête bloqué") << u"02 T02.DAT"_s << QString() << QString() << 1;
    QTest::newRow("Nouveau, VELMORA.INI bloqué") << u"02 VELMORA.INI"_s << QString() << QString() << 1;
}

// A refusal or a failed write keeps the dialog open; "Annuler" then leaves every file and the open tournament
// as they were.
void TestFrmOpt::sansEffet()
{
    QFETCH(QString, fichiers);
    QFETCH(QString, actions);
    Tournoi t(TypeJeu::Belote);
    t.enregistre();
    const QString nouveau = fichiers.startsWith(u"01"_s) ? QString() : fichiers.left(2), bloque = fichiers.mid(3);
    if (nouveau.isEmpty()) // without it, a failed "Nouveau" must leave no options file
        t.ecrit(u"VELMORA.INI"_s, "AffichMoy=OUI\r\nCtrlBal=OUI\r\nFichierSon5=\r\nFichierSon=\r\n");
    if (!bloque.isEmpty())
        t.bloque(bloque);
    const auto avant = std::pair(t.instantane(), LignesEntete(t.m) + LignesOptions(t.m)); // files and settings
    frmOpt f(t.m, nouveau);
    f.show();
    auto *onglets = Controle<QTabWidget>(&f, u"SSTab1"_s);
    onglets->setCurrentIndex(1);
    Saisit(f, u"txtTournoi=Autre Check7 "_s + actions + u" cmdOK"_s);
    QVERIFY(t.p.boites.size() == 1 && f.isVisible());
    QTEST(f.focusWidget() ? f.focusWidget()->objectName() : QString(), "focus");
    QTEST(onglets->currentIndex(), "onglet");
    Saisit(f, u"cmdAnnuler"_s);
    QVERIFY(!f.isVisible());
    QCOMPARE(std::pair(t.instantane(), LignesEntete(t.m) + LignesOptions(t.m)), avant);
}

// The draw and game options of the open tarot tournament, then what "Valider" stores.
void TestFrmOpt::tournoiOuvert()
{
    Tournoi t;
    t.m.Decalage = {Cellule(), 5, 6, 7, 8};
    t.m.PtsCapot = 32767; // out of bounds, from an older header: kept in the locked box of a tarot tournament
    frmOpt f(t.m, QString());
    QSignalSpy changes(&t.m, &Modele::reglagesChanges);
    const QString tirages = u"optM1Aleat optM1Vert optMnAleat optMnCard optMnForts txtTir0 txtTir3"_s;
    QCOMPARE(Etat(f, u"optMnCard"_s, tirages), u"optM1Aleat* optMnCard* txtTir0=5 txtTir3=8"_s);
    QCOMPARE(f.focusWidget()->objectName(), u"txtTir0"_s);
    QCOMPARE(Etat(f, u"optMnForts"_s, tirages), u"optM1Aleat* optMnForts* txtTir0- txtTir3-"_s);
    QCOMPARE(Etat(f, u"optBeloteInd"_s, tirages), u"optM1Aleat* optMnAleat* optMnCard- txtTir0- txtTir3-"_s);
    // "Répartition verticale" leaves the offsets of the later rounds alone.
    QCOMPARE(Etat(f, u"optTarot optMnCard optM1Vert"_s, tirages), u"optM1Vert* optMnCard* txtTir0=5 txtTir3=8"_s);
    QCOMPARE(Etat(f, u"optBelote"_s, tirages), u"optM1Aleat* optMnAleat* txtTir0- txtTir3-"_s);

    Saisit(f, u"optTarot optMnCard optM1Vert txtTir0=3 txtTir1=-2 txtTir2= txtTir3= Check3 Check7 cmdOK"_s);
    QCOMPARE((Lignes(t.m, u"T01.DAT"_s).mid(2, 5) + Lignes(t.m, u"VELMORA.INI"_s).mid(0, 2)).join(u' '),
             u"Animation=NON CalculAuto=OUI Tirage=TOURNOI TirageManche1=VERTICAL Decalage=3,-2,, AffichMoy=NON "
             "CtrlBal=OUI"_s);
    QCOMPARE(t.m.PtsCapot, 32767);
    QCOMPARE(changes, QList<QList<QVariant>>({{true}})); // the averages were shown before
}

// A new tournament: default choices (the model's belote values and flags are not shown), both alarms and the
// number boxes, then the two files written.
void TestFrmOpt::nouveauTournoi()
{
    Tournoi t;
    std::tie(t.m.TypeJeu, t.m.Tirage, t.m.OptAnimation, t.m.PtsCapot, t.m.FichierSon5) =
        std::tuple(TypeJeu::Belote, TypeTirage::Tournoi, false, 0, u"a.wav"_s);
    frmOpt f(t.m, u"07"_s);
    const QString sons = u"Check1 txtFichSon5 cmdEcouter5 cmdCharger5 Check2 txtFichSon cmdEcouter cmdCharger"_s;
    QCOMPARE(Etat(f, {}, u"optTarot optBelote optM1Aleat optMnAleat optMnCard txtTir0 Check3 Check4 Check6 Check7 "
                         "txtTotBel txtPtsBel txtPtsCap "_s + sons),
             u"optTarot* optM1Aleat* optMnAleat* txtTir0- Check3* Check4* Check6* Check7* txtPtsBel=20 txtPtsCap=90 "
             "Check1* txtFichSon5=a.wav txtFichSon- cmdEcouter- cmdCharger-"_s);
    QCOMPARE(Etat(f, u"cmdEcouter5 Check1"_s, sons),
             u"txtFichSon5- cmdEcouter5- cmdCharger5- txtFichSon- cmdEcouter- cmdCharger-"_s);
    t.p.fichiersChoisis.enqueue(u"/sons/fin.wav"_s);
    Saisit(f, u"Check1 txtFichSon5=b.wav Check2 cmdCharger cmdCharger cmdEcouter txtPtsBel= txtPtsCap= txtTournoi=Café "
              "optBelote optM1Vert optMnCard Check4 Check6"_s);
    // Refused keys beep: a minus past the start or in a box of positive values, letters, points, a sixth digit.
    for (const QString &touches : u"txtTir0=-1a txtTir1=2- txtTotBel=a-. txtPtsBel=-25 txtPtsCap=0123456"_s.split(' '))
        QTest::keyClicks(Controle<QLineEdit>(&f, touches.section(u'=', 0, 0)), touches.section(u'=', 1));
    QCOMPARE(t.p.bips, 8);
    Saisit(f, u"cmdOK"_s);

    QCOMPARE(t.p.sons, QStringList({u"a.wav"_s, u"/sons/fin.wav"_s}));
    QCOMPARE(f.result(), int(QDialog::Accepted));
    QCOMPARE(t.lit(u"VELMORA.INI"_s) + t.lit(u"T07.DAT"_s),
             "AffichMoy=OUI\r\nCtrlBal=NON\r\nFichierSon5=b.wav\r\nFichierSon=/sons/fin.wav\r\nNomTournoi=Caf\xE9\r\n"
             "TypeJeu=BELOTE\r\nAnimation=OUI\r\nCalculAuto=NON\r\nTirage=TOURNOI\r\nTirageManche1=VERTICAL\r\n"
             "Decalage=-1,2,,\r\nTotalBelote=\r\nPtsBeloteRebelote=25\r\nPtsCapot=1234\r\n");
    QCOMPARE(t.m.NomTournoi + u'|' + t.m.FichierSon, u"Coupe du club|/sons/fin.wav"_s);
}

QTEST_MAIN(TestFrmOpt)
#include "test_frmopt.moc"
