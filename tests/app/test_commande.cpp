// The command line, run as a user's script or the desktop menu runs it.
#include "support/disque.h"
#include "support/lecturedocx.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    // Runs in the test folder, or with HOME set to maison and the arguments as given.
    Resultat lance(const QStringList &arguments, const QString &maison = QString())
    {
        QProcess velmora;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // No display at all: printing must not need one.
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        if (!maison.isEmpty())
            env.insert(QStringLiteral("HOME"), maison);
        velmora.setProcessEnvironment(env);
        velmora.start(QStringLiteral(VELMORA_EXE),
                      maison.isEmpty() ? QStringList{QStringLiteral("--dossier"), dossier.path()} + arguments : arguments);
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
        // The document instead of the text file.
        QTest::newRow("classement en document") << QStringList{"--imprimer", "classement", "--document"} << "GRILLE.docx";
        QTest::newRow("tables en document") << QStringList{"--document", "--imprimer", "tables"} << "LIST_TAB.docx";
        QTest::newRow("joueurs en document") << QStringList{"--document", "--imprimer", "joueurs"} << "LIST_JOU.docx";
        QTest::newRow("noms en document") << QStringList{"--document", "--imprimer", "noms"} << "LIST_NOM.docx";
        QTest::newRow("feuilles en document") << QStringList{"--document", "--imprimer", "feuilles"} << "FEUILLES.docx";
        QTest::newRow("fiche en document") << QStringList{"--document", "--imprimer", "fiche", "--joueur", "2"}
                                           << "FICHE.docx";
    }
    void rapports()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, fichier);
        const QByteArray manches = lit(QStringLiteral("M01.DAT"));
        const Resultat r = lance(QStringList{QStringLiteral("--tournoi"), QStringLiteral("01")} + arguments);
        QCOMPARE(r.erreurs, QString());
        QCOMPARE(r.statut, 0);
        QCOMPARE(lit(QStringLiteral("M01.DAT")), manches);
        if (fichier.endsWith(u".TXT") || fichier.endsWith(u".CSV")) {
            QVERIFY(lit(fichier).endsWith("\r\n") || fichier == u"FEUILLES.TXT");
            return;
        }
        QCOMPARE(QDir(dossier.path()).entryList({QStringLiteral("*.TXT")}), QStringList());
        const LectureDocx document(dossier.filePath(fichier));
        QVERIFY2(document.erreur.isEmpty(), qPrintable(document.erreur));
        QCOMPARE(document.paragraphes(document.partieEntete()).value(2).texte, QStringLiteral("\tClub"));
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
        QTest::newRow("affichage sans tournoi") << QStringList{"--affichage"} << 2 << "--affichage demande --tournoi";
        QTest::newRow("affichage d'un tournoi absent") << QStringList{"--tournoi", "5", "--affichage"} << 2 << "05";
        QTest::newRow("affichage et impression")
            << QStringList{"--tournoi", "1", "--affichage", "--imprimer", "csv"} << 2 << "ne vont pas ensemble";
        QTest::newRow("affichage d'une manche") << QStringList{"--tournoi", "1", "--affichage", "--manche", "1"} << 2
                                                << "--imprimer";
        QTest::newRow("document sans impression") << QStringList{"--tournoi", "1", "--document"} << 2 << "--imprimer";
        QTest::newRow("manches en document") << QStringList{"--tournoi", "1", "--imprimer", "manches", "--document"} << 2
                                             << "le rapport manches n'existe qu'en fichier texte";
        QTest::newRow("csv en document") << QStringList{"--tournoi", "1", "--document", "--imprimer", "csv"} << 2
                                         << "le rapport csv n'existe qu'en fichier texte";
    }
    void refus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, statut);
        QFETCH(QString, message);
        const Resultat r = lance(arguments);
        QCOMPARE(r.statut, statut);
        QVERIFY2(r.erreurs.contains(message), qPrintable(r.erreurs));
        QCOMPARE(QDir(dossier.path()).entryList({QStringLiteral("*.TXT"), QStringLiteral("*.CSV"), QStringLiteral("*.docx")}),
                 QStringList());
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

    // A file that cannot be written or read: the printout fails and says so, the old report stays.
    void echecs_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("message");
        QTest::newRow("disque plein") << "plein"
                                      << "Impossible d'enregistrer le fichier GRILLE.TXT : le fichier dépasse la "
                                         "taille permise.";
        QTest::newRow("scores illisibles") << "illisible"
                                           << "Impossible de lire le fichier S01.DAT : un dossier porte ce nom.";
        QTest::newRow("document impossible") << "document"
                                             << "Impossible d'enregistrer le document "
                                                    + QDir::toNativeSeparators(dossier.filePath("GRILLE.docx")) + " : ";
    }
    void echecs()
    {
        QFETCH(QString, cause);
        QFETCH(QString, message);
        ecrit(QStringLiteral("GRILLE.TXT"), "ancien classement\r\n");
        if (cause == u"illisible") {
            QFile::remove(dossier.filePath(QStringLiteral("S01.DAT")));
            QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("S01.DAT")));
        }
        const bool document = cause == u"document";
        if (document)
            QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("GRILLE.docx")));
        Resultat r;
        {
            const DisquePlein disque(cause == u"plein" ? 200 : RLIM_INFINITY);
            r = lance(QStringList{QStringLiteral("--tournoi"), QStringLiteral("1"), QStringLiteral("--imprimer"),
                                  QStringLiteral("classement")}
                      + (document ? QStringList{QStringLiteral("--document")} : QStringList()));
        }
        QCOMPARE(r.statut, 1);
        // The reason follows the document's name.
        if (document)
            QVERIFY2(r.erreurs.startsWith(message) && r.erreurs.trimmed().size() > message.size(), qPrintable(r.erreurs));
        else
            QCOMPARE(r.erreurs.trimmed(), message);
        QCOMPARE(lit(QStringLiteral("GRILLE.TXT")), QByteArray("ancien classement\r\n"));
        QDir(dossier.path()).rmdir(QStringLiteral("S01.DAT"));
        QDir(dossier.path()).rmdir(QStringLiteral("GRILLE.docx"));
    }

    // The menu's option: the folder Velmora of the home folder, whatever the current folder.
    void bureau_data()
    {
        QTest::addColumn<QString>("velmora"); // what stands at ~/Velmora before the start
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("statut");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("dossierApres");
        const QStringList manches{"--bureau", "--tournoi", "1", "--imprimer", "manches"};
        QTest::newRow("dossier créé") << "" << manches << 2 << "le tournoi 01 n'existe pas" << true;
        QTest::newRow("dossier existant") << "tournoi" << manches << 0 << "" << true;
        QTest::newRow("un fichier à sa place") << "fichier" << manches << 2 << "impossible de créer le dossier" << false;
        QTest::newRow("avec --dossier") << "" << QStringList{"--bureau", "--dossier", "."} << 2 << "--dossier" << false;
    }
    void bureau()
    {
        QFETCH(QString, velmora);
        QFETCH(QStringList, arguments);
        QFETCH(int, statut);
        QFETCH(QString, message);
        QFETCH(bool, dossierApres);
        QTemporaryDir maison;
        const QString chemin = maison.filePath(QStringLiteral("Velmora"));
        if (velmora == u"fichier")
            QVERIFY(QFile(chemin).open(QIODevice::WriteOnly));
        if (velmora == u"tournoi") {
            QVERIFY(QDir().mkdir(chemin));
            for (const QString &f : QDir(dossier.path()).entryList(QDir::Files))
                QVERIFY(QFile::copy(dossier.filePath(f), QDir(chemin).filePath(f)));
        }
        const Resultat r = lance(arguments, maison.path());
        QCOMPARE(r.statut, statut);
        QVERIFY2(r.erreurs.contains(message) && r.erreurs.count(u'\n') == (statut ? 1 : 0), qPrintable(r.erreurs));
        QCOMPARE(QFileInfo(chemin).isDir(), dossierApres);
        if (statut == 0)
            QVERIFY(QFileInfo::exists(QDir(chemin).filePath(QStringLiteral("MANCHES.TXT"))));
    }
};

QTEST_GUILESS_MAIN(TestCommande)
#include "test_commande.moc"
