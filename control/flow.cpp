// How a game proceeds. The view is told each step as it happens; everything the game remembers changes
// here (or in core/ and kifu/, called from here).
#include "control/flow.h"

#include "platform/translate.h"

#include "com/com.h"
#include "com/mate.h"
#include "control/clock.h"
#include "control/engine_view.h"
#include "control/game_view.h"
#include "control/level4.h"
#include "control/play.h"
#include "core/moves.h"
#include "core/rules.h"
#include "core/handicap.h"
#include "core/state.h"
#include "display/draw.h"
#include "display/texts.h"
#include "kifu/kifu_file.h"
#include "platform/codec.h"
#include "kifu/navigate.h"
#include "kifu/notation.h"
#include "kifu/record.h"
#include "platform/platform.h"
#include "platform/translate.h"
#include "kifu/game_file.h"
#include "sound/effects.h"
#include "control/owner.h"

#include <algorithm>
#include <cstring>

namespace {

GameView* g_view = nullptr;
std::string g_hint_steps;      // the steps of the hint shown
std::string g_hint_text;       // and its move
int g_turns = 0;               // the ring's turns since the last move, right positive
int g_ring = 0;                // how far the ring has turned (right, 0..39), as the record's entries keep it
bool g_start_reversed = false; // the record would start here from a position a reversal left
LastMoves g_last_moves;        // the moves marked on the board

void tell(const FlowEvent& e) {
    (g_view ? *g_view : painting_view()).on(e);
}

void tell(FlowEvent::Kind kind) {
    tell(FlowEvent{.kind = kind});
}

void say(const std::string& text, const std::string& title) {
    tell(FlowEvent{.kind = FlowEvent::Kind::Message, .text = text, .title = title});
}

// A message that needs no answer (王手, whose turn it is, a refused move or turn of the ring).
void tell_notice(const std::string& text, const std::string& title) {
    tell(FlowEvent{.kind = FlowEvent::Kind::Message, .text = text, .title = title, .notice = true});
}

void sound(int which) {
    tell(FlowEvent{.kind = FlowEvent::Kind::Sound, .n = which});
}

void show_move_number() {
    tell(FlowEvent{.kind = FlowEvent::Kind::MoveNumber, .n = TAIKYOKU.shinkou.TESUU});
}

void start_clock_if_shown() {
    if (TAIKYOKU.settei.KEIKA_HYOUJI == ON || clock_runs_down()) platform().clock().set_timer(true);
}

// The moves each side has made up to the record's entry KIFU_NO, which an increment pays back.
void count_moves() {
    const Kiroku& r = TAIKYOKU.kifu;
    const int n = std::max(0, r.KIFU_NO);
    auto made = [&](int side) { return side == r.first_side ? (n + 1) / 2 : n / 2; };
    TAIKYOKU.tokei.lower_moves = made(TAIKYOKU.pos.SITA_GAWA);
    TAIKYOKU.tokei.upper_moves = made(TAIKYOKU.pos.UE_GAWA);
}

// The game ended so: the result goes with the record, which is kept again on leaving.
void end_game(GameResult::Reason why, int winner) {
    Kiroku& r = TAIKYOKU.kifu;
    r.result = {why, winner, winner != 0 && winner == TAIKYOKU.pos.UE_GAWA, TAIKYOKU.shinkou.TESUU};
    r.KIFU_TAIKYOKU = ON;
}

// The result as the player is told it.
std::string shown_result() {
    return result_text(TAIKYOKU.kifu.result, TAIKYOKU.kifu.KIFU_HANDE_LEVEL);
}

// A game ended on other grounds than the board's (resigned, out of time) stays ended at the record's
// last position, however it was stepped to.
void keep_ended(int n) {
    const GameResult& r = TAIKYOKU.kifu.result;
    if (r.reason == GameResult::Reason::NONE || n != TAIKYOKU.kifu.KIFU_TESUU || TAIKYOKU.pos.SYOUSYA != 0)
        return;
    TAIKYOKU.pos.SYOUSYA = r.winner != 0 ? r.winner : SYOUSYA_HIKIWAKE;
}

// LEVEL4 thinks on the clock of `side` as it stands after `elapsed` seconds of the turn; without a time
// control, for the chosen time.
void hand_clock_to_level4(int side, double elapsed) {
    if (!clock_runs_down()) {
        level4_set_clock(std::nullopt);
        return;
    }
    const Tokei& t = TAIKYOKU.tokei;
    const ClockLeft left = clock_left(TAIKYOKU.pos, t, side, elapsed);
    level4_set_clock(engine::GameClock{
        .remaining = left.main,
        .byoyomi = left.in_byoyomi ? left.byoyomi : t.time_control.byoyomi,
        .increment = static_cast<double>(t.time_control.increment),
        .moves_played = side == TAIKYOKU.pos.SITA_GAWA ? t.lower_moves : t.upper_moves,
    });
}

// The record has no room for the next move: the game ends without a winner.
void end_with_full_record() {
    platform().clock().set_timer(false);
    TAIKYOKU.pos.SYOUSYA = SYOUSYA_HIKIWAKE;
    end_game(GameResult::Reason::FULL_RECORD, 0);
    sound(OTO_KINSHI);
    say(fill(translate("Game", "棋譜が一杯です（%1手まで）。引き分けで終わります"),
             {std::to_string(KIFU_MAX)}),
        translate("Game", "終了"));
}

// The search found no legal move: the computer resigns.
void resign() {
    tell(FlowEvent::Kind::ThinkingDone);
    platform().clock().set_timer(false);
    TAIKYOKU.pos.SYOUSYA = TAIKYOKU.pos.SITA_GAWA;
    end_game(GameResult::Reason::RESIGNED, TAIKYOKU.pos.SITA_GAWA);
    say(translate("Game", "あなたの勝ちです"), translate("Game", "終了"));
}

// Puts record entry n on the board with the clocks it holds, shown at the handicap level its game was
// played at.
void show_entry(int n, double ue_jikan, double sita_jikan) {
    restore_entry(TAIKYOKU.pos, TAIKYOKU.kifu, n);
    // The ring stands as the entry keeps it; turns made before are no part of the next move.
    const int turned = TAIKYOKU.kifu.ring_turned[n];
    g_ring = turned != TURNS_UNKNOWN ? turned : 0;
    g_turns = 0;
    if (n == 0) g_start_reversed = TAIKYOKU.kifu.starts_reversed;
    if (TAIKYOKU.settei.HANDE_LEVEL != TAIKYOKU.kifu.KIFU_HANDE_LEVEL) {
        TAIKYOKU.settei.HANDE_LEVEL = TAIKYOKU.kifu.KIFU_HANDE_LEVEL;
        TAIKYOKU.shinkou.HANDE_SETTEI = ON;
        tell(FlowEvent{.kind = FlowEvent::Kind::HandicapShown, .n = TAIKYOKU.settei.HANDE_LEVEL});
    }
    TAIKYOKU.tokei.UE_JIKAN = ue_jikan;
    TAIKYOKU.tokei.SITA_JIKAN = sita_jikan;
    // A clock running down shows what each side had left at the position itself: the entry's clocks
    // before the move made from it (stepping has always shown the elapsed times after that move).
    if (TAIKYOKU.tokei.time_control.on()) {
        TAIKYOKU.tokei.UE_JIKAN = TAIKYOKU.kifu.entries[n].ue_mae;
        TAIKYOKU.tokei.SITA_JIKAN = TAIKYOKU.kifu.entries[n].sita_mae;
    }
    const int kifu_no = TAIKYOKU.kifu.KIFU_NO;
    TAIKYOKU.kifu.KIFU_NO = n;
    count_moves();
    TAIKYOKU.kifu.KIFU_NO = kifu_no;
    tell(FlowEvent{.kind = FlowEvent::Kind::EntryShown, .n = n});
}

// The hint shown, if any, is gone.
void clear_hint() {
    Shinkou& g = TAIKYOKU.shinkou;
    if (g.HINT_MOTO_X == 0) return;
    tell(FlowEvent{.kind = FlowEvent::Kind::HintCleared,
                   .fx = g.HINT_MOTO_X,
                   .fy = g.HINT_MOTO_Y,
                   .tx = g.HINT_SAKI_X,
                   .ty = g.HINT_SAKI_Y});
    g.HINT_MOTO_X = g.HINT_MOTO_Y = g.HINT_SAKI_X = g.HINT_SAKI_Y = 0;
    g_hint_steps.clear();
    g_hint_text.clear();
}

// Where a cell of the ring stands now that will stand at c after `turns` turns to the right.
Cell before_turns(Cell c, int turns) {
    return after_turns(c, -turns);
}

// A cell of the board or the ring; a hand box's row is none.
Cell on_board(Cell c) {
    return c.x >= 1 && c.x <= 11 && c.y >= 1 && c.y <= 11 ? c : Cell{};
}

void tell_last_moves() {
    tell(FlowEvent::Kind::LastMovesShown);
}

// A move was made: it is the latest, the one before it the other side's.
void mark_move(Cell from, Cell to, bool lower) {
    g_last_moves.move[1] = g_last_moves.move[0];
    g_last_moves.move[0] = {on_board(from), to, lower};
    tell_last_moves();
}

// The marks of the position after move n of the record (none at its start).
void mark_moves_of_record(int n) {
    g_last_moves = LastMoves{};
    const RecordedMove latest = recorded_move(TAIKYOKU.kifu, n);
    if (latest.found) {
        g_last_moves.move[0] = {on_board(latest.from), latest.to, latest.lower};
        const RecordedMove before = recorded_move(TAIKYOKU.kifu, n - 1);
        if (before.found)
            g_last_moves.move[1] = {on_board(after_turns(before.from, latest.turns)),
                                    after_turns(before.to, latest.turns), before.lower};
    }
    tell_last_moves();
}

// The position a move is made from was stored at KIFU_NO: how far the ring had turned, and at the
// record's start whether a reversal left it.
void entry_stored() {
    Kiroku& r = TAIKYOKU.kifu;
    r.ring_turned[r.KIFU_NO] = g_ring;
    if (r.KIFU_NO != 0) return;
    r.starts_reversed = g_start_reversed;
    if (TAIKYOKU.pos.TEBAN != 0) r.first_side = TAIKYOKU.pos.TEBAN;
}

// The lower player takes the side value `side`, the upper the other: the record's first side is named
// anew with them, so that its moves stay with the players who made them.
void set_lower_side(int side) {
    if (TAIKYOKU.pos.SITA_GAWA == -side) TAIKYOKU.kifu.first_side = -TAIKYOKU.kifu.first_side;
    TAIKYOKU.pos.SITA_GAWA = side;
    TAIKYOKU.pos.UE_GAWA = -side;
}

// Another position is about to be shown: the thinking mark, the selection and the running clock go,
// and the outlines are drawn afresh.
void stop_for_another_position() {
    clear_hint();
    g_turns = 0;
    tell(FlowEvent::Kind::ThinkingDone);
    TAIKYOKU.shinkou.SENTAKU = 0;
    platform().clock().set_timer(false);
    tell(FlowEvent::Kind::BoardOutlines);
}

// Shows record entry n as the position its move left: the clocks after that move and its text.
// Where move n of the record went and the code placed there, as the status line names the move: read
// past a turn of the ring, which the first changed cell alone would take for the move.
void moved_to(int n, int& x, int& y, int& code) {
    if (const RecordedMove m = recorded_move(TAIKYOKU.kifu, n); m.found) {
        x = m.to.x;
        y = m.to.y;
        code = m.placed;
        return;
    }
    調査_移動結果(TAIKYOKU.kifu, n, x, y, code);
}

// The text of move n of the record, beside the side that made it.
void tell_move_text(int n) {
    int x = 0, y = 0, code = KARA;
    moved_to(n, x, y, code);
    tell(FlowEvent{.kind = FlowEvent::Kind::MoveText,
                   .side = code > 0 ? TAIKYOKU.pos.UE_GAWA : TAIKYOKU.pos.SITA_GAWA,
                   .tx = x,
                   .ty = y,
                   .p = code});
}

void show_after_move(int n, bool with_sound) {
    const RecordEntry& e = TAIKYOKU.kifu.entries[n];
    show_entry(n, e.ue_ato, e.sita_ato);
    if (with_sound) sound(OTO_KOMA);
    tell_move_text(n);
    mark_moves_of_record(n);
}

// Shows record entry n, with those clocks, as a jump, a resumption or 待った shows it: each side's last
// move up to it named and marked.
void show_position(int n, double ue_jikan, double sita_jikan) {
    show_entry(n, ue_jikan, sita_jikan);
    for (int side : {TAIKYOKU.pos.SITA_GAWA, TAIKYOKU.pos.UE_GAWA})
        tell(FlowEvent{.kind = FlowEvent::Kind::MoveTextCleared, .side = side});
    for (int i = std::max(1, n - 1); i <= n; ++i) tell_move_text(i);
    mark_moves_of_record(n);
}

// The winner of a game shown that has already ended (a king was taken, or in a game against the
// computer (MODE_MAN_COM) the human's last move mated it), or 0. The mate test surveys the position
// into tb, as the computer's turn would.
int winner_of_shown_game(Kyokumen& k, Seiryoku& tb, int mode) {
    bool sita_ou = false, ue_ou = false;
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) {
            sita_ou = sita_ou || k.BAN[x][y] == SITA_OU;
            ue_ou = ue_ou || k.BAN[x][y] == UE_OU;
        }
    if (!sita_ou) return k.UE_GAWA;
    if (!ue_ou) return k.SITA_GAWA;
    if (mode == MODE_MAN_COM && k.TEBAN == k.UE_GAWA) {
        勢力調査(k, tb);
        if (詰めかCOM(k, tb) == ON) return k.SITA_GAWA;
    }
    return 0;
}

} // namespace

