#include "ranking/frmTarot1.h"
#include "players/frmSaiJou.h"
#include "players/joueurs.h"
#include "ranking/classement.h"
#include "ranking/frmConfirm.h"
#include "ranking/grilleclassement.h"
#include "ranking/horloge.h"
#include "ranking/pictogrammes.h"
#include "reports/frmDetail.h"
#include "reports/frmRepart.h"
#include "reports/grille.h"
#include "rounds/etatmanche.h"
#include "rounds/frmSaiMan.h"
#include "rounds/tirage.h"
#include "scores/frmSaiSco.h"
#include "settings/frmOpt.h"
#include "store/modele.h"
#include "store/texte.h"
#include "widgets/cartes.h"
#include "widgets/grille.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Sizes of the grid in twips, shown at 15 twips a pixel.
constexpr int HauteurTitres = HauteurTitresGrille;
constexpr int HauteurLigne = HauteurLigneGrille;
// Rows shown at once; "Fin de la grille" puts the last entrant on the last of them.
constexpr int LignesVisibles = 24;

struct ColonneGrille
{
    int largeur;
    const char *titre;
    const char *titreBelote;
    Qt::Alignment alignement;
};

const ColonneGrille ColonnesGrille[ModeleGrille::NbColonnes] = {
    {450, "Tri", "Tri", Qt::AlignRight},
    {450, "N°", "N°", Qt::AlignRight},
    {400, "Ins", "Ins", Qt::AlignHCenter},
    {2670, "Nom joueur", "Nom prénom joueur 1", Qt::AlignLeft},
    {2670, "Prénom joueur", "Nom prénom joueur 2", Qt::AlignLeft},
    {825, "Nombre manches", "Nombre manches", Qt::AlignRight},
    {750, "Nombre parties", "Nombre parties", Qt::AlignRight},
    {750, "Nombre points", "Nombre points", Qt::AlignRight},
    {850, "Moy manches", "Moy manches", Qt::AlignRight},
    {660, "Moy parties", "Moy parties", Qt::AlignRight},
};

QPushButton *BoutonImage(QWidget *parent, const QString &nom, const QString &bulle, const QIcon &image)
{
    auto *bouton = new QPushButton(parent);
    bouton->setObjectName(nom);
    bouton->setToolTip(bulle);
    bouton->setAccessibleName(bulle);
    bouton->setIcon(image);
    bouton->setIconSize(QSize(28, 28));
    bouton->setFixedSize(34, 34);
    return bouton;
}

QLabel *Panneau(QWidget *parent, const QString &nom, int largeur)
{
    auto *panneau = new QLabel(parent);
    panneau->setObjectName(nom);
    panneau->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panneau->setMinimumWidth(largeur);
    return panneau;
}

} // namespace

frmTarot1::frmTarot1(Modele &modele, QWidget *parent) : QWidget(parent, Qt::Window), m(modele)
{
    setObjectName(QStringLiteral("frmTarot1"));
    auto *disposition = new QVBoxLayout(this);
    disposition->addLayout(CreeBarre());
    disposition->addLayout(CreeLigneManche());
    disposition->addLayout(CreeGrille());
    disposition->addLayout(CreeEtatManche());
    disposition->addStretch();
    CreeCartes();
    CreeMinuteries();

    auto *echap = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(echap, &QShortcut::activated, this, &frmTarot1::finProgramme);

    move(0, 0);
    resize(Pixels(12000), Pixels(9000));
    ChargeCartes();
    FormateGrille();
    AppliqueOptions(m.OptAffichMoy);
    connect(&m, &Modele::grilleTriee, this, &frmTarot1::GrilleTriee);
    connect(&m, &Modele::etatMancheChange, this, &frmTarot1::AfficheEtatManche);
    connect(&m, &Modele::joueursChanges, this, &frmTarot1::AfficheInscrits);
    connect(&m, &Modele::reglagesChanges, this, [this](bool ancienAffichMoy) {
        AfficheTitre();
        if (m.TypeJeu != TypeJeu::BeloteInd) // individual belote keeps the pictures already shown
            ChargeCartes();
        AppliqueOptions(ancienAffichMoy);
    });
    GrilleTriee();
    AfficheEtatManche();
    AfficheTitre();
    AfficheInscrits();
    AfficheHeure();
}

