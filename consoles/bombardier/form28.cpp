#include "consoles/bombardier/form28.h"

#include "consoles/bombardier/form28_data.h"
#include "consoles/bombardier/widgets.h"
#include "shell/errors32.h"
#include "shell/settings.h"
#include "ui/events.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

namespace bombardier {

using namespace ERRORS32;
using namespace widgets;

namespace {
constexpr int kClientWidth = 10875;
constexpr int kClientHeight = 6600;
constexpr int kButtonHeight = 360;
} // namespace

Form28::Form28(QWidget* parent) : consoles::ConsoleForm(parent) {
    setWindowTitle(QStringLiteral("Bombardier"));
    setClientSizeTw(kClientWidth, kClientHeight);
    paintBackground(this, kConsoleColour);
    paintText(this, Qt::white);

    buildFunctionBlock();
    buildLists();
    buildLiveDataPanel();
    buildMonitoringPanel();
    buildRecordedData();
    buildMaintenancePanels();
    // Progress and message panels last: they show over every other panel.
    buildProgressAndMessage();

    setProgressPanel(Frame14, Label51, 20);
    setMessagePanel(Frame7, Label7, Command15);
    const QList<QPushButton*> consoleButtons = {Command55, Command29, Command21, Command31,
                                                Command47, Command3,  Command6,  Command30,
                                                Command4,  Command2,  Command1,  Command33};
    setConsoleButtons(consoleButtons, consoleButtons);
    setExitButton(Command3);
    ui::onGotFocus(Command3, [this] { Command3_GotFocus(); });

    connect(Command29, &QPushButton::clicked, this, &Form28::Command29_Click);
    connect(Command30, &QPushButton::clicked, this, &Form28::Command30_Click);
    connect(Command1, &QPushButton::clicked, this, &Form28::Command1_Click);
    connect(Command31, &QPushButton::clicked, this, &Form28::Command31_Click);
    connect(Command55, &QPushButton::clicked, this, &Form28::Command55_Click);
    connect(Command15, &QPushButton::clicked, this, &Form28::Command15_Click);
    // Maintenance functions (form28_maintenance.cpp).
    connect(Command33, &QPushButton::clicked, this, &Form28::Command33_Click);
    connect(Command47, &QPushButton::clicked, this, &Form28::Command47_Click);
    connect(Command21, &QPushButton::clicked, this, &Form28::Command21_Click);
    connect(Command6, &QPushButton::clicked, this, &Form28::Command6_Click);
}

void Form28::buildFunctionBlock() {
    Frame3 = frame(this, "Frame3", QStringLiteral("ATV Four Stroke"), 0, 0, 5775, 1815);
    Frame3->setFont(ui::fixedFont());

    constexpr int left[] = {120, 1995, 3870};
    constexpr int width = 1785;
    constexpr int top[] = {285, 660, 1035, 1410};
    Command29 = button(Frame3, "Command29", QString(), 120, top[0], 5535, kButtonHeight);
    Command21 = button(Frame3, "Command21", QString(), left[0], top[1], width, kButtonHeight);
    Command30 = button(Frame3, "Command30", QString(), left[1], top[1], width, kButtonHeight);
    Command6 = button(Frame3, "Command6", QString(), left[2], top[1], width, kButtonHeight);
    Command47 = button(Frame3, "Command47", QString(), left[0], top[2], width, kButtonHeight);
    Command58 = button(Frame3, "Command58", QStringLiteral("Freeze Frame"), left[1], top[2], width,
                       kButtonHeight);
    Command31 = button(Frame3, "Command31", QString(), left[2], top[2], width, kButtonHeight);
    Command55 =
        button(Frame3, "Command55", QStringLiteral("Info"), left[0], top[3], width, kButtonHeight);
    Command1 = button(Frame3, "Command1", QString(), left[1], top[3], width, kButtonHeight);
    Command33 = button(Frame3, "Command33", QString(), left[2], top[3], width, kButtonHeight);
    for (QPushButton* b : {Command29, Command21, Command30, Command6, Command47, Command58,
                           Command31, Command55, Command1, Command33}) {
        usePlainFont(b);
        if (b != Command29) b->setEnabled(false);
    }
}

void Form28::buildLists() {
    Frame2 = frame(this, "Frame2", QString(), 5880, 0, 4935, 1815);
    List2 = new QListWidget(Frame2);
    List2->setObjectName(QStringLiteral("List2"));
    ui::place(List2, 120, 285, 4695, 1410);
    List2->setFont(ui::fixedFont());
    ui::setForeColor(List2, kDarkBlue);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    ui::place(List1, 120, 1920, 10695, 3660);
    List1->setFont(ui::fixedFont());
    ui::setForeColor(List1, kDarkRed);
    QPalette p = List1->palette();
    p.setColor(QPalette::Base, kLightGrey);
    List1->setPalette(p);

    Frame1 = frame(this, "Frame1", QString(), 120, 5640, 10695, 855);
    Command2 = button(Frame1, "Command2", QString(), 720, 240, 2175, 450);
    Command3 = button(Frame1, "Command3", QString(), 4260, 240, 2175, 450);
    Command4 = button(Frame1, "Command4", QString(), 7800, 240, 2175, 450);
    Command2->setEnabled(false);
    Command4->setEnabled(false);
}

void Form28::buildProgressAndMessage() {
    Frame14 = overlay(this, "Frame14", QString(), 2400, 3360, 6255, 855);
    Frame14->setFont(ui::fixedFont());
    Label51 = label(Frame14, "Label51", QString(), 120, 330, 6015, 375);
    paintBackground(Label51, kGrey);
    paintText(Label51, kRed);

    Frame7 = overlay(this, "Frame7", QString(), 1440, 3000, 7935, 1455);
    Label7 = label(Frame7, "Label7", QString(), 120, 330, 7695, 375);
    Label7->setAlignment(Qt::AlignCenter);
    paintBackground(Label7, kGrey);
    paintText(Label7, kDarkRed);
    Command15 = button(Frame7, "Command15", QString(), 3240, 840, 1455, 435);
}

void Form28::onLoad() {
    Command29->setText(CatConnectWithEcm);
    Command21->setText(CatSettings);
    Command30->setText(CatDiagnostic);
    Command6->setText(CatActuators);
    Command47->setText(CatService);
    Command31->setText(CatLiveData);
    Command1->setText(CatEraseFaults);
    Command33->setText(CatKeys);
    Frame2->setTitle(CatVehicleData);
    List2->setAccessibleName(CatVehicleData);
    List1->setAccessibleName(CatDiagnostic);
    Command2->setText(CatSave);
    Command3->setText(CatExit);
    Command4->setText(CatReports);
    Command15->setText(CatExit);
    Frame12->setTitle(CatPurchase);
    Label9->setText(CatCustomer);
    Label26->setText(CatDeliveryDate);
    Command56->setText(CatExit);
    loadMaintenanceCaptions();

    TodayDate = shell::buildTodayDate();
    prepareKeyGrid();

    show();
    Command3->setFocus();
}

void Form28::hideMaintenanceFrames() {
    for (QWidget* f : {static_cast<QWidget*>(Frame10), static_cast<QWidget*>(Frame8),
                       static_cast<QWidget*>(Frame9), static_cast<QWidget*>(Frame5)})
        if (f) f->hide();
}

void Form28::focusWithAction(QWidget* control, void (Form28::*gotFocus)()) {
    control->setFocus();
    // An inactive window keeps the focus change to itself until it is activated; the
    // action must not wait for that.
    if (!control->hasFocus()) (this->*gotFocus)();
}

void Form28::focusConsoleExit() {
    Command3->setEnabled(true);
    focusWithAction(Command3, &Form28::Command3_GotFocus);
}

// ---- Connect ----

void Form28::Command29_Click() {
    const Ticket ticket = beginOperation(kCommunication);
    hideMaintenanceFrames();
    for (QPushButton* b : {Command55, Command30, Command33, Command31, Command6, Command1, Command2,
                           Command4, Command47, Command21})
        b->setEnabled(false);
    List1->clear();
    List2->clear();
    if (!ShowConnectingProgress(ticket)) return;

    Text7->setText(QString::fromUtf8(data::kCustomer));
    Text8->setText(QString::fromUtf8(LanguageIndex == 2 ? data::kDeliveryDateEnglish
                                                        : data::kDeliveryDateOther));
    ecmHoursText = QString::fromUtf8(data::kEcmHours);
    for (int i = 0; i < 5; ++i)
        if (!growBar(QStringLiteral("II"), 101, ticket)) return;

    Command33->setEnabled(true);
    Command31->setEnabled(true);
    faultsStored = 1;
    for (const char* line : data::kIdentification)
        List2->addItem(QString::fromUtf8(line));
    setBusy(false);
    Frame14->hide();
    for (QPushButton* b : {Command55, Command30, Command33, Command31, Command6, Command1, Command2,
                           Command4, Command47, Command21})
        b->setEnabled(true);
    if (Command46) Command46->setEnabled(true);
}

// ---- Exit and the message panel ----

void Form28::Command3_GotFocus() {
    SSTab1->hide();
}

void Form28::Command15_Click() {
    Frame7->hide();
    focusConsoleExit();
}

// ---- Diagnosis and Erase Faults ----

void Form28::Command30_Click() {
    const Ticket ticket = beginOperation(kCommunication);
    hideMaintenanceFrames();
    List1->clear();
    if (!ShowConnectingProgress(ticket)) return;
    setBusy(false);
    if (faultsStored != 1) {
        List1->clear();
        showMessage(CatNoFaults, QString());
    } else {
        const auto& rows =
            LanguageIndex == 1 ? data::kFaultReportSpanish : data::kFaultReportEnglish;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            QString row = QString::fromUtf8(rows[i]);
            if (i == 0) row.prepend(CatFaultsDetected);
            if (i == 2) row.prepend(CatFaultCode);
            List1->addItem(row);
        }
    }
    Frame14->hide();
}

void Form28::Command1_Click() {
    const Ticket ticket = beginOperation(kCommunication);
    if (!ShowConnectingProgress(ticket)) return;
    setBusy(true);
    if (!yieldTimes(11, ticket)) return;
    Frame14->hide();
    List1->clear();
    showMessage(CatFaultsErased);
    setBusy(false);
    Command15->setFocus();
    faultsStored = 0;
}

} // namespace bombardier
