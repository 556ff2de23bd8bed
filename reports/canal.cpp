#include "reports/canal.h"
#include "reports/docx.h"
#include "store/modele.h"
#include "store/texte.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

Document Prepare(Modele &m, const std::function<Document()> &document)
{
    emit m.attente(u"Préparation du document ..."_s);
    Document d = document();
    // The wait window goes before any box the writing may show.
    emit m.finAttente();
    return d;
}

// A document still open in the word processor is never written over: each
// report takes the first number no file of the folder has.
QString NouveauChemin(const QString &dossier, const QString &nom)
{
    for (int n = 1;; ++n) {
        const QString chemin = QDir(dossier).filePath(nom + u'-' + QString::number(n) + u".docx"_s);
        if (!QFileInfo::exists(chemin))
            return chemin;
    }
}

// Writes the document as a new one of the run and opens it; the reason when
// it cannot, empty when done.
QString OuvreNouveauDocument(Modele &m, const QString &nom, const Document &document)
{
    const QString dossier = m.plateforme.dossierDocuments();
    if (dossier.isEmpty())
        return u"Impossible de créer le dossier des documents dans le dossier temporaire du système."_s;
    const QString chemin = NouveauChemin(dossier, nom);
    QString erreur;
    if (!EcritDocx(document, chemin, m.plateforme.maintenant(), &erreur))
        return erreur;
    if (!m.plateforme.ouvreDocument(chemin))
        return u"Aucun traitement de texte n'a pu ouvrir le document "_s + QDir::toNativeSeparators(chemin) + u'.';
    return {};
}

} // namespace

QByteArray ContenuTexte(const QStringList &lignes)
{
    qsizetype taille = 0;
    for (const QString &ligne : lignes)
        taille += ligne.size() + 2;
    QByteArray contenu;
    contenu.reserve(taille);
    for (const QString &ligne : lignes)
        contenu += VersCp1252(ligne) + "\r\n";
    return contenu;
}

bool ImprimeTexte(Modele &m, const QString &fichier, const QStringList &lignes, bool ouvrirEditeur)
{
    return ImprimeTexte(m, fichier, ContenuTexte(lignes), ouvrirEditeur);
}

bool ImprimeTexte(Modele &m, const QString &fichier, const QByteArray &contenu, bool ouvrirEditeur)
{
    if (!m.EcritFichier(fichier, contenu))
        return false;
    const QString chemin = QDir::toNativeSeparators(m.Chemin(fichier));
    if (ouvrirEditeur && !m.plateforme.editeTexte(chemin))
        m.plateforme.message(Plateforme::Icone::Information, TitreProgramme,
                             QStringLiteral("Aucun programme n'a pu ouvrir le fichier. Il est enregistré ici :\n")
                                 + chemin);
    return true;
}

bool ImprimeRapport(Modele &m, Sortie sortie, const QString &nom, const std::function<QByteArray()> &contenu,
                    const std::function<Document()> &document)
{
    const QString texte = nom + u".TXT"_s;
    switch (sortie) {
    case Sortie::FichierTexte:
        return ImprimeTexte(m, texte, contenu(), false);
    case Sortie::FichierDocument: {
        QString erreur;
        if (EcritDocx(Prepare(m, document), m.Chemin(nom + u".docx"_s), m.plateforme.maintenant(), &erreur))
            return true;
        m.AfficheErreur(erreur);
        return false;
    }
    case Sortie::Choisie:
        break;
    }
    if (m.WordInstalle) {
        const QString erreur = OuvreNouveauDocument(m, nom, Prepare(m, document));
        if (erreur.isEmpty())
            return true;
        m.AfficheErreur(erreur + u"\nLe rapport est écrit en fichier texte à la place."_s);
    }
    return ImprimeTexte(m, texte, contenu());
}
