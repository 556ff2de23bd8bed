#pragma once

#include "store/cellule.h"
#include "store/colonnes.h"
#include "store/plateforme.h"
#include "store/reglages.h"
#include "store/table.h"

#include <QList>
#include <QObject>
#include <QString>
#include <array>

inline const QString TitreProgramme = QStringLiteral("Velmora Tarot Belote 3.72");
inline const QString VersionProgramme = QStringLiteral("3.72");
// A computed cell that holds no value yet.
constexpr int SansValeur = -999999;
// The widest tables the files allow.
constexpr int MaxLignes = 32767;

// The open tournament: its settings, its three tables, the cursors shared by
// every window, and the routines they all use. One object lives for the whole
// run; opening another tournament replaces its content. Windows learn of the
// changes that concern them through the signals.
class Modele : public QObject, public Reglages
{
    Q_OBJECT
public:
    explicit Modele(Plateforme &plateforme, QObject *parent = nullptr) : QObject(parent), plateforme(plateforme) {}

    Plateforme &plateforme;
    // The program directory, where every file of the program lives.
    QString RepProgramme;
    // The word processor was found at start-up.
    bool WordInstalle = false;

    // Number of the open tournament, "01" to "99"; empty before the first opening.
    QString NumTournoi;

    TableCellules Joueurs{ColJoueur::Nb};
    TableCellules Manches{ColManche::Nb};
    TableCellules Scores{ColScore::Nb};
    // Work table of the sorts.
    TableCellules TabTri{ColTabTri::Nb};

    int NbJoueurs() const { return Joueurs.nbLignes(); }
    int NbManches() const { return Manches.nbLignes(); }
    int NbScores() const { return Scores.nbLignes(); }

    int MancheCourante = 0;
    // Tables and rows of the current round, as its status last counted them.
    int NbTables = 0;
    int NbJoueursManche = 0;
    // Status of the current round, as the tournament window shows it:
    // round, times, players, "Terminée", round again.
    std::array<QString, 5> EtatManche;
    // Column of Joueurs the ranking is sorted on, and the direction.
    int ColTri = ColJoueur::Points;
    Sens SensTri = Sens::Descendant;
    // Entrant numbers in the order of the ranking grid, as the last sort left them.
    QList<int> OrdreGrille;
    // New entries are being typed: a table composed meanwhile leaves the ranking alone.
    bool ModeNouveau = false;

    // Row of the entrant numbered `numero`, or -1 (binary search on the ascending numbers).
    int RechJoueur(double numero) const;
    // The error box: a beep, then an exclamation box titled "ERREUR".
    void AfficheErreur(const QString &texte);
    // The fatal stop: normal pointer, beep, critical box, then the program ends.
    [[noreturn]] void ArretFatal(const QString &texte);
    // Whether a file exists in the program directory.
    bool FichierExiste(const QString &nom) const;
    // Full path of a file of the program directory.
    QString Chemin(const QString &nom) const;
    // A help page: in the program directory first, then beside the executable.
    QString CheminAide(const QString &page) const;
    // Opens a help page with the application the desktop associates with it;
    // when none can be started, an information box gives the page's path.
    void OuvreAide(const QString &page);
    // The same for a file the program has just written.
    void OuvreDocument(const QString &chemin);
    // Caption of the tournament window: name, " - " and today's date, or the date alone.
    QString TitreTournoi() const;

    // File names of the open tournament, from its letter: 'T', 'J', 'M' or 'S'.
    QString NomFichier(QChar lettre) const { return lettre + NumTournoi + QStringLiteral(".DAT"); }

    // Writers: each rewrites its whole file from the table given, or deletes
    // it when the table is empty, then the table becomes the model's. When the
    // file cannot be written the error box has been shown, the model and the
    // file are as they were, and the result is false.
    bool EcritJoueurs(const TableCellules &joueurs);
    bool EcritManches(const TableCellules &manches, int mancheCourante);
    bool EcritScores(const TableCellules &scores);
    // The same with the tables as they stand.
    bool EcritJoueurs() { return EcritJoueurs(Joueurs); }
    bool EcritManches() { return EcritManches(Manches, MancheCourante); }
    bool EcritScores() { return EcritScores(Scores); }

    // Replaces a file of the program directory atomically with these bytes;
    // false, after the error box naming the file and the reason, when it cannot.
    bool EcritFichier(const QString &nom, const QByteArray &contenu);
    // The same for lines of text, in Windows-1252, each ended by CR LF.
    bool EcritLignes(const QString &nom, const QStringList &lignes);
    // Deletes a file of the program directory if it exists.
    bool SupprimeFichier(const QString &nom);
    // The bytes of a file of the program directory; nothing, after the error
    // box naming the file and the reason, when it exists but cannot be read
    // (given `erreur`, the text goes there instead of the box). A missing
    // file reads as empty.
    std::optional<QByteArray> LitFichier(const QString &nom, QString *erreur = nullptr);

signals:
    // The ranking computation went this far, in percent.
    void progression(int pourcentage);
    // A long task starts (its text for the wait window), and ends.
    void attente(const QString &texte);
    void finAttente();
    // The ranking was sorted again: OrdreGrille is new.
    void grilleTriee();
    // Joueurs changed: names, ticks or entrants.
    void joueursChanges();
    // The scores file was written.
    void scoresEcrits();
    // The status of the current round was worked out again.
    void etatMancheChange();
    // The settings were validated; the averages option was `ancienAffichMoy` before.
    void reglagesChanges(bool ancienAffichMoy);
};
