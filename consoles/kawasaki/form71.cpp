#include "consoles/kawasaki/form71.h"

#include "consoles/kawasaki/form71_data.h"
#include "shell/errors32.h"
#include "shell/settings.h"
#include "ui/accessibility.h"
#include "ui/twips.h"
#include "ui/widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace kawasaki {

using namespace ERRORS32;

namespace data = form71data;

namespace {
const QColor kFrameBack(212, 208, 200);

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}
} // namespace

Form71::Form71(QWidget* parent) : consoles::ConsoleForm(parent) {
    const QList<const char*> enableSet = {"Command29", "Command31", "Command11",
                                          "Command3",  "Command30", "Command4",
                                          "Command2",  "Command1",  "Command20"};
    const QList<const char*> disableSet = {"Command29", "Command31", "Command3", "Command2",
                                           "Command24", "Command30", "Command4", "Command1",
                                           "Command11", "Command20"};
    fetchControls(buildConsole(data::kDesign,
                               {"Kawasaki ATV", QColor(), false, true, 40, enableSet, disableSet}));
    dressControls();
    connectHandlers();
    actuatorSession = beginOperation(kActuatorTests);
}

void Form71::fetchControls(const ui::Design& d) {
    d.get({{Command31, "Command31"}, {Command30, "Command30"}, {Command11, "Command11"},
           {Command20, "Command20"}, {Command24, "Command24"}, {Command1, "Command1"},
           {Label43, "Label43"},     {Label49, "Label49"},     {Label44, "Label44"},
           {Label50, "Label50"},     {Label45, "Label45"},     {Label52, "Label52"},
           {Label46, "Label46"},     {Label53, "Label53"},     {Label47, "Label47"},
           {Label54, "Label54"},     {Frame9, "Frame9"},       {Frame10, "Frame10"},
           {Frame12, "Frame12"},     {Label72, "Label72"},     {Label74, "Label74"},
           {Label56, "Label56"},     {Label64, "Label64"},     {Label57, "Label57"},
           {Label65, "Label65"},     {Label58, "Label58"},     {Label66, "Label66"},
           {Label59, "Label59"},     {Label67, "Label67"},     {Label73, "Label73"},
           {Label75, "Label75"},     {Label60, "Label60"},     {Label68, "Label68"},
           {Label61, "Label61"},     {Label69, "Label69"},     {Label62, "Label62"},
           {Label70, "Label70"},     {Label63, "Label63"},     {Label71, "Label71"},
           {Command21, "Command21"}, {Frame6, "Frame6"},       {Label9, "Label9"},
           {Label5, "Label5"},       {Label10, "Label10"},     {Label6, "Label6"},
           {Label18, "Label18"},     {Label22, "Label22"},     {Label19, "Label19"},
           {Label23, "Label23"},     {Label12, "Label12"},     {Label15, "Label15"},
           {Label13, "Label13"},     {Label17, "Label17"},     {Label20, "Label20"},
           {Label24, "Label24"},     {Label21, "Label21"},     {Label25, "Label25"},
           {Label27, "Label27"},     {Label28, "Label28"},     {Label8, "Label8"},
           {Command13, "Command13"}, {Command12, "Command12"}, {Frame5, "Frame5"},
           {Command33, "Command33"}, {Command17, "Command17"}, {Label26, "Label26"},
           {Label16, "Label16"},     {Command8, "Command8"},   {Command9, "Command9"},
           {Label11, "Label11"},     {Command7, "Command7"},   {Command6, "Command6"},
           {Command5, "Command5"},   {Command34, "Command34"}, {Label14, "Label14"},
           {Command18, "Command18"}});
}

