#include "salle/frmSalle.h"
#include "ranking/horloge.h"
#include "ranking/ouverture.h"
#include "settings/options.h"
#include "store/modele.h"
#include "widgets/controles.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QColor Fond(11, 42, 74);
const QColor FondBandeau(5, 22, 40);
const QColor FondLigneImpaire(20, 56, 94);
const QColor Texte(Qt::white);
const QColor TexteEntetes(255, 211, 107);
const QColor TexteTitre(159, 211, 255);
const QColor TexteProche(255, 70, 70);

constexpr int TailleMini = 10;
constexpr int TailleMaxi = 300;
constexpr int BlocsMaxi = 3;

// The size of the type belongs to the screen, not to the tournament: it is
// kept in the user's own settings.
QSettings Preferences()
{
    return QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora"));
}
const QString CleTaille = QStringLiteral("salle/taille");

QString NomFichier(const QString &lettre, const QString &numero)
{
    return lettre + numero + QStringLiteral(".DAT");
}

} // namespace

PageSalle::PageSalle(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("page"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PageSalle::setVue(const VueSalle &vue)
{
    m_vue = vue;
    m_page = std::clamp(m_page, 0, nbPages() - 1);
    update();
}

void PageSalle::setTaille(int pixels)
{
    m_taille = pixels;
    m_page = std::clamp(m_page, 0, nbPages() - 1);
    update();
}

void PageSalle::setPage(int page)
{
    m_page = std::clamp(page, 0, nbPages() - 1);
    update();
}

PageSalle::MiseEnPage PageSalle::Calcule() const
{
    MiseEnPage p;
    const int colonnes = int(m_vue.entetes.size());
    const int marge = m_taille / 2;
    const int disponible = std::max(1, width() - 2 * marge);
    int taille = m_taille;
    for (;;) {
        p.police = font();
        p.police.setPixelSize(taille);
        p.policeEntetes = p.police;
        p.policeEntetes.setBold(true);
        const QFontMetrics mesure(p.police), mesureEntetes(p.policeEntetes);
        p.largeurs = QList<int>(colonnes, 0);
        for (int c = 0; c < colonnes; ++c) {
            p.largeurs[c] = mesureEntetes.horizontalAdvance(m_vue.entetes[c]);
            for (const QStringList &ligne : m_vue.lignes)
                p.largeurs[c] = std::max(p.largeurs[c], mesure.horizontalAdvance(ligne.value(c)));
        }
        p.ecart = taille;
        p.largeurBloc = 0;
        for (int l : p.largeurs)
            p.largeurBloc += l;
        p.largeurBloc += p.ecart * std::max(0, colonnes - 1);
        p.hauteurLigne = mesure.lineSpacing() * 6 / 5;
        if (p.largeurBloc <= disponible || taille <= TailleMini)
            break;
        // Too wide: a smaller type for this view only.
        taille = std::max(TailleMini, std::min(taille - 1, int(taille * double(disponible) / p.largeurBloc)));
    }
    const int n = int(m_vue.lignes.size());
    p.lignesParBloc = std::max(1, (height() - p.hauteurLigne) / std::max(1, p.hauteurLigne));
    if (n > p.lignesParBloc) {
        const int ecartBloc = 2 * p.ecart;
        const int possibles = std::clamp((disponible + ecartBloc) / (p.largeurBloc + ecartBloc), 1, BlocsMaxi);
        p.blocs = std::min(possibles, (n + p.lignesParBloc - 1) / p.lignesParBloc);
    }
    return p;
}

int PageSalle::nbPages() const
{
    const MiseEnPage p = Calcule();
    const int parPage = p.lignesParBloc * p.blocs;
    return std::max(1, (int(m_vue.lignes.size()) + parPage - 1) / parPage);
}

QList<QStringList> PageSalle::lignesPage() const
{
    const MiseEnPage p = Calcule();
    const int parPage = p.lignesParBloc * p.blocs;
    return m_vue.lignes.mid(qsizetype(m_page) * parPage, parPage);
}

void PageSalle::resizeEvent(QResizeEvent *)
{
    m_page = std::clamp(m_page, 0, nbPages() - 1);
    emit redimensionnee();
}

void PageSalle::paintEvent(QPaintEvent *)
{
    QPainter peintre(this);
    peintre.fillRect(rect(), Fond);
    const MiseEnPage p = Calcule();
    const QList<QStringList> lignes = lignesPage();
    const int ecartBloc = 2 * p.ecart;
    const int largeurTotale = p.blocs * p.largeurBloc + (p.blocs - 1) * ecartBloc;
    const int gauche = std::max(m_taille / 2, (width() - largeurTotale) / 2);

    auto dessineLigne = [&](const QStringList &cases, int x, int y, bool entetes) {
        peintre.setFont(entetes ? p.policeEntetes : p.police);
        peintre.setPen(entetes ? TexteEntetes : Texte);
        for (int c = 0; c < p.largeurs.size(); ++c) {
            const Qt::Alignment alignement = (m_vue.aDroite.value(c) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
            peintre.drawText(QRect(x, y, p.largeurs[c], p.hauteurLigne), int(alignement), cases.value(c));
            x += p.largeurs[c] + p.ecart;
        }
    };
    for (int b = 0; b < p.blocs; ++b) {
        const int x = gauche + b * (p.largeurBloc + ecartBloc);
        dessineLigne(m_vue.entetes, x, 0, true);
        for (int i = 0; i < p.lignesParBloc; ++i) {
            const int k = b * p.lignesParBloc + i;
            if (k >= lignes.size())
                break;
            const int y = (i + 1) * p.hauteurLigne;
            // Every other row on a lighter ground: the eye follows a row across.
            if (i % 2 == 1)
                peintre.fillRect(QRect(x - p.ecart / 2, y, p.largeurBloc + p.ecart, p.hauteurLigne), FondLigneImpaire);
            dessineLigne(lignes[k], x, y, false);
        }
    }
}

frmSalle::frmSalle(const QString &dossier, const QString &numero, QWidget *parent)
    : QWidget(parent, Qt::Window), m_dossier(dossier), m_numero(numero)
{
    setObjectName(QStringLiteral("frmSalle"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Affichage salle"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Fond);
    palette.setColor(QPalette::WindowText, Texte);
    setPalette(palette);

    bandeau = Cree<QWidget>(QStringLiteral("bandeau"), this);
    bandeau->setAutoFillBackground(true);
    QPalette paletteBandeau = palette;
    paletteBandeau.setColor(QPalette::Window, FondBandeau);
    bandeau->setPalette(paletteBandeau);
    lblTournoi = Cree<QLabel>(QStringLiteral("lblTournoi"), bandeau);
    lblManche = Cree<QLabel>(QStringLiteral("lblManche"), bandeau);
    lblFin = Cree<QLabel>(QStringLiteral("lblFin"), bandeau);
    lblHeure = Cree<QLabel>(QStringLiteral("lblHeure"), bandeau);
    auto *ligneBandeau = new QHBoxLayout(bandeau);
    ligneBandeau->addWidget(lblTournoi, 1);
    for (QLabel *etiquette : {lblManche, lblFin, lblHeure}) {
        ligneBandeau->addSpacing(20);
        ligneBandeau->addWidget(etiquette);
    }
    lblTitre = Cree<QLabel>(QStringLiteral("lblTitre"), this);
    lblTitre->setAlignment(Qt::AlignCenter);
    QPalette paletteTitre = palette;
    paletteTitre.setColor(QPalette::WindowText, TexteTitre);
    lblTitre->setPalette(paletteTitre);
    page = new PageSalle(this);
    connect(page, &PageSalle::redimensionnee, this, &frmSalle::AfficheVue);

    auto *colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->setSpacing(0);
    colonne->addWidget(bandeau);
    colonne->addWidget(lblTitre);
    colonne->addWidget(page, 1);

    TimerPage = new QTimer(this);
    TimerPage->setInterval(DureePage);
    connect(TimerPage, &QTimer::timeout, this, &frmSalle::pageSuivante);
    TimerHorloge = new QTimer(this);
    TimerHorloge->setInterval(DureeHorloge);
    connect(TimerHorloge, &QTimer::timeout, this, &frmSalle::afficheHeure);
    TimerControle = new QTimer(this);
    TimerControle->setInterval(PeriodeControle);
    connect(TimerControle, &QTimer::timeout, this, &frmSalle::Controle);
    TimerRelecture = new QTimer(this);
    TimerRelecture->setSingleShot(true);
    TimerRelecture->setInterval(DelaiRelecture);
    connect(TimerRelecture, &QTimer::timeout, this, [this] {
        Surveille();
        Controle();
    });

    // A folder watch sees files appear (the rounds and scores files come with
    // the first round) and saves that replace a file; a file watch sees a
    // file written in place.
    m_surveillant = new QFileSystemWatcher(this);
    connect(m_surveillant, &QFileSystemWatcher::fileChanged, TimerRelecture, qOverload<>(&QTimer::start));
    connect(m_surveillant, &QFileSystemWatcher::directoryChanged, TimerRelecture, qOverload<>(&QTimer::start));
    m_surveillant->addPath(m_dossier);
    Surveille();

    const QScreen *ecran = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int tailleParDefaut = ecran ? std::max(16, ecran->geometry().height() / 24) : 40;
    m_taille = std::clamp(Preferences().value(CleTaille, tailleParDefaut).toInt(), TailleMini, TailleMaxi);
    AppliqueTaille();

    lblTournoi->setText(QStringLiteral("Tournoi ") + m_numero);
    Relit();
    afficheHeure();
    TimerPage->start();
    TimerHorloge->start();
    TimerControle->start();
}

frmSalle::~frmSalle()
{
    DetacheEnfants(this);
}

void frmSalle::montre()
{
    QScreen *principal = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    QScreen *cible = principal;
    for (QScreen *ecran : QGuiApplication::screens())
        if (ecran != principal) {
            cible = ecran;
            break;
        }
    if (cible)
        setScreen(cible);
    if (cible != principal || !parentWidget()) {
        if (cible)
            setGeometry(cible->geometry());
        showFullScreen();
    } else {
        if (cible)
            resize(cible->availableGeometry().size() * 3 / 4);
        show();
    }
    raise();
    activateWindow();
    setFocus();
}

void frmSalle::rafraichit()
{
    Relit();
}

bool frmSalle::Relit()
{
    const QString signature = Signature();
    auto lu = std::make_unique<Modele>(m_plateforme);
    lu->RepProgramme = m_dossier;
    try {
        // The averages are a program-wide option.
        LitOptions(*lu);
        if (!lu->FichierExiste(NomFichier(QStringLiteral("T"), m_numero)))
            return false;
        std::optional<TournoiLu> tournoi = LitTournoi(*lu, m_numero);
        if (!tournoi)
            return false;
        // The rounds file stays as it is: the status is only worked out.
        InstalleTournoi(*lu, std::move(*tournoi), false);
    } catch (const ArretProgramme &) {
        return false;
    }
    m_modele = std::move(lu);
    m_signatureLue = signature;
    AfficheTournoi();
    return true;
}

QString frmSalle::Signature() const
{
    QString signature;
    const QDir dossier(m_dossier);
    for (const QString &nom : {NomFichier(QStringLiteral("T"), m_numero), NomFichier(QStringLiteral("J"), m_numero),
                               NomFichier(QStringLiteral("M"), m_numero), NomFichier(QStringLiteral("S"), m_numero),
                               QStringLiteral("VELMORA.INI")}) {
        const QFileInfo info(dossier.filePath(nom));
        signature += info.exists() ? QStringLiteral("%1/%2/%3;")
                                         .arg(info.size())
                                         .arg(info.lastModified().toMSecsSinceEpoch())
                                         .arg(info.metadataChangeTime().toMSecsSinceEpoch())
                                   : QStringLiteral("-;");
    }
    return signature;
}

void frmSalle::Controle()
{
    // A reading that failed left the old signature: it is tried again here.
    if (!m_modele || Signature() != m_signatureLue)
        Relit();
}

void frmSalle::Surveille()
{
    const QDir dossier(m_dossier);
    const QStringList suivis = m_surveillant->files();
    for (const QString &lettre : {QStringLiteral("T"), QStringLiteral("J"), QStringLiteral("M"), QStringLiteral("S")}) {
        const QString chemin = dossier.filePath(NomFichier(lettre, m_numero));
        if (!suivis.contains(chemin) && QFileInfo::exists(chemin))
            m_surveillant->addPath(chemin);
    }
}

void frmSalle::AfficheTournoi()
{
    const Modele &m = *m_modele;
    const QString nom = m.NomTournoi.isEmpty() ? QStringLiteral("Tournoi ") + m_numero : m.NomTournoi;
    setWindowTitle(QStringLiteral("Affichage salle - ") + nom);
    lblTournoi->setText(nom);
    lblManche->setText(TexteManche(m));

    // The view on screen stays on screen when it still exists.
    const GenreVue genre = m_vues.isEmpty() ? GenreVue::Tables : m_vues[m_vue].genre;
    m_vues = VuesSalle(m);
    m_vue = 0;
    for (int i = 0; i < m_vues.size(); ++i)
        if (m_vues[i].genre == genre)
            m_vue = i;
    AfficheVue();
    afficheHeure();
}

void frmSalle::AfficheVue()
{
    if (m_vues.isEmpty())
        return;
    page->setVue(m_vues[m_vue]);
    QString titre = m_vues[m_vue].titre;
    if (page->nbPages() > 1)
        titre += QStringLiteral("   (%1/%2)").arg(page->page() + 1).arg(page->nbPages());
    if (m_pause)
        titre += QStringLiteral("   — pause");
    lblTitre->setText(titre);
}

void frmSalle::pageSuivante()
{
    if (m_pause || m_vues.isEmpty())
        return;
    if (page->page() + 1 < page->nbPages()) {
        page->setPage(page->page() + 1);
    } else {
        m_vue = (m_vue + 1) % int(m_vues.size());
        page->setPage(0);
    }
    AfficheVue();
}

void frmSalle::afficheHeure()
{
    const QDateTime maintenant = m_plateforme.maintenant();
    lblHeure->setText(maintenant.toString(QStringLiteral("HH:mm")));
    const FinManche fin = m_modele ? TexteFinManche(maintenant.time(), FinMancheCourante(*m_modele)) : FinManche();
    lblFin->setText(fin.texte);
    QPalette palette = lblFin->palette();
    palette.setColor(QPalette::WindowText, fin.proche ? TexteProche : Texte);
    lblFin->setPalette(palette);
}

void frmSalle::keyPressEvent(QKeyEvent *evenement)
{
    switch (evenement->key()) {
    case Qt::Key_F11:
        if (isFullScreen())
            showNormal();
        else
            showFullScreen();
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: // the + of a keyboard without Shift
        ChangeTaille(1);
        break;
    case Qt::Key_Minus:
        ChangeTaille(-1);
        break;
    case Qt::Key_Space:
        m_pause = !m_pause;
        AfficheVue();
        break;
    case Qt::Key_Escape:
        close();
        break;
    default:
        QWidget::keyPressEvent(evenement);
        return;
    }
    evenement->accept();
}

void frmSalle::ChangeTaille(int sens)
{
    // Steps of a tenth: as visible on a small type as on a large one.
    const int pas = std::max(1, m_taille / 10);
    m_taille = std::clamp(m_taille + sens * pas, TailleMini, TailleMaxi);
    Preferences().setValue(CleTaille, m_taille);
    AppliqueTaille();
}

void frmSalle::AppliqueTaille()
{
    QFont police = font();
    police.setPixelSize(m_taille);
    bandeau->setFont(police);
    QFont policeTitre = police;
    policeTitre.setBold(true);
    lblTitre->setFont(policeTitre);
    page->setTaille(m_taille);
    AfficheVue();
}

int AffichageSeul(const QString &dossier, const QString &numero)
{
    auto *salle = new frmSalle(dossier, numero);
    salle->montre();
    return QApplication::exec();
}

QIcon PictogrammeSalle()
{
    QPixmap image(28, 28);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor fond(0, 110, 140);
    p.setPen(QPen(fond.darker(150), 1));
    p.setBrush(fond);
    p.drawRoundedRect(QRectF(1.5, 1.5, 25, 25), 5, 5);
    // A screen on its foot, with lines of text on it.
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(5.5, 6.5, 17, 12));
    p.drawLine(QPointF(14, 18.5), QPointF(14, 21.5));
    p.drawLine(QPointF(10, 22), QPointF(18, 22));
    p.setPen(QPen(Qt::white, 1.2));
    for (double y : {9.5, 12.5, 15.5})
        p.drawLine(QPointF(8, y), QPointF(y == 15.5 ? 15 : 20, y));
    return QIcon(image);
}
