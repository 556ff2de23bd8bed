// The files of a tournament: layouts byte for byte, reading back, refusals of
// damaged or unreadable files, and writes that fail without harm.
#include "ranking/ouverture.h"
#include "support/disque.h"
#include "support/tournoi.h"

class TestFichiers : public QObject
{
    Q_OBJECT

    // Reads a header and returns the fatal message, empty when it was accepted.
    static QString LitEnteteTexte(Tournoi &t, const QByteArray &contenu)
    {
        try {
            LitEntete(t.m, QStringLiteral("T01.DAT"), contenu, t.m);
        } catch (const ArretProgramme &arret) {
            return arret.message;
        }
        return {};
    }

private slots:
    // One row of each table and the line its file holds.
    void ecriture_data()
    {
        Colonnes<QString, QList<Cellule>, QByteArray>("fichier", "ligne", "attendu");
        using L = QList<Cellule>;
        QTest::newRow("joueur coché") << "J" << L{7, "X", "DUPONT", "Jean"}
                                      << QByteArray("0007 X DUPONT                         Jean                          ");
        QTest::newRow("nom coupé à 30") << "J" << L{123, " ", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", "Zoé"}
                                        << QByteArray("0123   ABCDEFGHIJKLMNOPQRSTUVWXYZ0123 Zo\xE9                           ");
        QTest::newRow("manche courante") << "M" << L{3, "14:00", "15:30", 6, " "} << QByteArray(" 3 14:00 15:30  6 X");
        QTest::newRow("parties en texte") << "M" << L{3, "__:__", "__:__", "12", " "}
                                          << QByteArray(" 3 __:__ __:__ 12 X");
        QTest::newRow("score en texte") << "S" << L{1, 2, "4", 15, "-120", "", ""}
                                        << QByteArray(" 1|   2|4 |  15|-120   |  |  .");
        QTest::newRow("score en nombre") << "S" << L{1, 2, "4", 15, -120, "", ""}
                                         << QByteArray(" 1|   2|4 |  15|   -120|  |  .");
        QTest::newRow("sans score") << "S" << L{1, 2, "", 15, "", 1, 2} << QByteArray(" 1|   2|  |  15|       | 1| 2.");
        QTest::newRow("nombre trop large") << "S" << L{1, 12345, "", 15, 12345678, "", ""}
                                           << QByteArray(" 1|2345|  |  15|2345678|  |  .");
    }
    void ecriture()
    {
        QFETCH(QString, fichier);
        QFETCH(QList<Cellule>, ligne);
        QFETCH(QByteArray, attendu);
        Tournoi t;
        TableCellules &table = fichier == u"J" ? t.m.Joueurs : fichier == u"M" ? t.m.Manches : t.m.Scores;
        const int r = table.ajouteLigne();
        for (int c = 0; c < ligne.size(); ++c)
            table(c + 1, r) = ligne[c];
        t.m.MancheCourante = 1;
        QVERIFY(fichier == u"J" ? t.m.EcritJoueurs() : fichier == u"M" ? t.m.EcritManches() : t.m.EcritScores());
        QCOMPARE(t.lit(fichier + "01.DAT"), attendu + "\r\n");
    }

    // A folder written by hand is read, then written back as it was (with CR LF line ends).
    void relecture_data()
    {
        Colonnes<QString, QByteArray, QByteArray>("fichier", "contenu", "ecrit");
        const QByteArray joueurs = "0001 X MARTIN                         Paul                          \r\n"
                                   "0012   \xC9LODIE                         Anne-Marie                    \r\n";
        QTest::newRow("joueurs") << "J01.DAT" << joueurs << joueurs;
        QTest::newRow("joueurs dans le désordre")
            << "J01.DAT"
            << QByteArray("0012   \xC9LODIE                         Anne-Marie                    \n"
                          "0001 X MARTIN                         Paul                          ")
            << joueurs;
        QTest::newRow("manches") << "M01.DAT" << QByteArray(" 1 14:00 15:30 6   \r\n 2 __:__ __:__  4 X\r\n")
                                 << QByteArray(" 1 14:00 15:30 6   \r\n 2 __:__ __:__  4 X\r\n");
        QTest::newRow("toutes fins de ligne") << "M01.DAT"
                                              << QByteArray(" 1 14:00 15:30  4  \n 2 15:45 17:00  4 X\r 3 __:__ __:__  4  ")
                                              << QByteArray(" 1 14:00 15:30  4  \r\n 2 15:45 17:00  4 X\r\n"
                                                            " 3 __:__ __:__  4  \r\n");
        const QByteArray scores = " 1|   1|4 |   1|  -120 | 1|  .\r\n 1|   1| 4|  12|120    |  |12.\r\n";
        QTest::newRow("scores") << "S01.DAT" << scores << scores;
        QTest::newRow("ancienne ligne de 24") << "S01.DAT" << QByteArray(" 2|  10|3 | 123|   45  .\r\n")
                                              << QByteArray(" 2|  10|3 | 123|   45  |  |  .\r\n");
        QTest::newRow("lignes vides sautées") << "S01.DAT" << QByteArray("\r\n 2|  10|3 | 123|   45  |  |  .\n\r\r\n\r\n")
                                              << QByteArray(" 2|  10|3 | 123|   45  |  |  .\r\n");
    }
    void relecture()
    {
        QFETCH(QString, fichier);
        QFETCH(QByteArray, contenu);
        Tournoi t;
        t.ecrit(fichier, contenu);
        Relit(t.m);
        QVERIFY(t.m.EcritJoueurs() && t.m.EcritManches() && t.m.EcritScores());
        QTEST(t.lit(fichier), "ecrit");
    }

    // Damaged lines never stop the readers: fields are taken by position.
    void lignesAbimees_data()
    {
        // lu: the cells of row 1, joined by ";"
        Colonnes<QString, QByteArray, int, QString>("fichier", "contenu", "lignes", "lu");
        QTest::newRow("joueur court") << "J01.DAT" << QByteArray("7") << 1 << "7; ;;;-999999";
        QTest::newRow("joueur lettres") << "J01.DAT" << QByteArray("abcd X NOM\r\n") << 1 << "0;X;NOM;;-999999";
        QTest::newRow("octets binaires") << "J01.DAT" << QByteArray("\x00\x01\xFF\x81\x9D", 5) << 1 << "0; ;;";
        QTest::newRow("manche courte") << "M01.DAT" << QByteArray("1\r\nzz 1") << 2 << "1;;;;";
        QTest::newRow("score court") << "S01.DAT" << QByteArray(" 1|  ") << 1 << "1;0;;0;";
        QTest::newRow("entrant saturé") << "S01.DAT" << QByteArray(" 1|   1|  |99999999|       |  |  .") << 1
                                        << "1;1;;9999;999|   ";
    }
    void lignesAbimees()
    {
        QFETCH(QString, fichier);
        QFETCH(QByteArray, contenu);
        QFETCH(QString, lu);
        Tournoi t;
        t.ecrit(fichier, contenu);
        Relit(t.m);
        const TableCellules &table = fichier.startsWith(u'J') ? t.m.Joueurs
                                     : fichier.startsWith(u'M') ? t.m.Manches
                                                                : t.m.Scores;
        QTEST(table.nbLignes(), "lignes");
        QStringList cellules;
        for (int c = 1; c <= lu.count(u';') + 1; ++c)
            cellules << table(c, 1).texte();
        QTEST(cellules.join(u';'), "lu");
    }

    // A file that cannot be read, or that the tables cannot hold, is refused by
    // name: the open tournament stays, and no file changes.
    void refus_data()
    {
        // contenu: empty: a folder takes the file's name
        Colonnes<QString, QByteArray, QString>("fichier", "contenu", "message");
        const QString illisible = QStringLiteral("Impossible de lire le fichier %1 : un dossier porte ce nom.");
        for (const char *nom : {"T02.DAT", "J02.DAT", "M02.DAT", "S02.DAT"})
            QTest::newRow(nom) << nom << QByteArray() << illisible.arg(QLatin1String(nom));
        QTest::newRow("numéro en double") << "J02.DAT"
                                          << QByteArray("0005 X A                              B\r\n0005 X C\r\n")
                                          << "Le fichier J02.DAT donne deux fois le n° 5 : il ne peut pas être lu.";
        QByteArray longue;
        for (int i = 0; i <= MaxLignes; ++i)
            longue += " 1|   1|  |   1|       |  |  .\r\n";
        QTest::newRow("trop de lignes") << "S02.DAT" << longue
                                        << "Le fichier S02.DAT contient plus de 32767 lignes : il ne peut pas être lu.";
    }
    void refus()
    {
        QFETCH(QString, fichier);
        QFETCH(QByteArray, contenu);
        Tournoi t;
        t.joueurs(4).manches(1).enregistre();
        QVERIFY(OuvreTournoi(t.m, QStringLiteral("01")));
        t.ecrit(QStringLiteral("T02.DAT"), "NomTournoi=Autre\r\nTypeJeu=BELOTE\r\n");
        if (contenu.isEmpty())
            t.bloque(fichier);
        else
            t.ecrit(fichier, contenu);
        const auto avant = t.instantane();
        t.p.efface();

        QVERIFY(!LitTournoi(t.m, QStringLiteral("02")));
        QVERIFY(!OuvreTournoi(t.m, QStringLiteral("02")));
        QTEST(t.p.dernierTexte(), "message");
        QCOMPARE(t.p.boites.last().titre, QStringLiteral("ERREUR"));
        QCOMPARE(t.m.NumTournoi, QStringLiteral("01"));
        QVERIFY(t.m.TypeJeu == TypeJeu::Tarot);
        QCOMPARE(t.m.NbJoueurs(), 4);
        QCOMPARE(t.instantane(), avant);
        QVERIFY(!t.p.sablierActif());
    }

    // A write that fails leaves the file and the model as they were, and says why.
    void echecEcriture_data()
    {
        Colonnes<bool, QString>("plein", "raison");
        QTest::newRow("disque plein") << true << "le fichier dépasse la taille permise";
        QTest::newRow("dossier à la place") << false << "un dossier porte ce nom";
    }
    void echecEcriture()
    {
        QFETCH(bool, plein);
        QFETCH(QString, raison);
        Tournoi t;
        t.joueurs(4).enregistre();
        const QByteArray avant = plein ? t.lit(QStringLiteral("J01.DAT")) : QByteArray("<absent>");
        if (!plein)
            t.bloque(QStringLiteral("J01.DAT"));
        TableCellules joueurs = t.m.Joueurs;
        joueurs(ColJoueur::Nom, 1) = QStringLiteral("CHANGÉ");
        bool ecrit;
        {
            const DisquePlein disque(plein ? 100 : RLIM_INFINITY);
            ecrit = t.m.EcritJoueurs(joueurs);
        }
        QVERIFY(!ecrit);
        QCOMPARE(t.p.dernierTexte(), "Impossible d'enregistrer le fichier J01.DAT : " + raison + ".");
        QCOMPARE(t.m.Joueurs(ColJoueur::Nom, 1).texte(), QStringLiteral("NOM1"));
        QCOMPARE(t.lit(QStringLiteral("J01.DAT")), avant);
        QCOMPARE(QDir(t.dossier.path()).entryList(QDir::Files | QDir::Hidden).filter(u".DAT."), QStringList());
    }

    // What an interrupted save leaves is never read, and goes at the next save of that file.
    void residusDeSauvegarde()
    {
        Tournoi t;
        t.joueurs(2).enregistre();
        t.ecrit(QStringLiteral("J01.DAT.a1B2c3"), "9999 X INTRUS");
        t.ecrit(QStringLiteral("S01.DAT.Zz9Yy8"), "99|");
        QVERIFY(OuvreTournoi(t.m, QStringLiteral("01")));
        QCOMPARE(t.m.NbJoueurs(), 2);
        QVERIFY(t.m.EcritJoueurs());
        QVERIFY(!t.m.FichierExiste(QStringLiteral("J01.DAT.a1B2c3")));
        QVERIFY(t.m.FichierExiste(QStringLiteral("S01.DAT.Zz9Yy8")));
    }

    void tableVideSupprimeLeFichier()
    {
        Tournoi t;
        t.joueurs(1).enregistre();
        QVERIFY(t.m.EcritJoueurs(TableCellules(ColJoueur::Nb)));
        QCOMPARE(t.lit(QStringLiteral("J01.DAT")), QByteArray("<absent>"));
        QCOMPARE(t.m.NbJoueurs(), 0);
    }

    void entete_data()
    {
        Colonnes<QByteArray, QString>("contenu", "erreur");
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
        Tournoi t(TypeJeu::Aucun);
        QCOMPARE(LitEnteteTexte(t, contenu), erreur);
        if (!erreur.isEmpty()) {
            QCOMPARE(t.p.boites.size(), 1);
            QCOMPARE(t.p.boites[0].icone, Plateforme::Icone::Critique);
            QCOMPARE(t.p.boites[0].titre, QStringLiteral("Velmora Tarot Belote 3.72"));
        }
    }

    // The values of a header, and the header written back from them.
    void valeursEntete_data()
    {
        // ecrit: lines 7 to 10 as written back
        Colonnes<QByteArray, QStringList, QByteArray>("lignes", "decalages", "ecrit");
        QTest::newRow("sans décalage") << QByteArray("Decalage=") << QStringList{"", "", "", ""}
                                       << QByteArray("Decalage=\r\nTotalBelote=\r\nPtsBeloteRebelote=20\r\nPtsCapot=90\r\n");
        QTest::newRow("quatre") << QByteArray("Decalage=1,2,3,4\r\nTotalBelote=162") << QStringList{"1", "2", "3", "4"}
                                << QByteArray("Decalage=1,2,3,4\r\nTotalBelote=162\r\nPtsBeloteRebelote=20\r\n"
                                              "PtsCapot=90\r\n");
        QTest::newRow("trous") << QByteArray("Decalage=1,,x,4") << QStringList{"1", "0", "0", "4"}
                               << QByteArray("Decalage=1,0,0,4\r\n");
        QTest::newRow("un seul") << QByteArray("Decalage=5") << QStringList{"5", "", "", ""}
                                 << QByteArray("Decalage=5,,,\r\n");
        QTest::newRow("cinq") << QByteArray("Decalage=1,2,3,4,5") << QStringList{"1", "2", "3", "4"}
                              << QByteArray("Decalage=1,2,3,4\r\n");
        QTest::newRow("nombres saturés") << QByteArray("TotalBelote=123456\r\nPtsCapot=-99999\r\nPtsBeloteRebelote=0")
                                         << QStringList{"", "", "", ""}
                                         << QByteArray("TotalBelote=32767\r\nPtsBeloteRebelote=\r\nPtsCapot=-32768\r\n");
    }
    void valeursEntete()
    {
        QFETCH(QByteArray, lignes);
        QFETCH(QStringList, decalages);
        QFETCH(QByteArray, ecrit);
        Tournoi t;
        QCOMPARE(LitEnteteTexte(t, "NomTournoi=Club du jeudi\r\nTypeJeu=belote\r\nAnimation=non\r\nTirage=tournoi\r\n"
                                   "TirageManche1=VERTICAL\r\n" + lignes),
                 QString());
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(t.m.Decalage[k].texte(), decalages[k - 1]);
        QVERIFY(t.m.EcritLignes(QStringLiteral("T01.DAT"), LignesEntete(t.m)));
        const QByteArray fichier = t.lit(QStringLiteral("T01.DAT"));
        QVERIFY(fichier.startsWith("NomTournoi=Club du jeudi\r\nTypeJeu=BELOTE\r\nAnimation=NON\r\nCalculAuto=OUI\r\n"
                                   "Tirage=TOURNOI\r\nTirageManche1=VERTICAL\r\n"));
        QVERIFY2(fichier.contains(ecrit), fichier.constData());
    }
};

QTEST_GUILESS_MAIN(TestFichiers)
#include "test_fichiers.moc"
