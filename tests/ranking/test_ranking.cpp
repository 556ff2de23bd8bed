// The ranking without windows: computation and sort as the grid shows them,
// the conditions of the tournament window's buttons, the clock and the cards.
#include "ranking/animation.h"
#include "ranking/classement.h"
#include "ranking/conditions.h"
#include "ranking/grilleclassement.h"
#include "ranking/horloge.h"
#include "support/tournoi.h"

#include <memory>

namespace {

constexpr Sens A = Sens::Ascendant, D = Sens::Descendant;

// Grid rows as "entrant:rounds,deals,points,round average,deal average", an
// empty cell for no value, the entrant alone when all five are empty.
struct Classement { QString joueurs, scores; int colonne; Sens sens; QStringList grille; bool moyennes = true; };
// A button and the state: game, entrants, rounds (the first current), round of the one table (0: none), draw.
struct Refus { BoutonTournoi bouton; TypeJeu jeu; int joueurs, manches, tables; TypeTirage tirage; QString message; };
// "o" (a window opens its clock) or "t" (its tick) at a time, the next day when
// earlier than the one before; fin: end time of round 1, current unless said.
// Each greeting is answered Yes when `oui`.
struct Horaire { QString fin, evenements; QStringList sons; int saluts = 0; bool oui = false, courante = true; };

} // namespace

class TestRanking : public QObject
{
    Q_OBJECT

    std::unique_ptr<Tournoi> t;
    Modele &m() { return t->m; }

    // Entrants "3 7:Zoé 9*": number, name after ':', '*' when not ticked.
    void inscrit(const QString &joueurs)
    {
        for (QString jeton : joueurs.split(u' ', Qt::SkipEmptyParts)) {
            const bool coche = !jeton.endsWith(u'*');
            jeton.remove(u'*');
            t->joueur(jeton.section(u':', 0, 0).toInt(), jeton.section(u':', 1), {}, coche);
        }
    }
    // Entries "7:10/4;7:/3": entrant, points and deals as typed, one table each.
    void marque(const QString &scores)
    {
        for (const QString &e : scores.split(u';', Qt::SkipEmptyParts))
            t->table(1, m().NbScores() + 1, {e.section(u':', 0, 0).toInt()},
                     {e.section(u':', 1).section(u'/', 0, 0)}, e.section(u'/', 1));
    }

private slots:
    void init() { t = std::make_unique<Tournoi>(); }

