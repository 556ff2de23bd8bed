#pragma once

#include "store/cellule.h"

#include <QString>
#include <array>
#include <optional>

// The game of a tournament. The header stores it as "TAROT", "BELOTE" or
// "BELOTEIND"; no tournament is open yet while it is Aucun.
class TypeJeu
{
public:
    enum Valeur : quint8 { Aucun, Tarot, Belote, BeloteInd };

    constexpr TypeJeu(Valeur valeur = Aucun) : m_valeur(valeur) {}
    constexpr operator Valeur() const { return m_valeur; }

    // Belote, by teams or individual: the belote settings and checks apply.
    constexpr bool estBelote() const { return m_valeur == Belote || m_valeur == BeloteInd; }
    // Fixed teams of two: each entrant is a team, two entries a table.
    constexpr bool estEquipes() const { return m_valeur == Belote; }
    // Entries per table: the two teams of team belote, four players otherwise.
    constexpr int nbParTable() const { return estEquipes() ? 2 : 4; }

    QString texte() const;
    // The game of a header value, already in capitals; nothing for any other text.
    static std::optional<TypeJeu> depuisTexte(const QString &texte);

private:
    Valeur m_valeur;
};

// How the tables of a round are drawn. The header stores "ALEATOIRE",
// "VERTICAL", "TOURNOI" or "FORTS"; a value edited by hand to anything else
// is kept as Autre, which the draw treats as the offsets of "TOURNOI".
enum class TypeTirage : quint8 { Aucun, Aleatoire, Vertical, Tournoi, Forts, Autre };
QString TexteTirage(TypeTirage tirage);
TypeTirage TirageDepuisTexte(const QString &texte);

// Direction of the ranking sort, "A" or "D" where a text names it.
enum class Sens : quint8 { Ascendant, Descendant };
QString TexteSens(Sens sens);
// The direction a sort button gives: ascending for number, tick, name and
// first name, descending for the counts, points and averages.
constexpr Sens SensParDefaut(int colonne)
{
    return colonne <= 4 ? Sens::Ascendant : Sens::Descendant;
}

// Every setting of a tournament and of the program: the tournament header
// (name, game, draws, offsets, belote values, animation, automatic ranking)
// and the options file (averages, balance control, alarm sounds).
struct Reglages
{
    QString NomTournoi;
    ::TypeJeu TypeJeu;
    bool OptAnimation = true;
    bool OptCalculAuto = true;
    TypeTirage Tirage = TypeTirage::Aucun;
    TypeTirage TirageManche1 = TypeTirage::Aucun;
    std::array<Cellule, 5> Decalage; // 1 to 4: Nord, Est, Sud, Ouest
    int TotalBelote = 0;
    int PtsBeloteRebelote = 20;
    int PtsCapot = 90;

    bool OptAffichMoy = true;
    bool OptCtrlBal = true;
    QString FichierSon5;
    QString FichierSon;

    int NbParTable() const { return TypeJeu.nbParTable(); }
    // Whether the seats of the tables are named: the table offsets are set.
    bool PlacesNommees() const { return !Decalage[1].estVide(); }
};
