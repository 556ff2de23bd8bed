// The tournament of a test, built in a folder of its own, and what the tests
// need around it: file snapshots, blocked writes, controls found by name.
#pragma once

#include "store/fichiers.h"
#include "store/modele.h"
#include "store/texte.h"
#include "support/plateformetest.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

// Tournament 01 of the given game, named "Coupe du club", with no entrant,
// round or table until the builders add them. The scripted platform says it
// is 7 March 2026, 21:05:03.
struct Tournoi
{
    QTemporaryDir dossier;
    PlateformeTest p;
    Modele m{p};

    explicit Tournoi(TypeJeu jeu = TypeJeu::Tarot)
    {
        m.RepProgramme = dossier.path();
        m.NumTournoi = QStringLiteral("01");
        m.NomTournoi = QStringLiteral("Coupe du club");
        m.TypeJeu = jeu;
        m.Tirage = TypeTirage::Aleatoire;
        m.TirageManche1 = TypeTirage::Aleatoire;
        p.heure = QDateTime(QDate(2026, 3, 7), QTime(21, 5, 3));
    }

    // An entrant after those already there (numbers must rise), no ranking yet.
    Tournoi &joueur(int numero, const QString &nom, const QString &prenom = {}, bool coche = true)
    {
        const int r = m.Joueurs.ajouteLigne();
        m.Joueurs(ColJoueur::Numero, r) = numero;
        m.Joueurs(ColJoueur::Coche, r) = coche ? QStringLiteral("X") : QStringLiteral(" ");
        m.Joueurs(ColJoueur::Nom, r) = nom;
        m.Joueurs(ColJoueur::Prenom, r) = prenom;
        for (int c = ColJoueur::Manches; c <= ColJoueur::MoyParties; ++c)
            m.Joueurs(c, r) = SansValeur;
        return *this;
    }
    // Entrants 1 to n, "NOMk" "Prénomk".
    Tournoi &joueurs(int n, bool coches = true)
    {
        for (int k = m.NbJoueurs() + 1; k <= n; ++k)
            joueur(k, QStringLiteral("NOM%1").arg(k), QStringLiteral("Prénom%1").arg(k), coches);
        return *this;
    }
    // Rounds up to n, 20:00 to 22:00, with these deals; the last one is current.
    Tournoi &manches(int n, const QString &parties = QStringLiteral("5"))
    {
        for (int k = m.NbManches() + 1; k <= n; ++k) {
            const int r = m.Manches.ajouteLigne();
            m.Manches(ColManche::Numero, r) = r;
            m.Manches(ColManche::Debut, r) = QStringLiteral("20:00");
            m.Manches(ColManche::Fin, r) = QStringLiteral("22:00");
            m.Manches(ColManche::Parties, r) = parties;
        }
        return courante(n);
    }
    Tournoi &courante(int manche)
    {
        m.MancheCourante = manche;
        for (int r = 1; r <= m.NbManches(); ++r)
            m.Manches(ColManche::Active, r) = r == manche ? QStringLiteral("X") : QStringLiteral(" ");
        return *this;
    }
    // A table appended to Scores, seat 1 first; the points of each seat as
    // typed when given, then the deals of the table.
    Tournoi &table(int manche, int table, const QList<int> &entrants, const QStringList &points = {},
                   const QString &parties = {})
    {
        for (int i = 0; i < entrants.size(); ++i) {
            const int r = m.Scores.ajouteLigne();
            m.Scores(ColScore::Manche, r) = manche;
            m.Scores(ColScore::Table, r) = table;
            m.Scores(ColScore::Parties, r) = parties;
            m.Scores(ColScore::Joueur, r) = entrants[i];
            m.Scores(ColScore::Points, r) = points.value(i);
            m.Scores(ColScore::Belotes, r) = QString();
            m.Scores(ColScore::Capots, r) = QString();
        }
        return *this;
    }
    // Offsets 0, 1, 2, 3: the seats are named.
    Tournoi &places()
    {
        for (int k = 1; k <= 4; ++k)
            m.Decalage[k] = k - 1;
        return *this;
    }

    // Writes every file of the tournament from the model, as the program leaves them.
    void enregistre()
    {
        QVERIFY(m.EcritLignes(m.NomFichier(u'T'), LignesEntete(m)));
        QVERIFY(m.EcritJoueurs());
        QVERIFY(m.EcritManches());
        QVERIFY(m.EcritScores());
    }

