// Saves pictures of the Kawasaki console in its main states, in English and Spanish:
//   kawasaki_screenshots <output folder>
#include "kawasaki_driver.h"

#include <QDir>
#include <QGroupBox>

using namespace kawasaki_test;

namespace {
QString folder;

void save(QWidget* w, const QString& name) {
    const QString path = QDir(folder).filePath(QStringLiteral("kawasaki-%1.png").arg(name));
    if (!w->grab().save(path)) qWarning("could not write %s", qPrintable(path));
}

void shoot(int language, const QString& suffix) {
    testing::FakePlatform fake;
    setLanguage(language);
    Form71* f = openConsole();
    save(f, QStringLiteral("opened") + suffix);

    // The progress panel half-way through the connection.
    atYield(fake, 20LL * 10001, [&] { save(f, QStringLiteral("connecting") + suffix); });
    f->Command29->click();
    fake.onYield = nullptr;
    save(f, QStringLiteral("connected") + suffix);

    f->Command30->click();
    save(f, QStringLiteral("fault-list") + suffix);

    f->Command1->click();
    save(f, QStringLiteral("erased-message") + suffix);
    f->Command15->click();

    f->Command20->click();
    save(f, QStringLiteral("history") + suffix);
    f->Command21->click();

    f->Command31->click();
    f->Command8->click();
    save(f, QStringLiteral("actuators-after-test") + suffix);
    f->Command18->click();

    f->Command31->click();
    f->Command5->click();
    f->Command18->click();
    f->Command11->click();
    save(f, QStringLiteral("live-data-after-test") + suffix);
    f->Command12->click();

    f->unload();
    testing::flushDeletes();
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    app::registerWindows();
    shoot(2, QString());
    shoot(1, QStringLiteral("-es"));
    return 0;
}
