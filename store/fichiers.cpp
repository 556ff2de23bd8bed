#include "store/fichiers.h"
#include "store/colonnes.h"
#include "store/modele.h"
#include "store/texte.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace {

// Calls `ligne` for each line of a file ended by CR LF, LF or CR; blank lines are skipped.
template <typename Action>
void ParLigne(QByteArrayView contenu, Action ligne)
{
    if (contenu.isEmpty())
        return;
    const char *p = contenu.data();
    const char *const fin = p + contenu.size();
    // The next CR and the next LF, each looked for again only once passed:
    // a large file is scanned by memchr, not byte by byte.
    auto prochain = [fin](const char *depuis, char c) {
        const void *trouve = std::memchr(depuis, c, std::size_t(fin - depuis));
        return trouve ? static_cast<const char *>(trouve) : fin;
    };
    const char *cr = prochain(p, '\r'), *lf = prochain(p, '\n');
    for (;;) {
        if (cr < p)
            cr = prochain(p, '\r');
        if (lf < p)
            lf = prochain(p, '\n');
        const char *const bout = std::min(cr, lf);
        if (bout > p)
            ligne(QByteArrayView(p, bout - p));
        if (bout == fin)
            return;
        p = bout + (bout + 1 < fin && bout[0] == '\r' && bout[1] == '\n' ? 2 : 1);
        if (p == fin)
            return;
    }
}

// Positions counted from 1, as the layouts give them; a short line gives a short field.
QByteArrayView Champ(QByteArrayView ligne, int position, int longueur)
{
    if (position > ligne.size())
        return {};
    return ligne.sliced(position - 1, std::min<qsizetype>(longueur, ligne.size() - position + 1));
}

QByteArrayView SansBlancs(QByteArrayView champ)
{
    while (!champ.isEmpty() && champ.front() == ' ')
        champ = champ.sliced(1);
    while (!champ.isEmpty() && champ.back() == ' ')
        champ.chop(1);
    return champ;
}

// A field that may be blank: blank gives the empty text, otherwise the text
// is kept as read, padding included, so that it is written back unchanged.
Cellule Facultatif(QByteArrayView champ)
{
    for (const char c : champ)
        if (c != ' ')
            return Cellule::depuisOctets(champ);
    return Cellule::depuisOctets({});
}

Cellule Facultatif(QByteArrayView ligne, int position, int longueur)
{
    return Facultatif(Champ(ligne, position, longueur));
}

bool TropDeLignes(const TableCellules &table, const QString &nom, QString &erreur)
{
    if (table.nbLignes() < MaxLignes)
        return false;
    erreur = QStringLiteral("Le fichier ") + nom + QStringLiteral(" contient plus de ") + QString::number(MaxLignes)
             + QStringLiteral(" lignes : il ne peut pas être lu.");
    return true;
}

// Reads a data file record by record; false, with the refusal, when it holds too many.
template <typename Lecture>
bool LitTable(const QByteArray &contenu, const QString &nom, TableCellules &table, QString &erreur,
              Lecture lecture)
{
    table.vide();
    table.reserve(std::min<qsizetype>(contenu.size() / 16, MaxLignes));
    bool lu = true;
    ParLigne(contenu, [&](QByteArrayView ligne) {
        if (!lu)
            return;
        if (TropDeLignes(table, nom, erreur))
            lu = false;
        else
            lecture(ligne, table.ajouteLigne());
    });
    return lu;
}

// Field of width w, in the bytes of a file: numbers right-aligned and cut on
// the left, texts left-aligned and cut on the right, empty values as w blanks.
// `texte`: a number is written as its text, left-aligned.
void Ajoute(QByteArray &ligne, const Cellule &c, int largeur, bool texte = false)
{
    QByteArray valeur = c.estNombre() ? TexteNombre(c.nombre()).toLatin1() : c.octets().toByteArray();
    if (c.estVide())
        valeur.clear();
    if (c.estNombre() && !texte) {
        if (valeur.size() >= largeur)
            ligne += valeur.right(largeur);
        else
            ligne += QByteArray(largeur - valeur.size(), ' ') + valeur;
    } else {
        valeur.truncate(largeur);
        ligne += valeur;
        ligne += QByteArray(largeur - valeur.size(), ' ');
    }
}

template <typename Ligne>
QByteArray Contenu(const TableCellules &t, int largeur, Ligne ligne)
{
    QByteArray contenu;
    contenu.reserve(qsizetype(t.nbLignes()) * (largeur + 2));
    for (int r = 1; r <= t.nbLignes(); ++r) {
        ligne(contenu, r);
        contenu += "\r\n";
    }
    return contenu;
}

