#pragma once

#include <QFileDevice>

namespace shell {

// Pushes what `file` has written through the operating system's caches to the disk, so a
// file that replaces another is complete before it does. False when the system reports a
// failure. The one call a port to another system fills in (file_sync_posix.cpp here).
bool syncToDisk(QFileDevice& file);

} // namespace shell
