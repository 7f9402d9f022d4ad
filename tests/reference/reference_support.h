#pragma once

// Opening the reference windows as the main window's menu does.
#include "shell/catalog.h"
#include "shell/errors32.h"
#include "shell/window_registry.h"

#include <QApplication>

namespace reference_test {

inline shell::WindowRegistry& registry() {
    return shell::WindowRegistry::instance();
}

inline void setLanguage(int language) {
    ERRORS32::LanguageIndex = static_cast<short>(language);
    shell::FillLanguageCatalog();
}

// Loads the window and makes it the active one, so that focus changes are delivered.
template <typename T> T* openWindow(const char* name) {
    auto* f = static_cast<T*>(registry().load(QLatin1String(name)));
    f->activateWindow();
    QApplication::setActiveWindow(f);
    return f;
}

} // namespace reference_test
