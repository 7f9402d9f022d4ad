#pragma once

#include "ui/design.h"
#include "ui/form.h"

#include <QColor>
#include <QList>
#include <span>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace consoles {

// What every make console has in common. The skeleton: the button block Frame3 with
// Connect (Command29) and the function buttons, which start disabled; the vehicle data
// frame Frame2; the result list List1; the bottom bar Frame1 with Save (Command2), Exit
// (Command3, click or Escape unloads the window) and Reports (Command4); the progress
// panel Frame14 whose bar Label51 grows with counted yields; the message panel Frame7
// with its line Label7 and its Exit (Command15). A console describes all its controls in
// one design table, builds them with buildConsole and keeps only what its make adds.
class ConsoleForm : public ui::Form {
    Q_OBJECT
public:
    explicit ConsoleForm(QWidget* parent = nullptr);

    // Client area of every console, in twips.
    static constexpr int kClientWidth = 10875;
    static constexpr int kClientHeight = 6600;
    // Yields after each "I" of the progress bar.
    static constexpr int kYieldsPerBar = 10001;

    // Operation channels. An operation started on a channel supersedes the one running on
    // it; operations on different channels run independently, so that one started inside
    // another's wait does not cut the other short.
    static constexpr int kCommunication = 1; // Connect, and what talks to the unit like it
    static constexpr int kErase = 2;         // Erase Faults
    static constexpr int kDiagnosis = 3;     // Diagnostic with its own progress
    static constexpr int kHistory = 4;       // fault history
    static constexpr int kReading = 5;       // a live-data reading loop
    static constexpr int kActuatorTests = 6; // the actuator tests of one panel session

    // The skeleton's controls.
    QGroupBox* Frame3 = nullptr;      // button block
    QPushButton* Command29 = nullptr; // Connect with ECM
    QGroupBox* Frame2 = nullptr;      // vehicle data
    QListWidget* List1 = nullptr;     // fault report
    QGroupBox* Frame1 = nullptr;      // bottom bar
    QPushButton* Command2 = nullptr;  // Save
    QPushButton* Command3 = nullptr;  // Exit
    QPushButton* Command4 = nullptr;  // Reports
    QGroupBox* Frame14 = nullptr;     // progress panel
    QLabel* Label51 = nullptr;        // its bar
    QGroupBox* Frame7 = nullptr;      // message panel
    QLabel* Label7 = nullptr;         // its line
    QPushButton* Command15 = nullptr; // its Exit

    // Shows the progress panel with the catalog text "Initializing Communication with
    // Control Unit", sets the hourglass and grows the bar one "I" at a time, yielding
    // kYieldsPerBar times after each. Leaves the panel visible and the hourglass on.
    // Returns false when the window went away or the ticket's operation was superseded
    // during the yields; the caller must then return without touching the window.
    [[nodiscard]] bool ShowConnectingProgress(const Ticket& ticket);
    void EnableConsoleButtons();
    void DisableConsoleButtons();
    // Closes the message panel and gives Exit the focus.
    void Command15_Click();

    // Sets the message line, optionally the panel's caption, shows the message panel and
    // gives its Exit button the focus.
    void showMessage(const QString& text);
    void showMessage(const QString& text, const QString& caption);

    // The one bar routine: `steps` times appends `step` to `bar`, then yields `yields`
    // times (false as for ShowConnectingProgress).
    [[nodiscard]] bool growBar(QLabel* bar, const QString& step, int steps, int yields,
                               const Ticket& ticket);

    // True from DisableConsoleButtons (a panel opened) to EnableConsoleButtons (it closed).
    bool panelOpen() const { return m_panelOpen; }

protected:
    // What the skeleton takes from the make.
    struct Look {
        const char* title;             // window title
        QColor text;                   // window text colour; invalid: the style's
        bool fixedPitchButtonBlock;    // Frame3's caption fixed-pitch, its buttons plain
        bool linesOnGrey;              // the bar and the message line filled grey
        int bars;                      // bar length of ShowConnectingProgress
        QList<const char*> enableSet;  // design names EnableConsoleButtons enables
        QList<const char*> disableSet; // and DisableConsoleButtons disables
    };
    // Builds the window from its design table, fetches and dresses the skeleton and
    // returns the design, from which the console fetches its own controls.
    ui::Design buildConsole(std::span<const ui::DesignRow> design, const Look& look,
                            const ui::Design::MakeOther& makeOther = {});

    // Gives Exit the focus after a panel closed.
    virtual void focusExit();

private:
    int m_bars = 20;
    bool m_panelOpen = false;
    QList<QPushButton*> m_enableSet;
    QList<QPushButton*> m_disableSet;
};

} // namespace consoles
