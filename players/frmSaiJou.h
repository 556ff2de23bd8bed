#pragma once

#include <QWidget>
#include <array>

class Modele;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The entry window of the entrants: registers new players (or teams), changes
// the names of one, removes one, or replaces the whole list from a CSV file or
// from another tournament. Every change is on disk before the window returns.
class frmSaiJou : public QWidget
{
    Q_OBJECT
public:
    // Shows the window over the tournament window, closing the one already
    // open: for a new entrant (numero 0) or for the entrant with this number.
    static frmSaiJou *Ouvre(Modele &m, int numero, QWidget *tournoi);
    ~frmSaiJou() override;

    QLineEdit *txtNum;
    QLineEdit *txtNom;
    QLineEdit *txtPrenom;
    std::array<QLabel *, 3> Label;
    QCheckBox *chkConv;
    QPushButton *cmdOK;
    QPushButton *cmdNouveau;
    QPushButton *cmdSuppr;
    QPushButton *cmdEfface;
    QPushButton *cmdFin;
    QPushButton *cmdCSV;
    QPushButton *cmdRecup;

signals:
    // The ranking grid should show this row first.
    void defileGrille(int ligne);
    // An entrant was deleted: the grid goes back near where it was.
    void joueurSupprime();

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    frmSaiJou(Modele &m, QWidget *tournoi);

    // The entrant with this number, or a new one (0).
    void Charge(int numero);
    // Ready for a new entrant: empty names, the next free number.
    void PrepareNouveau();
    void OK();
    void Nouveau();
    void Efface();
    void Supprime();
    void ImporteFichier();
    void Recupere();
    // After the whole list was replaced: ready for a new entrant.
    void ListeRemplacee();
    // Row of the entrant shown; Delete acts on him only, none while a new number shows.
    void MontreJoueur(int ligne);

    // Scrolls the tournament grid so that its last rows show.
    void MontreFinGrille();
    // Names are converted while typed for players (not for teams), when the box is checked.
    bool ConversionFrappe() const;

    Modele &m;
    // Row in Joueurs of the entrant being changed; -1 for a new entrant.
    int m_joueurCourant = -1;
};
