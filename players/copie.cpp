#include "players/copie.h"
#include "players/joueurs.h"
#include "store/catalogue.h"
#include "store/fichiers.h"
#include "store/modele.h"
#include "store/texte.h"

namespace {

// Game type of a stored tournament, in capitals, empty when its header has
// none; nothing when the header cannot be read (error box).
std::optional<QString> TypeJeuTournoi(Modele &m, const QString &numero)
{
    const QString fichier = QStringLiteral("T") + numero + QStringLiteral(".DAT");
    const std::optional<QByteArray> contenu = m.LitFichier(fichier);
    if (!contenu)
        return std::nullopt;
    const QStringList lignes = DecoupeLignes(DepuisCp1252(*contenu));
    QString typeJeu;
    for (int i = 0; i < lignes.size(); ++i) {
        const qsizetype egal = lignes[i].indexOf(u'=');
        if (egal < 0)
            m.ArretFatal(QStringLiteral("Fichier de tournoi ") + fichier
                         + QStringLiteral(" invalide : manque le signe '=' en ligne ") + TexteSigne(i + 1));
        if (lignes[i].left(egal).toUpper() == u"TYPEJEU")
            typeJeu = lignes[i].mid(egal + 1).toUpper();
    }
    return typeJeu;
}

} // namespace

QStringList AutresTournois(const Modele &m)
{
    QStringList autres = ListeCatalogue(m);
    autres.removeIf([&m](const QString &entree) { return NumeroEntree(entree) == m.NumTournoi; });
    return autres;
}

std::optional<TableCellules> JoueursTournoi(Modele &m, const QString &numero, QString *erreur)
{
    const QString fichier = QStringLiteral("J") + numero + QStringLiteral(".DAT");
    QString texte;
    TableCellules joueurs(ColJoueur::Nb);
    const std::optional<QByteArray> contenu = m.LitFichier(fichier, &texte);
    // The program deletes the players file of a tournament left without entrants.
    if (contenu && LitJoueurs(*contenu, fichier, joueurs, texte) && joueurs.nbLignes() == 0)
        texte = QStringLiteral("Le fichier ") + fichier
                + QStringLiteral(" est absent ou vide : ce tournoi n'a aucun joueur à copier.");
    if (texte.isEmpty())
        return joueurs;
    if (erreur)
        *erreur = texte;
    else
        m.AfficheErreur(texte);
    return std::nullopt;
}

bool CopieJoueurs(Modele &m, const QString &numero)
{
    if (numero.isEmpty()) {
        m.AfficheErreur(QStringLiteral("Sélectionnez d'abord un tournoi en cliquant dessus dans la liste."));
        return false;
    }
    const std::optional<QString> typeJeu = TypeJeuTournoi(m, numero);
    if (!typeJeu)
        return false;
    if (*typeJeu != m.TypeJeu.texte()) {
        m.AfficheErreur(
            QStringLiteral("Ce tournoi n'est pas du même type que le tournoi actuel. Copie des joueurs impossible."));
        return false;
    }
    const std::optional<TableCellules> joueurs = JoueursTournoi(m, numero);
    return joueurs && InstalleListe(m, *joueurs);
}
