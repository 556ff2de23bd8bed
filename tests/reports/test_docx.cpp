// The word-processor file: written, then read back part by part.
#include "attendu.h"
#include "reports/docx.h"
#include "support/lecturedocx.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Document)

namespace {

const QDateTime Moment(QDate(2026, 3, 7), QTime(21, 5, 3));
const QString Corps = "word/document.xml";

// The ranking table: nine columns, a shaded heading row.
Tableau Classement(int joueurs)
{
    Tableau t;
    t.largeurs = {1.5, 1.5, 4, 4, 1.5, 1.5, 1.5, 1.5, 1.5};
    t.lignesEntete = 1;
    t.ajouteLigne({"Tri", "N° J", "Nom", "Prénom", "Nb Man", "Nb Par", "Nb Pts", "Moy Man", "Moy Par"}, true);
    for (int i = 1; i <= joueurs; ++i)
        t.ajouteLigne({QString::number(i).rightJustified(3), QString::number(40 + i).rightJustified(3),
                       QString("Joueur %1").arg(i).leftJustified(15), "Prénom         ", "  3", " 12",
                       QString::number(-100 * i).rightJustified(6), "   12.5", "    3.1"});
    return t;
}

// Written in a fresh folder, then read back.
struct Ecrit
{
    QTemporaryDir dossier;
    QString chemin = dossier.filePath("RAPPORT.docx");
    bool ok = false;
    QString erreur;

    explicit Ecrit(const Document &d) { ok = EcritDocx(d, chemin, Moment, &erreur); }
    LectureDocx lecture() const { return LectureDocx(chemin); }
};

Document AvecParagraphe(const QString &texte, const QStringList &entete = {})
{
    Document d;
    d.entete = entete;
    d.ajoute(texte);
    return d;
}

// The texts of the paragraphs of a part.
QStringList Textes(const LectureDocx &l, const QString &partie)
{
    QStringList textes;
    for (const ParagrapheLu &p : l.paragraphes(partie))
        textes << p.texte;
    return textes;
}

} // namespace

class TestDocx : public QObject
{
    Q_OBJECT

private slots:
    // The parts in zip order, their content types and the relationships that
    // lead from the package to the body and from the body to its header,
    // footer and styles, against attendu/docx/paquet.txt.
    void paquet()
    {
        Document d;
        d.ajoute(Classement(2));
        Ecrit e(d);
        QVERIFY2(e.ok, qPrintable(e.erreur));
        const LectureDocx l = e.lecture();
        QVERIFY2(l.erreur.isEmpty(), qPrintable(l.erreur));
        QStringList lignes = l.noms;
        for (const QString partie : {"[Content_Types].xml", "_rels/.rels", "word/_rels/document.xml.rels"})
            lignes << "== " + partie << l.lignes(partie);
        QCOMPARE(l.partieEntete(), "word/header1.xml");
        QCOMPARE(l.partiePied(), "word/footer1.xml");
        COMPARE_ATTENDU(EnOctets(lignes), "docx/paquet.txt");
    }

    // The header, body and footer of each document against its expected file
    // in attendu/docx, named after the row: an A4 portrait page, the header's
    // tabs at the middle and the right margin. A team heading spans its four
    // columns over two heading rows, with room to write below them; a span
    // past the last column stops there, a cell beyond the grid is left out;
    // every border is drawn, every cell has its width. Tables are kept apart
    // and never end the document; a table without rows is left out. (The
    // reports' documents show the landscape page, the header's own lines and
    // a paragraph after a table.)
    void corps_data()
    {
        QTest::addColumn<Document>("document");
        Document portrait;
        portrait.ajoute(Classement(1));
        QTest::newRow("portrait sans ligne propre") << portrait;
        Tableau equipes;
        equipes.largeurs = {1, 2, 2, 2, 2};
        equipes.lignesEntete = 2;
        equipes.hauteurLignes = 1;
        equipes.lignes = {{CelluleDoc{"Parties", true}, CelluleDoc{"Doublette n° 3", true, false, Alignement::Centre, 4}},
                          {CelluleDoc{}, {"Points"}, {"Belotes"}, {"Capots"}, {"Total"}},
                          {{"1"}, {"", false, false, Alignement::Gauche, 9}},
                          {{"a"}, {"b"}, {"c"}, {"d"}, {"e"}, {"f"}}};
        Document tableau;
        tableau.ajoute(equipes);
        QTest::newRow("tableau") << tableau;
        Document colles;
        colles.ajoute(Classement(1));
        colles.ajoute(Classement(1));
        QTest::newRow("tableaux qui se suivent") << colles;
        Document vide;
        vide.ajoute(Tableau{});
        vide.ajoute("fin");
        QTest::newRow("tableau sans ligne omis") << vide;
        QTest::newRow("document vide") << Document{};
        Document forme;
        forme.ajoute(Paragraphe{"Titre", true, Alignement::Centre});
        Tableau t;
        t.largeurs = {2, 2};
        t.lignes = {{CelluleDoc{"  12", false, false, Alignement::Droite}, CelluleDoc{"Nom", false, true}}};
        forme.ajoute(t);
        QTest::newRow("mise en forme") << forme;
    }
    void corps()
    {
        QFETCH(Document, document);
        Ecrit e(document);
        QVERIFY(e.ok);
        const LectureDocx l = e.lecture();
        const QStringList lignes = l.lignes(l.partieEntete()) + l.lignes(Corps) + l.lignes(l.partiePied());
        COMPARE_ATTENDU(EnOctets(lignes), NomAttendu(".txt").prepend("docx/"));
    }

