#include "players/frmSaiJou.h"
#include "players/csv.h"
#include "players/fiche.h"
#include "players/frmChoixTourn.h"
#include "players/joueurs.h"
#include "players/noms.h"
#include "store/catalogue.h"
#include "store/modele.h"
#include "widgets/controles.h"
#include "widgets/nombres.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Names are 30 characters wide in the players file.
constexpr int LongueurNom = 30;
// The tournament grid shows 24 rows: starting 23 rows before the last entrant
// keeps him, and the rows typed before him, in view.
constexpr int LignesMontrees = 23;

// Entrant numbers have four digits.
constexpr int ChiffresNumero = 4;

// Puts this text in place of a typed key; with no text the key is just swallowed.
bool Remplace(QLineEdit *boite, const QString &texte)
{
    if (!texte.isEmpty())
        boite->insert(texte);
    return true;
}

} // namespace

frmSaiJou *frmSaiJou::Ouvre(Modele &m, int numero, QWidget *tournoi)
{
    for (frmSaiJou *ouverte : tournoi->findChildren<frmSaiJou *>(Qt::FindDirectChildrenOnly))
        ouverte->close();
    m.ModeNouveau = numero == 0;
    auto *fenetre = new frmSaiJou(m, tournoi);
    fenetre->show();
    fenetre->Charge(numero);
    return fenetre;
}

