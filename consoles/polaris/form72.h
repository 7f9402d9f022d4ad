#pragma once

#include "consoles/common/console_form.h"

#include <QList>
#include <QString>
#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace polaris {

// The Polaris ATV console: connection, vehicle and ECU identification, the stored fault
// with erase, the Live Data panel with per-parameter help, the Base Timing Mode panel and
// the throttle-body button.
class Form72 : public consoles::ConsoleForm {
    Q_OBJECT
public:
    explicit Form72(QWidget* parent = nullptr);

    // Yields between two passes of a live-data reading.
    static constexpr int kYieldsPerReading = 19001;
    // Yields after each of the extra bar steps of Connect.
    static constexpr int kYieldsPerExtraBar = 101;
    // The reading bar is emptied once it holds this many characters.
    static constexpr int kReadingBarLimit = 110;

    // liveDataState values
    static constexpr short kReading = 0;
    static constexpr short kPanelOpen = 2;
    static constexpr short kStopRequested = 5;

    // Button block (Frame3, Command29 Connect: ConsoleForm)
    QPushButton* Command31 = nullptr; // Live Data
    QPushButton* Command30 = nullptr; // Diagnostic
    QPushButton* Command1 = nullptr;  // Erase Faults
    QPushButton* Command24 = nullptr; // throttle-body learning
    QPushButton* Command20 = nullptr; // ECU Info
    QPushButton* Command9 = nullptr;  // Base Timing Mode

    // Vehicle data (Frame2): captions and values
    QLabel* Label42 = nullptr;
    QLabel* Label43 = nullptr;
    QLabel* Label44 = nullptr;
    QLabel* Label48 = nullptr;
    QLabel* Label49 = nullptr;
    QLabel* Label50 = nullptr;

    // Bottom bar (Frame1, Command2, Command3, Command4: ConsoleForm)
    QPushButton* Command19 = nullptr; // Help

    // ECU Info panel: caption labels, value labels, Exit
    QGroupBox* Frame13 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* Label30 = nullptr;
    QLabel* Label31 = nullptr;
    QLabel* Label32 = nullptr;
    QLabel* Label33 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label34 = nullptr;
    QLabel* Label46 = nullptr;
    QLabel* Label47 = nullptr;
    QLabel* Label52 = nullptr;
    QLabel* Label53 = nullptr;
    QPushButton* Command11 = nullptr;

    // Live Data panel: per parameter i a "?" label, the name and the value
    QGroupBox* Frame6 = nullptr;
    QList<QLabel*> Label28;
    QList<QLabel*> Label9;
    QList<QLabel*> Label5;
    QFrame* Line1 = nullptr;
    QLabel* Label8 = nullptr;         // reading bar
    QPushButton* Command13 = nullptr; // start reading
    QPushButton* Command12 = nullptr; // Stop / Exit

    // Help popup of the Live Data panel
    QGroupBox* Frame9 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label19 = nullptr;
    QPushButton* Command6 = nullptr;

    // Base Timing Mode panel
    QGroupBox* Frame12 = nullptr;
    QLabel* Label27 = nullptr;
    QLabel* Label41 = nullptr;
    QLabel* Label45 = nullptr;
    QFrame* Shape1 = nullptr;
    QPushButton* Command10 = nullptr;

    // Window state
    short faultsStored = 0;
    short liveDataState = 0;
    short helpParameterIndex = 0;
    std::array<QString, 16> parameterMaximum;
    std::array<QString, 16> parameterMinimum;

    // Handlers
    void Command29_Click();
    void Command30_Click();
    void Command1_Click();
    void Command20_Click();
    void Command11_Click();
    void Command31_Click();
    void Command13_Click();
    void Command12_Click();
    void Label28_Click(int index);
    void Command6_Click();
    void Command9_Click();
    void Command10_Click();
    void Command24_Click();

    // True while a live-data reading loop is running.
    bool isReading() const { return readingLoops > 0; }

protected:
    void onLoad() override;

private:
    void dressControls();
    void wireHandlers();

    void fillParameterLimits();
    void setParameterNames();
    void writeLiveValues();
    void ShowParameterHelp();
    void ShowBaseTimingText();

    // Caption of the panel's Exit buttons in the language in force at load.
    QString exitCaption;
    int readingLoops = 0;
};

} // namespace polaris
