// What every make console does alike, checked on each of them by its controls' names:
// Connect is Command29, Diagnostic Command30, Erase Faults Command1, the result list List1.
#include "shell/errors32.h"
#include "tests/support/window_test.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

class TestConsolePattern : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:
    // Every opening rebuilds today's date from the system date.
    void openingRebuildsTodaysDate_data() {
        QTest::addColumn<QString>("console");
        QTest::newRow("Bombardier") << "Form28";
        QTest::newRow("Polaris") << "Form72";
        QTest::newRow("Kawasaki") << "Form71";
    }
    void openingRebuildsTodaysDate() {
        QFETCH(QString, console);
        testing::FakePlatform fake;
        fake.date = QDate(2031, 1, 9);
        QVERIFY(testing::openAndActivate(console));
        QCOMPARE(ERRORS32::TodayDate, QStringLiteral("09-01-31"));
    }

    // A Diagnostic clicked while Erase Faults is still communicating reads the fault memory
    // as it is then. Bombardier and Polaris clear it only once the erase is through, so the
    // fault is still listed; Kawasaki clears it before its animation.
    void diagnosisDuringAnEraseSeesTheFaultMemory_data() {
        QTest::addColumn<QString>("console");
        QTest::addColumn<int>("listed");
        QTest::newRow("Bombardier") << "Form28" << 14;
        QTest::newRow("Polaris") << "Form72" << 6;
        QTest::newRow("Kawasaki") << "Form71" << 0;
    }
    void diagnosisDuringAnEraseSeesTheFaultMemory() {
        QFETCH(QString, console);
        QFETCH(int, listed);
        testing::FakePlatform fake;
        QWidget* f = testing::openAndActivate(console);
        auto button = [f](const char* name) { return f->findChild<QPushButton*>(name); };
        auto* list = f->findChild<QListWidget*>("List1");
        button("Command29")->click();
        const long long start = fake.yields;
        int seen = -1;
        fake.onYield = [&](long long n) {
            if (n != start + 100) return;
            button("Command30")->click();
            seen = list->count();
        };
        button("Command1")->click();
        QCOMPARE(seen, listed);
    }
};

QTEST_MAIN(TestConsolePattern)
#include "test_console_pattern.moc"
