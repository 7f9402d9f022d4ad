// The Kawasaki console: connecting, diagnosis, the fault history, the live-data and actuator
// panels, and clicks that arrive while an animation is still yielding (other buttons, or
// closing the window). What every console does alike is in tests/consoles.
#include "consoles/kawasaki/form71.h"
#include "shell/catalog.h"
#include "shell/errors32.h"
#include "tests/support/window_test.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <functional>

using kawasaki::Form71;
using testing::FakePlatform;
using testing::lines;
using testing::setLanguage;

namespace {

Form71* openConsole() {
    return testing::open<Form71>("Form71");
}

Form71* connectedConsole() {
    Form71* f = openConsole();
    f->Command29->click();
    return f;
}

// Clicks a button only when a user could: visible and enabled.
bool click(QPushButton* b) {
    if (!b->isVisible() || !b->isEnabled()) return false;
    b->click();
    return true;
}

QStringList enabledButtons(const Form71* f) {
    QStringList out;
    for (auto* b : {f->Command29, f->Command31, f->Command30, f->Command11, f->Command20,
                    f->Command24, f->Command1, f->Command2, f->Command3, f->Command4})
        if (b->isEnabled()) out << b->objectName();
    return out;
}

// The buttons a connected console offers, in the order enabledButtons() lists them.
const QStringList kConnected = {"Command29", "Command31", "Command30", "Command11",
                                "Command20", "Command1",  "Command3"};
const QStringList kAllButBlank = {"Command29", "Command31", "Command30", "Command11", "Command20",
                                  "Command1",  "Command2",  "Command3",  "Command4"};

// Runs `action` once, from inside the yield with the given running count.
void atYield(testing::FakePlatform& fake, long long when, std::function<void()> action) {
    fake.onYield = [when, action = std::move(action), done = false](long long n) mutable {
        if (done || n < when) return;
        done = true;
        action();
    };
}

} // namespace

class TestKawasaki : public testing::WindowTest {
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
        QCOMPARE(f->Label51->text(), QStringLiteral(" ") + QString(40, QLatin1Char('I')));
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

    void liveDataShowsCaptionsWithEmptyFields() {
        FakePlatform fake;
        ERRORS32::TemperatureUnit = 2; // degrees Celsius all the same
        Form71* f = connectedConsole();
        ERRORS32::TemperatureUnit = 1;
        for (int round = 0; round < 2; ++round) {
            QVERIFY(click(f->Command11));
            QCOMPARE(f->Label12->text(), QStringLiteral("Water temperature \u00baC"));
            QCOMPARE(f->Label13->text(), QStringLiteral("Intake Temper. \u00baC"));
            QVERIFY(f->Label21->isVisible() && f->Label21->text() == "N/D");
            QVERIFY(f->Label5->text().isEmpty() && f->Label25->text().isEmpty());
            QVERIFY(enabledButtons(f).isEmpty());
            QCOMPARE(QApplication::focusWidget(), f->Command12);
            QVERIFY(click(f->Command13)); // the panel's own Connect does nothing
            QVERIFY(f->Frame6->isVisible() && !f->Frame14->isVisible());
            QVERIFY(click(f->Command12));
            QVERIFY(!f->Frame6->isVisible());
            QCOMPARE(enabledButtons(f), kAllButBlank);
            QCOMPARE(QApplication::focusWidget(), f->Command3);
        }
    }

    void actuatorTestsReportTheirOutput() {
        FakePlatform fake;
        Form71* f = connectedConsole();
        QVERIFY(click(f->Command31));
        QVERIFY(enabledButtons(f).isEmpty());
        QCOMPARE(QApplication::focusWidget(), f->Command18);
        const QList<QPushButton*> tests = {f->Command33, f->Command17, f->Command8, f->Command9,
                                           f->Command7,  f->Command6,  f->Command5, f->Command34};
        QStringList results;
        for (QPushButton* test : tests) {
            const long long before = fake.yields;
            QString bar;
            fake.onYield = [&](long long) { bar = f->Label14->text(); };
            QVERIFY(click(test));
            fake.onYield = nullptr;
            QCOMPARE(fake.yields - before, 20LL * 8001);
            QCOMPARE(bar, QStringLiteral(" ") + QString(20, QLatin1Char('I')));
            QVERIFY(!fake.busy);
            results << f->Label14->text();
        }
        QCOMPARE(results.first(), QStringLiteral("Idle Actuator: Activated"));
        QCOMPARE(results.last(), QStringLiteral("FUEL INJECTOR 4: Activated"));
        QCOMPARE(QSet<QString>(results.begin(), results.end()).size(), 8); // one each
        QVERIFY(click(f->Command18));
        QVERIFY(f->Label14->text().isEmpty());
        QCOMPARE(enabledButtons(f), kAllButBlank);
        QCOMPARE(QApplication::focusWidget(), f->Command3);
    }

