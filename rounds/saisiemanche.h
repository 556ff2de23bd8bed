#pragma once

#include "rounds/heures.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class Modele;

// The round being edited in the round schedule window, as its boxes hold it.
struct SaisieManche
{
    int numero = 0;                // txtNM, 0 when empty
    QString debut = HeureVide;     // mskDeb, as shown
    QString fin = HeureVide;       // mskFin
    std::optional<int> parties;    // txtNPA, nothing when empty
};

// The box the focus goes back to after a refusal.
enum class ChampManche { Aucun, Debut, Fin, Parties };

struct IssueOK
{
    enum Action { Fermer, Refus, Enregistree } action;
    ChampManche champ = ChampManche::Aucun;
};

// The number of deals must stay below 99; false after the error box.
bool ControleParties(Modele &m, std::optional<int> parties);

// "&OK": both times completed, then the checks in order, with their error
// boxes and questions, then the save, which makes the round the current one:
// a number above the last round adds a round, any other number saves into the
// row of the current round. The entry comes back as the boxes should show
// it: times completed, one deal when none were given, 24:00 corrected.
IssueOK ValideManche(Modele &m, SaisieManche &saisie);

// "&Nouvelle": the number of the round after the last one; new entries are being typed.
int NouvelleManche(Modele &m);

// A click on round r: r becomes the current round and its entry comes back.
// Nothing for a row that is no round, or when the rounds file cannot be written.
std::optional<SaisieManche> ChoisitManche(Modele &m, int r);

// The rows of the rounds grid: number, start, end, deals and the active mark.
// No round is shown while there is no current round.
QList<QStringList> LignesGrilleManches(const Modele &m);

// "S&upprimer": deletes the last round when it is the current one and holds
// no score, with the unscored tables drawn for it, after confirmation.
// True when the round was deleted.
bool SupprimeManche(Modele &m);
