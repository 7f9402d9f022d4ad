// The ui layer's help for screen readers and keyboard users: value labels read with their
// caption, and labels that act as buttons.
#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

QString nameOf(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void valueLabelIsReadWithCaptionAndUnit() {
        QWidget w;
        auto* caption = new QLabel(QStringLiteral("Total Hours:"), &w);
        auto* value = new QLabel(QStringLiteral("41.6"), &w);
        auto* unit = new QLabel(QStringLiteral("h"), &w);
        QCOMPARE(nameOf(value), QStringLiteral("41.6")); // asked before it became a value label
        ui::nameValue(value, caption, unit);
        QCOMPARE(nameOf(value), QStringLiteral("Total Hours: 41.6 h"));
        // Whatever sets the texts later.
        value->clear();
        QCOMPARE(nameOf(value), QStringLiteral("Total Hours: h"));
        value->setText(QStringLiteral("7"));
        caption->setText(QStringLiteral("Total Horas: "));
        delete unit;
        QCOMPARE(nameOf(value), QStringLiteral("Total Horas: 7"));
        QVERIFY(value->accessibleName().isEmpty()); // the label keeps its own text
        QCOMPARE(QAccessible::queryAccessibleInterface(value)->role(), QAccessible::StaticText);
        // A frame's title as the caption.
        auto* frame = new QGroupBox(QStringLiteral("Base Timing Mode"), &w);
        auto* timing = new QLabel(QStringLiteral("10"), frame);
        ui::nameValue(timing, frame);
        QCOMPARE(nameOf(timing), QStringLiteral("Base Timing Mode 10"));
    }

    void activatableLabelAnswersTabSpaceEnterAndScreenReaders() {
        QWidget w;
        auto* before = new QPushButton(QStringLiteral("Before"), &w);
        auto* caption = new QLabel(QStringLiteral("RPM"), &w);
        auto* help = new QLabel(QStringLiteral("?"), &w);
        auto* after = new QPushButton(QStringLiteral("After"), &w);
        int clicks = 0;
        ui::nameValue(help, caption);
        ui::makeActivatable(help, [&] { ++clicks; });
        w.show();
        w.activateWindow();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));

        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), help);
        QCOMPARE(help->frameShape(), QFrame::Box); // the focus shows
        for (int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_A})
            QTest::keyClick(help, Qt::Key(key));
        QTest::keyClick(help, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(help, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(clicks, 3);
        QTest::keyClick(help, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), after);
        QCOMPARE(help->frameShape(), QFrame::NoFrame);
        QTest::mouseClick(help, Qt::LeftButton); // the mouse leaves the focus where it is
        QCOMPARE(QApplication::focusWidget(), after);

        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(help);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("RPM ?"));
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(clicks, 4);

        // Covered: out of the tab order, and it gives up the focus.
        help->setFocus();
        ui::setActivatable(help, false);
        QVERIFY(!help->hasFocus());
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), after);
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
