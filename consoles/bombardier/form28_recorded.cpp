// The recorded-data tabs of the Bombardier console: run time by operating mode, run time
// by engine-speed band, and the purchase data.
#include "consoles/bombardier/form28.h"

#include "consoles/bombardier/form28_data.h"
#include "consoles/bombardier/hours.h"
#include "ui/accessibility.h"
#include "ui/events.h"
#include "ui/flexgrid.h"
#include "ui/twips.h"
#include "ui/widgets.h"

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

} // namespace

QWidget* Form28::makeRecordedData(const ui::DesignRow& row, QWidget* parent) {
    const QString name = QString::fromLatin1(row.name);
    if (name == QLatin1String("SSTab1")) {
        QWidget* tabs = ui::makeTabs(row, parent);
        dressOverlay(tabs);
        return tabs;
    }
    if (name.startsWith(QLatin1String("SSTab1Page"))) return ui::makeTabs(row, parent);
    // Graph2 and Graph4 stand in, grey, until Read fills Graph1 and Graph3.
    const bool runTime = name == QLatin1String("Graph1") || name == QLatin1String("Graph2");
    const QStringList categories = runTime
                                       ? categoryLabels(data::kRunTimeRows.data(), kRunTimePoints)
                                       : categoryLabels(data::kRpmProfileRows.data(), kRpmPoints);
    const bool placeholder = name == QLatin1String("Graph2") || name == QLatin1String("Graph4");
    auto* view = new QChartView(barChart(categories, placeholder), parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(
        QStringLiteral("%1 chart")
            .arg(runTime ? QStringLiteral("Run Time") : QStringLiteral("RPM Profile")));
    return view;
}

void Form28::dressRecordedData(const ui::Design& d) {
    d.get({{SSTab1, "SSTab1"},           {Frame12, "Frame12"},
           {MSFlexGrid4, "MSFlexGrid4"}, {Label64, "Label64"},
           {Label65, "Label65"},         {Graph2, "Graph2"},
           {Graph1, "Graph1"},           {Command68, "Command68"},
           {Command72, "Command72"},     {Frame24, "Frame24"},
           {MSFlexGrid5, "MSFlexGrid5"}, {Label67, "Label67"},
           {Label66, "Label66"},         {Graph4, "Graph4"},
           {Graph3, "Graph3"},           {Command61, "Command61"},
           {Command71, "Command71"},     {Label69, "Label69"},
           {Label9, "Label9"},           {Text7, "Text7"},
           {Label26, "Label26"},         {Text8, "Text8"},
           {Command57, "Command57"},     {Command56, "Command56"}});
    Graph1->hide();
    Graph3->hide();
    MSFlexGrid4->setRows(kRunTimePoints + 1);
    MSFlexGrid5->setRows(kRpmPoints + 1);
    for (ui::FlexGrid* grid : {MSFlexGrid4, MSFlexGrid5})
        grid->setCols(2);
    MSFlexGrid4->setAccessibleName(QStringLiteral("Run Time"));
    MSFlexGrid5->setAccessibleName(QStringLiteral("RPM Profile"));

    for (QLabel* total : {Label65, Label66}) {
        ui::paintBack(total, Qt::white);
        total->setFrameShape(QFrame::Box);
        total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    ui::nameValue(Label65, Label64);
    ui::nameValue(Label66, Label67);

    QFont headingFont = Label69->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    Label69->setFont(headingFont);
    Text8->setEnabled(false);
    Label9->setBuddy(Text7);
    Label26->setBuddy(Text8);
    Command57->setEnabled(false);

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
    focusExit();
}

void Form28::Command71_Click() {
    EnableConsoleButtons();
    focusExit();
}

void Form28::Command56_Click() {
    EnableConsoleButtons();
    focusExit();
}

void Form28::Text7_GotFocus() {
    Command57->setEnabled(true);
}

} // namespace bombardier
