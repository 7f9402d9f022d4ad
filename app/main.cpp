#include "app/windows.h"
#include "shell/window_registry.h"
#include "ui/platform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("terrasond"));
    QApplication::setApplicationDisplayName(QStringLiteral("Terrasond"));
    QApplication::setApplicationVersion(QStringLiteral(TERRASOND_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Terrasond - demonstration of a powersports diagnostic scanner.\n"
                       "Settings files and the data folder live below the root folder."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption rootOption(
        QStringLiteral("root"),
        QStringLiteral("Use DIR as the root folder (default: %1).")
            .arg(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)),
        QStringLiteral("DIR"));
    parser.addOption(rootOption);
    parser.process(app);

    QString root = parser.value(rootOption);
    if (root.isEmpty()) root = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    ui::QtPlatform platform(QDir(root).absolutePath());
    ui::setPlatform(&platform);

    app::registerWindows();
    shell::WindowRegistry::instance().load(QStringLiteral("Form3"));
    const int rc = QApplication::exec();
    ui::setPlatform(nullptr);
    return rc;
}
