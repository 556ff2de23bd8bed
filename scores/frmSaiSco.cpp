#include "scores/frmSaiSco.h"
#include "scores/places.h"
#include "scores/suppression.h"
#include "scores/totaux.h"
#include "widgets/chaine.h"
#include "widgets/controles.h"
#include "widgets/nombres.h"
#include "store/modele.h"
#include "store/texte.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A box that only shows a value: reached by a click, never by Tab.
QLineEdit *Affichage(const QString &nom)
{
    auto *boite = Cree<QLineEdit>(nom);
    boite->setReadOnly(true);
    boite->setFocusPolicy(Qt::ClickFocus);
    return boite;
}

QPushButton *BoutonImage(const QString &nom, const QString &bulle, const QIcon &image)
{
    auto *bouton = Cree<QPushButton>(nom);
    bouton->setToolTip(bulle);
    bouton->setIcon(image);
    return bouton;
}

// After a refusal the box to correct has its text selected: what is typed next replaces it.
void Reprend(QLineEdit *boite)
{
    boite->setFocus(Qt::OtherFocusReason);
    boite->selectAll();
}

void Verrouille(std::initializer_list<QLineEdit *> boites, bool verrou)
{
    for (QLineEdit *boite : boites)
        boite->setReadOnly(verrou);
}

} // namespace

frmSaiSco *frmSaiSco::Ouvre(Modele &m, bool modeScores, QWidget *parent)
{
    for (frmSaiSco *ancienne : parent->findChildren<frmSaiSco *>(Qt::FindDirectChildrenOnly)) {
        ancienne->close();
        delete ancienne;
    }
    auto *fenetre = new frmSaiSco(m, modeScores, parent);
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    fenetre->show();
    fenetre->activateWindow();
    return fenetre;
}

frmSaiSco::frmSaiSco(Modele &modele, bool modeScores, QWidget *parent)
    : QWidget(parent, Qt::Window), m(modele), m_modeScores(modeScores)
{
    setObjectName(u"frmSaiSco"_s);
    setWindowTitle(u"Saisie tables / scores"_s);
    auto *disposition = new QVBoxLayout(this);
    disposition->addLayout(CreeTable());
    disposition->addWidget(CreeBelotes());
    lblMsg = Cree<QLabel>(u"lblMsg"_s);
    QFont gras = lblMsg->font();
    gras.setBold(true);
    lblMsg->setFont(gras);
    disposition->addWidget(lblMsg);
    disposition->addLayout(CreeBoutons());
    disposition->addStretch();

    Dispose();
    ConnecteClavier();
    OrdreTabulation();
    VerrouTable();
    setWindowTitle((m_modeScores ? u"Saisie des scores de la manche "_s : u"Saisie des tables de la manche "_s)
                   + TexteSigne(m.MancheCourante));

    // Enter on a focused button presses it, as Space does.
    for (QPushButton *bouton : findChildren<QPushButton *>())
        bouton->setAutoDefault(true);
    // Each mode shows its two deletion buttons, disabled until a table or the round allows them.
    for (QPushButton *bouton : {cmdSuppTb, cmdSuppTbS, cmdSuppSc, cmdSuppScS}) {
        const bool scores = bouton == cmdSuppSc || bouton == cmdSuppScS;
        bouton->setVisible(scores == m_modeScores);
        bouton->setEnabled(false);
    }
    EtatSuppressionsManche();
    lblMsg->clear();
    txtNT->setFocus();
}

