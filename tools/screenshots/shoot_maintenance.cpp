// Renders the Bombardier console's maintenance frames, alone and stacked, to PNG files
// (docs/screenshots/). Usage: shoot_maintenance OUTPUT_DIR
#include "tests/bombardier/bombardier_support.h"
#include "tools/screenshots/shoot.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

using namespace bombardier_test;

int main(int argc, char* argv[]) {
    shoot::Session session(argc, argv);
    auto& fake = session.fake;

    for (int language : {2, 1}) {
        setLanguage(language);
        const QString suffix = language == 2 ? QString() : QStringLiteral("-es");
        bombardier::Form28* f = openConsole();
        auto shoot = [&](const char* name) {
            session.save(
                f, QStringLiteral("bombardier-maint-%1%2.png").arg(QLatin1String(name), suffix));
        };
        f->Command29->click();

        // Catch the progress panel half-way through the key reading.
        const long long start = fake.yields;
        fake.onYield = [&](long long n) {
            if (n == start + 10 * 10001) shoot("keys-opening");
        };
        f->Command33->click();
        fake.onYield = nullptr;
        shoot("keys");
        f->Command12->click();

        f->Command47->click();
        f->Check1->click();
        shoot("service-change");
        f->Command21->click();
        f->Check3->click();
        f->Check5[1]->click();
        f->Check6[0]->click();
        f->Check6[3]->click();
        shoot("settings-over-service");
        f->Command6->click();
        shoot("actuators-over-service-settings");
        f->Command18->click();
        f->Command52->click();
        shoot("change-total-hours-over-service");
        f->Command53->click();
        f->Command50->click();
        f->Command21->click();
        shoot("settings-reopened");
        f->Command24->click();
        f->Command6->click();
        shoot("actuators");
        f->Command18->click();

        // The KPS prompt is never shown by the console; this shows how it would look.
        f->Command33->click();
        f->Frame6->show();
        shoot("keys-kps-prompt");
        f->Command3->setEnabled(true);
        f->unload();
        testing::flushDeletes();
    }
    return 0;
}
