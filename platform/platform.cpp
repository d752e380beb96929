#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace {
Platform g_platform{Platform::Parts{}};
}

void Platform::missing(const char* name) {
    std::fprintf(stderr, "tessora: no %s installed\n", name);
    std::abort();
}

const Platform& platform() {
    return g_platform;
}

void set_platform(const Platform::Parts& parts) {
    g_platform = Platform(parts);
}