    // A second test clicked during a bar runs inside it; the outer one writes last.
    void testInsideAnotherTestsBar() {
        FakePlatform fake;
        Form71* f = connectedConsole();
        QVERIFY(click(f->Command31));
        const long long start = fake.yields;
        bool busyBetween = false;
        atYield(fake, start + 5 * 8001, [&] {
            QVERIFY(click(f->Command33));
            busyBetween = fake.busy; // the outer bar is still growing
        });
        QVERIFY(click(f->Command5));
        QCOMPARE(fake.yields - start, 2 * 20LL * 8001);
        QCOMPARE(f->Label14->text(), QStringLiteral("FUEL INJECTOR 3: Activated"));
        QVERIFY(busyBetween && !fake.busy);
    }

    // Closing the panel ends a running test: nothing is written to the closed panel.
    void closingActuatorsDuringATest() {
        FakePlatform fake;
        Form71* f = connectedConsole();
        QVERIFY(click(f->Command31));
        atYield(fake, fake.yields + 1000, [&] { QVERIFY(click(f->Command18)); });
        QVERIFY(click(f->Command7));
        QVERIFY(!fake.busy);
        QVERIFY(click(f->Command31));
        QVERIFY(f->Label14->text().isEmpty());
    }

    // Another function clicked while connecting runs inside the connection, which then
    // still completes; the same function clicked again during its own wait reports once.
    void otherFunctionDuringConnectAndSameFunctionTwice() {
        FakePlatform fake;
        Form71* f = connectedConsole();
        atYield(fake, fake.yields + 1000, [&] { QVERIFY(click(f->Command30)); });
        QVERIFY(click(f->Command29));
        // The diagnosis came while the connection had not yet read the fault back.
        QCOMPARE(f->Label7->text(), QStringLiteral("There are not faults detected"));
        QCOMPARE(f->faultsStored, short(1));
        QVERIFY(!fake.busy && !f->Frame14->isVisible());
        QVERIFY(click(f->Command15));

        atYield(fake, fake.yields + 1000, [&] { QVERIFY(click(f->Command30)); });
        QVERIFY(click(f->Command30));
        QCOMPARE(lines(f->List1).size(), 6);
        QCOMPARE(enabledButtons(f), kConnected);
    }

    // A panel opened while connecting keeps the function buttons off until it closes.
    void panelOpenedDuringConnect() {
        FakePlatform fake;
        Form71* f = connectedConsole();
        atYield(fake, fake.yields + 1000, [&] { QVERIFY(click(f->Command11)); });
        QVERIFY(click(f->Command29));
        QVERIFY(f->Frame6->isVisible() && enabledButtons(f).isEmpty());
        QVERIFY(click(f->Command12));
        QCOMPARE(enabledButtons(f), kAllButBlank);
    }

    // Closing the console from a running actuator test, whose panel has disabled Exit.
    void unloadedDuringAnActuatorTest() {
        FakePlatform fake;
        QPointer<Form71> f = connectedConsole();
        QVERIFY(click(f->Command31));
        fake.processEventsOnYield = true; // deferred deletions may run inside the yields
        const long long stop = fake.yields + 3 * 8001;
        atYield(fake, stop, [&] { f->unload(); });
        QVERIFY(click(f->Command5));
        QCOMPARE(fake.yields, stop); // stopped at once
        testing::flushDeletes();
        QVERIFY(!f);
        QCOMPARE(enabledButtons(openConsole()), QStringList({"Command29", "Command3"}));
    }
};

QTEST_MAIN(TestKawasaki)
#include "test_kawasaki.moc"
