#pragma once

#include "reports/listes.h"

#include <QWidget>

class GrilleFixe;
class Modele;
class QLabel;
class QPushButton;
class QStandardItemModel;

// The tables of the current round: shown in one of three orders, printed as
// one of the three table lists, and the way to the score sheets.
class frmRepart : public QWidget
{
    Q_OBJECT
public:
    explicit frmRepart(Modele &m, QWidget *parent = nullptr);
    ~frmRepart() override;

    GrilleFixe *Grid3;
    QPushButton *cmdParTable, *cmdParJoueur, *cmdParNom;
    QPushButton *cmdImprTable, *cmdImprJoueur, *cmdImprNom;
    QPushButton *cmdImprFM;
    QPushButton *cmdFin;
    QLabel *Label1;

private:
    // Refills Grid3 from the rows of the current round in the order of the
    // list; `places` names the seat after the table number of the by-table
    // rows. Returns the number of rows.
    int AfficheListe(Liste liste, bool places);
    void Imprime(Liste liste);
    // The choice window, then the score sheets or the CSV file.
    void FeuillesDeMarque();

    Modele &m;
    QStandardItemModel *contenu;
};
