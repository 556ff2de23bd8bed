// The build tree installed under a fresh prefix, as a user installs it to ~/.local.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

static const QString Id = u"org.velmora.Velmora"_s;

class TestInstallation : public QObject
{
    Q_OBJECT

    QTemporaryDir prefixe;

    QString installe(const QString &chemin) const { return prefixe.filePath(chemin); }

private slots:
    void initTestCase()
    {
        QProcess cmake;
        cmake.start(QStringLiteral(CMAKE_EXE), {"--install", BUILD_DIR, "--prefix", prefixe.path()});
        QVERIFY(cmake.waitForFinished(120000));
        QVERIFY2(cmake.exitStatus() == QProcess::NormalExit && cmake.exitCode() == 0, cmake.readAllStandardError());
    }

    // Each file installed, and the tool of the desktop that validates it (skipped when missing).
    void fichiers_data()
    {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<QStringList>("validation");
        QTest::newRow("programme") << "bin/velmora" << QStringList();
        QTest::newRow("entrée du menu") << "share/applications/" + Id + ".desktop" << QStringList{"desktop-file-validate"};
        QTest::newRow("icône") << "share/icons/hicolor/scalable/apps/" + Id + ".svg" << QStringList();
        QTest::newRow("catalogue") << "share/metainfo/" + Id + ".metainfo.xml"
                                   << QStringList{"appstreamcli", "validate", "--no-net"};
    }
    void fichiers()
    {
        QFETCH(QString, chemin);
        QFETCH(QStringList, validation);
        const QFileInfo fichier(installe(chemin));
        QVERIFY2(fichier.isFile() && fichier.size() > 0, qPrintable(chemin));
        if (chemin.startsWith(u"bin/"))
            QVERIFY(fichier.isExecutable());
        if (chemin.endsWith(u".svg")) {
            QFile svg(fichier.filePath());
            QVERIFY(svg.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&svg);
            while (!xml.atEnd())
                xml.readNext();
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        }
        if (validation.isEmpty())
            return;
        const QString outil = validation.takeFirst(), programme = QStandardPaths::findExecutable(outil);
        if (programme.isEmpty())
            QSKIP(qPrintable(outil + u" n'est pas installé"_s));
        QProcess verification;
        verification.setProcessChannelMode(QProcess::MergedChannels);
        verification.start(programme, validation << fichier.filePath());
        QVERIFY(verification.waitForFinished(60000));
        const QByteArray sortie = verification.readAll();
        QVERIFY2(verification.exitCode() == 0, sortie.constData());
        // desktop-file-validate succeeds with hints printed; they are worth fixing too.
        if (outil == u"desktop-file-validate")
            QCOMPARE(sortie, QByteArray());
    }

    // Every page of the source tree, where the installed program looks: ../share/velmora/help from bin/.
    void pagesAide()
    {
        const QStringList filtres{"*.html", "*.css"};
        const QStringList pages = QDir(QStringLiteral(SOURCE_DIR "/help")).entryList(filtres, QDir::Files);
        QVERIFY(pages.contains(QStringLiteral("sommaire.html")));
        QCOMPARE(QDir(installe(QStringLiteral("bin/../share/velmora/help"))).entryList(filtres, QDir::Files), pages);
    }

    // Started as the menu starts it, the program works in ~/Velmora and creates it.
    void lancementDepuisLeMenu()
    {
        QFile entree(installe("share/applications/" + Id + ".desktop"));
        QVERIFY(entree.open(QIODevice::ReadOnly | QIODevice::Text));
        QStringList commande;
        for (const QString &ligne : QString::fromUtf8(entree.readAll()).split(u'\n'))
            if (ligne.startsWith(u"Exec="))
                commande = ligne.mid(5).split(u' ', Qt::SkipEmptyParts).filter(QRegularExpression(QStringLiteral("^[^%]")));
        QVERIFY(!commande.isEmpty());
        const QString programme = installe(QStringLiteral("bin/") + commande.takeFirst());

        QTemporaryDir maison;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), maison.path());
        QProcess velmora;
        velmora.setProcessEnvironment(env);
        velmora.setWorkingDirectory(prefixe.path());
        // A printing request ends without a window; the empty folder holds no tournament to print.
        velmora.start(programme, commande + QStringList{"--tournoi", "1", "--imprimer", "manches"});
        QVERIFY(velmora.waitForFinished(60000));
        QVERIFY2(velmora.readAllStandardError().contains("le tournoi 01 n'existe pas"), qPrintable(programme));
        QCOMPARE(velmora.exitCode(), 2);
        QVERIFY(QFileInfo(maison.filePath(QStringLiteral("Velmora"))).isDir());
        QVERIFY(!QFileInfo::exists(prefixe.filePath(QStringLiteral("Velmora"))));
    }
};

QTEST_GUILESS_MAIN(TestInstallation)
#include "test_installation.moc"
