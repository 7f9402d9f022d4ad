#pragma once

#include <QColor>
#include <QHash>
#include <QWidget>

class QAbstractButton;
class QLabel;

namespace ui {

// Base of every window. A window is created in its design state and runs its load step
// once (load()); unload() closes it for good: it is hidden, forgotten by whoever opened it
// and deleted once control is back in the event loop, so that a handler still running
// inside a yield can return safely. A fresh instance starts from the design state again.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);

    // Runs the window's load step (it shows the window). Called once, by whoever
    // creates the window.
    void load();
    // Closes and destroys the window.
    void unload();
    bool isUnloaded() const { return m_unloaded; }

    // Sets the size of the client area in twips.
    void setClientSizeTw(int width, int height);

    // A long operation of a window (an animation, a reading loop) takes a ticket on a
    // channel. Starting another operation on the same channel supersedes it.
    struct Ticket {
        int channel = 0;
        quint64 generation = 0;
    };
    Ticket beginOperation(int channel = 0);
    bool isCurrent(const Ticket& t) const;

    // Yields to the event loop `count` times in a row. Returns false as soon as the window
    // has been unloaded (or, with a ticket, the operation superseded): the caller must then
    // return at once without touching the window.
    [[nodiscard]] bool yieldTimes(int count);
    [[nodiscard]] bool yieldTimes(int count, const Ticket& ticket);

    // Hourglass (true) or the default arrow (false) over this window.
    void setBusy(bool busy);

Q_SIGNALS:
    // Emitted once, when the window is unloaded (closed by program or by the user).
    void unloading();

protected:
    // The window's load step. It must make the window visible.
    virtual void onLoad() { show(); }
    void closeEvent(QCloseEvent* event) override;

private:
    bool m_loaded = false;
    bool m_unloaded = false;
    QHash<int, quint64> m_generations;
};

// Background colour of a widget (palette role Window, filled automatically).
void setBackColor(QWidget* w, const QColor& c);
// Text colour of a widget.
void setForeColor(QWidget* w, const QColor& c);
// Fixed-pitch font of the system, as used for the consoles' data lists and captions.
QFont fixedFont();

// Sets the Value of a check box or option button by program. As with a user's click, a
// change of value runs the control's click handler (the `clicked` signal); setting the
// value it already has does nothing. Works on disabled controls too.
void setValue(QAbstractButton* button, bool value);

} // namespace ui
