#include "consoles/polaris/form72.h"

#include "consoles/polaris/form72_data.h"
#include "shell/errors32.h"
#include "shell/settings.h"
#include "ui/accessibility.h"
#include "ui/platform.h"
#include "ui/twips.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRegion>
#include <functional>

namespace polaris {

using namespace ERRORS32;
namespace data = form72data;

namespace {

const QColor kConsoleBack(128, 64, 64);
const QColor kWhite(255, 255, 255);
const QColor kDarkRed(128, 0, 0);
const QColor kLightGrey(224, 224, 224);
const QColor kGrey(192, 192, 192);
const QColor kDarkGrey(64, 64, 64);
const QColor kTeal(0, 128, 128);
const QColor kLightBlue(192, 224, 255);
const QColor kLampRed(192, 0, 0);

// Operation channels: Connect, Erase Faults and the live-data reading run independently,
// so that one started inside another's wait does not cut the other short.
constexpr int kEraseChannel = 2;
constexpr int kReadingChannel = 3;

// The Live Data panel's buttons and bar sit below the parameter rows.
constexpr int kRowTop = 360;
constexpr int kRowStep = 360;
constexpr int kRowHeight = 255;

// Background and text colour of a frame or label, without touching the colours the
// buttons inside take from their own style.
void paint(QWidget* w, const QColor& back, const QColor& fore) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, back);
    p.setColor(QPalette::WindowText, fore);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setTextColor(QWidget* w, const QColor& fore) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, fore);
    w->setPalette(p);
}

// Buttons inside a frame with a fixed-pitch caption keep the ordinary font.
void keepDefaultFont(QWidget* w) {
    QFont f = QApplication::font();
    f.setFamily(f.family());
    f.setPointSizeF(f.pointSizeF());
    f.setStyleHint(f.styleHint());
    w->setFont(f);
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                 int width, int height) {
    auto* f = new QGroupBox(caption, parent);
    f->setObjectName(name);
    ui::place(f, left, top, width, height);
    return f;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                    int width, int height = 255) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    ui::place(b, left, top, width, height);
    return b;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, int left, int top,
              int width, int height = 255) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    ui::place(l, left, top, width, height);
    return l;
}

// A multi-line text label whose texts break their lines at carriage returns (the plain
// label only breaks at line feeds). The text can be selected but takes no focus.
void breakAtCarriageReturns(QLabel* l) {
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setTextFormat(Qt::PlainText);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setFocusPolicy(Qt::NoFocus);
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// Runs a handler when the label is clicked (released over it with the left button).
class ClickHook : public QObject {
public:
    ClickHook(QWidget* target, std::function<void()> fn) : QObject(target), m_fn(std::move(fn)) {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::MouseButtonRelease) return false;
        auto* me = static_cast<QMouseEvent*>(e);
        auto* w = static_cast<QWidget*>(watched);
        if (me->button() == Qt::LeftButton && w->rect().contains(me->position().toPoint())) m_fn();
        return false;
    }

private:
    std::function<void()> m_fn;
};

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
    setWindowTitle(QStringLiteral("Polaris Atv"));
    setClientSizeTw(10875, 6600);
    paint(this, kConsoleBack, kWhite);

    buildButtonPanel();
    buildVehicleData();

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    ui::place(List1, 120, 1920, 10695, 3660);
    List1->setFont(ui::fixedFont());
    {
        QPalette p = List1->palette();
        p.setColor(QPalette::Base, kLightGrey);
        p.setColor(QPalette::Text, kDarkRed);
        List1->setPalette(p);
    }

    buildBottomBar();
    buildProgressAndMessage();
    buildEcuInfo();
    buildLiveData();
    buildBaseTiming();
    wireHandlers();

    setProgressPanel(Frame14, Label51, 30);
    setMessagePanel(Frame7, Label7, Command15);
    const QList<QPushButton*> consoleButtons = {Command29, Command19, Command31, Command3,
                                                Command2,  Command24, Command30, Command4,
                                                Command1,  Command9,  Command20};
    setConsoleButtons(consoleButtons, consoleButtons);
    setExitButton(Command3);
}

