#include "consoles/yamaha/register.h"

#include "consoles/yamaha/form55.h"
#include "shell/window_registry.h"

namespace yamaha {

void registerWindows(shell::WindowRegistry& registry) {
    registry.registerWindow(QStringLiteral("Form55"), [] { return new Form55; });
}

} // namespace yamaha
