// The rounds and the draw without windows: the time boxes, "&OK", the choice
// and deletion of a round, the round status, and every way of drawing tables.
#include "rounds/etatmanche.h"
#include "rounds/saisiemanche.h"
#include "rounds/tirage.h"
#include "support/tournoi.h"

#include <algorithm>

namespace {

const QString Q24 = "24 heures, ça n'existe pas ! Choisissez ... 23:59 (Oui) ou 00:00 (Non)";
const QString Inverse = "Confirmez-vous que l'heure de début doit bien être supérieure à l'heure de fin ?";
const QString Parties99 = "Le nombre de parties doit être inférieur à 99.";
const QString Optionnels =
    "\nCes deux champs sont optionnels, mais doivent être ou vides tous les deux, ou renseignés tous les deux.";
const QString FinSeule = "Vous avez renseigné l'heure de fin et pas l'heure de début." + Optionnels;
const QString DebutSeul = "Vous avez renseigné l'heure de début et pas l'heure de fin." + Optionnels;
const QString Suppr =
    "Vous ne pouvez supprimer que la dernière manche, et si aucune partie n'a été jouée dans cette manche.";
const QString Suppr3 = "Voulez-vous vraiment supprimer la manche  3 ?";
const QString Saisie5 = "Le tirage au sort de cette manche a déjà été effectué, ou vous avez saisi une ou "
                        "plusieurs tables auparavant (la table n° 5 est actuellement saisie). Pour effectuer quand "
                        "même un tirage au sort, effacez la ou les tables précédemment saisies avec l'icône "
                        "\"Saisie des tables\".";
const QString Forts = "Avant de lancer un tirage au sort de type \"plus forts ensemble\", vous devez trier votre "
                      "grille sur une des 3 colonnes de droite, à savoir \"Nombre de points\", \"Moy manche\" ou "
                      "\"Moy parties\". En effet, c'est cette colonne qui indiquera au programme le critère pour "
                      "choisir les \"plus forts\".";
const QString DecalagesVides = "Vous avez demandé un tirage au sort de type TOURNOI et les valeurs de décalage ne "
                               "sont pas toutes renseignées dans l'écran des options. Faites-le et recommencez le "
                               "tirage s.v.p. ";
const QString Effectifs = "?Le tirage de type Tournoi demande autant de participants qu'à la manche précédente.";

// The round of each row of Scores, one digit each.
QString ManchesDesScores(const Modele &m)
{
    QString manches;
    for (int r = 1; r <= m.NbScores(); ++r)
        manches += m.Scores(ColScore::Manche, r).texte();
    return manches;
}

// The entrants of each table of a round, seat 1 first, the tables apart by "|".
QString TablesDe(const Modele &m, int manche)
{
    QStringList tables;
    for (int r = 1; r <= m.NbScores(); ++r)
        if (m.Scores(ColScore::Manche, r).nombre() == manche)
            tables << (r > 1 && m.Scores(ColScore::Table, r - 1) == m.Scores(ColScore::Table, r) ? " " : "|")
                          + m.Scores(ColScore::Joueur, r).texte();
    return tables.join(QString()).mid(1);
}

} // namespace

