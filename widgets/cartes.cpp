#include "widgets/cartes.h"

#include <QPainter>

namespace {

// A card drawn by the program: its value in the corners, its suit in the middle.
QPixmap DessineCarte(const QString &valeur, const QString &couleur, bool rouge)
{
    QPixmap carte(48, 68);
    carte.fill(Qt::transparent);
    QPainter p(&carte);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, 47, 67), 5, 5);
    p.setPen(rouge ? QColor(200, 0, 0) : Qt::black);
    QFont police = p.font();
    police.setPixelSize(11);
    police.setBold(true);
    p.setFont(police);
    p.drawText(QRect(4, 3, 40, 14), Qt::AlignLeft | Qt::AlignTop, valeur);
    p.drawText(QRect(4, 51, 40, 14), Qt::AlignRight | Qt::AlignBottom, valeur);
    police.setPixelSize(24);
    p.setFont(police);
    p.drawText(QRect(0, 0, 48, 68), Qt::AlignCenter, couleur);
    return carte;
}

} // namespace

QList<QPixmap> CartesDuJeu(bool belote)
{
    if (belote)
        return {DessineCarte(QStringLiteral("V"), QStringLiteral("♣"), false),
                DessineCarte(QStringLiteral("9"), QStringLiteral("♦"), true),
                DessineCarte(QStringLiteral("A"), QStringLiteral("♥"), true)};
    return {DessineCarte(QStringLiteral("21"), QStringLiteral("✦"), false),
            DessineCarte(QStringLiteral("1"), QStringLiteral("✧"), false),
            DessineCarte(QStringLiteral("R"), QStringLiteral("♠"), false)};
}
