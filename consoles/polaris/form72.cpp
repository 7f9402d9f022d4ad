#include "consoles/polaris/form72.h"

#include "consoles/polaris/form72_data.h"
#include "shell/errors32.h"
#include "shell/settings.h"
#include "ui/accessibility.h"
#include "ui/events.h"
#include "ui/platform.h"
#include "ui/twips.h"
#include "ui/widgets.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegion>

namespace polaris {

using namespace ERRORS32;
namespace data = form72data;

namespace {

const QColor kTeal(0, 128, 128);
const QColor kDarkGrey(64, 64, 64);
const QColor kLightBlue(192, 224, 255);
const QColor kLampRed(192, 0, 0);

// Counts a running reading loop for as long as the loop runs and its window exists.
class ReadingScope {
public:
    ReadingScope(Form72* form, int& counter) : m_form(form), m_counter(&counter) { ++counter; }
    ~ReadingScope() {
        if (m_form) --*m_counter;
    }
    ReadingScope(const ReadingScope&) = delete;
    ReadingScope& operator=(const ReadingScope&) = delete;

private:
    QPointer<Form72> m_form;
    int* m_counter;
};

} // namespace

Form72::Form72(QWidget* parent) : consoles::ConsoleForm(parent) {
    const QList<const char*> consoleButtons = {"Command29", "Command19", "Command31", "Command3",
                                               "Command2",  "Command24", "Command30", "Command4",
                                               "Command1",  "Command9",  "Command20"};
    const ui::Design d = buildConsole(
        data::kDesign, {"Polaris Atv", Qt::white, true, false, 30, consoleButtons, consoleButtons});
    d.get({{Command31, "Command31"}, {Command30, "Command30"}, {Command1, "Command1"},
           {Command24, "Command24"}, {Command20, "Command20"}, {Command9, "Command9"},
           {Label42, "Label42"},     {Label43, "Label43"},     {Label44, "Label44"},
           {Label48, "Label48"},     {Label49, "Label49"},     {Label50, "Label50"},
           {Command19, "Command19"}, {Frame13, "Frame13"},     {Label20, "Label20"},
           {Label21, "Label21"},     {Label30, "Label30"},     {Label31, "Label31"},
           {Label32, "Label32"},     {Label33, "Label33"},     {Label12, "Label12"},
           {Label34, "Label34"},     {Label46, "Label46"},     {Label47, "Label47"},
           {Label52, "Label52"},     {Label53, "Label53"},     {Command11, "Command11"},
           {Frame6, "Frame6"},       {Line1, "Line1"},         {Label8, "Label8"},
           {Command13, "Command13"}, {Command12, "Command12"}, {Frame9, "Frame9"},
           {Label6, "Label6"},       {Label13, "Label13"},     {Label16, "Label16"},
           {Label18, "Label18"},     {Label19, "Label19"},     {Command6, "Command6"},
           {Frame12, "Frame12"},     {Label27, "Label27"},     {Label41, "Label41"},
           {Label45, "Label45"},     {Shape1, "Shape1"},       {Command10, "Command10"}});
    d.getArray(Label28, "Label28", data::kParameterCount);
    d.getArray(Label9, "Label9", data::kParameterCount);
    d.getArray(Label5, "Label5", data::kParameterCount);
    dressControls();
    wireHandlers();
}

// Fonts, colours and screen-reader names beyond the console's skeleton; panels hidden.
void Form72::dressControls() {
    ui::paint(Frame14, ui::kGrey, Qt::black);
    ui::paint(Frame7, ui::kGrey, Qt::black);
    Frame2->setFont(ui::fixedFont());
    QLabel* vehicleCaptions[] = {Label42, Label43, Label44};
    QLabel* vehicleValues[] = {Label48, Label49, Label50};
    for (int i = 0; i < data::kVehicleRows; ++i) {
        ui::keepDefaultFont(vehicleCaptions[i]);
        ui::nameValue(vehicleValues[i], vehicleCaptions[i]);
    }

    ui::paint(Frame13, kTeal, ui::kDarkRed);
    QLabel* ecuCaptions[] = {Label20, Label21, Label30, Label31, Label32, Label33};
    QLabel* ecuValues[] = {Label12, Label34, Label46, Label47, Label52, Label53};
    for (int i = 0; i < data::kEcuInfoRows; ++i)
        ui::nameValue(ecuValues[i], ecuCaptions[i]);

    ui::paint(Frame6, kTeal, Qt::black);
    for (int i = 0; i < data::kParameterCount; ++i) {
        Label28[i]->setAlignment(Qt::AlignCenter);
        ui::paint(Label28[i], Qt::red, Qt::black);
        Label28[i]->setCursor(Qt::PointingHandCursor);
        // Read as "RPM ?" and "RPM 1200".
        ui::nameValue(Label28[i], Label9[i]);
        ui::nameValue(Label5[i], Label9[i]);
    }
    Line1->setFrameShape(QFrame::VLine);
    Line1->setFrameShadow(QFrame::Plain);
    ui::paintText(Label8, Qt::blue);

    ui::paint(Frame9, kDarkGrey, ui::kLightGrey);
    ui::breakAtCarriageReturns(Label6);
    QFont small = Label6->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    Label6->setFont(small);
    ui::nameValue(Label18, Label13);
    ui::nameValue(Label19, Label16);

    ui::paint(Frame12, kLightBlue, Qt::black);
    ui::breakAtCarriageReturns(Label27);
    QFont big(QStringLiteral("Arial Black"));
    big.setWeight(QFont::Black);
    big.setPointSize(26);
    Label41->setFont(big);
    Label41->setAlignment(Qt::AlignCenter);
    ui::paint(Label41, Qt::black, Qt::green);
    Label45->setAlignment(Qt::AlignCenter);
    ui::nameValue(Label41, Frame12, Label45);
    Shape1->setMask(QRegion(Shape1->rect(), QRegion::Ellipse));
    ui::paint(Shape1, kLampRed, Qt::black);

    for (QWidget* panel : {Frame13, Frame9, Frame6, Frame12})
        panel->hide();
}

void Form72::wireHandlers() {
    connect(Command29, &QPushButton::clicked, this, &Form72::Command29_Click);
    connect(Command30, &QPushButton::clicked, this, &Form72::Command30_Click);
    connect(Command1, &QPushButton::clicked, this, &Form72::Command1_Click);
    connect(Command20, &QPushButton::clicked, this, &Form72::Command20_Click);
    connect(Command11, &QPushButton::clicked, this, &Form72::Command11_Click);
    connect(Command31, &QPushButton::clicked, this, &Form72::Command31_Click);
    connect(Command13, &QPushButton::clicked, this, &Form72::Command13_Click);
    connect(Command12, &QPushButton::clicked, this, &Form72::Command12_Click);
    connect(Command6, &QPushButton::clicked, this, &Form72::Command6_Click);
    connect(Command9, &QPushButton::clicked, this, &Form72::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &Form72::Command10_Click);
    connect(Command24, &QPushButton::clicked, this, &Form72::Command24_Click);
    for (int i = 0; i < Label28.size(); ++i) {
        ui::onClick(Label28[i], [this, i] { Label28_Click(i); });
        // Tab reaches the "?" signs; Space or Enter opens the help like a click.
        ui::makeActivatable(Label28[i], [this, i] { Label28_Click(i); });
    }
    // Save, Help and Reports have no action in this console.
}

void Form72::onLoad() {
    fillParameterLimits();

    exitCaption = CatExit;
    for (QPushButton* b : {Command3, Command11, Command15, Command10, Command6, Command12})
        b->setText(CatExit);
    Command31->setText(CatLiveData);
    Frame6->setTitle(CatLiveData);
    Command4->setText(CatReports);
    Command2->setText(CatSave);
    Command30->setText(CatDiagnostic);
    Command1->setText(CatEraseFaults);
    Command19->setText(CatHelp);
    Frame2->setTitle(CatVehicleData);
    List1->setAccessibleName(CatDiagnostic);
    Command29->setText(CatConnectWithEcm);
    Command13->setText(CatConnectWithEcm);
    Command24->setText(data::kLearningCaption.in(LanguageIndex));

    // The stored fault comes back with every opening of the console.
    faultsStored = 1;
    setParameterNames();
    TodayDate = shell::buildTodayDate();

    show();
    Command3->setFocus();
}

void Form72::fillParameterLimits() {
    for (QString& s : parameterMaximum)
        s.clear();
    for (QString& s : parameterMinimum)
        s.clear();
    for (int i = 0; i < data::kParameterCount; ++i) {
        parameterMaximum[i] = QString::fromLatin1(data::kParameters[i].maximum);
        parameterMinimum[i] = QString::fromLatin1(data::kParameters[i].minimum);
    }
    if (const data::TemperatureReading* t = data::temperatureReading(TemperatureUnit)) {
        parameterMaximum[data::kTemperature] = QString::fromLatin1(t->maximum);
        parameterMinimum[data::kTemperature] = QString::fromLatin1(t->minimum);
    }
}

void Form72::setParameterNames() {
    for (int i = 0; i < data::kParameterCount; ++i)
        if (const QString* name = data::kParameters[i].catalogName) Label9[i]->setText(*name);
}

// Connect
void Form72::Command29_Click() {
    const Ticket ticket = beginOperation(kCommunication);
    Label51->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label51->clear();
    if (!ShowConnectingProgress(ticket)) return;
    if (!growBar(Label51, QStringLiteral("IIII"), 5, kYieldsPerExtraBar, ticket)) return;
    Label48->setText(QLatin1String(data::kVehicleData[0]));
    Label49->setText(QLatin1String(data::kVehicleData[1]));
    Label50->setText(QLatin1String(data::kVehicleData[2]));
    Label51->clear();
    setBusy(false);
    Frame14->hide();
    // A panel opened meanwhile keeps the console's buttons off until it closes.
    if (!panelOpen()) EnableConsoleButtons();
}

// Diagnostic
void Form72::Command30_Click() {
    List1->clear();
    setBusy(true);
    if (faultsStored != 0) {
        List1->addItem(CatFaultsDetected + QStringLiteral("1"));
        List1->addItem(QStringLiteral(" "));
        List1->addItem(CatFaultCode + QLatin1String(data::kFaultCode));
        for (const data::Bilingual& line : data::kFaultText)
            List1->addItem(line.in(LanguageIndex));
        setBusy(false);
        Frame14->hide();
        return;
    }
    setBusy(false);
    Frame14->hide();
    List1->clear();
    showMessage(CatNoFaults);
}

// Erase Faults
void Form72::Command1_Click() {
    const Ticket ticket = beginOperation(kErase);
    if (!ShowConnectingProgress(ticket)) return;
    Frame14->hide();
    List1->clear();
    showMessage(CatFaultsErased);
    setBusy(false);
    faultsStored = 0;
}

// ECU Info
void Form72::Command20_Click() {
    DisableConsoleButtons();
    Frame13->show();
    Frame13->raise();
    QLabel* values[] = {Label12, Label34, Label46, Label47, Label52, Label53};
    for (int i = 0; i < data::kEcuInfoRows; ++i)
        values[i]->setText(QLatin1String(data::kEcuInfo[i]));
    Command11->setFocus();
}

void Form72::Command11_Click() {
    Frame13->hide();
    EnableConsoleButtons();
    Command3->setFocus();
}

// Live Data
void Form72::Command31_Click() {
    DisableConsoleButtons();
    liveDataState = kPanelOpen;
    Frame6->show();
    Frame6->raise();
    Command12->setFocus();
}

// Reading live data: runs until Stop, until the panel closes or until the window goes away.
void Form72::Command13_Click() {
    const Ticket ticket = beginOperation(kReading);
    ReadingScope scope(this, readingLoops);
    liveDataState = kReading;
    Label8->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label8->clear();
    Command13->setEnabled(false);
    Command12->setText(QString::fromLatin1(data::kStopCaption));
    Frame9->hide();
    Label18->clear();
    Label19->clear();
    for (;;) {
        Label8->setText(Label8->text() + QStringLiteral("IIII"));
        writeLiveValues();
        if (liveDataState == kStopRequested) return;
        if (!yieldTimes(kYieldsPerReading, ticket)) return;
        if (liveDataState == kStopRequested) return;
        if (Label8->text().size() >= kReadingBarLimit) Label8->clear();
    }
}

void Form72::writeLiveValues() {
    for (int i : data::kWriteOrder)
        Label5[i]->setText(QLatin1String(data::kParameters[i].value));
    const data::TemperatureReading* t = data::temperatureReading(TemperatureUnit);
    Label5[data::kTemperature]->setText(t ? QLatin1String(t->value) : QLatin1String());
}

// Stop while reading; Exit otherwise.
void Form72::Command12_Click() {
    Command13->setEnabled(true);
    Command12->setText(exitCaption);
    Frame9->hide();
    Label18->clear();
    Label19->clear();
    if (liveDataState == kReading) {
        liveDataState = kStopRequested;
        return;
    }
    // Closing the panel also ends a reading that has not yet seen its stop request, so that
    // no reading goes on behind the closed panel.
    (void)beginOperation(kReading);
    Label8->clear();
    for (QLabel* l : std::as_const(Label5))
        l->clear();
    liveDataState = 0;
    EnableConsoleButtons();
    Frame6->hide();
    Command3->setFocus();
}

// Help popup of parameter `index`
void Form72::Label28_Click(int index) {
    helpParameterIndex = static_cast<short>(index);
    Frame9->setTitle(Label9[index]->text());
    Label18->setText(parameterMaximum[index]);
    Label19->setText(parameterMinimum[index]);
    ShowParameterHelp();
    // Over the other column, so that the parameter itself stays visible.
    ui::moveTw(Frame9, index < 7 ? 3960 : 120, 240);
    Frame9->show();
    Frame9->raise();
    Command6->setFocus();
}

void Form72::Command6_Click() {
    Frame9->hide();
    Command12->setFocus();
}

void Form72::ShowParameterHelp() {
    Label6->setText(data::kParameterHelp[helpParameterIndex].in(LanguageIndex));
}

// Base Timing Mode
void Form72::Command9_Click() {
    ui::paint(Shape1, kLampRed, Qt::black);
    Frame12->show();
    Frame12->raise();
    Command10->setFocus();
    DisableConsoleButtons();
    ShowBaseTimingText();
}

void Form72::Command10_Click() {
    EnableConsoleButtons();
    Frame12->hide();
    Command3->setFocus();
}

void Form72::ShowBaseTimingText() {
    Label27->setText(data::kBaseTimingText.in(LanguageIndex));
}

// Throttle-body learning
void Form72::Command24_Click() {
    ui::platform().messageBox(this, QString::fromLatin1(data::kDemoMessage));
}

} // namespace polaris
