#pragma once

#include <QString>

class Modele;

// What one tick of the clock of the tournament window gives.
struct TopHorloge
{
    QString heure;       // the time of day, "HH:NN"
    bool alerte = false; // five minutes before the end of the current round
    bool fin = false;    // the end time of the current round
    bool minuit = false; // the midnight greeting
};

// The clock of one tournament window, one tick a minute.
//
// A tick goes through the minutes after the last one it went through, up to
// the time of day: a tick a little late loses no minute, one a little early
// rings nothing twice; after a long gap (a machine back from sleep) only the
// present minute counts. A new clock starts at the minute before its opening,
// so that its first tick, a minute later, still rings an alarm due at the
// opening. What was rung is kept by the model for the whole run: a window
// opened again never rings a minute the one before it already rang.
//
// The alarms compare times of the same day, so an end time after midnight
// gets no early warning; an end time that is not a time ("__:__") rings nothing.
class Horloge
{
public:
    explicit Horloge(Modele &m);

    // The tick at the time of the platform's clock.
    TopHorloge Top();
    // The sounds of a tick, then the midnight greeting, through the platform.
    void Sonne(const TopHorloge &top);

private:
    Modele &m;
    qint64 m_derniere; // last minute gone through
};

// End time of the current round as typed; empty when no round is current.
QString FinMancheCourante(const Modele &m);
