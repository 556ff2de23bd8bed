// The registry of entrants without its window: the entry form's OK and
// delete, the ticks, the import of a list and the copy from another
// tournament. Every case checks that the players file says what memory says.
#include "players/copie.h"
#include "players/csv.h"
#include "players/fiche.h"
#include "players/joueurs.h"
#include "support/tournoi.h"

namespace {

const QString Effacement =
    QStringLiteral("Attention, 2 joueurs vont être effacés dans le tournoi \"Coupe du club\".  Voulez-vous continuer ?");
const QString Fait = Effacement + QStringLiteral("¦Terminé.");
const QString Ecriture = QStringLiteral("Impossible d'enregistrer le fichier J01.DAT : ");
const QString Rien = QStringLiteral(" : la liste des joueurs n'est pas modifiée.");
const QString Depart = QStringLiteral("1|X|NOM1|Prénom1,2|X|NOM2|Prénom2,4|X|NOM4|Prénom4");

// "number|tick|name|first name" of each entrant, joined by commas.
QString Liste(const TableCellules &joueurs)
{
    QStringList liste;
    for (int r = 1; r <= joueurs.nbLignes(); ++r)
        liste << QStringLiteral("%1|%2|%3|%4").arg(joueurs(ColJoueur::Numero, r).texte(), joueurs(ColJoueur::Coche, r).texte(),
                                                   joueurs(ColJoueur::Nom, r).texte(), joueurs(ColJoueur::Prenom, r).texte());
    return liste.join(u',');
}

// The entrants in memory, once checked to be those of the players file.
QString Inscrits(Modele &m)
{
    const QString memoire = Liste(m.Joueurs);
    Relit(m);
    return Liste(m.Joueurs) == memoire ? memoire : QStringLiteral("<fichier différent>");
}

// The boxes shown, joined by "¦": each starts with its expected text (the
// system's reason may follow).
void CompareBoites(const PlateformeTest &p, const QString &attendues)
{
    const QStringList attendu = attendues.isEmpty() ? QStringList{} : attendues.split(u'¦');
    QCOMPARE(p.boites.size(), attendu.size());
    for (int i = 0; i < attendu.size(); ++i)
        QVERIFY2(p.boites[i].texte.startsWith(attendu[i]), qPrintable(p.boites[i].texte));
}

// OK of the entry form over entrants 1, 2 and 4. ligne: the row shown, -1
// for a new entrant, 0 for a change whose entrant was not found. garde: the
// entrant stored, at his row; empty when nothing changed.
// belote: 1 with the conversion, 2 without.
struct CasFiche { int ligne, belote; QString saisie; IssueFiche issue; QString boites, garde; bool bloque = false; };

// The tick dialog (choix: its option), or a click in the tick column on
// entrant 2 (choix: his mark before). The odd entrants are ticked, the grid
// shows them by descending number. marques: entrants 1 to n afterwards.
struct CasCoches { int n; QString choix; TypeTirage tirage; QString marques, message; bool bloque = false; };

// Delete of entrant (team) 2. Entrant 1 sits in round 1, 4 (and 2 when
// placed) at a table of round 2.
struct CasSuppression { bool belote, place, oui; QString message; bool bloque = false; };

// A new list for tournament 02 over its entrants 1 and 2 (anciens: how many;
// negative, the last one sits at a table): the lines of a CSV file, or "#"
// and the number of the tournament to copy. Stored: 01 a Tarot with entrants
// 1, 2 (not ticked) and 5; 03 a team Belote; 04 a Tarot without entrant; 05 a
// Tarot whose players file cannot be read. inscrits: empty when nothing changed.
struct CasListe { QByteArray source; int anciens; QString boites, inscrits; };

} // namespace

class TestJoueurs : public QObject
{
    Q_OBJECT

private slots:
    void rechNumLibre_data()
    {
        Colonnes<QList<int>, int>("numeros", "propose");
        QTest::newRow("aucun inscrit") << QList<int>{} << 1;
        QTest::newRow("trou laissé par le 3") << QList<int>{1, 2, 4} << 3;
        QTest::newRow("le 1 supprimé") << QList<int>{2, 3, 4} << 1;
        QTest::newRow("suite complète") << QList<int>{1, 2, 3} << 4;
        QTest::newRow("plus petit trou d'abord") << QList<int>{1, 3, 5, 9} << 2;
    }
    void rechNumLibre()
    {
        QFETCH(QList<int>, numeros);
        Tournoi t;
        for (int numero : numeros)
            t.joueur(numero, QStringLiteral("NOM"));
        QTEST(RechNumLibre(t.m), "propose");
    }

