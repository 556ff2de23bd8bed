#include "reports/canal.h"
#include "store/modele.h"

#include <QDir>

bool ImprimeTexte(Modele &m, const QString &fichier, const QStringList &lignes, bool ouvrirEditeur)
{
    if (!m.EcritLignes(fichier, lignes))
        return false;
    const QString chemin = QDir::toNativeSeparators(m.Chemin(fichier));
    if (ouvrirEditeur && !m.plateforme.editeTexte(chemin))
        m.plateforme.message(Plateforme::Icone::Information, TitreProgramme,
                             QStringLiteral("Aucun programme n'a pu ouvrir le fichier. Il est enregistré ici :\n")
                                 + chemin);
    return true;
}
