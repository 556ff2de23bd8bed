#include "settings/frmOpt.h"
#include "settings/options.h"
#include "widgets/controles.h"
#include "widgets/nombres.h"
#include "store/modele.h"
#include "store/texte.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// An alarm that is switched off forgets its file.
void EtatSon(bool enFonction, QLineEdit *chemin, QPushButton *ecouter, QPushButton *charger)
{
    if (!enFonction)
        chemin->clear();
    for (QWidget *controle : std::initializer_list<QWidget *>{chemin, ecouter, charger})
        controle->setEnabled(enFonction);
}

} // namespace

frmOpt::frmOpt(Modele &modele, const QString &nouveauTournoi, QWidget *parent)
    : QDialog(parent), m(modele), m_nouveau(nouveauTournoi)
{
    setObjectName(u"frmOpt"_s);
    setWindowTitle(u"Options"_s);
    setModal(true);

    txtTournoi = Cree<QLineEdit>(u"txtTournoi"_s);
    auto *lblTournoi = new QLabel(u"Nom du tournoi : "_s);
    lblTournoi->setBuddy(txtTournoi);
    auto *ligneNom = new QHBoxLayout;
    ligneNom->addWidget(lblTournoi);
    ligneNom->addWidget(txtTournoi);

    SSTab1 = Cree<QTabWidget>(u"SSTab1"_s);
    SSTab1->addTab(OngletGeneral(), u"Général"_s);
    SSTab1->addTab(OngletSons(), u"Sons et Alarmes"_s);
    SSTab1->addTab(OngletDivers(), u"Divers"_s);

    cmdOK = Cree<QPushButton>(u"cmdOK"_s, u"Valider"_s);
    cmdOK->setDefault(true);
    cmdAnnuler = Cree<QPushButton>(u"cmdAnnuler"_s, u"Annuler"_s);
    QHBoxLayout *boutons = LigneBoutons({cmdOK, cmdAnnuler});

    auto *disposition = new QVBoxLayout(this);
    disposition->addLayout(ligneNom);
    disposition->addWidget(SSTab1);
    disposition->addLayout(boutons);
    resize(600, 450);

    connect(cmdOK, &QPushButton::clicked, this, &frmOpt::Valider);
    connect(cmdAnnuler, &QPushButton::clicked, this, &frmOpt::reject);
    ConnecteOptions();

    if (!m_nouveau.isEmpty())
        ChargeNouveau();
    else
        ChargeTournoi();
    m_charge = true;
}

frmOpt::~frmOpt()
{
    DetacheEnfants(this);
}

