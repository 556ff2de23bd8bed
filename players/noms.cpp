#include "players/noms.h"
#include "store/texte.h"

namespace {

constexpr int LongueurNom = 30;

QChar AutreCasse(QChar c, QChar autre)
{
    return autre != c && CodeCp1252(autre) != '?' ? autre : c;
}

} // namespace

QChar MajusculeAnsi(QChar c)
{
    return AutreCasse(c, c.toUpper());
}

QString MajusculesAnsi(const QString &texte)
{
    QString resultat = texte;
    for (QChar &c : resultat)
        c = MajusculeAnsi(c);
    return resultat;
}

QString MinusculesAnsi(const QString &texte)
{
    QString resultat = texte;
    for (QChar &c : resultat)
        c = AutreCasse(c, c.toLower());
    return resultat;
}

QString TouchePrenom(const QString &boite, QChar touche)
{
    if (touche == u' ')
        return boite.isEmpty() ? QString() : QStringLiteral("-");
    if (boite.isEmpty() || boite.endsWith(u'-'))
        return MajusculeAnsi(touche);
    return touche;
}

QString ConvertitNomBelote(const QString &texte)
{
    const qsizetype blanc = texte.indexOf(u' ');
    if (blanc < 0)
        return MajusculesAnsi(texte);
    QString prenom = texte.mid(blanc + 1);
    qsizetype debut = 0;
    while (debut < prenom.size() && prenom[debut] == u' ')
        ++debut;
    prenom = MajusculesAnsi(prenom.mid(debut, 1)) + MinusculesAnsi(prenom.mid(debut + 1));
    const qsizetype tiret = prenom.indexOf(u'-');
    if (tiret >= 0 && tiret + 1 < prenom.size())
        prenom[tiret + 1] = MajusculeAnsi(prenom[tiret + 1]);
    return MajusculesAnsi(texte.left(blanc)) + u' ' + prenom;
}

QString NomEnregistre(const QString &texte)
{
    return SansEspaces(DepuisCp1252(VersCp1252(texte.left(LongueurNom))));
}
