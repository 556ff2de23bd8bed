#include "store/texte.h"
#include "store/cellule.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

// Leading blanks skipped, then the longest leading decimal number.
template <typename Caractere>
double LitNombre(const Caractere *texte, qsizetype n)
{
    const Caractere *p = texte, *const fin = texte + n;
    while (p != fin && (*p == ' ' || *p == '\t'))
        ++p;
    const Caractere *const debut = p;
    if (p != fin && (*p == '-' || *p == '+'))
        ++p;
    auto chiffre = [fin](const Caractere *c) { return c != fin && unsigned(*c - '0') <= 9; };
    // Whole numbers, by far the most common, are read in place: exactly up to
    // 18 digits, then as a double.
    const Caractere *const premier = p;
    quint64 petit = 0;
    for (; chiffre(p) && p - premier < 18; ++p)
        petit = petit * 10 + quint64(*p - '0');
    double entier = double(petit);
    for (; chiffre(p); ++p)
        entier = entier * 10 + (*p - '0');
    if (p != fin && *p == '.' && chiffre(p + 1)) {
        for (++p; chiffre(p); ++p)
            ;
        QByteArray decimal(p - debut, Qt::Uninitialized);
        std::transform(debut, p, decimal.begin(), [](Caractere c) { return char(c); });
        return decimal.toDouble();
    }
    if (p == premier)
        return 0;
    return *debut == '-' ? -entier : entier;
}

} // namespace

double ValeurNumerique(QStringView texte)
{
    return LitNombre(texte.utf16(), texte.size());
}

double ValeurNumerique(QByteArrayView texte)
{
    return LitNombre(texte.data(), texte.size());
}

std::optional<int> EntierSaisi(const QString &texte)
{
    static const QRegularExpression entier(QStringLiteral("^-?[0-9]{1,9}$"));
    if (!entier.match(texte).hasMatch())
        return std::nullopt;
    return texte.toInt();
}

double ArrondiPair(double x)
{
    return std::nearbyint(x); // the default rounding mode is to nearest, ties to even
}

int Entier16(double x)
{
    if (std::isnan(x))
        return 0;
    return int(std::clamp(ArrondiPair(x), -32768.0, 32767.0));
}

qint32 Entier32(double x)
{
    if (std::isnan(x))
        return 0;
    return qint32(std::clamp(ArrondiPair(x), double(std::numeric_limits<qint32>::min()),
                             double(std::numeric_limits<qint32>::max())));
}

QString TexteNombre(double n)
{
    if (n == std::floor(n) && std::fabs(n) < 1e15)
        return QString::number(qint64(n));
    return QString::number(n, 'g', 15);
}

QString TexteOuiNon(bool valeur)
{
    return valeur ? QStringLiteral("OUI") : QStringLiteral("NON");
}

QString TexteSigne(double n)
{
    const QString t = TexteNombre(n);
    return n < 0 ? t : QLatin1Char(' ') + t;
}

namespace {

// The plain text of a number into `tampon`, from its end; returns where it starts.
// Whole numbers, the common case, are written without going through a QString.
char16_t *EcritNombre(double n, char16_t *fin)
{
    char16_t *debut = fin;
    if (n == std::floor(n) && std::fabs(n) < 1e15) {
        qint64 entier = qint64(n);
        const bool negatif = entier < 0;
        quint64 reste = negatif ? quint64(-entier) : quint64(entier);
        do {
            *--debut = char16_t(u'0' + reste % 10);
            reste /= 10;
        } while (reste != 0);
        if (negatif)
            *--debut = u'-';
        return debut;
    }
    const QString texte = TexteNombre(n);
    debut -= texte.size();
    std::copy(texte.utf16(), texte.utf16() + texte.size(), debut);
    return debut;
}

} // namespace

void AjouteCadre(QString &ligne, const Cellule &valeur, int largeur)
{
    if (largeur <= 0)
        return;
    char16_t champ[256];
    if (largeur > 256) {
        ligne += Cadrer(valeur, largeur);
        return;
    }
    CadreDans(champ, valeur, largeur);
    ligne.append(reinterpret_cast<const QChar *>(champ), largeur);
}

