#pragma once

#include "scores/tables.h"
#include "store/texte.h"

#include <QString>
#include <array>

class Modele;

// The boxes of the table and score window, as typed: table number, deals,
// then per seat the entrant number, his name and his points, and the table's
// belotes and capots.
struct Saisie
{
    QString NT, NPA;
    std::array<QString, 4> NJ, Nom, NPO;
    QString NbBelotes, NbCapots;
};

// The number a box holds, read by the one rule of the number boxes; 0 when
// it holds none (empty, a minus sign alone, anything but a whole number).
inline int NombreSaisi(const QString &boite)
{
    return EntierSaisi(boite).value_or(0);
}

// Name of an entrant as the window shows it: name and first name, or the two
// members of a team joined by " / ".
QString NomEntrant(const Modele &m, int ligne);

// Score mode works only on the tables already composed: it never creates one.
// False, after the error box, for a table missing from Scores in score mode.
bool TableConstituee(Modele &m, const Emplacement &e, bool modeScores);

// Fills the seats, the deals and the belote boxes from the table found at `e`,
// or empties them for a new table. Deals not given take the round's number in
// score mode and stay empty in composition mode, so that a table never keeps
// the deals of the one shown before. An entrant missing from Joueurs stops
// the program.
void RemplitTable(Modele &m, const Emplacement &e, Saisie &s, bool modeScores);

// ControleJoueur: whether the entrant typed at a seat (0 to 3) may sit there.
struct ControleSiege
{
    enum Refus { Aucun, DejaALaTable, Inconnu, AutreTable };
    Refus refus = Aucun;
    QString message;
    // Row of the entrant in Joueurs, -1 when unknown.
    int ligne = -1;
};
ControleSiege ControleJoueur(const Modele &m, const Saisie &s, int place);

// EnregTable: stores the table shown at its place (inserted there when new, so
// that Scores stays in round then table order), writes the scores file,
// recomputes the ranking when the options ask for it and refreshes the round
// status. The place is searched again, since other windows may have changed
// Scores since the table was loaded; `e` receives it. Score mode refuses a
// table missing from Scores (TableConstituee). When the table is refused or
// the file cannot be written, Scores stays as it was and the result is false.
bool EnregTable(Modele &m, const Saisie &s, Emplacement &e, bool modeScores);
