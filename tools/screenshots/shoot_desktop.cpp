// Renders what a keyboard user sees to PNG files (docs/screenshots/): the main menu entered
// with F10, the focus on a help sign of the Polaris live data and on a small connector
// picture, and the Yamaha fault table reached by Tab.
// Usage: shoot_desktop OUTPUT_DIR
#include "consoles/polaris/form72.h"
#include "consoles/yamaha/form55.h"
#include "reference/form6.h"
#include "shell/catalog.h"
#include "shell/errors32.h"
#include "shell/form3.h"
#include "shell/window_registry.h"
#include "tools/screenshots/shoot.h"
#include "ui/flexgrid.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

using testing::open;

} // namespace

int main(int argc, char* argv[]) {
    shoot::Session session(argc, argv);
    auto& registry = shell::WindowRegistry::instance();

    // The main window with its Setting menu opened from the keyboard: the menu is a popup
    // of its own, drawn over the window's picture here.
    auto* main = open<shell::Form3>("Form3");
    ERRORS32::LanguageIndex = 2;
    shell::FillLanguageCatalog();
    QTest::keyClick(main, Qt::Key_F10);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QApplication::processEvents();
    if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        QPixmap shot = main->grab();
        QPainter p(&shot);
        p.drawPixmap(popup->mapToGlobal(QPoint()) - main->mapToGlobal(QPoint()), popup->grab());
        p.end();
        shot.save(session.path(QStringLiteral("keyboard-main-menu-f10.png")));
        popup->close();
    }
    registry.unload(QStringLiteral("Form3"));

    auto* polaris = open<polaris::Form72>("Form72");
    polaris->Command29->click();
    polaris->Command31->click();
    polaris->Label28[3]->setFocus();
    session.save(polaris, QStringLiteral("keyboard-polaris-help-sign.png"));
    QTest::keyClick(polaris->Label28[3], Qt::Key_Space);
    session.save(polaris, QStringLiteral("keyboard-polaris-help-open.png"));
    registry.unload(QStringLiteral("Form72"));

    auto* pictures = open<reference::Form6>("Form6");
    pictures->Command4->click();
    pictures->Image3->setFocus();
    session.save(pictures, QStringLiteral("keyboard-sockets-small-picture.png"));
    registry.unload(QStringLiteral("Form6"));

    auto* guide = open<yamaha::Form55>("Form55");
    guide->Combo1->setFocus();
    QTest::keyClick(guide->Combo1, Qt::Key_Down);
    guide->SSTab1->setCurrentIndex(1);
    guide->MSFlexGrid1->setFocus();
    guide->MSFlexGrid1->setCurrentCell(1, 0);
    session.save(guide, QStringLiteral("keyboard-yamaha-fault-table.png"));
    registry.unloadAll();
    testing::flushDeletes();
    return 0;
}
