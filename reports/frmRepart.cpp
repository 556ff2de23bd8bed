#include "reports/frmRepart.h"
#include "reports/feuilles.h"
#include "reports/frmOptFeuilles.h"
#include "widgets/controles.h"
#include "widgets/grille.h"
#include "store/modele.h"
#include "store/texte.h"

#include <QGridLayout>
#include <QStandardItemModel>

frmRepart::frmRepart(Modele &modele, QWidget *parent) : QWidget(parent, Qt::Window), m(modele)
{
    setObjectName(QStringLiteral("frmRepart"));
    setWindowTitle(QStringLiteral("Constitution des tables de la manche ") + TexteSigne(m.MancheCourante));

    Grid3 = new GrilleFixe(this);
    Grid3->setObjectName(QStringLiteral("Grid3"));
    contenu = new QStandardItemModel(this);
    Grid3->setModel(contenu);

    // Every button has its own access key; S stays with "Sortie".
    cmdParTable = Bouton(this, QStringLiteral("cmdParTable"), QStringLiteral("Trier par n° &table"));
    cmdParJoueur = Bouton(this, QStringLiteral("cmdParJoueur"), QStringLiteral("Trier par n° &joueur"));
    cmdParNom = Bouton(this, QStringLiteral("cmdParNom"), QStringLiteral("Trier par &nom joueur"));
    cmdImprTable = Bouton(this, QStringLiteral("cmdImprTable"), QStringLiteral("&Liste par n° table"));
    cmdImprJoueur = Bouton(this, QStringLiteral("cmdImprJoueur"), QStringLiteral("Liste &par n° joueur"));
    cmdImprNom = Bouton(this, QStringLiteral("cmdImprNom"), QStringLiteral("Liste par n&om joueur"));
    cmdImprFM = Bouton(this, QStringLiteral("cmdImprFM"), QStringLiteral("&Feuilles de marque"));
    cmdFin = Bouton(this, QStringLiteral("cmdFin"), QStringLiteral("&Sortie"));
    Label1 = Etiquette(this, QStringLiteral("Label1"),
                       QStringLiteral(" * signifie que le score du joueur n'est pas enregistré"));

    connect(cmdParTable, &QPushButton::clicked, this, [this] { AfficheListe(Liste::ParTable, m.PlacesNommees()); });
    connect(cmdParJoueur, &QPushButton::clicked, this, [this] { AfficheListe(Liste::ParJoueur, false); });
    connect(cmdParNom, &QPushButton::clicked, this, [this] { AfficheListe(Liste::ParNom, false); });
    connect(cmdImprTable, &QPushButton::clicked, this, [this] { Imprime(Liste::ParTable); });
    connect(cmdImprJoueur, &QPushButton::clicked, this, [this] { Imprime(Liste::ParJoueur); });
    connect(cmdImprNom, &QPushButton::clicked, this, [this] { Imprime(Liste::ParNom); });
    connect(cmdImprFM, &QPushButton::clicked, this, &frmRepart::FeuillesDeMarque);
    connect(cmdFin, &QPushButton::clicked, this, &QWidget::close);

    // The seven buttons that need tables in the current round.
    const QList<QPushButton *> boutons = {cmdParTable, cmdParJoueur, cmdParNom, cmdImprTable,
                                          cmdImprJoueur, cmdImprNom, cmdImprFM};
    auto *disposition = new QGridLayout(this);
    disposition->addWidget(Grid3, 0, 0, 1, 3);
    for (int i = 0; i < boutons.size(); ++i)
        disposition->addWidget(boutons[i], 1 + i / 3, i % 3);
    disposition->addWidget(cmdFin, 3, 2);
    disposition->addWidget(Label1, 4, 0, 1, 3);

    // The first view follows the tables without naming the seats.
    const bool tables = AfficheListe(Liste::ParTable, false) > 0;
    for (QPushButton *bouton : boutons)
        bouton->setEnabled(tables);
    resize(620, 520);
}

frmRepart::~frmRepart()
{
    DetacheEnfants(this);
}

int frmRepart::AfficheListe(Liste liste, bool places)
{
    const VueListe vue = VueRepartition(m, liste, places);
    contenu->clear();
    contenu->setColumnCount(int(vue.titres.size()));
    contenu->setRowCount(int(vue.lignes.size()));
    for (int c = 0; c < vue.titres.size(); ++c) {
        contenu->setHorizontalHeaderItem(c, new QStandardItem(vue.titres[c]));
        Grid3->setColumnWidth(c, Pixels(vue.largeurs[c]));
    }
    for (int i = 0; i < vue.lignes.size(); ++i)
        for (int c = 0; c < vue.lignes[i].size(); ++c)
            contenu->setItem(i, c, new QStandardItem(vue.lignes[i][c]));
    return int(vue.lignes.size());
}

void frmRepart::Imprime(Liste liste)
{
    const Sablier sablier(m.plateforme);
    ImprimeListe(m, liste);
}

void frmRepart::FeuillesDeMarque()
{
    frmOptFeuilles options(this);
    options.exec();
    ::FeuillesDeMarque(m, options.choix());
}
