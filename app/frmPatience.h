#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// The wait window shown while a tournament loads or a document is prepared.
class frmPatience : public QDialog
{
    Q_OBJECT
public:
    explicit frmPatience(QWidget *parent = nullptr);

    QProgressBar *ProgressBar1;
    QLabel *Label2;
    QLabel *Label1;
};
