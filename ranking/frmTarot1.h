#pragma once

#include "ranking/animation.h"
#include "ranking/conditions.h"
#include "ranking/horloge.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <array>

class GrilleFixe;
class frmSalle;
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
    // The window of the tournament the model holds; the windows it opens
    // belong to it and close with it.
    explicit frmTarot1(Modele &m, QWidget *parent = nullptr);
    ~frmTarot1() override;

    // Caption: tournament name and today's date.
    void AfficheTitre();
    // Applies the options of the tournament to the window; the grid is laid
    // out and ranked again when the averages option was not `ancienAffichMoy`.
    void AppliqueOptions(bool ancienAffichMoy);
    // Widths, heights, headings and alignment of the ranking grid.
    void FormateGrille();
    // The three card pictures of the game type.
    void ChargeCartes();
    // Where card i is drawn, in pixels of the window.
    QRect RectCarte(int i) const;
    // Shows the status of the current round in the round panel.
    void AfficheEtatManche();
    // The count of entrants, as " 24 inscrits".
    void AfficheInscrits();
    // The time of day, "HH:NN".
    void AfficheHeure();

    GrilleFixe *Grid1;
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
    QPushButton *cmdSalle;
    std::array<QPushButton *, 2> cmdScroll;

    std::array<QLabel *, 5> pnlManche;
    QLabel *pnlCalcAuto;
    QLabel *pnlNbj;
    QLabel *pnlTime;
    // The drifting cards: drawn on the window's background, behind every control.
    std::array<QPixmap, AnimationCartes::NbCartes> Carte;
    AnimationCartes cartes;
    bool cartesVisibles = false;
    QTimer *Timer1; // clock and round alarms, every minute
    QTimer *Timer2; // drifting cards, every 20 ms

signals:
    // Escape: the program ends.
    void finProgramme();
    // "A propos ...": the about window.
    void aPropos();

protected:
    void paintEvent(QPaintEvent *evenement) override;
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    QLayout *CreeBarre();
    QLayout *CreeLigneManche();
    QLayout *CreeGrille();
    QLayout *CreeEtatManche();

    // Refills the grid after each sort.
    void GrilleTriee();
    void PlaceBoutonsTri();
    // The name columns share the width the grid has beyond the others.
    void AjusteColonnes();
    // Rows of the grid in view at once.
    int LignesVisibles() const;
    // What the controls cover: the cards are never drawn there.
    QRegion RegionControles() const;
    void SelectionInitiale();
    void InitAnimation();

    void ClicGrille();
    void ClicTri(int i);
    void ClicScroll(int i);
    // Whether a button may act now; its refusal is shown otherwise.
    bool Permis(BoutonTournoi bouton);
    // Brings a grid row into view and selects it, as the player sheet asks.
    void MontreLigne(int ligne);
    // The entry form, for a new entrant (0) or for the entrant with this number.
    void OuvreJoueur(int numero);

    void Recalcule();
    void Inscription();
    void Cocher();
    void SaisieManches();
    void DebutGrille();
    // The table and score window, in composition or in score mode.
    void OuvreSaisieTables();
    void OuvreSaisieScores();
    void FinGrille();
    void Tirage();
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
    // The hall display of this tournament, one at a time.
    void AfficheSalle();

    Modele &m;
    Horloge horloge{m};
    QWidget *bandeauTri;
    // Widths of the columns before the grid grows, in pixels.
    std::array<int, 10> m_largeurs{};
    // First row in view before the last sort, which brings the grid back to the top.
    int m_premiereAvantTri = 1;
    QPointer<frmSalle> m_salle;
};