    // Every text survives as typed, spaces included; what XML cannot hold
    // disappears without spoiling the file.
    void textes_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("lu");
        QTest::newRow("espaces de remplissage") << "  12  " << "  12  ";
        QTest::newRow("espaces seuls") << "   " << "   ";
        QTest::newRow("espaces doubles") << "Nom  Prénom" << "Nom  Prénom";
        QTest::newRow("tabulation") << "a\tb" << "a\tb";
        QTest::newRow("retours à la ligne") << "a\nb\r\nc\rd" << "a\nb\nc\nd";
        QTest::newRow("balisage") << "<b>&amp;\"'</b>" << "<b>&amp;\"'</b>";
        QTest::newRow("accents") << "N° Prénom Négatif œ €" << "N° Prénom Négatif œ €";
        QTest::newRow("caractères de contrôle") << QString("a\x01" "b\x0c" "c\x1f" "d\x7f") << QString("abcd\x7f");
        QTest::newRow("non-caractères") << QString("a") + QChar(0xFFFE) + QChar(0xFFFF) + "b" << "ab";
        const QString carte = QString::fromUcs4(U"\U0001F0A1 as");
        QTest::newRow("hors du plan de base") << carte << carte;
        QTest::newRow("demi-paire isolée") << QString("a") + QChar(0xD800) + "b" << QString("a") + QChar(0xFFFD) + "b";
    }

    void textes()
    {
        QFETCH(QString, texte);
        QFETCH(QString, lu);
        Tableau t;
        t.largeurs = {3};
        t.lignes = {{CelluleDoc{texte}}};
        Document d = AvecParagraphe(texte, {texte});
        d.ajoute(t);
        Ecrit e(d);
        const LectureDocx l = e.lecture();
        QVERIFY2(l.erreur.isEmpty(), qPrintable(l.erreur));
        // The paragraph, then the table's cell.
        QCOMPARE(Textes(l, Corps).mid(0, 2), QStringList({lu, lu}));
        QCOMPARE(Textes(l, l.partieEntete()).last(), '\t' + lu);
        for (const QString &partie : {Corps, l.partieEntete()})
            for (const auto &element : l.elements(partie, "w:t"))
                QCOMPARE(element.value("xml:space"), "preserve");
    }

    void remplace()
    {
        Ecrit e(AvecParagraphe("premier"));
        QVERIFY(EcritDocx(AvecParagraphe("second"), e.chemin, Moment, nullptr));
        QCOMPARE(Textes(e.lecture(), Corps), QStringList{"second"});
        QCOMPARE(QDir(e.dossier.path()).entryList(QDir::Files), QStringList{"RAPPORT.docx"});
    }

    // Nothing half written is left behind, and the reason is given.
    void echecs_data()
    {
        QTest::addColumn<QString>("cible");
        QTest::addColumn<bool>("dossierALaPlace");
        QTest::newRow("dossier absent") << "absent/RAPPORT.docx" << false;
        QTest::newRow("un dossier porte le nom") << "RAPPORT.docx" << true;
    }

    void echecs()
    {
        QFETCH(QString, cible);
        QFETCH(bool, dossierALaPlace);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(cible);
        if (dossierALaPlace)
            QVERIFY(QDir().mkpath(chemin));
        const auto filtre = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
        const QStringList avant = QDir(dossier.path()).entryList(filtre);
        QString erreur;
        QVERIFY(!EcritDocx(AvecParagraphe("x"), chemin, Moment, &erreur));
        QVERIFY(erreur.startsWith("Impossible d'enregistrer le document " + QDir::toNativeSeparators(chemin) + " : "));
        QVERIFY(!erreur.endsWith(" : "));
        QCOMPARE(QDir(dossier.path()).entryList(filtre), avant);
        QVERIFY(!EcritDocx(AvecParagraphe("x"), chemin, Moment, nullptr));
    }
};

QTEST_GUILESS_MAIN(TestDocx)
#include "test_docx.moc"
