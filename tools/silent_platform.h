// A window for the tools that time and pit the computers: nothing is painted, nobody answers, the clock
// stands still and waits return at once. A turn paints, may announce a mate and looks at the 経過 check
// mark; nothing more is installed.
#pragma once

#include "platform/platform.h"

#include <string>

class SilentPlatform : public Canvas, public Dialogs, public Clock, public Menus {
  public:
    void clear(int) override {}
    void stamp(Pic, double, double) override {}
    void outline(int, double, double, double, double) override {}
    void tint(int, double, double, double, double) override {}
    void set_font_bold(bool) override {}
    void print(double, double, const std::string&, double, int) override {}
    void refresh() override {}
    void message(const std::string&, const std::string&) override {}
    bool ask(const std::string&, const std::string&) override { return true; }
    void warning(const std::string&, const std::string&) override {}
    bool version_dialog() override { return false; }
    bool open_browser(const std::string&) override { return false; }
    void set_timer(bool) override {}
    bool timer_enabled() override { return false; }
    double now() override { return 36000.0; }
    void wait(double) override {}
    bool checked(MenuItem) override { return false; }
    void set_checked(MenuItem, bool) override {}
};
