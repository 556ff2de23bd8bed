// The draw of a round's tables: its refusals in order, each method on known
// cases, the file that cannot be written, the closing notice.
#include "test_tirage_tournoi.h"

#include <QDir>
#include <QTest>
#include <cmath>
#include <memory>

namespace {

using Tables = QList<QList<int>>;

const QString MsgManche = QStringLiteral("Définissez d'abord au moins une manche avec l'icône \"Horaires manches\".");
const QString MsgAucun = QStringLiteral("Aucun participant à cette manche.");
const QString MsgDivisible = QStringLiteral("Le nombre de participants n'est pas divisible par ");
const QString MsgForts = QStringLiteral(
    "Avant de lancer un tirage au sort de type \"plus forts ensemble\", vous devez trier votre grille sur une "
    "des 3 colonnes de droite, à savoir \"Nombre de points\", \"Moy manche\" ou \"Moy parties\". En effet, "
    "c'est cette colonne qui indiquera au programme le critère pour choisir les \"plus forts\".");
const QString MsgPremiere =
    QStringLiteral("Le tirage de type Tournoi ne peut pas servir pour la première manche.");
const QString MsgEffectifs =
    QStringLiteral("Le tirage de type Tournoi demande autant de participants qu'à la manche précédente.");
const QString MsgDecalages = QStringLiteral(
    "Vous avez demandé un tirage au sort de type TOURNOI et les valeurs de décalage ne sont pas toutes "
    "renseignées dans l'écran des options. Faites-le et recommencez le tirage s.v.p. ");

QString MsgDejaSaisie(int table)
{
    return QStringLiteral("Le tirage au sort de cette manche a déjà été effectué, ou vous avez saisi une ou "
                          "plusieurs tables auparavant (la table n° %1 est actuellement saisie). Pour effectuer "
                          "quand même un tirage au sort, effacez la ou les tables précédemment saisies avec "
                          "l'icône \"Saisie des tables\".")
        .arg(table);
}

QString MsgQuestion(int manche)
{
    return QStringLiteral("Vous allez effectuer le tirage au sort de la répartition des tables pour la manche "
                          "n° %1 Si vous le désirez, vous pourrez ensuite modifier ou annuler ce tirage ou sort "
                          "en utilisant l'icône \"Saisie des tables\". Voulez-vous continuer ?")
        .arg(manche);
}

// Offsets as typed in the options, "1,2,,0": an empty one is not set.
void fixeDecalages(Modele &m, const QString &texte)
{
    const QStringList valeurs = texte.split(u',');
    for (int i = 1; i <= 4; ++i)
        m.Decalage[i] = valeurs.value(i - 1).isEmpty() ? Cellule(QString()) : Cellule(valeurs[i - 1].toInt());
}

} // namespace

class TestTirage : public QObject
{
    Q_OBJECT

    std::unique_ptr<TournoiTirage> t;

private slots:
    void init() { t = std::make_unique<TournoiTirage>(); }

