// The history window: date entry, keyboard moves between the fields, leaving it.
#include "app/windows.h"
#include "reference/form10.h"
#include "shell/catalog.h"
#include "shell/errors32.h"
#include "shell/settings.h"
#include "tests/support/window_test.h"
#include "ui/flexgrid.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace ERRORS32;
using reference::DateEntry;
using reference::enterDate;
using reference::Form10;
using testing::FakePlatform;
using testing::registry;
using testing::setLanguage;
using Action = DateEntry::Action;

namespace {
Form10* openHistory() {
    TodayDate = shell::buildTodayDate();
    return testing::open<Form10>("Form10");
}
} // namespace

Q_DECLARE_METATYPE(DateEntry::Action)

class TestHistory : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:

    // The rule for a date typed and entered. (An empty field, four characters and one are
    // entered in the window tests below.)
    void dateRule_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("text");
        QTest::newRow("year unchecked") << "2512ab" << Action::Accept << "25-12-ab";
        QTest::newRow("letters") << "ab1226" << Action::WrongDate << "";
        QTest::newRow("fraction of a day") << ".51226" << Action::WrongDate << "";
        // Day and month are read as numbers: blanks skipped, a sign taken.
        QTest::newRow("leading blank") << " 11226" << Action::Accept << " 1-12-26";
        QTest::newRow("blank after the day") << "1 1226" << Action::Accept << "1 -12-26";
        QTest::newRow("plus sign") << "+11226" << Action::Accept << "+1-12-26";
        QTest::newRow("minus sign") << "-11226" << Action::WrongDate << "";
        // Day 1 to 31 and month 1 to 12, whatever the month's length or the year.
        QTest::newRow("day 0") << "001226" << Action::WrongDate << "";
        QTest::newRow("day 31") << "310299" << Action::Accept << "31-02-99";
        QTest::newRow("day 32") << "321226" << Action::WrongDate << "";
        QTest::newRow("month 0") << "010026" << Action::WrongDate << "";
        QTest::newRow("month 12") << "011200" << Action::Accept << "01-12-00";
        QTest::newRow("month 13") << "011326" << Action::WrongDate << "";
        QTest::newRow("seven") << "2512266" << Action::Beep << "";
        QTest::newRow("accepted again") << "25-12-26" << Action::Beep << "";
        // Six UTF-16 units whose rewriting would split the emoji between month and year.
        QTest::newRow("split character")
            << QStringLiteral("011\U0001F6009") << Action::WrongDate << "";
    }
    void dateRule() {
        QFETCH(QString, typed);
        QFETCH(Action, action);
        QFETCH(QString, text);
        const DateEntry e = enterDate(typed, QStringLiteral("05-12-26"));
        QCOMPARE(e.action, action);
        QCOMPARE(e.text, text);
        QCOMPARE(e.widen, action != Action::Beep); // the field widens for the hyphens
    }

    void captionsOfTheLanguageAtLoad_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("make");
        QTest::newRow("Spanish") << 1 << "Marca";
        QTest::newRow("German, the design texts") << 5 << QString();
    }
    void captionsOfTheLanguageAtLoad() {
        QFETCH(int, language);
        QFETCH(QString, make);
        FakePlatform fake;
        setLanguage(language);
        Form10* f = openHistory();
        setLanguage(2); // a later change of language leaves the open window as it was
        QCOMPARE(f->windowTitle(), QString::fromUtf8("Histórico"));
        QCOMPARE(f->MSFlexGrid1->textAt(0, 2), make);
        QCOMPARE(f->MSFlexGrid1->textAt(0, 4), shell::catalogText("CatPlates", language));
    }

    void acceptedDatesMoveTheFocusOn() {
        FakePlatform fake;
        Form10* f = openHistory();
        QCOMPARE(QApplication::focusWidget(), f->Text3);
        QTest::keyClick(f->Text3, Qt::Key_Return);
        QCOMPARE(f->Text3->text(), QStringLiteral("05-12-26"));
        QCOMPARE(QApplication::focusWidget(), f->Text4);

        QTest::keyClicks(f->Text4, QStringLiteral("3112999")); // the seventh is refused
        QTest::keyClick(f->Text4, Qt::Key_Enter);              // keypad Enter works the same
        QCOMPARE(f->Text4->text(), QStringLiteral("31-12-99"));
        QCOMPARE(QApplication::focusWidget(), f->Text1);

        QTest::keyClicks(f->Text1, QStringLiteral("1234-ABC-XYZ"));
        QTest::keyClick(f->Text1, Qt::Key_Return); // the last field: Enter does nothing
        QCOMPARE(QApplication::focusWidget(), f->Text1);
        QCOMPARE(f->Text1->text(), QStringLiteral("1234-ABC-X"));
        QVERIFY(fake.messages.isEmpty());
        QCOMPARE(fake.beeps, 0);
    }

    void rejectedDatesEmptyTheField() {
        FakePlatform fake;
        Form10* f = openHistory();
        auto enter = [f](const QString& typed) {
            QTest::keyClicks(f->Text3, typed);
            QTest::keyClick(f->Text3, Qt::Key_Return);
            return f->Text3->text();
        };
        QCOMPARE(enter(QStringLiteral("2512")), QString());
        QCOMPARE(fake.beeps, 1);
        QVERIFY(fake.messages.isEmpty());
        QCOMPARE(f->Text3->maxLength(), 6); // a wrong length does not widen the field

        QCOMPARE(enter(QStringLiteral("321299")), QString());
        QCOMPARE(fake.messages, QStringList({"Wrong date. Must be DDMMYY"}));
        QCOMPARE(fake.beeps, 1);
        QCOMPARE(f->Text3->maxLength(), 8);
        QCOMPARE(QApplication::focusWidget(), f->Text3);

        setLanguage(1); // messages take the language in force when shown
        QCOMPARE(enter(QStringLiteral("7")), QString());
        QCOMPARE(fake.messages.last(), CatWrongDate);
    }

    void upArrowGoesBackAndPutsTheCaretAtTheEnd() {
        FakePlatform fake;
        Form10* f = openHistory();
        f->Text3->setText(QStringLiteral("1212"));
        f->Text3->setCursorPosition(0);
        f->Text4->setText(QStringLiteral("31"));
        f->Text4->setCursorPosition(0);
        f->Text1->setFocus();
        QTest::keyClick(f->Text1, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), f->Text4);
        QCOMPARE(f->Text4->cursorPosition(), 2);
        QTest::keyClick(f->Text4, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), f->Text3);
        QCOMPARE(f->Text3->cursorPosition(), 4);
        QTest::keyClick(f->Text3, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), f->Text3);
    }

    // Escape in a field leaves for the main window, creating it when it was closed and
    // never a second one; Escape on Exit and Exit itself only close. Reopened, the window
    // starts empty.
    void leaving_data() {
        QTest::addColumn<QString>("control"); // empty: Exit clicked
        QTest::addColumn<bool>("mainOpen");
        QTest::addColumn<bool>("mainAfter");
        QTest::newRow("Escape in the plate") << "Text1" << false << true;
        QTest::newRow("Escape in the first date") << "Text3" << true << true;
        QTest::newRow("Escape in the second date") << "Text4" << true << true;
        QTest::newRow("Escape on Exit") << "Command2" << false << false;
        QTest::newRow("Exit clicked") << "" << false << false;
    }
    void leaving() {
        QFETCH(QString, control);
        QFETCH(bool, mainOpen);
        FakePlatform fake;
        ui::Form* main = mainOpen ? registry().load(QStringLiteral("Form3")) : nullptr;
        Form10* f = openHistory();
        QTest::keyClick(f->Text3, Qt::Key_Return);
        QTest::keyClicks(f->Text1, QStringLiteral("XY"));
        if (control.isEmpty()) {
            f->Command2->click();
        } else {
            QWidget* w = f->findChild<QWidget*>(control);
            w->setFocus();
            QTest::keyClick(w, Qt::Key_Escape);
        }
        testing::flushDeletes();
        QVERIFY(!registry().find(QStringLiteral("Form10")));
        ui::Form* now = registry().find(QStringLiteral("Form3"));
        QTEST(now && now->isVisible(), "mainAfter");
        if (main) QCOMPARE(now, main);
        f = openHistory();
        QVERIFY(f->Text3->text().isEmpty() && f->Text1->text().isEmpty());
        QCOMPARE(f->Text3->maxLength(), 6);
    }
};

QTEST_MAIN(TestHistory)
#include "test_history.moc"
