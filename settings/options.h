#pragma once

#include <QString>

class Modele;
struct Reglages;

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
