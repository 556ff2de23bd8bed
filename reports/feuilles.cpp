#include "reports/feuilles.h"
#include "reports/canal.h"
#include "reports/commun.h"
#include "reports/feuillescsv.h"
#include "scores/places.h"
#include "store/modele.h"
#include "store/texte.h"

#include <algorithm>
#include <array>

namespace {

// An entrant seated at the table.
struct Siege
{
    double numero = 0;
    QString nom, prenom;
};
using Sieges = std::array<Siege, 5>; // seats 1 to 4

// Start of every line of a sheet body: the margin and the deal column.
const QString Bord = QStringLiteral("        !    ! ");

// The closing lines of the four-column sheets: totals, then the points box.
const QStringList FinQuatreColonnes = {
    QStringLiteral("        !====!========!========!========!========!========!========!========!========!"),
    QStringLiteral("        !Tot !        !        !        !        !        !        !        !        !"),
    QStringLiteral("        +----+--------+--------+--------+--------+--------+--------+--------+--------+"),
    QStringLiteral(" "),
    QStringLiteral(" "),
    QStringLiteral("        +====+=================+=================+=================+=================+"),
    QStringLiteral("        !    !                 !                 !                 !                 !"),
    QStringLiteral("        !Pts !                 !                 !                 !                 !"),
    QStringLiteral("        +====+=================+=================+=================+=================+"),
};

// D pairs of lines: the separator, then the deal number and the empty boxes.
QStringList LignesParties(int parties, const QString &separateur, const QString &cases)
{
    QStringList lignes;
    for (int p = 1; p <= parties; ++p)
        lignes << separateur << QStringLiteral("        !") + Cadrer(p, 3) + cases;
    return lignes;
}

const QString PartiesQuatreColonnes =
    QStringLiteral(" !        !        !        !        !        !        !        !        !");
const QString SeparateurQuatreColonnes =
    QStringLiteral("        !----!--------!--------!--------!--------!--------!--------!--------!--------!");

// A line of the four players, each box ending with a blank before its "!".
QString LigneCases(const QStringList &cases)
{
    return Bord + cases.join(QStringLiteral("! ")) + u'!';
}

QStringList CorpsTarot(const Sieges &s, int parties, bool places)
{
    QStringList noms, prenoms, numeros;
    for (int p = 1; p <= 4; ++p) {
        noms << Cadrer(s[p].nom, 15) + u' ';
        prenoms << Cadrer(s[p].prenom, 15) + u' ';
        numeros << Cadrer(s[p].numero, 4)
                       + (places ? QStringLiteral(" / ") + Cadrer(NomPointCardinal(p), 9) : QString(12, QLatin1Char(' ')));
    }
    return QStringList{
               QStringLiteral("        +----+-----------------+-----------------+-----------------+-----------------+"),
               LigneCases(noms),
               LigneCases(prenoms),
               LigneCases(numeros),
               QStringLiteral("        +----+--------+--------+--------+--------+--------+--------+--------+--------+"),
               QStringLiteral("        !    ! Positif!Négatif ! Positif!Négatif ! Positif!Négatif ! Positif!Négatif !"),
           }
           + LignesParties(parties, SeparateurQuatreColonnes, PartiesQuatreColonnes) + FinQuatreColonnes;
}

QStringList CorpsBeloteIndividuelle(const Sieges &s, int parties)
{
    // Number, " : ", then the name and first name together in 20 columns.
    const auto joueur = [&s](int p) {
        return Cadrer(s[p].numero, 4) + QStringLiteral(" : ") + Cadrer(s[p].nom + u' ' + s[p].prenom, 20);
    };
    return QStringList{
               QStringLiteral("        +----+-----------------------------+-----------------------------+-----------+"),
               Bord + joueur(1) + QStringLiteral(" ! ") + joueur(3) + QStringLiteral(" ! Controle  !"),
               Bord + joueur(2) + QStringLiteral(" ! ") + joueur(4) + QStringLiteral(" ! ligne     !"),
               QStringLiteral("        +----+-------------+---------------+-------------+---------------+ hors      !"),
               QStringLiteral("        !    !    Belote   ! Points+Capots !    Belote   ! Points+Capots ! belote    !"),
           }
           + LignesParties(parties,
                           QStringLiteral("        !----!-------------!---------------!-------------!---------------!-----------!"),
                           QStringLiteral(" !             !               !             !               !           !"))
           + QStringList{
               QStringLiteral("        !====!=============!===============!=============!===============!===========!"),
               QStringLiteral("        !Tot !             !               !             !               !           !"),
               QStringLiteral("        +----+-------------+---------------+-------------+---------------+-----------+"),
               QStringLiteral(" "),
               QStringLiteral(" "),
               QStringLiteral("        +====+=============+===============+=============+===============+===========+"),
               QStringLiteral("        !    !             !               !             !               !           !"),
               QStringLiteral("        !Pts !             !               !             !               !           !"),
               QStringLiteral("        +====+=============+===============+=============+===============+===========+"),
           };
}

QStringList CorpsBelote(const Sieges &s, int parties)
{
    const QString blancs(30, QLatin1Char(' '));
    return QStringList{
               QStringLiteral("        +----+-----------------------------------+-----------------------------------+"),
               Bord + Cadrer(s[1].nom, 33) + QStringLiteral(" ! ") + Cadrer(s[2].nom, 33) + QStringLiteral(" ! "),
               Bord + Cadrer(s[1].prenom, 33) + QStringLiteral(" ! ") + Cadrer(s[2].prenom, 33) + QStringLiteral(" ! "),
               Bord + Cadrer(s[1].numero, 4) + blancs + QStringLiteral("! ") + Cadrer(s[2].numero, 4) + blancs + u'!',
               QStringLiteral("        +----+--------+--------+--------+--------+--------+--------+--------+--------+"),
               QStringLiteral("        !    ! Points !Belotes ! Capots ! Total  ! Points !Belotes ! Capots ! Total  !"),
           }
           + LignesParties(parties, SeparateurQuatreColonnes, PartiesQuatreColonnes) + FinQuatreColonnes;
}

QStringList Feuille(const Modele &m, const QDateTime &quand, double table, const Sieges &s)
{
    const int parties = PartiesManche(m);
    QStringList lignes = EnteteRapport(m, quand, 43);
    lignes << QStringLiteral("                                    FEUILLE DE MARQUE")
           << QStringLiteral("                                    =================")
           << QStringLiteral(" ")
           << QStringLiteral("                                    Manche n° : ") + Cadrer(m.MancheCourante, 4)
           << QStringLiteral("                                    Table  n° : ") + Cadrer(table, 4)
           << QStringLiteral(" ");
    if (m.TypeJeu == TypeJeu::Belote)
        lignes += CorpsBelote(s, parties);
    else if (m.TypeJeu == TypeJeu::BeloteInd)
        lignes += CorpsBeloteIndividuelle(s, parties);
    else
        lignes += CorpsTarot(s, parties, m.PlacesNommees());
    lignes << QStringLiteral("\f");
    return lignes;
}

// The table numbers of the current round, ascending, each once.
QList<int> TablesManche(const Modele &m)
{
    QList<int> tables;
    for (int k = 1; k <= m.NbScores(); ++k)
        if (m.Scores(ColScore::Manche, k).nombre() == m.MancheCourante)
            tables << int(m.Scores(ColScore::Table, k).nombre());
    std::sort(tables.begin(), tables.end());
    tables.erase(std::unique(tables.begin(), tables.end()), tables.end());
    return tables;
}

} // namespace

