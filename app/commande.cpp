#include "app/commande.h"
#include "app/plateformeconsole.h"
#include "ranking/classement.h"
#include "ranking/ouverture.h"
#include "reports/feuilles.h"
#include "reports/feuillescsv.h"
#include "reports/fiche.h"
#include "reports/grille.h"
#include "reports/listes.h"
#include "reports/manches.h"
#include "rounds/etatmanche.h"
#include "settings/options.h"
#include "store/modele.h"
#include "store/texte.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <map>

namespace {

const QStringList Rapports = {
    QStringLiteral("classement"), QStringLiteral("manches"), QStringLiteral("tables"), QStringLiteral("joueurs"),
    QStringLiteral("noms"),       QStringLiteral("feuilles"), QStringLiteral("csv"),   QStringLiteral("fiche"),
};

int Usage(const QString &message)
{
    std::fprintf(stderr, "velmora : %s (velmora --help pour l'aide)\n", message.toLocal8Bit().constData());
    return 2;
}

bool Imprime(Modele &m, const Commande &c)
{
    const QString &r = c.rapport;
    const Sortie sortie = c.document ? Sortie::FichierDocument : Sortie::FichierTexte;
    if (r == u"classement")
        return ImprimeGrille(m, sortie);
    if (r == u"manches")
        return ImprimeManches(m, false);
    if (r == u"tables")
        return ImprimeListe(m, Liste::ParTable, sortie);
    if (r == u"joueurs")
        return ImprimeListe(m, Liste::ParJoueur, sortie);
    if (r == u"noms")
        return ImprimeListe(m, Liste::ParNom, sortie);
    if (r == u"csv")
        return ImprimeFeuillesCsv(m, false);
    if (r == u"feuilles") {
        if (!PartiesRenseignees(m))
            return false;
        const int table = c.table.value_or(0);
        if (const QString refus = RefusTableFeuilles(m, table); !refus.isEmpty()) {
            m.AfficheErreur(refus);
            return false;
        }
        return ImprimeFeuilles(m, table, sortie);
    }
    const int ligne = m.RechJoueur(*c.joueur);
    if (ligne < 0) {
        m.AfficheErreur(QStringLiteral("Joueur(se) n° ") + TexteSigne(*c.joueur) + QStringLiteral(" pas trouvé"));
        return false;
    }
    const int position = int(m.OrdreGrille.indexOf(*c.joueur)) + 1;
    return ImprimeFiche(m, FicheJoueur(m, ligne, position), sortie);
}

} // namespace

Commande AnalyseCommande(const QStringList &arguments)
{
    Commande c;
    std::map<QString, std::optional<int> Commande::*> nombres = {
        {QStringLiteral("--manche"), &Commande::manche},
        {QStringLiteral("--table"), &Commande::table},
        {QStringLiteral("--joueur"), &Commande::joueur},
        {QStringLiteral("--tri"), &Commande::tri},
    };
    std::map<QString, QString Commande::*> textes = {
        {QStringLiteral("--dossier"), &Commande::dossier},
        {QStringLiteral("--imprimer"), &Commande::rapport},
        {QStringLiteral("--tournoi"), &Commande::tournoi},
        {QStringLiteral("--sens"), &Commande::sens},
    };
    bool impression = false, bureau = false;
    for (int i = 0; i < arguments.size() && c.erreur.isEmpty(); ++i) {
        const QString &option = arguments[i];
        if (option == u"--help" || option == u"-h") {
            c.aide = true;
            continue;
        }
        if (option == u"--bureau") {
            bureau = true;
            continue;
        }
        if (option == u"--affichage") {
            c.affichage = true;
            continue;
        }
        if (option == u"--document") {
            c.document = impression = true;
            continue;
        }
        const bool nombre = nombres.count(option) > 0;
        if (!nombre && textes.count(option) == 0) {
            c.erreur = QStringLiteral("option inconnue : ") + option;
            break;
        }
        if (i + 1 == arguments.size()) {
            c.erreur = QStringLiteral("l'option ") + option + QStringLiteral(" attend une valeur");
            break;
        }
        const QString valeur = arguments[++i];
        if (option != u"--dossier" && option != u"--tournoi" && option != u"--imprimer")
            impression = true;
        if (!nombre) {
            c.*textes[option] = valeur;
            continue;
        }
        bool ok = false;
        const int n = valeur.toInt(&ok);
        if (!ok || n < 0)
            c.erreur = QStringLiteral("l'option ") + option + QStringLiteral(" attend un nombre entier : ") + valeur;
        c.*nombres[option] = n;
    }
    if (c.erreur.isEmpty() && c.affichage && !c.rapport.isEmpty())
        c.erreur = QStringLiteral("--affichage et --imprimer ne vont pas ensemble");
    if (c.erreur.isEmpty() && (impression || (!c.tournoi.isEmpty() && !c.affichage)) && c.rapport.isEmpty())
        c.erreur = QStringLiteral("ces options ne servent qu'avec --imprimer");
    if (c.erreur.isEmpty() && c.affichage && c.tournoi.isEmpty())
        c.erreur = QStringLiteral("--affichage demande --tournoi");
    if (c.erreur.isEmpty() && bureau) {
        if (!c.dossier.isEmpty())
            c.erreur = QStringLiteral("--bureau et --dossier ne vont pas ensemble");
        c.dossier = QDir::home().filePath(QStringLiteral("Velmora"));
        c.creeDossier = true;
    }
    return c;
}

