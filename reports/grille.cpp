#include "reports/grille.h"
#include "reports/commun.h"
#include "store/modele.h"
#include "store/texte.h"

namespace {

QStringList EnteteGrille(const Modele &m, const QDateTime &quand, int page)
{
    return EntetePage(m, quand, page) + QStringList{
        QStringLiteral("                                          CLASSEMENT"),
        QStringLiteral("                                                    Nbr  Nbr  Nombre  Moyenne  Moyenne"),
        QStringLiteral("        Tri  N°j  Nom              Prénom           man  par  points  manches  parties"),
        QStringLiteral("        ---  ---  ---------------  ---------------  ---  ---  ------  -------  -------"),
    };
}

// The fields of a grid row: position, number, names, then the five computed
// columns, each two blanks after the previous one.
constexpr int Largeurs[] = {3, 3, 15, 15, 3, 3, 6, 7, 7};
constexpr int Largeur = 86;

// One grid row in the bytes of the file, without its end: the margin, then
// the fields, where a cell without value prints 0.
void LigneJoueur(char (&ligne)[Largeur], const Modele &m, int position, int r)
{
    char *d = ligne;
    const int *largeur = Largeurs;
    auto champ = [&d, &largeur](const Cellule &valeur) {
        d[0] = d[1] = ' ';
        CadreOctets(d + 2, valeur, *largeur);
        d += 2 + *largeur++;
    };
    const TableCellules &j = m.Joueurs;
    std::fill(d, d + 6, ' ');
    d += 6;
    champ(position);
    champ(j(ColJoueur::Numero, r).nombre());
    for (int c : {ColJoueur::Nom, ColJoueur::Prenom}) {
        // Names print as texts, left-aligned, whatever their cells hold.
        const Cellule &nom = j(c, r);
        champ(nom.estNombre() ? Cellule(nom.texte()) : nom);
    }
    for (int c = ColJoueur::Manches; c <= ColJoueur::MoyParties; ++c) {
        const double valeur = j(c, r).nombre();
        champ(valeur == SansValeur ? 0.0 : valeur);
    }
}

void AjouteLigneJoueur(QByteArray &contenu, const Modele &m, int position, int r)
{
    char ligne[Largeur];
    LigneJoueur(ligne, m, position, r);
    contenu.append(ligne, Largeur).append("\r\n");
}

} // namespace

QByteArray ContenuGrille(const Modele &m)
{
    const QDateTime quand = m.plateforme.maintenant();
    // The largest tournament prints ten thousand lines: they go straight to the file's bytes.
    QByteArray contenu;
    contenu.reserve(qsizetype(m.OrdreGrille.size()) * 100 + 1000);
    auto entete = [&](int page) {
        for (const QString &ligne : EnteteGrille(m, quand, page))
            contenu += VersCp1252(ligne) + "\r\n";
    };
    // Each page starts with its header; after the header a page counts nine
    // lines, and the header of the next page follows once it passes 60.
    int page = 1, compte = 9;
    entete(page);
    for (int i = 0; i < m.OrdreGrille.size(); ++i) {
        const int r = m.RechJoueur(m.OrdreGrille[i]);
        if (r == -1)
            continue;
        AjouteLigneJoueur(contenu, m, i + 1, r);
        if (++compte > 60) {
            entete(++page);
            compte = 9;
        }
    }
    return contenu;
}

QStringList LignesGrille(const Modele &m)
{
    return DecoupeLignes(DepuisCp1252(ContenuGrille(m)));
}

Document DocumentGrille(Modele &m)
{
    Tableau tableau;
    tableau.largeurs = {1.5, 1.5, 4, 4, 1.5, 1.5, 1.5, 1.5, 1.5};
    tableau.lignesEntete = 1;
    tableau.ajouteLigne({QStringLiteral("Tri"), QStringLiteral("N° J"), QStringLiteral("Nom"), QStringLiteral("Prénom"),
                         QStringLiteral("Nb Man"), QStringLiteral("Nb Par"), QStringLiteral("Nb Pts"),
                         QStringLiteral("Moy Man"), QStringLiteral("Moy Par")},
                        true);
    Avancement avancement(m, m.OrdreGrille.size());
    for (int i = 0; i < m.OrdreGrille.size(); ++i) {
        const int r = m.RechJoueur(m.OrdreGrille[i]);
        if (r != -1) {
            // The cells hold the fields of the text line, padding included.
            char ligne[Largeur];
            LigneJoueur(ligne, m, i + 1, r);
            QList<CelluleDoc> cellules;
            cellules.reserve(std::size(Largeurs));
            const char *d = ligne + 6;
            for (int largeur : Largeurs) {
                cellules.emplace_back().texte = DepuisCp1252(QByteArrayView(d + 2, largeur));
                d += 2 + largeur;
            }
            tableau.lignes.append(cellules);
        }
        avancement.avance();
    }
    // 18.5 cm across: the page lies on its side.
    Document document;
    document.orientation = Orientation::Paysage;
    document.entete = {m.NomTournoi, QStringLiteral("CLASSEMENT")};
    document.ajoute(tableau);
    return document;
}

bool ImprimeGrille(Modele &m, Sortie sortie)
{
    if (m.NbJoueurs() == 0) {
        m.AfficheErreur(QStringLiteral("La grille est vide, il n'y a rien à imprimer."));
        return false;
    }
    return ImprimeRapport(m, sortie, QStringLiteral("GRILLE"), [&] { return ContenuGrille(m); },
                          [&] { return DocumentGrille(m); });
}
