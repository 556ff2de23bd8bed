#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

class Cellule;

// Numeric value of a text: leading blanks skipped, then the longest leading
// decimal number (sign, digits, decimal point); 0 when there is none.
double ValeurNumerique(QStringView texte);
double ValeurNumerique(QByteArrayView texte);

// The whole number a box holds: digits with an optional leading minus sign;
// nothing for an empty box, a minus sign alone or any other text.
std::optional<int> EntierSaisi(const QString &texte);

// Rounds to the nearest integer, halves to the even one.
double ArrondiPair(double x);
// Conversion to a 16-bit integer: halves to even, saturated to -32768..32767.
int Entier16(double x);
// Conversion to a 32-bit integer: halves to even, saturated.
qint32 Entier32(double x);

// Plain text of a number: integers without decimals, others with a point.
QString TexteNombre(double n);
// "OUI" or "NON", the flags of the settings files.
QString TexteOuiNon(bool valeur);
// A number with a leading blank for its sign: 24 gives " 24", -3 gives "-3".
QString TexteSigne(double n);

// Field of width w: numbers right-aligned and cut on the left, texts
// left-aligned and cut on the right, empty values as w blanks.
QString Cadrer(const Cellule &valeur, int largeur);
// The same field appended to a line, for the lines built by the thousand.
void AjouteCadre(QString &ligne, const Cellule &valeur, int largeur);
// The same field written at `d`, which has room for `largeur` characters.
void CadreDans(char16_t *d, const Cellule &valeur, int largeur);
// The same field in Windows-1252 bytes, for the files written straight from the cells.
void CadreOctets(char *d, const Cellule &valeur, int largeur);
// Text centred in w characters; the extra fill goes right (left fill = half, halves to even).
// A text longer than the field is cut to the field.
QString Centrer(const QString &texte, int largeur, QChar remplissage = QLatin1Char(' '));

// The text without its leading and trailing spaces (other blanks are kept).
QString SansEspaces(const QString &texte);

// Windows-1252, the code page of every file of the program.
QString DepuisCp1252(QByteArrayView octets);
QByteArray VersCp1252(const QString &texte);
// The character of a Windows-1252 byte.
char16_t CaractereCp1252Haut(uchar octet);
inline char16_t CaractereCp1252(uchar octet)
{
    return octet < 0x80 ? char16_t(octet) : CaractereCp1252Haut(octet);
}
// Windows-1252 code of a character (63, '?', when it has none).
int CodeCp1252Haut(char16_t u);
inline int CodeCp1252(QChar c)
{
    return c.unicode() < 0x80 ? c.unicode() : CodeCp1252Haut(c.unicode());
}
// Whether every character of a text has a Windows-1252 code.
bool EstCp1252(const QString &texte);
// Compares two texts on their Windows-1252 codes.
int compareCp1252(const QString &a, const QString &b);
// Compares two byte strings byte by byte, as unsigned codes.
int compareOctets(QByteArrayView a, QByteArrayView b);

// Lines of a text file: ended by CR LF, LF or CR alone; a final line end adds no line.
QStringList DecoupeLignes(const QString &texte);
