#pragma once

class Plateforme;
class QLineEdit;

// Numeric boxes filter their keys: digits and Backspace, and the minus sign
// where negative points are allowed. A refused key is discarded, with a beep
// when a platform is given. Keys that type nothing (Tab, Enter, arrows) pass.
void FiltreNumerique(QLineEdit *boite, Plateforme *bip = nullptr, bool moinsPermis = false);