class TestRounds : public QObject
{
    Q_OBJECT

private slots:
    // "&OK" after round 1. entree: number, start, end, deals ("-" for none)
    // and the answers to the questions; sortie: the outcome ("fermer", "ok"
    // or the box the focus goes back to) and the boxes afterwards, as saved.
    void ok_data()
    {
        QTest::addColumn<QString>("entree");
        QTest::addColumn<QString>("sortie");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing typed") << "0 __:__ __:__ 5" << "fermer __:__ __:__ 5" << "";
        QTest::newRow("end only") << "2 __:__ 22:00 5" << "debut __:__ 22:00 5" << FinSeule;
        QTest::newRow("start half typed only") << "2 9_:__ __:__ 5" << "debut 09:00 __:__ 5" << DebutSeul;
        QTest::newRow("no times") << "2 __:__ __:__ 5" << "ok __:__ __:__ 5" << "";
        QTest::newRow("times half typed") << "2 7_:__ 9_:3_ 5" << "ok 07:00 09:03 5" << "";
        QTest::newRow("minutes only, units second") << "2 __:45 10:_5 5" << "ok 00:45 10:00 5" << "";
        QTest::newRow("no deals") << "2 20:00 22:00 -" << "ok 20:00 22:00 1" << "";
        QTest::newRow("0 deals") << "2 20:00 22:00 0" << "ok 20:00 22:00 1" << "";
        QTest::newRow("98 deals") << "2 20:00 22:00 98" << "ok 20:00 22:00 98" << "";
        QTest::newRow("99 deals") << "2 20:00 22:00 99" << "parties 20:00 22:00 99" << Parties99;
        QTest::newRow("deals before times") << "2 24:30 22:00 150" << "parties 24:30 22:00 150" << Parties99;
        QTest::newRow("start 24:30, deals first") << "2 24:30 22:00 -" << "debut 24:30 22:00 1" << "Heure incorrecte !";
        QTest::newRow("hour first") << "2 99:99 22:00 5" << "debut 99:99 22:00 5" << "Heure incorrecte !";
        QTest::newRow("end 12:60") << "2 20:00 12:60 5" << "fin 20:00 12:60 5" << "Minutes incorrectes !";
        QTest::newRow("end 24:00 Yes") << "2 20:00 24:00 5 O" << "ok 20:00 23:59 5" << Q24;
        QTest::newRow("24 completed, No") << "2 24:__ 23:59 5 N" << "ok 00:00 23:59 5" << Q24;
        QTest::newRow("start after end Yes") << "2 23:00 01:30 5 O" << "ok 23:00 01:30 5" << Inverse;
        QTest::newRow("later minutes No") << "2 20:45 20:30 5 N" << "debut 20:45 20:30 5" << Inverse;
        QTest::newRow("equal times") << "2 20:30 20:30 5" << "ok 20:30 20:30 5" << "";
        QTest::newRow("round 1 again") << "1 21:00 23:00 7" << "ok 21:00 23:00 7" << "";
        QTest::newRow("no number: the current round") << "0 21:00 23:00 7" << "ok 21:00 23:00 7" << "";
    }
    void ok()
    {
        QFETCH(QString, entree);
        QFETCH(QString, sortie);
        QFETCH(QString, message);
        Tournoi t;
        t.manches(1);
        const QStringList e = entree.split(u' ');
        for (QChar reponse : e.value(4))
            t.p.reponses << (reponse == u'O');
        SaisieManche s{e[0].toInt(), e[1], e[2], EntierSaisi(e[3])};
        const IssueOK issue = ValideManche(t.m, s);
        const QString noms[] = {"", "debut", "fin", "parties"};
        const QString action = issue.action == IssueOK::Fermer ? "fermer"
                               : issue.action == IssueOK::Refus ? noms[int(issue.champ)]
                                                                : "ok";
        QCOMPARE(QStringList({action, s.debut, s.fin, QString::number(s.parties.value_or(-1))}).join(u' '), sortie);
        QCOMPARE(t.p.dernierTexte(), message);
        QVERIFY(t.p.reponses.isEmpty() && t.p.questionsSansReponse == 0);
        QVERIFY(message.isEmpty() || t.p.boites.last().ouiParDefaut == (message == Q24));
        // Saved, the round is the current one, in the model and in the file.
        const int r = action == "ok" ? std::max(1, e[0].toInt()) : 1;
        QCOMPARE(t.m.MancheCourante * 10 + (t.lit("M01.DAT") != "<absent>"), r * 10 + (action == "ok"));
        QStringList champs;
        for (int c = ColManche::Numero; action == "ok" && c <= ColManche::Parties; ++c)
            champs << t.m.Manches(c, r).texte();
        QVERIFY(action != "ok" || champs.join(u' ') == QString::number(r) + ' ' + sortie.section(u' ', 1));
    }

