#pragma once

#include <QWidget>
#include <array>
#include <functional>

class GrilleClassement;
class Modele;
class ModeleGrille;
class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;

// The sheet of one entrant, found by number or by a part of the name in the
// ranking grid of the tournament window, which is scrolled to him; the sheet
// can be written out as FICHE.TXT.
class frmDetail : public QWidget
{
    Q_OBJECT
public:
    // grille and contenuGrille: the ranking grid and what it shows.
    frmDetail(Modele &m, GrilleClassement &grille, ModeleGrille &contenuGrille, QWidget *parent = nullptr);

    // Brings grid row LigneGrille into view, as near the top as the rows
    // below allow, and selects its columns 1 to 9.
    void PositionneGrille();
    // Looks for the searched text in the names of the grid from row `debut`
    // on; shows the error box and disables the next and print buttons when
    // no one is found.
    bool RechNomSuivant(int debut);
    // Fills the sheet from the entrant at row JoueurCourant of Joueurs.
    void AfficheFiche();
    // Headings, sizes and alignment of Grid4.
    void FormateGrilleFiche();

    QLabel *lblTournoi;
    std::array<QLabel *, 8> Label{}; // elements 1 to 7
    QLineEdit *txtNum, *txtNom, *txtPrenom;
    QPushButton *cmdOK, *cmdSuiv, *cmdEfface, *cmdImpr, *cmdFin;
    GrilleClassement *Grid4;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6;

private:
    void Recherche();
    void Suivant();
    void Efface();
    void Imprime();
    // Grid row, from `debut` on, whose cell satisfies the test; LigneGrille
    // follows the rows examined and ends past the last one when none does.
    int ChercheLigne(int debut, const std::function<bool(int ligne)> &trouve);
    // Back to one empty row under the headings.
    void VideGrilleFiche();
    void EcritCase(int ligne, int colonne, const QString &texte);
    void ActiveBoutons(bool actifs);

    Modele &m;
    GrilleClassement &grille;
    ModeleGrille &contenuGrille;
    QStandardItemModel *contenuFiche;
    // txtNom at the time of the last search by name.
    QString texteCherche;
};
