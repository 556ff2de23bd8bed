#pragma once

#include <QString>
#include <variant>

// A cell of the tournament tables: empty, a number or a text.
// The kind matters: files write numbers right-aligned and texts left-aligned,
// and a text read from a file keeps its padding so that it is written back unchanged.
class Cellule
{
public:
    Cellule() = default;
    Cellule(double n) : m_valeur(n) {}
    Cellule(int n) : m_valeur(double(n)) {}
    Cellule(const QString &t) : m_valeur(t) {}
    Cellule(const char *t) : m_valeur(QString::fromUtf8(t)) {}

    bool estRien() const { return std::holds_alternative<std::monostate>(m_valeur); }
    bool estNombre() const { return std::holds_alternative<double>(m_valeur); }
    bool estTexte() const { return std::holds_alternative<QString>(m_valeur); }
    // Nothing at all, or an empty text.
    bool estVide() const { return estRien() || (estTexte() && std::get<QString>(m_valeur).isEmpty()); }

    // Numeric value: the number itself, the leading number of a text, 0 when empty.
    double nombre() const;
    // Text form: the number's plain text, the text as held, empty when empty.
    QString texte() const;

    bool operator==(const Cellule &autre) const = default;

private:
    std::variant<std::monostate, double, QString> m_valeur;
};

// Comparison as the grid sort does it: numbers numerically, texts by their
// Windows-1252 codes, a number always before a text, empty as 0 or as "".
int compareCellules(const Cellule &a, const Cellule &b);
