// The four files of a tournament, read and written byte for byte.
#include "store/modele.h"
#include "store/texte.h"
#include "support/plateformetest.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestFichiers : public QObject
{
    Q_OBJECT

    QTemporaryDir dossier;
    PlateformeTest p;
    std::unique_ptr<Modele> modele;
    Modele &m() { return *modele; }

    void ecrit(const QString &nom, const QByteArray &contenu)
    {
        QFile f(m().Chemin(nom));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenu);
    }
    QByteArray lit(const QString &nom)
    {
        QFile f(m().Chemin(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
    // Reads the header and returns the fatal message, empty when it was accepted.
    QString litEntete(const QByteArray &contenu)
    {
        ecrit(QStringLiteral("T01.DAT"), contenu);
        try {
            m().LitEntete();
        } catch (const ArretProgramme &arret) {
            return arret.message;
        }
        return {};
    }

private slots:
    void init()
    {
        for (const QString &f : QDir(dossier.path()).entryList(QDir::Files))
            QFile::remove(QDir(dossier.path()).filePath(f));
        p.efface();
        modele = std::make_unique<Modele>(p);
        m().RepProgramme = dossier.path();
        m().NumTournoi = QStringLiteral("01");
    }

    void ligneJoueur_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("coche");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("prenom");
        QTest::addColumn<QString>("ligne");
        QTest::newRow("coché") << 7 << "X" << "DUPONT" << "Jean"
                               << "0007 X DUPONT                         Jean                          ";
        QTest::newRow("nom coupé") << 123 << " " << "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789" << "Zoé"
                                   << "0123   ABCDEFGHIJKLMNOPQRSTUVWXYZ0123 Zoé                           ";
    }
    void ligneJoueur()
    {
        QFETCH(int, numero);
        QFETCH(QString, coche);
        QFETCH(QString, nom);
        QFETCH(QString, prenom);
        QFETCH(QString, ligne);
        const int r = m().Joueurs.ajouteLigne();
        m().Joueurs(1, r) = numero;
        m().Joueurs(2, r) = coche;
        m().Joueurs(3, r) = nom;
        m().Joueurs(4, r) = prenom;
        QVERIFY(m().EcritJoueurs());
        QCOMPARE(lit(QStringLiteral("J01.DAT")), VersCp1252(ligne) + "\r\n");
        QCOMPARE(ligne.size(), 68);

        m().LitJoueurs();
        QCOMPARE(m().NbJoueurs(), 1);
        QCOMPARE(m().Joueurs(1, 1), Cellule(numero));
        QCOMPARE(m().Joueurs(2, 1), Cellule(coche));
        QCOMPARE(m().Joueurs(3, 1).texte(), nom.left(30));
        QCOMPARE(m().Joueurs(4, 1).texte(), prenom);
        QCOMPARE(m().Joueurs(7, 1), Cellule(SansValeur));
    }

    void ligneManche()
    {
        const int r = m().Manches.ajouteLigne();
        m().Manches(1, r) = 3;
        m().Manches(2, r) = "14:00";
        m().Manches(3, r) = "15:30";
        m().Manches(4, r) = 6;
        m().Manches(5, r) = " ";
        m().MancheCourante = 1;
        QVERIFY(m().EcritManches());
        QCOMPARE(lit(QStringLiteral("M01.DAT")), QByteArray(" 3 14:00 15:30  6 X\r\n"));
        m().LitManches();
        QCOMPARE(m().MancheCourante, 1);
        QCOMPARE(m().Manches(4, 1), Cellule(" 6"));
    }

    void ligneScore_data()
    {
        QTest::addColumn<Cellule>("score");
        QTest::addColumn<QByteArray>("ligne");
        QTest::newRow("score texte") << Cellule("-120") << QByteArray(" 1|   2|4 |  15|-120   |  |  .");
        QTest::newRow("score nombre") << Cellule(-120) << QByteArray(" 1|   2|4 |  15|   -120|  |  .");
        QTest::newRow("sans score") << Cellule("") << QByteArray(" 1|   2|4 |  15|       |  |  .");
    }
    void ligneScore()
    {
        QFETCH(Cellule, score);
        QFETCH(QByteArray, ligne);
        const int r = m().Scores.ajouteLigne();
        m().Scores(1, r) = 1;
        m().Scores(2, r) = 2;
        m().Scores(3, r) = "4";
        m().Scores(4, r) = 15;
        m().Scores(5, r) = score;
        m().Scores(6, r) = "";
        m().Scores(7, r) = "";
        QVERIFY(m().EcritScores());
        QCOMPARE(lit(QStringLiteral("S01.DAT")), ligne + "\r\n");
        m().LitScores();
        QCOMPARE(m().Scores(5, 1).texte().trimmed(), score.texte());
        QCOMPARE(m().Scores(4, 1), Cellule(15));
    }

    void scoreAncienneLongueur()
    {
        ecrit(QStringLiteral("S01.DAT"), " 2|  10|3 | 123|   45  .\r\n");
        m().LitScores();
        QCOMPARE(m().NbScores(), 1);
        QCOMPARE(m().Scores(5, 1), Cellule("   45  "));
        QVERIFY(m().Scores(6, 1).estVide());
        QVERIFY(m().Scores(7, 1).estVide());
    }

    // A folder written by hand opens, and its files come back byte for byte.
    void relectureIdentique_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QByteArray>("contenu");
        QTest::newRow("joueurs") << "J01.DAT"
                                 << QByteArray("0001 X MARTIN                         Paul                          \r\n"
                                               "0012   \xC9LODIE                         Anne-Marie                    \r\n");
        QTest::newRow("manches") << "M01.DAT" << QByteArray(" 1 14:00 15:30 6   \r\n 2 __:__ __:__  4 X\r\n");
        QTest::newRow("scores") << "S01.DAT"
                                << QByteArray(" 1|   1|4 |   1|  -120 | 1|  .\r\n 1|   1| 4|  12|120    |  |12.\r\n");
    }
    void relectureIdentique()
    {
        QFETCH(QString, nom);
        QFETCH(QByteArray, contenu);
        ecrit(nom, contenu);
        m().LitTables();
        QVERIFY(m().EcritJoueurs() && m().EcritManches() && m().EcritScores());
        QCOMPARE(lit(nom), contenu);
    }

    void lignesDeToutesFins()
    {
        ecrit(QStringLiteral("M01.DAT"), " 1 14:00 15:30  4  \n 2 15:45 17:00  4 X\r 3 __:__ __:__  4  ");
        m().LitManches();
        QCOMPARE(m().NbManches(), 3);
        QCOMPARE(m().MancheCourante, 2);
        QVERIFY(m().EcritManches());
        QCOMPARE(lit(QStringLiteral("M01.DAT")),
                 QByteArray(" 1 14:00 15:30  4  \r\n 2 15:45 17:00  4 X\r\n 3 __:__ __:__  4  \r\n"));
    }

    // Malformed files never crash the readers; numbers beyond 16 bits saturate.
    void fichiersMalformes_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<int>("lignes");
        QTest::newRow("vide") << "J01.DAT" << QByteArray() << 0;
        QTest::newRow("joueur court") << "J01.DAT" << QByteArray("7") << 1;
        QTest::newRow("joueur lettres") << "J01.DAT" << QByteArray("abcd X NOM\r\n\r\n") << 1;
        QTest::newRow("octets binaires") << "J01.DAT" << QByteArray("\x00\x01\xFF\x81\x9D", 5) << 1;
        QTest::newRow("manche courte") << "M01.DAT" << QByteArray("1\r\nzz 1") << 2;
        QTest::newRow("score court") << "S01.DAT" << QByteArray(" 1|  ") << 1;
        QTest::newRow("score énorme") << "S01.DAT" << QByteArray("99|9999|99|9999|9999999|99|99.") << 1;
    }
    void fichiersMalformes()
    {
        QFETCH(QString, nom);
        QFETCH(QByteArray, contenu);
        QFETCH(int, lignes);
        ecrit(nom, contenu);
        m().LitTables();
        QCOMPARE(m().NbJoueurs() + m().NbManches() + m().NbScores(), lignes);
        QVERIFY(m().EcritJoueurs() && m().EcritManches() && m().EcritScores());
    }

    void numeroJoueurSature()
    {
        ecrit(QStringLiteral("S01.DAT"), " 1|   1|  |99999999|       |  |  .\r\n");
        m().LitScores();
        // Only positions 12 to 15 hold the entrant: "9999".
        QCOMPARE(m().Scores(4, 1), Cellule(9999));
        QCOMPARE(litEntete("TypeJeu=TAROT\r\nTotalBelote=123456\r\nPtsCapot=-99999"), QString());
        QCOMPARE(m().TotalBelote, 32767);
        QCOMPARE(m().PtsCapot, -32768);
    }

    void tableVideSupprimeLeFichier()
    {
        ecrit(QStringLiteral("J01.DAT"), "0001 X A                              B                             \r\n");
        m().LitJoueurs();
        m().Joueurs.vide();
        QVERIFY(m().EcritJoueurs());
        QVERIFY(!m().FichierExiste(QStringLiteral("J01.DAT")));
        m().LitJoueurs();
        QCOMPARE(m().NbJoueurs(), 0);
    }

    void entete_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("erreur");
        const QString f = QStringLiteral("Fichier de tournoi T01.DAT invalide : ");
        QTest::newRow("correct") << QByteArray("NomTournoi=Club\r\nTypeJeu=tarot\r\ncalculauto=oui") << QString();
        QTest::newRow("sans égal") << QByteArray("TypeJeu=TAROT\r\nAnimation") << f + "manque le signe '=' en ligne  2";
        QTest::newRow("ligne vide") << QByteArray("TypeJeu=TAROT\r\n\r\nTirage=FORTS") << f + "manque le signe '=' en ligne  2";
        QTest::newRow("drapeau") << QByteArray("TypeJeu=TAROT\r\ncalculauto=oui ")
                                 << f + "l'option CALCULAUTO doit être 'OUI' ou 'NON' en ligne  2";
        QTest::newRow("impression") << QByteArray("ImpressionFich=peut-être\r\nTypeJeu=TAROT")
                                    << f + "l'option IMPRESSIONFICH doit être 'OUI' ou 'NON' en ligne  1";
        QTest::newRow("clé inconnue") << QByteArray("TypeJeu=TAROT\r\nCouleur=rouge")
                                      << f + "nom d'option COULEUR inconnue en ligne  2";
        QTest::newRow("type de jeu") << QByteArray("TypeJeu=POKER")
                                     << f + "l'option TYPEJEU doit être 'TAROT', 'BELOTE' ou 'BELOTEIND'";
        QTest::newRow("clés lues sans effet")
            << QByteArray("ImpressionParTable=12\r\nIMPRESSIONIMPR=non\r\nTypeJeu=BELOTE") << QString();
    }
    void entete()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, erreur);
        QCOMPARE(litEntete(contenu), erreur);
        if (!erreur.isEmpty()) {
            QCOMPARE(p.boites.size(), 1);
            QCOMPARE(p.boites[0].icone, Plateforme::Icone::Critique);
            QCOMPARE(p.boites[0].titre, QStringLiteral("Velmora Tarot Belote 3.72"));
        }
    }

    void decalages_data()
    {
        QTest::addColumn<QByteArray>("valeur");
        QTest::addColumn<QStringList>("decalages");
        QTest::newRow("vide") << QByteArray("") << QStringList{"", "", "", ""};
        QTest::newRow("quatre") << QByteArray("1,2,3,4") << QStringList{"1", "2", "3", "4"};
        QTest::newRow("trous") << QByteArray("1,,x,4") << QStringList{"1", "0", "0", "4"};
        QTest::newRow("un seul") << QByteArray("5") << QStringList{"5", "", "", ""};
        QTest::newRow("deux") << QByteArray("5,6") << QStringList{"5", "6", "", ""};
        QTest::newRow("cinq") << QByteArray("1,2,3,4,5") << QStringList{"1", "2", "3", "4"};
    }
    void decalages()
    {
        QFETCH(QByteArray, valeur);
        QFETCH(QStringList, decalages);
        QCOMPARE(litEntete("TypeJeu=TAROT\r\nDecalage=" + valeur), QString());
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(m().Decalage[k].texte(), decalages[k - 1]);
    }

    void ecritureEntete()
    {
        QCOMPARE(litEntete("TypeJeu=BELOTE\r\nTotalBelote=\r\nDecalage=1,2,3,4"), QString());
        m().NomTournoi = QStringLiteral("Club du jeudi");
        m().OptAnimation = false;
        m().Tirage = QStringLiteral("TOURNOI");
        m().TirageManche1 = QStringLiteral("VERTICAL");
        QVERIFY(m().EcritLignes(m().NomFichier(u'T'), LignesEntete(m())));
        QCOMPARE(lit(QStringLiteral("T01.DAT")),
                 QByteArray("NomTournoi=Club du jeudi\r\nTypeJeu=BELOTE\r\nAnimation=NON\r\nCalculAuto=OUI\r\n"
                            "Tirage=TOURNOI\r\nTirageManche1=VERTICAL\r\nDecalage=1,2,3,4\r\nTotalBelote=\r\n"
                            "PtsBeloteRebelote=20\r\nPtsCapot=90\r\n"));
        m().Decalage = {Cellule(), Cellule(""), Cellule(2), Cellule(3), Cellule(1)};
        QVERIFY(m().EcritLignes(m().NomFichier(u'T'), LignesEntete(m())));
        QVERIFY(lit(QStringLiteral("T01.DAT")).contains("\r\nDecalage=\r\nTotalBelote="));
    }

    void ecritureImpossible()
    {
        m().RepProgramme = dossier.filePath(QStringLiteral("absent"));
        m().Joueurs(1, m().Joueurs.ajouteLigne()) = 1;
        QVERIFY(!m().EcritJoueurs());
        QCOMPARE(p.boites.size(), 1);
        QCOMPARE(p.boites[0].titre, QStringLiteral("ERREUR"));
        QVERIFY(p.boites[0].texte.contains(QStringLiteral("J01.DAT")));
    }

    void remplacementSansResidu()
    {
        ecrit(QStringLiteral("J01.DAT"), "ancien");
        m().Joueurs(1, m().Joueurs.ajouteLigne()) = 1;
        QVERIFY(m().EcritJoueurs());
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{QStringLiteral("J01.DAT")});
        QVERIFY(lit(QStringLiteral("J01.DAT")).startsWith("0001 "));
    }
};

QTEST_GUILESS_MAIN(TestFichiers)
#include "test_fichiers.moc"
