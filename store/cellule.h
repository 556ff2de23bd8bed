#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstring>

// A cell of the tournament tables: empty, a number or a text.
// The kind matters: files write numbers right-aligned and texts left-aligned,
// and a text read from a file keeps its padding so that it is written back unchanged.
// Texts are held in the code page of the files, Windows-1252, and the short
// ones inside the cell itself: the largest tables hold a hundred thousand of
// them, which must cost neither an allocation each nor more memory than needed.
class Cellule
{
public:
    Cellule() = default;
    Cellule(double n) { fixeNombre(n); }
    Cellule(int n) : Cellule(double(n)) {}
    Cellule(const QString &t);
    Cellule(const char *t) : Cellule(QString::fromUtf8(t)) {}
    // A text given in Windows-1252, as a file holds it.
    static Cellule depuisOctets(QByteArrayView octets);

    Cellule(const Cellule &autre) { copie(autre); }
    Cellule(Cellule &&autre) noexcept { prend(autre); }
    Cellule &operator=(const Cellule &autre)
    {
        if (this != &autre) {
            libere();
            copie(autre);
        }
        return *this;
    }
    Cellule &operator=(Cellule &&autre) noexcept
    {
        if (this != &autre) {
            libere();
            prend(autre);
        }
        return *this;
    }
    ~Cellule() { libere(); }

    bool estRien() const { return genre() == Genre::Rien; }
    bool estNombre() const { return genre() == Genre::Nombre; }
    bool estTexte() const { return genre() == Genre::Court || genre() == Genre::Long; }
    // Nothing at all, or an empty text.
    bool estVide() const { return estRien() || (genre() == Genre::Court && taille() == 0); }

    // Numeric value: the number itself, the leading number of a text, 0 when empty.
    double nombre() const { return estNombre() ? valeur<double>() : nombreTexte(); }
    // Text form: the number's plain text, the text as held, empty when empty.
    QString texte() const;
    // The Windows-1252 bytes of a text; nothing for a number or an empty cell.
    QByteArrayView octets() const
    {
        if (genre() == Genre::Court)
            return QByteArrayView(reinterpret_cast<const char *>(m_octets), taille());
        if (genre() == Genre::Long)
            return *valeur<QByteArray *>();
        return {};
    }

    bool operator==(const Cellule &autre) const;

private:
    // Sixteen bytes: a number, or a short text and its length, or the address
    // of a longer text (a name of fifteen letters or more); the kind last.
    enum class Genre : quint8 { Rien, Nombre, Court, Long };
    static constexpr int Capacite = 14;
    static constexpr int PlaceTaille = 14;
    static constexpr int PlaceGenre = 15;

    Genre genre() const { return Genre(m_octets[PlaceGenre]); }
    int taille() const { return m_octets[PlaceTaille]; }
    template <typename T>
    T valeur() const
    {
        T v;
        std::memcpy(&v, m_octets, sizeof(T));
        return v;
    }
    template <typename T>
    void fixe(Genre genre, T v)
    {
        std::memcpy(m_octets, &v, sizeof(T));
        m_octets[PlaceGenre] = quint8(genre);
    }
    void fixeNombre(double n) { fixe(Genre::Nombre, n); }
    double nombreTexte() const;
    void fixeOctets(QByteArrayView octets);
    void copie(const Cellule &autre);
    void prend(Cellule &autre);
    void libere()
    {
        if (genre() == Genre::Long)
            libereLong();
        m_octets[PlaceGenre] = quint8(Genre::Rien);
    }
    void libereLong();

    alignas(8) quint8 m_octets[16] = {};
};

// Comparison as the grid sort does it: numbers numerically, texts by their
// Windows-1252 codes, a number always before a text, empty as 0 or as "".
int compareCellules(const Cellule &a, const Cellule &b);
