#pragma once

#include <QObject>
#include <functional>

class QLineEdit;
class QWidget;

namespace ui {

// Key-down handler of a control: receives the Qt key code (Qt::Key_Return, Qt::Key_Enter,
// Qt::Key_Escape, Qt::Key_Up ...) while the control has the focus. Returning true
// consumes the key. The handler lives as long as the control.
void onKeyDown(QWidget* control, std::function<bool(int key)> handler);
// Got-focus handler of a control.
void onGotFocus(QWidget* control, std::function<void()> handler);
// Click handler of a control that has no clicked signal (a label, a picture): runs when the
// left button is released over it.
void onClick(QWidget* control, std::function<void()> handler);
// Escape while the control has the focus runs `handler` (an Exit button leaves its window
// on Escape as on a click).
void onEscape(QWidget* control, std::function<void()> handler);
// True for the Enter keys of the main keyboard and the keypad.
bool isEnter(int key);

// The keyboard rules of every window, installed once for the application (each Form does
// it): Enter and the keypad's Enter press the focused command button once, as Space does.
// Text boxes, lists and grids keep their own Enter.
void installKeyboardRules();
// The text box puts the caret after its last character whenever it receives the focus:
// by Tab, Shift+Tab, a click or the program. Its window merely becoming active again
// leaves the caret where it was.
void caretToEndOnFocus(QLineEdit* field);

} // namespace ui
