#include "ranking/horloge.h"
#include "store/modele.h"

#include <QTime>

namespace {

const QString FormatMinute = QStringLiteral("HH:mm");
constexpr int MinutesParJour = 24 * 60;
// A tick later than this after the minute shown (a machine back from sleep,
// a clock set forward) only rings for its own minute.
constexpr int RetardMaximal = 2;

// Minutes since midnight, or -1 when the text is not a time.
int Minutes(const QString &texte)
{
    const QTime heure = QTime::fromString(texte, FormatMinute);
    return heure.isValid() ? heure.hour() * 60 + heure.minute() : -1;
}

} // namespace

TopHorloge CalculeTop(const QTime &maintenant, const QString &finManche, const QString &minutePrecedente)
{
    TopHorloge top;
    top.heure = maintenant.toString(FormatMinute);
    top.nouvelleMinute = top.heure != minutePrecedente;
    if (!top.nouvelleMinute)
        return top;

    const int present = maintenant.hour() * 60 + maintenant.minute();
    const int precedente = Minutes(minutePrecedente);
    int atteintes = 1;
    if (precedente >= 0) {
        const int ecart = (present - precedente + MinutesParJour) % MinutesParJour;
        if (ecart <= RetardMaximal)
            atteintes = ecart;
    }

    const int fin = Minutes(finManche);
    for (int k = atteintes - 1; k >= 0; --k) {
        const int minute = (present - k + MinutesParJour) % MinutesParJour;
        if (fin >= 0 && fin - minute == 5)
            top.alerte = true;
        if (fin == minute)
            top.fin = true;
        if (minute == 0)
            top.minuit = true;
    }
    return top;
}

QString FinMancheCourante(const Modele &m)
{
    if (m.MancheCourante < 1 || m.MancheCourante > m.NbManches())
        return {};
    return m.Manches(ColManche::Fin, m.MancheCourante).texte();
}

TopHorloge LitHorloge(Modele &m, const QString &minutePrecedente)
{
    return CalculeTop(m.plateforme.maintenant().time(), FinMancheCourante(m), minutePrecedente);
}

void SonneTop(Modele &m, const TopHorloge &top)
{
    // The option's path goes to the platform as typed: an empty or missing file is silent.
    if (top.alerte)
        m.plateforme.joueSon(m.FichierSon5);
    if (top.fin)
        m.plateforme.joueSon(m.FichierSon);
    if (!top.minuit)
        return;
    if (m.plateforme.question(TitreProgramme, QStringLiteral("Coucou ! Un peu sommeil ?"), false))
        m.plateforme.message(Plateforme::Icone::Exclamation, TitreProgramme,
                             QStringLiteral("Il doit rester du café ..."));
    else
        m.plateforme.message(Plateforme::Icone::Exclamation, QStringLiteral("VELMORA"),
                             QStringLiteral("Attention, ne buvez pas trop de café !"));
}
