#pragma once

#include <QRect>
#include <QWidget>

namespace ui {

// Window geometry is designed in twips: 1440 to the inch, 15 to a device-independent
// pixel. This is the only place where twips become pixels.
inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) {
    return (twips + (twips >= 0 ? 7 : -7)) / kTwipsPerPixel;
}
constexpr int twips(int pixels) {
    return pixels * kTwipsPerPixel;
}

inline QRect rectTw(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

// Places a control at left, top, width, height given in twips.
inline void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(rectTw(left, top, width, height));
}

inline void moveTw(QWidget* w, int left, int top) {
    w->move(px(left), px(top));
}

inline int leftTw(const QWidget* w) {
    return twips(w->x());
}
inline int topTw(const QWidget* w) {
    return twips(w->y());
}
inline int widthTw(const QWidget* w) {
    return twips(w->width());
}
inline int heightTw(const QWidget* w) {
    return twips(w->height());
}

} // namespace ui
