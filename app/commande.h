#pragma once

#include <QStringList>
#include <optional>

// What the command line asks for.
struct Commande
{
    QString dossier;
    // Started from the menu: the folder is ~/Velmora, created when missing.
    bool creeDossier = false;
    bool aide = false;
    // Printing without a window: set when --imprimer is given.
    QString rapport;
    // The word-processor document instead of the text file: set by --document.
    bool document = false;
    QString tournoi;
    // The hall display of tournament `tournoi`, alone: set by --affichage.
    bool affichage = false;
    std::optional<int> manche, table, joueur, tri;
    QString sens;
    // A wrong request: the usage message, empty when the request is sound.
    QString erreur;
};

Commande AnalyseCommande(const QStringList &arguments);

// The French description of the command line.
QString TexteAide();

// The tournament the hall display shows, "01" to "99", once checked against
// the folder; empty, after the usage message, when the request cannot be met.
QString TournoiAffiche(const Commande &commande);

// Prints one report of a tournament without any window. Returns the exit
// status: 0 printed, 1 refused (the reason on the error output), 2 wrong request.
int ImprimeSansFenetre(const Commande &commande);
