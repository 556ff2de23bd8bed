// The tables of a round in Scores and the checks of a table: searches,
// navigation, loading and storing, totals, refusals and deletions.
#include "compose.h"
#include "scores/suppression.h"
#include "scores/totaux.h"

using namespace Qt::StringLiterals;

namespace {

// Table 1 as the window shows it: the entrants 1, 2... and the points listed ("60,-20").
Saisie Table(const QString &points = {}, const QString &parties = {}, const QString &belotes = {},
             const QString &capots = {})
{
    Saisie s{u"1"_s, parties, {}, {}, {}, belotes, capots};
    const QStringList liste = points.split(u',');
    for (int k = 0; k < 4; ++k) {
        s.NJ[k] = QString::number(k + 1);
        s.NPO[k] = liste.value(k);
    }
    return s;
}

} // namespace

class TestScores : public QObject
{
    Q_OBJECT
private slots:
    // Round 2 current. "état": 1 when the round has tables, + 2 when it has scores; the
    // navigation from the table shown to the table reached (-1: none); the next new table
    // (in team belote when "équipes" follows). The rows are in attendu/manches.txt.
    void manche_data()
    {
        Colonnes<QString, QString, QString>("tables", "question", "attendu");
        RangeesDepuisFichier(QStringLiteral(DOSSIER_ATTENDU "/manches.txt"));
    }
    void manche()
    {
        QFETCH(QString, tables);
        QFETCH(QString, question);
        Tournoi t{question.endsWith(u"équipes") ? TypeJeu::Belote : TypeJeu::Tarot};
        Compose(t, tables, 2);
        const QStringList q = question.split(u' ');
        const QStringList sens{u"première"_s, u"précédente"_s, u"suivante"_s, u"dernière"_s};
        const EtatSaisie etat = EtatSaisieManche(t.m);
        const Navigation navigation = Navigation(sens.indexOf(q[0]));
        const int obtenu = q[0] == u"état"       ? etat.TablesManche + 2 * etat.ScoresManche
                           : q[0] == u"nouvelle" ? NouvelleTable(t.m, q.value(1) == u"scores")
                                                 : TableVoisine(t.m, navigation, q.value(1)).value_or(-1);
        QTEST(QString::number(obtenu), "attendu");
    }

    // An operation on the current round, then Scores as the file holds it ("=": as before)
    // and the box shown ("*": the writer's, the scores file being blocked). "scores n
    // points deals belotes capots" and "tables n" save table n in score or composition
    // mode; "supprime n", "supprime" and "efface" delete table n, every table, every score.
    // The rows are in attendu/operations.txt.
    void operation_data()
    {
        Colonnes<QString, QString, QString, QString, QString>("tables", "manche", "operation", "scores", "message");
        RangeesDepuisFichier(QStringLiteral(DOSSIER_ATTENDU "/operations.txt"));
    }
    void operation()
    {
        QFETCH(QString, tables);
        QFETCH(QString, manche);
        QFETCH(QString, operation);
        QFETCH(QString, scores);
        QFETCH(QString, message);
        scores.replace(u'\n', u' ');
        Tournoi t;
        Compose(t, tables, manche.toInt());
        for (int r = 1; r <= t.m.NbScores(); ++r)
            if (!t.m.Scores(ColScore::Points, r).estVide())
                t.m.Scores(ColScore::Belotes, r) = t.m.Scores(ColScore::Capots, r) = 1;
        t.enregistre();
        if (message == u"*")
            t.bloque(t.m.NomFichier(u'S'));
        const QString avant = Resume(t.m);
        const auto fichiers = t.instantane();
        const QStringList mots = operation.split(u' ');
        Saisie s = Table(mots.value(2), mots.value(3), mots.value(4), mots.value(5));
        s.NT = mots.value(1);
        Emplacement e; // where the window saw the table: the place is searched again
        const bool enregistre = mots[0] == u"scores" || mots[0] == u"tables";
        const bool fait = enregistre            ? EnregTable(t.m, s, e, mots[0] == u"scores")
                          : mots[0] == u"efface" ? EffaceScoresManche(t.m)
                          : mots.size() > 1      ? SupprimeTable(t.m, s.NT.toInt())
                                                 : SupprimeTablesManche(t.m);
        QCOMPARE(fait, scores != u"=");
        QCOMPARE(t.p.boites.size(), message.isEmpty() ? 0 : 1);
        if (message != u"*")
            QCOMPARE(t.p.dernierTexte(), message);
        QVERIFY(!t.p.sablierActif());
        if (enregistre) {
            QCOMPARE(e.trouvee, fait);
            QCOMPARE(e.PosTable, fait ? ChercheTable(t.m, s.NT.toInt()).PosTable : 1);
        }
        QCOMPARE(Resume(t.m), fait ? scores : avant);
        if (!fait)
            QCOMPARE(t.instantane(), fichiers);
        else
            Relit(t.m);
        QCOMPARE(Resume(t.m), fait ? scores : avant);
    }