QWidget *frmOpt::OngletGeneral()
{
    optTarot = Cree<QRadioButton>(u"optTarot"_s, u"Tarot à 4"_s);
    optBelote = Cree<QRadioButton>(u"optBelote"_s, u"Belote en doublettes"_s);
    optBeloteInd = Cree<QRadioButton>(u"optBeloteInd"_s, u"Belote en individuel"_s);
    optTarot->setChecked(true);
    m_jeux = {{optTarot, TypeJeu::Tarot}, {optBelote, TypeJeu::Belote}, {optBeloteInd, TypeJeu::BeloteInd}};
    cmdAide1 = BoutonAide(u"cmdAide1"_s, u"_choix_type_jeu.html"_s);
    FrameJeu = Cree<QGroupBox>(u"FrameJeu"_s, u"Type de jeu :"_s);
    auto *jeu = new QHBoxLayout(FrameJeu);
    for (const auto &option : m_jeux)
        jeu->addWidget(option.bouton);
    jeu->addStretch();
    jeu->addWidget(cmdAide1);

    optM1Aleat = Cree<QRadioButton>(u"optM1Aleat"_s, u"Aléatoire"_s);
    optM1Vert = Cree<QRadioButton>(u"optM1Vert"_s, u"Répartition verticale"_s);
    FrameM1 = Cree<QGroupBox>(u"FrameM1"_s, u"1ère manche"_s);
    auto *m1 = new QVBoxLayout(FrameM1);
    m1->addWidget(optM1Aleat);
    m1->addWidget(optM1Vert);
    m1->addStretch();

    optMnAleat = Cree<QRadioButton>(u"optMnAleat"_s, u"Aléatoire"_s);
    optMnCard = Cree<QRadioButton>(u"optMnCard"_s, u"Tournoi"_s);
    optMnForts = Cree<QRadioButton>(u"optMnForts"_s, u"Plus forts ensemble"_s);
    m_tirages = {
        {optMnAleat, TypeTirage::Aleatoire}, {optMnCard, TypeTirage::Tournoi}, {optMnForts, TypeTirage::Forts}};
    FrameMn = Cree<QGroupBox>(u"FrameMn"_s, u"Manches suivantes"_s);
    auto *mn = new QVBoxLayout(FrameMn);
    for (const auto &option : m_tirages)
        mn->addWidget(option.bouton);
    mn->addStretch();

    const QString libellesTir[] = {u"Décalage Nord.....:"_s, u"Décalage Est.......:"_s,
                                   u"Décalage Sud......:"_s, u"Décalage Ouest...:"_s};
    FrameDecal = Cree<QGroupBox>(u"FrameDecal"_s, u"Décalages pour tirage de type Tournoi :"_s);
    auto *decal = new QGridLayout(FrameDecal);
    for (int k = 0; k < 4; ++k) {
        txtTir[k] = Cree<QLineEdit>(u"txtTir"_s + QString::number(k));
        lblTir[k] = Cree<QLabel>(u"lblTir"_s + QString::number(k), libellesTir[k]);
        lblTir[k]->setBuddy(txtTir[k]);
        txtTir[k]->setMaximumWidth(60);
        BoiteNombre(txtTir[k], m.plateforme, ChiffresBoite, true);
        decal->addWidget(lblTir[k], k, 0);
        decal->addWidget(txtTir[k], k, 1);
    }

    cmdAide2 = BoutonAide(u"cmdAide2"_s, u"_choix_type_tirage.html"_s);
    cmdAide3 = BoutonAide(u"cmdAide3"_s, u"_decalage.html"_s);
    FrameTirage = Cree<QGroupBox>(u"FrameTirage"_s, u"Type de tirage au sort :"_s);
    auto *tirage = new QGridLayout(FrameTirage);
    tirage->addWidget(FrameM1, 0, 0);
    tirage->addWidget(FrameMn, 0, 1);
    tirage->addWidget(FrameDecal, 0, 2);
    tirage->addWidget(cmdAide2, 1, 1, Qt::AlignRight);
    tirage->addWidget(cmdAide3, 1, 2, Qt::AlignRight);

    auto *onglet = new QWidget;
    auto *disposition = new QVBoxLayout(onglet);
    disposition->addWidget(FrameJeu);
    disposition->addWidget(FrameTirage);
    disposition->addStretch();
    return onglet;
}

QWidget *frmOpt::OngletSons()
{
    Frame3 = CadreSon(u"Frame3"_s, u"Fichier son joué 5 mn avant l'heure de fin de manche"_s, u"Check1"_s,
                      u"5"_s, Check1, txtFichSon5, cmdEcouter5, cmdCharger5);
    Frame4 = CadreSon(u"Frame4"_s, u"Fichier son joué à l'heure de fin de manche"_s, u"Check2"_s, QString(),
                      Check2, txtFichSon, cmdEcouter, cmdCharger);
    auto *onglet = new QWidget;
    auto *disposition = new QVBoxLayout(onglet);
    disposition->addWidget(Frame3);
    disposition->addWidget(Frame4);
    disposition->addStretch();
    return onglet;
}

