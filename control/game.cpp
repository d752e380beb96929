#include "control/game.h"
#include "control/engine_view.h"
#include "control/level4.h"
#include "control/move_list.h"
#include "control/levels.h"
#include "control/play.h"
#include "control/record_commands.h"
#include "control/review_commands.h"

#include "com/com.h"
#include "control/clock.h"
#include "control/flow.h"
#include "control/options.h"
#include "com/mate.h"
#include "core/handicap.h"
#include "core/moves.h"
#include "core/rules.h"
#include "core/state.h"
#include "display/draw.h"
#include "display/levels.h"
#include "display/texts.h"
#include "kifu/autosave.h"
#include "kifu/game_file.h"
#include "kifu/kifu_file.h"
#include "kifu/record.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/platform.h"
#include "platform/translate.h"
#include "settings/settings.h"
#include "sound/effects.h"
#include "control/owner.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// The piece belongs to the side to move.
bool own_piece(int c) {
    return (is_lower(c) && TAIKYOKU.pos.TEBAN == TAIKYOKU.pos.SITA_GAWA) ||
           (is_upper(c) && TAIKYOKU.pos.TEBAN == TAIKYOKU.pos.UE_GAWA);
}

void turn_message(const std::string& title) {
    inform(TAIKYOKU.pos.TEBAN == 1 ? translate("Game", "先手の番です") : translate("Game", "後手の番です"),
           title);
}

void start_clock_if_shown() {
    TAIKYOKU.tokei.KAISHI_JIKOKU = platform().clock().now();
    if (TAIKYOKU.settei.KEIKA_HYOUJI == ON || clock_runs_down()) platform().clock().set_timer(true);
}

void remember(int x, int y, int piece) {
    Shinkou& g = TAIKYOKU.shinkou;
    g.SENTAKU_X = x;
    g.SENTAKU_Y = y;
    g.SENTAKU_KOMA = static_cast<Koma>(piece);
}

// Picks the piece at cell (x, y) of the board or the ring: the cells it may reach are shown and it is
// outlined, as selected when its side is to move.
void pick(int x, int y, int piece, bool mover_owns) {
    remember(x, y, piece);
    if (mover_owns) TAIKYOKU.shinkou.SENTAKU = 1;
    描画_移動可能桝色(TAIKYOKU.pos, TAIKYOKU.settei, x, y, TAIKYOKU.settei.SIDOU_IRO, piece);
    描画_桝輪郭(mover_owns ? SENTAKU_IRO : TAIKYOKU.settei.SIDOU_IRO, x, y);
}

// The marks of the last selection give way to the plain outlines.
void wipe_selection() {
    const Shinkou& g = TAIKYOKU.shinkou;
    描画_移動可能桝色(TAIKYOKU.pos, TAIKYOKU.settei, g.SENTAKU_X, g.SENTAKU_Y, TAIKYOKU.settei.WAKU_IRO,
                      g.SENTAKU_KOMA);
    描画_桝輪郭(TAIKYOKU.settei.WAKU_IRO, g.SENTAKU_X, g.SENTAKU_Y);
}

// A click on the board or the ring: picks a piece, or moves the piece picked there.
void click_on_grid(int mx, int my, int button) {
    Shinkou& g = TAIKYOKU.shinkou;
    if (g.SENTAKU == 0) {
        if (TAIKYOKU.pos.BAN[mx][my] != KARA)
            pick(mx, my, TAIKYOKU.pos.BAN[mx][my], own_piece(TAIKYOKU.pos.BAN[mx][my]));
        return;
    }
    if ((g.SENTAKU_X == -1 && TAIKYOKU.pos.TEBAN == TAIKYOKU.pos.SITA_GAWA) ||
        (g.SENTAKU_X == 13 && TAIKYOKU.pos.TEBAN == TAIKYOKU.pos.UE_GAWA)) {
        // A piece of the other side's hand was only looked at.
        wipe_selection();
        g.SENTAKU = 0;
    } else if (own_piece(TAIKYOKU.pos.BAN[mx][my])) {
        描画_桝輪郭(TAIKYOKU.settei.WAKU_IRO, g.SENTAKU_X, g.SENTAKU_Y);
        pick(mx, my, TAIKYOKU.pos.BAN[mx][my], true);
    } else if (移動チェック(TAIKYOKU.pos, g.SENTAKU_X, g.SENTAKU_Y, mx, my, g.SENTAKU_KOMA) == OFF) {
        play_effect(OTO_KINSHI);
        g.SENTAKU = 0;
        描画_将棋盤桝(TAIKYOKU.settei);
    } else {
        const HumanMove m = flow_human_move(g.SENTAKU_X, g.SENTAKU_Y, mx, my, g.SENTAKU_KOMA, button == 2);
        // The selection keeps the piece as placed and the source as the move took it.
        g.SENTAKU_KOMA = static_cast<Koma>(m.p);
        g.SENTAKU_Y = m.fy;
    }
}

