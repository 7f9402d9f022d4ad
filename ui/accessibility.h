#pragma once

#include <QString>
#include <functional>

class QLabel;
class QMenuBar;
class QWidget;

namespace ui {

// What assistive technology sees of labels and buttons, installed once for the
// application (each Form does it): every label's text can be read as it shows it, and
// the press and toggle actions of buttons, check boxes and option buttons click them.
void installAccessibleControls();

// A value label shows a value ("41.6") next to the caption that says what it is
// ("Total Hours:"), and sometimes its unit after it ("ºC"). Screen readers get
// "Total Hours: 41.6 ºC" as the label's name, whatever sets the label's text later on.
// The caption may be a label, a frame (its title) or a button; `unit` may be null.
// The label keeps showing its text; no accessible name is set on it.
void nameValue(QLabel* value, const QWidget* caption, const QWidget* unit = nullptr);

// A label that is clicked like a button (a picture, a "?" sign). Besides the mouse it
// then answers the keyboard: Tab reaches it, Space and Enter run `handler`, a frame shows
// while it has the focus, and screen readers see a button they can press. Its name for
// screen readers is its accessible name when it has one (pictures), else its text, after
// the caption given to nameValue if any.
void makeActivatable(QLabel* label, std::function<void()> handler);
// Whether an activatable label can be reached by Tab (a picture covered by another one
// must not be).
void setActivatable(QLabel* label, bool reachable);

// F10 enters the menu bar of the bar's window for keyboard use, as a tap of Alt does:
// the first entry is highlighted, the arrow keys move, Enter or Down opens, Escape leaves.
void enterMenuBarWithF10(QMenuBar* bar);

// The text a control shows: a label's text, a frame's title, a button's caption, or else
// its accessible name.
QString shownText(const QWidget* control);

} // namespace ui