QGroupBox *frmOpt::CadreSon(const QString &nomCadre, const QString &titre, const QString &nomCoche,
                            const QString &suffixe, QCheckBox *&coche, QLineEdit *&chemin,
                            QPushButton *&ecouter, QPushButton *&charger)
{
    coche = Cree<QCheckBox>(nomCoche, u"En fonction"_s);
    chemin = Cree<QLineEdit>(u"txtFichSon"_s + suffixe);
    ecouter = Cree<QPushButton>(u"cmdEcouter"_s + suffixe, u"Ecouter le fichier son"_s);
    charger = Cree<QPushButton>(u"cmdCharger"_s + suffixe, u"Charger un fichier son"_s);
    EtatSon(false, chemin, ecouter, charger);

    auto *cadre = Cree<QGroupBox>(nomCadre, titre);
    auto *disposition = new QGridLayout(cadre);
    disposition->addWidget(coche, 0, 0, 1, 2);
    disposition->addWidget(chemin, 1, 0, 1, 2);
    disposition->addWidget(ecouter, 2, 0);
    disposition->addWidget(charger, 2, 1);

    QLineEdit *boite = chemin;
    connect(coche, &QCheckBox::toggled, this,
            [boite, ecouter, charger](bool enFonction) { EtatSon(enFonction, boite, ecouter, charger); });
    connect(ecouter, &QPushButton::clicked, this, [this, boite] { m.plateforme.joueSon(boite->text()); });
    connect(charger, &QPushButton::clicked, this, [this, boite] { ChargeFichierSon(boite); });
    return cadre;
}

QWidget *frmOpt::OngletDivers()
{
    Check6 = Cree<QCheckBox>(u"Check6"_s, u"Contrôle balance des points"_s);
    Check4 = Cree<QCheckBox>(u"Check4"_s, u"Recalcul automatique grille de classement"_s);
    Check7 = Cree<QCheckBox>(u"Check7"_s, u"Affichage des moyennes"_s);
    Check3 = Cree<QCheckBox>(u"Check3"_s, u"Animation petites cartes"_s);

    txtTotBel = Cree<QLineEdit>(u"txtTotBel"_s);
    txtPtsBel = Cree<QLineEdit>(u"txtPtsBel"_s, u"20"_s);
    txtPtsCap = Cree<QLineEdit>(u"txtPtsCap"_s, u"90"_s);
    for (QLineEdit *boite : {txtTotBel, txtPtsBel, txtPtsCap})
        BoiteNombre(boite, m.plateforme, ChiffresBoite);
    lblTotBel = Cree<QLabel>(u"lblTotBel"_s,
                             u"Belote : total des 2 équipes à contrôler pour UNE partie, hors belotes et "
                             "capots : ATTENTION : Le nombre de parties de la manche doit être renseigné "
                             "(voir l'aide à droite)"_s);
    lblTotBel->setWordWrap(true);
    lblPtsBel = Cree<QLabel>(u"lblPtsBel"_s, u"Valeur \"Belote et rebelote\" :"_s);
    lblPtsCap = Cree<QLabel>(u"lblPtsCap"_s, u"Valeur \"Capot\" :"_s);
    cmdAide4 = BoutonAide(u"cmdAide4"_s, u"_total_points_belote.html"_s);

    Frame5 = Cree<QGroupBox>(u"Frame5"_s, u"Options Belote"_s);
    auto *belote = new QGridLayout(Frame5);
    const std::pair<QLabel *, QLineEdit *> lignes[] = {
        {lblTotBel, txtTotBel}, {lblPtsBel, txtPtsBel}, {lblPtsCap, txtPtsCap}};
    for (int i = 0; i < 3; ++i) {
        lignes[i].first->setBuddy(lignes[i].second);
        lignes[i].second->setMaximumWidth(80);
        belote->addWidget(lignes[i].first, i, 0);
        belote->addWidget(lignes[i].second, i, 1);
    }
    belote->addWidget(cmdAide4, 0, 2, Qt::AlignTop);
    belote->setColumnStretch(0, 1);

    auto *onglet = new QWidget;
    auto *disposition = new QVBoxLayout(onglet);
    for (QWidget *controle : {Check6, Check4, Check7, Check3})
        disposition->addWidget(controle);
    disposition->addWidget(Frame5);
    disposition->addStretch();
    return onglet;
}

