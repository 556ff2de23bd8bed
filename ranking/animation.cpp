#include "ranking/animation.h"
#include "store/modele.h"

namespace {

constexpr int Bord = -2000;
constexpr int Limite = 10000;

} // namespace

void AnimationCartes::TireDeplacements(Plateforme &p)
{
    for (int i = 0; i < NbCartes; ++i) {
        DeplX[i] = 20 - int(p.hasard() * 40 + 1);
        DeplY[i] = 5 - int(p.hasard() * 10 + 1);
    }
}

void AnimationCartes::Avance()
{
    for (int i = 0; i < NbCartes; ++i)
        position[i] = Deplace(position[i], DeplX[i], DeplY[i]);
}

QPoint Deplace(QPoint position, int dx, int dy)
{
    int x = position.x() + dx;
    int y = position.y() + dy;
    if (x > Limite)
        x = Bord;
    if (x < Bord)
        x = Limite;
    if (y < Bord)
        y = Limite;
    if (y > Limite)
        y = Bord;
    return {x, y};
}

QString NomAnimation(TypeJeu typeJeu)
{
    return typeJeu == TypeJeu::Tarot ? QStringLiteral("TAROT") : QStringLiteral("BELOTE");
}

void JoueAnimation(Modele &m)
{
    const QString nom = NomAnimation(m.TypeJeu);
    const QString fichier = nom + QStringLiteral(".avi");
    if (!m.FichierExiste(fichier)) {
        m.AfficheErreur(QStringLiteral("Le fichier d'animation ") + nom + QStringLiteral(".avi ")
                        + QStringLiteral("n'a pas été trouvé. Assurez-vous que vous l'avez bien téléchargé ")
                        + QStringLiteral(" et recopié dans le répertoire du logiciel VELMORA."));
        return;
    }
    m.plateforme.joueVideo(m.Chemin(fichier));
}
