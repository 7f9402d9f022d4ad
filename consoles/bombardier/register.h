#pragma once

namespace shell {
class WindowRegistry;
}

namespace bombardier {
// Registers the Bombardier console ("Form28").
void registerWindows(shell::WindowRegistry& registry);
} // namespace bombardier
