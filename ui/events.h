#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace ui {

// Key-down handler of a control: receives the Qt key code (Qt::Key_Return, Qt::Key_Enter,
// Qt::Key_Escape, Qt::Key_Up ...) while the control has the focus. Returning true
// consumes the key. The handler lives as long as the control.
void onKeyDown(QWidget* control, std::function<bool(int key)> handler);
// Got-focus and lost-focus handlers of a control.
void onGotFocus(QWidget* control, std::function<void()> handler);
void onLostFocus(QWidget* control, std::function<void()> handler);
// Click handler of a control that has no clicked signal (a label, a picture): runs when the
// left button is released over it.
void onClick(QWidget* control, std::function<void()> handler);
// Escape while the control has the focus runs `handler` (an Exit button leaves its window
// on Escape as on a click).
void onEscape(QWidget* control, std::function<void()> handler);
// True for the Enter keys of the main keyboard and the keypad.
bool isEnter(int key);

} // namespace ui
