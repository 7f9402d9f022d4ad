#pragma once

namespace shell {
class WindowRegistry;
}

namespace reference {
// Registers the glossary, history and connector pictures windows.
void registerWindows(shell::WindowRegistry& registry);
} // namespace reference
