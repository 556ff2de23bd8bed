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

// The nine fields of a grid row: position, number, names, then the five
// computed columns, where a cell without value gives 0. Each is appended to
// the text `suivant()` gives, the next field's.
template <typename Suivant>
void ChampsJoueur(const Modele &m, int position, int r, Suivant &&suivant)
{
    const TableCellules &j = m.Joueurs;
    AjouteCadre(suivant(), position, 3);
    AjouteCadre(suivant(), j(ColJoueur::Numero, r).nombre(), 3);
    for (int c : {ColJoueur::Nom, ColJoueur::Prenom}) {
        // Names print as texts, left-aligned, whatever their cells hold.
        const Cellule &nom = j(c, r);
        if (nom.estNombre())
            AjouteCadre(suivant(), Cellule(nom.texte()), 15);
        else
            AjouteCadre(suivant(), nom, 15);
    }
    constexpr int largeurs[] = {3, 3, 6, 7, 7};
    for (int c = ColJoueur::Manches; c <= ColJoueur::MoyParties; ++c) {
        const double valeur = j(c, r).nombre();
        AjouteCadre(suivant(), valeur == SansValeur ? 0.0 : valeur, largeurs[c - ColJoueur::Manches]);
    }
}

// One line of GRILLE.TXT: the margin, then the fields two blanks apart.
QString LigneJoueur(const Modele &m, int position, int r)
{
    // The largest tournament prints ten thousand of these lines: one string each.
    QString ligne;
    ligne.reserve(86);
    ligne += Marge;
    bool premier = true;
    ChampsJoueur(m, position, r, [&]() -> QString & {
        if (!premier)
            ligne += QLatin1StringView("  ");
        premier = false;
        return ligne;
    });
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
            QList<CelluleDoc> cellules;
            cellules.reserve(9);
            ChampsJoueur(m, i + 1, r, [&]() -> QString & { return cellules.emplace_back().texte; });
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
    return ImprimeRapport(m, sortie, QStringLiteral("GRILLE"), [&] { return LignesGrille(m); },
                          [&] { return DocumentGrille(m); });
}
