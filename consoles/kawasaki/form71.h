#pragma once

#include "consoles/common/console_form.h"

#include <QList>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace kawasaki {

// The Kawasaki ATV console: connect to the engine control unit, read its identification,
// list and erase its stored fault, show the two-register fault history, the live-data
// panel and the actuator tests.
class Form71 : public consoles::ConsoleForm {
    Q_OBJECT
public:
    explicit Form71(QWidget* parent = nullptr);

    // Button block (Frame3, Command29 Connect: ConsoleForm)
    QPushButton* Command31 = nullptr; // Actuators
    QPushButton* Command30 = nullptr; // Diagnostic
    QPushButton* Command11 = nullptr; // Live Data
    QPushButton* Command20 = nullptr; // Faults Info (fault history)
    QPushButton* Command24 = nullptr; // blank, never used
    QPushButton* Command1 = nullptr;  // Erase Faults

    // Identification (Frame2): caption and value of each row
    QLabel* Label43 = nullptr; // model
    QLabel* Label49 = nullptr;
    QLabel* Label44 = nullptr; // ECU serial (hidden)
    QLabel* Label50 = nullptr;
    QLabel* Label45 = nullptr; // specific
    QLabel* Label52 = nullptr;
    QLabel* Label46 = nullptr; // year
    QLabel* Label53 = nullptr;
    QLabel* Label47 = nullptr; // hours
    QLabel* Label54 = nullptr;

    // Fault history panel: a fault line and four caption/value pairs per register
    QGroupBox* Frame9 = nullptr;
    QGroupBox* Frame10 = nullptr; // REGISTER 1
    QGroupBox* Frame12 = nullptr; // REGISTER 2
    QLabel* Label72 = nullptr;    // Fault #1
    QLabel* Label74 = nullptr;
    QLabel* Label56 = nullptr; // Intake Air Press.
    QLabel* Label64 = nullptr;
    QLabel* Label57 = nullptr; // R.P.M.
    QLabel* Label65 = nullptr;
    QLabel* Label58 = nullptr; // Batt. Volt.
    QLabel* Label66 = nullptr;
    QLabel* Label59 = nullptr; // Hour: / Throttle opening:
    QLabel* Label67 = nullptr;
    QLabel* Label73 = nullptr; // Fault #2
    QLabel* Label75 = nullptr;
    QLabel* Label60 = nullptr;
    QLabel* Label68 = nullptr;
    QLabel* Label61 = nullptr;
    QLabel* Label69 = nullptr;
    QLabel* Label62 = nullptr;
    QLabel* Label70 = nullptr;
    QLabel* Label63 = nullptr;
    QLabel* Label71 = nullptr;
    QPushButton* Command21 = nullptr;

    // Live data panel: caption and value field of each row
    QGroupBox* Frame6 = nullptr;
    QLabel* Label9 = nullptr; // throttle opening
    QLabel* Label5 = nullptr;
    QLabel* Label10 = nullptr; // throttle volt.
    QLabel* Label6 = nullptr;
    QLabel* Label18 = nullptr; // air intake press.
    QLabel* Label22 = nullptr;
    QLabel* Label19 = nullptr; // N/D
    QLabel* Label23 = nullptr;
    QLabel* Label12 = nullptr; // water temperature
    QLabel* Label15 = nullptr;
    QLabel* Label13 = nullptr; // intake temperature
    QLabel* Label17 = nullptr;
    QLabel* Label20 = nullptr; // battery volt.
    QLabel* Label24 = nullptr;
    QLabel* Label21 = nullptr; // N/D
    QLabel* Label25 = nullptr;
    QLabel* Label27 = nullptr; // R.P.M.
    QLabel* Label28 = nullptr;
    QLabel* Label8 = nullptr;         // message line
    QPushButton* Command13 = nullptr; // Connect with ECM, no action
    QPushButton* Command12 = nullptr; // Exit

    // Actuators panel
    QGroupBox* Frame5 = nullptr;
    QPushButton* Command33 = nullptr; // idle actuator
    QPushButton* Command17 = nullptr; // fuel pump
    QLabel* Label26 = nullptr;        // engine-off warning
    QLabel* Label16 = nullptr;        // IGNITION COIL
    QPushButton* Command8 = nullptr;
    QPushButton* Command9 = nullptr;
    QLabel* Label11 = nullptr; // FUEL INJECTOR
    QPushButton* Command7 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command34 = nullptr;
    QLabel* Label14 = nullptr; // result line
    QPushButton* Command18 = nullptr;

    // Number of faults the unit holds (0 or 1); set by Connect, cleared by Erase Faults.
    short faultsStored = 0;

    // Yields after each "I" of an actuator test's bar, and the number of bars.
    static constexpr int kTestYieldsPerBar = 8001;
    static constexpr int kTestBars = 20;

    // Hourglass, the result line set to " " and left-aligned, then the bar grows one "I"
    // at a time. False when the window went away or the actuators panel was closed
    // meanwhile; the caller must then return at once.
    [[nodiscard]] bool ShowTestProgress(const Ticket& ticket);

    void Command29_Click(); // Connect
    void Command30_Click(); // Diagnosis
    void Command1_Click();  // Erase Faults
    void Command20_Click(); // open the fault history
    void Command21_Click(); // close the fault history
    void Command11_Click(); // open Live Data
    void Command12_Click(); // close Live Data
    void Command31_Click(); // open Actuators
    void Command18_Click(); // close Actuators
    void Command33_Click();
    void Command17_Click();
    void Command8_Click();
    void Command9_Click();
    void Command7_Click();
    void Command6_Click();
    void Command5_Click();
    void Command34_Click();

protected:
    void onLoad() override;

private:
    void fetchControls(const ui::Design& d);
    void dressControls();
    void connectHandlers();
    void setCaptions();

    // True while the fault history, live data or actuators panel is open: the function
    // buttons must then stay disabled.
    bool anyPanelShown() const;
    QList<QLabel*> historyValues() const;
    void runTest(QPushButton* button, QLabel* heading);

    // Each communication has its own channel (Connect uses kCommunication): one started
    // inside another's wait runs to its end and the outer one then finishes too, while
    // the same button clicked again replaces its own run (a Diagnosis inside a Diagnosis
    // would otherwise list the report twice). Closing the actuators panel ends the tests
    // still running on kActuatorTests.
    Ticket actuatorSession;
    int testsRunning = 0;
};

} // namespace kawasaki
