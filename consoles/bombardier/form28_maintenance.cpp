// The maintenance functions of the Bombardier console: the key frame, the service frame
// and the Change Total Hours panel, the cluster settings frame and the actuators frame.
//
// Which frame hides which: the key frame and the actuators frame disable the console's
// buttons while they are open, so nothing opens over them. The service frame and the
// settings frame leave the buttons enabled; the settings and actuators frames open over
// the service frame, the service and key frames hide the others.
#include "consoles/bombardier/form28.h"

#include "consoles/bombardier/form28_maintenance_data.h"
#include "consoles/bombardier/hours.h"
#include "consoles/bombardier/widgets.h"
#include "shell/errors32.h"
#include "ui/accessibility.h"
#include "ui/events.h"
#include "ui/flexgrid.h"
#include "ui/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace bombardier {

using namespace ERRORS32;
using namespace widgets;

namespace {
// Key frame button column.
constexpr int kKeyButtonLeft = 3960;
constexpr int kKeyButtonWidth = 1695;
constexpr int kKeyButtonHeight = 255;
// Left of the KPS prompt's hidden button once the prompt has been closed.
constexpr int kAccLeftAfterPrompt = 1920;

// Settings Exit: where it sits before and after the first change.
constexpr int kSettingsExitLeft = 2280;
constexpr int kSettingsExitLeftWithSave = 4200;
constexpr int kSettingsButtonTop = 3960;

// "####0.00": at least one integer digit, two decimals, no grouping, in the given locale.
QString fixedTwoDecimals(double value, const QLocale& locale) {
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(value, 'f', 2);
}

QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& text, int left, int top,
                    int width, int height) {
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(name);
    ui::place(c, left, top, width, height);
    // Red on the system's button-shadow colour.
    paintBackground(c, QApplication::palette().color(QPalette::Dark));
    paintText(c, kRed);
    return c;
}

QFrame* shape(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* s = new QFrame(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette p = s->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    s->setPalette(p);
    ui::place(s, left, top, width, height);
    return s;
}
} // namespace

// ---- Construction ----

void Form28::buildMaintenancePanels() {
    // Later panels lie over earlier ones: settings over service, keys and actuators over
    // both (they are open only while the console is disabled).
    buildServicePanel();
    buildChangeHoursPanel();
    buildSettingsPanel();
    buildKeyPanel();
    buildActuatorsPanel();
}

void Form28::buildKeyPanel() {
    Frame5 = overlay(this, "Frame5", QString(), 2640, 2160, 5775, 3135);

    MSFlexGrid1 = new ui::FlexGrid(Frame5);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    ui::place(MSFlexGrid1, 120, 600, 3615, 2055);

    Label5 = label(Frame5, "Label5", QStringLiteral("Add Key"), kKeyButtonLeft, 360,
                   kKeyButtonWidth, kKeyButtonHeight);
    paintText(Label5, kRed);
    Command9 = button(Frame5, "Command9", QString(), kKeyButtonLeft, 840, kKeyButtonWidth,
                      kKeyButtonHeight);
    Command7 = button(Frame5, "Command7", QString(), kKeyButtonLeft, 1560, kKeyButtonWidth,
                      kKeyButtonHeight);
    Command8 = button(Frame5, "Command8", QString(), kKeyButtonLeft, 2040, kKeyButtonWidth,
                      kKeyButtonHeight);
    Command12 = button(Frame5, "Command12", QString(), kKeyButtonLeft, 2760, kKeyButtonWidth,
                       kKeyButtonHeight);
    Command10 = button(Frame5, "Command10", QString(), 240, 2400, 1455, kKeyButtonHeight);
    Command11 = button(Frame5, "Command11", QString(), 360, 2760, 1455, kKeyButtonHeight);
    Command10->hide();
    Command11->hide();

    // The KPS prompt panel: no caption, hidden.
    Frame6 = frame(Frame5, "Frame6", QString(), 360, 960, 5055, 1215);
    paintBackground(Frame6, QApplication::palette().color(QPalette::Button));
    Frame6->hide();
    Label6 = label(Frame6, "Label6", QString(), 120, 240, 4815, 255);
    Label6->setAlignment(Qt::AlignCenter);
    Text9 = new QLineEdit(Frame6);
    Text9->setObjectName(QStringLiteral("Text9"));
    ui::place(Text9, 1800, 600, 1455, 285);
    Text9->hide();
    Label6->setBuddy(Text9);
    Command14 = button(Frame6, "Command14", QString(), 240, 720, 1455, 375);
    Command5 = button(Frame6, "Command5", QStringLiteral("Acc"), 2040, 720, 1215, 375);
    Command5->hide();
    Command13 = button(Frame6, "Command13", QString(), 3360, 720, 1455, 375);

    connect(Command12, &QPushButton::clicked, this, &Form28::Command12_Click);
    connect(Command13, &QPushButton::clicked, this, &Form28::Command13_Click);
    ui::onGotFocus(Command13, [this] { Command13_GotFocus(); });
    ui::onGotFocus(Command5, [this] { Command5_GotFocus(); });
}

