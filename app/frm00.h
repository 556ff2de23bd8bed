#pragma once

#include <QPointer>
#include <QWidget>

class Modele;
class frmPatience;
class frmTarot1;
class QLabel;
class QListWidget;
class QPushButton;

// The start window: the catalogue of tournaments, opening, creating and
// deleting one. Closing it ends the program.
class frm00 : public QWidget
{
    Q_OBJECT
public:
    explicit frm00(Modele &m, QWidget *parent = nullptr);

    // Start-up: screen check, word-processor probe, catalogue, options file.
    // A screen too narrow or a malformed options file stops the program.
    void Demarre();
    void ListeTournois();
    // "Continuer": opens the tournament highlighted in the list.
    void ChargeTournoi();

    // The open tournament's window, null before the first opening.
    frmTarot1 *fenetreTournoi() const;

    QLabel *Label2, *Label3, *lblVersion, *Label5, *Label1, *Label4, *Label6, *Picture2;
    QListWidget *lstTournois;
    QPushButton *cmdOK, *cmdNouveau, *cmdSupprimer, *cmdAide, *cmdFin;

signals:
    // The program must end.
    void finProgramme();

protected:
    void changeEvent(QEvent *evenement) override;
    void closeEvent(QCloseEvent *evenement) override;
    void keyReleaseEvent(QKeyEvent *evenement) override;

private:
    // Opens a tournament: the window of the one open before closes, with
    // every window it opened, once the new one has been read.
    void Ouvre(const QString &numero, bool attente);
    void Nouveau();
    void Supprimer();
    void DiagnosticWord();
    // Runs the word-processor probe; true when a word processor was found.
    bool ChercheWord(bool afficher);

    Modele &m;
    // Shows the wait window with this text, until the task ends.
    void MontreAttente(const QString &texte);

    QPointer<frmTarot1> m_tournoi;
    QPointer<frmPatience> m_attente;
};
