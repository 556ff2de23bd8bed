#pragma once

#include "scores/saisie.h"

#include <QString>
#include <optional>

class Modele;

// Totals and checks of the points of a table. Every total is a 32-bit integer
// that stops at its bounds rather than wrapping to the other sign.

// Calcul_Total_Points: the points of the seats added in order, rounded to an
// integer at each step (halves to even).
qint32 TotalPoints(const Modele &m, const Saisie &s);

// Belote factor: the four players of individual belote count each deal twice.
int FacteurBelote(const Modele &m);

// Base total of a belote table: factor × deals × points of a deal.
qint32 TotalBase(const Modele &m, const QString &parties);

// Calcul_Total_Controle_Belote: the two labels, the total the points of the
// table must reach, and its formula in words.
struct ControleBelote
{
    QString lblPtsBel, lblPtsCap;
    qint32 total = 0;
    QString expression;
};
ControleBelote CalculControleBelote(const Modele &m, const Saisie &s, const QString &totalBase);

// Why the points of a table cannot be saved, or nothing when they can: the
// negative points and the control total of belote, the balance of tarot, as
// the settings ask. `controle` is the belote control total shown.
std::optional<QString> RefusPoints(const Modele &m, const Saisie &s, qint32 controle);