    void classement_data()
    {
        QTest::addColumn<Classement>("cas");
        // Entrants 3, 7 and 9; 9 scored 40 over 5 deals; the entries of 7 given.
        auto calcul = [](const char *nom, const QString &sept, const QString &ligne, bool moyennes = true) {
            const QString neuf = moyennes ? QStringLiteral("9:1,5,40,40,8") : QStringLiteral("9:1,5,40,,");
            const QString scores = "9:40/5;7:" + QString(sept).replace(u';', QStringLiteral(";7:"));
            const QStringList grille = ligne.isEmpty() ? QStringList{neuf, "3", "7"} : QStringList{neuf, ligne, "3"};
            QTest::newRow(nom) << Classement{"3 7 9", scores, 7, D, grille, moyennes};
        };
        calcul("trois manches", "10/4;-3/4;0/3", "7:3,11,7,2,0");
        calcul("moyennes désactivées", "10/4;-3/4;0/3", "7:3,11,7,,", false);
        calcul("total négatif", "-10/;-5/;-6/;-4/", "7:4,0,-25,-7,");
        calcul("plancher vers moins l'infini", "-3/2;-4/2", "7:2,4,-7,-4,-2");
        calcul("plancher positif", "3/2;4/3", "7:2,5,7,3,1");
        calcul("champs cadrés du fichier", "    -12/ 4", "7:1,4,-12,-12,-3");
        calcul("score sans donnes", "8/", "7:1,0,8,8,");
        calcul("score nul", "0/0", "7:1,0,0,0,");
        calcul("donnes sans score", "/4;/3", "");
        calcul("donnes sans score après un score", "12/4;/4", "7:1,4,12,12,3");
        auto tri = [](const char *nom, Classement cas) { QTest::newRow(nom) << cas; };
        tri("retrié sur le dernier choix", {"3 7 9", "9:40/5;3:50/5", 1, D, {"9:1,5,40,40,8", "7", "3:1,5,50,50,10"}});
        tri("sans joueur", {"", "", 5, D, {}});
        const QString pts = "1:30/4;3:-5/4;4:100/4", p1 = "1:1,4,30,30,7", p3 = "3:1,4,-5,-5,-2";
        const QString p4 = "4:1,4,100,100,25";
        tri("points D, sans valeur en dernier", {"1 2 3 4 5", pts, 7, D, {p4, p1, p3, "2", "5"}});
        tri("points A, sans valeur en premier", {"1 2 3 4 5", pts, 7, A, {"5", "2", p3, p1, p4}});
        // Equal averages: the other average decides, always descending.
        const QString moy = "1:10/5;2:12/4;3:10/2;4:10/3";
        const QString m1 = "1:1,5,10,10,2", m2 = "2:1,4,12,12,3", m3 = "3:1,2,10,10,5", m4 = "4:1,3,10,10,3";
        tri("moy manches D", {"1 2 3 4", moy, 8, D, {m2, m3, m4, m1}});
        tri("moy manches A", {"1 2 3 4", moy, 8, A, {m3, m4, m1, m2}});
        tri("moy parties D", {"1 2 3", "1:1/1;1:1/;1:1/;1:1/;2:7/1;2:7/2;3:6/1", 9, D,
                              {"3:1,1,6,6,6", "2:2,3,14,7,4", "1:4,1,4,1,4"}});
        // Texts compare on their codes: capitals, small letters, accented capitals.
        tri("noms A", {"1:Émile 2:dupont 3:Zoé", "", 3, A, {"3", "2", "1"}});
        tri("coches, le blanc avant X", {"1 2* 3 4*", "", 2, A, {"2", "4", "1", "3"}});
        tri("colonne 0 : par numéro", {"1 2 5 9", "1:8/1;2:3/1;5:9/1;9:1/1", 0, A,
                                       {"1:1,1,8,8,8", "2:1,1,3,3,3", "5:1,1,9,9,9", "9:1,1,1,1,1"}});
        // Ties end in the order the sort by shrinking gaps leaves, worked by hand.
        const QString z = "1,1,0,0,0", c = "1,1,5,5,5";
        tri("égalités sur 4",
            {"1 2 3 4", "1:0/1;2:0/1;3:9/1;4:0/1", 7, D, {"3:1,1,9,9,9", "2:" + z, "1:" + z, "4:" + z}});
        tri("égalités sur 6", {"1 2 3 4 5 6", "1:5/1;2:5/1;3:0/1;4:5/1;5:0/1;6:5/1", 7, D,
                               {"1:" + c, "2:" + c, "6:" + c, "4:" + c, "5:" + z, "3:" + z}});
    }
    void classement()
    {
        QFETCH(Classement, cas);
        inscrit(cas.joueurs);
        marque(cas.scores);
        m().OptAffichMoy = cas.moyennes;
        m().ColTri = cas.colonne;
        m().SensTri = cas.sens;
        ModeleGrille contenu(m());
        int tris = 0;
        connect(&m(), &Modele::grilleTriee, this, [&] {
            tris += t->p.sablierActif() ? 1 : 100;
            contenu.Remplit();
        });
        CalculClassement(m());
        QStringList lignes;
        for (int i = 1; i <= contenu.nbLignes(); ++i) {
            QStringList valeurs;
            for (int c = ColJoueur::Manches; c <= ColJoueur::MoyParties; ++c)
                valeurs << CaseGrille(&contenu, i, c);
            const QString numero = CaseGrille(&contenu, i, ColJoueur::Numero);
            lignes << (valeurs.join(QString()).isEmpty() ? numero : numero + u':' + valeurs.join(u','));
            const int r = m().RechJoueur(numero.toInt());
            QCOMPARE(CaseGrille(&contenu, i, 0) + CaseGrille(&contenu, i, 2) + CaseGrille(&contenu, i, 3),
                     QString::number(i) + m().Joueurs(ColJoueur::Coche, r).texte()
                         + m().Joueurs(ColJoueur::Nom, r).texte());
        }
        QCOMPARE(lignes, cas.grille);
        QCOMPARE(tris, 1); // once, under the hourglass
        QVERIFY(!t->p.sablierActif() && t->p.boites.isEmpty());
        QCOMPARE(m().ColTri, cas.colonne == 0 ? 1 : cas.colonne);
        QCOMPARE(m().SensTri, cas.sens);
    }