QString TexteAide()
{
    return QStringLiteral(
        "Usage : velmora [--dossier DOSSIER | --bureau]\n"
        "        velmora --dossier DOSSIER --tournoi NN --imprimer RAPPORT [--document] [--manche R]\n"
        "                [--table T] [--joueur N] [--tri COL] [--sens A|D]\n"
        "        velmora --dossier DOSSIER --tournoi NN --affichage\n"
        "\n"
        "Sans --imprimer ni --affichage, ouvre la fenêtre de départ. Le dossier du\n"
        "programme est le dossier courant, ou DOSSIER avec --dossier : les tournois T01.DAT\n"
        "à T99.DAT, leurs fichiers J, M et S, les options VELMORA.INI et les fichiers\n"
        "imprimés y sont rangés.\n"
        "Avec --bureau (lancement depuis le menu du bureau), le dossier du programme est\n"
        "le dossier Velmora du dossier personnel, créé s'il n'existe pas.\n"
        "\n"
        "Avec --imprimer, ouvre le tournoi NN comme le programme l'ouvre, écrit un rapport\n"
        "dans le dossier, sans fenêtre ni éditeur, puis s'arrête. RAPPORT est :\n"
        "  classement  GRILLE.TXT, le classement trié selon --tri et --sens\n"
        "  manches     MANCHES.TXT, la liste des manches\n"
        "  tables      LIST_TAB.TXT, les tables de la manche, par table\n"
        "  joueurs     LIST_JOU.TXT, les tables de la manche, par n° de joueur\n"
        "  noms        LIST_NOM.TXT, les tables de la manche, par nom\n"
        "  feuilles    FEUILLES.TXT, les feuilles de marque de la table --table (0 : toutes)\n"
        "  csv         FEUILLES.CSV, les tables de chaque joueur à chaque manche\n"
        "  fiche       FICHE.TXT, la fiche du joueur --joueur\n"
        "\n"
        "  --document  écrit le document de traitement de texte (.docx) au lieu du\n"
        "              fichier texte : GRILLE.docx, LIST_TAB.docx, LIST_JOU.docx,\n"
        "              LIST_NOM.docx, FEUILLES.docx ou FICHE.docx ; les rapports\n"
        "              manches et csv n'existent qu'en fichier texte\n"
        "  --manche R  manche imprimée (par défaut la manche active) ; le fichier des\n"
        "              manches n'est pas modifié\n"
        "  --table T   table des feuilles de marque (0 par défaut : toutes)\n"
        "  --joueur N  n° du joueur de la fiche\n"
        "  --tri COL   colonne de tri de la grille, de 1 à 9 (7, les points, par défaut)\n"
        "  --sens A|D  croissant ou décroissant (par défaut A pour les colonnes 1 à 4,\n"
        "              D pour les colonnes 5 à 9)\n"
        "\n"
        "Code de sortie : 0 rapport écrit ; 1 refus (le message est écrit sur la sortie\n"
        "d'erreur et aucun rapport n'est écrit) ; 2 demande incorrecte.\n"
        "\n"
        "Avec --affichage, ouvre seulement l'affichage salle du tournoi NN, en plein écran\n"
        "(sur le deuxième écran s'il y en a un) : les tables de la manche, qui joue où,\n"
        "le classement. Il ne modifie aucun fichier et suit les changements du dossier,\n"
        "même partagé sur le réseau par l'ordinateur de l'organisateur. Touches : F11 plein\n"
        "écran, + et - taille du texte, Espace pause, Échap ferme l'affichage.\n");
}

