// The score sheets from the table lists window: the choice window, the table
// asked in the input box with its two refusals, FEUILLES.TXT and FEUILLES.CSV.
#include "reports/frmOptFeuilles.h"
#include "reports/frmRepart.h"
#include "tournoi.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString Cancel = "<annule>";

// Round 1 of a tarot evening of two tables.
void tarot(TournoiRapport &t, const QString &parties)
{
    for (int i = 1; i <= 8; ++i)
        t.joueur(i, QString("NOM%1").arg(i), "Prénom");
    t.manche("20:00", "21:00", parties);
    t.table(1, 1, {1, 2, 3, 4});
    t.table(1, 2, {5, 6, 7, 8});
    t.m.MancheCourante = 1;
    t.m.NbTables = 2;
}

} // namespace

class TestFrmOptFeuilles : public QObject
{
    Q_OBJECT

private slots:
    // saisies: the answers of the input box, Cancel for its Cancel button;
    // boites: the title and text of each box shown; fichier and feuilles: the file
    // written and its number of sheets, empty when none.
    void choix_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("parties");
        QTest::addColumn<QStringList>("saisies");
        QTest::addColumn<QStringList>("boites");
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<int>("feuilles");

        const QString nombre = "Erreur: Le n° saisi doit être un nombre";
        const QString borne = "Erreur: Le n° de table doit être compris entre 1 et 2";
        const QString parties = "ERREUR: Le nombre de parties n'est pas renseigné pour cette manche. Il est donc impossible "
                                "d'imprimer les feuilles de marque. Pour corriger, allez dans la définition des "
                                "manches et renseignez le nombre de parties.";
        QTest::newRow("abandon") << "cmdAnnuler" << "4" << QStringList{"1"} << QStringList{} << "" << 0;
        QTest::newRow("csv") << "cmdCsv" << "4" << QStringList{"1"} << QStringList{} << "FEUILLES.CSV" << 0;
        QTest::newRow("une table") << "cmdEtat" << "4" << QStringList{"2"} << QStringList{} << "FEUILLES.TXT" << 1;
        QTest::newRow("toutes les tables") << "cmdEtat" << "4" << QStringList{"0"} << QStringList{}
                                           << "FEUILLES.TXT" << 2;
        QTest::newRow("deux refus puis une table")
            << "cmdEtat" << "4" << QStringList{"deux", "3", "1"} << QStringList{nombre, borne} << "FEUILLES.TXT" << 1;
        QTest::newRow("réponse vide") << "cmdEtat" << "4" << QStringList{""} << QStringList{} << "" << 0;
        QTest::newRow("saisie annulée") << "cmdEtat" << "4" << QStringList{Cancel} << QStringList{} << "" << 0;
        QTest::newRow("sans parties") << "cmdEtat" << "0" << QStringList{"1"} << QStringList{parties} << "" << 0;
    }
    void choix()
    {
        QFETCH(QString, bouton);
        QFETCH(QString, parties);
        QFETCH(QStringList, saisies);
        QFETCH(QStringList, boites);
        QFETCH(QString, fichier);
        QFETCH(int, feuilles);
        TournoiRapport t;
        tarot(t, parties);
        for (const QString &saisie : saisies)
            t.p.saisies.enqueue(saisie == Cancel ? std::nullopt : std::optional<QString>(saisie));
        frmRepart fenetre(t.m);

        bool choisi = false;
        QTimer::singleShot(0, this, [&] {
            auto *options = qobject_cast<frmOptFeuilles *>(QApplication::activeModalWidget());
            QVERIFY(options);
            options->findChild<QPushButton *>(bouton)->click();
            choisi = true;
        });
        fenetre.findChild<QPushButton *>("cmdImprFM")->click();
        QVERIFY(choisi);

        QStringList textes;
        for (const PlateformeTest::Boite &boite : t.p.boites)
            textes << boite.titre + ": " + boite.texte;
        QCOMPARE(textes, boites);
        for (const QString &fichierPossible : {QString("FEUILLES.TXT"), QString("FEUILLES.CSV")})
            QCOMPARE(t.m.FichierExiste(fichierPossible), fichierPossible == fichier);
        QCOMPARE(t.p.textesEdites, fichier.isEmpty() ? QStringList{} : QStringList{t.m.Chemin(fichier)});
        if (fichier == "FEUILLES.TXT")
            QCOMPARE(t.lit(fichier).count("\f"), feuilles);
        // The sheets ask for a table only once the round has its deals.
        QCOMPARE(t.p.saisies.isEmpty(), bouton == "cmdEtat" && parties != "0");
        QVERIFY(!t.p.sablierActif());
    }
};

QTEST_MAIN(TestFrmOptFeuilles)
#include "test_frmoptfeuilles.moc"
