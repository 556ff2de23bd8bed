// Reads back a .docx written by the program, as plain values the tests compare:
// the parts of the zip, their content types and relationships, the header,
// footer and body as paragraphs and tables, and the page settings.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QStringList>
#include <QXmlStreamReader>
#include <quazip.h>
#include <quazipfile.h>

struct ParagrapheLu
{
    QString texte; // a tab reads as '\t', a line break as '\n'
    bool gras = false; // some run is bold
    QString alignement; // w:jc, empty when not set
    QStringList tabulations; // "center@4819", "right@9638"...
    QStringList champs; // field instructions, trimmed: "PAGE"
    int sautsDePage = 0;
};

struct CelluleLue
{
    QString texte; // paragraphs joined by '\n'
    int largeur = 0; // twips
    int colonnes = 1;
    QString fond; // w:shd fill, empty when none
    bool gras = false;
    QString alignement;
};

struct TableauLu
{
    QList<int> grille; // twips
    int largeurTotale = 0;
    QStringList bordures; // sides set to a visible border
    QList<QList<CelluleLue>> lignes;
    int lignesEntete = 0; // rows marked as repeated headings (counted wherever they are)
    QList<int> hauteurs; // least height of each row in twips, 0 when not set

    QList<QStringList> textes() const
    {
        QList<QStringList> resultat;
        for (const auto &ligne : lignes) {
            QStringList textesLigne;
            for (const CelluleLue &cellule : ligne)
                textesLigne.append(cellule.texte);
            resultat.append(textesLigne);
        }
        return resultat;
    }
};

// A block of a body, header or footer: a paragraph or a table.
struct BlocLu
{
    bool estTableau = false;
    ParagrapheLu paragraphe;
    TableauLu tableau;
};

struct PageLue
{
    int largeur = 0, hauteur = 0;
    QString orientation;
    int haut = 0, droite = 0, bas = 0, gauche = 0;
    QString relationEntete, relationPied; // r:id of the default header and footer
};

class LectureDocx
{
public:
    static inline const QString NsW = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
    static inline const QString NsR =
        QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");

    QStringList noms; // entries in zip order
    QMap<QString, QByteArray> parties;
    QString erreur; // first reading or parsing error, empty when none

    explicit LectureDocx(const QString &chemin)
    {
        QuaZip zip(chemin);
        if (!zip.open(QuaZip::mdUnzip)) {
            erreur = QStringLiteral("zip illisible");
            return;
        }
        for (bool encore = zip.goToFirstFile(); encore; encore = zip.goToNextFile()) {
            QuaZipFile fichier(&zip);
            if (!fichier.open(QIODevice::ReadOnly)) {
                erreur = QStringLiteral("entrée illisible");
                return;
            }
            const QString nom = zip.getCurrentFileName();
            noms.append(nom);
            parties[nom] = fichier.readAll();
        }
        for (auto it = parties.cbegin(); it != parties.cend(); ++it) {
            QXmlStreamReader xml(it.value());
            while (!xml.atEnd())
                xml.readNext();
            if (xml.hasError() && erreur.isEmpty())
                erreur = it.key() + QStringLiteral(" : ") + xml.errorString();
        }
    }

