#include "consoles/kawasaki/form71.h"

#include "consoles/kawasaki/form71_data.h"
#include "shell/errors32.h"
#include "shell/settings.h"
#include "ui/accessibility.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace kawasaki {

using namespace ERRORS32;

namespace {
const QColor kFormBack(128, 64, 64);
const QColor kFrameBack(212, 208, 200);
const QColor kGrey(192, 192, 192);
const QColor kLightGrey(224, 224, 224);
const QColor kDarkRed(128, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kDarkBlue(0, 0, 128);
const QColor kBlue(0, 0, 255);

QGroupBox* frame(QWidget* parent, const QString& name, const QString& title, int left, int top,
                 int width, int height) {
    auto* f = new QGroupBox(title, parent);
    f->setObjectName(name);
    ui::place(f, left, top, width, height);
    ui::setBackColor(f, kFrameBack);
    return f;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                    int width, int height) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    ui::place(b, left, top, width, height);
    return b;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, int left, int top,
              int width, int height) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    ui::place(l, left, top, width, height);
    return l;
}

// A value field: a sunken box whose text shows in the given colour.
QLabel* field(QWidget* parent, const QString& name, int left, int top, int width, int height,
              const QColor& color) {
    QLabel* l = label(parent, name, QString(), left, top, width, height);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui::setForeColor(l, color);
    return l;
}

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}
} // namespace

Form71::Form71(QWidget* parent) : consoles::ConsoleForm(parent) {
    setWindowTitle(QStringLiteral("Kawasaki ATV"));
    setClientSizeTw(10875, 6600);
    ui::setBackColor(this, kFormBack);

    buildFunctionButtons();
    buildIdentification();

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    ui::place(List1, 120, 1920, 10695, 3660);
    List1->setFont(ui::fixedFont());
    ui::setBackColor(List1, kLightGrey);
    ui::setForeColor(List1, kDarkRed);

    buildBottomBar();
    buildProgressAndMessagePanels();
    buildHistoryPanel();
    buildLiveDataPanel();
    buildActuatorsPanel();

    setProgressPanel(Frame14, Label51, 40);
    setMessagePanel(Frame7, Label7, Command15);
    setConsoleButtons({Command29, Command31, Command11, Command3, Command30, Command4, Command2,
                       Command1, Command20},
                      {Command29, Command31, Command3, Command2, Command24, Command30, Command4,
                       Command1, Command11, Command20});
    setExitButton(Command3);
    connectHandlers();
    actuatorSession = beginOperation(kActuatorTests);
}

void Form71::buildFunctionButtons() {
    Frame3 =
        frame(this, QStringLiteral("Frame3"), QStringLiteral("Kawasaki ATV"), 0, 0, 5775, 1815);
    Command29 = button(Frame3, QStringLiteral("Command29"), QString(), 120, 360, 5535, 375);
    Command31 = button(Frame3, QStringLiteral("Command31"), QString(), 120, 840, 1935, 375);
    Command30 = button(Frame3, QStringLiteral("Command30"), QString(), 2160, 840, 1455, 375);
    Command11 = button(Frame3, QStringLiteral("Command11"), QString(), 3720, 840, 1935, 375);
    Command20 = button(Frame3, QStringLiteral("Command20"), QString(), 120, 1440, 1935, 315);
    Command24 = button(Frame3, QStringLiteral("Command24"), QString(), 2160, 1320, 1455, 375);
    Command1 = button(Frame3, QStringLiteral("Command1"), QString(), 3720, 1440, 1935, 315);
    for (QPushButton* b : {Command31, Command30, Command11, Command20, Command24, Command1})
        b->setEnabled(false);
}

