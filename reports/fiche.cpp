#include "reports/fiche.h"
#include "reports/canal.h"
#include "reports/commun.h"
#include "store/modele.h"
#include "store/texte.h"

namespace {

// Round, deals and points in the three boxes of the table.
QString LigneTableau(const QString &debut, double manche, double parties, double points)
{
    return debut + Cadrer(manche, 2) + QStringLiteral("   !       ") + Cadrer(parties, 2) + QStringLiteral("      !    ")
           + Cadrer(points, 6) + QStringLiteral("   !");
}

} // namespace

Fiche FicheJoueur(const Modele &m, int ligneJoueur, int ligneGrille)
{
    const TableCellules &j = m.Joueurs;
    Fiche fiche{j(ColJoueur::Numero, ligneJoueur).texte(), j(ColJoueur::Nom, ligneJoueur).texte(),
                j(ColJoueur::Prenom, ligneJoueur).texte(), {},
                QString::number(ligneGrille) + u'/' + QString::number(m.NbJoueurs())};
    for (int c = ColJoueur::Manches; c <= ColJoueur::MoyParties; ++c)
        if (j(c, ligneJoueur).nombre() != SansValeur)
            fiche.valeurs[c - ColJoueur::Manches] = j(c, ligneJoueur).texte();
    return fiche;
}

int LigneDuNumero(const Modele &m, double numero)
{
    return int(m.OrdreGrille.indexOf(numero)) + 1;
}

int LigneDuNom(const Modele &m, const QString &texte, int debut)
{
    for (int ligne = std::max(debut, 1); ligne <= m.OrdreGrille.size(); ++ligne) {
        const int r = m.RechJoueur(m.OrdreGrille[ligne - 1]);
        if (r != -1 && m.Joueurs(ColJoueur::Nom, r).texte().contains(texte, Qt::CaseInsensitive))
            return ligne;
    }
    return 0;
}

RechercheFiche ChercheFiche(const Modele &m, const QString &numero, const QString &nom)
{
    const int n = EntierSaisi(numero).value_or(0);
    if (n == 0 && nom.isEmpty())
        return {};
    if (n != 0 && !nom.isEmpty())
        return {false, 0, false, false, QStringLiteral("Remplissez le n° OU le nom s.v.p.")};
    if (n == 0)
        return ChercheNom(m, nom, 1);
    const int ligne = LigneDuNumero(m, n);
    if (ligne == 0)
        return {true, 0, false, false,
                QStringLiteral("Joueur(se) n° ") + TexteSigne(n) + QStringLiteral(" pas trouvé")};
    // Nobody else can carry the same number: "next" stays off.
    return {true, ligne, false, true, {}};
}

RechercheFiche ChercheNom(const Modele &m, const QString &nom, int debut)
{
    const int ligne = LigneDuNom(m, nom, debut);
    if (ligne == 0)
        return {true, 0, false, false,
                QStringLiteral("Joueur(se) dont le nom contient ") + nom + QStringLiteral(" pas trouvé")};
    return {true, ligne, true, true, {}};
}

QList<QStringList> GrilleFiche(const Modele &m, double numero)
{
    QList<QStringList> lignes;
    for (int k : ScoresJoueur(m, numero))
        lignes.append({TexteNombre(m.Scores(ColScore::Manche, k).nombre()),
                       QString::number(Entier16(m.Scores(ColScore::Parties, k).nombre())),
                       m.Scores(ColScore::Points, k).texte()});
    return lignes;
}

QList<int> ScoresJoueur(const Modele &m, double numero)
{
    QList<int> lignes;
    for (int k = 1; k <= m.NbScores(); ++k)
        if (m.Scores(ColScore::Joueur, k).nombre() == numero)
            lignes << k;
    return lignes;
}

QStringList LignesFiche(const Modele &m, const Fiche &fiche)
{
    const QString bordure = QStringLiteral("                      +-------------+---------------+-------------+");
    const QString marge = QStringLiteral("                      !        ");
    const QString retrait(38, QLatin1Char(' '));

    QStringList lignes = EnteteRapport(m, m.plateforme.maintenant(), 44);
    lignes << QStringLiteral("                                  FICHE INDIVIDUELLE JOUEUR")
           << QStringLiteral("                                  =========================")
           << QStringLiteral(" ") << QStringLiteral(" ")
           << QStringLiteral("                                     N°     : ") + fiche.numero
           << QStringLiteral("                                     Nom    : ") + fiche.nom
           << QStringLiteral("                                     Prénom : ") + fiche.prenom
           << QStringLiteral(" ")
           << bordure
           << QStringLiteral("                      ! N° manche   ! Nbre parties  ! Nbre points !")
           << bordure;
    for (int k : ScoresJoueur(m, ValeurNumerique(fiche.numero)))
        lignes << LigneTableau(marge, m.Scores(ColScore::Manche, k).nombre(),
                               Entier16(m.Scores(ColScore::Parties, k).nombre()), m.Scores(ColScore::Points, k).nombre());
    lignes << bordure
           << LigneTableau(QStringLiteral("             Totaux   !        "), ValeurNumerique(fiche.valeurs[0]),
                           ValeurNumerique(fiche.valeurs[1]), ValeurNumerique(fiche.valeurs[2]))
           << bordure
           << QStringLiteral(" ")
           << retrait + QStringLiteral("Moyenne manches : ") + fiche.valeurs[3]
           << retrait + QStringLiteral("Moyenne parties : ") + fiche.valeurs[4]
           << retrait + QStringLiteral("Classement : ") + fiche.classement;
    return lignes;
}

bool ImprimeFiche(Modele &m, const Fiche &fiche, bool ouvrirEditeur)
{
    return ImprimeTexte(m, QStringLiteral("FICHE.TXT"), LignesFiche(m, fiche), ouvrirEditeur);
}
