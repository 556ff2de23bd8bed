// The rounds and the draw without windows: the time boxes, "&OK", the choice
// and deletion of a round, the round status, and every way of drawing tables.
#include "rounds/etatmanche.h"
#include "rounds/saisiemanche.h"
#include "rounds/tirage.h"
#include "support/tournoi.h"

#include <algorithm>

namespace {

const QString Q24 = "24 heures, ça n'existe pas ! Choisissez ... 23:59 (Oui) ou 00:00 (Non)";
const QString Suppr =
    "Vous ne pouvez supprimer que la dernière manche, et si aucune partie n'a été jouée dans cette manche.";

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
        Colonnes<QString, QString, QString>("entree", "sortie", "message");
        RangeesDepuisFichier(QStringLiteral(DOSSIER_ATTENDU "/ok.txt"));
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
    // scores: the rounds of the rows left in Scores. The rows are in attendu/suppressions.txt.
    void supprime_data()
    {
        Colonnes<QString, QString, QString>("cas", "message", "scores");
        RangeesDepuisFichier(QStringLiteral(DOSSIER_ATTENDU "/suppressions.txt"));
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
        Colonnes<QString, QString>("cas", "statut");
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
    // once the user has said yes. The rows are in attendu/tirages.txt.
    void tirage_data()
    {
        Colonnes<QString, QString>("cas", "attendu");
        RangeesDepuisFichier(QStringLiteral(DOSSIER_ATTENDU "/tirages.txt"));
    }
    void tirage()
    {
        QFETCH(QString, cas);
        QFETCH(QString, attendu);
        attendu.replace(u'\n', u' ').replace(u'·', u' ');
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