QLayout *frmTarot1::CreeBarre()
{
    struct BoutonBarre
    {
        QPushButton *frmTarot1::*bouton;
        const char *nom;
        const char *bulle;
        const char *glyphe;
        QRgb couleur;
        std::optional<BoutonTournoi> condition;
        void (frmTarot1::*action)();
    };
    static const BoutonBarre boutons[] = {
        {&frmTarot1::cmdInscr, "cmdInscr", "Inscription des joueurs(ses)", "J+", 0xff2f6db5, BoutonTournoi::Inscription,
         &frmTarot1::Inscription},
        {&frmTarot1::cmdManches, "cmdManches", "Définition des manches", "M", 0xff2f6db5, BoutonTournoi::Manches,
         &frmTarot1::SaisieManches},
        {&frmTarot1::cmdTable, "cmdTable", "Saisie des tables", "T", 0xff2f6db5, BoutonTournoi::Tables,
         &frmTarot1::OuvreSaisieTables},
        {&frmTarot1::cmdScores, "cmdScores", "Saisie des scores", "S", 0xff2f6db5, BoutonTournoi::Scores,
         &frmTarot1::OuvreSaisieScores},
        {&frmTarot1::cmdTirage, "cmdTirage", "Tirage au sort", "T?", 0xff3d8b3d, {}, &frmTarot1::Tirage},
        {&frmTarot1::cmdTables, "cmdTables", "Affichage des tables", "L", 0xff8a5a2b, BoutonTournoi::ListeTables,
         &frmTarot1::AfficheTables},
        {&frmTarot1::cmdRechJou, "cmdRechJou", "Fiche individuelle d'un(e) joueur(se)", "F", 0xff8a5a2b,
         BoutonTournoi::Fiche, &frmTarot1::OuvreFiche},
        {&frmTarot1::cmdImpr, "cmdImpr", "Impression de la grille", "P", 0xff8a5a2b, {},
         &frmTarot1::ImprimeClassement},
        {&frmTarot1::cmdRecalc, "cmdRecalc", "Recalcul de la grille", "Σ", 0xff1f7f7f, {}, &frmTarot1::Recalcule},
        {&frmTarot1::cmdRestGrid, "cmdRestGrid", "Reformatage de la grille", "#", 0xff1f7f7f, {},
         &frmTarot1::FormateGrille},
        {&frmTarot1::cmdCoch1, "cmdCoch1", "Cocher / Décocher", "X", 0xff1f7f7f, BoutonTournoi::Cocher, &frmTarot1::Cocher},
        {&frmTarot1::cmdTop, "cmdTop", "Début de la grille", "▲", 0xff1f7f7f, {}, &frmTarot1::DebutGrille},
        {&frmTarot1::cmdBot, "cmdBot", "Fin de la grille", "▼", 0xff1f7f7f, {}, &frmTarot1::FinGrille},
        {&frmTarot1::cmdAnim, "cmdAnim", "Economiseur d'écran", "A", 0xff6b4c9a, {}, &frmTarot1::Economiseur},
        {&frmTarot1::cmdOptions, "cmdOptions", "Options", "O", 0xff5a5a5a, {}, &frmTarot1::Options},
        {&frmTarot1::cmdAide, "cmdAide", "Aide", "?", 0xff5a5a5a, {}, &frmTarot1::Aide},
        {&frmTarot1::cmdPub, "cmdPub", "A propos ...", "i", 0xff5a5a5a, {}, &frmTarot1::aPropos},
    };

    auto *barre = new QHBoxLayout;
    barre->setSpacing(2);
    for (const BoutonBarre &b : boutons) {
        QPushButton *bouton = BoutonImage(this, QString::fromUtf8(b.nom), QString::fromUtf8(b.bulle),
                                          Pictogramme(QString::fromUtf8(b.glyphe), QColor::fromRgba(b.couleur)));
        this->*b.bouton = bouton;
        barre->addWidget(bouton);
        connect(bouton, &QPushButton::clicked, this, [this, &b] {
            if (!b.condition || Permis(*b.condition))
                (this->*b.action)();
        });
    }
    barre->addStretch();
    return barre;
}

