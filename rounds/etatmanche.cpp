#include "rounds/etatmanche.h"
#include "store/modele.h"
#include "store/texte.h"

void CalculeEtatManche(Modele &m)
{
    if (m.NbManches() == 0) {
        m.EtatManche.fill(QString());
        m.NbJoueursManche = 0;
        m.NbTables = 0;
    } else {
        const QString manche = QStringLiteral("Manche ") + TexteSigne(m.MancheCourante);
        const bool valide = m.MancheCourante >= 1 && m.MancheCourante <= m.NbManches();
        int joueurs = 0;
        bool incomplete = false;
        for (int r = 1; r <= m.NbScores(); ++r) {
            if (m.Scores(ColScore::Manche, r).nombre() != m.MancheCourante)
                continue;
            ++joueurs;
            incomplete = incomplete || m.Scores(ColScore::Points, r).estVide();
        }
        const int ligne = valide ? m.MancheCourante : 0; // row 0 is the empty one
        m.EtatManche[0] = manche;
        m.EtatManche[1] = m.Manches(ColManche::Debut, ligne).texte() + QStringLiteral(" / ")
                          + m.Manches(ColManche::Fin, ligne).texte();
        m.EtatManche[2] = TexteSigne(joueurs) + QStringLiteral(" joueurs");
        m.EtatManche[3] = joueurs > 0 && !incomplete ? QStringLiteral("Terminée") : QStringLiteral(" ");
        m.EtatManche[4] = manche;
        m.NbJoueursManche = joueurs;
        m.NbTables = int(ArrondiPair(double(joueurs) / m.NbParTable()));
    }
    emit m.etatMancheChange();
}

bool MajEtatManche(Modele &m)
{
    CalculeEtatManche(m);
    return m.EcritManches();
}

bool ChangeManches(Modele &m, const TableCellules &manches, int courante)
{
    const bool ecrit = m.EcritManches(manches, courante);
    CalculeEtatManche(m);
    return ecrit;
}
