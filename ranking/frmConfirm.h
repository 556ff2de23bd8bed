#pragma once

#include <QDialog>
#include <array>

class Modele;
class QPushButton;
class QRadioButton;

// The tick dialog: ticks every entrant, none, the upper or the lower half of
// the ranking grid as it is sorted, then saves the players file.
class frmConfirm : public QDialog
{
    Q_OBJECT
public:
    explicit frmConfirm(Modele &m, QWidget *parent = nullptr);

    std::array<QRadioButton *, 4> optCoche;
    QPushButton *cmdOK;
    QPushButton *cmdAnnuler;

private:
    void Valide();

    Modele &m;
};
