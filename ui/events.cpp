#include "ui/events.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace ui {

namespace {

class EventHook : public QObject {
public:
    EventHook(QWidget* target, QEvent::Type type, std::function<bool(QEvent*)> fn)
        : QObject(target), m_type(type), m_fn(std::move(fn)) {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override { return e->type() == m_type ? m_fn(e) : false; }

private:
    QEvent::Type m_type;
    std::function<bool(QEvent*)> m_fn;
};

} // namespace

void onKeyDown(QWidget* control, std::function<bool(int)> handler) {
    new EventHook(control, QEvent::KeyPress, [h = std::move(handler)](QEvent* e) {
        return h(static_cast<QKeyEvent*>(e)->key());
    });
}

void onGotFocus(QWidget* control, std::function<void()> handler) {
    new EventHook(control, QEvent::FocusIn, [h = std::move(handler)](QEvent*) {
        h();
        return false;
    });
}

void onLostFocus(QWidget* control, std::function<void()> handler) {
    new EventHook(control, QEvent::FocusOut, [h = std::move(handler)](QEvent*) {
        h();
        return false;
    });
}

void onClick(QWidget* control, std::function<void()> handler) {
    new EventHook(control, QEvent::MouseButtonRelease,
                  [control, h = std::move(handler)](QEvent* e) {
                      auto* me = static_cast<QMouseEvent*>(e);
                      if (me->button() == Qt::LeftButton &&
                          control->rect().contains(me->position().toPoint()))
                          h();
                      return false;
                  });
}

void onEscape(QWidget* control, std::function<void()> handler) {
    onKeyDown(control, [h = std::move(handler)](int key) {
        if (key != Qt::Key_Escape) return false;
        h();
        return true;
    });
}

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace ui
