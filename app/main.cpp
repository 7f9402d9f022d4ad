#include "app/idle_probe.h"
#include "app/windows.h"
#include "shell/window_registry.h"
#include "tour/tour.h"
#include "ui/pace.h"
#include "ui/platform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace {

// The data files the windows read, below the root folder.
const char* const kDataFiles[] = {
    "orvanedemo/terrasond/db1.mdb",  "orvanedemo/terrasond/Y1.mdb",  "nivasond/Y1.mdb",
    "orvanedemo/terrasond/ok.jpg",   "orvanedemo/terrasond/s4.jpg",  "orvanedemo/terrasond/y1.jpg",
    "orvanedemo/terrasond/y2.jpg",   "orvanedemo/terrasond/y3.jpg",  "orvanedemo/terrasond/y4.jpg",
    "orvanedemo/terrasond/land.jpg", "orvanedemo/terrasond/yy1.jpg", "orvanedemo/terrasond/yh1.bmp",
    "orvanedemo/terrasond/yh2.bmp",  "orvanedemo/terrasond/Ya1.jpg", "orvanedemo/terrasond/Ya2.jpg",
};

// Prints where each data file comes from: the user's folder, the bundled demo data, or
// nowhere. Returns the number of files found nowhere.
int reportDataFiles(QTextStream& out) {
    int missing = 0;
    out << "Root folder: " << ui::platform().rootFolder() << "\n";
    for (const char* f : kDataFiles) {
        const QString rel = QString::fromLatin1(f);
        const QString bundled = QStringLiteral(":/bundled/") + rel;
        QString source;
        if (QFileInfo::exists(ui::rootPath(rel)))
            source = QStringLiteral("user");
        else if (QFileInfo::exists(bundled) || QFileInfo::exists(bundled + QStringLiteral(".sql")))
            source = QStringLiteral("bundled");
        else {
            source = QStringLiteral("MISSING");
            ++missing;
        }
        out << "  " << rel << ": " << source << "\n";
    }
    return missing;
}

// Reads the command line. --help and --version answer here, before any window system
// is needed.
struct Options {
    QString root;
    bool check = false;
    double pace = 0; // factor of the presentation pace; 0: full speed
    bool tour = false;
};

Options parseCommandLine(int argc, char* argv[]) {
    QCoreApplication pre(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("terrasond"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TERRASOND_VERSION));
    const QString defaultRoot = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Terrasond - demonstration of a powersports diagnostic scanner.\n\n"
                       "The root folder holds the settings files (port.DAT, porttype.DAT,\n"
                       "languaje.DAT, sett.DAT) and the data folders orvanedemo/terrasond/ and\n"
                       "nivasond/. Databases and pictures placed there take precedence over the\n"
                       "demo data bundled with the program.\n"
                       "Default root folder: %1")
            .arg(defaultRoot));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption rootOption(QStringLiteral("root"),
                                  QStringLiteral("Use DIR as the root folder."),
                                  QStringLiteral("DIR"));
    QCommandLineOption checkOption(
        QStringLiteral("check"),
        QStringLiteral("Start, report the root folder and where each data file comes from, and "
                       "exit (non-zero when a data file is found nowhere)."));
    QCommandLineOption paceOption(
        QStringLiteral("pace"),
        QStringLiteral("Play the animations at a steady pace on any machine: \"presentation\" (a "
                       "Bombardier Connect lasts 3 s) or a factor of it (0.5: twice as fast). "
                       "Also read from the environment variable TERRASOND_PACE."),
        QStringLiteral("PACE"));
    QCommandLineOption tourOption(
        QStringLiteral("tour"),
        QStringLiteral("Play an unattended demonstration at presentation pace, over and over, "
                       "until a key is pressed or the mouse clicked."));
    parser.addOption(rootOption);
    parser.addOption(checkOption);
    parser.addOption(paceOption);
    parser.addOption(tourOption);
    parser.process(pre);

    Options o;
    o.root = parser.isSet(rootOption) ? parser.value(rootOption) : defaultRoot;
    o.root = QDir(o.root).absolutePath();
    o.check = parser.isSet(checkOption);
    const QString pace = parser.isSet(paceOption) ? parser.value(paceOption)
                                                  : qEnvironmentVariable("TERRASOND_PACE");
    if (!pace.isEmpty() && (o.pace = ui::Pace::parseFactor(pace)) == 0) {
        QTextStream(stderr)
            << "terrasond: the pace is \"presentation\" or a positive number, not \"" << pace
            << "\"\n";
        std::exit(2);
    }
    o.tour = parser.isSet(tourOption);
    if (o.tour && o.pace == 0) o.pace = 1;
    return o;
}

// Whether a window system can be reached. Without one, Qt's default platform on Linux
// aborts with a core dump; the check shows nothing a user must see and runs without one.
bool chooseDisplay(const Options& options, int argc, char* argv[]) {
#ifdef Q_OS_LINUX
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0) return true;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
        (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland")))
        return true;
    if (options.check) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return true;
    }
    std::fputs("terrasond: no display found; start it on a desktop session, or under a virtual "
               "display: xvfb-run terrasond\n",
               stderr);
    return false;
#else
    Q_UNUSED(options);
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    const Options options = parseCommandLine(argc, argv);
    if (!chooseDisplay(options, argc, argv)) return 1;

    QApplication app(argc, argv);
    // TERRASOND_BENCH_IDLE=1: report when the main window is shown and idle, then quit
    // (the start-up benchmark, app/idle_probe.h). Does nothing otherwise.
    app::IdleProbe::installIfRequested(&app);
    QApplication::setApplicationName(QStringLiteral("terrasond"));
    // No display name: Qt would append it to every window title on X11 and Wayland. The
    // desktop entry names the program to the desktop.
    QApplication::setApplicationVersion(QStringLiteral(TERRASOND_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.terrasond.Terrasond"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/terrasond-256.png")));

    ui::QtPlatform platform(options.root);
    ui::setPlatform(&platform);
    ui::SteadyClock clock;
    std::optional<ui::Pace> pace;
    if (options.pace > 0) ui::setPace(&pace.emplace(options.pace, clock));

    app::registerWindows();
    shell::WindowRegistry::instance().load(QStringLiteral("Form3"));
    std::optional<tour::Tour> tour;
    if (options.tour) {
        tour.emplace(tour::demonstration());
        tour->setPauseScale(options.pace);
        tour->start();
    }
    if (options.check) {
        QTimer::singleShot(0, &app, [] {
            QTextStream out(stdout);
            const int missing = reportDataFiles(out);
            out.flush();
            QCoreApplication::exit(missing == 0 ? 0 : 2);
        });
    }
    const int rc = QApplication::exec();
    shell::WindowRegistry::instance().unloadAll();
    // The windows closed last are deleted now, while the application object still exists.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui::setPace(nullptr);
    ui::setPlatform(nullptr);
    return rc;
}
