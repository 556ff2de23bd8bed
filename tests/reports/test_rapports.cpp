// The reports as text files and as word-processor documents: each layout by
// game type, the paging, the rounds list, the way a printout ends (editor,
// boxes, wait window), the searches of the player sheet and the grids of the
// table lists.
#include "attendu.h"
#include "soiree.h"
#include "support/lecturedocx.h"

#include <QElapsedTimer>
#include <limits>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

class TestRapports : public QObject
{
    Q_OBJECT

    QTemporaryDir pdf;
    QStringList aConvertir;

private slots:
    // Each report of the evening against its expected file, named after the
    // row ("par table, places" is attendu/par-table-places.TXT): Windows-1252,
    // every line ended by CR LF. A document (".docx", written as the command
    // line writes it) is compared through its page header, body and footer
    // flattened into lines, then what the wait window showed while the body
    // was built; its text file is not written.
    void rapports_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<TypeJeu>("jeu");
        QTest::addColumn<bool>("places");
        QTest::addColumn<int>("argument");
        const TypeJeu tarot = TypeJeu::Tarot, belote = TypeJeu::Belote, individuelle = TypeJeu::BeloteInd;
        // The grid's order, names cut, a cell without value as 0.
        QTest::newRow("grille") << "GRILLE.TXT" << tarot << false << 0;
        QTest::newRow("manches") << "MANCHES.TXT" << tarot << false << 0;
        QTest::newRow("par table, places") << "LIST_TAB.TXT" << tarot << true << 0;
        // Without named seats the entrant numbers stay in one column.
        QTest::newRow("par table") << "LIST_TAB.TXT" << tarot << false << 0;
        QTest::newRow("par table, doublettes") << "LIST_TAB.TXT" << belote << true << 0;
        QTest::newRow("par joueur, places") << "LIST_JOU.TXT" << tarot << true << 0;
        QTest::newRow("par joueur, individuelle") << "LIST_JOU.TXT" << individuelle << false << 0;
        QTest::newRow("par joueur, doublettes") << "LIST_JOU.TXT" << belote << true << 0;
        QTest::newRow("par nom") << "LIST_NOM.TXT" << tarot << false << 0;
        QTest::newRow("par nom, doublettes") << "LIST_NOM.TXT" << belote << true << 0;
        QTest::newRow("feuille tarot, places") << "FEUILLES.TXT" << tarot << true << 2;
        QTest::newRow("feuille tarot") << "FEUILLES.TXT" << tarot << false << 2;
        // Every table of the round: the second sheet follows the first form feed.
        QTest::newRow("feuilles de toutes les tables") << "FEUILLES.TXT" << tarot << false << 0;
        QTest::newRow("feuille belote individuelle") << "FEUILLES.TXT" << individuelle << true << 2;
        QTest::newRow("feuille doublettes") << "FEUILLES.TXT" << belote << true << 2;
        // Entrant 8 sits out round 1, entrant 9 round 2: their fields stay empty.
        QTest::newRow("csv") << "FEUILLES.CSV" << tarot << false << 0;
        // A score not entered prints 0, and so do its deals when not given.
        QTest::newRow("fiche") << "FICHE.TXT" << tarot << false << 2;
        QTest::newRow("fiche sans valeurs") << "FICHE.TXT" << tarot << false << 9;
        // Only the ranking lies on its side.
        QTest::newRow("document classement") << "GRILLE.docx" << tarot << false << 0;
        QTest::newRow("document par table, places") << "LIST_TAB.docx" << tarot << true << 0;
        QTest::newRow("document par joueur") << "LIST_JOU.docx" << individuelle << false << 0;
        QTest::newRow("document par nom, doublettes") << "LIST_NOM.docx" << belote << true << 0;
        QTest::newRow("document feuille tarot, places") << "FEUILLES.docx" << tarot << true << 2;
        QTest::newRow("document feuille belote individuelle") << "FEUILLES.docx" << individuelle << false << 2;
        // Every table of the round, a page apart.
        QTest::newRow("document feuilles doublettes") << "FEUILLES.docx" << belote << true << 0;
        QTest::newRow("document fiche") << "FICHE.docx" << tarot << false << 2;
    }
    void rapports()
    {
        QFETCH(QString, fichier);
        QFETCH(TypeJeu, jeu);
        QFETCH(bool, places);
        QFETCH(int, argument);
        Tournoi t(jeu);
        Soiree(t, places);
        t.m.OrdreGrille = {5, 2, 9};
        QStringList recus{"attente :"};
        connect(&t.m, &Modele::attente, this, [&](const QString &texte) { recus << texte; });
        connect(&t.m, &Modele::progression, this, [&](int pourcentage) { recus << QString::number(pourcentage); });
        connect(&t.m, &Modele::finAttente, this, [&] { recus << "fin"; });

        QVERIFY(Imprime(t.m, fichier, argument));
        QVERIFY(t.p.boites.isEmpty());
        if (!fichier.endsWith(".docx")) {
            COMPARE_ATTENDU(t.lit(fichier), NomAttendu(fichier.mid(fichier.indexOf('.'))));
            QCOMPARE(t.p.textesEdites, QStringList{t.m.Chemin(fichier)});
            return;
        }
        const LectureDocx l(t.m.Chemin(fichier));
        QVERIFY2(l.erreur.isEmpty(), qPrintable(l.erreur));
        const QStringList lignes = l.lignes(l.partieEntete()) + l.lignes("word/document.xml") + l.lignes(l.partiePied());
        COMPARE_ATTENDU(EnOctets(lignes + QStringList{recus.join(' ')}), NomAttendu(".txt"));
        QVERIFY(!t.m.FichierExiste(fichier.section('.', 0, 0) + ".TXT"));
        aConvertir << pdf.filePath(NomAttendu(".docx"));
        QVERIFY(QFile::copy(t.m.Chemin(fichier), aConvertir.last()));
    }

    // A word processor takes each kind of document: LibreOffice, when there
    // is one, turns them all into PDF files at one start.
    void libreOffice()
    {
        QString soffice = QStandardPaths::findExecutable("soffice");
        if (soffice.isEmpty())
            soffice = QStandardPaths::findExecutable("libreoffice");
        if (soffice.isEmpty() || aConvertir.isEmpty())
            QSKIP("LibreOffice n'est pas installé, ou aucun document écrit");
        QTemporaryDir profil;
        QProcess p;
        p.start(soffice, QStringList{"-env:UserInstallation=" + QUrl::fromLocalFile(profil.path()).toString(), "--headless",
                                     "--convert-to", "pdf", "--outdir", pdf.path()} + aConvertir);
        QVERIFY(p.waitForFinished(300000));
        QCOMPARE(p.exitCode(), 0);
        for (QString document : aConvertir)
            QVERIFY2(QFileInfo(document.replace(".docx", ".pdf")).size() > 0, qPrintable(document));
    }

    // Entrants 1 to n seated by four in round 1, the grid in number order:
    // once a page holds 30 lines of a list, or 52 of the ranking, a new page
    // header follows, even when nothing comes after it.
    void pages_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<int>("joueurs");
        QTest::newRow("52 classes") << "GRILLE.TXT" << 52;
        QTest::newRow("53 classes") << "GRILLE.TXT" << 53;
        QTest::newRow("31 noms") << "LIST_NOM.TXT" << 31;
        // 24 seats and 6 blank lines fill a page exactly.
        QTest::newRow("24 places par table") << "LIST_TAB.TXT" << 24;
    }
    void pages()
    {
        QFETCH(QString, fichier);
        QFETCH(int, joueurs);
        Tournoi t;
        t.joueurs(joueurs).manches(1);
        for (int k = 1; k <= joueurs; ++k) {
            t.m.OrdreGrille << k;
            if (k % 4 == 0 || k == joueurs)
                t.table(1, (k + 3) / 4, QList<int>{k - 3, k - 2, k - 1, k}.mid(3 - (k - 1) % 4));
        }
        QVERIFY(Imprime(t.m, fichier, 0));
        COMPARE_ATTENDU(t.lit(fichier), NomAttendu(".TXT"));
    }

    // The rounds list: a round of two digits pushes the rest of its line one
    // column right; deals not given print 0. The command line prints without
    // starting the editor.
    void manches_data()
    {
        QTest::addColumn<QString>("parties");
        QTest::addColumn<int>("manches");
        QTest::newRow("manches 12 parties") << "12" << 2;
        QTest::newRow("manches parties non donnees") << "  " << 1;
        QTest::newRow("manches 10") << " 5" << 10;
        QTest::newRow("sans manche") << "" << 0;
    }
    void manches()
    {
        QFETCH(QString, parties);
        QFETCH(int, manches);
        Tournoi t;
        t.manches(manches, parties);
        QVERIFY(ImprimeManches(t.m, manches > 0));
        QCOMPARE(t.p.textesEdites.size(), manches > 0 ? 1 : 0);
        COMPARE_ATTENDU(t.lit("MANCHES.TXT"), NomAttendu(".TXT"));
    }

    // How a printout ends, seen through the platform: the editor or the
    // word processor, the boxes, the input box of the score sheets and the
    // wait window while they are built. The answers to the input box are
    // apart by spaces, "<vide>" an empty one, "<annule>" a cancel. A box is
    // "title|start of its text", boxes apart by "#", <chemin> the full path
    // of the file or page, <docs> the folder of the run's documents. What is
    // opened is the text file given to the editor, or the name of a document
    // or page. With a word processor ("traitement"), each printout is a new
    // document.
    void impression_data()
    {
        for (const char *colonne : {"action", "cas", "saisies", "boites", "ouverts", "signaux"})
            QTest::addColumn<QString>(colonne);
        const QString programme = "Velmora Tarot Belote 3.72|Aucun programme n'a pu ouvrir ";
        const QString fichier = programme + "le fichier. Il est enregistré ici :\n<chemin>";
        const QString impossible = "ERREUR|Impossible d'enregistrer le ", grilleVide = "ERREUR|La grille est vide, il n'y a rien à imprimer.";
        const QString bornes = "#Erreur|Le n° de table doit être compris entre 1 et 3";
        const QString toutes = "12 25 37 50 62 75 87 100 fin";
        QTest::newRow("liste sans application") << "LIST_TAB.TXT" << "sans application" << "" << fichier << "LIST_TAB.TXT" << "";
        QTest::newRow("liste bloquée") << "LIST_TAB.TXT" << "bloqué" << "" << impossible + "fichier LIST_TAB.TXT : " << "" << "";
        QTest::newRow("liste vide") << "LIST_TAB.TXT" << "vide" << ""
                                    << "ERREUR|Le fichier de répartition est vide, il n'y a rien à imprimer." << "" << "";
        QTest::newRow("grille vide") << "GRILLE.TXT" << "vide" << "" << grilleVide << "" << "";
        QTest::newRow("aide sans application") << "aide" << "sans application" << ""
                                               << programme + "la page d'aide. Elle se trouve ici :\n<chemin>" << "sommaire.html" << "";
        QTest::newRow("abandon") << "Abandon" << "" << "0" << "" << "" << "";
        QTest::newRow("csv") << "Csv" << "" << "0" << "" << "FEUILLES.CSV" << "";
        QTest::newRow("toutes les tables") << "Etat" << "" << "0" << "" << "FEUILLES.TXT" << toutes;
        // Table 3 follows table 1's deletion: it has its sheet, table 1 none.
        QTest::newRow("tables existantes seulement")
            << "Etat" << "" << "deux 1 4 -1 3"
            << "Erreur|Le n° saisi doit être un nombre#Erreur|La table n° 1 n'a pas été constituée pour cette manche." + bornes + bornes
            << "FEUILLES.TXT" << "25 50 75 100 fin";
        QTest::newRow("réponse vide") << "Etat" << "" << "<vide>" << "" << "" << "";
        QTest::newRow("saisie annulée") << "Etat" << "" << "<annule>" << "" << "" << "";
        QTest::newRow("sans parties") << "Etat" << "sans parties" << "0"
                                      << "ERREUR|Le nombre de parties n'est pas renseigné pour cette manche. Il est donc impossible "
                                         "d'imprimer les feuilles de marque. Pour corriger, allez dans la définition des manches et "
                                         "renseignez le nombre de parties." << "" << "";
        QTest::newRow("feuilles bloquées") << "Etat" << "bloqué" << "0" << impossible + "fichier FEUILLES.TXT : " << "" << toutes;

        QTest::newRow("grille deux fois, traitement de texte") << "GRILLE.TXT" << "traitement, deux fois" << "" << ""
            << "GRILLE-1.docx GRILLE-2.docx" << "100 fin Préparation du document ... 100 fin";
        QTest::newRow("grille vide, traitement de texte") << "GRILLE.TXT" << "vide, traitement" << "" << grilleVide << "" << "";
        QTest::newRow("liste, document impossible à écrire") << "LIST_TAB.TXT" << "traitement, dossier absent" << ""
            << impossible + "document <docs>LIST_TAB-1.docx : " << "LIST_TAB.TXT" << toutes;
        QTest::newRow("feuilles, traitement de texte") << "Etat" << "traitement" << "0" << "" << "FEUILLES-1.docx" << toutes;
        QTest::newRow("feuilles, document sans application")
            << "Etat" << "traitement, sans application" << "0"
            << "ERREUR|Aucun traitement de texte n'a pu ouvrir le document <docs>FEUILLES-1.docx.\n"
               "Le rapport est écrit en fichier texte à la place.#" + fichier
            << "FEUILLES-1.docx FEUILLES.TXT" << toutes + " Préparation du document ... " + toutes;
    }
    void impression()
    {
        QFETCH(QString, action);
        QFETCH(QString, cas);
        QFETCH(QString, signaux);
        QFETCH(QString, saisies);
        QFETCH(QString, boites);
        QFETCH(QString, ouverts);
        const QStringList reponses = saisies.split(' ', Qt::SkipEmptyParts), cadres = boites.split('#', Qt::SkipEmptyParts),
                          fichiers = ouverts.split(' ', Qt::SkipEmptyParts);
        Tournoi t;
        if (!cas.startsWith("vide"))
            Soiree(t);
        t.m.OrdreGrille = {1};
        t.m.WordInstalle = cas.contains("traitement");
        t.p.applicationTrouvee = !cas.contains("sans application");
        if (cas.contains("dossier absent"))
            t.p.dossierDocs = t.dossier.filePath("absent");
        const QString docs = t.p.dossierDocuments() + '/';
        if (cas.startsWith("sans parties"))
            t.m.Manches(ColManche::Parties, 2) = QString("  ");
        for (const QString &r : reponses)
            t.p.saisies.enqueue(r == "<annule>" ? std::nullopt : std::optional<QString>(r == "<vide>" ? "" : r));
        QStringList recus;
        connect(&t.m, &Modele::attente, this, [&](const QString &texte) { recus << texte; });
        connect(&t.m, &Modele::progression, this, [&](int pourcentage) { recus << QString::number(pourcentage); });
        connect(&t.m, &Modele::finAttente, this, [&] { recus << "fin"; });

        const QString fichier = action.contains('.') ? action : QString("FEUILLES.TXT");
        if (cas == "bloqué")
            t.bloque(fichier);
        QString chemin = t.m.Chemin(fichier);
        if (action == "aide") {
            chemin = t.m.CheminAide("sommaire.html");
            t.m.OuvreAide("sommaire.html");
        } else if (action.contains('.')) {
            for (int fois = cas.contains("deux fois") ? 2 : 1; fois > 0; --fois)
                Imprime(t.m, action, 0);
        } else {
            FeuillesDeMarque(t.m, action == "Csv"    ? ChoixFeuilles::Csv
                                  : action == "Etat" ? ChoixFeuilles::Etat
                                                     : ChoixFeuilles::Abandon);
        }

        QCOMPARE(t.p.boites.size(), cadres.size());
        for (int i = 0; i < cadres.size(); ++i) {
            const PlateformeTest::Boite &b = t.p.boites[i];
            const QString texte = cadres[i].section('|', 1).replace("<chemin>", QDir::toNativeSeparators(chemin))
                                      .replace("<docs>", QDir::toNativeSeparators(docs));
            QCOMPARE(b.titre, cadres[i].section('|', 0, 0));
            QVERIFY2(b.texte.startsWith(texte), qPrintable(b.texte));
            // The reason follows the name of a file that cannot be written.
            QVERIFY(b.texte.size() > texte.size() + 1 || !texte.endsWith(" : "));
            QCOMPARE(b.icone, b.titre == TitreProgramme ? Plateforme::Icone::Information : Plateforme::Icone::Exclamation);
        }
        QStringList chemins, documents;
        for (const QString &f : fichiers)
            if (f.endsWith(".TXT") || f.endsWith(".CSV"))
                chemins << QDir::toNativeSeparators(t.m.Chemin(f));
            else
                documents << f;
        QCOMPARE(t.p.textesEdites, chemins);
        QStringList nomsDocuments;
        for (const QString &d : t.p.documents) {
            nomsDocuments << QFileInfo(d).fileName();
            // A new document of the run, complete, in the run's folder.
            if (d.endsWith(".docx")) {
                QCOMPARE(QFileInfo(d).absolutePath() + '/', docs);
                QVERIFY(LectureDocx(d).erreur.isEmpty());
            }
        }
        QCOMPARE(nomsDocuments, documents);
        QCOMPARE(recus.join(' '), signaux.isEmpty() ? "" : "Préparation du document ... " + signaux);
        // The table is asked for the sheets only, once the round has its deals.
        QCOMPARE(t.p.saisies.size(), action == "Etat" && !cas.startsWith("sans parties") ? 0 : reponses.size());
        QVERIFY(!t.p.sablierActif());
        // A printout refused leaves no file behind.
        for (const char *f : {"LIST_TAB.TXT", "GRILLE.TXT", "FEUILLES.TXT", "FEUILLES.CSV"})
            QCOMPARE(t.m.FichierExiste(f), fichiers.contains(f));
    }

    // Grid order ANDRE BERNARD CARON DUBOIS ABCDE... FAURE GIRARD HENRY IMBERT,
    // or the reverse; the names of rows 2, 3 and 7 hold "AR". `debut` 0 is a
    // search from the two boxes, otherwise the next one by name from that row.
    // The result: "faite" when the search was made, the grid row found,
    // "suivant" when "next" is enabled, "impression" when "print" is, then
    // the message.
    void recherche_data()
    {
        QTest::addColumn<bool>("inverse");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("debut");
        QTest::addColumn<QString>("resultat");
        QTest::newRow("rien") << false << "" << "" << 0 << "0";
        QTest::newRow("zéro comme rien") << false << "0" << "" << 0 << "0";
        QTest::newRow("les deux") << false << "3" << "ar" << 0 << "0 Remplissez le n° OU le nom s.v.p.";
        QTest::newRow("numéro") << false << "3" << "" << 0 << "faite 3 impression";
        QTest::newRow("numéro, grille inversée") << true << "2" << "" << 0 << "faite 8 impression";
        QTest::newRow("numéro inconnu") << false << "12" << "" << 0 << "faite 0 Joueur(se) n°  12 pas trouvé";
        QTest::newRow("nom, sans casse") << false << "" << "ar" << 0 << "faite 2 suivant impression";
        QTest::newRow("nom, grille inversée") << true << "" << "AR" << 0 << "faite 3 suivant impression";
        QTest::newRow("suivant sur la ligne") << false << "" << "AR" << 3 << "faite 3 suivant impression";
        QTest::newRow("suivant plus loin") << false << "" << "AR" << 4 << "faite 7 suivant impression";
        QTest::newRow("plus de suivant") << false << "" << "AR" << 8 << "faite 0 Joueur(se) dont le nom contient AR pas trouvé";
    }
    void recherche()
    {
        QFETCH(bool, inverse);
        QFETCH(QString, numero);
        QFETCH(QString, nom);
        QFETCH(int, debut);
        Tournoi t;
        Soiree(t);
        for (int k = 1; k <= 9; ++k)
            t.m.OrdreGrille << (inverse ? 10 - k : k);
        const RechercheFiche r = debut ? ChercheNom(t.m, nom, debut) : ChercheFiche(t.m, numero, nom);
        QTEST(QString(r.faite ? "faite " : "") + QString::number(r.ligne) + (r.suivant ? " suivant" : "")
                  + (r.impression ? " impression" : "") + (r.erreur.isEmpty() ? "" : " " + r.erreur),
              "resultat");
    }

    // The grid of the player sheet: a row per table, the deals as a number.
    void grilleFiche()
    {
        Tournoi t;
        Soiree(t);
        QCOMPARE(GrilleFiche(t.m, 2), (QList<QStringList>{{"1", "5", "-10"}, {"2", "0", ""}}));
    }

    // The grid of the table lists window against attendu/vue-<row>.txt: its
    // headings, then its rows, cells apart by "|"; by number and by name the
    // table carries "*" while the score is not entered.
    void vues_data()
    {
        QTest::addColumn<TypeJeu>("jeu");
        QTest::addColumn<Liste>("liste");
        QTest::addColumn<bool>("places");
        QTest::newRow("par joueur") << TypeJeu(TypeJeu::Tarot) << Liste::ParJoueur << true;
        QTest::newRow("par table, places") << TypeJeu(TypeJeu::Belote) << Liste::ParTable << true;
        QTest::newRow("par nom") << TypeJeu(TypeJeu::Belote) << Liste::ParNom << false;
    }
    void vues()
    {
        QFETCH(TypeJeu, jeu);
        QFETCH(Liste, liste);
        QFETCH(bool, places);
        Tournoi t(jeu);
        Soiree(t, true);
        const VueListe vue = VueRepartition(t.m, liste, places);
        QCOMPARE(vue.largeurs.size(), vue.titres.size());
        QStringList lignes{vue.titres.join('|')};
        for (const QStringList &ligne : vue.lignes)
            lignes << ligne.join('|');
        COMPARE_ATTENDU(EnOctets(lignes), NomAttendu(".txt").prepend("vue-"));
    }

    // A damaged file with one table of 16,384 seats (a power of two, the
    // worst case of a Shell sort) lists and prints at once: the work grows
    // with the rows, not with their square. Equal keys stay in table order.
    void tableGeante()
    {
        // One table of n seats; the best of three timings of its lists, in nanoseconds.
        auto listes = [](Tournoi &t, int n) {
            t.joueurs(4).manches(1).places();
            QList<int> sieges;
            for (int k = 0; k < n; ++k)
                sieges << k % 4 + 1;
            t.table(1, 7, sieges);
            qint64 meilleur = std::numeric_limits<qint64>::max();
            for (int essai = 0; essai < 3; ++essai) {
                QElapsedTimer chrono;
                chrono.start();
                LignesListe(t.m, Liste::ParTable);
                LignesListe(t.m, Liste::ParJoueur);
                VueRepartition(t.m, Liste::ParNom, true);
                LignesFeuilles(t.m, 7);
                meilleur = std::min(meilleur, chrono.nsecsElapsed());
            }
            return meilleur;
        };
        // Eight times the seats take about eight times as long, never sixty-four:
        // the place of each row is not searched from the start of its table.
        Tournoi petit, grand;
        const qint64 court = listes(petit, 2048), long_ = listes(grand, 16384);
        QVERIFY2(long_ < 24 * court, qPrintable(QStringLiteral("%1 ns, %2 ns").arg(court).arg(long_)));
        const QStringList parTable = LignesListe(grand.m, Liste::ParTable);
        const QStringList parNumero = LignesListe(grand.m, Liste::ParJoueur);
        QCOMPARE(VueRepartition(grand.m, Liste::ParNom, true).lignes.size(), 16384);
        QCOMPARE(LignesFeuilles(grand.m, 7).count("\f"), 1);
        // Seats past the fourth are neither named nor followed by a blank
        // line: 16,385 lines, 30 to a page.
        QCOMPARE(parTable.size(), 16385 + 547 * 10);
        QVERIFY(parTable[15].startsWith(QString(28, u' ') + "1  NOM1 "));
        QVERIFY(parNumero[10].endsWith("  7 N") && parNumero[11].endsWith("  7  "));
    }
};

QTEST_GUILESS_MAIN(TestRapports)
#include "test_rapports.moc"
