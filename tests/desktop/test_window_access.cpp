// Every window used with the keyboard alone and read by a screen reader: in each state of
// each window the Tab key goes round the window's usable controls and comes back, every
// control it stops at has a name, every control that can be used is on the way, every
// label's text reaches the screen reader, and no value is read without its caption.
// The functions that were mouse-only (the menu, the help signs, the small pictures, the
// fault-code table) answer the keyboard.
#include "app/windows.h"
#include "consoles/bombardier/form28.h"
#include "consoles/kawasaki/form71.h"
#include "consoles/polaris/form72.h"
#include "consoles/yamaha/form55.h"
#include "reference/form10.h"
#include "reference/form6.h"
#include "reference/form9.h"
#include "shell/catalog.h"
#include "shell/errors32.h"
#include "shell/form3.h"
#include "shell/window_registry.h"
#include "tests/support/window_test.h"
#include "ui/flexgrid.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>
#include <functional>

using namespace ERRORS32;
using testing::FakePlatform;

namespace {

QString describe(const QWidget* w) {
    return QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName();
}

QString nameOf(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).simplified();
}

// What a label shows, as plain text (simplified: white space as a screen reader says it).
QString shownText(const QLabel* l, bool simplified = true) {
    QString text = l->text();
    if (l->textFormat() == Qt::RichText ||
        (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument doc;
        doc.setHtml(text);
        text = doc.toPlainText();
    }
    return simplified ? text.simplified() : text;
}

// A control that a keyboard user must be able to reach.
bool isUsable(QWidget* w) {
    if (!w->isVisible() || !w->isEnabled()) return false;
    if (auto* radio = qobject_cast<QRadioButton*>(w))
        return radio->isChecked() || !radio->autoExclusive(); // a group is entered at its choice
    if (auto* label = qobject_cast<QLabel*>(w)) return label->focusPolicy() & Qt::TabFocus;
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
           qobject_cast<QAbstractItemView*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QTabBar*>(w);
}

// The controls Tab visits from the focus, in order, until it is back where it started.
struct Cycle {
    QList<QWidget*> stops;
    QString error;
};

Cycle tabCycle(QWidget* window) {
    Cycle c;
    QWidget* first = QApplication::focusWidget();
    if (!first || first->window() != window || !first->isVisible()) {
        QTest::keyClick(window, Qt::Key_Tab);
        first = QApplication::focusWidget();
    }
    if (!first || first->window() != window) {
        c.error = QStringLiteral("no control takes the focus");
        return c;
    }
    c.stops << first;
    for (int i = 0; i < 400; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (!now || now->window() != window) {
            c.error = QStringLiteral("Tab leaves the window after ") + describe(c.stops.last());
            return c;
        }
        if (now == first) return c;
        if (c.stops.contains(now)) {
            c.error = QStringLiteral("Tab never comes back to ") + describe(first);
            return c;
        }
        c.stops << now;
    }
    c.error = QStringLiteral("Tab does not come back");
    return c;
}

// Everything a keyboard and screen-reader user meets in the window's present state.
QStringList problems(QWidget* window) {
    QStringList out;
    const Cycle cycle = tabCycle(window);
    if (!cycle.error.isEmpty()) out << cycle.error;
    for (QWidget* w : cycle.stops) {
        if (auto* bar = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < bar->count(); ++i)
                if (bar->tabText(i).isEmpty()) out << QStringLiteral("tab without text");
        } else if (nameOf(w).isEmpty()) {
            out << QStringLiteral("no name: ") + describe(w);
        }
    }
    for (QWidget* w : window->findChildren<QWidget*>())
        if (isUsable(w) && !cycle.stops.contains(w))
            out << QStringLiteral("not reached by Tab: ") + describe(w);
    for (QLabel* l : window->findChildren<QLabel*>()) {
        if (!l->isVisible()) continue;
        const QString text = shownText(l);
        const QString name = nameOf(l);
        QAccessibleTextInterface* read = QAccessible::queryAccessibleInterface(l)->textInterface();
        const QString shown = l->pixmap().isNull() ? shownText(l, false) : QString();
        if (!read || read->text(0, read->characterCount()) != shown)
            out << QStringLiteral("text not readable as shown: ") + describe(l);
        if (!name.contains(text))
            out << QStringLiteral("text hidden from screen readers: ") + describe(l);
        else if (name == text && !text.isEmpty() && !text.contains(QRegularExpression("\\p{L}")))
            out << QStringLiteral("value without caption: ") + describe(l) + u' ' + text;
    }
    return out;
}

// Drives a window through its states: the problems of its present state, then those
// after each step, noted with the step's name.
using Step = std::pair<const char*, std::function<void()>>;
QStringList problemsThrough(QWidget* window, const QList<Step>& steps) {
    QStringList out = problems(window);
    for (const auto& [what, step] : steps) {
        step();
        for (const QString& p : problems(window))
            out << QString::fromLatin1(what) + QStringLiteral(": ") + p;
    }
    return out;
}

#define VERIFY_EMPTY(list) QVERIFY2((list).isEmpty(), qPrintable((list).join(QLatin1Char('\n'))))

