#pragma once

// Pieces shared by the reports: header lines, paging, names of the entrants.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

class Modele;

// The author credit of every report.
inline const QString CreditAuteur = QStringLiteral("Velmora - gestion de tournois de cartes");

// The left margin of every report line.
inline const QString Marge = QString(8, QLatin1Char(' '));

// The five opening lines of a one-page report: title, `ecart` blanks and the
// date; the credit in 78 columns and the time; a blank line; the tournament
// name centred in 78 columns after the margin; a blank line.
QStringList EnteteRapport(const Modele &m, const QDateTime &quand, int ecart);

// The six opening lines of each page of a paged report: a form feed alone;
// title, blanks and "PAGE : " with the page number; the credit in 76 columns
// and the date; the time in column 79; the centred name; a blank line.
QStringList EntetePage(const Modele &m, const QDateTime &quand, int page);

// The lines of a paged report. Every page starts with its header, the first
// one too; each record counts its lines after a header counted as nine, and
// once a record takes the count over `limite` the next page begins, even when
// no record follows.
QStringList Pagine(const std::function<QStringList(int page)> &entete, const QList<QStringList> &enregistrements,
                   int limite);

// Tells the model's progress through `total` steps, in percent, each time
// the percentage changes.
class Avancement
{
public:
    Avancement(Modele &m, qsizetype total) : m_modele(m), m_total(total) {}
    // One more step done.
    void avance();

private:
    Modele &m_modele;
    qsizetype m_total;
    qsizetype m_faits = 0;
    int m_dit = 0;
};

// Column 3 (name) or 4 (first name) of the entrant with this number; empty
// when no entrant has it.
QString NomJoueur(const Modele &m, double numero, int colonne);
