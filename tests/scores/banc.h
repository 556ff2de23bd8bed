#pragma once

#include "store/modele.h"
#include "support/tournoi.h"

#include <QFile>
#include <QTemporaryDir>

// A tournament of the score tests in a directory of its own: entrants 1 to n
// named "Nom k" "Prénom k", three rounds of 8 deals, round 1 current.
struct Banc
{
    QTemporaryDir dossier;
    PlateformeTest p;
    Modele m{p};

    explicit Banc(const QString &jeu = QStringLiteral("TAROT"), int entrants = 16)
    {
        m.RepProgramme = dossier.path();
        m.NumTournoi = QStringLiteral("01");
        m.TypeJeu = *TypeJeu::depuisTexte(jeu);
        m.TotalBelote = 162;
        for (int k = 1; k <= entrants; ++k) {
            const int r = m.Joueurs.ajouteLigne();
            m.Joueurs(1, r) = k;
            m.Joueurs(2, r) = QStringLiteral(" ");
            m.Joueurs(3, r) = QStringLiteral("Nom %1").arg(k);
            m.Joueurs(4, r) = QStringLiteral("Prénom %1").arg(k);
            for (int c = 5; c <= 9; ++c)
                m.Joueurs(c, r) = SansValeur;
        }
        for (int k = 1; k <= 3; ++k) {
            const int r = m.Manches.ajouteLigne();
            m.Manches(1, r) = k;
            m.Manches(2, r) = QStringLiteral("20:00");
            m.Manches(3, r) = QStringLiteral("21:00");
            m.Manches(4, r) = QStringLiteral(" 8");
            m.Manches(5, r) = QStringLiteral(" ");
        }
        m.MancheCourante = 1;
    }

    // A table appended to Scores: its entrants from `premier` on, with `points`
    // on every seat when given.
    void table(int manche, int numero, int premier, const QString &points = {})
    {
        for (int k = 0; k < m.NbParTable(); ++k) {
            const int r = m.Scores.ajouteLigne();
            m.Scores(1, r) = manche;
            m.Scores(2, r) = numero;
            m.Scores(3, r) = points.isEmpty() ? QString() : QStringLiteral("8");
            m.Scores(4, r) = premier + k;
            m.Scores(5, r) = points;
            m.Scores(6, r) = QString();
            m.Scores(7, r) = QString();
        }
    }

    // Round/table of each table in Scores order, as "1/2".
    QStringList tables() const
    {
        QStringList liste;
        for (int r = 1; r <= m.NbScores(); r += m.NbParTable())
            liste << m.Scores(1, r).texte() + u'/' + m.Scores(2, r).texte();
        return liste;
    }

    QByteArray fichier() const
    {
        QFile f(m.Chemin(m.NomFichier(u'S')));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Writes go nowhere from now on: every writer fails.
    void sansDisque() { m.RepProgramme = dossier.filePath(QStringLiteral("absent")); }
};
