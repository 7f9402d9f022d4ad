// Pictures of the panels where catalog texts of different entries meet (the Kawasaki erase
// message, progress, live-data and actuator panels; the Bombardier key, service,
// change-total-hours and actuator frames), in French, Italian, German, Portuguese, Finnish
// and Swedish, for checking that each reads in one language.
//   catalog_panels OUTPUT_DIR   -> OUTPUT_DIR/<lang>-<panel>.png
// scripts/catalog-review.sh --panels builds it, runs it under Xvfb and joins the pictures
// of each language into one.
#include "app/windows.h"
#include "consoles/bombardier/form28.h"
#include "consoles/kawasaki/form71.h"
#include "shell/catalog.h"
#include "shell/errors32.h"
#include "shell/window_registry.h"
#include "tests/support/fake_platform.h"
#include "tools/catalog/catalog_shares.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>

namespace {

QString folder;

void save(QWidget* w, const QString& language, const char* panel) {
    QApplication::processEvents();
    const QString path =
        QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(language, QLatin1String(panel)));
    if (!w->grab().save(path)) qWarning("could not write %s", qPrintable(path));
}

template <class T> T* open(const char* name) {
    auto* f = static_cast<T*>(shell::WindowRegistry::instance().load(QLatin1String(name)));
    f->activateWindow();
    QApplication::setActiveWindow(f);
    return f;
}

void shootKawasaki(testing::FakePlatform& fake, const QString& lang) {
    auto* f = open<kawasaki::Form71>("Form71");
    // The progress panel half-way through the connection.
    const long long start = fake.yields;
    fake.onYield = [&, done = false](long long n) mutable {
        if (done || n < start + 20LL * 10001) return;
        done = true;
        save(f->Frame14, lang, "kawasaki-connecting");
    };
    f->Command29->click();
    fake.onYield = nullptr;
    f->Command1->click();
    save(f->Frame7, lang, "kawasaki-erased");
    f->Command15->click();
    f->Command11->click();
    save(f->Frame6, lang, "kawasaki-live-data");
    f->Command12->click();
    f->Command31->click();
    f->Command17->click();
    save(f->Frame5, lang, "kawasaki-actuators");
    f->Command18->click();
    f->unload();
    testing::flushDeletes();
}

void shootBombardier(const QString& lang) {
    auto* f = open<bombardier::Form28>("Form28");
    f->Command29->click();
    f->Command33->click();
    save(f, lang, "bombardier-keys");
    f->Command12->click();
    f->Command47->click();
    save(f->Frame10, lang, "bombardier-service");
    f->Command50->click();
    f->Command21->click();
    f->Command52->click();
    save(f->Frame11, lang, "bombardier-change-total-hours");
    f->Command53->click();
    f->Command24->click();
    f->Command6->click();
    save(f->Frame8, lang, "bombardier-actuators");
    f->Command18->click();
    f->unload();
    testing::flushDeletes();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    testing::FakePlatform fake;
    app::registerWindows();
    for (int language = 3; language <= shell::kLanguageCount; ++language) {
        ERRORS32::LanguageIndex = static_cast<short>(language);
        shell::FillLanguageCatalog();
        const QString lang =
            QLatin1String(catalog_review::kCodes[static_cast<size_t>(language - 1)]);
        shootKawasaki(fake, lang);
        shootBombardier(lang);
    }
    return 0;
}
