#include "rounds/saisiemanche.h"
#include "rounds/etatmanche.h"
#include "store/modele.h"
#include "store/texte.h"

#include <utility>

namespace {

bool EnregManche(Modele &m, const SaisieManche &saisie)
{
    const bool nouvelle = saisie.numero > m.NbManches();
    if (!nouvelle && (m.MancheCourante < 1 || m.MancheCourante > m.NbManches()))
        return false;
    TableCellules manches = m.Manches;
    const int r = nouvelle ? manches.ajouteLigne() : m.MancheCourante;
    manches(ColManche::Numero, r) = r;
    manches(ColManche::Debut, r) = saisie.debut;
    manches(ColManche::Fin, r) = saisie.fin;
    manches(ColManche::Parties, r) = saisie.parties ? QString::number(*saisie.parties) : QString();
    return ChangeManches(m, manches, r);
}

} // namespace

bool ControleParties(Modele &m, std::optional<int> parties)
{
    if (parties.value_or(0) < 99)
        return true;
    m.AfficheErreur(QStringLiteral("Le nombre de parties doit être inférieur à 99."));
    return false;
}

IssueOK ValideManche(Modele &m, SaisieManche &saisie)
{
    // A time half typed is completed as leaving its box would have done.
    saisie.debut = CompleteHeure(saisie.debut);
    saisie.fin = CompleteHeure(saisie.fin);
    const bool sansDebut = saisie.debut == HeureVide, sansFin = saisie.fin == HeureVide;
    if (saisie.numero == 0 && sansDebut && sansFin)
        return {IssueOK::Fermer};
    if (sansDebut != sansFin) {
        const QString manque = sansDebut
                                   ? QStringLiteral("Vous avez renseigné l'heure de fin et pas l'heure de début.")
                                   : QStringLiteral("Vous avez renseigné l'heure de début et pas l'heure de fin.");
        m.AfficheErreur(manque + u'\n'
                        + QStringLiteral("Ces deux champs sont optionnels, mais doivent être ou vides tous les deux,")
                        + QStringLiteral(" ou renseignés tous les deux."));
        return {IssueOK::Refus, ChampManche::Debut};
    }
    if (saisie.parties.value_or(0) == 0)
        saisie.parties = 1;
    if (!ControleParties(m, saisie.parties))
        return {IssueOK::Refus, ChampManche::Parties};
    for (auto [heure, champ] : {std::pair{&saisie.debut, ChampManche::Debut}, {&saisie.fin, ChampManche::Fin}}) {
        QString message;
        if (!ControleHeure(m, *heure, message)) {
            m.AfficheErreur(message);
            return {IssueOK::Refus, champ};
        }
    }
    const int debut = Heures(saisie.debut) * 60 + Minutes(saisie.debut);
    const int fin = Heures(saisie.fin) * 60 + Minutes(saisie.fin);
    const QString inverse =
        QStringLiteral("Confirmez-vous que l'heure de début doit bien être supérieure à l'heure de fin ?");
    if (debut > fin && !m.plateforme.question(TitreProgramme, inverse, false))
        return {IssueOK::Refus, ChampManche::Debut};
    if (!EnregManche(m, saisie))
        return {IssueOK::Refus};
    return {IssueOK::Enregistree};
}

int NouvelleManche(Modele &m)
{
    m.ModeNouveau = true;
    return m.NbManches() + 1;
}

std::optional<SaisieManche> ChoisitManche(Modele &m, int r)
{
    if (r < 1 || r > m.NbManches())
        return std::nullopt;
    m.ModeNouveau = false;
    if (!ChangeManches(m, m.Manches, r))
        return std::nullopt;
    // Deals not given are read from the file as blanks.
    return SaisieManche{Entier16(m.Manches(ColManche::Numero, r).nombre()), m.Manches(ColManche::Debut, r).texte(),
                        m.Manches(ColManche::Fin, r).texte(),
                        EntierSaisi(m.Manches(ColManche::Parties, r).texte().trimmed())};
}

QList<QStringList> LignesGrilleManches(const Modele &m)
{
    QList<QStringList> lignes;
    for (int r = 1; m.MancheCourante != 0 && r <= m.NbManches(); ++r)
        lignes << QStringList{m.Manches(ColManche::Numero, r).texte(), m.Manches(ColManche::Debut, r).texte(),
                              m.Manches(ColManche::Fin, r).texte(), m.Manches(ColManche::Parties, r).texte(),
                              r == m.MancheCourante ? QStringLiteral("X") : QStringLiteral(" ")};
    return lignes;
}
bool SupprimeManche(Modele &m)
{
    const int derniere = m.NbManches();
    if (derniere == 0)
        return false;
    const QString refus = QStringLiteral("Vous ne pouvez supprimer que la dernière manche, et si aucune partie n'a ")
                          + QStringLiteral("été jouée dans cette manche.");
    if (m.MancheCourante != derniere) {
        m.AfficheErreur(refus);
        return false;
    }
    // The rows of a round follow each other and the last round comes last:
    // its tables are the rows from the first one found to the end.
    int gardees = -1;
    for (int r = 1; r <= m.NbScores(); ++r) {
        if (m.Scores(ColScore::Manche, r).nombre() != derniere)
            continue;
        if (gardees < 0)
            gardees = r - 1;
        if (!m.Scores(ColScore::Points, r).estVide()) {
            m.AfficheErreur(refus);
            return false;
        }
    }
    if (gardees < 0)
        gardees = m.NbScores();
    if (!m.plateforme.question(TitreProgramme,
                               QStringLiteral("Voulez-vous vraiment supprimer la manche ") + TexteSigne(derniere)
                                   + QStringLiteral(" ?"),
                               false))
        return false;
    // The tables go first: should the rounds file then fail, the round stays,
    // without tables, which is a state the program knows.
    TableCellules scores = m.Scores;
    scores.redimensionne(gardees);
    if (!m.EcritScores(scores))
        return false;
    TableCellules manches = m.Manches;
    manches.redimensionne(derniere - 1);
    return ChangeManches(m, manches, derniere - 1);
}
