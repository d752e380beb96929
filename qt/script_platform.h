// Runs a script of user actions against the real program logic without a window: the canvas is
// the same QImage, message boxes are answered from the script, the clock is virtual, and what a
// user would see and hear is written one line per event.
#pragma once

#include "platform/platform.h"
#include "qt/canvas.h"

#include <deque>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

class ScriptPlatform : public Canvas,
                       public Dialogs,
                       public Clock,
                       public Menus,
                       public FileControls,
                       public Windows,
                       public Preferences,
                       public MovesPanel,
                       public Clipboard {
  public:
    explicit ScriptPlatform(std::ostream& out);
    ~ScriptPlatform() override;

    // Starts the program (Form_Load), then runs the script's commands; returns false on a bad line
    // (reported on the output as "error LINE: ...") but goes on with the rest.
    bool run(std::istream& script);
    // One command line.
    bool command(const std::string& line);

    const CanvasImage& canvas() const { return canvas_; }

    // Canvas
    void clear(int colour) override;
    void stamp(Pic picture, double x, double y) override;
    void outline(int colour, double x1, double y1, double x2, double y2) override;
    void tint(int colour, double x1, double y1, double x2, double y2) override;
    void set_font_bold(bool bold) override;
    void print(double x, double y, const std::string& text, double points, int colour) override;
    void refresh() override {}
    // Dialogs
    void message(const std::string& text, const std::string& title) override;
    bool ask(const std::string& text, const std::string& title) override;
    void warning(const std::string& text, const std::string& title) override;
    bool version_dialog() override;
    bool open_browser(const std::string& path) override;
    // Clock
    void set_timer(bool enabled) override { timer_ = enabled; }
    bool timer_enabled() override { return timer_; }
    double now() override { return clock_; }
    void wait(double seconds) override { clock_ += seconds; }
    // A fixed day at the virtual time, so that what a run writes is the same on any day.
    std::string date_time() override;
    // Clipboard: each line written as "clipboard TEXT"
    void put_text(const std::string& text) override;
    // Menus
    bool checked(MenuItem item) override;
    void set_checked(MenuItem item, bool on) override;
    // Windows
    void show_title(bool) override {}
    void place_window() override {}
    void end_program() override { ended_ = true; }
    // Preferences: a run starts from none and keeps them only while it runs
    bool flag(const std::string& key, bool fallback) override;
    void set_flag(const std::string& key, bool on) override { flags_[key] = on; }
    int number(const std::string& key, int fallback) override {
        const auto it = numbers_.find(key);
        return it == numbers_.end() ? fallback : it->second;
    }
    void set_number(const std::string& key, int value) override { numbers_[key] = value; }
    // FileControls
    void show_lists(bool drive, bool folder, bool file) override;
    void show_io(bool visible) override { io_visible_ = visible; }
    std::string text(TextBox box) override { return boxes_[static_cast<int>(box)]; }
    void set_text(TextBox box, const std::string& text) override { boxes_[static_cast<int>(box)] = text; }
    std::string folder() override { return folder_; }
    void set_folder(const std::string& path) override;
    void refresh_files() override {}
    // MovesPanel: kept as the window would show it
    void show_moves(const std::vector<std::string>& rows, int current) override {
        move_rows_ = rows;
        move_current_ = current;
    }
    void show_review(const std::vector<ReviewRow>& moves, const ReviewProgress&) override { review_ = moves; }
    // Prints "result TEXT" when a game's result comes to stand under the list.
    void show_result(const std::string& text) override;
    bool choose_time_control(int& main, int& byoyomi, int& increment) override;
    // `timecontrol M B I`: the values the next 持ち時間 dialog is given, and the dialog run.
    void set_time_control_answer(int main, int byoyomi, int increment) {
        answer_tc_ = {main, byoyomi, increment};
    }
    // The file the player would be offered is taken.
    std::string choose_picture_file(const std::string& suggested) override { return suggested; }
    bool save_graph(const std::string& path) override;
    // Printed as "engine SCORE LINE" and "analysis DEPTH SCORE LINE".
    void show_engine(const std::optional<EngineLine>& line) override;
    void show_analysis(bool running, const std::optional<EngineLine>& line) override;
    // A notice is printed as it comes ("notice TEXT"); taking it away prints nothing.
    void show_notice(const std::string& text) override;

    bool ended() const { return ended_; }

  private:
    void advance(double seconds);
    void dump();
    void pixels();
    static void sound_listener(const char* action, int buffer);

    std::ostream& out_;
    CanvasImage canvas_;
    std::deque<bool> answers_;
    std::vector<std::string> move_rows_;
    int move_current_ = 0;
    std::vector<ReviewRow> review_;
    std::map<MenuItem, bool> checks_;
    std::map<std::string, bool> flags_;
    std::map<std::string, int> numbers_;
    std::string result_;
    struct {
        int main = 0, byoyomi = 0, increment = 0;
    } answer_tc_;
    bool timer_ = false;
    bool started_ = false; // the lines at the top have been read
    bool ended_ = false;
    bool io_visible_ = false;
    double clock_ = 36000.0;
    double next_tick_ = 0;
    std::string boxes_[5];
    std::string folder_;
};
