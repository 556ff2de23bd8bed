#include "players/frmChoixTourn.h"
#include "players/copie.h"
#include "store/catalogue.h"
#include "store/modele.h"
#include "widgets/controles.h"

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

    Label5 = Etiquette(
        this, u"Label5"_s,
        u"Choisissez un tournoi dans la liste ci-dessous en cliquant dessus, puis cliquer sur Continuer"_s);
    lstTournois = Cree<QListWidget>(u"lstTournois"_s, this);
    lstTournois->addItems(AutresTournois(m));
    Label1 = Cree<QLabel>(u"Label1"_s, u"Liste des joueurs de ce tournoi"_s, this);
    lstJoueurs = Cree<QListWidget>(u"lstJoueurs"_s, this);
    lstJoueurs->setSelectionMode(QAbstractItemView::NoSelection);
    cmdOK = Bouton(this, u"cmdOK"_s, u"&Continuer"_s);
    cmdAnnuler = Bouton(this, u"cmdAnnuler"_s, u"&Annuler"_s);
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

frmChoixTourn::~frmChoixTourn()
{
    DetacheEnfants(this);
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
    // A file that cannot be read leaves the list empty; Continuer says why.
    QString erreur;
    const std::optional<TableCellules> joueurs = JoueursTournoi(m, numero, &erreur);
    for (int r = 1; joueurs && r <= joueurs->nbLignes(); ++r)
        lstJoueurs->addItem((*joueurs)(ColJoueur::Nom, r).texte() + u' ' + (*joueurs)(ColJoueur::Prenom, r).texte());
}

void frmChoixTourn::Copie()
{
    if (CopieJoueurs(m, NumeroChoisi()))
        accept();
}
