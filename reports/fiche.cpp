#include "reports/fiche.h"
#include "reports/commun.h"
#include "store/modele.h"
#include "store/texte.h"

namespace {

// Round, deals and points, as the three boxes of the table show them.
QStringList Champs(double manche, double parties, double points)
{
    return {Cadrer(manche, 2), Cadrer(parties, 2), Cadrer(points, 6)};
}

QString LigneTableau(const QString &debut, const QStringList &champs)
{
    return debut + champs[0] + QStringLiteral("   !       ") + champs[1] + QStringLiteral("      !    ") + champs[2]
           + QStringLiteral("   !");
}

// A score not entered counts 0, and so do deals not given.
QStringList ChampsScore(const Modele &m, int k)
{
    return Champs(m.Scores(ColScore::Manche, k).nombre(), Entier16(m.Scores(ColScore::Parties, k).nombre()),
                  m.Scores(ColScore::Points, k).nombre());
}

QStringList ChampsTotaux(const Fiche &fiche)
{
    return Champs(ValeurNumerique(fiche.valeurs[0]), ValeurNumerique(fiche.valeurs[1]),
                  ValeurNumerique(fiche.valeurs[2]));
}

QString MoyenneManches(const Fiche &fiche)
{
    return QStringLiteral("Moyenne manches : ") + fiche.valeurs[3];
}

QString MoyenneParties(const Fiche &fiche)
{
    return QStringLiteral("Moyenne parties : ") + fiche.valeurs[4];
}

QString Classement(const Fiche &fiche)
{
    return QStringLiteral("Classement : ") + fiche.classement;
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
        lignes << LigneTableau(marge, ChampsScore(m, k));
    lignes << bordure
           << LigneTableau(QStringLiteral("             Totaux   !        "), ChampsTotaux(fiche))
           << bordure
           << QStringLiteral(" ")
           << retrait + MoyenneManches(fiche)
           << retrait + MoyenneParties(fiche)
           << retrait + Classement(fiche);
    return lignes;
}

Document DocumentFiche(Modele &m, const Fiche &fiche)
{
    Tableau tableau;
    tableau.largeurs = {2, 2, 2};
    tableau.lignesEntete = 1;
    tableau.ajouteLigne({QStringLiteral("N° manche"), QStringLiteral("Nbre parties"), QStringLiteral("Nbre points")}, true);
    const QList<int> scores = ScoresJoueur(m, ValeurNumerique(fiche.numero));
    Avancement avancement(m, scores.size());
    for (int k : scores) {
        tableau.ajouteLigne(ChampsScore(m, k));
        avancement.avance();
    }
    tableau.ajouteLigne(ChampsTotaux(fiche), true);

    Document document;
    document.entete = {m.NomTournoi,
                       QStringLiteral("FICHE INDIVIDUELLE JOUEUR"),
                       QStringLiteral("N°     : ") + fiche.numero,
                       QStringLiteral("Nom    : ") + fiche.nom,
                       QStringLiteral("Prénom : ") + fiche.prenom,
                       QStringLiteral(" ")};
    document.ajoute(tableau);
    document.ajoute(MoyenneManches(fiche));
    document.ajoute(MoyenneParties(fiche));
    document.ajoute(Classement(fiche));
    return document;
}

bool ImprimeFiche(Modele &m, const Fiche &fiche, Sortie sortie)
{
    return ImprimeRapport(m, sortie, QStringLiteral("FICHE"), [&] { return ContenuTexte(LignesFiche(m, fiche)); },
                          [&] { return DocumentFiche(m, fiche); });
}
