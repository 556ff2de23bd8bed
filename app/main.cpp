// Velmora: tournaments of Tarot and Belote for the organiser of a card club.
#include "app/commande.h"
#include "app/plateformeqt.h"
#include "app/frm00.h"
#include "salle/frmSalle.h"
#include "store/modele.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#ifdef __GLIBC__
#include <malloc.h>
#include <sys/mman.h>
#endif

namespace {

// Every event goes through here: a fatal stop raised while handling one,
// once its box has been shown, ends the event loop with a failure status.
class Application : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *destinataire, QEvent *evenement) override
    {
        try {
            return QApplication::notify(destinataire, evenement);
        } catch (const ArretProgramme &) {
            exit(1);
            return true;
        }
    }
};

// The largest tournament fills tables of several megabytes at once. Memory
// from the system arrives one 4 KiB page at a time, each page costing a fault
// when first written: the heap is grown once, asked for in huge pages where the
// system offers them, and keeps what is freed instead of giving it back.
void PrepareTas()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t GrandePage = 2 << 20;
    constexpr std::size_t Taille = 64 << 20;
    if (void *tas = std::malloc(Taille)) {
        const std::uintptr_t debut = (reinterpret_cast<std::uintptr_t>(tas) + GrandePage - 1) & ~(GrandePage - 1);
        madvise(reinterpret_cast<void *>(debut), Taille - GrandePage, MADV_HUGEPAGE);
        std::free(tas);
    }
#endif
#endif
}

// Reads the command line; false, with the exit status, when the program must stop there.
// Nothing here needs a display: help, wrong requests and printing work without one.
bool Prepare(int argc, char *argv[], Commande &commande, int &statut)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    commande = AnalyseCommande(arguments);
    statut = 0;
    if (!commande.erreur.isEmpty()) {
        std::fprintf(stderr, "velmora : %s (velmora --help pour l'aide)\n", commande.erreur.toLocal8Bit().constData());
        statut = 2;
    } else if (commande.aide) {
        std::fputs(TexteAide().toLocal8Bit().constData(), stdout);
    } else if (commande.creeDossier && !QDir().mkpath(commande.dossier)) {
        std::fprintf(stderr, "velmora : impossible de créer le dossier : %s\n", commande.dossier.toLocal8Bit().constData());
        statut = 2;
    } else if (!commande.dossier.isEmpty() && !QDir::setCurrent(commande.dossier)) {
        std::fprintf(stderr, "velmora : dossier introuvable : %s\n", commande.dossier.toLocal8Bit().constData());
        statut = 2;
    } else {
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    Commande commande;
    int statut = 0;
    if (!Prepare(argc, argv, commande, statut))
        return statut;
    PrepareTas();
    if (!commande.rapport.isEmpty()) {
        QCoreApplication application(argc, argv);
        return ImprimeSansFenetre(commande);
    }

    if (commande.affichage) {
        const QString numero = TournoiAffiche(commande);
        if (numero.isEmpty())
            return 2;
        Application application(argc, argv);
        return AffichageSeul(QDir::currentPath(), numero);
    }

    Application application(argc, argv);
    // The standard dialogs and the buttons of the message boxes speak French too.
    QTranslator traduction;
    if (traduction.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&traduction);
    PlateformeQt plateforme;
    Modele modele(plateforme);
    modele.RepProgramme = QDir::currentPath();
    frm00 depart(modele);
    QObject::connect(&depart, &frm00::finProgramme, &application, &QApplication::quit);
    try {
        depart.Demarre();
    } catch (const ArretProgramme &) {
        return 1;
    }
    depart.show();
    return application.exec();
}
