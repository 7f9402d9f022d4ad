// The Bombardier console's maintenance frames: keys, service and total hours, cluster
// settings and actuator tests, alone and opened over one another.
#include "tests/bombardier/bombardier_support.h"
#include "ui/flexgrid.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using namespace bombardier_test;
using bombardier::Form28;
using testing::FakePlatform;
namespace hours = bombardier::hours;

namespace {
// The maintenance frames shown, by name.
QStringList shownFrames(Form28* f) {
    QStringList out;
    for (QGroupBox* w : {f->Frame5, f->Frame8, f->Frame9, f->Frame10, f->Frame11})
        if (w->isVisible()) out << w->objectName();
    return out;
}

// True when `upper` lies over `lower` (both children of the console).
bool isOver(Form28* f, QWidget* upper, QWidget* lower) {
    return f->children().indexOf(upper) > f->children().indexOf(lower);
}

void expectConsoleRestored(Form28* f) {
    QCOMPARE(enabledButtons(f), allButtonsButFreezeFrame(f));
    QCOMPARE(QApplication::focusWidget(), f->Command3);
}
} // namespace

class TestMaintenance : public PanelTest {
    Q_OBJECT
private Q_SLOTS:

    void captionsKeepTheLoadLanguage() {
        FakePlatform fake;
        setLanguage(1);
        Form28* f = connectedConsole();
        setLanguage(2);
        f->Command33->click();
        QCOMPARE(f->MSFlexGrid1->textAt(7, 0), "Llave 8");
        QCOMPARE(f->Frame5->title(), "Llaves");
        f->Command12->click();
        f->Command47->click();
        QCOMPARE(f->Label18->text(), "Ult. Servicio: ");
        // The date and the warning lines are written when shown, in the language in force.
        QCOMPARE(f->Label20->text(), "2011-02-01");
        f->Command21->click();
        QCOMPARE(f->Frame9->title(), "Configuración");
        QCOMPARE(f->Label23->text(), "hours in a new ECM.");
    }

    void keyFrameOpensAfterTheAnimation() {
        FakePlatform fake;
        Form28* f = connectedConsole();
        fake.yields = 0;
        QStringList enabledDuringAnimation;
        fake.onYield = [&](long long n) {
            if (n == kProgressYields) enabledDuringAnimation = enabledButtons(f);
        };
        f->Command33->click();
        QCOMPARE(fake.yields, kProgressYields + 11);
        QCOMPARE(enabledDuringAnimation, allButtonsButFreezeFrame(f));
        QVERIFY(!f->Frame14->isVisible() && !fake.busy);
        QCOMPARE(shownFrames(f), QStringList{"Frame5"});
        QCOMPARE(enabledButtons(f), QStringList());
        QCOMPARE(QApplication::focusWidget(), f->Command12);
        f->Command12->click();
        QVERIFY(!f->Frame5->isVisible());
        expectConsoleRestored(f);
    }

    void keyAnimationInterrupted_data() {
        QTest::addColumn<int>("action");
        QTest::addColumn<long long>("at");
        QTest::newRow("console closed") << 0 << 5LL * 10001;
        QTest::newRow("Keys again") << 1 << 5LL * 10001;
        QTest::newRow("Connect in the last yields") << 2 << kProgressYields + 5;
    }
    void keyAnimationInterrupted() {
        QFETCH(int, action);
        QFETCH(long long, at);
        FakePlatform fake;
        Form28* f = connectedConsole();
        QPointer<Form28> console(f);
        fake.yields = 0;
        fake.onYield = [&](long long n) {
            if (n == at)
                (action == 0 ? f->Command3 : action == 1 ? f->Command33 : f->Command29)->click();
        };
        f->Command33->click();
        if (action == 0) {
            QCOMPARE(fake.yields, at);
            testing::flushDeletes();
            QVERIFY(!console);
            return;
        }
        QVERIFY(!f->Frame14->isVisible() && !fake.busy);
        if (action == 1) {
            // The second opening ran through; the first stopped where it was overtaken.
            QCOMPARE(fake.yields, at + kProgressYields + 11);
            QCOMPARE(shownFrames(f), QStringList{"Frame5"});
            QCOMPARE(enabledButtons(f), QStringList());
        } else {
            QCOMPARE(fake.yields, at + kConnectYields);
            QCOMPARE(shownFrames(f), QStringList());
            QCOMPARE(f->List2->count(), 5);
            QCOMPARE(enabledButtons(f), allButtonsButFreezeFrame(f));
        }
    }

