#pragma once

#include "consoles/bombardier/form28.h"
#include "shell/catalog.h"
#include "tests/support/window_test.h"

#include <QPushButton>

namespace bombardier_test {

using testing::lines;
using testing::setLanguage;

// Opens the console as the main window's "Bombardier" entry does.
inline bombardier::Form28* openConsole() {
    return testing::open<bombardier::Form28>("Form28");
}

inline bombardier::Form28* connectedConsole() {
    bombardier::Form28* f = openConsole();
    f->Command29->click();
    return f;
}

// The twelve buttons the console switches on and off together.
inline QList<QPushButton*> consoleButtons(bombardier::Form28* f) {
    return {f->Command55, f->Command29, f->Command21, f->Command31, f->Command47, f->Command3,
            f->Command6,  f->Command30, f->Command4,  f->Command2,  f->Command1,  f->Command33};
}

// Names of the enabled buttons among the twelve and "Freeze Frame".
inline QStringList enabledButtons(bombardier::Form28* f) {
    QStringList out;
    auto all = consoleButtons(f);
    all << f->Command58;
    for (QPushButton* b : all)
        if (b->isEnabled()) out << b->objectName();
    out.sort();
    return out;
}

inline QStringList allButtonsButFreezeFrame(bombardier::Form28* f) {
    QStringList out;
    for (QPushButton* b : consoleButtons(f))
        out << b->objectName();
    out.sort();
    return out;
}

// Yields taken by one progress animation (20 bars) and by Connect as a whole.
inline constexpr long long kProgressYields = 20LL * 10001;
inline constexpr long long kConnectYields = kProgressYields + 5 * 101;

} // namespace bombardier_test
