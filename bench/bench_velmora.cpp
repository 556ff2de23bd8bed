// Timing of the largest tournament the files allow (9999 entrants, 32767
// score rows) beside a 4-entrant one: the ranking printed from the command
// line, run by turns, and the opening of each in the tournament window.
// Run by hand: cmake --build build --target bench_velmora && build/bench_velmora
#include "ranking/frmTarot1.h"
#include "ranking/ouverture.h"
#include "store/fichiers.h"
#include "store/modele.h"
#include "support/plateformetest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int NbEntrants = 9999;
constexpr int NbLignesScores = 32767;
constexpr int Essais = 15;

// Tournament 01 in `dossier`: `entrants` ticked entrants, rounds of as many
// seats as entrants until `lignes` score rows, scores as the file gives them.
void Ecrit(const QString &dossier, int entrants, int lignes)
{
    PlateformeTest p;
    Modele m(p);
    m.RepProgramme = dossier;
    m.NumTournoi = QStringLiteral("01");
    m.NomTournoi = QStringLiteral("Banc d'essai");
    m.TypeJeu = TypeJeu::Tarot;
    quint32 hasard = 2024;
    auto tirage = [&](int borne) {
        hasard = hasard * 1664525u + 1013904223u;
        return int((hasard >> 8) % quint32(borne));
    };
    for (int k = 1; k <= entrants; ++k) {
        const int r = m.Joueurs.ajouteLigne();
        m.Joueurs(ColJoueur::Numero, r) = k;
        m.Joueurs(ColJoueur::Coche, r) = QStringLiteral("X");
        m.Joueurs(ColJoueur::Nom, r) = QStringLiteral("NOM%1").arg(tirage(100000));
        m.Joueurs(ColJoueur::Prenom, r) = QStringLiteral("Prénom%1").arg(k);
    }
    const int parManche = entrants - entrants % 4;
    for (int i = 0; i < lignes; ++i) {
        const int r = m.Scores.ajouteLigne();
        m.Scores(ColScore::Manche, r) = 1 + i / parManche;
        m.Scores(ColScore::Table, r) = 1 + i % parManche / 4;
        m.Scores(ColScore::Parties, r) = QStringLiteral("5");
        m.Scores(ColScore::Joueur, r) = 1 + i % parManche;
        m.Scores(ColScore::Points, r) = QString::number(tirage(2001) - 1000);
        m.Scores(ColScore::Belotes, r) = QString();
        m.Scores(ColScore::Capots, r) = QString();
    }
    for (int k = 1; k <= std::max(1, (lignes + parManche - 1) / parManche); ++k) {
        const int r = m.Manches.ajouteLigne();
        m.Manches(ColManche::Numero, r) = k;
        m.Manches(ColManche::Debut, r) = QStringLiteral("20:00");
        m.Manches(ColManche::Fin, r) = QStringLiteral("23:00");
        m.Manches(ColManche::Parties, r) = QStringLiteral("5");
    }
    m.EcritLignes(QStringLiteral("T01.DAT"), LignesEntete(m));
    m.EcritJoueurs();
    m.EcritManches(m.Manches, m.NbManches());
    m.EcritScores();
}

double Mediane(QList<double> mesures)
{
    std::sort(mesures.begin(), mesures.end());
    return mesures[mesures.size() / 2];
}

// The ranking printed from the command line, in milliseconds.
double Imprime(const QString &dossier)
{
    QElapsedTimer chrono;
    chrono.start();
    QProcess velmora;
    velmora.start(QStringLiteral(VELMORA_EXE), {QStringLiteral("--dossier"), dossier, QStringLiteral("--tournoi"),
                                                  QStringLiteral("01"), QStringLiteral("--imprimer"),
                                                  QStringLiteral("classement")});
    velmora.waitForFinished();
    return chrono.nsecsElapsed() / 1e6;
}

// The tournament opened and its window shown, in milliseconds.
double Ouvre(const QString &dossier)
{
    PlateformeTest p;
    Modele m(p);
    m.RepProgramme = dossier;
    QElapsedTimer chrono;
    chrono.start();
    OuvreTournoi(m, QStringLiteral("01"));
    frmTarot1 fenetre(m);
    fenetre.show();
    QTest::qWaitForWindowExposed(&fenetre);
    QApplication::processEvents();
    return chrono.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir petit, grand;
    Ecrit(petit.path(), 4, 4);
    Ecrit(grand.path(), NbEntrants, NbLignesScores);

    QList<double> impressionPetit, impressionGrand, ouverturePetit, ouvertureGrand;
    for (int essai = 0; essai < Essais; ++essai) {
        impressionPetit << Imprime(petit.path());
        impressionGrand << Imprime(grand.path());
    }
    for (int essai = 0; essai < 5; ++essai) {
        ouverturePetit << Ouvre(petit.path());
        ouvertureGrand << Ouvre(grand.path());
    }
    const double rapport = Mediane(impressionGrand) / Mediane(impressionPetit);
    const double ecart = Mediane(ouvertureGrand) - Mediane(ouverturePetit);
    std::printf("Classement imprimé en ligne de commande (médiane de %d essais, dossier %s)\n", Essais,
                qPrintable(QDir::tempPath()));
    std::printf("  4 entrants : %7.1f ms\n  %d entrants, %d lignes de scores : %7.1f ms\n  rapport : %.2f %s\n",
                Mediane(impressionPetit), NbEntrants, NbLignesScores, Mediane(impressionGrand), rapport,
                rapport <= 1.5 ? "(au plus 1,5 : atteint)" : "(au plus 1,5 : MANQUÉ)");
    std::printf("Ouverture dans la fenêtre du tournoi (médiane de 5 essais)\n");
    std::printf("  4 entrants : %7.1f ms\n  le plus grand : %7.1f ms\n  écart : %.0f ms %s\n",
                Mediane(ouverturePetit), Mediane(ouvertureGrand), ecart,
                ecart < 300 ? "(moins de 300 ms : atteint)" : "(moins de 300 ms : MANQUÉ)");
    return rapport <= 1.5 && ecart < 300 ? 0 : 1;
}