    // Rows in attendu/fiches.txt.
    void fiche_data()
    {
        Colonnes<QString, QString, QString, QString>("etat", "saisie", "boites", "garde");
        RangeesDepuisFichier(QStringLiteral(DOSSIER_ATTENDU "/fiches.txt"));
    }
    void fiche()
    {
        QFETCH(QString, etat);
        QFETCH(QString, saisie);
        QFETCH(QString, boites);
        QFETCH(QString, garde);
        const QStringList c = etat.split(u' '), issues{"Fermer", "NomVide", "PrenomVide", "NumeroRefuse", "Abandon",
                                                     "NonEcrit", "Enregistre"}; // in IssueFiche order
        const CasFiche cas{c[0].toInt(), c[1].toInt(), saisie.replace(u'·', u' '), IssueFiche(issues.indexOf(c[2])),
                           boites.replace(u'·', u' '), garde, c.size() > 3};
        Tournoi t(cas.belote ? TypeJeu::Belote : TypeJeu::Tarot);
        t.joueurs(2).joueur(4, QStringLiteral("NOM4"), QStringLiteral("Prénom4"));
        QVERIFY(t.m.EcritJoueurs());
        if (cas.bloque)
            t.bloque(QStringLiteral("J01.DAT"));
        t.m.ModeNouveau = cas.ligne == -1;
        t.p.reponses << (cas.issue != IssueFiche::Abandon);
        FicheJoueur f{cas.saisie.section(u'|', 0, 0), cas.saisie.section(u'|', 1, 1), cas.saisie.section(u'|', 2)};
        int r = cas.ligne > 0 ? cas.ligne : -1;
        QCOMPARE(ValideFiche(t.m, f, r, cas.belote == 1), cas.issue);
        CompareBoites(t.p, cas.boites);
        if (cas.garde.isEmpty()) {
            QCOMPARE(Liste(t.m.Joueurs), Depart);
            QCOMPARE(r, cas.ligne > 0 ? cas.ligne : -1);
            return;
        }
        QCOMPARE(r, cas.ligne > 0 ? 2 : 3); // an addition takes its place in number order
        QCOMPARE(Inscrits(t.m).split(u',').value(r - 1), cas.garde);
        // After an addition new entries go on, the grid in number order.
        QCOMPARE(t.m.ModeNouveau, cas.ligne < 1);
        QCOMPARE(t.m.ColTri, cas.ligne < 1 ? int(ColJoueur::Numero) : int(ColJoueur::Points));
        QCOMPARE(t.m.OrdreGrille.value(2), cas.ligne < 1 ? 3 : 0);
    }

    void suppression_data()
    {
        QTest::addColumn<CasSuppression>("cas");
        const QString question = QStringLiteral(
            "Voulez-vous vraiment supprimer ce joueur ? (du moins ... son inscription !)\n\nN° 2 : NOM2");
        QTest::newRow("placé en manche 2")
            << CasSuppression{false, true, true,
                              "Vous ne pouvez pas supprimer ce joueur : il est inscrit ou a joué dans la manche n° 2"};
        QTest::newRow("non") << CasSuppression{false, false, false, question + " Prénom2"};
        QTest::newRow("oui") << CasSuppression{false, false, true, question + " Prénom2"};
        QTest::newRow("équipe nommée") << CasSuppression{true, false, true, question + " / Prénom2"};
        QTest::newRow("fichier bloqué") << CasSuppression{false, false, true, question + " Prénom2¦" + Ecriture, true};
    }
    void suppression()
    {
        QFETCH(CasSuppression, cas);
        Tournoi t(cas.belote ? TypeJeu::Belote : TypeJeu::Tarot);
        t.joueurs(2).joueur(4, QStringLiteral("NOM4"), QStringLiteral("Prénom4")).manches(2).table(1, 1, {1});
        t.table(2, 1, cas.place ? QList<int>{4, 2} : QList<int>{4});
        QVERIFY(t.m.EcritJoueurs());
        if (cas.bloque)
            t.bloque(QStringLiteral("J01.DAT"));
        t.p.reponses << cas.oui;
        const bool supprime = !cas.place && cas.oui && !cas.bloque;
        QCOMPARE(SupprimeFiche(t.m, 2), supprime);
        CompareBoites(t.p, cas.message);
        QCOMPARE(cas.bloque ? Liste(t.m.Joueurs) : Inscrits(t.m),
                 supprime ? QStringLiteral("1|X|NOM1|Prénom1,4|X|NOM4|Prénom4") : Depart);
        QCOMPARE(t.m.OrdreGrille.size(), supprime ? 2 : 0); // ranked again
    }

