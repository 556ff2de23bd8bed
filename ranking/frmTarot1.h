#pragma once

#include <QWidget>

class Modele;
class QLabel;

// The window of the open tournament: ranking grid, round status, clock and
// the bar of buttons that opens every other window.
class frmTarot1 : public QWidget
{
    Q_OBJECT
public:
    explicit frmTarot1(Modele &m, QWidget *parent = nullptr);

    // Caption: tournament name and today's date.
    void AfficheTitre();
    // Applies the options of the tournament to the window.
    void AppliqueOptions();
    // Widths, heights, headings and alignment of the ranking grid.
    void FormateGrille();
    // The three card pictures of the game type.
    void ChargeCartes();
    // Status of the current round in the round panel.
    void MajEtatManche();
    // The count of entrants, as " 24 inscrits".
    void AfficheInscrits();
    // The time of day, "HH:NN".
    void AfficheHeure();

    QLabel *pnlNbj;
    QLabel *pnlTime;

private:
    Modele &m;
};
