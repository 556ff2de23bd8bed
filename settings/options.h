#pragma once

#include "store/reglages.h"

#include <QString>
#include <array>
#include <variant>

class Modele;

// The program-wide options file VELMORA.INI: averages, balance control and
// the two alarm sounds. Read once at start-up; a malformed or unreadable file
// stops the program.
void LitOptions(Modele &m);

// Writes the options file, then the header of tournament `numero`, from these
// settings. When the header cannot be written the options file is put back
// as it was; false after the error box.
bool EcritOptions(Modele &m, const Reglages &r, const QString &numero);

// The settings of the open tournament, validated: written, then the model's;
// the windows are told.
bool EnregistreReglages(Modele &m, const Reglages &r);

// A new tournament under `numero`: its header and the options file are
// written; the model takes the program-wide options only, the tournament
// itself is opened afterwards.
bool CreeTournoi(Modele &m, const QString &numero, const Reglages &r);

// The options dialog as the user leaves it at "Valider": the boxes as typed,
// the ticks and the options chosen.
struct SaisieOptions
{
    QString NomTournoi;
    ::TypeJeu TypeJeu; // Aucun when no game is chosen
    TypeTirage TirageManche1 = TypeTirage::Aleatoire;
    TypeTirage Tirage = TypeTirage::Aleatoire;
    std::array<QString, 4> Decalages; // Nord, Est, Sud, Ouest
    bool Alarme5 = false, Alarme = false; // "En fonction" of the two alarms
    QString FichierSon5, FichierSon;
    bool Animation = true, CalculAuto = true, CtrlBal = true, AffichMoy = true;
    QString TotalBelote, PtsBeloteRebelote, PtsCapot;
    // The belote boxes cannot be edited (an open tarot tournament): their
    // values stay as they are, whatever the boxes hold.
    bool BeloteVerrouillee = false;
};

// The controls a refusal can send the focus to.
enum class ChampOption {
    Alarme5, Alarme, FichierSon5, FichierSon, TypeJeu, NomTournoi,
    DecalageNord, DecalageEst, DecalageSud, DecalageOuest,
    TotalBelote, PtsBeloteRebelote, PtsCapot
};

struct RefusOptions
{
    ChampOption champ;
    QString message;
};

// Bounds of the values typed in the dialog: what the header and the score
// checks hold without loss.
constexpr int MaxPointsBelote = 9999;
constexpr int MaxDecalage = 9999;

// The checks of "Valider": the first refusal, or the settings to store, made
// from `actuels` and what the dialog holds. Offsets are kept only for the
// "Tournoi" draw, as numbers; an empty belote total means no check (0).
std::variant<Reglages, RefusOptions> ControleOptions(const Reglages &actuels, const SaisieOptions &s);