void flow_move_piece(int fx, int fy, int tx, int ty, int p) {
    const int captured = TAIKYOKU.pos.BAN[tx][ty];
    駒移動(TAIKYOKU.pos, fx, fy, tx, ty, p);
    tell(FlowEvent{.kind = FlowEvent::Kind::PieceMoved,
                   .fx = fx,
                   .fy = fy,
                   .tx = tx,
                   .ty = ty,
                   .p = p,
                   .captured = captured});
}

const LastMoves& flow_last_moves() {
    return g_last_moves;
}

void flow_mark_last_moves() {
    tell_last_moves();
}

void set_game_view(GameView* view) {
    g_view = view;
}

void flow_program_start() {
    TAIKYOKU.kifu.KIFU_TESUU = 0;
    TAIKYOKU.kifu.KIFU_TAIKYOKU = OFF;
    TAIKYOKU.kifu.KIFU_GYOU.clear();
}

void flow_new_course() {
    const Shinkou last = TAIKYOKU.shinkou;
    TAIKYOKU.shinkou = Shinkou{};
    // The last selection's marks stay on the screen until a click beside the board wipes them.
    TAIKYOKU.shinkou.SENTAKU_X = last.SENTAKU_X;
    TAIKYOKU.shinkou.SENTAKU_Y = last.SENTAKU_Y;
    TAIKYOKU.shinkou.SENTAKU_KOMA = last.SENTAKU_KOMA;
    TAIKYOKU.kifu.KIFU_NO = 0;
    g_turns = 0;
    g_ring = 0;
    g_start_reversed = false;
    TAIKYOKU.kifu.from_kept_file = false;
    TAIKYOKU.kifu.result = {};
    g_last_moves = LastMoves{};
    tell_last_moves();
}

