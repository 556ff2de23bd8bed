// The registry of entrants without its window: proposed and refused numbers,
// name conversions, duplicates, order of the table, and the players file
// always agreeing with memory.
#include "players/csv.h"
#include "players/joueurs.h"
#include "players/noms.h"
#include "ranking/tournoi.h"

#include <QTest>
#include <memory>

namespace {

const QString MsgNumero = QStringLiteral("Le n° doit être un nombre entier de 1 à 9999.");

QList<int> Numeros(const TableCellules &joueurs)
{
    QList<int> numeros;
    for (int r = 1; r <= joueurs.nbLignes(); ++r)
        numeros << int(joueurs(1, r).nombre());
    return numeros;
}

} // namespace

class TestJoueurs : public QObject
{
    Q_OBJECT

    std::unique_ptr<TournoiTest> t;
    Modele &m() { return t->m; }

    void entrants(const QList<int> &numeros)
    {
        for (int numero : numeros)
            t->joueur(numero, QStringLiteral("X"), QStringLiteral("Dupont"), QStringLiteral("Jean%1").arg(numero));
    }

private slots:
    void init() { t = std::make_unique<TournoiTest>(); }

    void rechNumLibre_data()
    {
        QTest::addColumn<QList<int>>("numeros");
        QTest::addColumn<int>("propose");
        QTest::newRow("aucun inscrit") << QList<int>{} << 1;
        QTest::newRow("trou laissé par le 3") << QList<int>{1, 2, 4} << 3;
        QTest::newRow("le 1 supprimé") << QList<int>{2, 3, 4} << 1;
        QTest::newRow("suite complète") << QList<int>{1, 2, 3} << 4;
        QTest::newRow("plus petit trou d'abord") << QList<int>{1, 3, 5, 9} << 2;
    }
    void rechNumLibre()
    {
        QFETCH(QList<int>, numeros);
        QFETCH(int, propose);
        entrants(numeros);
        QCOMPARE(RechNumLibre(m()), propose);
    }

    void refusNumero_data()
    {
        QTest::addColumn<QString>("saisi");
        QTest::addColumn<QString>("refus");
        QTest::newRow("libre, blancs autour") << " 3 " << "";
        QTest::newRow("vide") << "" << MsgNumero;
        QTest::newRow("chiffres puis lettres") << "12a" << MsgNumero;
        QTest::newRow("zéro") << "0" << MsgNumero;
        QTest::newRow("décimal") << "1.5" << MsgNumero;
        QTest::newRow("cinq chiffres") << "10000" << MsgNumero;
        QTest::newRow("déjà pris, zéros devant") << "0004" << "Le n° 4 est déjà attribué.";
    }
    void refusNumero()
    {
        QFETCH(QString, saisi);
        QFETCH(QString, refus);
        entrants({1, 2, 4});
        QCOMPARE(RefusNumero(m(), saisi), refus);
    }

    // Each key goes through the rule of the first-name box, then lands at the end.
    void frappePrenom_data()
    {
        QTest::addColumn<QString>("frappe");
        QTest::addColumn<QString>("boite");
        QTest::newRow("prénom composé") << "jean pierre" << "Jean-Pierre";
        QTest::newRow("blancs dans la boîte vide") << "  éloïse" << "Éloïse";
        QTest::newRow("suite laissée telle quelle") << "mARIE" << "MARIE";
    }
    void frappePrenom()
    {
        QFETCH(QString, frappe);
        QFETCH(QString, boite);
        QString texte;
        for (const QChar touche : frappe)
            texte += TouchePrenom(texte, touche);
        QCOMPARE(texte, boite);
    }

    void conversions_data()
    {
        QTest::addColumn<QString>("saisi");
        QTest::addColumn<QString>("belote");
        QTest::addColumn<QString>("sansSeparateurs");
        QTest::newRow("prénom composé") << "dupont jean-pierre" << "DUPONT Jean-Pierre" << "dupontjean-pierre";
        QTest::newRow("nom seul") << "martin" << "MARTIN" << "martin";
        QTest::newRow("blancs, capitales, point-virgule") << " roux  MARIE-anne-lise;" << " Roux  marie-Anne-lise;"
                                                          << "rouxMARIE-anne-lise";
        QTest::newRow("accents, µ sans capitale") << "ménard élodie µ" << "MÉNARD Élodie µ" << "ménardélodieµ";
    }
    void conversions()
    {
        QFETCH(QString, saisi);
        QFETCH(QString, belote);
        QFETCH(QString, sansSeparateurs);
        QCOMPARE(ConvertitNomBelote(saisi), belote);
        QCOMPARE(OteSeparateurs(saisi), sansSeparateurs);
    }

