#include "app/plateformeqt.h"

#include <QApplication>
#include <QAudioOutput>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVideoWidget>

namespace {

// Full-screen video in a loop; a key or a click closes it.
class EcranVideo : public QVideoWidget
{
public:
    explicit EcranVideo(const QString &chemin)
    {
        setAttribute(Qt::WA_DeleteOnClose);
        auto *lecteur = new QMediaPlayer(this);
        lecteur->setVideoOutput(this);
        lecteur->setLoops(QMediaPlayer::Infinite);
        lecteur->setSource(QUrl::fromLocalFile(chemin));
        setCursor(Qt::BlankCursor);
        showFullScreen();
        // The keys come here, not to the tournament window, where Escape would end the program.
        activateWindow();
        lecteur->play();
    }

protected:
    void keyPressEvent(QKeyEvent *) override { close(); }
    void mousePressEvent(QMouseEvent *) override { close(); }
};

QMessageBox::Icon IconeQt(Plateforme::Icone icone)
{
    switch (icone) {
    case Plateforme::Icone::Exclamation: return QMessageBox::Warning;
    case Plateforme::Icone::Question: return QMessageBox::Question;
    case Plateforme::Icone::Information: return QMessageBox::Information;
    case Plateforme::Icone::Critique: return QMessageBox::Critical;
    case Plateforme::Icone::Aucune: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

// The normal pointer over a box shown during a long task, the hourglass again after it.
PlateformeQt::CurseurNormal::CurseurNormal(const PlateformeQt &plateforme) : m_actif(plateforme.m_sablier > 0)
{
    if (m_actif)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
}

PlateformeQt::CurseurNormal::~CurseurNormal()
{
    if (m_actif)
        QApplication::restoreOverrideCursor();
}

PlateformeQt::PlateformeQt() : m_hasard(std::random_device{}()) {}

PlateformeQt::~PlateformeQt() = default;

void PlateformeQt::bip()
{
    QApplication::beep();
}

void PlateformeQt::message(Icone icone, const QString &titre, const QString &texte)
{
    const CurseurNormal curseur(*this);
    QMessageBox boite(IconeQt(icone), titre, texte, QMessageBox::Ok, QApplication::activeWindow());
    boite.exec();
}

bool PlateformeQt::question(const QString &titre, const QString &texte, bool ouiParDefaut)
{
    const CurseurNormal curseur(*this);
    QMessageBox boite(QMessageBox::Question, titre, texte, QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton *oui = boite.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
    QPushButton *non = boite.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
    boite.setDefaultButton(ouiParDefaut ? oui : non);
    boite.exec();
    return boite.clickedButton() == oui;
}

std::optional<QString> PlateformeQt::saisie(const QString &titre, const QString &invite, const QString &defaut)
{
    const CurseurNormal curseur(*this);
    QInputDialog boite(QApplication::activeWindow());
    boite.setWindowTitle(titre);
    boite.setLabelText(invite);
    boite.setTextValue(defaut);
    // A long prompt wraps rather than widen the box beyond a small screen.
    if (auto *libelle = boite.findChild<QLabel *>())
        libelle->setWordWrap(true);
    if (boite.exec() != QDialog::Accepted)
        return std::nullopt;
    return boite.textValue();
}

QString PlateformeQt::choisirFichier(const QString &titre, const QString &dossier, const QStringList &filtres)
{
    const CurseurNormal curseur(*this);
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), titre, dossier,
                                        filtres.join(QStringLiteral(";;")));
}

void PlateformeQt::sablier(bool actif)
{
    if (actif && m_sablier++ == 0)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (!actif && m_sablier > 0 && --m_sablier == 0)
        QApplication::restoreOverrideCursor();
}

QDateTime PlateformeQt::maintenant()
{
    return QDateTime::currentDateTime();
}

void PlateformeQt::initialiseHasard(quint32 graine)
{
    m_hasard.seed(graine);
}

double PlateformeQt::hasard()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_hasard);
}

void PlateformeQt::joueSon(const QString &chemin)
{
    if (chemin.isEmpty() || !QFileInfo(chemin).isFile())
        return;
    if (!m_son) {
        m_son = new QMediaPlayer(this);
        m_sortie = new QAudioOutput(this);
        m_son->setAudioOutput(m_sortie);
    }
    m_son->setSource(QUrl::fromLocalFile(QFileInfo(chemin).absoluteFilePath()));
    m_son->play();
}

void PlateformeQt::joueVideo(const QString &chemin)
{
    new EcranVideo(QFileInfo(chemin).absoluteFilePath());
}

bool PlateformeQt::ouvreDocument(const QString &chemin)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(chemin).absoluteFilePath()));
}

bool PlateformeQt::editeTexte(const QString &chemin)
{
    // The desktop opens a .TXT file in its text editor.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(chemin).absoluteFilePath()));
}

int PlateformeQt::largeurEcran()
{
    const QScreen *ecran = QGuiApplication::primaryScreen();
    return ecran ? ecran->size().width() : 0;
}

bool PlateformeQt::fichierSystemeExiste(const QString &chemin)
{
    return QFileInfo(chemin).isFile();
}