void Form72::buildButtonPanel() {
    Frame3 = frame(this, QStringLiteral("Frame3"), QStringLiteral("Polaris Atv"), 0, 0, 5775, 1815);
    paint(Frame3, kConsoleBack, kWhite);
    Frame3->setFont(ui::fixedFont());
    Command29 =
        button(Frame3, QStringLiteral("Command29"), QStringLiteral("Conectar"), 120, 360, 5535);
    Command31 =
        button(Frame3, QStringLiteral("Command31"), QStringLiteral("Actuadores"), 120, 840, 1935);
    Command30 = button(Frame3, QStringLiteral("Command30"), QStringLiteral("Diagnosis"), 2160, 840,
                       1455, 375);
    Command1 = button(Frame3, QStringLiteral("Command1"), QStringLiteral("Anular Fallos"), 3720,
                      840, 1935);
    Command24 = button(Frame3, QStringLiteral("Command24"),
                       QStringLiteral("ETB Learning Procedure"), 120, 1440, 1935);
    Command20 = button(Frame3, QStringLiteral("Command20"), QStringLiteral("ECU Info"), 2160, 1320,
                       1455, 375);
    Command9 = button(Frame3, QStringLiteral("Command9"), QStringLiteral("Base Timing Mode"), 3720,
                      1440, 1935);
    for (QPushButton* b :
         {Command29, Command31, Command30, Command1, Command24, Command20, Command9})
        keepDefaultFont(b);
    for (QPushButton* b : {Command31, Command30, Command1, Command24, Command20, Command9})
        b->setEnabled(false);
}

void Form72::buildVehicleData() {
    Frame2 = frame(this, QStringLiteral("Frame2"), QString(), 5880, 0, 4935, 1815);
    paint(Frame2, kConsoleBack, kWhite);
    Frame2->setFont(ui::fixedFont());
    QLabel** captions[] = {&Label42, &Label43, &Label44};
    QLabel** values[] = {&Label48, &Label49, &Label50};
    const char* captionNames[] = {"Label42", "Label43", "Label44"};
    const char* valueNames[] = {"Label48", "Label49", "Label50"};
    for (int i = 0; i < data::kVehicleRows; ++i) {
        const data::DataRow& row = data::kVehicleData[i];
        *captions[i] = label(Frame2, QLatin1String(captionNames[i]), QLatin1String(row.caption),
                             120, row.top, 1335);
        keepDefaultFont(*captions[i]);
        *values[i] = label(Frame2, QLatin1String(valueNames[i]), QString(), 1560, row.top, 3255);
        ui::nameValue(*values[i], *captions[i]);
    }
}

void Form72::buildBottomBar() {
    Frame1 = frame(this, QStringLiteral("Frame1"), QString(), 120, 5640, 10695, 855);
    paint(Frame1, kConsoleBack, kWhite);
    Command2 =
        button(Frame1, QStringLiteral("Command2"), QStringLiteral("Grabar"), 480, 360, 1815, 300);
    Command19 =
        button(Frame1, QStringLiteral("Command19"), QStringLiteral("Help"), 3120, 360, 1815, 300);
    Command3 =
        button(Frame1, QStringLiteral("Command3"), QStringLiteral("Salir"), 5760, 360, 1815, 300);
    Command4 =
        button(Frame1, QStringLiteral("Command4"), QStringLiteral("Informe"), 8400, 360, 1815, 300);
}

void Form72::buildProgressAndMessage() {
    Frame14 = frame(this, QStringLiteral("Frame14"), QString(), 2280, 3600, 6255, 855);
    paint(Frame14, kGrey, Qt::black);
    Frame14->setFont(ui::fixedFont());
    Label51 = label(Frame14, QStringLiteral("Label51"), QString(), 120, 360, 6015, 375);
    setTextColor(Label51, Qt::red);
    Frame14->hide();

    Frame7 = frame(this, QStringLiteral("Frame7"), QString(), 1440, 3000, 7935, 1455);
    paint(Frame7, kGrey, Qt::black);
    Label7 = label(Frame7, QStringLiteral("Label7"), QString(), 120, 360, 7695);
    Label7->setAlignment(Qt::AlignCenter);
    setTextColor(Label7, kDarkRed);
    Command15 =
        button(Frame7, QStringLiteral("Command15"), QStringLiteral("Salir"), 3120, 1080, 1695, 300);
    Frame7->hide();
}

