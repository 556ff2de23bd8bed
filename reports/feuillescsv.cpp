#include "reports/feuillescsv.h"
#include "reports/canal.h"
#include "reports/commun.h"
#include "store/modele.h"
#include "store/texte.h"

#include <map>

QStringList LignesFeuillesCsv(const Modele &m)
{
    const int manches = m.NbManches();
    QStringList titres{QStringLiteral("Nom Tournoi"), QStringLiteral("N° joueur"), QStringLiteral("Nom joueur"),
                       QStringLiteral("Prénom joueur")};
    for (int r = 1; r <= manches; ++r)
        titres << QString::number(r);

    // Tables of each entrant by round; the first table met in a round is kept.
    std::map<double, QStringList> tables;
    for (int k = 1; k <= m.NbScores(); ++k) {
        QStringList &t = tables[m.Scores(ColScore::Joueur, k).nombre()];
        if (t.isEmpty())
            t.resize(manches);
        const int r = int(m.Scores(ColScore::Manche, k).nombre());
        if (r >= 1 && r <= manches && t[r - 1].isEmpty())
            t[r - 1] = TexteNombre(m.Scores(ColScore::Table, k).nombre());
    }

    QStringList lignes{titres.join(u';')};
    for (const auto &[numero, t] : tables)
        lignes << (QStringList{m.NomTournoi, TexteNombre(numero), NomJoueur(m, numero, ColJoueur::Nom),
                               NomJoueur(m, numero, ColJoueur::Prenom)}
                   + t)
                      .join(u';');
    return lignes;
}

bool ImprimeFeuillesCsv(Modele &m, bool ouvrirEditeur)
{
    return ImprimeTexte(m, QStringLiteral("FEUILLES.CSV"), LignesFeuillesCsv(m), ouvrirEditeur);
}
