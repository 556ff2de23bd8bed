#include "reports/listes.h"
#include "ranking/classement.h"
#include "reports/canal.h"
#include "reports/commun.h"
#include "scores/places.h"
#include "store/modele.h"
#include "store/texte.h"

namespace {

Cellule Cle(const Modele &m, Liste liste, int ligne)
{
    const double numero = m.Scores(ColScore::Joueur, ligne).nombre();
    switch (liste) {
    case Liste::ParJoueur: return Cadrer(numero, 4);
    case Liste::ParNom: return Cadrer(NomJoueur(m, numero, ColJoueur::Nom), 19);
    case Liste::ParTable: break;
    }
    return m.Scores(ColScore::Table, ligne).nombre();
}

QStringList EnteteListe(const Modele &m, const QDateTime &quand, int page, Liste liste)
{
    const bool equipes = m.TypeJeu.estEquipes();
    QString titres, regle;
    switch (liste) {
    case Liste::ParTable:
        titres = equipes ? QStringLiteral("Table  Place  Equipe   Nom/Prénom 1     Nom/Prénom 2     ")
                         : QStringLiteral("Table  Place  Joueur   Nom              Prénom           ");
        regle = QStringLiteral("        -----  -----  -------  ---------------  --------------- ");
        break;
    case Liste::ParJoueur:
        titres = equipes ? QStringLiteral("Equipe  Nom/Prénom 1     Nom/Prénom 2     Table  ")
                         : QStringLiteral("Joueur  Nom              Prénom           Table  ");
        regle = QStringLiteral("        ------  ---------------  ---------------  -----  ");
        break;
    case Liste::ParNom:
        titres = equipes ? QStringLiteral("Nom/Prénom 1         Nom/Prénom 2         N°J.  Table  ")
                         : QStringLiteral("Nom                  Prénom               N°J.  Table  ");
        regle = QStringLiteral("        -------------------  -------------------  ----  -----  ");
        break;
    }
    return EntetePage(m, quand, page) + QStringList{
        QStringLiteral("                               LISTE DES TABLES DE LA MANCHE ") + Cadrer(m.MancheCourante, 2),
        QStringLiteral(" "),
        Marge + titres,
        regle,
    };
}

// A row of the list by table: the table number and "Nord" on the first row
// of a table, the other compass points under it, then the entrant; a blank
// line closes each table.
QStringList LigneParTable(const Modele &m, int i, bool nouvelleTable)
{
    const TableCellules &t = m.TabTri;
    const int place = int(t(ColTabTri::Cle2, i).nombre());
    const double numero = t(ColTabTri::Libre5, i).nombre();
    const QString point = m.PlacesNommees() ? NomPointCardinal(place) : QString();
    const QString debut = nouvelleTable
                              ? Cadrer(t(ColTabTri::Ligne, i).nombre(), 3) + QString(4, QLatin1Char(' ')) + Cadrer(point, 6)
                              : QString(7, QLatin1Char(' ')) + Cadrer(point, 6);
    QStringList lignes{Marge + debut + QString(5, QLatin1Char(' ')) + Cadrer(numero, 3) + QStringLiteral("  ")
                       + Cadrer(NomJoueur(m, numero, ColJoueur::Nom), 15) + QStringLiteral("  ")
                       + Cadrer(NomJoueur(m, numero, ColJoueur::Prenom), 15)};
    if (place == m.NbParTable())
        lignes << QStringLiteral(" ");
    return lignes;
}

// The table number, then with named seats a blank and the initial of the seat.
QString TableEtPlace(const Modele &m, int i)
{
    const QString table = Cadrer(m.TabTri(ColTabTri::Ligne, i).nombre(), 3);
    if (!m.PlacesNommees())
        return table;
    return table + u' ' + NomPlace(m, int(m.TabTri(ColTabTri::Cle2, i).nombre())).left(1);
}

QString LigneParJoueur(const Modele &m, int i)
{
    const double numero = m.TabTri(ColTabTri::Libre5, i).nombre();
    return Marge + QStringLiteral("  ") + Cadrer(numero, 3) + QStringLiteral("   ")
           + Cadrer(NomJoueur(m, numero, ColJoueur::Nom), 15) + QStringLiteral("  ")
           + Cadrer(NomJoueur(m, numero, ColJoueur::Prenom), 15) + QStringLiteral("  ") + TableEtPlace(m, i);
}

QString LigneParNom(const Modele &m, int i)
{
    const double numero = m.TabTri(ColTabTri::Libre5, i).nombre();
    return Marge + Cadrer(NomJoueur(m, numero, ColJoueur::Nom), 19) + QStringLiteral("  ")
           + Cadrer(NomJoueur(m, numero, ColJoueur::Prenom), 19)
           + QStringLiteral("  ") + Cadrer(numero, 4) + QStringLiteral("  ") + TableEtPlace(m, i);
}

} // namespace

int PrepareRepartition(Modele &m, Liste liste)
{
    QList<int> lignes;
    for (int k = 1; k <= m.NbScores(); ++k)
        if (m.Scores(ColScore::Manche, k).nombre() == m.MancheCourante)
            lignes << k;
    const std::vector<int> places = PlacesDansTables(m);

    const int n = int(lignes.size());
    TableCellules &t = m.TabTri;
    t.vide();
    t.redimensionne(n);
    for (int i = 1; i <= n; ++i) {
        const int k = lignes[i - 1];
        t(ColTabTri::Ligne, i) = m.Scores(ColScore::Table, k).nombre();
        t(ColTabTri::Cle, i) = Cle(m, liste, k);
        t(ColTabTri::Cle2, i) = places[k];
        t(ColTabTri::Libre4, i) = m.Scores(ColScore::Points, k).estVide() ? QStringLiteral("*") : QStringLiteral(" ");
        t(ColTabTri::Libre5, i) = m.Scores(ColScore::Joueur, k).nombre();
    }
    TriShell(m, ColJoueur::Coche, Sens::Ascendant, Sens::Ascendant, n);
    return n;
}

QString FichierListe(Liste liste)
{
    switch (liste) {
    case Liste::ParJoueur: return QStringLiteral("LIST_JOU.TXT");
    case Liste::ParNom: return QStringLiteral("LIST_NOM.TXT");
    case Liste::ParTable: break;
    }
    return QStringLiteral("LIST_TAB.TXT");
}

QStringList LignesListe(Modele &m, Liste liste)
{
    const QDateTime quand = m.plateforme.maintenant();
    const int n = PrepareRepartition(m, liste);
    QList<QStringList> enregistrements;
    for (int i = 1; i <= n; ++i) {
        switch (liste) {
        case Liste::ParTable:
            enregistrements << LigneParTable(m, i,
                                             i == 1 || m.TabTri(ColTabTri::Ligne, i) != m.TabTri(ColTabTri::Ligne, i - 1));
            break;
        case Liste::ParJoueur: enregistrements << QStringList{LigneParJoueur(m, i)}; break;
        case Liste::ParNom: enregistrements << QStringList{LigneParNom(m, i)}; break;
        }
    }
    return Pagine([&](int page) { return EnteteListe(m, quand, page, liste); }, enregistrements, 38);
}

bool ImprimeListe(Modele &m, Liste liste, bool ouvrirEditeur)
{
    if (m.NbScores() == 0) {
        m.AfficheErreur(QStringLiteral("Le fichier de répartition est vide, il n'y a rien à imprimer."));
        return false;
    }
    return ImprimeTexte(m, FichierListe(liste), LignesListe(m, liste), ouvrirEditeur);
}
