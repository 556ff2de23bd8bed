#include "reports/manches.h"
#include "reports/canal.h"
#include "reports/commun.h"
#include "store/modele.h"
#include "store/texte.h"

QStringList LignesManches(const Modele &m)
{
    const QString cadre = QStringLiteral("                        +-----------+---------+---------+--------------+");
    QStringList lignes = EnteteRapport(m, m.plateforme.maintenant(), 43);
    lignes << QStringLiteral("                                      LISTE DES MANCHES")
           << QStringLiteral("                                      =================")
           << QStringLiteral(" ") << QStringLiteral(" ")
           << cadre
           << QStringLiteral("                        ! N° manche !  Début  !   Fin   ! Nbre parties !")
           << cadre;
    const TableCellules &t = m.Manches;
    for (int i = 1; i <= m.NbManches(); ++i)
        lignes << QStringLiteral("                        !        ") + TexteNombre(t(ColManche::Numero, i).nombre())
                      + QStringLiteral("  !  ") + t(ColManche::Debut, i).texte() + QStringLiteral("  !  ")
                      + t(ColManche::Fin, i).texte() + QStringLiteral("  !      ")
                      + Cadrer(t(ColManche::Parties, i).nombre(), 2) + QStringLiteral("      !");
    lignes << cadre;
    return lignes;
}

bool ImprimeManches(Modele &m, bool ouvrirEditeur)
{
    return ImprimeTexte(m, QStringLiteral("MANCHES.TXT"), LignesManches(m), ouvrirEditeur);
}
