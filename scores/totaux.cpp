#include "scores/totaux.h"
#include "store/modele.h"
#include "store/texte.h"

namespace {

// Sum of the points of the seats, and whether every seat has points.
struct Somme
{
    double total = 0;
    bool complete = true;
};

Somme SommePoints(const Modele &m, const Saisie &s)
{
    Somme somme;
    for (int k = 0; k < m.NbParTable(); ++k) {
        somme.total += NombreSaisi(s.NPO[k]);
        somme.complete = somme.complete && EntierSaisi(s.NPO[k]);
    }
    return somme;
}

// The end of the refusal messages: what the points have too many or too few.
QString Ecart(double ecart)
{
    return ecart > 0 ? QStringLiteral("il y a ") + TexteNombre(ecart) + QStringLiteral(" points en trop.")
                     : QStringLiteral("il manque ") + TexteNombre(-ecart) + QStringLiteral(" points.");
}

} // namespace

qint32 TotalPoints(const Modele &m, const Saisie &s)
{
    qint32 total = 0;
    for (int k = 0; k < m.NbParTable(); ++k)
        total = Entier32(double(total) + NombreSaisi(s.NPO[k]));
    return total;
}

int FacteurBelote(const Modele &m)
{
    return m.TypeJeu == TypeJeu::BeloteInd ? 2 : 1;
}

qint32 TotalBase(const Modele &m, const QString &parties)
{
    return Entier32(double(FacteurBelote(m)) * NombreSaisi(parties) * m.TotalBelote);
}

ControleBelote CalculControleBelote(const Modele &m, const Saisie &s, const QString &totalBase)
{
    ControleBelote c;
    c.lblPtsBel = QStringLiteral("Nombre de belotes à ") + TexteNombre(m.PtsBeloteRebelote)
                  + QStringLiteral(" points dans la manche :");
    c.lblPtsCap = QStringLiteral("Nombre de capots à ") + TexteNombre(m.PtsCapot)
                  + QStringLiteral(" points dans la manche :");
    const int f = FacteurBelote(m);
    const double belotes = NombreSaisi(s.NbBelotes), capots = NombreSaisi(s.NbCapots);
    c.total = NombreSaisi(totalBase);
    if (EntierSaisi(s.NbBelotes))
        c.total = Entier32(belotes * m.PtsBeloteRebelote * f + c.total);
    if (EntierSaisi(s.NbCapots))
        c.total = Entier32(capots * m.PtsCapot * f + c.total);
    const QString x = QStringLiteral(" x "), plus = QStringLiteral("  +  ");
    c.expression = u'(' + TexteNombre(belotes) + x + TexteNombre(m.PtsBeloteRebelote) + plus + TexteNombre(capots)
                   + x + TexteNombre(m.PtsCapot) + plus + s.NPA + QStringLiteral(" parties x ")
                   + TexteNombre(m.TotalBelote) + u')';
    return c;
}

std::optional<QString> RefusPoints(const Modele &m, const Saisie &s, qint32 controle)
{
    const Somme somme = SommePoints(m, s);
    if (m.TypeJeu.estBelote()) {
        for (int k = 0; k < m.NbParTable(); ++k)
            if (NombreSaisi(s.NPO[k]) < 0)
                return QStringLiteral("Des points négatifs ? A la belote ? Corrigez, merci !");
        if (m.TotalBelote != 0 && m.OptCtrlBal && somme.complete && somme.total != controle)
            return QStringLiteral("Le total des points n'est pas égal à ") + TexteNombre(controle)
                   + QStringLiteral(" : ") + Ecart(somme.total - controle);
    } else if (m.TypeJeu == TypeJeu::Tarot && m.OptCtrlBal && somme.complete && somme.total != 0) {
        return QStringLiteral("Le total des points ne balance pas : ") + Ecart(somme.total);
    }
    return std::nullopt;
}
