#include "scores/tables.h"
#include "store/modele.h"
#include "store/texte.h"

#include <algorithm>

namespace {

double Manche(const Modele &m, int ligne)
{
    return m.Scores(ColScore::Manche, ligne).nombre();
}

// First row of a later round, or the row after the last one.
int FinDeManche(const Modele &m)
{
    int i = 1;
    while (i <= m.NbScores() && Manche(m, i) <= m.MancheCourante)
        ++i;
    return i;
}

int NumeroTable(const Modele &m, int ligne)
{
    return int(m.Scores(ColScore::Table, ligne).nombre());
}

} // namespace

EtatSaisie EtatSaisieManche(const Modele &m)
{
    EtatSaisie etat;
    for (int i = 1; i <= m.NbScores() && Manche(m, i) <= m.MancheCourante; ++i) {
        if (Manche(m, i) != m.MancheCourante)
            continue;
        etat.TablesManche = true;
        if (!m.Scores(ColScore::Points, i).estVide()) {
            etat.ScoresManche = true;
            break;
        }
    }
    return etat;
}

Emplacement ChercheTable(const Modele &m, double table)
{
    Emplacement e;
    int i = 1;
    while (i <= m.NbScores()) {
        const double manche = Manche(m, i);
        if (manche > m.MancheCourante || (manche == m.MancheCourante && m.Scores(ColScore::Table, i).nombre() >= table))
            break;
        ++i;
    }
    e.PosTable = i;
    e.trouvee = i <= m.NbScores() && Manche(m, i) == m.MancheCourante && m.Scores(ColScore::Table, i).nombre() == table;
    return e;
}

std::optional<int> RechDernTable(const Modele &m)
{
    // The last row before the later rounds must be one of this round: the row
    // before an empty round belongs to an earlier one.
    const int derniere = FinDeManche(m) - 1;
    if (derniere < 1 || Manche(m, derniere) != m.MancheCourante)
        return std::nullopt;
    return NumeroTable(m, derniere);
}

std::optional<int> TableVoisine(const Modele &m, Navigation sens, const QString &tableAffichee)
{
    if (sens == Navigation::Premiere) {
        for (int i = 1; i <= m.NbScores() && Manche(m, i) <= m.MancheCourante; ++i)
            if (Manche(m, i) == m.MancheCourante)
                return NumeroTable(m, i);
        return std::nullopt;
    }
    const std::optional<int> derniere = RechDernTable(m);
    if (!derniere)
        return std::nullopt;
    const std::optional<int> affichee = EntierSaisi(tableAffichee);
    switch (sens) {
    case Navigation::Precedente:
        return affichee ? std::max(*affichee - 1, 1) : *derniere;
    case Navigation::Suivante:
        return std::min(affichee.value_or(0) + 1, *derniere);
    default:
        return derniere;
    }
}

int NouvelleTable(const Modele &m, bool modeScores)
{
    int plusHaute = 0, plusHauteJouee = 0;
    for (int i = 1; i <= m.NbScores(); ++i) {
        if (Manche(m, i) != m.MancheCourante)
            continue;
        plusHaute = std::max(plusHaute, NumeroTable(m, i));
        if (!m.Scores(ColScore::Points, i).estVide())
            plusHauteJouee = std::max(plusHauteJouee, NumeroTable(m, i));
    }
    const int table = (modeScores ? plusHauteJouee : plusHaute) + 1;
    return table * m.NbParTable() <= m.NbJoueurs() ? table : 0;
}

QString NbPartiesManche(const Modele &m)
{
    if (m.MancheCourante < 1 || m.MancheCourante > m.NbManches()
        || m.Manches(ColManche::Parties, m.MancheCourante).estVide())
        return {};
    const QString parties = m.Manches(ColManche::Parties, m.MancheCourante).texte().trimmed();
    return parties.isEmpty() ? QString() : TexteNombre(ValeurNumerique(parties));
}