frmSaiJou::frmSaiJou(Modele &modele, QWidget *tournoi) : QWidget(tournoi, Qt::Window), m(modele)
{
    setObjectName(u"frmSaiJou"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Inscription joueur(se)"_s);

    const bool belote = m.TypeJeu.estEquipes();
    const QString libelles[] = {
        u"N° équipe"_s,
        belote ? u"Nom prénom joueur 1"_s : u"Nom joueur"_s,
        belote ? u"Nom prénom joueur 2"_s : u"Prénom joueur"_s,
    };
    txtNum = Cree<QLineEdit>(u"txtNum"_s, this);
    txtNom = Cree<QLineEdit>(u"txtNom"_s, this);
    txtPrenom = Cree<QLineEdit>(u"txtPrenom"_s, this);
    auto *saisie = new QFormLayout;
    const std::array<QLineEdit *, 3> boites = {txtNum, txtNom, txtPrenom};
    for (int i = 0; i < 3; ++i) {
        Label[i] = Cree<QLabel>(u"Label%1"_s.arg(i), libelles[i], this);
        Label[i]->setBuddy(boites[i]);
        saisie->addRow(Label[i], boites[i]);
        boites[i]->installEventFilter(this);
    }
    BoiteNombre(txtNum, m.plateforme, ChiffresNumero);
    txtNom->setMaxLength(LongueurNom);
    txtPrenom->setMaxLength(LongueurNom);

    chkConv = Cree<QCheckBox>(u"chkConv"_s,
                              u"Conversion majuscules / minuscules (fonctionne bien pour des noms simples comme "
                              u"DUPONT Jean)"_s,
                              this);
    chkConv->setChecked(true);

    auto bouton = [this](const QString &texte, const QString &nom, auto action) {
        QPushButton *b = Bouton(this, nom, texte);
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    cmdOK = bouton(u"&OK"_s, u"cmdOK"_s, &frmSaiJou::OK);
    cmdNouveau = bouton(u"&Nouveau"_s, u"cmdNouveau"_s, &frmSaiJou::Nouveau);
    cmdSuppr = bouton(u"S&upprimer"_s, u"cmdSuppr"_s, &frmSaiJou::Supprime);
    cmdEfface = bouton(u"R.&A.B."_s, u"cmdEfface"_s, &frmSaiJou::Efface);
    cmdFin = bouton(u"&Sortie"_s, u"cmdFin"_s, &QWidget::close);
    cmdCSV = bouton(u"Récupération des joueurs d'un fichier &CSV"_s, u"cmdCSV"_s, &frmSaiJou::ImporteFichier);
    cmdRecup = bouton(u"&Récupération des joueurs d'un autre tournoi"_s, u"cmdRecup"_s, &frmSaiJou::Recupere);

    auto *boutons = new QGridLayout;
    int colonne = 0;
    for (QPushButton *b : {cmdOK, cmdNouveau, cmdSuppr, cmdEfface, cmdFin})
        boutons->addWidget(b, 0, colonne++);
    boutons->addWidget(cmdCSV, 1, 0, 1, 5);
    boutons->addWidget(cmdRecup, 2, 0, 1, 5);

    auto *disposition = new QVBoxLayout(this);
    disposition->addLayout(saisie);
    disposition->addWidget(chkConv);
    disposition->addLayout(boutons);
    setTabOrder(txtNum, txtNom);
    setTabOrder(txtNom, txtPrenom);
    setTabOrder(txtPrenom, cmdOK);
}

frmSaiJou::~frmSaiJou()
{
    DetacheEnfants(this);
}

void frmSaiJou::Charge(int numero)
{
    cmdRecup->setEnabled(ListeCatalogue(m).size() > 1);
    if (m.ModeNouveau) {
        Nouveau();
        return;
    }
    const int r = m.RechJoueur(numero);
    MontreJoueur(r);
    if (r == -1)
        return; // nobody to change: OK will add an entrant
    txtNum->setText(m.Joueurs(ColJoueur::Numero, r).texte());
    txtNom->setText(m.Joueurs(ColJoueur::Nom, r).texte());
    txtPrenom->setText(m.Joueurs(ColJoueur::Prenom, r).texte());
    txtNum->setEnabled(false); // a number is never changed
    txtNom->setFocus();
}

void frmSaiJou::MontreJoueur(int ligne)
{
    m_joueurCourant = ligne;
    cmdSuppr->setEnabled(ligne != -1);
}

void frmSaiJou::PrepareNouveau()
{
    m.ModeNouveau = true;
    txtNom->clear();
    txtPrenom->clear();
    txtNum->setEnabled(true);
    txtNum->setText(QString::number(RechNumLibre(m)));
    MontreJoueur(-1);
    txtNom->setFocus();
}

void frmSaiJou::MontreFinGrille()
{
    emit defileGrille(std::max(1, m.NbJoueurs() - LignesMontrees));
}

bool frmSaiJou::ConversionFrappe() const
{
    return chkConv->isChecked() && !m.TypeJeu.estEquipes();
}

bool frmSaiJou::eventFilter(QObject *objet, QEvent *evenement)
{
    if (evenement->type() != QEvent::KeyPress)
        return QWidget::eventFilter(objet, evenement);
    const auto *touche = static_cast<QKeyEvent *>(evenement);
    const bool entree = touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter;
    const QString texte = touche->text();
    const bool caractere = !entree && texte.size() == 1 && texte[0].isPrint()
                           && !(touche->modifiers() & Qt::ControlModifier) && ConversionFrappe();

    if (objet == txtNum && entree && !txtNum->text().isEmpty()) {
        txtNom->setFocus();
        return true;
    }
    if (objet == txtNom) {
        if (entree && !txtNom->text().isEmpty()) {
            txtPrenom->setFocus();
            return true;
        }
        if (caractere)
            return Remplace(txtNom, MajusculeAnsi(texte[0]));
    }
    if (objet == txtPrenom) {
        if (entree && !txtNom->text().isEmpty() && !txtPrenom->text().isEmpty()) {
            OK();
            return true;
        }
        if (caractere)
            return Remplace(txtPrenom, TouchePrenom(txtPrenom->text(), texte[0]));
    }
    return false;
}

void frmSaiJou::OK()
{
    FicheJoueur fiche{txtNum->text(), txtNom->text(), txtPrenom->text()};
    const IssueFiche issue = ValideFiche(m, fiche, m_joueurCourant, chkConv->isChecked());
    // Team members show as they were stored.
    if (fiche.nom != txtNom->text() || fiche.prenom != txtPrenom->text()) {
        txtNom->setText(fiche.nom);
        txtPrenom->setText(fiche.prenom);
    }
    switch (issue) {
    case IssueFiche::Fermer: close(); return;
    case IssueFiche::NomVide: txtNom->setFocus(); return;
    case IssueFiche::PrenomVide: txtPrenom->setFocus(); return;
    case IssueFiche::NumeroRefuse:
        txtNum->setFocus();
        txtNum->selectAll();
        return;
    case IssueFiche::Abandon:
    case IssueFiche::NonEcrit: return;
    case IssueFiche::Enregistre: break;
    }
    if (m.ModeNouveau) {
        // The grid was sorted by number, its view back on the first row: the window scrolls after it.
        Nouveau();
        return;
    }
    // The change is made: the boxes are empty, a second OK closes the window.
    cmdSuppr->setEnabled(false);
    txtNum->clear();
    txtNom->clear();
    txtPrenom->clear();
    txtNom->setFocus();
}

void frmSaiJou::Nouveau()
{
    PrepareNouveau();
    MontreFinGrille();
}

void frmSaiJou::Efface()
{
    txtNom->clear();
    txtPrenom->clear();
    txtNom->setFocus();
}

void frmSaiJou::Supprime()
{
    if (!SupprimeFiche(m, m_joueurCourant))
        return;
    MontreJoueur(-1);
    emit joueurSupprime();
    close();
}

void frmSaiJou::ImporteFichier()
{
    if (!AvertitRemplacement(m, SourceListe::Csv))
        return;
    const QString chemin =
        m.plateforme.choisirFichier(u"Récupération des joueurs d'un fichier CSV"_s, m.RepProgramme,
                                    {u"Fichiers CSV (*.csv *.CSV)"_s, u"Tous les fichiers (*)"_s});
    if (!chemin.isEmpty() && ImporteCsv(m, chemin))
        ListeRemplacee();
}

void frmSaiJou::Recupere()
{
    if (!AvertitRemplacement(m, SourceListe::Tournoi))
        return;
    frmChoixTourn choix(m, this);
    if (choix.exec() == QDialog::Accepted)
        ListeRemplacee();
}

void frmSaiJou::ListeRemplacee()
{
    // The rows the window pointed to have gone: it is ready for a new entrant,
    // the grid staying on its first row.
    PrepareNouveau();
}
