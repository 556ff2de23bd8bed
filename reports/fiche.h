#pragma once

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

// The Scores rows of the entrant with this number, in Scores order.
QList<int> ScoresJoueur(const Modele &m, double numero);

// FICHE.TXT: the sheet as shown, with one line per table of the entrant in
// which a score not entered counts 0.
QStringList LignesFiche(const Modele &m, const Fiche &fiche);

// Prints the player sheet through the text channel.
bool ImprimeFiche(Modele &m, const Fiche &fiche, bool ouvrirEditeur = true);