void Form71::buildIdentification() {
    Frame2 = frame(this, QStringLiteral("Frame2"), QString(), 5880, 0, 4935, 1815);
    auto row = [this](const QString& caption, const QString& value, int top, QLabel*& c,
                      QLabel*& v) {
        c = label(Frame2, caption, QString(), 120, top, 1395, 255);
        v = label(Frame2, value, QString(), 1560, top, 1935, 255);
        ui::setForeColor(v, kDarkBlue);
        ui::nameValue(v, c);
    };
    row(QStringLiteral("Label43"), QStringLiteral("Label49"), 360, Label43, Label49);
    row(QStringLiteral("Label44"), QStringLiteral("Label50"), 720, Label44, Label50);
    row(QStringLiteral("Label45"), QStringLiteral("Label52"), 1080, Label45, Label52);
    row(QStringLiteral("Label46"), QStringLiteral("Label53"), 1440, Label46, Label53);
    ui::place(Label53, 1560, 1440, 975, 255);
    Label47 = label(Frame2, QStringLiteral("Label47"), QString(), 2640, 1440, 1095, 255);
    Label54 = label(Frame2, QStringLiteral("Label54"), QString(), 3840, 1440, 975, 255);
    ui::setForeColor(Label54, kDarkBlue);
    ui::nameValue(Label54, Label47);
}

void Form71::buildBottomBar() {
    Frame1 = frame(this, QStringLiteral("Frame1"), QString(), 120, 5640, 10695, 855);
    Command2 = button(Frame1, QStringLiteral("Command2"), QString(), 480, 240, 1815, 495);
    Command3 = button(Frame1, QStringLiteral("Command3"), QString(), 4440, 240, 1815, 495);
    Command4 = button(Frame1, QStringLiteral("Command4"), QString(), 8400, 240, 1815, 495);
    Command2->setEnabled(false);
    Command4->setEnabled(false);
}

void Form71::buildProgressAndMessagePanels() {
    Frame14 = frame(this, QStringLiteral("Frame14"), QString(), 2280, 3600, 6255, 855);
    Frame14->setFont(ui::fixedFont());
    Label51 = label(Frame14, QStringLiteral("Label51"), QString(), 120, 300, 6015, 435);
    QFont bar = ui::fixedFont();
    bar.setBold(true);
    Label51->setFont(bar);
    ui::setBackColor(Label51, kGrey);
    ui::setForeColor(Label51, kRed);
    Frame14->hide();

    Frame7 = frame(this, QStringLiteral("Frame7"), QString(), 1440, 3000, 7935, 1455);
    Label7 = label(Frame7, QStringLiteral("Label7"), QString(), 120, 360, 7695, 495);
    Label7->setAlignment(Qt::AlignCenter);
    ui::setBackColor(Label7, kGrey);
    ui::setForeColor(Label7, kDarkRed);
    Command15 = button(Frame7, QStringLiteral("Command15"), QString(), 3120, 1080, 1695, 315);
    Frame7->hide();
}

