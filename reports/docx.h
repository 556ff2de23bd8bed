#pragma once

// The word-processor file of a report: an Office Open XML document (.docx)
// that any word processor opens.

#include "reports/document.h"

#include <QDateTime>
#include <QString>

// Writes the document to `chemin`, replacing the file there, with the page
// header every report shares: the program title and the date of `moment`,
// the author credit and its time, then the report's own lines; the footer
// numbers the pages. The file appears only once complete: on failure the old
// file, if any, is left as it was, and `erreur` receives the reason in French.
bool EcritDocx(const Document &document, const QString &chemin, const QDateTime &moment, QString *erreur = nullptr);
