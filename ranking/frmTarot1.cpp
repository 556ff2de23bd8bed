#include "ranking/frmTarot1.h"
#include "store/modele.h"
#include "store/texte.h"

#include <QLabel>
#include <QVBoxLayout>

frmTarot1::frmTarot1(Modele &modele, QWidget *parent) : QWidget(parent, Qt::Window), m(modele)
{
    setObjectName(QStringLiteral("frmTarot1"));
    pnlNbj = new QLabel(QStringLiteral("0 inscrits"), this);
    pnlNbj->setObjectName(QStringLiteral("pnlNbj"));
    pnlTime = new QLabel(this);
    pnlTime->setObjectName(QStringLiteral("pnlTime"));
    auto *disposition = new QVBoxLayout(this);
    disposition->addWidget(pnlNbj);
    disposition->addWidget(pnlTime);
    move(0, 0);
    resize(800, 600);
}

void frmTarot1::AfficheTitre()
{
    setWindowTitle(m.TitreTournoi());
}

void frmTarot1::AppliqueOptions() {}

void frmTarot1::FormateGrille() {}

void frmTarot1::ChargeCartes() {}

void frmTarot1::MajEtatManche() {}

void frmTarot1::AfficheInscrits()
{
    pnlNbj->setText(TexteSigne(m.NbJoueurs()) + QStringLiteral(" inscrits"));
}

void frmTarot1::AfficheHeure()
{
    pnlTime->setText(m.plateforme.maintenant().toString(QStringLiteral("HH:mm")));
}
