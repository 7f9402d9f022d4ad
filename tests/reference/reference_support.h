#pragma once

// Opening the reference windows as the main window's menu does.
#include "shell/catalog.h"
#include "shell/errors32.h"
#include "shell/window_registry.h"
#include "tests/support/window_test.h"

#include <QApplication>

namespace reference_test {

inline shell::WindowRegistry& registry() {
    return shell::WindowRegistry::instance();
}

using testing::setLanguage;

template <typename T> T* openWindow(const char* name) {
    return testing::open<T>(name);
}

} // namespace reference_test
