#include "store/frmPub.h"
#include "store/modele.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

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

QList<QPixmap> frmPub::Cartes(bool belote)
{
    if (belote)
        return {DessineCarte(QStringLiteral("V"), QStringLiteral("♣"), false),
                DessineCarte(QStringLiteral("9"), QStringLiteral("♦"), true),
                DessineCarte(QStringLiteral("A"), QStringLiteral("♥"), true)};
    return {DessineCarte(QStringLiteral("21"), QStringLiteral("✦"), false),
            DessineCarte(QStringLiteral("1"), QStringLiteral("✧"), false),
            DessineCarte(QStringLiteral("R"), QStringLiteral("♠"), false)};
}

frmPub::frmPub(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPub"));
    setWindowTitle(QStringLiteral("A propos de VELMORA"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *grille = new QGridLayout(this);
    auto *titre = new QLabel(QStringLiteral("Velmora Tarot Belote"), this);
    QFont police = titre->font();
    police.setPointSize(police.pointSize() * 2);
    police.setBold(true);
    titre->setFont(police);
    grille->addWidget(titre, 0, 0, 1, 3, Qt::AlignCenter);

    const QList<QPixmap> tarot = Cartes(false), belote = Cartes(true);
    for (int i = 0; i < 3; ++i) {
        ImageT[i] = new QLabel(this);
        ImageT[i]->setObjectName(QStringLiteral("ImageT%1").arg(i + 1));
        ImageT[i]->setPixmap(tarot[i]);
        ImageT[i]->hide();
        ImageB[i] = new QLabel(this);
        ImageB[i]->setObjectName(QStringLiteral("ImageB%1").arg(i + 1));
        ImageB[i]->setPixmap(belote[i]);
        ImageB[i]->hide();
        Label1[i] = new QLabel(this);
        Label1[i]->setObjectName(QStringLiteral("Label1%1").arg(i));
    }
    Label1[1]->setText(QStringLiteral("Octobre 2019"));
    Label1[2]->setText(QStringLiteral("Version ") + VersionProgramme);
    Label1[0]->hide();
    grille->addWidget(Label1[1], 1, 0, 1, 3, Qt::AlignCenter);
    grille->addWidget(Label1[2], 2, 0, 1, 3, Qt::AlignCenter);

    Text1 = new QLineEdit(QStringLiteral("Velmora - gestion de tournois de cartes"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    grille->addWidget(Text1, 3, 0, 1, 3);

    Command1 = new QPushButton(QStringLiteral("&OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    grille->addWidget(Command1, 4, 1);
    connect(Command1, &QPushButton::clicked, this, &QDialog::close);
}
