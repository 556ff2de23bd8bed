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

// A valid dialog (team belote "Club", random draws, 20 and 90), then the changes of a row, separated by ";":
// "nom=", "jeu" (none), "tournoi=Nord|Est|Sud|Ouest", "alarme5=file" and "alarme=file" (ticked), "total=",
// "belote=", "capot=", and "verrou" (the belote boxes are locked).
SaisieOptions Saisie(const QString &modifs)
{
    SaisieOptions s;
    s.NomTournoi = u"Club"_s;
    s.TypeJeu = TypeJeu::Belote;
    s.PtsBeloteRebelote = u"20"_s;
    s.PtsCapot = u"90"_s;
    const QMap<QString, QString *> textes = {{u"nom"_s, &s.NomTournoi},       {u"alarme5"_s, &s.FichierSon5},
                                             {u"alarme"_s, &s.FichierSon},    {u"total"_s, &s.TotalBelote},
                                             {u"belote"_s, &s.PtsBeloteRebelote}, {u"capot"_s, &s.PtsCapot}};
    for (const QString &modif : modifs.split(u';', Qt::SkipEmptyParts)) {
        const QString cle = modif.section(u'=', 0, 0), valeur = modif.section(u'=', 1);
        if (textes.contains(cle))
            *textes[cle] = valeur;
        s.Alarme5 |= cle == u"alarme5";
        s.Alarme |= cle == u"alarme";
        s.BeloteVerrouillee |= cle == u"verrou";
        s.TypeJeu = cle == u"jeu" ? TypeJeu(TypeJeu::Aucun) : s.TypeJeu;
        s.Tirage = cle == u"tournoi" ? TypeTirage::Tournoi : s.Tirage;
        for (int k = 0; k < 4 && cle == u"tournoi"; ++k)
            s.Decalages[k] = valeur.section(u'|', k, k);
    }
    return s;
}

// Name | offsets ("_" when empty, a quote after a text that is not a number) | belote total, belote, capot.
QString Resume(const Reglages &r)
{
    QString texte = r.NomTournoi + u" |"_s;
    for (int k = 1; k <= 4; ++k)
        texte += u' ' + (r.Decalage[k].estVide() ? u"_"_s
                                                 : r.Decalage[k].texte() + (r.Decalage[k].estNombre() ? "" : "'"));
    return texte + u" | %1 %2 %3"_s.arg(r.TotalBelote).arg(r.PtsBeloteRebelote).arg(r.PtsCapot);
}

} // namespace

void TestOptions::lecture_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("attendu");    // averages, balance, the two sounds; or the text of the fatal box

    const QString invalide = u"Fichier d'options VELMORA.INI invalide : %1 en ligne  %2"_s;
    QTest::newRow("CtrlBal=x sans message, chemins tels quels")
        << QByteArray("affichmoy=non\r\nCtrlBal=x\r\nfichierson5=C:\\5 mn.wav\r\nFICHIERSON=f=1\r\n")
        << u"0 0 C:\\5 mn.wav f=1"_s;
    QTest::newRow("peut-être") << QByteArray("AffichMoy=peut-\xEAtre\r\n")
                               << invalide.arg(u"l'option AFFICHMOY doit être 'OUI' ou 'NON'"_s, u"1"_s);
    QTest::newRow("clé inconnue") << QByteArray("AffichMoy=NON\r\nSon=alarme.wav\r\n")
                                  << invalide.arg(u"nom d'option SON inconnue"_s, u"2"_s);
    QTest::newRow("ligne vide") << QByteArray("AffichMoy=NON\r\n\r\nCtrlBal=NON\r\n")
                                << invalide.arg(u"manque le signe '='"_s, u"2"_s);
}

void TestOptions::lecture()
{
    QFETCH(QByteArray, contenu);
    Tournoi t;
    t.ecrit(u"VELMORA.INI"_s, contenu);
    QString lu;
    try {
        LitOptions(t.m);
        lu = u"%1 %2 %3 %4"_s.arg(t.m.OptAffichMoy).arg(t.m.OptCtrlBal).arg(t.m.FichierSon5, t.m.FichierSon);
    } catch (const ArretProgramme &) {
        lu = t.p.dernierTexte();
    }
    QTEST(lu, "attendu");
}

