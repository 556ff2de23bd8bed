#include "reports/frmDetail.h"
#include "reports/fiche.h"
#include "widgets/chaine.h"
#include "widgets/controles.h"
#include "widgets/grille.h"
#include "widgets/nombres.h"
#include "store/modele.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {

// Sizes of Grid4 in twips.
constexpr int HauteurTitres = HauteurTitresGrille;
constexpr int HauteurLigne = HauteurLigneGrille;
constexpr int LargeurColonne = 1000;

// Letters typed in the name box come out in upper case.
class Majuscules : public QObject
{
public:
    explicit Majuscules(QLineEdit *boite) : QObject(boite), m_boite(boite) {}

    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        if (evenement->type() != QEvent::KeyPress)
            return QObject::eventFilter(objet, evenement);
        const auto *touche = static_cast<QKeyEvent *>(evenement);
        const QString texte = touche->text();
        if (texte.isEmpty() || touche->modifiers() & Qt::ControlModifier || texte.toUpper() == texte)
            return false;
        m_boite->insert(texte.toUpper());
        return true;
    }

private:
    QLineEdit *m_boite;
};

QLineEdit *Boite(QWidget *parent, const QString &nom, bool lectureSeule)
{
    auto *boite = Cree<QLineEdit>(nom, parent);
    boite->setReadOnly(lectureSeule);
    return boite;
}

} // namespace

frmDetail::frmDetail(Modele &modele, QWidget *parent) : QWidget(parent, Qt::Window), m(modele)
{
    setObjectName(QStringLiteral("frmDetail"));
    setWindowTitle(QStringLiteral("Fiche individuelle joueur(se)"));

    const bool equipes = m.TypeJeu.estEquipes();
    const QString textes[] = {
        QString(),
        QStringLiteral("N°"),
        equipes ? QStringLiteral("Nom joueur 1") : QStringLiteral("Nom"),
        equipes ? QStringLiteral("Nom joueur 2") : QStringLiteral("Prénom"),
        QStringLiteral("Entrez le n° de joueur(se)  OU  le début du nom et cliquez sur \"Recherche joueur\" ou "
                       "appuyez sur Entrée."),
        QStringLiteral("Moyenne manches.."),
        QStringLiteral("Moyennes parties...."),
        QStringLiteral("Classement............."),
    };
    // The captions stay on one line beside their boxes; only the instructions wrap.
    for (int i = 1; i <= 7; ++i)
        Label[i] = i == 4 ? Etiquette(this, QStringLiteral("Label4"), textes[i])
                          : Cree<QLabel>(QStringLiteral("Label%1").arg(i), textes[i], this);
    lblTournoi = Etiquette(this, QStringLiteral("lblTournoi"), m.NomTournoi);
    lblTournoi->setAlignment(Qt::AlignCenter);
    QFont police = lblTournoi->font();
    police.setBold(true);
    lblTournoi->setFont(police);

    txtNum = Boite(this, QStringLiteral("txtNum"), false);
    txtNom = Boite(this, QStringLiteral("txtNom"), false);
    txtPrenom = Boite(this, QStringLiteral("txtPrenom"), false);
    Text1 = Boite(this, QStringLiteral("Text1"), true);
    Text2 = Boite(this, QStringLiteral("Text2"), true);
    Text3 = Boite(this, QStringLiteral("Text3"), true);
    Text4 = Boite(this, QStringLiteral("Text4"), true);
    Text5 = Boite(this, QStringLiteral("Text5"), true);
    Text6 = Boite(this, QStringLiteral("Text6"), true);
    for (QLineEdit *total : {Text1, Text2, Text3})
        total->setAlignment(Qt::AlignRight);

    // Entrant numbers have four digits at most.
    BoiteNombre(txtNum, m.plateforme, 4);
    txtNom->installEventFilter(new Majuscules(txtNom));
    // Enter or Tab searches once the box holds a key; an empty box lets the focus move on.
    for (QLineEdit *cle : {txtNum, txtNom})
        SurTabEntree(cle, [this, cle] {
            if (cle->text().isEmpty())
                focusNextChild();
            else
                Recherche();
        });

    cmdOK = Bouton(this, QStringLiteral("cmdOK"), QStringLiteral("&Recherche joueur"));
    cmdSuiv = Bouton(this, QStringLiteral("cmdSuiv"), QStringLiteral("&Nom identique suivant"));
    cmdEfface = Bouton(this, QStringLiteral("cmdEfface"), QStringLiteral("Remise à &blanc"));
    cmdImpr = Bouton(this, QStringLiteral("cmdImpr"), QStringLiteral("&Créer fichier"));
    cmdFin = Bouton(this, QStringLiteral("cmdFin"), QStringLiteral("&Sortie"));
    connect(cmdOK, &QPushButton::clicked, this, &frmDetail::Recherche);
    connect(cmdSuiv, &QPushButton::clicked, this, &frmDetail::Suivant);
    connect(cmdEfface, &QPushButton::clicked, this, &frmDetail::Efface);
    connect(cmdImpr, &QPushButton::clicked, this, &frmDetail::Imprime);
    connect(cmdFin, &QPushButton::clicked, this, &QWidget::close);

    Grid4 = new GrilleFixe(this);
    Grid4->setObjectName(QStringLiteral("Grid4"));
    contenuFiche = new QStandardItemModel(this);
    Grid4->setModel(contenuFiche);

    auto *disposition = new QGridLayout(this);
    disposition->addWidget(lblTournoi, 0, 0, 1, 3);
    disposition->addWidget(Label[4], 1, 0, 1, 3);
    QLineEdit *cles[] = {txtNum, txtNom, txtPrenom};
    for (int i = 0; i < 3; ++i) {
        disposition->addWidget(Label[i + 1], 2 + i, 0);
        disposition->addWidget(cles[i], 2 + i, 1);
    }
    auto *boutons = new QVBoxLayout;
    for (QPushButton *bouton : {cmdOK, cmdSuiv, cmdEfface, cmdImpr, cmdFin})
        boutons->addWidget(bouton);
    boutons->addStretch();
    disposition->addLayout(boutons, 2, 2, 5, 1);
    disposition->addWidget(Grid4, 5, 0, 1, 2);
    auto *totaux = new QHBoxLayout;
    for (QLineEdit *total : {Text1, Text2, Text3})
        totaux->addWidget(total);
    disposition->addLayout(totaux, 6, 0, 1, 2);
    QLineEdit *resultats[] = {Text4, Text5, Text6};
    for (int i = 0; i < 3; ++i) {
        disposition->addWidget(Label[i + 5], 7 + i, 0);
        disposition->addWidget(resultats[i], 7 + i, 1);
    }

    ActiveBoutons(false);
    VideGrilleFiche();
    FormateGrilleFiche();
}

