#include "app/frm00.h"
#include "app/frmPatience.h"
#include "app/frmPub.h"
#include "ranking/frmTarot1.h"
#include "ranking/ouverture.h"
#include "settings/frmOpt.h"
#include "settings/options.h"
#include "store/catalogue.h"
#include "store/modele.h"
#include "widgets/controles.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

namespace {

// The decorative picture: a fan of four cards.
QPixmap Eventail()
{
    QPixmap image(160, 110);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QStringList couleurs = {QStringLiteral("♠"), QStringLiteral("♥"), QStringLiteral("♦"), QStringLiteral("♣")};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(80, 100);
        p.rotate(-30 + 20 * i);
        p.setPen(Qt::darkGray);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(-22, -90, 44, 64), 5, 5);
        p.setPen(i == 1 || i == 2 ? QColor(200, 0, 0) : Qt::black);
        QFont police = p.font();
        police.setPixelSize(22);
        p.setFont(police);
        p.drawText(QRectF(-22, -90, 44, 64), Qt::AlignCenter, couleurs[i]);
        p.restore();
    }
    return image;
}

} // namespace

frm00::frm00(Modele &modele, QWidget *parent) : QWidget(parent), m(modele)
{
    setObjectName(QStringLiteral("frm00"));
    setWindowTitle(QStringLiteral("Velmora Tarot Belote"));

    Label2 = Etiquette(this, QStringLiteral("Label2"), QStringLiteral("Velmora Tarot Belote"));
    QFont grande = Label2->font();
    grande.setPointSize(grande.pointSize() * 2 + 4);
    grande.setBold(true);
    grande.setItalic(true);
    Label2->setFont(grande);
    Label3 = Etiquette(this, QStringLiteral("Label3"), QStringLiteral("Gérez sans peine vos tournois de tarot et de belote !"));
    lblVersion = Etiquette(this, QStringLiteral("lblVersion"), QString());
    Label5 = Etiquette(this, QStringLiteral("Label5"), QStringLiteral("Liste des tournois existants :"));
    lstTournois = new QListWidget(this);
    lstTournois->setObjectName(QStringLiteral("lstTournois"));
    Label1 = Etiquette(this, QStringLiteral("Label1"),
                       QStringLiteral("Pour créer un nouveau tournoi, cliquez simplement sur \"Nouveau\"."));
    Label4 = Etiquette(this, QStringLiteral("Label4"),
                       QStringLiteral("Pour gérer un tournoi existant, sélectionnez-le dans la liste en cliquant "
                                      "dessus, puis cliquez sur \"Continuer\"."));
    Label6 = Etiquette(this, QStringLiteral("Label6"),
                       QStringLiteral("Pour supprimer un tournoi existant, sélectionnez-le dans la liste en cliquant "
                                      "dessus, puis cliquez sur \"Supprimer\"."));
    Picture2 = Etiquette(this, QStringLiteral("Picture2"), QString());
    Picture2->setPixmap(Eventail());
    cmdOK = Bouton(this, QStringLiteral("cmdOK"), QStringLiteral("Continuer"));
    cmdNouveau = Bouton(this, QStringLiteral("cmdNouveau"), QStringLiteral("Nouveau"));
    cmdSupprimer = Bouton(this, QStringLiteral("cmdSupprimer"), QStringLiteral("Supprimer"));
    cmdAide = Bouton(this, QStringLiteral("cmdAide"), QStringLiteral("Aide"));
    cmdFin = Bouton(this, QStringLiteral("cmdFin"), QStringLiteral("Sortie"));

    auto *grille = new QGridLayout(this);
    grille->addWidget(Label2, 0, 0, 1, 2);
    grille->addWidget(Picture2, 0, 2, 2, 1, Qt::AlignRight);
    grille->addWidget(Label3, 1, 0, 1, 2);
    grille->addWidget(lblVersion, 2, 0);
    grille->addWidget(Label5, 3, 0, 1, 3);
    grille->addWidget(lstTournois, 4, 0, 1, 2);
    auto *boutons = new QVBoxLayout;
    for (QPushButton *bouton : {cmdOK, cmdNouveau, cmdSupprimer, cmdAide, cmdFin})
        boutons->addWidget(bouton);
    boutons->addStretch();
    grille->addLayout(boutons, 4, 2);
    grille->addWidget(Label1, 5, 0, 1, 3);
    grille->addWidget(Label4, 6, 0, 1, 3);
    grille->addWidget(Label6, 7, 0, 1, 3);

    // The wait window of every long task: a tournament opening, a document being prepared.
    connect(&m, &Modele::attente, this, &frm00::MontreAttente);
    connect(&m, &Modele::finAttente, this, [this] { delete m_attente; });
    connect(&m, &Modele::progression, this, [this](int pourcentage) {
        if (m_attente)
            m_attente->ProgressBar1->setValue(pourcentage);
    });
    connect(lstTournois, &QListWidget::itemDoubleClicked, this, &frm00::ChargeTournoi);
    connect(cmdOK, &QPushButton::clicked, this, &frm00::ChargeTournoi);
    connect(cmdNouveau, &QPushButton::clicked, this, &frm00::Nouveau);
    connect(cmdSupprimer, &QPushButton::clicked, this, &frm00::Supprimer);
    connect(cmdAide, &QPushButton::clicked, this,
            [this] { m.OuvreAide(QStringLiteral("sommaire.html")); });
    connect(cmdFin, &QPushButton::clicked, this, &QWidget::close);
}

