#pragma once

#include "store/plateforme.h"

// The platform of printing from the command line: no window, no editor.
// Every box is written on the error output; questions are answered No.
class PlateformeConsole : public Plateforme
{
public:
    void bip() override {}
    void message(Icone icone, const QString &titre, const QString &texte) override;
    bool question(const QString &, const QString &, bool) override { return false; }
    std::optional<QString> saisie(const QString &, const QString &, const QString &) override { return {}; }
    QString choisirFichier(const QString &, const QString &, const QStringList &) override { return {}; }
    void sablier(bool) override {}
    QDateTime maintenant() override { return QDateTime::currentDateTime(); }
    void initialiseHasard(quint32) override {}
    double hasard() override { return 0; }
    void joueSon(const QString &) override {}
    void joueVideo(const QString &) override {}
    bool ouvreDocument(const QString &) override { return true; }
    bool editeTexte(const QString &) override { return true; }
    int largeurEcran() override { return 0; }
    bool fichierSystemeExiste(const QString &) override { return false; }
};
