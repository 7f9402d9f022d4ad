#include "ui/pace.h"

#include <QCoreApplication>
#include <chrono>
#include <cmath>

namespace ui {

SteadyClock::SteadyClock() {
    m_wake.setSingleShot(true);
    m_wake.setTimerType(Qt::PreciseTimer);
}

qint64 SteadyClock::nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void SteadyClock::waitUntil(qint64 deadlineNs) {
    for (;;) {
        const qint64 left = deadlineNs - nowNs();
        if (left <= 0) return;
        // Started afresh each time round: a handler run meanwhile may have waited on it.
        m_wake.start(static_cast<int>((left + 999'999) / 1'000'000));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

Pace::Pace(double factor, PaceClock& clock)
    : m_clock(clock), m_shareNs(std::llround(static_cast<double>(kPresentationShareNs) * factor)) {}

void Pace::yielded() {
    const qint64 now = m_clock.nowNs();
    if (!m_running || now - (m_start + m_count * m_shareNs) > kMaxLagNs) {
        m_running = true;
        m_start = now;
        m_count = 0;
    }
    ++m_count;
    const qint64 due = m_start + m_count * m_shareNs;
    if (due - now >= kMinWaitNs) m_clock.waitUntil(due);
}

double Pace::parseFactor(const QString& value) {
    if (value == QLatin1String("presentation")) return 1.0;
    bool ok = false;
    const double f = value.toDouble(&ok);
    return ok && std::isfinite(f) && f > 0 ? f : 0.0;
}

} // namespace ui
