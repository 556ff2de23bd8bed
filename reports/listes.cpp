#include "reports/listes.h"
#include "ranking/classement.h"
#include "reports/commun.h"
#include "scores/places.h"
#include "store/modele.h"
#include "store/texte.h"

#include <algorithm>
#include <numeric>

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
    std::vector<Cellule> cles;
    cles.reserve(n);
    for (int k : lignes)
        cles.push_back(Cle(m, liste, k));

    // Any real round is sorted as the grid is, by its Shell sort, ties
    // included. Only a damaged file holds more rows, and that sort can then
    // take a time in the square of the rows (many equal keys, a power of two
    // of rows): a merge sort, which keeps equal keys in table order, instead.
    constexpr int LignesTriShell = 4096;
    std::vector<int> ordre(n);
    std::iota(ordre.begin(), ordre.end(), 0);
    if (n > LignesTriShell)
        std::stable_sort(ordre.begin(), ordre.end(),
                         [&cles](int a, int b) { return compareCellules(cles[a], cles[b]) < 0; });

    TableCellules &t = m.TabTri;
    t.vide();
    t.redimensionne(n);
    for (int i = 1; i <= n; ++i) {
        const int k = lignes[ordre[i - 1]];
        t(ColTabTri::Ligne, i) = m.Scores(ColScore::Table, k).nombre();
        t(ColTabTri::Cle, i) = cles[ordre[i - 1]];
        t(ColTabTri::Cle2, i) = places[k];
        t(ColTabTri::Libre4, i) = m.Scores(ColScore::Points, k).estVide() ? QStringLiteral("*") : QStringLiteral(" ");
        t(ColTabTri::Libre5, i) = m.Scores(ColScore::Joueur, k).nombre();
    }
    if (n <= LignesTriShell)
        TriShell(m, ColJoueur::Coche, Sens::Ascendant, Sens::Ascendant, n);
    return n;
}

VueListe VueRepartition(Modele &m, Liste liste, bool places)
{
    // The teams of team belote take the place of the player and of his two names.
    const bool equipes = m.TypeJeu.estEquipes();
    const QString nom = equipes ? QStringLiteral("Nom/Prénom 1") : QStringLiteral("Nom");
    const QString prenom = equipes ? QStringLiteral("Nom/Prénom 2") : QStringLiteral("Prénom");
    const QString table = QStringLiteral("Table");
    VueListe vue;
    switch (liste) {
    case Liste::ParTable:
        vue.titres = {table, equipes ? QStringLiteral("Equipe") : QStringLiteral("Joueur"), nom, prenom};
        vue.largeurs = {1000, 1000, 3000, 3000};
        break;
    case Liste::ParJoueur:
        vue.titres = {QStringLiteral("Joueur"), nom, prenom, table};
        vue.largeurs = {1000, 3000, 3000, 1000};
        break;
    case Liste::ParNom:
        vue.titres = {nom, prenom, table};
        vue.largeurs = {3000, 3000, 1000};
        break;
    }

    const int n = PrepareRepartition(m, liste);
    const TableCellules &t = m.TabTri;
    for (int i = 1; i <= n; ++i) {
        const double numero = t(ColTabTri::Libre5, i).nombre();
        const QString numeroTable = TexteNombre(t(ColTabTri::Ligne, i).nombre());
        const QString tableMarquee = numeroTable + u' ' + t(ColTabTri::Libre4, i).texte();
        const QString noms[] = {NomJoueur(m, numero, ColJoueur::Nom), NomJoueur(m, numero, ColJoueur::Prenom)};
        switch (liste) {
        case Liste::ParTable:
            vue.lignes.append({places ? numeroTable + u' ' + NomPointCardinal(int(t(ColTabTri::Cle2, i).nombre()))
                                      : numeroTable,
                               TexteNombre(numero), noms[0], noms[1]});
            break;
        case Liste::ParJoueur: vue.lignes.append({TexteNombre(numero), noms[0], noms[1], tableMarquee}); break;
        case Liste::ParNom: vue.lignes.append({noms[0], noms[1], tableMarquee}); break;
        }
    }
    return vue;
}

QString NomListe(Liste liste)
{
    switch (liste) {
    case Liste::ParJoueur: return QStringLiteral("LIST_JOU");
    case Liste::ParNom: return QStringLiteral("LIST_NOM");
    case Liste::ParTable: break;
    }
    return QStringLiteral("LIST_TAB");
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

Document DocumentListe(Modele &m, Liste liste)
{
    // The columns by their role; a team takes the place of the player and of his two names.
    enum Colonne { Table, Place, Numero, Nom, Prenom };
    const bool equipes = m.TypeJeu.estEquipes();
    const QString titres[] = {
        QStringLiteral("N° table"), QStringLiteral("Place"),
        equipes ? QStringLiteral("Equipe") : QStringLiteral("N° joueur"),
        equipes ? QStringLiteral("Nom/Prénom 1") : liste == Liste::ParTable ? QStringLiteral("Nom") : QStringLiteral("Nom joueur"),
        equipes ? QStringLiteral("Nom/Prénom 2") : QStringLiteral("Prénom"),
    };
    QString sousTitre;
    QList<Colonne> colonnes;
    switch (liste) {
    case Liste::ParTable:
        sousTitre = QStringLiteral("(triée par n° de table)");
        colonnes = {Table, Place, Numero, Nom, Prenom};
        break;
    case Liste::ParJoueur:
        sousTitre = QStringLiteral("(triée par n° de joueur)");
        colonnes = {Numero, Nom, Prenom, Table, Place};
        break;
    case Liste::ParNom:
        sousTitre = QStringLiteral("(triée par nom de joueur)");
        colonnes = {Nom, Prenom, Numero, Table, Place};
        break;
    }

    Tableau tableau;
    tableau.lignesEntete = 1;
    QStringList entetes;
    for (Colonne c : colonnes) {
        tableau.largeurs << (c == Nom || c == Prenom ? 5.0 : 2.0);
        entetes << titres[c];
    }
    tableau.ajouteLigne(entetes, true);
    const int n = PrepareRepartition(m, liste);
    const TableCellules &t = m.TabTri;
    Avancement avancement(m, n);
    for (int i = 1; i <= n; ++i) {
        const double numero = t(ColTabTri::Libre5, i).nombre();
        const QString valeurs[] = {
            TexteNombre(t(ColTabTri::Ligne, i).nombre()),
            m.PlacesNommees() ? NomPointCardinal(int(t(ColTabTri::Cle2, i).nombre())) : QString(),
            TexteNombre(numero),
            NomJoueur(m, numero, ColJoueur::Nom),
            NomJoueur(m, numero, ColJoueur::Prenom),
        };
        QStringList ligne;
        for (Colonne c : colonnes)
            ligne << valeurs[c];
        tableau.ajouteLigne(ligne);
        avancement.avance();
    }

    Document document;
    document.entete = {m.NomTournoi,
                       QStringLiteral("LISTE DES TABLES DE LA MANCHE ") + QString::number(m.MancheCourante), sousTitre};
    document.ajoute(tableau);
    return document;
}

bool ImprimeListe(Modele &m, Liste liste, Sortie sortie)
{
    if (m.NbScores() == 0) {
        m.AfficheErreur(QStringLiteral("Le fichier de répartition est vide, il n'y a rien à imprimer."));
        return false;
    }
    return ImprimeRapport(m, sortie, NomListe(liste), [&] { return ContenuTexte(LignesListe(m, liste)); },
                          [&] { return DocumentListe(m, liste); });
}
