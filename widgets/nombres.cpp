#include "widgets/nombres.h"
#include "store/plateforme.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace {

// A key that would make the box break the rule is discarded, with a beep.
class FiltreNombre : public QObject
{
public:
    FiltreNombre(QLineEdit *boite, Plateforme &plateforme) : QObject(boite), m_boite(boite), m_plateforme(plateforme)
    {
    }

    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        if (evenement->type() != QEvent::KeyPress)
            return QObject::eventFilter(objet, evenement);
        const auto *touche = static_cast<QKeyEvent *>(evenement);
        const QString texte = touche->text();
        // Keys that type nothing (Tab, Enter, arrows, Backspace) and shortcuts pass.
        if (texte.isEmpty() || texte[0].unicode() < 32 || touche->modifiers() & Qt::ControlModifier)
            return false;
        QString apres = m_boite->text();
        const int debut = m_boite->hasSelectedText() ? m_boite->selectionStart() : m_boite->cursorPosition();
        apres.replace(debut, m_boite->selectedText().size(), texte);
        int position = debut + int(texte.size());
        if (m_boite->validator()->validate(apres, position) == QValidator::Acceptable)
            return false;
        m_plateforme.bip();
        return true;
    }

private:
    QLineEdit *m_boite;
    Plateforme &m_plateforme;
};

} // namespace

void BoiteNombre(QLineEdit *boite, Plateforme &plateforme, int chiffres, bool negatif)
{
    const QString motif = (negatif ? QStringLiteral("-?") : QString()) + QStringLiteral("[0-9]{0,%1}").arg(chiffres);
    boite->setValidator(new QRegularExpressionValidator(QRegularExpression(motif), boite));
    boite->setMaxLength(chiffres + (negatif ? 1 : 0));
    boite->installEventFilter(new FiltreNombre(boite, plateforme));
}
