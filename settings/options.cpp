#include "settings/options.h"
#include "store/fichiers.h"
#include "store/modele.h"
#include "store/texte.h"

namespace {

const QString FichierOptions = QStringLiteral("VELMORA.INI");

} // namespace

void LitOptions(Modele &m)
{
    QString erreur;
    const std::optional<QByteArray> contenu = m.LitFichier(FichierOptions, &erreur);
    if (!contenu)
        m.ArretFatal(erreur);
    const QString prefixe = QStringLiteral("Fichier d'options VELMORA.INI invalide : ");
    const QStringList lignes = DecoupeLignes(DepuisCp1252(*contenu));
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

bool EcritOptions(Modele &m, const Reglages &r, const QString &numero)
{
    const bool existait = m.FichierExiste(FichierOptions);
    const std::optional<QByteArray> ancien = m.LitFichier(FichierOptions);
    if (!ancien || !m.EcritLignes(FichierOptions, LignesOptions(r)))
        return false;
    if (m.EcritLignes(QStringLiteral("T") + numero + QStringLiteral(".DAT"), LignesEntete(r)))
        return true;
    // Both files or neither: the options file goes back to what it held.
    if (existait)
        m.EcritFichier(FichierOptions, *ancien);
    else
        m.SupprimeFichier(FichierOptions);
    return false;
}

bool EnregistreReglages(Modele &m, const Reglages &r)
{
    if (!EcritOptions(m, r, m.NumTournoi))
        return false;
    const bool ancienAffichMoy = m.OptAffichMoy;
    static_cast<Reglages &>(m) = r;
    emit m.reglagesChanges(ancienAffichMoy);
    return true;
}

bool CreeTournoi(Modele &m, const QString &numero, const Reglages &r)
{
    if (!EcritOptions(m, r, numero))
        return false;
    m.OptAffichMoy = r.OptAffichMoy;
    m.OptCtrlBal = r.OptCtrlBal;
    m.FichierSon5 = r.FichierSon5;
    m.FichierSon = r.FichierSon;
    return true;
}
