// The tables of the score tests, built and read back in a few characters.
#pragma once

#include "support/tournoi.h"

// 16 entrants, three rounds of 8 deals, round `manche` current, 162 points a
// deal; the tables given as "round/table", scored 0 on every seat over 5 deals
// when "*" follows. The seats are given the entrants 1, 2, 3... in turn.
inline void Compose(Tournoi &t, const QString &tables, int manche = 1)
{
    t.joueurs(16).manches(3, QStringLiteral(" 8")).courante(manche);
    t.m.TotalBelote = 162;
    int entrant = 0;
    for (const QString &table : tables.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList n = QString(table).remove(u'*').split(u'/');
        const QString points = table.endsWith(u'*') ? QStringLiteral("0") : QString();
        QList<int> entrants;
        for (int k = 0; k < t.m.NbParTable(); ++k)
            entrants << entrant++ % 16 + 1;
        t.table(n[0].toInt(), n[1].toInt(), entrants, QStringList(entrants.size(), points),
                points.isEmpty() ? QString() : QStringLiteral("5"));
    }
}

// Every table of Scores in order as "round/table:entrants=points", followed by
// "x" and its deals, "b" its belotes, "c" its capots when it has them, then "Terminée"
// when the current round is over: "1/1:1,2,3,4=60,-20,-20,-20x8 1/2:5,6,7,8".
inline QString Resume(const Modele &m)
{
    const auto texte = [&m](int colonne, int ligne) { return m.Scores(colonne, ligne).texte().trimmed(); };
    QStringList tables;
    for (int r = 1; r <= m.NbScores(); r += m.NbParTable()) {
        QStringList entrants, points;
        for (int k = r; k < r + m.NbParTable(); ++k) {
            entrants << texte(ColScore::Joueur, k);
            points << texte(ColScore::Points, k);
        }
        QString table = texte(ColScore::Manche, r) + u'/' + texte(ColScore::Table, r) + u':' + entrants.join(u',');
        if (!points.join(QString()).isEmpty())
            table += u'=' + points.join(u',');
        if (!texte(ColScore::Parties, r).isEmpty())
            table += u'x' + texte(ColScore::Parties, r);
        if (!texte(ColScore::Belotes, r).isEmpty())
            table += u'b' + texte(ColScore::Belotes, r);
        if (!texte(ColScore::Capots, r).isEmpty())
            table += u'c' + texte(ColScore::Capots, r);
        tables << table;
    }
    if (m.EtatManche[3] == u"Terminée")
        tables << m.EtatManche[3];
    return tables.join(u' ');
}
