#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <variant>

// A cell of the tournament tables: empty, a number or a text.
// The kind matters: files write numbers right-aligned and texts left-aligned,
// and a text read from a file keeps its padding so that it is written back unchanged.
// Texts are held in the code page of the files, Windows-1252, and the short
// ones inside the cell itself: the largest tables hold a hundred thousand of
// them, which must not cost an allocation each.
class Cellule
{
public:
    Cellule() = default;
    Cellule(double n) : m_valeur(n) {}
    Cellule(int n) : m_valeur(double(n)) {}
    Cellule(const QString &t);
    Cellule(const char *t) : Cellule(QString::fromUtf8(t)) {}
    // A text given in Windows-1252, as a file holds it.
    static Cellule depuisOctets(QByteArrayView octets);

    bool estRien() const { return std::holds_alternative<std::monostate>(m_valeur); }
    bool estNombre() const { return std::holds_alternative<double>(m_valeur); }
    bool estTexte() const { return !estRien() && !estNombre(); }
    // Nothing at all, or an empty text.
    bool estVide() const { return estRien() || (estTexte() && octets().isEmpty()); }

    // Numeric value: the number itself, the leading number of a text, 0 when empty.
    double nombre() const
    {
        const double *n = std::get_if<double>(&m_valeur);
        return n ? *n : nombreTexte();
    }
    // Text form: the number's plain text, the text as held, empty when empty.
    QString texte() const;
    // The Windows-1252 bytes of a text; nothing for a number or an empty cell.
    QByteArrayView octets() const;

    bool operator==(const Cellule &autre) const;

private:
    double nombreTexte() const;

    struct Court
    {
        static constexpr int Capacite = 23;
        quint8 taille = 0;
        char octets[Capacite];
    };
    std::variant<std::monostate, double, Court, QByteArray> m_valeur;
};

// Comparison as the grid sort does it: numbers numerically, texts by their
// Windows-1252 codes, a number always before a text, empty as 0 or as "".
int compareCellules(const Cellule &a, const Cellule &b);
