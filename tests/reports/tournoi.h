// The tournament the report tests print, and the header lines they expect.
#pragma once

#include "store/modele.h"
#include "store/texte.h"
#include "support/tournoi.h"

#include <QFile>
#include <QTemporaryDir>

inline QString blancs(int n)
{
    return QString(n, u' ');
}

// A tournament named "Coupe du club", printed on 7 March 2026 at 21:05:03.
struct TournoiRapport
{
    QTemporaryDir dossier;
    PlateformeTest p;
    Modele m{p};

    explicit TournoiRapport(const QString &type = "TAROT")
    {
        m.RepProgramme = dossier.path();
        m.TypeJeu = *TypeJeu::depuisTexte(type);
        m.NomTournoi = "Coupe du club";
        p.heure = QDateTime(QDate(2026, 3, 7), QTime(21, 5, 3));
    }

    // Entrants must be added in ascending number.
    void joueur(int numero, const QString &nom, const QString &prenom)
    {
        const int r = m.Joueurs.ajouteLigne();
        m.Joueurs(1, r) = numero;
        m.Joueurs(2, r) = QString(" ");
        m.Joueurs(3, r) = nom;
        m.Joueurs(4, r) = prenom;
        for (int c = 5; c <= 9; ++c)
            m.Joueurs(c, r) = SansValeur;
    }
    void manche(const QString &debut, const QString &fin, const QString &parties)
    {
        const int r = m.Manches.ajouteLigne();
        m.Manches(1, r) = r;
        m.Manches(2, r) = debut;
        m.Manches(3, r) = fin;
        m.Manches(4, r) = parties;
        m.Manches(5, r) = QString(" ");
    }
    // One table: a row per seat, scores empty unless given.
    void table(int manche, int table, const QList<int> &entrants, const QStringList &scores = {})
    {
        for (int i = 0; i < entrants.size(); ++i) {
            const int r = m.Scores.ajouteLigne();
            m.Scores(1, r) = manche;
            m.Scores(2, r) = table;
            m.Scores(3, r) = QString();
            m.Scores(4, r) = entrants[i];
            m.Scores(5, r) = i < scores.size() ? scores[i] : QString();
        }
    }
    void nommePlaces()
    {
        for (int i = 1; i <= 4; ++i)
            m.Decalage[i] = i - 1;
    }
    QByteArray lit(const QString &fichier) const
    {
        QFile f(m.Chemin(fichier));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
};

// The five opening lines of a one-page report.
inline QStringList enteteSimple(int ecart)
{
    return {
        blancs(8) + "Velmora Tarot Belote 3.72" + blancs(ecart) + "07/03/2026",
        blancs(8) + "Velmora - gestion de tournois de cartes" + blancs(31) + "21:05:03",
        " ",
        blancs(40) + "Coupe du club" + blancs(33),
        " ",
    };
}

// The six opening lines of each page of a paged report.
inline QStringList entetePage(int page)
{
    return {
        "\f",
        blancs(8) + "Velmora Tarot Belote 3.72" + blancs(44) + "PAGE : " + QString::number(page).rightJustified(2),
        blancs(8) + "Velmora - gestion de tournois de cartes" + blancs(29) + "07/03/2026",
        blancs(78) + "21:05:03",
        blancs(40) + "Coupe du club" + blancs(33),
        " ",
    };
}

// The first line that differs, with both versions; empty when the lists are equal.
