// The main window: the canvas, the menu bar, the conveyor buttons, the record-file panel and Timer1.
// It only turns Qt events into calls of the game's handlers and implements the platform for them.
#pragma once

#include "platform/platform.h"
#include "platform/translate.h"
#include "qt/canvas.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QMessageBox;
class QTimer;
class QWidget;
class CanvasView;
class FilePanel;
class MoveListView;
class EvalGraph;
class QProgressBar;
class QPushButton;
struct GraphMove;

class Form1 : public QMainWindow,
              public Canvas,
              public Dialogs,
              public Clock,
              public Menus,
              public FileControls,
              public Windows,
              public Preferences,
              public MovesPanel,
              public Clipboard {
    Q_OBJECT
  public:
    Form1();
    ~Form1() override;

    // Canvas
    void clear(int colour) override;
    void stamp(Pic picture, double x, double y) override;
    void outline(int colour, double x1, double y1, double x2, double y2) override;
    void tint(int colour, double x1, double y1, double x2, double y2) override;
    void set_font_bold(bool bold) override;
    void print(double x, double y, const std::string& text, double points, int colour) override;
    void refresh() override;
    // Dialogs
    void message(const std::string& text, const std::string& title) override;
    bool ask(const std::string& text, const std::string& title) override;
    void warning(const std::string& text, const std::string& title) override;
    bool version_dialog() override;
    bool open_browser(const std::string& path) override;
    // Clipboard
    void put_text(const std::string& text) override;
    // Clock
    void set_timer(bool enabled) override;
    bool timer_enabled() override;
    double now() override;
    void wait(double seconds) override;
    // Menus
    bool checked(MenuItem item) override;
    void set_checked(MenuItem item, bool on) override;
    // Windows
    void show_title(bool visible) override;
    void place_window() override;
    void end_program() override;
    // Preferences
    bool flag(const std::string& key, bool fallback) override;
    void set_flag(const std::string& key, bool on) override;
    int number(const std::string& key, int fallback) override;
    void set_number(const std::string& key, int value) override;
    // FileControls
    void show_lists(bool drive, bool folder, bool file) override;
    void show_io(bool visible) override;
    std::string text(TextBox box) override;
    void set_text(TextBox box, const std::string& text) override;
    std::string folder() override;
    void set_folder(const std::string& path) override;
    void refresh_files() override;
    // MovesPanel
    void show_moves(const std::vector<std::string>& rows, int current) override;
    void show_result(const std::string& text) override;
    bool choose_time_control(int& main, int& byoyomi, int& increment) override;
    void show_review(const std::vector<ReviewRow>& moves, const ReviewProgress& progress) override;
    std::string choose_picture_file(const std::string& suggested) override;
    bool save_graph(const std::string& path) override;
    void show_engine(const std::optional<EngineLine>& line) override;
    void show_analysis(bool running, const std::optional<EngineLine>& line) override;
    void show_notice(const std::string& text) override;

    // Loads the pictures; the player is told once which are missing, when the window is shown.
    void load_pictures();
    const CanvasImage& canvas() const { return canvas_; }
    // For a start without anyone at the screen: message boxes are written on stderr and answered
    // with their default (OK, or No to a question) instead of waiting for a click.
    void set_unattended(bool unattended) { unattended_ = unattended; }

    // No handler is running: nothing waits and no message box is open in the main event loop.
    bool between_handlers() const;
    // The window is closed or a quit signal came (by_signal) while a handler may be running: the
    // computer's search stops, open boxes close, waits return at once and no box is shown, input is
    // dropped, and the program ends in order as soon as the handler has unwound.
    void request_quit(bool by_signal);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    // Runs a handler of the game. Input that arrived while it waited (the computer thinking, a piece
    // blinking, the title shown) has been dropped; so is input still queued when it ends.
    void handle(const std::function<void()>& handler);
    void finish_quit();
    void set_busy(bool busy);
    int run_modal(QMessageBox& box);
    void tell_missing_pictures();
    void place_normal_window();
    void place_frame();
    // The window is not made smaller than its texts can be read at, as far as the screen allows.
    void fit_minimum_size();
    void place_once();
    void build_menus();
    void build_controls();
    void build_zoom_menu(QMenu* option);
    // The window sized for the canvas at that scale.
    void zoom_to(double scale);
    // The buttons and the file panel where their twips are on the scaled canvas.
    void fit_controls();
    void remember_size();
    // A caption in the player's language, given again by recaption() when the language changes.
    QAction* add_item(QMenu* menu, const char* caption, const char* name, bool checkable = false);
    void set_caption(QAction* a, const char* source);
    QMenu* submenu(QMenu* parent, const char* caption);
    void recaption();
    void build_language_menu(QMenu* option);
    void choose_language(Language l);

    CanvasImage canvas_;
    CanvasView* view_ = nullptr;
    QWidget* title_ = nullptr;
    QTimer* timer1_ = nullptr;
    FilePanel* panel_ = nullptr;
    MoveListView* moves_ = nullptr;
    // The review's graph under the list, and its progress with the button that stops it.
    EvalGraph* graph_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* stop_review_ = nullptr;
    QTimer* review_timer_ = nullptr;
    // What LEVEL4 thinks (評価値を表示 and 解析), between the list and the graph while there is any.
    QLabel* engine_ = nullptr;
    QTimer* analysis_timer_ = nullptr;
    std::optional<EngineLine> engine_line_;
    bool analysing_ = false;
    std::optional<EngineLine> analysis_line_;
    void show_engine_texts();
    QLabel* notice_ = nullptr; // under the list while there is a notice
    void lay_out_side(bool graph, bool progress);
    std::map<MenuItem, QAction*> checks_;
    bool ending_ = false;
    int modal_ = 0;         // message boxes and waits running inside a handler
    bool waiting_ = false;  // inside wait(): Timer1 does not tick, input is dropped
    bool dropping_ = false; // input is dropped
    int waits_ = 0;         // waits begun, to tell whether a handler waited
    bool quitting_ = false; // a quit asked for while a handler unwinds
    bool quit_by_signal_ = false;
    bool place_on_show_ = false;
    bool unattended_ = false;
    bool pictures_loaded_ = false;
    QStringList missing_pictures_; // not yet told
};
