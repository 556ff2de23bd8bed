#pragma once

#include "reports/document.h"

#include <QString>
#include <QStringList>
#include <functional>

class Modele;

// Where a report goes.
enum class Sortie {
    // The channel of the run: when a word processor was found at start-up, a
    // new document opened in it; otherwise the text file, opened in the text
    // editor.
    Choisie,
    // The text file alone, nothing opened (the command line).
    FichierTexte,
    // The document alone, in the program directory under the report's name,
    // nothing opened (the command line).
    FichierDocument,
};

// The text channel of every report: the lines are written to the file of the
// program directory (Windows-1252, each line ended by CR LF), then the text
// editor is started on it, without waiting, when asked. False, after the
// error box naming the file and the reason, when the file cannot be written.
bool ImprimeTexte(Modele &m, const QString &fichier, const QStringList &lignes, bool ouvrirEditeur = true);
// The same with the bytes of the file already made.
bool ImprimeTexte(Modele &m, const QString &fichier, const QByteArray &contenu, bool ouvrirEditeur = true);
// The bytes of a text file holding these lines.
QByteArray ContenuTexte(const QStringList &lignes);

// A report that both channels carry, named without extension ("GRILLE"): the
// text channel writes NAME.TXT with the bytes `contenu` gives, the word-processor channel a document. Only
// what the channel takes is built; the document is built under the wait
// window, which tells its progress. A new document of the run goes to the
// run's folder as NAME-1.docx, NAME-2.docx... and is opened there; when it
// cannot be written or opened, the error box says why and the text channel
// takes the report. False when the report could not be written at all.
bool ImprimeRapport(Modele &m, Sortie sortie, const QString &nom, const std::function<QByteArray()> &contenu,
                    const std::function<Document()> &document);
