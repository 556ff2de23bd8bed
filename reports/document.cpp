#include "reports/document.h"

void Tableau::ajouteLigne(const QStringList &textes, bool grisee)
{
    QList<CelluleDoc> ligne;
    for (const QString &texte : textes)
        ligne.append(CelluleDoc{texte, grisee});
    lignes.append(ligne);
}
