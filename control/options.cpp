#include "control/options.h"

#include "core/state.h"
#include "display/draw.h"
#include "display/texts.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "sound/dslib.h"
#include "sound/effects.h"
#include "control/engine_view.h"
#include "control/flow.h"
#include "control/levels.h"
#include "control/move_list.h"
#include "control/owner.h"

namespace {

void background_click(int n, MenuItem item) {
    if (!platform().menus().checked(item)) {
        チェック設定(n);
        TAIKYOKU.settei.HAIKEI_NO = n;
    }
    書込_環境設定ファイル();
    画面_再描画(TAIKYOKU.pos, TAIKYOKU.shinkou, TAIKYOKU.tokei, TAIKYOKU.settei);
    flow_mark_last_moves();
}

} // namespace

void paint_background_setting(int n) {
    チェック設定(n);
    描画_背景(n);
    TAIKYOKU.settei.HAIKEI_NO = n;
}

void MIDORI_Click() {
    background_click(HAIKEI_MIDORI_NO, MenuItem::MIDORI);
}
void TATAMI_Click() {
    background_click(HAIKEI_TATAMI_NO, MenuItem::TATAMI);
}
void TAKE_Click() {
    background_click(HAIKEI_TAKE_NO, MenuItem::TAKE);
}
void UCHU_Click() {
    background_click(HAIKEI_UCHU_NO, MenuItem::UCHU);
}
void RENGA_Click() {
    background_click(HAIKEI_RENGA_NO, MenuItem::RENGA);
}

void SIDOU_Click() {
    if (platform().menus().checked(MenuItem::SIDOU)) {
        // Guidance goes off: plain outlines over every cell that may carry a guidance outline.
        for (int x = 1; x <= 11; ++x)
            for (int y = 1; y <= 11; ++y) 描画_桝輪郭(TAIKYOKU.settei.WAKU_IRO, x, y);
        for (int y = 1; y <= 7; ++y) 描画_桝輪郭(TAIKYOKU.settei.WAKU_IRO, -1, y);
        for (int y = 3; y <= 9; ++y) 描画_桝輪郭(TAIKYOKU.settei.WAKU_IRO, 13, y);
        platform().menus().set_checked(MenuItem::SIDOU, false);
        TAIKYOKU.settei.SIDOU_FLAG = OFF;
        TAIKYOKU.settei.SIDOU_IRO = TAIKYOKU.settei.WAKU_IRO;
    } else {
        platform().menus().set_checked(MenuItem::SIDOU, true);
        TAIKYOKU.settei.SIDOU_FLAG = ON;
        TAIKYOKU.settei.SIDOU_IRO = 15;
    }
    書込_環境設定ファイル();
}

void BGM_Click() {
    if (TAIKYOKU.settei.BGM_ENSOU == ON) {
        set_music_option(TAIKYOKU.settei, platform().menus(), false);
        dsStop(OTO_BGM);
    } else {
        set_music_option(TAIKYOKU.settei, platform().menus(), true);
        dsPlayLooping(OTO_BGM);
    }
    書込_環境設定ファイル();
}

namespace {

// An option kept with the player's preferences, what it is at first, and its check mark.
struct PreferenceOption {
    const char* key;
    MenuItem item;
    int Settei::*value;
    bool at_first = true;
};
constexpr PreferenceOption kSoundEffects{"options/sound_effects", MenuItem::SE, &Settei::KOUKAON};
constexpr PreferenceOption kLastMove{"options/last_move", MenuItem::LASTMOVE, &Settei::LAST_MOVE};
// Off at first: the screen is then what it has always been.
constexpr PreferenceOption kCoordinates{"options/coordinates", MenuItem::COORDS, &Settei::ZAHYOU, false};
constexpr PreferenceOption kEvalShow{"options/eval_show", MenuItem::EVALSHOW, &Settei::HYOUKA, false};
constexpr PreferenceOption kNotices{"options/notices", MenuItem::NOTICES, &Settei::NOTICES, false};

void set_option(const PreferenceOption& o, bool on) {
    TAIKYOKU.settei.*o.value = on ? ON : OFF;
    platform().menus().set_checked(o.item, on);
}

void toggle_option(const PreferenceOption& o) {
    const bool on = TAIKYOKU.settei.*o.value != ON;
    set_option(o, on);
    platform().preferences().set_flag(o.key, on);
}

} // namespace

void read_preference_options() {
    for (const PreferenceOption& o : {kSoundEffects, kLastMove, kCoordinates, kEvalShow, kNotices})
        set_option(o, platform().preferences().flag(o.key, o.at_first));
    read_level4_time();
    read_level4_strength();
    Preferences& p = platform().preferences();
    if (const int level = p.number("game/level", 0); level >= 1 && level <= 4) レベル_設定(level);
    const int side = p.number("game/side", 0);
    platform().menus().set_checked(MenuItem::SENTE, side == 1);
    platform().menus().set_checked(MenuItem::GOTE, side == -1);
    TimeControl c{p.number("game/main_time", 0), p.number("game/byoyomi", 0), p.number("game/increment", 0)};
    if (c.main < 0 || c.byoyomi < 0 || c.increment < 0 || (c.byoyomi > 0 && c.increment > 0)) c = {};
    TAIKYOKU.settei.time_control = c;
}

void set_time_control(const TimeControl& c) {
    TAIKYOKU.settei.time_control = c;
    Preferences& p = platform().preferences();
    p.set_number("game/main_time", c.main);
    p.set_number("game/byoyomi", c.byoyomi);
    p.set_number("game/increment", c.increment);
}

void remember_side(int side) {
    platform().menus().set_checked(MenuItem::SENTE, side == 1);
    platform().menus().set_checked(MenuItem::GOTE, side == -1);
    platform().preferences().set_number("game/side", side);
}

void SE_Click() {
    toggle_option(kSoundEffects);
}

void LASTMOVE_Click() {
    toggle_option(kLastMove);
    flow_mark_last_moves();
}

void COORDS_Click() {
    toggle_option(kCoordinates);
    // The labels reach into the ring's corners: the screen is painted afresh, as for a background.
    画面_再描画(TAIKYOKU.pos, TAIKYOKU.shinkou, TAIKYOKU.tokei, TAIKYOKU.settei);
    flow_mark_last_moves();
}

void EVALSHOW_Click() {
    toggle_option(kEvalShow);
    level4_view_option_changed();
}

void NOTICES_Click() {
    toggle_option(kNotices);
    clear_notice();
}

void ROTATE_Click() {
    set_view_turned(!view_turned());
    platform().menus().set_checked(MenuItem::ROTATE, view_turned());
    // Every cell is shown elsewhere: the screen is painted afresh, as for a background.
    画面_再描画(TAIKYOKU.pos, TAIKYOKU.shinkou, TAIKYOKU.tokei, TAIKYOKU.settei);
    flow_mark_last_moves();
}

void inform(const std::string& text, const std::string& title) {
    if (MovesPanel* list = platform().move_list(); list && TAIKYOKU.settei.NOTICES == ON) {
        list->show_notice(text);
    } else {
        platform().dialogs().message(text, title);
    }
}

void clear_notice() {
    if (MovesPanel* list = platform().move_list()) list->show_notice("");
}

void language_changed() {
    画面_再描画(TAIKYOKU.pos, TAIKYOKU.shinkou, TAIKYOKU.tokei, TAIKYOKU.settei);
    flow_mark_last_moves();
    show_move_list();
}

void play_effect(int buffer) {
    if (TAIKYOKU.settei.KOUKAON == ON) dsPlay(buffer);
}

void OPTION_Click() {
    platform().file_controls().close();
}
