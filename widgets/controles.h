#pragma once

// Named controls: every control carries the objectName of its form, so that
// the code and the tests find it by the name the form gives it.

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

#include <utility>

// Any control: `new W(arguments...)` named `nom`.
template <typename W, typename... Arguments>
W *Cree(const QString &nom, Arguments &&...arguments)
{
    auto *controle = new W(std::forward<Arguments>(arguments)...);
    controle->setObjectName(nom);
    return controle;
}

inline QPushButton *Bouton(QWidget *parent, const QString &nom, const QString &texte)
{
    return Cree<QPushButton>(nom, texte, parent);
}

// A label that wraps its text.
inline QLabel *Etiquette(QWidget *parent, const QString &nom, const QString &texte)
{
    auto *etiquette = Cree<QLabel>(nom, texte, parent);
    etiquette->setWordWrap(true);
    return etiquette;
}

// The windows are laid out in twips, 15 to a pixel.
constexpr int Pixels(int twips)
{
    return (twips + 7) / 15;
}
// A window that takes the whole of the smallest screen: its frame, title bar
// and borders included, is 12000 x 9000 twips at the top left corner. The
// system's own frame counts once the window has one; before, a usual title
// bar and thin borders.
inline void OccupeEcran(QWidget *fenetre)
{
    QMargins cadre(4, 30, 4, 4);
    if (fenetre->windowHandle() && !fenetre->windowHandle()->frameMargins().isNull())
        cadre = fenetre->windowHandle()->frameMargins();
    fenetre->move(0, 0);
    fenetre->resize(Pixels(12000) - cadre.left() - cadre.right(),
                    Pixels(9000) - std::max(cadre.top(), 30) - cadre.bottom());
}

// Heights of the heading row and of the other rows of every grid, in twips.
constexpr int HauteurTitresGrille = 480;
constexpr int HauteurLigneGrille = 225;

// A window being destroyed must not hear from its controls any more: a box
// that loses the focus as it goes would call the window's handlers on a
// window already half gone. Called first thing by such a window's destructor.
inline void DetacheEnfants(QWidget *fenetre)
{
    for (QObject *enfant : fenetre->findChildren<QObject *>())
        QObject::disconnect(enfant, nullptr, fenetre, nullptr);
}

// The row of buttons at the foot of a dialog, pushed to the right.
inline QHBoxLayout *LigneBoutons(std::initializer_list<QPushButton *> boutons)
{
    auto *ligne = new QHBoxLayout;
    ligne->addStretch();
    for (QPushButton *bouton : boutons)
        ligne->addWidget(bouton);
    return ligne;
}
