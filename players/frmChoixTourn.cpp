#include "players/frmChoixTourn.h"
#include "players/copie.h"
#include "players/joueurs.h"
#include "store/catalogue.h"
#include "widgets/controles.h"
#include "store/modele.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

frmChoixTourn::frmChoixTourn(Modele &modele, QWidget *parent) : QDialog(parent), m(modele)
{
    setObjectName(u"frmChoixTourn"_s);
    setWindowTitle(u"Choix du tournoi"_s);

    Label5 = new QLabel(
        u"Choisissez un tournoi dans la liste ci-dessous en cliquant dessus, puis cliquer sur Continuer"_s, this);
    Label5->setObjectName(u"Label5"_s);
    Label5->setWordWrap(true);
    lstTournois = new QListWidget(this);
    lstTournois->setObjectName(u"lstTournois"_s);
    lstTournois->addItems(AutresTournois(m));
    Label1 = new QLabel(u"Liste des joueurs de ce tournoi"_s, this);
    Label1->setObjectName(u"Label1"_s);
    lstJoueurs = new QListWidget(this);
    lstJoueurs->setObjectName(u"lstJoueurs"_s);
    lstJoueurs->setSelectionMode(QAbstractItemView::NoSelection);

    cmdOK = new QPushButton(u"&Continuer"_s, this);
    cmdOK->setObjectName(u"cmdOK"_s);
    cmdAnnuler = new QPushButton(u"&Annuler"_s, this);
    cmdAnnuler->setObjectName(u"cmdAnnuler"_s);
    connect(lstTournois, &QListWidget::itemSelectionChanged, this, &frmChoixTourn::AfficheJoueurs);
    connect(cmdOK, &QPushButton::clicked, this, &frmChoixTourn::Copie);
    connect(cmdAnnuler, &QPushButton::clicked, this, &QDialog::reject);

    QHBoxLayout *boutons = LigneBoutons({cmdOK, cmdAnnuler});
    auto *disposition = new QVBoxLayout(this);
    disposition->addWidget(Label5);
    disposition->addWidget(lstTournois);
    disposition->addWidget(Label1);
    disposition->addWidget(lstJoueurs);
    disposition->addLayout(boutons);
}

QString frmChoixTourn::NumeroChoisi() const
{
    const QList<QListWidgetItem *> choix = lstTournois->selectedItems();
    return choix.isEmpty() ? QString() : NumeroEntree(choix.first()->text());
}

void frmChoixTourn::AfficheJoueurs()
{
    lstJoueurs->clear();
    const QString numero = NumeroChoisi();
    if (numero.isEmpty())
        return;
    const TableCellules joueurs = JoueursTournoi(m, numero);
    for (int r = 1; r <= joueurs.nbLignes(); ++r)
        lstJoueurs->addItem(joueurs(ColJoueur::Nom, r).texte() + u' ' + joueurs(ColJoueur::Prenom, r).texte());
}

void frmChoixTourn::Copie()
{
    const QString numero = NumeroChoisi();
    if (numero.isEmpty()) {
        m.AfficheErreur(u"Sélectionnez d'abord un tournoi en cliquant dessus dans la liste."_s);
        return;
    }
    if (TypeJeuTournoi(m, numero) != m.TypeJeu.texte()) {
        m.AfficheErreur(u"Ce tournoi n'est pas du même type que le tournoi actuel. Copie des joueurs impossible."_s);
        return;
    }
    if (ConfirmeEffacement(m) && RemplaceJoueurs(m, JoueursTournoi(m, numero)))
        accept();
}
