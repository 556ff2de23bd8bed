// The round schedule on the model: "&OK" and its checks, the deletion of the
// last round, and the model kept as it was when a file cannot be written.
#include "rounds/saisiemanche.h"
#include "tournoi.h"

#include <QTest>

namespace {

const QString MsgSuppr = QStringLiteral(
    "Vous ne pouvez supprimer que la dernière manche, et si aucune partie n'a été jouée dans cette manche.");
const QString MsgDeuxHeures = QStringLiteral(
    "\nCes deux champs sont optionnels, mais doivent être ou vides tous les deux, ou renseignés tous les deux.");
const QString MsgInverse =
    QStringLiteral("Confirmez-vous que l'heure de début doit bien être supérieure à l'heure de fin ?");
const QString MsgParties = QStringLiteral("Le nombre de parties doit être inférieur à 99.");

QList<int> ManchesDesScores(const Modele &m)
{
    QList<int> manches;
    for (int r = 1; r <= m.NbScores(); ++r)
        manches << int(m.Scores(1, r).nombre());
    return manches;
}

} // namespace

class TestManchesSaisie : public QObject
{
    Q_OBJECT

private slots:
    // Round 2 typed after round 1. issue: "fermer", "enregistree" or the box
    // the focus goes back to; ligne: round 2 in M01.DAT once saved; oui: the
    // answers to the questions, in order.
    void ok_data()
    {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("debut");
        QTest::addColumn<QString>("fin");
        QTest::addColumn<QString>("parties");
        QTest::addColumn<QList<bool>>("oui");
        QTest::addColumn<QString>("issue");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("ligne");

        const QString debutSeul = "Vous avez renseigné l'heure de début et pas l'heure de fin.";
        const QString finSeule = "Vous avez renseigné l'heure de fin et pas l'heure de début.";
        QTest::newRow("nothing typed") << "" << "__:__" << "__:__" << "5" << QList<bool>{} << "fermer" << "" << "";
        QTest::newRow("end only") << "2" << "__:__" << "22:00" << "5" << QList<bool>{} << "debut"
                                  << finSeule + MsgDeuxHeures << "";
        QTest::newRow("start only") << "2" << "20:00" << "__:__" << "5" << QList<bool>{} << "debut"
                                    << debutSeul + MsgDeuxHeures << "";
        QTest::newRow("no times") << "2" << "__:__" << "__:__" << "5" << QList<bool>{} << "enregistree" << ""
                                  << " 2 __:__ __:__ 5  X";
        QTest::newRow("deals empty") << "2" << "20:00" << "22:00" << "" << QList<bool>{} << "enregistree" << ""
                                     << " 2 20:00 22:00 1  X";
        QTest::newRow("deals 98") << "2" << "20:00" << "22:00" << "98" << QList<bool>{} << "enregistree" << ""
                                  << " 2 20:00 22:00 98 X";
        QTest::newRow("deals 99") << "2" << "20:00" << "22:00" << "99" << QList<bool>{} << "parties" << MsgParties
                                  << "";
        QTest::newRow("deals 150, before the times")
            << "2" << "24:30" << "22:00" << "150" << QList<bool>{} << "parties" << MsgParties << "";
        QTest::newRow("start 24:30") << "2" << "24:30" << "22:00" << "5" << QList<bool>{} << "debut"
                                     << "Heure incorrecte !" << "";
        QTest::newRow("end 12:75") << "2" << "20:00" << "12:75" << "5" << QList<bool>{} << "fin"
                                   << "Minutes incorrectes !" << "";
        QTest::newRow("end 24:00 Yes") << "2" << "20:00" << "24:00" << "5" << QList<bool>{true} << "enregistree"
                                       << "24 heures, ça n'existe pas ! Choisissez ... 23:59 (Oui) ou 00:00 (Non)"
                                       << " 2 20:00 23:59 5  X";
        QTest::newRow("start after end Yes") << "2" << "23:00" << "01:30" << "5" << QList<bool>{true}
                                             << "enregistree" << MsgInverse << " 2 23:00 01:30 5  X";
        QTest::newRow("start after end No") << "2" << "23:00" << "01:30" << "5" << QList<bool>{false} << "debut"
                                            << MsgInverse << "";
        QTest::newRow("later minutes No") << "2" << "20:45" << "20:30" << "5" << QList<bool>{false} << "debut"
                                          << MsgInverse << "";
        QTest::newRow("equal times") << "2" << "20:30" << "20:30" << "5" << QList<bool>{} << "enregistree" << ""
                                     << " 2 20:30 20:30 5  X";
    }
    void ok()
    {
        QFETCH(QString, numero);
        QFETCH(QString, debut);
        QFETCH(QString, fin);
        QFETCH(QString, parties);
        QFETCH(QList<bool>, oui);
        QFETCH(QString, issue);
        QFETCH(QString, message);
        QFETCH(QString, ligne);
        TournoiTest t;
        t.manches(1);
        for (bool reponse : oui)
            t.p.reponses.enqueue(reponse);

        SaisieManche saisie{numero, debut, fin, parties};
        const IssueOK resultat = ValideManche(t.m, saisie);
        const QString champs[] = {"", "debut", "fin", "parties"};
        const QString obtenue = resultat.action == IssueOK::Fermer        ? "fermer"
                                : resultat.action == IssueOK::Enregistree ? "enregistree"
                                                                          : champs[int(resultat.champ)];
        QCOMPARE(obtenue, issue);
        QCOMPARE(t.p.dernierTexte(), message);
        QCOMPARE(t.p.questionsSansReponse, 0);
        QVERIFY(t.p.reponses.isEmpty());
        if (message == MsgInverse)
            QVERIFY(!t.p.boites.last().ouiParDefaut);
        const QStringList fichier =
            ligne.isEmpty() ? QStringList{"<absent>"} : QStringList{" 1 20:00 22:00 5   ", ligne};
        QCOMPARE(t.lignes("M01.DAT"), fichier);
        QCOMPARE(t.m.MancheCourante, ligne.isEmpty() ? 1 : 2);
    }

