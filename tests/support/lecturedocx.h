// Reads back a .docx written by the program: the parts of the zip, each XML
// part flattened into lines the tests compare, the attributes of the elements
// of one name, and the texts of the paragraphs.
#pragma once

#include <QMap>
#include <QXmlStreamReader>
#include <quazip.h>
#include <quazipfile.h>

struct ParagrapheLu
{
    QString texte; // a tab reads as '\t', a line break as '\n'
};

class LectureDocx
{
public:
    QStringList noms; // entries in zip order
    QMap<QString, QByteArray> parties;
    QString erreur; // first reading or parsing error, empty when none

    explicit LectureDocx(const QString &chemin)
    {
        QuaZip zip(chemin);
        if (!zip.open(QuaZip::mdUnzip))
            erreur = QStringLiteral("zip illisible");
        for (bool encore = erreur.isEmpty() && zip.goToFirstFile(); encore; encore = zip.goToNextFile()) {
            QuaZipFile fichier(&zip);
            if (!fichier.open(QIODevice::ReadOnly))
                erreur = QStringLiteral("entrée illisible");
            noms.append(zip.getCurrentFileName());
            parties[noms.last()] = fichier.readAll();
        }
        for (const QString &nom : noms)
            if (erreur.isEmpty())
                lignes(nom, &erreur);
    }

    // One line per element: its depth as spaces, its name, its attributes as
    // name=value, then its text in quotes (a line break as "\n"). A parsing
    // error goes to `probleme`.
    QStringList lignes(const QString &partie, QString *probleme = nullptr) const
    {
        QStringList resultat;
        QXmlStreamReader xml(parties.value(partie));
        for (int profondeur = 0; !xml.atEnd();) {
            const auto jeton = xml.readNext();
            if (jeton == QXmlStreamReader::StartElement) {
                resultat.append(QString(profondeur++, u' ') + xml.qualifiedName().toString());
                for (const QXmlStreamAttribute &a : xml.attributes())
                    resultat.last() += u' ' + a.qualifiedName().toString() + u'=' + a.value().toString();
            } else if (jeton == QXmlStreamReader::EndElement) {
                --profondeur;
            } else if (jeton == QXmlStreamReader::Characters && !resultat.isEmpty()) {
                resultat.last() += QStringLiteral(" \"") + xml.text().toString().replace(u'\n', QStringLiteral("\\n")) + u'"';
            }
        }
        if (xml.hasError() && probleme)
            *probleme = partie + QStringLiteral(" : ") + xml.errorString();
        return resultat;
    }

    // The attributes of every element named `nom` in a part, by qualified name.
    QList<QMap<QString, QString>> elements(const QString &partie, const QString &nom) const
    {
        QList<QMap<QString, QString>> resultat;
        QXmlStreamReader xml(parties.value(partie));
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.qualifiedName() == nom) {
                resultat.append(QMap<QString, QString>());
                for (const QXmlStreamAttribute &a : xml.attributes())
                    resultat.last()[a.qualifiedName().toString()] = a.value().toString();
            }
        return resultat;
    }

    // The paragraphs of a part, those of its tables included.
    QList<ParagrapheLu> paragraphes(const QString &partie) const
    {
        QList<ParagrapheLu> resultat;
        QXmlStreamReader xml(parties.value(partie));
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const auto nom = xml.qualifiedName();
            if (nom == u"w:p")
                resultat.append(ParagrapheLu());
            else if (nom == u"w:t")
                resultat.last().texte += xml.readElementText();
            else if (nom == u"w:tab" && !xml.attributes().hasAttribute(QStringLiteral("w:val")))
                resultat.last().texte += u'\t';
            else if (nom == u"w:br" && !xml.attributes().hasAttribute(QStringLiteral("w:type")))
                resultat.last().texte += u'\n';
        }
        return resultat;
    }

    // The header and footer parts the page settings of the body lead to.
    QString partieEntete() const { return cible(QStringLiteral("w:headerReference")); }
    QString partiePied() const { return cible(QStringLiteral("w:footerReference")); }

private:
    QString cible(const QString &reference) const
    {
        QString id;
        for (const auto &a : elements(QStringLiteral("word/document.xml"), reference))
            if (a.value(QStringLiteral("w:type")) == u"default")
                id = a.value(QStringLiteral("r:id"));
        for (const auto &a : elements(QStringLiteral("word/_rels/document.xml.rels"), QStringLiteral("Relationship")))
            if (a.value(QStringLiteral("Id")) == id)
                return QStringLiteral("word/") + a.value(QStringLiteral("Target"));
        return {};
    }
};
