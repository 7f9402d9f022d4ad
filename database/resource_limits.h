#pragma once

namespace reference::detail {

// Limits the Access reader process before it opens a file: at most 512 MB of memory and
// 20 seconds of processor time, and no core file. The reader's one system-specific call; a
// port to another system fills it in (resource_limits_posix.cpp here).
void limitResources();

} // namespace reference::detail