void flow_resume_on_click() {
    auto resume = [](const std::string& text) {
        TAIKYOKU.shinkou.SAIKAI_MACHI = OFF;
        TAIKYOKU.tokei.KAISHI_JIKOKU = platform().clock().now();
        start_clock_if_shown();
        tell_notice(text, translate("Game", "対局"));
    };
    if (TAIKYOKU.shinkou.TAIKYOKU_MODE == MODE_MAN_MAN) {
        if (TAIKYOKU.shinkou.SAIKAI_MACHI == ON)
            resume(TAIKYOKU.pos.TEBAN == 1 ? translate("Game", "先手の番です")
                                           : translate("Game", "後手の番です"));
    } else if (TAIKYOKU.pos.TEBAN == TAIKYOKU.pos.UE_GAWA) {
        TAIKYOKU.shinkou.SAIKAI_MACHI = OFF;
        say(translate("Game", "OKですか？"), translate("Game", "再開(COM)"));
        flow_computer_turn();
    } else if (TAIKYOKU.shinkou.SAIKAI_MACHI == ON) {
        resume(translate("Game", "MANの番です"));
    }
}

namespace {

// No game is under way, or its first move is still to come. A reversal counts the moves from 0 again
// in a game that goes on.
bool nobody_moved() {
    return TAIKYOKU.pos.TEBAN == 0 || (TAIKYOKU.shinkou.TESUU == 0 && TAIKYOKU.shinkou.HANTEN == OFF);
}

// A new game is played on the time control chosen for it, from full clocks.
void start_time_control() {
    Tokei& t = TAIKYOKU.tokei;
    t.time_control = TAIKYOKU.settei.time_control;
    if (!t.time_control.on()) return;
    t.SITA_JIKAN = t.UE_JIKAN = t.KEIKA_BYOU = 0;
    t.lower_moves = t.upper_moves = 0;
    tell(FlowEvent::Kind::ClocksShown);
}

} // namespace

bool flow_begin_two_players() {
    TAIKYOKU.shinkou.KIFU_MODE = OFF;
    TAIKYOKU.shinkou.TAIKYOKU_MODE = MODE_MAN_MAN;
    if (!nobody_moved()) return false;
    set_lower_side(1);
    TAIKYOKU.pos.TEBAN = 1;
    start_time_control();
    TAIKYOKU.kifu.from_kept_file = false; // a new game: what it takes back is its own
    return true;
}

bool flow_begin_against_computer(int side, bool& fresh) {
    TAIKYOKU.shinkou.SENTAKU = 0;
    TAIKYOKU.shinkou.TAIKYOKU_MODE = MODE_MAN_COM;
    TAIKYOKU.shinkou.KIFU_MODE = OFF;
    // The record goes on from the position shown: later entries are dropped, and the file it was kept
    // in no longer holds it.
    Kiroku& r = TAIKYOKU.kifu;
    if (r.KIFU_TESUU > r.KIFU_NO) r.KIFU_TAIKYOKU = ON;
    r.KIFU_TESUU = r.KIFU_NO;
    fresh = nobody_moved();
    if (fresh) start_time_control();
    if (side == 1)
        TAIKYOKU.tokei.KAISHI_JIKOKU = platform().clock().now(); // 後手 has always kept the time it had
    platform().clock().set_timer(true);
    if (fresh) r.from_kept_file = false;
    const bool man_to_move = fresh ? side == 1 : TAIKYOKU.pos.TEBAN == TAIKYOKU.pos.SITA_GAWA;
    if (fresh || (man_to_move && side == 1)) {
        set_lower_side(side);
        TAIKYOKU.pos.TEBAN = 1;
    }
    if (!man_to_move) flow_computer_turn();
    return man_to_move;
}

