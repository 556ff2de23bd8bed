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

template <typename T = QAbstractButton>
T *C(const frmOpt &f, const QString &nom)
{
    return Controle<T>(&f, nom);
}

// Actions separated by spaces: "nom=texte" sets a box, "nom" clicks a button.
void Saisit(const frmOpt &f, const QString &actions)
{
    for (const QString &action : actions.split(u' ', Qt::SkipEmptyParts))
        action.contains(u'=') ? C<QLineEdit>(f, action.section(u'=', 0, 0))->setText(action.section(u'=', 1))
                              : C(f, action)->click();
}

// After the actions, the named controls that are ticked ("*"), disabled ("-") or hold a text ("=text").
QString Etat(const frmOpt &f, const QString &actions, const QString &noms)
{
    Saisit(f, actions);
    QStringList etat;
    for (const QString &nom : noms.split(u' ')) {
        const QWidget *c = C<QWidget>(f, nom);
        const auto *boite = qobject_cast<const QLineEdit *>(c);
        const QString marques = (c->property("checked").toBool() ? u"*"_s : QString())
                                + (c->isEnabled() ? QString() : u"-"_s)
                                + (boite && !boite->text().isEmpty() ? u'=' + boite->text() : QString());
        if (!marques.isEmpty())
            etat << nom + marques;
    }
    return etat.join(u' ');
}

} // namespace

void TestFrmOpt::chargement_data()
{
    QTest::addColumn<QString>("nouveau");  // number of the tournament to create, empty for the open one
    QTest::addColumn<QString>("reglages"); // game, draws, entrants, round with a table, four flags, belote values
    QTest::addColumn<QString>("attendu");

    QTest::newRow("nouveau tournoi") << u"02"_s << u"BELOTE TOURNOI VERTICAL 0 0 0000 162 30 100"_s
                                     << u"optTarot* optM1Aleat* optMnAleat* txtTir1- Check3* Check4* Check6* Check7* "
                                        "txtPtsBel=20 txtPtsCap=90"_s;
    QTest::newRow("tarot, valeurs à 0") << QString() << u"TAROT ALEATOIRE ALEATOIRE 0 0 1010 0 0 0"_s
                                        << u"optTarot* optM1Aleat* optMnAleat* txtTir1- Check3* Check6* txtTotBel- "
                                           "txtPtsBel-=0 txtPtsCap-=0"_s;
    QTest::newRow("tarot, manche 2 tirée") << QString() << u"TAROT FORTS VERTICAL 0 2 0101 0 20 90"_s
                                           << u"optTarot* optM1Vert* optMnForts* txtTir1- Check4* Check7* txtTotBel- "
                                              "txtPtsBel-=20 txtPtsCap-=90"_s;
    QTest::newRow("belote avec inscrits") << QString() << u"BELOTE TOURNOI VERTICAL 3 0 1111 162 30 100"_s
                                          << u"optTarot- optBelote*- optBeloteInd- optM1Vert* optMnCard* txtTir1=-2 "
                                             "Check3* Check4* Check6* Check7* txtTotBel=162 txtPtsBel=30 txtPtsCap=100"_s;
    QTest::newRow("individuel, manche 1 tirée") << QString() << u"BELOTEIND FORTS ALEATOIRE 1 1 0000 0 20 90"_s
                                                << u"optTarot- optBelote- optBeloteInd*- optM1Aleat*- optM1Vert- "
                                                   "optMnCard- optMnForts* txtTir1- txtPtsBel=20 txtPtsCap=90"_s;
}

