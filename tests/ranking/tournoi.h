#pragma once

#include "store/modele.h"
#include "support/tournoi.h"

#include <QTemporaryDir>

// A tournament of the tests, in a directory of its own: TAROT, number 01.
// The ranking tests use support/tournoi.h; the entrants' test still includes this one.
struct TournoiTest
{
    QTemporaryDir dossier;
    PlateformeTest p;
    Modele m{p};

    TournoiTest()
    {
        m.RepProgramme = dossier.path();
        m.NumTournoi = QStringLiteral("01");
        m.TypeJeu = *TypeJeu::depuisTexte(QStringLiteral("TAROT"));
    }

    // An entrant, after those already there: no ranking yet.
    int joueur(int numero, const QString &coche = QStringLiteral(" "), const QString &nom = {},
               const QString &prenom = {})
    {
        const int r = m.Joueurs.ajouteLigne();
        m.Joueurs(1, r) = numero;
        m.Joueurs(2, r) = coche;
        m.Joueurs(3, r) = nom;
        m.Joueurs(4, r) = prenom;
        for (int c = 5; c <= 9; ++c)
            m.Joueurs(c, r) = SansValeur;
        return r;
    }

    // A seat of table 1 of a round; deals and points as typed, empty when not entered.
    void score(int manche, int numero, const QString &donnes, const QString &points)
    {
        const int r = m.Scores.ajouteLigne();
        m.Scores(1, r) = manche;
        m.Scores(2, r) = 1;
        m.Scores(3, r) = donnes;
        m.Scores(4, r) = numero;
        m.Scores(5, r) = points;
        m.Scores(6, r) = QString();
        m.Scores(7, r) = QString();
    }

    void manches(int nombre)
    {
        for (int k = 1; k <= nombre; ++k) {
            const int r = m.Manches.ajouteLigne();
            m.Manches(1, r) = k;
            m.Manches(2, r) = QStringLiteral("20:00");
            m.Manches(3, r) = QStringLiteral("21:00");
            m.Manches(4, r) = QStringLiteral("5");
            m.Manches(5, r) = QStringLiteral(" ");
        }
    }

    // Entrant numbers in the order left in TabTri by the last sort.
    QList<int> ordreTri() const
    {
        QList<int> numeros;
        for (int i = 1; i <= m.TabTri.nbLignes(); ++i)
            numeros << int(m.Joueurs(1, int(m.TabTri(1, i).nombre())).nombre());
        return numeros;
    }
};
