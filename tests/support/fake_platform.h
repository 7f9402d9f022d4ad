#pragma once

#include "ui/pace.h"
#include "ui/platform.h"

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class QWidget;

namespace testing {

// A clock that moves only when it is waited on (or moved by the test), for pacing tests that
// take no real time.
class FakeClock : public ui::PaceClock {
public:
    qint64 nowNs() override { return now; }
    void waitUntil(qint64 deadlineNs) override {
        ++waits;
        if (deadlineNs > now) now = deadlineNs;
    }
    qint64 now = 1'000'000'000;
    int waits = 0;
};

// A platform for tests: message boxes are recorded instead of shown, yields are counted
// (and by default also process events, so that queued work still runs), the date is
// fixed and the root folder is a fresh temporary folder. With the environment variable
// TERRASOND_TEST_PACE set, every yield also keeps the presentation pace on a FakeClock:
// a suite run so shows that pacing changes no count and no result.
class FakePlatform : public ui::Platform {
public:
    FakePlatform();
    ~FakePlatform() override;

    void messageBox(QWidget*, const QString& text) override { messages << text; }
    void beep() override { ++beeps; }
    void yield() override;
    void setBusyPointer(QWidget*, bool b) override { busy = b; }
    QDate today() override { return date; }
    QString rootFolder() override { return root; }

    QStringList messages;
    int beeps = 0;
    long long yields = 0;
    bool busy = false;
    QDate date{2026, 12, 5};
    QString root;
    // When false, yields only count: much faster for long animations.
    bool processEventsOnYield = false;
    // Called after every yield with the running count; a test clicks from here to act
    // "during" an animation.
    std::function<void(long long)> onYield;

    // Path below the root folder.
    QString path(const QString& relative) const;
    void writeFile(const QString& relative, const QByteArray& bytes) const;
    QByteArray readFile(const QString& relative) const;

    FakeClock clock;

private:
    QTemporaryDir m_dir;
    ui::Platform* m_previous = nullptr;
    std::unique_ptr<ui::Pace> m_pace;
    ui::Pace* m_previousPace = nullptr;
};

// Delivers deferred deletions, so that unloaded windows are really gone.
void flushDeletes();

} // namespace testing
