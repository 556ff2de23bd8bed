// The reports as word-processor documents, written as the command line
// writes them, then read back: page header, footer, body and the wait window
// while the body is built; LibreOffice opens every kind.
#include "soiree.h"
#include "support/lecturedocx.h"

#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

// A table as lines: "T", the widths of its columns in centimetres, "/" and
// its heading rows, "^" and the least height of the other rows; then a line
// per row, cells apart by "|", "#" before a shaded cell, "~n" after a cell
// over n columns.
QStringList Tableau_(const TableauLu &t)
{
    QString entete = "T";
    for (int twips : t.grille)
        entete += ' ' + QString::number(twips / 567.0, 'g', 2);
    entete += " /" + QString::number(t.lignesEntete);
    const int hauteur = t.hauteurs.value(t.lignesEntete);
    if (hauteur)
        entete += " ^" + QString::number(hauteur / 567.0, 'g', 2);
    QStringList lignes{entete};
    for (const QList<CelluleLue> &ligne : t.lignes) {
        QStringList cellules;
        for (const CelluleLue &c : ligne)
            cellules << (c.fond == "E6E6E6" ? "#" : "") + c.texte + (c.colonnes > 1 ? "~" + QString::number(c.colonnes) : "");
        lignes << cellules.join('|');
    }
    return lignes;
}

// The body: "P " and the text of each paragraph that has one, "S" for a
// page break, then the tables as above.
QStringList Corps(const LectureDocx &l)
{
    QStringList corps;
    for (const BlocLu &b : l.blocs("word/document.xml")) {
        if (b.estTableau)
            corps << Tableau_(b.tableau);
        else if (b.paragraphe.sautsDePage)
            corps << "S";
        else if (!b.paragraphe.texte.isEmpty())
            corps << "P " + b.paragraphe.texte;
    }
    return corps;
}

// The deal rows of a sheet, 1 to 4, each followed by its empty cells.
QStringList Parties(int cases)
{
    QStringList lignes;
    for (int p = 1; p <= 4; ++p)
        lignes << QString::number(p) + QString(cases, '|');
    return lignes;
}

} // namespace

class TestDocuments : public QObject
{
    Q_OBJECT

