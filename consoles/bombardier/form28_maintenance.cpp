// The maintenance functions of the Bombardier console: the key frame, the service frame
// and the Change Total Hours panel, the cluster settings frame and the actuators frame.
//
// Which frame hides which: the key frame and the actuators frame disable the console's
// buttons while they are open, so nothing opens over them. The service frame and the
// settings frame leave the buttons enabled; the settings and actuators frames open over
// the service frame, the service and key frames hide the others.
#include "consoles/bombardier/form28.h"

#include "consoles/bombardier/form28_data.h"
#include "consoles/bombardier/form28_maintenance_data.h"
#include "consoles/bombardier/hours.h"
#include "shell/errors32.h"
#include "ui/accessibility.h"
#include "ui/events.h"
#include "ui/flexgrid.h"
#include "ui/twips.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace bombardier {

using namespace ERRORS32;

namespace {
// Left of the KPS prompt's hidden button once the prompt has been closed.
constexpr int kAccLeftAfterPrompt = 1920;
// Left of the settings Exit once a change has shown Save.
constexpr int kSettingsExitLeftWithSave = 4200;

// "####0.00": at least one integer digit, two decimals, no grouping, in the given locale.
QString fixedTwoDecimals(double value, const QLocale& locale) {
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(value, 'f', 2);
}
} // namespace

// ---- Construction ----

void Form28::dressMaintenancePanels(const ui::Design& d) {
    d.get({{Frame5, "Frame5"},       {MSFlexGrid1, "MSFlexGrid1"},
           {Label5, "Label5"},       {Command9, "Command9"},
           {Command7, "Command7"},   {Command8, "Command8"},
           {Command10, "Command10"}, {Command11, "Command11"},
           {Command12, "Command12"}, {Frame6, "Frame6"},
           {Label6, "Label6"},       {Text9, "Text9"},
           {Command14, "Command14"}, {Command5, "Command5"},
           {Command13, "Command13"}, {Frame10, "Frame10"},
           {Label17, "Label17"},     {Label19, "Label19"},
           {Label29, "Label29"},     {Label30, "Label30"},
           {Label18, "Label18"},     {Label20, "Label20"},
           {Label8, "Label8"},       {Text6, "Text6"},
           {Check1, "Check1"},       {Label21, "Label21"},
           {Command50, "Command50"}, {Command49, "Command49"},
           {Command67, "Command67"}, {Frame11, "Frame11"},
           {Label22, "Label22"},     {Label23, "Label23"},
           {Label24, "Label24"},     {Label25, "Label25"},
           {Text5, "Text5"},         {Command51, "Command51"},
           {Command53, "Command53"}, {Frame9, "Frame9"},
           {Command26, "Command26"}, {Command52, "Command52"},
           {Frame21, "Frame21"},     {Command63, "Command63"},
           {Label53, "Label53"},     {Frame15, "Frame15"},
           {Check2, "Check2"},       {Check3, "Check3"},
           {Check4, "Check4"},       {Frame16, "Frame16"},
           {Frame17, "Frame17"},     {Label10, "Label10"},
           {Command46, "Command46"}, {Command24, "Command24"},
           {Frame8, "Frame8"},       {Command16, "Command16"},
           {Command17, "Command17"}, {Command20, "Command20"},
           {Command19, "Command19"}, {Command36, "Command36"},
           {Label11, "Label11"},     {Command25, "Command25"},
           {Command27, "Command27"}, {Label16, "Label16"},
           {Command42, "Command42"}, {Command43, "Command43"},
           {Label13, "Label13"},     {Command45, "Command45"},
           {Command32, "Command32"}, {Command34, "Command34"},
           {Command35, "Command35"}, {Label15, "Label15"},
           {Command38, "Command38"}, {Label14, "Label14"},
           {Command18, "Command18"}, {Shape1, "Shape1"},
           {Shape2, "Shape2"},       {Shape3, "Shape3"},
           {Shape4, "Shape4"},       {Shape5, "Shape5"}});
    d.getArray(Check5, "Check5", 2);
    d.getArray(Check6, "Check6", data::kClusterOptions);
    for (QWidget* panel : {Frame10, Frame11, Frame9, Frame5, Frame8})
        dressOverlay(panel);
    dressServicePanel();
    for (QLabel* l : {Label22, Label23, Label24, Label25})
        ui::paintText(l, ui::kRed);
    // The warning lines are laid out and filled by the Settings button; only lines 1 and 3
    // show until then.
    Label23->hide();
    Label25->hide();
    Text5->hide();
    connect(Command53, &QPushButton::clicked, this, &Form28::Command53_Click);
    dressSettingsPanel();
    dressKeyPanel();
    dressActuatorsPanel();
}

