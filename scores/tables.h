#pragma once

#include <QString>
#include <optional>

class Modele;

// The tables of the current round in Scores. The rows are in round order,
// then table order, so every search stops at the first row of a later round.

// What the current round already holds: some table, some score.
struct EtatSaisie
{
    bool TablesManche = false;
    bool ScoresManche = false;
};
EtatSaisie EtatSaisieManche(const Modele &m);

// Where a table of the current round begins in Scores (found), or the row
// where it will be inserted to keep the order (not found).
struct Emplacement
{
    bool trouvee = false;
    int PosTable = 1;
};
Emplacement ChercheTable(const Modele &m, double table);

// Number of the last table of the current round; none when the round has no
// row, whatever the other rounds hold.
std::optional<int> RechDernTable(const Modele &m);

// The four navigation buttons: first, previous, next, last table.
enum class Navigation { Premiere, Precedente, Suivante, Derniere };
// Table number reached from the number shown (empty: none shown); none when
// the round has no table. Previous and next move by one number within the
// round's first and last numbers, whether or not that table exists.
std::optional<int> TableVoisine(const Modele &m, Navigation sens, const QString &tableAffichee);

// Number proposed by "&Nouveau": one after the highest table of the round
// (composition) or after the highest table with a score (score mode); 0 when
// the entrants would not fill it.
int NouvelleTable(const Modele &m, bool modeScores);

// The round's number of deals as a box shows it, empty when not given.
QString NbPartiesManche(const Modele &m);
