// Every window of each game on an 800 x 600 screen: its frame fits, every
// control lies inside it, and no text needs more room than its control has.
#include "app/frm00.h"
#include "ranking/frmTarot1.h"
#include "support/tournoi.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The screen of the smallest machine the program runs on.
constexpr QSize Ecran(800, 600);
// Where the system draws no title bar (the offscreen tests), one is counted as
// on a usual desktop.
constexpr int BarreTitre = 30;

QString SansMnemonique(QString texte)
{
    return texte.replace(u"&&"_s, u"\x01"_s).remove(u'&').replace(u'\x01', u'&');
}

// Room a text takes at this width, wrapped at the blanks: wider than the width
// when a word alone does not fit.
QSize Place(const QFontMetrics &fm, int largeur, const QString &texte)
{
    return fm.boundingRect(QRect(0, 0, std::max(largeur, 1), 100000), Qt::TextWordWrap, texte).size();
}

// Whether a control lies in the scrolled part of a grid or a list, where it may be out of view.
bool Defile(const QWidget *c, const QWidget *fenetre)
{
    for (const QWidget *p = c->parentWidget(); p && p != fenetre; p = p->parentWidget())
        if (auto *zone = qobject_cast<const QAbstractScrollArea *>(p->parentWidget()); zone && zone->viewport() == p)
            return true;
    return false;
}

QString Nom(const QWidget *c)
{
    return c->objectName().isEmpty() ? QLatin1String(c->metaObject()->className()) : c->objectName();
}

// What does not fit in a window, one line per fault.
QStringList Defauts(QWidget *fenetre)
{
    QStringList defauts;
    const auto trop = [&](const QWidget *c, const QString &texte, int voulu, int a) {
        if (voulu > a)
            defauts << u"%1 « %2 » veut %3, a %4"_s.arg(Nom(c), texte).arg(voulu).arg(a);
    };
    // The frame the system draws, its top at least a title bar high.
    QRect cadre = fenetre->frameGeometry();
    cadre.setTop(std::min(cadre.top(), fenetre->geometry().top() - BarreTitre));
    if (cadre.width() > Ecran.width() || cadre.height() > Ecran.height())
        defauts << u"cadre de %1 x %2"_s.arg(cadre.width()).arg(cadre.height());
    for (QWidget *c : fenetre->findChildren<QWidget *>()) {
        if (!c->isVisibleTo(fenetre) || c->isWindow() || Defile(c, fenetre))
            continue;
        const QRect place(c->mapTo(fenetre, QPoint()), c->size());
        if (!fenetre->rect().contains(place))
            defauts << Nom(c) + u" hors de la fenêtre"_s;
        const QFontMetrics fm = c->fontMetrics();
        QStyle *style = c->style();
        if (auto *libelle = qobject_cast<QLabel *>(c); libelle && !libelle->text().isEmpty()
                                                        && !Qt::mightBeRichText(libelle->text())) {
            const QRect zone = libelle->contentsRect().adjusted(libelle->margin(), libelle->margin(),
                                                                 -libelle->margin(), -libelle->margin());
            const QString texte = libelle->buddy() ? SansMnemonique(libelle->text()) : libelle->text();
            const QSize voulu = libelle->wordWrap() ? Place(fm, zone.width(), texte)
                                                    : fm.boundingRect(QRect(), 0, texte).size();
            if (voulu.width() > zone.width() || voulu.height() > zone.height())
                defauts << u"%1 « %2 » veut %3 x %4, a %5 x %6"_s.arg(Nom(c), texte)
                               .arg(voulu.width()).arg(voulu.height()).arg(zone.width()).arg(zone.height());
            // A caption of a few words stays on one line.
            else if (libelle->wordWrap() && texte.count(u' ') < 3 && voulu.height() > fm.height())
                defauts << u"%1 « %2 » passe à la ligne"_s.arg(Nom(c), texte);
        } else if (auto *bouton = qobject_cast<QPushButton *>(c); bouton && !bouton->text().isEmpty()) {
            const int voulu = fm.horizontalAdvance(SansMnemonique(bouton->text()))
                              + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, c)
                              + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, c)
                              + (bouton->icon().isNull() ? 0 : bouton->iconSize().width() + 4);
            trop(c, bouton->text(), voulu, bouton->width());
        } else if (qobject_cast<QCheckBox *>(c) || qobject_cast<QRadioButton *>(c)) {
            trop(c, static_cast<QAbstractButton *>(c)->text(), c->sizeHint().width(), c->width());
        } else if (auto *cadreTitre = qobject_cast<QGroupBox *>(c)) {
            trop(c, cadreTitre->title(), fm.horizontalAdvance(cadreTitre->title()) + 2 * fm.averageCharWidth(),
                 c->width());
        } else if (auto *titres = qobject_cast<QHeaderView *>(c);
                   titres && titres->orientation() == Qt::Horizontal && titres->model()) {
            const int marge = style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, c);
            for (int i = 0; i < titres->count(); ++i) {
                const QString texte = titres->model()->headerData(i, Qt::Horizontal).toString();
                if (titres->isSectionHidden(i) || texte.isEmpty())
                    continue;
                const QSize voulu = Place(fm, titres->sectionSize(i) - 2 * marge, texte);
                if (voulu.width() > titres->sectionSize(i) - 2 * marge || voulu.height() > titres->height())
                    defauts << u"titre « %1 » de %2 veut %3 x %4, a %5 x %6"_s
                                   .arg(texte, Nom(c->parentWidget()))
                                   .arg(voulu.width() + 2 * marge).arg(voulu.height())
                                   .arg(titres->sectionSize(i)).arg(titres->height());
            }
        }
    }
    return defauts;
}

} // namespace