    // Also a plain sort of TabTri for the other folders: columns 1 to 5 travel
    // together; on an average, equal keys follow the second key in its own direction.
    void triShell()
    {
        TableCellules &tab = m().TabTri;
        tab.redimensionne(4);
        for (int i = 1; i <= 4; ++i)
            for (int c = ColTabTri::Ligne; c < ColTabTri::Nb; ++c)
                tab(c, i) = c == ColTabTri::Cle ? QList<int>{5, 9, 1, 5}[i - 1] : 10 * c + i;
        TriShell(m(), ColJoueur::MoyManches, D, A, 4);
        QString lignes;
        for (int i = 1; i <= 4; ++i)
            for (int c = ColTabTri::Ligne; c < ColTabTri::Nb; ++c)
                lignes += tab(c, i).texte() + u' ';
        QCOMPARE(lignes, QStringLiteral("12 9 32 42 52 11 5 31 41 51 14 5 34 44 54 13 1 33 43 53 "));
    }

    // Progress after each entry, then the fatal stop on an entrant missing from the entrants.
    void joueurInconnu()
    {
        inscrit(QStringLiteral("1 2"));
        marque(QStringLiteral("1:10/4;1:/;42:-10/4"));
        QList<int> pourcentages;
        connect(&m(), &Modele::progression, this, [&](int pourcentage) { pourcentages << pourcentage; });
        QVERIFY_THROWS_EXCEPTION(ArretProgramme, CalculClassement(m()));
        QCOMPARE(pourcentages, (QList<int>{33, 67, 100}));
        QCOMPARE(t->p.bips, 1);
        QCOMPARE(t->p.boites.size(), 1);
        QCOMPARE(t->p.boites[0].icone, Plateforme::Icone::Exclamation);
        QCOMPARE(t->p.boites[0].titre + u'|' + t->p.boites[0].texte,
                 "ERREUR|*** ERREUR PROGRAMME 001 ***\nLe joueur 42 figure dans les scores mais pas dans la liste des "
                 "joueurs.\nArrêt du programme.");
        QVERIFY(t->instantane().isEmpty());
    }

    void refus_data()
    {
        QTest::addColumn<Refus>("cas");
        using B = BoutonTournoi;
        const TypeJeu sans = TypeJeu::Aucun, tarot = TypeJeu::Tarot;
        const TypeTirage h = TypeTirage::Aleatoire, tournoi = TypeTirage::Tournoi;
        const QString jeu = QStringLiteral("Utilisez d'abord le bouton \"Nouveau tournoi\" afin de définir les "
                                           "paramètres du tournoi, merci.");
        const QString quatre = QStringLiteral("Il faut au moins 4 joueurs pour démarrer une manche !");
        const QString manche = QStringLiteral("Saisissez d'abord les horaires d'au moins une manche.");
        const QString tables = QStringLiteral("Saisissez d'abord les constitutions de tables pour cette manche (ou "
                                              "effectuez un tirage au sort).");
        auto ligne = [](const char *nom, Refus cas) { QTest::newRow(nom) << cas; };
        ligne("inscription sans tournoi", {B::Inscription, sans, 0, 0, 0, h, jeu});
        ligne("inscription", {B::Inscription, TypeJeu::Belote, 0, 0, 0, h, ""});
        ligne("manches sans tournoi", {B::Manches, sans, 0, 0, 0, h, jeu});
        ligne("tables à 3, sans manche", {B::Tables, tarot, 3, 0, 0, h, quatre});
        ligne("tables sans manche", {B::Tables, tarot, 4, 0, 0, h, manche});
        ligne("tables", {B::Tables, tarot, 4, 1, 0, h, ""});
        ligne("scores à 3, sans manche", {B::Scores, tarot, 3, 0, 0, h, manche});
        ligne("scores à 3", {B::Scores, tarot, 3, 1, 0, h, quatre});
        ligne("scores sans table", {B::Scores, tarot, 4, 1, 0, h, tables});
        ligne("scores, table d'une autre manche", {B::Scores, tarot, 4, 2, 2, h, tables});
        ligne("scores", {B::Scores, tarot, 4, 1, 1, h, ""});
        ligne("listes sans manche", {B::ListeTables, tarot, 4, 0, 0, h, manche});
        ligne("fiche sans manche", {B::Fiche, tarot, 4, 0, 0, h, manche});
        ligne("cocher sans joueur", {B::Cocher, tarot, 0, 0, 0, tournoi,
                                     "La grille est vide, il n'y aucun joueur à cocher."});
        ligne("cocher en tirage Tournoi", {B::Cocher, tarot, 4, 0, 0, tournoi,
                                           "Vous ne pouvez pas modifier les coches car vous avez choisi un tirage au "
                                           "sort de type \"Tournoi\"."});
    }
    void refus()
    {
        QFETCH(Refus, cas);
        m().TypeJeu = cas.jeu;
        m().Tirage = cas.tirage;
        t->joueurs(cas.joueurs).manches(cas.manches).courante(cas.manches > 0 ? 1 : 0);
        if (cas.tables > 0)
            t->table(cas.tables, 1, {1, 2, 3, 4});
        QCOMPARE(RefusBouton(m(), cas.bouton), cas.message);
        QVERIFY(t->p.boites.isEmpty());
    }

