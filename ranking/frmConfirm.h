#pragma once

#include <QDialog>
#include <array>

class Modele;
class ModeleGrille;
class QPushButton;
class QRadioButton;

// The tick dialog: ticks every entrant, none, the upper or the lower half of
// the ranking grid as it is sorted, then saves the players file.
class frmConfirm : public QDialog
{
    Q_OBJECT
public:
    frmConfirm(Modele &m, ModeleGrille &grille, QWidget *parent = nullptr);

    std::array<QRadioButton *, 4> optCoche;
    QPushButton *cmdOK;
    QPushButton *cmdAnnuler;

private:
    void Valide();
    // Ticks the entrants shown in grid rows de to a.
    void CocheLignes(int de, int a);
    void MarqueTous(const QString &marque);

    Modele &m;
    ModeleGrille &grille;
};
