#include "reports/feuilles.h"
#include "reports/commun.h"
#include "reports/feuillescsv.h"
#include "scores/places.h"
#include "store/modele.h"
#include "store/texte.h"

#include <QDateTime>
#include <algorithm>
#include <array>
#include <functional>

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

// Calls `feuille` with the number and the seats of each table of the current
// round, or of the table asked, in Scores order, once its last seat is met;
// a table short of seats has no sheet. The model tells the progress, as the
// share of the seats of those tables done.
void ParcourtFeuilles(Modele &m, int table, const std::function<void(double table, const Sieges &)> &feuille)
{
    const int parTable = m.NbParTable();
    const auto prise = [&m, table](int k) {
        return m.Scores(ColScore::Manche, k).nombre() == m.MancheCourante
               && (table == 0 || m.Scores(ColScore::Table, k).nombre() == table);
    };
    int aPrendre = 0;
    for (int k = 1; k <= m.NbScores(); ++k)
        aPrendre += prise(k) ? 1 : 0;

    Avancement avancement(m, aPrendre);
    Sieges sieges;
    const std::vector<int> places = PlacesDansTables(m);
    for (int k = 1; k <= m.NbScores(); ++k) {
        if (!prise(k))
            continue;
        avancement.avance();
        const int place = places[k];
        if (place > parTable)
            continue;
        const double numero = m.Scores(ColScore::Joueur, k).nombre();
        sieges[place] = {numero, NomJoueur(m, numero, ColJoueur::Nom), NomJoueur(m, numero, ColJoueur::Prenom)};
        if (place == parTable)
            feuille(m.Scores(ColScore::Table, k).nombre(), sieges);
    }
}

// A heading cell of a sheet, shaded.
CelluleDoc Titre(const QString &texte, int colonnes = 1)
{
    return CelluleDoc{texte, true, false, Alignement::Gauche, colonnes};
}

// The number of the entrant at a seat, with named seats followed by " / " and the compass point.
QString NumeroPlace(const Modele &m, const Sieges &s, int place)
{
    return TexteNombre(s[place].numero)
           + (m.PlacesNommees() ? QStringLiteral(" / ") + NomPointCardinal(place) : QString());
}

// The table of a document's sheet: the players above their columns, the
// sub-headings of the game beside "Parties", a row per deal, then "Totaux"
// and "Points". The rows are left high enough to write in.
Tableau TableauFeuille(const Modele &m, const Sieges &s, int parties)
{
    Tableau tableau;
    tableau.lignesEntete = 2;
    tableau.hauteurLignes = 0.8;
    QList<CelluleDoc> joueurs{Titre({})}, titres{Titre(QStringLiteral("Parties"))}, points{{QStringLiteral("Points")}};
    if (m.TypeJeu == TypeJeu::Belote) {
        tableau.largeurs = {1.5, 1.9, 1.9, 1.9, 1.9, 1.9, 1.9, 1.9, 1.9};
        for (int p = 1; p <= 2; ++p) {
            joueurs << Titre(QStringLiteral("Doublette n° ") + TexteNombre(s[p].numero) + u'\n' + s[p].nom + u'\n'
                                 + s[p].prenom,
                             4);
            for (const QString &titre : {QStringLiteral("Points"), QStringLiteral("Belotes"), QStringLiteral("Capots"),
                                         QStringLiteral("Total")})
                titres << Titre(titre);
            points << CelluleDoc{{}, false, false, Alignement::Gauche, 4};
        }
    } else if (m.TypeJeu == TypeJeu::BeloteInd) {
        // Seats 1 and 2 share the first pair of columns, 3 and 4 the second.
        tableau.largeurs = {1.5, 2.5, 3.5, 2.5, 3.5, 3};
        const auto joueur = [&](int p) {
            return NumeroPlace(m, s, p) + QStringLiteral(" : ") + s[p].nom + u' ' + s[p].prenom;
        };
        for (int p : {1, 3}) {
            joueurs << Titre(joueur(p) + u'\n' + joueur(p + 1), 2);
            titres << Titre(QStringLiteral("Belote")) << Titre(QStringLiteral("Points + Capots"));
        }
        joueurs << Titre(QStringLiteral("Contrôle ligne hors belotes"));
        titres << Titre({});
    } else {
        tableau.largeurs = {1.5, 1.9, 1.9, 1.9, 1.9, 1.9, 1.9, 1.9, 1.9};
        for (int p = 1; p <= 4; ++p) {
            joueurs << Titre(s[p].nom + u'\n' + s[p].prenom + u'\n' + NumeroPlace(m, s, p), 2);
            titres << Titre(QStringLiteral("Positif")) << Titre(QStringLiteral("Négatif"));
            points << CelluleDoc{{}, false, false, Alignement::Gauche, 2};
        }
    }
    // The writer completes the short rows with empty cells.
    tableau.lignes << joueurs << titres;
    for (int p = 1; p <= parties; ++p)
        tableau.lignes << QList<CelluleDoc>{{QString::number(p)}};
    tableau.lignes << QList<CelluleDoc>{{QStringLiteral("Totaux")}} << points;
    return tableau;
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

QString RefusTableFeuilles(Modele &m, int table)
{
    const QList<int> tables = TablesManche(m);
    const int derniere = tables.isEmpty() ? 0 : tables.last();
    if (table < 0 || table > derniere)
        return QStringLiteral("Le n° de table doit être compris entre 1 et ") + QString::number(derniere);
    // A table deleted leaves a gap: its number would print nothing.
    if (table != 0 && !std::binary_search(tables.begin(), tables.end(), table))
        return QStringLiteral("La table n° ") + QString::number(table)
               + QStringLiteral(" n'a pas été constituée pour cette manche.");
    return {};
}

std::optional<int> DemandeTableFeuilles(Modele &m)
{
    const QString erreur = QStringLiteral("Erreur");
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
        const QString refus = nombre ? RefusTableFeuilles(m, table) : QStringLiteral("Le n° saisi doit être un nombre");
        if (refus.isEmpty())
            return table;
        m.plateforme.message(Plateforme::Icone::Exclamation, erreur, refus);
    }
}

QStringList LignesFeuilles(Modele &m, int table)
{
    const QDateTime quand = m.plateforme.maintenant();
    QStringList lignes;
    ParcourtFeuilles(m, table, [&](double numero, const Sieges &sieges) { lignes += Feuille(m, quand, numero, sieges); });
    return lignes;
}

Document DocumentFeuilles(Modele &m, int table)
{
    const int parties = PartiesManche(m);
    Document document;
    document.entete = {m.NomTournoi, QStringLiteral("FEUILLE DE MARQUE"),
                       QStringLiteral("Manche n° : ") + QString::number(m.MancheCourante)};
    ParcourtFeuilles(m, table, [&](double numero, const Sieges &sieges) {
        if (!document.corps.isEmpty())
            document.sautDePage();
        document.ajoute(QStringLiteral("Table n° : ") + TexteNombre(numero));
        document.ajoute(TableauFeuille(m, sieges, parties));
    });
    return document;
}

bool ImprimeFeuilles(Modele &m, int table, Sortie sortie)
{
    if (!PartiesRenseignees(m))
        return false;
    const auto contenu = [&] {
        emit m.attente(QStringLiteral("Préparation du document ..."));
        const QByteArray feuilles = ContenuTexte(LignesFeuilles(m, table));
        // The wait window goes before any box the writing may show.
        emit m.finAttente();
        return feuilles;
    };
    return ImprimeRapport(m, sortie, QStringLiteral("FEUILLES"), contenu, [&] { return DocumentFeuilles(m, table); });
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