void frmDetail::FormateGrilleFiche()
{
    contenuFiche->setHorizontalHeaderLabels(
        {QStringLiteral("N° manche"), QStringLiteral("Nb parties"), QStringLiteral("Nb points")});
    Grid4->horizontalHeader()->setFixedHeight(Pixels(HauteurTitres));
    Grid4->verticalHeader()->setDefaultSectionSize(Pixels(HauteurLigne));
    for (int c = 0; c < 3; ++c)
        Grid4->setColumnWidth(c, Pixels(LargeurColonne));
    Grid4->setMinimumWidth(3 * Pixels(LargeurColonne) + 2 * Grid4->frameWidth()
                           + Grid4->verticalScrollBar()->sizeHint().width());
}

void frmDetail::EcritCase(int ligne, int colonne, const QString &texte)
{
    auto *item = new QStandardItem(texte);
    // The deals and the points stand right-aligned.
    item->setTextAlignment((colonne == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    contenuFiche->setItem(ligne, colonne, item);
}

void frmDetail::VideGrilleFiche()
{
    contenuFiche->setRowCount(0);
    contenuFiche->setRowCount(1);
}

void frmDetail::ActiveBoutons(bool actifs)
{
    cmdSuiv->setEnabled(actifs);
    cmdImpr->setEnabled(actifs);
}

frmDetail::~frmDetail()
{
    DetacheEnfants(this);
}

void frmDetail::Recherche()
{
    const RechercheFiche recherche = ChercheFiche(m, txtNum->text(), txtNom->text());
    if (!recherche.faite) {
        if (!recherche.erreur.isEmpty())
            m.AfficheErreur(recherche.erreur);
        return;
    }
    const Sablier sablier(m.plateforme);
    // What "next" looks for; a search by number leaves it off.
    texteCherche = txtNom->text();
    if (Montre(recherche))
        AfficheFiche();
}

bool frmDetail::Montre(const RechercheFiche &recherche)
{
    cmdSuiv->setEnabled(recherche.suivant);
    cmdImpr->setEnabled(recherche.impression);
    if (recherche.ligne == 0) {
        // A later "next" would start past the last row.
        m_ligneGrille = m.NbJoueurs() + 1;
        m_joueurCourant = m.NbJoueurs() + 1;
        m.AfficheErreur(recherche.erreur);
        return false;
    }
    m_ligneGrille = recherche.ligne;
    m_joueurCourant = m.RechJoueur(m.OrdreGrille[recherche.ligne - 1]);
    emit montreLigne(recherche.ligne);
    return true;
}

void frmDetail::Suivant()
{
    if (!Montre(ChercheNom(m, texteCherche, m_ligneGrille + 1)))
        return;
    const Sablier sablier(m.plateforme);
    FormateGrilleFiche();
    AfficheFiche();
}

void frmDetail::AfficheFiche()
{
    const int r = m_joueurCourant;
    // A grid older than the players file may name someone no longer there.
    if (r < 1 || r > m.NbJoueurs())
        return;
    const Fiche fiche = FicheJoueur(m, r, m_ligneGrille);
    txtNum->setText(fiche.numero);
    txtNom->setText(fiche.nom);
    txtPrenom->setText(fiche.prenom);
    QLineEdit *valeurs[] = {Text1, Text2, Text3, Text4, Text5};
    for (int i = 0; i < 5; ++i)
        valeurs[i]->setText(fiche.valeurs[i]);
    Text6->setText(fiche.classement);

    // One row per table of the entrant, then the empty row the grid keeps last.
    const QList<QStringList> lignes = GrilleFiche(m, m.Joueurs(ColJoueur::Numero, r).nombre());
    VideGrilleFiche();
    contenuFiche->setRowCount(int(lignes.size()) + 1);
    for (int ligne = 0; ligne < lignes.size(); ++ligne)
        for (int colonne = 0; colonne < 3; ++colonne)
            EcritCase(ligne, colonne, lignes[ligne][colonne]);
}

void frmDetail::Efface()
{
    for (QLineEdit *boite : {txtNum, txtNom, txtPrenom, Text1, Text2, Text3, Text4, Text5, Text6})
        boite->clear();
    VideGrilleFiche();
    ActiveBoutons(false);
    FormateGrilleFiche();
    txtNum->setFocus();
}

void frmDetail::Imprime()
{
    // The sheet is written as the boxes show it.
    const Fiche fiche{txtNum->text(),
                      txtNom->text(),
                      txtPrenom->text(),
                      {Text1->text(), Text2->text(), Text3->text(), Text4->text(), Text5->text()},
                      Text6->text()};
    const Sablier sablier(m.plateforme);
    ImprimeFiche(m, fiche);
}