void Form28::buildServicePanel() {
    Frame10 = overlay(this, "Frame10", QString(), 2040, 2400, 6735, 2895);

    constexpr int captionLeft = 600;
    constexpr int captionWidth = 1815;
    constexpr int valueLeft = 2520;
    constexpr int valueWidth = 1695;
    constexpr int rowHeight = 285;
    constexpr int rows[] = {360, 720, 1320, 1680};
    auto caption = [&](const char* name, const QString& text, int row) {
        QLabel* l = label(Frame10, name, text, captionLeft, rows[row], captionWidth, rowHeight);
        paintBackground(l, kGrey);
        paintText(l, kDarkRed);
        return l;
    };
    auto value = [&](const char* name, const QString& text, int row) {
        QLabel* l = label(Frame10, name, text, valueLeft, rows[row], valueWidth, rowHeight);
        paintBackground(l, Qt::white);
        paintText(l, kDarkBlue);
        return l;
    };
    Label17 = caption("Label17", QString(), 0);
    Label19 = value("Label19", QString(), 0);
    Label29 = caption("Label29", QStringLiteral("Service Hours"), 1);
    Label30 = value("Label30", QStringLiteral("0.00"), 1);
    Label18 = caption("Label18", QString(), 2);
    Label20 = value("Label20", QString(), 2);
    Label8 = caption("Label8", QString(), 3);

    Text6 = new QLineEdit(Frame10);
    Text6->setObjectName(QStringLiteral("Text6"));
    ui::place(Text6, valueLeft, rows[3], valueWidth, rowHeight);
    QPalette p = Text6->palette();
    p.setColor(QPalette::Text, kDarkBlue);
    Text6->setPalette(p);
    Text6->setEnabled(false);
    Label8->setBuddy(Text6);
    ui::nameValue(Label19, Label17);
    ui::nameValue(Label30, Label29);
    ui::nameValue(Label20, Label18);

    Check1 = new QCheckBox(Frame10);
    Check1->setObjectName(QStringLiteral("Check1"));
    ui::place(Check1, 4440, rows[3], 1455, rowHeight);

    Label21 = label(Frame10, "Label21", QString(), 120, 2160, 6495, 255);

    constexpr int buttonTop = 2520;
    constexpr int buttonWidth = 1815;
    constexpr int buttonHeight = 300;
    Command50 = button(Frame10, "Command50", QString(), 120, buttonTop, buttonWidth, buttonHeight);
    Command67 = button(Frame10, "Command67", QStringLiteral("Reset Supercharge"), 2400, buttonTop,
                       buttonWidth, buttonHeight);
    Command67->hide();
    Command49 = button(Frame10, "Command49", QStringLiteral("Reset Service"), 4800, buttonTop,
                       buttonWidth, buttonHeight);

    connect(Check1, &QCheckBox::clicked, this, &Form28::Check1_Click);
    ui::caretToEndOnFocus(Text6);
    connect(Command50, &QPushButton::clicked, this, &Form28::Command50_Click);
}

