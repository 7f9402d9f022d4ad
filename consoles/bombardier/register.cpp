#include "consoles/bombardier/register.h"

#include "consoles/bombardier/form28.h"
#include "shell/window_registry.h"

namespace bombardier {

void registerWindows(shell::WindowRegistry& registry) {
    registry.registerWindow(QStringLiteral("Form28"), [] { return new Form28; });
}

} // namespace bombardier
