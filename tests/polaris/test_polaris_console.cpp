// The Polaris console: opening, connection, vehicle data, faults, ECU Info, Exit.
#include "app/windows.h"
#include "tests/polaris/polaris_support.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

using namespace ERRORS32;
using namespace polaris_test;
using polaris::Form72;
using testing::FakePlatform;

class TestPolarisConsole : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:

    void opensNotConnected() {
        FakePlatform fake;
        Form72* f = openConsole();
        QCOMPARE(f->faultsStored, short(1));

        // Only Connect and the bottom bar work; Exit has the focus; panels hidden.
        QVERIFY(allEnabled(
            {f->Command31, f->Command30, f->Command1, f->Command24, f->Command20, f->Command9},
            false));
        QVERIFY(
            allEnabled({f->Command29, f->Command2, f->Command19, f->Command3, f->Command4}, true));
        QCOMPARE(QApplication::focusWidget(), f->Command3);
        QVERIFY(!f->Frame14->isVisibleTo(f) && !f->Frame6->isVisibleTo(f));
        QVERIFY(f->Label48->text().isEmpty() && f->List1->count() == 0);
    }

    void captionsKeepTheLoadLanguage() {
        FakePlatform fake;
        setLanguage(1);
        Form72* f = openConsole();
        QCOMPARE(f->Command24->text(), QStringLiteral("Servicio"));
        QCOMPARE(f->Frame6->title(), shell::catalogText("CatLiveData", 1));
        setLanguage(2);
        QCOMPARE(f->Command24->text(), QStringLiteral("Servicio"));
    }

    void connectAnimatesAndFillsVehicleData() {
        FakePlatform fake;
        Form72* f = openConsole();
        QString barAtEnd, barAtStart;
        bool busyDuring = false;
        bool buttonsDuring = true;
        fake.onYield = [&](long long n) {
            if (n == 1) {
                barAtStart = f->Label51->text();
                busyDuring = fake.busy && f->Frame14->isVisible();
                buttonsDuring = f->Command29->isEnabled() && f->Command3->isEnabled();
            }
            if (n == kConnectYields) barAtEnd = f->Label51->text();
        };
        f->Command29->click();
        QCOMPARE(fake.yields, kConnectYields);
        QCOMPARE(barAtStart, QStringLiteral(" I"));
        QCOMPARE(barAtEnd, QStringLiteral(" ") + QString(50, QLatin1Char('I')));
        QVERIFY(busyDuring && buttonsDuring);
        QVERIFY(!fake.busy && !f->Frame14->isVisible() && f->Label51->text().isEmpty());
        QCOMPARE(f->Label48->text(), QStringLiteral("POLARIS SPORTMAN 800"));
        QCOMPARE(f->Label50->text(), QStringLiteral("MSE1.1"));
        QVERIFY(allEnabled(consoleButtons(f), true));

        // Connecting again gives the same result, starting from a fresh bar.
        fake.yields = 0;
        barAtStart.clear();
        f->Command29->click();
        QCOMPARE(barAtStart, QStringLiteral(" I"));
        QCOMPARE(f->Label48->text(), QStringLiteral("POLARIS SPORTMAN 800"));
    }

    void diagnosticEraseDiagnostic() {
        FakePlatform fake;
        Form72* f = openConnected(fake);
        f->Command30->click();
        QCOMPARE(fake.yields, 0LL); // no animation
        QCOMPARE(lines(f->List1),
                 QStringList({"Faults detected: 1", " ", "Fault Code: P0122 Active",
                              "Throttle Position Sensor Circuit - Voltage Low",
                              "Open circuit or short to ground",
                              "Cause: damaged wiring, a faulty Throttle Position Sensor or Faulty "
                              "ECU/Connections."}));
        QVERIFY(!f->Frame7->isVisible());

        f->Command1->click();
        QCOMPARE(fake.yields, kEraseYields);
        QCOMPARE(f->faultsStored, short(0));
        QCOMPARE(f->List1->count(), 0);
        QVERIFY(f->Frame7->isVisible() && !f->Frame14->isVisible() && !fake.busy);
        QCOMPARE(f->Label7->text(), shell::catalogText("CatFaultsErased", 2));
        QCOMPARE(QApplication::focusWidget(), f->Command15);
        f->Command15->click();
        QVERIFY(!f->Frame7->isVisible());
        QCOMPARE(QApplication::focusWidget(), f->Command3);

        // A message read in the language of the moment.
        setLanguage(1);
        f->Command30->click();
        QCOMPARE(f->List1->count(), 0);
        QCOMPARE(f->Label7->text(), shell::catalogText("CatNoFaults", 1));
    }

    // Connecting again does not bring an erased fault back; reopening the console does.
    void onlyReopeningBringsTheFaultBack() {
        FakePlatform fake;
        Form72* f = openConnected(fake);
        f->Command1->click();
        f->Command15->click();
        f->Command29->click();
        f->Command30->click();
        QCOMPARE(f->List1->count(), 0);
        f->Command3->click();
        testing::flushDeletes();
        f = openConnected(fake);
        f->Command30->click();
        QCOMPARE(f->List1->count(), 6);
    }

    void ecuInfoPanel() {
        FakePlatform fake;
        Form72* f = openConnected(fake);
        f->Command20->click();
        QVERIFY(f->Frame13->isVisible());
        QVERIFY(allEnabled(consoleButtons(f), false));
        QCOMPARE(QApplication::focusWidget(), f->Command11);
        QCOMPARE(f->Label34->text(), QStringLiteral("F00HM00015"));
        f->Command11->click();
        QVERIFY(!f->Frame13->isVisible());
        QVERIFY(allEnabled(consoleButtons(f), true));
        QCOMPARE(QApplication::focusWidget(), f->Command3);
    }

    void throttleBodyButtonOnlyAnnouncesTheDemo() {
        FakePlatform fake;
        Form72* f = openConnected(fake);
        f->Command24->click();
        QCOMPARE(fake.messages, QStringList({"Demostration Software"}));
        // Save, Help and Reports do nothing.
        for (QPushButton* b : {f->Command2, f->Command19, f->Command4})
            b->click();
        QCOMPARE(fake.messages.size(), 1);
        QVERIFY(!f->Frame7->isVisible() && !f->Frame13->isVisible() && !f->Frame6->isVisible());
    }

    // Buttons stay clickable while Connect yields: what they start runs to its end.
    void clicksDuringTheConnectAnimation() {
        FakePlatform fake;
        Form72* f = openConnected(fake);
        // Erase Faults inside Connect: the fault is erased and the message shown.
        fake.onYield = [&](long long n) {
            if (n == 100) f->Command1->click();
        };
        f->Command29->click();
        QCOMPARE(f->faultsStored, short(0));
        QVERIFY(f->Frame7->isVisible() && !f->Frame14->isVisible() && !fake.busy);

        // Connect inside Connect: the inner one finishes, the outer one gives way.
        fake.yields = 0;
        int connects = 0;
        fake.onYield = [&](long long n) {
            if (n == 100 && connects++ == 0) f->Command29->click();
        };
        f->Command29->click();
        QCOMPARE(fake.yields, 100 + kConnectYields);
        QVERIFY(!f->Frame14->isVisible() && f->Label51->text().isEmpty());
        QVERIFY(allEnabled(consoleButtons(f), true));
    }
};

QTEST_MAIN(TestPolarisConsole)
#include "test_polaris_console.moc"