void frm00::MontreAttente(const QString &texte)
{
    if (!m_attente)
        m_attente = new frmPatience(this);
    m_attente->Label2->setText(texte);
    m_attente->show();
    m_attente->repaint();
}

frmTarot1 *frm00::fenetreTournoi() const
{
    return m_tournoi;
}

void frm00::Demarre()
{
    if (m.plateforme.largeurEcran() < 800)
        m.ArretFatal(QStringLiteral("VELMORA ne fonctionne pas dans une résolution d'écran inférieure à 800x600 "
                                    "pixels. Modifiez la résolution et relancez le logiciel. Merci."));
    lblVersion->setText(VersionProgramme);
    m.WordInstalle = ChercheWord(false);
    ListeTournois();
    LitOptions(m);
    OccupeEcran(this);
}

bool frm00::ChercheWord(bool afficher)
{
    const QStringList trouves = TraitementsDeTexte(m.plateforme);
    if (afficher)
        for (const QString &texte : trouves)
            m.plateforme.message(Plateforme::Icone::Aucune, TitreProgramme, texte);
    return !trouves.isEmpty();
}

void frm00::DiagnosticWord()
{
    m.WordInstalle = false;
    m.WordInstalle = ChercheWord(true);
    if (!m.WordInstalle)
        m.plateforme.message(Plateforme::Icone::Aucune, TitreProgramme,
                             QStringLiteral("Word n'est pas installé sur ce PC."));
}

void frm00::ListeTournois()
{
    lstTournois->clear();
    lstTournois->addItems(ListeCatalogue(m));
}

void frm00::ChargeTournoi()
{
    QListWidgetItem *entree = lstTournois->currentItem();
    if (!entree || !entree->isSelected()) {
        m.AfficheErreur(QStringLiteral("Sélectionnez d'abord un tournoi en cliquant dessus dans la liste."));
        return;
    }
    Ouvre(NumeroEntree(entree->text()), true);
}

void frm00::Ouvre(const QString &numero, bool attente)
{
    if (attente)
        MontreAttente(QStringLiteral("Chargement des joueurs et des scores en cours ..."));
    std::optional<TournoiLu> lu = LitTournoi(m, numero);
    if (lu) {
        delete m_tournoi;
        InstalleTournoi(m, std::move(*lu));
    }
    delete m_attente;
    if (!lu) {
        ListeTournois();
        return;
    }
    setWindowTitle(m.NomTournoi.isEmpty() ? QStringLiteral("VELMORA") : m.NomTournoi);
    m_tournoi = new frmTarot1(m, this);
    m_tournoi->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_tournoi, &frmTarot1::finProgramme, this, &frm00::finProgramme);
    connect(m_tournoi, &frmTarot1::aPropos, m_tournoi, [tournoi = m_tournoi.data()] { (new frmPub(tournoi))->show(); });
    m_tournoi->show();
}

void frm00::Nouveau()
{
    const QString numero = PremierNumeroLibre(ListeCatalogue(m));
    if (numero.size() > 2) {
        m.AfficheErreur(QStringLiteral("Le nombre maximum de 99 tournois est atteint."));
        return;
    }
    // Nothing changes until the new tournament's header is written.
    frmOpt options(m, numero, this);
    if (options.exec() == QDialog::Accepted)
        Ouvre(numero, false);
}

void frm00::Supprimer()
{
    QListWidgetItem *entree = lstTournois->currentItem();
    if (!entree || !entree->isSelected()) {
        m.AfficheErreur(
            QStringLiteral("Vous devez sélectionner un tournoi existant dans la liste pour le supprimer."));
        return;
    }
    m.plateforme.bip();
    if (!m.plateforme.question(TitreProgramme,
                               QStringLiteral("Vous avez demandé de supprimer le tournoi : ") + entree->text()
                                   + QStringLiteral(" (les tournois suivants, s'ils existent, seront renumérotés "
                                                    "automatiquement). ")
                                   + QStringLiteral(" Voulez-vous continuer ?"),
                               false))
        return;
    const int n = NumeroEntree(entree->text()).toInt();
    const int ouvert = m_tournoi ? m.NumTournoi.toInt() : 0;
    // The open tournament's windows must not go on writing under a number it no longer has.
    if (ouvert == n)
        delete m_tournoi;
    SupprimeTournoi(m, n, lstTournois->count());
    if (ouvert > n && ouvert <= lstTournois->count())
        m.NumTournoi = QStringLiteral("%1").arg(ouvert - 1, 2, 10, QLatin1Char('0'));
    ListeTournois();
}

void frm00::changeEvent(QEvent *evenement)
{
    QWidget::changeEvent(evenement);
    if (evenement->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    // The catalogue follows the directory; the selection survives when its tournament does.
    const QString choisi = lstTournois->currentItem() && lstTournois->currentItem()->isSelected()
                               ? lstTournois->currentItem()->text()
                               : QString();
    ListeTournois();
    const QList<QListWidgetItem *> memes = lstTournois->findItems(choisi, Qt::MatchExactly);
    if (!choisi.isEmpty() && !memes.isEmpty())
        lstTournois->setCurrentItem(memes.first());
}

void frm00::closeEvent(QCloseEvent *evenement)
{
    evenement->accept();
    emit finProgramme();
}

void frm00::keyReleaseEvent(QKeyEvent *evenement)
{
    if (evenement->key() == Qt::Key_W && evenement->modifiers() == Qt::ControlModifier)
        DiagnosticWord();
    QWidget::keyReleaseEvent(evenement);
}
