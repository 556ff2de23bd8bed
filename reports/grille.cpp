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

// One grid row: position, number, names, then the five computed columns,
// where a cell without value prints 0.
QString LigneJoueur(const Modele &m, int position, int r)
{
    const TableCellules &j = m.Joueurs;
    const QLatin1StringView sep("  ");
    // The largest tournament prints ten thousand of these lines: one string each.
    QString ligne;
    ligne.reserve(86);
    ligne += Marge;
    AjouteCadre(ligne, position, 3);
    ligne += sep;
    AjouteCadre(ligne, j(ColJoueur::Numero, r).nombre(), 3);
    for (int c : {ColJoueur::Nom, ColJoueur::Prenom}) {
        ligne += sep;
        // Names print as texts, left-aligned, whatever their cells hold.
        const Cellule &nom = j(c, r);
        if (nom.estNombre())
            AjouteCadre(ligne, Cellule(nom.texte()), 15);
        else
            AjouteCadre(ligne, nom, 15);
    }
    constexpr int largeurs[] = {3, 3, 6, 7, 7};
    for (int c = ColJoueur::Manches; c <= ColJoueur::MoyParties; ++c) {
        const double valeur = j(c, r).nombre();
        ligne += sep;
        AjouteCadre(ligne, valeur == SansValeur ? 0.0 : valeur, largeurs[c - ColJoueur::Manches]);
    }
    return ligne;
}

} // namespace

QStringList LignesGrille(const Modele &m)
{
    const QDateTime quand = m.plateforme.maintenant();
    QList<QStringList> lignes;
    for (int i = 0; i < m.OrdreGrille.size(); ++i) {
        const int r = m.RechJoueur(m.OrdreGrille[i]);
        if (r != -1)
            lignes.append({LigneJoueur(m, i + 1, r)});
    }
    return Pagine([&](int page) { return EnteteGrille(m, quand, page); }, lignes, 60);
}

bool ImprimeGrille(Modele &m, bool ouvrirEditeur)
{
    if (m.NbJoueurs() == 0) {
        m.AfficheErreur(QStringLiteral("La grille est vide, il n'y a rien à imprimer."));
        return false;
    }
    return ImprimeTexte(m, QStringLiteral("GRILLE.TXT"), LignesGrille(m), ouvrirEditeur);
}
