#pragma once

#include <QChar>
#include <QString>

// Upper and lower case as the Windows-1252 code page has them: a letter whose
// other case is not in the code page stays as it is (µ, ß).
QChar MajusculeAnsi(QChar c);
QString MajusculesAnsi(const QString &texte);
QString MinusculesAnsi(const QString &texte);

// What a character typed in the first-name box becomes when names are
// converted while typing: a blank joins compound first names with "-" (and is
// dropped at the start), each part starts with a capital. Empty: the key is swallowed.
QString TouchePrenom(const QString &boite, QChar touche);

// A team member typed as "name first-name" becomes "NAME First-name", the
// first hyphen starting a capital again; a box without a blank is all capitals.
QString ConvertitNomBelote(const QString &texte);

// A name as the players file gives it back: 30 characters at most, in the
// file's code page, without leading or trailing blanks. What is kept in memory
// is this, so that memory and file never disagree.
QString NomEnregistre(const QString &texte);
