#pragma once

#include <functional>

class QWidget;

// Tab or Enter in a box validates it and moves the focus along a fixed chain.
// The validation replaces the usual move of the toolkit: it decides where the
// focus goes, or refuses the key (usually with a beep). Shift+Tab keeps its
// usual meaning.
void SurTabEntree(QWidget *boite, std::function<void()> validation);

// Tab or Enter in a box takes the focus to `suivant`.
void ChaineVers(QWidget *boite, QWidget *suivant);

// Tab or Enter in a box takes the focus to `suivant` once `valide` accepts the
// box; a refusing `valide` shows its own message and places the focus itself.
void ChaineSaisie(QWidget *boite, QWidget *suivant, std::function<bool()> valide);
