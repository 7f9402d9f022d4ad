#pragma once

namespace app {
// Registers every window of the program with the window registry.
void registerWindows();
} // namespace app
