#include "rounds/frmSaiMan.h"
#include "reports/manches.h"
#include "rounds/heures.h"
#include "rounds/saisiemanche.h"
#include "widgets/chaine.h"
#include "widgets/clavier.h"
#include "widgets/controles.h"
#include "store/modele.h"
#include "store/texte.h"

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

QLineEdit *Boite(QWidget *parent, const QString &nom)
{
    auto *boite = new QLineEdit(parent);
    boite->setObjectName(nom);
    boite->setFixedWidth(60);
    return boite;
}

QLineEdit *BoiteHeure(QWidget *parent, const QString &nom)
{
    QLineEdit *boite = Boite(parent, nom);
    boite->setInputMask(u"00:00;_"_s);
    return boite;
}

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

    FiltreNumerique(txtNPA, &m.plateforme);
    ChaineSaisie(txtNPA, mskDeb, [this] {
        if (ControleParties(m, txtNPA->text()))
            return true;
        txtNPA->setFocus();
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

QWidget *frmSaiMan::CreeSaisie()
{
    auto *cadre = new QWidget(this);
    txtNM = Boite(cadre, u"txtNM"_s);
    txtNM->setReadOnly(true); // filled by the program only
    mskDeb = BoiteHeure(cadre, u"mskDeb"_s);
    mskFin = BoiteHeure(cadre, u"mskFin"_s);
    txtNPA = Boite(cadre, u"txtNPA"_s);

    auto *grille = new QGridLayout(cadre);
    const std::pair<const char16_t *, QLineEdit *> lignes[] = {
        {u"N° manche", txtNM}, {u"Heure début", mskDeb}, {u"Heure fin", mskFin}, {u"Nb parties", txtNPA}};
    for (int i = 0; i < 4; ++i) {
        grille->addWidget(new QLabel(QString::fromUtf16(lignes[i].first), cadre), i, 0);
        grille->addWidget(lignes[i].second, i, 1);
    }
    grille->addWidget(new QLabel(u"Optionnel"_s, cadre), 1, 2, 2, 1);
    return cadre;
}

QWidget *frmSaiMan::CreeBoutons()
{
    auto *cadre = new QWidget(this);
    cmdOK = Bouton(cadre, u"cmdOK"_s, u"&OK"_s);
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
    const int manches = m.MancheCourante == 0 ? 0 : m.NbManches();
    Grid2->setRowCount(manches + 1);
    for (int i = 1; i <= manches + 1; ++i) {
        const bool manche = i <= manches;
        const QString marque = i == m.MancheCourante ? u"X"_s : u" "_s;
        for (int c = 0; c < 5; ++c) {
            const QString texte = !manche ? QString() : c == ColonneActive ? marque : m.Manches(c + 1, i).texte();
            if (QTableWidgetItem *cellule = Grid2->item(i - 1, c)) {
                cellule->setText(texte);
                continue;
            }
            auto *cellule = new QTableWidgetItem(texte);
            cellule->setTextAlignment(Qt::AlignCenter);
            Grid2->setItem(i - 1, c, cellule);
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

bool frmSaiMan::CompleteBoite(QLineEdit *boite)
{
    QString heure = boite->displayText();
    if (ValideHeure(m, heure)) {
        boite->setText(heure);
        return true;
    }
    if (heure != HeureVide) {
        boite->setText(heure);
        boite->setFocus();
    }
    return false;
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
    // handled by the chain, which has completed the box before moving on.
    if ((objet == mskDeb || objet == mskFin) && evenement->type() == QEvent::FocusOut) {
        auto *boite = static_cast<QLineEdit *>(objet);
        const Qt::FocusReason raison = static_cast<QFocusEvent *>(evenement)->reason();
        if (boite->isEnabled()
            && (raison == Qt::MouseFocusReason || raison == Qt::BacktabFocusReason
                || raison == Qt::ShortcutFocusReason))
            CompleteBoite(boite);
    }
    return QWidget::eventFilter(objet, evenement);
}

void frmSaiMan::OK()
{
    SaisieManche saisie{txtNM->text(), mskDeb->displayText(), mskFin->displayText(), txtNPA->text()};
    const IssueOK issue = ValideManche(m, saisie);
    mskDeb->setText(saisie.debut);
    mskFin->setText(saisie.fin);
    txtNPA->setText(saisie.parties);
    switch (issue.action) {
    case IssueOK::Fermer:
        close();
        break;
    case IssueOK::Refus:
        if (issue.champ != ChampManche::Aucun)
            (issue.champ == ChampManche::Debut ? mskDeb : issue.champ == ChampManche::Fin ? mskFin : txtNPA)
                ->setFocus();
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
    m.ModeNouveau = true;
    txtNM->setText(QString::number(m.NbManches() + 1));
    mskDeb->setText(HeureVide);
    mskFin->setText(HeureVide);
    ActiveSaisie(true);
    txtNPA->setFocus();
}

void frmSaiMan::ClicGrille(int ligne, int colonne)
{
    const int r = ligne + 1;
    if (r > m.NbManches())
        return;
    m.ModeNouveau = false;
    if (!ChoisitManche(m, r))
        return;
    RemplitGrille();
    if (colonne == ColonneActive) {
        VideSaisie();
        return;
    }
    txtNM->setText(m.Manches(ColManche::Numero, r).texte());
    mskDeb->setText(m.Manches(ColManche::Debut, r).texte());
    mskFin->setText(m.Manches(ColManche::Fin, r).texte());
    // Deals not given are read from the file as blanks.
    txtNPA->setText(m.Manches(ColManche::Parties, r).texte().trimmed());
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
