// The unattended tour on the real windows: its steps can all be done, and a key press or a
// click hands the program back at the next yield with the main window alone.

#include "consoles/bombardier/form28.h"
#include "consoles/kawasaki/form71.h"
#include "consoles/polaris/form72.h"
#include "shell/form3.h"
#include "tests/support/window_test.h"
#include "tour/tour.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

using testing::registry;

namespace {

const QStringList kTourWindows = {"Form28", "Form72", "Form71", "Form55", "Form9", "Form6"};

// Counts the key presses and clicks that reach a widget.
struct InputCounter : QObject {
    int presses = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::MouseButtonPress) ++presses;
        return false;
    }
};

} // namespace

class TestTour : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:
    void runsToTheEnd();
    void pressEndsIt_data();
    void pressEndsIt();
};

void TestTour::runsToTheEnd() {
    testing::FakePlatform fake;
    registry().load(QStringLiteral("Form3"));
    // Events are handled on every 64th yield: enough for the steps due during a reading.
    fake.onYield = [](long long n) {
        if (n % 64 == 0) QCoreApplication::processEvents();
    };
    const std::vector<tour::Step> steps = tour::demonstration();
    tour::Tour t(steps);
    t.setPauseScale(0);
    t.setLooping(false);
    QSignalSpy finished(&t, &tour::Tour::finished);
    t.start();
    QVERIFY(finished.wait(300'000));
    QCOMPARE(t.stepsSkipped(), 0);
    QCOMPARE(t.stepsDone(), static_cast<int>(steps.size()));
    QCOMPARE(fake.messages, QStringList());
    testing::flushDeletes();
    // Every window the tour opened it closed again with its own Exit.
    for (const QString& name : kTourWindows)
        QVERIFY2(!registry().find(name), qPrintable(name));
    QVERIFY(registry().find(QStringLiteral("Form3"))->isVisible());
    QVERIFY(t.captionWindow().isHidden());
}

namespace {
enum When { DuringConnect, DuringReading, DuringTest, BetweenSteps };

// Whether the tour is where the row wants the press.
bool isAt(When when) {
    if (when == DuringConnect) {
        auto* f = registry().find<bombardier::Form28>(QStringLiteral("Form28"));
        return f && f->Frame14->isVisible() && f->Label51->text().startsWith(QLatin1String(" III"));
    }
    if (when == DuringReading) {
        auto* f = registry().find<polaris::Form72>(QStringLiteral("Form72"));
        return f && f->liveDataState == polaris::Form72::kReading && f->Frame6->isVisible();
    }
    if (when == DuringTest) {
        auto* f = registry().find<kawasaki::Form71>(QStringLiteral("Form71"));
        return f && f->Frame5->isVisible() && f->Label14->text().startsWith(QLatin1String(" III"));
    }
    return false;
}
} // namespace

void TestTour::pressEndsIt_data() {
    QTest::addColumn<int>("when");
    QTest::addColumn<int>("key"); // 0: a click
    QTest::newRow("key during the Bombardier Connect") << int(DuringConnect) << int(Qt::Key_A);
    QTest::newRow("click during the Polaris reading") << int(DuringReading) << 0;
    QTest::newRow("key during a Kawasaki actuator test") << int(DuringTest) << int(Qt::Key_A);
    QTest::newRow("key between two steps") << int(BetweenSteps) << int(Qt::Key_Space);
    // F10 is a shortcut of the main window (it opens the menu).
    QTest::newRow("shortcut key") << int(BetweenSteps) << int(Qt::Key_F10);
}

void TestTour::pressEndsIt() {
    QFETCH(int, when);
    QFETCH(int, key);
    testing::FakePlatform fake;
    auto* main = registry().load(QStringLiteral("Form3"));
    InputCounter reached;
    main->installEventFilter(&reached);
    tour::Tour t(tour::demonstration());
    t.setPauseScale(0);
    QSignalSpy finished(&t, &tour::Tour::finished);

    long long pressedAt = -1;
    auto pressNow = [&] {
        pressedAt = fake.yields;
        if (key == 0)
            QTest::mouseClick(main, Qt::LeftButton);
        else {
            // Typed at the main window, where F10 would open the menu.
            QApplication::setActiveWindow(main);
            QTest::keyClick(main, Qt::Key(key));
        }
    };
    fake.onYield = [&](long long n) {
        if (n % 64 == 0) QCoreApplication::processEvents();
        if (pressedAt < 0 && isAt(When(when))) pressNow();
    };
    if (when == BetweenSteps)
        connect(&t, &tour::Tour::stepDone, this, [&](int index) {
            if (index == 3 && pressedAt < 0) pressNow();
        });
    t.start();
    QVERIFY(finished.wait(300'000));
    QVERIFY(pressedAt >= 0);
    QVERIFY(!t.isRunning());
    // Handed back at the next yield that handles events, not at the end of the operation.
    QVERIFY2(fake.yields - pressedAt <= 65, qPrintable(QString::number(fake.yields - pressedAt)));
    testing::flushDeletes();
    for (const QString& name : kTourWindows)
        QVERIFY2(!registry().find(name), qPrintable(name));
    QVERIFY(main->isVisible() && main->isEnabled());
    QVERIFY(!static_cast<shell::Form3*>(main)->menu->activeAction()); // no menu opened
    QVERIFY(t.captionWindow().isHidden());
    QCOMPARE(finished.size(), 1);
    // The press that ended the tour reached no window; the next one does.
    QCOMPARE(reached.presses, 0);
    QTest::keyClick(main, Qt::Key_A);
    QCOMPARE(reached.presses, 1);
}

QTEST_MAIN(TestTour)
#include "test_tour.moc"
