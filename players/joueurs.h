#pragma once

#include <QString>

class Modele;
class TableCellules;

// The number proposed for a new entrant: the lowest gap left in the numbers,
// else the number after the last one.
int RechNumLibre(const Modele &m);

// Row of the first entrant with exactly this name and first name (case counts), or -1.
int RechDoublon(const Modele &m, const QString &nom, const QString &prenom);
// Round of the first table where this entrant is seated, 0 when he is in none.
int MancheDuJoueur(const Modele &m, double numero);

// Each change below rewrites the players file at once. When the file cannot
// be written the error box has been shown and Joueurs is as it was.

// Adds an entrant, ticked and not ranked yet, at his place in number order; his row or -1.
int AjouteJoueur(Modele &m, int numero, const QString &nom, const QString &prenom);
bool ChangeJoueur(Modele &m, int ligne, const QString &nom, const QString &prenom);
bool SupprimeJoueur(Modele &m, int ligne);
// Replaces every entrant. Refused, with the error box, when an entrant seated
// at a table of a round is missing from the new list.
bool RemplaceJoueurs(Modele &m, const TableCellules &joueurs);

// Turns the tick of the entrant with this number, as a click in the grid's
// tick column does; refused with the error box under a "Tournoi" draw.
bool BasculeCoche(Modele &m, double numero);

// The choices of the tick dialog: everyone, nobody, the upper half of the
// ranking grid as it is sorted, or the lower half. With an odd count the
// halves round to even: 7 entrants give rows 1 to 4 and 4 to 7, 5 entrants
// rows 1 to 2 and 4 to 5.
enum class ChoixCoches { Tous, Aucun, Gagnants, Perdants };
bool CocheJoueurs(Modele &m, ChoixCoches choix);

// Where a new list of entrants comes from.
enum class SourceListe { Csv, Tournoi };
// Before the whole list is replaced: refused once a score is typed (critical
// box), then the warning for this source; true when the user goes on.
bool AvertitRemplacement(Modele &m, SourceListe source);
// Installs a new list once the user agreed to drop the present entrants:
// written, ranked again by points, then "Terminé.". False when refused or
// not written: nothing changed.
bool InstalleListe(Modele &m, const TableCellules &joueurs);

// Columns of a new entrant in a row of an entrants table: ticked, no ranking yet.
void RemplitJoueur(TableCellules &joueurs, int ligne, int numero, const QString &nom, const QString &prenom);
