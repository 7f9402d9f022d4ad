// Renders the Kawasaki console in its main states, in English and Spanish, to PNG files
// (docs/screenshots/). Usage: shoot_kawasaki OUTPUT_DIR
#include "consoles/kawasaki/form71.h"
#include "tools/screenshots/shoot.h"

#include <QGroupBox>
#include <QPushButton>

using kawasaki::Form71;
using testing::setLanguage;

namespace {
void shootConsole(shoot::Session& session, int language, const QString& suffix) {
    auto save = [&](QWidget* w, const QString& name) {
        session.save(w, QStringLiteral("kawasaki-%1.png").arg(name));
    };
    auto& fake = session.fake;
    fake.yields = 0;
    setLanguage(language);
    Form71* f = testing::open<Form71>("Form71");
    save(f, QStringLiteral("opened") + suffix);

    // The progress panel half-way through the connection.
    fake.onYield = [&](long long n) {
        if (n == 20LL * 10001) save(f, QStringLiteral("connecting") + suffix);
    };
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
    shoot::Session session(argc, argv);
    shootConsole(session, 2, QString());
    shootConsole(session, 1, QStringLiteral("-es"));
    return 0;
}
