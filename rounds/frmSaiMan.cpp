#include "rounds/frmSaiMan.h"
#include "reports/manches.h"
#include "rounds/heures.h"
#include "rounds/saisiemanche.h"
#include "widgets/chaine.h"
#include "widgets/controles.h"
#include "widgets/nombres.h"
#include "store/modele.h"
#include "store/texte.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Widths of the grid's columns in twips.
constexpr int LargeursColonnes[] = {800, 700, 700, 800, 800};
constexpr int HauteurTitres = HauteurTitresGrille;
constexpr int HauteurLigne = HauteurLigneGrille;
constexpr int LignesVisibles = 12;
constexpr int ColonneActive = 4;

} // namespace

frmSaiMan::frmSaiMan(Modele &modele, QWidget *parent) : QWidget(parent, Qt::Window), m(modele)
{
    setObjectName(u"frmSaiMan"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Saisie horaires des manches"_s);

    auto *haut = new QHBoxLayout;
    haut->addWidget(CreeSaisie());
    haut->addWidget(CreeBoutons());
    CreeGrille();
    auto *disposition = new QVBoxLayout(this);
    disposition->addLayout(haut);
    disposition->addWidget(Grid2, 0, Qt::AlignHCenter);

    // Tab runs through the buttons to the first time box; the boxes chain
    // themselves, and the number, the grid and "&Sortie" are reached by clicking.
    setTabOrder(cmdOK, cmdNouveau);
    setTabOrder(cmdNouveau, cmdSuppr);
    setTabOrder(cmdSuppr, cmdImpr);
    setTabOrder(cmdImpr, mskDeb);
    for (QWidget *controle : std::initializer_list<QWidget *>{txtNM, Grid2, cmdFin})
        controle->setFocusPolicy(Qt::ClickFocus);

    BoiteNombre(txtNPA, m.plateforme, 2);
    ChaineSaisie(txtNPA, mskDeb, [this] {
        if (ControleParties(m, EntierSaisi(txtNPA->text())))
            return true;
        RendClavier(txtNPA);
        return false;
    });
    ChaineSaisie(mskDeb, mskFin, [this] { return CompleteBoite(mskDeb); });
    ChaineSaisie(mskFin, txtNPA, [this] { return CompleteBoite(mskFin); });
    mskDeb->installEventFilter(this);
    mskFin->installEventFilter(this);
    Grid2->installEventFilter(this);

    connect(cmdOK, &QPushButton::clicked, this, &frmSaiMan::OK);
    connect(cmdNouveau, &QPushButton::clicked, this, &frmSaiMan::Nouvelle);
    connect(cmdSuppr, &QPushButton::clicked, this, &frmSaiMan::Supprimer);
    connect(cmdImpr, &QPushButton::clicked, this, &frmSaiMan::Imprimer);
    connect(cmdFin, &QPushButton::clicked, this, &frmSaiMan::close);
    connect(Grid2, &QTableWidget::cellClicked, this, &frmSaiMan::ClicGrille);

    VideSaisie();
    ActiveSaisie(false);
    RemplitGrille();
}

frmSaiMan::~frmSaiMan()
{
    DetacheEnfants(this);
}

QWidget *frmSaiMan::CreeSaisie()
{
    auto *cadre = new QWidget(this);
    txtNM = Cree<QLineEdit>(u"txtNM"_s, cadre);
    txtNM->setReadOnly(true); // filled by the program only
    mskDeb = Cree<QLineEdit>(u"mskDeb"_s, cadre);
    mskFin = Cree<QLineEdit>(u"mskFin"_s, cadre);
    for (QLineEdit *heure : {mskDeb, mskFin})
        heure->setInputMask(u"00:00;_"_s);
    txtNPA = Cree<QLineEdit>(u"txtNPA"_s, cadre);

    auto *grille = new QGridLayout(cadre);
    const std::pair<const char16_t *, QLineEdit *> lignes[] = {
        {u"N° manche", txtNM}, {u"Heure début", mskDeb}, {u"Heure fin", mskFin}, {u"Nb parties", txtNPA}};
    for (int i = 0; i < 4; ++i) {
        grille->addWidget(new QLabel(QString::fromUtf16(lignes[i].first), cadre), i, 0);
        grille->addWidget(lignes[i].second, i, 1);
        lignes[i].second->setFixedWidth(60);
    }
    grille->addWidget(new QLabel(u"Optionnel"_s, cadre), 1, 2, 2, 1);
    return cadre;
}

QWidget *frmSaiMan::CreeBoutons()
{
    auto *cadre = new QWidget(this);
    cmdOK = Bouton(cadre, u"cmdOK"_s, u"&OK"_s);
    cmdOK->setAutoDefault(true); // Enter on it saves, as a click does
    cmdNouveau = Bouton(cadre, u"cmdNouveau"_s, u"&Nouvelle"_s);
    cmdSuppr = Bouton(cadre, u"cmdSuppr"_s, u"S&upprimer"_s);
    cmdImpr = Bouton(cadre, u"cmdImpr"_s, u"&Fichier"_s);
    cmdFin = Bouton(cadre, u"cmdFin"_s, u"&Sortie"_s);
    auto *colonne = new QVBoxLayout(cadre);
    for (QPushButton *bouton : {cmdOK, cmdNouveau, cmdSuppr, cmdImpr, cmdFin})
        colonne->addWidget(bouton);
    return cadre;
}

void frmSaiMan::CreeGrille()
{
    Grid2 = new QTableWidget(1, 5, this);
    Grid2->setObjectName(u"Grid2"_s);
    Grid2->setHorizontalHeaderLabels(
        {u"N° manche"_s, u"Heure début"_s, u"Heure fin"_s, u"Nb parties"_s, u"Manche active"_s});
    Grid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid2->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid2->verticalHeader()->hide();
    QHeaderView *titres = Grid2->horizontalHeader();
    titres->setDefaultAlignment(Qt::Alignment(QFlag(Qt::AlignCenter | Qt::TextWordWrap)));
    titres->setSectionResizeMode(QHeaderView::Fixed);
    titres->setFixedHeight(Pixels(HauteurTitres));
    int largeur = 0;
    for (int c = 0; c < 5; ++c) {
        Grid2->setColumnWidth(c, Pixels(LargeursColonnes[c]));
        largeur += Pixels(LargeursColonnes[c]);
    }
    Grid2->verticalHeader()->setMinimumSectionSize(1);
    Grid2->verticalHeader()->setDefaultSectionSize(Pixels(HauteurLigne));
    Grid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int cadre = 2 * Grid2->frameWidth();
    Grid2->setFixedSize(largeur + cadre + style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                        Pixels(HauteurTitres) + LignesVisibles * Pixels(HauteurLigne) + cadre);
}

// Row i shows round i; one empty row always follows the last round. The
// cells are rewritten in place, so that the clicked cell stays current.
void frmSaiMan::RemplitGrille()
{
    const QList<QStringList> lignes = LignesGrilleManches(m);
    Grid2->setRowCount(int(lignes.size()) + 1);
    for (int i = 0; i <= lignes.size(); ++i) {
        for (int c = 0; c < 5; ++c) {
            const QString texte = i < lignes.size() ? lignes[i][c] : QString();
            if (QTableWidgetItem *cellule = Grid2->item(i, c)) {
                cellule->setText(texte);
                continue;
            }
            auto *cellule = new QTableWidgetItem(texte);
            cellule->setTextAlignment(Qt::AlignCenter);
            Grid2->setItem(i, c, cellule);
        }
    }
}

void frmSaiMan::ActiveSaisie(bool active)
{
    for (QLineEdit *boite : {mskDeb, mskFin, txtNPA})
        boite->setEnabled(active);
}

void frmSaiMan::VideSaisie()
{
    txtNM->clear();
    mskDeb->setText(HeureVide);
    mskFin->setText(HeureVide);
    txtNPA->clear();
}

void frmSaiMan::Affiche(const SaisieManche &saisie)
{
    txtNM->setText(QString::number(saisie.numero));
    mskDeb->setText(saisie.debut);
    mskFin->setText(saisie.fin);
    txtNPA->setText(saisie.parties ? QString::number(*saisie.parties) : QString());
}

// A box may have taken the keyboard: the window takes it back for this control.
void frmSaiMan::RendClavier(QWidget *controle)
{
    activateWindow();
    controle->setFocus();
}

bool frmSaiMan::CompleteBoite(QLineEdit *boite)
{
    QString heure = boite->displayText();
    const bool valide = ValideHeure(m, heure);
    boite->setText(heure);
    if (!valide)
        RendClavier(boite);
    else
        activateWindow();
    return valide;
}

bool frmSaiMan::eventFilter(QObject *objet, QEvent *evenement)
{
    // The grid ignores Home, End, the arrows and the page keys: a round is chosen by clicking.
    if (objet == Grid2 && evenement->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent *>(evenement)->key();
        return touche >= Qt::Key_Home && touche <= Qt::Key_PageDown;
    }
    // A time box the user leaves (click, Shift+Tab, a button's key) completes
    // as with Tab, the focus going where the user sent it. Tab itself is
    // handled by the chain, which has completed the box before moving on, and
    // "&OK" completes both boxes itself.
    if ((objet == mskDeb || objet == mskFin) && evenement->type() == QEvent::FocusOut) {
        auto *boite = static_cast<QLineEdit *>(objet);
        const Qt::FocusReason raison = static_cast<QFocusEvent *>(evenement)->reason();
        if (boite->isEnabled() && QApplication::focusWidget() != cmdOK
            && (raison == Qt::MouseFocusReason || raison == Qt::BacktabFocusReason
                || raison == Qt::ShortcutFocusReason))
            CompleteBoite(boite);
    }
    return QWidget::eventFilter(objet, evenement);
}

void frmSaiMan::OK()
{
    const std::optional<int> parties = EntierSaisi(txtNPA->text());
    SaisieManche saisie{EntierSaisi(txtNM->text()).value_or(0), mskDeb->displayText(), mskFin->displayText(), parties};
    const IssueOK issue = ValideManche(m, saisie);
    mskDeb->setText(saisie.debut);
    mskFin->setText(saisie.fin);
    if (saisie.parties != parties)
        txtNPA->setText(QString::number(*saisie.parties));
    switch (issue.action) {
    case IssueOK::Fermer:
        close();
        break;
    case IssueOK::Refus:
        if (issue.champ != ChampManche::Aucun)
            RendClavier(issue.champ == ChampManche::Debut ? mskDeb
                        : issue.champ == ChampManche::Fin ? mskFin
                                                          : txtNPA);
        break;
    case IssueOK::Enregistree:
        RemplitGrille();
        ActiveSaisie(false);
        VideSaisie();
        break;
    }
}

void frmSaiMan::Nouvelle()
{
    txtNM->setText(QString::number(NouvelleManche(m)));
    mskDeb->setText(HeureVide);
    mskFin->setText(HeureVide);
    ActiveSaisie(true);
    txtNPA->setFocus();
}

void frmSaiMan::ClicGrille(int ligne, int colonne)
{
    const std::optional<SaisieManche> manche = ChoisitManche(m, ligne + 1);
    if (!manche)
        return;
    RemplitGrille();
    if (colonne == ColonneActive) {
        VideSaisie();
        return;
    }
    Affiche(*manche);
    ActiveSaisie(true);
    mskDeb->setFocus();
}

void frmSaiMan::Supprimer()
{
    if (!SupprimeManche(m))
        return;
    RemplitGrille();
    VideSaisie();
}

void frmSaiMan::Imprimer()
{
    ImprimeManches(m);
}