class TestEcran : public QObject
{
    Q_OBJECT

private slots:
    // Each row: the game; the class of the window, then the buttons that open it from the tournament window.
    void fenetres_data()
    {
        QTest::addColumn<int>("jeu");
        QTest::addColumn<QString>("chemin");
        for (int jeu : {TypeJeu::Tarot, TypeJeu::Belote, TypeJeu::BeloteInd})
            for (const char *chemin : {"frm00", "frmTarot1", "frmPatience", "frmOpt cmdOptions", "frmSaiJou cmdInscr",
                                       "frmChoixTourn cmdInscr cmdRecup", "frmConfirm cmdCoch1", "frmSaiMan cmdManches",
                                       "frmSaiSco cmdTable", "frmSaiSco cmdScores", "frmRepart cmdTables",
                                       "frmOptFeuilles cmdTables cmdImprFM", "frmDetail cmdRechJou", "frmPub cmdPub"})
                QTest::addRow("%s, %s", qPrintable(TypeJeu(TypeJeu::Valeur(jeu)).texte()), chemin) << jeu << chemin;
    }
    void fenetres()
    {
        QFETCH(int, jeu);
        QFETCH(QString, chemin);
        const QString fenetre = chemin.section(u' ', 0, 0);
        // Two tournaments of 16 entrants with long names, two rounds, the first one scored
        // unless the entrants are to be copied (a copy is refused once a score is in).
        Tournoi t{TypeJeu::Valeur(jeu)};
        for (int k = 1; k <= 16; ++k)
            t.joueur(k, u"DE LA FONTAINE-MARTEL %1"_s.arg(k), u"Marie-Françoise %1"_s.arg(k));
        t.manches(2, u"8"_s).courante(2).places();
        const int n = t.m.NbParTable();
        for (int table = 1; table <= 16 / n; ++table) {
            QList<int> entrants;
            for (int k = 1; k <= n; ++k)
                entrants << (table - 1) * n + k;
            t.table(1, table, entrants, QStringList(n, fenetre == u"frmChoixTourn" ? QString() : u"-1234"_s), u"8"_s);
            t.table(2, table, entrants);
        }
        t.enregistre();
        t.ecrit(u"T02.DAT"_s, "NomTournoi=Autre\r\nTypeJeu=TAROT\r\n");
        t.m.NumTournoi.clear();

        frm00 depart(t.m);
        depart.Demarre();
        depart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&depart));
        depart.lstTournois->setCurrentRow(0);
        depart.cmdOK->click();
        QWidget *tournoi = depart.fenetreTournoi();
        QVERIFY(tournoi);
        if (fenetre == u"frmPatience")
            emit t.m.attente(u"Chargement des joueurs et des scores en cours ..."_s);

        // The last button may open a modal window: it is measured from inside its loop.
        QStringList defauts;
        bool mesure = false;
        const auto mesurer = [&] {
            QWidget *vue = nullptr;
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->isVisible() && QLatin1String(w->metaObject()->className()) == fenetre)
                    vue = w;
            defauts = vue ? Defauts(vue) : QStringList{u"fenêtre absente"_s};
            if (vue && vue->isModal())
                vue->close();
            mesure = true;
        };
        t.p.reponses.enqueue(true); // the copy asks first
        QWidget *courante = tournoi;
        const QStringList boutons = chemin.split(u' ').mid(1);
        for (qsizetype i = 0; i < boutons.size(); ++i) {
            if (i == boutons.size() - 1)
                QTimer::singleShot(0, this, mesurer);
            Controle<QPushButton>(courante, boutons[i])->click();
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->isVisible() && w != tournoi && w != &depart && w->parentWidget())
                    courante = w;
        }
        if (boutons.isEmpty())
            mesurer();
        QVERIFY(QTest::qWaitFor([&] { return mesure; }));
        for (const PlateformeTest::Boite &boite : t.p.boites)
            QVERIFY2(boite.question, qPrintable(boite.texte));
        QVERIFY2(defauts.isEmpty(), qPrintable(u"\n"_s + defauts.join(u'\n')));
    }
};

QTEST_MAIN(TestEcran)
#include "test_ecran.moc"
