#pragma once

#include <QColor>

class QLabel;
class QWidget;

// Colours and painting helpers shared by the windows.
namespace ui {

// Colours of the design, by what they look like.
inline const QColor kMaroon{128, 64, 64}; // console and button-bar background
inline const QColor kDarkRed{128, 0, 0};
inline const QColor kRed{255, 0, 0};
inline const QColor kDarkBlue{0, 0, 128};
inline const QColor kBlue{0, 0, 255};
inline const QColor kGrey{192, 192, 192};
inline const QColor kLightGrey{224, 224, 224};

// Background (filled) and text colour of a widget, touching only the roles a label or frame
// draws with, so that buttons and lists placed inside keep their own colours. (setBackColor
// and setForeColor of form.h colour every role, the children's too.)
void paintBack(QWidget* w, const QColor& back);
void paintText(QWidget* w, const QColor& fore);
void paint(QWidget* w, const QColor& back, const QColor& fore);
// The application's proportional font, set explicitly so that it does not follow a
// fixed-pitch font of the parent frame.
void keepDefaultFont(QWidget* w);
// A multi-line text label whose texts break their lines at carriage returns (the plain
// label only breaks at line feeds). The text can be selected but takes no focus.
void breakAtCarriageReturns(QLabel* l);

} // namespace ui
