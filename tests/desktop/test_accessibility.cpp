// The ui layer's help for screen readers and keyboard users: value labels read with their
// caption, labels that act as buttons, and the grid's keyboard.
#include "tests/support/fake_platform.h"
#include "ui/accessibility.h"
#include "ui/flexgrid.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

QString nameOf(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QAccessible::Role roleOf(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->role() : QAccessible::NoRole;
}

// A shown, active window for focus and key tests.
std::unique_ptr<QWidget> window() {
    auto w = std::make_unique<QWidget>();
    w->resize(300, 200);
    return w;
}

void activate(QWidget* w) {
    w->show();
    w->activateWindow();
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void valueLabelIsReadWithCaptionAndUnit() {
        auto w = window();
        auto* caption = new QLabel(QStringLiteral("Total Hours:"), w.get());
        auto* value = new QLabel(w.get());
        auto* unit = new QLabel(QStringLiteral("h"), w.get());
        ui::nameValue(value, caption, unit);

        QCOMPARE(nameOf(value), QStringLiteral("Total Hours: h")); // no value yet
        value->setText(QStringLiteral("41.6"));
        QCOMPARE(nameOf(value), QStringLiteral("Total Hours: 41.6 h"));
        caption->setText(QStringLiteral("Total Horas: "));
        unit->clear();
        QCOMPARE(nameOf(value), QStringLiteral("Total Horas: 41.6"));
        // The label still shows, and screen readers still get, its own text.
        QVERIFY(value->accessibleName().isEmpty());
        QCOMPARE(value->text(), QStringLiteral("41.6"));
        QCOMPARE(roleOf(value), QAccessible::StaticText);
        // Other labels keep Qt's own reading.
        QCOMPARE(nameOf(caption), QStringLiteral("Total Horas: "));
    }

    void captionMayBeAFrameAndMayGoAway() {
        auto w = window();
        auto* frame = new QGroupBox(QStringLiteral("Base Timing Mode"), w.get());
        auto* value = new QLabel(QStringLiteral("10"), frame);
        // A screen reader asked before the label became a value label.
        QCOMPARE(nameOf(value), QStringLiteral("10"));
        ui::nameValue(value, frame);
        QCOMPARE(nameOf(value), QStringLiteral("Base Timing Mode 10"));

        auto* caption = new QLabel(QStringLiteral("Max"), w.get());
        auto* other = new QLabel(QStringLiteral("8000"), w.get());
        ui::nameValue(other, caption);
        delete caption;
        QCOMPARE(nameOf(other), QStringLiteral("8000"));
    }

    void activatableLabelAnswersTabSpaceEnterAndScreenReaders() {
        auto w = window();
        auto* before = new QPushButton(QStringLiteral("Before"), w.get());
        auto* caption = new QLabel(QStringLiteral("RPM"), w.get());
        auto* help = new QLabel(QStringLiteral("?"), w.get());
        auto* after = new QPushButton(QStringLiteral("After"), w.get());
        int clicks = 0;
        ui::nameValue(help, caption);
        ui::makeActivatable(help, [&] { ++clicks; });
        activate(w.get());

        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), help);
        QCOMPARE(help->frameShape(), QFrame::Box); // the focus shows
        QTest::keyClick(help, Qt::Key_Space);
        QTest::keyClick(help, Qt::Key_Return);
        QTest::keyClick(help, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(help, Qt::Key_A);
        QTest::keyClick(help, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(clicks, 3);
        QTest::keyClick(help, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), after);
        QCOMPARE(help->frameShape(), QFrame::NoFrame);

        // A mouse click does not take the focus from where it is.
        QTest::mouseClick(help, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), after);

        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(help);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("RPM ?"));
        QAccessibleActionInterface* action = iface->actionInterface();
        QVERIFY(action);
        QVERIFY(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
        action->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(clicks, 4);

        // Covered: out of the tab order, and it gives up the focus.
        help->setFocus();
        ui::setActivatable(help, false);
        QVERIFY(!help->hasFocus());
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), after);
        ui::setActivatable(help, true);
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), help);
    }

    void pictureButtonIsReadByItsName() {
        auto w = window();
        auto* picture = new QLabel(w.get());
        QPixmap pixmap(20, 20);
        pixmap.fill(Qt::red);
        picture->setPixmap(pixmap);
        picture->setAccessibleName(QStringLiteral("Kawasaki diagnostic socket, view 1"));
        ui::makeActivatable(picture, [] {});
        QCOMPARE(nameOf(picture), QStringLiteral("Kawasaki diagnostic socket, view 1"));
        QCOMPARE(roleOf(picture), QAccessible::Button);
    }

    void gridIsLeftByTabAndClickedByEnterOrSpace() {
        auto w = window();
        auto* grid = new ui::FlexGrid(w.get());
        grid->setGeometry(0, 0, 200, 150);
        grid->setRows(5);
        grid->setCols(3);
        grid->setFixedRows(1);
        auto* next = new QPushButton(QStringLiteral("Next"), w.get());
        next->move(0, 160);
        QSignalSpy clicks(grid, &ui::FlexGrid::cellClick);
        activate(w.get());

        grid->setFocus();
        grid->setCurrentCell(2, 1);
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(grid->row(), 3);
        QCOMPARE(grid->col(), 1);
        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClick(grid, Qt::Key_Space);
        QCOMPARE(clicks.size(), 2);
        QCOMPARE(grid->col(), 2);

        QTest::keyClick(grid, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
        QCOMPARE(clicks.size(), 2);
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