void Form28::dressKeyPanel() {
    ui::paintText(Label5, ui::kRed);
    Command10->hide();
    Command11->hide();
    // The KPS prompt panel: no caption, hidden.
    ui::paintBack(Frame6, QApplication::palette().color(QPalette::Button));
    Frame6->hide();
    Label6->setAlignment(Qt::AlignCenter);
    Text9->hide();
    Label6->setBuddy(Text9);
    Command5->hide();

    connect(Command12, &QPushButton::clicked, this, &Form28::Command12_Click);
    connect(Command13, &QPushButton::clicked, this, &Form28::Command13_Click);
    ui::onGotFocus(Command13, [this] { Command13_GotFocus(); });
    ui::onGotFocus(Command5, [this] { Command5_GotFocus(); });
}

void Form28::dressServicePanel() {
    for (QLabel* caption : {Label17, Label29, Label18, Label8})
        ui::paint(caption, ui::kGrey, ui::kDarkRed);
    for (QLabel* value : {Label19, Label30, Label20})
        ui::paint(value, Qt::white, ui::kDarkBlue);
    QPalette p = Text6->palette();
    p.setColor(QPalette::Text, ui::kDarkBlue);
    Text6->setPalette(p);
    Text6->setEnabled(false);
    Label8->setBuddy(Text6);
    ui::nameValue(Label19, Label17);
    ui::nameValue(Label30, Label29);
    ui::nameValue(Label20, Label18);
    Command67->hide();

    connect(Check1, &QCheckBox::clicked, this, &Form28::Check1_Click);
    ui::onGotFocus(Text6, [this] { Text6_GotFocus(); });
    connect(Command50, &QPushButton::clicked, this, &Form28::Command50_Click);
}

void Form28::dressSettingsPanel() {
    Command63->setEnabled(false);
    Label53->setAlignment(Qt::AlignCenter);
    ui::paintBack(Label53, ui::kGrey);
    // The cluster's check boxes: red on the system's button-shadow colour.
    QList<QCheckBox*> checks = {Check2, Check3, Check4};
    checks << Check5 << Check6;
    for (QCheckBox* c : std::as_const(checks))
        ui::paint(c, QApplication::palette().color(QPalette::Dark), ui::kRed);
    ui::paintText(Label10, ui::kBlue);
    Command46->hide();

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

void Form28::dressActuatorsPanel() {
    ui::paint(Frame8, ui::kMaroon, Qt::white);
    // Decorative outlines of the output groups, under the buttons and headings.
    for (QFrame* s : {Shape1, Shape2, Shape3, Shape4, Shape5}) {
        s->setFrameStyle(QFrame::Box | QFrame::Plain);
        ui::paintText(s, Qt::white);
    }
    for (QLabel* heading : {Label11, Label16, Label13, Label15}) {
        ui::paintText(heading, ui::kRed);
        QFont f = heading->font();
        f.setBold(true);
        heading->setFont(f);
    }
    ui::paintText(Label14, ui::kBlue);
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
    focusExit();
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
    focusExit();
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
    focusExit();
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
        ui::paintText(l, ui::kRed);
        l->setAlignment(Qt::AlignCenter);
    }
    ui::moveTw(Label23, ui::leftTw(Label23), 960);
    ui::paintBack(Label23, QApplication::palette().color(QPalette::Button));
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
    ui::moveTw(Command24, kSettingsExitLeftWithSave, ui::topTw(Command24));
    Command46->show();
}

void Form28::Command24_Click() {
    Label10->clear();
    Frame9->hide();
    const ui::DesignRow& design = ui::Design::row(data::kDesign, "Command24");
    ui::moveTw(Command24, design.left, design.top);
    Command46->hide();
    EnableConsoleButtons();
    focusExit();
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
    focusExit();
}

} // namespace bombardier
