#include "shell/file_sync.h"

#include <unistd.h>

namespace shell {

bool syncToDisk(QFileDevice& file) {
    return ::fsync(file.handle()) == 0;
}

} // namespace shell
