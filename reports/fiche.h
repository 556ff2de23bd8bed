#pragma once

#include "reports/canal.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class Modele;

// What the player sheet shows of an entrant, as texts.
struct Fiche
{
    QString numero, nom, prenom;
    // Rounds played, deals played, points, average per round, average per
    // deal: each empty while the entrant has no value.
    std::array<QString, 5> valeurs;
    // Position in the ranking grid over the number of entrants, e.g. "3/24".
    QString classement;
};

// The sheet of the entrant at row `ligneJoueur` of Joueurs, found at row
// `ligneGrille` of the ranking grid.
Fiche FicheJoueur(const Modele &m, int ligneJoueur, int ligneGrille);

// Row of the ranking grid (from 1) showing the entrant with this number; 0 when none does.
int LigneDuNumero(const Modele &m, double numero);
// First row of the ranking grid, from `debut` on, whose name contains `texte`
// without regard to case; 0 when none does.
int LigneDuNom(const Modele &m, const QString &texte, int debut);

// What a search of the player sheet decides.
struct RechercheFiche
{
    // False when nothing else happens: both keys empty, or both filled (then
    // the error says so and the buttons stay as they are).
    bool faite = false;
    // Row of the ranking grid found, 0 when nobody.
    int ligne = 0;
    // The "next" and "print" buttons.
    bool suivant = false, impression = false;
    // Text of the error box, empty when none.
    QString erreur;
};

// A search from the two key boxes: by number when only the number is given
// (0 counts as no number), by name when only the name is.
RechercheFiche ChercheFiche(const Modele &m, const QString &numero, const QString &nom);
// The search by name from row `debut` of the ranking grid.
RechercheFiche ChercheNom(const Modele &m, const QString &nom, int debut);

// The rows of the sheet's grid for the entrant with this number, one per
// table in Scores order: the round, the deals played (0 when not given) and
// the points as typed.
QList<QStringList> GrilleFiche(const Modele &m, double numero);

// The Scores rows of the entrant with this number, in Scores order.
QList<int> ScoresJoueur(const Modele &m, double numero);

// FICHE.TXT: the sheet as shown, with one line per table of the entrant in
// which a score not entered counts 0.
QStringList LignesFiche(const Modele &m, const Fiche &fiche);

// The sheet as a document: the entrant in the page header, a table of the
// same rows with shaded headings and totals, then the averages and the
// position; the model tells the progress.
Document DocumentFiche(Modele &m, const Fiche &fiche);

// Prints the player sheet.
bool ImprimeFiche(Modele &m, const Fiche &fiche, Sortie sortie = Sortie::Choisie);
