// The word-processor file: written, then read back part by part.
#include "reports/docx.h"
#include "support/lecturedocx.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Document)
Q_DECLARE_METATYPE(Orientation)

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

Document AvecParagraphe(const QString &texte)
{
    Document d;
    d.ajoute(texte);
    return d;
}

// One letter per block: P and its text, T for a table, S for a page break.
QStringList Forme(const LectureDocx &l)
{
    QStringList forme;
    for (const BlocLu &b : l.blocs(Corps)) {
        if (b.estTableau)
            forme << "T";
        else if (b.paragraphe.sautsDePage)
            forme << "S" + b.paragraphe.texte;
        else
            forme << "P" + b.paragraphe.texte;
    }
    return forme;
}

} // namespace

class TestDocx : public QObject
{
    Q_OBJECT

private slots:
    void parties_data()
    {
        QTest::addColumn<QString>("partie");
        QTest::addColumn<QString>("type");
        const QString wml = "application/vnd.openxmlformats-officedocument.wordprocessingml.";
        QTest::newRow("corps") << Corps << wml + "document.main+xml";
        QTest::newRow("styles") << "word/styles.xml" << wml + "styles+xml";
        QTest::newRow("réglages") << "word/settings.xml" << wml + "settings+xml";
        QTest::newRow("en-tête") << "word/header1.xml" << wml + "header+xml";
        QTest::newRow("pied") << "word/footer1.xml" << wml + "footer+xml";
        QTest::newRow("relations") << "_rels/.rels" << "application/vnd.openxmlformats-package.relationships+xml";
        QTest::newRow("relations du corps")
            << "word/_rels/document.xml.rels" << "application/vnd.openxmlformats-package.relationships+xml";
        QTest::newRow("propriétés")
            << "docProps/core.xml" << "application/vnd.openxmlformats-package.core-properties+xml";
        QTest::newRow("application")
            << "docProps/app.xml" << "application/vnd.openxmlformats-officedocument.extended-properties+xml";
    }

    void parties()
    {
        QFETCH(QString, partie);
        QFETCH(QString, type);
        Document d;
        d.ajoute(Classement(2));
        Ecrit e(d);
        QVERIFY2(e.ok, qPrintable(e.erreur));
        const LectureDocx l = e.lecture();
        QVERIFY2(l.erreur.isEmpty(), qPrintable(l.erreur));
        QCOMPARE(l.noms.first(), "[Content_Types].xml");
        QVERIFY(l.noms.contains(partie));
        QCOMPARE(l.typeContenu(partie), type);
    }

    // The package leads to the body, the body to its header and footer.
    void relations()
    {
        Ecrit e(AvecParagraphe("x"));
        const LectureDocx l = e.lecture();
        QCOMPARE(l.typeRelationRacine(Corps),
                 "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument");
        QCOMPARE(l.partieEntete(), "word/header1.xml");
        QCOMPARE(l.partiePied(), "word/footer1.xml");
        QCOMPARE(l.cible(Corps, "rIdStyles"), "word/styles.xml");
    }

    void entete_data()
    {
        QTest::addColumn<Orientation>("orientation");
        QTest::addColumn<QStringList>("lignes");
        QTest::addColumn<QStringList>("attendu");
        QTest::addColumn<QStringList>("tabulations");
        const QStringList communes{"Velmora Tarot Belote 3.72\t\t07/03/2026",
                                   "Velmora - gestion de tournois de cartes\t\t21:05:03"};
        QTest::newRow("portrait sans ligne propre")
            << Orientation::Portrait << QStringList() << communes << QStringList{"center@4819", "right@9638"};
        QTest::newRow("classement en paysage")
            << Orientation::Paysage << QStringList{"Coupe du club", "CLASSEMENT"}
            << communes + QStringList{"\tCoupe du club", "\tCLASSEMENT"}
            << QStringList{"center@7285", "right@14570"};
        QTest::newRow("fiche joueur, espaces gardés")
            << Orientation::Portrait << QStringList{"FICHE INDIVIDUELLE JOUEUR", "N°     : 12", " "}
            << communes + QStringList{"\tFICHE INDIVIDUELLE JOUEUR", "\tN°     : 12", "\t "}
            << QStringList{"center@4819", "right@9638"};
    }

    void entete()
    {
        QFETCH(Orientation, orientation);
        QFETCH(QStringList, lignes);
        QFETCH(QStringList, attendu);
        QFETCH(QStringList, tabulations);
        Document d;
        d.orientation = orientation;
        d.entete = lignes;
        Ecrit e(d);
        const LectureDocx l = e.lecture();
        QStringList textes;
        for (const ParagrapheLu &p : l.paragraphes(l.partieEntete())) {
            textes << p.texte;
            QCOMPARE(p.tabulations, tabulations);
        }
        QCOMPARE(textes, attendu);
    }

    // A4 both ways; the ranking's 18.5 cm table fits across a landscape page.
    void page_data()
    {
        QTest::addColumn<Orientation>("orientation");
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<QString>("sens");
        QTest::newRow("portrait") << Orientation::Portrait << 11906 << 16838 << "portrait";
        QTest::newRow("paysage") << Orientation::Paysage << 16838 << 11906 << "landscape";
    }

    void page()
    {
        QFETCH(Orientation, orientation);
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        QFETCH(QString, sens);
        Document d;
        d.orientation = orientation;
        d.ajoute(Classement(1));
        Ecrit e(d);
        const LectureDocx l = e.lecture();
        const PageLue p = l.page();
        QCOMPARE(p.largeur, largeur);
        QCOMPARE(p.hauteur, hauteur);
        QCOMPARE(p.orientation, sens);
        if (orientation == Orientation::Paysage)
            QVERIFY(p.largeur - p.gauche - p.droite >= l.tableaux()[0].largeurTotale);
    }

