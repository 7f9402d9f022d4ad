// The user-interface operations every window is built from.
#include "shell/window_registry.h"
#include "tests/support/window_test.h"
#include "ui/events.h"
#include "ui/flexgrid.h"
#include "ui/form.h"
#include "ui/twips.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using testing::FakePlatform;

namespace {
// A window whose design state is a caption "design".
class ProbeForm : public ui::Form {
public:
    ProbeForm() { caption = new QLabel(QStringLiteral("design"), this); }
    QLabel* caption;

protected:
    void onLoad() override { show(); }
};
// A window of a field that keeps the caret at the end, a plain field and a button between
// them, shown and active.
struct KeyboardForm : ui::Form {
    KeyboardForm() {
        before = new QLineEdit(QStringLiteral("before"), this);
        field = new QLineEdit(QStringLiteral("M09999"), this);
        button = new QPushButton(QStringLiteral("Exit"), this);
        list = new QListWidget(this);
        for (QWidget* w : std::initializer_list<QWidget*>{before, field, button, list})
            w->move(0, 30 * static_cast<int>(children().indexOf(w)));
        ui::caretToEndOnFocus(field);
        show();
        activateWindow();
        QApplication::setActiveWindow(this);
    }
    QLineEdit* before;
    QLineEdit* field;
    QPushButton* button;
    QListWidget* list;
};
} // namespace

