#include "ranking/frmTarot1.h"
#include "players/frmSaiJou.h"
#include "ranking/actions.h"
#include "ranking/classement.h"
#include "ranking/frmConfirm.h"
#include "ranking/grilleclassement.h"
#include "ranking/pictogrammes.h"
#include "reports/frmDetail.h"
#include "reports/frmRepart.h"
#include "reports/grille.h"
#include "rounds/frmSaiMan.h"
#include "rounds/tirage.h"
#include "salle/frmSalle.h"
#include "scores/frmSaiSco.h"
#include "settings/frmOpt.h"
#include "store/modele.h"
#include "store/texte.h"
#include "widgets/cartes.h"
#include "widgets/grille.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The grid shows at least this many rows; it grows with the window.
constexpr int LignesMinimum = 24;

// Width in twips (15 to a pixel) and alignment of each grid column.
struct ColonneGrille
{
    int largeur;
    Qt::Alignment alignement;
};

const ColonneGrille ColonnesGrille[ModeleGrille::NbColonnes] = {
    {450, Qt::AlignRight},  {450, Qt::AlignRight}, {400, Qt::AlignHCenter}, {2670, Qt::AlignLeft},
    {2670, Qt::AlignLeft},  {825, Qt::AlignRight}, {750, Qt::AlignRight},   {750, Qt::AlignRight},
    {850, Qt::AlignRight},  {660, Qt::AlignRight},
};

// The size a heading needs to show whole from this width on, its words
// wrapped on lines, as the header draws it.
QSize TailleTitre(const QHeaderView *entete, const QString &titre, int largeur)
{
    QStyleOptionHeader option;
    option.initFrom(entete);
    option.rect = QRect(0, 0, largeur, 1000);
    const QSize marges = option.rect.size()
                         - entete->style()->subElementRect(QStyle::SE_HeaderLabel, &option, entete).size();
    const int drapeaux = int(entete->defaultAlignment()) | Qt::TextWordWrap;
    QRect texte;
    for (; largeur < 1000; ++largeur) {
        texte = entete->fontMetrics().boundingRect(QRect(0, 0, largeur - marges.width(), 1000), drapeaux, titre);
        if (texte.width() <= largeur - marges.width())
            break;
    }
    return {largeur, texte.height() + marges.height()};
}

QPushButton *BoutonImage(QWidget *parent, const QString &nom, const QString &bulle, const QIcon &image)
{
    auto *bouton = Cree<QPushButton>(nom, parent);
    bouton->setToolTip(bulle);
    bouton->setAccessibleName(bulle);
    bouton->setIcon(image);
    bouton->setIconSize(QSize(28, 28));
    bouton->setFixedSize(34, 34);
    return bouton;
}

QLabel *Panneau(QWidget *parent, const QString &nom, int largeur)
{
    auto *panneau = Cree<QLabel>(nom, parent);
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
    disposition->addLayout(CreeGrille(), 1);
    disposition->addLayout(CreeEtatManche());
    CreeMinuteries();

    auto *echap = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(echap, &QShortcut::activated, this, &frmTarot1::finProgramme);
    connect(new QShortcut(QKeySequence(Qt::Key_F9), this), &QShortcut::activated, this, &frmTarot1::AfficheSalle);

    OccupeEcran(this);
    ChargeCartes();
    FormateGrille();
    AppliqueOptions(m.OptAffichMoy);
    connect(&m, &Modele::grilleTriee, this, &frmTarot1::GrilleTriee);
    connect(&m, &Modele::etatMancheChange, this, &frmTarot1::AfficheEtatManche);
    connect(&m, &Modele::joueursChanges, this, &frmTarot1::AfficheInscrits);
    connect(&m, &Modele::reglagesChanges, this, [this](bool ancienAffichMoy) {
        AfficheTitre();
        AppliqueOptions(ancienAffichMoy);
    });
    GrilleTriee();
    AfficheEtatManche();
    AfficheTitre();
    AfficheInscrits();
    AfficheHeure();
}