int flow_load_record(const KifuFileRead& f) {
    // Entry 0 is the start position just set up: the first 進 and the last 戻 compare with it. A kept
    // game played at a handicap started without the pieces its level takes off; stepping through it
    // shows that level, which also keeps it from being written.
    // A kept game played on after 反転 starts from the position its first line holds.
    手順保存(TAIKYOKU.kifu, TAIKYOKU.pos, TAIKYOKU.settei, 0, 0, 0, 0, KARA, KARA, 0, 0, 0, 0);
    place_handicap_start(TAIKYOKU.kifu.entries[0].ban, f.hande_level);
    TAIKYOKU.kifu.KIFU_HANDE_LEVEL = f.hande_level;
    TAIKYOKU.kifu.ring_turned[0] = TURNS_UNKNOWN;
    TAIKYOKU.kifu.starts_reversed = g_start_reversed = f.reversed != 0;
    const int first = f.reversed != 0 ? 0 : 1;
    TAIKYOKU.kifu.first_side = f.reversed != 0 ? f.reversed : 1;
    for (std::size_t i = 0; i < f.entries.size(); ++i) {
        const int n = static_cast<int>(i) + first;
        set_entry(TAIKYOKU.kifu, n, f.entries[i]);
        if (n <= KIFU_MAX)
            TAIKYOKU.kifu.turns_before[n] = TAIKYOKU.kifu.ring_turned[n] = TAIKYOKU.kifu.ring_after[n] =
                TURNS_UNKNOWN;
    }
    if (!f.entries.empty())
        TAIKYOKU.kifu.KIFU_GYOU = from_sjis(f.lines[KIFU_MIDASHI_GYOU + f.entries.size() - 1]);
    const int count = static_cast<int>(f.entries.size()) - (1 - first);
    TAIKYOKU.kifu.KIFU_NO = 0;
    TAIKYOKU.shinkou.TESUU = 0;
    TAIKYOKU.kifu.KIFU_TESUU = count;
    TAIKYOKU.kifu.KIFU_TAIKYOKU = OFF;
    if (count <= 0) return 0;
    // The side whose piece made the first move was the record's first side to move: the move texts and
    // the turns of a game played on from the file follow it. A ring turned before the move changes cells
    // of either side, so the mover is read past the turn.
    int x = 0, y = 0, mover = KARA;
    moved_to(1, x, y, mover);
    if (mover != KARA) {
        TAIKYOKU.pos.SITA_GAWA = mover < 0 ? TAIKYOKU.kifu.first_side : -TAIKYOKU.kifu.first_side;
        TAIKYOKU.pos.UE_GAWA = -TAIKYOKU.pos.SITA_GAWA;
    }
    return count;
}

void flow_wait_for_stepping() {
    TAIKYOKU.pos.TEBAN = 1;
}

void flow_reversed() {
    TAIKYOKU.pos.TEBAN = -TAIKYOKU.pos.TEBAN;
    TAIKYOKU.kifu.KIFU_NO = 0;
    TAIKYOKU.kifu.KIFU_TESUU = 0;
    // The moves are counted from here as the record counts them, so that a position has one number
    // whether it is reached in play, stepped or jumped to, or taken up again from the kept game.
    TAIKYOKU.shinkou.TESUU = 0;
    show_move_number();
    TAIKYOKU.kifu.first_side = TAIKYOKU.pos.TEBAN != 0 ? TAIKYOKU.pos.TEBAN : 1;
    TAIKYOKU.kifu.starts_reversed = g_start_reversed = true;
    TAIKYOKU.kifu.from_kept_file = false;
    TAIKYOKU.kifu.result = {};
    // The record starts again at the position turned round: no move of it is made yet.
    g_last_moves = LastMoves{};
    tell_last_moves();
}

void flow_drop_record() {
    TAIKYOKU.kifu.KIFU_TESUU = 0;
    TAIKYOKU.kifu.from_kept_file = false;
}

void flow_start_at(const Kyokumen& pos, int mode, int level) {
    TAIKYOKU.pos = pos;
    TAIKYOKU.shinkou.TAIKYOKU_MODE = mode;
    TAIKYOKU.pos.SYOUSYA = 0;
    TAIKYOKU.shinkou.TESUU = 0;
    TAIKYOKU.kifu.KIFU_NO = 0;
    TAIKYOKU.kifu.KIFU_TESUU = 0;
    TAIKYOKU.kifu.first_side = 1;
    TAIKYOKU.kifu.starts_reversed = g_start_reversed = false;
    TAIKYOKU.kifu.from_kept_file = false;
    TAIKYOKU.kifu.result = {};
    g_turns = 0;
    g_ring = 0;
    g_last_moves = LastMoves{};
    TAIKYOKU.settei.COM_LEVEL = level;
    // The tables that no survey resets start as in a fresh program, so every game from a position is
    // alike; the survey is the one the move that led here ended with.
    Seiryoku& t = TAIKYOKU.tables;
    for (Tbl* table : {&t.UE_MAMORI_X, &t.UE_MAMORI_Y, &t.UE_NERAI_X, &t.UE_NERAI_Y})
        std::memset(table, 0, sizeof *table);
    勢力調査(TAIKYOKU.pos, TAIKYOKU.tables);
}

