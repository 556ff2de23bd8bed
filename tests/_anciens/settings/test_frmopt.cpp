#include "ranking/frmTarot1.h"
#include "settings/frmOpt.h"
#include "store/modele.h"
#include "support/plateformetest.h"

#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFrmOpt : public QObject
{
    Q_OBJECT
private slots:
    void refus_data();
    void refus();
    void chargement_data();
    void chargement();
    void drapeaux_data();
    void drapeaux();
    void valeursBelote_data();
    void valeursBelote();
    void decalagesTournoi();
    void changementDeJeu();
    void alarmes_data();
    void alarmes();
    void abandon_data();
    void abandon();
    void validationEcritLesFichiers();
    void echecEcriture();
};

namespace {

const QString MessageSon = u"Choisissez un fichier son ou désactivez l'alarme !"_s;

// A tournament in a directory of its own; an open TAROT tournament unless `nouveau`.
struct Banc
{
    PlateformeTest p;
    QTemporaryDir dossier;
    Modele m{p};

    explicit Banc(bool nouveau = false)
    {
        m.RepProgramme = dossier.path();
        m.NumTournoi = u"01"_s;
        m.TournoiChoisi = nouveau;
        if (!nouveau) {
            m.NomTournoi = u"Club"_s;
            m.TypeJeu = *TypeJeu::depuisTexte(u"TAROT"_s);
            m.Tirage = TirageDepuisTexte(m.TirageManche1 = u"ALEATOIRE"_s);
        }
    }
    QByteArray fichier(const QString &nom) const
    {
        QFile f(m.Chemin(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

template <typename W = QWidget>
W *C(const QObject &f, const QString &nom)
{
    auto *controle = f.findChild<W *>(nom);
    if (!controle)
        qFatal("no control %s", qPrintable(nom));
    return controle;
}

void Clique(const QObject &f, const QString &nom)
{
    C<QAbstractButton>(f, nom)->click();
}

QString Texte(const QObject &f, const QString &nom)
{
    return C<QLineEdit>(f, nom)->text();
}

void Tape(const QObject &f, const QString &nom, const QString &texte)
{
    C<QLineEdit>(f, nom)->setText(texte);
}

bool Coche(const QObject &f, const QString &nom)
{
    return C<QAbstractButton>(f, nom)->isChecked();
}

} // namespace

void TestFrmOpt::refus_data()
{
    QTest::addColumn<QString>("alarme"); // check box ticked without a file
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("tournoi");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("onglet");

    const QString sansNom = u"Donnez un nom à votre tournoi svp !"_s;
    const QString sansDecalage = u"Renseignez les valeurs des décalages de tables s.v.p."_s;
    QTest::newRow("alarme 5 mn") << u"Check1"_s << u"Club"_s << false << MessageSon << u"Check1"_s << 2;
    QTest::newRow("alarme de fin") << u"Check2"_s << u"Club"_s << false << MessageSon << u"Check2"_s << 2;
    QTest::newRow("alarme avant le nom") << u"Check2"_s << QString() << true << MessageSon << u"Check2"_s << 2;
    QTest::newRow("sans nom") << QString() << QString() << false << sansNom << u"txtTournoi"_s << 2;
    QTest::newRow("nom avant décalages") << QString() << QString() << true << sansNom << u"txtTournoi"_s << 2;
    QTest::newRow("Tournoi sans décalage") << QString() << u"Club"_s << true << sansDecalage << u"txtTir0"_s << 0;
}

void TestFrmOpt::refus()
{
    QFETCH(QString, alarme);
    QFETCH(QString, nom);
    QFETCH(bool, tournoi);
    Banc b(true);
    b.m.OptAnnule = true;
    frmOpt f(b.m, nullptr);
    f.show();
    if (!alarme.isEmpty())
        Clique(f, alarme);
    if (tournoi)
        Clique(f, u"optMnCard"_s);
    Tape(f, u"txtTournoi"_s, nom);
    C<QTabWidget>(f, u"SSTab1"_s)->setCurrentIndex(2);
    Clique(f, u"cmdOK"_s);

    QCOMPARE(b.p.boites.size(), 1);
    QCOMPARE(b.p.boites[0].icone, Plateforme::Icone::Exclamation);
    QCOMPARE(b.p.boites[0].titre, u"ERREUR"_s);
    QTEST(b.p.boites[0].texte, "message");
    QTEST(f.focusWidget()->objectName(), "focus");
    QTEST(C<QTabWidget>(f, u"SSTab1"_s)->currentIndex(), "onglet");
    QVERIFY(f.isVisible());
    QVERIFY(b.m.OptAnnule);
    QVERIFY(!b.m.FichierExiste(u"VELMORA.INI"_s));
}

void TestFrmOpt::chargement_data()
{
    QTest::addColumn<bool>("nouveau");
    QTest::addColumn<QString>("typeJeu");
    QTest::addColumn<QString>("tirage");
    QTest::addColumn<QString>("tirage1");
    QTest::addColumn<int>("inscrits");
    QTest::addColumn<int>("mancheTiree"); // round of a drawn table, 0 when none
    QTest::addColumn<QStringList>("coches");
    QTest::addColumn<QStringList>("inactifs"); // among the controls that loading may lock

    const QStringList belote = {u"txtTotBel"_s, u"txtPtsBel"_s, u"txtPtsCap"_s, u"cmdAide4"_s, u"txtTir0"_s};
    const QStringList jeux = {u"optTarot"_s, u"optBelote"_s, u"optBeloteInd"_s};
    QTest::newRow("nouveau tournoi") << true << u"BELOTE"_s << u"TOURNOI"_s << u"VERTICAL"_s << 0 << 0
                                     << QStringList{u"optTarot"_s, u"optM1Aleat"_s, u"optMnAleat"_s, u"Check7"_s}
                                     << QStringList{u"txtTir0"_s};
    QTest::newRow("tarot") << false << u"TAROT"_s << u"ALEATOIRE"_s << u"ALEATOIRE"_s << 0 << 0
                           << QStringList{u"optTarot"_s, u"optM1Aleat"_s, u"optMnAleat"_s} << belote;
    QTest::newRow("tarot, manche 2 tirée") << false << u"TAROT"_s << u"FORTS"_s << u"VERTICAL"_s << 0 << 2
                                           << QStringList{u"optTarot"_s, u"optM1Vert"_s, u"optMnForts"_s} << belote;
    QTest::newRow("belote avec inscrits") << false << u"BELOTE"_s << u"TOURNOI"_s << u"VERTICAL"_s << 3 << 0
                                          << QStringList{u"optBelote"_s, u"optM1Vert"_s, u"optMnCard"_s} << jeux;
    QTest::newRow("individuel, manche 1 tirée")
        << false << u"BELOTEIND"_s << u"FORTS"_s << u"ALEATOIRE"_s << 1 << 1
        << QStringList{u"optBeloteInd"_s, u"optM1Aleat"_s, u"optMnForts"_s}
        << jeux + QStringList{u"optM1Aleat"_s, u"optM1Vert"_s, u"optMnCard"_s, u"txtTir0"_s};
}

void TestFrmOpt::chargement()
{
    QFETCH(bool, nouveau);
    QFETCH(int, inscrits);
    QFETCH(int, mancheTiree);
    QFETCH(QStringList, coches);
    QFETCH(QStringList, inactifs);
    Banc b(nouveau);
    QFETCH(QString, typeJeu);
    QFETCH(QString, tirage);
    QFETCH(QString, tirage1);
    b.m.TypeJeu = *TypeJeu::depuisTexte(typeJeu);
    b.m.Tirage = TirageDepuisTexte(tirage);
    b.m.TirageManche1 = TirageDepuisTexte(tirage1);
    b.m.OptAffichMoy = false;
    b.m.Decalage = {Cellule(), Cellule(1), Cellule(2), Cellule(u""_s), Cellule(4)};
    b.m.Joueurs.redimensionne(inscrits);
    b.m.Scores(1, b.m.Scores.ajouteLigne()) = 1; // round 1 without a table number yet
    if (mancheTiree) {
        const int r = b.m.Scores.ajouteLigne();
        b.m.Scores(1, r) = mancheTiree;
        b.m.Scores(2, r) = 1;
    }
    frmOpt f(b.m, nullptr);

    QVERIFY(!b.m.AncienAffichMoy);
    QCOMPARE(Texte(f, u"txtTournoi"_s), nouveau ? QString() : u"Club"_s);
    for (const QString &nom : {u"optTarot"_s, u"optBelote"_s, u"optBeloteInd"_s, u"optM1Aleat"_s, u"optM1Vert"_s,
                               u"optMnAleat"_s, u"optMnCard"_s, u"optMnForts"_s, u"Check7"_s})
        QVERIFY2(Coche(f, nom) == coches.contains(nom), qPrintable(nom));
    for (const QString &nom : {u"optTarot"_s, u"optBelote"_s, u"optBeloteInd"_s, u"optM1Aleat"_s, u"optM1Vert"_s,
                               u"optMnCard"_s, u"txtTir0"_s, u"txtTotBel"_s, u"txtPtsBel"_s, u"txtPtsCap"_s,
                               u"cmdAide4"_s})
        QVERIFY2(C(f, nom)->isEnabled() != inactifs.contains(nom), qPrintable(nom));
    QCOMPARE(Texte(f, u"txtTir1"_s) + Texte(f, u"txtTir3"_s), coches.contains(u"optMnCard"_s) ? u"24"_s : QString());
}

void TestFrmOpt::drapeaux_data()
{
    QTest::addColumn<int>("i"); // the flag turned off before opening
    QTest::newRow("animation") << 0;
    QTest::newRow("recalcul automatique") << 1;
    QTest::newRow("contrôle balance") << 2;
    QTest::newRow("moyennes") << 3;
}

// Each check box of "Divers" shows and stores its own flag.
void TestFrmOpt::drapeaux()
{
    QFETCH(int, i);
    const QString coches[] = {u"Check3"_s, u"Check4"_s, u"Check6"_s, u"Check7"_s};
    bool Modele::*const drapeaux[] = {&Modele::OptAnimation, &Modele::OptCalculAuto, &Modele::OptCtrlBal,
                                      &Modele::OptAffichMoy};
    Banc b;
    b.m.*drapeaux[i] = false;
    frmOpt f(b.m, nullptr);
    for (int j = 0; j < 4; ++j)
        QCOMPARE(Coche(f, coches[j]), j != i);

    const int suivant = (i + 1) % 4;
    Clique(f, coches[i]);
    Clique(f, coches[suivant]);
    Clique(f, u"cmdOK"_s);
    for (int j = 0; j < 4; ++j)
        QCOMPARE(b.m.*drapeaux[j], j != suivant);
}

void TestFrmOpt::valeursBelote_data()
{
    QTest::addColumn<QList<int>>("enregistres");
    QTest::addColumn<QStringList>("saisies"); // empty: the boxes are left as shown
    QTest::addColumn<QStringList>("affiches");
    QTest::addColumn<QList<int>>("valides");

    QTest::newRow("zéros") << QList<int>{0, 0, 0} << QStringList() << QStringList{u""_s, u"20"_s, u"90"_s}
                           << QList<int>{0, 20, 90};
    QTest::newRow("valeurs") << QList<int>{162, 30, 100} << QStringList()
                             << QStringList{u"162"_s, u"30"_s, u"100"_s} << QList<int>{162, 30, 100};
    QTest::newRow("saisies") << QList<int>{0, 20, 90} << QStringList{u"160"_s, u"12.5"_s, u"x"_s}
                             << QStringList{u""_s, u"20"_s, u"90"_s} << QList<int>{160, 12, 0};
}

// A TAROT tournament: the belote boxes are locked, yet their texts are stored.
void TestFrmOpt::valeursBelote()
{
    QFETCH(QList<int>, enregistres);
    QFETCH(QStringList, saisies);
    const QStringList boites = {u"txtTotBel"_s, u"txtPtsBel"_s, u"txtPtsCap"_s};
    Banc b;
    b.m.TotalBelote = enregistres[0];
    b.m.PtsBeloteRebelote = enregistres[1];
    b.m.PtsCapot = enregistres[2];
    frmOpt f(b.m, nullptr);

    QStringList affiches;
    for (int i = 0; i < 3; ++i) {
        affiches << Texte(f, boites[i]);
        if (!saisies.isEmpty())
            Tape(f, boites[i], saisies[i]);
    }
    QTEST(affiches, "affiches");
    Clique(f, u"cmdOK"_s);
    QTEST((QList<int>{b.m.TotalBelote, b.m.PtsBeloteRebelote, b.m.PtsCapot}), "valides");
}

void TestFrmOpt::decalagesTournoi()
{
    Banc b;
    b.m.Decalage = {Cellule(), Cellule(5), Cellule(6), Cellule(7), Cellule(8)};
    frmOpt f(b.m, nullptr);
    f.show();
    // Each offset box: its text, then + when enabled, - when disabled.
    auto decalages = [&f] {
        QString t;
        for (int k = 0; k < 4; ++k) {
            const auto *boite = C<QLineEdit>(f, u"txtTir"_s + QString::number(k));
            t += boite->text() + (boite->isEnabled() ? u'+' : u'-');
        }
        return t;
    };
    QCOMPARE(decalages(), u"----"_s);
    Clique(f, u"optMnCard"_s);
    QCOMPARE(decalages(), u"5+6+7+8+"_s);
    QCOMPARE(f.focusWidget()->objectName(), u"txtTir0"_s);
    Clique(f, u"optMnForts"_s);
    QCOMPARE(decalages(), u"----"_s);
    Clique(f, u"optMnCard"_s);
    Clique(f, u"optM1Vert"_s); // leaves the offsets of the later rounds alone
    QCOMPARE(decalages(), u"5+6+7+8+"_s);

    Tape(f, u"txtTir0"_s, u"3"_s);
    for (const QString &nom : {u"txtTir1"_s, u"txtTir2"_s, u"txtTir3"_s})
        Tape(f, nom, QString());
    Clique(f, u"cmdOK"_s);
    QVERIFY(b.p.boites.isEmpty());
    QCOMPARE(b.m.Tirage + u'/' + b.m.TirageManche1, u"TOURNOI/VERTICAL"_s);
    QCOMPARE(b.m.Decalage[1], Cellule(u"3"_s));
    QCOMPARE(b.m.Decalage[4], Cellule(u""_s));
    QVERIFY(b.fichier(u"T01.DAT"_s).contains("\r\nDecalage=3,,,\r\n"));
}

void TestFrmOpt::changementDeJeu()
{
    Banc b;
    b.m.Tirage = TirageDepuisTexte(u"TOURNOI"_s);
    b.m.TirageManche1 = TirageDepuisTexte(u"VERTICAL"_s);
    b.m.Decalage = {Cellule(), Cellule(1), Cellule(2), Cellule(3), Cellule(4)};
    frmOpt f(b.m, nullptr);

    Clique(f, u"optBelote"_s);
    QVERIFY(Coche(f, u"optM1Aleat"_s) && Coche(f, u"optMnAleat"_s));
    QVERIFY(!C(f, u"txtTir0"_s)->isEnabled());
    QCOMPARE(Texte(f, u"txtTir0"_s), QString());
    Clique(f, u"optBeloteInd"_s);
    QVERIFY(!C(f, u"optMnCard"_s)->isEnabled());
    Clique(f, u"optTarot"_s);
    QVERIFY(C(f, u"optMnCard"_s)->isEnabled());
}

void TestFrmOpt::alarmes_data()
{
    QTest::addColumn<QString>("suffixe");
    QTest::addColumn<QString>("coche");
    QTest::newRow("5 mn avant la fin") << u"5"_s << u"Check1"_s;
    QTest::newRow("fin de manche") << QString() << u"Check2"_s;
}

void TestFrmOpt::alarmes()
{
    QFETCH(QString, suffixe);
    QFETCH(QString, coche);
    const bool cinqMinutes = !suffixe.isEmpty();
    const QString boite = u"txtFichSon"_s + suffixe, ecouter = u"cmdEcouter"_s + suffixe,
                  charger = u"cmdCharger"_s + suffixe;
    Banc b;
    (cinqMinutes ? b.m.FichierSon5 : b.m.FichierSon) = u"a.wav"_s;
    frmOpt f(b.m, nullptr);
    QVERIFY(Coche(f, coche));

    Clique(f, ecouter);
    QCOMPARE(b.p.sons, QStringList{u"a.wav"_s});
    Clique(f, coche);
    QCOMPARE(Texte(f, boite), QString());
    QVERIFY(!C(f, boite)->isEnabled() && !C(f, ecouter)->isEnabled() && !C(f, charger)->isEnabled());
    Clique(f, coche);
    QVERIFY(C(f, boite)->isEnabled() && C(f, ecouter)->isEnabled() && C(f, charger)->isEnabled());

    const QString choisi = b.dossier.filePath(u"alarme.wav"_s);
    b.p.fichiersChoisis.enqueue(choisi);
    Clique(f, charger);
    Clique(f, charger); // cancelled: the box keeps its file
    QCOMPARE(Texte(f, boite), choisi);
    Clique(f, u"cmdOK"_s);
    QVERIFY(b.p.boites.isEmpty());
    QCOMPARE(b.m.FichierSon5, cinqMinutes ? choisi : QString());
    QCOMPARE(b.m.FichierSon, cinqMinutes ? QString() : choisi);
}

void TestFrmOpt::abandon_data()
{
    QTest::addColumn<int>("maniere");
    QTest::newRow("Annuler") << 0;
    QTest::newRow("Echap") << 1;
    QTest::newRow("fermeture") << 2;
}

void TestFrmOpt::abandon()
{
    QFETCH(int, maniere);
    Banc b;
    frmOpt f(b.m, nullptr);
    f.show();
    Tape(f, u"txtTournoi"_s, u"Autre"_s);
    Clique(f, u"Check7"_s);
    if (maniere == 0)
        Clique(f, u"cmdAnnuler"_s);
    else if (maniere == 1)
        QTest::keyClick(&f, Qt::Key_Escape);
    else
        f.close();

    QVERIFY(!f.isVisible());
    QVERIFY(b.m.OptAnnule);
    QCOMPARE(b.m.NomTournoi, u"Club"_s);
    QVERIFY(b.m.OptAffichMoy);
    QVERIFY(!b.m.FichierExiste(u"VELMORA.INI"_s) && !b.m.FichierExiste(u"T01.DAT"_s));
}

void TestFrmOpt::validationEcritLesFichiers()
{
    Banc b(true);
    b.m.NumTournoi = u"07"_s;
    b.m.OptAnnule = true;
    frmTarot1 fenetre(b.m);
    frmOpt f(b.m, &fenetre);
    f.show();
    Tape(f, u"txtTournoi"_s, u"Club"_s);
    Clique(f, u"optBelote"_s);
    Clique(f, u"optM1Vert"_s);
    Clique(f, u"optMnCard"_s);
    Tape(f, u"txtTir0"_s, u"1"_s);
    Tape(f, u"txtTir1"_s, u"2"_s);
    for (const QString &nom : {u"Check4"_s, u"Check6"_s, u"Check2"_s})
        Clique(f, nom);
    Tape(f, u"txtFichSon"_s, u"C:\\Sons\\fin.wav"_s);
    QTest::keyClicks(C(f, u"txtTotBel"_s), u"1a6-2."_s);
    QCOMPARE(Texte(f, u"txtTotBel"_s), u"162"_s);
    QCOMPARE(b.p.bips, 0);
    Clique(f, u"cmdOK"_s);

    QVERIFY(b.p.boites.isEmpty());
    QCOMPARE(f.result(), int(QDialog::Accepted));
    QVERIFY(!b.m.OptAnnule);
    QCOMPARE(fenetre.windowTitle(), u"Club - 06/12/2026"_s);
    QCOMPARE(b.fichier(u"VELMORA.INI"_s),
             QByteArray("AffichMoy=OUI\r\nCtrlBal=NON\r\nFichierSon5=\r\nFichierSon=C:\\Sons\\fin.wav\r\n"));
    QCOMPARE(b.fichier(u"T07.DAT"_s),
             QByteArray("NomTournoi=Club\r\nTypeJeu=BELOTE\r\nAnimation=OUI\r\nCalculAuto=NON\r\n"
                        "Tirage=TOURNOI\r\nTirageManche1=VERTICAL\r\nDecalage=1,2,,\r\nTotalBelote=162\r\n"
                        "PtsBeloteRebelote=20\r\nPtsCapot=90\r\n"));
}

// A file that cannot be written keeps the dialog open and applies nothing.
void TestFrmOpt::echecEcriture()
{
    Banc b;
    b.m.RepProgramme = b.dossier.filePath(u"absent"_s);
    b.m.OptAnnule = true;
    frmTarot1 fenetre(b.m);
    frmOpt f(b.m, &fenetre);
    f.show();
    Clique(f, u"cmdOK"_s);

    QCOMPARE(b.p.boites.size(), 1);
    QVERIFY(b.p.boites[0].texte.startsWith(u"Impossible d'enregistrer le fichier VELMORA.INI"_s));
    QVERIFY(f.isVisible());
    QVERIFY(b.m.OptAnnule);
    QCOMPARE(fenetre.windowTitle(), QString());
}

QTEST_MAIN(TestFrmOpt)
#include "test_frmopt.moc"
