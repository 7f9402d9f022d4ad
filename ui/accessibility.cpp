#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextDocument>

namespace ui {

namespace {

// Dynamic properties of a value label that the accessible interface below serves.
constexpr const char* kCaptionProperty = "ui_accessibleCaption";
constexpr const char* kUnitProperty = "ui_accessibleUnit";
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

// A label's text as it shows it: rich text as plain text, without the mnemonic's '&'
// when it has a buddy; nothing when it shows a picture.
QString labelText(const QLabel* l) {
    if (!l->pixmap().isNull()) return {};
    QString s = l->text();
    if (l->textFormat() == Qt::RichText ||
        (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(s))) {
        QTextDocument doc;
        doc.setHtml(s);
        s = doc.toPlainText();
    }
    if (l->buddy()) s.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return s;
}

// What a screen reader sees of a label: a text it can read as shown (value labels are
// named with their caption and unit), a picture, or a label pressed like a button.
class LabelAccessible : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleImageInterface {
public:
    explicit LabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QLabel* label() const { return static_cast<QLabel*>(object()); }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::ImageInterface && !label()->pixmap().isNull())
            return static_cast<QAccessibleImageInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessible::Role role() const override {
        if (activatorOf(label())) return QAccessible::Button;
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
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
            const QString s = (w == l ? labelText(l) : shownText(w)).simplified();
            if (!s.isEmpty()) parts << s;
        }
        return parts.join(QLatin1Char(' '));
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto rels = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Labelled) && label()->buddy())
            rels.append(
                {QAccessible::queryAccessibleInterface(label()->buddy()), QAccessible::Labelled});
        return rels;
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

    // The text interface: the shown text, read only, without selection or caret.
    QString text(int start, int end) const override {
        const QString s = labelText(label());
        if (end < 0 || end > s.size()) end = static_cast<int>(s.size());
        return start < 0 || start >= end ? QString() : s.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(labelText(label()).size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // The image interface of a picture.
    QString imageDescription() const override { return label()->toolTip(); }
    QSize imageSize() const override { return label()->pixmap().deviceIndependentSize().toSize(); }
    QPoint imagePosition() const override { return label()->mapToGlobal(QPoint(0, 0)); }
};

// Check boxes, option buttons and push buttons: their actions do what the user's click
// does, handlers on `clicked` included (Qt's own toggle action only flips the value).
class ButtonAccessible : public QAccessibleWidget {
public:
    explicit ButtonAccessible(QAbstractButton* b) : QAccessibleWidget(b, QAccessible::Button) {}

    QAbstractButton* button() const { return static_cast<QAbstractButton*>(object()); }

    QAccessible::Role role() const override {
        if (qobject_cast<QRadioButton*>(button())) return QAccessible::RadioButton;
        return button()->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const auto* check = qobject_cast<const QCheckBox*>(button());
        s.checkable = button()->isCheckable();
        s.checked = button()->isChecked();
        s.checkStateMixed = check && check->checkState() == Qt::PartiallyChecked;
        s.pressed = button()->isDown();
        if (const auto* push = qobject_cast<const QPushButton*>(button()))
            s.defaultButton = push->isDefault();
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && button()->accessibleName().isEmpty()) {
            QString s = button()->text();
            s.remove(QRegularExpression(QStringLiteral("&(?!&)")));
            if (!s.isEmpty()) return s;
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        QStringList names;
        if (button()->isEnabled())
            names << (button()->isCheckable() ? toggleAction() : pressAction());
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name != pressAction() && name != toggleAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        QAbstractButton* b = button();
        // Run from the event loop, not from inside the screen reader's request.
        QMetaObject::invokeMethod(
            b,
            [b] {
                if (b->isEnabled()) b->click();
            },
            Qt::QueuedConnection);
    }
};

QAccessibleInterface* controlFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QLabel"))
        return new LabelAccessible(static_cast<QLabel*>(object));
    if (className == QLatin1String("QPushButton") || className == QLatin1String("QCheckBox") ||
        className == QLatin1String("QRadioButton"))
        return new ButtonAccessible(static_cast<QAbstractButton*>(object));
    return nullptr;
}

// Serves the label from the interface above from now on, also when a screen reader has
// already asked for it.
void serve(QLabel* label) {
    installAccessibleControls();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label);
    if (iface && !dynamic_cast<LabelAccessible*>(iface)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
        QAccessible::queryAccessibleInterface(label);
    }
}

} // namespace

void installAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(controlFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

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