    QTemporaryDir pdf;
    QStringList aConvertir;

private slots:
    void documents_data()
    {
        QTest::addColumn<QString>("rapport");
        QTest::addColumn<TypeJeu>("jeu");
        QTest::addColumn<bool>("places");
        QTest::addColumn<int>("argument");
        QTest::addColumn<QStringList>("entete"); // the report's own lines
        QTest::addColumn<QStringList>("corps");
        QTest::addColumn<QString>("progression");
        const TypeJeu tarot = TypeJeu::Tarot, belote = TypeJeu::Belote, individuelle = TypeJeu::BeloteInd;
        const QString huit = "12 25 37 50 62 75 87 100";

        // The grid's order, names cut, a cell without value as 0: the fields of GRILLE.TXT.
        QTest::newRow("classement") << "GRILLE" << tarot << false << 0 << QStringList{"Coupe du club", "CLASSEMENT"}
                                    << QStringList{
            "T 1.5 1.5 4 4 1.5 1.5 1.5 1.5 1.5 /1",
            "#Tri|#N° J|#Nom|#Prénom|#Nb Man|#Nb Par|#Nb Pts|#Moy Man|#Moy Par",
            "  1|  5|ABCDEFGHIJKLMNO|Jean           |  2|  8|   250|      0|      0",
            "  2|  2|BERNARD        |Lise           |  3| 12| -1234|   -411|   -103",
            "  3|  9|IMBERT         |Noé            |  0|  0|     0|      0|      0"} << "33 66 100";

        const QStringList manche{"Coupe du club", "LISTE DES TABLES DE LA MANCHE 2"};
        QTest::newRow("par table, places") << "LIST_TAB" << tarot << true << 0 << manche + QStringList{"(triée par n° de table)"}
                                           << QStringList{
            "T 2 2 2 5 5 /1", "#N° table|#Place|#N° joueur|#Nom|#Prénom",
            "2|Nord|8|HENRY|Zoé", "2|Est|3|CARON|Marc", "2|Sud|5|ABCDEFGHIJKLMNOPQRST|Jean", "2|Ouest|1|ANDRE|Paul",
            "3|Nord|2|BERNARD|Lise", "3|Est|7|GIRARD|Luc", "3|Sud|4|DUBOIS|Eve", "3|Ouest|6|FAURE|Anne"} << huit;
        QTest::newRow("par joueur") << "LIST_JOU" << individuelle << false << 0
                                    << manche + QStringList{"(triée par n° de joueur)"} << QStringList{
            "T 2 5 5 2 2 /1", "#N° joueur|#Nom joueur|#Prénom|#N° table|#Place",
            "1|ANDRE|Paul|2|", "2|BERNARD|Lise|3|", "3|CARON|Marc|2|", "4|DUBOIS|Eve|3|",
            "5|ABCDEFGHIJKLMNOPQRST|Jean|2|", "6|FAURE|Anne|3|", "7|GIRARD|Luc|3|", "8|HENRY|Zoé|2|"} << huit;
        QTest::newRow("par nom, doublettes") << "LIST_NOM" << belote << true << 0
                                             << manche + QStringList{"(triée par nom de joueur)"} << QStringList{
            "T 5 5 2 2 2 /1", "#Nom/Prénom 1|#Nom/Prénom 2|#Equipe|#N° table|#Place",
            "DUPONT Jean|DURAND Luc|1|2|Nord", "DUPONT Jean-Pierre et fils aînés ++|SIMON Marc|4|2|Est",
            "MARTIN Anne|PETIT Zoé|2|3|Est", "ROUX Paul|LEROY Eve|3|3|Nord"} << "25 50 75 100";

        const QStringList feuille{"Coupe du club", "FEUILLE DE MARQUE", "Manche n° : 2"};
        QTest::newRow("feuille tarot, places") << "FEUILLES" << tarot << true << 2 << feuille << QStringList{
            "P Table n° : 2", "T 1.5 1.9 1.9 1.9 1.9 1.9 1.9 1.9 1.9 /2 ^0.8",
            "#|#HENRY\nZoé\n8 / Nord~2|#CARON\nMarc\n3 / Est~2|#ABCDEFGHIJKLMNOPQRST\nJean\n5 / Sud~2|#ANDRE\nPaul\n1 / Ouest~2",
            "#Parties|#Positif|#Négatif|#Positif|#Négatif|#Positif|#Négatif|#Positif|#Négatif"}
            + Parties(8) + QStringList{"Totaux||||||||", "Points|~2|~2|~2|~2"} << "25 50 75 100";
        QTest::newRow("feuille belote individuelle") << "FEUILLES" << individuelle << false << 2 << feuille << QStringList{
            "P Table n° : 2", "T 1.5 2.5 3.5 2.5 3.5 3 /2 ^0.8",
            "#|#8 : HENRY Zoé\n3 : CARON Marc~2|#5 : ABCDEFGHIJKLMNOPQRST Jean\n1 : ANDRE Paul~2|#Contrôle ligne hors belotes",
            "#Parties|#Belote|#Points + Capots|#Belote|#Points + Capots|#"}
            + Parties(5) + QStringList{"Totaux|||||", "Points|||||"} << "25 50 75 100";
        // Every table of the round, a page apart.
        const QStringList doublettes = QStringList{"T 1.5 1.9 1.9 1.9 1.9 1.9 1.9 1.9 1.9 /2 ^0.8"};
        const QStringList bas = Parties(8) + QStringList{"Totaux||||||||", "Points|~4|~4"};
        const QString titres = "#Parties|#Points|#Belotes|#Capots|#Total|#Points|#Belotes|#Capots|#Total";
        QTest::newRow("feuilles doublettes") << "FEUILLES" << belote << true << 0 << feuille
            << QStringList{"P Table n° : 2"} + doublettes + QStringList{
                "#|#Doublette n° 1\nDUPONT Jean\nDURAND Luc~4|#Doublette n° 4\nDUPONT Jean-Pierre et fils aînés ++\nSIMON Marc~4",
                titres} + bas + QStringList{"S", "P Table n° : 3"} + doublettes + QStringList{
                "#|#Doublette n° 3\nROUX Paul\nLEROY Eve~4|#Doublette n° 2\nMARTIN Anne\nPETIT Zoé~4", titres} + bas
            << "25 50 75 100";

        // A score not entered counts 0, and so do its deals when not given.
        const QStringList fiche{"Coupe du club", "FICHE INDIVIDUELLE JOUEUR"};
        QTest::newRow("fiche") << "FICHE" << tarot << false << 2
                               << fiche + QStringList{"N°     : 2", "Nom    : BERNARD", "Prénom : Lise", " "} << QStringList{
            "T 2 2 2 /1", "#N° manche|#Nbre parties|#Nbre points", " 1| 5|   -10", " 2| 0|     0", "# 3|#12|# -1234",
            "P Moyenne manches : -411", "P Moyenne parties : -103", "P Classement : 2/9"} << "50 100";
    }
    void documents()
    {
        QFETCH(QString, rapport);
        QFETCH(TypeJeu, jeu);
        QFETCH(bool, places);
        QFETCH(int, argument);
        QFETCH(QStringList, entete);
        QFETCH(QStringList, corps);
        QFETCH(QString, progression);
        Tournoi t(jeu);
        Soiree(t, places);
        t.m.OrdreGrille = {5, 2, 9};
        QStringList recus;
        connect(&t.m, &Modele::attente, this, [&](const QString &texte) { recus << texte; });
        connect(&t.m, &Modele::progression, this, [&](int pourcentage) { recus << QString::number(pourcentage); });
        connect(&t.m, &Modele::finAttente, this, [&] { recus << "fin"; });

        QVERIFY(Imprime(t.m, rapport + ".docx", argument));
        const QString chemin = t.m.Chemin(rapport + ".docx");
        const LectureDocx l(chemin);
        QVERIFY2(l.erreur.isEmpty(), qPrintable(l.erreur));
        QStringList lignes;
        for (const ParagrapheLu &p : l.paragraphes(l.partieEntete()))
            lignes << p.texte;
        QStringList attendu{"Velmora Tarot Belote 3.72\t\t07/03/2026", "Velmora - gestion de tournois de cartes\t\t21:05:03"};
        for (const QString &ligne : entete)
            attendu << '\t' + ligne;
        COMPARE_LIGNES(lignes, attendu);
        const QList<ParagrapheLu> pied = l.paragraphes(l.partiePied());
        QCOMPARE(pied.size(), 1);
        QVERIFY(pied[0].texte.startsWith("Page "));
        QCOMPARE(pied[0].champs, QStringList{"PAGE"});
        // Only the ranking lies on its side.
        QCOMPARE(l.page().orientation, rapport == "GRILLE" ? "landscape" : "portrait");
        COMPARE_LIGNES(Corps(l), corps);
        QCOMPARE(recus.join(' '), "Préparation du document ... " + progression + " fin");
        // The text file is not written.
        QVERIFY(!t.m.FichierExiste(rapport + ".TXT"));

        const QString copie = pdf.filePath(QString(QTest::currentDataTag()).replace(' ', '_') + ".docx");
        QVERIFY(QFile::copy(chemin, copie));
        aConvertir << copie;
    }

    // A word processor takes each kind of document: LibreOffice, when there
    // is one, turns them all into PDF files at one start.
    void libreOffice()
    {
        QString soffice = QStandardPaths::findExecutable("soffice");
        if (soffice.isEmpty())
            soffice = QStandardPaths::findExecutable("libreoffice");
        if (soffice.isEmpty())
            QSKIP("LibreOffice n'est pas installé");
        if (aConvertir.isEmpty())
            QSKIP("aucun document écrit");
        QTemporaryDir profil;
        QProcess p;
        p.start(soffice, QStringList{"-env:UserInstallation=" + QUrl::fromLocalFile(profil.path()).toString(), "--headless",
                                     "--convert-to", "pdf", "--outdir", pdf.path()}
                             + aConvertir);
        QVERIFY(p.waitForFinished(300000));
        QCOMPARE(p.exitCode(), 0);
        for (QString document : aConvertir) {
            document.replace(".docx", ".pdf");
            QVERIFY2(QFileInfo(document).size() > 0, qPrintable(document));
        }
    }
};

QTEST_GUILESS_MAIN(TestDocuments)
#include "test_documents.moc"
