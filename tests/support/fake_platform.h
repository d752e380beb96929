// A platform for tests: records what the game paints and says, answers questions from a script,
// keeps menu check marks and a virtual clock.
#pragma once

#include "platform/platform.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

class FakePlatform : public Canvas,
                     public Dialogs,
                     public Clock,
                     public Menus,
                     public FileControls,
                     public Windows,
                     public Preferences {
  public:
    struct Stamp {
        Pic pic;
        double x, y;
    };
    struct Outline {
        int colour;
        double x1, y1, x2, y2;
    };
    struct Text {
        double x, y;
        std::string text;
        double points;
        int colour;
        bool bold;
    };

    std::vector<Stamp> stamps;
    std::vector<Outline> outlines;
    std::vector<Outline> tints;
    std::vector<Text> texts;
    std::vector<std::string> messages; // "TITLE | TEXT", questions as "ask TITLE | TEXT -> Yes"
    std::deque<bool> answers;          // answers to the next questions; Yes when empty
    std::map<MenuItem, bool> checks;
    std::map<std::string, bool> flags; // the player's preferences
    std::map<std::string, int> numbers;
    int time_control_answer[3] = {}; // what the 持ち時間 dialog is given
    std::vector<std::string> browsed;
    bool browser_works = true;
    bool timer = false;
    bool bold = false;
    bool ended = false;
    bool home_page_pressed = false;
    int refreshes = 0;
    double clock = 36000.0;
    std::string boxes[5];
    std::string current_folder = ".";
    bool lists[3] = {false, false, false};
    bool io_visible = false;

    void clear(int) override {}
    void stamp(Pic p, double x, double y) override { stamps.push_back({p, x, y}); }
    void outline(int c, double x1, double y1, double x2, double y2) override {
        outlines.push_back({c, x1, y1, x2, y2});
    }
    void tint(int c, double x1, double y1, double x2, double y2) override {
        tints.push_back({c, x1, y1, x2, y2});
    }
    void set_font_bold(bool b) override { bold = b; }
    void print(double x, double y, const std::string& t, double pt, int c) override {
        texts.push_back({x, y, t, pt, c, bold});
    }
    void refresh() override { ++refreshes; }
    void message(const std::string& text, const std::string& title) override {
        messages.push_back(title + " | " + text);
    }
    bool ask(const std::string& text, const std::string& title) override {
        bool yes = true;
        if (!answers.empty()) {
            yes = answers.front();
            answers.pop_front();
        }
        messages.push_back("ask " + title + " | " + text + (yes ? " -> Yes" : " -> No"));
        return yes;
    }
    void warning(const std::string& text, const std::string& title) override {
        messages.push_back(title + " | " + text);
    }
    bool checked(MenuItem item) override { return checks[item]; }
    void set_checked(MenuItem item, bool on) override { checks[item] = on; }
    void set_timer(bool e) override { timer = e; }
    bool timer_enabled() override { return timer; }
    double now() override { return clock; }
    void wait(double s) override { clock += s; }
    void show_title(bool) override {}
    void place_window() override {}
    void end_program() override { ended = true; }
    bool flag(const std::string& key, bool fallback) override {
        const auto it = flags.find(key);
        return it == flags.end() ? fallback : it->second;
    }
    void set_flag(const std::string& key, bool on) override { flags[key] = on; }
    int number(const std::string& key, int fallback) override {
        const auto it = numbers.find(key);
        return it == numbers.end() ? fallback : it->second;
    }
    void set_number(const std::string& key, int value) override { numbers[key] = value; }
    bool version_dialog() override { return home_page_pressed; }
    bool choose_time_control(int& main, int& byoyomi, int& increment) override {
        main = time_control_answer[0];
        byoyomi = time_control_answer[1];
        increment = time_control_answer[2];
        return true;
    }
    bool open_browser(const std::string& path) override {
        browsed.push_back(path);
        return browser_works;
    }
    void show_lists(bool d, bool f, bool l) override {
        lists[0] = d;
        lists[1] = f;
        lists[2] = l;
    }
    void show_io(bool v) override { io_visible = v; }
    std::string text(TextBox b) override { return boxes[static_cast<int>(b)]; }
    void set_text(TextBox b, const std::string& t) override { boxes[static_cast<int>(b)] = t; }
    std::string folder() override { return current_folder; }
    void set_folder(const std::string& p) override { current_folder = p; }
    void refresh_files() override {}

    void forget() {
        stamps.clear();
        outlines.clear();
        texts.clear();
        messages.clear();
    }
};
