#include "app/windows.h"

#include "shell/form3.h"
#include "shell/window_registry.h"

// Each area declares `void registerWindows(shell::WindowRegistry&)` in its namespace.
#ifdef TERRASOND_HAS_BOMBARDIER
#include "consoles/bombardier/register.h"
#endif
#ifdef TERRASOND_HAS_POLARIS
#include "consoles/polaris/register.h"
#endif
#ifdef TERRASOND_HAS_KAWASAKI
#include "consoles/kawasaki/register.h"
#endif
#ifdef TERRASOND_HAS_YAMAHA
#include "consoles/yamaha/register.h"
#endif
#ifdef TERRASOND_HAS_REFERENCE
#include "reference/register.h"
#endif

namespace app {

void registerWindows() {
    auto& r = shell::WindowRegistry::instance();
    r.registerWindow(QStringLiteral("Form3"), [] { return new shell::Form3; });
#ifdef TERRASOND_HAS_BOMBARDIER
    bombardier::registerWindows(r);
#endif
#ifdef TERRASOND_HAS_POLARIS
    polaris::registerWindows(r);
#endif
#ifdef TERRASOND_HAS_KAWASAKI
    kawasaki::registerWindows(r);
#endif
#ifdef TERRASOND_HAS_YAMAHA
    yamaha::registerWindows(r);
#endif
#ifdef TERRASOND_HAS_REFERENCE
    reference::registerWindows(r);
#endif
}

} // namespace app
