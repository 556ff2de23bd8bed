#include "reports/canal.h"
#include "store/modele.h"
#include "store/texte.h"

#include <QDir>

bool ImprimeTexte(Modele &m, const QString &fichier, const QStringList &lignes, bool ouvrirEditeur)
{
    qsizetype taille = 0;
    for (const QString &ligne : lignes)
        taille += ligne.size() + 2;
    QByteArray contenu;
    contenu.reserve(taille);
    for (const QString &ligne : lignes)
        contenu += VersCp1252(ligne) + "\r\n";
    return ImprimeTexte(m, fichier, contenu, ouvrirEditeur);
}

bool ImprimeTexte(Modele &m, const QString &fichier, const QByteArray &contenu, bool ouvrirEditeur)
{
    if (!m.EcritFichier(fichier, contenu))
        return false;
    const QString chemin = QDir::toNativeSeparators(m.Chemin(fichier));
    if (ouvrirEditeur && !m.plateforme.editeTexte(chemin))
        m.plateforme.message(Plateforme::Icone::Information, TitreProgramme,
                             QStringLiteral("Aucun programme n'a pu ouvrir le fichier. Il est enregistré ici :\n")
                                 + chemin);
    return true;
}
