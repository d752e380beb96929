// The computer level (menu COM対局ﾚﾍﾞﾙ) and the handicap scale (buttons △ and ▽).
#include "control/levels.h"

#include "control/flow.h"
#include "control/level4.h"
#include "control/game.h"
#include "core/handicap.h"
#include "core/state.h"
#include "display/draw.h"
#include "display/levels.h"
#include "display/texts.h"
#include "kifu/record.h"
#include "platform/platform.h"
#include "control/options.h"
#include "sound/effects.h"
#include "control/owner.h"

#include <iterator>

namespace {

// The row of level L reached from below (up = true) or left downwards (up = false).
void handicap_change_board(int level, bool up) {
    const HandicapRow& r = handicap_row(level);
    const bool put = (level <= 0) == up;
    TAIKYOKU.pos.BAN[r.x][r.y] = put ? r.koma : KARA;
    描画_絵(TAIKYOKU.pos.BAN[r.x][r.y], r.x, r.y);
    描画_桝輪郭(TAIKYOKU.settei.WAKU_IRO, r.x, r.y);
}

void paint_level_background() {
    for (int x = -2; x <= 0; ++x) 描画_絵(TAIKYOKU.settei.HAIKEI_NO, x, 0);
}

// The board is the start position less the pieces the level takes off, and the hands are empty.
bool is_handicap_start() {
    Koma ban[12][12] = {};
    place_start_position(ban);
    place_handicap_start(ban, TAIKYOKU.settei.HANDE_LEVEL);
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y)
            if (TAIKYOKU.pos.BAN[x][y] != ban[x][y]) return false;
    for (int k = 1; k <= 7; ++k)
        if (TAIKYOKU.pos.SITA_MOCHI[k] != 0 || TAIKYOKU.pos.UE_MOCHI[k] != 0) return false;
    return true;
}

// The refusals of △ and ▽; true when the step may go ahead. A position shown from the record that is
// not this level's start (a game of another level, or one after a reversal) is refused as a game in
// progress, so the board always lacks exactly the pieces the level shown takes off.
bool handicap_allowed() {
    int kind = 0;
    if (TAIKYOKU.shinkou.KIFU_MODE == ON)
        kind = 1;
    else if (TAIKYOKU.kifu.KIFU_NO > 0)
        kind = 2;
    else if (TAIKYOKU.shinkou.HANTEN == ON)
        kind = 3;
    else if (!is_handicap_start())
        kind = 2;
    if (kind == 0) return true;
    play_effect(OTO_KINSHI);
    描画_メッセージ(kind);
    return false;
}

void handicap_step(bool up) {
    platform().file_controls().close();
    if (!handicap_allowed()) return;
    keep_game(true); // the record of a game left at its start is discarded
    flow_drop_record();
    if (up ? TAIKYOKU.settei.HANDE_LEVEL < 10 : TAIKYOKU.settei.HANDE_LEVEL > -10) {
        const int old = TAIKYOKU.settei.HANDE_LEVEL;
        TAIKYOKU.settei.HANDE_LEVEL += up ? 1 : -1;
        描画_ハンデレベル(TAIKYOKU.settei, TAIKYOKU.settei.HANDE_LEVEL);
        handicap_change_board(up ? TAIKYOKU.settei.HANDE_LEVEL : old, up);
        play_effect(OTO_KOMA);
    }
    TAIKYOKU.shinkou.HANDE_SETTEI = ON;
}

} // namespace

void LEVEL1_Click() {
    paint_level_background();
    choose_level(1);
}

void LEVEL2_Click() {
    paint_level_background();
    choose_level(2);
}

void LEVEL3_Click() {
    paint_level_background();
    choose_level(3);
}

void LEVEL4_Click() {
    paint_level_background();
    choose_level(4);
}

void choose_level(int level) {
    レベル_設定(level);
    platform().preferences().set_number("game/level", level);
}

