// Readers and writers of the four files of a tournament.
#include "store/modele.h"
#include "store/texte.h"

namespace {

// A fixed-position field that may be blank: blank gives the empty text,
// otherwise the text is kept as read, padding included.
QString ChampFacultatif(const QString &ligne, int position, int longueur)
{
    const QString champ = ligne.mid(position - 1, longueur);
    return champ.trimmed().isEmpty() ? QString() : champ;
}

QString NombreOuRien(int n)
{
    return n == 0 ? QString() : QString::number(n);
}

// The data files hold one record a line; blank lines carry none.
template <typename Lecture>
void LitTable(const QStringList &lignes, TableCellules &table, Lecture lecture)
{
    table.vide();
    for (const QString &ligne : lignes) {
        if (ligne.isEmpty())
            continue;
        if (table.nbLignes() >= MaxLignes)
            break;
        lecture(ligne, table.ajouteLigne());
    }
}

} // namespace

void Modele::LitTables()
{
    LitJoueurs();
    LitManches();
    LitScores();
}

void Modele::LitEntete()
{
    const QString fichier = NomFichier(u'T');
    if (!FichierExiste(fichier))
        return;
    const QString prefixe = QStringLiteral("Fichier de tournoi ") + fichier + QStringLiteral(" invalide : ");
    const QStringList lignes = LitLignes(fichier);
    for (int i = 0; i < lignes.size(); ++i) {
        const QString &ligne = lignes[i];
        const QString enLigne = QStringLiteral(" en ligne ") + TexteSigne(i + 1);
        const qsizetype egal = ligne.indexOf(u'=');
        if (egal < 0)
            ArretFatal(prefixe + QStringLiteral("manque le signe '='") + enLigne);
        const QString cle = ligne.left(egal).toUpper();
        const QString valeur = ligne.mid(egal + 1);
        const QString majuscules = valeur.toUpper();
        const bool drapeau = cle == u"CALCULAUTO" || cle == u"ANIMATION" || cle == u"IMPRESSIONIMPR"
                             || cle == u"IMPRESSIONFICH";
        if (drapeau && majuscules != u"OUI" && majuscules != u"NON")
            ArretFatal(prefixe + QStringLiteral("l'option ") + cle + QStringLiteral(" doit être 'OUI' ou 'NON'")
                       + enLigne);

        if (cle == u"NOMTOURNOI") {
            NomTournoi = valeur;
        } else if (cle == u"TYPEJEU") {
            TypeJeu = majuscules;
        } else if (cle == u"ANIMATION") {
            OptAnimation = majuscules == u"OUI";
        } else if (cle == u"CALCULAUTO") {
            OptCalculAuto = majuscules == u"OUI";
        } else if (drapeau || cle == u"IMPRESSIONPARTABLE" || cle == u"IMPRESSIONPARJOUEUR"
                   || cle == u"IMPRESSIONPARNOM") {
            // read for compatibility, used by nothing
        } else if (cle == u"TIRAGE") {
            Tirage = majuscules;
        } else if (cle == u"TIRAGEMANCHE1") {
            TirageManche1 = majuscules;
        } else if (cle == u"DECALAGE") {
            // Up to four offsets separated by commas; the last takes the rest of the line.
            Decalage.fill(Cellule(QString()));
            if (!valeur.isEmpty()) {
                const QStringList morceaux = valeur.split(u',');
                for (int k = 0; k < 4 && k < morceaux.size(); ++k)
                    Decalage[k + 1] = k < 3 ? ValeurNumerique(morceaux[k])
                                            : ValeurNumerique(valeur.section(u',', 3));
            }
        } else if (cle == u"TOTALBELOTE") {
            TotalBelote = Entier16(ValeurNumerique(valeur));
        } else if (cle == u"PTSBELOTEREBELOTE") {
            PtsBeloteRebelote = Entier16(ValeurNumerique(valeur));
        } else if (cle == u"PTSCAPOT") {
            PtsCapot = Entier16(ValeurNumerique(valeur));
        } else {
            ArretFatal(prefixe + QStringLiteral("nom d'option ") + cle + QStringLiteral(" inconnue") + enLigne);
        }
    }
    if (TypeJeu != u"TAROT" && TypeJeu != u"BELOTE" && TypeJeu != u"BELOTEIND")
        ArretFatal(prefixe + QStringLiteral("l'option TYPEJEU doit être 'TAROT', 'BELOTE' ou 'BELOTEIND'"));
}

void Modele::LitJoueurs()
{
    LitTable(LitLignes(NomFichier(u'J')), Joueurs, [this](const QString &ligne, int r) {
        Joueurs(1, r) = ValeurNumerique(ligne.mid(0, 4));
        const QString coche = ligne.mid(5, 1);
        Joueurs(2, r) = coche.isEmpty() ? QStringLiteral(" ") : coche;
        Joueurs(3, r) = SansEspaces(ligne.mid(7, 30));
        Joueurs(4, r) = SansEspaces(ligne.mid(38, 30));
        for (int c = 5; c <= 9; ++c)
            Joueurs(c, r) = SansValeur;
    });
}

