#include "ranking/actions.h"
#include "players/joueurs.h"
#include "ranking/classement.h"
#include "rounds/etatmanche.h"
#include "store/modele.h"

#include <algorithm>

SuiteClic ClicGrille(Modele &m, std::optional<BlocGrille> bloc)
{
    m.ModeNouveau = false;
    SuiteClic suite;
    if (!bloc || bloc->haut != bloc->bas || bloc->haut < 1 || bloc->haut > m.NbJoueurs()
        || bloc->haut > m.OrdreGrille.size())
        return suite;
    const int numero = m.OrdreGrille[bloc->haut - 1];
    if (bloc->gauche == ColJoueur::Coche && bloc->droite == ColJoueur::Coche)
        suite.remetSelection = BasculeCoche(m, numero);
    else if (bloc->gauche == 0 || bloc->gauche == ColJoueur::Numero || bloc->gauche == ColJoueur::Nom
             || bloc->gauche == ColJoueur::Prenom)
        suite.fiche = numero;
    return suite;
}

bool ChangeMancheCourante(Modele &m, int pas)
{
    if (m.MancheCourante == 0)
        return false;
    return ChangeManches(m, m.Manches, std::clamp(m.MancheCourante + pas, 1, std::max(m.NbManches(), 1)));
}

bool ValideCoches(Modele &m, std::optional<ChoixCoches> choix)
{
    return choix ? CocheJoueurs(m, *choix) : m.EcritJoueurs();
}

bool ChangeMoyennes(Modele &m, bool ancienAffichMoy)
{
    if (m.OptAffichMoy == ancienAffichMoy)
        return false;
    if (m.OrdreGrille.size() >= 2)
        CalculClassement(m);
    if (!m.OptAffichMoy)
        TrieGrille(m, ColJoueur::Points, Sens::Descendant);
    return true;
}
