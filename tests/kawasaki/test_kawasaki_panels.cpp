// The Kawasaki console's live-data and actuator panels, and clicks that arrive while an
// animation is still yielding (other buttons, or closing the window).
#include "kawasaki_driver.h"

#include <QGroupBox>
#include <QTest>

using namespace kawasaki_test;
using testing::FakePlatform;

namespace {
Form71* connectedConsole() {
    Form71* f = openConsole();
    if (f) f->Command29->click();
    return f;
}
constexpr long long kConnectYields = 40LL * 10001;
constexpr long long kTestYields = 20LL * 8001;
} // namespace

class TestKawasakiPanels : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { app::registerWindows(); }
    void init() { setLanguage(2); }
    void cleanup() {
        shell::WindowRegistry::instance().unloadAll();
        testing::flushDeletes();
    }

    void liveDataShowsCaptionsWithEmptyFields() {
        FakePlatform fake;
        ERRORS32::TemperatureUnit = 2; // the panel gives degrees Celsius all the same
        Form71* f = connectedConsole();
        for (int round = 0; round < 2; ++round) {
            QVERIFY(click(f->Command11));
            QVERIFY(f->Frame6->isVisible());
            QCOMPARE(f->Label12->text(), QStringLiteral("Water temperature \u00baC"));
            QCOMPARE(f->Label13->text(), QStringLiteral("Intake Temper. \u00baC"));
            QCOMPARE(f->Label10->text(), QStringLiteral("Throttle Volt."));
            QCOMPARE(f->Label18->text(), QStringLiteral("Air Intake Press."));
            QVERIFY(f->Label19->text() == "N/D" && f->Label21->text() == "N/D");
            QVERIFY(f->Label21->isVisible());
            for (QLabel* v : {f->Label5, f->Label6, f->Label22, f->Label23, f->Label15, f->Label17,
                              f->Label24, f->Label25, f->Label28, f->Label8})
                QVERIFY(v->text().isEmpty());
            QVERIFY(enabledButtons(f).isEmpty());
            QCOMPARE(QApplication::focusWidget(), f->Command12);
            QVERIFY(click(f->Command13)); // the panel's own Connect does nothing
            QCOMPARE(fake.yields, kConnectYields);
            QVERIFY(click(f->Command12));
            QVERIFY(!f->Frame6->isVisible());
            QCOMPARE(enabledButtons(f), kAllButBlank);
            QCOMPARE(QApplication::focusWidget(), f->Command3);
        }
        ERRORS32::TemperatureUnit = 1;
    }

    void actuatorTestsReportTheirOutput_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("results"); // Command33, 17, 8, 9, 7, 6, 5, 34
        QTest::newRow("English") << 2
                                 << QStringList{
                                        "Idle Actuator: Activated",   "Fuel pump: Activated",
                                        "IGNITION COIL 1: Activated", "IGNITION COIL 2: Activated",
                                        "FUEL INJECTOR 1: Activated", "FUEL INJECTOR 2: Activated",
                                        "FUEL INJECTOR 3: Activated", "FUEL INJECTOR 4: Activated"};
        QTest::newRow("Spanish")
            << 1 << QStringList{"Actuador de ralentí: Efectuado", "Bomba combustible: Efectuado",
                                "BOBINAS ENCENDIDO 1: Efectuado", "BOBINAS ENCENDIDO 2: Efectuado",
                                "INYECTORES 1: Efectuado",        "INYECTORES 2: Efectuado",
                                "INYECTORES 3: Efectuado",        "INYECTORES 4: Efectuado"};
    }
    void actuatorTestsReportTheirOutput() {
        QFETCH(int, language);
        QFETCH(QStringList, results);
        FakePlatform fake;
        setLanguage(language);
        Form71* f = connectedConsole();
        QVERIFY(click(f->Command31));
        QVERIFY(f->Frame5->isVisible());
        QVERIFY(enabledButtons(f).isEmpty());
        QCOMPARE(QApplication::focusWidget(), f->Command18);
        const QList<QPushButton*> tests = {f->Command33, f->Command17, f->Command8, f->Command9,
                                           f->Command7,  f->Command6,  f->Command5, f->Command34};
        for (int i = 0; i < tests.size(); ++i) {
            const long long before = fake.yields;
            QString barSeen;
            fake.onYield = [&](long long) { barSeen = f->Label14->text(); };
            QVERIFY(click(tests[i]));
            fake.onYield = nullptr;
            QCOMPARE(fake.yields - before, kTestYields);
            QCOMPARE(barSeen, QStringLiteral(" ") + QString(20, QLatin1Char('I')));
            QCOMPARE(f->Label14->text(), results[i]);
            QVERIFY(f->Label14->alignment() & Qt::AlignHCenter);
            QVERIFY(!fake.busy);
            QCOMPARE(QApplication::focusWidget(), f->Command18);
        }
        QVERIFY(click(f->Command18));
        QVERIFY(!f->Frame5->isVisible());
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
        atYield(fake, start + 5 * 8001, [&] { QVERIFY(click(f->Command33)); });
        QVERIFY(click(f->Command5));
        QCOMPARE(fake.yields - start, 2 * kTestYields);
        QCOMPARE(f->Label14->text(), QStringLiteral("FUEL INJECTOR 3: Activated"));
        QVERIFY(!fake.busy);
    }

    // Closing the panel ends a running test: nothing is written to the closed panel.
    void closingActuatorsDuringATest() {
        FakePlatform fake;
        Form71* f = connectedConsole();
        QVERIFY(click(f->Command31));
        atYield(fake, fake.yields + 1000, [&] { QVERIFY(click(f->Command18)); });
        QVERIFY(click(f->Command7));
        QVERIFY(f->Label14->text().isEmpty());
        QVERIFY(!fake.busy);
        QVERIFY(click(f->Command31));
        QVERIFY(f->Label14->text().isEmpty());
    }

    // A new communication replaces the one in progress.
    void operationStartedDuringConnect() {
        FakePlatform fake;
        Form71* f = connectedConsole();
        atYield(fake, fake.yields + 1000, [&] { QVERIFY(click(f->Command29)); });
        QVERIFY(click(f->Command29));
        QCOMPARE(f->Label51->text(), QStringLiteral(" ") + QString(40, QLatin1Char('I')));
        QCOMPARE(f->faultsStored, short(1));
        QCOMPARE(enabledButtons(f), kConnected);
        QVERIFY(!fake.busy && !f->Frame14->isVisible());

        atYield(fake, fake.yields + 1000, [&] { QVERIFY(click(f->Command1)); });
        QVERIFY(click(f->Command29));
        QCOMPARE(f->faultsStored, short(0));
        QVERIFY(f->Frame7->isVisible());
        QVERIFY(!fake.busy && !f->Frame14->isVisible());
    }

    // A panel opened while connecting keeps the function buttons off until it closes.
    void panelOpenedDuringConnect() {
        FakePlatform fake;
        Form71* f = connectedConsole();
        atYield(fake, fake.yields + 1000, [&] { QVERIFY(click(f->Command11)); });
        QVERIFY(click(f->Command29));
        QVERIFY(f->Frame6->isVisible());
        QVERIFY(enabledButtons(f).isEmpty());
        QVERIFY(click(f->Command12));
        QCOMPARE(enabledButtons(f), kAllButBlank);
    }

    void closingTheWindowDuringAnyAnimation_data() {
        QTest::addColumn<QString>("button");
        for (const char* b : {"Command29", "Command30", "Command1", "Command20", "Command5"})
            QTest::newRow(b) << QString::fromLatin1(b);
    }
    void closingTheWindowDuringAnyAnimation() {
        QFETCH(QString, button);
        FakePlatform fake;
        Form71* f = connectedConsole();
        if (button == "Command5") QVERIFY(click(f->Command31));
        auto* target = f->findChild<QPushButton*>(button);
        const long long start = fake.yields;
        // Inside the yield: the window goes away (Exit, or unloaded by program when the
        // panel has disabled Exit).
        atYield(fake, start + 3 * 10001, [&] {
            if (!click(f->Command3)) f->unload();
        });
        QPointer<Form71> alive(f);
        QVERIFY(click(target));
        QCOMPARE(fake.yields, start + 3 * 10001); // stopped at once
        testing::flushDeletes();
        QVERIFY(!alive);

        Form71* again = openConsole();
        QCOMPARE(enabledButtons(again), QStringList({"Command29", "Command3"}));
        QVERIFY(again->List1->count() == 0 && again->Label49->text().isEmpty());
    }
};

QTEST_MAIN(TestKawasakiPanels)
#include "test_kawasaki_panels.moc"
