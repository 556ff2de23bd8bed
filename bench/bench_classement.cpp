// Timing of the ranking on the largest tournament the files allow: 9999
// entrants, 32767 score rows. Recompute, sort and grid refill together.
#include "ranking/classement.h"
#include "ranking/frmTarot1.h"
#include "store/modele.h"
#include "support/plateformetest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>

namespace {

constexpr int NbEntrants = 9999;
constexpr int NbLignesScores = 32767;

void Remplit(Modele &m)
{
    quint32 hasard = 2024;
    auto tirage = [&](int borne) {
        hasard = hasard * 1664525u + 1013904223u;
        return int((hasard >> 8) % quint32(borne));
    };
    for (int k = 1; k <= NbEntrants; ++k) {
        const int r = m.Joueurs.ajouteLigne();
        m.Joueurs(ColJoueur::Numero, r) = k;
        m.Joueurs(ColJoueur::Coche, r) = QStringLiteral("X");
        m.Joueurs(ColJoueur::Nom, r) = QStringLiteral("NOM%1").arg(tirage(100000));
        m.Joueurs(ColJoueur::Prenom, r) = QStringLiteral("Prénom%1").arg(k);
    }
    // Scores as the file reader leaves them: texts in their fixed-width fields.
    for (int i = 1; i <= NbLignesScores; ++i) {
        const int r = m.Scores.ajouteLigne();
        m.Scores(ColScore::Manche, r) = 1 + (i - 1) / 1000;
        m.Scores(ColScore::Table, r) = 1 + (i - 1) / 4;
        m.Scores(ColScore::Parties, r) = QStringLiteral(" 5");
        m.Scores(ColScore::Joueur, r) = 1 + tirage(NbEntrants);
        m.Scores(ColScore::Points, r) = QStringLiteral("%1").arg(tirage(2001) - 1000, 7);
        m.Scores(ColScore::Belotes, r) = QString();
        m.Scores(ColScore::Capots, r) = QString();
    }
}

// Best of a few runs, in milliseconds.
template <typename F>
double Chrono(F &&action)
{
    double meilleur = 1e9;
    for (int essai = 0; essai < 5; ++essai) {
        QElapsedTimer chrono;
        chrono.start();
        action();
        meilleur = std::min(meilleur, chrono.nsecsElapsed() / 1e6);
    }
    return meilleur;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    PlateformeTest p;
    Modele m(p);
    Remplit(m);
    frmTarot1 fenetre(m);
    fenetre.show();
    if (!QTest::qWaitForWindowExposed(&fenetre))
        return 1;

    const struct
    {
        const char *libelle;
        int colonne;
        Sens sens;
    } tris[] = {
        {"points, décroissant", ColJoueur::Points, Sens::Descendant},
        {"moyenne des manches, décroissant", ColJoueur::MoyManches, Sens::Descendant},
        {"nom, croissant", ColJoueur::Nom, Sens::Ascendant},
        {"coche, croissant (tout égal)", ColJoueur::Coche, Sens::Ascendant},
    };
    std::printf("%d entrants, %d lignes de scores (meilleur de 5 essais)\n", NbEntrants, NbLignesScores);
    for (const auto &tri : tris) {
        m.ColTri = tri.colonne;
        m.SensTri = tri.sens;
        const double total = Chrono([&] {
            CalculClassement(m);
            QApplication::processEvents();
        });
        const double tri_seul = Chrono([&] { TrieGrille(m, tri.colonne, tri.sens); });
        std::printf("  %s\n    calcul + tri + grille : %6.2f ms, tri + grille seuls : %6.2f ms\n", tri.libelle, total,
                    tri_seul);
    }
    return 0;
}
