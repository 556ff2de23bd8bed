// The reports as files: each layout by game type, the paging, the rounds
// list, the way a printout ends (editor, boxes, wait window), the searches of
// the player sheet and the grids of the table lists.
#include "soiree.h"
#include "support/lecturedocx.h"

#include <QElapsedTimer>

namespace {

QString blancs(int n)
{
    return QString(n, u' ');
}

// The five opening lines of a one-page report.
QStringList Entete(int ecart)
{
    return {blancs(8) + "Velmora Tarot Belote 3.72" + blancs(ecart) + "07/03/2026",
            blancs(8) + "Velmora - gestion de tournois de cartes" + blancs(31) + "21:05:03", " ",
            blancs(40) + "Coupe du club" + blancs(33), " "};
}

const QString CadreManches = "                        +-----------+---------+---------+--------------+";

// The six opening lines of each page of a paged report.
QStringList EntetePage(int page)
{
    return {"\f",
            blancs(8) + "Velmora Tarot Belote 3.72" + blancs(44) + "PAGE : " + QString::number(page).rightJustified(2),
            blancs(8) + "Velmora - gestion de tournois de cartes" + blancs(29) + "07/03/2026",
            blancs(78) + "21:05:03", blancs(40) + "Coupe du club" + blancs(33), " "};
}

// The separator and the numbered line of each deal of a sheet.
QStringList Parties(const QString &separateur, const QString &cases)
{
    QStringList lignes;
    for (int p = 1; p <= 4; ++p)
        lignes << separateur << "        !  " + QString::number(p) + cases;
    return lignes;
}

} // namespace

class TestRapports : public QObject
{
    Q_OBJECT

private slots:
    // The lines of the file from line `debut` on, and its number of lines.
    void rapports_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<TypeJeu>("jeu");
        QTest::addColumn<bool>("places");
        QTest::addColumn<int>("argument");
        QTest::addColumn<int>("debut");
        QTest::addColumn<QStringList>("attendu");
        QTest::addColumn<int>("total");
        const TypeJeu tarot = TypeJeu::Tarot, belote = TypeJeu::Belote, individuelle = TypeJeu::BeloteInd;

        // The grid's order, names cut, a cell without value as 0.
        QTest::newRow("grille") << "GRILLE.TXT" << tarot << false << 0 << 0 << EntetePage(1) + QStringList{
            "                                          CLASSEMENT",
            "                                                    Nbr  Nbr  Nombre  Moyenne  Moyenne",
            "        Tri  N°j  Nom              Prénom           man  par  points  manches  parties",
            "        ---  ---  ---------------  ---------------  ---  ---  ------  -------  -------",
            "          1    5  ABCDEFGHIJKLMNO  Jean               2    8     250        0        0",
            "          2    2  BERNARD          Lise               3   12   -1234     -411     -103",
            "          3    9  IMBERT           Noé                0    0       0        0        0"} << 13;

        QTest::newRow("manches") << "MANCHES.TXT" << tarot << false << 0 << 0 << Entete(43) + QStringList{
            "                                      LISTE DES MANCHES", "                                      =================", " ", " ",
            CadreManches, "                        ! N° manche !  Début  !   Fin   ! Nbre parties !", CadreManches,
            "                        !        1  !  20:00  !  22:00  !       4      !",
            "                        !        2  !  20:00  !  22:00  !       4      !", CadreManches} << 15;

