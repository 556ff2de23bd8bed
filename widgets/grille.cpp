#include "widgets/grille.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

GrilleFixe::GrilleFixe(QWidget *parent) : QTableView(parent)
{
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    // A click resets the selection to the first cell without moving the view.
    setAutoScroll(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::Alignment(QFlag(Qt::AlignCenter | Qt::TextWordWrap)));
}

void GrilleFixe::premiereLigne(int ligne)
{
    // The scroll range follows the rows only once the pending layout is done.
    executeDelayedItemsLayout();
    updateGeometries();
    verticalScrollBar()->setValue(ligne - 1);
}

void GrilleFixe::keyPressEvent(QKeyEvent *evenement)
{
    // Tab and Shift+Tab were taken by the focus chain before reaching here.
    evenement->accept();
}

void GrilleFixe::mousePressEvent(QMouseEvent *evenement)
{
    // A click beside the rows selects nothing, rather than keeping the last selection.
    if (!indexAt(evenement->position().toPoint()).isValid())
        clearSelection();
    QTableView::mousePressEvent(evenement);
}

void GrilleFixe::mouseReleaseEvent(QMouseEvent *evenement)
{
    QTableView::mouseReleaseEvent(evenement);
    if (evenement->button() != Qt::RightButton)
        emit clic();
}
