#pragma once

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// The about window. It also keeps the card pictures of the two games,
// which the tournament window borrows for its animation.
class frmPub : public QDialog
{
    Q_OBJECT
public:
    explicit frmPub(QWidget *parent = nullptr);

    // The three card pictures of Tarot (false) or of Belote (true).
    static QList<QPixmap> Cartes(bool belote);

    std::array<QLabel *, 3> ImageT;
    std::array<QLabel *, 3> ImageB;
    std::array<QLabel *, 3> Label1; // elements 1 and 2 are used
    QLineEdit *Text1;
    QPushButton *Command1;
};
