#pragma once

#include "consoles/common/console_form.h"

#include <QList>
#include <QString>
#include <array>

class QCheckBox;
class QChartView;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QWidget;

namespace ui {
class FlexGrid;
}

namespace bombardier {

// The Bombardier diagnostic console: function buttons, identification list, result list,
// the bottom bar, and the overlay panels (progress, message, live data, monitoring,
// recorded data, keys, service, settings, actuators) that open over the work area.
class Form28 : public consoles::ConsoleForm {
    Q_OBJECT
public:
    explicit Form28(QWidget* parent = nullptr);

    // ---- Window-level state ----
    qint16 faultsStored = 0;
    QString ecmHoursText;
    // Counter words of the last Read (hexadecimal minutes); index 0 is never used.
    std::array<QString, 8> counterWords;

    // ---- Button block (Frame3, Command29 Connect: ConsoleForm) ----
    QPushButton* Command21 = nullptr; // Settings
    QPushButton* Command30 = nullptr; // Diagnostic
    QPushButton* Command6 = nullptr;  // Actuators
    QPushButton* Command47 = nullptr; // Service
    QPushButton* Command58 = nullptr; // Freeze Frame (never enabled)
    QPushButton* Command31 = nullptr; // Live Data
    QPushButton* Command55 = nullptr; // Info
    QPushButton* Command1 = nullptr;  // Erase Faults
    QPushButton* Command33 = nullptr; // Keys

    // ---- Identification (in Frame2) ----
    QListWidget* List2 = nullptr;

    // ---- History/Live Data panel ----
    QGroupBox* Frame13 = nullptr;
    ui::FlexGrid* MSFlexGrid2 = nullptr;
    QPushButton* Command59 = nullptr; // Exit
    QPushButton* Command60 = nullptr; // Last Minute
    QPushButton* Command54 = nullptr; // Max/Min
    QPushButton* Command66 = nullptr; // Live Data (opens Monitoring)

    // ---- Monitoring panel: caption and value box of each reading ----
    QGroupBox* Frame18 = nullptr;
    QLabel* Label47 = nullptr; // Intake Temperat.:
    QLabel* Label35 = nullptr;
    QLabel* Label46 = nullptr; // Engine Temperat.:
    QLabel* Label36 = nullptr;
    QLabel* Label31 = nullptr; // Exhaust Temperat.:
    QLabel* Label37 = nullptr;
    QLabel* Label32 = nullptr; // Intake Air Press.:
    QLabel* Label38 = nullptr;
    QLabel* Label33 = nullptr; // Voltage Battery:
    QLabel* Label39 = nullptr;
    QLabel* Label34 = nullptr; // Throttle Angle:
    QLabel* Label40 = nullptr;
    QLabel* Label43 = nullptr; // Engine Speed:
    QLabel* Label41 = nullptr;
    QLabel* Label44 = nullptr; // Vehicle Speed:
    QLabel* Label42 = nullptr;
    QList<QLabel*> Label50;           // units of the three temperatures, index 0..2
    QLabel* Label49 = nullptr;        // Fuel Level
    QLabel* Label48 = nullptr;        // fuel level bar
    QPushButton* Command65 = nullptr; // Conect
    QPushButton* Command64 = nullptr; // Exit

    // ---- Recorded data tabs ----
    QTabWidget* SSTab1 = nullptr;
    // Run Time page
    QGroupBox* Frame12 = nullptr;
    ui::FlexGrid* MSFlexGrid4 = nullptr;
    QLabel* Label64 = nullptr;
    QLabel* Label65 = nullptr;
    QChartView* Graph2 = nullptr;     // placeholder
    QChartView* Graph1 = nullptr;     // data
    QPushButton* Command68 = nullptr; // Read
    QPushButton* Command72 = nullptr; // Exit
    // RPM Profile page
    QGroupBox* Frame24 = nullptr;
    ui::FlexGrid* MSFlexGrid5 = nullptr;
    QLabel* Label67 = nullptr;
    QLabel* Label66 = nullptr;
    QChartView* Graph4 = nullptr;     // placeholder
    QChartView* Graph3 = nullptr;     // data
    QPushButton* Command61 = nullptr; // Read
    QPushButton* Command71 = nullptr; // Exit
    // Purchase page
    QLabel* Label69 = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLabel* Label26 = nullptr;
    QLineEdit* Text8 = nullptr;
    QPushButton* Command57 = nullptr; // Save (no action)
    QPushButton* Command56 = nullptr; // Exit

    // ---- Handlers: connection, faults ----
    void Command29_Click(); // Connect
    void Command3_GotFocus();
    void Command30_Click(); // Diagnosis
    void Command1_Click();  // Erase Faults

    // ---- Handlers: live data and monitoring ----
    void Command31_Click();
    void Command54_Click();
    void Command60_Click();
    void Command66_Click();
    void Command59_Click();
    void Command65_Click();
    void Command64_Click();
    void Command64_GotFocus();

    // ---- Handlers: recorded data ----
    void Command55_Click();
    void Command68_Click();
    void Command61_Click();
    void Command72_Click();
    void Command71_Click();
    void Command56_Click();
    void Text7_GotFocus();

    // =====================================================================================
    // Maintenance functions: keys, service and total hours, cluster settings, actuators.
    // Built and handled in form28_maintenance.cpp.
    // =====================================================================================