QPushButton *frmOpt::BoutonAide(const QString &nom, const QString &page)
{
    auto *bouton = Cree<QPushButton>(nom, u"Aide"_s);
    bouton->setAutoDefault(false);
    connect(bouton, &QPushButton::clicked, this, [this, page] { m.OuvreAide(page); });
    return bouton;
}

void frmOpt::ConnecteOptions()
{
    auto quandChoisi = [this](QRadioButton *option, auto action) {
        connect(option, &QRadioButton::toggled, this, [action](bool choisi) {
            if (choisi)
                action();
        });
    };
    quandChoisi(optTarot, [this] { if (m_charge) ChoixJeu(true); });
    quandChoisi(optBelote, [this] { if (m_charge) ChoixJeu(true); });
    // Also while loading: individual belote never offers the "Tournoi" draw.
    quandChoisi(optBeloteInd, [this] { ChoixJeu(false); });
    quandChoisi(optMnCard, [this] {
        if (!m_charge)
            return;
        EtatDecalages(true);
        txtTir[0]->setFocus();
    });
    quandChoisi(optMnAleat, [this] { if (m_charge) EtatDecalages(false); });
    quandChoisi(optMnForts, [this] { if (m_charge) EtatDecalages(false); });
    // "Répartition verticale" leaves the offsets alone: they only serve the later
    // rounds, and they are already off unless "Tournoi" is chosen for those.
}

void frmOpt::ChargeTournoi()
{
    txtTournoi->setText(m.NomTournoi);
    Selectionne(m_jeux, TypeJeu::Valeur(m.TypeJeu));
    Selectionne(m_tirages, m.Tirage);
    (m.TirageManche1 == TypeTirage::Vertical ? optM1Vert : optM1Aleat)->setChecked(true);
    ChargeSons();
    Check3->setChecked(m.OptAnimation);
    Check4->setChecked(m.OptCalculAuto);
    Check6->setChecked(m.OptCtrlBal);
    Check7->setChecked(m.OptAffichMoy);

    // The boxes show the values the program uses; a belote total of 0 (no check) leaves its box empty.
    if (m.TotalBelote != 0)
        txtTotBel->setText(QString::number(m.TotalBelote));
    txtPtsBel->setText(QString::number(m.PtsBeloteRebelote));
    txtPtsCap->setText(QString::number(m.PtsCapot));

    // The game type can change only while the tournament has no entrant.
    for (const auto &option : m_jeux)
        option.bouton->setEnabled(m.NbJoueurs() == 0);
    EtatDecalages(optMnCard->isChecked());

    // The first-round draw is settled once round 1 has tables.
    bool manche1Tiree = false;
    for (int r = 1; r <= m.NbScores() && !manche1Tiree; ++r)
        manche1Tiree = m.Scores(ColScore::Manche, r).nombre() == 1 && !m.Scores(ColScore::Table, r).estVide();
    optM1Aleat->setEnabled(!manche1Tiree);
    optM1Vert->setEnabled(!manche1Tiree);

    if (m.TypeJeu == TypeJeu::Tarot)
        for (QWidget *controle : std::initializer_list<QWidget *>{txtTotBel, txtPtsBel, txtPtsCap, lblTotBel,
                                                                 lblPtsBel, lblPtsCap, cmdAide4})
            controle->setEnabled(false);
}

void frmOpt::ChargeNouveau()
{
    ChargeSons();
    for (QCheckBox *coche : {Check3, Check4, Check6, Check7})
        coche->setChecked(true);
    optM1Aleat->setChecked(true);
    optMnAleat->setChecked(true);
    EtatDecalages(false);
}

void frmOpt::ChargeSons()
{
    const QString fichiers[] = {m.FichierSon5, m.FichierSon};
    for (int i = 0; i < 2; ++i) {
        const auto [coche, chemin] = Alarmes()[i];
        chemin->setText(fichiers[i]);
        coche->setChecked(!fichiers[i].isEmpty()); // ticking enables the box and its buttons
    }
}

