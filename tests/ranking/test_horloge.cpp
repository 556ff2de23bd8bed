// The clock of the tournament window, driven through the platform's clock:
// the two round alarms, the minutes already seen, the midnight greeting and
// the caption's date.
#include "ranking/frmTarot1.h"
#include "tournoi.h"

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

const QString SonAlerte = QStringLiteral("ALERTE.WAV");
const QString SonFin = QStringLiteral("FIN.WAV");

} // namespace

class TestHorloge : public QObject
{
    Q_OBJECT

    std::unique_ptr<TournoiTest> t;
    std::unique_ptr<frmTarot1> w;

    Modele &m() { return t->m; }

    void ouvre()
    {
        w = std::make_unique<frmTarot1>(m());
        w->show();
    }
    // The minute shown before the tick, then the tick at this time of day.
    void top(const QString &avant, const QDateTime &heure)
    {
        w->pnlTime->setText(avant);
        t->p.heure = heure;
        QMetaObject::invokeMethod(w->Timer1, "timeout");
    }
    static QDateTime Le6(const QString &heure)
    {
        return {QDate(2026, 12, 6), QTime::fromString(heure, QStringLiteral("HH:mm"))};
    }

private slots:
    void init()
    {
        t = std::make_unique<TournoiTest>();
        m().FichierSon5 = SonAlerte;
        m().FichierSon = SonFin;
    }
    void cleanup() { w.reset(); }

    // fin: end time of the current round, empty for no round at all;
    // courante: whether round 1 is the current round.
    void alarmes_data()
    {
        QTest::addColumn<QString>("fin");
        QTest::addColumn<bool>("courante");
        QTest::addColumn<QString>("avant");
        QTest::addColumn<QString>("heure");
        QTest::addColumn<QStringList>("sons");

        const QStringList rien;
        QTest::newRow("5 mn avant") << "15:00" << true << "14:54" << "14:55" << QStringList{SonAlerte};
        QTest::newRow("6 mn avant") << "15:00" << true << "14:53" << "14:54" << rien;
        QTest::newRow("4 mn avant") << "15:00" << true << "14:55" << "14:56" << rien;
        QTest::newRow("à l'heure de fin") << "15:00" << true << "14:59" << "15:00" << QStringList{SonFin};
        QTest::newRow("après la fin") << "15:00" << true << "15:00" << "15:01" << rien;
        QTest::newRow("premier top, à l'heure") << "15:00" << true << "" << "15:00" << QStringList{SonFin};
        QTest::newRow("sans heure de fin, 5 mn") << "__:__" << true << "14:54" << "14:55" << rien;
        QTest::newRow("sans heure de fin") << "__:__" << true << "14:59" << "15:00" << rien;
        QTest::newRow("sans manche") << "" << false << "14:59" << "15:00" << rien;
        QTest::newRow("sans manche courante") << "15:00" << false << "14:59" << "15:00" << rien;
        QTest::newRow("fin après minuit, veille") << "00:02" << true << "23:56" << "23:57" << rien;
        QTest::newRow("fin après minuit") << "00:02" << true << "00:01" << "00:02" << QStringList{SonFin};
        QTest::newRow("alerte la veille de minuit") << "00:03" << true << "23:57" << "23:58" << rien;
        // The timer is not exact: a minute already seen does not ring again,
        // a minute skipped by a late tick is not lost, a long gap rings only the present.
        QTest::newRow("minute déjà vue") << "15:00" << true << "14:55" << "14:55" << rien;
        QTest::newRow("top en retard") << "15:00" << true << "14:54" << "14:56" << QStringList{SonAlerte};
        QTest::newRow("long arrêt, à l'heure") << "15:00" << true << "14:30" << "15:00" << QStringList{SonFin};
        QTest::newRow("long arrêt, minute passée") << "15:00" << true << "14:30" << "14:56" << rien;
    }
    void alarmes()
    {
        QFETCH(QString, fin);
        QFETCH(bool, courante);
        QFETCH(QString, avant);
        QFETCH(QString, heure);
        QFETCH(QStringList, sons);
        if (!fin.isEmpty()) {
            t->manches(2);
            m().Manches(3, 1) = fin;
            m().MancheCourante = courante ? 1 : 0;
        }
        ouvre();
        top(avant, Le6(heure));
        QCOMPARE(t->p.sons, sons);
        QCOMPARE(w->pnlTime->text(), heure);
        QVERIFY(t->p.boites.isEmpty());
    }

    // The greeting comes even without a round, once for the minute 00:00,
    // also when a late tick skipped it.
    void minuit_data()
    {
        QTest::addColumn<QString>("heure");
        QTest::addColumn<bool>("oui");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QString>("reponse");
        QTest::newRow("oui") << "00:00" << true << TitreProgramme << "Il doit rester du café ...";
        QTest::newRow("non") << "00:00" << false << "VELMORA" << "Attention, ne buvez pas trop de café !";
        QTest::newRow("top en retard") << "00:01" << true << TitreProgramme << "Il doit rester du café ...";
    }
    void minuit()
    {
        QFETCH(QString, heure);
        QFETCH(bool, oui);
        QFETCH(QString, titre);
        QFETCH(QString, reponse);
        ouvre();
        t->p.reponses.enqueue(oui);
        top(QStringLiteral("23:59"), Le6(heure));
        QCOMPARE(w->pnlTime->text(), heure);
        QCOMPARE(t->p.boites.size(), 2);
        const PlateformeTest::Boite question = t->p.boites[0];
        QVERIFY(question.question);
        QCOMPARE(question.titre, TitreProgramme);
        QCOMPARE(question.texte, QStringLiteral("Coucou ! Un peu sommeil ?"));
        const PlateformeTest::Boite suite = t->p.boites[1];
        QCOMPARE(suite.icone, Plateforme::Icone::Exclamation);
        QCOMPARE(suite.titre, titre);
        QCOMPARE(suite.texte, reponse);

        top(heure, Le6(heure).addSecs(30));
        top(heure, Le6(QStringLiteral("00:02")));
        QCOMPARE(t->p.boites.size(), 2);
        QVERIFY(t->p.reponses.isEmpty());
    }

    void dateDuTitre()
    {
        m().NomTournoi = QStringLiteral("Open de Noël");
        ouvre();
        top(QStringLiteral("23:58"), Le6(QStringLiteral("23:59")));
        QCOMPARE(w->windowTitle(), QStringLiteral("Open de Noël - 06/12/2026"));
        top(QStringLiteral("23:59"), QDateTime(QDate(2026, 12, 7), QTime(0, 0)));
        QCOMPARE(w->windowTitle(), QStringLiteral("Open de Noël - 07/12/2026"));
    }
};

QTEST_MAIN(TestHorloge)
#include "test_horloge.moc"
