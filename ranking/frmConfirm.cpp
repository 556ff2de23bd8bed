#include "ranking/frmConfirm.h"
#include "players/joueurs.h"
#include "ranking/actions.h"
#include "widgets/controles.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

frmConfirm::frmConfirm(Modele &modele, QWidget *parent) : QDialog(parent), m(modele)
{
    setObjectName(QStringLiteral("frmConfirm"));
    setWindowTitle(QStringLiteral("COCHER ..."));

    auto *cadre = Cree<QGroupBox>(QStringLiteral("Frame1"), QStringLiteral("Vous désirez cocher : "), this);
    auto *options = new QVBoxLayout(cadre);
    const QString libelles[] = {
        QStringLiteral("1. Tous les joueurs"),
        QStringLiteral("2. Aucun joueur"),
        QStringLiteral("3. Les gagnants (première moitié du tableau)"),
        QStringLiteral("4. Les perdants (deuxième moitié du tableau)"),
    };
    for (int i = 0; i < 4; ++i) {
        optCoche[i] = Cree<QRadioButton>(QStringLiteral("optCoche%1").arg(i), libelles[i], cadre);
        options->addWidget(optCoche[i]);
    }

    auto *note = Etiquette(
        this, QStringLiteral("Label1"),
        QStringLiteral("Pour les options 3 et 4, attention à bien trier auparavant la grille de classement."));

    cmdOK = Bouton(this, QStringLiteral("cmdOK"), QStringLiteral("&OK"));
    cmdAnnuler = Bouton(this, QStringLiteral("cmdAnnuler"), QStringLiteral("&Annuler"));
    connect(cmdOK, &QPushButton::clicked, this, &frmConfirm::Valide);
    connect(cmdAnnuler, &QPushButton::clicked, this, &QDialog::reject);

    QHBoxLayout *boutons = LigneBoutons({cmdOK, cmdAnnuler});
    auto *disposition = new QVBoxLayout(this);
    disposition->addWidget(cadre);
    disposition->addWidget(note);
    disposition->addLayout(boutons);
}

// When the players file cannot be written the dialog stays, the ticks as they were.
void frmConfirm::Valide()
{
    constexpr ChoixCoches choix[] = {ChoixCoches::Tous, ChoixCoches::Aucun, ChoixCoches::Gagnants,
                                     ChoixCoches::Perdants};
    std::optional<ChoixCoches> choisi;
    for (int i = 0; i < 4; ++i)
        if (optCoche[i]->isChecked())
            choisi = choix[i];
    if (ValideCoches(m, choisi))
        accept();
}