void Form72::buildEcuInfo() {
    Frame13 =
        frame(this, QStringLiteral("Frame13"), QStringLiteral("ECU Info"), 3600, 2160, 3735, 3375);
    paint(Frame13, kTeal, kDarkRed);
    QLabel** captions[] = {&Label20, &Label21, &Label30, &Label31, &Label32, &Label33};
    QLabel** values[] = {&Label12, &Label34, &Label46, &Label47, &Label52, &Label53};
    const char* captionNames[] = {"Label20", "Label21", "Label30", "Label31", "Label32", "Label33"};
    const char* valueNames[] = {"Label12", "Label34", "Label46", "Label47", "Label52", "Label53"};
    for (int i = 0; i < data::kEcuInfoRows; ++i) {
        const data::DataRow& row = data::kEcuInfo[i];
        *captions[i] = label(Frame13, QLatin1String(captionNames[i]), QLatin1String(row.caption),
                             120, row.top, 1455);
        *values[i] = label(Frame13, QLatin1String(valueNames[i]), QString(), 1680, row.top, 1935);
        ui::nameValue(*values[i], *captions[i]);
    }
    Command11 =
        button(Frame13, QStringLiteral("Command11"), QStringLiteral("Salir"), 840, 3000, 2295, 300);
    Frame13->hide();
}

void Form72::buildLiveData() {
    Frame6 = frame(this, QStringLiteral("Frame6"), QString(), 1440, 1800, 7935, 4095);
    paint(Frame6, kTeal, Qt::black);
    for (int i = 0; i < data::kParameterCount; ++i) {
        const bool right = i >= 7;
        const int top = kRowTop + kRowStep * (i % 7);
        QLabel* help = label(Frame6, indexed("Label28", i), QStringLiteral("?"), right ? 4080 : 120,
                             top, 255, 255);
        help->setAlignment(Qt::AlignCenter);
        paint(help, Qt::red, Qt::black);
        help->setCursor(Qt::PointingHandCursor);
        Label28 << help;
        Label9 << label(Frame6, indexed("Label9", i),
                        QString::fromUtf8(data::kParameters[i].designName), right ? 4440 : 480, top,
                        2295, kRowHeight);
        Label5 << label(Frame6, indexed("Label5", i), QString(), right ? 6840 : 2880, top, 975,
                        kRowHeight);
        // Read as "RPM ?" and "RPM 1200".
        ui::nameValue(help, Label9[i]);
        ui::nameValue(Label5[i], Label9[i]);
    }
    Line1 = new QFrame(Frame6);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::VLine);
    Line1->setFrameShadow(QFrame::Plain);
    ui::place(Line1, 3960, 300, 15, 7 * kRowStep);
    Label8 = label(Frame6, QStringLiteral("Label8"), QString(), 600, 3120, 6735);
    setTextColor(Label8, Qt::blue);
    Command13 = button(Frame6, QStringLiteral("Command13"), QStringLiteral("Conectar"), 840, 3600,
                       2295, 300);
    Command12 =
        button(Frame6, QStringLiteral("Command12"), QStringLiteral("Salir"), 4800, 3600, 2295, 300);
    buildHelpPopup();
    Frame6->hide();
}

void Form72::buildHelpPopup() {
    Frame9 = frame(Frame6, QStringLiteral("Frame9"), QString(), 3960, 240, 3855, 2655);
    paint(Frame9, kDarkGrey, kLightGrey);
    Label6 = label(Frame9, QStringLiteral("Label6"), QString(), 120, 240, 3615, 1650);
    breakAtCarriageReturns(Label6);
    QFont small = Label6->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    Label6->setFont(small);
    Label13 = label(Frame9, QStringLiteral("Label13"), QStringLiteral("Max"), 120, 1920, 855, 285);
    Label16 = label(Frame9, QStringLiteral("Label16"), QStringLiteral("Min"), 2040, 1920, 855, 285);
    Label18 = label(Frame9, QStringLiteral("Label18"), QString(), 960, 1920, 855, 285);
    Label19 = label(Frame9, QStringLiteral("Label19"), QString(), 2880, 1920, 855, 285);
    Command6 =
        button(Frame9, QStringLiteral("Command6"), QStringLiteral("Salir"), 1320, 2280, 1215, 300);
    ui::nameValue(Label18, Label13);
    ui::nameValue(Label19, Label16);
    Frame9->hide();
}

