// Velmora: tournaments of Tarot and Belote for the organiser of a card club.
#include "app/plateformeqt.h"
#include "store/frm00.h"
#include "store/modele.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

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

int Usage(const QString &message)
{
    std::fprintf(stderr, "velmora : %s\n", qPrintable(message));
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    Application application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != QLatin1String("--dossier"))
            return Usage(QStringLiteral("option inconnue : ") + arguments[i]
                         + QStringLiteral(" (usage : velmora [--dossier DOSSIER])"));
        if (++i == arguments.size())
            return Usage(QStringLiteral("l'option --dossier attend un dossier"));
        if (!QDir::setCurrent(arguments[i]))
            return Usage(QStringLiteral("dossier introuvable : ") + arguments[i]);
    }

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