    // A rounds file that cannot be written: no round is chosen or saved, and
    // the status stays. The grid shows no round while none is current.
    void manchesBloquees()
    {
        Tournoi t;
        t.manches(3).bloque("M01.DAT");
        SaisieManche nouvelle{4, "20:00", "21:00", 4};
        QVERIFY(!ChoisitManche(t.m, 2) && ValideManche(t.m, nouvelle).action == IssueOK::Refus);
        QCOMPARE(QString::number(t.m.NbManches() * 10 + t.m.MancheCourante) + t.m.EtatManche[0], "33Manche  3");
        t.m.MancheCourante = 0;
        QVERIFY(LignesGrilleManches(t.m).isEmpty());
        t.m.Manches.vide(); // no round, nothing to delete
        QVERIFY(!SupprimeManche(t.m) && t.p.boites.size() == 2);
    }

    // Three rounds or more: round 1 has a scored table, round 3 two tables.
    // cas: the current round, the last one when above 3; the scored seats of
    // the last table; the answer; the file that cannot be written.
    // scores: the rounds of the rows left in Scores.
    void supprime_data()
    {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("scores");
        QTest::newRow("last round without scores") << "3 0 O -" << Suppr3 << "1111";
        QTest::newRow("last round without tables") << "4 0 O -" << "Voulez-vous vraiment supprimer la manche  4 ?"
                                                   << "111133333333";
        QTest::newRow("answered No") << "3 0 N -" << Suppr3 << "111133333333";
        QTest::newRow("one scored seat") << "3 1 O -" << Suppr << "111133333333";
        QTest::newRow("not the last round") << "2 0 O -" << Suppr << "111133333333";
        QTest::newRow("scores file fails: nothing goes") << "3 0 O S01.DAT" << Suppr3 << "111133333333";
        QTest::newRow("rounds file fails: the tables go") << "3 0 O M01.DAT" << Suppr3 << "1111";
    }
    void supprime()
    {
        QFETCH(QString, cas);
        QFETCH(QString, message);
        QFETCH(QString, scores);
        const QStringList c = cas.split(u' ');
        const int courante = c[0].toInt(), n = std::max(3, courante);
        Tournoi t;
        t.manches(n).courante(courante).table(1, 1, {1, 2, 3, 4}, {"1", "2", "3", "4"}).table(3, 1, {1, 2, 3, 4});
        t.table(3, 2, {5, 6, 7, 8}, QStringList(c[1].toInt(), "10"));
        if (c[3] != "-")
            t.bloque(c[3]);
        t.p.reponses.enqueue(c[2] == "O");
        const bool supprimee = c[2] == "O" && message != Suppr && c[3] == "-";
        QCOMPARE(SupprimeManche(t.m), supprimee);
        QCOMPARE(t.p.boites.value(0).texte + QString::number(t.p.boites.size() * 10 + t.p.boites.value(0).ouiParDefaut),
                 message + (c[3] == "-" ? "10" : "20"));
        QCOMPARE(ManchesDesScores(t.m), scores);
        QCOMPARE(t.m.NbManches() * 10 + t.m.MancheCourante, supprimee ? (n - 1) * 11 : n * 10 + courante);
        QCOMPARE(t.lit("M01.DAT").count('\n') * 10 + t.lit("M01.DAT").endsWith("5  X\r\n"), supprimee ? n * 10 - 9 : 0);
        QCOMPARE(t.lit("S01.DAT").count('\n'), supprimee || c[3] == "M01.DAT" ? scores.size() : 0);
    }

