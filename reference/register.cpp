#include "reference/register.h"

#include "shell/window_registry.h"

// Each group of windows defines its macro when it is built (see CMakeLists.txt).
#ifdef TERRASOND_HAS_GLOSSARY
#include "reference/form9.h"
#endif
#ifdef TERRASOND_HAS_HISTORY
#include "reference/form10.h"
#include "reference/form6.h"
#endif

namespace reference {

void registerWindows(shell::WindowRegistry& registry) {
#ifdef TERRASOND_HAS_GLOSSARY
    registry.registerWindow(QStringLiteral("Form9"), [] { return new Form9; });
#endif
#ifdef TERRASOND_HAS_HISTORY
    registry.registerWindow(QStringLiteral("Form10"), [] { return new Form10; });
    registry.registerWindow(QStringLiteral("Form6"), [] { return new Form6; });
#endif
    (void)registry;
}

} // namespace reference
