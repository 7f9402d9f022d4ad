// The Bombardier console's panels: History/Live Data, Monitoring and the recorded-data tabs
// with the hour arithmetic and number formats behind them, and the maintenance frames (keys,
// service and total hours, cluster settings, actuator tests), alone and opened over one
// another. Numbers have a decimal dot unless a test sets another locale.
#include "consoles/bombardier/hours.h"
#include "tests/bombardier/bombardier_support.h"
#include "ui/flexgrid.h"

#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTest>

using namespace bombardier_test;
using bombardier::Form28;
using testing::FakePlatform;
namespace hours = bombardier::hours;

namespace {
QStringList column(const ui::FlexGrid* g, int col, int fromRow = 1) {
    QStringList out;
    for (int r = fromRow; r < g->rows(); ++r)
        out << g->textAt(r, col);
    return out;
}

// The value of each bar of a data chart (bar k is set k's own category).
QList<qreal> bars(QChartView* view) {
    QList<qreal> out;
    const auto* series = static_cast<QStackedBarSeries*>(view->chart()->series().constFirst());
    const QList<QBarSet*> sets = series->barSets();
    for (int k = 0; k < sets.size(); ++k)
        out << sets[k]->at(k);
    return out;
}

void expectSummary(const ui::FlexGrid* g, bool values, const QString& unit) {
    QCOMPARE(g->rows(), 3);
    QCOMPARE(g->fixedCols(), 1);
    QCOMPARE(g->rowTexts(0), (QStringList{"", "Intake Kpa", "Intake º" + unit, "Exhaust º" + unit,
                                          "Engine º" + unit, "Batt. Volt."}));
    QCOMPARE(g->rowTexts(2), (values ? QStringList{"Min", "21", "10", "0", "9", "5,65"}
                                     : QStringList{"Min", "", "", "", "", ""}));
}

void expectRecording(const ui::FlexGrid* g, const QString& decimal, const QString& unit) {
    QCOMPARE(g->rows(), 121);
    QCOMPARE(g->fixedCols(), 0);
    QCOMPARE(g->rowTexts(0),
             (QStringList{"Time Sec.", "Speed RPM", "TPS Deg", "Engine º" + unit, "Intake Kpa"}));
    QCOMPARE(g->rowTexts(1), (QStringList{"0.0", "2112", "7,92", "103", "158"}));
    QCOMPARE(g->textAt(3, 0), "1" + decimal + "0");
    QCOMPARE(g->rowTexts(120), (QStringList{"59" + decimal + "5", "0", "0,00", "0", "0"}));
}

// The maintenance frames shown, by name.
QStringList shownFrames(Form28* f) {
    QStringList out;
    for (QGroupBox* w : {f->Frame5, f->Frame8, f->Frame9, f->Frame10, f->Frame11})
        if (w->isVisible()) out << w->objectName();
    return out;
}

void expectConsoleRestored(Form28* f) {
    QCOMPARE(enabledButtons(f), allButtonsButFreezeFrame(f));
    QCOMPARE(QApplication::focusWidget(), f->Command3);
}
} // namespace