void Form28::buildChangeHoursPanel() {
    Frame11 = overlay(this, "Frame11", QString(), 2760, 2520, 5415, 2535);

    // The warning lines are laid out and filled by the Settings button; only lines 1 and 3
    // show until then.
    QLabel** lines[] = {&Label22, &Label23, &Label24, &Label25};
    const char* names[] = {"Label22", "Label23", "Label24", "Label25"};
    constexpr int tops[] = {600, 1320, 1320, 1680};
    for (int i = 0; i < 4; ++i) {
        QLabel* l = label(Frame11, names[i], QString(), 120, tops[i], 5175, 285);
        paintText(l, kRed);
        *lines[i] = l;
    }
    Label23->hide();
    Label25->hide();

    Text5 = new QLineEdit(Frame11);
    Text5->setObjectName(QStringLiteral("Text5"));
    ui::place(Text5, 1920, 1320, 1455, 285);
    Text5->hide();
    Command51 = button(Frame11, "Command51", QString(), 600, 2040, 1815, 330);
    Command53 = button(Frame11, "Command53", QString(), 3000, 2040, 1815, 330);

    connect(Command53, &QPushButton::clicked, this, &Form28::Command53_Click);
}

void Form28::buildSettingsPanel() {
    Frame9 = overlay(this, "Frame9", QString(), 2160, 1440, 6495, 4455);

    Command26 = button(Frame9, "Command26", QString(), 120, 360, 3495, 375);
    Command52 = button(Frame9, "Command52", QString(), 120, 840, 3495, 375);

    Frame21 = frame(Frame9, "Frame21", QStringLiteral("Cluster/Ecm Synchro"), 120, 1200, 3495, 735);
    Command63 = button(Frame21, "Command63", QStringLiteral("Synchro Now"), 120, 300, 1695, 330);
    Command63->setEnabled(false);
    Label53 = label(Frame21, "Label53", QStringLiteral("Status"), 1920, 300, 1455, 330);
    Label53->setAlignment(Qt::AlignCenter);
    paintBackground(Label53, kGrey);

    constexpr int checkLeft = 120;
    constexpr int checkHeight = 300;
    Frame15 = frame(Frame9, "Frame15", QStringLiteral("Cluster Languaje"), 120, 2040, 1935, 1455);
    QCheckBox** languages[] = {&Check2, &Check3, &Check4};
    const char* languageNames[] = {"Check2", "Check3", "Check4"};
    for (int i = 0; i < 3; ++i)
        *languages[i] = checkBox(Frame15, QString::fromLatin1(languageNames[i]),
                                 QString::fromUtf8(data::kClusterLanguages[i]), checkLeft,
                                 360 + 360 * i, 1695, checkHeight);

    Frame16 = frame(Frame9, "Frame16", QStringLiteral("Cluster Unit"), 2160, 2040, 1455, 1455);
    constexpr int unitTops[] = {360, 960};
    for (int i = 0; i < 2; ++i)
        Check5 << checkBox(Frame16, QStringLiteral("Check5(%1)").arg(i),
                           QString::fromUtf8(data::kClusterUnits[i]), checkLeft, unitTops[i], 1215,
                           checkHeight);

    Frame17 = frame(Frame9, "Frame17", QStringLiteral("Options"), 3720, 240, 2655, 3255);
    Check6.resize(static_cast<qsizetype>(data::kClusterOptions.size()));
    for (const data::ClusterOption& o : data::kClusterOptions)
        Check6[o.index] = checkBox(Frame17, QStringLiteral("Check6(%1)").arg(o.index),
                                   QString::fromUtf8(o.text), checkLeft, o.top, 2415, checkHeight);

    Label10 = label(Frame9, "Label10", QString(), 120, 3600, 6255, 285);
    paintText(Label10, kBlue);
    Command46 =
        button(Frame9, "Command46", QStringLiteral("Save"), 360, kSettingsButtonTop, 1815, 375);
    Command46->hide();
    Command24 =
        button(Frame9, "Command24", QString(), kSettingsExitLeft, kSettingsButtonTop, 1815, 375);

    connect(Command52, &QPushButton::clicked, this, &Form28::Command52_Click);
    connect(Check2, &QCheckBox::clicked, this, &Form28::Check2_Click);
    connect(Check3, &QCheckBox::clicked, this, &Form28::Check3_Click);
    connect(Check4, &QCheckBox::clicked, this, &Form28::Check4_Click);
    for (int i = 0; i < Check5.size(); ++i)
        connect(Check5[i], &QCheckBox::clicked, this, [this, i] { Check5_Click(i); });
    for (int i = 0; i < Check6.size(); ++i)
        connect(Check6[i], &QCheckBox::clicked, this, [this, i] { Check6_Click(i); });
    connect(Command24, &QPushButton::clicked, this, &Form28::Command24_Click);
}

