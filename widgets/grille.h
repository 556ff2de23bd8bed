#pragma once

#include "widgets/controles.h"

#include <QTableView>

// The grids of the program: read-only tables whose current cell never moves
// with the keyboard (Tab and Shift+Tab go to the next or previous control,
// every other key does nothing); every click but a right one is reported
// once the selection is made.
class GrilleFixe : public QTableView
{
    Q_OBJECT
public:
    explicit GrilleFixe(QWidget *parent = nullptr);

    // Scrolls so that this row (from 1) is the first one visible.
    void premiereLigne(int ligne);

signals:
    void clic();

protected:
    void keyPressEvent(QKeyEvent *evenement) override;
    void mousePressEvent(QMouseEvent *evenement) override;
    void mouseReleaseEvent(QMouseEvent *evenement) override;
};
