#include "rounds/heures.h"
#include "store/modele.h"
#include "store/texte.h"

namespace {

QString Unites(const QString &partie)
{
    const double valeur = ValeurNumerique(partie);
    return valeur >= 0 && valeur <= 9 ? u'0' + TexteNombre(valeur) : partie;
}

} // namespace

int Heures(const QString &heure)
{
    return Entier16(ValeurNumerique(heure.mid(0, 2)));
}

int Minutes(const QString &heure)
{
    return Entier16(ValeurNumerique(heure.mid(3, 2)));
}

QString CompleteHeure(const QString &heure)
{
    if (heure == HeureVide)
        return heure;
    return Unites(heure.mid(0, 2)) + u':' + Unites(heure.mid(3, 2));
}

bool ControleHeure(Modele &m, QString &heure, QString &message)
{
    message.clear();
    if (heure.isEmpty() || heure == HeureVide)
        return true;
    const int h = Heures(heure), mn = Minutes(heure);
    if (h == 24 && mn == 0) {
        const bool avant = m.plateforme.question(
            TitreProgramme, QStringLiteral("24 heures, ça n'existe pas ! Choisissez ... 23:59 (Oui) ou 00:00 (Non)"),
            true);
        heure = avant ? QStringLiteral("23:59") : QStringLiteral("00:00");
        return true;
    }
    if (h < 0 || h > 23)
        message = QStringLiteral("Heure incorrecte !");
    else if (mn < 0 || mn > 59)
        message = QStringLiteral("Minutes incorrectes !");
    return message.isEmpty();
}

bool ValideHeure(Modele &m, QString &heure)
{
    heure = CompleteHeure(heure);
    QString message;
    if (ControleHeure(m, heure, message))
        return true;
    m.AfficheErreur(message);
    return false;
}
