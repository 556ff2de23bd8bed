#pragma once

// Columns of the three tables of a tournament (column 0 is never used).

// Entrants: a player, or a team of two in team belote; 5 to 9 are computed by the ranking.
namespace ColJoueur {
enum : int { Numero = 1, Coche, Nom, Prenom, Manches, Parties, Points, MoyManches, MoyParties, Nb };
}

// Rounds: row k describes round k.
namespace ColManche {
enum : int { Numero = 1, Debut, Fin, Parties, Active, Nb };
}

// Tables and scores: one row per seat of every table of every round, in round
// then table order; the deals, belotes and capots are the same on every row of a table.
namespace ColScore {
enum : int { Manche = 1, Table, Parties, Joueur, Points, Belotes, Capots, Nb };
}

// The sort work table: row of Joueurs, first and second keys, two carried columns.
namespace ColTabTri {
enum : int { Ligne = 1, Cle, Cle2, Libre4, Libre5, Nb };
}
