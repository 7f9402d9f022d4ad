// The Polaris console: connection, vehicle data, faults, ECU Info, the Live Data panel with
// its help popup, Base Timing Mode, and closing the console while a reading runs. What
// every console does alike is in tests/consoles.
#include "consoles/polaris/form72.h"
#include "shell/catalog.h"
#include "shell/errors32.h"
#include "tests/support/window_test.h"
#include "ui/twips.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace ERRORS32;
using polaris::Form72;
using testing::FakePlatform;
using testing::lines;
using testing::setLanguage;

namespace {
// Yields of one Connect: 30 bars, then five extra steps.
constexpr long long kConnectYields = 30LL * 10001 + 5 * 101;

// Opens the console through the registry, as the main window's menu does.
Form72* openConsole() {
    return testing::open<Form72>("Form72");
}

Form72* openConnected(FakePlatform& fake) {
    Form72* f = openConsole();
    f->Command29->click();
    fake.yields = 0;
    return f;
}

// The eleven buttons that the console enables and disables together.
QList<QPushButton*> consoleButtons(Form72* f) {
    return {f->Command29, f->Command19, f->Command31, f->Command3, f->Command2, f->Command24,
            f->Command30, f->Command4,  f->Command1,  f->Command9, f->Command20};
}

bool allEnabled(const QList<QPushButton*>& buttons, bool enabled) {
    for (QPushButton* b : buttons)
        if (b->isEnabled() != enabled) return false;
    return true;
}

constexpr long long kPass = 19001; // yields of one reading pass

// First yield of reading pass p (1-based).
constexpr long long passStart(long long p) {
    return 1 + kPass * (p - 1);
}

// Closes the console under a reading that ignored its Stop, so that such a fault fails the
// test instead of hanging it.
void stopRunaway(Form72* f, long long n) {
    if (n > 40 * kPass) f->close();
}

Form72* openLiveData(FakePlatform& fake) {
    Form72* f = openConnected(fake);
    f->Command31->click();
    return f;
}

void clickLabel(QLabel* l) {
    QTest::mouseClick(l, Qt::LeftButton);
}
} // namespace

