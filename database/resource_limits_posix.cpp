#include "database/resource_limits.h"

#include <sys/resource.h>

// GCC says __SANITIZE_ADDRESS__ under the address sanitizer, clang __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define TERRASOND_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TERRASOND_ASAN 1
#endif
#endif

#ifdef TERRASOND_ASAN
// Address space limits do not mix with the sanitizer's shadow memory; limit the resident
// size instead. The reader leaves libmdb's structures to the end of the process.
extern "C" const char* __asan_default_options() {
    return "hard_rss_limit_mb=512:detect_leaks=0";
}
#endif

namespace reference::detail {

void limitResources() {
#ifndef TERRASOND_ASAN
    const rlimit memory{512ul << 20, 512ul << 20};
    setrlimit(RLIMIT_AS, &memory);
#endif
    const rlimit cpu{20, 20};
    setrlimit(RLIMIT_CPU, &cpu);
    const rlimit core{0, 0};
    setrlimit(RLIMIT_CORE, &core);
}

} // namespace reference::detail
