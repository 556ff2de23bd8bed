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
    // attendu: averages, balance, the two sounds; or the text of the fatal box
    Colonnes<QByteArray, QString>("contenu", "attendu");

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

// Rows in attendu/controles.txt; a long text goes on over indented lines, joined by spaces.
void TestOptions::controle_data()
{
    Colonnes<QString, QString, QString>("modifs", "champ", "attendu");
    RangeesDepuisFichier(QStringLiteral(DOSSIER_ATTENDU "/controles.txt"));
}

void TestOptions::controle()
{
    QFETCH(QString, modifs);
    QFETCH(QString, attendu);
    Reglages actuels;
    actuels.Decalage = {Cellule(), 1, 2, 3, 4};
    actuels.TotalBelote = 150;
    actuels.PtsBeloteRebelote = 25;
    actuels.PtsCapot = 100;
    const std::variant<Reglages, RefusOptions> resultat = ControleOptions(actuels, Saisie(modifs));
    const auto *refus = std::get_if<RefusOptions>(&resultat);
    // The boxes in ChampOption order.
    const QStringList champs{"Alarme5", "Alarme", "FichierSon5", "FichierSon", "TypeJeu", "NomTournoi", "DecalageNord",
                             "DecalageEst", "DecalageSud", "DecalageOuest", "TotalBelote", "PtsBeloteRebelote",
                             "PtsCapot"};
    QTEST(refus ? champs.value(int(refus->champ)) : QString(), "champ");
    QCOMPARE(refus ? refus->message : Resume(std::get<Reglages>(resultat)), attendu.replace(u'\n', u' '));
}

QTEST_GUILESS_MAIN(TestOptions)
#include "test_options.moc"
