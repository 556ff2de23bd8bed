#pragma once

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// The about window, with the card pictures of the two games.
class frmPub : public QDialog
{
    Q_OBJECT
public:
    explicit frmPub(QWidget *parent = nullptr);

    std::array<QLabel *, 3> ImageT;
    std::array<QLabel *, 3> ImageB;
    std::array<QLabel *, 3> Label1; // elements 1 and 2 are used
    QLineEdit *Text1;
    QPushButton *Command1;
};
