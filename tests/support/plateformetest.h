#pragma once

#include "store/plateforme.h"

#include <QList>
#include <QQueue>
#include <QSet>
#include <functional>
#include <QTemporaryDir>
#include <memory>

// The scripted platform of the tests: records every box and every request,
// answers questions, input boxes and file dialogs from queues.
class PlateformeTest : public Plateforme
{
public:
    struct Boite
    {
        Icone icone;
        QString titre;
        QString texte;
        bool question = false;
        bool ouiParDefaut = false;
    };

    QList<Boite> boites;
    int bips = 0;
    // Answers to the questions, in order; an unexpected question is answered No.
    QQueue<bool> reponses;
    int questionsSansReponse = 0;
    QQueue<std::optional<QString>> saisies;
    QQueue<QString> fichiersChoisis;
    QDateTime heure{QDate(2026, 12, 6), QTime(20, 30)};
    // Depth of the nested hourglass sections; the pointer is the hourglass while it is above 0.
    int sablierProfondeur = 0;
    // Every request to show (true) or take away (false) the hourglass.
    QList<bool> sabliers;
    // Values the generator gives first, before its own.
    QQueue<double> hasards;
    // What the pointer was each time a box came up.
    QList<bool> sablierSousBoite;
    // Called while each box is open: a window test makes it take the keyboard, as a modal box does.
    std::function<void()> pendantBoite;
    // Whether the desktop finds an application for documents and text files.
    bool applicationTrouvee = true;
    int largeur = 1024;
    QSet<QString> fichiersSysteme;
    // The word processor the desktop offers, empty when none.
    QString traitement;
    // The folder of the run's documents: one of its own, made on first use,
    // unless the test names another.
    QString dossierDocs;
    QStringList sons, videos, documents, textesEdites;

    // Text of the last box, empty when none.
    QString dernierTexte() const { return boites.isEmpty() ? QString() : boites.last().texte; }
    void efface() { boites.clear(); bips = 0; }

    void bip() override { ++bips; }
    void message(Icone icone, const QString &titre, const QString &texte) override
    {
        boites.append({icone, titre, texte});
        sablierSousBoite << (sablierProfondeur > 0);
        if (pendantBoite)
            pendantBoite();
    }
    bool question(const QString &titre, const QString &texte, bool ouiParDefaut) override
    {
        boites.append({Icone::Question, titre, texte, true, ouiParDefaut});
        sablierSousBoite << (sablierProfondeur > 0);
        if (pendantBoite)
            pendantBoite();
        if (reponses.isEmpty()) {
            ++questionsSansReponse;
            return false;
        }
        return reponses.dequeue();
    }
    std::optional<QString> saisie(const QString &, const QString &, const QString &) override
    {
        return saisies.isEmpty() ? std::nullopt : saisies.dequeue();
    }
    QString choisirFichier(const QString &, const QString &, const QStringList &) override
    {
        return fichiersChoisis.isEmpty() ? QString() : fichiersChoisis.dequeue();
    }
    void sablier(bool actif) override
    {
        sablierProfondeur += actif ? 1 : -1;
        sabliers << actif;
    }
    bool sablierActif() const { return sablierProfondeur > 0; }
    QDateTime maintenant() override { return heure; }
    void initialiseHasard(quint32 graine) override { m_etat = graine; }
    double hasard() override
    {
        if (!hasards.isEmpty())
            return hasards.dequeue();
        // A small linear congruential generator: the same seed, the same deal.
        m_etat = m_etat * 1664525u + 1013904223u;
        return (m_etat >> 8) / double(1u << 24);
    }
    void joueSon(const QString &chemin) override { sons << chemin; }
    void joueVideo(const QString &chemin) override { videos << chemin; }
    bool ouvreDocument(const QString &chemin) override
    {
        documents << chemin;
        return applicationTrouvee;
    }
    bool editeTexte(const QString &chemin) override
    {
        textesEdites << chemin;
        return applicationTrouvee;
    }
    int largeurEcran() override { return largeur; }
    bool fichierSystemeExiste(const QString &chemin) override { return fichiersSysteme.contains(chemin); }
    QString traitementDeTexte() override { return traitement; }
    QString dossierDocuments() override
    {
        if (dossierDocs.isEmpty()) {
            m_documents = std::make_unique<QTemporaryDir>();
            dossierDocs = m_documents->path();
        }
        return dossierDocs;
    }

private:
    quint32 m_etat = 1;
    std::unique_ptr<QTemporaryDir> m_documents;
};
