#pragma once

class Modele;

// Deletions of the table and score window. Each rewrites the scores file,
// recomputes the ranking and refreshes the round status; when the file cannot
// be written, Scores stays as it was and the result is false.

// Removes a table of the current round; the rows after it move up. False as
// well when the round has no such table.
bool SupprimeTable(Modele &m, double table);

// Removes every table of the current round; false as well when it has none.
bool SupprimeTablesManche(Modele &m);

// Empties the deals, scores, belotes and capots of every row of the current
// round; the compositions stay.
bool EffaceScoresManche(Modele &m);