void Modele::LitManches()
{
    MancheCourante = 0;
    LitTable(LitLignes(NomFichier(u'M')), Manches, [this](const QString &ligne, int r) {
        Manches(1, r) = ValeurNumerique(ligne.mid(0, 2));
        Manches(2, r) = ligne.mid(3, 5);
        Manches(3, r) = ligne.mid(9, 5);
        Manches(4, r) = ligne.mid(15, 2);
        Manches(5, r) = ligne.mid(18, 1);
        if (Manches(5, r).texte() == u"X")
            MancheCourante = r;
    });
}

void Modele::LitScores()
{
    LitTable(LitLignes(NomFichier(u'S')), Scores, [this](const QString &ligne, int r) {
        Scores(1, r) = ValeurNumerique(ligne.mid(0, 2));
        Scores(2, r) = ValeurNumerique(ligne.mid(3, 4));
        Scores(3, r) = ChampFacultatif(ligne, 9, 2);
        Scores(4, r) = Entier16(ValeurNumerique(ligne.mid(11, 4)));
        Scores(5, r) = ChampFacultatif(ligne, 17, 7);
        // A 24-character line is the older layout, without belotes and capots.
        const bool ancienne = ligne.size() == 24;
        Scores(6, r) = ancienne ? QString() : ChampFacultatif(ligne, 25, 2);
        Scores(7, r) = ancienne ? QString() : ChampFacultatif(ligne, 28, 2);
    });
}

QString Modele::LigneJoueur(const TableCellules &t, int r)
{
    const int numero = int(ArrondiPair(t(1, r).nombre()));
    return QStringLiteral("%1").arg(numero, 4, 10, QLatin1Char('0')) + u' ' + Cadrer(t(2, r).texte(), 1) + u' '
           + Cadrer(t(3, r).texte(), 30) + u' ' + Cadrer(t(4, r).texte(), 30);
}

QString Modele::LigneManche(const TableCellules &t, int r)
{
    return Cadrer(t(1, r), 2) + u' ' + Cadrer(t(2, r).texte(), 5) + u' ' + Cadrer(t(3, r).texte(), 5) + u' '
           + Cadrer(t(4, r), 2) + u' ' + Cadrer(t(5, r).texte(), 1);
}

QString Modele::LigneScore(const TableCellules &t, int r)
{
    return Cadrer(t(1, r), 2) + u'|' + Cadrer(t(2, r), 4) + u'|' + Cadrer(t(3, r), 2) + u'|' + Cadrer(t(4, r), 4)
           + u'|' + Cadrer(t(5, r), 7) + u'|' + Cadrer(t(6, r), 2) + u'|' + Cadrer(t(7, r), 2) + u'.';
}

QStringList Modele::LignesEntete() const
{
    QString decalage = QStringLiteral("Decalage=");
    if (!Decalage[1].texte().isEmpty())
        decalage += Decalage[1].texte() + u',' + Decalage[2].texte() + u',' + Decalage[3].texte() + u','
                    + Decalage[4].texte();
    return {
        QStringLiteral("NomTournoi=") + NomTournoi,
        QStringLiteral("TypeJeu=") + TypeJeu,
        QStringLiteral("Animation=") + TexteOuiNon(OptAnimation),
        QStringLiteral("CalculAuto=") + TexteOuiNon(OptCalculAuto),
        QStringLiteral("Tirage=") + Tirage,
        QStringLiteral("TirageManche1=") + TirageManche1,
        decalage,
        QStringLiteral("TotalBelote=") + NombreOuRien(TotalBelote),
        QStringLiteral("PtsBeloteRebelote=") + NombreOuRien(PtsBeloteRebelote),
        QStringLiteral("PtsCapot=") + NombreOuRien(PtsCapot),
    };
}

namespace {

QStringList LignesTable(const TableCellules &t, QString (*ligne)(const TableCellules &, int))
{
    QStringList lignes;
    lignes.reserve(t.nbLignes());
    for (int r = 1; r <= t.nbLignes(); ++r)
        lignes << ligne(t, r);
    return lignes;
}

} // namespace

bool Modele::EcritJoueurs()
{
    const QString nom = NomFichier(u'J');
    return NbJoueurs() > 0 ? EcritLignes(nom, LignesTable(Joueurs, LigneJoueur)) : SupprimeFichier(nom);
}

bool Modele::EcritManches()
{
    const QString nom = NomFichier(u'M');
    if (NbManches() == 0)
        return SupprimeFichier(nom);
    if (MancheCourante != 0)
        for (int r = 1; r <= NbManches(); ++r)
            Manches(5, r) = QString(r == MancheCourante ? QStringLiteral("X") : QStringLiteral(" "));
    return EcritLignes(nom, LignesTable(Manches, LigneManche));
}

bool Modele::EcritScores()
{
    const QString nom = NomFichier(u'S');
    return NbScores() > 0 ? EcritLignes(nom, LignesTable(Scores, LigneScore)) : SupprimeFichier(nom);
}

bool Modele::EcritEntete()
{
    return EcritLignes(NomFichier(u'T'), LignesEntete());
}
