#pragma once

#include "consoles/polaris/form72.h"
#include "shell/catalog.h"
#include "shell/errors32.h"
#include "shell/window_registry.h"
#include "tests/support/window_test.h"

#include <QApplication>
#include <QPushButton>

namespace polaris_test {

// Yields of one Connect: 30 bars, then five extra steps.
inline constexpr long long kConnectYields = 30LL * 10001 + 5 * 101;
inline constexpr long long kEraseYields = 30LL * 10001;

using testing::lines;
using testing::setLanguage;

// Opens the console through the registry, as the main window's menu does.
inline polaris::Form72* openConsole() {
    return testing::open<polaris::Form72>("Form72");
}

inline polaris::Form72* openConnected(testing::FakePlatform& fake) {
    polaris::Form72* f = openConsole();
    f->Command29->click();
    fake.yields = 0;
    return f;
}

// The eleven buttons that the console enables and disables together.
inline QList<QPushButton*> consoleButtons(polaris::Form72* f) {
    return {f->Command29, f->Command19, f->Command31, f->Command3, f->Command2, f->Command24,
            f->Command30, f->Command4,  f->Command1,  f->Command9, f->Command20};
}

inline bool allEnabled(const QList<QPushButton*>& buttons, bool enabled) {
    for (QPushButton* b : buttons)
        if (b->isEnabled() != enabled) return false;
    return true;
}

} // namespace polaris_test