    void horloge_data()
    {
        QTest::addColumn<Horaire>("cas");
        auto ligne = [](const char *nom, Horaire cas) { QTest::newRow(nom) << cas; };
        const QStringList rien, alerte{"5MN.WAV"}, fin{"FIN.WAV"};
        // From 6 minutes before to 1 minute after the end: once each.
        ligne("alerte puis fin", {"15:00", "o14:54:30 t14:55:30 t14:56:30 t14:57:30 t14:58:30 t14:59:30 t15:00:30 "
                                           "t15:01:30", alerte + fin});
        ligne("sans heure de fin", {"__:__", "o14:54:10 t14:55:10 t15:00:10", rien});
        ligne("sans manche", {"", "o14:54:10 t14:55:10 t15:00:10", rien});
        ligne("sans manche courante", {"15:00", "o14:59:10 t15:00:10", rien, 0, false, false});
        ligne("fin après minuit", {"00:02", "o00:01:10 t00:02:10", fin});
        ligne("alerte la veille de minuit", {"00:03", "o23:57:10 t23:58:10", rien});
        // The timer is not exact: a minute already gone through does not ring
        // again, one skipped by a late tick is not lost, a long gap rings only the present.
        ligne("deux tops dans la minute", {"15:00", "o14:54:10 t14:55:10 t14:55:50", alerte});
        ligne("top en retard", {"15:00", "o14:53:10 t14:54:10 t14:56:20", alerte});
        ligne("premier top en retard", {"15:00", "o14:54:50 t14:56:01", alerte});
        ligne("long arrêt, à l'heure", {"15:00", "o14:29:10 t14:30:10 t15:00:10", fin});
        ligne("long arrêt, minute passée", {"15:00", "o14:29:10 t14:30:10 t14:56:10", rien});
        // Opened in the minute of an alarm: the first tick rings it, unless the window before did.
        ligne("ouvert à 5 mn", {"15:00", "o14:55:10 t14:56:10 t14:57:10", alerte});
        ligne("ouvert à l'heure de fin", {"15:00", "o15:00:30 t15:01:30", fin});
        ligne("rouvert avant le top", {"15:00", "o14:54:50 o14:55:30 t14:56:30", alerte});
        ligne("rouvert après l'alerte", {"15:00", "o14:54:10 t14:55:10 o14:55:40 t14:56:40", alerte});
        ligne("rouvert après la fin", {"15:00", "o14:59:05 t15:00:05 o15:00:30 t15:01:30", fin});
        ligne("minuit", {"", "o23:59:10 t00:00:10 t00:00:50 t00:01:10", rien, 1});
        ligne("minuit, oui", {"", "o23:59:10 t00:00:10", rien, 1, true});
        ligne("minuit, rouvert", {"", "o23:59:10 t00:00:10 o00:00:30 t00:01:30", rien, 1});
    }
    void horloge()
    {
        QFETCH(Horaire, cas);
        m().FichierSon5 = QStringLiteral("5MN.WAV");
        m().FichierSon = QStringLiteral("FIN.WAV");
        t->p.reponses.fill(cas.oui, cas.saluts);
        t->manches(cas.fin.isEmpty() ? 0 : 2).courante(cas.courante ? 1 : 0);
        if (!cas.fin.isEmpty())
            m().Manches(ColManche::Fin, 1) = cas.fin;
        std::unique_ptr<Horloge> h;
        for (const QString &evenement : cas.evenements.split(u' ')) {
            const QDateTime quand(t->p.heure.date(), QTime::fromString(evenement.mid(1), QStringLiteral("HH:mm:ss")));
            t->p.heure = quand < t->p.heure ? quand.addDays(1) : quand;
            if (evenement[0] == u'o')
                h = std::make_unique<Horloge>(m());
            else
                h->Sonne(h->Top());
        }
        QCOMPARE(t->p.sons, cas.sons);
        QStringList boites, attendues; // icon (1: exclamation, 2: question), Yes by default, title, text
        for (const PlateformeTest::Boite &b : t->p.boites)
            boites << QString::number(int(b.icone)) + (b.ouiParDefaut ? "O|" : "N|") + b.titre + u'|' + b.texte;
        for (int i = 0; i < cas.saluts; ++i)
            attendues << "2N|" + TitreProgramme + "|Coucou ! Un peu sommeil ?"
                      << (cas.oui ? "1N|" + TitreProgramme + "|Il doit rester du café ..."
                                  : "1N|VELMORA|Attention, ne buvez pas trop de café !");
        QCOMPARE(boites, attendues);
    }