QString NombreOuRien(int n)
{
    return n == 0 ? QString() : QString::number(n);
}

} // namespace

QByteArray ContenuJoueurs(const TableCellules &t)
{
    return Contenu(t, 68, [&t](QByteArray &ligne, int r) {
        const int numero = int(ArrondiPair(t(ColJoueur::Numero, r).nombre()));
        ligne += QStringLiteral("%1").arg(numero, 4, 10, QLatin1Char('0')).toLatin1();
        ligne += ' ';
        Ajoute(ligne, t(ColJoueur::Coche, r), 1, true);
        ligne += ' ';
        Ajoute(ligne, t(ColJoueur::Nom, r), 30, true);
        ligne += ' ';
        Ajoute(ligne, t(ColJoueur::Prenom, r), 30, true);
    });
}

QByteArray ContenuManches(const TableCellules &t)
{
    return Contenu(t, 19, [&t](QByteArray &ligne, int r) {
        Ajoute(ligne, t(ColManche::Numero, r), 2);
        ligne += ' ';
        Ajoute(ligne, t(ColManche::Debut, r), 5, true);
        ligne += ' ';
        Ajoute(ligne, t(ColManche::Fin, r), 5, true);
        ligne += ' ';
        Ajoute(ligne, t(ColManche::Parties, r), 2);
        ligne += ' ';
        Ajoute(ligne, t(ColManche::Active, r), 1, true);
    });
}

QByteArray ContenuScores(const TableCellules &t)
{
    static constexpr int largeurs[] = {0, 2, 4, 2, 4, 7, 2, 2};
    return Contenu(t, 30, [&t](QByteArray &ligne, int r) {
        for (int c = ColScore::Manche; c <= ColScore::Capots; ++c) {
            Ajoute(ligne, t(c, r), largeurs[c]);
            ligne += c == ColScore::Capots ? '.' : '|';
        }
    });
}

QStringList LignesEntete(const Reglages &r)
{
    QString decalage = QStringLiteral("Decalage=");
    if (!r.Decalage[1].texte().isEmpty())
        decalage += r.Decalage[1].texte() + u',' + r.Decalage[2].texte() + u',' + r.Decalage[3].texte() + u','
                    + r.Decalage[4].texte();
    return {
        QStringLiteral("NomTournoi=") + r.NomTournoi,
        QStringLiteral("TypeJeu=") + r.TypeJeu.texte(),
        QStringLiteral("Animation=") + TexteOuiNon(r.OptAnimation),
        QStringLiteral("CalculAuto=") + TexteOuiNon(r.OptCalculAuto),
        QStringLiteral("Tirage=") + TexteTirage(r.Tirage),
        QStringLiteral("TirageManche1=") + TexteTirage(r.TirageManche1),
        decalage,
        QStringLiteral("TotalBelote=") + NombreOuRien(r.TotalBelote),
        QStringLiteral("PtsBeloteRebelote=") + NombreOuRien(r.PtsBeloteRebelote),
        QStringLiteral("PtsCapot=") + NombreOuRien(r.PtsCapot),
    };
}

QStringList LignesOptions(const Reglages &r)
{
    return {
        QStringLiteral("AffichMoy=") + TexteOuiNon(r.OptAffichMoy),
        QStringLiteral("CtrlBal=") + TexteOuiNon(r.OptCtrlBal),
        QStringLiteral("FichierSon5=") + r.FichierSon5,
        QStringLiteral("FichierSon=") + r.FichierSon,
    };
}