void TestFrmOpt::chargement()
{
    QFETCH(QString, nouveau);
    QFETCH(QString, reglages);
    const QStringList r = reglages.split(u' ');
    Tournoi t{*TypeJeu::depuisTexte(r[0])};
    t.m.Tirage = TirageDepuisTexte(r[1]);
    t.m.TirageManche1 = TirageDepuisTexte(r[2]);
    t.joueurs(r[3].toInt());
    t.m.Scores(ColScore::Manche, t.m.Scores.ajouteLigne()) = 1; // round 1 without a table number yet
    if (r[4] != u"0")
        t.table(r[4].toInt(), 1, {2});
    std::tie(t.m.OptAnimation, t.m.OptCalculAuto, t.m.OptCtrlBal, t.m.OptAffichMoy) =
        std::tuple(r[5][0] == u'1', r[5][1] == u'1', r[5][2] == u'1', r[5][3] == u'1');
    std::tie(t.m.TotalBelote, t.m.PtsBeloteRebelote, t.m.PtsCapot) =
        std::tuple(r[6].toInt(), r[7].toInt(), r[8].toInt());
    t.m.Decalage = {Cellule(), Cellule(1), Cellule(-2), Cellule(3), Cellule(4)};
    frmOpt f(t.m, nouveau);
    QTEST(Etat(f, {}, u"optTarot optBelote optBeloteInd optM1Aleat optM1Vert optMnAleat optMnCard optMnForts txtTir1 "
                      "Check3 Check4 Check6 Check7 txtTotBel txtPtsBel txtPtsCap"_s),
          "attendu");
}

void TestFrmOpt::sansEffet_data()
{
    QTest::addColumn<QString>("nouveau");
    QTest::addColumn<QString>("bloque");  // a file that cannot be written
    QTest::addColumn<QString>("actions"); // before "Valider", clicked on the "Sons et Alarmes" tab
    QTest::addColumn<QString>("focus");   // where a refusal sends the focus, and the tab then shown
    QTest::addColumn<int>("onglet");

    QTest::newRow("sans nom") << QString() << QString() << u"txtTournoi="_s << u"txtTournoi"_s << 1;
    QTest::newRow("Ouest") << QString() << QString() << u"optMnCard txtTir0=1 txtTir3=1.5"_s << u"txtTir3"_s << 0;
    QTest::newRow("Nouveau, total") << u"02"_s << QString() << u"txtTotBel=-"_s << u"txtTotBel"_s << 2;
    QTest::newRow("en-tête bloqué") << QString() << u"T01.DAT"_s << QString() << QString() << 1;
    QTest::newRow("Nouveau, en-tête bloqué") << u"02"_s << u"T02.DAT"_s << QString() << QString() << 1;
    QTest::newRow("Nouveau, VELMORA.INI bloqué") << u"02"_s << u"VELMORA.INI"_s << QString() << QString() << 1;
}

// A refusal or a failed write keeps the dialog open; "Annuler" then leaves every file and the open tournament
// as they were.
void TestFrmOpt::sansEffet()
{
    QFETCH(QString, nouveau);
    QFETCH(QString, bloque);
    QFETCH(QString, focus);
    Tournoi t(TypeJeu::Belote);
    t.enregistre();
    if (nouveau.isEmpty()) // without it, a failed "Nouveau" must leave no options file
        t.ecrit(u"VELMORA.INI"_s, "AffichMoy=OUI\r\nCtrlBal=OUI\r\nFichierSon5=\r\nFichierSon=\r\n");
    if (!bloque.isEmpty())
        t.bloque(bloque);
    const QMap<QString, QByteArray> avant = t.instantane();
    const QStringList reglages = LignesEntete(t.m) + LignesOptions(t.m);
    frmOpt f(t.m, nouveau);
    f.show();
    QFETCH(QString, actions);
    Saisit(f, u"txtTournoi=Autre Check7 "_s + actions);
    C<QTabWidget>(f, u"SSTab1"_s)->setCurrentIndex(1);
    Saisit(f, u"cmdOK"_s);
    QCOMPARE(t.p.boites.size(), 1);
    QVERIFY(f.isVisible() && (focus.isEmpty() || f.focusWidget()->objectName() == focus));
    QTEST(C<QTabWidget>(f, u"SSTab1"_s)->currentIndex(), "onglet");
    Saisit(f, u"cmdAnnuler"_s);
    QCOMPARE(f.result(), int(QDialog::Rejected));
    QCOMPARE(t.instantane(), avant);
    QCOMPARE(LignesEntete(t.m) + LignesOptions(t.m), reglages);
}

