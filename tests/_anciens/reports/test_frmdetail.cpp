// The player sheet: search by number or by part of the name in the ranking
// grid, the grid brought to the entrant, the sheet shown and written out.
#include "ranking/classement.h"
#include "ranking/frmTarot1.h"
#include "ranking/grilleclassement.h"
#include "reports/frmDetail.h"
#include "tournoi.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

const QStringList Noms = {"DUPONT", "MARTIN", "DURAND", "LEDUC", "PETIT"};

} // namespace

class TestFrmDetail : public QObject
{
    Q_OBJECT

    std::unique_ptr<TournoiRapport> t;
    std::unique_ptr<frmTarot1> tournoi;
    std::unique_ptr<frmDetail> w;

    Modele &m() { return t->m; }
    QLineEdit *boite(const QString &nom) { return w->findChild<QLineEdit *>(nom); }
    QPushButton *bouton(const QString &nom) { return w->findChild<QPushButton *>(nom); }
    QString texte(const QString &nom) { return boite(nom)->text(); }
    GrilleClassement *grille() { return tournoi->Grid1; }

    // Entrants 1 to n, the first five named as in Noms, shown by ascending
    // number, so that entrant k is on grid row k. Entrant 3 played 5 deals in
    // round 1; round 2 has neither its deals nor its scores yet.
    void ouvre(int n)
    {
        for (int k = 1; k <= n; ++k)
            t->joueur(k, k <= Noms.size() ? Noms[k - 1] : QString("NOM%1").arg(k), QString("Prénom%1").arg(k));
        t->table(1, 1, {3, 1, 2, 4}, {"12", "-4", "-4", "-4"});
        t->table(2, 1, {1, 3, 2, 4});
        for (int r = 1; r <= 4; ++r)
            m().Scores(3, r) = QString("5");
        const QStringList valeurs = {"1", "5", "12", "12", "2.4"};
        for (int c = 5; c <= 9; ++c)
            m().Joueurs(c, 3) = valeurs[c - 5].toDouble();
        tournoi = std::make_unique<frmTarot1>(m());
        tournoi->show();
        QVERIFY(QTest::qWaitForWindowExposed(tournoi.get()));
        TrieGrille(m(), 1, Sens::Ascendant);
        w = std::make_unique<frmDetail>(m(), *tournoi->Grid1, *tournoi->contenuGrille);
    }
    void cherche(const QString &numero, const QString &nom)
    {
        QTest::keyClicks(boite("txtNum"), numero);
        QTest::keyClicks(boite("txtNom"), nom);
        bouton("cmdOK")->click();
    }
    // The selected cells of the ranking grid, as "row:column" from 1.
    QStringList selection()
    {
        QStringList cases;
        for (const QModelIndex &i : grille()->selectionModel()->selectedIndexes())
            cases << QString("%1:%2").arg(i.row() + 1).arg(i.column());
        cases.sort();
        return cases;
    }
    QStringList ligneSelectionnee(int ligne)
    {
        QStringList cases;
        for (int c = 1; c <= 9; ++c)
            cases << QString("%1:%2").arg(ligne).arg(c);
        return cases;
    }
    // The rows of Grid4, cells joined by "|".
    QStringList fiche()
    {
        const QAbstractItemModel *grille = w->Grid4->model();
        QStringList lignes;
        for (int r = 0; r < grille->rowCount(); ++r)
            lignes << QStringList{grille->index(r, 0).data().toString(), grille->index(r, 1).data().toString(),
                                  grille->index(r, 2).data().toString()}
                          .join("|");
        return lignes;
    }
    bool boutonsActifs(bool suivant, bool impression)
    {
        return bouton("cmdSuiv")->isEnabled() == suivant && bouton("cmdImpr")->isEnabled() == impression;
    }

private slots:
    void init() { t = std::make_unique<TournoiRapport>(); }
    void cleanup()
    {
        w.reset();
        tournoi.reset();
    }

    // DU, typed in lower case, meets DUPONT, then DURAND and LEDUC, then nobody.
    void rechercheParNom()
    {
        ouvre(5);
        QTest::keyClicks(boite("txtNom"), "du");
        QCOMPARE(texte("txtNom"), QString("DU"));
        QTest::keyClick(boite("txtNom"), Qt::Key_Return);
        QCOMPARE(texte("txtNum"), QString("1"));
        QCOMPARE(texte("txtNom"), QString("DUPONT"));
        QCOMPARE(m().LigneGrille, 1);
        QCOMPARE(selection(), ligneSelectionnee(1));
        QVERIFY(boutonsActifs(true, true));

        const QList<int> suivants = {3, 4};
        for (int ligne : suivants) {
            bouton("cmdSuiv")->click();
            QCOMPARE(m().LigneGrille, ligne);
            QCOMPARE(texte("txtNom"), Noms[ligne - 1]);
            QCOMPARE(texte("Text6"), QString("%1/5").arg(ligne));
            QCOMPARE(selection(), ligneSelectionnee(ligne));
        }
        QVERIFY(t->p.boites.isEmpty());

        bouton("cmdSuiv")->click();
        QCOMPARE(t->p.dernierTexte(), QString("Joueur(se) dont le nom contient DU pas trouvé"));
        QCOMPARE(t->p.boites.size(), 1);
        QCOMPARE(m().JoueurCourant, 6);
        QCOMPARE(m().LigneGrille, 6);
        QVERIFY(boutonsActifs(false, false));
        QVERIFY(!t->p.sablierActif());
    }

