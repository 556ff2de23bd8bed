// The text channel: the file as written, then the editor.
#include "reports/canal.h"
#include "tournoi.h"

#include <QDir>
#include <QTest>

class TestCanal : public QObject
{
    Q_OBJECT

private slots:
    void ecritPuisOuvre()
    {
        TournoiRapport t;
        QVERIFY(ImprimeTexte(t.m, "RAPPORT.TXT", {"\f", "Prénom ", "N°"}));
        QCOMPARE(t.lit("RAPPORT.TXT"), QByteArray("\f\r\nPr\xe9nom \r\nN\xb0\r\n"));
        QCOMPARE(t.p.textesEdites, QStringList{t.m.Chemin("RAPPORT.TXT")});
    }

    void sansEditeur()
    {
        TournoiRapport t;
        QVERIFY(ImprimeTexte(t.m, "RAPPORT.TXT", {"x"}, false));
        QCOMPARE(t.lit("RAPPORT.TXT"), QByteArray("x\r\n"));
        QVERIFY(t.p.textesEdites.isEmpty());
    }

    // A directory stands where the report should go.
    void fichierImpossible()
    {
        TournoiRapport t;
        QVERIFY(QDir(t.dossier.path()).mkdir("RAPPORT.TXT"));
        QVERIFY(!ImprimeTexte(t.m, "RAPPORT.TXT", {"x"}));
        QCOMPARE(t.p.boites.size(), 1);
        QCOMPARE(t.p.boites[0].titre, "ERREUR");
        QVERIFY(t.p.boites[0].texte.contains("RAPPORT.TXT : "));
        QVERIFY(!t.p.boites[0].texte.endsWith(" : "));
        QVERIFY(t.p.textesEdites.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCanal)
#include "test_canal.moc"