class TestPolaris : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:

    // Each Connect starts from a fresh bar, grows it to 50 marks and empties it at the end.
    void connectAnimatesAndFillsVehicleData() {
        FakePlatform fake;
        Form72* f = openConsole();
        QStringList bars;
        fake.onYield = [&](long long n) {
            if (n == 1 || n == kConnectYields) bars << f->Label51->text();
        };
        f->Command29->click();
        fake.yields = 0;
        f->Command29->click();
        const QString full = QStringLiteral(" ") + QString(50, QLatin1Char('I'));
        QCOMPARE(bars, QStringList({" I", full, " I", full}));
        QVERIFY(f->Label51->text().isEmpty());
        QCOMPARE(f->Label48->text(), QStringLiteral("POLARIS SPORTMAN 800"));
        QVERIFY(allEnabled(consoleButtons(f), true));
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
        QCOMPARE(fake.yields, 30LL * 10001);
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

    void readStopThenClose() {
        FakePlatform fake;
        Form72* f = openLiveData(fake);
        QCOMPARE(QApplication::focusWidget(), f->Command12);
        f->Command12->click(); // Exit before any reading closes at once
        QVERIFY(!f->Frame6->isVisible() && allEnabled(consoleButtons(f), true));
        f->Command31->click();
        QString stopCaption;
        bool connectDisabled = false;
        fake.onYield = [&](long long n) {
            if (n == passStart(2) + 10) {
                stopCaption = f->Command12->text();
                connectDisabled = !f->Command13->isEnabled();
                f->Command12->click(); // Stop
            }
            stopRunaway(f, n);
        };
        f->Command13->click();
        // The stop is seen after the yields of the pass in which it was asked for.
        QCOMPARE(fake.yields, 2 * kPass);
        QVERIFY(!f->isReading());
        QCOMPARE(stopCaption, QStringLiteral("Stop"));
        QVERIFY(connectDisabled);
        QVERIFY(f->Frame6->isVisible() && f->Command13->isEnabled());
        QCOMPARE(f->Command12->text(), QStringLiteral("Exit"));
        QCOMPARE(f->Label8->text(), QStringLiteral("IIIIIIII"));
        QCOMPARE(f->Label5[13]->text(), QStringLiteral("0%"));
        QVERIFY(allEnabled(consoleButtons(f), false));

        // The second click closes the panel and empties it.
        f->Command12->click();
        QVERIFY(!f->Frame6->isVisible());
        QVERIFY(f->Label8->text().isEmpty() && f->Label5[13]->text().isEmpty());
        QVERIFY(allEnabled(consoleButtons(f), true));
        QCOMPARE(QApplication::focusWidget(), f->Command3);

        // Reading again after a stop starts from an empty bar.
        f->Command31->click();
        fake.yields = 0;
        fake.onYield = [&](long long n) {
            if (n == 5) f->Command12->click();
            stopRunaway(f, n);
        };
        f->Command13->click();
        QCOMPARE(f->Label8->text(), QStringLiteral("IIII"));
        QCOMPARE(fake.yields, kPass);
    }

    void barIsEmptiedAfterTwentyEightPasses() {
        FakePlatform fake;
        Form72* f = openLiveData(fake);
        QList<int> lengths;
        fake.onYield = [&](long long n) {
            if ((n - 1) % kPass == 0) lengths << int(f->Label8->text().size());
            if (n == passStart(30)) f->Command12->click();
            stopRunaway(f, n);
        };
        f->Command13->click();
        QCOMPARE(lengths.size(), 30);
        QCOMPARE(lengths.mid(26), (QList<int>{108, 112, 4, 8}));
    }

    // Stop and then Exit within the same wait: the reading must end with the panel, not
    // run on behind it.
    void closingThePanelEndsTheReading() {
        FakePlatform fake;
        Form72* f = openLiveData(fake);
        fake.onYield = [&](long long n) {
            if (n == 10) f->Command12->click(); // Stop
            if (n == 20) f->Command12->click(); // Exit
            stopRunaway(f, n);
        };
        f->Command13->click();
        QCOMPARE(fake.yields, 20LL);
        QVERIFY(!f->isUnloaded() && !f->isReading() && !f->Frame6->isVisible());
        // Nothing was written after the panel closed.
        for (QLabel* l : std::as_const(f->Label5))
            QVERIFY(l->text().isEmpty());
        QVERIFY(f->Label8->text().isEmpty());
        QVERIFY(allEnabled(consoleButtons(f), true));
    }

    void closingTheConsoleWhileReading() {
        FakePlatform fake;
        QPointer<Form72> f = openLiveData(fake);
        fake.processEventsOnYield = true;
        long long closedAt = 0;
        fake.onYield = [&](long long n) {
            if (n == passStart(3) + 7 && !closedAt) {
                closedAt = n;
                f->close();
            }
        };
        f->Command13->click();
        QCOMPARE(fake.yields, closedAt);
        testing::flushDeletes();
        QVERIFY(!f);
        QVERIFY(!shell::WindowRegistry::instance().find(QStringLiteral("Form72")));
    }

    // When the console is the last window, closing it during a reading ends the program.
    void lastWindowClosedDuringReadingEndsTheEventLoop() {
        FakePlatform fake;
        QPointer<Form72> f = openLiveData(fake);
        fake.processEventsOnYield = true;
        fake.onYield = [&](long long n) {
            if (n == passStart(2) + 3 && f) f->close();
        };
        bool timedOut = false;
        QTimer::singleShot(0, f.data(), [&] { f->Command13->click(); });
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [&] {
            timedOut = true;
            QApplication::exit(1);
        });
        guard.start(20000);
        const int rc = QApplication::exec();
        QVERIFY(!timedOut);
        QCOMPARE(rc, 0);
        testing::flushDeletes();
        QVERIFY(!f);
    }

    void helpPopupPlacementCaptionAndLimits() {
        FakePlatform fake;
        Form72* f = openLiveData(fake);
        clickLabel(f->Label28[3]);
        QVERIFY(f->Frame9->isVisible());
        QCOMPARE(f->Frame9->geometry(), ui::rectTw(3960, 240, 3855, 2655));
        QCOMPARE(f->Label18->text(), QStringLiteral("25.0"));
        QCOMPARE(QApplication::focusWidget(), f->Command6);

        clickLabel(f->Label28[7]);
        QCOMPARE(f->Frame9->geometry(), ui::rectTw(120, 240, 3855, 2655));
        QCOMPARE(f->Label19->text(), QStringLiteral("0"));

        clickLabel(f->Label28[11]);
        const QString longTerm = f->Label6->text();
        clickLabel(f->Label28[13]);
        QCOMPARE(f->Label6->text(), longTerm);
        QCOMPARE(longTerm.count(QLatin1Char('\r')), 2);
        QCOMPARE(f->Label19->text(), QStringLiteral("-25"));

        f->Command6->click();
        QVERIFY(!f->Frame9->isVisible());
        QCOMPARE(QApplication::focusWidget(), f->Command12);

        // The popup works during a reading; a new reading hides it and clears the limits.
        clickLabel(f->Label28[0]);
        bool openedDuringReading = false;
        fake.onYield = [&](long long n) {
            if (n == 3) {
                clickLabel(f->Label28[1]);
                openedDuringReading = f->Frame9->isVisible() && f->Label18->text() == "150.0";
            }
            if (n == 6) f->Command12->click();
            stopRunaway(f, n);
        };
        QVERIFY(f->Frame9->isVisible());
        f->Command13->click();
        QVERIFY(openedDuringReading);
        QVERIFY(!f->Frame9->isVisible()); // Stop hides it
        QVERIFY(f->Label18->text().isEmpty() && f->Label19->text().isEmpty());
    }

    void helpTextsFollowSpanishOrEnglish() {
        FakePlatform fake;
        setLanguage(1);
        Form72* f = openLiveData(fake);
        clickLabel(f->Label28[0]);
        QCOMPARE(f->Frame9->title(), shell::catalogText("CatBatteryVolt", 1));
        QVERIFY(f->Label6->text().startsWith(QStringLiteral("Este voltaje puede variar")));

        // The help text follows the language of the moment, the names that of the load.
        LanguageIndex = 4;
        clickLabel(f->Label28[1]);
        QCOMPARE(f->Frame9->title(), shell::catalogText("CatEngineTemp", 1));
        QVERIFY(f->Label6->text().startsWith(QStringLiteral("Sensor is mounted in the Engine")));
    }

    void temperatureByUnit_data() {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("shown"); // value|maximum|minimum
        QTest::newRow("Celsius") << 1 << "81|150.0|-30.0";
        QTest::newRow("Fahrenheit") << 2 << "204.9|302.0|-86.0";
        QTest::newRow("other") << 3 << "||";
    }
    void temperatureByUnit() {
        QFETCH(int, unit);
        QFETCH(QString, shown);
        const QString maximum = shown.section('|', 1, 1);
        FakePlatform fake;
        TemperatureUnit = static_cast<short>(unit);
        Form72* f = openLiveData(fake);
        fake.onYield = [&](long long n) {
            if (n == 1) f->Command12->click();
            stopRunaway(f, n);
        };
        f->Command13->click();
        clickLabel(f->Label28[1]);
        QCOMPARE(f->Label5[1]->text() + '|' + f->Label18->text() + '|' + f->Label19->text(), shown);

        // The value follows the unit at every pass; the limits only at the next opening.
        TemperatureUnit = unit == 2 ? 1 : 2;
        fake.yields = 0;
        f->Command13->click();
        QCOMPARE(f->Label5[1]->text(), QString::fromLatin1(unit == 2 ? "81" : "204.9"));
        clickLabel(f->Label28[1]);
        QCOMPARE(f->Label18->text(), maximum);
    }

    void baseTimingMode() {
        FakePlatform fake;
        Form72* f = openConnected(fake);
        f->Command9->click();
        QVERIFY(f->Frame12->isVisible());
        QCOMPARE(f->Label41->text(), QStringLiteral("15"));
        QVERIFY(f->Label27->text().startsWith(QStringLiteral("The ECU is now set in Base Timing")));
        QVERIFY(allEnabled(consoleButtons(f), false));
        QCOMPARE(QApplication::focusWidget(), f->Command10);
        f->Command10->click();
        QVERIFY(!f->Frame12->isVisible());
        QVERIFY(allEnabled(consoleButtons(f), true));
        QCOMPARE(QApplication::focusWidget(), f->Command3);

        LanguageIndex = 1;
        f->Command9->click();
        QVERIFY(f->Label27->text().startsWith(QStringLiteral("ECU activada en modo Base Timing.")));
    }
};

QTEST_MAIN(TestPolaris)
#include "test_polaris.moc"
