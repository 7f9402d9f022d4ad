#include "consoles/bombardier/form28.h"

#include "consoles/bombardier/form28_data.h"
#include "shell/errors32.h"
#include "shell/settings.h"
#include "ui/events.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

namespace bombardier {

using namespace ERRORS32;

Form28::Form28(QWidget* parent) : consoles::ConsoleForm(parent) {
    const QList<const char*> consoleButtons = {"Command55", "Command29", "Command21", "Command31",
                                               "Command47", "Command3",  "Command6",  "Command30",
                                               "Command4",  "Command2",  "Command1",  "Command33"};
    // The progress and message panels are dressed as overlays (dressOverlay).
    const ui::Design d = buildConsole(
        data::kDesign, {"Bombardier", Qt::white, true, true, 20, consoleButtons, consoleButtons},
        [this](const ui::DesignRow& row, QWidget* parent) {
            return makeRecordedData(row, parent);
        });
    d.get({{Command21, "Command21"},
           {Command30, "Command30"},
           {Command6, "Command6"},
           {Command47, "Command47"},
           {Command58, "Command58"},
           {Command31, "Command31"},
           {Command55, "Command55"},
           {Command1, "Command1"},
           {Command33, "Command33"},
           {List2, "List2"}});
    List2->setFont(ui::fixedFont());
    ui::setForeColor(List2, ui::kDarkBlue);
    ui::setForeColor(List1, ui::kDarkRed);
    Command2->setEnabled(false);
    Command4->setEnabled(false);
    dressLiveDataPanels(d);
    dressRecordedData(d);
    dressMaintenancePanels(d);
    dressOverlay(Frame14);
    dressOverlay(Frame7);

    ui::onGotFocus(Command3, [this] { Command3_GotFocus(); });
    connect(Command29, &QPushButton::clicked, this, &Form28::Command29_Click);
    connect(Command30, &QPushButton::clicked, this, &Form28::Command30_Click);
    connect(Command1, &QPushButton::clicked, this, &Form28::Command1_Click);
    connect(Command31, &QPushButton::clicked, this, &Form28::Command31_Click);
    connect(Command55, &QPushButton::clicked, this, &Form28::Command55_Click);
    // Maintenance functions (form28_maintenance.cpp).
    connect(Command33, &QPushButton::clicked, this, &Form28::Command33_Click);
    connect(Command47, &QPushButton::clicked, this, &Form28::Command47_Click);
    connect(Command21, &QPushButton::clicked, this, &Form28::Command21_Click);
    connect(Command6, &QPushButton::clicked, this, &Form28::Command6_Click);
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

void Form28::dressOverlay(QWidget* panel) {
    const QPalette system = QApplication::palette();
    ui::paint(panel, system.color(QPalette::Button), system.color(QPalette::WindowText));
    panel->hide();
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

void Form28::focusExit() {
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
    if (!growBar(Label51, QStringLiteral("II"), 5, 101, ticket)) return;

    Command33->setEnabled(true);
    Command31->setEnabled(true);
    faultsStored = 1;
    for (const char* line : data::kIdentification)
        List2->addItem(QString::fromUtf8(line));
    setBusy(false);
    Frame14->hide();
    // A panel opened meanwhile keeps the console's buttons off until it closes.
    if (!panelOpen()) EnableConsoleButtons();
    Command46->setEnabled(true);
}

// ---- Exit ----

void Form28::Command3_GotFocus() {
    SSTab1->hide();
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
