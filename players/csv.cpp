#include "players/csv.h"
#include "players/joueurs.h"
#include "players/noms.h"
#include "store/table.h"
#include "store/texte.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace {

// Entrant numbers have four digits.
constexpr int LignesMaxi = 9999;

} // namespace

QString OteSeparateurs(const QString &texte)
{
    QString resultat = texte;
    resultat.removeIf([](QChar c) { return c == u' ' || c == u';'; });
    return resultat;
}

QString DecodeCsv(const QByteArray &octets)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString texte = utf8.decode(octets);
    return utf8.hasError() ? DepuisCp1252(octets) : texte;
}

FichierCsv LitFichierCsv(const QString &chemin)
{
    const QString nom = QDir::toNativeSeparators(chemin);
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("Le fichier ") + nom + QStringLiteral(" n'existe pas ou ne peut pas être lu.")};
    const QStringList lignes = DecoupeLignes(DecodeCsv(fichier.readAll()));
    if (lignes.size() > LignesMaxi)
        return {{}, QStringLiteral("Le fichier ") + nom + QStringLiteral(" contient plus de 9999 lignes : ")
                        + QStringLiteral("la liste des joueurs n'est pas modifiée.")};
    return {lignes, {}};
}

int JoueursCsv(const QStringList &lignes, TableCellules &joueurs)
{
    joueurs.vide();
    for (const QString &ligne : lignes) {
        const qsizetype p = ligne.indexOf(u';');
        if (p < 0)
            return joueurs.nbLignes() + 1;
        const int r = joueurs.ajouteLigne();
        RemplitJoueur(joueurs, r, r, NomEnregistre(OteSeparateurs(ligne.left(p))),
                      NomEnregistre(OteSeparateurs(ligne.mid(p + 1))));
    }
    return 0;
}