QString TournoiAffiche(const Commande &c)
{
    bool ok = false;
    const int numero = c.tournoi.toInt(&ok);
    if (!ok || numero < 1 || numero > 99) {
        Usage(QStringLiteral("--tournoi attend un n° de tournoi de 1 à 99"));
        return {};
    }
    const QString nn = QStringLiteral("%1").arg(numero, 2, 10, QLatin1Char('0'));
    if (!QFileInfo(QDir::current().filePath(QStringLiteral("T") + nn + QStringLiteral(".DAT"))).isFile()) {
        Usage(QStringLiteral("le tournoi ") + nn + QStringLiteral(" n'existe pas"));
        return {};
    }
    return nn;
}

int ImprimeSansFenetre(const Commande &c)
{
    if (!Rapports.contains(c.rapport))
        return Usage(QStringLiteral("rapport inconnu : ") + c.rapport);
    bool ok = false;
    const int numero = c.tournoi.toInt(&ok);
    if (!ok || numero < 1 || numero > 99)
        return Usage(QStringLiteral("--tournoi attend un n° de tournoi de 1 à 99"));
    if (c.tri && (*c.tri < 1 || *c.tri > 9))
        return Usage(QStringLiteral("--tri attend une colonne de 1 à 9"));
    if (!c.sens.isEmpty() && c.sens != u"A" && c.sens != u"D")
        return Usage(QStringLiteral("--sens attend A ou D"));
    if (c.rapport == u"fiche" && !c.joueur)
        return Usage(QStringLiteral("le rapport fiche demande --joueur"));
    if (c.document && (c.rapport == u"manches" || c.rapport == u"csv"))
        return Usage(QStringLiteral("le rapport ") + c.rapport + QStringLiteral(" n'existe qu'en fichier texte"));

    PlateformeConsole plateforme;
    Modele m(plateforme);
    m.RepProgramme = QDir::currentPath();
    const QString nn = QStringLiteral("%1").arg(numero, 2, 10, QLatin1Char('0'));
    if (!m.FichierExiste(QStringLiteral("T") + nn + QStringLiteral(".DAT")))
        return Usage(QStringLiteral("le tournoi ") + nn + QStringLiteral(" n'existe pas"));
    try {
        LitOptions(m);
        // The printout never rewrites the rounds file: the status is worked out only.
        if (!OuvreTournoi(m, nn, false))
            return 1;
        if (c.manche) {
            if (*c.manche < 1 || *c.manche > m.NbManches())
                return Usage(QStringLiteral("--manche attend une manche du tournoi, de 1 à ") + QString::number(m.NbManches()));
            m.MancheCourante = *c.manche;
            CalculeEtatManche(m);
        }
        // The opening sorted on the points, descending: another order only when asked.
        const int tri = c.tri.value_or(ColJoueur::Points);
        const Sens sens = c.sens.isEmpty() ? SensParDefaut(tri) : (c.sens == u"A" ? Sens::Ascendant : Sens::Descendant);
        if (tri != m.ColTri || sens != m.SensTri)
            TrieGrille(m, tri, sens);
        return Imprime(m, c) ? 0 : 1;
    } catch (const ArretProgramme &) {
        return 1;
    }
}