// A click beside the board: the last selection's marks are wiped, and a row of a hand box picks its
// piece.
void click_beside_grid(int mx, int my) {
    if (TAIKYOKU.shinkou.SENTAKU_KOMA != KARA) wipe_selection();
    if (const HandSlot h = hand_slot_at({mx, my}); h.kind != 0) {
        const int held = h.upper ? TAIKYOKU.pos.UE_MOCHI[h.kind] : TAIKYOKU.pos.SITA_MOCHI[h.kind];
        const Koma piece = h.upper ? UE_KOMA_BY_KIND[h.kind] : SITA_KOMA_BY_KIND[h.kind];
        if (held > 0) {
            // A piece in hand is picked whoever is to move; the other side's is only looked at.
            調査_2歩フラグ設定(TAIKYOKU.pos);
            TAIKYOKU.shinkou.SENTAKU = 1;
            remember(mx, my, piece);
            描画_桝輪郭(TAIKYOKU.pos.TEBAN == (h.upper ? TAIKYOKU.pos.UE_GAWA : TAIKYOKU.pos.SITA_GAWA)
                            ? SENTAKU_IRO
                            : TAIKYOKU.settei.SIDOU_IRO,
                        mx, my);
            描画_移動可能桝色(TAIKYOKU.pos, TAIKYOKU.settei, mx, my, TAIKYOKU.settei.SIDOU_IRO, piece);
        }
    }
}

// What start-up has to tell waits until the main window stands, so that the title comes first and
// undisturbed; questions and the browser are not held.
class HeldDialogs : public Dialogs {
  public:
    explicit HeldDialogs(Dialogs& dialogs) : dialogs_(dialogs) {}
    void message(const std::string& text, const std::string& title) override {
        held_.push_back({false, text, title});
    }
    void warning(const std::string& text, const std::string& title) override {
        held_.push_back({true, text, title});
    }
    bool ask(const std::string& text, const std::string& title) override { return dialogs_.ask(text, title); }
    bool version_dialog() override { return dialogs_.version_dialog(); }
    bool open_browser(const std::string& path) override { return dialogs_.open_browser(path); }
    // Shows what was held, in its order.
    void tell() {
        for (const Held& h : held_) {
            if (h.warning) {
                dialogs_.warning(h.text, h.title);
            } else {
                dialogs_.message(h.text, h.title);
            }
        }
        held_.clear();
    }

  private:
    struct Held {
        bool warning;
        std::string text, title;
    };
    Dialogs& dialogs_;
    std::vector<Held> held_;
};

// Seconds from one reading of the clock to the next, across midnight too.
double seconds_since(double then) {
    const double s = platform().clock().now() - then;
    return s < 0 ? s + 24 * 60 * 60 : s;
}

} // namespace

void Form_Load() {
    allow_search();
    // The title picture first, as soon as there is a window system: the sounds are loaded while it
    // shows, and it stays its two seconds from when it appeared.
    platform().windows().show_title(true);
    const double title_shown = platform().clock().now();
    HeldDialogs held(platform().dialogs());
    load_sound_effects(held);
    TAIKYOKU.settei.KIDOU_DIR =
        data_folder(); // the current folder, unless the game was installed and started elsewhere
    TAIKYOKU.shinkou.KIFU_MODE = OFF;
    TAIKYOKU.settei.SIDOU_FLAG = OFF;
    set_view_turned(false); // 盤面を回転 is not kept
    flow_program_start();
    TAIKYOKU.settei.COM_LEVEL = 3;
    platform().menus().set_checked(MenuItem::LEVEL3, true);
    platform().canvas().clear(0);
    TAIKYOKU.pos.UE_GAWA = 1;
    TAIKYOKU.pos.SITA_GAWA = -1;
    platform().canvas().refresh();
    待機_秒(std::max(0.0, 2 - seconds_since(title_shown)));
    platform().windows().show_title(false);
    読込_環境設定ファイル(TAIKYOKU.settei, paint_background_setting);
    read_preference_options();
    初期設定();
    show_move_list();
    platform().windows().place_window();
    held.tell(); // the main window stands
    offer_kept_game();
}

