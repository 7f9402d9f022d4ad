#pragma once

namespace shell {
class WindowRegistry;
}

namespace yamaha {
// Registers the Yamaha self-diagnostic guide ("Form55").
void registerWindows(shell::WindowRegistry& registry);
} // namespace yamaha
