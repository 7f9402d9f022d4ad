// The History/Live Data panel and the Monitoring panel of the Bombardier console.
#include "consoles/bombardier/form28.h"

#include "consoles/bombardier/form28_data.h"
#include "consoles/bombardier/hours.h"
#include "shell/errors32.h"
#include "ui/accessibility.h"
#include "ui/events.h"
#include "ui/flexgrid.h"
#include "ui/twips.h"
#include "ui/widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace bombardier {

namespace {
constexpr int kSummaryHeight = 820;
constexpr int kRecordingHeight = 1120;
constexpr int kRecordingRows = 121;

// "C" for Celsius settings (below 2), "F" otherwise.
QString temperatureUnit() {
    return ERRORS32::TemperatureUnit < 2 ? QStringLiteral("C") : QStringLiteral("F");
}

QString heading(const char* text) {
    const QString s = QString::fromUtf8(text);
    return s.contains(QLatin1String("%1")) ? s.arg(temperatureUnit()) : s;
}
} // namespace

void Form28::dressLiveDataPanels(const ui::Design& d) {
    d.get({{Frame13, "Frame13"},     {MSFlexGrid2, "MSFlexGrid2"}, {Command59, "Command59"},
           {Command60, "Command60"}, {Command54, "Command54"},     {Command66, "Command66"},
           {Frame18, "Frame18"},     {Label47, "Label47"},         {Label35, "Label35"},
           {Label46, "Label46"},     {Label36, "Label36"},         {Label31, "Label31"},
           {Label37, "Label37"},     {Label32, "Label32"},         {Label38, "Label38"},
           {Label33, "Label33"},     {Label39, "Label39"},         {Label34, "Label34"},
           {Label40, "Label40"},     {Label43, "Label43"},         {Label41, "Label41"},
           {Label44, "Label44"},     {Label42, "Label42"},         {Label49, "Label49"},
           {Label48, "Label48"},     {Command65, "Command65"},     {Command64, "Command64"}});
    d.getArray(Label50, "Label50", 3);
    MSFlexGrid2->setAccessibleName(Frame13->title());
    dressOverlay(Frame13);
    dressOverlay(Frame18);

    QLabel* captions[] = {Label47, Label46, Label31, Label32, Label33, Label34, Label43, Label44};
    QLabel* values[] = {Label35, Label36, Label37, Label38, Label39, Label40, Label41, Label42};
    for (QLabel* value : values) {
        ui::paintBack(value, Qt::white);
        value->setFrameShape(QFrame::Box);
    }
    ui::paintBack(Label48, Qt::black);
    // Screen readers read each value with its caption (and unit): "Engine Speed: 1200".
    for (int i = 0; i < 8; ++i)
        ui::nameValue(values[i], captions[i], i < Label50.size() ? Label50[i] : nullptr);
    ui::nameValue(Label48, Label49);

    connect(Command59, &QPushButton::clicked, this, &Form28::Command59_Click);
    connect(Command60, &QPushButton::clicked, this, &Form28::Command60_Click);
    connect(Command54, &QPushButton::clicked, this, &Form28::Command54_Click);
    connect(Command66, &QPushButton::clicked, this, &Form28::Command66_Click);
    connect(Command65, &QPushButton::clicked, this, &Form28::Command65_Click);
    connect(Command64, &QPushButton::clicked, this, &Form28::Command64_Click);
    ui::onGotFocus(Command64, [this] { Command64_GotFocus(); });
}

// Three rows (headings, Max, Min) by six columns; the value cells empty unless asked for.
void Form28::setSummaryLayout(bool withValues) {
    ui::FlexGrid* g = MSFlexGrid2;
    g->clearContents();
    g->setRows(3);
    g->setCols(6);
    g->setFixedRows(1);
    g->setFixedCols(1);
    // Only the height changes; the table stays where the design put it.
    ui::place(g, ui::leftTw(g), ui::topTw(g), ui::widthTw(g), kSummaryHeight);
    g->setColWidth(0, 630);
    for (int c = 1; c < 6; ++c)
        g->setColWidth(c, 1610);
    for (int c = 0; c < 6; ++c)
        g->setTextAt(0, c, heading(data::kSummaryHeadings[c]));
    g->setTextAt(1, 0, QStringLiteral("Max"));
    g->setTextAt(2, 0, QStringLiteral("Min"));
    for (int c = 1; c < 6; ++c) {
        g->setTextAt(1, c, withValues ? QString::fromUtf8(data::kMaxValues[c - 1]) : QString());
        g->setTextAt(2, c, withValues ? QString::fromUtf8(data::kMinValues[c - 1]) : QString());
    }
    g->scrollToTop();
}

// The last minute at two samples a second: 121 rows (headings and 0.0 to 59.5 s).
void Form28::setRecordingLayout() {
    ui::FlexGrid* g = MSFlexGrid2;
    g->clearContents();
    g->setRows(kRecordingRows);
    g->setCols(5);
    g->setFixedRows(1);
    g->setFixedCols(0);
    ui::place(g, ui::leftTw(g), ui::topTw(g), ui::widthTw(g), kRecordingHeight);
    for (int c = 0; c < 5; ++c)
        g->setColWidth(c, 1686);
    const QLocale locale = hours::numberLocale();
    for (int c = 0; c < 5; ++c) {
        g->setTextAt(0, c, heading(data::kRecordingHeadings[c]));
        g->setTextAt(1, c, QString::fromUtf8(data::kRecordingFirstRow[c]));
        g->setTextAt(2, c, QString::fromUtf8(data::kRecordingSecondRow[c]));
    }
    for (int r = 3; r < kRecordingRows; ++r) {
        // Row r holds (r - 1) half seconds.
        g->setTextAt(r, 0, hours::formatTenths(5 * (r - 1), locale));
        for (int c = 1; c < 5; ++c)
            g->setTextAt(r, c, QString::fromUtf8(data::kRecordingIdleRow[c - 1]));
    }
    g->scrollToTop();
}

void Form28::Command31_Click() {
    setSummaryLayout(false);
    Frame13->show();
    Frame13->raise();
    Command59->setFocus();
    DisableConsoleButtons();
}

void Form28::Command54_Click() {
    setSummaryLayout(true);
}

void Form28::Command60_Click() {
    setRecordingLayout();
}

void Form28::Command66_Click() {
    Frame13->hide();
    Frame18->show();
    Frame18->raise();
    focusWithAction(Command64, &Form28::Command64_GotFocus);
}

void Form28::Command64_GotFocus() {
    const QString unit =
        ERRORS32::TemperatureUnit < 2 ? QStringLiteral("ºC") : QStringLiteral("ºF");
    for (QLabel* l : std::as_const(Label50))
        l->setText(unit);
}

void Form28::Command65_Click() {
    focusWithAction(Command64, &Form28::Command64_GotFocus);
}

void Form28::Command59_Click() {
    EnableConsoleButtons();
    Frame13->hide();
    focusExit();
}

void Form28::Command64_Click() {
    EnableConsoleButtons();
    Frame18->hide();
    for (QLabel* l : {Label35, Label36, Label37, Label38, Label39, Label40, Label41, Label42})
        l->clear();
    focusWithAction(Command3, &Form28::Command3_GotFocus);
}

} // namespace bombardier
