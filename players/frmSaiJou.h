#pragma once

#include <QWidget>
#include <array>

class Modele;
class frmTarot1;
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
    // open: for a new entrant (ligne 0) or for the entrant of that grid row.
    static frmSaiJou *Ouvre(Modele &m, frmTarot1 &tournoi, int ligne);

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

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    frmSaiJou(Modele &m, frmTarot1 &tournoi);

    // The entrant of the selected grid row, or a new one.
    void Charge();
    // Ready for a new entrant: empty names, the next free number.
    void PrepareNouveau();
    void OK();
    // Stores the boxes: the names of the entrant being changed, or a new
    // entrant; false when the players file could not be written.
    bool EnregJoueur();
    void Nouveau();
    void Efface();
    void Supprime();
    void ImporteCsv();
    void Recupere();
    // After the whole list was replaced: the grid laid out, ranked and shown again.
    void ListeRemplacee();

    // Scrolls the tournament grid so that its last rows show.
    void MontreFinGrille();
    // Rewrites the grid row that shows this entrant of Joueurs.
    void RecopieLigneGrille(int ligne);
    // Names are converted while typed for players (not for teams), when the box is checked.
    bool ConversionFrappe() const;

    Modele &m;
    frmTarot1 &tournoi;
};
