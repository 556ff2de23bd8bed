#pragma once

#include "reports/feuilles.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The choice between the printable score sheets and the CSV file of the
// tables of every round. Each button sets the choice and closes the window.
class frmOptFeuilles : public QDialog
{
    Q_OBJECT
public:
    explicit frmOptFeuilles(QWidget *parent = nullptr);

    // Given up until a button says otherwise.
    ChoixFeuilles choix() const { return m_choix; }

    QLabel *Label1, *Label2, *Label4, *Label3;
    QPushButton *cmdEtat, *cmdCsv, *cmdAnnuler;

private:
    void Choisit(ChoixFeuilles choix);

    ChoixFeuilles m_choix = ChoixFeuilles::Abandon;
};
