#pragma once

// Opening the Kawasaki console and acting on it the way a user does.
#include "app/windows.h"
#include "consoles/kawasaki/form71.h"
#include "shell/catalog.h"
#include "shell/errors32.h"
#include "shell/window_registry.h"
#include "tests/support/window_test.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <functional>

namespace kawasaki_test {

using kawasaki::Form71;

using testing::lines;
using testing::setLanguage;

inline Form71* openConsole() {
    return testing::open<Form71>("Form71");
}

inline Form71* connectedConsole() {
    Form71* f = openConsole();
    f->Command29->click();
    return f;
}

// Clicks a button only when a user could: visible and enabled.
inline bool click(QPushButton* b) {
    if (!b->isVisible() || !b->isEnabled()) return false;
    b->click();
    return true;
}

inline QStringList enabledButtons(const Form71* f) {
    QStringList out;
    for (auto* b : {f->Command29, f->Command31, f->Command30, f->Command11, f->Command20,
                    f->Command24, f->Command1, f->Command2, f->Command3, f->Command4})
        if (b->isEnabled()) out << b->objectName();
    return out;
}

// The buttons a connected console offers, in the order enabledButtons() lists them.
inline const QStringList kConnected = {"Command29", "Command31", "Command30", "Command11",
                                       "Command20", "Command1",  "Command3"};
inline const QStringList kAllButBlank = {"Command29", "Command31", "Command30",
                                         "Command11", "Command20", "Command1",
                                         "Command2",  "Command3",  "Command4"};

// Runs `action` once, from inside the yield with the given running count.
inline void atYield(testing::FakePlatform& fake, long long when, std::function<void()> action) {
    fake.onYield = [when, action = std::move(action), done = false](long long n) mutable {
        if (done || n < when) return;
        done = true;
        action();
    };
}

} // namespace kawasaki_test
