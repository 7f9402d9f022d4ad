// Renders the Bombardier console in its main states to PNG files (docs/screenshots/).
// Usage: shoot_bombardier OUTPUT_DIR
#include "tests/bombardier/bombardier_support.h"
#include "tools/screenshots/shoot.h"

#include <QTabWidget>

using namespace bombardier_test;

int main(int argc, char* argv[]) {
    shoot::Session session(argc, argv);
    auto& fake = session.fake;
    setLanguage(2);
    bombardier::Form28* f = openConsole();
    auto shoot = [&](const char* name) {
        session.save(f, QStringLiteral("bombardier-%1.png").arg(name));
    };
    shoot("opened");
    // Catch the progress panel half-way through the animation.
    fake.onYield = [&](long long n) {
        if (n == 10 * 10001) shoot("connecting");
    };
    f->Command29->click();
    fake.onYield = nullptr;
    shoot("connected");
    f->Command30->click();
    shoot("fault-report");
    f->Command1->click();
    shoot("faults-erased");
    f->Command15->click();

    f->Command31->click();
    shoot("live-data");
    f->Command54->click();
    shoot("live-data-max-min");
    f->Command60->click();
    shoot("live-data-last-minute");
    f->Command66->click();
    shoot("monitoring");
    f->Command64->click();

    f->Command55->click();
    f->Command68->click();
    shoot("run-time-read");
    f->SSTab1->setCurrentIndex(1);
    shoot("rpm-profile-placeholder");
    f->Command61->click();
    shoot("rpm-profile-read");
    f->SSTab1->setCurrentIndex(2);
    shoot("purchase");
    f->Command56->click();
    shoot("after-tabs");

    // The report in Spanish (captions keep the language the console was opened in).
    setLanguage(1);
    f->Command29->click();
    f->Command30->click();
    shoot("fault-report-spanish");
    return 0;
}
