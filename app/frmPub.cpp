#include "app/frmPub.h"
#include "store/modele.h"
#include "widgets/cartes.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

    const QList<QPixmap> tarot = CartesDuJeu(false), belote = CartesDuJeu(true);
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
