#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Modele;
class QTime;

// What the hall screen shows, one view after the other: the tables of the
// current round, the same seating by name, the ranking; before any table and
// any score, the entrants.
enum class GenreVue { Tables, Noms, Classement, Inscrits };

// A view as rows of cells under column headings; the screen lays the cells
// out in columns and cuts the rows into pages.
struct VueSalle
{
    GenreVue genre = GenreVue::Inscrits;
    QString titre;
    QStringList entetes;
    // Per column: numbers stand to the right.
    QList<bool> aDroite;
    QList<QStringList> lignes;
};

// The tables of the current round in table order, one row per table:
// the table number, then each seat's entrant. The headings name the seats
// when the tournament names them.
VueSalle VueTables(const Modele &m);
// Everyone seated in the current round, by name: name, table, and the seat
// when the seats are named. In team belote each member of a team has a row
// of his own, so that nobody has to know his partner's name to find his table.
VueSalle VueNoms(const Modele &m);
// The ranking in the order of the grid (points first), entrants who have
// played only: place, number, name, first name, points, and the averages
// when the tournament shows them.
VueSalle VueClassement(const Modele &m);
// The entrants by name, with their numbers.
VueSalle VueInscrits(const Modele &m);

// The views shown in turn: tables and names while the current round has
// tables, the ranking once a score is in; the entrants when neither.
QList<VueSalle> VuesSalle(const Modele &m);

// The round in the band: "Manche 2", empty when no round is current.
QString TexteManche(const Modele &m);

// Time left until the end of the round, for the band.
struct FinManche
{
    QString texte;
    // The last five minutes: the band shows it in red.
    bool proche = false;
};

// "Fin de manche dans 12 min" (minutes started count whole), "Fin de manche
// dans 1 h 05" beyond the hour, "Manche terminée" from the end time on, and
// nothing when the round has no end time ("__:__"). The end time lies within
// twelve hours of now, before or after: a round ending at 00:30 is still
// running at 23:50.
FinManche TexteFinManche(const QTime &maintenant, const QString &finManche);
