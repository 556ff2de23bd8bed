#include "settings/options.h"
#include "support/tournoi.h"

using namespace Qt::StringLiterals;

class TestOptions : public QObject
{
    Q_OBJECT
private slots:
    void lecture_data();
    void lecture();
    void controle_data();
    void controle();
};

namespace {

// A valid dialog (team belote "Club", random draws, 20 and 90), then the changes of a row: "nom=", "jeu" (no
// game), "tournoi=Nord|Est|Sud|Ouest", "alarme5=file" and "alarme=file" (ticked), "total=", "belote=", "capot=",
// and "verrou" (the belote boxes are locked).
SaisieOptions Saisie(const QStringList &modifs)
{
    SaisieOptions s{.NomTournoi = u"Club"_s, .TypeJeu = TypeJeu::Belote, .PtsBeloteRebelote = u"20"_s,
                    .PtsCapot = u"90"_s};
    const QMap<QString, QString SaisieOptions::*> textes = {
        {u"nom"_s, &SaisieOptions::NomTournoi},       {u"alarme5"_s, &SaisieOptions::FichierSon5},
        {u"alarme"_s, &SaisieOptions::FichierSon},    {u"total"_s, &SaisieOptions::TotalBelote},
        {u"belote"_s, &SaisieOptions::PtsBeloteRebelote}, {u"capot"_s, &SaisieOptions::PtsCapot}};
    for (const QString &modif : modifs) {
        const QString cle = modif.section(u'=', 0, 0), valeur = modif.section(u'=', 1);
        if (textes.contains(cle))
            s.*textes[cle] = valeur;
        s.Alarme5 |= cle == u"alarme5";
        s.Alarme |= cle == u"alarme";
        s.BeloteVerrouillee |= cle == u"verrou";
        if (cle == u"jeu")
            s.TypeJeu = TypeJeu::Aucun;
        if (cle == u"tournoi") {
            s.Tirage = TypeTirage::Tournoi;
            for (int k = 0; k < 4; ++k)
                s.Decalages[k] = valeur.section(u'|', k, k);
        }
    }
    return s;
}

// Name | offsets (numbers as such, "_" when empty, texts quoted) | belote total, belote, capot.
QString Resume(const Reglages &r)
{
    QString texte = r.NomTournoi + u" |"_s;
    for (int k = 1; k <= 4; ++k)
        texte += u' ' + (r.Decalage[k].estNombre() ? r.Decalage[k].texte()
                         : r.Decalage[k].estVide() ? u"_"_s : u'\'' + r.Decalage[k].texte() + u'\'');
    return texte + u" | %1 %2 %3"_s.arg(r.TotalBelote).arg(r.PtsBeloteRebelote).arg(r.PtsCapot);
}

} // namespace

void TestOptions::lecture_data()
{
    QTest::addColumn<QByteArray>("contenu"); // null: no file
    QTest::addColumn<QString>("attendu");    // averages, balance, the two sounds; or the text of the fatal box

    const QString invalide = u"Fichier d'options VELMORA.INI invalide : "_s;
    QTest::newRow("sans fichier") << QByteArray() << u"1 1  "_s;
    QTest::newRow("affichmoy=non") << QByteArray("affichmoy=non\r\n") << u"0 1  "_s;
    QTest::newRow("CtrlBal=x sans message") << QByteArray("CtrlBal=x\r\n") << u"1 0  "_s;
    QTest::newRow("chemins tels quels") << QByteArray("fichierson5=C:\\Sons\\5 mn.wav\r\nFICHIERSON=fin=1.wav\r\n")
                                        << u"1 1 C:\\Sons\\5 mn.wav fin=1.wav"_s;
    QTest::newRow("peut-être") << QByteArray("AffichMoy=peut-\xEAtre\r\n")
                               << invalide + u"l'option AFFICHMOY doit être 'OUI' ou 'NON' en ligne  1"_s;
    QTest::newRow("clé inconnue") << QByteArray("AffichMoy=NON\r\nSon=alarme.wav\r\n")
                                  << invalide + u"nom d'option SON inconnue en ligne  2"_s;
    QTest::newRow("ligne vide") << QByteArray("AffichMoy=NON\r\n\r\nCtrlBal=NON\r\n")
                                << invalide + u"manque le signe '=' en ligne  2"_s;
}

void TestOptions::lecture()
{
    QFETCH(QByteArray, contenu);
    Tournoi t;
    if (!contenu.isNull())
        t.ecrit(u"VELMORA.INI"_s, contenu);
    try {
        LitOptions(t.m);
        QVERIFY(t.p.boites.isEmpty());
        QTEST(u"%1 %2 %3 %4"_s.arg(t.m.OptAffichMoy).arg(t.m.OptCtrlBal).arg(t.m.FichierSon5, t.m.FichierSon),
              "attendu");
    } catch (const ArretProgramme &) {
        QCOMPARE(t.p.boites.size(), 1);
        QTEST(t.p.boites[0].texte, "attendu");
    }
}

