#include "consoles/kawasaki/register.h"

#include "consoles/kawasaki/form71.h"
#include "shell/window_registry.h"

namespace kawasaki {

void registerWindows(shell::WindowRegistry& registry) {
    registry.registerWindow(QStringLiteral("Form71"), [] { return new Form71; });
}

} // namespace kawasaki