HumanMove flow_human_move(int fx, int fy, int tx, int ty, int p, bool promote) {
    HumanMove m{fx, fy, tx, ty, p};
    clear_hint();
    if (record_full(TAIKYOKU.kifu)) {
        // A game resumed at the record's last entry: it ends as the computer's turn would.
        TAIKYOKU.shinkou.SENTAKU = 0;
        tell(FlowEvent::Kind::BoardOutlines);
        end_with_full_record();
        return m;
    }
    手順保存(TAIKYOKU.kifu, TAIKYOKU.pos, TAIKYOKU.settei, fx, fy, tx, ty, p, TAIKYOKU.pos.BAN[tx][ty],
             TAIKYOKU.tokei.SITA_JIKAN, TAIKYOKU.tokei.SITA_JIKAN + TAIKYOKU.tokei.KEIKA_BYOU,
             TAIKYOKU.tokei.UE_JIKAN, TAIKYOKU.tokei.UE_JIKAN);
    entry_stored();
    TAIKYOKU.kifu.turns_before[TAIKYOKU.kifu.KIFU_NO + 1] = g_turns;
    g_turns = 0;
    TAIKYOKU.shinkou.TESUU += 1;
    TAIKYOKU.kifu.result = {}; // the game goes on from here
    show_move_number();
    if (調査_駒成(fx, fy, tx, ty, p, TAIKYOKU.shinkou.NARI_KOMA) == ON && promote)
        m.p = TAIKYOKU.shinkou.NARI_KOMA;
    TAIKYOKU.shinkou.SENTAKU = 0;
    tell(FlowEvent{
        .kind = FlowEvent::Kind::SelectionDropped, .fx = fx, .fy = fy, .tx = tx, .ty = ty, .p = m.p});
    // The upper hand gives its kind itself as the source.
    if (const HandSlot h = hand_slot_at({fx, fy}); h.upper) m.fy = drop_source(h).y;
    const int captured = TAIKYOKU.pos.BAN[tx][ty];
    flow_move_piece(m.fx, m.fy, tx, ty, m.p);
    sound(OTO_KOMA);
    TAIKYOKU.kifu.KIFU_NO += 1;
    store_after_move(TAIKYOKU.kifu, TAIKYOKU.pos);
    TAIKYOKU.kifu.ring_turned[TAIKYOKU.kifu.KIFU_NO] = TAIKYOKU.kifu.ring_after[TAIKYOKU.kifu.KIFU_NO] =
        g_ring;
    count_moves();
    tell(FlowEvent{.kind = FlowEvent::Kind::MoveText,
                   .side = m.p >= UE_HU ? TAIKYOKU.pos.UE_GAWA : TAIKYOKU.pos.SITA_GAWA,
                   .tx = tx,
                   .ty = ty,
                   .p = m.p});
    mark_move({m.fx, m.fy}, {tx, ty}, m.p < UE_HU);
    if (TAIKYOKU.shinkou.TAIKYOKU_MODE == MODE_MAN_COM) {
        platform().clock().set_timer(false);
        TAIKYOKU.tokei.SITA_JIKAN += TAIKYOKU.tokei.KEIKA_BYOU;
        勢力調査(TAIKYOKU.pos, TAIKYOKU.tables);
        if (詰めかCOM(TAIKYOKU.pos, TAIKYOKU.tables) == ON || captured == UE_OU) {
            TAIKYOKU.pos.SYOUSYA = TAIKYOKU.pos.SITA_GAWA;
            end_game(captured == UE_OU ? GameResult::Reason::KING_TAKEN : GameResult::Reason::MATE,
                     TAIKYOKU.pos.SITA_GAWA);
            say(translate("Game", "あなたの勝ちです"), translate("Game", "終了"));
        } else {
            TAIKYOKU.pos.TEBAN = TAIKYOKU.pos.UE_GAWA;
            flow_computer_turn();
        }
        return m;
    }
    if (TAIKYOKU.pos.SYOUSYA != 0) end_game(GameResult::Reason::KING_TAKEN, TAIKYOKU.pos.SYOUSYA);
    if (TAIKYOKU.pos.SYOUSYA == TAIKYOKU.pos.SITA_GAWA) {
        say(translate("Game", "先手の勝ちです"), translate("Game", "終了"));
    } else if (TAIKYOKU.pos.SYOUSYA == TAIKYOKU.pos.UE_GAWA) {
        say(translate("Game", "後手の勝ちです"), translate("Game", "終了"));
    }
    if (TAIKYOKU.pos.TEBAN == 1) {
        TAIKYOKU.pos.TEBAN = -1;
        TAIKYOKU.tokei.SITA_JIKAN += TAIKYOKU.tokei.KEIKA_BYOU;
    } else if (TAIKYOKU.pos.TEBAN == -1) {
        TAIKYOKU.pos.TEBAN = 1;
        TAIKYOKU.tokei.UE_JIKAN += TAIKYOKU.tokei.KEIKA_BYOU;
    }
    TAIKYOKU.tokei.KAISHI_JIKOKU = platform().clock().now();
    if (TAIKYOKU.pos.SYOUSYA == 0 && record_full(TAIKYOKU.kifu)) end_with_full_record();
    return m;
}

void flow_turn_ring(bool right) {
    clear_hint();
    // A turn drops the selection.
    TAIKYOKU.shinkou.SENTAKU = 0;
    // An empty ring is refused: it stays as it stands, and the next move was made after no turn.
    const bool empty = 調査_回転盤上駒数(TAIKYOKU.pos, TAIKYOKU.pos.SITA_GAWA) +
                           調査_回転盤上駒数(TAIKYOKU.pos, TAIKYOKU.pos.UE_GAWA) ==
                       0;
    if (!empty) {
        g_turns = shortest_turns(g_turns + (right ? 1 : -1));
        g_ring = (g_ring + (right ? 1 : 39)) % 40;
        if (right)
            回転盤_右回転(TAIKYOKU.pos);
        else
            回転盤_左回転(TAIKYOKU.pos);
        // The marks on the ring ride it with their pieces; the view marks them as it paints the ring.
        for (LastMoves::Move& m : g_last_moves.move) {
            m.from = after_turns(m.from, right ? 1 : -1);
            m.to = after_turns(m.to, right ? 1 : -1);
        }
    }
    tell(FlowEvent{.kind = FlowEvent::Kind::RingTurned, .n = right ? 1 : -1});
    if (empty) {
        tell_notice(translate("Game", "まだコンベアにネタ（駒）が乗っていません"), "");
    } else {
        sound(OTO_KOMA);
    }
}

