// FEUILLES.TXT, the blank score sheets of a round, and FEUILLES.CSV.
#include "reports/feuilles.h"
#include "reports/feuillescsv.h"
#include "tournoi.h"

#include <QTest>

namespace {

QStringList titreFeuille(const QString &manche, const QString &table)
{
    return enteteSimple(43) + QStringList{
        "                                    FEUILLE DE MARQUE",
        "                                    =================",
        " ",
        "                                    Manche n° : " + manche,
        "                                    Table  n° : " + table,
        " ",
    };
}

// The four deals and the closing lines shared by the tarot and team belote sheets.
const QStringList quatrePartiesEtFin = {
    "        !----!--------!--------!--------!--------!--------!--------!--------!--------!",
    "        !  1 !        !        !        !        !        !        !        !        !",
    "        !----!--------!--------!--------!--------!--------!--------!--------!--------!",
    "        !  2 !        !        !        !        !        !        !        !        !",
    "        !----!--------!--------!--------!--------!--------!--------!--------!--------!",
    "        !  3 !        !        !        !        !        !        !        !        !",
    "        !----!--------!--------!--------!--------!--------!--------!--------!--------!",
    "        !  4 !        !        !        !        !        !        !        !        !",
    "        !====!========!========!========!========!========!========!========!========!",
    "        !Tot !        !        !        !        !        !        !        !        !",
    "        +----+--------+--------+--------+--------+--------+--------+--------+--------+",
    " ",
    " ",
    "        +====+=================+=================+=================+=================+",
    "        !    !                 !                 !                 !                 !",
    "        !Pts !                 !                 !                 !                 !",
    "        +====+=================+=================+=================+=================+",
    "\f",
};

// Round 2 has 4 deals and a single table, number 3.
void tarot(TournoiRapport &t)
{
    t.joueur(5, "DURAND", "Luc");
    t.joueur(7, "DUPONT", "Zoé");
    t.joueur(12, "DE LA FONTAINE-ROY", "Jean-Baptiste");
    t.joueur(101, "LEDUC", "Anne");
    t.manche("20:30", "22:00", " 5");
    t.manche("22:15", "23:30", " 4");
    t.table(1, 1, {5, 7, 12, 101});
    t.table(2, 3, {12, 7, 101, 5});
    t.m.MancheCourante = 2;
    t.m.NbTables = 1;
}

} // namespace

class TestFeuilles : public QObject
{
    Q_OBJECT

private slots:
    void feuilleTarot()
    {
        TournoiRapport t;
        tarot(t);
        t.nommePlaces();
        QVERIFY(ImprimeFeuilles(t.m, 3));
        COMPARE_LIGNES(DepuisCp1252(t.lit("FEUILLES.TXT")).split("\r\n"),
                       titreFeuille("   2", "   3") + QStringList{
                           "        +----+-----------------+-----------------+-----------------+-----------------+",
                           "        !    ! DE LA FONTAINE- ! DUPONT          ! LEDUC           ! DURAND          !",
                           "        !    ! Jean-Baptiste   ! Zoé             ! Anne            ! Luc             !",
                           "        !    !   12 / Nord     !    7 / Est      !  101 / Sud      !    5 / Ouest    !",
                           "        +----+--------+--------+--------+--------+--------+--------+--------+--------+",
                           "        !    ! Positif!Négatif ! Positif!Négatif ! Positif!Négatif ! Positif!Négatif !",
                       } + quatrePartiesEtFin + QStringList{""});
        QCOMPARE(t.p.textesEdites, QStringList{t.m.Chemin("FEUILLES.TXT")});
    }

    void feuilleTarotSansPlaces()
    {
        TournoiRapport t;
        tarot(t);
        QCOMPARE(LignesFeuilles(t.m, 3)[14],
                 "        !    !   12            !    7            !  101            !    5            !");
    }