void Form28::buildActuatorsPanel() {
    Frame8 = overlay(this, "Frame8", QString(), 1320, 1080, 8295, 5415);
    paintBackground(Frame8, kConsoleColour);
    paintText(Frame8, Qt::white);

    // The shapes first, so that the buttons and headings lie over them.
    Shape1 = shape(Frame8, "Shape1", 120, 480, 2775, 3600);
    Shape2 = shape(Frame8, "Shape2", 3000, 240, 5175, 1080);
    Shape3 = shape(Frame8, "Shape3", 3000, 1320, 5175, 1080);
    Shape4 = shape(Frame8, "Shape4", 3000, 2400, 5175, 1080);
    Shape5 = shape(Frame8, "Shape5", 3000, 3480, 5175, 1080);

    constexpr int columnWidth = 2535;
    constexpr int columnHeight = 495;
    Command16 = button(Frame8, "Command16", QString(), 240, 600, columnWidth, columnHeight);
    Command17 = button(Frame8, "Command17", QString(), 240, 1320, columnWidth, columnHeight);
    Command20 = button(Frame8, "Command20", QString(), 240, 2040, columnWidth, columnHeight);
    Command19 = button(Frame8, "Command19", QString(), 240, 2760, columnWidth, columnHeight);
    Command36 = button(Frame8, "Command36", QStringLiteral("Accesory Relay"), 240, 3480,
                       columnWidth, columnHeight);

    auto heading = [&](const char* name, const QString& text, int top) {
        QLabel* l = label(Frame8, name, text, 4320, top, 2655, 285);
        paintText(l, kRed);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        return l;
    };
    constexpr int pairWidth = 1455;
    constexpr int testHeight = 375;
    Label11 = heading("Label11", QString(), 360);
    Command25 =
        button(Frame8, "Command25", QStringLiteral("Front"), 4320, 840, pairWidth, testHeight);
    Command27 =
        button(Frame8, "Command27", QStringLiteral("Rear"), 5880, 840, pairWidth, testHeight);
    Label16 = heading("Label16", QString(), 1440);
    Command42 =
        button(Frame8, "Command42", QStringLiteral("Front"), 4320, 1920, pairWidth, testHeight);
    Command43 =
        button(Frame8, "Command43", QStringLiteral("Rear"), 5880, 1920, pairWidth, testHeight);
    Label13 = heading("Label13", QStringLiteral("LAMP"), 2520);
    constexpr int lampWidth = 1095;
    Command45 = button(Frame8, "Command45", QString(), 3120, 3000, lampWidth, testHeight);
    Command32 =
        button(Frame8, "Command32", QStringLiteral("TEMP"), 4440, 3000, lampWidth, testHeight);
    Command34 = button(Frame8, "Command34", QString(), 5760, 3000, lampWidth, testHeight);
    Command35 =
        button(Frame8, "Command35", QStringLiteral("WARNING"), 6960, 3000, lampWidth, testHeight);
    Label15 = heading("Label15", QString(), 3600);
    Command38 =
        button(Frame8, "Command38", QStringLiteral("WOW"), 5040, 4080, lampWidth, testHeight);

    Label14 = label(Frame8, "Label14", QString(), 1080, 4680, 6135, 285);
    paintText(Label14, kBlue);
    Command18 = button(Frame8, "Command18", QString(), 3120, 5040, 1935, 330);

    connect(Command18, &QPushButton::clicked, this, &Form28::Command18_Click);
}