bool LitJoueurs(const QByteArray &contenu, const QString &nom, TableCellules &joueurs, QString &erreur)
{
    TableCellules &lus = joueurs;
    const bool lu = LitTable(contenu, nom, lus, erreur, [&lus](QByteArrayView ligne, int r) {
        lus(ColJoueur::Numero, r) = ValeurNumerique(Champ(ligne, 1, 4));
        const QByteArrayView coche = Champ(ligne, 6, 1);
        lus(ColJoueur::Coche, r) = Cellule::depuisOctets(coche.isEmpty() ? QByteArrayView(" ") : coche);
        lus(ColJoueur::Nom, r) = Cellule::depuisOctets(SansBlancs(Champ(ligne, 8, 30)));
        lus(ColJoueur::Prenom, r) = Cellule::depuisOctets(SansBlancs(Champ(ligne, 39, 30)));
        for (int c = ColJoueur::Manches; c <= ColJoueur::MoyParties; ++c)
            lus(c, r) = SansValeur;
    });
    if (!lu)
        return false;

    // The lookup by number needs the entrants in ascending order, one entrant a number.
    const int n = lus.nbLignes();
    auto numero = [&lus](int r) { return lus(ColJoueur::Numero, r).nombre(); };
    bool enOrdre = true;
    for (int r = 2; r <= n && enOrdre; ++r)
        enOrdre = numero(r - 1) < numero(r);
    if (enOrdre)
        return true;
    std::vector<int> ordre(n);
    std::iota(ordre.begin(), ordre.end(), 1);
    std::stable_sort(ordre.begin(), ordre.end(), [&](int a, int b) { return numero(a) < numero(b); });
    for (int i = 1; i < n; ++i) {
        if (numero(ordre[i]) == numero(ordre[i - 1])) {
            erreur = QStringLiteral("Le fichier ") + nom + QStringLiteral(" donne deux fois le n° ")
                     + TexteNombre(numero(ordre[i])) + QStringLiteral(" : il ne peut pas être lu.");
            return false;
        }
    }
    TableCellules tries(ColJoueur::Nb);
    tries.redimensionne(n);
    for (int i = 0; i < n; ++i)
        for (int c = 1; c < ColJoueur::Nb; ++c)
            tries(c, i + 1) = std::move(lus(c, ordre[i]));
    joueurs = std::move(tries);
    return true;
}

bool LitManches(const QByteArray &contenu, const QString &nom, TableCellules &manches, int &courante,
                QString &erreur)
{
    courante = 0;
    return LitTable(contenu, nom, manches, erreur, [&](QByteArrayView ligne, int r) {
        manches(ColManche::Numero, r) = ValeurNumerique(Champ(ligne, 1, 2));
        manches(ColManche::Debut, r) = Cellule::depuisOctets(Champ(ligne, 4, 5));
        manches(ColManche::Fin, r) = Cellule::depuisOctets(Champ(ligne, 10, 5));
        manches(ColManche::Parties, r) = Cellule::depuisOctets(Champ(ligne, 16, 2));
        manches(ColManche::Active, r) = Cellule::depuisOctets(Champ(ligne, 19, 1));
        if (Champ(ligne, 19, 1) == "X")
            courante = r;
    });
}

bool LitScores(const QByteArray &contenu, const QString &nom, TableCellules &scores, QString &erreur)
{
    return LitTable(contenu, nom, scores, erreur, [&scores](QByteArrayView ligne, int r) {
        // The line as the program writes it, read at once: thirty thousand of them open a large tournament.
        if (ligne.size() == 30 && ligne[2] == '|' && ligne[7] == '|' && ligne[10] == '|' && ligne[15] == '|'
            && ligne[23] == '|' && ligne[26] == '|' && ligne[29] == '.') {
            scores(ColScore::Manche, r) = ValeurNumerique(ligne.sliced(0, 2));
            scores(ColScore::Table, r) = ValeurNumerique(ligne.sliced(3, 4));
            scores(ColScore::Parties, r) = Facultatif(ligne.sliced(8, 2));
            scores(ColScore::Joueur, r) = Entier16(ValeurNumerique(ligne.sliced(11, 4)));
            scores(ColScore::Points, r) = Facultatif(ligne.sliced(16, 7));
            scores(ColScore::Belotes, r) = Facultatif(ligne.sliced(24, 2));
            scores(ColScore::Capots, r) = Facultatif(ligne.sliced(27, 2));
            return;
        }
        scores(ColScore::Manche, r) = ValeurNumerique(Champ(ligne, 1, 2));
        scores(ColScore::Table, r) = ValeurNumerique(Champ(ligne, 4, 4));
        scores(ColScore::Parties, r) = Facultatif(ligne, 9, 2);
        scores(ColScore::Joueur, r) = Entier16(ValeurNumerique(Champ(ligne, 12, 4)));
        scores(ColScore::Points, r) = Facultatif(ligne, 17, 7);
        // A 24-character line is the older layout, without belotes and capots.
        const bool ancienne = ligne.size() == 24;
        scores(ColScore::Belotes, r) = ancienne ? Cellule(QString()) : Facultatif(ligne, 25, 2);
        scores(ColScore::Capots, r) = ancienne ? Cellule(QString()) : Facultatif(ligne, 28, 2);
    });
}