void レベル_設定(int level) {
    constexpr MenuItem items[] = {MenuItem::LEVEL1, MenuItem::LEVEL2, MenuItem::LEVEL3, MenuItem::LEVEL4};
    for (int i = 0; i < 4; ++i) platform().menus().set_checked(items[i], i + 1 == level);
    if (level >= 1 && level <= 4) TAIKYOKU.settei.COM_LEVEL = level;
    if (TAIKYOKU.shinkou.TAIKYOKU_MODE == MODE_MAN_COM)
        描画_レベル(TAIKYOKU.settei, TAIKYOKU.settei.COM_LEVEL);
}

namespace {

struct ThinkChoice {
    double seconds;
    MenuItem item;
    const char* key; // on for the one chosen
};
constexpr ThinkChoice kThinkChoices[] = {
    {LEVEL4_SECONDS[0], MenuItem::THINK1, "level4/think_1s"},
    {LEVEL4_SECONDS[1], MenuItem::THINK3, "level4/think_3s"},
    {LEVEL4_SECONDS[2], MenuItem::THINK10, "level4/think_10s"},
};

void set_level4_time(double seconds) {
    level4_thinking.seconds = seconds;
    for (const ThinkChoice& c : kThinkChoices) platform().menus().set_checked(c.item, c.seconds == seconds);
}

void choose_level4_time(double seconds) {
    set_level4_time(seconds);
    for (const ThinkChoice& c : kThinkChoices) platform().preferences().set_flag(c.key, c.seconds == seconds);
}

} // namespace

void read_level4_time() {
    double seconds = LEVEL4_SECONDS_AT_FIRST;
    for (const ThinkChoice& c : kThinkChoices)
        if (platform().preferences().flag(c.key, false)) {
            seconds = c.seconds;
            break;
        }
    set_level4_time(seconds);
}

void THINK1_Click() {
    choose_level4_time(LEVEL4_SECONDS[0]);
}

void THINK3_Click() {
    choose_level4_time(LEVEL4_SECONDS[1]);
}

void THINK10_Click() {
    choose_level4_time(LEVEL4_SECONDS[2]);
}

namespace {

constexpr MenuItem kStrengthItems[] = {MenuItem::STRENGTH1, MenuItem::STRENGTH2, MenuItem::STRENGTH3,
                                       MenuItem::STRENGTH4, MenuItem::STRENGTH5};
static_assert(std::size(kStrengthItems) == engine::FULL_STRENGTH - engine::WEAKEST_STRENGTH + 1);
const char* const kStrengthKey = "level4/strength";

bool is_strength(int strength) {
    return strength >= engine::WEAKEST_STRENGTH && strength <= engine::FULL_STRENGTH;
}

void set_level4_strength(int strength) {
    level4_thinking.strength = strength;
    for (int s = engine::WEAKEST_STRENGTH; s <= engine::FULL_STRENGTH; ++s)
        platform().menus().set_checked(kStrengthItems[s - engine::WEAKEST_STRENGTH], s == strength);
}

void choose_level4_strength(int strength) {
    LEVEL4_Click();
    remember_level4_strength(strength);
}

} // namespace

void remember_level4_strength(int strength) {
    if (!is_strength(strength)) return;
    set_level4_strength(strength);
    platform().preferences().set_number(kStrengthKey, strength);
}

void read_level4_strength() {
    const int strength = platform().preferences().number(kStrengthKey, engine::FULL_STRENGTH);
    set_level4_strength(is_strength(strength) ? strength : engine::FULL_STRENGTH);
}

void STRENGTH1_Click() {
    choose_level4_strength(1);
}

void STRENGTH2_Click() {
    choose_level4_strength(2);
}

void STRENGTH3_Click() {
    choose_level4_strength(3);
}

void STRENGTH4_Click() {
    choose_level4_strength(4);
}

void STRENGTH5_Click() {
    choose_level4_strength(5);
}

void LBEL_UP_Click() {
    handicap_step(true);
}

void LEBEL_DOWN_Click() {
    handicap_step(false);
}
