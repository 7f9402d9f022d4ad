#include "ui/form.h"

#include "ui/accessibility.h"
#include "ui/events.h"
#include "ui/platform.h"
#include "ui/twips.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QPointer>
#include <QRadioButton>

namespace ui {

Form::Form(QWidget* parent) : QWidget(parent, Qt::Window) {
    installKeyboardRules();
    installAccessibleControls();
}

void Form::load() {
    if (m_loaded || m_unloaded) return;
    m_loaded = true;
    onLoad();
}

void Form::unload() {
    if (m_unloaded) return;
    close();
}

void Form::closeEvent(QCloseEvent* event) {
    event->accept();
    if (m_unloaded) return;
    m_unloaded = true;
    // Every running operation ends at its next yield.
    for (auto it = m_generations.begin(); it != m_generations.end(); ++it)
        ++it.value();
    Q_EMIT unloading();
    deleteLater();
}

void Form::setClientSizeTw(int width, int height) {
    setFixedSize(px(width), px(height));
}

Form::Ticket Form::beginOperation(int channel) {
    return Ticket{channel, ++m_generations[channel]};
}

bool Form::isCurrent(const Ticket& t) const {
    return !m_unloaded && m_generations.value(t.channel) == t.generation;
}

bool Form::yieldTimes(int count) {
    QPointer<Form> self(this);
    for (int i = 0; i < count; ++i) {
        platform().yield();
        if (!self || self->m_unloaded) return false;
    }
    return true;
}

bool Form::yieldTimes(int count, const Ticket& ticket) {
    QPointer<Form> self(this);
    for (int i = 0; i < count; ++i) {
        platform().yield();
        if (!self || !self->isCurrent(ticket)) return false;
    }
    return true;
}

void Form::setBusy(bool busy) {
    platform().setBusyPointer(this, busy);
}

void setBackColor(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Button, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setForeColor(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

QFont fixedFont() {
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

void setValue(QAbstractButton* button, bool value) {
    if (!button || button->isChecked() == value) return;
    if (!value && qobject_cast<QRadioButton*>(button) && button->autoExclusive()) {
        // An exclusive option button cannot be unticked directly.
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    } else {
        button->setChecked(value);
    }
    Q_EMIT button->clicked(value);
}

} // namespace ui
