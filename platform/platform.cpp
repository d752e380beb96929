#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace {
Platform* g_platform = nullptr;
}

Platform& platform() {
    if (!g_platform) {
        std::fprintf(stderr, "tessora: no platform installed\n");
        std::abort();
    }
    return *g_platform;
}

void set_platform(Platform* p) {
    g_platform = p;
}
