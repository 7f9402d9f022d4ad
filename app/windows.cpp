#include "app/windows.h"

#include "shell/form3.h"
#include "shell/window_registry.h"

namespace app {

void registerWindows() {
    auto& r = shell::WindowRegistry::instance();
    r.registerWindow(QStringLiteral("Form3"), [] { return new shell::Form3; });
}

} // namespace app
