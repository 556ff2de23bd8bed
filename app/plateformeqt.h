#pragma once

#include "store/plateforme.h"

#include <QObject>
#include <memory>
#include <random>

class QAudioOutput;
class QMediaPlayer;
class QTemporaryDir;

// The platform of the running program, on Qt.
class PlateformeQt : public QObject, public Plateforme
{
public:
    PlateformeQt();
    ~PlateformeQt() override;

    void bip() override;
    void message(Icone icone, const QString &titre, const QString &texte) override;
    bool question(const QString &titre, const QString &texte, bool ouiParDefaut) override;
    std::optional<QString> saisie(const QString &titre, const QString &invite, const QString &defaut) override;
    QString choisirFichier(const QString &titre, const QString &dossier, const QStringList &filtres) override;
    void sablier(bool actif) override;
    QDateTime maintenant() override;
    void initialiseHasard(quint32 graine) override;
    double hasard() override;
    void joueSon(const QString &chemin) override;
    void joueVideo(const QString &chemin) override;
    bool ouvreDocument(const QString &chemin) override;
    bool editeTexte(const QString &chemin) override;
    int largeurEcran() override;
    bool fichierSystemeExiste(const QString &chemin) override;
    QString traitementDeTexte() override;
    QString dossierDocuments() override;

private:
    std::mt19937 m_hasard;
    // The hourglass nests: it goes when the outermost task ends.
    int m_sablier = 0;
    class CurseurNormal
    {
    public:
        explicit CurseurNormal(const PlateformeQt &plateforme);
        ~CurseurNormal();

    private:
        bool m_actif;
    };
    QMediaPlayer *m_son = nullptr;
    QAudioOutput *m_sortie = nullptr;
    std::unique_ptr<QTemporaryDir> m_documents;
    // The LibreOffice executable the probe found when the desktop has no
    // application for .docx documents; empty otherwise.
    QString m_executableDocx;
};
