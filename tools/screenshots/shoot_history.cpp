// Renders the history and connector pictures windows to PNG files (docs/screenshots/).
// Usage: shoot_history OUTPUT_DIR
#include "reference/form10.h"
#include "reference/form6.h"
#include "shell/catalog.h"
#include "shell/errors32.h"
#include "shell/settings.h"
#include "shell/window_registry.h"
#include "tools/screenshots/shoot.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace ERRORS32;

using testing::setLanguage;

namespace {
shell::WindowRegistry& registry() {
    return shell::WindowRegistry::instance();
}
} // namespace

int main(int argc, char* argv[]) {
    shoot::Session session(argc, argv);
    auto& fake = session.fake;
    TodayDate = shell::buildTodayDate();
    auto shoot = [&](QWidget* w, const char* name) { session.save(w, QString::fromLatin1(name)); };
    auto close = [](const char* name) {
        registry().unload(QString::fromLatin1(name));
        testing::flushDeletes();
    };

    setLanguage(2);
    auto* h = static_cast<reference::Form10*>(registry().load(QStringLiteral("Form10")));
    shoot(h, "history.png");
    QTest::keyClick(h->Text3, Qt::Key_Return);
    QTest::keyClicks(h->Text4, QStringLiteral("311226"));
    QTest::keyClick(h->Text4, Qt::Key_Return);
    QTest::keyClicks(h->Text1, QStringLiteral("1234-BCD"));
    shoot(h, "history-dates.png");
    close("Form10");
    setLanguage(1);
    h = static_cast<reference::Form10*>(registry().load(QStringLiteral("Form10")));
    QTest::keyClicks(h->Text3, QStringLiteral("0112"));
    shoot(h, "history-spanish.png");
    close("Form10");

    setLanguage(2);
    auto* p = static_cast<reference::Form6*>(registry().load(QStringLiteral("Form6")));
    shoot(p, "pictures-bombardier.png");
    p->Command3->click();
    shoot(p, "pictures-polaris.png");
    p->Command4->click();
    shoot(p, "pictures-kawasaki.png");
    QTest::mouseClick(p->Image4, Qt::LeftButton);
    shoot(p, "pictures-kawasaki-view3.png");
    close("Form6");
    // A data folder whose ok.jpg cannot be read: the large picture stays empty.
    fake.writeFile(QStringLiteral("orvanedemo/terrasond/ok.jpg"), QByteArray("broken"));
    p = static_cast<reference::Form6*>(registry().load(QStringLiteral("Form6")));
    shoot(p, "pictures-unreadable.png");
    close("Form6");
    return 0;
}
