// Printing from the command line, run as a user's script runs it.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestCommande : public QObject
{
    Q_OBJECT

    QTemporaryDir dossier;

    void ecrit(const QString &nom, const QByteArray &contenu)
    {
        QFile f(dossier.filePath(nom));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenu);
    }
    QByteArray lit(const QString &nom)
    {
        QFile f(dossier.filePath(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    struct Resultat
    {
        int statut;
        QString erreurs;
    };
    Resultat lance(const QStringList &arguments)
    {
        QProcess velmora;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // No display at all: printing must not need one.
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        velmora.setProcessEnvironment(env);
        velmora.start(QStringLiteral(VELMORA_EXE), QStringList{QStringLiteral("--dossier"), dossier.path()} + arguments);
        velmora.waitForFinished();
        return {velmora.exitCode(), QString::fromLocal8Bit(velmora.readAllStandardError())};
    }

private slots:
    void init()
    {
        for (const QString &f : QDir(dossier.path()).entryList(QDir::Files))
            QFile::remove(dossier.filePath(f));
        ecrit(QStringLiteral("T01.DAT"), "NomTournoi=Club\r\nTypeJeu=TAROT\r\n");
        QByteArray joueurs, scores;
        for (int i = 1; i <= 4; ++i) {
            joueurs += QByteArray::number(i).rightJustified(4, '0') + " X " + QByteArray("NOM").leftJustified(30)
                       + " " + QByteArray("P").leftJustified(30) + "\r\n";
            scores += " 1|   1|4 |   " + QByteArray::number(i) + "|" + QByteArray(i == 1 ? "60" : "-20").rightJustified(7)
                      + "|  |  .\r\n";
        }
        ecrit(QStringLiteral("J01.DAT"), joueurs);
        ecrit(QStringLiteral("M01.DAT"), " 1 14:00 15:30  4 X\r\n 2 __:__ __:__    \r\n");
        ecrit(QStringLiteral("S01.DAT"), scores);
    }

    void rapports_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("fichier");
        QTest::newRow("classement") << QStringList{"--imprimer", "classement", "--tri", "3"} << "GRILLE.TXT";
        QTest::newRow("manches") << QStringList{"--imprimer", "manches"} << "MANCHES.TXT";
        QTest::newRow("tables") << QStringList{"--imprimer", "tables"} << "LIST_TAB.TXT";
        QTest::newRow("joueurs") << QStringList{"--imprimer", "joueurs"} << "LIST_JOU.TXT";
        QTest::newRow("noms") << QStringList{"--imprimer", "noms"} << "LIST_NOM.TXT";
        QTest::newRow("feuilles") << QStringList{"--imprimer", "feuilles", "--table", "1"} << "FEUILLES.TXT";
        QTest::newRow("csv") << QStringList{"--imprimer", "csv"} << "FEUILLES.CSV";
        QTest::newRow("fiche") << QStringList{"--imprimer", "fiche", "--joueur", "2"} << "FICHE.TXT";
    }
    void rapports()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, fichier);
        const QByteArray manches = lit(QStringLiteral("M01.DAT"));
        const Resultat r = lance(QStringList{QStringLiteral("--tournoi"), QStringLiteral("01")} + arguments);
        QCOMPARE(r.erreurs, QString());
        QCOMPARE(r.statut, 0);
        QVERIFY(lit(fichier).endsWith("\r\n") || fichier == u"FEUILLES.TXT");
        QCOMPARE(lit(QStringLiteral("M01.DAT")), manches);
    }

    void refus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("statut");
        QTest::addColumn<QString>("message");
        QTest::newRow("joueur inconnu") << QStringList{"--tournoi", "1", "--imprimer", "fiche", "--joueur", "9"} << 1
                                        << "Joueur(se) n°  9 pas trouvé";
        QTest::newRow("table inconnue") << QStringList{"--tournoi", "1", "--imprimer", "feuilles", "--table", "2"} << 1
                                        << "Le n° de table doit être compris entre 1 et 1";
        QTest::newRow("manche sans parties")
            << QStringList{"--tournoi", "1", "--imprimer", "feuilles", "--manche", "2"} << 1
            << "Le nombre de parties n'est pas renseigné pour cette manche.";
        QTest::newRow("rapport inconnu") << QStringList{"--tournoi", "1", "--imprimer", "bilan"} << 2 << "bilan";
        QTest::newRow("manche hors tournoi") << QStringList{"--tournoi", "1", "--imprimer", "tables", "--manche", "3"}
                                             << 2 << "--manche";
        QTest::newRow("tri hors grille") << QStringList{"--tournoi", "1", "--imprimer", "classement", "--tri", "10"}
                                         << 2 << "--tri";
        QTest::newRow("fiche sans joueur") << QStringList{"--tournoi", "1", "--imprimer", "fiche"} << 2 << "--joueur";
        QTest::newRow("tournoi absent") << QStringList{"--tournoi", "5", "--imprimer", "csv"} << 2 << "05";
        QTest::newRow("option inconnue") << QStringList{"--couleur", "rouge"} << 2 << "--couleur";
    }
    void refus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, statut);
        QFETCH(QString, message);
        const Resultat r = lance(arguments);
        QCOMPARE(r.statut, statut);
        QVERIFY2(r.erreurs.contains(message), qPrintable(r.erreurs));
        QCOMPARE(QDir(dossier.path()).entryList({QStringLiteral("*.TXT"), QStringLiteral("*.CSV")}), QStringList());
    }

    void joueurAbsentDesInscrits()
    {
        ecrit(QStringLiteral("S01.DAT"), " 1|   1|4 |  77|     10|  |  .\r\n");
        const Resultat r = lance({QStringLiteral("--tournoi"), QStringLiteral("1"), QStringLiteral("--imprimer"),
                                  QStringLiteral("classement")});
        QCOMPARE(r.statut, 1);
        QVERIFY(r.erreurs.contains(QStringLiteral("*** ERREUR PROGRAMME 001 ***")));
        QVERIFY(lit(QStringLiteral("GRILLE.TXT")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCommande)
#include "test_commande.moc"
