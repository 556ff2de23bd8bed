#pragma once

#include <QDialog>

class Modele;
class QLabel;
class QListWidget;
class QPushButton;

// Choice of the stored tournament whose entrants replace those of the open
// one; accepted once they are copied and saved.
class frmChoixTourn : public QDialog
{
    Q_OBJECT
public:
    frmChoixTourn(Modele &m, QWidget *parent = nullptr);
    ~frmChoixTourn() override;

    QLabel *Label5;
    QListWidget *lstTournois;
    QLabel *Label1;
    QListWidget *lstJoueurs;
    QPushButton *cmdOK;
    QPushButton *cmdAnnuler;

private:
    // Number of the tournament selected, empty when none.
    QString NumeroChoisi() const;
    void AfficheJoueurs();
    void Copie();

    Modele &m;
};
