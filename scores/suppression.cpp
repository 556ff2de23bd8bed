#include "scores/suppression.h"
#include "ranking/classement.h"
#include "rounds/etatmanche.h"
#include "scores/tables.h"
#include "store/modele.h"

namespace {

// Writes the scores file after a change; puts Scores back when it fails.
bool Valide(Modele &m, const TableCellules &avant)
{
    if (!m.EcritScores()) {
        m.Scores = avant;
        return false;
    }
    CalculClassement(m);
    MajEtatManche(m);
    return true;
}

bool DeLaManche(const Modele &m, int ligne)
{
    return m.Scores(1, ligne).nombre() == m.MancheCourante;
}

} // namespace

bool SupprimeTable(Modele &m, double table)
{
    const Emplacement e = ChercheTable(m, table);
    if (!e.trouvee)
        return false;
    const TableCellules avant = m.Scores;
    m.Scores.supprimeLignes(e.PosTable, m.NbParTable());
    return Valide(m, avant);
}

bool SupprimeTablesManche(Modele &m)
{
    int debut = 1;
    while (debut <= m.NbScores() && m.Scores(1, debut).nombre() < m.MancheCourante)
        ++debut;
    int fin = debut;
    while (fin <= m.NbScores() && DeLaManche(m, fin))
        ++fin;
    if (fin == debut)
        return false;
    m.plateforme.sablier(true);
    const TableCellules avant = m.Scores;
    m.Scores.supprimeLignes(debut, fin - debut);
    const bool fait = Valide(m, avant);
    m.plateforme.sablier(false);
    return fait;
}

bool EffaceScoresManche(Modele &m)
{
    m.plateforme.sablier(true);
    const TableCellules avant = m.Scores;
    for (int i = 1; i <= m.NbScores(); ++i)
        if (DeLaManche(m, i))
            for (int c : {3, 5, 6, 7})
                m.Scores(c, i) = QString();
    const bool fait = Valide(m, avant);
    m.plateforme.sablier(false);
    return fait;
}
