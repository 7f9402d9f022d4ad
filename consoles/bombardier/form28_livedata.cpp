// The History/Live Data panel and the Monitoring panel of the Bombardier console.
#include "consoles/bombardier/form28.h"

#include "consoles/bombardier/form28_data.h"
#include "consoles/bombardier/hours.h"
#include "consoles/bombardier/widgets.h"
#include "shell/errors32.h"
#include "ui/accessibility.h"
#include "ui/events.h"
#include "ui/flexgrid.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace bombardier {

using namespace widgets;

namespace {
constexpr int kGridLeft = 120;
constexpr int kGridTop = 450;
constexpr int kGridWidth = 9015;
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

void Form28::buildLiveDataPanel() {
    Frame13 = overlay(this, "Frame13", QStringLiteral("History/Live Data"), 840, 2520, 9255, 2535);
    MSFlexGrid2 = new ui::FlexGrid(Frame13);
    MSFlexGrid2->setObjectName(QStringLiteral("MSFlexGrid2"));
    MSFlexGrid2->setAccessibleName(Frame13->title());
    ui::place(MSFlexGrid2, kGridLeft, kGridTop, kGridWidth, kSummaryHeight);

    constexpr int top = 1920;
    constexpr int width = 1935;
    constexpr int height = 435;
    Command59 = button(Frame13, "Command59", QStringLiteral("Exit"), 240, top, width, height);
    Command60 =
        button(Frame13, "Command60", QStringLiteral("Last Minute"), 2520, top, width, height);
    Command54 = button(Frame13, "Command54", QStringLiteral("Max/Min"), 4800, top, width, height);
    Command66 = button(Frame13, "Command66", QStringLiteral("Live Data"), 7080, top, width, height);

    connect(Command59, &QPushButton::clicked, this, &Form28::Command59_Click);
    connect(Command60, &QPushButton::clicked, this, &Form28::Command60_Click);
    connect(Command54, &QPushButton::clicked, this, &Form28::Command54_Click);
    connect(Command66, &QPushButton::clicked, this, &Form28::Command66_Click);
}

void Form28::buildMonitoringPanel() {
    Frame18 = overlay(this, "Frame18", QStringLiteral("Monitoring"), 1200, 2040, 8415, 3495);

    constexpr int tops[] = {480, 900, 1320, 1740};
    const char* captionNames[] = {"Label47", "Label46", "Label31", "Label32",
                                  "Label33", "Label34", "Label43", "Label44"};
    const char* valueNames[] = {"Label35", "Label36", "Label37", "Label38",
                                "Label39", "Label40", "Label41", "Label42"};
    QLabel* captions[8];
    QLabel* values[8];
    for (int i = 0; i < 8; ++i) {
        const int column = i / 4;
        const int top = tops[i % 4];
        captions[i] =
            label(Frame18, captionNames[i], QString::fromUtf8(data::kMonitoringCaptions[i]),
                  240 + column * 4080, top, 1815, 300);
        values[i] = label(Frame18, valueNames[i], QString(), 2100 + column * 4080, top, 1095, 300);
        paintBackground(values[i], Qt::white);
        values[i]->setFrameShape(QFrame::Box);
    }
    Label47 = captions[0];
    Label46 = captions[1];
    Label31 = captions[2];
    Label32 = captions[3];
    Label33 = captions[4];
    Label34 = captions[5];
    Label43 = captions[6];
    Label44 = captions[7];
    Label35 = values[0];
    Label36 = values[1];
    Label37 = values[2];
    Label38 = values[3];
    Label39 = values[4];
    Label40 = values[5];
    Label41 = values[6];
    Label42 = values[7];

    for (int i = 0; i < 3; ++i) {
        auto* unit = label(Frame18, "Label50", QString(), 3300, tops[i], 450, 300);
        unit->setObjectName(QStringLiteral("Label50(%1)").arg(i));
        Label50 << unit;
    }

    Label49 = label(Frame18, "Label49", QStringLiteral("Fuel Level"), 240, 2280, 1815, 300);
    Label48 = label(Frame18, "Label48", QString(), 2100, 2310, 5175, 240);
    paintBackground(Label48, Qt::black);

    // Screen readers read each value with its caption (and unit): "Engine Speed: 1200".
    for (int i = 0; i < 8; ++i)
        ui::nameValue(values[i], captions[i], i < Label50.size() ? Label50[i] : nullptr);
    ui::nameValue(Label48, Label49);

    Command65 = button(Frame18, "Command65", QStringLiteral("Conect"), 2400, 2880, 1455, 435);
    Command64 = button(Frame18, "Command64", QStringLiteral("Exit"), 4560, 2880, 1455, 435);

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
    ui::place(g, kGridLeft, kGridTop, kGridWidth, kSummaryHeight);
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
    ui::place(g, kGridLeft, kGridTop, kGridWidth, kRecordingHeight);
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
    focusConsoleExit();
}

void Form28::Command64_Click() {
    EnableConsoleButtons();
    Frame18->hide();
    for (QLabel* l : {Label35, Label36, Label37, Label38, Label39, Label40, Label41, Label42})
        l->clear();
    focusWithAction(Command3, &Form28::Command3_GotFocus);
}

} // namespace bombardier
