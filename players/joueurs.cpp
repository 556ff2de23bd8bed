#include "players/joueurs.h"
#include "store/modele.h"
#include "store/texte.h"

#include <set>

namespace {

constexpr int NumeroMaxi = 9999;

// Applies a change to Joueurs and rewrites the players file; the table is put
// back when the file cannot be written.
template <typename Changement>
bool ModifieJoueurs(Modele &m, Changement changement)
{
    const TableCellules avant = m.Joueurs;
    changement(m.Joueurs);
    if (m.EcritJoueurs())
        return true;
    m.Joueurs = avant;
    return false;
}

} // namespace

int RechNumLibre(const Modele &m)
{
    const int n = m.NbJoueurs();
    if (n == 0)
        return 1;
    auto numero = [&m](int ligne) { return m.Joueurs(1, ligne).nombre(); };
    if (numero(n) == n)
        return numero(1) == 1 ? n + 1 : 1;
    for (int i = 1; i <= n; ++i)
        if (numero(i) != i)
            return i;
    return n + 1;
}

int NumeroSaisi(const QString &texte)
{
    const QString chiffres = texte.trimmed();
    if (chiffres.isEmpty())
        return 0;
    for (const QChar c : chiffres)
        if (c < u'0' || c > u'9')
            return 0;
    bool lu = false;
    const int numero = chiffres.toInt(&lu);
    return lu && numero <= NumeroMaxi ? numero : 0;
}

QString RefusNumero(const Modele &m, const QString &texte)
{
    const int numero = NumeroSaisi(texte);
    if (numero == 0)
        return QStringLiteral("Le n° doit être un nombre entier de 1 à 9999.");
    if (m.RechJoueur(numero) != -1)
        return QStringLiteral("Le n° ") + QString::number(numero) + QStringLiteral(" est déjà attribué.");
    return {};
}

int RechDoublon(const Modele &m, const QString &nom, const QString &prenom)
{
    for (int r = 1; r <= m.NbJoueurs(); ++r)
        if (m.Joueurs(3, r).texte() == nom && m.Joueurs(4, r).texte() == prenom)
            return r;
    return -1;
}

int MancheDuJoueur(const Modele &m, double numero)
{
    for (int i = 1; i <= m.NbScores(); ++i)
        if (m.Scores(4, i).nombre() == numero)
            return int(m.Scores(1, i).nombre());
    return 0;
}

void RemplitJoueur(TableCellules &joueurs, int ligne, int numero, const QString &nom, const QString &prenom)
{
    joueurs(1, ligne) = numero;
    joueurs(2, ligne) = QStringLiteral("X");
    joueurs(3, ligne) = nom;
    joueurs(4, ligne) = prenom;
    for (int c = 5; c <= 9; ++c)
        joueurs(c, ligne) = SansValeur;
}

int AjouteJoueur(Modele &m, int numero, const QString &nom, const QString &prenom)
{
    int p = 1;
    while (p <= m.NbJoueurs() && m.Joueurs(1, p).nombre() <= numero)
        ++p;
    const bool ecrit = ModifieJoueurs(m, [&](TableCellules &joueurs) {
        joueurs.insereLigne(p);
        RemplitJoueur(joueurs, p, numero, nom, prenom);
    });
    return ecrit ? p : -1;
}

bool ChangeJoueur(Modele &m, int ligne, const QString &nom, const QString &prenom)
{
    return ModifieJoueurs(m, [&](TableCellules &joueurs) {
        joueurs(3, ligne) = nom;
        joueurs(4, ligne) = prenom;
    });
}

bool SupprimeJoueur(Modele &m, int ligne)
{
    return ModifieJoueurs(m, [ligne](TableCellules &joueurs) { joueurs.supprimeLignes(ligne); });
}

bool RemplaceJoueurs(Modele &m, const TableCellules &joueurs)
{
    // The ranking stops the program on a seated entrant it cannot find.
    std::set<double> numeros;
    for (int r = 1; r <= joueurs.nbLignes(); ++r)
        numeros.insert(joueurs(1, r).nombre());
    for (int i = 1; i <= m.NbScores(); ++i) {
        const double numero = m.Scores(4, i).nombre();
        if (!numeros.count(numero)) {
            m.AfficheErreur(QStringLiteral("Le joueur n° ") + TexteNombre(numero)
                            + QStringLiteral(" est placé à une table de la manche n° ") + m.Scores(1, i).texte()
                            + QStringLiteral(" et ne figure pas dans la nouvelle liste : la liste des joueurs")
                            + QStringLiteral(" n'est pas modifiée."));
            return false;
        }
    }
    return ModifieJoueurs(m, [&joueurs](TableCellules &table) { table = joueurs; });
}

bool ListeRemplacable(Modele &m)
{
    for (int i = 1; i <= m.NbScores(); ++i) {
        if (!m.Scores(5, i).estVide()) {
            m.plateforme.bip();
            m.plateforme.message(Plateforme::Icone::Critique, TitreProgramme,
                                 QStringLiteral("Des points ont été saisis pour certains joueurs dans ce tournoi. ")
                                     + QStringLiteral("On ne peut donc pas recréer la liste des joueurs ..."));
            return false;
        }
    }
    return true;
}

bool ConfirmeEffacement(Modele &m)
{
    if (m.NbJoueurs() == 0)
        return true;
    m.plateforme.bip();
    return m.plateforme.question(TitreProgramme,
                                 QStringLiteral("Attention, ") + QString::number(m.NbJoueurs())
                                     + QStringLiteral(" joueurs vont être effacés dans le tournoi \"") + m.NomTournoi
                                     + QStringLiteral("\".  Voulez-vous continuer ?"),
                                 false);
}
