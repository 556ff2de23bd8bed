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

    // Rows in attendu/classements.txt.
    void classement_data()
    {
        Colonnes<QString, QString, QString, QString, QString, QString>("joueurs", "scores", "colonne", "sens",
                                                                        "moyennes", "grille");
        RangeesDepuisFichier(QStringLiteral(DOSSIER_ATTENDU "/classements.txt"));
    }
    void classement()
    {
        QFETCH(QString, joueurs);
        QFETCH(QString, scores);
        QFETCH(QString, colonne);
        QFETCH(QString, sens);
        QFETCH(QString, moyennes);
        QFETCH(QString, grille);
        inscrit(joueurs);
        marque(scores.replace(u'·', u' '));
        m().OptAffichMoy = moyennes == u"oui";
        m().ColTri = colonne.toInt();
        m().SensTri = sens == u"A" ? A : D;
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
        QCOMPARE(lignes, grille.isEmpty() ? QStringList() : grille.split(u'\n'));
        QCOMPARE(tris, 1); // once, under the hourglass
        QVERIFY(!t->p.sablierActif() && t->p.boites.isEmpty());
        QCOMPARE(m().ColTri, qMax(1, colonne.toInt()));
        QCOMPARE(m().SensTri, sens == u"A" ? A : D);
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

    // Rows in attendu/refus.txt; a long text goes on over indented lines, joined by spaces.
    void refus_data()
    {
        Colonnes<QString, QString>("cas", "message");
        RangeesDepuisFichier(QStringLiteral(DOSSIER_ATTENDU "/refus.txt"));
    }
    void refus()
    {
        QFETCH(QString, cas);
        QFETCH(QString, message);
        const QStringList c = cas.split(u' ');
        const QStringList boutons{"Inscription", "Manches", "Tables", "Scores", "ListeTables", "Fiche", "Cocher"};
        m().TypeJeu = TypeJeu::depuisTexte(c[1]).value_or(TypeJeu::Aucun);
        m().Tirage = TirageDepuisTexte(c[5]);
        t->joueurs(c[2].toInt()).manches(c[3].toInt()).courante(c[3].toInt() > 0 ? 1 : 0);
        if (c[4].toInt() > 0)
            t->table(c[4].toInt(), 1, {1, 2, 3, 4});
        QCOMPARE(RefusBouton(m(), BoutonTournoi(boutons.indexOf(c[0]))), message.replace(u'\n', u' '));
        QVERIFY(t->p.boites.isEmpty());
    }

    // Rows in attendu/horloges.txt.
    void horloge_data()
    {
        Colonnes<QString, QString, QString, QString, QString>("fin", "evenements", "sons", "saluts", "courante");
        RangeesDepuisFichier(QStringLiteral(DOSSIER_ATTENDU "/horloges.txt"));
    }
    void horloge()
    {
        QFETCH(QString, fin);
        QFETCH(QString, evenements);
        QFETCH(QString, saluts);
        QFETCH(QString, courante);
        const int nbSaluts = saluts.section(u' ', 0, 0).toInt();
        const bool oui = saluts.endsWith(u"oui");
        m().FichierSon5 = QStringLiteral("5MN.WAV");
        m().FichierSon = QStringLiteral("FIN.WAV");
        t->p.reponses.fill(oui, nbSaluts);
        t->manches(fin.isEmpty() ? 0 : 2).courante(courante == u"oui" ? 1 : 0);
        if (!fin.isEmpty())
            m().Manches(ColManche::Fin, 1) = fin;
        std::unique_ptr<Horloge> h;
        for (const QString &evenement : evenements.split(u' ')) {
            const QDateTime quand(t->p.heure.date(), QTime::fromString(evenement.mid(1), QStringLiteral("HH:mm:ss")));
            t->p.heure = quand < t->p.heure ? quand.addDays(1) : quand;
            if (evenement[0] == u'o')
                h = std::make_unique<Horloge>(m());
            else
                h->Sonne(h->Top());
        }
        QTEST(t->p.sons.join(u' '), "sons");
        QStringList boites, attendues; // icon (1: exclamation, 2: question), Yes by default, title, text
        for (const PlateformeTest::Boite &b : t->p.boites)
            boites << QString::number(int(b.icone)) + (b.ouiParDefaut ? "O|" : "N|") + b.titre + u'|' + b.texte;
        for (int i = 0; i < nbSaluts; ++i)
            attendues << "2N|" + TitreProgramme + "|Coucou ! Un peu sommeil ?"
                      << (oui ? "1N|" + TitreProgramme + "|Il doit rester du café ..."
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