    // ---- Key frame ----
    QGroupBox* Frame5 = nullptr;
    ui::FlexGrid* MSFlexGrid1 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* Command9 = nullptr;  // Add Key
    QPushButton* Command7 = nullptr;  // Erase Key
    QPushButton* Command8 = nullptr;  // Erase All Keys
    QPushButton* Command10 = nullptr; // Rental (hidden)
    QPushButton* Command11 = nullptr; // Learning (hidden)
    QPushButton* Command12 = nullptr; // Exit
    QGroupBox* Frame6 = nullptr;      // KPS prompt
    QLabel* Label6 = nullptr;
    QLineEdit* Text9 = nullptr;
    QPushButton* Command14 = nullptr; // Accept
    QPushButton* Command5 = nullptr;  // Acc (hidden)
    QPushButton* Command13 = nullptr; // Exit

    // ---- Service frame ----
    QGroupBox* Frame10 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label29 = nullptr;
    QLabel* Label30 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* Text6 = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* Label21 = nullptr;
    QPushButton* Command50 = nullptr; // Exit
    QPushButton* Command49 = nullptr; // Reset Service
    QPushButton* Command67 = nullptr; // Reset Supercharge (hidden)

    // ---- Change Total Hours panel ----
    QGroupBox* Frame11 = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* Label23 = nullptr;
    QLabel* Label24 = nullptr;
    QLabel* Label25 = nullptr;
    QLineEdit* Text5 = nullptr;
    QPushButton* Command51 = nullptr; // Accept
    QPushButton* Command53 = nullptr; // Exit

    // ---- Settings frame ----
    QGroupBox* Frame9 = nullptr;
    QPushButton* Command26 = nullptr; // Closed Throttle
    QPushButton* Command52 = nullptr; // Change Total Hours
    QGroupBox* Frame21 = nullptr;
    QPushButton* Command63 = nullptr; // Synchro Now
    QLabel* Label53 = nullptr;
    QGroupBox* Frame15 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    QGroupBox* Frame16 = nullptr;
    QList<QCheckBox*> Check5; // index 0..1
    QGroupBox* Frame17 = nullptr;
    QList<QCheckBox*> Check6; // index 0..7
    QLabel* Label10 = nullptr;
    QPushButton* Command46 = nullptr; // Save
    QPushButton* Command24 = nullptr; // Exit

    // ---- Actuators frame ----
    QGroupBox* Frame8 = nullptr;
    QPushButton* Command16 = nullptr;
    QPushButton* Command17 = nullptr;
    QPushButton* Command20 = nullptr;
    QPushButton* Command19 = nullptr;
    QPushButton* Command36 = nullptr;
    QLabel* Label11 = nullptr;
    QPushButton* Command25 = nullptr;
    QPushButton* Command27 = nullptr;
    QLabel* Label16 = nullptr;
    QPushButton* Command42 = nullptr;
    QPushButton* Command43 = nullptr;
    QLabel* Label13 = nullptr;
    QPushButton* Command45 = nullptr;
    QPushButton* Command32 = nullptr;
    QPushButton* Command34 = nullptr;
    QPushButton* Command35 = nullptr;
    QLabel* Label15 = nullptr;
    QPushButton* Command38 = nullptr;
    QLabel* Label14 = nullptr;
    QPushButton* Command18 = nullptr; // Exit
    // Decorative outlines of the output groups.
    QFrame* Shape1 = nullptr; // pumps and relays
    QFrame* Shape2 = nullptr; // fuel injector
    QFrame* Shape3 = nullptr; // ignition coil
    QFrame* Shape4 = nullptr; // lamps
    QFrame* Shape5 = nullptr; // engine

    // ---- Maintenance handlers ----
    void Command33_Click(); // open the key frame
    void Command12_Click();
    void Command13_Click();
    void Command13_GotFocus();
    void Command5_GotFocus();
    void Command47_Click(); // open the service frame
    void Check1_Click();
    void Text6_GotFocus();
    void Command50_Click();
    void Command52_Click();
    void Command53_Click();
    void Command21_Click(); // open the settings frame
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Check5_Click(int index);
    void Check6_Click(int index);
    void Command24_Click();
    void Command6_Click(); // open the actuators frame
    void Command18_Click();

    // Fetches and dresses the maintenance frames (hidden); called by the constructor.
    void dressMaintenancePanels(const ui::Design& d);
    // Sets the maintenance frames' catalog captions; called by the load step.
    void loadMaintenanceCaptions();
    // Fills the key list grid; called by the load step.
    void prepareKeyGrid();
    // Lays out and fills the warning lines of the Change Total Hours panel.
    void prepareHoursWarning();
    // A choice in the settings frame: shows Save and moves Exit aside, once.
    void recordSettingsChange();
    // A panel that opens over the work area: system button face, hidden.
    void dressOverlay(QWidget* panel);
    // Shows a maintenance frame over the others, below the progress and message panels.
    void showOverlay(QWidget* panel);
    void dressKeyPanel();
    void dressServicePanel();
    void dressSettingsPanel();
    void dressActuatorsPanel();

    // ---- End of maintenance functions ----

protected:
    void onLoad() override;
    // Enables Exit and gives it the focus with its got-focus action.
    void focusExit() override;

private:
    // Fetch and dress the controls of form28_livedata.cpp and form28_recorded.cpp.
    void dressLiveDataPanels(const ui::Design& d);
    void dressRecordedData(const ui::Design& d);
    // Makes the recorded-data tabs, their pages and charts (rows of kind Other).
    QWidget* makeRecordedData(const ui::DesignRow& row, QWidget* parent);
    void hideMaintenanceFrames();
    // Gives the focus to a button with a got-focus action and runs that action even when
    // the window is not the active one (which would hold back the focus event).
    void focusWithAction(QWidget* control, void (Form28::*gotFocus)());
    void setSummaryLayout(bool withValues);
    void setRecordingLayout();
    // Fills the counter words, table, chart and total of one recorded-data page.
    void readCounters(int page);
};

} // namespace bombardier
