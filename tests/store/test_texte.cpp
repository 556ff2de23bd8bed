// Numbers, fields and characters: the building blocks of every file line.
#include "store/cellule.h"
#include "support/tournoi.h"

Q_DECLARE_METATYPE(Cellule)

class TestTexte : public QObject
{
    Q_OBJECT
private slots:
    void valeurNumerique_data()
    {
        Colonnes<QString, double>("texte", "valeur");
        QTest::newRow("vide") << "" << 0.0;
        QTest::newRow("blancs en tête") << "   -120" << -120.0;
        QTest::newRow("blancs en queue") << "4 " << 4.0;
        QTest::newRow("lettres après") << "12abc" << 12.0;
        QTest::newRow("lettres seules") << "abc" << 0.0;
        QTest::newRow("décimale") << "2.5x" << 2.5;
        QTest::newRow("virgule arrête") << "1,2" << 1.0;
        QTest::newRow("signe seul") << "-" << 0.0;
        QTest::newRow("plus") << "+7" << 7.0;
    }
    void valeurNumerique()
    {
        QFETCH(QString, texte);
        QTEST(ValeurNumerique(texte), "valeur");
    }

    void entier16_data()
    {
        Colonnes<double, int>("x", "attendu");
        QTest::newRow("demi vers pair bas") << 2.5 << 2;
        QTest::newRow("demi vers pair haut") << 3.5 << 4;
        QTest::newRow("négatif demi") << -2.5 << -2;
        QTest::newRow("saturé haut") << 99999.0 << 32767;
        QTest::newRow("saturé bas") << -1e12 << -32768;
    }
    void entier16()
    {
        QFETCH(double, x);
        QTEST(Entier16(x), "attendu");
    }

    void cadrer_data()
    {
        Colonnes<Cellule, int, QString>("valeur", "largeur", "attendu");
        QTest::newRow("texte coupé") << Cellule("DUPONT") << 4 << "DUPO";
        QTest::newRow("nombre à droite") << Cellule(7) << 4 << "   7";
        QTest::newRow("nombre coupé à gauche") << Cellule(12345) << 3 << "345";
        QTest::newRow("texte vide") << Cellule("") << 5 << "     ";
        QTest::newRow("rien") << Cellule() << 2 << "  ";
        QTest::newRow("texte complété") << Cellule("-120") << 7 << "-120   ";
        QTest::newRow("nombre négatif") << Cellule(-120) << 7 << "   -120";
        QTest::newRow("réel") << Cellule(2.5) << 4 << " 2.5";
    }
    void cadrer()
    {
        QFETCH(Cellule, valeur);
        QFETCH(int, largeur);
        QTEST(Cadrer(valeur, largeur), "attendu");
    }

    void centrer_data()
    {
        Colonnes<QString, int, QString>("texte", "largeur", "attendu");
        QTest::newRow("d=6") << "ABCD" << 10 << "***ABCD***";
        QTest::newRow("d=5") << "ABCD" << 9 << "**ABCD***";
        QTest::newRow("d=7") << "ABCD" << 11 << "****ABCD***";
        QTest::newRow("d=1") << "ABCD" << 5 << "ABCD*";
        QTest::newRow("d=3") << "ABCD" << 7 << "**ABCD*";
        QTest::newRow("trop long") << "ABCDEF" << 4 << "ABCD";
    }
    void centrer()
    {
        QFETCH(QString, texte);
        QFETCH(int, largeur);
        QTEST(Centrer(texte, largeur, u'*'), "attendu");
    }

    void cp1252AllerRetour()
    {
        QByteArray tous;
        for (int b = 0; b < 256; ++b)
            tous += char(b);
        QCOMPARE(VersCp1252(DepuisCp1252(tous)), tous);
        QCOMPARE(DepuisCp1252("\x80\xC9\xE9\x9C"), QStringLiteral("€Ééœ"));
        QCOMPARE(VersCp1252(QStringLiteral("Œ€ƒ")), QByteArray("\x8C\x80\x83"));
        QCOMPARE(VersCp1252(QStringLiteral("漢")), QByteArray("?"));
    }

    void ordreDesTextes()
    {
        QVERIFY(compareCp1252(QStringLiteral("Zoé"), QStringLiteral("dupont")) < 0);
        QVERIFY(compareCp1252(QStringLiteral("dupont"), QStringLiteral("Émile")) < 0);
        QVERIFY(compareCp1252(QStringLiteral(" "), QStringLiteral("X")) < 0);
        // "Œ" is 0x8C in the code page: before "É" (0xC9), unlike in Unicode.
        QVERIFY(compareCp1252(QStringLiteral("Œuf"), QStringLiteral("Émile")) < 0);
        QVERIFY(compareCellules(Cellule(5), Cellule("A")) < 0);
        QVERIFY(compareCellules(Cellule(-999999), Cellule(-3)) < 0);
    }

    void decoupeLignes_data()
    {
        Colonnes<QString, QStringList>("texte", "lignes");
        QTest::newRow("CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("LF") << "a\nb" << QStringList{"a", "b"};
        QTest::newRow("CR") << "a\rb\r" << QStringList{"a", "b"};
        QTest::newRow("ligne vide") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
        QTest::newRow("vide") << "" << QStringList{};
    }
    void decoupeLignes()
    {
        QFETCH(QString, texte);
        QTEST(DecoupeLignes(texte), "lignes");
    }

    void rechJoueur_data()
    {
        Colonnes<QList<int>, int, int>("numeros", "cherche", "ligne");
        QTest::newRow("table vide") << QList<int>{} << 1 << -1;
        QTest::newRow("seul trouvé") << QList<int>{4} << 4 << 1;
        QTest::newRow("seul absent") << QList<int>{4} << 5 << -1;
        QTest::newRow("trou trouvé") << QList<int>{1, 2, 5, 9} << 5 << 3;
        QTest::newRow("trou absent") << QList<int>{1, 2, 5, 9} << 4 << -1;
        QTest::newRow("dernier") << QList<int>{1, 2, 5, 9} << 9 << 4;
        QTest::newRow("au-delà") << QList<int>{1, 2, 5, 9} << 10 << -1;
    }
    void rechJoueur()
    {
        QFETCH(QList<int>, numeros);
        QFETCH(int, cherche);
        PlateformeTest p;
        Modele m(p);
        for (int n : numeros)
            m.Joueurs(1, m.Joueurs.ajouteLigne()) = n;
        QTEST(m.RechJoueur(cherche), "ligne");
        if (numeros.isEmpty()) { // and on a large table: every third number, each found at its row or not at all
            for (int n = 1; n <= 9999; n += 3)
                m.Joueurs(1, m.Joueurs.ajouteLigne()) = n;
            for (int n = 1; n <= 9999; ++n)
                QCOMPARE(m.RechJoueur(n), n % 3 == 1 ? (n + 2) / 3 : -1);
        }
    }
};

QTEST_GUILESS_MAIN(TestTexte)
#include "test_texte.moc"
