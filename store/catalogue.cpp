#include "store/catalogue.h"
#include "store/modele.h"
#include "store/texte.h"

#include <QFile>

namespace {

QString DeuxChiffres(int i)
{
    return QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
}

const QString Lettres = QStringLiteral("TJSM");

// The first line of a file; only it is read, however long the file.
QString PremiereLigne(const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return {};
    QByteArray ligne = fichier.readLine();
    while (ligne.endsWith('\n') || ligne.endsWith('\r'))
        ligne.chop(1);
    const qsizetype retour = ligne.indexOf('\r');
    return DepuisCp1252(retour < 0 ? ligne : ligne.left(retour));
}

} // namespace

QStringList ListeCatalogue(const Modele &m)
{
    QStringList catalogue;
    for (int i = 1; i <= 99; ++i) {
        const QString nn = DeuxChiffres(i);
        const QString entete = QStringLiteral("T") + nn + QStringLiteral(".DAT");
        if (m.FichierExiste(entete))
            catalogue << nn + QStringLiteral(" : ") + PremiereLigne(m.Chemin(entete)).mid(11);
    }
    return catalogue;
}

QString PremierNumeroLibre(const QStringList &catalogue)
{
    int i = 1;
    while (i <= catalogue.size() && NumeroEntree(catalogue[i - 1]).toInt() == i)
        ++i;
    return i > 99 ? QString::number(i) : DeuxChiffres(i);
}

bool SupprimeTournoi(Modele &m, int n, int dernier)
{
    for (const QChar lettre : Lettres)
        if (!m.SupprimeFichier(lettre + DeuxChiffres(n) + QStringLiteral(".DAT")))
            return false;
    // Files are renamed, never rewritten: each header keeps its name.
    for (int k = n + 1; k <= dernier; ++k) {
        for (const QChar lettre : Lettres) {
            const QString ancien = lettre + DeuxChiffres(k) + QStringLiteral(".DAT");
            const QString nouveau = lettre + DeuxChiffres(k - 1) + QStringLiteral(".DAT");
            if (!m.FichierExiste(ancien))
                continue;
            QFile fichier(m.Chemin(ancien));
            if (!fichier.rename(m.Chemin(nouveau))) {
                m.AfficheErreur(QStringLiteral("Impossible de renommer le fichier ") + ancien + QStringLiteral(" en ")
                                + nouveau + QStringLiteral(" : ") + fichier.errorString());
                return false;
            }
        }
    }
    return true;
}

QStringList TraitementsDeTexte(Plateforme &plateforme)
{
    static const QStringList dossiers = {
        QStringLiteral("Program Files\\Microsoft Office\\Office"),
        QStringLiteral("Program Files (x86)\\Microsoft Office\\Office"),
        QStringLiteral("Program Files\\Microsoft Office\\root\\Office"),
        QStringLiteral("Program Files (x86)\\Microsoft Office\\root\\Office"),
    };
    QStringList trouves;
    for (int i = 1; i <= 30; ++i)
        for (const QString &dossier : dossiers)
            if (plateforme.fichierSystemeExiste(QStringLiteral("C:\\") + dossier + QString::number(i)
                                                + QStringLiteral("\\winword.exe")))
                trouves << QStringLiteral(" Word trouvé dans ") + dossier + QString::number(i);
    if (trouves.isEmpty()) {
        const QString application = plateforme.traitementDeTexte();
        if (!application.isEmpty())
            trouves << QStringLiteral(" Traitement de texte trouvé : ") + application;
    }
    return trouves;
}