    // The content type of a part ("word/document.xml"), from its override or
    // the default of its extension.
    QString typeContenu(const QString &partie) const
    {
        QString parExtension;
        const QString extension = partie.section(QLatin1Char('.'), -1);
        QXmlStreamReader xml(parties.value(QStringLiteral("[Content_Types].xml")));
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const auto a = xml.attributes();
            if (xml.name() == u"Override" && a.value(QLatin1String("PartName")) == QLatin1Char('/') + partie)
                return a.value(QLatin1String("ContentType")).toString();
            if (xml.name() == u"Default" && a.value(QLatin1String("Extension")) == extension)
                parExtension = a.value(QLatin1String("ContentType")).toString();
        }
        return parExtension;
    }

    // The part a relationship id of `partie` points to, as a path in the zip.
    QString cible(const QString &partie, const QString &id) const
    {
        const qsizetype barre = partie.lastIndexOf(QLatin1Char('/'));
        const QString dossier = partie.left(barre + 1);
        const QString rels = dossier + QStringLiteral("_rels/") + partie.mid(barre + 1) + QStringLiteral(".rels");
        QXmlStreamReader xml(parties.value(rels));
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"Relationship"
                && xml.attributes().value(QLatin1String("Id")) == id)
                return dossier + xml.attributes().value(QLatin1String("Target")).toString();
        }
        return {};
    }

    // Type of the first relationship of the package (root) that targets `partie`.
    QString typeRelationRacine(const QString &partie) const
    {
        QXmlStreamReader xml(parties.value(QStringLiteral("_rels/.rels")));
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Relationship")
                continue;
            QString cible = xml.attributes().value(QLatin1String("Target")).toString();
            if (cible.startsWith(QLatin1Char('/')))
                cible.remove(0, 1);
            if (cible == partie)
                return xml.attributes().value(QLatin1String("Type")).toString();
        }
        return {};
    }

    // The paragraphs and tables directly in the body, header or footer part.
    QList<BlocLu> blocs(const QString &partie) const
    {
        QList<BlocLu> resultat;
        QXmlStreamReader xml(parties.value(partie));
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement || xml.namespaceUri() != NsW)
                continue;
            if (xml.name() == u"p") {
                BlocLu bloc;
                bloc.paragraphe = litParagraphe(xml);
                resultat.append(bloc);
            } else if (xml.name() == u"tbl") {
                BlocLu bloc;
                bloc.estTableau = true;
                bloc.tableau = litTableau(xml);
                resultat.append(bloc);
            } else if (xml.name() == u"sectPr") {
                xml.skipCurrentElement();
            }
        }
        return resultat;
    }

    // The w:t elements of a part that do not ask for their spaces to be kept.
    int textesSansEspacesGardes(const QString &partie) const
    {
        int n = 0;
        const QString nsXml = QStringLiteral("http://www.w3.org/XML/1998/namespace");
        QXmlStreamReader xml(parties.value(partie));
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.namespaceUri() == NsW && xml.name() == u"t"
                && xml.attributes().value(nsXml, QLatin1String("space")) != u"preserve")
                ++n;
        }
        return n;
    }

    QList<ParagrapheLu> paragraphes(const QString &partie) const
    {
        QList<ParagrapheLu> resultat;
        for (const BlocLu &bloc : blocs(partie))
            if (!bloc.estTableau)
                resultat.append(bloc.paragraphe);
        return resultat;
    }

    QList<TableauLu> tableaux() const
    {
        QList<TableauLu> resultat;
        for (const BlocLu &bloc : blocs(QStringLiteral("word/document.xml")))
            if (bloc.estTableau)
                resultat.append(bloc.tableau);
        return resultat;
    }

    // The header and footer parts reached from the page settings.
    QString partieEntete() const { return cible(QStringLiteral("word/document.xml"), page().relationEntete); }
    QString partiePied() const { return cible(QStringLiteral("word/document.xml"), page().relationPied); }

    PageLue page() const
    {
        PageLue p;
        QXmlStreamReader xml(parties.value(QStringLiteral("word/document.xml")));
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const auto a = xml.attributes();
            const auto nombre = [&](const QString &nom) { return a.value(NsW, nom).toInt(); };
            if (xml.name() == u"pgSz") {
                p.largeur = nombre(QStringLiteral("w"));
                p.hauteur = nombre(QStringLiteral("h"));
                p.orientation = a.value(NsW, QLatin1String("orient")).toString();
            } else if (xml.name() == u"pgMar") {
                p.haut = nombre(QStringLiteral("top"));
                p.droite = nombre(QStringLiteral("right"));
                p.bas = nombre(QStringLiteral("bottom"));
                p.gauche = nombre(QStringLiteral("left"));
            } else if (xml.name() == u"headerReference" && a.value(NsW, QLatin1String("type")) == u"default") {
                p.relationEntete = a.value(NsR, QLatin1String("id")).toString();
            } else if (xml.name() == u"footerReference" && a.value(NsW, QLatin1String("type")) == u"default") {
                p.relationPied = a.value(NsR, QLatin1String("id")).toString();
            }
        }
        return p;
    }