    void feuilleBeloteIndividuelle()
    {
        TournoiRapport t("BELOTEIND");
        t.joueur(3, "DE LA FONTAINE-ROY", "Jean-Baptiste");
        t.joueur(8, "DUPONT", "Zoé");
        t.joueur(15, "LEDUC", "Anne");
        t.joueur(1024, "DURAND", "Luc");
        t.manche("20:30", "22:00", " 4");
        t.table(1, 1, {3, 8, 15, 1024});
        t.m.MancheCourante = 1;
        t.nommePlaces();
        COMPARE_LIGNES(LignesFeuilles(t.m, 0), titreFeuille("   1", "   1") + QStringList{
            "        +----+-----------------------------+-----------------------------+-----------+",
            "        !    !    3 : DE LA FONTAINE-ROY J !   15 : LEDUC Anne           ! Controle  !",
            "        !    !    8 : DUPONT Zoé           ! 1024 : DURAND Luc           ! ligne     !",
            "        +----+-------------+---------------+-------------+---------------+ hors      !",
            "        !    !    Belote   ! Points+Capots !    Belote   ! Points+Capots ! belote    !",
            "        !----!-------------!---------------!-------------!---------------!-----------!",
            "        !  1 !             !               !             !               !           !",
            "        !----!-------------!---------------!-------------!---------------!-----------!",
            "        !  2 !             !               !             !               !           !",
            "        !----!-------------!---------------!-------------!---------------!-----------!",
            "        !  3 !             !               !             !               !           !",
            "        !----!-------------!---------------!-------------!---------------!-----------!",
            "        !  4 !             !               !             !               !           !",
            "        !====!=============!===============!=============!===============!===========!",
            "        !Tot !             !               !             !               !           !",
            "        +----+-------------+---------------+-------------+---------------+-----------+",
            " ",
            " ",
            "        +====+=============+===============+=============+===============+===========+",
            "        !    !             !               !             !               !           !",
            "        !Pts !             !               !             !               !           !",
            "        +====+=============+===============+=============+===============+===========+",
            "\f",
        });
    }

    // Two teams; the second table of the round starts at its own first seat.
    void feuilleDoublettes()
    {
        TournoiRapport t("BELOTE");
        t.joueur(2, "ROUX Paul", "LEROY Eve");
        t.joueur(4, "DUPONT Jean-Pierre et fils aînés ++", "DURAND Luc");
        t.joueur(11, "MARTIN Anne", "PETIT Zoé");
        t.joueur(20, "MOREAU Lise", "SIMON Marc");
        t.manche("20:30", "22:00", " 4");
        t.table(1, 1, {2, 20});
        t.table(1, 2, {4, 11});
        t.m.MancheCourante = 1;
        COMPARE_LIGNES(LignesFeuilles(t.m, 2), titreFeuille("   1", "   2") + QStringList{
            "        +----+-----------------------------------+-----------------------------------+",
            "        !    ! DUPONT Jean-Pierre et fils aînés  ! MARTIN Anne                       ! ",
            "        !    ! DURAND Luc                        ! PETIT Zoé                         ! ",
            "        !    !    4                              !   11                              !",
            "        +----+--------+--------+--------+--------+--------+--------+--------+--------+",
            "        !    ! Points !Belotes ! Capots ! Total  ! Points !Belotes ! Capots ! Total  !",
        } + quatrePartiesEtFin);
    }

    void toutesLesTables()
    {
        TournoiRapport t("BELOTE");
        t.joueur(1, "A", "B");
        t.joueur(2, "C", "D");
        t.manche("20:30", "22:00", " 4");
        t.manche("22:15", "23:30", " 4");
        t.table(1, 1, {1, 2});
        t.table(2, 1, {2, 1});
        t.table(2, 2, {1, 2});
        t.m.MancheCourante = 2;
        const QStringList lignes = LignesFeuilles(t.m, 0);
        QCOMPARE(lignes.count("\f"), 2);
        QCOMPARE(lignes.last(), "\f");
        QCOMPARE(lignes.count("                                    Table  n° :    1"), 1);
        QCOMPARE(lignes.count("                                    Table  n° :    2"), 1);
    }

