// What the game needs from the outside world: the window's canvas, message boxes, menu check marks,
// the file-panel controls, Timer1, the clock, the browser. No Qt here; the window (qt/), the script
// driver and the tests each provide an implementation.
#pragma once

#include "platform/pictures.h"

#include <string>
#include <vector>

// Menu items that carry check marks.
enum class MenuItem {
    LEVEL1,
    LEVEL2,
    LEVEL3,
    LEVEL4,
    MIDORI,
    TATAMI,
    TAKE,
    UCHU,
    RENGA,
    SIDOU,
    KEIKA,
    BGM,
    Count
};

// The record-file panel's four text boxes.
enum class TextBox { Text1 = 1, Text2 = 2, Text3 = 3, Text4 = 4 };

class Platform {
  public:
    virtual ~Platform() = default;

    // Canvas, in twips (15 twips to a pixel). Everything painted stays until painted over.
    virtual void clear(int colour) = 0;
    virtual void stamp(Pic picture, double x, double y) = 0;
    virtual void outline(int colour, double x1, double y1, double x2, double y2) = 0;
    virtual void set_font_bold(bool bold) = 0;
    virtual void print(double x, double y, const std::string& text, double points, int colour) = 0;
    virtual void refresh() = 0; // bring the window up to date now

    // Modal message boxes with an OK button; ask() has Yes and No and returns true for Yes.
    virtual void message(const std::string& text, const std::string& title) = 0;
    virtual bool ask(const std::string& text, const std::string& title) = 0;
    virtual void warning(const std::string& text, const std::string& title) = 0;

    // Menu check marks are the authoritative state of the options and levels.
    virtual bool checked(MenuItem item) = 0;
    virtual void set_checked(MenuItem item, bool on) = 0;

    // Timer1: ticks every 50 ms while enabled.
    virtual void set_timer(bool enabled) = 0;
    virtual bool timer_enabled() = 0;

    // Seconds since midnight, with fractions. wait() returns when the time is up; meanwhile the window
    // is painted and exposed, but no click, key, menu command, Timer1 tick or quit request is
    // handled: those wait for the handler to end. Short waits in a loop keep the window alive while
    // work runs on another thread.
    virtual double now() = 0;
    virtual void wait(double seconds) = 0;

    // Windows of the program.
    virtual void show_title(bool visible) = 0;
    virtual void place_window() = 0;
    virtual void end_program() = 0;
    // Shows the version dialog modally; returns true when its home-page button was pressed.
    virtual bool version_dialog() = 0;
    // Opens a page in the system browser; false when no browser could be started.
    virtual bool open_browser(const std::string& path) = 0;

    // The record-file panel.
    virtual void show_lists(bool drive, bool folder, bool file) = 0;
    virtual void show_io(bool visible) = 0;
    virtual std::string text(TextBox box) = 0;
    virtual void set_text(TextBox box, const std::string& text) = 0;
    virtual std::string folder() = 0;                     // current folder of the file list
    virtual void set_folder(const std::string& path) = 0; // folder and file lists follow it
    virtual void refresh_files() = 0;
};

Platform& platform();
void set_platform(Platform* p);
