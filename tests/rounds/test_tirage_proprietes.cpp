// The draw over many random tournaments, for every method and game type:
// every participant seated once, whole tables in order, the other rounds
// untouched, the file as the memory; nothing changed by any refusal.
#include "scores/places.h"
#include "test_tirage_tournoi.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <map>
#include <memory>

namespace {

// Seeds per method and game type; the sizes go from 1 to 10 tables.
constexpr int NbGraines = 20;

// Seat and table of an entrant in the round before the current one.
struct Siege
{
    int table, place;
};

// A random tournament about to draw its current round by `methode`: 1 to 10
// tables of participants among a few more entrants, the earlier rounds and
// some later ones already seated.
struct Cas
{
    std::unique_ptr<TournoiTirage> t;
    QRandomGenerator g;
    QList<int> participants; // entrant numbers, ascending
    std::map<int, Siege> precedente;

    Cas(const QString &methode, const QString &typeJeu, quint32 graine)
        : t(std::make_unique<TournoiTirage>(typeJeu)), g(graine)
    {
        Modele &m = t->m;
        const int s = m.NbParTable(), nbTables = g.bounded(1, 11), n = nbTables * s;
        const int inscrits = n + g.bounded(1, 5);
        QList<int> lignes;
        for (int r = 1; r <= inscrits; ++r)
            lignes << r;
        std::shuffle(lignes.begin(), lignes.end(), g);
        lignes.resize(n);
        for (int r = 1, numero = 0; r <= inscrits; ++r) {
            numero += g.bounded(1, 4);
            t->joueur(numero, lignes.contains(r));
            if (lignes.contains(r))
                participants << numero;
        }

        const bool premiere = methode == u"VERTICAL" || methode == u"ALEATOIRE1";
        const int courante = premiere ? 1 : g.bounded(2, 5);
        t->manches(courante + g.bounded(0, 3), courante);
        for (int manche = 1; manche <= m.NbManches(); ++manche)
            if (manche != courante)
                placeManche(manche, manche < courante, manche == courante - 1);

        // Each setting is given a value the round must not follow.
        m.TirageManche1 = TirageDepuisTexte(methode == u"ALEATOIRE1" ? QStringLiteral("ALEATOIRE") : QStringLiteral("VERTICAL"));
        m.Tirage = TirageDepuisTexte(premiere ? QStringLiteral("TOURNOI") : methode);
        for (int i = 1; i <= 4; ++i)
            m.Decalage[i] = g.bounded(-2 * nbTables, 2 * nbTables + 1);
        for (int r = 1; r <= inscrits; ++r)
            for (int c = 7; c <= 9; ++c)
                m.Joueurs(c, r) = g.bounded(4) == 0 ? SansValeur : g.bounded(-50, 51);
        TrieGrille(m, g.bounded(7, 10), g.bounded(2) ? Sens::Ascendant : Sens::Descendant);
        t->p.initialiseHasard(graine);
    }

    // The participants shuffled into tables 1, 2...; scored when already played.
    void placeManche(int manche, bool jouee, bool retenir)
    {
        const int s = t->m.NbParTable();
        QList<int> ordre = participants;
        std::shuffle(ordre.begin(), ordre.end(), g);
        for (int k = 0; k < ordre.size(); k += s) {
            const QList<int> table = ordre.mid(k, s);
            t->table(manche, k / s + 1, table, jouee);
            for (int i = 0; retenir && i < s; ++i)
                precedente[table[i]] = {k / s + 1, i + 1};
        }
    }
};

int PremiereLigne(const Modele &m, int manche)
{
    int r = 1;
    while (m.Scores(1, r).nombre() != manche)
        ++r;
    return r;
}

} // namespace

class TestTirageProprietes : public QObject
{
    Q_OBJECT

private slots:
    // ALEATOIRE1: the random draw of the first round.
    void chacun_une_place_data()
    {
        QTest::addColumn<QString>("methode");
        QTest::addColumn<QString>("typeJeu");
        for (const char *methode : {"VERTICAL", "ALEATOIRE1", "ALEATOIRE", "FORTS", "TOURNOI"})
            for (const char *type : {"TAROT", "BELOTE", "BELOTEIND"})
                QTest::newRow(QByteArray(methode).append(' ').append(type)) << methode << type;
    }

