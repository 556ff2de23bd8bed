#pragma once

#include <QString>

class Modele;
class QTime;

// What one tick of the clock of the tournament window does, decided from the
// time of day, the end time of the current round and the minute the clock
// showed before the tick.
struct TopHorloge
{
    QString heure;               // the time of day, "HH:NN"
    bool nouvelleMinute = false; // the clock and the caption are refreshed
    bool alerte = false;         // five minutes before the end of the round
    bool fin = false;            // the end time of the round
    bool minuit = false;         // the midnight greeting
};

// The minutes reached by a tick are those after the minute shown before it,
// up to the time of day: a tick that comes a little late does not lose a
// minute, one that comes a little early does not ring twice. The alarms
// compare times of the same day, so an end time after midnight gets no
// early warning. An end time that is not a time ("__:__") rings nothing.
TopHorloge CalculeTop(const QTime &maintenant, const QString &finManche, const QString &minutePrecedente);

// End time of the current round as typed; empty when no round is current.
QString FinMancheCourante(const Modele &m);

// The tick at the time of the platform's clock.
TopHorloge LitHorloge(Modele &m, const QString &minutePrecedente);

// The sounds of a tick, then the midnight greeting, through the platform.
void SonneTop(Modele &m, const TopHorloge &top);
