#pragma once

#include <QWidget>
#include <array>

struct RechercheFiche;
class GrilleFixe;
class Modele;
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
    explicit frmDetail(Modele &m, QWidget *parent = nullptr);
    ~frmDetail() override;

    // Fills the sheet from the entrant at row JoueurCourant of Joueurs.
    void AfficheFiche();
    // Headings, sizes and alignment of Grid4.
    void FormateGrilleFiche();

    QLabel *lblTournoi;
    std::array<QLabel *, 8> Label{}; // elements 1 to 7
    QLineEdit *txtNum, *txtNom, *txtPrenom;
    QPushButton *cmdOK, *cmdSuiv, *cmdEfface, *cmdImpr, *cmdFin;
    GrilleFixe *Grid4;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6;

signals:
    // The ranking grid should bring this row into view and select it.
    void montreLigne(int ligne);

private:
    void Recherche();
    // Sets the buttons as the search says, then brings the grid to the
    // entrant found, or shows the error box; true when someone was found.
    bool Montre(const RechercheFiche &recherche);
    void Suivant();
    void Efface();
    void Imprime();
    // Back to one empty row under the headings.
    void VideGrilleFiche();
    void EcritCase(int ligne, int colonne, const QString &texte);
    void ActiveBoutons(bool actifs);

    Modele &m;
    // The entrant shown: his row in the ranking grid and in Joueurs.
    int m_ligneGrille = 0;
    int m_joueurCourant = -1;
    QStandardItemModel *contenuFiche;
    // txtNom at the time of the last search by name.
    QString texteCherche;
};
