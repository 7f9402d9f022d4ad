// Renders the Polaris console in its main states to PNG files (docs/screenshots/).
// Usage: shoot_polaris OUTPUT_DIR
#include "consoles/polaris/form72.h"
#include "tools/screenshots/shoot.h"

#include <QLabel>
#include <QPushButton>

using polaris::Form72;
using testing::setLanguage;

int main(int argc, char* argv[]) {
    shoot::Session session(argc, argv);
    auto& fake = session.fake;

    for (int language : {2, 1}) {
        setLanguage(language);
        const QString suffix = language == 1 ? QStringLiteral("-es") : QString();
        Form72* f = testing::open<Form72>("Form72");
        auto shoot = [&](const QString& name) {
            session.save(f, QStringLiteral("polaris-") + name + suffix + QStringLiteral(".png"));
        };
        if (language == 2) shoot(QStringLiteral("opened"));

        fake.yields = 0;
        fake.onYield = [&](long long n) {
            if (n == 15LL * consoles::ConsoleForm::kYieldsPerBar)
                shoot(QStringLiteral("connecting"));
        };
        f->Command29->click();
        fake.onYield = nullptr;
        shoot(QStringLiteral("connected"));

        f->Command30->click();
        shoot(QStringLiteral("faults"));

        f->Command20->click();
        shoot(QStringLiteral("ecu-info"));
        f->Command11->click();

        f->Command31->click();
        fake.yields = 0;
        fake.onYield = [&](long long n) {
            if (n == 5 * Form72::kYieldsPerReading + 1) {
                f->Label28_Click(2);
                shoot(QStringLiteral("live-data-help"));
                f->Command6->click();
                f->Label28_Click(9);
                shoot(QStringLiteral("live-data-help-right"));
                f->Command12->click();
            }
        };
        f->Command13->click();
        fake.onYield = nullptr;
        f->Command12->click();

        f->Command9->click();
        shoot(QStringLiteral("base-timing"));
        f->Command10->click();

        f->Command1->click();
        shoot(QStringLiteral("erased"));
        f->unload();
        testing::flushDeletes();
    }
    return 0;
}
