#pragma once

#include "ranking/animation.h"

#include <QWidget>
#include <array>

class GrilleClassement;
class Modele;
class ModeleGrille;
class QLabel;
class QPushButton;
class QTimer;

// The window of the open tournament: ranking grid, round status, clock and
// the bar of buttons that opens every other window.
class frmTarot1 : public QWidget
{
    Q_OBJECT
public:
    explicit frmTarot1(Modele &m, QWidget *parent = nullptr);
    ~frmTarot1() override;

    // Caption: tournament name and today's date.
    void AfficheTitre();
    // Applies the options of the tournament to the window.
    void AppliqueOptions();
    // Widths, heights, headings and alignment of the ranking grid.
    void FormateGrille();
    // The three card pictures of the game type.
    void ChargeCartes();
    // Shows the status of the current round in the round panel.
    void AfficheEtatManche();
    // The count of entrants, as " 24 inscrits".
    void AfficheInscrits();
    // The time of day, "HH:NN".
    void AfficheHeure();

    GrilleClassement *Grid1;
    // What the grid shows, for the windows that read or rewrite its rows.
    ModeleGrille *contenuGrille;

    std::array<QPushButton *, 10> cmdTri{}; // elements 1 to 9, above grid columns 1 to 9
    QPushButton *cmdTriOn;
    QPushButton *cmdTriOff;

    QPushButton *cmdInscr;
    QPushButton *cmdManches;
    QPushButton *cmdTable;
    QPushButton *cmdScores;
    QPushButton *cmdTirage;
    QPushButton *cmdTables;
    QPushButton *cmdRechJou;
    QPushButton *cmdImpr;
    QPushButton *cmdRecalc;
    QPushButton *cmdRestGrid;
    QPushButton *cmdCoch1;
    QPushButton *cmdTop;
    QPushButton *cmdBot;
    QPushButton *cmdAnim;
    QPushButton *cmdOptions;
    QPushButton *cmdAide;
    QPushButton *cmdPub;
    std::array<QPushButton *, 2> cmdScroll;

    std::array<QLabel *, 5> pnlManche;
    QLabel *pnlCalcAuto;
    QLabel *pnlNbj;
    QLabel *pnlTime;
    std::array<QLabel *, 3> Carte;
    QTimer *Timer1; // clock and round alarms, every minute
    QTimer *Timer2; // drifting cards, every 20 ms

signals:
    // Escape: the program ends.
    void finProgramme();
    // A click on the number or the name of an entrant: his entry form, grid row from 1.
    void ouvreJoueur(int ligne);

private:
    QLayout *CreeBarre();
    QLayout *CreeLigneManche();
    QLayout *CreeGrille();
    QLayout *CreeEtatManche();
    void CreeCartes();

    // Refills the grid after each sort.
    void GrilleTriee();
    void PlaceBoutonsTri();
    // Headings 8 and 9 and their sort buttons, shown only with the averages.
    void AfficheMoyennes();
    void SelectionInitiale();
    void InitAnimation();

    void ClicGrille();
    // Turns the tick of the entrant shown in a grid row; false when refused.
    bool BasculeCoche(int ligne);
    void ClicTri(int i);
    void ClicScroll(int i);

    // Preconditions of the buttons: each shows its refusal.
    bool Exige(bool condition, const QString &refus);
    bool TournoiDefini();
    bool QuatreJoueurs();
    bool MancheDefinie();
    bool PeutSaisirTables();
    bool PeutSaisirScores();
    bool PeutCocher();

    void Recalcule();
    void Inscription();
    void Cocher();
    void SaisieManches();
    void DebutGrille();
    // The table and score window, in composition or in score mode.
    void OuvreSaisieTables();
    void OuvreSaisieScores();
    void FinGrille();
    // The draw of the current round's tables; the strongest are taken as the grid shows them.
    void Tirage();
    // The Joueurs rows in the order the grid shows them.
    QList<int> OrdreGrille() const;
    void Options();
    // The table lists of the current round and the player sheet, one window of
    // each at a time; the ranking printout in the order of the grid.
    void AfficheTables();
    void OuvreFiche();
    void ImprimeClassement();
    void Aide();
    // Clock, alarms, drifting cards and the full-screen video.
    void CreeMinuteries();
    void TopMinute();
    void TopCartes();
    void Economiseur();
    void Apropos();

    Modele &m;
    QWidget *bandeauTri;
    AnimationCartes cartes;
};