    // precedente: entries already seated in the round before the current one;
    // saisie: a table typed in the current round, 0 for none.
    void refus_data()
    {
        QTest::addColumn<QString>("typeJeu");
        QTest::addColumn<int>("coches");
        QTest::addColumn<int>("manches");
        QTest::addColumn<int>("precedente");
        QTest::addColumn<int>("saisie");
        QTest::addColumn<QString>("tirage");
        QTest::addColumn<QString>("tirageManche1");
        QTest::addColumn<int>("colTri");
        QTest::addColumn<QString>("decalages");
        QTest::addColumn<bool>("oui");
        QTest::addColumn<QString>("message"); // empty: the user answers No
        QTest::addColumn<bool>("question");

        const QString tarot = QStringLiteral("TAROT"), belote = QStringLiteral("BELOTE");
        const QString aleat = QStringLiteral("ALEATOIRE"), tournoi = QStringLiteral("TOURNOI");
        const QString forts = QStringLiteral("FORTS"), decalages = QStringLiteral("1,2,3,0");
        QTest::newRow("aucune manche") << tarot << 8 << 0 << 0 << 0 << aleat << aleat << 7 << decalages << true
                                       << MsgManche << false;
        QTest::newRow("table déjà saisie") << tarot << 8 << 2 << 8 << 5 << aleat << aleat << 7 << decalages << true
                                           << MsgDejaSaisie(5) << false;
        QTest::newRow("aucun participant") << tarot << 0 << 1 << 0 << 0 << aleat << aleat << 7 << decalages << true
                                           << MsgAucun << false;
        QTest::newRow("18 joueurs au tarot") << tarot << 18 << 1 << 0 << 0 << aleat << aleat << 7 << decalages
                                             << true << MsgDivisible + u'4' << false;
        QTest::newRow("5 équipes en belote") << belote << 5 << 1 << 0 << 0 << aleat << aleat << 7 << decalages
                                             << true << MsgDivisible + u'2' << false;
        QTest::newRow("réponse non") << tarot << 8 << 1 << 0 << 0 << aleat << aleat << 7 << decalages << false
                                     << QString() << true;
        QTest::newRow("forts sur les noms") << tarot << 8 << 2 << 8 << 0 << forts << aleat << 3 << decalages << true
                                            << MsgForts << true;
        QTest::newRow("tournoi en première manche") << tarot << 8 << 1 << 0 << 0 << tournoi << QString() << 7
                                                    << decalages << true << MsgPremiere << true;
        QTest::newRow("tournoi, manche précédente plus petite")
            << tarot << 12 << 2 << 8 << 0 << tournoi << aleat << 7 << decalages << true << MsgEffectifs << true;
        QTest::newRow("tournoi, décalage Sud manquant")
            << tarot << 8 << 2 << 8 << 0 << tournoi << aleat << 7 << "1,2,,0" << true << MsgDecalages << true;
        QTest::newRow("tournoi en belote, décalage Est manquant")
            << belote << 6 << 2 << 6 << 0 << tournoi << aleat << 7 << "1,,3,0" << true << MsgDecalages << true;
    }

    void refus()
    {
        QFETCH(QString, typeJeu);
        QFETCH(int, coches);
        QFETCH(int, manches);
        QFETCH(int, precedente);
        QFETCH(int, saisie);
        QFETCH(QString, tirage);
        QFETCH(QString, tirageManche1);
        QFETCH(int, colTri);
        QFETCH(QString, decalages);
        QFETCH(bool, oui);
        QFETCH(QString, message);
        QFETCH(bool, question);

        t = std::make_unique<TournoiTirage>(typeJeu);
        Modele &m = t->m;
        const int s = m.NbParTable();
        t->joueurs(coches);
        t->joueur(90, false); // never drawn: not ticked
        t->manches(manches, manches);
        for (int k = 0; k < precedente; k += s) {
            QList<int> table;
            for (int i = 1; i <= s; ++i)
                table << k + i;
            t->table(manches - 1, k / s + 1, table, true);
        }
        if (saisie > 0)
            t->table(manches, saisie, {1, 2, 3, 4});
        m.Tirage = TirageDepuisTexte(tirage);
        m.TirageManche1 = TirageDepuisTexte(tirageManche1);
        m.ColTri = colTri;
        fixeDecalages(m, decalages);
        m.NbTables = 7;
        t->enregistre();
        const QByteArray fichierScores = t->lit(u'S'), fichierManches = t->lit(u'M');
        const QStringList avant = t->lignesScores();

        QVERIFY(!t->tire(oui));

        const auto &boites = t->p.boites;
        QCOMPARE(boites.size(), int(question) + int(!message.isEmpty()));
        if (question) {
            QVERIFY(boites.first().question);
            QCOMPARE(boites.first().titre, TitreProgramme);
            QCOMPARE(boites.first().texte, MsgQuestion(manches));
            QVERIFY(!boites.first().ouiParDefaut);
        }
        if (!message.isEmpty()) {
            QCOMPARE(boites.last().texte, message);
            QCOMPARE(boites.last().titre, QStringLiteral("ERREUR"));
            QCOMPARE(boites.last().icone, Plateforme::Icone::Exclamation);
        }
        // The hourglass comes only once the user has said yes, and goes with the refusal.
        QCOMPARE(t->p.pointeurs, (question && oui ? QList<bool>{true, false} : QList<bool>{}));
        QCOMPARE(t->lignesScores(), avant);
        QCOMPARE(t->lit(u'S'), fichierScores);
        QCOMPARE(t->lit(u'M'), fichierManches);
        QCOMPARE(m.NbTables, 7);
    }