void LitEntete(Modele &m, const QString &fichier, const QByteArray &contenu, Reglages &r)
{
    const QString prefixe = QStringLiteral("Fichier de tournoi ") + fichier + QStringLiteral(" invalide : ");
    const QStringList lignes = DecoupeLignes(DepuisCp1252(contenu));
    bool typeValide = true;
    for (int i = 0; i < lignes.size(); ++i) {
        const QString &ligne = lignes[i];
        const QString enLigne = QStringLiteral(" en ligne ") + TexteSigne(i + 1);
        const qsizetype egal = ligne.indexOf(u'=');
        if (egal < 0)
            m.ArretFatal(prefixe + QStringLiteral("manque le signe '='") + enLigne);
        const QString cle = ligne.left(egal).toUpper();
        const QString valeur = ligne.mid(egal + 1);
        const QString majuscules = valeur.toUpper();
        const bool drapeau = cle == u"CALCULAUTO" || cle == u"ANIMATION" || cle == u"IMPRESSIONIMPR"
                             || cle == u"IMPRESSIONFICH";
        if (drapeau && majuscules != u"OUI" && majuscules != u"NON")
            m.ArretFatal(prefixe + QStringLiteral("l'option ") + cle + QStringLiteral(" doit être 'OUI' ou 'NON'")
                         + enLigne);

        if (cle == u"NOMTOURNOI") {
            r.NomTournoi = valeur;
        } else if (cle == u"TYPEJEU") {
            const std::optional<TypeJeu> jeu = TypeJeu::depuisTexte(majuscules);
            typeValide = jeu.has_value();
            r.TypeJeu = jeu.value_or(TypeJeu::Aucun);
        } else if (cle == u"ANIMATION") {
            r.OptAnimation = majuscules == u"OUI";
        } else if (cle == u"CALCULAUTO") {
            r.OptCalculAuto = majuscules == u"OUI";
        } else if (drapeau || cle == u"IMPRESSIONPARTABLE" || cle == u"IMPRESSIONPARJOUEUR"
                   || cle == u"IMPRESSIONPARNOM") {
            // read for compatibility, used by nothing
        } else if (cle == u"TIRAGE") {
            r.Tirage = TirageDepuisTexte(majuscules);
        } else if (cle == u"TIRAGEMANCHE1") {
            r.TirageManche1 = TirageDepuisTexte(majuscules);
        } else if (cle == u"DECALAGE") {
            // Up to four offsets separated by commas; the last takes the rest of the line.
            r.Decalage.fill(Cellule(QString()));
            if (!valeur.isEmpty()) {
                const QStringList morceaux = valeur.split(u',');
                for (int k = 0; k < 4 && k < morceaux.size(); ++k)
                    r.Decalage[k + 1] = k < 3 ? ValeurNumerique(morceaux[k])
                                              : ValeurNumerique(valeur.section(u',', 3));
            }
        } else if (cle == u"TOTALBELOTE") {
            r.TotalBelote = Entier16(ValeurNumerique(valeur));
        } else if (cle == u"PTSBELOTEREBELOTE") {
            r.PtsBeloteRebelote = Entier16(ValeurNumerique(valeur));
        } else if (cle == u"PTSCAPOT") {
            r.PtsCapot = Entier16(ValeurNumerique(valeur));
        } else {
            m.ArretFatal(prefixe + QStringLiteral("nom d'option ") + cle + QStringLiteral(" inconnue") + enLigne);
        }
    }
    if (!typeValide || r.TypeJeu == TypeJeu::Aucun)
        m.ArretFatal(prefixe + QStringLiteral("l'option TYPEJEU doit être 'TAROT', 'BELOTE' ou 'BELOTEIND'"));
}

bool Modele::EcritJoueurs(const TableCellules &joueurs)
{
    const QString nom = NomFichier(u'J');
    if (!(joueurs.nbLignes() > 0 ? EcritFichier(nom, ContenuJoueurs(joueurs)) : SupprimeFichier(nom)))
        return false;
    if (&joueurs != &Joueurs)
        Joueurs = joueurs;
    emit joueursChanges();
    return true;
}

bool Modele::EcritManches(const TableCellules &manches, int mancheCourante)
{
    const QString nom = NomFichier(u'M');
    TableCellules marquees = manches;
    if (mancheCourante != 0)
        for (int r = 1; r <= marquees.nbLignes(); ++r)
            marquees(ColManche::Active, r) = QString(r == mancheCourante ? QStringLiteral("X") : QStringLiteral(" "));
    if (!(marquees.nbLignes() > 0 ? EcritFichier(nom, ContenuManches(marquees)) : SupprimeFichier(nom)))
        return false;
    Manches = std::move(marquees);
    MancheCourante = mancheCourante;
    return true;
}

bool Modele::EcritScores(const TableCellules &scores)
{
    const QString nom = NomFichier(u'S');
    if (!(scores.nbLignes() > 0 ? EcritFichier(nom, ContenuScores(scores)) : SupprimeFichier(nom)))
        return false;
    if (&scores != &Scores)
        Scores = scores;
    emit scoresEcrits();
    return true;
}