QLayout *frmSaiSco::CreeTable()
{
    txtNT = Cree<QLineEdit>(u"txtNT"_s);
    txtNPA = Cree<QLineEdit>(u"txtNPA"_s);
    cmdAide1 = BoutonImage(u"cmdAide1"_s, u"Aide"_s, style()->standardIcon(QStyle::SP_DialogHelpButton));
    lblNumeros = Cree<QLabel>(u"lblNumeros"_s);
    lblNoms = Cree<QLabel>(u"lblNoms"_s, u"Noms / Prénoms"_s);
    lblPoints = Cree<QLabel>(u"lblPoints"_s, u"Points"_s);
    txtTotal = Affichage(u"txtTotal"_s);

    auto *grille = new QGridLayout;
    grille->addWidget(new QLabel(u"N° table......................"_s), 0, 0, 1, 2);
    grille->addWidget(txtNT, 0, 2);
    grille->addWidget(cmdAide1, 0, 3, Qt::AlignLeft);
    grille->addWidget(new QLabel(u"Nombre de parties........"_s), 1, 0, 1, 2);
    grille->addWidget(txtNPA, 1, 2);
    grille->addWidget(lblNumeros, 2, 1);
    grille->addWidget(lblNoms, 2, 2, 1, 2);
    grille->addWidget(lblPoints, 2, 4);
    for (int k = 0; k < 4; ++k) {
        const QString n = QString::number(k);
        lblPlace[k] = Cree<QLabel>(u"lblPlace"_s + n);
        txtNJ[k] = Cree<QLineEdit>(u"txtNJ"_s + n);
        txtNom[k] = Affichage(u"txtNom"_s + n);
        txtNPO[k] = Cree<QLineEdit>(u"txtNPO"_s + n);
        grille->addWidget(lblPlace[k], 3 + k, 0);
        grille->addWidget(txtNJ[k], 3 + k, 1);
        grille->addWidget(txtNom[k], 3 + k, 2, 1, 2);
        grille->addWidget(txtNPO[k], 3 + k, 4);
    }
    grille->addWidget(txtTotal, 7, 4);
    grille->setColumnMinimumWidth(2, 260);
    return grille;
}

QWidget *frmSaiSco::CreeBelotes()
{
    txtTotBel = Affichage(u"txtTotBel"_s);
    txtNbBelotes = Cree<QLineEdit>(u"txtNbBelotes"_s);
    txtNbCapots = Cree<QLineEdit>(u"txtNbCapots"_s);
    txtControleTotal = Affichage(u"txtControleTotal"_s);
    lblPtsBel = Cree<QLabel>(u"lblPtsBel"_s);
    lblPtsCap = Cree<QLabel>(u"lblPtsCap"_s);
    lblExpr = Cree<QLabel>(u"lblExpr"_s);
    cmdAide2 = BoutonImage(u"cmdAide2"_s, u"Aide"_s, style()->standardIcon(QStyle::SP_DialogHelpButton));

    frmBelotesCapots = Cree<QGroupBox>(u"frmBelotesCapots"_s, u"Belotes et Capots"_s);
    auto *grille = new QGridLayout(frmBelotesCapots);
    grille->addWidget(new QLabel(u"Total points de base dans la manche :"_s), 0, 0);
    grille->addWidget(txtTotBel, 0, 1);
    grille->addWidget(lblPtsBel, 1, 0);
    grille->addWidget(txtNbBelotes, 1, 1);
    grille->addWidget(lblPtsCap, 2, 0);
    grille->addWidget(txtNbCapots, 2, 1);
    grille->addWidget(new QLabel(u"Total à contrôler :"_s), 3, 0);
    grille->addWidget(txtControleTotal, 3, 1);
    grille->addWidget(lblExpr, 4, 0);
    grille->addWidget(cmdAide2, 4, 1, Qt::AlignRight);
    return frmBelotesCapots;
}