// The draw and game options of the open tarot tournament, then what "Valider" stores.
void TestFrmOpt::tournoiOuvert()
{
    Tournoi t;
    t.m.Decalage = {Cellule(), Cellule(5), Cellule(6), Cellule(7), Cellule(8)};
    t.m.PtsCapot = 32767; // out of bounds, from an older header: kept in the locked box of a tarot tournament
    frmOpt f(t.m, QString());
    f.show();
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
    QVERIFY(t.p.boites.isEmpty());
    QCOMPARE(f.result(), int(QDialog::Accepted));
    QVERIFY(t.m.Decalage[2].estNombre());
    QCOMPARE(Lignes(t.m, u"T01.DAT"_s).mid(2, 5).join(u' '),
             u"Animation=NON CalculAuto=OUI Tirage=TOURNOI TirageManche1=VERTICAL Decalage=3,-2,,"_s);
    QCOMPARE(Lignes(t.m, u"VELMORA.INI"_s).mid(0, 2).join(u' '), u"AffichMoy=NON CtrlBal=OUI"_s);
    QCOMPARE(t.m.PtsCapot, 32767);
    QCOMPARE(changes.size(), 1);
    QVERIFY(changes[0][0].toBool()); // the averages were shown before
}

// A new tournament: both alarms and the number boxes, then the two files written.
void TestFrmOpt::nouveauTournoi()
{
    Tournoi t;
    t.m.FichierSon5 = u"a.wav"_s;
    frmOpt f(t.m, u"07"_s);
    const QString sons = u"Check1 txtFichSon5 cmdEcouter5 cmdCharger5 Check2 txtFichSon cmdEcouter cmdCharger"_s;
    QCOMPARE(Etat(f, {}, sons), u"Check1* txtFichSon5=a.wav txtFichSon- cmdEcouter- cmdCharger-"_s);
    QCOMPARE(Etat(f, u"cmdEcouter5 Check1"_s, sons),
             u"txtFichSon5- cmdEcouter5- cmdCharger5- txtFichSon- cmdEcouter- cmdCharger-"_s);
    t.p.fichiersChoisis.enqueue(u"/sons/fin.wav"_s);
    Saisit(f, u"Check1 txtFichSon5=b.wav Check2 cmdCharger cmdCharger cmdEcouter txtPtsBel= txtPtsCap="_s);
    // Refused keys beep: a minus past the start or in a box of positive values, letters, points, a sixth digit.
    const std::pair<QString, QString> touches[] = {{u"txtTir0"_s, u"-1a"_s}, {u"txtTir1"_s, u"2-"_s},
        {u"txtTotBel"_s, u"a-."_s}, {u"txtPtsBel"_s, u"-25"_s}, {u"txtPtsCap"_s, u"0123456"_s}};
    Saisit(f, u"txtTournoi=Café optBelote optM1Vert optMnCard Check4 Check6"_s);
    for (const auto &[boite, texte] : touches)
        QTest::keyClicks(C<QLineEdit>(f, boite), texte);
    QCOMPARE(t.p.bips, 8);
    Saisit(f, u"cmdOK"_s);

    QVERIFY(t.p.boites.isEmpty());
    QCOMPARE(t.p.sons, QStringList({u"a.wav"_s, u"/sons/fin.wav"_s}));
    QCOMPARE(f.result(), int(QDialog::Accepted));
    QCOMPARE(t.lit(u"VELMORA.INI"_s),
             QByteArray("AffichMoy=OUI\r\nCtrlBal=NON\r\nFichierSon5=b.wav\r\nFichierSon=/sons/fin.wav\r\n"));
    QCOMPARE(t.lit(u"T07.DAT"_s),
             QByteArray("NomTournoi=Caf\xE9\r\nTypeJeu=BELOTE\r\nAnimation=OUI\r\nCalculAuto=NON\r\nTirage=TOURNOI\r\n"
                        "TirageManche1=VERTICAL\r\nDecalage=-1,2,,\r\nTotalBelote=\r\nPtsBeloteRebelote=25\r\n"
                        "PtsCapot=1234\r\n"));
    QCOMPARE(t.m.NomTournoi + u'|' + t.m.FichierSon, u"Coupe du club|/sons/fin.wav"_s);
}

QTEST_MAIN(TestFrmOpt)
#include "test_frmopt.moc"
