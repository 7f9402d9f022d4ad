// The presentation pace on a clock that moves only when waited on: how long a run of
// yields lasts, and that the waits are few.

#include "tests/support/fake_platform.h"
#include "ui/form.h"
#include "ui/pace.h"

#include <QTest>

using ui::Pace;

class TestPace : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void duration_data() {
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("yields");
        QTest::addColumn<qint64>("costNs"); // time one yield takes by itself
        QTest::addColumn<qint64>("expectedNs");
        const qint64 share = Pace::kPresentationShareNs;
        const int connect = 20 * 10001 + 5 * 101; // the Bombardier Connect
        QTest::newRow("Bombardier Connect") << 1.0 << connect << 0LL << connect * share;
        QTest::newRow("twice as fast") << 0.5 << connect << 0LL << connect * share / 2;
        QTest::newRow("half as fast") << 2.0 << connect << 0LL << connect * share * 2;
        QTest::newRow("yields taking a third of their share")
            << 1.0 << connect << share / 3 << connect * share;
        QTest::newRow("yields slower than their share")
            << 1.0 << 10001 << 2 * share << 10001 * share * 2;
        QTest::newRow("run shorter than one wait") << 1.0 << 101 << 0LL << 0LL;
    }

    void duration() {
        QFETCH(double, factor);
        QFETCH(int, yields);
        QFETCH(qint64, costNs);
        QFETCH(qint64, expectedNs);
        testing::FakePlatform fake;
        testing::FakeClock& clock = fake.clock;
        Pace pace(factor, clock);
        ui::Pace* previous = ui::setPace(&pace);
        fake.onYield = [&](long long) { clock.now += costNs; };
        ui::Form window;

        const qint64 start = clock.now;
        QVERIFY(window.yieldTimes(yields));
        ui::setPace(previous);

        QCOMPARE(fake.yields, yields);
        const qint64 elapsed = clock.now - start;
        // The run may end up to one gathered wait early, never late.
        QVERIFY2(elapsed <= expectedNs && elapsed > expectedNs - Pace::kMinWaitNs,
                 qPrintable(QStringLiteral("%1 ns, expected %2 ns").arg(elapsed).arg(expectedNs)));
        // Waits are gathered: at most one per kMinWaitNs of the run.
        QVERIFY(clock.waits <= expectedNs / Pace::kMinWaitNs + 1);
        if (costNs >= pace.shareNs()) QCOMPARE(clock.waits, 0);
    }

    // A run that starts long after the last one keeps its own pace instead of racing to catch up
    // with the old schedule.
    void newRunAfterPause() {
        testing::FakePlatform fake;
        Pace pace(1.0, fake.clock);
        ui::Pace* previous = ui::setPace(&pace);
        ui::Form window;
        QVERIFY(window.yieldTimes(10001));
        fake.clock.now += 10'000'000'000; // ten seconds later
        const qint64 start = fake.clock.now;
        QVERIFY(window.yieldTimes(19001));
        ui::setPace(previous);
        QVERIFY(fake.clock.now - start > 19001 * Pace::kPresentationShareNs - Pace::kMinWaitNs);
    }

    void factor_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<double>("factor");
        QTest::newRow("presentation") << "presentation" << 1.0;
        QTest::newRow("number") << "0.5" << 0.5;
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("negative") << "-2" << 0.0;
        QTest::newRow("not a number") << "fast" << 0.0;
        QTest::newRow("infinite") << "inf" << 0.0;
    }

    void factor() {
        QFETCH(QString, value);
        QFETCH(double, factor);
        QCOMPARE(Pace::parseFactor(value), factor);
    }
};

QTEST_MAIN(TestPace)
#include "test_pace.moc"