QLayout *frmSaiSco::CreeBoutons()
{
    cmdOK = Cree<QPushButton>(u"cmdOK"_s, u"&OK"_s);
    cmdNouveau = Cree<QPushButton>(u"cmdNouveau"_s, u"&Nouveau"_s);
    cmdEffacer = Cree<QPushButton>(u"cmdEffacer"_s, u"R.&A.B."_s);
    cmdFin = Cree<QPushButton>(u"cmdFin"_s, u"&Sortie"_s);
    cmdPrem = BoutonImage(u"cmdPrem"_s, u"Première table"_s, style()->standardIcon(QStyle::SP_MediaSkipBackward));
    cmdPrec = BoutonImage(u"cmdPrec"_s, u"Table précédente"_s, style()->standardIcon(QStyle::SP_MediaSeekBackward));
    cmdSuiv = BoutonImage(u"cmdSuiv"_s, u"Table suivante"_s, style()->standardIcon(QStyle::SP_MediaSeekForward));
    cmdDern = BoutonImage(u"cmdDern"_s, u"Dernière table"_s, style()->standardIcon(QStyle::SP_MediaSkipForward));
    cmdSuppTb = Cree<QPushButton>(u"cmdSuppTb"_s, u"S&upprimer la table"_s);
    cmdSuppTbS = Cree<QPushButton>(u"cmdSuppTbS"_s, u"Supprimer &toutes les tables"_s);
    cmdSuppSc = Cree<QPushButton>(u"cmdSuppSc"_s, u"&Effacer les scores de cette table"_s);
    cmdSuppScS = Cree<QPushButton>(u"cmdSuppScS"_s, u"&Effacer les s&cores de toutes les tables"_s);

    auto *navigation = new QHBoxLayout;
    for (QPushButton *bouton : {cmdPrem, cmdPrec, cmdSuiv, cmdDern})
        navigation->addWidget(bouton);
    navigation->addStretch();
    for (QPushButton *bouton : {cmdOK, cmdNouveau, cmdEffacer, cmdFin})
        navigation->addWidget(bouton);
    auto *suppressions = new QHBoxLayout;
    for (QPushButton *bouton : {cmdSuppTb, cmdSuppSc, cmdSuppTbS, cmdSuppScS})
        suppressions->addWidget(bouton);
    suppressions->addStretch();
    auto *boutons = new QVBoxLayout;
    boutons->addLayout(navigation);
    boutons->addLayout(suppressions);

    connect(cmdOK, &QPushButton::clicked, this, &frmSaiSco::OK);
    connect(cmdNouveau, &QPushButton::clicked, this, &frmSaiSco::Nouveau);
    connect(cmdEffacer, &QPushButton::clicked, this, &frmSaiSco::Effacer);
    connect(cmdFin, &QPushButton::clicked, this, &frmSaiSco::close);
    connect(cmdPrem, &QPushButton::clicked, this, [this] { Naviguer(Navigation::Premiere); });
    connect(cmdPrec, &QPushButton::clicked, this, [this] { Naviguer(Navigation::Precedente); });
    connect(cmdSuiv, &QPushButton::clicked, this, [this] { Naviguer(Navigation::Suivante); });
    connect(cmdDern, &QPushButton::clicked, this, [this] { Naviguer(Navigation::Derniere); });
    connect(cmdSuppTb, &QPushButton::clicked, this, &frmSaiSco::SupprimerTable);
    connect(cmdSuppTbS, &QPushButton::clicked, this, &frmSaiSco::SupprimerTables);
    connect(cmdSuppSc, &QPushButton::clicked, this, &frmSaiSco::EffacerScores);
    connect(cmdSuppScS, &QPushButton::clicked, this, &frmSaiSco::EffacerTousScores);
    connect(cmdAide1, &QPushButton::clicked, this,
            [this] { m.OuvreAide(u"_recherche_table.html"_s); });
    connect(cmdAide2, &QPushButton::clicked, this,
            [this] { m.OuvreAide(u"_saisie_belote.html"_s); });
    return boutons;
}

// What the game type shows: the heading of the numbers, the belote frame, the
// seats of team belote, the seat labels.
void frmSaiSco::Dispose()
{
    lblNumeros->setText(m.TypeJeu.estEquipes() ? u"N° équipes"_s : u"N° joueurs"_s);
    frmBelotesCapots->setVisible(Belote());
    for (int k = 0; k < 4; ++k) {
        for (QWidget *controle : std::initializer_list<QWidget *>{lblPlace[k], txtNJ[k], txtNom[k], txtNPO[k]})
            controle->setVisible(k < NbPlaces());
        lblPlace[k]->setText(LibellePlace(m, k + 1));
    }
    const ControleBelote libelles = CalculControleBelote(m, {}, {});
    lblPtsBel->setText(libelles.lblPtsBel);
    lblPtsCap->setText(libelles.lblPtsCap);
}