void TestOptions::controle_data()
{
    QTest::addColumn<QStringList>("modifs");
    QTest::addColumn<int>("champ");       // -1: accepted
    QTest::addColumn<QString>("attendu"); // the refusal, or the settings as Resume gives them

    using enum ChampOption;
    const QString son = u"Choisissez un fichier son ou désactivez l'alarme !"_s;
    const QString chemin = u"Le chemin du fichier son joué %1 ne peut pas contenir les caractères %2 : choisissez "
                           "un autre fichier s.v.p."_s;
    const QString nom = u"Le nom du tournoi ne peut pas contenir les caractères %1 : remplacez-les s.v.p."_s;
    const QString decalage = u"Le décalage %1 doit être un nombre entier entre -9999 et 9999 !"_s;
    const QString points = u" doit être un nombre entier entre 0 et 9999"_s;
    const QString total = u"Le total Belote à contrôler"_s + points + u" (vide : pas de contrôle) !"_s;
    const QString belote = u"La valeur \"Belote et rebelote\""_s + points + u" !"_s;
    const QString capot = u"La valeur \"Capot\""_s + points + u" !"_s;
    auto refus = [](const char *nom, const QStringList &modifs, std::optional<ChampOption> champ,
                    const QString &attendu) {
        QTest::newRow(nom) << modifs << (champ ? int(*champ) : -1) << attendu;
    };
    refus("alarme 5 mn sans fichier", {u"alarme5="_s}, Alarme5, son);
    refus("alarme de fin avant le nom", {u"alarme="_s, u"nom="_s}, Alarme, son);
    refus("son 5 mn ♪", {u"alarme5=C:\\é♪.wav"_s}, FichierSon5,
          chemin.arg(u"5 mn avant l'heure de fin de manche"_s, u"♪"_s));
    refus("son de fin ♠ avant le jeu", {u"alarme=♠.wav"_s, u"jeu"_s}, FichierSon,
          chemin.arg(u"à l'heure de fin de manche"_s, u"♠"_s));
    refus("sans jeu avant le nom", {u"jeu"_s, u"nom="_s}, TypeJeu,
          u"Choisissez un type de jeu ! (Belote ou Tarot)"_s);
    refus("sans nom avant décalages", {u"nom="_s, u"tournoi=|||"_s}, NomTournoi,
          u"Donnez un nom à votre tournoi svp !"_s);
    refus("Łódź ♠ club", {u"nom=Łódź ♠♠ 🂡 club"_s, u"tournoi=|||"_s}, NomTournoi, nom.arg(u"Ł ź ♠ 🂡"_s));
    refus("Tournoi sans décalage", {u"tournoi=|||"_s}, DecalageNord,
          u"Renseignez les valeurs des décalages de tables s.v.p."_s);
    refus("Nord vide, Est donné", {u"tournoi=|1||"_s}, DecalageNord,
          u"Renseignez le décalage Nord s.v.p. : sans lui, les autres décalages ne sont pas enregistrés."_s);
    refus("Nord a0", {u"tournoi=a0|1|2|-1"_s}, DecalageNord, decalage.arg(u"Nord"_s));
    refus("Nord 1,5", {u"tournoi=1,5|||"_s}, DecalageNord, decalage.arg(u"Nord"_s));
    refus("Est moins seul", {u"tournoi=1|-||"_s}, DecalageEst, decalage.arg(u"Est"_s));
    refus("Sud -10000", {u"tournoi=0|0|-10000|"_s}, DecalageSud, decalage.arg(u"Sud"_s));
    refus("Ouest 10000", {u"tournoi=0|0||10000"_s}, DecalageOuest, decalage.arg(u"Ouest"_s));
    refus("total 1.5 avant belote", {u"total=1.5"_s, u"belote=x"_s}, TotalBelote, total);
    refus("total abc", {u"total=abc"_s}, TotalBelote, total);
    refus("belote 99999", {u"belote=99999"_s}, PtsBeloteRebelote, belote);
    refus("belote -1", {u"belote=-1"_s}, PtsBeloteRebelote, belote);
    refus("capot vide", {u"capot="_s}, PtsCapot, capot);
    refus("capot 10000", {u"capot=10000"_s}, PtsCapot, capot);
    refus("aléatoire efface les décalages", {}, {}, u"Club | _ _ _ _ | 0 20 90"_s);
    refus("Tournoi, Nord seul", {u"tournoi=3|||"_s}, {}, u"Club | 3 _ _ _ | 0 20 90"_s);
    refus("Tournoi, bornes", {u"tournoi=-9999|9999|0|-0"_s}, {}, u"Club | -9999 9999 0 0 | 0 20 90"_s);
    refus("belote, bornes", {u"total=9999"_s, u"belote=0"_s, u"capot=0099"_s}, {}, u"Club | _ _ _ _ | 9999 0 99"_s);
    refus("belote verrouillée", {u"verrou"_s, u"total=a"_s, u"belote=99999"_s, u"capot="_s}, {},
          u"Club | _ _ _ _ | 150 25 100"_s);
    refus("Windows-1252", {u"nom=Œuvre € — café"_s, u"alarme=C:\\Sons\\fin.wav"_s}, {},
          u"Œuvre € — café | _ _ _ _ | 0 20 90"_s);
}

void TestOptions::controle()
{
    QFETCH(QStringList, modifs);
    Reglages actuels;
    actuels.Decalage = {Cellule(), Cellule(1), Cellule(2), Cellule(3), Cellule(4)};
    actuels.TotalBelote = 150;
    actuels.PtsBeloteRebelote = 25;
    actuels.PtsCapot = 100;

    const std::variant<Reglages, RefusOptions> resultat = ControleOptions(actuels, Saisie(modifs));
    const auto *refus = std::get_if<RefusOptions>(&resultat);
    QTEST(refus ? int(refus->champ) : -1, "champ");
    QTEST(refus ? refus->message : Resume(std::get<Reglages>(resultat)), "attendu");
}

QTEST_GUILESS_MAIN(TestOptions)
#include "test_options.moc"
