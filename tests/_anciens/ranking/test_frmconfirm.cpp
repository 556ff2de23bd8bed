// The tick dialog: its four choices over the grid as sorted, and the players file.
#include "ranking/classement.h"
#include "ranking/frmConfirm.h"
#include "ranking/grilleclassement.h"
#include "tournoi.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

class TestFrmConfirm : public QObject
{
    Q_OBJECT

    std::unique_ptr<TournoiTest> t;
    std::unique_ptr<ModeleGrille> grille;

    Modele &m() { return t->m; }

    // Entrants 1 to n, the odd ones ticked, shown by descending number:
    // grid row k shows entrant n + 1 - k.
    void prepare(int n)
    {
        for (int k = 1; k <= n; ++k)
            t->joueur(k, k % 2 ? QStringLiteral("X") : QStringLiteral(" "));
        grille = std::make_unique<ModeleGrille>();
        m().grilleTriee = [this] { grille->Remplit(m()); };
        TrieGrille(m(), 1, Sens::Descendant);
    }

private slots:
    void init() { t = std::make_unique<TournoiTest>(); }

    // option -1: none chosen. cochees: the grid rows ticked afterwards.
    void choix_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("option");
        QTest::addColumn<QList<int>>("cochees");
        QTest::newRow("tous") << 5 << 0 << QList<int>{1, 2, 3, 4, 5};
        QTest::newRow("aucun") << 5 << 1 << QList<int>{};
        QTest::newRow("gagnants sur 5") << 5 << 2 << QList<int>{1, 2};
        QTest::newRow("perdants sur 5") << 5 << 3 << QList<int>{4, 5};
        QTest::newRow("gagnants sur 7") << 7 << 2 << QList<int>{1, 2, 3, 4};
        QTest::newRow("perdants sur 7") << 7 << 3 << QList<int>{4, 5, 6, 7};
        QTest::newRow("sans choix") << 5 << -1 << QList<int>{1, 3, 5};
    }
    void choix()
    {
        QFETCH(int, n);
        QFETCH(int, option);
        QFETCH(QList<int>, cochees);
        prepare(n);
        // A grid cell out of date is written again from the entrant.
        grille->ecritCellule(2, 2, QStringLiteral("?"));
        frmConfirm dialogue(m(), *grille);
        if (option >= 0)
            dialogue.findChild<QRadioButton *>(QStringLiteral("optCoche%1").arg(option))->setChecked(true);
        dialogue.findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        QCOMPARE(dialogue.result(), int(QDialog::Accepted));

        const QStringList lignes = Lignes(m(), QStringLiteral("J01.DAT"));
        QCOMPARE(lignes.size(), n);
        for (int ligne = 1; ligne <= n; ++ligne) {
            const int numero = n + 1 - ligne;
            const QString marque = cochees.contains(ligne) ? QStringLiteral("X") : QStringLiteral(" ");
            QCOMPARE(grille->cellule(1, ligne).nombre(), double(numero));
            QCOMPARE(grille->cellule(2, ligne).texte(), marque);
            QCOMPARE(m().Joueurs(2, numero).texte(), marque);
            QCOMPARE(lignes[numero - 1].mid(5, 1), marque);
        }
    }

    void annuler()
    {
        prepare(4);
        frmConfirm dialogue(m(), *grille);
        dialogue.findChild<QRadioButton *>(QStringLiteral("optCoche0"))->setChecked(true);
        dialogue.findChild<QPushButton *>(QStringLiteral("cmdAnnuler"))->click();
        QCOMPARE(dialogue.result(), int(QDialog::Rejected));
        QCOMPARE(m().Joueurs(2, 2).texte(), QStringLiteral(" "));
        QVERIFY(!m().FichierExiste(QStringLiteral("J01.DAT")));
    }
};

QTEST_MAIN(TestFrmConfirm)
#include "test_frmconfirm.moc"
