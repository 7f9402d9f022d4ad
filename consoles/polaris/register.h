#pragma once

namespace shell {
class WindowRegistry;
}

namespace polaris {

// Registers the Polaris console ("Form72").
void registerWindows(shell::WindowRegistry& registry);

} // namespace polaris
