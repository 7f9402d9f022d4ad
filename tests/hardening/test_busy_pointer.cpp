// The hourglass of a console goes back to the arrow once every handler has returned, also
// when panels are closed and reopened from inside a running actuator test (the order the
// random-use test found).
#include "app/windows.h"
#include "consoles/kawasaki/form71.h"
#include "shell/window_registry.h"
#include "tests/support/window_test.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <functional>

using testing::FakePlatform;

namespace {

// Runs each action once, at the first yield at which its condition holds.
struct Script {
    struct Step {
        std::function<bool()> when;
        std::function<void()> what;
        bool done = false;
    };
    QList<Step> steps;
    void onYield() {
        for (Step& s : steps)
            if (!s.done && s.when()) {
                s.done = true;
                s.what();
                return;
            }
    }
};

} // namespace

class TestBusyPointer : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:

    void kawasakiActuatorPanelReopenedDuringATest() {
        FakePlatform fake;
        auto* f =
            qobject_cast<kawasaki::Form71*>(testing::registry().load(QStringLiteral("Form71")));
        QVERIFY(f);
        f->Command29->click(); // connected: the function buttons are enabled
        QVERIFY(!fake.busy);

        // The actuator panel opens while the fault history is being read; the history
        // panel then opens over it.
        Script script;
        script.steps << Script::Step{[] { return true; }, [f] { f->Command31->click(); }};
        fake.onYield = [&](long long) { script.onYield(); };
        f->Command20->click();
        QVERIFY(f->Command21->isEnabled());
        QVERIFY(!fake.busy);

        // A test runs; during it the history panel closes (which enables the console
        // buttons), and while the test waits (inside some other window's loop, say) the
        // actuator panel is opened again and a second test runs to its end.
        script.steps.clear();
        script.steps << Script::Step{[] { return true; }, [f] { f->Command21->click(); }}
                     << Script::Step{[f] { return f->Command31->isEnabled(); },
                                     [f] {
                                         f->Command31->click();
                                         f->Command17->click();
                                     }};
        f->Command33->click();
        fake.onYield = nullptr;

        QVERIFY(std::all_of(script.steps.begin(), script.steps.end(),
                            [](const Script::Step& s) { return s.done; }));
        QVERIFY2(!fake.busy, "the hourglass stays after every handler has returned");
    }
};

QTEST_MAIN(TestBusyPointer)
#include "test_busy_pointer.moc"