int PartiesManche(const Modele &m)
{
    if (m.MancheCourante < 1 || m.MancheCourante > m.NbManches())
        return 0;
    return Entier16(m.Manches(ColManche::Parties, m.MancheCourante).nombre());
}

bool PartiesRenseignees(Modele &m)
{
    if (PartiesManche(m) != 0)
        return true;
    m.AfficheErreur(QStringLiteral("Le nombre de parties n'est pas renseigné pour cette manche. Il est donc "
                                   "impossible d'imprimer les feuilles de marque. Pour corriger, allez dans la "
                                   "définition des manches et renseignez le nombre de parties."));
    return false;
}

std::optional<int> DemandeTableFeuilles(Modele &m)
{
    const QString erreur = QStringLiteral("Erreur");
    const QList<int> tables = TablesManche(m);
    const int derniere = tables.isEmpty() ? 0 : tables.last();
    for (;;) {
        const std::optional<QString> reponse = m.plateforme.saisie(
            QStringLiteral("Saisie n° de table"),
            QStringLiteral("Saisissez le n° de la table dont vous voulez imprimer la feuille (zéro signifie que "
                           "toutes les tables seront imprimées)"),
            QStringLiteral("0"));
        if (!reponse || reponse->isEmpty())
            return std::nullopt;
        bool nombre = false;
        const int table = reponse->trimmed().toInt(&nombre);
        if (!nombre)
            m.plateforme.message(Plateforme::Icone::Exclamation, erreur, QStringLiteral("Le n° saisi doit être un nombre"));
        else if (table < 0 || table > derniere)
            m.plateforme.message(Plateforme::Icone::Exclamation, erreur,
                                 QStringLiteral("Le n° de table doit être compris entre 1 et ") + QString::number(derniere));
        // A table deleted leaves a gap: its number would print nothing.
        else if (table != 0 && !std::binary_search(tables.begin(), tables.end(), table))
            m.plateforme.message(Plateforme::Icone::Exclamation, erreur,
                                 QStringLiteral("La table n° ") + QString::number(table)
                                     + QStringLiteral(" n'a pas été constituée pour cette manche."));
        else
            return table;
    }
}

