// FICHE.TXT: the sheet of one entrant.
#include "reports/fiche.h"
#include "tournoi.h"

#include <QTest>

namespace {

// Entrant 3 played rounds 1 and 2 and sits at a table of round 3 not yet
// scored; entrant 7 only sits at that table.
void tournoi(TournoiRapport &t)
{
    t.joueur(3, "DUPONT", "Jean");
    t.joueur(5, "DURAND", "Luc");
    t.joueur(7, "LEDUC", "Anne");
    t.table(1, 2, {5, 3}, {"1234", "-1234"});
    t.table(2, 1, {3, 5}, {"350", "-350"});
    t.table(3, 1, {7, 5, 3});
    t.m.Scores(3, 1) = QString("5");
    t.m.Scores(3, 2) = QString("5");
    t.m.Scores(3, 3) = 12;
    t.m.Scores(3, 4) = 12;
    const double dupont[] = {2, 17, -884, -442, -52};
    for (int c = 5; c <= 9; ++c)
        t.m.Joueurs(c, 1) = dupont[c - 5];
}

QStringList ficheAttendue(const QString &numero, const QString &nom, const QString &prenom, const QStringList &tableau,
                          const QString &moyennes)
{
    const QString bordure = "                      +-------------+---------------+-------------+";
    return enteteSimple(44)
           + QStringList{"                                  FICHE INDIVIDUELLE JOUEUR",
                         "                                  =========================",
                         " ",
                         " ",
                         "                                     N°     : " + numero,
                         "                                     Nom    : " + nom,
                         "                                     Prénom : " + prenom,
                         " ",
                         bordure,
                         "                      ! N° manche   ! Nbre parties  ! Nbre points !",
                         bordure}
           + tableau.first(tableau.size() - 1) + QStringList{bordure, tableau.last(), bordure, " "}
           + moyennes.split('|');
}

} // namespace

class TestFiche : public QObject
{
    Q_OBJECT

private slots:
    void avecScores()
    {
        TournoiRapport t;
        tournoi(t);
        QVERIFY(ImprimeFiche(t.m, FicheJoueur(t.m, 1, 2)));
        COMPARE_LIGNES(DepuisCp1252(t.lit("FICHE.TXT")).split("\r\n"),
                       ficheAttendue("3", "DUPONT", "Jean",
                                     {"                      !         1   !        5      !     -1234   !",
                                      "                      !         2   !       12      !       350   !",
                                      "                      !         3   !        0      !         0   !",
                                      "             Totaux   !         2   !       17      !      -884   !"},
                                     "                                      Moyenne manches : -442|"
                                     "                                      Moyenne parties : -52|"
                                     "                                      Classement : 2/3")
                           + QStringList{""});
        QCOMPARE(t.p.textesEdites, QStringList{t.m.Chemin("FICHE.TXT")});
    }

    void sansScore()
    {
        TournoiRapport t;
        tournoi(t);
        const Fiche fiche = FicheJoueur(t.m, 3, 3);
        QCOMPARE(fiche.valeurs, (std::array<QString, 5>{}));
        COMPARE_LIGNES(LignesFiche(t.m, fiche),
                       ficheAttendue("7", "LEDUC", "Anne",
                                     {"                      !         3   !        0      !         0   !",
                                      "             Totaux   !         0   !        0      !         0   !"},
                                     "                                      Moyenne manches : |"
                                     "                                      Moyenne parties : |"
                                     "                                      Classement : 3/3"));
    }
};

QTEST_GUILESS_MAIN(TestFiche)
#include "test_fiche.moc"
