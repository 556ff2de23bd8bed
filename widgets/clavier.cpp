#include "widgets/clavier.h"
#include "store/plateforme.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class Filtre : public QObject
{
public:
    Filtre(QObject *parent, Plateforme *bip, bool moinsPermis)
        : QObject(parent), m_bip(bip), m_moinsPermis(moinsPermis)
    {
    }

    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        if (evenement->type() != QEvent::KeyPress)
            return QObject::eventFilter(objet, evenement);
        const auto *touche = static_cast<QKeyEvent *>(evenement);
        const QString texte = touche->text();
        if (texte.isEmpty() || texte[0].unicode() < 32 || touche->modifiers() & Qt::ControlModifier)
            return false;
        const QChar c = texte[0];
        if ((c >= u'0' && c <= u'9') || (m_moinsPermis && c == u'-'))
            return false;
        if (m_bip)
            m_bip->bip();
        return true;
    }

private:
    Plateforme *m_bip;
    bool m_moinsPermis;
};

} // namespace

void FiltreNumerique(QLineEdit *boite, Plateforme *bip, bool moinsPermis)
{
    boite->installEventFilter(new Filtre(boite, bip, moinsPermis));
}