    // Round 2 of 3 is current; rounds 1 and 3 have a scored table each that
    // does not count. cas: the game, the rows of round 2, those without points.
    void etat_data()
    {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("statut");
        QTest::newRow("10 rows, 2.5 tables to even") << "TAROT 10 10" << " 10 joueurs| |2";
        QTest::newRow("14 rows, 3.5 tables to even") << "TAROT 14 0" << " 14 joueurs|Terminée|4";
        QTest::newRow("one seat missing") << "TAROT 12 1" << " 12 joueurs| |3";
        QTest::newRow("no table") << "TAROT 0 0" << " 0 joueurs| |0";
        QTest::newRow("team belote") << "BELOTE 6 0" << " 6 joueurs|Terminée|3";
    }
    void etat()
    {
        QFETCH(QString, cas);
        QFETCH(QString, statut);
        const QStringList c = cas.split(u' ');
        const int lignes = c[1].toInt();
        Tournoi t(*TypeJeu::depuisTexte(c[0]));
        t.manches(3).courante(2).table(1, 1, {1, 2, 3, 4}, {"1", "2", "3", "4"});
        t.m.Manches(ColManche::Debut, 2) = "__:__";
        const QStringList points = QStringList(c[2].toInt(), "") + QStringList(lignes - c[2].toInt(), "0");
        t.table(2, 1, QList<int>(lignes, 1), points).table(3, 1, {1}, {"1"});
        int appels = 0;
        QObject::connect(&t.m, &Modele::etatMancheChange, [&] { ++appels; });
        QVERIFY(MajEtatManche(t.m));
        const auto etat = [&] { return QStringList(t.m.EtatManche.begin(), t.m.EtatManche.end()).join(u'|'); };
        QCOMPARE(etat() + '|' + QString::number(t.m.NbTables), "Manche  2|__:__ / 22:00|" + statut.section(u'|', 0, 1)
                                                                  + "|Manche  2|" + statut.section(u'|', 2));
        QCOMPARE(t.m.NbJoueursManche * 10 + appels, lignes * 10 + 1);
        QCOMPARE(t.lit("M01.DAT"), " 1 20:00 22:00 5   \r\n 2 __:__ 22:00 5  X\r\n 3 20:00 22:00 5   \r\n");
        t.m.Manches.vide();
        QVERIFY(MajEtatManche(t.m));
        QCOMPARE(etat() + t.lit("M01.DAT"), "||||<absent>");
    }

