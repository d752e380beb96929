// What the game needs from the outside world, one interface per concern: the canvas, dialogs, the
// clock with Timer1, menu check marks, the file-panel controls, the program's windows and the
// player's preferences. No Qt here;
// the window (qt/), the script driver and the tests each provide the parts they need.
#pragma once

#include "platform/pictures.h"

#include <cstddef>
#include <optional>
#include <string>
#include <type_traits>
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
    SE,
    LASTMOVE,
    COORDS,
    NOTICES,
    ROTATE,
    THINK1,
    THINK3,
    THINK10,
    STRENGTH1, // LEVEL4's strength steps, 1 the weakest
    STRENGTH2,
    STRENGTH3,
    STRENGTH4,
    STRENGTH5,
    EVALSHOW,
    ANALYSE,
    SENTE, // the side the player last took against the computer
    GOTE,
    Count
};

// The record-file panel's four text boxes.
enum class TextBox { Text1 = 1, Text2 = 2, Text3 = 3, Text4 = 4 };

// The window's canvas, in twips (15 twips to a pixel). Everything painted stays until painted over.
class Canvas {
  public:
    virtual ~Canvas() = default;
    virtual void clear(int colour) = 0;
    virtual void stamp(Pic picture, double x, double y) = 0;
    virtual void outline(int colour, double x1, double y1, double x2, double y2) = 0;
    // Fills [x1, x2) x [y1, y2) with the colour at a fixed translucency: what lies under it shows through.
    virtual void tint(int colour, double x1, double y1, double x2, double y2) = 0;
    virtual void set_font_bold(bool bold) = 0;
    virtual void print(double x, double y, const std::string& text, double points, int colour) = 0;
    virtual void refresh() = 0; // bring the window up to date now
};

// Modal dialogs and the browser.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Message boxes with an OK button; ask() has Yes and No and returns true for Yes.
    virtual void message(const std::string& text, const std::string& title) = 0;
    virtual bool ask(const std::string& text, const std::string& title) = 0;
    virtual void warning(const std::string& text, const std::string& title) = 0;
    // Shows the version dialog; returns true when its home-page button was pressed.
    virtual bool version_dialog() = 0;
    // Opens a page in the system browser; false when no browser could be started.
    virtual bool open_browser(const std::string& path) = 0;
    // 持ち時間: the player sets the next game's time control in seconds, starting from the values handed
    // in (all 0: none; a byoyomi or an increment, not both); false when cancelled or not offered.
    virtual bool choose_time_control(int& main, int& byoyomi, int& increment) {
        (void)main, (void)byoyomi, (void)increment;
        return false;
    }
};

// Timer1 and the time of day.
class Clock {
  public:
    virtual ~Clock() = default;
    // Timer1: ticks every 50 ms while enabled.
    virtual void set_timer(bool enabled) = 0;
    virtual bool timer_enabled() = 0;
    // Seconds since midnight, with fractions. wait() returns when the time is up; meanwhile the window
    // is painted and exposed, but no click, key, menu command, Timer1 tick or quit request is
    // handled: those wait for the handler to end. Short waits in a loop keep the window alive while
    // work runs on another thread.
    virtual double now() = 0;
    virtual void wait(double seconds) = 0;
    // The local date and time, "2026/12/08 10:00:00", which a text record is stamped with.
    virtual std::string date_time();
};

// Menu check marks: the authoritative state of the options and levels.
class Menus {
  public:
    virtual ~Menus() = default;
    virtual bool checked(MenuItem item) = 0;
    virtual void set_checked(MenuItem item, bool on) = 0;
};

// The player's preferences beyond the settings file's four options, kept from one run to the next
// (the window keeps them with its size in the user's config folder; Tessora.ini stays as it is).
class Preferences {
  public:
    virtual ~Preferences() = default;
    virtual bool flag(const std::string& key, bool fallback) = 0;
    virtual void set_flag(const std::string& key, bool on) = 0;
    virtual int number(const std::string& key, int fallback) = 0;
    virtual void set_number(const std::string& key, int value) = 0;
};

// The record-file panel's controls.
class FileControls {
  public:
    virtual ~FileControls() = default;
    virtual void show_lists(bool drive, bool folder, bool file) = 0;
    virtual void show_io(bool visible) = 0;
    virtual std::string text(TextBox box) = 0;
    virtual void set_text(TextBox box, const std::string& text) = 0;
    virtual std::string folder() = 0;                     // current folder of the file list
    virtual void set_folder(const std::string& path) = 0; // folder and file lists follow it
    virtual void refresh_files() = 0;

    // Empties the four text boxes and hides them with their buttons.
    void hide_io();
    // Closes the panel: the lists hidden, the text boxes emptied and hidden.
    void close();
};

// The system's clipboard, which a text record is put on for the player to paste elsewhere.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void put_text(const std::string& text) = 0;
};
// The program's windows.
class Windows {
  public:
    virtual ~Windows() = default;
    virtual void show_title(bool visible) = 0;
    // Places the main window and shows it: the last step of start-up.
    virtual void place_window() = 0;
    virtual void end_program() = 0;
};