// Runs one of the control's accessibility actions, as an assistive technology does.
void act(QWidget* control, const QString& action) {
    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(control)->actionInterface();
    QVERIFY2(actions->actionNames().contains(action), qPrintable(describe(control)));
    actions->doAction(action);
    QCoreApplication::processEvents();
}

// The order in which Tab visits the window's controls, starting from `first`.
QList<QWidget*> tabOrderFrom(QWidget* window, QWidget* first) {
    first->setFocus();
    return tabCycle(window).stops;
}

} // namespace

using testing::open;
using testing::registry;

class TestWindowAccess : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:

    void mainWindowByKeyboard() {
        FakePlatform fake;
        auto* f = open<shell::Form3>("Form3");
        QTest::keyClick(f, Qt::Key_F10);
        QCOMPARE(f->menu->activeAction(), f->jet);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!f->menu->activeAction());

        // Alt, four entries to the right, open, first entry: the settings panel.
        QTest::keyPress(f, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(f, Qt::Key_Alt, Qt::NoModifier);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(popup && popup->actions().contains(f->confi1));
        QTest::keyClick(popup, Qt::Key_Return);
        QTRY_VERIFY(f->Frame1->isVisible());
        VERIFY_EMPTY(problemsThrough(f, {{"workshop", [f] { f->taller->trigger(); }},
                                         {"about", [f] { f->ac->trigger(); }}}));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(registry().find(QStringLiteral("Form28")));
    }

    void bombardierConsole() {
        FakePlatform fake;
        auto* f = open<bombardier::Form28>("Form28");
        VERIFY_EMPTY(problemsThrough(
            f, {{"connected", [f] { f->Command29->click(), f->Command30->click(); }},
                {"live data", [f] { f->Command31->click(), f->Command54->click(); }},
                {"monitoring", [f] { f->Command66->click(); }},
                {"run time", [f] { f->Command64->click(), f->Command55->click(); }},
                {"run time read", [f] { f->Command68->click(); }},
                {"rpm profile", [f] { f->SSTab1->setCurrentIndex(1); }},
                {"purchase", [f] { f->SSTab1->setCurrentIndex(2); }},
                {"keys", [f] { f->Command56->click(), f->Command33->click(); }},
                {"service", [f] { f->Command12->click(), f->Command47->click(); }},
                {"settings", [f] { f->Command21->click(); }},
                {"total hours", [f] { f->Command52->click(); }},
                {"actuators", [f] { f->Command53->click(), f->Command6->click(); }},
                {"erased", [f] { f->Command18->click(), f->Command1->click(); }}}));
        f->Command15->click();
        f->Command50->click(); // the service frame stays open until its own Exit
        QCOMPARE(nameOf(f->Label19), CatTotalHours.simplified() + u' ' + f->ecmHoursText);
        QCOMPARE(nameOf(f->Label35), QStringLiteral("Intake Temperat.: ºC"));
        const QList<QWidget*> order = {f->Command29, f->Command21, f->Command30, f->Command6,
                                       f->Command47, f->Command31, f->Command55, f->Command1,
                                       f->Command33, f->List2,     f->List1,     f->Command2,
                                       f->Command3,  f->Command4};
        QCOMPARE(tabOrderFrom(f, f->Command29), order);
    }

    // The actions offered to assistive technology do what the user's click does: the
    // control's click handler runs, with its effect on the other controls.
    void accessibilityActionsClick() {
        FakePlatform fake;
        auto* f = open<shell::Form3>("Form3");
        const QString toggle = QAccessibleActionInterface::toggleAction();
        f->confi1->trigger();
        act(f->Option2[1], toggle); // Spanish
        QCOMPARE(LanguageIndex, short(1));
        QCOMPARE(f->Command1->text(), QStringLiteral("Salir"));
        f->taller->trigger();
        f->workshopFields[2]->setText(QStringLiteral("Main Street"));
        // The settings panel's Exit closes the workshop panel too.
        act(f->Command1, QAccessibleActionInterface::pressAction());
        QVERIFY(!f->Frame1->isVisible() && !f->Frame4->isVisible());
        QVERIFY(f->workshopFields[2]->text().isEmpty());

        auto* b = open<bombardier::Form28>("Form28");
        b->Command29->click();
        b->Command21->click();
        act(b->Check5[1], toggle); // Metric: Save is offered
        QVERIFY(b->Check5[1]->isChecked() && b->Command46->isVisible());
        b->setEnabled(false); // a disabled control offers nothing
        auto* actions = QAccessible::queryAccessibleInterface(b->Check5[0])->actionInterface();
        QVERIFY(actions->actionNames().isEmpty());
    }

    void polarisConsole() {
        FakePlatform fake;
        auto* f = open<polaris::Form72>("Form72");
        VERIFY_EMPTY(problemsThrough(
            f, {{"faults", [f] { f->Command29->click(), f->Command30->click(); }},
                {"ecu info", [f] { f->Command20->click(); }},
                {"base timing", [f] { f->Command11->click(), f->Command9->click(); }},
                {"live data", [f] { f->Command10->click(), f->Command31->click(); }}}));
        // A parameter's help sign answers the keyboard: Tab reaches it, a frame shows its
        // focus, Space, Enter and the keypad's Enter open the help (other keys do nothing),
        // and screen readers see a button they can press.
        const QList<QWidget*> order = tabOrderFrom(f, f->Command13);
        QCOMPARE(order.indexOf(f->Label28[3]), order.indexOf(f->Label28[0]) + 3);
        QLabel* help = f->Label28[3];
        QCOMPARE(QAccessible::queryAccessibleInterface(help)->role(), QAccessible::Button);
        const std::pair<Qt::Key, Qt::KeyboardModifiers> opening[] = {
            {Qt::Key_Space, Qt::NoModifier},
            {Qt::Key_Return, Qt::NoModifier},
            {Qt::Key_Enter, Qt::KeypadModifier}};
        for (const auto& [key, modifiers] : opening) {
            help->setFocus();
            QCOMPARE(help->frameShape(), QFrame::Box);
            QTest::keyClick(help, Qt::Key_A);
            QTest::keyClick(help, Qt::Key_Return, Qt::ControlModifier);
            QVERIFY(!f->Frame9->isVisible());
            QTest::keyClick(help, key, modifiers);
            QVERIFY(f->Frame9->isVisible());
            QCOMPARE(help->frameShape(), QFrame::NoFrame);
            f->Command6->click(); // closes the help
        }
        act(help, QAccessibleActionInterface::pressAction());
        QVERIFY(f->Frame9->isVisible());
        QCOMPARE(f->Frame9->title(), f->Label9[3]->text());
        QCOMPARE(QApplication::focusWidget(), f->Command6);
        VERIFY_EMPTY(problems(f));
        QCOMPARE(nameOf(f->Label18), QStringLiteral("Max ") + f->Label18->text());
        QCOMPARE(nameOf(f->Label41), // a frame's title as the caption, and a unit
                 QStringList({f->Frame12->title(), f->Label41->text(), f->Label45->text()})
                     .join(u' ')
                     .simplified());
    }

    void kawasakiConsole() {
        FakePlatform fake;
        auto* f = open<kawasaki::Form71>("Form71");
        VERIFY_EMPTY(problemsThrough(
            f, {{"faults", [f] { f->Command29->click(), f->Command30->click(); }},
                {"history", [f] { f->Command20->click(); }},
                {"live data", [f] { f->Command21->click(), f->Command11->click(); }},
                {"actuators", [f] { f->Command12->click(), f->Command31->click(); }}}));
        QCOMPARE(nameOf(f->Label54), CatHours.simplified() + u' ' + f->Label54->text());
        QCOMPARE(f->Command8->accessibleDescription(), CatIgnitionCoil);
    }

    void yamahaGuideFromTheKeyboard() {
        FakePlatform fake;
        auto* f = open<yamaha::Form55>("Form55");
        VERIFY_EMPTY(problems(f));
        f->Combo1->setFocus();
        QTest::keyClick(f->Combo1, Qt::Key_Down); // the first model
        QCOMPARE(f->Combo1->currentIndex(), 0);
        f->SSTab1->setCurrentIndex(1);
        f->MSFlexGrid1->setFocus();
        f->MSFlexGrid1->setCurrentCell(1, 0);
        QTest::keyClick(f->MSFlexGrid1, Qt::Key_Return);
        QCOMPARE(f->SSTab1->currentIndex(), 2);
        QCOMPARE(f->Text1->text(), f->MSFlexGrid1->textAt(1, 0).right(2));
        VERIFY_EMPTY(problems(f));
        QVERIFY(fake.messages.isEmpty());
    }

    void referenceWindows() {
        FakePlatform fake;
        VERIFY_EMPTY(problems(open<reference::Form9>("Form9")));
        VERIFY_EMPTY(problems(open<reference::Form10>("Form10")));

        // The small pictures lie under the large one and are out of the way until the
        // Kawasaki button uncovers them; Enter on one enlarges it.
        auto* f = open<reference::Form6>("Form6");
        VERIFY_EMPTY(problems(f));
        const QList<QWidget*> buttons = {f->Command1, f->Command3, f->Command4, f->Command2};
        QCOMPARE(tabOrderFrom(f, f->Command1), buttons);
        f->Command4->click();
        VERIFY_EMPTY(problems(f));
        QCOMPARE(tabOrderFrom(f, f->Command1),
                 (QList<QWidget*>{f->Command1, f->Command3, f->Command4, f->Image2, f->Image3,
                                  f->Image4, f->Image5, f->Command2}));
        QTest::keyClick(f->Image3, Qt::Key_Return);
        QCOMPARE(nameOf(f->Image1), QStringLiteral("Kawasaki diagnostic socket, view 2"));
        QCOMPARE(QApplication::focusWidget(), f->Command2);
        QCOMPARE(f->Image3->focusPolicy(), Qt::NoFocus);
    }
};

QTEST_MAIN(TestWindowAccess)
#include "test_window_access.moc"
