// The history window: date entry, keyboard moves between the fields, leaving it.
#include "app/windows.h"
#include "reference/form10.h"
#include "shell/catalog.h"
#include "shell/errors32.h"
#include "shell/form3.h"
#include "shell/settings.h"
#include "shell/window_registry.h"
#include "tests/support/fake_platform.h"
#include "ui/flexgrid.h"
#include "ui/twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

using namespace ERRORS32;
using reference::DateEntry;
using reference::enterDate;
using reference::Form10;
using testing::FakePlatform;
using Action = DateEntry::Action;

namespace {
shell::WindowRegistry& registry() {
    return shell::WindowRegistry::instance();
}

void setLanguage(int language) {
    LanguageIndex = static_cast<short>(language);
    shell::FillLanguageCatalog();
}

Form10* openHistory() {
    TodayDate = shell::buildTodayDate();
    auto* f = static_cast<Form10*>(registry().load(QStringLiteral("Form10")));
    f->activateWindow();
    QApplication::setActiveWindow(f);
    return f;
}

void type(QLineEdit* field, const QString& text) {
    field->setFocus();
    QTest::keyClicks(field, text);
}

// A date field's text as Enter rewrites it, for the checks below.
QString rewritten(const QString& s) {
    return s.left(2) + u'-' + s.mid(2, 2) + u'-' + s.right(2);
}
} // namespace

Q_DECLARE_METATYPE(DateEntry::Action)