    // The ranking follows every score saved, but not a table typed while new entries are made.
    void classement()
    {
        Tournoi t;
        Compose(t, u"1/1"_s);
        t.m.ModeNouveau = true;
        Emplacement e;
        QVERIFY(EnregTable(t.m, Table(u"60,-20,-20,-20"_s), e, false));
        QCOMPARE(t.m.Joueurs(ColJoueur::Points, 1).nombre(), double(SansValeur));
        QVERIFY(EnregTable(t.m, Table(u"60,-20,-20,-20"_s), e, true));
        QCOMPARE(t.m.Joueurs(ColJoueur::Points, 1).nombre(), 60.0);
    }

    void entrantAbsentArreteLeProgramme()
    {
        Tournoi t;
        t.joueurs(6).manches(1).table(1, 1, {5, 6, 7, 8});
        Saisie s;
        QVERIFY_THROWS_EXCEPTION(ArretProgramme, RemplitTable(t.m, ChercheTable(t.m, 1), s, true));
        QCOMPARE(t.p.dernierTexte(), u"*** ERREUR PROGRAMME 002 ***\nLe joueur 7 figure dans les scores "
                                     "mais pas dans la liste des joueurs.\nArrêt du programme."_s);
    }

    // The settings: the game, then "sans contrôle" (balance control off) or "sans total" (no points of a deal).
    void refus_data()
    {
        // The rows are in attendu/refus.txt; an empty message: accepted.
        Colonnes<QString, QString, QString>("reglages", "points", "message");
        RangeesDepuisFichier(QStringLiteral(DOSSIER_ATTENDU "/refus.txt"));
    }
    void refus()
    {
        QFETCH(QString, reglages);
        QFETCH(QString, points);
        Tournoi t{*TypeJeu::depuisTexte(reglages.section(u' ', 0, 0))};
        t.m.OptCtrlBal = !reglages.contains(u"sans contrôle");
        t.m.TotalBelote = reglages.contains(u"sans total") ? 0 : 162;
        const Saisie s = Table(points, u"8"_s, u"1"_s);
        const qint32 total = CalculControleBelote(t.m, s, QString::number(TotalBase(t.m, s.NPA))).total;
        QTEST(RefusPoints(t.m, s, total).value_or(QString()), "message");
    }

    void controleBelote_data()
    {
        // saisie: game | deals | belotes | capots
        // attendu: base | control total | formula
        Colonnes<QString, QString>("saisie", "attendu");
        QTest::newRow("équipes, une belote") << "BELOTE|8|1|" << "1296|1316|(1 x 20  +  0 x 90  +  8 parties x 162)";
        QTest::newRow("belote et capot") << "BELOTEIND|8|1|2" << "2592|2992|(1 x 20  +  2 x 90  +  8 parties x 162)";
        QTest::newRow("belotes effacées") << "BELOTE|8||" << "1296|1296|(0 x 20  +  0 x 90  +  8 parties x 162)";
        QTest::newRow("sans parties") << "BELOTE||3|" << "0|60|(3 x 20  +  0 x 90  +   parties x 162)";
        QTest::newRow("moins au milieu") << "BELOTE|8|2-1|-" << "1296|1296|(0 x 20  +  0 x 90  +  8 parties x 162)";
    }
    void controleBelote()
    {
        QFETCH(QString, saisie);
        const QStringList e = saisie.split(u'|');
        Tournoi t{*TypeJeu::depuisTexte(e[0])};
        t.m.TotalBelote = 162;
        const QString base = QString::number(TotalBase(t.m, e[1]));
        const ControleBelote c = CalculControleBelote(t.m, Table({}, e[1], e[2], e[3]), base);
        QTEST(base + u'|' + QString::number(c.total) + u'|' + c.expression, "attendu");
        QCOMPARE(c.lblPtsBel + c.lblPtsCap,
                 u"Nombre de belotes à 20 points dans la manche :Nombre de capots à 90 points dans la manche :"_s);
    }

    // Totals beyond the 16-bit range keep their sign; a box that holds no number adds nothing.
    void totaux()
    {
        Tournoi t{TypeJeu::BeloteInd};
        QCOMPARE(TotalPoints(t.m, Table(u"9999999,9999999,9999999,9999999"_s)), 39999996);
        QCOMPARE(TotalPoints(t.m, Table(u"-999999,-999999,20000,20000"_s)), -1959998);
        QCOMPARE(TotalPoints(t.m, Table(u"2-0,-1,-,-1"_s)), -2);
        t.m.TotalBelote = t.m.PtsBeloteRebelote = t.m.PtsCapot = 32767;
        const qint32 base = TotalBase(t.m, u"99"_s);
        QCOMPARE(base, 2 * 99 * 32767);
        QCOMPARE(CalculControleBelote(t.m, Table({}, u"99"_s, u"99"_s, u"99"_s), QString::number(base)).total,
                 6 * 99 * 32767);
    }
};

QTEST_GUILESS_MAIN(TestScores)
#include "test_scores.moc"