void Form71::buildHistoryPanel() {
    Frame9 = frame(this, QStringLiteral("Frame9"), QStringLiteral("Faults History Info"), 2640,
                   1560, 5895, 4695);
    // One register: the fault line across, then pressure and R.P.M., battery and throttle.
    struct Register {
        QLabel** faultCaption;
        QLabel** fault;
        QLabel** caption[4];
        QLabel** value[4];
    };
    auto build = [this](QGroupBox* box, int number, const QString& faultName,
                        const QString& faultValue, int firstCaption, int firstValue,
                        const Register& r) {
        *r.faultCaption =
            label(box, faultName, QStringLiteral("Fault #%1").arg(number), 120, 360, 1095, 255);
        *r.fault = field(box, faultValue, 1215, 330, 4320, 315, kDarkRed);
        ui::nameValue(*r.fault, *r.faultCaption);
        const QString captions[4] = {QStringLiteral("Intake Air Press."), QStringLiteral("R.P.M."),
                                     QStringLiteral("Batt. Volt."), QString()};
        for (int i = 0; i < 4; ++i) {
            const int left = (i % 2 == 0) ? 120 : 2640;
            const int top = (i < 2) ? 840 : 1320;
            *r.caption[i] = label(box, QStringLiteral("Label%1").arg(firstCaption + i), captions[i],
                                  left, top + 30, (i % 2 == 0) ? 1575 : 1695, 255);
            *r.value[i] =
                field(box, QStringLiteral("Label%1").arg(firstValue + i),
                      (i % 2 == 0) ? 1695 : 4335, top, (i % 2 == 0) ? 855 : 1080, 315, kDarkRed);
            ui::nameValue(*r.value[i], *r.caption[i]);
        }
    };
    Frame10 = frame(Frame9, QStringLiteral("Frame10"), QStringLiteral("REGISTER 1"), 120, 240, 5655,
                    1935);
    Frame12 = frame(Frame9, QStringLiteral("Frame12"), QStringLiteral("REGISTER 2"), 120, 2280,
                    5655, 1935);
    build(Frame10, 1, QStringLiteral("Label72"), QStringLiteral("Label74"), 56, 64,
          {&Label72,
           &Label74,
           {&Label56, &Label57, &Label58, &Label59},
           {&Label64, &Label65, &Label66, &Label67}});
    build(Frame12, 2, QStringLiteral("Label73"), QStringLiteral("Label75"), 60, 68,
          {&Label73,
           &Label75,
           {&Label60, &Label61, &Label62, &Label63},
           {&Label68, &Label69, &Label70, &Label71}});
    Command21 = button(Frame9, QStringLiteral("Command21"), QString(), 2040, 4320, 1815, 315);
    Frame9->hide();
}

void Form71::buildLiveDataPanel() {
    Frame6 = frame(this, QStringLiteral("Frame6"), QString(), 1800, 2040, 7215, 3375);
    struct Row {
        QLabel** caption;
        const char* captionName;
        QLabel** value;
        const char* valueName;
    };
    const Row left[4] = {{&Label9, "Label9", &Label5, "Label5"},
                         {&Label10, "Label10", &Label6, "Label6"},
                         {&Label18, "Label18", &Label22, "Label22"},
                         {&Label19, "Label19", &Label23, "Label23"}};
    const Row right[4] = {{&Label12, "Label12", &Label15, "Label15"},
                          {&Label13, "Label13", &Label17, "Label17"},
                          {&Label20, "Label20", &Label24, "Label24"},
                          {&Label21, "Label21", &Label25, "Label25"}};
    auto place = [this](const Row& r, int captionLeft, int valueLeft, int top) {
        *r.caption = label(Frame6, QString::fromLatin1(r.captionName), QString(), captionLeft,
                           top + 30, 2055, 255);
        ui::setForeColor(*r.caption, kDarkBlue);
        *r.value = field(Frame6, QString::fromLatin1(r.valueName), valueLeft, top, 1095, 315, kRed);
        ui::nameValue(*r.value, *r.caption);
    };
    for (int i = 0; i < 4; ++i) {
        place(left[i], 240, 2340, 360 + i * 390);
        place(right[i], 3720, 5880, 360 + i * 390);
    }
    place({&Label27, "Label27", &Label28, "Label28"}, 2040, 3480, 1980);
    Label27->setText(QStringLiteral("R.P.M."));
    Label21->hide();

    Label8 = label(Frame6, QStringLiteral("Label8"), QString(), 120, 2400, 6975, 285);
    Label8->setAlignment(Qt::AlignCenter);
    Command13 = button(Frame6, QStringLiteral("Command13"), QString(), 1560, 2820, 1815, 375);
    Command12 = button(Frame6, QStringLiteral("Command12"), QString(), 3840, 2820, 1815, 375);
    Frame6->hide();
}