void 初期設定() {
    // The sides and the two-pawn flags stay until a game is started: the kept record, written on
    // leaving, names its players by the sides, and the mate tests read the flags as last computed.
    Kyokumen pos;
    pos.SITA_GAWA = TAIKYOKU.pos.SITA_GAWA;
    pos.UE_GAWA = TAIKYOKU.pos.UE_GAWA;
    std::ranges::copy(TAIKYOKU.pos.NIFU_SITA, pos.NIFU_SITA);
    std::ranges::copy(TAIKYOKU.pos.NIFU_UE, pos.NIFU_UE);
    place_start_position(pos.BAN);
    TAIKYOKU.pos = pos;
    flow_new_course();
    // The seconds counted and the start time stay: a clock that is not shown does not count, and 後手
    // starts from the time it had.
    TAIKYOKU.tokei = Tokei{.KEIKA_BYOU = TAIKYOKU.tokei.KEIKA_BYOU,
                           .KAISHI_JIKOKU = TAIKYOKU.tokei.KAISHI_JIKOKU,
                           .time_control = {},
                           .lower_moves = 0,
                           .upper_moves = 0};
    TAIKYOKU.settei.HANDE_LEVEL = 0;
    level4_forget();      // a new game or a record read: LEVEL4 starts afresh
    forget_record_file(); // no file's record until one is read or written
    platform().clock().set_timer(false);
    reset_clocks();
    clear_notice();
    画面_再描画(TAIKYOKU.pos, TAIKYOKU.shinkou, TAIKYOKU.tokei, TAIKYOKU.settei);
}

void keep_game_beside(const std::string& kifu_path) {
    const std::string path = game_file_path(kifu_path);
    if (const int err =
            write_game_file(path, TAIKYOKU.kifu, {TAIKYOKU.tokei.time_control, TAIKYOKU.kifu.result}))
        std::fprintf(stderr, "tessora: %s: %s\n", path.c_str(), file_error_text(err).c_str());
}

bool keep_game(bool tell) {
    return keep_game(tell, kept_game_path());
}

bool keep_game(bool tell, const std::string& path) {
    const bool unkept = has_unkept_game(TAIKYOKU.kifu);
    const int err = write_kept_game(TAIKYOKU.kifu, TAIKYOKU.shinkou, TAIKYOKU.pos, TAIKYOKU.settei, path);
    if (err == 0) {
        if (unkept) {
            record_written_to(path); // its review goes with it
            keep_game_beside(path);
        }
        return true;
    }
    std::fprintf(stderr, "tessora: %s: %s\n", path.c_str(), file_error_text(err).c_str());
    if (tell)
        platform().dialogs().message(
            fill(translate("Game", "対局を書き込めませんでした\n%1\n%2"), {path, failure_reason(err, true)}),
            translate("Game", "前回の対局"));
    return false;
}

void 終了処理(bool tell) {
    stop_search();
    end_review();
    end_analysis();
    keep_game(tell);
    free_sound_effects();
}

void TAIKYOKU_Click() {
    platform().file_controls().close();
}

void MATCH_MAN_Click() {}

void START_Click() {
    const bool reset = TAIKYOKU.pos.SYOUSYA != 0;
    if (reset || TAIKYOKU.shinkou.TESUU == 0 || TAIKYOKU.pos.TEBAN == 0)
        keep_game(true); // a new game is played over the record
    if (reset) 初期設定();
    if (reset) platform().canvas().refresh();
    描画_棋譜読込み部分消去(TAIKYOKU.pos, TAIKYOKU.settei);
    for (int x = -2; x <= 0; ++x) 描画_絵(TAIKYOKU.settei.HAIKEI_NO, x, 0);
    描画_将棋盤桝(TAIKYOKU.settei);
    // Only started here: a clock already running (a game against the computer) keeps running.
    const bool fresh = flow_begin_two_players();
    start_clock_if_shown();
    if (fresh) {
        inform(translate("Game", "先手の番です"), " ");
    } else {
        turn_message(" ");
    }
    TAIKYOKU.shinkou.SAIKAI_MACHI = OFF;
}