void flow_computer_turn() {
    if (TAIKYOKU.pos.SYOUSYA != 0) return;
    if (record_full(TAIKYOKU.kifu)) {
        // No room in the record for the computer's move: nothing is moved.
        end_with_full_record();
        return;
    }

    TAIKYOKU.tokei.KAISHI_JIKOKU = platform().clock().now();
    start_clock_if_shown();
    tell(FlowEvent::Kind::Thinking);

    hand_clock_to_level4(TAIKYOKU.pos.UE_GAWA, 0);
    const int found = TAIKYOKU.settei.COM_LEVEL == 4 ? search_turn_level4() : search_turn();
    // The program is ending during LEVEL4's search: no move is made.
    if (TAIKYOKU.settei.COM_LEVEL == 4 && search_stopped() == ON) return;
    // Its flag fell while it thought.
    if (TAIKYOKU.pos.SYOUSYA != 0) {
        tell(FlowEvent::Kind::ThinkingDone);
        return;
    }
    if (found == OFF) {
        resign();
        return;
    }

    const int fx = TAIKYOKU.com.COM_TE_MOTO_X, fy = TAIKYOKU.com.COM_TE_MOTO_Y;
    const int tx = TAIKYOKU.com.COM_TE_SAKI_X, ty = TAIKYOKU.com.COM_TE_SAKI_Y;
    const Koma mae = TAIKYOKU.com.COM_TE_KOMA_MAE, oku = TAIKYOKU.com.COM_TE_KOMA_OKU;

    手順保存(TAIKYOKU.kifu, TAIKYOKU.pos, TAIKYOKU.settei, fx, fy, tx, ty, mae, oku,
             TAIKYOKU.tokei.SITA_JIKAN, TAIKYOKU.tokei.SITA_JIKAN, TAIKYOKU.tokei.UE_JIKAN,
             TAIKYOKU.tokei.UE_JIKAN + TAIKYOKU.tokei.KEIKA_BYOU);
    entry_stored();
    TAIKYOKU.shinkou.TESUU += 1;
    TAIKYOKU.kifu.result = {};
    if (TAIKYOKU.com.KAITEN_UTI == ON)
        for (int i = 0; i < TAIKYOKU.com.KAITEN_KAISUU; ++i) flow_turn_ring(true);
    TAIKYOKU.kifu.turns_before[TAIKYOKU.kifu.KIFU_NO + 1] = g_turns;
    g_turns = 0;
    if (const HandSlot h = drop_slot(fx, fy); h.upper) {
        const Cell c = hand_cell(h);
        tell(FlowEvent{.kind = FlowEvent::Kind::Blink, .fx = c.x, .fy = c.y, .p = oku});
    } else {
        tell(FlowEvent{.kind = FlowEvent::Kind::Blink, .fx = fx, .fy = fy, .p = mae});
    }
    flow_move_piece(fx, fy, tx, ty, oku);
    show_move_number();
    tell(FlowEvent::Kind::ThinkingDone);
    tell(FlowEvent{.kind = FlowEvent::Kind::Wait, .seconds = 0.5});
    sound(OTO_KOMA);
    TAIKYOKU.kifu.KIFU_NO += 1;
    store_after_move(TAIKYOKU.kifu, TAIKYOKU.pos);
    TAIKYOKU.kifu.ring_turned[TAIKYOKU.kifu.KIFU_NO] = TAIKYOKU.kifu.ring_after[TAIKYOKU.kifu.KIFU_NO] =
        g_ring;
    count_moves();
    platform().clock().set_timer(false);
    if (TAIKYOKU.settei.COM_LEVEL == 4) show_level4_view();

    勢力調査(TAIKYOKU.pos, TAIKYOKU.tables);
    // A taken king ends the game before the mate test, which would look at a board without that king.
    if (TAIKYOKU.pos.SYOUSYA == TAIKYOKU.pos.UE_GAWA) {
        tell(FlowEvent{.kind = FlowEvent::Kind::MoveTextCleared, .side = TAIKYOKU.pos.UE_GAWA});
        mark_move({fx, fy}, {tx, ty}, false); // as the record shows the last position
        end_game(GameResult::Reason::KING_TAKEN, TAIKYOKU.pos.UE_GAWA);
        say(translate("Game", "ｺﾝﾋﾟｭｰﾀの勝ちです"), translate("Game", "終了"));
        TAIKYOKU.pos.TEBAN = TAIKYOKU.pos.SITA_GAWA;
        return;
    }
    if (詰めかMAN(TAIKYOKU.pos, TAIKYOKU.tables) == ON) {
        tell_notice(translate("Game", "よし！!"), translate("Game", "詰め ?"));
    } else if (at(TAIKYOKU.tables.UE_SEIRYOKU, TAIKYOKU.pos.SITA_OU_X, TAIKYOKU.pos.SITA_OU_Y) > 0) {
        tell_notice(translate("Game", "   ** 王手 **"), "");
    }
    tell(FlowEvent{
        .kind = FlowEvent::Kind::MoveText, .side = TAIKYOKU.pos.UE_GAWA, .tx = tx, .ty = ty, .p = oku});
    mark_move({fx, fy}, {tx, ty}, false);
    tell(FlowEvent{.kind = FlowEvent::Kind::MoveMarked, .tx = tx, .ty = ty});

    TAIKYOKU.tokei.UE_JIKAN += TAIKYOKU.tokei.KEIKA_BYOU;
    TAIKYOKU.tokei.KAISHI_JIKOKU = platform().clock().now();
    TAIKYOKU.pos.TEBAN = TAIKYOKU.pos.SITA_GAWA;
    // The human's turn has no room left: the game ends here, as the computer's turn would.
    if (record_full(TAIKYOKU.kifu)) {
        end_with_full_record();
        return;
    }
    start_clock_if_shown();
}

void flow_step_forward() {
    if (TAIKYOKU.pos.TEBAN == 0) {
        sound(OTO_KINSHI);
        tell_notice(translate("Game", "「対局」で始めて下さい"), translate("Game", "開始"));
        return;
    }
    TAIKYOKU.shinkou.SAIKAI_MACHI = ON;
    // The record ends at KIFU_TESUU, and never beyond its room; only stored entries are shown.
    if (TAIKYOKU.kifu.KIFU_NO >= TAIKYOKU.kifu.KIFU_TESUU || TAIKYOKU.kifu.KIFU_NO >= KIFU_MAX ||
        TAIKYOKU.kifu.KIFU_NO < 0) {
        if (TAIKYOKU.shinkou.KIFU_MODE == ON) {
            say(translate("Game", "終わり"), translate("Game", "進む"));
        } else {
            sound(OTO_KINSHI);
            say(translate("Game", "できません"), translate("Game", "進む"));
        }
        return;
    }
    stop_for_another_position();

    TAIKYOKU.kifu.KIFU_NO += 1;
    TAIKYOKU.shinkou.TESUU += 1;
    show_move_number();
    show_after_move(TAIKYOKU.kifu.KIFU_NO, true);
    // The side to move is the record's: a game started since may have named the sides anew.
    TAIKYOKU.pos.TEBAN = side_to_move(TAIKYOKU.kifu, TAIKYOKU.kifu.KIFU_NO);
    show_move_number();
    follow_shown_position(TAIKYOKU.pos);
}