void Form71::buildActuatorsPanel() {
    Frame5 = frame(this, QStringLiteral("Frame5"), QString(), 2400, 2160, 6255, 3135);
    Command33 = button(Frame5, QStringLiteral("Command33"), QString(), 120, 360, 2775, 315);
    Command17 = button(Frame5, QStringLiteral("Command17"), QString(), 120, 720, 2775, 315);
    Label26 = label(Frame5, QStringLiteral("Label26"), QString(), 120, 1200, 2775, 855);
    Label26->setWordWrap(true);
    Label26->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label16 = label(Frame5, QStringLiteral("Label16"), QString(), 3120, 360, 3015, 285);
    Command8 = button(Frame5, QStringLiteral("Command8"), QStringLiteral("1"), 3720, 720, 975, 315);
    Command9 = button(Frame5, QStringLiteral("Command9"), QStringLiteral("2"), 4800, 720, 975, 315);

    Label11 = label(Frame5, QStringLiteral("Label11"), QString(), 3120, 1440, 3015, 285);
    const struct {
        QPushButton** button;
        const char* name;
        const char* caption;
        int left;
    } injectors[4] = {{&Command7, "Command7", "1", 3120},
                      {&Command6, "Command6", "2", 3960},
                      {&Command5, "Command5", "3", 4800},
                      {&Command34, "Command34", "4", 5640}};
    for (const auto& in : injectors)
        *in.button = button(Frame5, QString::fromLatin1(in.name), QString::fromLatin1(in.caption),
                            in.left, 1800, 495, 315);

    Label14 = label(Frame5, QStringLiteral("Label14"), QString(), 120, 2280, 6015, 375);
    ui::setForeColor(Label14, kBlue);
    Command18 = button(Frame5, QStringLiteral("Command18"), QString(), 2280, 2760, 1695, 315);
    Frame5->hide();
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
    on(Command15, &Form71::Command15_Click);
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
    Command20->setText(CatFaults + QStringLiteral(" Info"));
    Command31->setText(CatActuators);
    Command11->setText(CatLiveData);
    Frame2->setTitle(CatVehicleData);
    List1->setAccessibleName(CatDiagnostic);
    Label43->setText(CatEngine + QStringLiteral(" Model"));
    Label44->setText(CatEngine + QStringLiteral(" Serial"));
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
    // The temperatures are always given in degrees Celsius.
    Label12->setText(CatWaterTemp + QStringLiteral(" \u00baC"));
    Label13->setText(CatIntakeTemp + QStringLiteral(" \u00baC"));
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

bool Form71::panelOpen() const {
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
    const bool keepDisabled = panelOpen();
    if (!keepDisabled) {
        Command31->setEnabled(true);
        Command11->setEnabled(true);
    }
    const auto& id = form71data::kIdentification;
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
    if (!panelOpen()) Command1->setEnabled(true);
    const auto& fault = form71data::faultTexts(LanguageIndex);
    List1->addItem(CatFaultsDetected + QString::number(faultsStored));
    List1->addItem(QStringLiteral(" "));
    List1->addItem(CatFaultCode + QString::fromLatin1(form71data::kFaultCode));
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
    const auto& first = form71data::kHistory[0];
    Label74->setText(text(first.fault));
    Label64->setText(text(first.intakeAirPress));
    Label65->setText(text(first.rpm));
    Label66->setText(text(first.battVolt));
    Label67->setText(text(first.throttleOpening));
    Label75->setText(text(form71data::kHistory[1].fault));
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

void Form71::Command15_Click() {
    Frame7->hide();
    Command3->setFocus();
}

void Form71::Command11_Click() {
    Label10->setText(CatThrottleVolt);
    Label18->setText(CatAirIntakePress);
    Label19->setText(QStringLiteral("N/D"));
    Label21->setText(QStringLiteral("N/D"));
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
    for (int i = 0; i < kTestBars; ++i) {
        Label14->setText(Label14->text() + QLatin1Char('I'));
        if (!yieldTimes(kTestYieldsPerBar, ticket)) return false;
    }
    return true;
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