void frmOpt::ChoixJeu(bool tournoiPermis)
{
    optMnCard->setEnabled(tournoiPermis);
    for (QRadioButton *option : {optM1Aleat, optMnAleat, optMnForts})
        option->setEnabled(true);
    optM1Aleat->setChecked(true);
    optMnAleat->setChecked(true); // deselects "Tournoi", whose offsets go off with it
}

void frmOpt::EtatDecalages(bool actifs)
{
    FrameDecal->setEnabled(actifs);
    for (int k = 0; k < 4; ++k) {
        txtTir[k]->setText(actifs ? m.Decalage[k + 1].texte() : QString());
        txtTir[k]->setEnabled(actifs);
        lblTir[k]->setEnabled(actifs);
    }
}

void frmOpt::ChargeFichierSon(QLineEdit *chemin)
{
    const QString fichier = m.plateforme.choisirFichier(
        u"Charger un fichier son"_s, m.RepProgramme, {u"Fichiers son (*.wav *.WAV)"_s, u"Tous les fichiers (*)"_s});
    if (!fichier.isEmpty()) // cancelled: the box keeps its file
        chemin->setText(fichier);
}

void frmOpt::Valider()
{
    SaisieOptions s;
    s.NomTournoi = txtTournoi->text();
    s.TypeJeu = Selectionnee(m_jeux);
    s.TirageManche1 = optM1Aleat->isChecked() ? TypeTirage::Aleatoire : TypeTirage::Vertical;
    s.Tirage = Selectionnee(m_tirages);
    for (int k = 0; k < 4; ++k)
        s.Decalages[k] = txtTir[k]->text();
    s.Alarme5 = Check1->isChecked();
    s.Alarme = Check2->isChecked();
    s.FichierSon5 = txtFichSon5->text();
    s.FichierSon = txtFichSon->text();
    s.Animation = Check3->isChecked();
    s.CalculAuto = Check4->isChecked();
    s.CtrlBal = Check6->isChecked();
    s.AffichMoy = Check7->isChecked();
    s.TotalBelote = txtTotBel->text();
    s.PtsBeloteRebelote = txtPtsBel->text();
    s.PtsCapot = txtPtsCap->text();
    s.BeloteVerrouillee = !txtTotBel->isEnabled();

    const std::variant<Reglages, RefusOptions> controle = ControleOptions(m, s);
    if (const auto *refus = std::get_if<RefusOptions>(&controle))
        return Refuse(*refus);
    const Reglages &r = std::get<Reglages>(controle);
    // A failed write has shown its error box; the dialog stays open.
    if (m_nouveau.isEmpty() ? EnregistreReglages(m, r) : CreeTournoi(m, m_nouveau, r))
        accept();
}

void frmOpt::Refuse(const RefusOptions &refus)
{
    // In the order of ChampOption.
    QWidget *const champs[] = {Check1,    Check2,    txtFichSon5, txtFichSon, FrameJeu,  txtTournoi, txtTir[0],
                               txtTir[1], txtTir[2], txtTir[3],   txtTotBel,  txtPtsBel, txtPtsCap};
    QWidget *focus = champs[int(refus.champ)];
    for (int i = 0; i < SSTab1->count(); ++i)
        if (SSTab1->widget(i)->isAncestorOf(focus))
            SSTab1->setCurrentIndex(i);
    focus->setFocus();
    m.AfficheErreur(refus.message);
}

template <typename V>
void frmOpt::Selectionne(const Options<V> &options, V valeur)
{
    for (const auto &option : options)
        if (option.valeur == valeur)
            option.bouton->setChecked(true);
}

template <typename V>
V frmOpt::Selectionnee(const Options<V> &options)
{
    for (const auto &option : options)
        if (option.bouton->isChecked())
            return option.valeur;
    return V{};
}