frmTarot1::~frmTarot1()
{
    DetacheEnfants(this);
    Grid1->viewport()->removeEventFilter(this);
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
        {&frmTarot1::cmdSalle, "cmdSalle", "Affichage salle (F9)", "▣", 0xff6b4c9a, {}, &frmTarot1::AfficheSalle},
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
    cmdSalle->setIcon(PictogrammeSalle());
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
    cmdTriOn = Cree<QPushButton>(QStringLiteral("cmdTriOn"), this);
    cmdTriOn->setIcon(PictureTri(true));
    cmdTriOn->hide();
    cmdTriOff = Cree<QPushButton>(QStringLiteral("cmdTriOff"), this);
    cmdTriOff->setIcon(PictureTri(false));
    cmdTriOff->hide();

    bandeauTri = new QWidget(this);
    bandeauTri->setFixedHeight(14);
    for (int i = 1; i <= 9; ++i) {
        cmdTri[i] = Cree<QPushButton>(QStringLiteral("cmdTri%1").arg(i), bandeauTri);
        cmdTri[i]->setFlat(true);
        cmdTri[i]->setIcon(cmdTriOff->icon());
        cmdTri[i]->setIconSize(QSize(12, 10));
        connect(cmdTri[i], &QPushButton::clicked, this, [this, i] { ClicTri(i); });
    }

    Grid1 = Cree<GrilleFixe>(QStringLiteral("Grid1"), this);
    Grid1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Grid1->viewport()->installEventFilter(this);
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

void frmTarot1::AfficheTitre()
{
    setWindowTitle(m.TitreTournoi());
}

void frmTarot1::AppliqueOptions(bool ancienAffichMoy)
{
    InitAnimation();
    pnlCalcAuto->setText(m.OptCalculAuto ? QStringLiteral("AUTO") : QStringLiteral("MANUEL"));
    if (ChangeMoyennes(m, ancienAffichMoy))
        FormateGrille();
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
    cartesVisibles = m.OptAnimation;
    update();
}

QRect frmTarot1::RectCarte(int i) const
{
    return {QPoint(Pixels(cartes.position[i].x()), Pixels(cartes.position[i].y())),
            Carte[i].deviceIndependentSize().toSize()};
}

QRegion frmTarot1::RegionControles() const
{
    QRegion controles;
    for (const QWidget *enfant : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (enfant->isVisible() && !enfant->isWindow())
            controles += enfant->geometry();
    return controles;
}

// The cards are drawn on the window's own background, outside the controls:
// they pass behind every control, and no control is painted again for them.
void frmTarot1::paintEvent(QPaintEvent *evenement)
{
    if (!cartesVisibles)
        return;
    QPainter p(this);
    p.setClipRegion(evenement->region() - RegionControles());
    for (int i = 0; i < AnimationCartes::NbCartes; ++i)
        p.drawPixmap(RectCarte(i).topLeft(), Carte[i]);
}

void frmTarot1::CreeMinuteries()
{
    for (int i = 0; i < AnimationCartes::NbCartes; ++i)
        cartes.position[i] = QPoint(500 + 55 * i, 505) * 15;
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
    const TopHorloge top = horloge.Top();
    if (top.heure != pnlTime->text()) {
        AfficheTitre(); // its date follows midnight
        pnlTime->setText(top.heure);
    }
    horloge.Sonne(top);
}

void frmTarot1::TopCartes()
{
    QRegion avant, apres;
    for (int i = 0; i < AnimationCartes::NbCartes; ++i)
        avant += RectCarte(i);
    cartes.Avance();
    for (int i = 0; i < AnimationCartes::NbCartes; ++i)
        apres += RectCarte(i);
    update((avant + apres) - RegionControles());
}

void frmTarot1::Economiseur()
{
    JoueAnimation(m);
}

// Columns and heading row keep their sizes, or take what a heading needs to
// show whole; the grid never gets smaller than that.
void frmTarot1::FormateGrille()
{
    contenuGrille->fixeTitres(m.TypeJeu, m.OptAffichMoy);
    QHeaderView *entete = Grid1->horizontalHeader();
    int largeur = 0, hauteurTitres = Pixels(HauteurTitresGrille);
    for (int c = 0; c < ModeleGrille::NbColonnes; ++c) {
        contenuGrille->fixeAlignement(c, ColonnesGrille[c].alignement);
        const QString titre = ModeleGrille::Titre(m.TypeJeu, c);
        const QSize besoin = TailleTitre(entete, titre, Pixels(ColonnesGrille[c].largeur));
        m_largeurs[c] = std::max(Pixels(ColonnesGrille[c].largeur), besoin.width());
        hauteurTitres = std::max(hauteurTitres, besoin.height());
        largeur += m_largeurs[c];
        if (c >= 1) {
            cmdTri[c]->setToolTip(QStringLiteral("Trier sur la colonne ") + titre);
            cmdTri[c]->setAccessibleName(cmdTri[c]->toolTip());
        }
    }
    for (int c = ColJoueur::MoyManches; c <= ColJoueur::MoyParties; ++c)
        cmdTri[c]->setVisible(m.OptAffichMoy);
    entete->setFixedHeight(hauteurTitres);
    Grid1->verticalHeader()->setDefaultSectionSize(Pixels(HauteurLigneGrille));
    const int cadre = 2 * Grid1->frameWidth();
    Grid1->setMinimumSize(largeur + cadre + style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                          hauteurTitres + LignesMinimum * Pixels(HauteurLigneGrille) + cadre);
    AjusteColonnes();
}

void frmTarot1::AjusteColonnes()
{
    int reste = Grid1->viewport()->width();
    for (int largeur : m_largeurs)
        reste -= largeur;
    reste = std::max(reste, 0);
    for (int c = 0; c < ModeleGrille::NbColonnes; ++c)
        Grid1->setColumnWidth(c, m_largeurs[c] + (c == ColJoueur::Nom     ? reste / 2
                                                  : c == ColJoueur::Prenom ? reste - reste / 2
                                                                           : 0));
    PlaceBoutonsTri();
}

bool frmTarot1::eventFilter(QObject *objet, QEvent *evenement)
{
    if (objet == Grid1->viewport() && evenement->type() == QEvent::Resize)
        AjusteColonnes();
    return QWidget::eventFilter(objet, evenement);
}

int frmTarot1::LignesVisibles() const
{
    return std::max(1, Grid1->viewport()->height() / Grid1->verticalHeader()->defaultSectionSize());
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
    const QList<QPixmap> images = CartesDuJeu(m.TypeJeu.estBelote());
    for (int i = 0; i < AnimationCartes::NbCartes; ++i)
        Carte[i] = images[i];
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
    const QItemSelection choix = Grid1->selectionModel()->selection();
    std::optional<BlocGrille> bloc;
    for (const QItemSelectionRange &partie : choix) {
        const BlocGrille b{partie.top() + 1, partie.bottom() + 1, partie.left(), partie.right()};
        bloc = bloc ? BlocGrille{std::min(bloc->haut, b.haut), std::max(bloc->bas, b.bas),
                                 std::min(bloc->gauche, b.gauche), std::max(bloc->droite, b.droite)}
                    : b;
    }
    const SuiteClic suite = ::ClicGrille(m, bloc);
    if (suite.fiche != 0)
        OuvreJoueur(suite.fiche);
    if (suite.remetSelection)
        SelectionInitiale();
}

void frmTarot1::ClicTri(int i)
{
    TrieGrille(m, i, SensParDefaut(i));
}

void frmTarot1::ClicScroll(int i)
{
    ChangeMancheCourante(m, i == 0 ? -1 : 1);
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
    Grid1->premiereLigne(std::max(1, std::min(ligne, m.NbJoueurs() - (LignesVisibles() - 1))));
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
    Grid1->premiereLigne(std::max(1, m.NbJoueurs() - (LignesVisibles() - 1)));
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

void frmTarot1::AfficheSalle()
{
    if (m_salle) {
        m_salle->raise();
        m_salle->activateWindow();
        return;
    }
    m_salle = new frmSalle(m.RepProgramme, m.NumTournoi, this);
    // The display reads the files on its own; it need not wait for the system to tell it of a table saved here.
    connect(&m, &Modele::scoresEcrits, m_salle, &frmSalle::rafraichit);
    m_salle->montre();
}
