// Totals and checks of the points of a table: tarot balance, belote control total.
#include "banc.h"
#include "scores/totaux.h"

#include <QTest>

namespace {

Saisie Points(const QString &points, const QString &parties = QStringLiteral("8"),
              const QString &belotes = QStringLiteral("1"), const QString &capots = {})
{
    Saisie s;
    const QStringList liste = points.split(u',');
    for (int k = 0; k < liste.size(); ++k)
        s.NPO[k] = liste[k];
    s.NPA = parties;
    s.NbBelotes = belotes;
    s.NbCapots = capots;
    return s;
}

} // namespace

class TestSaisieTotaux : public QObject
{
    Q_OBJECT
private slots:
    void refus_data()
    {
        QTest::addColumn<QString>("jeu");
        QTest::addColumn<bool>("controle");
        QTest::addColumn<int>("totalBelote");
        QTest::addColumn<QString>("points");
        QTest::addColumn<QString>("message"); // empty: accepted

        const QString balance = QStringLiteral("Le total des points ne balance pas : ");
        const QString egal = QStringLiteral("Le total des points n'est pas égal à ");
        const QString negatif = QStringLiteral("Des points négatifs ? A la belote ? Corrigez, merci !");
        QTest::newRow("tarot équilibré") << "TAROT" << true << 0 << "60,-20,-20,-20" << "";
        QTest::newRow("tarot, il manque") << "TAROT" << true << 0 << "60,-20,-20,-30"
                                          << balance + "il manque 10 points.";
        QTest::newRow("tarot, en trop") << "TAROT" << true << 0 << "60,-20,-20,-10"
                                        << balance + "il y a 10 points en trop.";
        QTest::newRow("tarot sans contrôle") << "TAROT" << false << 0 << "10,10,10,10" << "";
        QTest::newRow("équipes justes") << "BELOTE" << true << 162 << "700,616" << "";
        QTest::newRow("équipes, il manque") << "BELOTE" << true << 162 << "700,600"
                                            << egal + "1316 : il manque 16 points.";
        QTest::newRow("équipes, en trop") << "BELOTE" << true << 162 << "700,620"
                                          << egal + "1316 : il y a 4 points en trop.";
        QTest::newRow("équipes sans contrôle") << "BELOTE" << false << 162 << "700,600" << "";
        QTest::newRow("équipes sans total de donne") << "BELOTE" << true << 0 << "700,600" << "";
        QTest::newRow("points négatifs") << "BELOTE" << false << 162 << "-16,1332" << negatif;
        QTest::newRow("individuel juste") << "BELOTEIND" << true << 162 << "700,616,700,616" << "";
        QTest::newRow("individuel, il manque") << "BELOTEIND" << true << 162 << "700,616,700,600"
                                               << egal + "2632 : il manque 16 points.";
    }
    void refus()
    {
        QFETCH(QString, jeu);
        QFETCH(bool, controle);
        QFETCH(int, totalBelote);
        QFETCH(QString, points);
        QFETCH(QString, message);
        Banc b(jeu);
        b.m.OptCtrlBal = controle;
        b.m.TotalBelote = totalBelote;
        const Saisie s = Points(points);
        const qint32 total = CalculControleBelote(b.m, s, QString::number(TotalBase(b.m, s.NPA))).total;
        QCOMPARE(RefusPoints(b.m, s, total).value_or(QString()), message);
    }

    void controleBelote_data()
    {
        QTest::addColumn<QString>("jeu");
        QTest::addColumn<QString>("parties");
        QTest::addColumn<QString>("belotes");
        QTest::addColumn<QString>("capots");
        QTest::addColumn<int>("base");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("formule");

        QTest::newRow("équipes, une belote") << "BELOTE" << "8" << "1" << "" << 1296 << 1316
                                             << "(1 x 20  +  0 x 90  +  8 parties x 162)";
        QTest::newRow("individuel, une belote") << "BELOTEIND" << "8" << "1" << "" << 2592 << 2632
                                                << "(1 x 20  +  0 x 90  +  8 parties x 162)";
        QTest::newRow("belote et capot") << "BELOTEIND" << "8" << "1" << "2" << 2592 << 2992
                                         << "(1 x 20  +  2 x 90  +  8 parties x 162)";
        QTest::newRow("belotes effacées") << "BELOTE" << "8" << "" << "" << 1296 << 1296
                                          << "(0 x 20  +  0 x 90  +  8 parties x 162)";
        QTest::newRow("sans parties") << "BELOTE" << "" << "3" << "" << 0 << 60
                                      << "(3 x 20  +  0 x 90  +   parties x 162)";
    }
    void controleBelote()
    {
        QFETCH(QString, jeu);
        QFETCH(QString, parties);
        QFETCH(QString, belotes);
        QFETCH(QString, capots);
        Banc b(jeu);
        const qint32 base = TotalBase(b.m, parties);
        QTEST(int(base), "base");
        const ControleBelote c = CalculControleBelote(b.m, Points({}, parties, belotes, capots), QString::number(base));
        QTEST(int(c.total), "total");
        QTEST(c.expression, "formule");
        QCOMPARE(c.lblPtsBel, QStringLiteral("Nombre de belotes à 20 points dans la manche :"));
        QCOMPARE(c.lblPtsCap, QStringLiteral("Nombre de capots à 90 points dans la manche :"));
    }

    // Totals beyond the 16-bit range keep their sign.
    void grandsTotaux()
    {
        Banc b(QStringLiteral("BELOTEIND"));
        QCOMPARE(TotalPoints(b.m, Points(QStringLiteral("9999999,9999999,9999999,9999999"))), 39999996);
        QCOMPARE(TotalPoints(b.m, Points(QStringLiteral("-999999,-999999,20000,20000"))), -1959998);
        b.m.TotalBelote = b.m.PtsBeloteRebelote = b.m.PtsCapot = 32767;
        const qint32 base = TotalBase(b.m, QStringLiteral("99"));
        QCOMPARE(base, 2 * 99 * 32767);
        const Saisie s = Points({}, QStringLiteral("99"), QStringLiteral("99"), QStringLiteral("99"));
        QCOMPARE(CalculControleBelote(b.m, s, QString::number(base)).total, 6 * 99 * 32767);
    }
};

QTEST_GUILESS_MAIN(TestSaisieTotaux)
#include "test_saisie_totaux.moc"
