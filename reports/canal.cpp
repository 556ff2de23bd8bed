#include "reports/canal.h"
#include "store/modele.h"

bool ImprimeTexte(Modele &m, const QString &fichier, const QStringList &lignes, bool ouvrirEditeur)
{
    if (!m.EcritLignes(fichier, lignes))
        return false;
    if (ouvrirEditeur)
        m.plateforme.editeTexte(m.Chemin(fichier));
    return true;
}
