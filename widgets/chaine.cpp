#include "widgets/chaine.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

class Validation : public QObject
{
public:
    Validation(QObject *parent, std::function<void()> action) : QObject(parent), m_action(std::move(action)) {}

    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        if (evenement->type() != QEvent::KeyPress)
            return QObject::eventFilter(objet, evenement);
        const auto *touche = static_cast<QKeyEvent *>(evenement);
        const bool avance = touche->key() == Qt::Key_Tab || touche->key() == Qt::Key_Return
                            || touche->key() == Qt::Key_Enter;
        if (!avance || touche->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
            return false;
        m_action();
        return true;
    }

private:
    std::function<void()> m_action;
};

} // namespace

void SurTabEntree(QWidget *boite, std::function<void()> validation)
{
    boite->installEventFilter(new Validation(boite, std::move(validation)));
}

void ChaineVers(QWidget *boite, QWidget *suivant)
{
    SurTabEntree(boite, [suivant] { suivant->setFocus(Qt::TabFocusReason); });
}

void ChaineSaisie(QWidget *boite, QWidget *suivant, std::function<bool()> valide)
{
    SurTabEntree(boite, [suivant, valide = std::move(valide)] {
        if (valide())
            suivant->setFocus(Qt::TabFocusReason);
    });
}
