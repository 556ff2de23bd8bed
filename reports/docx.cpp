#include "reports/docx.h"
#include "reports/commun.h"
#include "store/modele.h"

#include <QBuffer>
#include <QDir>
#include <QSaveFile>
#include <QXmlStreamWriter>
#include <functional>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

using namespace Qt::StringLiterals;

namespace {

const QString NsW = u"http://schemas.openxmlformats.org/wordprocessingml/2006/main"_s;
const QString NsR = u"http://schemas.openxmlformats.org/officeDocument/2006/relationships"_s;
const QString NsRelations = u"http://schemas.openxmlformats.org/package/2006/relationships"_s;
const QString NsTypes = u"http://schemas.openxmlformats.org/package/2006/content-types"_s;
const QString NsXml = u"http://www.w3.org/XML/1998/namespace"_s;
const QString TypeRelation = u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"_s;
const QString TypeContenu = u"application/vnd.openxmlformats-officedocument.wordprocessingml."_s;

// Page geometry in twips (1/1440 inch, 567 to the centimetre). Margins of
// 2 cm leave 17 cm across a portrait page and 25.7 cm across a landscape one.
constexpr int TwipsParCm = 567;
constexpr int LargeurA4 = 11906;
constexpr int HauteurA4 = 16838;
constexpr int MargePage = 1134;
constexpr int MargeEntete = 567;

int EnTwips(double cm)
{
    return qRound(cm * TwipsParCm);
}

int LargeurTexte(Orientation orientation)
{
    return (orientation == Orientation::Paysage ? HauteurA4 : LargeurA4) - 2 * MargePage;
}

QString Nombre(int n)
{
    return QString::number(n);
}

// The characters an XML 1.0 document can hold; the others are dropped.
bool CaractereXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

// The parts are written with the prefixes Word itself uses: some readers
// expect them.
class Xml
{
public:
    explicit Xml(QByteArray *contenu) : tampon(contenu), x(&tampon)
    {
        tampon.open(QIODevice::WriteOnly);
        x.writeStartDocument(u"1.0"_s, true);
    }

    void debut(const QString &nom) { x.writeStartElement(NsW, nom); }
    void fin() { x.writeEndElement(); }
    void vide(const QString &nom) { x.writeEmptyElement(NsW, nom); }
    void attribut(const QString &nom, const QString &valeur) { x.writeAttribute(NsW, nom, valeur); }
    // An empty element with its w:val.
    void valeur(const QString &nom, const QString &val)
    {
        vide(nom);
        attribut(u"val"_s, val);
    }
    // An empty element giving a width in twips.
    void largeur(const QString &nom, int twips)
    {
        vide(nom);
        attribut(u"w"_s, Nombre(twips));
        attribut(u"type"_s, u"dxa"_s);
    }

    // A run of text: tabs and line feeds become their own elements so that
    // every w:t holds plain characters, spaces kept.
    void run(const QString &texte, bool gras)
    {
        if (texte.isEmpty())
            return;
        debut(u"r"_s);
        if (gras) {
            debut(u"rPr"_s);
            vide(u"b"_s);
            fin();
        }
        QString morceau;
        const auto sortMorceau = [&] {
            if (morceau.isEmpty())
                return;
            debut(u"t"_s);
            x.writeAttribute(NsXml, u"space"_s, u"preserve"_s);
            x.writeCharacters(morceau);
            fin();
            morceau.clear();
        };
        const QList<uint> codes = texte.toUcs4();
        for (qsizetype i = 0; i < codes.size(); ++i) {
            const char32_t c = codes[i];
            if (c == u'\t') {
                sortMorceau();
                vide(u"tab"_s);
            } else if (c == u'\n' || c == u'\r') {
                if (c == u'\r' && i + 1 < codes.size() && codes[i + 1] == u'\n')
                    ++i;
                sortMorceau();
                vide(u"br"_s);
            } else if (CaractereXml(c)) {
                morceau.append(QString::fromUcs4(&c, 1));
            }
        }
        sortMorceau();
        fin();
    }