void flow_step_back() {
    TAIKYOKU.shinkou.SAIKAI_MACHI = ON;
    // Only entries stored in the record are shown: one standing beyond its end is refused as at its start.
    if (TAIKYOKU.kifu.KIFU_NO < 1 || TAIKYOKU.kifu.KIFU_NO > TAIKYOKU.kifu.KIFU_TESUU) {
        sound(OTO_KINSHI);
        say(translate("Game", "できません"), translate("Game", "戻る"));
        return;
    }
    TAIKYOKU.shinkou.SENTAKU = 0;
    platform().clock().set_timer(false);
    tell(FlowEvent::Kind::BoardOutlines);
    tell(FlowEvent::Kind::ThinkingDone);

    const int n = TAIKYOKU.kifu.KIFU_NO - 1;
    show_entry(n, TAIKYOKU.kifu.entries[n].ue_mae, TAIKYOKU.kifu.entries[n].sita_mae);

    int x = 0, y = 0, code = KARA;
    moved_to(TAIKYOKU.kifu.KIFU_NO, x, y, code);
    sound(OTO_KOMA);
    tell(FlowEvent{.kind = FlowEvent::Kind::MoveTextCleared,
                   .side = code > 0 ? TAIKYOKU.pos.UE_GAWA : TAIKYOKU.pos.SITA_GAWA});

    TAIKYOKU.kifu.KIFU_NO -= 1;
    TAIKYOKU.shinkou.TESUU -= 1;
    mark_moves_of_record(TAIKYOKU.kifu.KIFU_NO);
    TAIKYOKU.pos.TEBAN = side_to_move(TAIKYOKU.kifu, TAIKYOKU.kifu.KIFU_NO);
    show_move_number();
    follow_shown_position(TAIKYOKU.pos);
}

void flow_take_back() {
    Kiroku& r = TAIKYOKU.kifu;
    Kyokumen& k = TAIKYOKU.pos;
    int t = r.KIFU_NO - 1;
    // Against the computer the player gets back a position where the player is to move.
    if (TAIKYOKU.shinkou.TAIKYOKU_MODE == MODE_MAN_COM)
        while (t >= 0 && side_to_move(r, t) != k.SITA_GAWA) --t;
    if (k.TEBAN == 0 || TAIKYOKU.shinkou.KIFU_MODE == ON || TAIKYOKU.shinkou.HANTEN == ON || t < 0 ||
        r.KIFU_NO > r.KIFU_TESUU) {
        sound(OTO_KINSHI);
        say(translate("Game", "できません"), translate("Game", "待った"));
        return;
    }
    stop_for_another_position();
    const RecordEntry& e = r.entries[t];
    show_position(t, e.ue_mae, e.sita_mae); // each side's last move as it stood then
    sound(OTO_KOMA);
    // The moves after it are gone from the record; the game is open again from here.
    r.KIFU_NO = t;
    r.KIFU_TESUU = t;
    r.KIFU_TAIKYOKU = ON; // kept again on leaving: the moves taken back are gone from the kept game too
    TAIKYOKU.shinkou.TESUU = t;
    r.result = {};
    k.TEBAN = side_to_move(r, t);
    k.SYOUSYA = 0;
    TAIKYOKU.shinkou.SAIKAI_MACHI = OFF;
    show_move_number();
    follow_shown_position(k);
    level4_forget();
    TAIKYOKU.tokei.KAISHI_JIKOKU = platform().clock().now();
    start_clock_if_shown();
}

namespace {

// Home and End: refused as 戻 and 進 refuse, when there is no game or nothing in its record.
bool may_jump(const std::string& title) {
    if (TAIKYOKU.pos.TEBAN == 0) {
        sound(OTO_KINSHI);
        tell_notice(translate("Game", "「対局」で始めて下さい"), translate("Game", "開始"));
        return false;
    }
    if (TAIKYOKU.kifu.KIFU_TESUU < 1) {
        sound(OTO_KINSHI);
        say(translate("Game", "できません"), title);
        return false;
    }
    return true;
}

} // namespace

std::string flow_hint() {
    const Kyokumen& k = TAIKYOKU.pos;
    const Shinkou& g = TAIKYOKU.shinkou;
    const bool players_turn = g.TAIKYOKU_MODE == MODE_MAN_MAN || k.TEBAN == k.SITA_GAWA;
    engine::ProgramMove m{};
    if (k.TEBAN == 0 || k.SYOUSYA != 0 || g.KIFU_MODE == ON || !players_turn) {
        sound(OTO_KINSHI);
        say(translate("Game", "できません"), translate("Game", "ヒント"));
        return {};
    }
    clear_hint();
    tell(FlowEvent::Kind::Thinking);
    hand_clock_to_level4(k.TEBAN, TAIKYOKU.tokei.KEIKA_BYOU);
    const bool found = level4_hint(m);
    tell(FlowEvent::Kind::ThinkingDone);
    if (!found) return {};
    // The steps as the player makes them: the ring turns, the piece picked (a hand by its row), the
    // target with the right button when the piece promotes.
    std::string steps;
    for (int i = 0; i < m.turns; ++i) steps += "button KAITEN_R ; ";
    const HandSlot h = drop_slot(m.fx, m.fy);
    const Cell pick = h.kind != 0 ? hand_cell(h) : Cell{m.fx, m.fy};
    // The cells clicked as the screen shows them.
    const Cell pick_shown = view_cell(pick), to_shown = view_cell({m.tx, m.ty});
    steps += "click L " + std::to_string(pick_shown.x) + " " + std::to_string(pick_shown.y) + " ; ";
    steps += std::string("click ") + (h.kind == 0 && m.placed != m.before ? "R " : "L ") +
             std::to_string(to_shown.x) + " " + std::to_string(to_shown.y);
    // The cells marked as they stand now, before the ring turns.
    const Cell from = before_turns(pick, m.turns);
    const Cell to = before_turns({m.tx, m.ty}, m.turns);
    // The move as the list of moves will write it, the ring's turn first.
    const int turns = shortest_turns(m.turns);
    const NotatedMove move{
        .turns = turns, .shown_turns = turns, .from = pick, .to = {m.tx, m.ty}, .placed = m.placed};
    const std::string text = move_notation(TAIKYOKU.pos, move, g_last_moves.move[0].to, notation_in_use());
    Shinkou& shown = TAIKYOKU.shinkou;
    shown.HINT_MOTO_X = from.x;
    shown.HINT_MOTO_Y = from.y;
    shown.HINT_SAKI_X = to.x;
    shown.HINT_SAKI_Y = to.y;
    tell(FlowEvent{.kind = FlowEvent::Kind::HintShown,
                   .fx = from.x,
                   .fy = from.y,
                   .tx = to.x,
                   .ty = to.y,
                   .text = text});
    g_hint_steps = steps;
    g_hint_text = text;
    show_level4_view();
    return steps;
}

