#pragma once

#include "store/reglages.h"

#include <QPoint>
#include <QString>
#include <array>

class Modele;
class Plateforme;

// The three small cards that drift over the tournament window. Positions and
// steps are in twips (15 to a pixel), so that steps smaller than a pixel add up.
struct AnimationCartes
{
    static constexpr int NbCartes = 3;

    std::array<QPoint, NbCartes> position{};
    std::array<int, NbCartes> DeplX{};
    std::array<int, NbCartes> DeplY{};

    // New steps for every card: horizontal -20 to 19 twips, vertical -5 to 4 (0 is possible).
    void TireDeplacements(Plateforme &p);
    // Every card one step further.
    void Avance();
};

// A position one step further over the field from -2000 to 10000 twips in both
// directions: a card leaving it on one side comes back from the other.
QPoint Deplace(QPoint position, int dx, int dy);

// Name of the full-screen video of the game type, without its ".avi":
// "TAROT" for Tarot, "BELOTE" for either Belote.
QString NomAnimation(TypeJeu typeJeu);
// Plays that video from the program directory, or says that it is missing.
void JoueAnimation(Modele &m);
