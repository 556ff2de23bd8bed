// The command line, run as a user's script or the desktop menu runs it.
#include "support/disque.h"
#include "support/lecturedocx.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

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
    struct Resultat { int statut; QString erreurs; };
    // Runs in the test folder, or with HOME set to maison and the arguments as given.
    Resultat lance(const QStringList &arguments, const QString &maison = QString())
    {
        QProcess velmora;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // No display at all: printing must not need one.
        for (const char *variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QString::fromLatin1(variable));
        if (!maison.isEmpty())
            env.insert(u"HOME"_s, maison);
        velmora.setProcessEnvironment(env);
        velmora.start(QStringLiteral(VELMORA_EXE),
                      maison.isEmpty() ? QStringList{u"--dossier"_s, dossier.path()} + arguments : arguments);
        velmora.waitForFinished();
        return {velmora.exitCode(), QString::fromLocal8Bit(velmora.readAllStandardError())};
    }

private slots:
    void init()
    {
        for (const QString &f : QDir(dossier.path()).entryList(QDir::Files))
            QFile::remove(dossier.filePath(f));
        ecrit(u"T01.DAT"_s, "NomTournoi=Club\r\nTypeJeu=TAROT\r\n");
        QByteArray joueurs, scores;
        for (int i = 1; i <= 4; ++i) {
            joueurs += QByteArray::number(i).rightJustified(4, '0') + " X " + QByteArray("NOM").leftJustified(30)
                       + " " + QByteArray("P").leftJustified(30) + "\r\n";
            scores += " 1|   1|4 |   " + QByteArray::number(i) + "|" + QByteArray(i == 1 ? "60" : "-20").rightJustified(7)
                      + "|  |  .\r\n";
        }
        ecrit(u"J01.DAT"_s, joueurs);
        ecrit(u"M01.DAT"_s, " 1 14:00 15:30  4 X\r\n 2 __:__ __:__    \r\n");
        ecrit(u"S01.DAT"_s, scores);
    }

    // One row for each case of commande.txt.
    void commande_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("statut");
        QTest::addColumn<QString>("attendu");
        QFile cas(QStringLiteral(ICI "/commande.txt"));
        QVERIFY(cas.open(QIODevice::ReadOnly | QIODevice::Text));
        for (const QString &ligne : QString::fromUtf8(cas.readAll()).split(u'\n')) {
            const QStringList champs = ligne.split(u" | "_s);
            if (ligne.isEmpty() || ligne.startsWith(u'#'))
                continue;
            QVERIFY2(champs.size() == 4, qPrintable(ligne));
            QTest::newRow(qPrintable(champs[0])) << champs[1].split(u' ') << champs[2].toInt() << champs[3];
        }
    }
    void commande()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, statut);
        QFETCH(QString, attendu);
        const QByteArray manches = lit(u"M01.DAT"_s);
        const Resultat r = lance(arguments);
        QCOMPARE(r.statut, statut);
        QCOMPARE(lit(u"M01.DAT"_s), manches);
        if (statut != 0) {
            QVERIFY2(r.erreurs.contains(attendu), qPrintable(r.erreurs));
            QCOMPARE(QDir(dossier.path()).entryList({u"*.TXT"_s, u"*.CSV"_s, u"*.docx"_s}), QStringList());
            return;
        }
        QCOMPARE(r.erreurs, QString());
        if (!attendu.endsWith(u".docx")) {
            QVERIFY(lit(attendu).endsWith("\r\n") || attendu == u"FEUILLES.TXT");
            return;
        }
        QCOMPARE(QDir(dossier.path()).entryList({u"*.TXT"_s}), QStringList());
        const LectureDocx document(dossier.filePath(attendu));
        QVERIFY2(document.erreur.isEmpty(), qPrintable(document.erreur));
        QCOMPARE(document.paragraphes(document.partieEntete()).value(2).texte, u"\tClub"_s);
    }

    // A file that cannot be written or read, an entrant missing from the list: the printout fails and says so,
    // the old report stays. The cause: "plein", a file replaced by a folder, or the number of the missing entrant.
    void echecs_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("message"); // when it ends with " : ", the reason follows
        QTest::newRow("disque plein") << "plein"
                                      << "Impossible d'enregistrer le fichier GRILLE.TXT : le fichier dépasse la "
                                         "taille permise.";
        QTest::newRow("scores illisibles") << "S01.DAT"
                                           << "Impossible de lire le fichier S01.DAT : un dossier porte ce nom.";
        QTest::newRow("document impossible") << "GRILLE.docx"
                                             << "Impossible d'enregistrer le document "
                                                    + QDir::toNativeSeparators(dossier.filePath("GRILLE.docx")) + " : ";
        QTest::newRow("joueur absent des inscrits")
            << "77" << "*** ERREUR PROGRAMME 001 ***\nLe joueur 77 figure dans les scores mais pas dans la liste des "
                       "joueurs.\nArrêt du programme.";
    }
    void echecs()
    {
        QFETCH(QString, cause);
        QFETCH(QString, message);
        ecrit(u"GRILLE.TXT"_s, "ancien classement\r\n");
        if (cause == u"77")
            ecrit(u"S01.DAT"_s, " 1|   1|4 |  77|     10|  |  .\r\n");
        if (cause.contains(u'.')) {
            QFile::remove(dossier.filePath(cause));
            QVERIFY(QDir(dossier.path()).mkdir(cause));
        }
        Resultat r;
        {
            const DisquePlein disque(cause == u"plein" ? 200 : RLIM_INFINITY);
            r = lance(u"--tournoi 1 --imprimer classement"_s.split(u' ')
                      + (cause.endsWith(u".docx") ? QStringList{u"--document"_s} : QStringList()));
        }
        QCOMPARE(r.statut, 1);
        if (message.endsWith(u" : "))
            QVERIFY2(r.erreurs.startsWith(message) && r.erreurs.trimmed().size() > message.size(), qPrintable(r.erreurs));
        else
            QCOMPARE(r.erreurs.trimmed(), message);
        QCOMPARE(lit(u"GRILLE.TXT"_s), QByteArray("ancien classement\r\n"));
        QDir(dossier.path()).rmdir(cause);
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
        const QString chemin = maison.filePath(u"Velmora"_s);
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
            QVERIFY(QFileInfo::exists(QDir(chemin).filePath(u"MANCHES.TXT"_s)));
    }
};

QTEST_GUILESS_MAIN(TestCommande)
#include "test_commande.moc"
