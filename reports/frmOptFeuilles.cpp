#include "reports/frmOptFeuilles.h"
#include "widgets/controles.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

frmOptFeuilles::frmOptFeuilles(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmOptFeuilles"));
    setWindowTitle(QStringLiteral("Options d'impression des feuilles de marque "));

    Label1 = Etiquette(this, QStringLiteral("Label1"),
                       QStringLiteral("Vous avez deux possibilités pour créer les feuilles de marque."));
    Label2 = Etiquette(this, QStringLiteral("Label2"),
                       QStringLiteral("La première est de générer un fichier directement imprimable : fichier Word "
                                      "(si Word est installé sur votre ordinateur) ou fichier texte."));
    Label4 = Etiquette(this, QStringLiteral("Label4"),
                       QStringLiteral("La seconde est de générer un fichier CSV, utilisable dans un publipostage "
                                      "pour créer vous-même les feuilles de marque selon vos souhaits."));
    Label3 = Etiquette(this, QStringLiteral("Label3"),
                       QStringLiteral("Ce fichier contiendra les champs suivants : Nom du tournoi ; N° joueur ; "
                                      "Nom joueur ; Prénom joueur ; Numéros de table de toutes les manches "
                                      "enregistrées."));

    auto bouton = [this](const QString &nom, const QString &texte, ChoixFeuilles choix) {
        QPushButton *b = Bouton(this, nom, texte);
        connect(b, &QPushButton::clicked, this, [this, choix] { Choisit(choix); });
        return b;
    };
    cmdEtat = bouton(QStringLiteral("cmdEtat"), QStringLiteral("Fichier Word ou fichier texte"), ChoixFeuilles::Etat);
    cmdCsv = bouton(QStringLiteral("cmdCsv"), QStringLiteral("Fichier CSV"), ChoixFeuilles::Csv);
    cmdAnnuler = bouton(QStringLiteral("cmdAnnuler"), QStringLiteral("Abandon"), ChoixFeuilles::Abandon);

    auto *boutons = new QHBoxLayout;
    for (QPushButton *b : {cmdEtat, cmdCsv, cmdAnnuler})
        boutons->addWidget(b);
    auto *colonne = new QVBoxLayout(this);
    for (QLabel *label : {Label1, Label2, Label4, Label3})
        colonne->addWidget(label);
    colonne->addLayout(boutons);
    resize(480, 240);
}

void frmOptFeuilles::Choisit(ChoixFeuilles choix)
{
    m_choix = choix;
    if (choix == ChoixFeuilles::Abandon)
        reject();
    else
        accept();
}
