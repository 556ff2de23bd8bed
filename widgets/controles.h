#pragma once

// Named controls: every control carries the objectName of its form.

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

inline QPushButton *Bouton(QWidget *parent, const QString &nom, const QString &texte)
{
    auto *bouton = new QPushButton(texte, parent);
    bouton->setObjectName(nom);
    return bouton;
}

// A label that wraps its text.
inline QLabel *Etiquette(QWidget *parent, const QString &nom, const QString &texte)
{
    auto *etiquette = new QLabel(texte, parent);
    etiquette->setObjectName(nom);
    etiquette->setWordWrap(true);
    return etiquette;
}

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