    void serviceValues_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("serviceHours");
        QTest::newRow("English, dot")
            << 2 << QLocale(QLocale::English, QLocale::UnitedStates) << "2011-02-01"
            << "12.00";
        QTest::newRow("French, comma")
            << 3 << QLocale(QLocale::French, QLocale::France) << "02-01-2011"
            << "12,00";
    }
    void serviceValues() {
        QFETCH(int, language);
        QFETCH(QLocale, locale);
        FakePlatform fake;
        setLanguage(language);
        hours::setNumberLocale(locale);
        Form28* f = connectedConsole();
        f->Command47->click();
        QCOMPARE(f->Label19->text(), "41.6");
        QTEST(f->Label30->text(), "serviceHours");
        QTEST(f->Label20->text(), "date");
        QCOMPARE(QApplication::focusWidget(), f->Command50);
        QCOMPARE(enabledButtons(f), allButtonsButFreezeFrame(f));

        // "Change" lets the technician be edited until Exit.
        QVERIFY(!f->Text6->isEnabled());
        f->Check1->click();
        QCOMPARE(QApplication::focusWidget(), f->Text6);
        QCOMPARE(f->Text6->cursorPosition(), 6);
        QTest::keyClick(f->Text6, Qt::Key_7);
        f->Check1->click(); // unticking leaves the box enabled
        QVERIFY(f->Text6->isEnabled());
        f->Command50->click();
        QVERIFY(!f->Frame10->isVisible() && !f->Text6->isEnabled() && !f->Check1->isChecked());
        QCOMPARE(f->Text6->text(), "M099997");
        expectConsoleRestored(f);
        f->Command47->click();
        QCOMPARE(f->Text6->text(), "M09999");
    }

    void settingsFrame() {
        FakePlatform fake;
        Form28* f = connectedConsole();
        f->Command21->click();
        QCOMPARE(QApplication::focusWidget(), f->Command24);
        QVERIFY(!f->Command46->isVisible());
        QSignalSpy englishClicks(f->Check2, &QCheckBox::clicked);
        f->Check2->click();
        f->Check3->click();
        QVERIFY(!f->Check2->isChecked() && f->Check3->isChecked());
        // The untick made by the program raised English's own click.
        QCOMPARE(englishClicks.count(), 2);
        f->Check3->click();
        QVERIFY(!f->Check2->isChecked() && !f->Check3->isChecked() && !f->Check4->isChecked());

        f->Check5[0]->click();
        f->Check5[1]->click();
        QVERIFY(!f->Check5[0]->isChecked() && f->Check5[1]->isChecked());
        f->Check5[1]->click();
        QVERIFY(!f->Check5[0]->isChecked() && !f->Check5[1]->isChecked());

        f->Check6[0]->click();
        f->Check6[7]->click();
        f->Check4->click();
        QVERIFY(f->Check6[0]->isChecked() && f->Check6[7]->isChecked());
        QVERIFY(f->Command46->isVisible());

        f->Command24->click();
        QVERIFY(!f->Frame9->isVisible() && !f->Command46->isVisible());
        expectConsoleRestored(f);
        // Ticks last as long as the window.
        f->Command21->click();
        QVERIFY(f->Check6[0]->isChecked() && f->Check4->isChecked());
        f->Command3->click();
        testing::flushDeletes();
        f = connectedConsole();
        QVERIFY(!f->Check6[0]->isChecked() && !f->Check4->isChecked());
    }

    // Frames opened in turn. Each row: the buttons clicked | the frames shown | the frame
    // on top and the one under it | the console's buttons (all, none, -: not checked) | the
    // focus, the top frame's Exit and the frames it leaves.
    void framesOverFrames_data() {
        QTest::addColumn<QString>("row");
        QTest::newRow("Settings over Service")
            << "Command47 Command21|Frame9 Frame10|Frame9 Frame10|all|";
        QTest::newRow("Actuators over both, Exit hides only itself")
            << "Command47 Command21 Command6|Frame8 Frame9 Frame10|Frame8 Frame9|none|"
               "Command18 Command18 Frame9 Frame10";
        QTest::newRow("Change Total Hours replaces Settings")
            << "Command47 Command21 Command52|Frame10 Frame11|Frame11 Frame10|-|"
               "Command51 Command53 Frame10";
        QTest::newRow("Service hides Settings") << "Command21 Command47|Frame10||-|";
        QTest::newRow("Keys hide both") << "Command47 Command21 Command33|Frame5||none|";
        QTest::newRow("message panel stays over a frame opened after it")
            << "Command1 Command21|Frame9|Frame7 Frame9|-|";
    }
    void framesOverFrames() {
        QFETCH(QString, row);
        const QStringList part = row.split('|');
        FakePlatform fake;
        Form28* f = connectedConsole();
        const auto button = [&](const QString& n) { return f->findChild<QPushButton*>(n); };
        for (const QString& n : part[0].split(' '))
            button(n)->click();
        QCOMPARE(shownFrames(f).join(' '), part[1]);
        if (!part[2].isEmpty()) {
            auto* upper = f->findChild<QWidget*>(part[2].section(' ', 0, 0));
            auto* lower = f->findChild<QWidget*>(part[2].section(' ', 1, 1));
            QVERIFY(upper->isVisible() && isOver(f, upper, lower));
        }
        if (part[3] != "-")
            QCOMPARE(enabledButtons(f),
                     part[3] == "all" ? allButtonsButFreezeFrame(f) : QStringList());
        if (part[4].isEmpty()) return;
        QStringList left = part[4].split(' ');
        QCOMPARE(QApplication::focusWidget(), button(left.takeFirst()));
        button(left.takeFirst())->click();
        QCOMPARE(shownFrames(f), left);
        expectConsoleRestored(f);
    }
};

QTEST_MAIN(TestMaintenance)
#include "test_maintenance.moc"
