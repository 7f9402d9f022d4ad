#pragma once

#include "ui/form.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <functional>

namespace shell {

// The single program-wide instance of each window. The entry point registers a factory
// per window name ("Form28"); load() creates the instance on first use and runs its load
// step, and does nothing while the window is open. An unloaded window is forgotten, so
// the next load starts from the design state.
class WindowRegistry {
public:
    using Factory = std::function<ui::Form*()>;

    static WindowRegistry& instance();

    void registerWindow(const QString& name, Factory factory);
    bool isRegistered(const QString& name) const;

    // Loads the window (if registered) and returns it; nullptr for an unknown name.
    ui::Form* load(const QString& name);
    // The open instance, or nullptr.
    ui::Form* find(const QString& name) const;
    template <typename T> T* find(const QString& name) const {
        return qobject_cast<T*>(find(name));
    }
    // Unloads the open instance, if any.
    void unload(const QString& name);
    // Unloads every open window.
    void unloadAll();

private:
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<ui::Form>> m_open;
};

} // namespace shell
