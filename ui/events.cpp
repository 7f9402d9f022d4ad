#include "ui/events.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
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

constexpr const char* kCaretProperty = "ui_caretToEnd";
constexpr const char* kClickedInProperty = "ui_caretClickedIn";

// Application-wide: runs before the controls' own handlers and hooks.
class KeyboardRules : public QObject {
protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        switch (e->type()) {
        case QEvent::KeyPress:
            return pressButton(o, static_cast<QKeyEvent*>(e));
        case QEvent::FocusIn:
            return focusIn(o, static_cast<QFocusEvent*>(e));
        case QEvent::MouseButtonRelease: {
            auto* field = qobject_cast<QLineEdit*>(o);
            if (field && field->property(kClickedInProperty).toBool()) {
                field->setProperty(kClickedInProperty, false);
                if (!field->hasSelectedText()) field->end(false);
            }
            return false;
        }
        default:
            return false;
        }
    }

private:
    // Push buttons outside dialogs ignore Enter; a focused one takes it as a click.
    static bool pressButton(QObject* o, QKeyEvent* k) {
        auto* button = qobject_cast<QPushButton*>(o);
        if (!button || !isEnter(k->key()) || (k->modifiers() & ~Qt::KeypadModifier) ||
            button->autoDefault() || button->isDefault() || !button->isEnabled())
            return false;
        if (!k->isAutoRepeat()) button->click();
        return true;
    }

    // Lets the text box take the focus as usual (a Tab selects its whole text), then puts
    // the caret at the end. A click places the caret first: the end is set on release.
    bool focusIn(QObject* o, QFocusEvent* f) {
        auto* field = qobject_cast<QLineEdit*>(o);
        if (m_inFocus || !field || !field->property(kCaretProperty).toBool()) return false;
        if (f->reason() == Qt::ActiveWindowFocusReason || f->reason() == Qt::PopupFocusReason)
            return false;
        if (f->reason() == Qt::MouseFocusReason) {
            field->setProperty(kClickedInProperty, true);
            return false;
        }
        m_inFocus = true;
        QCoreApplication::sendEvent(field, f);
        m_inFocus = false;
        field->end(false);
        return true;
    }

    bool m_inFocus = false;
};

} // namespace

void installKeyboardRules() {
    static QPointer<KeyboardRules> rules;
    if (rules || !qApp) return;
    rules = new KeyboardRules;
    rules->setParent(qApp);
    qApp->installEventFilter(rules);
}

void caretToEndOnFocus(QLineEdit* field) {
    installKeyboardRules();
    field->setProperty(kCaretProperty, true);
}

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
