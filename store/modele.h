#pragma once

#include "store/cellule.h"
#include "store/plateforme.h"
#include "store/table.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

inline const QString TitreProgramme = QStringLiteral("Velmora Tarot Belote 3.72");
inline const QString VersionProgramme = QStringLiteral("3.72");
// A computed cell that holds no value yet.
constexpr int SansValeur = -999999;
// The widest tables the files allow.
constexpr int MaxLignes = 32767;

// The open tournament: its settings, its three tables, the cursors and flags
// shared by every window, and the routines they all use. One object lives for
// the whole run; opening another tournament resets it.
class Modele
{
public:
    explicit Modele(Plateforme &plateforme) : plateforme(plateforme) {}

    Plateforme &plateforme;

    // Identity and per-tournament settings (the tournament header).
    QString NumTournoi;
    QString NomTournoi;
    QString TypeJeu;
    bool OptAnimation = true;
    bool OptCalculAuto = true;
    QString Tirage;
    QString TirageManche1;
    std::array<Cellule, 5> Decalage; // 1 to 4: Nord, Est, Sud, Ouest
    int TotalBelote = 0;
    int PtsBeloteRebelote = 20;
    int PtsCapot = 90;

    // Program-wide options (the options file).
    bool OptAffichMoy = true;
    bool OptCtrlBal = true;
    QString FichierSon5;
    QString FichierSon;

    // Entrants: 1 number, 2 tick mark, 3 name, 4 first name, 5 to 9 computed ranking.
    TableCellules Joueurs{10};
    // Rounds: 1 number, 2 start, 3 end, 4 deals, 5 current-round mark.
    TableCellules Manches{6};
    // Tables and scores: 1 round, 2 table, 3 deals, 4 entrant, 5 score, 6 belotes, 7 capots.
    TableCellules Scores{8};
    // Work table of the sorts: 1 row in Joueurs, 2 key, 3 second key, 4 and 5 carried along.
    TableCellules TabTri{6};

    int NbJoueurs() const { return Joueurs.nbLignes(); }
    int NbManches() const { return Manches.nbLignes(); }
    int NbScores() const { return Scores.nbLignes(); }

    // Entries per table: the two teams of team belote, four players otherwise.
    int NbParTable() const { return TypeJeu == QLatin1String("BELOTE") ? 2 : 4; }

    // Cursors and flags.
    int MancheCourante = 0;
    int NbTables = 0;
    int JoueurCourant = -1;
    int LigneGrille = 0;
    int ColTri = 7;
    QString SensTri = QStringLiteral("D");
    QString MsgErr;
    bool ModeNouveau = false;
    bool TournoiChoisi = false;
    bool OptAnnule = false;
    bool AncienAffichMoy = true;
    bool WordInstalle = false;
    bool SaisieScores = false;
    bool FenScoresOuverte = false;
    int NbTournois = 0;
    QString RepProgramme;

    // Hooks of the windows, called only when set: the progress of the ranking
    // computation (a percentage) and the end of each grid sort (refill the grid).
    std::function<void(int)> progression;
    std::function<void()> grilleTriee;
    // Called after each refresh of the round status below.
    std::function<void()> etatMancheChange;

    // Status of the current round, as the tournament window shows it:
    // round, times, players, "Terminée", round again.
    std::array<QString, 5> EtatManche;
    // Rows of the current round in Scores.
    int NbJoueursManche = 0;

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
    // Caption of the tournament window: name, " - " and today's date, or the date alone.
    QString TitreTournoi() const;

    // File names of the open tournament, from its letter: 'T', 'J', 'M' or 'S'.
    QString NomFichier(QChar lettre) const { return lettre + NumTournoi + QStringLiteral(".DAT"); }

    // Opening: the header over the current settings (a malformed header stops
    // the program), then the three tables, each reset first.
    void LitEntete();
    void LitTables();
    void LitJoueurs();
    void LitManches();
    void LitScores();

    // Writers: each rewrites its whole file from memory, or deletes it when the
    // table is empty. A failure is reported in the error box and returns false.
    bool EcritJoueurs();
    bool EcritManches();
    bool EcritScores();
    bool EcritEntete();

    // Replaces a file of the program directory atomically with these lines
    // (Windows-1252, CR LF); false, after the error box, when it cannot.
    bool EcritLignes(const QString &nom, const QStringList &lignes);
    // Deletes a file of the program directory if it exists.
    bool SupprimeFichier(const QString &nom);
    // Lines of a file of the program directory; empty when it cannot be read.
    QStringList LitLignes(const QString &nom) const;

    // Line layouts of the data files.
    static QString LigneJoueur(const TableCellules &t, int ligne);
    static QString LigneManche(const TableCellules &t, int ligne);
    static QString LigneScore(const TableCellules &t, int ligne);
    QStringList LignesEntete() const;
};