        const QString regleTable = "        -----  -----  -------  ---------------  --------------- ";
        QTest::newRow("par table, places") << "LIST_TAB.TXT" << tarot << true << 0 << 0 << EntetePage(1) + QStringList{
            "                               LISTE DES TABLES DE LA MANCHE  2", " ",
            "        Table  Place  Joueur   Nom              Prénom           ", regleTable,
            "          2    Nord         8  HENRY            Zoé            ",
            "               Est          3  CARON            Marc           ",
            "               Sud          5  ABCDEFGHIJKLMNO  Jean           ",
            "               Ouest        1  ANDRE            Paul           ", " ",
            "          3    Nord         2  BERNARD          Lise           "} << 20;
        // Without named seats the entrant numbers stay in one column.
        QTest::newRow("par table") << "LIST_TAB.TXT" << tarot << false << 0 << 10 << QStringList{
            "          2                 8  HENRY            Zoé            ",
            "                            3  CARON            Marc           "} << 20;
        QTest::newRow("par table, doublettes") << "LIST_TAB.TXT" << belote << true << 0 << 8 << QStringList{
            "        Table  Place  Equipe   Nom/Prénom 1     Nom/Prénom 2     ", regleTable,
            "          2    Nord         1  DUPONT Jean      DURAND Luc     ",
            "               Est          4  DUPONT Jean-Pie  SIMON Marc     ", " ",
            "          3    Nord         3  ROUX Paul        LEROY Eve      "} << 16;
        QTest::newRow("par joueur, places") << "LIST_JOU.TXT" << tarot << true << 0 << 8 << QStringList{
            "        Joueur  Nom              Prénom           Table  ",
            "        ------  ---------------  ---------------  -----  ",
            "            1   ANDRE            Paul               2 O",
            "            2   BERNARD          Lise               3 N",
            "            3   CARON            Marc               2 E"} << 18;
        QTest::newRow("par joueur, individuelle") << "LIST_JOU.TXT" << individuelle << false << 0 << 8
                                                  << QStringList{"        Joueur  Nom              Prénom           Table  "}
                                                  << 18;
        QTest::newRow("par joueur, doublettes") << "LIST_JOU.TXT" << belote << true << 0 << 8 << QStringList{
            "        Equipe  Nom/Prénom 1     Nom/Prénom 2     Table  ",
            "        ------  ---------------  ---------------  -----  ",
            "            1   DUPONT Jean      DURAND Luc         2 N",
            "            2   MARTIN Anne      PETIT Zoé          3 E"} << 14;
        QTest::newRow("par nom") << "LIST_NOM.TXT" << tarot << false << 0 << 8 << QStringList{
            "        Nom                  Prénom               N°J.  Table  ",
            "        -------------------  -------------------  ----  -----  ",
            "        ABCDEFGHIJKLMNOPQRS  Jean                    5    2",
            "        ANDRE                Paul                    1    2",
            "        BERNARD              Lise                    2    3"} << 18;
        QTest::newRow("par nom, doublettes") << "LIST_NOM.TXT" << belote << true << 0 << 8 << QStringList{
            "        Nom/Prénom 1         Nom/Prénom 2         N°J.  Table  ",
            "        -------------------  -------------------  ----  -----  ",
            "        DUPONT Jean          DURAND Luc              1    2 N",
            "        DUPONT Jean-Pierre   SIMON Marc              4    2 E"} << 14;