QLayout *frmTarot1::CreeLigneManche()
{
    const char *bulles[] = {"Manche précédente", "Manche suivante"};
    const char *fleches[] = {"◄", "►"};
    for (int i = 0; i < 2; ++i) {
        cmdScroll[i] = BoutonImage(this, QStringLiteral("cmdScroll%1").arg(i), QString::fromUtf8(bulles[i]),
                                   Pictogramme(QString::fromUtf8(fleches[i]), QColor(0x3d, 0x8b, 0x3d)));
        connect(cmdScroll[i], &QPushButton::clicked, this, [this, i] { ClicScroll(i); });
    }
    for (int i = 0; i < 5; ++i)
        pnlManche[i] = Panneau(this, QStringLiteral("pnlManche%1").arg(i), 110);
    pnlManche[4]->setAlignment(Qt::AlignCenter);
    QFont police = pnlManche[4]->font();
    police.setBold(true);
    pnlManche[4]->setFont(police);
    pnlCalcAuto = Panneau(this, QStringLiteral("pnlCalcAuto"), 70);
    pnlNbj = Panneau(this, QStringLiteral("pnlNbj"), 90);
    pnlTime = Panneau(this, QStringLiteral("pnlTime"), 50);
    for (QLabel *panneau : {pnlCalcAuto, pnlNbj, pnlTime})
        panneau->setAlignment(Qt::AlignCenter);

    auto *ligne = new QHBoxLayout;
    ligne->addWidget(cmdScroll[0]);
    ligne->addWidget(pnlManche[4]);
    ligne->addWidget(cmdScroll[1]);
    ligne->addStretch();
    ligne->addWidget(pnlCalcAuto);
    ligne->addWidget(pnlNbj);
    ligne->addWidget(pnlTime);
    return ligne;
}