class TestUi : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:
    void twipsConvertAtFifteenPerPixel() {
        QCOMPARE(ui::px(15), 1);
        QCOMPARE(ui::px(7), 0);
        QCOMPARE(ui::px(8), 1);
        QWidget w;
        ui::place(&w, 2400, 3360, 6255, 855);
        QCOMPARE(w.geometry(), QRect(160, 224, 417, 57));
        QCOMPARE(ui::leftTw(&w), 2400);
    }

    void valueSetByProgramRaisesClick() {
        QWidget parent;
        auto* a = new QRadioButton(&parent);
        auto* b = new QRadioButton(&parent);
        auto* c = new QCheckBox(&parent);
        QSignalSpy clickA(a, &QAbstractButton::clicked);
        QSignalSpy clickB(b, &QAbstractButton::clicked);
        QSignalSpy clickC(c, &QAbstractButton::clicked);

        ui::setValue(a, true);
        QCOMPARE(clickA.count(), 1);
        ui::setValue(a, true); // unchanged: no click
        QCOMPARE(clickA.count(), 1);
        ui::setValue(b, true); // the group moves the mark; only b is clicked
        QVERIFY(!a->isChecked());
        QCOMPARE(clickB.count(), 1);
        QCOMPARE(clickA.count(), 1);
        ui::setValue(b, false); // an exclusive option can be unticked by program
        QVERIFY(!b->isChecked());

        c->setEnabled(false); // disabled controls still raise the click
        ui::setValue(c, true);
        ui::setValue(c, false);
        QCOMPARE(clickC.count(), 2);
        QCOMPARE(clickC.at(1).at(0).toBool(), false);
    }

    void flexGridCellsAndCurrentCell() {
        ui::FlexGrid g;
        g.setCols(3);
        g.setRows(4);
        g.setFixedRows(1);
        g.setFixedCols(0);
        g.setRow(2);
        g.setCol(2);
        g.setText(QStringLiteral("x")); // the current cell's text
        QCOMPARE(g.textAt(2, 2), QStringLiteral("x"));
        QVERIFY(!(g.item(0, 1)->flags() & Qt::ItemIsSelectable)); // heading row
        g.setRows(10);                                            // growing keeps the text
        QCOMPARE(g.textAt(2, 2), QStringLiteral("x"));
        g.setTextAt(99, 0, QStringLiteral("ignored")); // out of range: nothing happens
        QCOMPARE(g.rows(), 10);

        QSignalSpy click(&g, &ui::FlexGrid::cellClick);
        g.show();
        const QRect cell = g.visualItemRect(g.item(3, 1));
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(click.count(), 1);
        QCOMPARE(g.row(), 3);
        QCOMPARE(g.col(), 1);
    }

    // One instance per name (the main window's menu checks that for every window); a
    // window unloaded and loaded again starts from its design.
    void registryReloadsFromDesign() {
        FakePlatform fake;
        auto& r = shell::WindowRegistry::instance();
        r.registerWindow(QStringLiteral("Probe"), [] { return new ProbeForm; });
        auto* first = static_cast<ProbeForm*>(r.load(QStringLiteral("Probe")));
        QVERIFY(first && first->isVisible());
        first->caption->setText(QStringLiteral("changed"));

        QPointer<ProbeForm> gone(first);
        first->unload();
        QVERIFY(!r.find(QStringLiteral("Probe")));
        testing::flushDeletes();
        QVERIFY(gone.isNull());
        auto* second = static_cast<ProbeForm*>(r.load(QStringLiteral("Probe")));
        QCOMPARE(second->caption->text(), QStringLiteral("design"));
        QCOMPARE(r.load(QStringLiteral("NoSuchWindow")), nullptr);
        second->close(); // the title-bar close unloads too
        QVERIFY(!r.find(QStringLiteral("Probe")));
        testing::flushDeletes();
    }

    // However the focus arrives, typing goes on after the text; the window merely becoming
    // active again leaves the caret where the user put it.
    void caretAtTheEndWhateverBringsTheFocus_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("caret");
        for (const char* way : {"tab", "backtab", "click", "program", "accessibility"})
            QTest::newRow(way) << QString::fromLatin1(way) << 6;
        QTest::newRow("window activated again") << QStringLiteral("reactivate") << 2;
    }
    void caretAtTheEndWhateverBringsTheFocus() {
        QFETCH(QString, way);
        QFETCH(int, caret);
        KeyboardForm f;
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.field->setCursorPosition(2);
        if (way == QLatin1String("tab")) {
            f.before->setFocus();
            QTest::keyClick(f.before, Qt::Key_Tab);
        } else if (way == QLatin1String("backtab")) {
            f.button->setFocus();
            QTest::keyClick(f.button, Qt::Key_Backtab);
        } else if (way == QLatin1String("click")) {
            QTest::mouseClick(f.field, Qt::LeftButton, {}, QPoint(3, f.field->height() / 2));
        } else if (way == QLatin1String("program")) {
            f.field->setFocus();
        } else if (way == QLatin1String("accessibility")) {
            QAccessible::queryAccessibleInterface(f.field)->actionInterface()->doAction(
                QAccessibleActionInterface::setFocusAction());
        } else {
            f.field->setFocus();
            f.field->setCursorPosition(2);
            QWidget other;
            other.show();
            QApplication::setActiveWindow(&other);
            QTRY_VERIFY(!f.field->hasFocus());
            QApplication::setActiveWindow(&f);
        }
        QTRY_VERIFY(f.field->hasFocus());
        QCoreApplication::processEvents();
        QVERIFY(!f.field->hasSelectedText());
        QCOMPARE(f.field->cursorPosition(), caret);
        QTest::keyClick(f.field, Qt::Key_7);
        QCOMPARE(f.field->text().indexOf(u'7'), caret);
    }

    // Enter and the keypad's Enter press a focused button once; text boxes and lists keep
    // their Enter.
    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("clicks");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << 1;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1;
        QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << int(Qt::ControlModifier) << 0;
    }
    void enterPressesTheFocusedButton() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, clicks);
        KeyboardForm f;
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QSignalSpy clicked(f.button, &QPushButton::clicked);
        f.button->setFocus();
        QTest::keyClick(f.button, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(clicked.count(), clicks);
        QSignalSpy returned(f.before, &QLineEdit::returnPressed);
        f.list->addItem(QStringLiteral("item"));
        f.list->setCurrentRow(0);
        QSignalSpy activated(f.list, &QListWidget::itemActivated);
        for (QWidget* w : {static_cast<QWidget*>(f.before), static_cast<QWidget*>(f.list)}) {
            w->setFocus();
            QTest::keyClick(w, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        }
        QCOMPARE(clicked.count(), clicks);
        QCOMPARE(returned.count(), 1);
        QCOMPARE(activated.count(), 1);
    }
};

QTEST_MAIN(TestUi)
#include "test_ui.moc"
