#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

// Everything the program asks of the world outside: message boxes, dialogs,
// clock, chance, sound, video, documents and external programs.
// The program runs on the Qt implementation; tests run on a scripted double.
class Plateforme
{
public:
    enum class Icone { Aucune, Exclamation, Question, Information, Critique };

    virtual ~Plateforme() = default;

    virtual void bip() = 0;
    // A box with a single OK button.
    virtual void message(Icone icone, const QString &titre, const QString &texte) = 0;
    // A Yes/No box with the question icon; true for Yes.
    virtual bool question(const QString &titre, const QString &texte, bool ouiParDefaut) = 0;
    // An input box; nothing when cancelled.
    virtual std::optional<QString> saisie(const QString &titre, const QString &invite,
                                          const QString &defaut) = 0;
    // The open-file dialog; an empty path when cancelled.
    virtual QString choisirFichier(const QString &titre, const QString &dossier,
                                   const QStringList &filtres) = 0;

    // The hourglass pointer over the whole program, on or off; calls nest.
    // Use the guard below rather than pairs of calls.
    virtual void sablier(bool actif) = 0;

    virtual QDateTime maintenant() = 0;
    virtual void initialiseHasard(quint32 graine) = 0;
    // A number in [0, 1).
    virtual double hasard() = 0;

    // Plays a wave file without waiting; silent when it cannot.
    virtual void joueSon(const QString &chemin) = 0;
    // Plays a video over the whole screen, in a loop, until a key or a click.
    virtual void joueVideo(const QString &chemin) = 0;
    // Opens a document with the application the desktop associates with it;
    // false when no application could be started.
    virtual bool ouvreDocument(const QString &chemin) = 0;
    // Starts the plain text editor on a file, without waiting; false when none could be started.
    virtual bool editeTexte(const QString &chemin) = 0;

    // Width of the screen in pixels.
    virtual int largeurEcran() = 0;
    // Whether a file of the host system exists (the word-processor probe).
    virtual bool fichierSystemeExiste(const QString &chemin) = 0;
    // The word processor of a system other than Windows: the application
    // the desktop opens .docx documents with, or a LibreOffice executable on
    // the PATH; empty when there is none (always on Windows, probed by paths).
    virtual QString traitementDeTexte() { return {}; }
    // A folder of the system's temporary directory for the documents of this
    // run, made on first use and kept until the program ends; empty when it
    // cannot be made.
    virtual QString dossierDocuments() { return {}; }
};

// The hourglass for as long as the guard lives, whatever way the scope is
// left; guards nest. A message box shows the normal pointer meanwhile.
class Sablier
{
public:
    explicit Sablier(Plateforme &plateforme) : m_plateforme(plateforme) { m_plateforme.sablier(true); }
    ~Sablier() { m_plateforme.sablier(false); }
    Sablier(const Sablier &) = delete;
    Sablier &operator=(const Sablier &) = delete;

private:
    Plateforme &m_plateforme;
};

// Thrown after a fatal stop box: unwinds to main, which ends the program.
struct ArretProgramme
{
    QString message;
};
