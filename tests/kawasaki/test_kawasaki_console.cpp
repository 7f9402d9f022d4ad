// The Kawasaki console: connecting, diagnosis and the fault history. What every console
// does alike is in tests/consoles.
#include "kawasaki_driver.h"

#include <QGroupBox>
#include <QTest>

using namespace kawasaki_test;
using testing::FakePlatform;

class TestKawasakiConsole : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:

    // The fault texts are Spanish or English (English for French); the catalog texts
    // around them follow the language.
    void connectAndDiagnose_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("faultCode");
        QTest::newRow("English") << 2 << "Fault Code: 03401D";
        QTest::newRow("French") << 3 << shell::catalogText("CatFaultCode", 3) + "03401D";
    }
    void connectAndDiagnose() {
        QFETCH(int, language);
        QFETCH(QString, faultCode);
        FakePlatform fake;
        setLanguage(language);
        Form71* f = openConsole();
        QVERIFY(click(f->Command29));
        QCOMPARE(fake.yields, 40LL * 10001);
        QCOMPARE(f->Label51->text(), QStringLiteral(" ") + QString(40, QLatin1Char('I')));
        QVERIFY(!f->Frame14->isVisible() && !fake.busy);
        QCOMPARE(f->Label49->text() + "|" + f->Label52->text() + "|" + f->Label53->text() + "|" +
                     f->Label54->text(),
                 QStringLiteral("KVF 450B|AU - EUR - CA - JP - US|2008|125"));
        QCOMPARE(enabledButtons(f), kConnected);

        QVERIFY(click(f->Command30));
        QCOMPARE(lines(f->List1).mid(2),
                 QStringList({faultCode, "Camshaft Angle Sensor",
                              "Possible Causes:", "Check wires, connector or sensor damaged"}));
        QCOMPARE(f->List1->count(), 6);
        QCOMPARE(f->List1->item(0)->text(),
                 shell::catalogText("CatFaultsDetected", language) + "1");

        // The fault is cleared before the erase's animation (see tests/consoles).
        QVERIFY(click(f->Command1));
        QCOMPARE(f->faultsStored, short(0));
    }

    // The history does not depend on the language nor on the stored fault.
    void historyFillsRegistersAndClearsOnExit() {
        FakePlatform fake;
        Form71* f = openConsole();
        QVERIFY(click(f->Command29));
        QVERIFY(click(f->Command1));
        QVERIFY(click(f->Command20));

        QVERIFY(f->Frame9->isVisible() && !f->Frame14->isVisible());
        QStringList values;
        for (QLabel* l : {f->Label74, f->Label64, f->Label65, f->Label66, f->Label67, f->Label75,
                          f->Label68, f->Label71})
            values << l->text();
        QCOMPARE(values, QStringList({"Camshaft Angle Sensor", "213", "1410", "12,60", "1,15",
                                      "Not fault in memory", "", ""}));
        QVERIFY(enabledButtons(f).isEmpty());
        QCOMPARE(QApplication::focusWidget(), f->Command21);

        QVERIFY(click(f->Command21));
        QVERIFY(!f->Frame9->isVisible());
        QVERIFY(f->Label74->text().isEmpty() && f->Label66->text().isEmpty() &&
                f->Label75->text().isEmpty());
        QCOMPARE(enabledButtons(f), kAllButBlank);
        QCOMPARE(QApplication::focusWidget(), f->Command3);
    }
};

QTEST_MAIN(TestKawasakiConsole)
#include "test_kawasaki_console.moc"