namespace {

// 先手 (side 1) and 後手 (side -1) against the computer, the human on the lower side. A fresh game
// starts with the chosen side; one in progress goes on with whoever is to move, and 先手 then gives the
// human the first side.
void start_against_computer(int side) {
    remember_side(side);
    if (TAIKYOKU.pos.SYOUSYA != 0 || TAIKYOKU.shinkou.TESUU == 0 || TAIKYOKU.pos.TEBAN == 0)
        keep_game(true); // a new game replaces the record
    if (TAIKYOKU.pos.SYOUSYA != 0) 初期設定();
    描画_棋譜読込み部分消去(TAIKYOKU.pos, TAIKYOKU.settei);
    描画_レベル(TAIKYOKU.settei, TAIKYOKU.settei.COM_LEVEL);
    描画_将棋盤桝(TAIKYOKU.settei);
    bool fresh = false;
    if (!flow_begin_against_computer(side, fresh)) return;
    inform(translate("Game", "MANの番です"), fresh ? " " : translate("Game", "対局"));
    TAIKYOKU.shinkou.SAIKAI_MACHI = OFF;
}

} // namespace

void SENTE_Click() {
    start_against_computer(1);
}

void GOTE_Click() {
    start_against_computer(-1);
}

void RESIGN_Click() {
    platform().file_controls().close();
    flow_resign();
}

void TIMECONTROL_Click() {
    TimeControl& c = TAIKYOKU.settei.time_control;
    int main = c.main, byoyomi = c.byoyomi, increment = c.increment;
    if (!platform().dialogs().choose_time_control(main, byoyomi, increment)) return;
    set_time_control({std::max(0, main), std::max(0, byoyomi), byoyomi > 0 ? 0 : std::max(0, increment)});
}

void OWARI_Click() {
    終了処理(true);
    platform().windows().end_program();
}

void end_on_signal() {
    終了処理(false);
    platform().windows().end_program();
}

void Form_KeyPress(int key) {
    // Escape stops a review under way, else the analysis; otherwise it ends the program.
    if (key == 27 && !cancel_review() && !stop_analysis()) OWARI_Click();
}

void Form_Unload() {
    終了処理(true);
}

void Form_MouseDown(int button, int, double X, double Y) {
    platform().file_controls().close();
    if (TAIKYOKU.shinkou.KIFU_MODE == ON) {
        if (!platform().dialogs().ask(translate("Game", "棋譜を '進 'で進めて下さい"),
                                      translate("Game", "棋譜"))) {
            play_effect(OTO_KINSHI);
            // The fresh position stays in the mode of the game stepped through: against the computer
            // its level stays shown (and the record, kept on leaving, names the computer).
            const int mode = TAIKYOKU.shinkou.TAIKYOKU_MODE;
            初期設定();
            TAIKYOKU.shinkou.TAIKYOKU_MODE = mode;
            if (mode == MODE_MAN_COM) 描画_レベル(TAIKYOKU.settei, TAIKYOKU.settei.COM_LEVEL);
        }
        return;
    }
    if (TAIKYOKU.pos.SYOUSYA != 0) {
        inform(translate("Game", "新規に対局してください"), translate("Game", "終局"));
        return;
    }
    // The cell of the game the screen shows there, however the view is turned.
    const Cell clicked = view_cell({static_cast<int>(std::floor((X - BAN_X0) / MASU_W)),
                                    static_cast<int>(std::floor((Y - BAN_Y0) / MASU_H))});
    const int mx = clicked.x, my = clicked.y;
    if (TAIKYOKU.pos.TEBAN == 0) {
        play_effect(OTO_KINSHI);
        inform(translate("Game", "「対局」で始めて下さい"), translate("Game", "開始"));
        return;
    }

    flow_resume_on_click();
    if (mx >= 1 && mx <= 11 && my >= 1 && my <= 11) {
        click_on_grid(mx, my, button);
    } else {
        click_beside_grid(mx, my);
    }
}