QLayout *frmTarot1::CreeGrille()
{
    cmdTriOn = new QPushButton(this);
    cmdTriOn->setObjectName(QStringLiteral("cmdTriOn"));
    cmdTriOn->setIcon(PictureTri(true));
    cmdTriOn->hide();
    cmdTriOff = new QPushButton(this);
    cmdTriOff->setObjectName(QStringLiteral("cmdTriOff"));
    cmdTriOff->setIcon(PictureTri(false));
    cmdTriOff->hide();

    bandeauTri = new QWidget(this);
    bandeauTri->setFixedHeight(14);
    for (int i = 1; i <= 9; ++i) {
        cmdTri[i] = new QPushButton(bandeauTri);
        cmdTri[i]->setObjectName(QStringLiteral("cmdTri%1").arg(i));
        cmdTri[i]->setFlat(true);
        cmdTri[i]->setIcon(cmdTriOff->icon());
        cmdTri[i]->setIconSize(QSize(12, 10));
        connect(cmdTri[i], &QPushButton::clicked, this, [this, i] { ClicTri(i); });
    }

    Grid1 = new GrilleFixe(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    contenuGrille = new ModeleGrille(m, this);
    Grid1->setModel(contenuGrille);
    connect(Grid1, &GrilleFixe::clic, this, &frmTarot1::ClicGrille);
    connect(Grid1->horizontalHeader(), &QHeaderView::sectionResized, this, &frmTarot1::PlaceBoutonsTri);

    auto *colonne = new QVBoxLayout;
    colonne->setSpacing(0);
    colonne->addWidget(bandeauTri);
    colonne->addWidget(Grid1);
    return colonne;
}

QLayout *frmTarot1::CreeEtatManche()
{
    auto *ligne = new QHBoxLayout;
    for (int i = 0; i < 4; ++i)
        ligne->addWidget(pnlManche[i]);
    ligne->addStretch();
    return ligne;
}

void frmTarot1::CreeCartes()
{
    for (int i = 0; i < 3; ++i) {
        Carte[i] = new QLabel(this);
        Carte[i]->setObjectName(QStringLiteral("Carte%1").arg(i));
        Carte[i]->setGeometry(500 + 55 * i, 505, 48, 68);
    }
}

void frmTarot1::AfficheTitre()
{
    setWindowTitle(m.TitreTournoi());
}

void frmTarot1::AppliqueOptions(bool ancienAffichMoy)
{
    InitAnimation();
    pnlCalcAuto->setText(m.OptCalculAuto ? QStringLiteral("AUTO") : QStringLiteral("MANUEL"));
    if (m.OptAffichMoy == ancienAffichMoy)
        return;
    FormateGrille();
    // Three grid rows, the heading row included.
    if (contenuGrille->nbLignes() + 1 >= 3)
        CalculClassement(m);
    AfficheMoyennes();
    if (!m.OptAffichMoy)
        TrieGrille(m, ColJoueur::Points, Sens::Descendant);
}

// The pictures follow the game type, which may have changed since the window
// was built: another tournament opened, or the type changed in the options
// while the tournament had no entrant.
void frmTarot1::InitAnimation()
{
    ChargeCartes();
    if (m.OptAnimation) {
        cartes.TireDeplacements(m.plateforme);
        Timer2->start();
    } else {
        Timer2->stop();
    }
    for (QLabel *carte : Carte)
        carte->setVisible(m.OptAnimation);
}

// The cards drift behind the controls, as pictures on the window's background,
// and never take a click meant for the grid.
void frmTarot1::CreeMinuteries()
{
    for (int i = 0; i < AnimationCartes::NbCartes; ++i) {
        Carte[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        Carte[i]->lower();
        cartes.position[i] = Carte[i]->pos() * 15;
    }
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    // A steady minute, so that each alarm rings at the minute it is due.
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(60000);
    connect(Timer1, &QTimer::timeout, this, &frmTarot1::TopMinute);
    Timer1->start();
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(20);
    connect(Timer2, &QTimer::timeout, this, &frmTarot1::TopCartes);
}

void frmTarot1::TopMinute()
{
    const TopHorloge top = LitHorloge(m, pnlTime->text());
    if (top.nouvelleMinute) {
        AfficheTitre(); // its date follows midnight
        pnlTime->setText(top.heure);
    }
    SonneTop(m, top);
}

void frmTarot1::TopCartes()
{
    cartes.Avance();
    for (int i = 0; i < AnimationCartes::NbCartes; ++i)
        Carte[i]->move(Pixels(cartes.position[i].x()), Pixels(cartes.position[i].y()));
}

void frmTarot1::Economiseur()
{
    JoueAnimation(m);
}

void frmTarot1::FormateGrille()
{
    // Any game but Tarot and individual belote takes the headings of the teams.
    const bool belote = m.TypeJeu != TypeJeu::Tarot && m.TypeJeu != TypeJeu::BeloteInd;
    int largeur = 0;
    for (int c = 0; c < ModeleGrille::NbColonnes; ++c) {
        const ColonneGrille &colonne = ColonnesGrille[c];
        Grid1->setColumnWidth(c, Pixels(colonne.largeur));
        largeur += Pixels(colonne.largeur);
        contenuGrille->fixeColonne(c, QString::fromUtf8(belote ? colonne.titreBelote : colonne.titre),
                                   colonne.alignement);
    }
    Grid1->horizontalHeader()->setFixedHeight(Pixels(HauteurTitres));
    Grid1->verticalHeader()->setDefaultSectionSize(Pixels(HauteurLigne));
    const int cadre = 2 * Grid1->frameWidth();
    Grid1->setFixedSize(largeur + cadre + style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                        Pixels(HauteurTitres) + LignesVisibles * Pixels(HauteurLigne) + cadre);
    bandeauTri->setFixedWidth(Grid1->width());
    AfficheMoyennes();
    PlaceBoutonsTri();
}

void frmTarot1::AfficheMoyennes()
{
    for (int c = 8; c <= 9; ++c) {
        contenuGrille->fixeTitre(c, m.OptAffichMoy ? QString::fromUtf8(ColonnesGrille[c].titre) : QString());
        cmdTri[c]->setVisible(m.OptAffichMoy);
    }
}

void frmTarot1::PlaceBoutonsTri()
{
    for (int i = 1; i <= 9; ++i)
        cmdTri[i]->setGeometry(Grid1->frameWidth() + Grid1->columnViewportPosition(i), 0, Grid1->columnWidth(i),
                               bandeauTri->height());
}

void frmTarot1::ChargeCartes()
{
    if (m.TypeJeu == TypeJeu::Aucun)
        return;
    const QList<QPixmap> cartes = CartesDuJeu(m.TypeJeu.estBelote());
    for (int i = 0; i < 3; ++i)
        Carte[i]->setPixmap(cartes[i]);
}

void frmTarot1::AfficheEtatManche()
{
    for (int i = 0; i < 5; ++i)
        pnlManche[i]->setText(m.EtatManche[i]);
}

void frmTarot1::AfficheInscrits()
{
    pnlNbj->setText(TexteSigne(m.NbJoueurs()) + QStringLiteral(" inscrits"));
}

void frmTarot1::AfficheHeure()
{
    pnlTime->setText(m.plateforme.maintenant().toString(QStringLiteral("HH:mm")));
}

void frmTarot1::GrilleTriee()
{
    m_premiereAvantTri = Grid1->rowAt(0) + 1;
    contenuGrille->Remplit();
    Grid1->premiereLigne(1);
    for (int i = 1; i <= 9; ++i)
        cmdTri[i]->setIcon(i == m.ColTri ? cmdTriOn->icon() : cmdTriOff->icon());
    SelectionInitiale();
}

// The selection comes back to row 1, column 1, without moving the view.
void frmTarot1::SelectionInitiale()
{
    if (contenuGrille->nbLignes() == 0) {
        Grid1->clearSelection();
        return;
    }
    Grid1->selectionModel()->setCurrentIndex(contenuGrille->index(0, 1), QItemSelectionModel::ClearAndSelect);
}

void frmTarot1::ClicGrille()
{
    m.ModeNouveau = false; // a click puts the entry form into change mode
    const QItemSelection choix = Grid1->selectionModel()->selection();
    if (!choix.isEmpty()) {
        int haut = choix.first().top(), bas = choix.first().bottom();
        int gauche = choix.first().left(), droite = choix.first().right();
        for (const QItemSelectionRange &bloc : choix) {
            haut = std::min(haut, bloc.top());
            bas = std::max(bas, bloc.bottom());
            gauche = std::min(gauche, bloc.left());
            droite = std::max(droite, bloc.right());
        }
        const int ligne = haut + 1;
        const int numero = contenuGrille->numero(ligne);
        if (haut == bas && ligne <= m.NbJoueurs() && numero != -1) {
            // A refused tick leaves the selection where the click put it.
            if (gauche == ColJoueur::Coche && droite == ColJoueur::Coche && !BasculeCoche(m, numero))
                return;
            if (gauche == 0 || gauche == ColJoueur::Numero || gauche == ColJoueur::Nom || gauche == ColJoueur::Prenom)
                OuvreJoueur(numero);
        }
    }
    SelectionInitiale();
}

void frmTarot1::ClicTri(int i)
{
    TrieGrille(m, i, SensParDefaut(i));
}

void frmTarot1::ClicScroll(int i)
{
    if (m.MancheCourante == 0)
        return;
    // The active round moves in memory only once the rounds file says so too.
    ChangeManches(m, m.Manches,
                  i == 0 ? std::max(1, m.MancheCourante - 1) : std::min(m.NbManches(), m.MancheCourante + 1));
}

bool frmTarot1::Permis(BoutonTournoi bouton)
{
    const QString refus = RefusBouton(m, bouton);
    if (!refus.isEmpty())
        m.AfficheErreur(refus);
    return refus.isEmpty();
}

void frmTarot1::Recalcule()
{
    const Sablier sablier(m.plateforme);
    CalculClassement(m);
}

void frmTarot1::OuvreJoueur(int numero)
{
    auto *fenetre = frmSaiJou::Ouvre(m, numero, this);
    connect(fenetre, &frmSaiJou::defileGrille, Grid1, &GrilleFixe::premiereLigne);
    // The grid stays near the rows it showed, one row up since one has gone.
    connect(fenetre, &frmSaiJou::joueurSupprime, this,
            [this] { Grid1->premiereLigne(std::max(m_premiereAvantTri - 1, 1)); });
}

void frmTarot1::Inscription()
{
    OuvreJoueur(0);
}

void frmTarot1::MontreLigne(int ligne)
{
    Grid1->premiereLigne(std::max(1, std::min(ligne, m.NbJoueurs() - (LignesVisibles - 1))));
    const QModelIndex debut = contenuGrille->index(ligne - 1, ColJoueur::Numero);
    QItemSelectionModel *selection = Grid1->selectionModel();
    selection->setCurrentIndex(debut, QItemSelectionModel::NoUpdate);
    selection->select(QItemSelection(debut, contenuGrille->index(ligne - 1, ColJoueur::MoyParties)),
                      QItemSelectionModel::ClearAndSelect);
}

void frmTarot1::Cocher()
{
    auto *dialogue = new frmConfirm(m, this);
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    dialogue->open();
}

void frmTarot1::SaisieManches()
{
    for (frmSaiMan *fenetre : findChildren<frmSaiMan *>(QString(), Qt::FindDirectChildrenOnly))
        if (fenetre->isVisible()) {
            fenetre->raise();
            fenetre->activateWindow();
            return;
        }
    auto *fenetre = new frmSaiMan(m, this);
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    fenetre->show();
}

void frmTarot1::OuvreSaisieTables()
{
    frmSaiSco::Ouvre(m, false, this);
}

void frmTarot1::OuvreSaisieScores()
{
    frmSaiSco::Ouvre(m, true, this);
}

void frmTarot1::DebutGrille()
{
    Grid1->premiereLigne(1);
}

void frmTarot1::FinGrille()
{
    Grid1->premiereLigne(std::max(1, m.NbJoueurs() - (LignesVisibles - 1)));
}

void frmTarot1::Tirage()
{
    TirageAuSort(m);
}

void frmTarot1::Options()
{
    frmOpt dialogue(m, QString(), this);
    dialogue.exec();
}

void frmTarot1::Aide()
{
    m.OuvreAide(QStringLiteral("sommaire.html"));
}

namespace {

// A window of which one exists at a time: the one already open gives way to the new one.
template <class Fenetre>
void MontreSeule(QWidget *proprietaire, Fenetre *fenetre)
{
    for (Fenetre *ancienne : proprietaire->findChildren<Fenetre *>(QString(), Qt::FindDirectChildrenOnly))
        if (ancienne != fenetre)
            delete ancienne;
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    fenetre->show();
}

} // namespace

void frmTarot1::AfficheTables()
{
    MontreSeule(this, new frmRepart(m, this));
}

void frmTarot1::OuvreFiche()
{
    auto *fiche = new frmDetail(m, this);
    connect(fiche, &frmDetail::montreLigne, this, &frmTarot1::MontreLigne);
    MontreSeule(this, fiche);
}

void frmTarot1::ImprimeClassement()
{
    ImprimeGrille(m);
}
