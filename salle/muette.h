#pragma once

#include "store/plateforme.h"

// The platform of the hall screen: nobody stands at it to answer a box, so
// boxes, beeps, sounds and the hourglass are silent and questions are
// answered No. The last message is kept for whoever wants to know why a
// reading failed.
class PlateformeMuette : public Plateforme
{
public:
    QString dernierMessage;

    void bip() override {}
    void message(Icone, const QString &, const QString &texte) override { dernierMessage = texte; }
    bool question(const QString &, const QString &, bool) override { return false; }
    std::optional<QString> saisie(const QString &, const QString &, const QString &) override { return {}; }
    QString choisirFichier(const QString &, const QString &, const QStringList &) override { return {}; }
    void sablier(bool) override {}
    QDateTime maintenant() override { return QDateTime::currentDateTime(); }
    void initialiseHasard(quint32) override {}
    double hasard() override { return 0; }
    void joueSon(const QString &) override {}
    void joueVideo(const QString &) override {}
    bool ouvreDocument(const QString &) override { return false; }
    bool editeTexte(const QString &) override { return false; }
    int largeurEcran() override { return 0; }
    bool fichierSystemeExiste(const QString &) override { return false; }
};
