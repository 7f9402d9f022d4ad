// The hourglass of a console goes back to the arrow once every handler has returned, also
// when panels are closed and reopened from inside a running actuator test (the order the
// random-use test found).
#include "app/windows.h"
#include "consoles/kawasaki/form71.h"
#include "shell/window_registry.h"
#include "tests/support/window_test.h"

#include <QPushButton>
#include <QTest>
#include <functional>

using testing::FakePlatform;

class TestBusyPointer : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:

    void kawasakiActuatorPanelReopenedDuringATest() {
        FakePlatform fake;
        auto* f = testing::open<kawasaki::Form71>("Form71");
        f->Command29->click(); // connected: the function buttons are enabled

        // Actions each run once, at the first yield at which its condition holds.
        using Script = QList<std::pair<std::function<bool()>, std::function<void()>>>;
        Script script;
        fake.onYield = [&script](long long) {
            for (qsizetype i = 0; i < script.size(); ++i)
                if (script[i].first()) return script.takeAt(i).second();
        };
        const auto now = [] { return true; };

        // The actuator panel opens while the fault history is being read; the history
        // panel then opens over it.
        script = {{now, [f] { f->Command31->click(); }}};
        f->Command20->click();
        QVERIFY(f->Command21->isEnabled() && !fake.busy);

        // A test runs; during it the history panel closes (which enables the console
        // buttons), and while the test waits (inside some other window's loop, say) the
        // actuator panel is opened again and a second test runs to its end.
        script = {{now, [f] { f->Command21->click(); }},
                  {[f] { return f->Command31->isEnabled(); },
                   [f] {
                       f->Command31->click();
                       f->Command17->click();
                   }}};
        f->Command33->click();
        fake.onYield = nullptr;

        QVERIFY(script.isEmpty());
        QVERIFY2(!fake.busy, "the hourglass stays after every handler has returned");
    }
};

QTEST_MAIN(TestBusyPointer)
#include "test_busy_pointer.moc"