    // Rows in attendu/coches.txt; a long text goes on over indented lines, joined by spaces.
    void coches_data()
    {
        Colonnes<QString, QString, QString>("etat", "marques", "message");
        RangeesDepuisFichier(QStringLiteral(DOSSIER_ATTENDU "/coches.txt"));
    }
    void coches()
    {
        QFETCH(QString, etat);
        QFETCH(QString, marques);
        QFETCH(QString, message);
        const QStringList c = etat.split(u' ');
        const CasCoches cas{c[0].toInt(), QString(c[1]).replace(u'·', u' '), TirageDepuisTexte(c[2]),
                            marques.replace(u'·', u' '), message.replace(u'\n', u' ').replace(u'·', u' '), c.size() > 3};
        Tournoi t;
        for (int k = 1; k <= cas.n; ++k) {
            t.joueur(k, QStringLiteral("N"), {}, k % 2);
            t.m.OrdreGrille.prepend(k);
        }
        t.m.Tirage = cas.tirage;
        const bool clic = !cas.choix[0].isDigit();
        if (clic)
            t.m.Joueurs(ColJoueur::Coche, 2) = cas.choix;
        QVERIFY(t.m.EcritJoueurs());
        if (cas.bloque)
            t.bloque(QStringLiteral("J01.DAT"));
        QCOMPARE(clic ? BasculeCoche(t.m, 2) : CocheJoueurs(t.m, ChoixCoches(cas.choix.toInt())), cas.message.isEmpty());
        CompareBoites(t.p, cas.message);
        QString obtenues;
        for (int r = 1; r <= cas.n; ++r)
            obtenues += t.m.Joueurs(ColJoueur::Coche, r).texte();
        QCOMPARE(obtenues, cas.marques);
        if (!cas.bloque)
            QCOMPARE(Inscrits(t.m), Liste(t.m.Joueurs));
        QVERIFY(!BasculeCoche(t.m, cas.n + 1)); // nobody has that number
    }