    void seconde_demande_nomme_la_premiere_table()
    {
        t->joueurs(8);
        QVERIFY(t->tire());
        const QStringList apres = t->lignesScores();
        t->p.efface();
        QVERIFY(!t->tire());
        QCOMPARE(t->p.dernierTexte(), MsgDejaSaisie(1));
        QCOMPARE(t->lignesScores(), apres);
    }

    // Entrant numbers 101, 102... stand for rows 1, 2...; the ticks are on the
    // last rows only, yet the first rows are drawn.
    void verticale_data()
    {
        QTest::addColumn<QString>("typeJeu");
        QTest::addColumn<int>("coches");
        QTest::addColumn<Tables>("attendu");

        QTest::newRow("12 joueurs") << "TAROT" << 12 << Tables{{1, 4, 7, 10}, {2, 5, 8, 11}, {3, 6, 9, 12}};
        QTest::newRow("16 joueurs")
            << "TAROT" << 16 << Tables{{1, 5, 9, 13}, {2, 6, 10, 14}, {3, 7, 11, 15}, {4, 8, 12, 16}};
        QTest::newRow("8 joueurs en individuel") << "BELOTEIND" << 8 << Tables{{1, 3, 5, 7}, {2, 4, 6, 8}};
        QTest::newRow("6 équipes: tables 1 à 3") << "BELOTE" << 6 << Tables{{1, 4}, {2, 5}, {3, 6}};
    }

    void verticale()
    {
        QFETCH(QString, typeJeu);
        QFETCH(int, coches);
        QFETCH(Tables, attendu);

        t = std::make_unique<TournoiTirage>(typeJeu);
        t->m.TirageManche1 = TirageDepuisTexte(QStringLiteral("VERTICAL"));
        const int inscrits = coches + 3;
        for (int k = 1; k <= inscrits; ++k)
            t->joueur(100 + k, k > inscrits - coches);
        QVERIFY(t->tire());
        // Only the ticked players take a seat: the rows counted are theirs.
        for (auto &table : attendu)
            for (int &rang : table)
                rang += 100 + inscrits - coches;
        QCOMPARE(t->tables(1), attendu);
    }

    // Round 1 seats table t as 10t + seat; round 2 moves each seat by its offset.
    void tournoi_data()
    {
        QTest::addColumn<QString>("typeJeu");
        QTest::addColumn<int>("nbTables");
        QTest::addColumn<QString>("decalages");
        QTest::addColumn<Tables>("attendu");

        QTest::newRow("décalages 1, 2, 3, 0")
            << "TAROT" << 4 << "1,2,3,0"
            << Tables{{41, 32, 23, 14}, {11, 42, 33, 24}, {21, 12, 43, 34}, {31, 22, 13, 44}};
        QTest::newRow("décalages au-delà du nombre de tables")
            << "TAROT" << 4 << "5,-6,9,4"
            << Tables{{41, 32, 43, 14}, {11, 42, 13, 24}, {21, 12, 23, 34}, {31, 22, 33, 44}};
        QTest::newRow("décalages négatifs")
            << "TAROT" << 3 << "-1,0,-2,-3" << Tables{{21, 12, 33, 14}, {31, 22, 13, 24}, {11, 32, 23, 34}};
        QTest::newRow("belote: Nord et Est déplacent N/S et E/O")
            << "BELOTE" << 3 << "1,2,," << Tables{{31, 22}, {11, 32}, {21, 12}};
    }

