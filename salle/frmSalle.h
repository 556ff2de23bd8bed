#pragma once

#include "salle/muette.h"
#include "salle/pages.h"

#include <QIcon>
#include <QWidget>
#include <memory>

class Modele;
class QFileSystemWatcher;
class QLabel;
class QTimer;

// The rows of one view laid out in columns, in type as large as asked, cut
// into pages that fill the area. Rows too wide for the area get a smaller
// type; a short list on a wide screen runs in two or three blocks side by side.
class PageSalle : public QWidget
{
    Q_OBJECT
public:
    explicit PageSalle(QWidget *parent = nullptr);

    void setVue(const VueSalle &vue);
    void setTaille(int pixels);
    void setPage(int page);
    int nbPages() const;
    int page() const { return m_page; }
    // The rows on screen now.
    QList<QStringList> lignesPage() const;

signals:
    // The area changed size: the pages are cut again.
    void redimensionnee();

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;

private:
    struct MiseEnPage
    {
        QFont police, policeEntetes;
        QList<int> largeurs;
        int largeurBloc = 0, ecart = 0, hauteurLigne = 0, blocs = 1, lignesParBloc = 1;
    };
    MiseEnPage Calcule() const;

    VueSalle m_vue;
    int m_taille = 40;
    int m_page = 0;
};

// "Affichage salle": where everyone sits in the current round and how they
// stand, for a screen in the hall. It reads the tournament's files on its own,
// in a model of its own, and follows them as they change, whoever changes
// them (this program or another computer sharing the folder); it never writes
// a file. A file caught half-written is read again on its next change; until
// then the last good reading stays on screen. No box ever comes up.
// Keys: F11 full screen, + and − the size of the type (kept in the user's
// settings), Space pauses the pages, Escape closes the display.
class frmSalle : public QWidget
{
    Q_OBJECT
public:
    frmSalle(const QString &dossier, const QString &numero, QWidget *parent = nullptr);
    ~frmSalle() override;

    // Shows the display on the second screen when there is one, over the
    // whole of it; over the whole screen too when the display is alone.
    void montre();

    // Milliseconds: a page, the clock, the calm after a change reported by
    // the system before reading, the check of the files' dates (which sees
    // the changes a network share does not report).
    static constexpr int DureePage = 8000;
    static constexpr int DureeHorloge = 1000;
    static constexpr int DelaiRelecture = 300;
    static constexpr int PeriodeControle = 1000;

    QWidget *bandeau;
    QLabel *lblTournoi, *lblManche, *lblFin, *lblHeure;
    QLabel *lblTitre;
    PageSalle *page;
    QTimer *TimerPage, *TimerHorloge, *TimerControle, *TimerRelecture;

    const QList<VueSalle> &vues() const { return m_vues; }
    int vueCourante() const { return m_vue; }
    bool enPause() const { return m_pause; }
    int tailleTexte() const { return m_taille; }
    // The model of the last good reading; null before the first one.
    const Modele *modele() const { return m_modele.get(); }

public slots:
    // Reads the tournament again now: the program calls it after each saved table.
    void rafraichit();
    // The next page, or the first page of the next view.
    void pageSuivante();
    // The clock and the time left in the band.
    void afficheHeure();

protected:
    void keyPressEvent(QKeyEvent *evenement) override;

private:
    // A new reading of every file; false, with the last reading kept, when
    // one of them cannot be read or does not hold together.
    bool Relit();
    // Dates and sizes of the files read: a new signature means a new reading.
    QString Signature() const;
    void Controle();
    // Files replaced by a save leave the watch list: they come back in it.
    void Surveille();
    void AfficheTournoi();
    void AfficheVue();
    void ChangeTaille(int sens);
    void AppliqueTaille();

    QString m_dossier;
    QString m_numero;
    PlateformeMuette m_plateforme;
    std::unique_ptr<Modele> m_modele;
    QString m_signatureLue;
    QList<VueSalle> m_vues;
    int m_vue = 0;
    bool m_pause = false;
    int m_taille = 40;
    QFileSystemWatcher *m_surveillant;
};

// The display alone, as the command line opens it, without any other window;
// returns the exit status once it is closed.
int AffichageSeul(const QString &dossier, const QString &numero);

// The picture and the tooltip of the button that opens the display.
QIcon PictogrammeSalle();
inline const QString InfoBulleSalle = QStringLiteral("Affichage salle (F9)");
