#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>

namespace ui {

namespace {

// Dynamic properties of a label that the accessible interface below serves.
constexpr const char* kCaptionProperty = "ui_accessibleCaption";
constexpr const char* kUnitProperty = "ui_accessibleUnit";
constexpr const char* kServedProperty = "ui_accessibleLabel";
constexpr const char* kActivatorName = "ui_activator";

// Keyboard and screen-reader side of an activatable label; a child of the label.
class Activator : public QObject {
public:
    Activator(QLabel* label, std::function<void()> handler)
        : QObject(label), m_label(label), m_handler(std::move(handler)) {
        setObjectName(QLatin1String(kActivatorName));
        label->installEventFilter(this);
    }

    void activate() {
        if (m_handler) m_handler();
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
        case QEvent::KeyPress: {
            const auto* k = static_cast<QKeyEvent*>(e);
            if (k->modifiers() & ~Qt::KeypadModifier) return false;
            if (k->key() != Qt::Key_Space && k->key() != Qt::Key_Return &&
                k->key() != Qt::Key_Enter)
                return false;
            activate();
            return true;
        }
        case QEvent::FocusIn:
            m_frameStyle = m_label->frameStyle();
            m_lineWidth = m_label->lineWidth();
            m_label->setFrameStyle(QFrame::Box | QFrame::Plain);
            m_label->setLineWidth(1);
            return false;
        case QEvent::FocusOut:
            m_label->setFrameStyle(m_frameStyle);
            m_label->setLineWidth(m_lineWidth);
            return false;
        default:
            return false;
        }
    }

private:
    QLabel* m_label;
    std::function<void()> m_handler;
    int m_frameStyle = 0;
    int m_lineWidth = 1;
};

Activator* activatorOf(const QLabel* label) {
    return label->findChild<Activator*>(QLatin1String(kActivatorName), Qt::FindDirectChildrenOnly);
}

const QWidget* widgetProperty(const QObject* o, const char* name) {
    return qobject_cast<const QWidget*>(o->property(name).value<QPointer<QObject>>().data());
}

void setWidgetProperty(QObject* o, const char* name, const QWidget* w) {
    o->setProperty(name, QVariant::fromValue(QPointer<QObject>(const_cast<QWidget*>(w))));
}

// What a screen reader sees of a value label or an activatable label.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QLabel* label() const { return static_cast<QLabel*>(object()); }

    QAccessible::Role role() const override {
        return activatorOf(label()) ? QAccessible::Button : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const QLabel* l = label();
        if (!l->accessibleName().isEmpty()) return l->accessibleName();
        QStringList parts;
        for (const QWidget* w :
             {widgetProperty(l, kCaptionProperty), static_cast<const QWidget*>(l),
              widgetProperty(l, kUnitProperty)}) {
            if (!w) continue;
            const QString s = (w == l ? l->text() : shownText(w)).simplified();
            if (!s.isEmpty()) parts << s;
        }
        return parts.join(QLatin1Char(' '));
    }

    // An activatable label is pressed like a button.
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (activatorOf(label())) names.prepend(pressAction());
        return names;
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        if (name == pressAction() && activatorOf(label())) return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(name);
    }
    void doAction(const QString& name) override {
        Activator* a = activatorOf(label());
        if (name != pressAction() || !a) {
            QAccessibleWidget::doAction(name);
            return;
        }
        if (!label()->isEnabled()) return;
        // Run from the event loop, not from inside the screen reader's request.
        QMetaObject::invokeMethod(
            a, [a] { a->activate(); }, Qt::QueuedConnection);
    }
};

QAccessibleInterface* labelFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QLabel") || !object->property(kServedProperty).toBool())
        return nullptr;
    return new LabelAccessible(static_cast<QLabel*>(object));
}

// Serves the label from the interface above from now on, also when a screen reader has
// already asked for it.
void serve(QLabel* label) {
    static const bool installed = [] {
        QAccessible::installFactory(labelFactory);
        return true;
    }();
    Q_UNUSED(installed);
    label->setProperty(kServedProperty, true);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label);
    if (iface && !dynamic_cast<LabelAccessible*>(iface)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
        QAccessible::queryAccessibleInterface(label);
    }
}

} // namespace

QString shownText(const QWidget* control) {
    if (const auto* l = qobject_cast<const QLabel*>(control)) return l->text();
    if (const auto* g = qobject_cast<const QGroupBox*>(control)) return g->title();
    if (const auto* b = qobject_cast<const QAbstractButton*>(control)) return b->text();
    return control ? control->accessibleName() : QString();
}

void nameValue(QLabel* value, const QWidget* caption, const QWidget* unit) {
    setWidgetProperty(value, kCaptionProperty, caption);
    setWidgetProperty(value, kUnitProperty, unit);
    serve(value);
}

void makeActivatable(QLabel* label, std::function<void()> handler) {
    if (Activator* old = activatorOf(label)) delete old;
    new Activator(label, std::move(handler));
    label->setFocusPolicy(Qt::TabFocus);
    serve(label);
}

void enterMenuBarWithF10(QMenuBar* bar) {
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), bar->window());
    QObject::connect(f10, &QShortcut::activated, bar, [bar] {
        if (!bar->isVisible() || bar->activeAction()) return;
        // The menu bar enters its keyboard mode on a tap of Alt in its window; F10 makes
        // that tap.
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != bar->window()) target = bar->window();
        QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
        override.ignore(); // not taken by the focus widget: it reaches the window
        QApplication::sendEvent(target, &override);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    });
}

void setActivatable(QLabel* label, bool reachable) {
    if (!activatorOf(label)) return;
    label->setFocusPolicy(reachable ? Qt::TabFocus : Qt::NoFocus);
    if (!reachable && label->hasFocus()) label->clearFocus();
}

} // namespace ui
