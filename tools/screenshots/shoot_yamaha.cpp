// Renders the Yamaha guide on each of its tabs to PNG files (docs/screenshots/), with the
// bundled demo data.
// Usage: shoot_yamaha OUTPUT_DIR
#include "consoles/yamaha/form55.h"
#include "shell/catalog.h"
#include "shell/errors32.h"
#include "shell/window_registry.h"
#include "tools/screenshots/shoot.h"
#include "ui/flexgrid.h"

#include <QComboBox>
#include <QTabWidget>

namespace {

yamaha::Form55* openGuide(int language) {
    testing::setLanguage(language);
    return testing::open<yamaha::Form55>("Form55");
}

void choose(yamaha::Form55* f, int model) {
    f->Combo1->setCurrentIndex(model);
    f->Combo1_Click(model);
}

void clickCode(yamaha::Form55* f, const QString& codeCell) {
    for (int r = 0; r < f->MSFlexGrid1->rows(); ++r) {
        if (f->MSFlexGrid1->textAt(r, 0) != codeCell) continue;
        f->MSFlexGrid1->setCurrentCell(r, 1);
        f->MSFlexGrid1->setRow(r);
        f->MSFlexGrid1->setCol(1);
        f->MSFlexGrid1_Click();
        return;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    shoot::Session session(argc, argv);
    yamaha::Form55* f = nullptr;
    auto shoot = [&](const QString& name) { session.save(f, name); };

    f = openGuide(1);
    shoot(QStringLiteral("yamaha-start-spanish.png"));
    f->unload();
    testing::flushDeletes();

    f = openGuide(2);
    shoot(QStringLiteral("yamaha-start.png"));
    const struct {
        int model;
        const char* prefix;
        const char* code;
    } models[] = {{0, "yamaha-fx10", "     12"}, {6, "yamaha-apex", "     11"}};
    for (const auto& m : models) {
        choose(f, m.model);
        f->SSTab1->setCurrentIndex(0);
        shoot(QLatin1String(m.prefix) + QStringLiteral("-instructions.png"));
        f->SSTab1->setCurrentIndex(1);
        shoot(QLatin1String(m.prefix) + QStringLiteral("-fault-table.png"));
        clickCode(f, QString::fromLatin1(m.code));
        shoot(QLatin1String(m.prefix) + QStringLiteral("-details.png"));
    }
    // A meter communication error with an empty first cause.
    choose(f, 0);
    clickCode(f, QStringLiteral("    ER-2"));
    shoot(QStringLiteral("yamaha-fx10-details-er2.png"));
    f->unload();
    testing::flushDeletes();
    return 0;
}
