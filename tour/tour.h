#pragma once

#include "tour/tour_data.h"

#include <QLabel>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <vector>

namespace ui {
class Form;
}

namespace tour {

// One step of the tour: a caption, then an action on one open window (found by its name in
// the window registry), then a pause to look at the result.
struct Step {
    Caption caption = Caption::Keep;
    QString window; // "Form28"; "Form3" for the main window
    // Works the window through its own controls and handlers, as a user would. Returns false
    // when the window was not in a state that allowed it (a control hidden or disabled).
    std::function<bool(ui::Form*)> action;
    int pauseMs = 0; // at presentation pace
    // The action runs until a later step ends it (a live-data reading): the next steps are
    // due while it runs and run inside it, as a user's clicks would.
    bool runsOn = false;
};

// The demonstration the program plays with --tour (tour_steps.cpp): every make's console,
// the Yamaha guide, the glossary and the connector pictures. It opens its windows from the
// main window's menu and closes each with its Exit button.
std::vector<Step> demonstration();

// The line under the windows that says what the tour is showing. It never takes the focus.
class CaptionWindow : public QLabel {
    Q_OBJECT
public:
    CaptionWindow();
    void showText(const QString& text);
    // Over the windows the tour has opened since.
    void raise();
};

// Plays a list of steps on the real windows, again and again, until a key press or a mouse
// click anywhere in the program. That press only ends the tour: it reaches no window. The
// tour then closes every window its steps work on (a running operation returns at its next
// yield, as when the user closes its window), so the user finds the main window alone, as
// after start-up.
class Tour : public QObject {
    Q_OBJECT
public:
    explicit Tour(std::vector<Step> steps, QObject* parent = nullptr);
    ~Tour() override;

    // Scales the pauses (0.5: half as long; 0: none). Default 1.
    void setPauseScale(double scale) { m_pauseScale = scale; }
    // Whether the list starts again after its last step. Default true.
    void setLooping(bool looping) { m_looping = looping; }

    void start();
    // Ends the tour and closes the windows of its steps.
    void stop();
    bool isRunning() const { return m_running; }

    // Steps whose action returned true, and those it could not do.
    int stepsDone() const { return m_done; }
    int stepsSkipped() const { return m_skipped; }
    const CaptionWindow& captionWindow() const { return m_caption; }

Q_SIGNALS:
    // Step `index` has done its action (for a step that runs on: it has ended).
    void stepDone(int index);
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void runStep();
    void finish();

    std::vector<Step> m_steps;
    QStringList m_windows; // every window a step works on, but the main window
    CaptionWindow m_caption;
    QTimer m_next;
    double m_pauseScale = 1.0;
    bool m_looping = true;
    bool m_running = false;
    std::size_t m_index = 0;
    int m_done = 0;
    int m_skipped = 0;
};

} // namespace tour
