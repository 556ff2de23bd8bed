#pragma once

#include <QString>

class Modele;

// A time box with nothing typed in it.
inline const QString HeureVide = QStringLiteral("__:__");

// A single digit typed stands for the units: "7_" becomes "07", "__" becomes
// "00"; two digits stay as typed. A blank time stays blank.
QString CompleteHeure(const QString &heure);

// Checks a complete time "hh:mm". 24:00 asks whether 23:59 or 00:00 was meant
// and corrects the text. False, with the message in `message`, when the hour
// or the minutes are out of range. A blank time passes: both times are optional.
bool ControleHeure(Modele &m, QString &heure, QString &message);

// Completion of a time box when it is left: `heure` is completed and checked,
// possibly corrected; false after the error box when the time is wrong.
bool ValideHeure(Modele &m, QString &heure);

// Hours and minutes as numbers, blanks counting as 0.
int Heures(const QString &heure);
int Minutes(const QString &heure);
