#include "reports/grille.h"
#include "reports/canal.h"
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

// One grid row in the bytes of the file: position, number, names, then the
// five computed columns, where a cell without value prints 0.
void AjouteLigneJoueur(QByteArray &contenu, const Modele &m, int position, int r)
{
    constexpr int Largeur = 86;
    char ligne[Largeur];
    char *d = ligne;
    auto champ = [&d](const Cellule &valeur, int largeur) {
        d[0] = d[1] = ' ';
        CadreOctets(d + 2, valeur, largeur);
        d += 2 + largeur;
    };
    const TableCellules &j = m.Joueurs;
    std::fill(d, d + 6, ' ');
    d += 6;
    champ(position, 3);
    champ(j(ColJoueur::Numero, r).nombre(), 3);
    for (int c : {ColJoueur::Nom, ColJoueur::Prenom}) {
        // Names print as texts, left-aligned, whatever their cells hold.
        const Cellule &nom = j(c, r);
        champ(nom.estNombre() ? Cellule(nom.texte()) : nom, 15);
    }
    constexpr int largeurs[] = {3, 3, 6, 7, 7};
    for (int c = ColJoueur::Manches; c <= ColJoueur::MoyParties; ++c) {
        const double valeur = j(c, r).nombre();
        champ(valeur == SansValeur ? 0.0 : valeur, largeurs[c - ColJoueur::Manches]);
    }
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

bool ImprimeGrille(Modele &m, bool ouvrirEditeur)
{
    if (m.NbJoueurs() == 0) {
        m.AfficheErreur(QStringLiteral("La grille est vide, il n'y a rien à imprimer."));
        return false;
    }
    return ImprimeTexte(m, QStringLiteral("GRILLE.TXT"), ContenuGrille(m), ouvrirEditeur);
}
