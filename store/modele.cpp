#include "store/modele.h"
#include "store/texte.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// The system's reason for a failed file operation, in French; Qt's own text
// when the error is not one of the usual ones.
QString Raison(int erreur, const QString &texteQt)
{
    switch (erreur) {
    case ENOSPC:
        return QStringLiteral("le disque est plein");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("le quota du disque est atteint");
#endif
    case EFBIG:
        return QStringLiteral("le fichier dépasse la taille permise");
    case EACCES:
    case EPERM:
        return QStringLiteral("accès refusé");
    case EROFS:
        return QStringLiteral("le disque est en lecture seule");
    case ENOENT:
        return QStringLiteral("fichier ou dossier introuvable");
    case EISDIR:
        return QStringLiteral("un dossier porte ce nom");
    case EIO:
        return QStringLiteral("erreur de lecture ou d'écriture du disque");
    case EBUSY:
        return QStringLiteral("le fichier est utilisé par un autre programme");
    default:
        return texteQt.isEmpty() ? QStringLiteral("erreur inconnue") : texteQt;
    }
}

// An atomic save writes a hidden sibling "NAME.XXXXXX" and renames it over
// NAME; a save cut short by a crash leaves it behind. It is never read, and
// goes at the next save of the same file.
void OteTemporaires(const QString &chemin)
{
    const QFileInfo info(chemin);
    const QRegularExpression motif(QLatin1Char('^') + QRegularExpression::escape(info.fileName())
                                   + QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    QDir dossier = info.absoluteDir();
    for (const QString &nom : dossier.entryList({info.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden))
        if (motif.match(nom).hasMatch())
            dossier.remove(nom);
}

// Makes the content of an open file, and a rename in a folder, survive a power cut.
bool Synchronise(int descripteur)
{
#ifdef Q_OS_UNIX
    return ::fsync(descripteur) == 0;
#else
    Q_UNUSED(descripteur);
    return true;
#endif
}

void SynchroniseDossier(const QString &dossier)
{
#ifdef Q_OS_UNIX
    const int d = ::open(QFile::encodeName(dossier).constData(), O_RDONLY | O_DIRECTORY);
    if (d >= 0) {
        ::fsync(d);
        ::close(d);
    }
#else
    Q_UNUSED(dossier);
#endif
}

} // namespace

int Modele::RechJoueur(double numero) const
{
    if (NbJoueurs() == 0)
        return -1;
    int bas = 1, haut = NbJoueurs();
    auto numeroLigne = [this](int ligne) { return Joueurs(ColJoueur::Numero, ligne).nombre(); };
    for (;;) {
        if (numero == numeroLigne(bas))
            return bas;
        if (numero == numeroLigne(haut))
            return haut;
        // The middle rounded to the even row when it falls between two.
        const int somme = bas + haut;
        const int milieu = somme / 2 + (somme % 2 != 0 && (somme / 2) % 2 != 0 ? 1 : 0);
        if (milieu == bas || milieu == haut)
            return -1;
        if (numero == numeroLigne(milieu))
            return milieu;
        if (numero < numeroLigne(milieu))
            haut = milieu;
        else
            bas = milieu;
    }
}

void Modele::AfficheErreur(const QString &texte)
{
    plateforme.bip();
    plateforme.message(Plateforme::Icone::Exclamation, QStringLiteral("ERREUR"), texte);
}

void Modele::ArretFatal(const QString &texte)
{
    plateforme.bip();
    plateforme.message(Plateforme::Icone::Critique, TitreProgramme, texte);
    throw ArretProgramme{texte};
}

QString Modele::Chemin(const QString &nom) const
{
    return QDir(RepProgramme).filePath(nom);
}

bool Modele::FichierExiste(const QString &nom) const
{
    return QFileInfo(Chemin(nom)).isFile();
}

QString Modele::CheminAide(const QString &page) const
{
    const QString relatif = QStringLiteral("help/") + page;
    if (FichierExiste(relatif))
        return Chemin(relatif);
    const QDir programme(QCoreApplication::applicationDirPath());
    if (QFileInfo::exists(programme.filePath(relatif)))
        return programme.filePath(relatif);
    // Installed, the program sits in bin/ and its pages in share/velmora/help.
    return QDir::cleanPath(programme.filePath(QStringLiteral("../share/velmora/") + relatif));
}

void Modele::OuvreAide(const QString &page)
{
    const QString chemin = QDir::toNativeSeparators(CheminAide(page));
    if (!plateforme.ouvreDocument(chemin))
        plateforme.message(Plateforme::Icone::Information, TitreProgramme,
                           QStringLiteral("Aucun programme n'a pu ouvrir la page d'aide. Elle se trouve ici :\n")
                               + chemin);
}

void Modele::OuvreDocument(const QString &chemin)
{
    if (!plateforme.ouvreDocument(chemin))
        plateforme.message(Plateforme::Icone::Information, TitreProgramme,
                           QStringLiteral("Aucun programme n'a pu ouvrir le fichier. Il est enregistré ici :\n")
                               + QDir::toNativeSeparators(chemin));
}

QString Modele::TitreTournoi() const
{
    const QString date = plateforme.maintenant().toString(QStringLiteral("dd/MM/yyyy"));
    return NomTournoi.isEmpty() ? date : NomTournoi + QStringLiteral(" - ") + date;
}

bool Modele::EcritFichier(const QString &nom, const QByteArray &contenu)
{
    const QString chemin = Chemin(nom);
    OteTemporaires(chemin);
    QSaveFile fichier(chemin);
    // Unbuffered: each write reaches the system at once, so a full disk shows
    // on the write that meets it, with its reason.
    int erreur = 0;
    bool ecrit = false;
    if (QFileInfo(chemin).isDir()) {
        erreur = EISDIR;
    } else {
        errno = 0;
        ecrit = fichier.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
                && fichier.write(contenu) == contenu.size() && Synchronise(fichier.handle());
        erreur = errno;
        if (ecrit) {
            errno = 0;
            ecrit = fichier.commit();
            erreur = errno;
        }
    }
    if (ecrit) {
        SynchroniseDossier(QFileInfo(chemin).absolutePath());
        return true;
    }
    const QString raison = Raison(erreur, fichier.errorString());
    fichier.cancelWriting();
    AfficheErreur(QStringLiteral("Impossible d'enregistrer le fichier ") + nom + QStringLiteral(" : ") + raison
                  + QLatin1Char('.'));
    return false;
}

bool Modele::EcritLignes(const QString &nom, const QStringList &lignes)
{
    qsizetype taille = 0;
    for (const QString &ligne : lignes)
        taille += ligne.size() + 2;
    QByteArray contenu(taille, Qt::Uninitialized);
    char *d = contenu.data();
    for (const QString &ligne : lignes) {
        for (const QChar c : ligne)
            *d++ = char(CodeCp1252(c));
        *d++ = '\r';
        *d++ = '\n';
    }
    return EcritFichier(nom, contenu);
}

bool Modele::SupprimeFichier(const QString &nom)
{
    QFile fichier(Chemin(nom));
    errno = 0;
    if (!fichier.exists() || fichier.remove())
        return true;
    AfficheErreur(QStringLiteral("Impossible de supprimer le fichier ") + nom + QStringLiteral(" : ")
                  + Raison(errno, fichier.errorString()) + QLatin1Char('.'));
    return false;
}

std::optional<QByteArray> Modele::LitFichier(const QString &nom, QString *erreurLecture)
{
    const QString chemin = Chemin(nom);
    const QFileInfo info(chemin);
    if (!info.exists() && !info.isSymLink())
        return QByteArray();
    QFile fichier(chemin);
    errno = 0;
    int erreur = EISDIR;
    if (!info.isDir()) {
        if (fichier.open(QIODevice::ReadOnly)) {
            QByteArray contenu = fichier.readAll();
            if (fichier.error() == QFileDevice::NoError)
                return contenu;
        }
        erreur = errno;
    }
    const QString texte = QStringLiteral("Impossible de lire le fichier ") + nom + QStringLiteral(" : ")
                          + Raison(erreur, fichier.errorString()) + QLatin1Char('.');
    if (erreurLecture)
        *erreurLecture = texte;
    else
        AfficheErreur(texte);
    return std::nullopt;
}
