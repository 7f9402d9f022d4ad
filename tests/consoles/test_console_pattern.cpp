// What every make console does alike, checked on each of them by its controls' names:
// Connect is Command29, Diagnostic Command30, Erase Faults Command1, Exit Command3, the
// result list List1, the message panel Frame7 with its text Label7 and its OK Command15.
#include "shell/errors32.h"
#include "shell/window_registry.h"
#include "tests/support/window_test.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {
QPushButton* button(QWidget* w, const char* name) {
    return w->findChild<QPushButton*>(QLatin1String(name));
}

void consoleRows() {
    QTest::addColumn<QString>("console");
    QTest::newRow("Bombardier") << "Form28";
    QTest::newRow("Polaris") << "Form72";
    QTest::newRow("Kawasaki") << "Form71";
}
} // namespace

class TestConsolePattern : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:
    // Every console opens unconnected: Connect and Exit work, the functions do not, Exit
    // has the focus; every opening rebuilds today's date from the system date.
    void opensUnconnected_data() { consoleRows(); }
    void opensUnconnected() {
        QFETCH(QString, console);
        testing::FakePlatform fake;
        fake.date = QDate(2031, 1, 9);
        QWidget* f = testing::openAndActivate(console);
        QCOMPARE(ERRORS32::TodayDate, QStringLiteral("09-01-31"));
        QVERIFY(button(f, "Command29")->isEnabled());
        for (const char* b : {"Command30", "Command1", "Command31"})
            QVERIFY2(!button(f, b)->isEnabled(), b);
        QCOMPARE(QApplication::focusWidget(), button(f, "Command3"));
        QVERIFY(!f->findChild<QWidget*>("Frame14")->isVisible());
    }

    // Connect clicked while Connect is communicating (busy, the functions off): the outer
    // one stops at its next yield, the inner one runs through, and the console ends
    // connected, listed once.
    void connectInsideConnect_data() {
        QTest::addColumn<QString>("console");
        QTest::addColumn<long long>("at");
        QTest::addColumn<long long>("connectYields");
        QTest::newRow("Bombardier, bar") << "Form28" << 5000LL << 20LL * 10001 + 5 * 101;
        QTest::newRow("Bombardier, final steps")
            << "Form28" << 20LL * 10001 + 250 << 20LL * 10001 + 5 * 101;
        QTest::newRow("Polaris") << "Form72" << 100LL << 30LL * 10001 + 5 * 101;
        QTest::newRow("Kawasaki") << "Form71" << 1000LL << 40LL * 10001;
    }
    void connectInsideConnect() {
        QFETCH(QString, console);
        QFETCH(long long, at);
        QFETCH(long long, connectYields);
        testing::FakePlatform fake;
        QWidget* f = testing::openAndActivate(console);
        int inner = 0;
        bool busyDuring = false;
        fake.onYield = [&](long long n) {
            if (n != at || inner++ != 0) return;
            busyDuring = fake.busy && f->findChild<QWidget*>("Frame14")->isVisible() &&
                         !button(f, "Command30")->isEnabled();
            button(f, "Command29")->click();
        };
        button(f, "Command29")->click();
        QVERIFY(inner == 1 && busyDuring);
        QCOMPARE(fake.yields, at + connectYields);
        QVERIFY(!fake.busy && !f->findChild<QWidget*>("Frame14")->isVisible());
        QVERIFY(button(f, "Command30")->isEnabled() && button(f, "Command1")->isEnabled());
        if (auto* ident = f->findChild<QListWidget*>("List2")) QCOMPARE(ident->count(), 5);
    }

    // Erase Faults clears the fault and says so; Diagnostic then finds none. Connecting
    // again reads the fault back from Bombardier and Kawasaki, not from Polaris (only a
    // new opening does).
    void eraseThenDiagnosisThenReconnect_data() {
        QTest::addColumn<QString>("console");
        QTest::addColumn<int>("listedAfterReconnect");
        QTest::newRow("Bombardier") << "Form28" << 14;
        QTest::newRow("Polaris") << "Form72" << 0;
        QTest::newRow("Kawasaki") << "Form71" << 6;
    }
    void eraseThenDiagnosisThenReconnect() {
        QFETCH(QString, console);
        QFETCH(int, listedAfterReconnect);
        testing::FakePlatform fake;
        QWidget* f = testing::openAndActivate(console);
        auto* list = f->findChild<QListWidget*>("List1");
        auto* message = f->findChild<QWidget*>("Frame7");
        auto* text = f->findChild<QLabel*>("Label7");
        button(f, "Command29")->click();
        button(f, "Command1")->click();
        QCOMPARE(list->count(), 0);
        QVERIFY(message->isVisible() && !fake.busy);
        QCOMPARE(QApplication::focusWidget(), button(f, "Command15"));
        button(f, "Command15")->click();
        QVERIFY(!message->isVisible());
        QCOMPARE(QApplication::focusWidget(), button(f, "Command3"));

        button(f, "Command30")->click();
        QCOMPARE(list->count(), 0);
        QCOMPARE(text->text(), QStringLiteral("There are not faults detected"));
        button(f, "Command15")->click();

        button(f, "Command29")->click();
        button(f, "Command30")->click();
        QCOMPARE(list->count(), listedAfterReconnect);
        QCOMPARE(message->isVisible(), listedAfterReconnect == 0);
    }

    // Captions keep the language the console was opened in; messages follow the current one.
    void messagesFollowTheLanguageOfTheMoment_data() {
        QTest::addColumn<QString>("console");
        QTest::addColumn<QString>("more"); // after the common message
        QTest::newRow("Bombardier") << "Form28" << QString();
        QTest::newRow("Polaris") << "Form72" << QString();
        QTest::newRow("Kawasaki") << "Form71"
                                  << ". Arranque y pare el motor.";
    }
    void messagesFollowTheLanguageOfTheMoment() {
        QFETCH(QString, console);
        testing::FakePlatform fake;
        QWidget* f = testing::openAndActivate(console);
        button(f, "Command29")->click();
        testing::setLanguage(1);
        button(f, "Command1")->click();
        QCOMPARE(button(f, "Command1")->text(), QStringLiteral("Erase Faults"));
        QFETCH(QString, more);
        QCOMPARE(f->findChild<QLabel*>("Label7")->text(),
                 QStringLiteral("Se eliminaron los fallos almacenados") + more);
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
        auto* list = f->findChild<QListWidget*>("List1");
        button(f, "Command29")->click();
        const long long start = fake.yields;
        int seen = -1;
        fake.onYield = [&](long long n) {
            if (n != start + 100) return;
            button(f, "Command30")->click();
            seen = list->count();
        };
        button(f, "Command1")->click();
        QCOMPARE(seen, listed);
    }

    // Escape closes a window only while its Exit button has the focus.
    void escapeClosesOnlyFromExit_data() {
        consoleRows();
        QTest::newRow("Yamaha") << "Form55";
    }
    void escapeClosesOnlyFromExit() {
        QFETCH(QString, console);
        if (!shell::WindowRegistry::instance().isRegistered(console)) QSKIP("not in this build");
        testing::FakePlatform fake;
        QPointer<QWidget> f = testing::openAndActivate(console);
        QPushButton* other = nullptr; // a usable button other than Exit
        for (QPushButton* b : f->findChildren<QPushButton*>())
            if (b->isVisible() && b->isEnabled() && b != button(f, "Command3")) other = b;
        QVERIFY(other);
        QTest::keyClick(other, Qt::Key_Escape);
        testing::flushDeletes();
        QVERIFY(f && f->isVisible());
        QTest::keyClick(button(f, "Command3"), Qt::Key_Escape);
        testing::flushDeletes();
        QVERIFY(!f);
    }

    // Exit clicked, or Escape on it, while an operation is yielding: the operation stops at
    // that yield, the console goes (deleted there and then, or later), and the next
    // opening starts unconnected.
    void exitDuringAnOperation_data() {
        QTest::addColumn<QString>("console");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<long long>("at");
        QTest::addColumn<bool>("byEscape");
        QTest::addColumn<bool>("deleteAtOnce");
        for (const char* c : {"Form28", "Form72", "Form71"}) {
            QTest::addRow("%s Connect", c) << c << "Command29" << 3LL << false << false;
            QTest::addRow("%s Erase", c) << c << "Command1" << 50000LL << true << true;
        }
        QTest::newRow("Form71 Diagnosis") << "Form71"
                                          << "Command30" << 3LL * 10001 << false << false;
        QTest::newRow("Form71 History") << "Form71"
                                        << "Command20" << 3LL * 10001 << false << false;
        QTest::newRow("Form28 Connect, final steps")
            << "Form28"
            << "Command29" << 20LL * 10001 + 7 << true << true;
        QTest::newRow("Form28 Connect, last yield")
            << "Form28"
            << "Command29" << 20LL * 10001 + 5 * 101 << false << true;
        QTest::newRow("Form28 Keys") << "Form28"
                                     << "Command33" << 5LL * 10001 << false << false;
        QTest::newRow("Form28 Diagnosis") << "Form28"
                                          << "Command30" << 50000LL << false << true;
        QTest::newRow("Form28 Erase, last yields")
            << "Form28"
            << "Command1" << 20LL * 10001 + 5 << true << true;
    }
    void exitDuringAnOperation() {
        QFETCH(QString, console);
        QFETCH(QString, operation);
        QFETCH(long long, at);
        QFETCH(bool, byEscape);
        QFETCH(bool, deleteAtOnce);
        testing::FakePlatform fake;
        QPointer<QWidget> f = testing::openAndActivate(console);
        if (operation != "Command29") button(f, "Command29")->click();
        fake.yields = 0;
        long long closedAt = -1;
        fake.onYield = [&](long long n) {
            if (n != at || !f) return;
            closedAt = n;
            if (byEscape)
                QTest::keyClick(button(f, "Command3"), Qt::Key_Escape);
            else
                button(f, "Command3")->click();
            if (deleteAtOnce) testing::flushDeletes();
        };
        button(f, qPrintable(operation))->click();
        QCOMPARE(closedAt, at);
        QCOMPARE(fake.yields, at);
        testing::flushDeletes();
        QVERIFY(!f);
        QWidget* g = testing::openAndActivate(console);
        QVERIFY(button(g, "Command29")->isEnabled() && !button(g, "Command30")->isEnabled());
    }
};

QTEST_MAIN(TestConsolePattern)
#include "test_console_pattern.moc"
