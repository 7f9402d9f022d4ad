#include "ui/platform.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

namespace ui {

namespace {
Platform* g_platform = nullptr;

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