    // The number, ended by Tab, shows the whole sheet; the next button stays off.
    void ficheParNumero()
    {
        ouvre(5);
        QTest::keyClicks(boite("txtNum"), "3");
        QTest::keyClick(boite("txtNum"), Qt::Key_Tab);
        QCOMPARE(m().JoueurCourant, 3);
        QCOMPARE(m().LigneGrille, 3);
        QStringList valeurs;
        for (const char *nom : {"txtNum", "txtNom", "txtPrenom", "Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
            valeurs << texte(nom);
        QCOMPARE(valeurs, (QStringList{"3", "DURAND", "Prénom3", "1", "5", "12", "12", "2.4", "3/5"}));
        // A row per table of the entrant, then the empty row the grid keeps last.
        QCOMPARE(fiche(), (QStringList{"1|5|12", "2|0|", "||"}));
        QVERIFY(boutonsActifs(false, true));
        QVERIFY(!t->p.sablierActif());

        bouton("cmdImpr")->click();
        const QStringList lignes = DepuisCp1252(t->lit("FICHE.TXT")).split("\r\n");
        QCOMPARE(lignes.value(9), QString(blancs(37) + "N°     : 3"));
        QCOMPARE(lignes.value(16), QString("                      !         1   !        5      !        12   !"));
        QCOMPARE(lignes.value(17), QString("                      !         2   !        0      !         0   !"));
        QCOMPARE(t->p.textesEdites, QStringList{t->m.Chemin("FICHE.TXT")});
    }

    // numero, nom: typed in the two boxes; message: empty when nothing is shown.
    void refus_data()
    {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("message");
        QTest::newRow("les deux boîtes") << "3" << "DU" << "Remplissez le n° OU le nom s.v.p.";
        QTest::newRow("numéro inconnu") << "12" << "" << "Joueur(se) n°  12 pas trouvé";
        QTest::newRow("nom inconnu") << "" << "zz" << "Joueur(se) dont le nom contient ZZ pas trouvé";
        QTest::newRow("boîtes vides") << "" << "" << "";
    }
    void refus()
    {
        QFETCH(QString, numero);
        QFETCH(QString, nom);
        QFETCH(QString, message);
        ouvre(5);
        cherche(numero, nom);
        QCOMPARE(t->p.dernierTexte(), message);
        QCOMPARE(t->p.bips, message.isEmpty() ? 0 : 1);
        QCOMPARE(texte("txtPrenom"), QString());
        QCOMPARE(fiche(), QStringList{"||"});
        QVERIFY(boutonsActifs(false, false));
        QVERIFY(!t->p.sablierActif());
    }

    // Once a sheet is shown both keys are filled: a new search needs one emptied, or a clear.
    void deuxBoitesApresUneFiche()
    {
        ouvre(5);
        cherche("4", "");
        QCOMPARE(texte("txtNom"), QString("LEDUC"));
        bouton("cmdOK")->click();
        QCOMPARE(t->p.dernierTexte(), QString("Remplissez le n° OU le nom s.v.p."));

        bouton("cmdEfface")->click();
        for (const char *nom : {"txtNum", "txtNom", "txtPrenom", "Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
            QVERIFY2(texte(nom).isEmpty(), nom);
        QCOMPARE(fiche(), QStringList{"||"});
        QVERIFY(boutonsActifs(false, false));
        cherche("2", "");
        QCOMPARE(texte("txtNom"), QString("MARTIN"));
        QCOMPARE(t->p.boites.size(), 1);
    }

    // With 30 entrants, the grid scrolls no further than its last 24 rows.
    void positionneGrille_data()
    {
        QTest::addColumn<int>("ligne");
        QTest::addColumn<int>("premiere");
        QTest::newRow("ligne 25") << 25 << 7;
        QTest::newRow("ligne 3") << 3 << 3;
    }
    void positionneGrille()
    {
        QFETCH(int, ligne);
        QFETCH(int, premiere);
        ouvre(30);
        cherche(QString::number(ligne), "");
        QCOMPARE(grille()->rowAt(0) + 1, premiere);
        QCOMPARE(selection(), ligneSelectionnee(ligne));
        QCOMPARE(texte("Text6"), QString("%1/30").arg(ligne));
    }

    // From the tournament window: one sheet window at a time, and the ranking
    // printed in the order the grid shows.
    void depuisLeTournoi()
    {
        ouvre(5);
        m().NumTournoi = "01";
        t->manche("20:00", "21:00", "5");
        for (int fois = 0; fois < 2; ++fois)
            tournoi->cmdRechJou->click();
        const QList<frmDetail *> fenetres = tournoi->findChildren<frmDetail *>();
        QCOMPARE(fenetres.size(), 1);
        QVERIFY(fenetres[0]->isVisible());

        TrieGrille(m(), 3, Sens::Ascendant);
        tournoi->cmdImpr->click();
        const QStringList lignes = DepuisCp1252(t->lit("GRILLE.TXT")).split("\r\n");
        QStringList noms;
        for (int i = 10; i < 15; ++i)
            noms << lignes.value(i).mid(18, 15).trimmed();
        QCOMPARE(noms, (QStringList{"DUPONT", "DURAND", "LEDUC", "MARTIN", "PETIT"}));
        QCOMPARE(t->p.textesEdites, QStringList{t->m.Chemin("GRILLE.TXT")});
    }
};

QTEST_MAIN(TestFrmDetail)
#include "test_frmdetail.moc"