    void doublon_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("prenom");
        QTest::addColumn<int>("ligne");
        QTest::newRow("même nom, même prénom") << "Dupont" << "Jean2" << 2;
        QTest::newRow("autre prénom") << "Dupont" << "Paul" << -1;
        QTest::newRow("nom en capitales") << "DUPONT" << "Jean2" << -1;
    }
    void doublon()
    {
        QFETCH(QString, nom);
        QFETCH(QString, prenom);
        QFETCH(int, ligne);
        entrants({1, 2});
        QCOMPARE(RechDoublon(m(), nom, prenom), ligne);
    }

    void ajoutEnOrdre_data()
    {
        QTest::addColumn<QList<int>>("numeros");
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("ligne");
        QTest::newRow("premier") << QList<int>{} << 5 << 1;
        QTest::newRow("entre 2 et 4") << QList<int>{1, 2, 4} << 3 << 3;
        QTest::newRow("en tête") << QList<int>{2, 3} << 1 << 1;
    }
    void ajoutEnOrdre()
    {
        QFETCH(QList<int>, numeros);
        QFETCH(int, numero);
        QFETCH(int, ligne);
        entrants(numeros);
        QCOMPARE(AjouteJoueur(m(), numero, QStringLiteral("DURAND"), QStringLiteral("Luc")), ligne);
        numeros.insert(ligne - 1, numero);
        QCOMPARE(Numeros(m().Joueurs), numeros);
        QCOMPARE(m().Joueurs(2, ligne).texte(), QStringLiteral("X"));
        QCOMPARE(m().Joueurs(9, ligne).nombre(), double(SansValeur));
        const QStringList fichier = Lignes(m(), QStringLiteral("J01.DAT"));
        QCOMPARE(fichier.size(), numeros.size());
        QVERIFY(fichier[ligne - 1].startsWith(QStringLiteral("%1 X DURAND ").arg(numero, 4, 10, QLatin1Char('0'))));
    }

    // A players file that cannot be written leaves the table as it was; a new
    // list must keep every entrant seated at a table, whom the ranking looks for.
    void tableInchangee_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("message");
        const QString ecriture = QStringLiteral("Impossible d'enregistrer");
        QTest::newRow("ajout") << 0 << ecriture;
        QTest::newRow("modification") << 1 << ecriture;
        QTest::newRow("suppression") << 2 << ecriture;
        QTest::newRow("liste sans un joueur placé")
            << 3
            << "Le joueur n° 4 est placé à une table de la manche n° 2 et ne figure pas dans la nouvelle liste : "
               "la liste des joueurs n'est pas modifiée.";
    }
    void tableInchangee()
    {
        QFETCH(int, operation);
        QFETCH(QString, message);
        entrants({1, 2, 4});
        t->score(2, 4, QString(), QString());
        const TableCellules avant = m().Joueurs;
        if (operation < 3)
            m().RepProgramme = t->dossier.filePath(QStringLiteral("absent"));
        TableCellules liste(10);
        RemplitJoueur(liste, liste.ajouteLigne(), 1, QStringLiteral("A"), QStringLiteral("B"));
        switch (operation) {
        case 0: QCOMPARE(AjouteJoueur(m(), 3, QStringLiteral("A"), QStringLiteral("B")), -1); break;
        case 1: QVERIFY(!ChangeJoueur(m(), 2, QStringLiteral("A"), QStringLiteral("B"))); break;
        case 2: QVERIFY(!SupprimeJoueur(m(), 2)); break;
        default: QVERIFY(!RemplaceJoueurs(m(), liste)); break;
        }
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 9; ++c)
                QCOMPARE(m().Joueurs(c, r), avant(c, r));
        QCOMPARE(m().NbJoueurs(), 3);
        QCOMPARE(t->p.boites.size(), 1);
        QVERIFY(t->p.boites[0].texte.startsWith(message));
    }
};

QTEST_GUILESS_MAIN(TestJoueurs)
#include "test_joueurs.moc"
