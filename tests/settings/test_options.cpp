#include "settings/options.h"
#include "store/modele.h"
#include "support/plateformetest.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestOptions : public QObject
{
    Q_OBJECT
private slots:
    void lecture_data();
    void lecture();
    void ecriture();
};

namespace {

const QString Invalide = u"Fichier d'options VELMORA.INI invalide : "_s;

void Ecrit(const QString &chemin, const QByteArray &octets)
{
    QFile fichier(chemin);
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write(octets);
}

QByteArray Lit(const QString &chemin)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

} // namespace

void TestOptions::lecture_data()
{
    QTest::addColumn<QByteArray>("contenu"); // null: no file
    QTest::addColumn<bool>("affichMoy");
    QTest::addColumn<bool>("ctrlBal");
    QTest::addColumn<QString>("son5");
    QTest::addColumn<QString>("son");
    QTest::addColumn<QString>("arret"); // text of the fatal box, empty when none

    QTest::newRow("sans fichier") << QByteArray() << true << true << QString() << QString() << QString();
    QTest::newRow("affichmoy=non") << QByteArray("affichmoy=non\r\n") << false << true << QString() << QString()
                                   << QString();
    QTest::newRow("CtrlBal=x sans message") << QByteArray("CtrlBal=x\r\n") << true << false << QString()
                                            << QString() << QString();
    QTest::newRow("chemins tels quels")
        << QByteArray("fichierson5=C:\\Sons\\5 mn.wav\r\nFICHIERSON=fin=1.wav\r\n") << true << true
        << u"C:\\Sons\\5 mn.wav"_s << u"fin=1.wav"_s << QString();
    QTest::newRow("peut-être") << QByteArray("AffichMoy=peut-\xEAtre\r\n") << true << true << QString()
                               << QString() << Invalide + u"l'option AFFICHMOY doit être 'OUI' ou 'NON' en ligne  1"_s;
    QTest::newRow("clé inconnue") << QByteArray("AffichMoy=NON\r\nSon=alarme.wav\r\n") << true << true << QString()
                                  << QString() << Invalide + u"nom d'option SON inconnue en ligne  2"_s;
    QTest::newRow("ligne vide") << QByteArray("AffichMoy=NON\r\n\r\nCtrlBal=NON\r\n") << true << true << QString()
                                << QString() << Invalide + u"manque le signe '=' en ligne  2"_s;
}

void TestOptions::lecture()
{
    QFETCH(QByteArray, contenu);
    QFETCH(QString, arret);
    PlateformeTest p;
    Modele m(p);
    QTemporaryDir dossier;
    m.RepProgramme = dossier.path();
    if (!contenu.isNull())
        Ecrit(m.Chemin(u"VELMORA.INI"_s), contenu);

    if (!arret.isEmpty()) {
        QVERIFY_THROWS_EXCEPTION(ArretProgramme, LitOptions(m));
        QCOMPARE(p.boites.size(), 1);
        QCOMPARE(p.boites[0].icone, Plateforme::Icone::Critique);
        QCOMPARE(p.boites[0].titre, u"Velmora Tarot Belote 3.72"_s);
        QCOMPARE(p.boites[0].texte, arret);
        return;
    }
    LitOptions(m);
    QVERIFY(p.boites.isEmpty());
    QTEST(m.OptAffichMoy, "affichMoy");
    QTEST(m.OptCtrlBal, "ctrlBal");
    QTEST(m.FichierSon5, "son5");
    QTEST(m.FichierSon, "son");
}

void TestOptions::ecriture()
{
    PlateformeTest p;
    Modele m(p);
    QTemporaryDir dossier;
    m.RepProgramme = dossier.path();
    Ecrit(m.Chemin(u"VELMORA.INI"_s), QByteArray(200, 'x')); // replaced, not overwritten in place
    m.NumTournoi = u"04"_s;
    m.NomTournoi = u"Café du coin"_s;
    m.TypeJeu = *TypeJeu::depuisTexte(u"BELOTE"_s);
    m.OptAnimation = false;
    m.Tirage = TirageDepuisTexte(u"TOURNOI"_s);
    m.TirageManche1 = TirageDepuisTexte(u"VERTICAL"_s);
    m.Decalage = {Cellule(), Cellule(u"1"_s), Cellule(2), Cellule(u""_s), Cellule(4)};
    m.TotalBelote = 162;
    m.PtsCapot = 0;
    m.OptCtrlBal = false;
    m.FichierSon = u"C:\\Sons\\fin.wav"_s;

    QVERIFY(EcritOptions(m, m, m.NumTournoi));
    QCOMPARE(Lit(m.Chemin(u"VELMORA.INI"_s)),
             QByteArray("AffichMoy=OUI\r\nCtrlBal=NON\r\nFichierSon5=\r\nFichierSon=C:\\Sons\\fin.wav\r\n"));
    QCOMPARE(Lit(m.Chemin(u"T04.DAT"_s)),
             QByteArray("NomTournoi=Caf\xE9 du coin\r\nTypeJeu=BELOTE\r\nAnimation=NON\r\nCalculAuto=OUI\r\n"
                        "Tirage=TOURNOI\r\nTirageManche1=VERTICAL\r\nDecalage=1,2,,4\r\nTotalBelote=162\r\n"
                        "PtsBeloteRebelote=20\r\nPtsCapot=\r\n"));
    QVERIFY(p.boites.isEmpty());
}

QTEST_GUILESS_MAIN(TestOptions)
#include "test_options.moc"