    QBuffer tampon;
    QXmlStreamWriter x;
};

// One XML part, closed after `ecrit` has written its content.
QByteArray Partie(const std::function<void(Xml &)> &ecrit)
{
    QByteArray contenu;
    Xml x(&contenu);
    ecrit(x);
    x.x.writeEndDocument();
    return contenu;
}

// The root of a part of the word-processing vocabulary.
void Racine(Xml &x, const QString &nom)
{
    x.x.writeNamespace(NsW, u"w"_s);
    x.x.writeNamespace(NsR, u"r"_s);
    x.debut(nom);
}

QString ValeurAlignement(Alignement alignement)
{
    switch (alignement) {
    case Alignement::Centre:
        return u"center"_s;
    case Alignement::Droite:
        return u"right"_s;
    case Alignement::Gauche:
        break;
    }
    return u"left"_s;
}

void EcritParagraphe(Xml &x, const QString &texte, bool gras = false, Alignement alignement = Alignement::Gauche)
{
    x.debut(u"p"_s);
    if (alignement != Alignement::Gauche) {
        x.debut(u"pPr"_s);
        x.valeur(u"jc"_s, ValeurAlignement(alignement));
        x.fin();
    }
    x.run(texte, gras);
    x.fin();
}

void EcritSautDePage(Xml &x)
{
    x.debut(u"p"_s);
    x.debut(u"r"_s);
    x.vide(u"br"_s);
    x.attribut(u"type"_s, u"page"_s);
    x.fin();
    x.fin();
}

// All borders single and thin, inside ones too.
void EcritBordures(Xml &x)
{
    x.debut(u"tblBorders"_s);
    for (const QString &cote : {u"top"_s, u"left"_s, u"bottom"_s, u"right"_s, u"insideH"_s, u"insideV"_s}) {
        x.valeur(cote, u"single"_s);
        x.attribut(u"sz"_s, u"4"_s);
        x.attribut(u"space"_s, u"0"_s);
        x.attribut(u"color"_s, u"000000"_s);
    }
    x.fin();
}

// A narrow inner margin (1 mm) leaves room for the padded texts of narrow
// columns. Given in each table: not every word processor reads the default
// table style.
void EcritMargesCellules(Xml &x)
{
    x.debut(u"tblCellMar"_s);
    x.largeur(u"top"_s, 0);
    x.largeur(u"left"_s, 57);
    x.largeur(u"bottom"_s, 0);
    x.largeur(u"right"_s, 57);
    x.fin();
}

void EcritCellule(Xml &x, const CelluleDoc &cellule, int largeur, int colonnes)
{
    x.debut(u"tc"_s);
    x.debut(u"tcPr"_s);
    x.largeur(u"tcW"_s, largeur);
    if (colonnes > 1)
        x.valeur(u"gridSpan"_s, Nombre(colonnes));
    if (cellule.grisee) {
        x.valeur(u"shd"_s, u"clear"_s);
        x.attribut(u"color"_s, u"auto"_s);
        x.attribut(u"fill"_s, u"E6E6E6"_s);
    }
    x.fin();
    EcritParagraphe(x, cellule.texte, cellule.gras, cellule.alignement);
    x.fin();
}

// Element order follows the schema (Word refuses a document otherwise).
void EcritTableau(Xml &x, const Tableau &tableau)
{
    QList<int> grille;
    for (double cm : tableau.largeurs)
        grille.append(EnTwips(cm));
    int total = 0;
    for (int twips : grille)
        total += twips;

    x.debut(u"tbl"_s);
    x.debut(u"tblPr"_s);
    x.largeur(u"tblW"_s, total);
    EcritBordures(x);
    x.vide(u"tblLayout"_s);
    x.attribut(u"type"_s, u"fixed"_s);
    EcritMargesCellules(x);
    x.fin();
    x.debut(u"tblGrid"_s);
    for (int twips : grille) {
        x.vide(u"gridCol"_s);
        x.attribut(u"w"_s, Nombre(twips));
    }
    x.fin();

    for (qsizetype r = 0; r < tableau.lignes.size(); ++r) {
        x.debut(u"tr"_s);
        x.debut(u"trPr"_s);
        x.vide(u"cantSplit"_s);
        if (r < tableau.lignesEntete) {
            x.vide(u"tblHeader"_s);
        } else if (tableau.hauteurLignes > 0) {
            x.valeur(u"trHeight"_s, Nombre(EnTwips(tableau.hauteurLignes)));
            x.attribut(u"hRule"_s, u"atLeast"_s);
        }
        x.fin();
        // Every grid column gets a cell, so that every border is drawn.
        qsizetype colonne = 0;
        for (const CelluleDoc &cellule : tableau.lignes[r]) {
            if (colonne >= grille.size())
                break;
            const qsizetype couvertes = qBound(qsizetype(1), qsizetype(cellule.colonnes), grille.size() - colonne);
            int largeur = 0;
            for (qsizetype c = colonne; c < colonne + couvertes; ++c)
                largeur += grille[c];
            EcritCellule(x, cellule, largeur, int(couvertes));
            colonne += couvertes;
        }
        for (; colonne < grille.size(); ++colonne)
            EcritCellule(x, CelluleDoc{}, grille[colonne], 1);
        x.fin();
    }
    x.fin();
}

QByteArray PartieDocument(const Document &document)
{
    return Partie([&](Xml &x) {
        Racine(x, u"document"_s);
        x.debut(u"body"_s);
        // Two tables in a row would be joined into one, and a table cannot
        // end the document: an empty paragraph goes between or after.
        bool apresTableau = false;
        for (const Bloc &bloc : document.corps) {
            if (const auto *tableau = std::get_if<Tableau>(&bloc)) {
                if (tableau->largeurs.isEmpty() || tableau->lignes.isEmpty())
                    continue;
                if (apresTableau)
                    EcritParagraphe(x, QString());
                EcritTableau(x, *tableau);
                apresTableau = true;
                continue;
            }
            if (const auto *paragraphe = std::get_if<Paragraphe>(&bloc))
                EcritParagraphe(x, paragraphe->texte, paragraphe->gras, paragraphe->alignement);
            else
                EcritSautDePage(x);
            apresTableau = false;
        }
        if (apresTableau)
            EcritParagraphe(x, QString());

        const bool paysage = document.orientation == Orientation::Paysage;
        x.debut(u"sectPr"_s);
        x.vide(u"headerReference"_s);
        x.attribut(u"type"_s, u"default"_s);
        x.x.writeAttribute(NsR, u"id"_s, u"rIdEntete"_s);
        x.vide(u"footerReference"_s);
        x.attribut(u"type"_s, u"default"_s);
        x.x.writeAttribute(NsR, u"id"_s, u"rIdPied"_s);
        x.vide(u"pgSz"_s);
        x.attribut(u"w"_s, Nombre(paysage ? HauteurA4 : LargeurA4));
        x.attribut(u"h"_s, Nombre(paysage ? LargeurA4 : HauteurA4));
        x.attribut(u"orient"_s, paysage ? u"landscape"_s : u"portrait"_s);
        x.vide(u"pgMar"_s);
        for (const QString &cote : {u"top"_s, u"right"_s, u"bottom"_s, u"left"_s})
            x.attribut(cote, Nombre(MargePage));
        x.attribut(u"header"_s, Nombre(MargeEntete));
        x.attribut(u"footer"_s, Nombre(MargeEntete));
        x.attribut(u"gutter"_s, u"0"_s);
        x.fin();
    });
}

// Header lines carry a centre tab stop in the middle of the text and a right
// one at the right margin: one tab centres what follows, two push it right.
QByteArray PartieEntete(const Document &document, const QDateTime &moment)
{
    const int largeur = LargeurTexte(document.orientation);
    QStringList lignes{TitreProgramme + u"\t\t"_s + moment.toString(u"dd/MM/yyyy"_s),
                       CreditAuteur + u"\t\t"_s + moment.toString(u"HH:mm:ss"_s)};
    for (const QString &ligne : document.entete)
        lignes.append(u'\t' + ligne);

    return Partie([&](Xml &x) {
        Racine(x, u"hdr"_s);
        for (const QString &ligne : lignes) {
            x.debut(u"p"_s);
            x.debut(u"pPr"_s);
            x.debut(u"tabs"_s);
            x.valeur(u"tab"_s, u"center"_s);
            x.attribut(u"pos"_s, Nombre(largeur / 2));
            x.valeur(u"tab"_s, u"right"_s);
            x.attribut(u"pos"_s, Nombre(largeur));
            x.fin();
            x.fin();
            x.run(ligne, false);
            x.fin();
        }
    });
}

QByteArray PartiePied()
{
    return Partie([&](Xml &x) {
        Racine(x, u"ftr"_s);
        x.debut(u"p"_s);
        x.debut(u"pPr"_s);
        x.valeur(u"jc"_s, u"center"_s);
        x.fin();
        x.run(u"Page "_s, false);
        x.debut(u"fldSimple"_s);
        x.attribut(u"instr"_s, u"PAGE"_s);
        x.run(u"1"_s, false); // shown until the word processor updates the field
        x.fin();
        x.fin();
    });
}

// Arial 10 points, no space between paragraphs, French spelling.
QByteArray PartieStyles()
{
    return Partie([&](Xml &x) {
        Racine(x, u"styles"_s);
        x.debut(u"docDefaults"_s);
        x.debut(u"rPrDefault"_s);
        x.debut(u"rPr"_s);
        x.vide(u"rFonts"_s);
        for (const QString &jeu : {u"ascii"_s, u"hAnsi"_s, u"eastAsia"_s, u"cs"_s})
            x.attribut(jeu, u"Arial"_s);
        x.valeur(u"sz"_s, u"20"_s);
        x.valeur(u"szCs"_s, u"20"_s);
        x.valeur(u"lang"_s, u"fr-FR"_s);
        x.fin();
        x.fin();
        x.debut(u"pPrDefault"_s);
        x.debut(u"pPr"_s);
        x.vide(u"spacing"_s);
        x.attribut(u"after"_s, u"0"_s);
        x.attribut(u"line"_s, u"240"_s);
        x.attribut(u"lineRule"_s, u"auto"_s);
        x.fin();
        x.fin();
        x.fin();

        x.debut(u"style"_s);
        x.attribut(u"type"_s, u"paragraph"_s);
        x.attribut(u"default"_s, u"1"_s);
        x.attribut(u"styleId"_s, u"Normal"_s);
        x.valeur(u"name"_s, u"Normal"_s);
        x.vide(u"qFormat"_s);
        x.fin();

    });
}

QByteArray PartieReglages()
{
    return Partie([&](Xml &x) {
        Racine(x, u"settings"_s);
        x.valeur(u"defaultTabStop"_s, u"709"_s);
        x.valeur(u"characterSpacingControl"_s, u"doNotCompress"_s);
        x.debut(u"compat"_s);
        x.vide(u"compatSetting"_s);
        x.attribut(u"name"_s, u"compatibilityMode"_s);
        x.attribut(u"uri"_s, u"http://schemas.microsoft.com/office/word"_s);
        x.attribut(u"val"_s, u"15"_s);
        x.fin();
    });
}

struct Relation
{
    QString id, type, cible;
};

QByteArray PartieRelations(const QList<Relation> &relations)
{
    return Partie([&](Xml &x) {
        x.x.writeDefaultNamespace(NsRelations);
        x.x.writeStartElement(NsRelations, u"Relationships"_s);
        for (const Relation &relation : relations) {
            x.x.writeEmptyElement(NsRelations, u"Relationship"_s);
            x.x.writeAttribute(u"Id"_s, relation.id);
            x.x.writeAttribute(u"Type"_s, relation.type);
            x.x.writeAttribute(u"Target"_s, relation.cible);
        }
    });
}

QByteArray PartieTypes(const QList<std::pair<QString, QString>> &types)
{
    return Partie([&](Xml &x) {
        x.x.writeDefaultNamespace(NsTypes);
        x.x.writeStartElement(NsTypes, u"Types"_s);
        x.x.writeEmptyElement(NsTypes, u"Default"_s);
        x.x.writeAttribute(u"Extension"_s, u"rels"_s);
        x.x.writeAttribute(u"ContentType"_s, u"application/vnd.openxmlformats-package.relationships+xml"_s);
        x.x.writeEmptyElement(NsTypes, u"Default"_s);
        x.x.writeAttribute(u"Extension"_s, u"xml"_s);
        x.x.writeAttribute(u"ContentType"_s, u"application/xml"_s);
        for (const auto &[partie, type] : types) {
            x.x.writeEmptyElement(NsTypes, u"Override"_s);
            x.x.writeAttribute(u"PartName"_s, u'/' + partie);
            x.x.writeAttribute(u"ContentType"_s, type);
        }
    });
}

QByteArray PartieProprietes(const QDateTime &moment)
{
    const QString nsCp = u"http://schemas.openxmlformats.org/package/2006/metadata/core-properties"_s;
    const QString nsDc = u"http://purl.org/dc/elements/1.1/"_s;
    const QString nsDcTerms = u"http://purl.org/dc/terms/"_s;
    const QString nsXsi = u"http://www.w3.org/2001/XMLSchema-instance"_s;
    return Partie([&](Xml &x) {
        x.x.writeNamespace(nsCp, u"cp"_s);
        x.x.writeNamespace(nsDc, u"dc"_s);
        x.x.writeNamespace(nsDcTerms, u"dcterms"_s);
        x.x.writeNamespace(nsXsi, u"xsi"_s);
        x.x.writeStartElement(nsCp, u"coreProperties"_s);
        x.x.writeTextElement(nsDc, u"creator"_s, TitreProgramme);
        x.x.writeStartElement(nsDcTerms, u"created"_s);
        x.x.writeAttribute(nsXsi, u"type"_s, u"dcterms:W3CDTF"_s);
        x.x.writeCharacters(moment.toUTC().toString(Qt::ISODate));
        x.x.writeEndElement();
    });
}

QByteArray PartieApplication()
{
    const QString ns = u"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties"_s;
    return Partie([&](Xml &x) {
        x.x.writeDefaultNamespace(ns);
        x.x.writeStartElement(ns, u"Properties"_s);
        x.x.writeTextElement(ns, u"Application"_s, TitreProgramme);
    });
}

// The zip container, built in memory: reports are small.
bool Archive(const QList<std::pair<QString, QByteArray>> &parties, const QDateTime &moment, QByteArray *archive,
             QString *raison)
{
    QBuffer tampon(archive);
    QuaZip zip(&tampon);
    zip.setDataDescriptorWritingEnabled(false);
    if (!zip.open(QuaZip::mdCreate)) {
        *raison = u"création de l'archive impossible (code %1)"_s.arg(zip.getZipError());
        return false;
    }
    for (const auto &[nom, contenu] : parties) {
        QuaZipFile fichier(&zip);
        QuaZipNewInfo info(nom);
        info.dateTime = moment;
        if (!fichier.open(QIODevice::WriteOnly, info) || fichier.write(contenu) != contenu.size()) {
            *raison = u"écriture de %1 dans l'archive impossible (code %2)"_s.arg(nom).arg(fichier.getZipError());
            return false;
        }
        fichier.close();
        if (fichier.getZipError() != 0) {
            *raison = u"écriture de %1 dans l'archive impossible (code %2)"_s.arg(nom).arg(fichier.getZipError());
            return false;
        }
    }
    zip.close();
    if (zip.getZipError() != 0) {
        *raison = u"fermeture de l'archive impossible (code %1)"_s.arg(zip.getZipError());
        return false;
    }
    return true;
}

} // namespace

