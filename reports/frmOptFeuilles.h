#pragma once

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

    // "ETAT" for the sheets, "CSV" for the file, empty when given up.
    QString choix() const { return m_choix; }

    QLabel *Label1, *Label2, *Label4, *Label3;
    QPushButton *cmdEtat, *cmdCsv, *cmdAnnuler;

private:
    void Choisit(const QString &choix);

    QString m_choix;
};
