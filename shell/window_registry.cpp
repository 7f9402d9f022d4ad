#include "shell/window_registry.h"

namespace shell {

WindowRegistry& WindowRegistry::instance() {
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::registerWindow(const QString& name, Factory factory) {
    m_factories.insert(name, std::move(factory));
}

bool WindowRegistry::isRegistered(const QString& name) const {
    return m_factories.contains(name);
}

ui::Form* WindowRegistry::load(const QString& name) {
    if (ui::Form* open = find(name)) return open;
    const auto it = m_factories.constFind(name);
    if (it == m_factories.constEnd()) return nullptr;
    ui::Form* form = (*it)();
    if (!form) return nullptr;
    form->setObjectName(name);
    m_open.insert(name, form);
    QObject::connect(form, &ui::Form::unloading, form, [this, name, form] {
        if (m_open.value(name) == form) m_open.remove(name);
    });
    form->load();
    return form;
}

ui::Form* WindowRegistry::find(const QString& name) const {
    ui::Form* f = m_open.value(name);
    return (f && !f->isUnloaded()) ? f : nullptr;
}

void WindowRegistry::unload(const QString& name) {
    if (ui::Form* f = find(name)) f->unload();
}

void WindowRegistry::unloadAll() {
    const auto names = m_open.keys();
    for (const QString& n : names)
        unload(n);
}

} // namespace shell