class TestHistory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { app::registerWindows(); }
    void init() { setLanguage(2); }
    void cleanup() {
        registry().unloadAll();
        testing::flushDeletes();
    }

    void dateRule_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("widen");
        QTest::newRow("empty takes today") << "" << Action::Accept << "05-12-26" << true;
        QTest::newRow("31 Dec 1999") << "311299" << Action::Accept << "31-12-99" << true;
        QTest::newRow("1 Jan") << "010100" << Action::Accept << "01-01-00" << true;
        QTest::newRow("31 Feb passes") << "310299" << Action::Accept << "31-02-99" << true;
        QTest::newRow("year unchecked") << "2512ab" << Action::Accept << "25-12-ab" << true;
        QTest::newRow("day 32") << "321299" << Action::WrongDate << "" << true;
        QTest::newRow("day 00") << "001299" << Action::WrongDate << "" << true;
        QTest::newRow("month 13") << "311399" << Action::WrongDate << "" << true;
        QTest::newRow("month 00") << "310099" << Action::WrongDate << "" << true;
        QTest::newRow("letters") << "ab1226" << Action::WrongDate << "" << true;
        QTest::newRow("fraction of a day") << ".51226" << Action::WrongDate << "" << true;
        QTest::newRow("one character") << "5" << Action::WrongDate << "" << true;
        QTest::newRow("two") << "25" << Action::Beep << "" << false;
        QTest::newRow("four") << "2512" << Action::Beep << "" << false;
        QTest::newRow("five") << "25122" << Action::Beep << "" << false;
        QTest::newRow("seven") << "2512266" << Action::Beep << "" << false;
        QTest::newRow("accepted again") << "25-12-26" << Action::Beep << "" << false;
        // Six UTF-16 units whose rewriting would split the emoji between month and year.
        QTest::newRow("split character")
            << QStringLiteral("011\U0001F6009") << Action::WrongDate << "" << true;
    }
    void dateRule() {
        QFETCH(QString, typed);
        QFETCH(Action, action);
        QFETCH(QString, text);
        QFETCH(bool, widen);
        const DateEntry e = enterDate(typed, QStringLiteral("05-12-26"));
        QCOMPARE(e.action, action);
        QCOMPARE(e.text, text);
        QCOMPARE(e.widen, widen);
    }

    void everyDayAndMonthOfSixDigits() {
        for (int day = 0; day < 100; ++day)
            for (int month = 0; month < 100; ++month) {
                const QString typed = QStringLiteral("%1%2%3")
                                          .arg(day, 2, 10, QLatin1Char('0'))
                                          .arg(month, 2, 10, QLatin1Char('0'))
                                          .arg((day * 7 + month) % 100, 2, 10, QLatin1Char('0'));
                const DateEntry e = enterDate(typed, QString());
                const bool valid = day >= 1 && day <= 31 && month >= 1 && month <= 12;
                QCOMPARE(e.action, valid ? Action::Accept : Action::WrongDate);
                QCOMPARE(e.text, valid ? rewritten(typed) : QString());
            }
    }

    void anyTextGivesAWellFormedResult() {
        const QStringList pieces = {"0", "1", "2", "3", "9", "-",
                                    " ", ".", "+", "a", "é", QStringLiteral("\U0001F600"),
                                    "\t"};
        QRandomGenerator rng(20261205);
        for (int i = 0; i < 50000; ++i) {
            QString typed;
            const int n = rng.bounded(9);
            for (int k = 0; k < n; ++k)
                typed += pieces[rng.bounded(pieces.size())];
            const DateEntry e = enterDate(typed, QStringLiteral("05-12-26"));
            const qsizetype len = typed.size();
            const bool wrongLength = len != 0 && len != 1 && len != 6;
            QVERIFY2((e.action == Action::Beep) == wrongLength, qPrintable(typed));
            QCOMPARE(e.widen, !wrongLength);
            if (e.action != Action::Accept) {
                QVERIFY(e.text.isEmpty());
                continue;
            }
            QVERIFY2(e.text.isValidUtf16(), qPrintable(typed));
            QCOMPARE(e.text.size(), 8);
            QCOMPARE(e.text[2], u'-');
            QCOMPARE(e.text[5], u'-');
            if (len == 6) QCOMPARE(e.text, rewritten(typed));
        }
    }

    void opensAsDesigned() {
        FakePlatform fake;
        Form10* f = openHistory();
        QVERIFY(f->isVisible());
        QCOMPARE(f->windowTitle(), QStringLiteral("History"));
        QCOMPARE(f->pos(), QPoint(33, 80)); // 495, 1200 twips
        QCOMPARE(f->height(), 467);         // 7000 twips
        QCOMPARE(f->Label9->text(), QStringLiteral("From:"));
        QCOMPARE(f->Label10->text(), QStringLiteral("To:"));
        QCOMPARE(f->Label11->text(), QStringLiteral("Plates:"));
        QCOMPARE(f->Command2->text(), QStringLiteral("Exit"));
        QVERIFY(f->Frame2->title().isEmpty());
        QCOMPARE(f->Text3->maxLength(), 6);
        QCOMPARE(f->Text4->maxLength(), 6);
        QCOMPARE(f->Text1->maxLength(), 10);
        QCOMPARE(QApplication::focusWidget(), f->Text3);

        ui::FlexGrid* g = f->MSFlexGrid1;
        QCOMPARE(g->cols(), 6);
        QCOMPARE(g->rows(), 200);
        QCOMPARE(g->fixedRows(), 1);
        QCOMPARE(g->fixedCols(), 0);
        QCOMPARE(g->rowTexts(0),
                 QStringList({"Date:", "Hour:", "Vehicle", "Model", "Plates:", "Faults"}));
        const int widths[] = {1200, 900, 1700, 2000, 2000, 1000};
        for (int c = 0; c < 6; ++c)
            QCOMPARE(g->colWidth(c), ui::twips(ui::px(widths[c])));
        for (int c : {0, 1, 3, 4})
            QVERIFY(g->colAlignment(c) & Qt::AlignLeft);
        for (int r = 1; r < g->rows(); ++r)
            QCOMPARE(g->rowTexts(r), QStringList(6, QString()));
    }

    void titleAndMakeHeadingFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("from");
        QTest::newRow("Spanish") << 1 << "Histórico"
                                 << "Marca"
                                 << "Desde:";
        QTest::newRow("French") << 3 << "Parcours"
                                << "Véhicule"
                                << "From:";
        QTest::newRow("Italian") << 4 << "Storico"
                                 << "Veicolo"
                                 << "From:";
        QTest::newRow("German") << 5 << "Histórico"
                                << ""
                                << "From:";
        QTest::newRow("Swedish") << 8 << "Histórico"
                                 << ""
                                 << "From:";
    }
    void titleAndMakeHeadingFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, heading);
        FakePlatform fake;
        setLanguage(language);
        Form10* f = openHistory();
        QCOMPARE(f->windowTitle(), title);
        QCOMPARE(f->MSFlexGrid1->textAt(0, 2), heading);
        // The captions are those of the language in force at load, even after a change.
        setLanguage(language == 2 ? 1 : 2);
        const char* captions[][2] = {{"Label9", "CatFrom"},
                                     {"Label10", "CatTo"},
                                     {"Label11", "CatPlatesShort"},
                                     {"Command2", "CatExit"}};
        for (const auto& [control, entry] : captions) {
            QWidget* w = f->findChild<QWidget*>(QLatin1String(control));
            const QString text = w->property("text").toString();
            QCOMPARE(text, shell::catalogText(entry, language));
        }
        QCOMPARE(f->MSFlexGrid1->textAt(0, 3), shell::catalogText("CatModel", language));
    }

    void acceptedDatesMoveTheFocusOn() {
        FakePlatform fake;
        Form10* f = openHistory();
        QTest::keyClick(f->Text3, Qt::Key_Return);
        QCOMPARE(f->Text3->text(), QStringLiteral("05-12-26"));
        QCOMPARE(f->Text3->maxLength(), 8);
        QCOMPARE(QApplication::focusWidget(), f->Text4);

        QTest::keyClicks(f->Text4, QStringLiteral("3112999")); // the seventh is refused
        QCOMPARE(f->Text4->text(), QStringLiteral("311299"));
        QTest::keyClick(f->Text4, Qt::Key_Enter); // keypad Enter works the same
        QCOMPARE(f->Text4->text(), QStringLiteral("31-12-99"));
        QCOMPARE(QApplication::focusWidget(), f->Text1);

        QTest::keyClicks(f->Text1, QStringLiteral("1234-ABC-XYZ"));
        QCOMPARE(f->Text1->text(), QStringLiteral("1234-ABC-X"));
        QTest::keyClick(f->Text1, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f->Text1);
        QCOMPARE(f->Text1->text(), QStringLiteral("1234-ABC-X"));
        QVERIFY(fake.messages.isEmpty());
        QCOMPARE(fake.beeps, 0);
    }

    void rejectedDatesEmptyTheField() {
        FakePlatform fake;
        Form10* f = openHistory();
        type(f->Text3, QStringLiteral("2512"));
        QTest::keyClick(f->Text3, Qt::Key_Return);
        QCOMPARE(fake.beeps, 1);
        QVERIFY(fake.messages.isEmpty());
        QVERIFY(f->Text3->text().isEmpty());
        QCOMPARE(f->Text3->maxLength(), 6); // a wrong length does not widen the field
        QCOMPARE(QApplication::focusWidget(), f->Text3);

        QTest::keyClicks(f->Text3, QStringLiteral("321299"));
        QTest::keyClick(f->Text3, Qt::Key_Return);
        QCOMPARE(fake.messages, QStringList({"Wrong date. Must be DDMMYY"}));
        QCOMPARE(fake.beeps, 1);
        QVERIFY(f->Text3->text().isEmpty());
        QCOMPARE(f->Text3->maxLength(), 8);
        QCOMPARE(QApplication::focusWidget(), f->Text3);

        QTest::keyClicks(f->Text3, QStringLiteral("7"));
        QTest::keyClick(f->Text3, Qt::Key_Return);
        QCOMPARE(fake.messages.size(), 2);
        QVERIFY(f->Text3->text().isEmpty());

        // An accepted date is eight characters: Enter once more rejects it.
        QTest::keyClicks(f->Text3, QStringLiteral("010226"));
        QTest::keyClick(f->Text3, Qt::Key_Return);
        QCOMPARE(f->Text3->text(), QStringLiteral("01-02-26"));
        f->Text3->setFocus();
        QTest::keyClick(f->Text3, Qt::Key_Return);
        QCOMPARE(fake.beeps, 2);
        QVERIFY(f->Text3->text().isEmpty());
    }

    void wrongDateMessageIsInTheCurrentLanguage() {
        FakePlatform fake;
        Form10* f = openHistory(); // opened in English, Spanish chosen since
        setLanguage(1);
        type(f->Text4, QStringLiteral("311399"));
        QTest::keyClick(f->Text4, Qt::Key_Return);
        QCOMPARE(fake.messages, QStringList({"Fecha incorrecta. Debe ser DDMMAA"}));
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
        QCOMPARE(f->Text3->text(), QStringLiteral("1212"));
    }

    void escapeInAFieldGoesBackToTheMainWindow() {
        FakePlatform fake;
        // The main window had been closed: Escape creates it again.
        QVERIFY(!registry().find(QStringLiteral("Form3")));
        Form10* f = openHistory();
        QPointer<Form10> guard(f);
        type(f->Text1, QStringLiteral("AB"));
        QTest::keyClick(f->Text1, Qt::Key_Escape);
        testing::flushDeletes();
        QVERIFY(!guard);
        QVERIFY(!registry().find(QStringLiteral("Form10")));
        ui::Form* main = registry().find(QStringLiteral("Form3"));
        QVERIFY(main && main->isVisible());

        // The main window is open: the same one stays, no second one appears.
        for (int field = 0; field < 2; ++field) {
            f = openHistory();
            QLineEdit* edit = field == 0 ? f->Text3 : f->Text4;
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Escape);
            testing::flushDeletes();
            QVERIFY(!registry().find(QStringLiteral("Form10")));
            QCOMPARE(registry().find(QStringLiteral("Form3")), main);
        }
        int mains = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<shell::Form3*>(w)) ++mains;
        QCOMPARE(mains, 1);
    }

    void exitClosesWithoutTheMainWindow() {
        FakePlatform fake;
        Form10* f = openHistory();
        f->Command2->click();
        testing::flushDeletes();
        QVERIFY(!registry().find(QStringLiteral("Form10")));

        f = openHistory();
        f->Command2->setFocus();
        QTest::keyClick(f->Command2, Qt::Key_Escape);
        testing::flushDeletes();
        QVERIFY(!registry().find(QStringLiteral("Form10")));
        QVERIFY(!registry().find(QStringLiteral("Form3")));
    }

    void reopeningStartsEmpty() {
        FakePlatform fake;
        Form10* f = openHistory();
        QTest::keyClick(f->Text3, Qt::Key_Return);
        QTest::keyClicks(f->Text1, QStringLiteral("XY"));
        f->Command2->click();
        testing::flushDeletes();
        f = openHistory();
        QVERIFY(f->Text3->text().isEmpty() && f->Text1->text().isEmpty());
        QCOMPARE(f->Text3->maxLength(), 6);
    }
};

QTEST_MAIN(TestHistory)
#include "test_history.moc"
