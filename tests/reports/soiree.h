// The evening the report tests print: two rounds of a tournament of each game.
#pragma once

#include "reports/feuilles.h"
#include "reports/feuillescsv.h"
#include "reports/fiche.h"
#include "reports/grille.h"
#include "reports/listes.h"
#include "reports/manches.h"
#include "support/tournoi.h"

// Round 2 is current, both rounds have 4 deals. Round 1 had tables 1 and 2;
// round 2 has tables 2 and 3, table 1 having been deleted. In round 2, table
// 2 is scored but for its second seat, table 3 not at all. Entrant 8 sits out
// round 1, entrant 9 round 2. In team belote, four teams at tables of two.
// Entrant 5 has values without averages, entrant 2 every value.
inline void Soiree(Tournoi &t, bool places = false)
{
    if (t.m.TypeJeu.estEquipes()) {
        t.joueur(1, "DUPONT Jean", "DURAND Luc").joueur(2, "MARTIN Anne", "PETIT Zoé");
        t.joueur(3, "ROUX Paul", "LEROY Eve").joueur(4, "DUPONT Jean-Pierre et fils aînés ++", "SIMON Marc");
        t.manches(2, "4").table(1, 1, {1, 2}, {"10", "-10"}, "5").table(1, 2, {3, 4});
        t.table(2, 2, {1, 4}, {"", "80"}, "4").table(2, 3, {3, 2});
    } else {
        const char *noms[][2] = {{"ANDRE", "Paul"}, {"BERNARD", "Lise"}, {"CARON", "Marc"},
                                 {"DUBOIS", "Eve"}, {"ABCDEFGHIJKLMNOPQRST", "Jean"}, {"FAURE", "Anne"},
                                 {"GIRARD", "Luc"}, {"HENRY", "Zoé"},     {"IMBERT", "Noé"}};
        for (int i = 0; i < 9; ++i)
            t.joueur(i + 1, noms[i][0], noms[i][1]);
        t.manches(2, "4").table(1, 1, {1, 2, 3, 4}, {"10", "-10", "0", "0"}, "5").table(1, 2, {5, 6, 7, 9});
        t.table(2, 2, {8, 3, 5, 1}, {"10", "", "-10", "0"}, "4").table(2, 3, {2, 7, 4, 6});
        const double valeurs[][5] = {{2, 8, 250, SansValeur, SansValeur}, {3, 12, -1234, -411, -103}};
        for (int c = ColJoueur::Manches; c <= ColJoueur::MoyParties; ++c) {
            t.m.Joueurs(c, 5) = valeurs[0][c - ColJoueur::Manches];
            t.m.Joueurs(c, 2) = valeurs[1][c - ColJoueur::Manches];
        }
    }
    if (places)
        t.places();
}

// Writes a report through its printing routine: a text file ("GRILLE.TXT")
// through the channel of the run, a document ("GRILLE.docx") as the command
// line writes it. `argument` is the table of the sheets, or the Joueurs row
// of the player sheet (found on the same grid row).
inline bool Imprime(Modele &m, const QString &fichier, int argument)
{
    const Sortie sortie = fichier.endsWith(".docx") ? Sortie::FichierDocument : Sortie::Choisie;
    const QString nom = fichier.section('.', 0, 0);
    if (nom == "GRILLE")
        return ImprimeGrille(m, sortie);
    if (nom == "MANCHES")
        return ImprimeManches(m);
    if (fichier == "FEUILLES.CSV")
        return ImprimeFeuillesCsv(m);
    if (nom == "FEUILLES")
        return ImprimeFeuilles(m, argument, sortie);
    if (nom == "FICHE")
        return ImprimeFiche(m, FicheJoueur(m, argument, argument), sortie);
    return ImprimeListe(m, nom == "LIST_JOU" ? Liste::ParJoueur : nom == "LIST_NOM" ? Liste::ParNom : Liste::ParTable,
                        sortie);
}
