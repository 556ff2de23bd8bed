#include "players/copie.h"
#include "store/catalogue.h"
#include "store/fichiers.h"
#include "store/modele.h"
#include "store/texte.h"

QStringList AutresTournois(const Modele &m)
{
    QStringList autres = ListeCatalogue(m);
    autres.removeIf([&m](const QString &entree) { return NumeroEntree(entree) == m.NumTournoi; });
    return autres;
}

QString TypeJeuTournoi(Modele &m, const QString &numero)
{
    const QString fichier = QStringLiteral("T") + numero + QStringLiteral(".DAT");
    const QStringList lignes = DecoupeLignes(DepuisCp1252(m.LitFichier(fichier).value_or(QByteArray())));
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

TableCellules JoueursTournoi(Modele &m, const QString &numero)
{
    const QString fichier = QStringLiteral("J") + numero + QStringLiteral(".DAT");
    TableCellules joueurs(ColJoueur::Nb);
    QString erreur;
    const std::optional<QByteArray> contenu = m.LitFichier(fichier);
    if (contenu && !LitJoueurs(*contenu, fichier, joueurs, erreur))
        m.AfficheErreur(erreur);
    return joueurs;
}
