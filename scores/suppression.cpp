#include "scores/suppression.h"
#include "ranking/classement.h"
#include "rounds/etatmanche.h"
#include "scores/tables.h"
#include "store/modele.h"

namespace {

// Writes the scores after a change; the model takes them once the file holds them.
bool Valide(Modele &m, const TableCellules &scores)
{
    if (!m.EcritScores(scores))
        return false;
    CalculClassement(m);
    MajEtatManche(m);
    return true;
}

bool DeLaManche(const TableCellules &scores, int ligne, int manche)
{
    return scores(ColScore::Manche, ligne).nombre() == manche;
}

} // namespace

bool SupprimeTable(Modele &m, double table)
{
    const Emplacement e = ChercheTable(m, table);
    if (!e.trouvee)
        return false;
    TableCellules scores = m.Scores;
    scores.supprimeLignes(e.PosTable, m.NbParTable());
    return Valide(m, scores);
}

bool SupprimeTablesManche(Modele &m)
{
    int debut = 1;
    while (debut <= m.NbScores() && m.Scores(ColScore::Manche, debut).nombre() < m.MancheCourante)
        ++debut;
    int fin = debut;
    while (fin <= m.NbScores() && DeLaManche(m.Scores, fin, m.MancheCourante))
        ++fin;
    if (fin == debut)
        return false;
    const Sablier sablier(m.plateforme);
    TableCellules scores = m.Scores;
    scores.supprimeLignes(debut, fin - debut);
    return Valide(m, scores);
}

bool EffaceScoresManche(Modele &m)
{
    const Sablier sablier(m.plateforme);
    TableCellules scores = m.Scores;
    for (int i = 1; i <= m.NbScores(); ++i)
        if (DeLaManche(scores, i, m.MancheCourante))
            for (int c : {ColScore::Parties, ColScore::Points, ColScore::Belotes, ColScore::Capots})
                scores(c, i) = QString();
    return Valide(m, scores);
}