    void sansPartiesRefuse()
    {
        TournoiRapport t;
        tarot(t);
        t.m.Manches(4, 2) = QString("  ");
        QVERIFY(!ImprimeFeuilles(t.m, 0));
        QCOMPARE(t.p.dernierTexte(),
                 QString("Le nombre de parties n'est pas renseigné pour cette manche. Il est donc impossible "
                         "d'imprimer les feuilles de marque. Pour corriger, allez dans la définition des manches "
                         "et renseignez le nombre de parties."));
        QCOMPARE(t.lit("FEUILLES.TXT"), QByteArray("<absent>"));
    }

    void demandeTable_data()
    {
        QTest::addColumn<QStringList>("reponses"); // "<annule>" for Cancel
        QTest::addColumn<int>("table");            // -1 for none
        QTest::addColumn<QStringList>("erreurs");
        QTest::newRow("all") << QStringList{"0"} << 0 << QStringList{};
        QTest::newRow("last table") << QStringList{"3"} << 3 << QStringList{};
        QTest::newRow("cancel") << QStringList{"<annule>"} << -1 << QStringList{};
        QTest::newRow("empty") << QStringList{""} << -1 << QStringList{};
        QTest::newRow("asked again")
            << QStringList{"abc", "4", "-1", "2"} << 2
            << QStringList{"Le n° saisi doit être un nombre", "Le n° de table doit être compris entre 1 et 3",
                           "Le n° de table doit être compris entre 1 et 3"};
    }
    void demandeTable()
    {
        QFETCH(QStringList, reponses);
        QFETCH(int, table);
        QFETCH(QStringList, erreurs);
        TournoiRapport t;
        t.m.NbTables = 3;
        for (const QString &r : reponses)
            t.p.saisies.enqueue(r == "<annule>" ? std::nullopt : std::optional<QString>(r));
        QCOMPARE(DemandeTableFeuilles(t.m).value_or(-1), table);
        QStringList textes;
        for (const PlateformeTest::Boite &b : t.p.boites) {
            QCOMPARE(b.titre, "Erreur");
            QCOMPARE(b.icone, Plateforme::Icone::Exclamation);
            textes << b.texte;
        }
        QCOMPARE(textes, erreurs);
    }

    // Entrant 4 sits out round 2, entrant 5 round 1: their fields stay empty.
    void csv()
    {
        TournoiRapport t;
        const char *noms[] = {"ANDRE", "BERNARD", "CARON", "DUBOIS", "FAURE"};
        for (int i = 0; i < 5; ++i)
            t.joueur(i + 1, noms[i], "P" + QString::number(i + 1));
        for (int r = 1; r <= 3; ++r)
            t.manche("__:__", "__:__", " 4");
        t.table(1, 1, {1, 2, 3, 4});
        t.table(2, 2, {5, 1, 2, 3});
        t.table(3, 1, {2, 3, 4, 5});
        QVERIFY(ImprimeFeuillesCsv(t.m));
        COMPARE_LIGNES(DepuisCp1252(t.lit("FEUILLES.CSV")).split("\r\n"), {
            "Nom Tournoi;N° joueur;Nom joueur;Prénom joueur;1;2;3",
            "Coupe du club;1;ANDRE;P1;1;2;",
            "Coupe du club;2;BERNARD;P2;1;2;1",
            "Coupe du club;3;CARON;P3;1;2;1",
            "Coupe du club;4;DUBOIS;P4;1;;1",
            "Coupe du club;5;FAURE;P5;;2;1",
            "",
        });
        QCOMPARE(t.p.textesEdites, QStringList{t.m.Chemin("FEUILLES.CSV")});
    }
};

QTEST_GUILESS_MAIN(TestFeuilles)
#include "test_feuilles.moc"
