#include "settings/options.h"
#include "store/modele.h"
#include "store/texte.h"

namespace {

const QString FichierOptions = QStringLiteral("VELMORA.INI");

} // namespace

void LitOptions(Modele &m)
{
    if (!m.FichierExiste(FichierOptions))
        return;
    const QString prefixe = QStringLiteral("Fichier d'options VELMORA.INI invalide : ");
    const QStringList lignes = m.LitLignes(FichierOptions);
    for (int i = 0; i < lignes.size(); ++i) {
        const QString enLigne = QStringLiteral(" en ligne ") + TexteSigne(i + 1);
        const qsizetype egal = lignes[i].indexOf(u'=');
        if (egal < 0)
            m.ArretFatal(prefixe + QStringLiteral("manque le signe '='") + enLigne);
        const QString cle = lignes[i].left(egal).toUpper();
        const QString valeur = lignes[i].mid(egal + 1);
        if (cle == u"AFFICHMOY") {
            if (valeur.toUpper() != u"OUI" && valeur.toUpper() != u"NON")
                m.ArretFatal(prefixe + QStringLiteral("l'option ") + cle
                             + QStringLiteral(" doit être 'OUI' ou 'NON'") + enLigne);
            m.OptAffichMoy = valeur.toUpper() == u"OUI";
        } else if (cle == u"CTRLBAL") {
            m.OptCtrlBal = valeur.toUpper() == u"OUI"; // anything but OUI turns it off
        } else if (cle == u"FICHIERSON5") {
            m.FichierSon5 = valeur;
        } else if (cle == u"FICHIERSON") {
            m.FichierSon = valeur;
        } else {
            m.ArretFatal(prefixe + QStringLiteral("nom d'option ") + cle + QStringLiteral(" inconnue") + enLigne);
        }
    }
}

bool EcritOptions(Modele &m)
{
    const QStringList lignes = {
        QStringLiteral("AffichMoy=") + TexteOuiNon(m.OptAffichMoy),
        QStringLiteral("CtrlBal=") + TexteOuiNon(m.OptCtrlBal),
        QStringLiteral("FichierSon5=") + m.FichierSon5,
        QStringLiteral("FichierSon=") + m.FichierSon,
    };
    return m.EcritLignes(FichierOptions, lignes) && m.EcritEntete();
}