void Form72::buildBaseTiming() {
    Frame12 = frame(this, QStringLiteral("Frame12"), QStringLiteral("Base Timing Mode"), 3360, 2040,
                    4215, 3255);
    paint(Frame12, kLightBlue, Qt::black);
    Label27 = label(Frame12, QStringLiteral("Label27"), QString(), 240, 360, 3735, 1215);
    breakAtCarriageReturns(Label27);
    Label41 = label(Frame12, QStringLiteral("Label41"), QString::fromLatin1(data::kBaseTimingValue),
                    1560, 1680, 1095, 855);
    QFont big(QStringLiteral("Arial Black"));
    big.setWeight(QFont::Black);
    big.setPointSize(26);
    Label41->setFont(big);
    Label41->setAlignment(Qt::AlignCenter);
    paint(Label41, Qt::black, Qt::green);
    Label45 = label(Frame12, QStringLiteral("Label45"), QString::fromLatin1(data::kBaseTimingUnit),
                    1560, 2520, 1095, 255);
    Label45->setAlignment(Qt::AlignCenter);
    ui::nameValue(Label41, Frame12, Label45);
    Shape1 = new QFrame(Frame12);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    ui::place(Shape1, 2760, 1920, 375, 375);
    Shape1->setMask(QRegion(Shape1->rect(), QRegion::Ellipse));
    paint(Shape1, kLampRed, Qt::black);
    Command10 =
        button(Frame12, QStringLiteral("Command10"), QStringLiteral("Salir"), 960, 2880, 2295, 300);
    Frame12->hide();
}

void Form72::wireHandlers() {
    connect(Command29, &QPushButton::clicked, this, &Form72::Command29_Click);
    connect(Command30, &QPushButton::clicked, this, &Form72::Command30_Click);
    connect(Command1, &QPushButton::clicked, this, &Form72::Command1_Click);
    connect(Command20, &QPushButton::clicked, this, &Form72::Command20_Click);
    connect(Command11, &QPushButton::clicked, this, &Form72::Command11_Click);
    connect(Command15, &QPushButton::clicked, this, &Form72::Command15_Click);
    connect(Command31, &QPushButton::clicked, this, &Form72::Command31_Click);
    connect(Command13, &QPushButton::clicked, this, &Form72::Command13_Click);
    connect(Command12, &QPushButton::clicked, this, &Form72::Command12_Click);
    connect(Command6, &QPushButton::clicked, this, &Form72::Command6_Click);
    connect(Command9, &QPushButton::clicked, this, &Form72::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &Form72::Command10_Click);
    connect(Command24, &QPushButton::clicked, this, &Form72::Command24_Click);
    for (int i = 0; i < Label28.size(); ++i) {
        new ClickHook(Label28[i], [this, i] { Label28_Click(i); });
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
    Command24->setText(LanguageIndex == 1 ? QStringLiteral("Servicio")
                                          : QStringLiteral("TPS Initialization"));

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
    for (int i = 0; i < 5; ++i)
        if (!growBar(QStringLiteral("IIII"), kYieldsPerExtraBar, ticket)) return;
    Label48->setText(QLatin1String(data::kVehicleData[0].value));
    Label49->setText(QLatin1String(data::kVehicleData[1].value));
    Label50->setText(QLatin1String(data::kVehicleData[2].value));
    Label51->clear();
    setBusy(false);
    Frame14->hide();
    for (QPushButton* b : {Command30, Command9, Command24, Command1, Command31, Command20})
        b->setEnabled(true);
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
    const Ticket ticket = beginOperation(kEraseChannel);
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
        values[i]->setText(QLatin1String(data::kEcuInfo[i].value));
    Command11->setFocus();
}

void Form72::Command11_Click() {
    Frame13->hide();
    EnableConsoleButtons();
    Command3->setFocus();
}

// Message panel
void Form72::Command15_Click() {
    Frame7->hide();
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
    const Ticket ticket = beginOperation(kReadingChannel);
    ReadingScope scope(this, readingLoops);
    liveDataState = kReading;
    Label8->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label8->clear();
    Command13->setEnabled(false);
    Command12->setText(QStringLiteral("Stop"));
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
    (void)beginOperation(kReadingChannel);
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
    paint(Shape1, kLampRed, Qt::black);
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
