#include "reference/register.h"

#include "reference/form10.h"
#include "reference/form6.h"
#include "reference/form9.h"
#include "shell/window_registry.h"

namespace reference {

void registerWindows(shell::WindowRegistry& registry) {
    registry.registerWindow(QStringLiteral("Form9"), [] { return new Form9; });
    registry.registerWindow(QStringLiteral("Form10"), [] { return new Form10; });
    registry.registerWindow(QStringLiteral("Form6"), [] { return new Form6; });
}

} // namespace reference