    // Three rounds: round 1 has a scored table, round 3 two tables, of which
    // the second has `notees` scored seats.
    void supprime_data()
    {
        QTest::addColumn<int>("manches");
        QTest::addColumn<int>("courante");
        QTest::addColumn<int>("notees");
        QTest::addColumn<bool>("oui");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<int>>("scores");

        const QList<int> tout{1, 1, 1, 1, 3, 3, 3, 3, 3, 3, 3, 3};
        const QString question = "Voulez-vous vraiment supprimer la manche  3 ?";
        QTest::newRow("last round without scores") << 3 << 3 << 0 << true << question << QList<int>{1, 1, 1, 1};
        QTest::newRow("answered No") << 3 << 3 << 0 << false << question << tout;
        QTest::newRow("one scored table") << 3 << 3 << 4 << true << MsgSuppr << tout;
        QTest::newRow("one scored seat") << 3 << 3 << 1 << true << MsgSuppr << tout;
        QTest::newRow("not the last round") << 3 << 2 << 0 << true << MsgSuppr << tout;
        QTest::newRow("last round without tables")
            << 4 << 4 << 0 << true << "Voulez-vous vraiment supprimer la manche  4 ?" << tout;
    }
    void supprime()
    {
        QFETCH(int, manches);
        QFETCH(int, courante);
        QFETCH(int, notees);
        QFETCH(bool, oui);
        QFETCH(QString, message);
        QFETCH(QList<int>, scores);
        TournoiTest t;
        t.manches(manches, courante);
        t.table(1, 1, 4, 4);
        t.table(3, 1, 4);
        t.table(3, 2, 4, notees);
        t.p.reponses.enqueue(oui);

        const bool supprimee = oui && message != MsgSuppr;
        QCOMPARE(SupprimeManche(t.m), supprimee);
        QCOMPARE(t.p.boites.size(), 1);
        QCOMPARE(t.p.dernierTexte(), message);
        QCOMPARE(ManchesDesScores(t.m), scores);
        QCOMPARE(t.m.NbManches(), manches - supprimee);
        QCOMPARE(t.m.MancheCourante, supprimee ? manches - 1 : courante);
        if (!supprimee) {
            QCOMPARE(t.lignes("M01.DAT"), QStringList{"<absent>"});
            return;
        }
        QCOMPARE(t.lignes("M01.DAT").size(), manches - 1);
        QVERIFY(t.lignes("M01.DAT").last().endsWith(u'X'));
        QCOMPARE(t.lignes("S01.DAT").size(), scores.size());
    }

    void supprimeSeule()
    {
        TournoiTest t;
        t.manches(1);
        t.table(1, 1, 4);
        QVERIFY(t.m.EcritManches() && t.m.EcritScores());
        t.m.EtatManche.fill("ancien");
        t.p.reponses.enqueue(true);

        QVERIFY(SupprimeManche(t.m));
        QCOMPARE(t.m.MancheCourante, 0);
        QCOMPARE(t.m.EtatManche, (std::array<QString, 5>{}));
        QCOMPARE(t.lignes("M01.DAT"), QStringList{"<absent>"});
        QCOMPARE(t.lignes("S01.DAT"), QStringList{"<absent>"});
    }

    // A round saved, a round chosen: when the rounds file cannot be written,
    // the rounds, the current round and the status shown stay as they were.
    void manchesBloquees()
    {
        TournoiTest t;
        t.manches(2, 1);
        const TableCellules avant = t.m.Manches;
        t.bloque("M01.DAT");
        QVERIFY(!EnregManche(t.m, {"3", "20:00", "21:00", "4"}));
        QVERIFY(!ChoisitManche(t.m, 2));
        QCOMPARE(t.m.MancheCourante, 1);
        QCOMPARE(t.m.NbManches(), 2);
        for (int c = 1; c <= 5; ++c)
            QCOMPARE(t.m.Manches(c, 2), avant(c, 2));
        QCOMPARE(t.m.EtatManche[0], "Manche  1");
        QCOMPARE(t.p.boites.size(), 2);
    }

    // Deleting: the scores file fails, nothing is deleted; the rounds file
    // fails, the round stays without its tables, as both files then say.
    void supprimeBloque_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<int>("scores");
        QTest::newRow("scores file") << "S01.DAT" << 8;
        QTest::newRow("rounds file") << "M01.DAT" << 4;
    }
    void supprimeBloque()
    {
        QFETCH(QString, fichier);
        QFETCH(int, scores);
        TournoiTest t;
        t.manches(2);
        t.table(1, 1, 4, 4);
        t.table(2, 1, 4);
        t.bloque(fichier);
        t.p.reponses.enqueue(true);

        QVERIFY(!SupprimeManche(t.m));
        QCOMPARE(t.p.boites.last().titre, "ERREUR");
        QCOMPARE(t.m.NbManches(), 2);
        QCOMPARE(t.m.MancheCourante, 2);
        QCOMPARE(t.m.NbScores(), scores);
    }
};

QTEST_GUILESS_MAIN(TestManchesSaisie)
#include "test_manches_saisie.moc"