// Colours, fonts and screen-reader names beyond the console's skeleton; panels hidden.
void Form71::dressControls() {
    // Every frame in the system's button face; the labels' own colours stay.
    for (QGroupBox* f : findChildren<QGroupBox*>())
        ui::setBackColor(f, kFrameBack);
    ui::setBackColor(List1, ui::kLightGrey);
    ui::setForeColor(List1, ui::kDarkRed);
    Command2->setEnabled(false);
    Command4->setEnabled(false);
    QFont bar = ui::fixedFont();
    bar.setBold(true);
    Label51->setFont(bar);

    const std::pair<QLabel*, QLabel*> identification[] = {{Label49, Label43},
                                                          {Label50, Label44},
                                                          {Label52, Label45},
                                                          {Label53, Label46},
                                                          {Label54, Label47}};
    for (const auto& [value, caption] : identification) {
        ui::setForeColor(value, ui::kDarkBlue);
        ui::nameValue(value, caption);
    }

    // Value fields: sunken boxes, read with their captions.
    auto field = [](QLabel* value, QLabel* caption, const QColor& colour) {
        value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        ui::setForeColor(value, colour);
        ui::nameValue(value, caption);
    };
    const std::pair<QLabel*, QLabel*> history[] = {
        {Label74, Label72}, {Label64, Label56}, {Label65, Label57}, {Label66, Label58},
        {Label67, Label59}, {Label75, Label73}, {Label68, Label60}, {Label69, Label61},
        {Label70, Label62}, {Label71, Label63}};
    for (const auto& [value, caption] : history)
        field(value, caption, ui::kDarkRed);
    const std::pair<QLabel*, QLabel*> live[] = {
        {Label5, Label9},   {Label15, Label12}, {Label6, Label10},
        {Label17, Label13}, {Label22, Label18}, {Label24, Label20},
        {Label23, Label19}, {Label25, Label21}, {Label28, Label27}};
    for (const auto& [value, caption] : live) {
        ui::setForeColor(caption, ui::kDarkBlue);
        field(value, caption, ui::kRed);
    }
    Label21->hide();
    Label8->setAlignment(Qt::AlignCenter);

    Label26->setWordWrap(true);
    Label26->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::setForeColor(Label14, ui::kBlue);

    for (QWidget* panel : {Frame9, Frame6, Frame5})
        panel->hide();
}

void Form71::connectHandlers() {
    auto on = [this](QPushButton* b, void (Form71::*handler)()) {
        connect(b, &QPushButton::clicked, this, handler);
    };
    on(Command29, &Form71::Command29_Click);
    on(Command30, &Form71::Command30_Click);
    on(Command1, &Form71::Command1_Click);
    on(Command20, &Form71::Command20_Click);
    on(Command21, &Form71::Command21_Click);
    on(Command11, &Form71::Command11_Click);
    on(Command12, &Form71::Command12_Click);
    on(Command31, &Form71::Command31_Click);
    on(Command18, &Form71::Command18_Click);
    on(Command33, &Form71::Command33_Click);
    on(Command17, &Form71::Command17_Click);
    on(Command8, &Form71::Command8_Click);
    on(Command9, &Form71::Command9_Click);
    on(Command7, &Form71::Command7_Click);
    on(Command6, &Form71::Command6_Click);
    on(Command5, &Form71::Command5_Click);
    on(Command34, &Form71::Command34_Click);
    // Command2 (Save), Command4 (Reports), Command24 and the live-data panel's Connect
    // (Command13) have no action.
}