    // Bytes of a file of the folder, "<absent>" when there is none.
    QByteArray lit(const QString &nom) const
    {
        QFile f(m.Chemin(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
    void ecrit(const QString &nom, const QByteArray &contenu) const
    {
        QFile f(m.Chemin(nom));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size());
    }
    // Every file of the folder, by name: two snapshots compare whole.
    QMap<QString, QByteArray> instantane() const
    {
        QMap<QString, QByteArray> fichiers;
        for (const QString &nom : QDir(dossier.path()).entryList(QDir::Files))
            fichiers[nom] = lit(nom);
        return fichiers;
    }
    // Every later write of this file fails: a folder takes its name.
    void bloque(const QString &nom) const
    {
        QFile::remove(m.Chemin(nom));
        QVERIFY(QDir(dossier.path()).mkdir(nom));
    }
};

// Reads the entrants, rounds and scores files again into the model, as an opening does.
inline void Relit(Modele &m)
{
    QString erreur;
    QVERIFY(LitJoueurs(m.LitFichier(m.NomFichier(u'J')).value(), m.NomFichier(u'J'), m.Joueurs, erreur));
    QVERIFY(LitManches(m.LitFichier(m.NomFichier(u'M')).value(), m.NomFichier(u'M'), m.Manches, m.MancheCourante,
                       erreur));
    QVERIFY(LitScores(m.LitFichier(m.NomFichier(u'S')).value(), m.NomFichier(u'S'), m.Scores, erreur));
}

// Lines of a file of the program directory, as text.
inline QStringList Lignes(Modele &m, const QString &nom)
{
    return DecoupeLignes(DepuisCp1252(m.LitFichier(nom).value_or(QByteArray())));
}

// The text of a cell of a grid, rows counted from 1 below the headings.
inline QString CaseGrille(const QAbstractItemModel *grille, int ligne, int colonne)
{
    return grille->index(ligne - 1, colonne).data().toString();
}

// The columns of a data table, named in the order of their types: Colonnes<QString, int>("texte", "largeur").
template <typename... T, typename... N>
void Colonnes(N... noms)
{
    static_assert(sizeof...(T) == sizeof...(N));
    (QTest::addColumn<T>(noms), ...);
}

// Rows of a data table kept in a file beside the test, every cell a text, the columns already added:
// "== name" begins a row, then a line "column: value" for each column in turn; indented lines carry the
// value on, one line each, joined by line feeds. Other lines are comments.
inline void RangeesDepuisFichier(const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("Fichier introuvable : %s", qPrintable(chemin));
    QString nom;
    QStringList cellules;
    const auto range = [&] {
        if (!nom.isEmpty()) {
            QTestData &rangee = QTest::newRow(qPrintable(nom));
            for (const QString &cellule : cellules)
                rangee << cellule;
        }
        cellules.clear();
    };
    for (const QString &ligne : QString::fromUtf8(fichier.readAll()).split(u'\n')) {
        if (ligne.startsWith(u"== ")) {
            range();
            nom = ligne.mid(3);
        } else if (ligne.startsWith(u' ') && !cellules.isEmpty()) {
            QString &valeur = cellules.last();
            valeur += (valeur.isEmpty() ? QString() : QStringLiteral("\n")) + ligne.trimmed();
        } else if (!nom.isEmpty() && ligne.contains(u':') && !ligne.startsWith(u'#')) {
            cellules << ligne.section(u':', 1).mid(1);
        }
    }
    range();
}

// A control of a window, found by name; a missing one stops the test program.
template <typename T>
T *Controle(const QObject *fenetre, const QString &nom)
{
    T *controle = fenetre->findChild<T *>(nom);
    if (!controle)
        qFatal("Contrôle introuvable : %s", qPrintable(nom));
    return controle;
}

// The first line that differs, with both versions; empty when the lists are equal.
inline QString Difference(const QStringList &obtenu, const QStringList &attendu)
{
    for (qsizetype i = 0; i < std::min(obtenu.size(), attendu.size()); ++i)
        if (obtenu[i] != attendu[i])
            return QStringLiteral("ligne %1 :\n obtenu  [%2]\n attendu [%3]").arg(i).arg(obtenu[i], attendu[i]);
    if (obtenu.size() != attendu.size())
        return QStringLiteral("%1 lignes, %2 attendues").arg(obtenu.size()).arg(attendu.size());
    return {};
}

// Takes braced lists as they come: the commas inside them split the macro's arguments.
#define COMPARE_LIGNES(...)                                                                                            \
    do {                                                                                                               \
        const QString d_ = Difference(__VA_ARGS__);                                                                    \
        QVERIFY2(d_.isEmpty(), qPrintable(d_));                                                                        \
    } while (false)
