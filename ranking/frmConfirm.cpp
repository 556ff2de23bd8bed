#include "ranking/frmConfirm.h"
#include "ranking/grilleclassement.h"
#include "store/controles.h"
#include "store/modele.h"
#include "store/texte.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString Coche = QStringLiteral("X");
const QString SansCoche = QStringLiteral(" ");

} // namespace

frmConfirm::frmConfirm(Modele &modele, ModeleGrille &grilleClassement, QWidget *parent)
    : QDialog(parent), m(modele), grille(grilleClassement)
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
    const int n = m.NbJoueurs();
    if (optCoche[0]->isChecked()) {
        MarqueTous(Coche);
    } else if (optCoche[1]->isChecked()) {
        MarqueTous(SansCoche);
    } else if (optCoche[2]->isChecked()) {
        MarqueTous(SansCoche);
        CocheLignes(1, int(ArrondiPair(n / 2.0)));
    } else if (optCoche[3]->isChecked()) {
        MarqueTous(SansCoche);
        CocheLignes(int(ArrondiPair(n / 2.0 + 1)), n);
    }
    // The grid shows the ticks of its entrants again, whatever was chosen.
    for (int ligne = 1; ligne <= n; ++ligne) {
        const int r = m.RechJoueur(grille.cellule(1, ligne).nombre());
        if (r != -1)
            grille.ecritCellule(2, ligne, m.Joueurs(2, r));
    }
    m.EcritJoueurs();
    accept();
}

void frmConfirm::MarqueTous(const QString &marque)
{
    for (int r = 1; r <= m.NbJoueurs(); ++r)
        m.Joueurs(2, r) = marque;
}

void frmConfirm::CocheLignes(int de, int a)
{
    for (int ligne = de; ligne <= a; ++ligne) {
        const int r = m.RechJoueur(grille.cellule(1, ligne).nombre());
        if (r != -1)
            m.Joueurs(2, r) = Coche;
    }
}
