#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {
Platform g_platform{Platform::Parts{}};
}

void Platform::missing(const char* name) {
    std::fprintf(stderr, "tessora: no %s installed\n", name);
    std::abort();
}

std::string Clock::date_time() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y/%m/%d %H:%M:%S", &local);
    return buf;
}

void FileControls::hide_io() {
    for (TextBox b : {TextBox::Text1, TextBox::Text2, TextBox::Text3, TextBox::Text4}) set_text(b, "");
    show_io(false);
}

void FileControls::close() {
    show_lists(false, false, false);
    hide_io();
}

const Platform& platform() {
    return g_platform;
}

void set_platform(const Platform::Parts& parts) {
    g_platform = Platform(parts);
}
