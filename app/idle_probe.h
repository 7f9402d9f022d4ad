#pragma once

// The program's start-up probe, read by the start-up benchmark (bench/startup.cpp).
//
// When the environment variable TERRASOND_BENCH_IDLE is set, the program writes one line
// "idle <nanoseconds>" to its standard output (CLOCK_MONOTONIC, comparable across
// processes) as soon as its first window has been painted and the event loop is about to
// wait for new events, then quits with exit code 0. Without the variable it does nothing.
// The benchmark's minimal Qt program uses the same probe, so both are measured alike.

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace app {

class IdleProbe : public QObject {
public:
    using QObject::QObject;

    static void installIfRequested(QCoreApplication* app) {
        if (!qEnvironmentVariableIsSet("TERRASOND_BENCH_IDLE")) return;
        app->installEventFilter(new IdleProbe(app));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            // The window is painted; the first time the loop runs out of work it is idle.
            auto* dispatcher = QAbstractEventDispatcher::instance();
            connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                    &IdleProbe::reportIdle, Qt::SingleShotConnection);
        }
        return false;
    }

private:
    void reportIdle() {
        timespec ts{};
        clock_gettime(CLOCK_MONOTONIC, &ts);
        std::printf("idle %lld\n", static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }
};

} // namespace app
