#include "settings/options.h"
#include "store/fichiers.h"
#include "store/modele.h"
#include "store/texte.h"

#include <algorithm>

namespace {

const QString FichierOptions = QStringLiteral("VELMORA.INI");

// The characters of a text that the files cannot hold, each once, separated by spaces.
QString CaracteresRefuses(const QString &texte)
{
    QStringList refuses;
    for (const char32_t code : texte.toUcs4()) {
        const QString caractere = QString::fromUcs4(&code, 1);
        if (!EstCp1252(caractere) && !refuses.contains(caractere))
            refuses << caractere;
    }
    return refuses.join(u' ');
}

// The whole number of a box, when it lies within the bounds.
std::optional<int> Borne(const QString &texte, int min, int max)
{
    const std::optional<int> n = EntierSaisi(texte);
    return n && *n >= min && *n <= max ? n : std::nullopt;
}

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

std::variant<Reglages, RefusOptions> ControleOptions(const Reglages &actuels, const SaisieOptions &s)
{
    const QString sansSon = QStringLiteral("Choisissez un fichier son ou désactivez l'alarme !");
    if (s.Alarme5 && s.FichierSon5.isEmpty())
        return RefusOptions{ChampOption::Alarme5, sansSon};
    if (s.Alarme && s.FichierSon.isEmpty())
        return RefusOptions{ChampOption::Alarme, sansSon};
    const std::tuple<QString, ChampOption, QString> sons[] = {
        {s.FichierSon5, ChampOption::FichierSon5, QStringLiteral("5 mn avant l'heure de fin de manche")},
        {s.FichierSon, ChampOption::FichierSon, QStringLiteral("à l'heure de fin de manche")}};
    for (const auto &[chemin, champ, quand] : sons)
        if (const QString refuses = CaracteresRefuses(chemin); !refuses.isEmpty())
            return RefusOptions{champ, QStringLiteral("Le chemin du fichier son joué ") + quand
                                           + QStringLiteral(" ne peut pas contenir les caractères ") + refuses
                                           + QStringLiteral(" : choisissez un autre fichier s.v.p.")};
    if (s.TypeJeu == TypeJeu::Aucun)
        return RefusOptions{ChampOption::TypeJeu, QStringLiteral("Choisissez un type de jeu ! (Belote ou Tarot)")};
    if (s.NomTournoi.isEmpty())
        return RefusOptions{ChampOption::NomTournoi, QStringLiteral("Donnez un nom à votre tournoi svp !")};
    if (const QString refuses = CaracteresRefuses(s.NomTournoi); !refuses.isEmpty())
        return RefusOptions{ChampOption::NomTournoi,
                            QStringLiteral("Le nom du tournoi ne peut pas contenir les caractères ") + refuses
                                + QStringLiteral(" : remplacez-les s.v.p.")};

    Reglages r = actuels;
    r.Decalage.fill(Cellule(QString()));
    if (s.Tirage == TypeTirage::Tournoi) {
        if (std::all_of(s.Decalages.begin(), s.Decalages.end(), [](const QString &d) { return d.isEmpty(); }))
            return RefusOptions{ChampOption::DecalageNord,
                                QStringLiteral("Renseignez les valeurs des décalages de tables s.v.p.")};
        // The header keeps the other offsets only after the Nord one.
        if (s.Decalages[0].isEmpty())
            return RefusOptions{ChampOption::DecalageNord,
                                QStringLiteral("Renseignez le décalage Nord s.v.p. : sans lui, les autres décalages "
                                               "ne sont pas enregistrés.")};
        const QString places[] = {QStringLiteral("Nord"), QStringLiteral("Est"), QStringLiteral("Sud"),
                                  QStringLiteral("Ouest")};
        for (int k = 0; k < 4; ++k) {
            if (s.Decalages[k].isEmpty())
                continue;
            const std::optional<int> decalage = Borne(s.Decalages[k], -MaxDecalage, MaxDecalage);
            if (!decalage)
                return RefusOptions{ChampOption(int(ChampOption::DecalageNord) + k),
                                    QStringLiteral("Le décalage %1 doit être un nombre entier entre -%2 et %2 !")
                                        .arg(places[k])
                                        .arg(MaxDecalage)};
            r.Decalage[k + 1] = *decalage;
        }
    }

    if (!s.BeloteVerrouillee) {
        const struct
        {
            QString texte;
            int &valeur;
            ChampOption champ;
            QString debut, fin;
        } belote[] = {
            // An empty total is no check at all.
            {s.TotalBelote.isEmpty() ? QStringLiteral("0") : s.TotalBelote, r.TotalBelote, ChampOption::TotalBelote,
             QStringLiteral("Le total Belote à contrôler"), QStringLiteral(" (vide : pas de contrôle) !")},
            {s.PtsBeloteRebelote, r.PtsBeloteRebelote, ChampOption::PtsBeloteRebelote,
             QStringLiteral("La valeur \"Belote et rebelote\""), QStringLiteral(" !")},
            {s.PtsCapot, r.PtsCapot, ChampOption::PtsCapot, QStringLiteral("La valeur \"Capot\""),
             QStringLiteral(" !")}};
        for (const auto &valeur : belote) {
            const std::optional<int> points = Borne(valeur.texte, 0, MaxPointsBelote);
            if (!points)
                return RefusOptions{valeur.champ, valeur.debut
                                                      + QStringLiteral(" doit être un nombre entier entre 0 et %1")
                                                            .arg(MaxPointsBelote)
                                                      + valeur.fin};
            valeur.valeur = *points;
        }
    }

    r.NomTournoi = s.NomTournoi;
    r.TypeJeu = s.TypeJeu;
    r.Tirage = s.Tirage;
    r.TirageManche1 = s.TirageManche1;
    r.OptAnimation = s.Animation;
    r.OptCalculAuto = s.CalculAuto;
    r.OptCtrlBal = s.CtrlBal;
    r.OptAffichMoy = s.AffichMoy;
    r.FichierSon5 = s.FichierSon5;
    r.FichierSon = s.FichierSon;
    return r;
}