class TestBombardierPanels : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        WindowTest::init();
        hours::setNumberLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void cleanup() {
        hours::setNumberLocale(std::nullopt);
        WindowTest::cleanup();
    }

    // The edge cases of the hour arithmetic; the demo's counters (exact halves such as
    // 13.65 h and 13.85 h among them) are checked through the tabs below.
    void countersBecomeTenthsOfHours() {
        QCOMPARE(hours::wordMinutes("033f"), 831);
        QCOMPARE(hours::wordMinutes("01010333"), 257); // only the first four characters
        QCOMPARE(hours::wordMinutes(""), 0);
        QCOMPARE(hours::wordMinutes("-1"), 0);
        QCOMPARE(hours::wordMinutes("0x12"), 0);
        QCOMPARE(hours::wordMinutes("FFFF"), 65535);
        // 0.05 h goes away from zero, 0.0333 h down.
        QCOMPARE(hours::minutesToTenths(3), 1);
        QCOMPARE(hours::minutesToTenths(2), 0);
        // No grouping, however large.
        QCOMPARE(hours::formatTenths(65535, QLocale(QLocale::English, QLocale::UnitedStates)),
                 QStringLiteral("6553.5"));
        QCOMPARE(hours::formatTenths(65535, QLocale(QLocale::Spanish, QLocale::Spain)),
                 QStringLiteral("6553,5"));
    }

    void liveDataLayoutsAfterEachButton_data() {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("degrees");
        QTest::newRow("Celsius, dot")
            << 1 << QLocale(QLocale::English, QLocale::UnitedStates) << "."
            << "C";
        QTest::newRow("Fahrenheit, comma") << 2 << QLocale(QLocale::German, QLocale::Germany) << ","
                                           << "F";
    }
    void liveDataLayoutsAfterEachButton() {
        QFETCH(int, unit);
        QFETCH(QLocale, locale);
        QFETCH(QString, decimal);
        QFETCH(QString, degrees);
        FakePlatform fake;
        setLanguage(2, unit);
        hours::setNumberLocale(locale);
        Form28* f = connectedConsole();
        f->Command31->click();
        QVERIFY(f->Frame13->isVisible());
        QCOMPARE(QApplication::focusWidget(), f->Command59);
        QVERIFY(enabledButtons(f).isEmpty());
        expectSummary(f->MSFlexGrid2, false, degrees);

        f->Command60->click();
        expectRecording(f->MSFlexGrid2, decimal, degrees);
        f->Command66->click(); // Monitoring does not touch the table
        for (int i = 0; i < 3; ++i)
            QCOMPARE(f->Label50[i]->text(), "º" + degrees);
        f->Command64->click();

        f->Command31->click();
        expectSummary(f->MSFlexGrid2, false, degrees);
        f->Command60->click();
        f->Command54->click();
        expectSummary(f->MSFlexGrid2, true, degrees);
        f->Command60->click();
        expectRecording(f->MSFlexGrid2, decimal, degrees);
    }

    void monitoringAndExits() {
        FakePlatform fake;
        Form28* f = connectedConsole();
        f->Command31->click();
        f->Command66->click();
        QVERIFY(!f->Frame13->isVisible() && f->Frame18->isVisible());
        QCOMPARE(QApplication::focusWidget(), f->Command64);
        QVERIFY(enabledButtons(f).isEmpty());

        f->Command64->click();
        QVERIFY(!f->Frame18->isVisible() && !f->Frame13->isVisible());
        expectConsoleRestored(f);

        f->Command31->click();
        f->Command59->click();
        QVERIFY(!f->Frame13->isVisible());
        expectConsoleRestored(f);
    }

    // Focus actions still run when the console is not the active window.
    void panelsWorkInAnInactiveConsole() {
        FakePlatform fake;
        Form28* f = connectedConsole();
        QApplication::setActiveWindow(nullptr);
        f->Command31->click();
        f->Command66->click();
        QCOMPARE(f->Label50[0]->text(), QStringLiteral("ºC"));
        f->Command64->click();
        f->Command55->click();
        f->Command71->click();
        QVERIFY(!f->SSTab1->isVisible());
    }

    void readFillsTablesChartsAndTotals_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("sep");
        QTest::newRow("dot") << QLocale(QLocale::English, QLocale::UnitedStates) << ".";
        QTest::newRow("comma") << QLocale(QLocale::Spanish, QLocale::Spain) << ",";
    }
    void readFillsTablesChartsAndTotals() {
        QFETCH(QLocale, locale);
        QFETCH(QString, sep);
        FakePlatform fake;
        hours::setNumberLocale(locale);
        Form28* f = connectedConsole();
        f->Command55->click();
        auto d = [&](const char* s) { return QString::fromLatin1(s).replace(".", sep); };

        QVERIFY(f->Graph2->isVisible() && !f->Graph1->isVisible() && f->Graph3->isHidden());
        for (int pass = 0; pass < 2; ++pass) { // reading again gives the same
            f->Command68->click();
            QCOMPARE(column(f->MSFlexGrid4, 1), (QStringList{d("81.9 Hrs"), "", "", d("0.0 Hrs")}));
            QCOMPARE(f->Label65->text(), d("81.9"));
            QVERIFY(f->Graph1->isVisible() && !f->Graph2->isVisible());
            QCOMPARE(bars(f->Graph1), (QList<qreal>{4915 / 60.0, 0, 0, 0}));
            QCOMPARE(f->counterWords[1], QStringLiteral("1333"));

            f->SSTab1->setCurrentIndex(1);
            f->Command61->click();
            QCOMPARE(column(f->MSFlexGrid5, 1),
                     (QStringList{d("4.3 Hrs"), d("13.7 Hrs"), d("13.9 Hrs"), d("22.5 Hrs"),
                                  d("30.7 Hrs"), d("4.8 Hrs")}));
            QCOMPARE(f->Label66->text(), d("89.8"));
            QVERIFY(f->Graph3->isVisible() && !f->Graph4->isVisible());
            QCOMPARE(bars(f->Graph3).size(), 6);
            QCOMPARE(bars(f->Graph3)[1], 819 / 60.0);
            QCOMPARE(f->counterWords[6], QStringLiteral("0122"));
            f->SSTab1->setCurrentIndex(0);
        }

        // Info again: tables and charts back to their placeholders; only the Run Time
        // total is cleared.
        f->Command72->click();
        f->Command55->click();
        QCOMPARE(column(f->MSFlexGrid4, 1), (QStringList{"0.0 Hrs", "", "", "0.0 Hrs"}));
        QCOMPARE(column(f->MSFlexGrid5, 1), QStringList(6, "0.0 Hrs"));
        QVERIFY(f->Label65->text().isEmpty());
        QCOMPARE(f->Label66->text(), d("89.8"));
        QVERIFY(f->Graph2->isVisible() && !f->Graph1->isVisible());
    }

    void eachTabExitReturnsToTheConsole_data() {
        QTest::addColumn<int>("page");
        QTest::newRow("Run Time") << 0;
        QTest::newRow("RPM Profile") << 1;
        QTest::newRow("Purchase") << 2;
    }
    void eachTabExitReturnsToTheConsole() {
        QFETCH(int, page);
        FakePlatform fake;
        Form28* f = connectedConsole();
        f->Command55->click();
        QVERIFY(f->SSTab1->isVisible() && f->SSTab1->currentIndex() == 0);
        QVERIFY(enabledButtons(f).isEmpty() && !f->Command57->isEnabled());
        f->SSTab1->setCurrentIndex(2);
        f->Text7->setFocus();
        QVERIFY(f->Command57->isEnabled());

        f->SSTab1->setCurrentIndex(page);
        QPushButton* exits[] = {f->Command72, f->Command71, f->Command56};
        exits[page]->click();
        QVERIFY(!f->SSTab1->isVisible());
        expectConsoleRestored(f);
        // Only the Run Time page's Exit disables Save again.
        QCOMPARE(f->Command57->isEnabled(), page != 0);
    }

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

    // Keys clicked again during its own animation: the second opening runs through, the
    // first stops where it was overtaken. Connect in the last yields: no frame opens.
    void keyAnimationInterrupted_data() {
        QTest::addColumn<bool>("keysAgain");
        QTest::addColumn<long long>("at");
        QTest::newRow("Keys again") << true << 5LL * 10001;
        QTest::newRow("Connect in the last yields") << false << kProgressYields + 5;
    }
    void keyAnimationInterrupted() {
        QFETCH(bool, keysAgain);
        QFETCH(long long, at);
        FakePlatform fake;
        Form28* f = connectedConsole();
        fake.yields = 0;
        fake.onYield = [&](long long n) {
            if (n == at) (keysAgain ? f->Command33 : f->Command29)->click();
        };
        f->Command33->click();
        QVERIFY(!f->Frame14->isVisible() && !fake.busy);
        if (keysAgain) {
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
        // A language ticked unticks the other one; the units are checked by the desktop test.
        f->Check2->click();
        f->Check3->click();
        QVERIFY(!f->Check2->isChecked() && f->Check3->isChecked());
        f->Check3->click();
        QVERIFY(!f->Check2->isChecked() && !f->Check3->isChecked() && !f->Check4->isChecked());

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
        QTest::newRow("Keys hide both")
            << "Command47 Command21 Command33|Frame5||none|Command12 Command12";
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
            QVERIFY(upper->isVisible());
            QVERIFY(f->children().indexOf(upper) > f->children().indexOf(lower)); // on top
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

QTEST_MAIN(TestBombardierPanels)
#include "test_bombardier_panels.moc"
