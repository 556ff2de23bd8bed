#include "app/plateformeconsole.h"

#include <cstdio>

void PlateformeConsole::message(Icone icone, const QString &, const QString &texte)
{
    if (icone == Icone::Information)
        return;
    std::fprintf(stderr, "%s\n", texte.toLocal8Bit().constData());
}
