#include "app/frmPatience.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

frmPatience::frmPatience(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPatience"));
    setWindowTitle(QStringLiteral("Velmora Tarot Belote"));
    Label2 = new QLabel(QStringLiteral("Chargement des joueurs et des scores en cours ..."), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    Label1 = new QLabel(QStringLiteral("Merci de bien vouloir patienter quelques instants"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    auto *colonne = new QVBoxLayout(this);
    colonne->addWidget(Label2);
    colonne->addWidget(ProgressBar1);
    colonne->addWidget(Label1);
    resize(420, 120);
}