void Form71::setCaptions() {
    Command29->setText(CatConnectWithEcm);
    Command30->setText(CatDiagnostic);
    Command1->setText(CatEraseFaults);
    Command20->setText(CatFaults + text(data::kInfoSuffix));
    Command31->setText(CatActuators);
    Command11->setText(CatLiveData);
    Frame2->setTitle(CatVehicleData);
    List1->setAccessibleName(CatDiagnostic);
    Label43->setText(CatEngine + text(data::kModelSuffix));
    Label44->setText(CatEngine + text(data::kSerialSuffix));
    Label45->setText(CatSpecific);
    Label46->setText(CatYear);
    Label47->setText(CatHours);
    Command2->setText(CatSave);
    Command3->setText(CatExit);
    Command4->setText(CatReports);
    Command15->setText(CatExit);
    Command21->setText(CatExit);
    Label59->setText(CatHour);
    Label63->setText(CatHour);

    Frame6->setTitle(CatLiveData);
    Label9->setText(CatThrottleOpening);
    Label12->setText(CatWaterTemp + text(data::kCelsiusSuffix));
    Label13->setText(CatIntakeTemp + text(data::kCelsiusSuffix));
    Label20->setText(CatBatteryVolt);
    Command13->setText(CatConnectWithEcm);
    Command12->setText(CatExit);

    Frame5->setTitle(CatActuators);
    Command33->setText(CatIdleActuator);
    Command17->setText(CatFuelPump);
    Label16->setText(CatIgnitionCoil);
    Label11->setText(CatFuelInjector);
    // The numbered test buttons say what they number.
    for (QPushButton* b : {Command8, Command9})
        b->setAccessibleDescription(CatIgnitionCoil);
    for (QPushButton* b : {Command7, Command6, Command5, Command34})
        b->setAccessibleDescription(CatFuelInjector);
    Label26->setText(CatEngineOffWarning);
    Command18->setText(CatExit);
}

void Form71::onLoad() {
    setCaptions();
    Label44->hide();
    Label50->hide();
    ui::place(Label52, ui::leftTw(Label52), ui::topTw(Label52), 3255, ui::heightTw(Label52));
    TodayDate = shell::buildTodayDate();
    Command29->setEnabled(true);
    Command3->setEnabled(true);
    show();
    Command3->setFocus();
}

bool Form71::anyPanelShown() const {
    return !Frame9->isHidden() || !Frame6->isHidden() || !Frame5->isHidden();
}

// Connect: a fresh connection; the unit reports its stored fault again.
void Form71::Command29_Click() {
    const Ticket ticket = beginOperation(kCommunication);
    Frame2->setTitle(CatVehicleData);
    List1->clear();
    faultsStored = 0;
    setBusy(true);
    if (!ShowConnectingProgress(ticket)) return;
    faultsStored = 1;
    // A panel opened during the connection keeps the function buttons disabled.
    const bool keepDisabled = anyPanelShown();
    if (!keepDisabled) {
        Command31->setEnabled(true);
        Command11->setEnabled(true);
    }
    const auto& id = data::kIdentification;
    Label49->setText(text(id.model));
    Label50->setText(text(id.serial));
    Label52->setText(text(id.specific));
    Label53->setText(text(id.year));
    Label54->setText(text(id.hours));
    if (!keepDisabled) {
        Command30->setEnabled(true);
        Command20->setEnabled(true);
        Command1->setEnabled(true);
    }
    setBusy(false);
    Frame14->hide();
}

void Form71::Command30_Click() {
    const Ticket ticket = beginOperation(kDiagnosis);
    List1->clear();
    setBusy(true);
    if (!ShowConnectingProgress(ticket)) return;
    if (faultsStored == 0) {
        setBusy(false);
        Frame14->hide();
        List1->clear();
        showMessage(CatNoFaults);
        return;
    }
    if (!anyPanelShown()) Command1->setEnabled(true);
    const auto& fault = data::faultTexts(LanguageIndex);
    List1->addItem(CatFaultsDetected + QString::number(faultsStored));
    List1->addItem(QStringLiteral(" "));
    List1->addItem(CatFaultCode + QString::fromLatin1(data::kFaultCode));
    List1->addItem(text(fault.description));
    List1->addItem(text(fault.causeHeading));
    List1->addItem(text(fault.advice));
    setBusy(false);
    Frame14->hide();
}

void Form71::Command1_Click() {
    const Ticket ticket = beginOperation(kErase);
    faultsStored = 0;
    if (!ShowConnectingProgress(ticket)) return;
    setBusy(false);
    Frame14->hide();
    List1->clear();
    showMessage(CatFaultsErased + QStringLiteral(". ") + CatEngineOnOff);
}

QList<QLabel*> Form71::historyValues() const {
    return {Label74, Label64, Label65, Label66, Label67,
            Label75, Label68, Label69, Label70, Label71};
}

