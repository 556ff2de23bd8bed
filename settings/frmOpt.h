#pragma once

#include "store/reglages.h"

#include <QDialog>
#include <array>
#include <utility>
#include <vector>

class Modele;
struct RefusOptions;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The options dialog: the settings of the open tournament and the program-wide
// options. Opened by "Nouveau" with the number of the tournament to create
// (default choices, empty name) or by the tournament window with no number
// (current values, game type locked once players are registered). "Valider"
// hands the controls to ControleOptions, shows its refusal (the tab of the
// control, the focus, the error box) or writes the options file and the
// header; only then do the values reach the model and the dialog is accepted.
// "Annuler" changes nothing.
class frmOpt : public QDialog
{
    Q_OBJECT
public:
    frmOpt(Modele &m, const QString &nouveauTournoi, QWidget *parent = nullptr);
    ~frmOpt() override;

    QLineEdit *txtTournoi;
    QTabWidget *SSTab1;
    QPushButton *cmdOK;
    QPushButton *cmdAnnuler;

    // Général
    QGroupBox *FrameJeu;
    QRadioButton *optTarot, *optBelote, *optBeloteInd;
    QGroupBox *FrameTirage, *FrameM1, *FrameMn, *FrameDecal;
    QRadioButton *optM1Aleat, *optM1Vert;
    QRadioButton *optMnAleat, *optMnCard, *optMnForts;
    std::array<QLineEdit *, 4> txtTir;  // offsets Nord, Est, Sud, Ouest
    std::array<QLabel *, 4> lblTir;
    QPushButton *cmdAide1, *cmdAide2, *cmdAide3;

    // Sons et Alarmes
    QGroupBox *Frame3, *Frame4;
    QCheckBox *Check1, *Check2;
    QLineEdit *txtFichSon5, *txtFichSon;
    QPushButton *cmdEcouter5, *cmdCharger5, *cmdEcouter, *cmdCharger;

    // Divers
    QCheckBox *Check6, *Check4, *Check7, *Check3;
    QGroupBox *Frame5;
    QLineEdit *txtTotBel, *txtPtsBel, *txtPtsCap;
    QLabel *lblTotBel, *lblPtsBel, *lblPtsCap;
    QPushButton *cmdAide4;

private:
    // One digit more than the values allow: a value out of bounds, typed or
    // read from an older header, is shown whole and refused by name.
    static constexpr int ChiffresBoite = 5;

    // A group of option buttons and the setting value each one stands for.
    template <typename V>
    struct Option
    {
        QRadioButton *bouton;
        V valeur;
    };
    template <typename V>
    using Options = std::vector<Option<V>>;

    QWidget *OngletGeneral();
    QWidget *OngletSons();
    QWidget *OngletDivers();
    QGroupBox *CadreSon(const QString &nomCadre, const QString &titre, const QString &nomCoche,
                        const QString &suffixe, QCheckBox *&coche, QLineEdit *&chemin,
                        QPushButton *&ecouter, QPushButton *&charger);
    QPushButton *BoutonAide(const QString &nom, const QString &page);
    void ConnecteOptions();

    void ChargeTournoi();
    void ChargeNouveau();
    void ChargeSons();
    // The two alarms, 5 minutes before the end and at the end: check box and file box.
    std::array<std::pair<QCheckBox *, QLineEdit *>, 2> Alarmes() const
    {
        return {{{Check1, txtFichSon5}, {Check2, txtFichSon}}};
    }
    void ChoixJeu(bool tournoiPermis);
    void EtatDecalages(bool actifs);
    void ChargeFichierSon(QLineEdit *chemin);
    void Valider();
    void Refuse(const RefusOptions &refus);

    template <typename V>
    static void Selectionne(const Options<V> &options, V valeur);
    // The value of the button selected; the "none" value of V when none is.
    template <typename V>
    static V Selectionnee(const Options<V> &options);

    Modele &m;
    // Number of the tournament being created; empty for the open tournament.
    QString m_nouveau;
    Options<TypeJeu::Valeur> m_jeux;
    Options<TypeTirage> m_tirages;
    // False while the controls are filled: the draw handlers then do nothing.
    bool m_charge = false;
};
