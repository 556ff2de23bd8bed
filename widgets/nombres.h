#pragma once

class Plateforme;
class QLineEdit;

// The one rule of every box that holds a whole number: digits only, a minus
// sign in first position where negatives are allowed, `chiffres` digits at
// most. Typed, pasted or dropped text goes through the same rule; a refused
// key is discarded with a beep. What the box holds is read with EntierSaisi.
void BoiteNombre(QLineEdit *boite, Plateforme &plateforme, int chiffres, bool negatif = false);