    void deplace_data()
    {
        QTest::addColumn<QList<QPoint>>("cas"); // start, step, arrival, in twips
        QTest::newRow("sort à droite") << QList<QPoint>{{9990, 0}, {19, 0}, {-2000, 0}};
        QTest::newRow("bord droit atteint") << QList<QPoint>{{9981, 0}, {19, 0}, {10000, 0}};
        QTest::newRow("sort à gauche") << QList<QPoint>{{-1990, 0}, {-20, 0}, {10000, 0}};
        QTest::newRow("bord gauche atteint") << QList<QPoint>{{-1980, 0}, {-20, 0}, {-2000, 0}};
        QTest::newRow("sort en haut") << QList<QPoint>{{0, -1998}, {0, -5}, {0, 10000}};
        QTest::newRow("sort en bas") << QList<QPoint>{{0, 9999}, {0, 4}, {0, -2000}};
        QTest::newRow("en diagonale") << QList<QPoint>{{9995, -1999}, {10, -3}, {-2000, 10000}};
        QTest::newRow("immobile") << QList<QPoint>{{300, 400}, {0, 0}, {300, 400}};
    }
    void deplace()
    {
        QFETCH(QList<QPoint>, cas);
        QCOMPARE(Deplace(cas[0], cas[1].x(), cas[1].y()), cas[2]);
    }

    // Each card draws its horizontal step (-20 to 19 twips), then its vertical one (-5 to 4).
    void pas()
    {
        t->p.hasards << 0.0 << 0.99999 << 0.5 << 0.0 << 0.99999 << 0.48;
        AnimationCartes cartes;
        cartes.TireDeplacements(t->p);
        QCOMPARE(cartes.DeplX, (std::array<int, 3>{19, -1, -20}));
        QCOMPARE(cartes.DeplY, (std::array<int, 3>{-5, 4, 0}));
    }

    // Game, the video file present in the folder, the one played or the one said missing.
    void video_data()
    {
        QTest::addColumn<QStringList>("cas");
        QTest::newRow("tarot") << QStringList{"TAROT", "TAROT.avi", "TAROT.avi", ""};
        QTest::newRow("belote individuelle") << QStringList{"BELOTEIND", "BELOTE.avi", "BELOTE.avi", ""};
        QTest::newRow("belote individuelle manquante") << QStringList{"BELOTEIND", "TAROT.avi", "", "BELOTE"};
    }
    void video()
    {
        QFETCH(QStringList, cas);
        t->ecrit(cas[1], "video");
        m().TypeJeu = *TypeJeu::depuisTexte(cas[0]);
        JoueAnimation(m());
        QCOMPARE(t->p.videos, cas[2].isEmpty() ? QStringList() : QStringList{m().Chemin(cas[2])});
        const QString manque = "Le fichier d'animation " + cas[3] + ".avi n'a pas été trouvé. Assurez-vous que vous "
                               "l'avez bien téléchargé  et recopié dans le répertoire du logiciel VELMORA.";
        QCOMPARE(t->p.dernierTexte(), cas[3].isEmpty() ? QString() : manque);
        QCOMPARE(t->p.bips, cas[3].isEmpty() ? 0 : 1);
    }
};

QTEST_GUILESS_MAIN(TestRanking)
#include "test_ranking.moc"
