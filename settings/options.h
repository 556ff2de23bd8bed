#pragma once

class Modele;

// The program-wide options file VELMORA.INI: averages, balance control and
// the two alarm sounds. Read once at start-up; a malformed file stops the program.
void LitOptions(Modele &m);
// Rewrites the options file, then the header of the open tournament.
bool EcritOptions(Modele &m);
