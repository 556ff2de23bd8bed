#pragma once

#include <QList>
#include <QPixmap>

// The three card pictures of Tarot (false) or of Belote (true), drawn by the
// program: the about window shows them and the tournament window lets them drift.
QList<QPixmap> CartesDuJeu(bool belote);
