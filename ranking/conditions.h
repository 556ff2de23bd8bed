#pragma once

#include <QString>

class Modele;

// The buttons of the tournament window that wait for something first.
enum class BoutonTournoi { Inscription, Manches, Tables, Scores, ListeTables, Fiche, Cocher };

// Why the button cannot act now, the message of the error box; empty when it can.
// The conditions are tested in a fixed order, and the first one missing speaks.
QString RefusBouton(const Modele &m, BoutonTournoi bouton);

// The refusal of a tick change while the draw is of type "Tournoi": the
// tables of each round follow from the previous one, the entrants cannot change.
QString RefusCochesTournoi(const QString &debut);
