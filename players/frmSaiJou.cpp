#include "players/frmSaiJou.h"
#include "players/csv.h"
#include "players/frmChoixTourn.h"
#include "players/joueurs.h"
#include "players/noms.h"
#include "ranking/classement.h"
#include "store/catalogue.h"
#include "store/modele.h"
#include "store/texte.h"

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

template <typename Controle>
Controle *Nomme(Controle *controle, const QString &nom)
{
    controle->setObjectName(nom);
    return controle;
}

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
    txtNum = Nomme(new QLineEdit(this), u"txtNum"_s);
    txtNom = Nomme(new QLineEdit(this), u"txtNom"_s);
    txtPrenom = Nomme(new QLineEdit(this), u"txtPrenom"_s);
    auto *saisie = new QFormLayout;
    const std::array<QLineEdit *, 3> boites = {txtNum, txtNom, txtPrenom};
    for (int i = 0; i < 3; ++i) {
        Label[i] = Nomme(new QLabel(libelles[i], this), u"Label%1"_s.arg(i));
        Label[i]->setBuddy(boites[i]);
        saisie->addRow(Label[i], boites[i]);
        boites[i]->installEventFilter(this);
    }
    txtNom->setMaxLength(LongueurNom);
    txtPrenom->setMaxLength(LongueurNom);

    chkConv = Nomme(new QCheckBox(u"Conversion majuscules / minuscules (fonctionne bien pour des noms simples "
                                  u"comme DUPONT Jean)"_s,
                                  this),
                    u"chkConv"_s);
    chkConv->setChecked(true);

    auto bouton = [this](const QString &texte, const QString &nom, auto action) {
        auto *b = Nomme(new QPushButton(texte, this), nom);
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    cmdOK = bouton(u"&OK"_s, u"cmdOK"_s, &frmSaiJou::OK);
    cmdNouveau = bouton(u"&Nouveau"_s, u"cmdNouveau"_s, &frmSaiJou::Nouveau);
    cmdSuppr = bouton(u"S&upprimer"_s, u"cmdSuppr"_s, &frmSaiJou::Supprime);
    cmdEfface = bouton(u"R.&A.B."_s, u"cmdEfface"_s, &frmSaiJou::Efface);
    cmdFin = bouton(u"&Sortie"_s, u"cmdFin"_s, &QWidget::close);
    cmdCSV = bouton(u"Récupération des joueurs d'un fichier &CSV"_s, u"cmdCSV"_s, &frmSaiJou::ImporteCsv);
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

void frmSaiJou::Charge(int numero)
{
    cmdSuppr->setEnabled(m.NbJoueurs() >= 1);
    cmdRecup->setEnabled(ListeCatalogue(m).size() > 1);
    if (m.ModeNouveau) {
        Nouveau();
        return;
    }
    const int r = m.RechJoueur(numero);
    m_joueurCourant = r;
    if (r == -1)
        return; // nobody to change: OK will add an entrant
    txtNum->setText(m.Joueurs(ColJoueur::Numero, r).texte());
    txtNom->setText(m.Joueurs(ColJoueur::Nom, r).texte());
    txtPrenom->setText(m.Joueurs(ColJoueur::Prenom, r).texte());
    txtNum->setEnabled(false); // a number is never changed
    txtNom->setFocus();
}

void frmSaiJou::PrepareNouveau()
{
    m.ModeNouveau = true;
    txtNom->clear();
    txtPrenom->clear();
    txtNum->setEnabled(true);
    txtNum->setText(QString::number(RechNumLibre(m)));
    m_joueurCourant = -1;
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
    if (txtNum->text().isEmpty() && txtNom->text().isEmpty() && txtPrenom->text().isEmpty()) {
        close();
        return;
    }
    for (QLineEdit *boite : {txtNom, txtPrenom}) {
        if (boite->text().isEmpty()) {
            boite->setFocus();
            return;
        }
    }
    if (m_joueurCourant == -1) {
        const QString refus = RefusNumero(m, txtNum->text());
        if (!refus.isEmpty()) {
            m.AfficheErreur(refus);
            txtNum->setFocus();
            txtNum->selectAll();
            return;
        }
    }
    if (m.ModeNouveau) {
        const int doublon = RechDoublon(m, NomEnregistre(txtNom->text()), NomEnregistre(txtPrenom->text()));
        if (doublon != -1
            && !m.plateforme.question(TitreProgramme,
                                      u"Ce nom/prénom a déjà été inscrit sous le n° "_s
                                          + TexteSigne(m.Joueurs(ColJoueur::Numero, doublon).nombre())
                                          + u". Voulez-vous l'inscrire à nouveau ?"_s,
                                      false))
            return;
    }
    if (chkConv->isChecked() && m.TypeJeu.estEquipes()) {
        txtNom->setText(ConvertitNomBelote(txtNom->text()));
        txtPrenom->setText(ConvertitNomBelote(txtPrenom->text()));
    }
    if (!EnregJoueur() || !m.ModeNouveau)
        return;

    TrieGrille(m, ColJoueur::Numero, Sens::Ascendant);
    // The sort put the view back on the first row: the window scrolls after it.
    cmdSuppr->setEnabled(true);
    Nouveau();
}

bool frmSaiJou::EnregJoueur()
{
    const QString nom = NomEnregistre(txtNom->text());
    const QString prenom = NomEnregistre(txtPrenom->text());
    if (m_joueurCourant != -1) {
        if (!ChangeJoueur(m, m_joueurCourant, nom, prenom))
            return false;
        m.ModeNouveau = false;
    } else {
        // The grid gets the new row from the sort by number that follows.
        const int p = AjouteJoueur(m, NumeroSaisi(txtNum->text()), nom, prenom);
        if (p == -1)
            return false;
        m.ModeNouveau = true;
        m_joueurCourant = p;
    }
    txtNum->clear();
    txtNom->clear();
    txtPrenom->clear();
    txtNom->setFocus();
    return true;
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
    if (m.NbJoueurs() < 1 || m_joueurCourant < 1 || m_joueurCourant > m.NbJoueurs())
        return;
    const int r = m_joueurCourant;
    const double numero = m.Joueurs(ColJoueur::Numero, r).nombre();
    if (const int manche = MancheDuJoueur(m, numero)) {
        m.AfficheErreur(u"Vous ne pouvez pas supprimer ce joueur : il est inscrit ou a joué dans la manche n° "_s
                        + QString::number(manche));
        return;
    }
    if (!m.plateforme.question(TitreProgramme,
                               u"Voulez-vous vraiment supprimer ce joueur ? (du moins ... son inscription !)"_s, false))
        return;
    if (!SupprimeJoueur(m, r))
        return;
    m_joueurCourant = -1;
    txtNom->clear();
    txtPrenom->clear();
    CalculClassement(m); // refills the grid without the row, selection on row 1
    emit joueurSupprime();
    close();
}

void frmSaiJou::ImporteCsv()
{
    if (!ListeRemplacable(m))
        return;
    m.plateforme.bip();
    if (!m.plateforme.question(
            TitreProgramme,
            u"Attention, cette option efface tous les joueurs actuellement inscrits (s'il y en a) et les remplace "
            u"par les joueurs du fichier CSV que vous allez choisir. Le fichier CSV doit contenir le nom du joueur, "
            u"un point-virgule, et le prénom du joueur, (pour le tarot), ou le nom de la première équipe, un "
            u"point-virgule et le nom de la deuxième équipe (pour la belote).\n\n Voulez-vous continuer ?"_s,
            false))
        return;
    const QString chemin =
        m.plateforme.choisirFichier(u"Récupération des joueurs d'un fichier CSV"_s, m.RepProgramme,
                                    {u"Fichiers CSV (*.csv *.CSV)"_s, u"Tous les fichiers (*)"_s});
    if (chemin.isEmpty())
        return;
    // The file is read before anything is dropped: an unusable file changes nothing.
    const FichierCsv fichier = LitFichierCsv(chemin);
    if (!fichier.erreur.isEmpty()) {
        m.AfficheErreur(fichier.erreur);
        return;
    }
    if (!ConfirmeEffacement(m))
        return;
    TableCellules joueurs(m.Joueurs.nbColonnes());
    if (const int ligne = JoueursCsv(fichier.lignes, joueurs))
        m.AfficheErreur(u"Pas de point-virgule dans votre fichier CSV à la ligne "_s + TexteSigne(ligne)
                        + u"\nArrêt du traitement"_s);
    if (RemplaceJoueurs(m, joueurs))
        ListeRemplacee();
}

void frmSaiJou::Recupere()
{
    if (!ListeRemplacable(m))
        return;
    m.plateforme.bip();
    if (!m.plateforme.question(TitreProgramme,
                               u"Attention, cette option efface tous les joueurs actuellement inscrits (s'il y en a) "
                               u"et les remplace par les joueurs du tournoi que vous allez choisir.  Voulez-vous "
                               u"continuer ?"_s,
                               false))
        return;
    frmChoixTourn choix(m, this);
    if (choix.exec() == QDialog::Accepted)
        ListeRemplacee();
}

void frmSaiJou::ListeRemplacee()
{
    m.ColTri = ColJoueur::Points;
    m.SensTri = Sens::Descendant;
    CalculClassement(m);
    m.plateforme.message(Plateforme::Icone::Aucune, TitreProgramme, u"Terminé."_s);
    // The rows the window pointed to have gone: it is ready for a new entrant,
    // the grid staying on its first row.
    PrepareNouveau();
    cmdSuppr->setEnabled(m.NbJoueurs() >= 1);
}