        const QStringList titreFeuille = Entete(43) + QStringList{
            "                                    FEUILLE DE MARQUE", "                                    =================", " ",
            "                                    Manche n° :    2", "                                    Table  n° :    2", " "};
        const QStringList partiesQuatre = Parties(
            "        !----!--------!--------!--------!--------!--------!--------!--------!--------!",
            " !        !        !        !        !        !        !        !        !");
        QTest::newRow("feuille tarot, places") << "FEUILLES.TXT" << tarot << true << 2 << 0 << titreFeuille + QStringList{
            "        +----+-----------------+-----------------+-----------------+-----------------+",
            "        !    ! HENRY           ! CARON           ! ABCDEFGHIJKLMNO ! ANDRE           !",
            "        !    ! Zoé             ! Marc            ! Jean            ! Paul            !",
            "        !    !    8 / Nord     !    3 / Est      !    5 / Sud      !    1 / Ouest    !",
            "        +----+--------+--------+--------+--------+--------+--------+--------+--------+",
            "        !    ! Positif!Négatif ! Positif!Négatif ! Positif!Négatif ! Positif!Négatif !"} + partiesQuatre + QStringList{
            "        !====!========!========!========!========!========!========!========!========!",
            "        !Tot !        !        !        !        !        !        !        !        !",
            "        +----+--------+--------+--------+--------+--------+--------+--------+--------+", " ", " ",
            "        +====+=================+=================+=================+=================+",
            "        !    !                 !                 !                 !                 !",
            "        !Pts !                 !                 !                 !                 !",
            "        +====+=================+=================+=================+=================+", "\f"} << 35;
        QTest::newRow("feuille tarot") << "FEUILLES.TXT" << tarot << false << 2 << 14 << QStringList{
            "        !    !    8            !    3            !    5            !    1            !"} << 35;
        // Every table of the round: the second sheet follows the first form feed.
        QTest::newRow("feuilles de toutes les tables")
            << "FEUILLES.TXT" << tarot << false << 0 << 34
            << QStringList{"\f"} + titreFeuille.first(9) + QStringList{"                                    Table  n° :    3"} << 70;
        QTest::newRow("feuille belote individuelle") << "FEUILLES.TXT" << individuelle << true << 2 << 11 << QStringList{
            "        +----+-----------------------------+-----------------------------+-----------+",
            "        !    !    8 : HENRY Zoé            !    5 : ABCDEFGHIJKLMNOPQRST ! Controle  !",
            "        !    !    3 : CARON Marc           !    1 : ANDRE Paul           ! ligne     !",
            "        +----+-------------+---------------+-------------+---------------+ hors      !",
            "        !    !    Belote   ! Points+Capots !    Belote   ! Points+Capots ! belote    !"} + Parties(
            "        !----!-------------!---------------!-------------!---------------!-----------!",
            " !             !               !             !               !           !") + QStringList{
            "        !====!=============!===============!=============!===============!===========!",
            "        !Tot !             !               !             !               !           !",
            "        +----+-------------+---------------+-------------+---------------+-----------+", " ", " ",
            "        +====+=============+===============+=============+===============+===========+",
            "        !    !             !               !             !               !           !",
            "        !Pts !             !               !             !               !           !",
            "        +====+=============+===============+=============+===============+===========+", "\f"} << 34;
        QTest::newRow("feuille doublettes") << "FEUILLES.TXT" << belote << true << 2 << 11 << QStringList{
            "        +----+-----------------------------------+-----------------------------------+",
            "        !    ! DUPONT Jean                       ! DUPONT Jean-Pierre et fils aînés  ! ",
            "        !    ! DURAND Luc                        ! SIMON Marc                        ! ",
            "        !    !    1                              !    4                              !",
            "        +----+--------+--------+--------+--------+--------+--------+--------+--------+",
            "        !    ! Points !Belotes ! Capots ! Total  ! Points !Belotes ! Capots ! Total  !"} + partiesQuatre
            << 35;

        // Entrant 8 sits out round 1, entrant 9 round 2: their fields stay empty.
        QTest::newRow("csv") << "FEUILLES.CSV" << tarot << false << 0 << 0 << QStringList{
            "Nom Tournoi;N° joueur;Nom joueur;Prénom joueur;1;2", "Coupe du club;1;ANDRE;Paul;1;2",
            "Coupe du club;2;BERNARD;Lise;1;3", "Coupe du club;3;CARON;Marc;1;2", "Coupe du club;4;DUBOIS;Eve;1;3",
            "Coupe du club;5;ABCDEFGHIJKLMNOPQRST;Jean;2;2", "Coupe du club;6;FAURE;Anne;2;3",
            "Coupe du club;7;GIRARD;Luc;2;3", "Coupe du club;8;HENRY;Zoé;;2", "Coupe du club;9;IMBERT;Noé;2;"} << 10;

