#pragma once

#include "ui/form.h"

#include <QList>

class QGroupBox;
class QLabel;
class QPushButton;

namespace consoles {

// What every make console has in common: function buttons that start disabled, a progress
// panel whose bar of "I" grows with counted yields, a message panel, and an Exit button
// that unloads the window on click or on Escape. A console wires its own controls into
// this pattern in its constructor and keeps its own data and button sets.
class ConsoleForm : public ui::Form {
    Q_OBJECT
public:
    explicit ConsoleForm(QWidget* parent = nullptr);

    // Yields after each "I" of the progress bar.
    static constexpr int kYieldsPerBar = 10001;

    // Shows the progress panel with the catalog text "Initializing Communication with
    // Control Unit", sets the hourglass and grows the bar one "I" at a time, yielding
    // kYieldsPerBar times after each. Leaves the panel visible and the hourglass on.
    // Returns false when the window went away or the ticket's operation was superseded
    // during the yields; the caller must then return without touching the window.
    [[nodiscard]] bool ShowConnectingProgress(const Ticket& ticket);
    void EnableConsoleButtons();
    void DisableConsoleButtons();

    // Sets the message line, optionally the panel's caption, shows the message panel and
    // gives its Exit button the focus.
    void showMessage(const QString& text);
    void showMessage(const QString& text, const QString& caption);

    // Appends to the progress bar, then yields `count` times (false as for
    // ShowConnectingProgress).
    [[nodiscard]] bool growBar(const QString& bars, int count, const Ticket& ticket);

    // The channel on which Connect-like operations run; a new one supersedes the last.
    static constexpr int kCommunication = 1;

protected:
    void setProgressPanel(QGroupBox* frame, QLabel* bar, int bars);
    void setMessagePanel(QGroupBox* frame, QLabel* line, QPushButton* exit);
    // EnableConsoleButtons enables `enableSet`; DisableConsoleButtons disables `disableSet`.
    void setConsoleButtons(QList<QPushButton*> enableSet, QList<QPushButton*> disableSet);
    // Click, and Escape while it has the focus, unload the console.
    void setExitButton(QPushButton* exit);

    QGroupBox* progressFrame() const { return m_progressFrame; }
    QLabel* progressBar() const { return m_progressBar; }
    QGroupBox* messageFrame() const { return m_messageFrame; }
    QLabel* messageLine() const { return m_messageLine; }
    QPushButton* exitButton() const { return m_exit; }

private:
    QGroupBox* m_progressFrame = nullptr;
    QLabel* m_progressBar = nullptr;
    int m_bars = 20;
    QGroupBox* m_messageFrame = nullptr;
    QLabel* m_messageLine = nullptr;
    QPushButton* m_messageExit = nullptr;
    QPushButton* m_exit = nullptr;
    QList<QPushButton*> m_enableSet;
    QList<QPushButton*> m_disableSet;
};

} // namespace consoles
