// Screenshots of the tour (not a test): shoot_tour OUTPUT_DIR writes OUTPUT_DIR/tour/*.png,
// the whole screen at moments of one lap. Run under a virtual X display (scripts/screenshots.sh).

#include "app/windows.h"
#include "consoles/bombardier/form28.h"
#include "shell/form3.h"
#include "shell/window_registry.h"
#include "tests/support/fake_platform.h"
#include "tour/tour.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

// The part of the screen the shown windows cover.
void shoot(const QString& dir, const QString& name) {
    QCoreApplication::sendPostedEvents();
    QRect covered;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) {
            w->repaint();
            covered |= w->frameGeometry();
        }
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(
        0, covered.x(), covered.y(), covered.width(), covered.height());
    const QString file = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!screen.save(file)) std::fprintf(stderr, "could not write %s\n", qPrintable(file));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: shoot_tour OUTPUT_DIR\n");
        return 2;
    }
    // One set, at the usual density.
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return 0;
    const QString dir = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/tour");
    QDir().mkpath(dir);

    testing::FakePlatform fake;
    app::registerWindows();
    auto& registry = shell::WindowRegistry::instance();
    auto* main = qobject_cast<shell::Form3*>(registry.load(QStringLiteral("Form3")));
    // In English, chosen in the settings panel as a user would.
    main->confi1_Click();
    ui::setValue(main->Option2[2], true);
    main->Command1_Click();

    const std::vector<tour::Step> steps = tour::demonstration();
    tour::Tour t(steps);
    t.setPauseScale(0.1);
    t.setLooping(false);

    bool connecting = false;
    fake.onYield = [&](long long n) {
        if (n % 64 == 0) QCoreApplication::processEvents();
        auto* f = registry.find<bombardier::Form28>(QStringLiteral("Form28"));
        if (!connecting && f && f->Label51->text().size() == 11) {
            connecting = true;
            shoot(dir, QStringLiteral("02-bombardier-connecting"));
        }
    };
    // The moments of the lap, by the step that has just been done.
    int shot = 0;
    QObject::connect(&t, &tour::Tour::stepDone, [&](int index) {
        using tour::Caption;
        const Caption c = steps[index].caption;
        const Caption before = index > 0 ? steps[index - 1].caption : Caption::Keep;
        QString name;
        if (c == Caption::Welcome) name = QStringLiteral("01-welcome");
        if (c == Caption::ReadFaults && shot == 1) name = QStringLiteral("03-bombardier-faults");
        if (c == Caption::ParameterHelp) name = QStringLiteral("04-polaris-reading-help");
        if (before == Caption::Actuators) name = QStringLiteral("05-kawasaki-actuator-test");
        if (c == Caption::YamahaDetails) name = QStringLiteral("06-yamaha-code-details");
        if (c == Caption::Glossary) name = QStringLiteral("07-glossary");
        if (c == Caption::Connectors) name = QStringLiteral("08-connector-pictures");
        if (name.isEmpty()) return;
        ++shot;
        // Once the windows the step opened are on the screen, before the next step is due.
        QTimer::singleShot(50, [=] { shoot(dir, name); });
    });
    QObject::connect(&t, &tour::Tour::finished, &app, &QCoreApplication::quit);
    QTimer::singleShot(0, &t, &tour::Tour::start);
    QApplication::exec();
    registry.unloadAll();
    testing::flushDeletes();
    std::printf("%d screenshots in %s\n", shot + (connecting ? 1 : 0), qPrintable(dir));
    return t.stepsSkipped() == 0 ? 0 : 1;
}
