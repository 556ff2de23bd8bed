#include "reports/commun.h"
#include "store/modele.h"
#include "store/texte.h"

namespace {

QString Date(const QDateTime &quand)
{
    return quand.toString(QStringLiteral("dd/MM/yyyy"));
}

QString Heure(const QDateTime &quand)
{
    return quand.toString(QStringLiteral("HH:mm:ss"));
}

// The margin and the credit, padded with blanks to `largeur` columns.
QString ChampCredit(int largeur)
{
    return Marge + Cadrer(CreditAuteur, largeur - int(Marge.size()));
}

QString NomCentre(const Modele &m)
{
    return Marge + Centrer(m.NomTournoi, 78);
}

} // namespace

QStringList EnteteRapport(const Modele &m, const QDateTime &quand, int ecart)
{
    return {
        Marge + TitreProgramme + QString(ecart, QLatin1Char(' ')) + Date(quand),
        ChampCredit(78) + Heure(quand),
        QStringLiteral(" "),
        NomCentre(m),
        QStringLiteral(" "),
    };
}

QStringList EntetePage(const Modele &m, const QDateTime &quand, int page)
{
    return {
        QStringLiteral("\f"),
        Marge + TitreProgramme + QString(44, QLatin1Char(' ')) + QStringLiteral("PAGE : ") + Cadrer(page, 2),
        ChampCredit(76) + Date(quand),
        QString(78, QLatin1Char(' ')) + Heure(quand),
        NomCentre(m),
        QStringLiteral(" "),
    };
}

QStringList Pagine(const std::function<QStringList(int page)> &entete, const QList<QStringList> &enregistrements,
                   int limite)
{
    constexpr int lignesEntete = 9;
    int page = 1;
    QStringList lignes = entete(page);
    int compte = lignesEntete;
    for (const QStringList &enregistrement : enregistrements) {
        lignes += enregistrement;
        compte += int(enregistrement.size());
        if (compte > limite) {
            lignes += entete(++page);
            compte = lignesEntete;
        }
    }
    return lignes;
}

void Avancement::avance()
{
    const int pourcentage = int(++m_faits * 100 / m_total);
    if (pourcentage != m_dit)
        emit m_modele.progression(m_dit = pourcentage);
}

QString NomJoueur(const Modele &m, double numero, int colonne)
{
    const int r = m.RechJoueur(numero);
    return r == -1 ? QString() : m.Joueurs(colonne, r).texte();
}