bool EcritDocx(const Document &document, const QString &chemin, const QDateTime &moment, QString *erreur)
{
    // The content types come first: some readers look for them there.
    const QList<std::pair<QString, QString>> types{
        {u"word/document.xml"_s, TypeContenu + u"document.main+xml"_s},
        {u"word/styles.xml"_s, TypeContenu + u"styles+xml"_s},
        {u"word/settings.xml"_s, TypeContenu + u"settings+xml"_s},
        {u"word/header1.xml"_s, TypeContenu + u"header+xml"_s},
        {u"word/footer1.xml"_s, TypeContenu + u"footer+xml"_s},
        {u"docProps/core.xml"_s, u"application/vnd.openxmlformats-package.core-properties+xml"_s},
        {u"docProps/app.xml"_s, u"application/vnd.openxmlformats-officedocument.extended-properties+xml"_s},
    };
    const QList<std::pair<QString, QByteArray>> parties{
        {u"[Content_Types].xml"_s, PartieTypes(types)},
        {u"_rels/.rels"_s,
         PartieRelations({
             {u"rId1"_s, TypeRelation + u"officeDocument"_s, u"word/document.xml"_s},
             {u"rId2"_s, u"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties"_s,
              u"docProps/core.xml"_s},
             {u"rId3"_s, TypeRelation + u"extended-properties"_s, u"docProps/app.xml"_s},
         })},
        {u"word/document.xml"_s, PartieDocument(document)},
        {u"word/_rels/document.xml.rels"_s,
         PartieRelations({
             {u"rIdStyles"_s, TypeRelation + u"styles"_s, u"styles.xml"_s},
             {u"rIdReglages"_s, TypeRelation + u"settings"_s, u"settings.xml"_s},
             {u"rIdEntete"_s, TypeRelation + u"header"_s, u"header1.xml"_s},
             {u"rIdPied"_s, TypeRelation + u"footer"_s, u"footer1.xml"_s},
         })},
        {u"word/styles.xml"_s, PartieStyles()},
        {u"word/settings.xml"_s, PartieReglages()},
        {u"word/header1.xml"_s, PartieEntete(document, moment)},
        {u"word/footer1.xml"_s, PartiePied()},
        {u"docProps/core.xml"_s, PartieProprietes(moment)},
        {u"docProps/app.xml"_s, PartieApplication()},
    };

    QByteArray archive;
    QString raison;
    bool ok = Archive(parties, moment, &archive, &raison);
    if (ok) {
        // A temporary file beside the target takes its place once complete.
        QSaveFile fichier(chemin);
        ok = fichier.open(QIODevice::WriteOnly) && fichier.write(archive) == archive.size() && fichier.commit();
        if (!ok) {
            raison = fichier.errorString();
            fichier.cancelWriting();
        }
    }
    if (!ok && erreur)
        *erreur = u"Impossible d'enregistrer le document "_s + QDir::toNativeSeparators(chemin) + u" : "_s + raison;
    return ok;
}
