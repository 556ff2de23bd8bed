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
    const QString sep = QStringLiteral("  ");
    QString ligne = Marge + Cadrer(position, 3) + sep + Cadrer(j(ColJoueur::Numero, r).nombre(), 3) + sep
                    + Cadrer(j(ColJoueur::Nom, r).texte(), 15) + sep + Cadrer(j(ColJoueur::Prenom, r).texte(), 15);
    constexpr int largeurs[] = {3, 3, 6, 7, 7};
    for (int c = ColJoueur::Manches; c <= ColJoueur::MoyParties; ++c) {
        const double valeur = j(c, r).nombre();
        ligne += sep + Cadrer(valeur == SansValeur ? 0.0 : valeur, largeurs[c - ColJoueur::Manches]);
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