private:
    static QString val(const QXmlStreamReader &xml, const QString &nom = QStringLiteral("val"))
    {
        return xml.attributes().value(NsW, nom).toString();
    }

    // Reads from a w:p start to its end.
    static ParagrapheLu litParagraphe(QXmlStreamReader &xml)
    {
        ParagrapheLu p;
        int profondeur = 1;
        bool dansRPr = false;
        bool dansInstr = false;
        while (profondeur > 0 && !xml.atEnd()) {
            const auto jeton = xml.readNext();
            if (jeton == QXmlStreamReader::EndElement) {
                --profondeur;
                if (xml.name() == u"rPr")
                    dansRPr = false;
                if (xml.name() == u"instrText")
                    dansInstr = false;
                continue;
            }
            if (jeton == QXmlStreamReader::Characters && dansInstr) {
                p.champs.append(xml.text().trimmed().toString());
                continue;
            }
            if (jeton != QXmlStreamReader::StartElement)
                continue;
            ++profondeur;
            const auto nom = xml.name();
            if (nom == u"rPr")
                dansRPr = true;
            else if (nom == u"b" && dansRPr && val(xml) != u"0" && val(xml) != u"false")
                p.gras = true;
            else if (nom == u"jc")
                p.alignement = val(xml);
            else if (nom == u"tab" && !val(xml).isEmpty())
                p.tabulations.append(val(xml) + QLatin1Char('@') + val(xml, QStringLiteral("pos")));
            else if (nom == u"tab")
                p.texte += QLatin1Char('\t');
            else if (nom == u"br" && val(xml, QStringLiteral("type")) == u"page")
                ++p.sautsDePage;
            else if (nom == u"br")
                p.texte += QLatin1Char('\n');
            else if (nom == u"t")
                p.texte += xml.readElementText(), --profondeur;
            else if (nom == u"fldSimple")
                p.champs.append(val(xml, QStringLiteral("instr")).trimmed());
            else if (nom == u"instrText")
                dansInstr = true;
        }
        return p;
    }

    // Reads from a w:tbl start to its end.
    static TableauLu litTableau(QXmlStreamReader &xml)
    {
        TableauLu t;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"tblPr") {
                while (xml.readNextStartElement()) {
                    if (xml.name() == u"tblW") {
                        t.largeurTotale = val(xml, QStringLiteral("w")).toInt();
                        xml.skipCurrentElement();
                    } else if (xml.name() == u"tblBorders") {
                        while (xml.readNextStartElement()) {
                            if (val(xml) != u"none" && val(xml) != u"nil" && !val(xml).isEmpty())
                                t.bordures.append(xml.name().toString());
                            xml.skipCurrentElement();
                        }
                    } else {
                        xml.skipCurrentElement();
                    }
                }
            } else if (xml.name() == u"tblGrid") {
                while (xml.readNextStartElement()) {
                    t.grille.append(val(xml, QStringLiteral("w")).toInt());
                    xml.skipCurrentElement();
                }
            } else if (xml.name() == u"tr") {
                QList<CelluleLue> ligne;
                t.hauteurs.append(0);
                while (xml.readNextStartElement()) {
                    if (xml.name() == u"trPr") {
                        while (xml.readNextStartElement()) {
                            if (xml.name() == u"tblHeader")
                                ++t.lignesEntete;
                            else if (xml.name() == u"trHeight" && val(xml, QStringLiteral("hRule")) == u"atLeast")
                                t.hauteurs.last() = val(xml).toInt();
                            xml.skipCurrentElement();
                        }
                    } else if (xml.name() == u"tc") {
                        ligne.append(litCellule(xml));
                    } else {
                        xml.skipCurrentElement();
                    }
                }
                t.lignes.append(ligne);
            } else {
                xml.skipCurrentElement();
            }
        }
        return t;
    }

    static CelluleLue litCellule(QXmlStreamReader &xml)
    {
        CelluleLue c;
        QStringList paragraphes;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"tcPr") {
                while (xml.readNextStartElement()) {
                    if (xml.name() == u"tcW")
                        c.largeur = val(xml, QStringLiteral("w")).toInt();
                    else if (xml.name() == u"gridSpan")
                        c.colonnes = val(xml).toInt();
                    else if (xml.name() == u"shd")
                        c.fond = val(xml, QStringLiteral("fill"));
                    xml.skipCurrentElement();
                }
            } else if (xml.name() == u"p") {
                const ParagrapheLu p = litParagraphe(xml);
                paragraphes.append(p.texte);
                c.gras = c.gras || p.gras;
                c.alignement = p.alignement;
            } else {
                xml.skipCurrentElement();
            }
        }
        c.texte = paragraphes.join(QLatin1Char('\n'));
        return c;
    }
};