// The boxes a mode types in follow the rule of the number boxes; the others
// are locked and only show what the program puts there.
void frmSaiSco::ConnecteClavier()
{
    Plateforme &p = m.plateforme;
    BoiteNombre(txtNT, p, 4);
    BoiteNombre(txtNPA, p, 2);
    SurTabEntree(txtNT, [this] { ValideNT(); });
    // In belote the deals lead on to the belotes and capots: the whole table is typed without the mouse.
    ChaineVers(txtNPA, ChaineBelote() ? static_cast<QWidget *>(txtNbBelotes) : cmdOK);
    const bool tarot = m.TypeJeu == TypeJeu::Tarot;
    for (int k = 0; k < 4; ++k) {
        if (m_modeScores) {
            // Seven characters, the width of a score in the file.
            BoiteNombre(txtNPO[k], p, tarot ? 6 : 7, tarot);
            SurTabEntree(txtNPO[k], [this, k] { ValideNPO(k); });
            connect(txtNPO[k], &QLineEdit::editingFinished, this, &frmSaiSco::CalculTotalPoints);
        } else {
            BoiteNombre(txtNJ[k], p, 4);
            SurTabEntree(txtNJ[k], [this, k] { ValideNJ(k); });
        }
    }
    if (!Belote())
        return;
    if (m_modeScores) {
        BoiteNombre(txtNbBelotes, p, 2);
        BoiteNombre(txtNbCapots, p, 2);
        ChaineVers(txtNbBelotes, txtNbCapots);
        SurTabEntree(txtNbCapots, [this] {
            if (EntierSaisi(txtNJ[0]->text()))
                cmdOK->setFocus(Qt::TabFocusReason);
        });
        connect(txtNPA, &QLineEdit::editingFinished, this, [this] {
            CalculTotalBase();
            CalculTotalControleBelote();
        });
    } else {
        Verrouille({txtNbBelotes, txtNbCapots}, true);
    }
    for (QLineEdit *boite : {txtNbBelotes, txtNbCapots})
        connect(boite, &QLineEdit::textChanged, this, &frmSaiSco::CalculTotalControleBelote);
}

