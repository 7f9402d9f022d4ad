// The Bombardier console's data panels: History/Live Data, Monitoring and the recorded-data
// tabs, with the hour arithmetic and number formats behind them.
#include "tests/bombardier/bombardier_support.h"
#include "ui/flexgrid.h"

#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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
} // namespace

class TestBombardierPanels : public PanelTest {
    Q_OBJECT
private Q_SLOTS:

    void countersBecomeTenthsOfHours() {
        QCOMPARE(hours::wordMinutes("1333"), 4915);
        QCOMPARE(hours::wordMinutes("033f"), 831);
        QCOMPARE(hours::wordMinutes("01010333"), 257); // only the first four characters
        QCOMPARE(hours::wordMinutes(""), 0);
        QCOMPARE(hours::wordMinutes("-1"), 0);
        QCOMPARE(hours::wordMinutes("0x12"), 0);
        QCOMPARE(hours::wordMinutes("FFFF"), 65535);
        // Exact halves go away from zero: 13.65 h and 13.85 h, 0.05 h; 0.0333 h goes down.
        QCOMPARE(hours::minutesToTenths(819), 137);
        QCOMPARE(hours::minutesToTenths(831), 139);
        QCOMPARE(hours::minutesToTenths(3), 1);
        QCOMPARE(hours::minutesToTenths(2), 0);

        const QLocale dot(QLocale::English, QLocale::UnitedStates);
        const QLocale comma(QLocale::Spanish, QLocale::Spain);
        QCOMPARE(hours::formatTenths(0, dot), QStringLiteral("0.0"));
        QCOMPARE(hours::formatTenths(137, comma), QStringLiteral("13,7"));
        // No grouping, however large.
        QCOMPARE(hours::formatTenths(65535, dot), QStringLiteral("6553.5"));
        QCOMPARE(hours::formatTenths(65535, comma), QStringLiteral("6553,5"));
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
        f->Command54->click();
        expectSummary(f->MSFlexGrid2, true, degrees);
        f->Command60->click();
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
        QCOMPARE(enabledButtons(f), allButtonsButFreezeFrame(f));
        QCOMPARE(QApplication::focusWidget(), f->Command3);

        f->Command31->click();
        f->Command59->click();
        QVERIFY(!f->Frame13->isVisible());
        QCOMPARE(enabledButtons(f), allButtonsButFreezeFrame(f));
        QCOMPARE(QApplication::focusWidget(), f->Command3);
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
        QCOMPARE(enabledButtons(f), allButtonsButFreezeFrame(f));
        QCOMPARE(QApplication::focusWidget(), f->Command3);
        // Only the Run Time page's Exit disables Save again.
        QCOMPARE(f->Command57->isEnabled(), page != 0);
    }
};

QTEST_MAIN(TestBombardierPanels)
#include "test_bombardier_panels.moc"
