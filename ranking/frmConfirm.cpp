#include "ranking/frmConfirm.h"
#include "players/joueurs.h"
#include "widgets/controles.h"
#include "store/modele.h"
#include "store/texte.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmConfirm::frmConfirm(Modele &modele, QWidget *parent) : QDialog(parent), m(modele)
{
    setObjectName(QStringLiteral("frmConfirm"));
    setWindowTitle(QStringLiteral("COCHER ..."));

    auto *cadre = new QGroupBox(QStringLiteral("Vous désirez cocher : "), this);
    cadre->setObjectName(QStringLiteral("Frame1"));
    auto *options = new QVBoxLayout(cadre);
    const QString libelles[] = {
        QStringLiteral("1. Tous les joueurs"),
        QStringLiteral("2. Aucun joueur"),
        QStringLiteral("3. Les gagnants (première moitié du tableau)"),
        QStringLiteral("4. Les perdants (deuxième moitié du tableau)"),
    };
    for (int i = 0; i < 4; ++i) {
        optCoche[i] = new QRadioButton(libelles[i], cadre);
        optCoche[i]->setObjectName(QStringLiteral("optCoche%1").arg(i));
        options->addWidget(optCoche[i]);
    }

    auto *note = new QLabel(
        QStringLiteral("Pour les options 3 et 4, attention à bien trier auparavant la grille de classement."), this);
    note->setWordWrap(true);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdAnnuler = new QPushButton(QStringLiteral("&Annuler"), this);
    cmdAnnuler->setObjectName(QStringLiteral("cmdAnnuler"));
    connect(cmdOK, &QPushButton::clicked, this, &frmConfirm::Valide);
    connect(cmdAnnuler, &QPushButton::clicked, this, &QDialog::reject);

    QHBoxLayout *boutons = LigneBoutons({cmdOK, cmdAnnuler});
    auto *disposition = new QVBoxLayout(this);
    disposition->addWidget(cadre);
    disposition->addWidget(note);
    disposition->addLayout(boutons);
}

void frmConfirm::Valide()
{
    // With no option chosen the players file is written as it stands.
    for (int i = 0; i < 4; ++i)
        if (optCoche[i]->isChecked()) {
            if (CocheJoueurs(m, ChoixCoches(i)))
                accept();
            return;
        }
    if (m.EcritJoueurs())
        accept();
}