// What the review (検討) found for one move: the evaluation after it from the lower side's view (a mate
// as +-30000), its mark (0 none, 1 疑問手, 2 悪手) and the move preferred before it as the list writes
// moves; nothing where `ready` is false.
struct ReviewRow {
    bool ready = false;
    int eval = 0;
    bool mate = false;
    int mark = 0;
    std::string best;
};
// How far a review under way has got, in positions.
struct ReviewProgress {
    bool running = false;
    int done = 0, all = 0;
};

// What LEVEL4 thinks of a position: how deep it looked, its evaluation from the lower side's view (the
// player's against the computer) in the engine's units, a mate as +-30000, that side's chance of winning
// in percent, and the moves it expects from there, each as the list of moves writes it.
struct EngineLine {
    int depth = 0;
    int eval = 0;
    bool mate = false;
    int chance = 50;
    std::vector<std::string> moves;
};

// The list of the record's moves beside the board (row 0 the start, row n the position after move n),
// with the review's graph under it.
class MovesPanel {
  public:
    virtual ~MovesPanel() = default;
    // The rows as they are now and the row of the position on screen, which is highlighted and kept in
    // view.
    virtual void show_moves(const std::vector<std::string>& rows, int current) = 0;
    // The review's results for the record's moves (move n at n - 1) and its progress.
    virtual void show_review(const std::vector<ReviewRow>& moves, const ReviewProgress& progress) = 0;
    // The game's result under the list ("まで64手で先手の勝ち"); empty while the game has none.
    virtual void show_result(const std::string& text) = 0;
    // The file the graph is saved to, the player's choice starting from `suggested`; empty when the
    // player cancelled.
    virtual std::string choose_picture_file(const std::string& suggested) = 0;
    // The graph as a PNG picture; false when it could not be written.
    virtual bool save_graph(const std::string& path) = 0;
    // 評価値を表示: what LEVEL4 thought of its last move or hint; nothing hides it.
    virtual void show_engine(const std::optional<EngineLine>& line) = 0;
    // 解析: called once as the analysis starts on a position (no line yet), once for each iteration it
    // finishes there, and once as it stops (running false).
    virtual void show_analysis(bool running, const std::optional<EngineLine>& line) = 0;
    // A notice beside the list that stays until the next one; the empty text takes it away.
    virtual void show_notice(const std::string& text) = 0;
};

// The parts installed for the game: platform().canvas().stamp(...). A program installs only the
// parts it uses; reaching one it left out ends the program with a message.
class Platform {
  public:
    struct Parts {
        Canvas* canvas = nullptr;
        Dialogs* dialogs = nullptr;
        Clock* clock = nullptr;
        Menus* menus = nullptr;
        FileControls* file_controls = nullptr;
        Windows* windows = nullptr;
        Preferences* preferences = nullptr;
        MovesPanel* move_list = nullptr;
        Clipboard* clipboard = nullptr;
    };

    explicit Platform(const Parts& parts) : parts_(parts) {}

    Canvas& canvas() const { return reach(parts_.canvas, "canvas"); }
    Dialogs& dialogs() const { return reach(parts_.dialogs, "dialogs"); }
    Clock& clock() const { return reach(parts_.clock, "clock"); }
    Menus& menus() const { return reach(parts_.menus, "menus"); }
    FileControls& file_controls() const { return reach(parts_.file_controls, "file controls"); }
    Windows& windows() const { return reach(parts_.windows, "windows"); }
    Preferences& preferences() const { return reach(parts_.preferences, "preferences"); }
    Clipboard& clipboard() const { return reach(parts_.clipboard, "clipboard"); }
    // A program without a list of moves (the benchmark) leaves it out.
    MovesPanel* move_list() const { return parts_.move_list; }

    // The parts an object implements.
    template <class T> static Parts parts_of(T* p) {
        Parts parts;
        if constexpr (std::is_base_of_v<Canvas, T>) parts.canvas = p;
        if constexpr (std::is_base_of_v<Dialogs, T>) parts.dialogs = p;
        if constexpr (std::is_base_of_v<Clock, T>) parts.clock = p;
        if constexpr (std::is_base_of_v<Menus, T>) parts.menus = p;
        if constexpr (std::is_base_of_v<FileControls, T>) parts.file_controls = p;
        if constexpr (std::is_base_of_v<Windows, T>) parts.windows = p;
        if constexpr (std::is_base_of_v<Preferences, T>) parts.preferences = p;
        if constexpr (std::is_base_of_v<MovesPanel, T>) parts.move_list = p;
        if constexpr (std::is_base_of_v<Clipboard, T>) parts.clipboard = p;
        return parts;
    }

  private:
    template <class Part> static Part& reach(Part* part, const char* name) {
        if (!part) missing(name);
        return *part;
    }
    [[noreturn]] static void missing(const char* name);

    Parts parts_;
};

const Platform& platform();
void set_platform(const Platform::Parts& parts);
// Installs every part the object implements.
template <class T> void set_platform(T* p) {
    set_platform(Platform::parts_of(p));
}
inline void set_platform(std::nullptr_t) {
    set_platform(Platform::Parts{});
}
