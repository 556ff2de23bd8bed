#include "store/cellule.h"
#include "store/texte.h"

double Cellule::nombre() const
{
    if (const double *n = std::get_if<double>(&m_valeur))
        return *n;
    if (const QString *t = std::get_if<QString>(&m_valeur))
        return ValeurNumerique(*t);
    return 0;
}

QString Cellule::texte() const
{
    if (const double *n = std::get_if<double>(&m_valeur))
        return TexteNombre(*n);
    if (const QString *t = std::get_if<QString>(&m_valeur))
        return *t;
    return {};
}

int compareCellules(const Cellule &a, const Cellule &b)
{
    const bool texteA = a.estTexte() || (a.estRien() && b.estTexte());
    const bool texteB = b.estTexte() || (b.estRien() && a.estTexte());
    if (texteA && texteB)
        return compareCp1252(a.texte(), b.texte());
    if (texteA != texteB)
        return texteA ? 1 : -1;
    const double x = a.nombre(), y = b.nombre();
    return x < y ? -1 : (x > y ? 1 : 0);
}
