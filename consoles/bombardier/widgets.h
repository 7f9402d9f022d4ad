#pragma once

#include <QColor>
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// Small construction helpers for the Bombardier console's controls. Every control gets its
// design name as objectName and its geometry in twips.
namespace bombardier::widgets {

inline const QColor kConsoleColour{128, 64, 64};
inline const QColor kDarkBlue{0, 0, 128};
inline const QColor kDarkRed{128, 0, 0};
inline const QColor kRed{255, 0, 0};
inline const QColor kBlue{0, 0, 255};
inline const QColor kGrey{192, 192, 192};
inline const QColor kLightGrey{224, 224, 224};

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top,
                    int width, int height);
QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
              int height);
// A frame; `caption` may be empty (then it has no title).
QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, int left, int top,
                 int width, int height);
// An overlay panel: an opaque frame in the system's button-face colour, hidden.
QGroupBox* overlay(QWidget* parent, const char* name, const QString& caption, int left, int top,
                   int width, int height);

// Background (filled) and text colour of a widget, touching only the roles a label or frame
// draws with, so that buttons and lists placed inside keep their own colours.
void paintBackground(QWidget* w, const QColor& c);
void paintText(QWidget* w, const QColor& c);
// The application's proportional font, set explicitly so that it does not follow a
// fixed-pitch font of the parent frame.
void usePlainFont(QWidget* w);

} // namespace bombardier::widgets
