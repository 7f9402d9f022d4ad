#include "ui/platform.h"

#include "ui/pace.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

namespace ui {

namespace {
Platform* g_platform = nullptr;
Pace* g_pace = nullptr;

QtPlatform& fallbackPlatform() {
    static QtPlatform p(QDir::currentPath());
    return p;
}
} // namespace

Platform& platform() {
    return g_platform ? *g_platform : fallbackPlatform();
}

Platform* setPlatform(Platform* p) {
    Platform* old = g_platform;
    g_platform = p;
    return old;
}

Pace* pace() {
    return g_pace;
}

Pace* setPace(Pace* p) {
    Pace* old = g_pace;
    g_pace = p;
    return old;
}

void paceYield() {
    if (g_pace) g_pace->yielded();
}

QtPlatform::QtPlatform(QString root) : m_root(std::move(root)) {}

void QtPlatform::messageBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kProgramTitle), text, QMessageBox::Ok,
                    parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtPlatform::beep() {
    QApplication::beep();
}

void QtPlatform::yield() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    paceYield();
}

void QtPlatform::setBusyPointer(QWidget* window, bool busy) {
    if (!window) return;
    if (busy)
        window->setCursor(Qt::WaitCursor);
    else
        window->unsetCursor();
}

QDate QtPlatform::today() {
    return QDate::currentDate();
}

QString QtPlatform::rootFolder() {
    return m_root;
}

QString rootPath(const QString& relative) {
    return QDir(platform().rootFolder()).filePath(relative);
}

QString dataFile(const QString& relative) {
    const QString user = rootPath(relative);
    if (QFileInfo::exists(user)) return user;
    const QString bundled = QStringLiteral(":/bundled/") + relative;
    if (QFileInfo::exists(bundled)) return bundled;
    return user;
}

} // namespace ui