    void chacun_une_place()
    {
        QFETCH(QString, methode);
        QFETCH(QString, typeJeu);

        for (quint32 graine = 1; graine <= NbGraines; ++graine) {
            Cas cas(methode, typeJeu, graine);
            TournoiTirage &t = *cas.t;
            Modele &m = t.m;
            const int s = m.NbParTable(), n = int(cas.participants.size()), courante = m.MancheCourante;
            const QList<int> grille = t.ordreGrille();
            const QStringList avant = t.lignesScores();
            int debut = 0;
            while (debut < avant.size() && m.Scores(1, debut + 1).nombre() < courante)
                ++debut;

            QVERIFY2(t.tire(), qPrintable(QStringLiteral("graine %1: %2").arg(graine).arg(t.p.dernierTexte())));

            const QStringList apres = t.lignesScores();
            QCOMPARE(apres.size(), avant.size() + n);
            QCOMPARE(apres.mid(0, debut), avant.mid(0, debut));
            QCOMPARE(apres.mid(debut + n), avant.mid(debut));
            QCOMPARE(Lignes(m, m.NomFichier(u'S')), apres);

            QList<int> tires;
            for (int k = 0; k < n; ++k) {
                const int r = debut + 1 + k;
                QCOMPARE(m.Scores(1, r).nombre(), double(courante));
                QCOMPARE(m.Scores(2, r).nombre(), double(k / s + 1));
                QCOMPARE(PlacesDansTables(m)[r], k % s + 1);
                tires << int(m.Scores(4, r).nombre());
            }
            QList<int> attendus = cas.participants;
            if (methode == u"FORTS") {
                // The participants from the top of the grid down.
                attendus.clear();
                for (int ligne : grille)
                    if (m.Joueurs(2, ligne).texte() == u"X")
                        attendus << int(m.Joueurs(1, ligne).nombre());
                QCOMPARE(tires, attendus);
            }
            if (methode == u"TOURNOI") {
                // Each entrant keeps his seat; a seat's tables all move by its offset.
                const int nbTables = n / s;
                for (int k = 0; k < n; ++k) {
                    const Siege ancien = cas.precedente.at(tires[k]);
                    QCOMPARE(k % s + 1, ancien.place);
                    const int ecart = (k / s + 1) - ancien.table - int(m.Decalage[ancien.place].nombre());
                    QCOMPARE(((ecart % nbTables) + nbTables) % nbTables, 0);
                }
            }
            std::sort(tires.begin(), tires.end());
            std::sort(attendus.begin(), attendus.end());
            QCOMPARE(tires, attendus);
        }
    }

    // One cause of refusal per row, on every method and game type it applies to.
    void refus_sans_trace_data()
    {
        QTest::addColumn<QString>("methode");
        QTest::addColumn<QString>("typeJeu");
        QTest::addColumn<QString>("cause");
        for (const char *type : {"TAROT", "BELOTE", "BELOTEIND"}) {
            for (const char *methode : {"VERTICAL", "ALEATOIRE", "FORTS", "TOURNOI"}) {
                QTest::newRow(QByteArray("non, ").append(methode).append(' ').append(type))
                    << methode << type << "non";
                QTest::newRow(QByteArray("indivisible, ").append(methode).append(' ').append(type))
                    << methode << type << "indivisible";
            }
            QTest::newRow(QByteArray("grille hors des points ").append(type)) << "FORTS" << type << "grille";
            QTest::newRow(QByteArray("décalage vide ").append(type)) << "TOURNOI" << type << "decalage";
            QTest::newRow(QByteArray("manche précédente différente ").append(type))
                << "TOURNOI" << type << "effectifs";
        }
    }

    void refus_sans_trace()
    {
        QFETCH(QString, methode);
        QFETCH(QString, typeJeu);
        QFETCH(QString, cause);

        for (quint32 graine = 1; graine <= 2 * NbGraines; ++graine) {
            Cas cas(methode, typeJeu, graine);
            TournoiTirage &t = *cas.t;
            Modele &m = t.m;
            const int s = m.NbParTable();
            if (cause == u"indivisible")
                m.Joueurs(2, m.RechJoueur(cas.participants[cas.g.bounded(int(cas.participants.size()))])) =
                    QStringLiteral(" ");
            else if (cause == u"grille")
                TrieGrille(m, cas.g.bounded(1, 7), Sens::Ascendant);
            else if (cause == u"decalage")
                m.Decalage[cas.g.bounded(1, s + 1)] = QString();
            else if (cause == u"effectifs")
                m.Scores.supprimeLignes(PremiereLigne(m, m.MancheCourante - 1));
            m.NbTables = -1;
            const QStringList avant = t.lignesScores();

            QVERIFY2(!t.tire(cause != u"non"), qPrintable(QStringLiteral("graine %1").arg(graine)));
            QCOMPARE(t.lignesScores(), avant);
            // Nothing was on disk: any write would show.
            QVERIFY(QDir(t.dossier.path()).isEmpty());
            QCOMPARE(m.NbTables, -1);
            QVERIFY(!t.p.sablierActif());
            QVERIFY(cause == u"non" || t.p.boites.last().titre == u"ERREUR");
        }
    }
};

QTEST_GUILESS_MAIN(TestTirageProprietes)
#include "test_tirage_proprietes.moc"
