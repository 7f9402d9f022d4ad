#include "consoles/polaris/register.h"

#include "consoles/polaris/form72.h"
#include "shell/window_registry.h"

namespace polaris {

void registerWindows(shell::WindowRegistry& registry) {
    registry.registerWindow(QStringLiteral("Form72"), [] { return new Form72; });
}

} // namespace polaris