    void tournoi()
    {
        QFETCH(QString, typeJeu);
        QFETCH(int, nbTables);
        QFETCH(QString, decalages);
        QFETCH(Tables, attendu);

        t = std::make_unique<TournoiTirage>(typeJeu);
        Modele &m = t->m;
        m.Tirage = TirageDepuisTexte(QStringLiteral("TOURNOI"));
        fixeDecalages(m, decalages);
        t->manches(2, 2);
        for (int table = 1; table <= nbTables; ++table) {
            QList<int> places;
            for (int place = 1; place <= m.NbParTable(); ++place) {
                t->joueur(10 * table + place);
                places << 10 * table + place;
            }
            t->table(1, table, places, true);
        }
        QVERIFY(t->tire());
        QCOMPARE(t->tables(2), attendu);
    }

    // The generator's values r pick candidate Int(r × left + 1) among 1 to 8.
    void aleatoire_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<QList<int>>("attendu");

        QTest::newRow("r = 0") << 0.0 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
        QTest::newRow("r = 0,5") << 0.5 << QList<int>{5, 4, 6, 3, 7, 2, 8, 1};
        QTest::newRow("r juste sous 1") << std::nextafter(1.0, 0.0) << QList<int>{8, 7, 6, 5, 4, 3, 2, 1};
    }

    void aleatoire()
    {
        QFETCH(double, r);
        QFETCH(QList<int>, attendu);

        t->joueurs(8);
        for (int k = 0; k < 8; ++k)
            t->p.valeurs.enqueue(r);
        QVERIFY(t->tire());
        const Tables tables = t->tables(1);
        QCOMPARE(tables.value(0) + tables.value(1), attendu);
    }

    void fichier_impossible_a_ecrire()
    {
        Modele &m = t->m;
        t->joueurs(8);
        t->manches(3, 2);
        t->table(1, 1, {1, 2, 3, 4}, true);
        t->table(3, 1, {5, 6, 7, 8});
        const QStringList avant = t->lignesScores();
        QVERIFY(QDir(t->dossier.path()).mkdir(m.NomFichier(u'S')));
        int rafraichissements = 0;
        QObject::connect(&m, &Modele::etatMancheChange, [&] { ++rafraichissements; });

        QVERIFY(!t->tire());
        QCOMPARE(t->lignesScores(), avant);
        QVERIFY(t->p.dernierTexte().startsWith(QStringLiteral("Impossible d'enregistrer le fichier S01.DAT")));
        QCOMPARE(t->p.pointeurs.last(), false);
        QCOMPARE(rafraichissements, 0);
    }

    void fin_du_tirage()
    {
        Modele &m = t->m;
        t->joueurs(12);
        t->manches(2, 2);
        int rafraichissements = 0;
        QObject::connect(&m, &Modele::etatMancheChange, [&] { ++rafraichissements; });

        QVERIFY(t->tire());
        const PlateformeTest::Boite fin = t->p.boites.last();
        QCOMPARE(fin.icone, Plateforme::Icone::Information);
        QCOMPARE(fin.titre, TitreProgramme);
        QCOMPARE(fin.texte, QStringLiteral("Tirage au sort de la manche 2 terminé."));
        QCOMPARE(t->p.bips, 1);
        QCOMPARE(t->p.pointeurs, (QList<bool>{true, false}));
        QCOMPARE(rafraichissements, 1);
        QCOMPARE(m.NbTables, 3);
        QCOMPARE(m.EtatManche[2], QStringLiteral(" 12 joueurs"));
        QCOMPARE(Lignes(m, m.NomFichier(u'S')), t->lignesScores());
        for (int r = 1; r <= 12; ++r)
            for (int c : {3, 5, 6, 7})
                QVERIFY(m.Scores(c, r).estTexte() && m.Scores(c, r).estVide());
    }
};

QTEST_GUILESS_MAIN(TestTirage)
#include "test_tirage.moc"