// Fault history: the unit's two freeze-frame registers, whatever faults it holds now.
void Form71::Command20_Click() {
    const Ticket ticket = beginOperation(kHistory);
    if (!ShowConnectingProgress(ticket)) return;
    Frame14->hide();
    setBusy(false);
    const auto& first = data::kHistory[0];
    Label74->setText(text(first.fault));
    Label64->setText(text(first.intakeAirPress));
    Label65->setText(text(first.rpm));
    Label66->setText(text(first.battVolt));
    Label67->setText(text(first.throttleOpening));
    Label75->setText(text(data::kHistory[1].fault));
    Label59->setText(CatThrottleOpening);
    Label63->setText(CatThrottleOpening);
    Frame9->show();
    Frame9->raise();
    DisableConsoleButtons();
    Command21->setEnabled(true);
    Command21->setFocus();
}

void Form71::Command21_Click() {
    Frame9->hide();
    for (QLabel* l : historyValues())
        l->clear();
    EnableConsoleButtons();
    Command3->setFocus();
}

void Form71::Command11_Click() {
    Label10->setText(CatThrottleVolt);
    Label18->setText(CatAirIntakePress);
    Label19->setText(text(data::kNotAvailable));
    Label21->setText(text(data::kNotAvailable));
    Label21->show();
    Frame6->show();
    Frame6->raise();
    Command12->setFocus();
    DisableConsoleButtons();
}

void Form71::Command12_Click() {
    EnableConsoleButtons();
    Frame6->hide();
    for (QLabel* l : {Label22, Label23, Label24, Label25, Label5, Label6, Label15, Label17, Label8})
        l->clear();
    Command3->setFocus();
}

void Form71::Command31_Click() {
    // A new session: tests of an earlier one still waiting end at their next yield, and
    // the hourglass they hold goes with them.
    actuatorSession = beginOperation(kActuatorTests);
    if (testsRunning > 0) {
        testsRunning = 0;
        setBusy(false);
    }
    Frame5->show();
    Frame5->raise();
    Command18->setFocus();
    DisableConsoleButtons();
}

void Form71::Command18_Click() {
    // Tests still running end here: their result would land on a closed panel.
    actuatorSession = beginOperation(kActuatorTests);
    if (testsRunning > 0) {
        testsRunning = 0;
        setBusy(false);
    }
    EnableConsoleButtons();
    Frame5->hide();
    Label14->clear();
    Command3->setFocus();
}

bool Form71::ShowTestProgress(const Ticket& ticket) {
    setBusy(true);
    Label14->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label14->setText(QStringLiteral(" "));
    return growBar(Label14, QStringLiteral("I"), kTestBars, kTestYieldsPerBar, ticket);
}

// A test started while another one's bar grows runs inside it; the outer one then
// finishes its bar and writes its own result last.
void Form71::runTest(QPushButton* button, QLabel* heading) {
    const QString result = (heading ? heading->text() + QLatin1Char(' ') : QString()) +
                           button->text() + QStringLiteral(": ") + CatActivated;
    const Ticket ticket = actuatorSession;
    ++testsRunning;
    if (!ShowTestProgress(ticket)) return;
    // The hourglass stays while an outer test's bar still has to finish.
    if (--testsRunning == 0) setBusy(false);
    Label14->setAlignment(Qt::AlignCenter);
    Label14->setText(result);
    Command18->setFocus();
}

void Form71::Command33_Click() {
    runTest(Command33, nullptr);
}
void Form71::Command17_Click() {
    runTest(Command17, nullptr);
}
void Form71::Command8_Click() {
    runTest(Command8, Label16);
}
void Form71::Command9_Click() {
    runTest(Command9, Label16);
}
void Form71::Command7_Click() {
    runTest(Command7, Label11);
}
void Form71::Command6_Click() {
    runTest(Command6, Label11);
}
void Form71::Command5_Click() {
    runTest(Command5, Label11);
}
void Form71::Command34_Click() {
    runTest(Command34, Label11);
}

} // namespace kawasaki
