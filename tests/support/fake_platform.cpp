#include "tests/support/fake_platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>

namespace testing {

FakePlatform::FakePlatform() {
    root = m_dir.path();
    m_previous = ui::setPlatform(this);
    if (qEnvironmentVariableIsSet("TERRASOND_TEST_PACE")) {
        m_pace = std::make_unique<ui::Pace>(1.0, clock);
        m_previousPace = ui::setPace(m_pace.get());
    }
}

FakePlatform::~FakePlatform() {
    if (m_pace) ui::setPace(m_previousPace);
    ui::setPlatform(m_previous);
}

void FakePlatform::yield() {
    ++yields;
    if (processEventsOnYield) QCoreApplication::processEvents();
    ui::paceYield();
    if (onYield) onYield(yields);
}

QString FakePlatform::path(const QString& relative) const {
    return QDir(root).filePath(relative);
}

void FakePlatform::writeFile(const QString& relative, const QByteArray& bytes) const {
    const QString p = path(relative);
    QDir().mkpath(QFileInfo(p).path());
    QFile f(p);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

QByteArray FakePlatform::readFile(const QString& relative) const {
    QFile f(path(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace testing
