#include "store/cellule.h"
#include "store/texte.h"

#include <cstring>

static_assert(sizeof(Cellule) == 16, "a cell holds its short texts in 16 bytes");

Cellule::Cellule(const QString &t)
{
    // Characters the code page lacks become '?', as the file will hold them.
    if (t.size() <= Capacite) {
        for (qsizetype i = 0; i < t.size(); ++i)
            m_octets[i] = quint8(CodeCp1252(t[i]));
        m_octets[PlaceTaille] = quint8(t.size());
        m_octets[PlaceGenre] = quint8(Genre::Court);
    } else {
        fixe(Genre::Long, new QByteArray(VersCp1252(t)));
    }
}

Cellule Cellule::depuisOctets(QByteArrayView octets)
{
    Cellule c;
    c.fixeOctets(octets);
    return c;
}

void Cellule::fixeOctets(QByteArrayView octets)
{
    if (octets.size() <= Capacite) {
        if (!octets.isEmpty())
            std::memcpy(m_octets, octets.data(), std::size_t(octets.size()));
        m_octets[PlaceTaille] = quint8(octets.size());
        m_octets[PlaceGenre] = quint8(Genre::Court);
    } else {
        fixe(Genre::Long, new QByteArray(octets.toByteArray()));
    }
}

void Cellule::copie(const Cellule &autre)
{
    if (autre.genre() == Genre::Long)
        fixe(Genre::Long, new QByteArray(*autre.valeur<QByteArray *>()));
    else
        std::memcpy(m_octets, autre.m_octets, sizeof m_octets);
}

void Cellule::prend(Cellule &autre)
{
    std::memcpy(m_octets, autre.m_octets, sizeof m_octets);
    autre.m_octets[PlaceGenre] = quint8(Genre::Rien);
}

void Cellule::libereLong()
{
    delete valeur<QByteArray *>();
}

double Cellule::nombreTexte() const
{
    return ValeurNumerique(octets());
}

QString Cellule::texte() const
{
    if (estNombre())
        return TexteNombre(valeur<double>());
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
