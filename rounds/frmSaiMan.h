#pragma once

#include <QWidget>

class Modele;
struct SaisieManche;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The round schedule: the rounds with their times and deals, the choice of
// the current round, the deletion of the last round and the rounds list.
// Modeless; it deletes itself when closed. Every change is written at once.
class frmSaiMan : public QWidget
{
    Q_OBJECT
public:
    explicit frmSaiMan(Modele &m, QWidget *parent = nullptr);
    ~frmSaiMan() override;

    QLineEdit *txtNM;
    QLineEdit *mskDeb;
    QLineEdit *mskFin;
    QLineEdit *txtNPA;
    QTableWidget *Grid2;
    QPushButton *cmdOK;
    QPushButton *cmdNouveau;
    QPushButton *cmdSuppr;
    QPushButton *cmdImpr;
    QPushButton *cmdFin;

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    QWidget *CreeSaisie();
    QWidget *CreeBoutons();
    void CreeGrille();

    void RemplitGrille();
    void ActiveSaisie(bool active);
    void VideSaisie();
    void Affiche(const SaisieManche &saisie);
    void RendClavier(QWidget *controle);
    // Completion of a time box; false when it stays where it is.
    bool CompleteBoite(QLineEdit *boite);

    void OK();
    void Nouvelle();
    void ClicGrille(int ligne, int colonne);
    void Supprimer();
    void Imprimer();

    Modele &m;
};
