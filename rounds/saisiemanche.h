#pragma once

#include <QString>

class Modele;

// The round being edited in the round schedule window, as its boxes hold it.
struct SaisieManche
{
    QString numero;  // txtNM
    QString debut;   // mskDeb, "__:__" when blank
    QString fin;     // mskFin
    QString parties; // txtNPA
};

// The box the focus goes back to after a refusal.
enum class ChampManche { Aucun, Debut, Fin, Parties };

struct IssueOK
{
    enum Action { Fermer, Refus, Enregistree } action;
    ChampManche champ = ChampManche::Aucun;
};

// The number of deals must stay below 99; false after the error box.
bool ControleParties(Modele &m, const QString &parties);

// "&OK": the checks in order, with their error boxes and questions, then the
// save. The entry may come back changed: deals "1" when none were given, a
// time of 24:00 corrected.
IssueOK ValideManche(Modele &m, SaisieManche &saisie);

// Saves the round being edited and makes it the current round: a number above
// the last round adds a round, any other number saves into the row of the
// current round. False when nothing could be saved.
bool EnregManche(Modele &m, const SaisieManche &saisie);

// A click on round r of the grid: r becomes the current round.
bool ChoisitManche(Modele &m, int r);

// "S&upprimer": deletes the last round when it is the current one and holds
// no score, with the unscored tables drawn for it, after confirmation.
// True when the round was deleted.
bool SupprimeManche(Modele &m);