    void remplacement_data()
    {
        QTest::addColumn<CasListe>("cas");
        auto Refus = [](const char *faute, int ligne) {
            return faute + QStringLiteral(" dans votre fichier CSV à la ligne  %1\nArrêt du traitement").arg(ligne);
        };
        const QString joueurs = QStringLiteral("1|X|DUPONT|Jean,2| |MARTIN|Jean Paul,5|X|DURAND|Jean");
        QTest::newRow("trois lignes") << CasListe{"DUPONT;Jean\r\nMARTIN;Paul\r\nDURAND;Luc\r\n", 2, Fait,
                                                  "1|X|DUPONT|Jean,2|X|MARTIN|Paul,3|X|DURAND|Luc"};
        QTest::newRow("sans inscrit, sans question") << CasListe{" LE GOFF ;J P;", 0, "Terminé.", "1|X|LE GOFF|J P"};
        QTest::newRow("blancs réduits, ';' ôtés") << CasListe{"  MARTIN  H\xE9l\xE8ne ; LE   GALL ;x;y\n;Zo\xE9", 2,
                                                             Fait, "1|X|MARTIN Hélène|LE GALL xy,2|X||Zoé"};
        QTest::newRow("lignes blanches à la fin") << CasListe{"A;B\r\n\r\n  \r\n", 2, Fait, "1|X|A|B"};
        QTest::newRow("UTF-8 et sa marque") << CasListe{"\xEF\xBB\xBFH\xC3\x89LA;J\xC3\xBCrgen", 2, Fait, "1|X|HÉLA|Jürgen"};
        QTest::newRow("non à l'effacement") << CasListe{"A;B", 2, Effacement, ""};
        QTest::newRow("ligne blanche au milieu") << CasListe{"A;B\n\nC;D\n", 2, Refus("Pas de point-virgule", 2), ""};
        QTest::newRow("première ligne blanche") << CasListe{"\r\nA;B", 2, Refus("Pas de point-virgule", 1), ""};
        QTest::newRow("virgules") << CasListe{"DUPONT,Jean", 2, Refus("Pas de point-virgule", 1), ""};
        QTest::newRow("ni nom ni prénom") << CasListe{"A;B\n ; ;;\n", 2, Refus("Ni nom ni prénom", 2), ""};
        QTest::newRow("ligne binaire")
            << CasListe{QByteArray("A;B\nC;D\n\x01\x00\x00;\x00", 13), 2, Refus("Caractère de contrôle", 3), ""};
        QTest::newRow("fichier vide") << CasListe{"\r\n", 2, "Le fichier %1 ne contient aucun joueur" + Rien, ""};
        QTest::newRow("plus de 9999 lignes")
            << CasListe{QByteArray("A;B\n").repeated(10000), 2, "Le fichier %1 contient plus de 9999 lignes" + Rien, ""};
        QTest::newRow("joueur placé absent") << CasListe{"A;B", -2, Effacement + "¦Le joueur n° 2 est placé à une table "
                                                         "de la manche n° 1 et ne figure pas dans la nouvelle liste" + Rien, ""};
        QTest::newRow("copie, trous et coches gardés") << CasListe{"#01", 2, Fait, joueurs};
        QTest::newRow("copie, sans inscrit") << CasListe{"#01", 0, "Terminé.", joueurs};
        QTest::newRow("aucun tournoi choisi")
            << CasListe{"#", 2, "Sélectionnez d'abord un tournoi en cliquant dessus dans la liste.", ""};
        QTest::newRow("autre jeu")
            << CasListe{"#03", 2, "Ce tournoi n'est pas du même type que le tournoi actuel. Copie des joueurs impossible.", ""};
        QTest::newRow("tournoi sans joueur")
            << CasListe{"#04", 2, "Le fichier J04.DAT est absent ou vide : ce tournoi n'a aucun joueur à copier.", ""};
        QTest::newRow("joueurs illisibles") << CasListe{"#05", 2, "Impossible de lire le fichier J05.DAT : ", ""};
    }
    void remplacement()
    {
        QFETCH(CasListe, cas);
        Tournoi t;
        t.joueur(1, QStringLiteral("DUPONT"), QStringLiteral("Jean"));
        t.joueur(2, QStringLiteral("MARTIN"), QStringLiteral("Jean Paul"), false);
        t.joueur(5, QStringLiteral("DURAND"), QStringLiteral("Jean")).enregistre();
        for (const QString entete : {"03TypeJeu=BELOTE", "04typejeu=tarot", "05TypeJeu=TAROT"})
            QVERIFY(t.m.EcritLignes("T" + entete.left(2) + ".DAT", {"NomTournoi=", entete.mid(2)}));
        t.bloque("J05.DAT");
        t.m.NumTournoi = QStringLiteral("02");
        t.m.Joueurs.vide();
        t.joueurs(std::abs(cas.anciens));
        if (cas.anciens < 0)
            t.manches(1).table(1, 1, {2});
        QVERIFY(t.m.EcritJoueurs());
        t.m.ColTri = ColJoueur::Numero;
        const QString depart = Liste(t.m.Joueurs);
        const QString chemin = t.m.Chemin(QStringLiteral("liste.csv"));
        t.ecrit(QStringLiteral("liste.csv"), cas.source);
        t.p.reponses << (cas.boites != Effacement);
        QCOMPARE(cas.source.startsWith('#') ? CopieJoueurs(t.m, QString::fromLatin1(cas.source.mid(1))) : ImporteCsv(t.m, chemin),
                 !cas.inscrits.isEmpty());
        CompareBoites(t.p, cas.boites.replace(QStringLiteral("%1"), chemin));
        QCOMPARE(Inscrits(t.m), cas.inscrits.isEmpty() ? depart : cas.inscrits);
        // A new list is ranked by points.
        QCOMPARE(t.m.ColTri, int(cas.inscrits.isEmpty() ? ColJoueur::Numero : ColJoueur::Points));
        QCOMPARE(t.m.OrdreGrille.size(), cas.inscrits.isEmpty() ? 0 : cas.inscrits.count(u',') + 1);
        QVERIFY(!ImporteCsv(t.m, chemin + "x"));
        QCOMPARE(t.p.dernierTexte(), "Le fichier " + chemin + "x n'existe pas ou ne peut pas être lu.");
    }
};

QTEST_GUILESS_MAIN(TestJoueurs)
#include "test_joueurs.moc"