    // A draw, its case written as settings that differ from: tarot, round 1,
    // n = 0 entrants numbered from 1 (absents: those not ticked), first round
    // drawn at random (t1), the others by offsets (t), the grid sorted on the
    // points (tri), offsets 1, 2, 3, 0 (dec), the draw confirmed (oui). prec:
    // the numbers of the tables of the round before, its k-th table seating
    // 10k + seat; saisie: a table typed in this round; r: the generator's values.
    // attendu: the tables drawn, or the refusal, after the question when it
    // begins with "?"; a refusal changes nothing, and the hourglass only comes
    // once the user has said yes.
    void tirage_data()
    {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("attendu");
        const QString a = "41 32 23 14|11 42 33 24|21 12 43 34|31 22 13 44";
        QTest::newRow("no round") << "manche=0 n=8"
                                  << "Définissez d'abord au moins une manche avec l'icône \"Horaires manches\".";
        QTest::newRow("table typed") << "manche=2 prec=1,2 saisie=5 t=ALEATOIRE" << Saisie5;
        QTest::newRow("nobody ticked") << "n=1 absents=1" << "Aucun participant à cette manche.";
        QTest::newRow("18 at tarot") << "n=18" << "Le nombre de participants n'est pas divisible par 4";
        QTest::newRow("5 teams") << "jeu=BELOTE n=5 t1=VERTICAL"
                                 << "Le nombre de participants n'est pas divisible par 2";
        QTest::newRow("answered No") << "n=8 t1=VERTICAL oui=N" << "?";
        QTest::newRow("strongest, grid on names") << "manche=2 n=8 t=FORTS tri=3" << "?" + Forts;
        QTest::newRow("strongest, grid on deals") << "manche=2 n=8 t=FORTS tri=6" << "?" + Forts;
        QTest::newRow("offsets in round 1")
            << "n=8 t1=AUCUN" << "?Le tirage de type Tournoi ne peut pas servir pour la première manche.";
        QTest::newRow("offsets, round before smaller")
            << "manche=2 n=4 prec=1,2" << Effectifs;
        QTest::newRow("offsets, round before larger")
            << "manche=2 prec=1,2,3 absents=31,32,33,34" << Effectifs;
        QTest::newRow("offsets, Sud not set") << "manche=2 prec=1,2 dec=1,2,,0" << "?" + DecalagesVides;
        QTest::newRow("belote, Est not set")
            << "jeu=BELOTE manche=2 prec=1,2,3 dec=1,,3,0 tri=9" << "?" + DecalagesVides;
        QTest::newRow("scores file fails") << "n=8 bloque=S" << "?Impossible d'enregistrer le fichier S01.DAT";
        QTest::newRow("vertical, 12") << "n=12 t1=VERTICAL" << "1 4 7 10|2 5 8 11|3 6 9 12";
        QTest::newRow("vertical, 1 to 4 not ticked")
            << "n=16 absents=1,2,3,4 t1=VERTICAL" << "5 8 11 14|6 9 12 15|7 10 13 16";
        QTest::newRow("vertical, gaps") << "jeu=BELOTEIND n=10 absents=2,7 t1=VERTICAL" << "1 4 6 9|3 5 8 10";
        QTest::newRow("vertical, 6 teams") << "jeu=BELOTE n=6 t1=VERTICAL" << "1 4|2 5|3 6";
        QTest::newRow("random, r = 0") << "n=8 r=0" << "1 2 3 4|5 6 7 8";
        QTest::newRow("random, r = 0.5") << "n=9 absents=9 r=0.5" << "5 4 6 3|7 2 8 1";
        QTest::newRow("random, r just below 1") << "n=8 r=0.9999999999999999" << "8 7 6 5|4 3 2 1";
        QTest::newRow("random, round 2") << "manche=2 n=8 t1=VERTICAL t=ALEATOIRE r=0" << "1 2 3 4|5 6 7 8";
        QTest::newRow("strongest, grid's order")
            << "manche=2 n=9 absents=9 t1=VERTICAL t=FORTS tri=9" << "3 1 7 5|2 8 6 4";
        QTest::newRow("offsets 1, 2, 3, 0") << "manche=2 prec=1,2,3,4" << a;
        QTest::newRow("tables 1, 2, 3, 5 by rank") << "manche=2 prec=1,2,3,5" << a;
        QTest::newRow("offsets beyond the tables")
            << "manche=2 prec=1,2,3,4 dec=5,-6,9,4" << "41 32 43 14|11 42 13 24|21 12 23 34|31 22 33 44";
        QTest::newRow("negative offsets")
            << "manche=2 prec=1,2,3 dec=-1,0,-2,-3" << "21 12 33 14|31 22 13 24|11 32 23 34";
        QTest::newRow("belote: N/S and E/O") << "jeu=BELOTE manche=2 prec=1,2,3 dec=1,2,," << "31 22|11 32|21 12";
    }
    void tirage()
    {
        QFETCH(QString, cas);
        QFETCH(QString, attendu);
        const auto v = [&](const QString &cle, const QString &defaut) {
            for (const QString &mot : cas.split(u' '))
                if (mot.startsWith(cle + u'='))
                    return mot.mid(cle.size() + 1);
            return defaut;
        };
        Tournoi t(*TypeJeu::depuisTexte(v("jeu", "TAROT")));
        Modele &m = t.m;
        const int manche = v("manche", "1").toInt();
        const QStringList absents = v("absents", "").split(u','), prec = v("prec", "").split(u',', Qt::SkipEmptyParts);
        const auto joueur = [&](int k) { t.joueur(k, "NOM", {}, !absents.contains(QString::number(k))); };
        for (int k = 1; k <= v("n", "0").toInt(); ++k)
            joueur(k);
        for (int k = 1; k <= prec.size(); ++k)
            for (int place = 1; place <= m.NbParTable(); ++place) {
                joueur(10 * k + place);
                t.table(manche - 1, prec[k - 1].toInt(), {10 * k + place}, {"1"});
            }
        if (!v("saisie", "").isEmpty())
            t.table(manche, v("saisie", "").toInt(), {1, 2}).table(manche, 1, {3, 4}); // the first one is named
        t.table(manche + 1, 1, {1, 2, 3, 4}); // a later round, already drawn
        m.TirageManche1 = TirageDepuisTexte(v("t1", "ALEATOIRE"));
        m.Tirage = TirageDepuisTexte(v("t", "TOURNOI"));
        m.ColTri = v("tri", "7").toInt();
        m.OrdreGrille = {9, 3, 1, 7, 5, 2, 8, 6, 3};
        const QString dec = v("dec", "1,2,3,0");
        for (int i = 1; i <= 4; ++i) // an offset left empty is not set
            m.Decalage[i] = dec.section(u',', i - 1, i - 1).isEmpty() ? Cellule(QString())
                                                                     : Cellule(dec.section(u',', i - 1, i - 1).toInt());
        for (int k = 0; k < 20 && !v("r", "").isEmpty(); ++k)
            t.p.hasards.enqueue(v("r", "").toDouble());
        m.NbTables = 7;
        t.manches(manche).enregistre();
        if (v("bloque", "") == "S")
            t.bloque("S01.DAT");
        const auto fichiers = t.instantane();
        const QString scores = ManchesDesScores(m);
        const bool oui = v("oui", "O") == "O", question = attendu.startsWith(u'?') || attendu[0].isDigit();
        t.p.reponses.enqueue(oui);
        QCOMPARE(TirageAuSort(m), attendu[0].isDigit());
        QCOMPARE(t.p.sabliers, (question && oui ? QList<bool>{true, false} : QList<bool>{}));
        QCOMPARE(t.p.boites.size(), int(question) + int(attendu != "?"));
        QVERIFY(!question || t.p.boites[0].texte == "Vous allez effectuer le tirage au sort de la répartition des "
                                                     "tables pour la manche n° " + QString::number(manche) + " Si "
                                                     "vous le désirez, vous pourrez ensuite modifier ou annuler ce "
                                                     "tirage ou sort en utilisant l'icône \"Saisie des tables\". "
                                                     "Voulez-vous continuer ?");
        QVERIFY(!question || !t.p.boites[0].ouiParDefaut);
        if (attendu[0].isDigit()) {
            // Inserted before the later round and written; the status counts the tables; the end is told.
            QCOMPARE(TablesDe(m, manche), attendu);
            const QString ordre = ManchesDesScores(m);
            QVERIFY(std::is_sorted(ordre.begin(), ordre.end()) && ordre.endsWith(QString(4, QChar(u'1' + manche))));
            QCOMPARE(t.lit("S01.DAT"), ContenuScores(m.Scores));
            const int tables = int(attendu.count(u'|')) + 1, entrants = int(attendu.count(u' ')) + tables;
            const QString derniere = m.Scores(ColScore::Table, m.NbScores() - 4).texte();
            QCOMPARE(derniere + m.EtatManche[2] + QString::number(m.NbTables),
                     QString("%1 %2 joueurs%1").arg(tables).arg(entrants));
            QCOMPARE(t.p.dernierTexte() + QString::number(t.p.bips),
                     "Tirage au sort de la manche " + QString::number(manche) + " terminé.1");
            QVERIFY(t.p.boites.last().icone == Plateforme::Icone::Information
                    && t.p.boites.last().titre == TitreProgramme);
            return;
        }
        const QString refus = attendu.mid(attendu.startsWith(u'?'));
        QVERIFY(attendu == "?" || (t.p.dernierTexte().startsWith(refus) && t.p.boites.last().titre == "ERREUR"));
        QVERIFY(t.instantane() == fichiers && ManchesDesScores(m) == scores && m.NbTables == 7);
    }
};

QTEST_GUILESS_MAIN(TestRounds)
#include "test_rounds.moc"
