#include "salle/pages.h"
#include "scores/places.h"
#include "store/modele.h"
#include "store/texte.h"

#include <QTime>
#include <algorithm>
#include <tuple>

namespace {

constexpr int SecondesParJour = 24 * 3600;

QString Nombre(const Cellule &c)
{
    return c.estVide() || c.nombre() == SansValeur ? QString() : TexteNombre(c.nombre());
}

QString Champ(const Modele &m, int colonne, int ligne)
{
    return m.Joueurs(colonne, ligne).texte().trimmed();
}

// Name and first name of a player, or the two members of a team; the
// number when the entrant has no name at all.
QString NomComplet(const Modele &m, int numero)
{
    const int ligne = m.RechJoueur(numero);
    QStringList parties;
    if (ligne > 0)
        for (int colonne : {ColJoueur::Nom, ColJoueur::Prenom})
            if (!Champ(m, colonne, ligne).isEmpty())
                parties << Champ(m, colonne, ligne);
    if (parties.isEmpty())
        return QStringLiteral("n° ") + QString::number(numero);
    return parties.join(m.TypeJeu.estEquipes() ? QStringLiteral(" / ") : QStringLiteral(" "));
}

// Sort key of a name as people read a list: accents and case do not count.
QString CleNom(const QString &nom)
{
    QString cle;
    for (const QChar c : nom.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            cle += c.toUpper();
    return cle;
}

QStringList EntetesNoms(const Modele &m)
{
    if (m.TypeJeu.estEquipes())
        return {QStringLiteral("Joueur 1"), QStringLiteral("Joueur 2")};
    return {QStringLiteral("Nom"), QStringLiteral("Prénom")};
}

QString DebutTitre(const Modele &m)
{
    return TexteManche(m) + QStringLiteral(" : ");
}

} // namespace

VueSalle VueTables(const Modele &m)
{
    VueSalle vue;
    vue.genre = GenreVue::Tables;
    vue.titre = DebutTitre(m) + QStringLiteral("les tables");
    const int parTable = m.NbParTable();
    vue.entetes << QStringLiteral("Table");
    for (int place = 1; place <= parTable; ++place) {
        if (m.PlacesNommees())
            vue.entetes << NomPlace(m, place);
        else if (place == 1)
            vue.entetes << (m.TypeJeu.estEquipes() ? QStringLiteral("Équipes") : QStringLiteral("Joueurs"));
        else
            vue.entetes << QString();
    }
    vue.aDroite = QList<bool>(parTable + 1, false);
    vue.aDroite[0] = true;

    const std::vector<int> places = PlacesDansTables(m);
    for (int r = 1; r <= m.NbScores(); ++r) {
        if (m.Scores(ColScore::Manche, r).nombre() != m.MancheCourante)
            continue;
        if (places[r] == 1 || vue.lignes.isEmpty()) {
            vue.lignes.append(QStringList(parTable + 1));
            vue.lignes.last()[0] = Nombre(m.Scores(ColScore::Table, r));
        }
        if (places[r] <= parTable)
            vue.lignes.last()[places[r]] = NomComplet(m, int(m.Scores(ColScore::Joueur, r).nombre()));
    }
    return vue;
}

VueSalle VueNoms(const Modele &m)
{
    VueSalle vue;
    vue.genre = GenreVue::Noms;
    vue.titre = DebutTitre(m) + QStringLiteral("votre table");
    vue.entetes = {QStringLiteral("Joueur"), QStringLiteral("Table")};
    vue.aDroite = {false, true};
    if (m.PlacesNommees()) {
        vue.entetes << QStringLiteral("Place");
        vue.aDroite << false;
    }

    struct Siege
    {
        QString cle;
        double table;
        int place;
        QStringList cases;
    };
    std::vector<Siege> sieges;
    const std::vector<int> places = PlacesDansTables(m);
    for (int r = 1; r <= m.NbScores(); ++r) {
        if (m.Scores(ColScore::Manche, r).nombre() != m.MancheCourante)
            continue;
        const int numero = int(m.Scores(ColScore::Joueur, r).nombre());
        const int ligne = m.RechJoueur(numero);
        QStringList noms;
        if (m.TypeJeu.estEquipes() && ligne > 0) {
            for (int colonne : {ColJoueur::Nom, ColJoueur::Prenom})
                if (!Champ(m, colonne, ligne).isEmpty())
                    noms << Champ(m, colonne, ligne);
        }
        if (noms.isEmpty())
            noms << NomComplet(m, numero);
        const double table = m.Scores(ColScore::Table, r).nombre();
        for (const QString &nom : noms) {
            QStringList cases{nom, Nombre(m.Scores(ColScore::Table, r))};
            if (m.PlacesNommees())
                cases << NomPlace(m, places[r]).trimmed();
            sieges.push_back({CleNom(nom), table, places[r], cases});
        }
    }
    std::stable_sort(sieges.begin(), sieges.end(), [](const Siege &a, const Siege &b) {
        return std::tie(a.cle, a.table, a.place) < std::tie(b.cle, b.table, b.place);
    });
    for (const Siege &s : sieges)
        vue.lignes << s.cases;
    return vue;
}

VueSalle VueClassement(const Modele &m)
{
    VueSalle vue;
    vue.genre = GenreVue::Classement;
    vue.titre = QStringLiteral("Classement");
    vue.entetes = QStringList{QStringLiteral("Pl."), QStringLiteral("N°")} + EntetesNoms(m)
                  + QStringList{QStringLiteral("Points")};
    vue.aDroite = {true, true, false, false, true};
    if (m.OptAffichMoy) {
        vue.entetes << QStringLiteral("Moy. manche") << QStringLiteral("Moy. partie");
        vue.aDroite << true << true;
    }
    for (int i = 0; i < m.OrdreGrille.size(); ++i) {
        const int ligne = m.RechJoueur(m.OrdreGrille[i]);
        // An entrant who has not played yet has no place to show.
        if (ligne < 0 || m.Joueurs(ColJoueur::Manches, ligne).nombre() == SansValeur)
            continue;
        QStringList cases{QString::number(i + 1), QString::number(m.OrdreGrille[i]),
                          Champ(m, ColJoueur::Nom, ligne), Champ(m, ColJoueur::Prenom, ligne),
                          Nombre(m.Joueurs(ColJoueur::Points, ligne))};
        if (m.OptAffichMoy)
            cases << Nombre(m.Joueurs(ColJoueur::MoyManches, ligne)) << Nombre(m.Joueurs(ColJoueur::MoyParties, ligne));
        vue.lignes << cases;
    }
    return vue;
}

VueSalle VueInscrits(const Modele &m)
{
    VueSalle vue;
    vue.genre = GenreVue::Inscrits;
    vue.titre = (m.TypeJeu.estEquipes() ? QStringLiteral("Équipes inscrites : ") : QStringLiteral("Inscrits : "))
                + QString::number(m.NbJoueurs());
    vue.entetes = QStringList{QStringLiteral("N°")} + EntetesNoms(m);
    vue.aDroite = {true, false, false};
    std::vector<std::pair<QString, int>> ordre;
    for (int ligne = 1; ligne <= m.NbJoueurs(); ++ligne)
        ordre.emplace_back(CleNom(Champ(m, ColJoueur::Nom, ligne) + u' ' + Champ(m, ColJoueur::Prenom, ligne)), ligne);
    std::stable_sort(ordre.begin(), ordre.end());
    for (const auto &[cle, ligne] : ordre)
        vue.lignes << QStringList{Nombre(m.Joueurs(ColJoueur::Numero, ligne)), Champ(m, ColJoueur::Nom, ligne),
                                  Champ(m, ColJoueur::Prenom, ligne)};
    return vue;
}

QList<VueSalle> VuesSalle(const Modele &m)
{
    QList<VueSalle> vues;
    VueSalle tables = VueTables(m);
    if (!tables.lignes.isEmpty())
        vues << tables << VueNoms(m);
    VueSalle classement = VueClassement(m);
    if (!classement.lignes.isEmpty())
        vues << classement;
    if (vues.isEmpty())
        vues << VueInscrits(m);
    return vues;
}

QString TexteManche(const Modele &m)
{
    return m.MancheCourante > 0 ? QStringLiteral("Manche ") + QString::number(m.MancheCourante) : QString();
}

FinManche TexteFinManche(const QTime &maintenant, const QString &finManche)
{
    const QTime fin = QTime::fromString(finManche, QStringLiteral("HH:mm"));
    if (!fin.isValid())
        return {};
    int reste = maintenant.secsTo(fin);
    if (reste <= -SecondesParJour / 2)
        reste += SecondesParJour;
    else if (reste > SecondesParJour / 2)
        reste -= SecondesParJour;
    if (reste <= 0)
        return {QStringLiteral("Manche terminée"), false};
    // A minute begun is counted: one second left still reads "1 min".
    const int minutes = (reste + 59) / 60;
    const QString duree = minutes < 60 ? QString::number(minutes) + QStringLiteral(" min")
                                       : QStringLiteral("%1 h %2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
    return {QStringLiteral("Fin de manche dans ") + duree, minutes <= 5};
}