namespace {

// One field of `largeur` characters at `d`: numbers right-aligned, losing
// their leading characters when wider than the field; texts left-aligned and
// cut to the field, each byte turned into a character by `caractere`.
template <typename Car, typename Conversion>
void Cadre(Car *d, const Cellule &valeur, int largeur, Conversion caractere)
{
    std::fill(d, d + largeur, Car(' '));
    if (valeur.estVide())
        return;
    if (valeur.estNombre()) {
        char16_t tampon[64];
        char16_t *fin = tampon + 64;
        const char16_t *debut = EcritNombre(valeur.nombre(), fin);
        const qsizetype n = std::min<qsizetype>(fin - debut, largeur);
        std::transform(fin - n, fin, d + largeur - n, [](char16_t c) { return Car(c); });
    } else {
        const QByteArrayView octets = valeur.octets();
        std::transform(octets.data(), octets.data() + std::min<qsizetype>(octets.size(), largeur), d, caractere);
    }
}

} // namespace

void CadreOctets(char *d, const Cellule &valeur, int largeur)
{
    Cadre(d, valeur, largeur, [](char c) { return c; });
}

void CadreDans(char16_t *d, const Cellule &valeur, int largeur)
{
    Cadre(d, valeur, largeur, [](char c) { return CaractereCp1252(uchar(c)); });
}

QString Cadrer(const Cellule &valeur, int largeur)
{
    if (largeur <= 0)
        return {};
    QString champ(largeur, Qt::Uninitialized);
    CadreDans(reinterpret_cast<char16_t *>(champ.data()), valeur, largeur);
    return champ;
}

QString Centrer(const QString &texte, int largeur, QChar remplissage)
{
    const int d = largeur - int(texte.size());
    if (d < 0)
        return texte.left(largeur);
    const int gauche = int(ArrondiPair(d / 2.0));
    return QString(gauche, remplissage) + texte + QString(d - gauche, remplissage);
}

QString SansEspaces(const QString &texte)
{
    qsizetype debut = 0, fin = texte.size();
    while (debut < fin && texte[debut] == u' ')
        ++debut;
    while (fin > debut && texte[fin - 1] == u' ')
        --fin;
    return texte.mid(debut, fin - debut);
}

namespace {

// Code points of bytes 0x80 to 0x9F; the five unassigned bytes keep their own value.
constexpr char16_t haut[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

int CodeCp1252Haut(char16_t u)
{
    if (u >= 0xA0 && u <= 0xFF)
        return u;
    for (int i = 0; i < 32; ++i)
        if (haut[i] == u)
            return 0x80 + i;
    return '?';
}

char16_t CaractereCp1252Haut(uchar octet)
{
    return octet < 0xA0 ? haut[octet - 0x80] : char16_t(octet);
}

QString DepuisCp1252(QByteArrayView octets)
{
    QString texte(octets.size(), Qt::Uninitialized);
    char16_t *d = reinterpret_cast<char16_t *>(texte.data());
    for (qsizetype i = 0; i < octets.size(); ++i)
        d[i] = CaractereCp1252(uchar(octets[i]));
    return texte;
}

QByteArray VersCp1252(const QString &texte)
{
    QByteArray octets(texte.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < texte.size(); ++i)
        octets[i] = char(CodeCp1252(texte[i]));
    return octets;
}

bool EstCp1252(const QString &texte)
{
    for (const QChar c : texte)
        if (CodeCp1252(c) == '?' && c != u'?')
            return false;
    return true;
}

int compareOctets(QByteArrayView a, QByteArrayView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const int c = n == 0 ? 0 : std::memcmp(a.data(), b.data(), std::size_t(n));
    if (c != 0)
        return c < 0 ? -1 : 1;
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int compareCp1252(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int x = CodeCp1252(a[i]), y = CodeCp1252(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

QStringList DecoupeLignes(const QString &texte)
{
    QStringList lignes;
    qsizetype debut = 0;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lignes << texte.mid(debut, i - debut);
        if (c == u'\r' && i + 1 < texte.size() && texte[i + 1] == u'\n')
            ++i;
        debut = i + 1;
    }
    if (debut < texte.size())
        lignes << texte.mid(debut);
    return lignes;
}
