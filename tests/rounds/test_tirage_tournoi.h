#pragma once

#include "ranking/classement.h"
#include "rounds/tirage.h"
#include "store/modele.h"
#include "support/tournoi.h"

#include <QFile>
#include <QTemporaryDir>

// The platform of the draw tests: remembers every change of the pointer, and
// its generator gives the values queued in `valeurs` first.
struct PlateformeTirage : PlateformeTest
{
    QList<bool> pointeurs;
    QQueue<double> valeurs;

    double hasard() override { return valeurs.isEmpty() ? PlateformeTest::hasard() : valeurs.dequeue(); }
    void sablier(bool actif) override
    {
        PlateformeTest::sablier(actif);
        pointeurs << actif;
    }
};

// A tournament ready for a draw, in a directory of its own: number 01, round 1
// of 1 current, every method random until a test sets it.
struct TournoiTirage
{
    QTemporaryDir dossier;
    PlateformeTirage p;
    Modele m{p};

    explicit TournoiTirage(const QString &type = QStringLiteral("TAROT"))
    {
        m.RepProgramme = dossier.path();
        m.NumTournoi = QStringLiteral("01");
        m.TypeJeu = *TypeJeu::depuisTexte(type);
        m.Tirage = TirageDepuisTexte(QStringLiteral("ALEATOIRE"));
        m.TirageManche1 = TirageDepuisTexte(QStringLiteral("ALEATOIRE"));
        manches(1, 1);
    }

    // An entrant after those already there, ticked unless told otherwise; no ranking yet.
    void joueur(int numero, bool coche = true)
    {
        const int r = m.Joueurs.ajouteLigne();
        m.Joueurs(1, r) = numero;
        m.Joueurs(2, r) = QString(coche ? QStringLiteral("X") : QStringLiteral(" "));
        m.Joueurs(3, r) = QStringLiteral("Nom%1").arg(numero);
        m.Joueurs(4, r) = QString();
        for (int c = 5; c <= 9; ++c)
            m.Joueurs(c, r) = SansValeur;
    }
    // Entrants numbered 1 to n.
    void joueurs(int n, bool coche = true)
    {
        for (int k = 1; k <= n; ++k)
            joueur(k, coche);
    }

    void manches(int nombre, int courante)
    {
        m.Manches.vide();
        for (int k = 1; k <= nombre; ++k) {
            const int r = m.Manches.ajouteLigne();
            m.Manches(1, r) = k;
            m.Manches(2, r) = QStringLiteral("20:00");
            m.Manches(3, r) = QStringLiteral("21:00");
            m.Manches(4, r) = QStringLiteral("5");
            m.Manches(5, r) = QString(k == courante ? QStringLiteral("X") : QStringLiteral(" "));
        }
        m.MancheCourante = courante;
    }

    // One table of a round, seat 1 first; a score on each seat when told.
    void table(int manche, int table, const QList<int> &entrants, bool scores = false)
    {
        for (int numero : entrants) {
            const int r = m.Scores.ajouteLigne();
            m.Scores(1, r) = manche;
            m.Scores(2, r) = table;
            m.Scores(3, r) = QString();
            m.Scores(4, r) = numero;
            for (int c = 5; c <= 7; ++c)
                m.Scores(c, r) = QString();
            if (scores)
                m.Scores(5, r) = numero;
        }
    }

    // The files as an opening would have found them.
    void enregistre()
    {
        m.EcritJoueurs();
        m.EcritManches();
        m.EcritScores();
    }
    QByteArray lit(QChar lettre) const
    {
        QFile f(m.Chemin(m.NomFichier(lettre)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }

    // The rows of Scores as the file writes them.
    QStringList lignesScores() const
    {
        return DecoupeLignes(DepuisCp1252(ContenuScores(m.Scores)));
    }

    // The Joueurs rows in the order of the last grid sort.
    QList<int> ordreGrille() const
    {
        QList<int> lignes;
        for (int i = 1; i <= m.TabTri.nbLignes(); ++i)
            lignes << int(m.TabTri(1, i).nombre());
        return lignes;
    }

    // The draw, answered Yes (or No) and taking the grid of the last sort.
    bool tire(bool oui = true)
    {
        p.reponses.enqueue(oui);
        m.OrdreGrille.clear();
        for (int r : ordreGrille())
            m.OrdreGrille << int(m.Joueurs(1, r).nombre());
        return TirageAuSort(m);
    }

    // The entrants of each table of a round, table 1 first, seat 1 first.
    QList<QList<int>> tables(int manche) const
    {
        QList<QList<int>> resultat;
        for (int r = 1; r <= m.NbScores(); ++r) {
            if (m.Scores(1, r).nombre() != manche)
                continue;
            const int t = int(m.Scores(2, r).nombre());
            while (resultat.size() < t)
                resultat.append(QList<int>());
            resultat[t - 1] << int(m.Scores(4, r).nombre());
        }
        return resultat;
    }
};
