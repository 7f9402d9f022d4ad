#pragma once

// What every screenshot program shares: the application, the output folder named on the
// command line (created), every window registered, a fake platform (messages recorded, a
// fresh root folder) and saving a window's picture there.
#include "app/windows.h"
#include "tests/support/window_test.h"

#include <QApplication>
#include <QDir>

namespace shoot {

class Session {
    QApplication m_app;
    QString m_out;

public:
    Session(int& argc, char** argv)
        : m_app(argc, argv),
          m_out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")) {
        QDir().mkpath(m_out);
        app::registerWindows();
    }

    // Lets pending events run, then saves the window's picture as `name` in the folder.
    void save(QWidget* w, const QString& name) const {
        QApplication::processEvents();
        if (!w->grab().save(path(name))) qWarning("could not write %s", qPrintable(path(name)));
    }
    QString path(const QString& name) const { return QDir(m_out).filePath(name); }

    testing::FakePlatform fake;
};

} // namespace shoot