void TestOptions::controle_data()
{
    QTest::addColumn<QString>("modifs");
    QTest::addColumn<int>("champ");       // -1: accepted
    QTest::addColumn<QString>("attendu"); // the refusal, or the settings as Resume gives them

    using enum ChampOption;
    const QString chemin = u"Le chemin du fichier son joué %1 ne peut pas contenir les caractères %2 : choisissez "
                           "un autre fichier s.v.p."_s;
    const QString decalage = u"Le décalage %1 doit être un nombre entier entre -9999 et 9999 !"_s;
    const QString points = u" doit être un nombre entier entre 0 et 9999"_s;
    const QString total = u"Le total Belote à contrôler"_s + points + u" (vide : pas de contrôle) !"_s;
    const QString belote = u"La valeur \"Belote et rebelote\""_s + points + u" !"_s;
    const QString capot = u"La valeur \"Capot\""_s + points + u" !"_s;
    auto cas = [](const char *nom, const QString &modifs, std::optional<ChampOption> champ, const QString &attendu) {
        QTest::newRow(nom) << modifs << (champ ? int(*champ) : -1) << attendu;
    };
    cas("alarme 5 mn sans fichier", u"alarme5="_s, Alarme5, u"Choisissez un fichier son ou désactivez l'alarme !"_s);
    cas("alarme de fin avant le nom", u"alarme=;nom="_s, Alarme,
        u"Choisissez un fichier son ou désactivez l'alarme !"_s);
    cas("son 5 mn ♪", u"alarme5=C:\\é♪.wav"_s, FichierSon5,
        chemin.arg(u"5 mn avant l'heure de fin de manche"_s, u"♪"_s));
    cas("son de fin ♠ avant le jeu", u"alarme=♠.wav;jeu"_s, FichierSon,
        chemin.arg(u"à l'heure de fin de manche"_s, u"♠"_s));
    cas("sans jeu avant le nom", u"jeu;nom="_s, TypeJeu, u"Choisissez un type de jeu ! (Belote ou Tarot)"_s);
    cas("sans nom avant décalages", u"nom=;tournoi=|||"_s, NomTournoi, u"Donnez un nom à votre tournoi svp !"_s);
    cas("Łódź ♠ club", u"nom=Łódź ♠♠ 🂡 club;tournoi=|||"_s, NomTournoi,
        u"Le nom du tournoi ne peut pas contenir les caractères Ł ź ♠ 🂡 : remplacez-les s.v.p."_s);
    cas("Tournoi sans décalage", u"tournoi=|||"_s, DecalageNord,
        u"Renseignez les valeurs des décalages de tables s.v.p."_s);
    cas("Nord vide, Est donné", u"tournoi=|1||"_s, DecalageNord,
        u"Renseignez le décalage Nord s.v.p. : sans lui, les autres décalages ne sont pas enregistrés."_s);
    cas("Nord a0", u"tournoi=a0|1|2|-1"_s, DecalageNord, decalage.arg(u"Nord"_s));
    cas("Nord 1,5", u"tournoi=1,5|||"_s, DecalageNord, decalage.arg(u"Nord"_s));
    cas("Sud -10000", u"tournoi=0|0|-10000|"_s, DecalageSud, decalage.arg(u"Sud"_s));
    cas("Ouest 10000", u"tournoi=0|0||10000"_s, DecalageOuest, decalage.arg(u"Ouest"_s));
    cas("total 1.5 avant belote", u"total=1.5;belote=x"_s, TotalBelote, total);
    cas("belote abc", u"belote=abc"_s, PtsBeloteRebelote, belote);
    cas("belote 99999", u"belote=99999"_s, PtsBeloteRebelote, belote);
    cas("belote -1", u"belote=-1"_s, PtsBeloteRebelote, belote);
    cas("capot 10000", u"capot=10000"_s, PtsCapot, capot);
    cas("aléatoire efface les décalages", u"alarme=C:\\€.wav"_s, {}, u"Club | _ _ _ _ | 0 20 90"_s);
    cas("Tournoi, Nord seul", u"tournoi=3|||"_s, {}, u"Club | 3 _ _ _ | 0 20 90"_s);
    cas("Tournoi, bornes", u"nom=Œuvre — café;tournoi=-9999|9999|0|-0"_s, {},
        u"Œuvre — café | -9999 9999 0 0 | 0 20 90"_s);
    cas("belote, bornes", u"total=9999;belote=0;capot=0099"_s, {}, u"Club | _ _ _ _ | 9999 0 99"_s);
    cas("belote verrouillée", u"verrou;total=a;belote=99999;capot="_s, {}, u"Club | _ _ _ _ | 150 25 100"_s);
}

void TestOptions::controle()
{
    QFETCH(QString, modifs);
    Reglages actuels;
    actuels.Decalage = {Cellule(), 1, 2, 3, 4};
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
