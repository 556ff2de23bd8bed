// A tournament of the round tests, in a directory of its own: number 01.
#pragma once

#include "store/modele.h"
#include "store/texte.h"
#include "support/tournoi.h"

#include <QDir>
#include <QTemporaryDir>

struct TournoiTest
{
    QTemporaryDir dossier;
    PlateformeTest p;
    Modele m{p};

    explicit TournoiTest(const QString &type = QStringLiteral("TAROT"))
    {
        m.RepProgramme = dossier.path();
        m.NumTournoi = QStringLiteral("01");
        m.TypeJeu = *TypeJeu::depuisTexte(type);
    }

    // Rounds 1 to n, 20:00 to 22:00, 5 deals, round `courante` current (the last by default).
    void manches(int n, int courante = -1)
    {
        for (int k = 1; k <= n; ++k) {
            const int r = m.Manches.ajouteLigne();
            m.Manches(1, r) = r;
            m.Manches(2, r) = QStringLiteral("20:00");
            m.Manches(3, r) = QStringLiteral("22:00");
            m.Manches(4, r) = QStringLiteral("5");
        }
        m.MancheCourante = courante < 0 ? n : courante;
        for (int k = 1; k <= n; ++k)
            m.Manches(5, k) = QString(k == m.MancheCourante ? QStringLiteral("X") : QStringLiteral(" "));
    }

    // `sieges` rows of a table of a round; the first `notes` of them have points.
    void table(int manche, int numero, int sieges, int notes = 0)
    {
        for (int i = 0; i < sieges; ++i) {
            const int r = m.Scores.ajouteLigne();
            m.Scores(1, r) = manche;
            m.Scores(2, r) = numero;
            m.Scores(4, r) = i + 1;
            m.Scores(5, r) = i < notes ? QStringLiteral("10") : QString();
        }
    }

    // Lines of a file of the tournament; "<absent>" when there is none.
    QStringList lignes(const QString &fichier) const
    {
        return m.FichierExiste(fichier) ? Lignes(const_cast<Modele &>(m), fichier) : QStringList{QStringLiteral("<absent>")};
    }
    // Makes the next writes of a file fail: a folder takes its name.
    void bloque(const QString &fichier) { QDir(dossier.path()).mkdir(fichier); }
};
