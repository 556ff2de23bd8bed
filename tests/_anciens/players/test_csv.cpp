// The import of a prepared list from the entry window: its questions and
// refusals, the files that cannot serve, the encodings of spreadsheets.
#include "saisie.h"

#include <QFile>

namespace {

const QString Avertissement = QStringLiteral(
    "Attention, cette option efface tous les joueurs actuellement inscrits (s'il y en a) et les remplace par les "
    "joueurs du fichier CSV que vous allez choisir. Le fichier CSV doit contenir le nom du joueur, un point-virgule, "
    "et le prénom du joueur, (pour le tarot), ou le nom de la première équipe, un point-virgule et le nom de la "
    "deuxième équipe (pour la belote).\n\n Voulez-vous continuer ?");
const QString Effacement =
    QStringLiteral("Attention, 2 joueurs vont être effacés dans le tournoi \"Soirée\".  Voulez-vous continuer ?");
const QString Scores = QStringLiteral("Des points ont été saisis pour certains joueurs dans ce tournoi. On ne peut "
                                      "donc pas recréer la liste des joueurs ...");
const QStringList Anciens = {"1|X|NOM1|Jean", "2|X|NOM2|Jean"};

} // namespace

class TestCsv : public QObject
{
    Q_OBJECT

    std::unique_ptr<SaisieTest> t;
    QString chemin(const QString &nom = QStringLiteral("liste.csv")) { return t->dossier.filePath(nom); }

    // The entrants of Anciens, or none, and a CSV file; the import started and its questions answered.
    void importe(int anciens, const QByteArray &contenu, const QList<bool> &reponses, const QString &choisi)
    {
        t->m.NomTournoi = QStringLiteral("Soirée");
        t->montre(anciens ? QList<int>{1, 2} : QList<int>{});
        QFile fichier(chemin());
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write(contenu);
        fichier.close();
        t->inscription();
        t->p.efface();
        t->p.reponses << reponses;
        t->p.fichiersChoisis << choisi;
        t->clique(QStringLiteral("cmdCSV"));
    }
    QStringList textes()
    {
        QStringList liste;
        for (const auto &boite : t->p.boites)
            liste << boite.texte;
        return liste;
    }

private slots:
    void init() { t = std::make_unique<SaisieTest>(); }
    void cleanup() { t.reset(); }

    void importation_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<int>("anciens");
        QTest::addColumn<QStringList>("attendus");
        QTest::addColumn<QString>("erreur");
        QTest::newRow("trois lignes") << QByteArray("DUPONT;Jean\r\nMARTIN;Paul\r\nDURAND;Luc\r\n") << 2
                                      << QStringList{"1|X|DUPONT|Jean", "2|X|MARTIN|Paul", "3|X|DURAND|Luc"} << "";
        QTest::newRow("sans inscrit, séparateurs en trop") << QByteArray(" LE GOFF ;Jean Pierre;") << 0
                                                           << QStringList{"1|X|LEGOFF|JeanPierre"} << "";
        QTest::newRow("ligne vide au milieu")
            << QByteArray("DUPONT;Jean\nMARTIN;Paul\n\nDURAND;Luc\n") << 2
            << QStringList{"1|X|DUPONT|Jean", "2|X|MARTIN|Paul"}
            << "Pas de point-virgule dans votre fichier CSV à la ligne  3\nArrêt du traitement";
        const QString accents = QStringLiteral("HÉLÈNE;Zoé\r\nMÜLLER;Jürgen");
        const QStringList accentues = {"1|X|HÉLÈNE|Zoé", "2|X|MÜLLER|Jürgen"};
        QTest::newRow("UTF-8") << accents.toUtf8() << 2 << accentues << "";
        QTest::newRow("UTF-8 avec marque") << QByteArray("\xEF\xBB\xBF") + accents.toUtf8() << 2 << accentues << "";
        QTest::newRow("Windows-1252") << QByteArray("H\xC9L\xC8NE;Zo\xE9\r\nM\xDCLLER;J\xFCrgen") << 2 << accentues
                                      << "";
    }
    void importation()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(int, anciens);
        QFETCH(QStringList, attendus);
        QFETCH(QString, erreur);
        importe(anciens, contenu, {true, true}, chemin());
        const QStringList boites = QStringList{Avertissement} + (anciens ? QStringList{Effacement} : QStringList{})
                                   + (erreur.isEmpty() ? QStringList{} : QStringList{erreur})
                                   + QStringList{QStringLiteral("Terminé.")};
        QCOMPARE(textes(), boites);
        QCOMPARE(t->p.boites.last().icone, Plateforme::Icone::Aucune);
        QCOMPARE(t->entrants(), attendus);
        QCOMPARE(t->w->pnlNbj->text(), QStringLiteral(" %1 inscrits").arg(attendus.size()));
        QCOMPARE(t->w->contenuGrille->nbLignes(), attendus.size());
        QCOMPARE(t->m.ColTri, 7);
    }

    // Whatever stops the import before its end leaves the entrants as they were.
    void rienNeChange_data()
    {
        QTest::addColumn<bool>("scores");
        QTest::addColumn<QList<bool>>("reponses");
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<int>("lignes");
        QTest::addColumn<QString>("derniere");
        QTest::newRow("scores saisis") << true << QList<bool>{} << "liste.csv" << 1 << Scores;
        QTest::newRow("non à l'avertissement") << false << QList<bool>{false} << "liste.csv" << 1 << Avertissement;
        QTest::newRow("dialogue annulé") << false << QList<bool>{true} << "" << 1 << Avertissement;
        QTest::newRow("non à l'effacement") << false << QList<bool>{true, false} << "liste.csv" << 1 << Effacement;
        QTest::newRow("fichier absent") << false << QList<bool>{true} << "absent.csv" << 1
                                        << "Le fichier %1 n'existe pas ou ne peut pas être lu.";
        QTest::newRow("plus de 9999 lignes")
            << false << QList<bool>{true} << "liste.csv" << 10000
            << "Le fichier %1 contient plus de 9999 lignes : la liste des joueurs n'est pas modifiée.";
    }
    void rienNeChange()
    {
        QFETCH(bool, scores);
        QFETCH(QList<bool>, reponses);
        QFETCH(QString, fichier);
        QFETCH(int, lignes);
        QFETCH(QString, derniere);
        if (scores)
            t->score(1, 1, QStringLiteral("4"), QStringLiteral("0"));
        const QString choisi = fichier.isEmpty() ? QString() : chemin(fichier);
        importe(2, QByteArray("NOM;Prenom\r\n").repeated(lignes), reponses, choisi);
        QCOMPARE(t->p.dernierTexte(), derniere.contains(u'%') ? derniere.arg(choisi) : derniere);
        QCOMPARE(t->p.questionsSansReponse, 0);
        QCOMPARE(t->entrants(), Anciens);
    }
};

QTEST_MAIN(TestCsv)
#include "test_csv.moc"
