#include "players/csv.h"
#include "players/joueurs.h"
#include "players/noms.h"
#include "store/modele.h"
#include "store/texte.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <algorithm>

namespace {

// Entrant numbers have four digits.
constexpr int LignesMaxi = 9999;

// A field of a line: semicolons dropped, blanks trimmed at both ends and a run
// of blanks inside made one ("LE  GALL ;" gives "LE GALL").
QString OteSeparateurs(const QString &texte)
{
    QString champ = texte;
    champ.remove(u';');
    return champ.simplified();
}

// Text of a list written by a spreadsheet: UTF-8 when the bytes are valid
// UTF-8 (a byte-order mark is dropped), Windows-1252 otherwise.
QString DecodeCsv(const QByteArray &octets)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString texte = utf8.decode(octets);
    return utf8.hasError() ? DepuisCp1252(octets) : texte;
}

bool Controle(QChar c)
{
    return c.category() == QChar::Other_Control;
}

QString RefusLigne(const QString &faute, int ligne)
{
    return faute + QStringLiteral(" dans votre fichier CSV à la ligne ") + TexteSigne(ligne)
           + QStringLiteral("\nArrêt du traitement");
}

// The entrants of the file, or the text of the error box.
QString LitListe(const QString &chemin, TableCellules &joueurs)
{
    const QString fichier = QStringLiteral("Le fichier ") + QDir::toNativeSeparators(chemin);
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return fichier + QStringLiteral(" n'existe pas ou ne peut pas être lu.");
    QStringList lignes = DecoupeLignes(DecodeCsv(f.readAll()));
    while (!lignes.isEmpty() && lignes.last().trimmed().isEmpty())
        lignes.removeLast();
    if (lignes.isEmpty())
        return fichier + QStringLiteral(" ne contient aucun joueur : la liste des joueurs n'est pas modifiée.");
    if (lignes.size() > LignesMaxi)
        return fichier + QStringLiteral(" contient plus de 9999 lignes : la liste des joueurs n'est pas modifiée.");
    for (const QString &ligne : lignes) {
        const int r = joueurs.ajouteLigne();
        if (std::any_of(ligne.begin(), ligne.end(), Controle))
            return RefusLigne(QStringLiteral("Caractère de contrôle"), r);
        const qsizetype p = ligne.indexOf(u';');
        if (p < 0)
            return RefusLigne(QStringLiteral("Pas de point-virgule"), r);
        const QString nom = NomEnregistre(OteSeparateurs(ligne.left(p)));
        const QString prenom = NomEnregistre(OteSeparateurs(ligne.mid(p + 1)));
        if (nom.isEmpty() && prenom.isEmpty())
            return RefusLigne(QStringLiteral("Ni nom ni prénom"), r);
        RemplitJoueur(joueurs, r, r, nom, prenom);
    }
    return {};
}

} // namespace

bool ImporteCsv(Modele &m, const QString &chemin)
{
    TableCellules joueurs(ColJoueur::Nb);
    const QString erreur = LitListe(chemin, joueurs);
    if (!erreur.isEmpty()) {
        m.AfficheErreur(erreur);
        return false;
    }
    return InstalleListe(m, joueurs);
}
