#pragma once

#include "players/copie.h"
#include "players/frmSaiJou.h"
#include "ranking/classement.h"
#include "ranking/frmTarot1.h"
#include "ranking/grilleclassement.h"
#include "ranking/tournoi.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

// A test tournament shown in its window, grid in number order, and the entry
// window opened from it.
struct SaisieTest : TournoiTest
{
    std::unique_ptr<frmTarot1> w;

    // Entrants with these numbers, saved, named NOMn Jean.
    void montre(const QList<int> &numeros = {})
    {
        for (int numero : numeros)
            joueur(numero, QStringLiteral("X"), QStringLiteral("NOM%1").arg(numero), QStringLiteral("Jean"));
        QVERIFY(m.EcritJoueurs());
        w = std::make_unique<frmTarot1>(m);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        TrieGrille(m, 1, Sens::Ascendant);
    }
    void inscription() { w->findChild<QPushButton *>(QStringLiteral("cmdInscr"))->click(); }
    // The entry window open now, null when none.
    frmSaiJou *saisie()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const auto fenetres = w->findChildren<frmSaiJou *>();
        return fenetres.size() == 1 && fenetres[0]->isVisible() ? fenetres[0] : nullptr;
    }
    QLineEdit *boite(const QString &nom) { return saisie()->findChild<QLineEdit *>(nom); }
    void clique(const QString &bouton) { saisie()->findChild<QPushButton *>(bouton)->click(); }
    QString grille(int ligne, int colonne) { return w->contenuGrille->cellule(colonne, ligne).texte(); }

    // "number|tick|name|first name" of each entrant.
    static QStringList Liste(const TableCellules &joueurs)
    {
        QStringList liste;
        for (int r = 1; r <= joueurs.nbLignes(); ++r)
            liste << QStringList{joueurs(1, r).texte(), joueurs(2, r).texte(), joueurs(3, r).texte(),
                                 joueurs(4, r).texte()}
                         .join(u'|');
        return liste;
    }
    // The entrants in memory, once checked to be those of the players file.
    QStringList entrants()
    {
        const QStringList memoire = Liste(m.Joueurs);
        return memoire == Liste(JoueursTournoi(m, m.NumTournoi)) ? memoire : QStringList{"<fichier différent>"};
    }
};
