#include "app/plateformeqt.h"

#include <QApplication>
#include <QAudioOutput>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
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

#ifndef Q_OS_WIN
// The name a desktop entry gives its application; empty when it has none.
QString NomApplication(const QString &entree)
{
    QFile fichier(entree);
    if (entree.isEmpty() || !fichier.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool section = false;
    while (!fichier.atEnd()) {
        const QString ligne = QString::fromUtf8(fichier.readLine()).trimmed();
        if (ligne.startsWith(u'['))
            section = ligne == u"[Desktop Entry]";
        else if (section && ligne.startsWith(u"Name="))
            return ligne.mid(5).trimmed();
    }
    return {};
}
#endif

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

// The temporary folder goes with the platform, at the end of the run.
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
    const QString absolu = QFileInfo(chemin).absoluteFilePath();
    // Without a desktop application for documents, LibreOffice found by the probe opens them.
    if (!m_executableDocx.isEmpty() && absolu.endsWith(QStringLiteral(".docx"), Qt::CaseInsensitive))
        return QProcess::startDetached(m_executableDocx, {absolu});
    return QDesktopServices::openUrl(QUrl::fromLocalFile(absolu));
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

QString PlateformeQt::traitementDeTexte()
{
#ifdef Q_OS_WIN
    return {};
#else
    // The desktop's default application, named as its menu names it.
    QProcess xdg;
    xdg.start(QStringLiteral("xdg-mime"),
              {QStringLiteral("query"), QStringLiteral("default"),
               QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.document")});
    // A desktop that does not answer at once is taken as having none.
    if (!xdg.waitForFinished(3000)) {
        xdg.kill();
        xdg.waitForFinished(1000);
    }
    const QString application = QString::fromLocal8Bit(xdg.readAllStandardOutput()).trimmed();
    m_executableDocx.clear();
    if (xdg.exitStatus() == QProcess::NormalExit && xdg.exitCode() == 0 && !application.isEmpty()) {
        const QString nom = NomApplication(QStandardPaths::locate(QStandardPaths::ApplicationsLocation, application));
        return nom.isEmpty() ? application : nom;
    }
    for (const QString &executable : {QStringLiteral("soffice"), QStringLiteral("libreoffice")}) {
        const QString chemin = QStandardPaths::findExecutable(executable);
        if (!chemin.isEmpty())
            return m_executableDocx = chemin;
    }
    return {};
#endif
}

QString PlateformeQt::dossierDocuments()
{
    if (!m_documents) {
        m_documents = std::make_unique<QTemporaryDir>(QDir::temp().filePath(QStringLiteral("velmora-XXXXXX")));
        if (!m_documents->isValid()) {
            m_documents.reset();
            return {};
        }
    }
    return m_documents->path();
}