QStringList LignesFeuilles(Modele &m, int table)
{
    const QDateTime quand = m.plateforme.maintenant();
    const int parTable = m.NbParTable();
    const auto prise = [&m, table](int k) {
        return m.Scores(ColScore::Manche, k).nombre() == m.MancheCourante
               && (table == 0 || m.Scores(ColScore::Table, k).nombre() == table);
    };
    int aPrendre = 0;
    for (int k = 1; k <= m.NbScores(); ++k)
        aPrendre += prise(k) ? 1 : 0;

    QStringList lignes;
    Sieges sieges;
    const std::vector<int> places = PlacesDansTables(m);
    int prises = 0, dejaDit = 0;
    for (int k = 1; k <= m.NbScores(); ++k) {
        if (!prise(k))
            continue;
        const int pourcentage = ++prises * 100 / aPrendre;
        if (pourcentage != dejaDit)
            emit m.progression(dejaDit = pourcentage);
        const int place = places[k];
        if (place > parTable)
            continue;
        const double numero = m.Scores(ColScore::Joueur, k).nombre();
        sieges[place] = {numero, NomJoueur(m, numero, ColJoueur::Nom), NomJoueur(m, numero, ColJoueur::Prenom)};
        if (place == parTable)
            lignes += Feuille(m, quand, m.Scores(ColScore::Table, k).nombre(), sieges);
    }
    return lignes;
}

bool ImprimeFeuilles(Modele &m, int table, bool ouvrirEditeur)
{
    if (!PartiesRenseignees(m))
        return false;
    emit m.attente(QStringLiteral("Préparation du document ..."));
    const QStringList lignes = LignesFeuilles(m, table);
    // The wait window goes before any box the writing may show.
    emit m.finAttente();
    return ImprimeTexte(m, QStringLiteral("FEUILLES.TXT"), lignes, ouvrirEditeur);
}

void FeuillesDeMarque(Modele &m, ChoixFeuilles choix)
{
    if (choix == ChoixFeuilles::Abandon)
        return;
    if (choix == ChoixFeuilles::Csv) {
        const Sablier sablier(m.plateforme);
        ImprimeFeuillesCsv(m);
        return;
    }
    if (!PartiesRenseignees(m))
        return;
    const std::optional<int> table = DemandeTableFeuilles(m);
    if (!table)
        return;
    const Sablier sablier(m.plateforme);
    ImprimeFeuilles(m, *table);
}
