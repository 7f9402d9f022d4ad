// Renders the glossary window to PNG files (docs/screenshots/).
// Usage: shoot_glossary OUTPUT_DIR
#include "reference/form9.h"
#include "shell/catalog.h"
#include "shell/errors32.h"
#include "shell/window_registry.h"
#include "tools/screenshots/shoot.h"
#include "ui/flexgrid.h"

int main(int argc, char* argv[]) {
    shoot::Session session(argc, argv);
    auto& registry = shell::WindowRegistry::instance();
    auto shoot = [&](int language, const char* name, int scrollToRow = 0) {
        ERRORS32::LanguageIndex = static_cast<short>(language);
        shell::FillLanguageCatalog();
        auto* f = static_cast<reference::Form9*>(registry.load(QStringLiteral("Form9")));
        if (scrollToRow > 0) {
            // The grid scrolls once it has its size.
            QApplication::processEvents();
            f->MSFlexGrid1->scrollToItem(f->MSFlexGrid1->item(scrollToRow, 0),
                                         QAbstractItemView::PositionAtTop);
            QApplication::processEvents();
        }
        session.save(f, QString::fromLatin1(name));
        registry.unload(QStringLiteral("Form9"));
        testing::flushDeletes();
    };
    {
        // A fresh installation: the bundled glossary.
        testing::FakePlatform fake;
        shoot(1, "glossary-spanish.png");
        shoot(2, "glossary-english.png");
        shoot(3, "glossary-french.png");
        shoot(4, "glossary-italian-scrolled.png", 26);
        shoot(5, "glossary-german-empty.png");
    }
    {
        // A file that is not a database: the message, then the empty window.
        testing::FakePlatform fake;
        fake.writeFile(QStringLiteral("orvanedemo/terrasond/db1.mdb"), "not a database");
        shoot(2, "glossary-unreadable-database.png");
    }
    return 0;
}