void Form28::loadMaintenanceCaptions() {
    Frame5->setTitle(CatKeysCaption);
    MSFlexGrid1->setAccessibleName(CatKeysCaption);
    Command9->setText(CatAddKey);
    Command7->setText(CatEraseKey);
    Command8->setText(CatEraseAllKeys);
    Command10->setText(CatRental);
    Command11->setText(CatLearning);
    Command12->setText(CatExit);
    Label6->setText(CatConnectKpsInsertKey);
    Command14->setText(CatAccept);
    Command13->setText(CatExit);

    Frame10->setTitle(CatService);
    Label17->setText(CatTotalHours);
    Label18->setText(CatLastService);
    Label8->setText(CatDoneBy);
    Check1->setText(CatChange);
    Command50->setText(CatExit);

    Frame11->setTitle(CatChangeTotalHours);
    Command51->setText(CatAccept);
    Command53->setText(CatExit);

    Frame9->setTitle(CatSettings);
    Command26->setText(CatClosedThrottle);
    Command52->setText(CatChangeTotalHours);
    Command24->setText(CatExit);

    Frame8->setTitle(CatActuators);
    Command16->setText(CatBilgePump);
    Command17->setText(CatFuelPump);
    Command20->setText(CatBuzzer);
    Command19->setText(CatFuelPressRelief);
    Label11->setText(CatFuelInjector);
    Label16->setText(CatIgnitionCoil);
    Command45->setText(CatOil);
    Command34->setText(CatBattery);
    Label15->setText(CatEngineCaps);
    Command18->setText(CatExit);
}

void Form28::prepareKeyGrid() {
    MSFlexGrid1->setRows(data::kKeySlots);
    MSFlexGrid1->setCols(3);
    MSFlexGrid1->setFixedRows(0);
    MSFlexGrid1->setFixedCols(1);
    MSFlexGrid1->setColWidth(0, 1100);
    MSFlexGrid1->setColWidth(1, 1200);
    MSFlexGrid1->setColWidth(2, 1200);
    MSFlexGrid1->setCol(0);
    for (int r = 0; r < data::kKeySlots; ++r) {
        MSFlexGrid1->setRow(r);
        MSFlexGrid1->setText(CatKey + QLatin1Char(' ') + QString::number(r + 1));
    }
}

void Form28::showOverlay(QWidget* panel) {
    panel->show();
    panel->raise();
    // The progress and message panels stay over every other panel.
    Frame14->raise();
    Frame7->raise();
}

// ---- Keys ----

void Form28::Command33_Click() {
    // Reading the keys talks to the control unit like Connect does: a later Connect,
    // Diagnostic or Keys click takes over the progress panel and this opening stops.
    const Ticket ticket = beginOperation(kCommunication);
    Frame10->hide();
    Frame8->hide();
    Frame9->hide();
    if (!ShowConnectingProgress(ticket)) return;
    if (!yieldTimes(11, ticket)) return;
    DisableConsoleButtons();
    Frame14->hide();
    showOverlay(Frame5);
    Command12->setEnabled(true);
    Command12->setFocus();
    setBusy(false);
}

void Form28::Command12_Click() {
    EnableConsoleButtons();
    Frame5->hide();
    focusConsoleExit();
}

void Form28::Command13_Click() {
    Command14->setEnabled(true);
    Frame6->hide();
    ui::moveTw(Command5, kAccLeftAfterPrompt, ui::topTw(Command5));
    for (QPushButton* b : {Command7, Command8, Command9, Command10, Command11, Command12})
        b->setEnabled(true);
    Text9->hide();
    Command12->setFocus();
}

void Form28::Command13_GotFocus() {
    for (QPushButton* b : {Command7, Command8, Command9, Command10, Command11, Command12})
        b->setEnabled(false);
}

void Form28::Command5_GotFocus() {
    setBusy(false);
}

// ---- Service and total hours ----

