#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

// Pictures of the tournament window, drawn by the program itself.

// A bar button: a short glyph on a rounded square of the given colour.
QIcon Pictogramme(const QString &glyphe, const QColor &fond);

// The sort buttons: a filled triangle over the sorted column, an outline elsewhere.
QIcon PictureTri(bool actif);