        // A score not entered prints 0, and so do its deals when not given.
        const QString bordure = "                      +-------------+---------------+-------------+";
        QTest::newRow("fiche") << "FICHE.TXT" << tarot << false << 2 << 0 << Entete(44) + QStringList{
            "                                  FICHE INDIVIDUELLE JOUEUR",
            "                                  =========================", " ", " ",
            "                                     N°     : 2", "                                     Nom    : BERNARD",
            "                                     Prénom : Lise", " ", bordure,
            "                      ! N° manche   ! Nbre parties  ! Nbre points !", bordure,
            "                      !         1   !        5      !       -10   !",
            "                      !         2   !        0      !         0   !", bordure,
            "             Totaux   !         3   !       12      !     -1234   !", bordure, " ",
            "                                      Moyenne manches : -411",
            "                                      Moyenne parties : -103",
            "                                      Classement : 2/9"} << 25;
        QTest::newRow("fiche sans valeurs") << "FICHE.TXT" << tarot << false << 9 << 18 << QStringList{
            "             Totaux   !         0   !        0      !         0   !", bordure, " ",
            "                                      Moyenne manches : ",
            "                                      Moyenne parties : ", "                                      Classement : 9/9"}
                                            << 24;
    }
    void rapports()
    {
        QFETCH(QString, fichier);
        QFETCH(TypeJeu, jeu);
        QFETCH(bool, places);
        QFETCH(int, argument);
        QFETCH(int, debut);
        QFETCH(QStringList, attendu);
        QFETCH(int, total);
        Tournoi t(jeu);
        Soiree(t, places);
        t.m.OrdreGrille = {5, 2, 9};

        QVERIFY(Imprime(t.m, fichier, argument));
        const QStringList lignes = Lignes(t.m, fichier);
        COMPARE_LIGNES(lignes.mid(debut, attendu.size()), attendu);
        QCOMPARE(lignes.size(), total);
        // Windows-1252, every line ended by CR LF.
        QCOMPARE(t.lit(fichier).count("\r\n"), total);
        QCOMPARE(t.p.textesEdites, QStringList{t.m.Chemin(fichier)});
        QVERIFY(t.p.boites.isEmpty());
    }

    // Entrants 1 to n seated by four in round 1, the grid in number order:
    // once a page holds 30 lines of a list, or 52 of the ranking, a new page
    // header follows, even when nothing comes after it.
    void pages_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<int>("joueurs");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("ligne");
        QTest::addColumn<QString>("texte");
        QTest::newRow("52 classés") << "GRILLE.TXT" << 52 << 72 << 63 << blancs(8) + "Velmora Tarot Belote 3.72" + blancs(44) + "PAGE :  2";
        QTest::newRow("53 classés") << "GRILLE.TXT" << 53 << 73 << 72 << "         53   53  NOM53            Prénom53           0";
        QTest::newRow("31 noms") << "LIST_NOM.TXT" << 31 << 51 << 50 << "        NOM9                 Prénom9";
        // 24 seats and 6 blank lines fill a page exactly.
        QTest::newRow("24 places par table") << "LIST_TAB.TXT" << 24 << 50 << 49 << "        ---";
    }
    void pages()
    {
        QFETCH(QString, fichier);
        QFETCH(int, joueurs);
        QFETCH(int, ligne);
        QFETCH(QString, texte);
        Tournoi t;
        t.joueurs(joueurs).manches(1);
        for (int k = 1; k <= joueurs; ++k) {
            t.m.OrdreGrille << k;
            if (k % 4 == 0 || k == joueurs)
                t.table(1, (k + 3) / 4, QList<int>{k - 3, k - 2, k - 1, k}.mid(3 - (k - 1) % 4));
        }
        QVERIFY(Imprime(t.m, fichier, 0));
        const QStringList lignes = Lignes(t.m, fichier);
        QTEST(int(lignes.size()), "total");
        QVERIFY2(lignes[ligne].startsWith(texte), qPrintable(lignes[ligne]));
    }

    // The line of the last round, then the closing frame.
    // The line of the last round, then the closing frame.
    void manches_data()
    {
        QTest::addColumn<QString>("parties");
        QTest::addColumn<int>("manches");
        QTest::addColumn<QString>("ligne");
        const QString ligne = "                        !        %1  !  20:00  !  22:00  !      %2      !";
        QTest::newRow("12 parties") << "12" << 2 << ligne.arg("2", "12");
        QTest::newRow("parties non données") << "  " << 1 << ligne.arg("1", " 0");
        // A round of two digits pushes the rest of its line one column right.
        QTest::newRow("manche 10") << " 5" << 10 << ligne.arg("10", " 5");
        QTest::newRow("sans manche") << "" << 0 << CadreManches;
    }
    void manches()
    {
        QFETCH(QString, parties);
        QFETCH(int, manches);
        QFETCH(QString, ligne);
        Tournoi t;
        t.manches(manches, parties);
        // The command line prints without starting the editor.
        QVERIFY(ImprimeManches(t.m, manches > 0));
        QCOMPARE(t.p.textesEdites.size(), manches > 0 ? 1 : 0);
        COMPARE_LIGNES(Lignes(t.m, "MANCHES.TXT").mid(11 + manches), {ligne, CadreManches});
    }

    // How a printout ends, seen through the platform: the editor or the
    // word processor, the boxes, the input box of the score sheets and the
    // wait window while they are built. A box is "title|start of its text",
    // <chemin> the full path of the file or page, <docs> the folder of the
    // run's documents; "<annule>" cancels the input box. What is opened is
    // the text file given to the editor, or the name of a document or page.
    // With a word processor ("traitement"), each printout is a new document.
    void impression_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QStringList>("saisies");
        QTest::addColumn<QStringList>("boites");
        QTest::addColumn<QStringList>("ouverts");
        QTest::addColumn<QString>("signaux");
        const QString programme = "Velmora Tarot Belote 3.72|Aucun programme n'a pu ouvrir ";
        const QString erreur = "Erreur|Le n° ";
        const QString toutes = "12 25 37 50 62 75 87 100 fin";
        const QStringList liste{"LIST_TAB.TXT"}, feuilles{"FEUILLES.TXT"}, aucun, zero{"0"};
        QTest::newRow("liste sans application") << "LIST_TAB.TXT" << "sans application" << aucun
                                                << QStringList{programme + "le fichier. Il est enregistré ici :\n<chemin>"}
                                                << liste << "";
        QTest::newRow("liste bloquée") << "LIST_TAB.TXT" << "bloqué" << aucun
                                       << QStringList{"ERREUR|Impossible d'enregistrer le fichier LIST_TAB.TXT : "} << aucun
                                       << "";
        QTest::newRow("liste vide") << "LIST_TAB.TXT" << "vide" << aucun
                                    << QStringList{"ERREUR|Le fichier de répartition est vide, il n'y a rien à imprimer."}
                                    << aucun << "";
        QTest::newRow("grille vide") << "GRILLE.TXT" << "vide" << aucun
                                     << QStringList{"ERREUR|La grille est vide, il n'y a rien à imprimer."} << aucun << "";
        QTest::newRow("aide sans application") << "aide" << "sans application" << aucun
                                               << QStringList{programme + "la page d'aide. Elle se trouve ici :\n<chemin>"}
                                               << QStringList{"sommaire.html"} << "";
        QTest::newRow("abandon") << "Abandon" << "" << zero << aucun << aucun << "";
        QTest::newRow("csv") << "Csv" << "" << zero << aucun << QStringList{"FEUILLES.CSV"} << "";
        QTest::newRow("toutes les tables") << "Etat" << "" << zero << aucun << feuilles << toutes;
        // Table 3 follows table 1's deletion: it has its sheet, table 1 none.
        QTest::newRow("tables existantes seulement")
            << "Etat" << "" << QStringList{"deux", "1", "4", "-1", "3"}
            << QStringList{erreur + "saisi doit être un nombre", "Erreur|La table n° 1 n'a pas été constituée pour cette manche.",
                           erreur + "de table doit être compris entre 1 et 3", erreur + "de table doit être compris entre 1 et 3"}
            << feuilles << "25 50 75 100 fin";
        QTest::newRow("réponse vide") << "Etat" << "" << QStringList{""} << aucun << aucun << "";
        QTest::newRow("saisie annulée") << "Etat" << "" << QStringList{"<annule>"} << aucun << aucun << "";
        QTest::newRow("sans parties") << "Etat" << "sans parties" << zero
                                      << QStringList{"ERREUR|Le nombre de parties n'est pas renseigné pour cette manche. Il "
                                                     "est donc impossible d'imprimer les feuilles de marque. Pour corriger, "
                                                     "allez dans la définition des manches et renseignez le nombre de parties."}
                                      << aucun << "";
        QTest::newRow("feuilles bloquées") << "Etat" << "bloqué" << zero
                                           << QStringList{"ERREUR|Impossible d'enregistrer le fichier FEUILLES.TXT : "}
                                           << aucun << toutes;

        QTest::newRow("grille deux fois, traitement de texte")
            << "GRILLE.TXT" << "traitement, deux fois" << aucun << aucun
            << QStringList{"GRILLE-1.docx", "GRILLE-2.docx"} << "100 fin Préparation du document ... 100 fin";
        QTest::newRow("grille vide, traitement de texte")
            << "GRILLE.TXT" << "vide, traitement" << aucun
            << QStringList{"ERREUR|La grille est vide, il n'y a rien à imprimer."} << aucun << "";
        QTest::newRow("liste, document impossible à écrire")
            << "LIST_TAB.TXT" << "traitement, dossier absent" << aucun
            << QStringList{"ERREUR|Impossible d'enregistrer le document <docs>LIST_TAB-1.docx : "} << liste << toutes;
        QTest::newRow("feuilles, traitement de texte") << "Etat" << "traitement" << zero << aucun
                                                       << QStringList{"FEUILLES-1.docx"} << toutes;
        QTest::newRow("feuilles, document sans application")
            << "Etat" << "traitement, sans application" << zero
            << QStringList{"ERREUR|Aucun traitement de texte n'a pu ouvrir le document <docs>FEUILLES-1.docx.\n"
                           "Le rapport est écrit en fichier texte à la place.",
                           programme + "le fichier. Il est enregistré ici :\n<chemin>"}
            << QStringList{"FEUILLES-1.docx", "FEUILLES.TXT"} << toutes + " Préparation du document ... " + toutes;
    }
    void impression()
    {
        QFETCH(QString, action);
        QFETCH(QString, cas);
        QFETCH(QStringList, saisies);
        QFETCH(QStringList, boites);
        QFETCH(QStringList, ouverts);
        QFETCH(QString, signaux);
        Tournoi t;
        if (!cas.startsWith("vide"))
            Soiree(t);
        t.m.OrdreGrille = {1};
        t.m.WordInstalle = cas.contains("traitement");
        t.p.applicationTrouvee = !cas.contains("sans application");
        if (cas.contains("dossier absent"))
            t.p.dossierDocs = t.dossier.filePath("absent");
        const QString docs = t.p.dossierDocuments() + '/';
        if (cas.startsWith("sans parties"))
            t.m.Manches(ColManche::Parties, 2) = QString("  ");
        for (const QString &saisie : saisies)
            t.p.saisies.enqueue(saisie == "<annule>" ? std::nullopt : std::optional<QString>(saisie));
        QStringList recus;
        connect(&t.m, &Modele::attente, this, [&](const QString &texte) { recus << texte; });
        connect(&t.m, &Modele::progression, this, [&](int pourcentage) { recus << QString::number(pourcentage); });
        connect(&t.m, &Modele::finAttente, this, [&] { recus << "fin"; });

        const QString fichier = action.contains('.') ? action : QString("FEUILLES.TXT");
        if (cas == "bloqué")
            t.bloque(fichier);
        QString chemin = t.m.Chemin(fichier);
        if (action == "aide") {
            chemin = t.m.CheminAide("sommaire.html");
            t.m.OuvreAide("sommaire.html");
        } else if (action.contains('.')) {
            for (int fois = cas.contains("deux fois") ? 2 : 1; fois > 0; --fois)
                Imprime(t.m, action, 0);
        } else {
            FeuillesDeMarque(t.m, action == "Csv"    ? ChoixFeuilles::Csv
                                  : action == "Etat" ? ChoixFeuilles::Etat
                                                     : ChoixFeuilles::Abandon);
        }

        QCOMPARE(t.p.boites.size(), boites.size());
        for (int i = 0; i < boites.size(); ++i) {
            const PlateformeTest::Boite &b = t.p.boites[i];
            const QString texte = boites[i].section('|', 1).replace("<chemin>", QDir::toNativeSeparators(chemin))
                                      .replace("<docs>", QDir::toNativeSeparators(docs));
            QCOMPARE(b.titre, boites[i].section('|', 0, 0));
            QVERIFY2(b.texte.startsWith(texte), qPrintable(b.texte));
            // The reason follows the name of a file that cannot be written.
            QVERIFY(b.texte.size() > texte.size() + 1 || !texte.endsWith(" : "));
            QCOMPARE(b.icone, b.titre == TitreProgramme ? Plateforme::Icone::Information : Plateforme::Icone::Exclamation);
        }
        QStringList chemins, documents;
        for (const QString &f : ouverts)
            if (f.endsWith(".TXT") || f.endsWith(".CSV"))
                chemins << QDir::toNativeSeparators(t.m.Chemin(f));
            else
                documents << f;
        QCOMPARE(t.p.textesEdites, chemins);
        QStringList nomsDocuments;
        for (const QString &d : t.p.documents) {
            nomsDocuments << QFileInfo(d).fileName();
            // A new document of the run, complete, in the run's folder.
            if (d.endsWith(".docx")) {
                QCOMPARE(QFileInfo(d).absolutePath() + '/', docs);
                QVERIFY(LectureDocx(d).erreur.isEmpty());
            }
        }
        QCOMPARE(nomsDocuments, documents);
        QCOMPARE(recus.join(' '), signaux.isEmpty() ? "" : "Préparation du document ... " + signaux);
        // The table is asked for the sheets only, once the round has its deals.
        QCOMPARE(t.p.saisies.size(), action == "Etat" && !cas.startsWith("sans parties") ? 0 : saisies.size());
        QVERIFY(!t.p.sablierActif());
        // A printout refused leaves no file behind.
        for (const char *f : {"LIST_TAB.TXT", "GRILLE.TXT", "FEUILLES.TXT", "FEUILLES.CSV"})
            QCOMPARE(t.m.FichierExiste(f), ouverts.contains(f));
    }

    // Grid order ANDRE BERNARD CARON DUBOIS ABCDE... FAURE GIRARD HENRY IMBERT,
    // or the reverse; the names of rows 2, 3 and 7 hold "AR". `debut` 0 is a
    // search from the two boxes, otherwise the next one by name from that row.
    void recherche_data()
    {
        QTest::addColumn<bool>("inverse");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("debut");
        QTest::addColumn<bool>("faite");
        QTest::addColumn<int>("ligne");
        QTest::addColumn<bool>("suivant");
        QTest::addColumn<bool>("impression");
        QTest::addColumn<QString>("erreur");
        QTest::newRow("rien") << false << "" << "" << 0 << false << 0 << false << false << "";
        QTest::newRow("zéro comme rien") << false << "0" << "" << 0 << false << 0 << false << false << "";
        QTest::newRow("les deux") << false << "3" << "ar" << 0 << false << 0 << false << false << "Remplissez le n° OU le nom s.v.p.";
        QTest::newRow("numéro") << false << "3" << "" << 0 << true << 3 << false << true << "";
        QTest::newRow("numéro, grille inversée") << true << "2" << "" << 0 << true << 8 << false << true << "";
        QTest::newRow("numéro inconnu") << false << "12" << "" << 0 << true << 0 << false << false << "Joueur(se) n°  12 pas trouvé";
        QTest::newRow("nom, sans casse") << false << "" << "ar" << 0 << true << 2 << true << true << "";
        QTest::newRow("nom, grille inversée") << true << "" << "AR" << 0 << true << 3 << true << true << "";
        QTest::newRow("suivant sur la ligne") << false << "" << "AR" << 3 << true << 3 << true << true << "";
        QTest::newRow("suivant plus loin") << false << "" << "AR" << 4 << true << 7 << true << true << "";
        QTest::newRow("plus de suivant") << false << "" << "AR" << 8 << true << 0 << false << false
                                         << "Joueur(se) dont le nom contient AR pas trouvé";
    }
    void recherche()
    {
        QFETCH(bool, inverse);
        QFETCH(QString, numero);
        QFETCH(QString, nom);
        QFETCH(int, debut);
        Tournoi t;
        Soiree(t);
        for (int k = 1; k <= 9; ++k)
            t.m.OrdreGrille << (inverse ? 10 - k : k);
        const RechercheFiche r = debut ? ChercheNom(t.m, nom, debut) : ChercheFiche(t.m, numero, nom);
        QTEST(r.faite, "faite");
        QTEST(r.ligne, "ligne");
        QTEST(r.suivant, "suivant");
        QTEST(r.impression, "impression");
        QTEST(r.erreur, "erreur");
    }

    // The grid of the player sheet: a row per table, the deals as a number.
    void grilleFiche()
    {
        Tournoi t;
        Soiree(t);
        QCOMPARE(GrilleFiche(t.m, 2), (QList<QStringList>{{"1", "5", "-10"}, {"2", "0", ""}}));
    }

    // The grid of the table lists window: headings, then the first rows;
    // by number and by name the table carries "*" while the score is not entered.
    void vues_data()
    {
        QTest::addColumn<TypeJeu>("jeu");
        QTest::addColumn<Liste>("liste");
        QTest::addColumn<bool>("places");
        QTest::addColumn<QStringList>("titres");
        QTest::addColumn<QStringList>("lignes");
        const TypeJeu belote = TypeJeu::Belote;
        QTest::newRow("par joueur") << TypeJeu(TypeJeu::Tarot) << Liste::ParJoueur << true
                                    << QStringList{"Joueur", "Nom", "Prénom", "Table"}
                                    << QStringList{"1|ANDRE|Paul|2  ", "2|BERNARD|Lise|3 *", "3|CARON|Marc|2 *"};
        QTest::newRow("par table, places") << belote << Liste::ParTable << true
                                           << QStringList{"Table", "Equipe", "Nom/Prénom 1", "Nom/Prénom 2"}
                                           << QStringList{"2 Nord|1|DUPONT Jean|DURAND Luc", "2 Est|4|DUPONT Jean-Pierre et fils aînés ++|SIMON Marc"};
        QTest::newRow("par nom") << belote << Liste::ParNom << false << QStringList{"Nom/Prénom 1", "Nom/Prénom 2", "Table"}
                                 << QStringList{"DUPONT Jean|DURAND Luc|2 *"};
    }
    void vues()
    {
        QFETCH(TypeJeu, jeu);
        QFETCH(Liste, liste);
        QFETCH(bool, places);
        QFETCH(QStringList, lignes);
        Tournoi t(jeu);
        Soiree(t, true);
        const VueListe vue = VueRepartition(t.m, liste, places);
        QTEST(vue.titres, "titres");
        QCOMPARE(vue.largeurs.size(), vue.titres.size());
        QCOMPARE(vue.lignes.size(), jeu.estEquipes() ? 4 : 8);
        for (int i = 0; i < lignes.size(); ++i)
            QCOMPARE(vue.lignes[i].join('|'), lignes[i]);
    }

    // A damaged file with one table of 16,384 seats (a power of two, the
    // worst case of a Shell sort) lists and prints at once: the work grows
    // with the rows, not with their square. Equal keys stay in table order.
    void tableGeante()
    {
        Tournoi t;
        t.joueurs(4).manches(1).places();
        QList<int> sieges;
        for (int k = 0; k < 16384; ++k)
            sieges << k % 4 + 1;
        t.table(1, 7, sieges);
        QElapsedTimer chrono;
        chrono.start();
        const QStringList parTable = LignesListe(t.m, Liste::ParTable);
        const QStringList parNumero = LignesListe(t.m, Liste::ParJoueur);
        QCOMPARE(VueRepartition(t.m, Liste::ParNom, true).lignes.size(), 16384);
        QCOMPARE(LignesFeuilles(t.m, 7).count("\f"), 1);
        QVERIFY2(chrono.elapsed() < 3000, qPrintable(QString::number(chrono.elapsed())));
        // Seats past the fourth are neither named nor followed by a blank
        // line: 16,385 lines, 30 to a page.
        QCOMPARE(parTable.size(), 16385 + 547 * 10);
        QVERIFY(parTable[15].startsWith(blancs(28) + "1  NOM1 "));
        QVERIFY(parNumero[10].endsWith("  7 N") && parNumero[11].endsWith("  7  "));
    }
};

QTEST_GUILESS_MAIN(TestRapports)
#include "test_rapports.moc"
