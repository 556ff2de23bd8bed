#pragma once

#include <QString>

class Modele;

// The three boxes of the entry form, as typed.
struct FicheJoueur
{
    QString numero, nom, prenom;
};

// What OK made of the boxes, and so what the form does next.
enum class IssueFiche {
    Fermer,       // the three boxes are empty: the form closes
    NomVide,      // focus to the empty box
    PrenomVide,
    NumeroRefuse, // the error box said why; focus to the number
    Abandon,      // No to the duplicate question: the boxes stay as typed
    NonEcrit,     // the players file could not be written
    Enregistre,
};

// OK of the entry form. `ligne` is the row in Joueurs of the entrant shown,
// -1 for a new one, and becomes the row of the entrant added. A new entrant
// needs a free number from 1 to 9999; while new entries are typed, a name and
// first name already registered are questioned. With `conversion`, team
// members become "NAME First-name" (the fiche keeps them so). An addition
// sorts the grid by number.
IssueFiche ValideFiche(Modele &m, FicheJoueur &fiche, int &ligne, bool conversion);

// Deletes the entrant of row `ligne`: refused while he sits at a table of a
// round, and asked first with his number and names. The ranking is computed
// again; true once he is gone.
bool SupprimeFiche(Modele &m, int ligne);
