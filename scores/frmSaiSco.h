#pragma once

#include "scores/saisie.h"

#include <QWidget>
#include <array>

class Modele;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The table and score window, on one table of the current round at a time.
// Composition mode: the entrant of each seat. Score mode:
// the points of each seat of a table already composed, checked by game type.
// Nothing is stored until "&OK", which writes the whole scores file at once.
class frmSaiSco : public QWidget
{
    Q_OBJECT
public:
    // Closes the window if it is open, then opens it in the mode asked.
    static frmSaiSco *Ouvre(Modele &m, bool modeScores, QWidget *parent);

    frmSaiSco(Modele &m, bool modeScores, QWidget *parent = nullptr);
    ~frmSaiSco() override;

    QLineEdit *txtNT;
    QLineEdit *txtNPA;
    QLabel *lblNumeros, *lblNoms, *lblPoints; // column headings
    std::array<QLabel *, 4> lblPlace;
    std::array<QLineEdit *, 4> txtNJ, txtNom, txtNPO;
    QLineEdit *txtTotal;
    QLabel *lblMsg;

    QGroupBox *frmBelotesCapots;
    QLineEdit *txtTotBel, *txtNbBelotes, *txtNbCapots, *txtControleTotal;
    QLabel *lblPtsBel, *lblPtsCap, *lblExpr;

    QPushButton *cmdOK, *cmdNouveau, *cmdEffacer, *cmdFin;
    QPushButton *cmdPrem, *cmdPrec, *cmdSuiv, *cmdDern;
    QPushButton *cmdSuppTb, *cmdSuppTbS, *cmdSuppSc, *cmdSuppScS;
    QPushButton *cmdAide1, *cmdAide2;

protected:
    bool focusNextPrevChild(bool suivant) override;

private:
    QLayout *CreeTable();
    QWidget *CreeBelotes();
    QLayout *CreeBoutons();
    void Dispose();
    void ConnecteClavier();
    void OrdreTabulation();

    bool Belote() const;
    // Belote score mode: Enter leads from the points to the belotes, the capots and "&OK".
    bool ChaineBelote() const;
    int NbPlaces() const;
    Saisie LitBoites() const;
    void AfficheSaisie(const Saisie &s);
    QLineEdit *PremiereBoite() const;

    void VerrouTable();
    void ValideNT();
    void ValideNJ(int place);
    void ValideNPO(int place);
    void ChargeEtOuvre();
    void ChargeTable();
    void OuvreTable();
    int ControleJoueur(int place);
    bool ControlePoints();
    void OK();
    void Naviguer(Navigation sens);
    void Nouveau();
    void Effacer();
    void VideTable();

    // Enabling of the deletion buttons: the table shown, then the round.
    void EtatSuppressionTable();
    void EtatSuppressionsManche();
    bool Confirme(const QString &question);
    void SupprimerTable();
    void SupprimerTables();
    void EffacerScores();
    void EffacerTousScores();

    void CalculTotalPoints();
    void CalculTotalBase();
    void CalculTotalControleBelote();

    Modele &m;
    // The mode chosen by the tournament window when it opened this one.
    const bool m_modeScores;
    Emplacement m_table;
    bool m_erreurCharge = false;
    bool m_erreurOK = false;
};