const std::string& flow_hint_steps() {
    return g_hint_steps;
}

const std::string& flow_hint_text() {
    return g_hint_text;
}

void flow_show_first() {
    if (may_jump(translate("Game", "戻る"))) flow_show_move(0);
}

void flow_show_last() {
    if (may_jump(translate("Game", "進む"))) flow_show_move(TAIKYOKU.kifu.KIFU_TESUU);
}

void flow_show_chosen_move(int n) {
    if (may_jump(n < TAIKYOKU.shinkou.TESUU ? translate("Game", "戻る") : translate("Game", "進む")))
        flow_show_move(n);
}

void flow_show_move(int n) {
    if (n < 0 || n > TAIKYOKU.kifu.KIFU_TESUU || n > KIFU_MAX) return;
    TAIKYOKU.shinkou.SAIKAI_MACHI = ON;
    stop_for_another_position();
    TAIKYOKU.kifu.KIFU_NO = n;
    TAIKYOKU.shinkou.TESUU = n;
    // The clocks after the move shown, or before the first at the start.
    const RecordEntry& e = TAIKYOKU.kifu.entries[n];
    show_position(n, n > 0 ? e.ue_ato : e.ue_mae, n > 0 ? e.sita_ato : e.sita_mae);
    TAIKYOKU.pos.TEBAN = side_to_move(TAIKYOKU.kifu, n);
    show_move_number();
    follow_shown_position(TAIKYOKU.pos);
    // The end of a game that was won shows it won.
    TAIKYOKU.pos.SYOUSYA =
        winner_of_shown_game(TAIKYOKU.pos, TAIKYOKU.tables, TAIKYOKU.shinkou.TAIKYOKU_MODE);
    keep_ended(n);
}

void flow_resume_at_last_entry(int mode) {
    TAIKYOKU.shinkou.SENTAKU = 0;
    platform().clock().set_timer(false);
    tell(FlowEvent::Kind::BoardOutlines);
    TAIKYOKU.shinkou.KIFU_MODE = OFF;
    TAIKYOKU.shinkou.TAIKYOKU_MODE = mode;
    if (mode == MODE_MAN_COM)
        tell(FlowEvent{.kind = FlowEvent::Kind::LevelShown, .n = TAIKYOKU.settei.COM_LEVEL});
    TAIKYOKU.kifu.KIFU_NO = TAIKYOKU.kifu.KIFU_TESUU;
    TAIKYOKU.shinkou.TESUU = TAIKYOKU.kifu.KIFU_TESUU;
    const RecordEntry& e = TAIKYOKU.kifu.entries[TAIKYOKU.kifu.KIFU_NO];
    show_position(TAIKYOKU.kifu.KIFU_NO, e.ue_ato, e.sita_ato);
    TAIKYOKU.pos.TEBAN = side_to_move(TAIKYOKU.kifu, TAIKYOKU.kifu.KIFU_NO);
    show_move_number();
    follow_shown_position(TAIKYOKU.pos);
    TAIKYOKU.pos.SYOUSYA = winner_of_shown_game(TAIKYOKU.pos, TAIKYOKU.tables, mode);
    keep_ended(TAIKYOKU.kifu.KIFU_NO);
    TAIKYOKU.shinkou.SAIKAI_MACHI = ON;
}

void flow_time_up() {
    platform().clock().set_timer(false);
    Kyokumen& k = TAIKYOKU.pos;
    const int winner = k.TEBAN == k.SITA_GAWA ? k.UE_GAWA : k.SITA_GAWA;
    k.SYOUSYA = winner;
    end_game(GameResult::Reason::TIME, winner);
    TAIKYOKU.shinkou.SENTAKU = 0;
    sound(OTO_KINSHI);
    say(fill(translate("Result", "時間切れです。\n%1"), {shown_result()}), "終了");
}

bool flow_resign() {
    Kyokumen& k = TAIKYOKU.pos;
    const Shinkou& g = TAIKYOKU.shinkou;
    const Kiroku& r = TAIKYOKU.kifu;
    const std::string title = translate("Resign", "投了");
    // Only a game under way, at its latest position, is resigned.
    if (k.TEBAN == 0 || k.SYOUSYA != 0 || g.KIFU_MODE == ON || r.KIFU_NO != r.KIFU_TESUU) {
        sound(OTO_KINSHI);
        say("できません", title);
        return false;
    }
    if (!platform().dialogs().ask(translate("Resign", "投了しますか？"), title)) return false;
    // Against the computer the player resigns; between two players, the side to move.
    const int loser = g.TAIKYOKU_MODE == MODE_MAN_COM ? k.SITA_GAWA : k.TEBAN;
    const int winner = -loser;
    clear_hint();
    platform().clock().set_timer(false);
    k.SYOUSYA = winner;
    end_game(GameResult::Reason::RESIGNED, winner);
    TAIKYOKU.shinkou.SENTAKU = 0;
    tell(FlowEvent::Kind::BoardOutlines);
    say(shown_result(), "終了");
    return true;
}

void flow_record_result(const GameResult& result, const TimeControl& control) {
    TAIKYOKU.kifu.result = result;
    TAIKYOKU.tokei.time_control = control;
}

std::string flow_result_text() {
    return shown_result();
}
