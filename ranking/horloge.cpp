#include "ranking/horloge.h"
#include "store/modele.h"

#include <QDateTime>

namespace {

constexpr int MinutesParJour = 24 * 60;
// A tick comes a minute after the one before; the first one of a window two
// minutes after the minute before its opening. Beyond that, and a little
// drift, the machine slept or the clock was set.
constexpr qint64 RetardMaximal = 3;

// Minutes counted on the wall clock, across days.
qint64 Minute(const QDateTime &instant)
{
    const QTime heure = instant.time();
    return instant.date().toJulianDay() * MinutesParJour + heure.hour() * 60 + heure.minute();
}

// Minutes since midnight, or -1 when the text is not a time.
int MinuteDuJour(const QString &texte)
{
    const QTime heure = QTime::fromString(texte, QStringLiteral("HH:mm"));
    return heure.isValid() ? heure.hour() * 60 + heure.minute() : -1;
}

// The minute each alarm last rang, for the whole run: the model keeps it,
// whichever window rings.
class AlarmesSonnees : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    qint64 alerte = -1, fin = -1, minuit = -1;

    static AlarmesSonnees &De(Modele &m)
    {
        auto *alarmes = m.findChild<AlarmesSonnees *>(QString(), Qt::FindDirectChildrenOnly);
        return alarmes ? *alarmes : *new AlarmesSonnees(&m);
    }
};

// Whether an alarm due at this minute rings: once a minute, whatever window asks.
bool Premiere(qint64 &derniere, qint64 minute)
{
    if (derniere == minute)
        return false;
    derniere = minute;
    return true;
}

} // namespace

Horloge::Horloge(Modele &modele) : m(modele), m_derniere(Minute(modele.plateforme.maintenant()) - 1) {}

TopHorloge Horloge::Top()
{
    const QDateTime maintenant = m.plateforme.maintenant();
    TopHorloge top;
    top.heure = maintenant.toString(QStringLiteral("HH:mm"));
    const qint64 present = Minute(maintenant);
    const qint64 ecart = present - m_derniere;
    if (ecart == 0)
        return top;
    m_derniere = present;

    AlarmesSonnees &sonnees = AlarmesSonnees::De(m);
    const int fin = MinuteDuJour(FinMancheCourante(m));
    const qint64 atteintes = ecart > 0 && ecart <= RetardMaximal ? ecart : 1;
    for (qint64 minute = present - atteintes + 1; minute <= present; ++minute) {
        const int duJour = int(minute % MinutesParJour);
        if (fin >= 0 && fin - duJour == 5 && Premiere(sonnees.alerte, minute))
            top.alerte = true;
        if (fin == duJour && Premiere(sonnees.fin, minute))
            top.fin = true;
        if (duJour == 0 && Premiere(sonnees.minuit, minute))
            top.minuit = true;
    }
    return top;
}

void Horloge::Sonne(const TopHorloge &top)
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

QString FinMancheCourante(const Modele &m)
{
    if (m.MancheCourante < 1 || m.MancheCourante > m.NbManches())
        return {};
    return m.Manches(ColManche::Fin, m.MancheCourante).texte();
}

#include "horloge.moc"
