#pragma once

namespace shell {
class WindowRegistry;
}

namespace kawasaki {
// Registers the Kawasaki console ("Form71").
void registerWindows(shell::WindowRegistry& registry);
} // namespace kawasaki
