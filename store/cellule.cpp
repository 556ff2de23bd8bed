#include "store/cellule.h"
#include "store/texte.h"

#include <cstring>

Cellule::Cellule(const QString &t)
{
    // Characters the code page lacks become '?', as the file will hold them.
    if (t.size() <= Court::Capacite) {
        Court court;
        court.taille = quint8(t.size());
        for (qsizetype i = 0; i < t.size(); ++i)
            court.octets[i] = char(CodeCp1252(t[i]));
        m_valeur = court;
    } else {
        m_valeur = VersCp1252(t);
    }
}

Cellule Cellule::depuisOctets(QByteArrayView octets)
{
    Cellule c;
    if (octets.size() <= Court::Capacite) {
        Court court;
        court.taille = quint8(octets.size());
        if (!octets.isEmpty())
            std::memcpy(court.octets, octets.data(), std::size_t(octets.size()));
        c.m_valeur = court;
    } else {
        c.m_valeur = octets.toByteArray();
    }
    return c;
}

QByteArrayView Cellule::octets() const
{
    if (const Court *court = std::get_if<Court>(&m_valeur))
        return QByteArrayView(court->octets, court->taille);
    if (const QByteArray *long_ = std::get_if<QByteArray>(&m_valeur))
        return *long_;
    return {};
}

double Cellule::nombreTexte() const
{
    return ValeurNumerique(octets());
}

QString Cellule::texte() const
{
    if (const double *n = std::get_if<double>(&m_valeur))
        return TexteNombre(*n);
    return DepuisCp1252(octets());
}

bool Cellule::operator==(const Cellule &autre) const
{
    if (estNombre() || autre.estNombre())
        return estNombre() && autre.estNombre() && nombre() == autre.nombre();
    return estRien() == autre.estRien() && octets() == autre.octets();
}

int compareCellules(const Cellule &a, const Cellule &b)
{
    const bool texteA = a.estTexte() || (a.estRien() && b.estTexte());
    const bool texteB = b.estTexte() || (b.estRien() && a.estTexte());
    if (texteA && texteB)
        return compareOctets(a.octets(), b.octets());
    if (texteA != texteB)
        return texteA ? 1 : -1;
    const double x = a.nombre(), y = b.nombre();
    return x < y ? -1 : (x > y ? 1 : 0);
}
