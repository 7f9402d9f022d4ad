// The recorded-data tabs of the Bombardier console: run time by operating mode, run time
// by engine-speed band, and the purchase data.
#include "consoles/bombardier/form28.h"

#include "consoles/bombardier/form28_data.h"
#include "consoles/bombardier/hours.h"
#include "consoles/bombardier/widgets.h"
#include "ui/accessibility.h"
#include "ui/events.h"
#include "ui/flexgrid.h"
#include "ui/twips.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QValueAxis>

namespace bombardier {

using namespace widgets;

namespace {
constexpr int kRunTimePoints = 4;
constexpr int kRpmPoints = 6;
const QString kHrs = QStringLiteral(" Hrs");
const QString kPlaceholderHours = QStringLiteral("0.0 Hrs");

// The chart palette: entry 8 + k colours point k (1..6).
QColor paletteColour(int index) {
    static const QColor colours[] = {{0, 0, 255}, {0, 255, 0},   {0, 255, 255},
                                     {255, 0, 0}, {255, 0, 255}, {255, 255, 0}};
    return colours[(index - 9) % 6];
}

// Axis labels: the row heading, or the point number where the row has none (the labels
// of a category axis must be distinct).
QStringList categoryLabels(const char* const* headings, int points) {
    QStringList out;
    for (int k = 1; k <= points; ++k) {
        const QString h = QString::fromUtf8(headings[k - 1]);
        out << (h.isEmpty() ? QString::number(k) : h);
    }
    return out;
}

// A bar chart with one bar per point: point k is the only non-zero value of its own bar
// set, stacked in its own category, so each bar has its own colour.
QChart* barChart(const QStringList& categories, bool placeholder) {
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(0, 0, 0, 0));
    auto* series = new QStackedBarSeries(chart);
    for (int k = 1; k <= categories.size(); ++k) {
        auto* set = new QBarSet(categories[k - 1]);
        for (int i = 0; i < categories.size(); ++i)
            set->append(0);
        set->setColor(placeholder ? QColor(160, 160, 160) : paletteColour(8 + k));
        set->setBorderColor(Qt::black);
        series->append(set);
    }
    series->setBarWidth(0.6);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis(chart);
    x->append(categories);
    // The speed bands are wider than their bars; show them whole.
    x->setTruncateLabels(false);
    QFont axisFont = x->labelsFont();
    axisFont.setPointSizeF(7.5);
    x->setLabelsFont(axisFont);
    auto* y = new QValueAxis(chart);
    y->setRange(0, 100);
    y->setLabelFormat(QStringLiteral("%g"));
    y->setTitleText(QStringLiteral("Hrs"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    return chart;
}

QChartView* chartView(QWidget* parent, const char* name, const QStringList& categories,
                      bool placeholder) {
    auto* view = new QChartView(barChart(categories, placeholder), parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing);
    ui::place(view, 3720, 120, 6960, 3240);
    return view;
}

QStackedBarSeries* seriesOf(QChartView* view) {
    return static_cast<QStackedBarSeries*>(view->chart()->series().constFirst());
}

// Sets every point to `values` (hours) and fits the value axis to them.
void plot(QChartView* view, const QList<qreal>& values) {
    QStackedBarSeries* series = seriesOf(view);
    const QList<QBarSet*> sets = series->barSets();
    qreal top = 0;
    for (int k = 0; k < sets.size(); ++k) {
        for (int i = 0; i < sets.size(); ++i)
            sets[k]->replace(i, i == k ? values.value(k) : 0.0);
        top = std::max(top, values.value(k));
    }
    auto* y = static_cast<QValueAxis*>(view->chart()->axes(Qt::Vertical).constFirst());
    y->setRange(0, top > 0 ? top * 1.1 : 1.0);
    y->applyNiceNumbers();
}

ui::FlexGrid* runTimeGrid(QWidget* parent, const char* name, int rows, int top, int height) {
    auto* g = new ui::FlexGrid(parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setRows(rows);
    g->setCols(2);
    ui::place(g, 300, top, 2900, height);
    return g;
}
} // namespace

void Form28::buildRecordedData() {
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    ui::place(SSTab1, 0, 1920, 10815, 4575);
    paintBackground(SSTab1, QApplication::palette().color(QPalette::Button));
    paintText(SSTab1, QApplication::palette().color(QPalette::WindowText));
    SSTab1->hide();

    // Run Time
    auto* runTime = new QWidget;
    runTime->setObjectName(QStringLiteral("SSTab1Page0"));
    Frame12 = frame(runTime, "Frame12", QString(), 120, 120, 3480, 3600);
    MSFlexGrid4 = runTimeGrid(Frame12, "MSFlexGrid4", 5, 920, 1520);
    Label64 = label(Frame12, "Label64", QStringLiteral("Total Ecm Hours:"), 300, 2760, 1695, 300);
    Label65 = label(Frame12, "Label65", QString(), 2040, 2760, 1160, 300);
    const QStringList runTimeLabels = categoryLabels(data::kRunTimeRows.data(), kRunTimePoints);
    Graph2 = chartView(runTime, "Graph2", runTimeLabels, true);
    Graph1 = chartView(runTime, "Graph1", runTimeLabels, false);
    Graph1->hide();
    MSFlexGrid4->setAccessibleName(QStringLiteral("Run Time"));
    for (QChartView* chart : {Graph1, Graph2})
        chart->setAccessibleName(QStringLiteral("Run Time chart"));
    Command68 = button(runTime, "Command68", QStringLiteral("Read"), 3720, 3480, 1455, 375);
    Command72 = button(runTime, "Command72", QStringLiteral("Exit"), 9225, 3480, 1455, 375);
    SSTab1->addTab(runTime, QStringLiteral("Run Time"));

    // RPM Profile
    auto* rpm = new QWidget;
    rpm->setObjectName(QStringLiteral("SSTab1Page1"));
    Frame24 = frame(rpm, "Frame24", QString(), 120, 120, 3480, 3600);
    MSFlexGrid5 = runTimeGrid(Frame24, "MSFlexGrid5", 7, 720, 2080);
    Label67 = label(Frame24, "Label67", QStringLiteral("Total Ecm Hours:"), 300, 3000, 1695, 300);
    Label66 = label(Frame24, "Label66", QString(), 2040, 3000, 1160, 300);
    const QStringList rpmLabels = categoryLabels(data::kRpmProfileRows.data(), kRpmPoints);
    Graph4 = chartView(rpm, "Graph4", rpmLabels, true);
    Graph3 = chartView(rpm, "Graph3", rpmLabels, false);
    Graph3->hide();
    MSFlexGrid5->setAccessibleName(QStringLiteral("RPM Profile"));
    for (QChartView* chart : {Graph3, Graph4})
        chart->setAccessibleName(QStringLiteral("RPM Profile chart"));
    Command61 = button(rpm, "Command61", QStringLiteral("Read"), 3720, 3480, 1455, 375);
    Command71 = button(rpm, "Command71", QStringLiteral("Exit"), 9225, 3480, 1455, 375);
    SSTab1->addTab(rpm, QStringLiteral("RPM Profile"));

    for (QLabel* total : {Label65, Label66}) {
        paintBackground(total, Qt::white);
        total->setFrameShape(QFrame::Box);
        total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    ui::nameValue(Label65, Label64);
    ui::nameValue(Label66, Label67);

    // Purchase
    auto* purchase = new QWidget;
    purchase->setObjectName(QStringLiteral("SSTab1Page2"));
    Label69 = label(purchase, "Label69", QStringLiteral("Purchase"), 360, 240, 3000, 375);
    QFont headingFont = Label69->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    Label69->setFont(headingFont);
    Label9 = label(purchase, "Label9", QString(), 360, 990, 1800, 300);
    Text7 = new QLineEdit(purchase);
    Text7->setObjectName(QStringLiteral("Text7"));
    ui::place(Text7, 2280, 960, 4095, 345);
    Label26 = label(purchase, "Label26", QString(), 360, 1530, 1800, 300);
    Text8 = new QLineEdit(purchase);
    Text8->setObjectName(QStringLiteral("Text8"));
    ui::place(Text8, 2280, 1500, 1815, 345);
    Text8->setEnabled(false);
    Label9->setBuddy(Text7);
    Label26->setBuddy(Text8);
    Command57 = button(purchase, "Command57", QStringLiteral("Save"), 360, 3480, 1455, 375);
    Command57->setEnabled(false);
    Command56 = button(purchase, "Command56", QString(), 2280, 3480, 1455, 375);
    SSTab1->addTab(purchase, QStringLiteral("Purchase"));

    connect(Command68, &QPushButton::clicked, this, &Form28::Command68_Click);
    connect(Command61, &QPushButton::clicked, this, &Form28::Command61_Click);
    connect(Command72, &QPushButton::clicked, this, &Form28::Command72_Click);
    connect(Command71, &QPushButton::clicked, this, &Form28::Command71_Click);
    connect(Command56, &QPushButton::clicked, this, &Form28::Command56_Click);
    ui::onGotFocus(Text7, [this] { Text7_GotFocus(); });
}

void Form28::Command55_Click() {
    Graph1->hide();
    Graph3->hide();
    Graph2->show();
    Graph4->show();
    Label65->clear();

    const struct {
        ui::FlexGrid* grid;
        int rows;
        const char* const* headings;
    } tables[] = {{MSFlexGrid4, kRunTimePoints + 1, data::kRunTimeRows.data()},
                  {MSFlexGrid5, kRpmPoints + 1, data::kRpmProfileRows.data()}};
    for (const auto& t : tables) {
        t.grid->setRows(t.rows);
        t.grid->setCols(2);
        t.grid->setFixedRows(1);
        t.grid->setFixedCols(1);
        t.grid->setColWidth(0, 1395);
        t.grid->setColWidth(1, 1395);
        t.grid->setTextAt(0, 0, QStringLiteral("Type"));
        t.grid->setTextAt(0, 1, QStringLiteral("RunTime"));
        for (int r = 1; r < t.rows; ++r) {
            t.grid->setTextAt(r, 0, QString::fromUtf8(t.headings[r - 1]));
            t.grid->setTextAt(r, 1, kPlaceholderHours);
        }
    }
    // The Run Time rows without a heading hold no time.
    MSFlexGrid4->setTextAt(2, 1, QString());
    MSFlexGrid4->setTextAt(3, 1, QString());

    SSTab1->setCurrentIndex(0);
    SSTab1->show();
    SSTab1->raise();
    Command56->setEnabled(true);
    Command56->setFocus();
    DisableConsoleButtons();
}

void Form28::readCounters(int page) {
    const bool runTime = page == 0;
    const int points = runTime ? kRunTimePoints : kRpmPoints;
    ui::FlexGrid* grid = runTime ? MSFlexGrid4 : MSFlexGrid5;
    QLabel* total = runTime ? Label65 : Label66;
    QChartView* placeholder = runTime ? Graph2 : Graph4;
    QChartView* chart = runTime ? Graph1 : Graph3;

    plot(chart, {});
    const QString rpmWords = QString::fromLatin1(data::kRpmProfileWords);
    for (int k = 1; k <= points; ++k)
        counterWords[k] = runTime ? QString::fromLatin1(data::kRunTimeWords[k - 1])
                                  : rpmWords.mid(4 * (k - 1), 4);

    const QLocale locale = hours::numberLocale();
    qint64 minutes = 0;
    for (int k = 1; k <= points; ++k)
        minutes += hours::wordMinutes(counterWords[k]);
    total->setText(hours::formatTenths(hours::minutesToTenths(minutes), locale));
    placeholder->hide();
    chart->show();

    QList<qreal> values;
    for (int k = 1; k <= points; ++k) {
        const qint64 m = hours::wordMinutes(counterWords[k]);
        values << static_cast<qreal>(m) / 60.0;
        // The Run Time rows without a heading stay empty.
        if (runTime && k != 1 && k != 4) continue;
        grid->setTextAt(k, 1, hours::formatTenths(hours::minutesToTenths(m), locale) + kHrs);
    }
    plot(chart, values);
}

void Form28::Command68_Click() {
    readCounters(0);
}

void Form28::Command61_Click() {
    readCounters(1);
}

void Form28::Command72_Click() {
    EnableConsoleButtons();
    Command57->setEnabled(false);
    SSTab1->hide();
    focusConsoleExit();
}

void Form28::Command71_Click() {
    EnableConsoleButtons();
    focusConsoleExit();
}

void Form28::Command56_Click() {
    EnableConsoleButtons();
    focusConsoleExit();
}

void Form28::Text7_GotFocus() {
    Command57->setEnabled(true);
}

} // namespace bombardier
