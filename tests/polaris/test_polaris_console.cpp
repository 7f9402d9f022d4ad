// The Polaris console: connection, vehicle data, faults, ECU Info. What every console does
// alike is in tests/consoles.
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
        QVERIFY(allEnabled(consoleButtons(f), true));

        // Connecting again gives the same result, starting from a fresh bar.
        fake.yields = 0;
        barAtStart.clear();
        f->Command29->click();
        QCOMPARE(barAtStart, QStringLiteral(" I"));
        QCOMPARE(f->Label48->text(), QStringLiteral("POLARIS SPORTMAN 800"));
    }

    void diagnosisAtOnceEraseAnimated() {
        FakePlatform fake;
        Form72* f = openConnected(fake);
        f->Command30->click();
        QCOMPARE(fake.yields, 0LL); // no animation
        QCOMPARE(lines(f->List1).mid(0, 3),
                 QStringList({"Faults detected: 1", " ", "Fault Code: P0122 Active"}));
        QCOMPARE(f->List1->count(), 6);
        QVERIFY(!f->Frame7->isVisible());

        f->Command1->click();
        QCOMPARE(fake.yields, kEraseYields);
        QCOMPARE(f->faultsStored, short(0));
    }

    void ecuInfoPanel() {
        FakePlatform fake;
        Form72* f = openConnected(fake);
        f->Command20->click();
        QVERIFY(f->Frame13->isVisible() && allEnabled(consoleButtons(f), false));
        QCOMPARE(QApplication::focusWidget(), f->Command11);
        QCOMPARE(f->Label34->text(), QStringLiteral("F00HM00015"));
        f->Command11->click();
        QVERIFY(!f->Frame13->isVisible() && allEnabled(consoleButtons(f), true));
        QCOMPARE(QApplication::focusWidget(), f->Command3);
    }

    void throttleBodyButtonOnlyAnnouncesTheDemo() {
        FakePlatform fake;
        Form72* f = openConnected(fake);
        f->Command24->click();
        QCOMPARE(fake.messages, QStringList({"Demostration Software"}));
    }

    // Erase Faults clicked while Connect yields runs to its end inside it.
    void eraseDuringTheConnectAnimation() {
        FakePlatform fake;
        Form72* f = openConnected(fake);
        fake.onYield = [&](long long n) {
            if (n == 100) f->Command1->click();
        };
        f->Command29->click();
        QCOMPARE(f->faultsStored, short(0));
        QVERIFY(f->Frame7->isVisible() && !f->Frame14->isVisible() && !fake.busy);
        QVERIFY(allEnabled(consoleButtons(f), true));
    }
};

QTEST_MAIN(TestPolarisConsole)
#include "test_polaris_console.moc"
