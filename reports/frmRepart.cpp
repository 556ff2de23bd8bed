#include "reports/frmRepart.h"
#include "reports/commun.h"
#include "reports/feuilles.h"
#include "reports/feuillescsv.h"
#include "reports/frmOptFeuilles.h"
#include "scores/places.h"
#include "widgets/controles.h"
#include "widgets/grille.h"
#include "store/modele.h"
#include "store/texte.h"

#include <QGridLayout>
#include <QStandardItemModel>

namespace {

struct Colonne
{
    QString titre;
    int largeur; // twips
};

// Headings and widths of the grid for a list; the teams of team belote
// take the place of the player and of his two names.
QList<Colonne> Colonnes(Liste liste, bool equipes)
{
    const QString nom = equipes ? QStringLiteral("Nom/Prénom 1") : QStringLiteral("Nom");
    const QString prenom = equipes ? QStringLiteral("Nom/Prénom 2") : QStringLiteral("Prénom");
    switch (liste) {
    case Liste::ParJoueur:
        return {{QStringLiteral("Joueur"), 1000}, {nom, 3000}, {prenom, 3000}, {QStringLiteral("Table"), 1000}};
    case Liste::ParNom: return {{nom, 3000}, {prenom, 3000}, {QStringLiteral("Table"), 1000}};
    case Liste::ParTable: break;
    }
    return {{QStringLiteral("Table"), 1000},
            {equipes ? QStringLiteral("Equipe") : QStringLiteral("Joueur"), 1000},
            {nom, 3000},
            {prenom, 3000}};
}

} // namespace

frmRepart::frmRepart(Modele &modele, QWidget *parent) : QWidget(parent, Qt::Window), m(modele)
{
    setObjectName(QStringLiteral("frmRepart"));
    setWindowTitle(QStringLiteral("Constitution des tables de la manche ") + TexteSigne(m.MancheCourante));

    Grid3 = new GrilleFixe(this);
    Grid3->setObjectName(QStringLiteral("Grid3"));
    contenu = new QStandardItemModel(this);
    Grid3->setModel(contenu);

    cmdParTable = Bouton(this, QStringLiteral("cmdParTable"), QStringLiteral("Trier par n° table"));
    cmdParJoueur = Bouton(this, QStringLiteral("cmdParJoueur"), QStringLiteral("Trier par n° joueur"));
    cmdParNom = Bouton(this, QStringLiteral("cmdParNom"), QStringLiteral("Trier par nom joueur"));
    cmdImprTable = Bouton(this, QStringLiteral("cmdImprTable"), QStringLiteral("Liste par n° table"));
    cmdImprJoueur = Bouton(this, QStringLiteral("cmdImprJoueur"), QStringLiteral("Liste par n° joueur"));
    cmdImprNom = Bouton(this, QStringLiteral("cmdImprNom"), QStringLiteral("Liste par nom joueur"));
    cmdImprFM = Bouton(this, QStringLiteral("cmdImprFM"), QStringLiteral("Feuilles de marque"));
    cmdFin = Bouton(this, QStringLiteral("cmdFin"), QStringLiteral("&Sortie"));
    Label1 = Etiquette(this, QStringLiteral("Label1"),
                       QStringLiteral(" * signifie que le score du joueur n'est pas enregistré"));

    connect(cmdParTable, &QPushButton::clicked, this, [this] { AfficheListe(Liste::ParTable, m.PlacesNommees()); });
    connect(cmdParJoueur, &QPushButton::clicked, this, [this] { AfficheListe(Liste::ParJoueur, false); });
    connect(cmdParNom, &QPushButton::clicked, this, [this] { AfficheListe(Liste::ParNom, false); });
    connect(cmdImprTable, &QPushButton::clicked, this, [this] { Imprime(Liste::ParTable); });
    connect(cmdImprJoueur, &QPushButton::clicked, this, [this] { Imprime(Liste::ParJoueur); });
    connect(cmdImprNom, &QPushButton::clicked, this, [this] { Imprime(Liste::ParNom); });
    connect(cmdImprFM, &QPushButton::clicked, this, &frmRepart::FeuillesDeMarque);
    connect(cmdFin, &QPushButton::clicked, this, &QWidget::close);

    // The seven buttons that need tables in the current round.
    const QList<QPushButton *> boutons = {cmdParTable, cmdParJoueur, cmdParNom, cmdImprTable,
                                          cmdImprJoueur, cmdImprNom, cmdImprFM};
    auto *disposition = new QGridLayout(this);
    disposition->addWidget(Grid3, 0, 0, 1, 3);
    for (int i = 0; i < boutons.size(); ++i)
        disposition->addWidget(boutons[i], 1 + i / 3, i % 3);
    disposition->addWidget(cmdFin, 3, 2);
    disposition->addWidget(Label1, 4, 0, 1, 3);

    // The first view follows the tables without naming the seats.
    const bool tables = AfficheListe(Liste::ParTable, false) > 0;
    for (QPushButton *bouton : boutons)
        bouton->setEnabled(tables);
    resize(620, 520);
}

int frmRepart::AfficheListe(Liste liste, bool places)
{
    const int n = PrepareRepartition(m, liste);
    const TableCellules &t = m.TabTri;
    const QList<Colonne> colonnes = Colonnes(liste, m.TypeJeu.estEquipes());

    contenu->clear();
    contenu->setColumnCount(int(colonnes.size()));
    contenu->setRowCount(n);
    for (int c = 0; c < colonnes.size(); ++c) {
        contenu->setHorizontalHeaderItem(c, new QStandardItem(colonnes[c].titre));
        Grid3->setColumnWidth(c, Pixels(colonnes[c].largeur));
    }
    for (int i = 1; i <= n; ++i) {
        const double numero = t(ColTabTri::Libre5, i).nombre();
        const QString table = TexteNombre(t(ColTabTri::Ligne, i).nombre());
        const QString nom = NomJoueur(m, numero, ColJoueur::Nom), prenom = NomJoueur(m, numero, ColJoueur::Prenom);
        // Elsewhere the table is followed by the mark of a score not entered.
        const QString tableMarquee = table + u' ' + t(ColTabTri::Libre4, i).texte();
        QStringList cases;
        switch (liste) {
        case Liste::ParTable:
            cases = {places ? table + u' ' + NomPointCardinal(int(t(ColTabTri::Cle2, i).nombre())) : table,
                     TexteNombre(numero), nom, prenom};
            break;
        case Liste::ParJoueur: cases = {TexteNombre(numero), nom, prenom, tableMarquee}; break;
        case Liste::ParNom: cases = {nom, prenom, tableMarquee}; break;
        }
        for (int c = 0; c < cases.size(); ++c)
            contenu->setItem(i - 1, c, new QStandardItem(cases[c]));
    }
    return n;
}

void frmRepart::Imprime(Liste liste)
{
    const Sablier sablier(m.plateforme);
    ImprimeListe(m, liste);
}

void frmRepart::FeuillesDeMarque()
{
    frmOptFeuilles options(this);
    options.exec();
    const QString choix = options.choix();
    if (choix.isEmpty())
        return;
    if (choix == u"CSV") {
        const Sablier sablier(m.plateforme);
        ImprimeFeuillesCsv(m);
        return;
    }
    if (!PartiesRenseignees(m))
        return;
    const std::optional<int> table = DemandeTableFeuilles(m);
    if (!table)
        return;
    const Sablier sablier(m.plateforme);
    ImprimeFeuilles(m, *table);
}
