#pragma once

#include <QString>
#include <QTimer>

namespace ui {

// The clock a pace reads and waits on. The program uses SteadyClock; tests use a clock that
// moves only when it is waited on.
class PaceClock {
public:
    virtual ~PaceClock() = default;
    // Nanoseconds on a monotonic clock.
    virtual qint64 nowNs() = 0;
    // Handles the events that come in until the clock reads `deadlineNs`, then returns.
    virtual void waitUntil(qint64 deadlineNs) = 0;
};

// The monotonic clock of the system. Waiting sleeps in the event loop (input, repaints and
// closing a window are handled meanwhile) and wakes on a precise timer at the deadline.
class SteadyClock : public PaceClock {
public:
    SteadyClock();
    qint64 nowNs() override;
    void waitUntil(qint64 deadlineNs) override;

private:
    QTimer m_wake;
};

// Presentation pace: every counted yield is given a fixed share of time, so that an animation
// lasts as long on any machine. The yields themselves do not change: a run of yields keeps a
// schedule (its n-th yield is due at start + n x share) and, when it is ahead of it, waits
// in the event loop for the rest. Small leads are gathered into one wait, so that the
// processor sleeps in few waits rather than in a sleep per yield.
class Pace {
public:
    // The share of one yield at presentation pace (factor 1): the Bombardier Connect, 20 bar
    // steps of 10,001 yields and 5 of 101 (200,525 yields), lasts 3.0 s.
    static constexpr qint64 kPresentationShareNs = 15'000;
    // Leads shorter than this are not waited for yet.
    static constexpr qint64 kMinWaitNs = 4'000'000;
    // A yield this far behind its schedule starts a new run: the first yield after a pause
    // (the user's, or a handler's own work) must not race to catch up with the last run.
    static constexpr qint64 kMaxLagNs = 50'000'000;

    // `factor` scales the share (0.5: twice as fast). The clock must outlive the pace.
    Pace(double factor, PaceClock& clock);

    // Called once after every yield.
    void yielded();

    qint64 shareNs() const { return m_shareNs; }

    // The factor a --pace value gives: "presentation" is 1, a positive number is itself.
    // 0 for anything else.
    static double parseFactor(const QString& value);

private:
    PaceClock& m_clock;
    qint64 m_shareNs;
    qint64 m_start = 0;
    qint64 m_count = 0;
    bool m_running = false;
};

} // namespace ui