// Tab on the buttons: "&OK", "&Nouveau", "R.&A.B.", "&Sortie", then the boxes
// of the mode; the navigation buttons lead to "&OK"; the deletion buttons to
// the next one enabled, the last to the first table button. Disabled and
// hidden buttons are passed over. The belote scores follow the points, so
// that Shift+Tab walks back the chain that Enter walks forward.
void frmSaiSco::OrdreTabulation()
{
    std::vector<QWidget *> ordre{cmdSuppTb, cmdSuppSc, cmdSuppTbS, cmdSuppScS, cmdPrem, cmdPrec,
                                 cmdSuiv, cmdDern, cmdOK, cmdNouveau, cmdEffacer, cmdFin};
    const auto &siege = m_modeScores ? txtNPO : txtNJ;
    const auto &autre = m_modeScores ? txtNJ : txtNPO;
    ordre.insert(ordre.end(), siege.begin(), siege.end());
    if (ChaineBelote())
        ordre.insert(ordre.end(), {txtNbBelotes, txtNbCapots, txtNPA, txtNT});
    else
        ordre.insert(ordre.end(), {txtNPA, txtNbBelotes, txtNbCapots, txtNT});
    ordre.insert(ordre.end(), autre.begin(), autre.end());
    ordre.insert(ordre.end(), {cmdAide1, cmdAide2});
    for (std::size_t i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
}

bool frmSaiSco::Belote() const
{
    return m.TypeJeu.estBelote();
}

bool frmSaiSco::ChaineBelote() const
{
    return Belote() && m_modeScores;
}

// Shift+Tab on "&OK" goes back to the capots, the last box of the belote chain,
// rather than to the table buttons that come before it among the buttons.
bool frmSaiSco::focusNextPrevChild(bool suivant)
{
    if (!suivant && ChaineBelote() && focusWidget() == cmdOK) {
        txtNbCapots->setFocus(Qt::BacktabFocusReason);
        return true;
    }
    return QWidget::focusNextPrevChild(suivant);
}

int frmSaiSco::NbPlaces() const
{
    return m.NbParTable();
}

Saisie frmSaiSco::LitBoites() const
{
    Saisie s;
    s.NT = txtNT->text();
    s.NPA = txtNPA->text();
    for (int k = 0; k < 4; ++k) {
        s.NJ[k] = txtNJ[k]->text();
        s.Nom[k] = txtNom[k]->text();
        s.NPO[k] = txtNPO[k]->text();
    }
    s.NbBelotes = txtNbBelotes->text();
    s.NbCapots = txtNbCapots->text();
    return s;
}

void frmSaiSco::AfficheSaisie(const Saisie &s)
{
    txtNT->setText(s.NT);
    txtNPA->setText(s.NPA);
    for (int k = 0; k < 4; ++k) {
        txtNJ[k]->setText(s.NJ[k]);
        txtNom[k]->setText(s.Nom[k]);
        txtNPO[k]->setText(s.NPO[k]);
    }
    txtNbBelotes->setText(s.NbBelotes);
    txtNbCapots->setText(s.NbCapots);
}

QLineEdit *frmSaiSco::PremiereBoite() const
{
    return m_modeScores ? txtNPO[0] : txtNJ[0];
}

void frmSaiSco::VerrouTable()
{
    txtNT->setReadOnly(false);
    Verrouille({txtNPA, txtNJ[0], txtNJ[1], txtNJ[2], txtNJ[3], txtNPO[0], txtNPO[1], txtNPO[2], txtNPO[3]}, true);
}

void frmSaiSco::ValideNT()
{
    if (txtNT->isReadOnly())
        PremiereBoite()->setFocus(Qt::TabFocusReason); // a table is open: its seats come next
    else if (!EntierSaisi(txtNT->text()))
        m.plateforme.bip();
    else
        ChargeEtOuvre();
}

void frmSaiSco::ValideNJ(int place)
{
    if (NombreSaisi(txtNJ[place]->text()) == 0) {
        m.plateforme.bip();
        return;
    }
    if (ControleJoueur(place) != 0)
        return;
    if (place + 1 < NbPlaces())
        txtNJ[place + 1]->setFocus(Qt::TabFocusReason);
    else
        cmdOK->setFocus(Qt::TabFocusReason);
}

void frmSaiSco::ValideNPO(int place)
{
    if (!EntierSaisi(txtNPO[place]->text()))
        m.plateforme.bip();
    else if (place + 1 < NbPlaces())
        txtNPO[place + 1]->setFocus(Qt::TabFocusReason);
    else if (ChaineBelote())
        txtNbBelotes->setFocus(Qt::TabFocusReason);
    else
        txtNPA->setFocus(Qt::TabFocusReason);
}

void frmSaiSco::ChargeEtOuvre()
{
    ChargeTable();
    if (m_erreurCharge)
        return;
    lblMsg->clear();
    OuvreTable();
}

void frmSaiSco::ChargeTable()
{
    m_erreurCharge = false;
    const Emplacement e = ChercheTable(m, NombreSaisi(txtNT->text()));
    if (!TableConstituee(m, e, m_modeScores)) {
        // Nothing of the table shown before stays under the number refused.
        m_erreurCharge = true;
        m_table = {};
        VideTable();
        Reprend(txtNT);
        return;
    }
    m_table = e;
    Saisie s = LitBoites();
    RemplitTable(m, e, s, m_modeScores);
    AfficheSaisie(s);
    if (Belote() && m_modeScores)
        CalculTotalBase();
    CalculTotalPoints();
    if (Belote())
        CalculTotalControleBelote();
}

void frmSaiSco::OuvreTable()
{
    txtNT->setReadOnly(true);
    const bool scores = m_modeScores;
    txtNPA->setReadOnly(!scores);
    for (int k = 0; k < 4; ++k) {
        txtNJ[k]->setReadOnly(scores);
        txtNPO[k]->setReadOnly(!scores);
    }
    PremiereBoite()->setFocus(Qt::OtherFocusReason);
    EtatSuppressionTable();
}

int frmSaiSco::ControleJoueur(int place)
{
    const ControleSiege c = ::ControleJoueur(m, LitBoites(), place);
    // The name shown is always that of the number beside it, or none.
    txtNom[place]->setText(c.ligne != -1 ? NomEntrant(m, c.ligne) : QString());
    if (c.refus == ControleSiege::Aucun)
        return 0;
    m.AfficheErreur(c.message);
    if (c.refus == ControleSiege::Inconnu)
        txtNJ[place]->clear();
    Reprend(txtNJ[place]);
    return 1;
}

bool frmSaiSco::ControlePoints()
{
    if (Belote()) {
        CalculTotalBase();
        CalculTotalPoints();
        CalculTotalControleBelote();
    }
    const auto refus = RefusPoints(m, LitBoites(), NombreSaisi(txtControleTotal->text()));
    if (!refus)
        return true;
    m.AfficheErreur(*refus);
    Reprend(txtNPO[0]);
    return false;
}

void frmSaiSco::OK()
{
    lblMsg->clear();
    m_erreurOK = false;
    const Saisie s = LitBoites();
    const auto vide = [](const QString &boite) { return !EntierSaisi(boite); };
    if (vide(s.NT) && std::all_of(s.NJ.begin(), s.NJ.end(), vide)) {
        close();
        return;
    }
    if (NombreSaisi(s.NT) == 0) {
        m.plateforme.bip();
        lblMsg->setText(u"N° DE TABLE NON RENSEIGNE !"_s);
        Reprend(txtNT);
        m_erreurOK = true;
        return;
    }
    if (vide(s.NJ[0])) {
        ChargeEtOuvre();
        return;
    }
    // A seat left empty takes the focus; the table waits, unsaved.
    for (int k = 0; k < NbPlaces(); ++k) {
        QLineEdit *boite = m_modeScores ? txtNPO[k] : txtNJ[k];
        if (vide(boite->text())) {
            Reprend(boite);
            return;
        }
    }
    if (m_modeScores && NombreSaisi(s.NPA) == 0)
        txtNPA->setText(NbPartiesManche(m));
    // A refused entrant or points keep the organiser on this table.
    if (!m_modeScores)
        for (int k = 0; k < NbPlaces(); ++k)
            if (ControleJoueur(k) != 0) {
                m_erreurOK = true;
                return;
            }
    if ((m_modeScores && !ControlePoints()) || !EnregTable(m, LitBoites(), m_table, m_modeScores)) {
        m_erreurOK = true;
        return;
    }
    lblMsg->setText(u"INFORMATIONS ENREGISTREES !"_s);
    EtatSuppressionTable();
    EtatSuppressionsManche();
    PremiereBoite()->setFocus(Qt::OtherFocusReason);
}

void frmSaiSco::Naviguer(Navigation sens)
{
    if (m.NbScores() == 0)
        return;
    // The table shown is saved first; a number refused at loading holds no table to save.
    if (!txtNT->text().isEmpty() && !m_erreurCharge) {
        OK();
        if (m_erreurOK)
            return;
    }
    const std::optional<int> table = TableVoisine(m, sens, txtNT->text());
    if (!table)
        return;
    txtNT->setText(QString::number(*table));
    ChargeEtOuvre();
}

void frmSaiSco::Nouveau()
{
    if (m_modeScores)
        txtNPA->setText(NbPartiesManche(m));
    for (int k = 0; k < 4; ++k)
        for (QLineEdit *boite : {txtNJ[k], txtNom[k], txtNPO[k]})
            boite->clear();
    lblMsg->clear();
    const int table = NouvelleTable(m, m_modeScores);
    if (table != 0) {
        txtNT->setText(QString::number(table));
        ChargeEtOuvre();
        return;
    }
    // No room for another table: back to the choice of a table number.
    txtNT->clear();
    VerrouTable();
    cmdSuppTb->setEnabled(false);
    cmdSuppSc->setEnabled(false);
    txtNT->setFocus(Qt::OtherFocusReason);
}

void frmSaiSco::Effacer()
{
    txtNT->clear();
    VideTable();
    lblMsg->clear();
    txtNT->setFocus(Qt::OtherFocusReason);
}

// Every box of the table but its number emptied, and back to the choice of a table.
void frmSaiSco::VideTable()
{
    for (QLineEdit *boite : {txtNPA, txtTotal, txtNbBelotes, txtNbCapots, txtTotBel, txtControleTotal})
        boite->clear();
    for (int k = 0; k < 4; ++k)
        for (QLineEdit *boite : {txtNJ[k], txtNom[k], txtNPO[k]})
            boite->clear();
    lblExpr->clear();
    VerrouTable();
    cmdSuppTb->setEnabled(false);
    cmdSuppSc->setEnabled(false);
}

// A table can be deleted while it has no score; its scores erased once it has some.
void frmSaiSco::EtatSuppressionTable()
{
    const bool joue = m_table.trouvee && !m.Scores(ColScore::Points, m_table.PosTable).estVide();
    cmdSuppTb->setEnabled(!m_modeScores && m_table.trouvee && !joue);
    cmdSuppSc->setEnabled(m_modeScores && joue);
}

void frmSaiSco::EtatSuppressionsManche()
{
    const EtatSaisie etat = EtatSaisieManche(m);
    cmdSuppTbS->setEnabled(!m_modeScores && etat.TablesManche && !etat.ScoresManche);
    cmdSuppScS->setEnabled(m_modeScores && etat.ScoresManche);
}

bool frmSaiSco::Confirme(const QString &question)
{
    return m.plateforme.question(TitreProgramme, question, false);
}

void frmSaiSco::SupprimerTable()
{
    lblMsg->clear();
    if (!Confirme(u"Voulez-vous réellement supprimer cette table ?"_s)
        || !SupprimeTable(m, NombreSaisi(txtNT->text())))
        return;
    Effacer();
    lblMsg->setText(u"TABLE SUPPRIMEE !"_s);
    EtatSuppressionsManche();
}

void frmSaiSco::SupprimerTables()
{
    lblMsg->clear();
    if (m.NbScores() == 0
        || !Confirme(u"Voulez-vous réellement supprimer TOUTES LES TABLES de cette manche ?"_s)
        || !SupprimeTablesManche(m))
        return;
    Effacer();
    lblMsg->setText(u"TABLES SUPPRIMEES !"_s);
    cmdSuppTbS->setEnabled(false);
}

void frmSaiSco::EffacerScores()
{
    if (!Confirme(u"Voulez-vous réellement effacer les scores de cette table ?"_s))
        return;
    Saisie s = LitBoites();
    s.NPA.clear();
    s.NPO = {};
    if (!EnregTable(m, s, m_table, m_modeScores))
        return;
    AfficheSaisie(s);
    CalculTotalPoints();
    lblMsg->setText(u"SCORES DE CETTE TABLE SUPPRIMES !"_s);
    cmdSuppSc->setEnabled(false);
    EtatSuppressionsManche();
}

void frmSaiSco::EffacerTousScores()
{
    if (!Confirme(u"Voulez-vous réellement effacer TOUS LES SCORES de cette manche ?"_s) || !EffaceScoresManche(m))
        return;
    Effacer();
    lblMsg->setText(u"SCORES EFFACES !"_s);
    cmdSuppScS->setEnabled(false);
}

void frmSaiSco::CalculTotalPoints()
{
    txtTotal->setText(QString::number(TotalPoints(m, LitBoites())));
}

void frmSaiSco::CalculTotalBase()
{
    txtTotBel->setText(QString::number(TotalBase(m, txtNPA->text())));
}

void frmSaiSco::CalculTotalControleBelote()
{
    const ControleBelote c = CalculControleBelote(m, LitBoites(), txtTotBel->text());
    lblPtsBel->setText(c.lblPtsBel);
    lblPtsCap->setText(c.lblPtsCap);
    txtControleTotal->setText(QString::number(c.total));
    lblExpr->setText(c.expression);
}

frmSaiSco::~frmSaiSco()
{
    DetacheEnfants(this);
}