    // A team heading over its four columns, two heading rows, room to write
    // below them; a span past the last column stops there, a cell beyond the
    // grid is left out. Every border is drawn, every cell has its width.
    void tableau()
    {
        Tableau equipes;
        equipes.largeurs = {1, 2, 2, 2, 2};
        equipes.lignesEntete = 2;
        equipes.hauteurLignes = 1;
        equipes.lignes = {{CelluleDoc{"Parties", true},
                           CelluleDoc{"Doublette n° 3", true, false, Alignement::Centre, 4}},
                          {CelluleDoc{}, {"Points"}, {"Belotes"}, {"Capots"}, {"Total"}},
                          {{"1"}, {"", false, false, Alignement::Gauche, 9}},
                          {{"a"}, {"b"}, {"c"}, {"d"}, {"e"}, {"f"}}};
        Document d;
        d.ajoute(equipes);
        Ecrit e(d);
        const QList<TableauLu> lus = e.lecture().tableaux();
        QCOMPARE(lus.size(), 1);
        const TableauLu &t = lus[0];
        QCOMPARE(t.grille, QList<int>({567, 1134, 1134, 1134, 1134}));
        QCOMPARE(t.largeurTotale, 567 + 4 * 1134);
        QCOMPARE(t.bordures, QStringList({"top", "left", "bottom", "right", "insideH", "insideV"}));
        QCOMPARE(t.textes(), QList<QStringList>({{"Parties", "Doublette n° 3"},
                                                 {"", "Points", "Belotes", "Capots", "Total"},
                                                 {"1", ""},
                                                 {"a", "b", "c", "d", "e"}}));
        QCOMPARE(t.lignesEntete, 2);
        QCOMPARE(t.hauteurs, QList<int>({0, 0, 567, 567}));
        QStringList cellules; // per row, width and G for a grey cell, . for a plain one
        for (const auto &ligne : t.lignes) {
            QString f;
            for (const CelluleLue &c : ligne)
                f += QString::number(c.largeur) + (c.fond == "E6E6E6" ? "G " : c.fond.isEmpty() ? ". " : "? ");
            cellules << f.trimmed();
        }
        QCOMPARE(cellules, QStringList({"567G 4536G", "567. 1134. 1134. 1134. 1134.", "567. 4536.",
                                        "567. 1134. 1134. 1134. 1134."}));
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
        Document d;
        d.entete = {texte};
        d.ajoute(texte);
        d.ajoute(t);
        Ecrit e(d);
        const LectureDocx l = e.lecture();
        QVERIFY2(l.erreur.isEmpty(), qPrintable(l.erreur));
        QCOMPARE(l.paragraphes(Corps).first().texte, lu);
        QCOMPARE(l.tableaux()[0].lignes[0][0].texte, lu);
        QCOMPARE(l.paragraphes(l.partieEntete()).last().texte, '\t' + lu);
        QCOMPARE(l.textesSansEspacesGardes(Corps), 0);
        QCOMPARE(l.textesSansEspacesGardes(l.partieEntete()), 0);
    }

    // Tables are kept apart and never end the document; page breaks stand alone.
    void corps_data()
    {
        QTest::addColumn<Document>("document");
        QTest::addColumn<QStringList>("forme");
        Document fiche;
        fiche.ajoute(Classement(1));
        fiche.ajoute("Moyenne manches : 12");
        QTest::newRow("tableau puis paragraphe") << fiche << QStringList{"T", "PMoyenne manches : 12"};
        Document colles;
        colles.ajoute(Classement(1));
        colles.ajoute(Classement(1));
        QTest::newRow("tableaux qui se suivent") << colles << QStringList{"T", "P", "T", "P"};
        Document vide;
        vide.ajoute(Tableau{});
        vide.ajoute("fin");
        QTest::newRow("tableau sans ligne omis") << vide << QStringList{"Pfin"};
        QTest::newRow("document vide") << Document{} << QStringList{};
    }

    void corps()
    {
        QFETCH(Document, document);
        QFETCH(QStringList, forme);
        Ecrit e(document);
        QVERIFY(e.ok);
        QCOMPARE(Forme(e.lecture()), forme);
    }

    void miseEnForme()
    {
        Document d;
        d.ajoute(Paragraphe{"Titre", true, Alignement::Centre});
        Tableau t;
        t.largeurs = {2, 2};
        t.lignes = {{CelluleDoc{"  12", false, false, Alignement::Droite}, CelluleDoc{"Nom", false, true}}};
        d.ajoute(t);
        Ecrit e(d);
        const LectureDocx l = e.lecture();
        const ParagrapheLu titre = l.paragraphes(Corps).first();
        QVERIFY(titre.gras);
        QCOMPARE(titre.alignement, "center");
        const QList<CelluleLue> cellules = l.tableaux()[0].lignes[0];
        QCOMPARE(cellules[0].alignement, "right");
        QVERIFY(!cellules[0].gras);
        QVERIFY(cellules[1].gras);
    }

    void remplace()
    {
        Ecrit e(AvecParagraphe("premier"));
        QVERIFY(EcritDocx(AvecParagraphe("second"), e.chemin, Moment, nullptr));
        QCOMPARE(Forme(e.lecture()), QStringList{"Psecond"});
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