void Form28::Command47_Click() {
    Frame5->hide();
    Frame8->hide();
    Frame9->hide();
    Label20->setText(QString::fromUtf8(LanguageIndex == 2 ? data::kLastServiceEnglish
                                                          : data::kLastServiceOther));
    Label19->setText(ecmHoursText);
    Label30->setText(fixedTwoDecimals(data::kServiceHours, hours::numberLocale()));
    Text6->setText(QString::fromUtf8(data::kTechnician));
    setBusy(false);
    Frame14->hide();
    showOverlay(Frame10);
    Command50->setEnabled(true);
    Command50->setFocus();
}

void Form28::Check1_Click() {
    if (!Check1->isChecked()) return;
    Text6->setEnabled(true);
    focusWithAction(Text6, &Form28::Text6_GotFocus);
}

void Form28::Text6_GotFocus() {
    Text6->setCursorPosition(static_cast<int>(Text6->text().size()));
}

void Form28::Command50_Click() {
    Frame10->hide();
    Command3->setEnabled(true);
    Text6->setEnabled(false);
    ui::setValue(Check1, false);
    Label21->clear();
    focusConsoleExit();
}

void Form28::Command52_Click() {
    showOverlay(Frame11);
    Frame9->hide();
    Command51->setEnabled(true);
    Command51->setFocus();
}

void Form28::Command53_Click() {
    Frame11->hide();
    Text5->clear();
    EnableConsoleButtons();
    focusConsoleExit();
}

// ---- Cluster settings ----

void Form28::prepareHoursWarning() {
    QLabel* lines[] = {Label22, Label23, Label24, Label25};
    const QString texts[] = {CatHoursNote1, CatHoursNote2, CatHoursNote3, CatHoursNote4};
    for (int i = 0; i < 4; ++i) {
        lines[i]->setText(texts[i]);
        ui::place(lines[i], 120, ui::topTw(lines[i]), 5175, ui::heightTw(lines[i]));
    }
    for (QLabel* l : {Label22, Label24, Label25}) {
        paintText(l, kRed);
        l->setAlignment(Qt::AlignCenter);
    }
    ui::moveTw(Label23, ui::leftTw(Label23), 960);
    paintBackground(Label23, QApplication::palette().color(QPalette::Button));
    Label23->show();
    Label25->show();
    Text5->hide();
}

void Form28::Command21_Click() {
    prepareHoursWarning();
    showOverlay(Frame9);
    Command24->setFocus();
}

void Form28::Check2_Click() {
    if (Check2->isChecked()) {
        ui::setValue(Check3, false);
        ui::setValue(Check4, false);
    }
    recordSettingsChange();
}

void Form28::Check3_Click() {
    if (Check3->isChecked()) {
        ui::setValue(Check2, false);
        ui::setValue(Check4, false);
    }
    recordSettingsChange();
}

void Form28::Check4_Click() {
    if (Check4->isChecked()) {
        ui::setValue(Check2, false);
        ui::setValue(Check3, false);
    }
    recordSettingsChange();
}

void Form28::Check5_Click(int index) {
    if (index == 0 && Check5[0]->isChecked()) ui::setValue(Check5[1], false);
    if (index == 1 && Check5[1]->isChecked()) ui::setValue(Check5[0], false);
    recordSettingsChange();
}

void Form28::Check6_Click(int) {
    recordSettingsChange();
}

void Form28::recordSettingsChange() {
    if (ui::leftTw(Command24) == kSettingsExitLeftWithSave) return;
    ui::moveTw(Command24, kSettingsExitLeftWithSave, kSettingsButtonTop);
    Command46->show();
}

void Form28::Command24_Click() {
    Label10->clear();
    Frame9->hide();
    ui::moveTw(Command24, kSettingsExitLeft, kSettingsButtonTop);
    Command46->hide();
    EnableConsoleButtons();
    focusConsoleExit();
}

// ---- Actuators ----

void Form28::Command6_Click() {
    showOverlay(Frame8);
    Command18->setFocus();
    DisableConsoleButtons();
}

void Form28::Command18_Click() {
    EnableConsoleButtons();
    Frame8->hide();
    focusConsoleExit();
}

} // namespace bombardier
