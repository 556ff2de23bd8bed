#include "store/modele.h"
#include "store/texte.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

int Modele::RechJoueur(double numero) const
{
    if (NbJoueurs() == 0)
        return -1;
    int bas = 1, haut = NbJoueurs();
    auto numeroLigne = [this](int ligne) { return Joueurs(1, ligne).nombre(); };
    for (;;) {
        if (numero == numeroLigne(bas))
            return bas;
        if (numero == numeroLigne(haut))
            return haut;
        const int milieu = int(ArrondiPair((bas + haut) / 2.0));
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
    MsgErr = texte;
    plateforme.bip();
    plateforme.message(Plateforme::Icone::Exclamation, QStringLiteral("ERREUR"), MsgErr);
}

void Modele::ArretFatal(const QString &texte)
{
    plateforme.sablier(false);
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

QString Modele::TitreTournoi() const
{
    const QString date = plateforme.maintenant().toString(QStringLiteral("dd/MM/yyyy"));
    return NomTournoi.isEmpty() ? date : NomTournoi + QStringLiteral(" - ") + date;
}

bool Modele::EcritLignes(const QString &nom, const QStringList &lignes)
{
    QByteArray contenu;
    for (const QString &ligne : lignes)
        contenu += VersCp1252(ligne) + "\r\n";
    QSaveFile fichier(Chemin(nom));
    if (fichier.open(QIODevice::WriteOnly) && fichier.write(contenu) == contenu.size() && fichier.commit())
        return true;
    const QString raison = fichier.errorString();
    fichier.cancelWriting();
    AfficheErreur(QStringLiteral("Impossible d'enregistrer le fichier ") + nom + QStringLiteral(" : ") + raison);
    return false;
}

bool Modele::SupprimeFichier(const QString &nom)
{
    QFile fichier(Chemin(nom));
    if (!fichier.exists() || fichier.remove())
        return true;
    AfficheErreur(QStringLiteral("Impossible de supprimer le fichier ") + nom + QStringLiteral(" : ")
                  + fichier.errorString());
    return false;
}

QStringList Modele::LitLignes(const QString &nom) const
{
    QFile fichier(Chemin(nom));
    if (!fichier.open(QIODevice::ReadOnly))
        return {};
    return DecoupeLignes(DepuisCp1252(fichier.readAll()));
}
