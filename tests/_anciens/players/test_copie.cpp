// The copy of the entrants of another stored tournament: the list of the
// others, the type check, the numbers and ticks kept, the refusals.
#include "players/frmChoixTourn.h"
#include "saisie.h"

#include <QListWidget>
#include <QTimer>
#include <functional>

namespace {

QString LigneJoueur(int numero, const QString &coche, const QString &nom)
{
    return QStringLiteral("%1 %2 %3 Jean").arg(numero, 4, 10, QLatin1Char('0')).arg(coche).arg(nom, -30);
}

} // namespace

class TestCopie : public QObject
{
    Q_OBJECT

    std::unique_ptr<SaisieTest> t;

    // Tournament 02 "Mardi" (TAROT, entrant 7) is open; 01 is a Tarot with
    // entrants 1, 2 and 5, 03 a team Belote.
    void prepare()
    {
        Modele &m = t->m;
        m.NumTournoi = QStringLiteral("02");
        m.NomTournoi = QStringLiteral("Mardi");
        m.NbTournois = 3;
        QVERIFY(m.EcritLignes(m.NomFichier(u'T'), LignesEntete(m)));
        QVERIFY(m.EcritLignes(QStringLiteral("T01.DAT"), {"NomTournoi=Lundi", "typejeu=tarot"}));
        QVERIFY(m.EcritLignes(QStringLiteral("J01.DAT"), {LigneJoueur(1, "X", "DUPONT"), LigneJoueur(2, " ", "MARTIN"),
                                                          LigneJoueur(5, "X", "DURAND")}));
        QVERIFY(m.EcritLignes(QStringLiteral("T03.DAT"), {"NomTournoi=Doublettes", "TypeJeu=BELOTE"}));
        t->montre({7});
        t->inscription();
    }
    // Starts the copy; once the choice window shows, `choix` acts on it. A
    // window still open afterwards is cancelled; returns whether it was.
    bool recupere(const std::function<void(frmChoixTourn &)> &choix)
    {
        bool restee = false;
        QTimer::singleShot(0, this, [&] {
            auto *fenetre = t->saisie()->findChild<frmChoixTourn *>();
            QVERIFY(fenetre && fenetre->isVisible());
            choix(*fenetre);
            restee = fenetre->isVisible();
            if (restee)
                fenetre->cmdAnnuler->click();
        });
        t->clique(QStringLiteral("cmdRecup"));
        return restee;
    }
    static void selectionne(frmChoixTourn &fenetre, int ligne)
    {
        const QRect rang = fenetre.lstTournois->visualItemRect(fenetre.lstTournois->item(ligne));
        QTest::mouseClick(fenetre.lstTournois->viewport(), Qt::LeftButton, {}, rang.center());
    }
    static QStringList Textes(const QListWidget *liste)
    {
        QStringList textes;
        for (int i = 0; i < liste->count(); ++i)
            textes << liste->item(i)->text();
        return textes;
    }

private slots:
    void init() { t = std::make_unique<SaisieTest>(); }
    void cleanup() { t.reset(); }

    void listes()
    {
        prepare();
        QStringList tournois, joueurs;
        t->p.reponses << true;
        recupere([&](frmChoixTourn &fenetre) {
            tournois = Textes(fenetre.lstTournois);
            selectionne(fenetre, 0);
            joueurs = Textes(fenetre.lstJoueurs);
        });
        QCOMPARE(tournois, (QStringList{"01 : Lundi", "03 : Doublettes"}));
        QCOMPARE(joueurs, (QStringList{"DUPONT Jean", "MARTIN Jean", "DURAND Jean"}));
    }

    void copie_data()
    {
        QTest::addColumn<int>("ligne"); // -1: nothing selected
        QTest::addColumn<QList<bool>>("reponses");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("attendus");
        const QStringList seul{"7|X|NOM7|Jean"};
        QTest::newRow("copie, trous et coches gardés")
            << 0 << QList<bool>{true, true} << "Terminé."
            << QStringList{"1|X|DUPONT|Jean", "2| |MARTIN|Jean", "5|X|DURAND|Jean"};
        QTest::newRow("autre type de jeu")
            << 1 << QList<bool>{true}
            << "Ce tournoi n'est pas du même type que le tournoi actuel. Copie des joueurs impossible." << seul;
        QTest::newRow("aucun tournoi choisi")
            << -1 << QList<bool>{true} << "Sélectionnez d'abord un tournoi en cliquant dessus dans la liste." << seul;
        QTest::newRow("non à l'effacement")
            << 0 << QList<bool>{true, false}
            << "Attention, 1 joueurs vont être effacés dans le tournoi \"Mardi\".  Voulez-vous continuer ?" << seul;
    }
    void copie()
    {
        QFETCH(int, ligne);
        QFETCH(QList<bool>, reponses);
        QFETCH(QString, message);
        QFETCH(QStringList, attendus);
        prepare();
        t->p.reponses << reponses;
        const bool restee = recupere([&](frmChoixTourn &fenetre) {
            if (ligne >= 0)
                selectionne(fenetre, ligne);
            fenetre.cmdOK->click();
        });
        QCOMPARE(restee, attendus.size() == 1);
        QCOMPARE(t->p.dernierTexte(), message);
        QCOMPARE(t->p.questionsSansReponse, 0);
        QCOMPARE(t->entrants(), attendus);
        QCOMPARE(t->w->contenuGrille->nbLignes(), attendus.size());
    }
};

QTEST_MAIN(TestCopie)
#include "test_copie.moc"
