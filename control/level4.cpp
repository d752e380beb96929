// LEVEL4: the move is chosen by the searching computer (engine/) instead of the one-ply search. The
// search runs on a worker thread on its own copy of the position; meanwhile the window is kept alive
// by short waits and the clock ticks, exactly as the other levels tick it during their search. What a
// search learns is kept for the next move of the game, in one table made on the first search.
#include "control/level4.h"

#include "com/com.h"
#include "control/clock.h"
#include "control/engine_view.h"
#include "control/flow.h"
#include "core/state.h"
#include "engine/search.h"
#include "kifu/record.h"
#include "platform/platform.h"
#include "control/owner.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

namespace {

std::atomic<bool> g_stop{false};

std::unique_ptr<engine::Table> g_table;
// Set while a search runs on the table: a wish to forget, coming from the window meanwhile, waits
// until the search is over.
bool g_searching = false;
bool g_forget_after = false;

// The keys of the game's earlier positions, from the record: entry KIFU_NO is the position now, the
// side to move now to move there, and the side to move alternates going back.
std::vector<std::uint64_t> earlier_position_keys() {
    std::vector<std::uint64_t> keys;
    const bool upper_now = TAIKYOKU.pos.TEBAN == TAIKYOKU.pos.UE_GAWA;
    for (int i = 0; i < TAIKYOKU.kifu.KIFU_NO && i <= KIFU_MAX; ++i) {
        Kyokumen k;
        put_entry(k, TAIKYOKU.kifu.entries[i]);
        const bool upper = ((TAIKYOKU.kifu.KIFU_NO - i) % 2 == 0) == upper_now;
        k.TEBAN = upper ? k.UE_GAWA : k.SITA_GAWA;
        keys.push_back(engine::from_program(k).key);
    }
    return keys;
}

} // namespace

std::uint64_t level4_nodes = engine::DEFAULT_NODES;
Level4Thinking level4_thinking;

namespace {
std::optional<engine::GameClock> g_clock;
}

void level4_set_clock(std::optional<engine::GameClock> clock) {
    g_clock = clock;
}

engine::Limits level4_limits() {
    engine::Limits limits;
    limits.nodes = level4_nodes;
    limits.strength = level4_thinking.strength;
    limits.seed = level4_thinking.seed;
    if (!level4_thinking.by_time) return limits;
    limits.nodes = UINT64_MAX;
    limits.time = g_clock ? engine::plan_time(*g_clock) : engine::plan_fixed(level4_thinking.seconds);
    if (level4_thinking.virtual_nodes_per_second > 0)
        limits.virtual_nodes_per_second = level4_thinking.virtual_nodes_per_second;
    else
        limits.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    return limits;
}

void level4_forget() {
    forget_level4_view();
    if (g_searching)
        g_forget_after = true;
    else if (g_table)
        g_table->clear();
}

void stop_search() {
    g_stop = true;
}

int search_stopped() {
    return g_stop ? ON : OFF;
}

void allow_search() {
    g_stop = false;
}

namespace {

// The search of p on the worker thread while the window is kept alive. A search asked for once the
// program is ending (a box answered by the quit) gives up at once.
engine::Result search_alive(const engine::Position& p, engine::Table* table, bool full_strength) {
    hold_analysis();
    engine::Limits limits = level4_limits();
    if (full_strength) limits.strength = engine::FULL_STRENGTH;
    limits.table = table;
    limits.stop = &g_stop;
    limits.seen = earlier_position_keys();
    std::atomic<bool> done{false};
    engine::Result r;
    g_searching = true;
    std::thread worker([&] {
        r = engine::search(p, limits);
        done = true;
    });
    // A zero wait lets the window handle what is pending without moving a virtual clock; the sleep
    // leaves the processor to the search.
    while (!done) {
        platform().clock().wait(0);
        Timer1_Timer();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    worker.join();
    g_searching = false;
    // On a clock of nodes the time thought passes once the search is over, as it would have meanwhile.
    if (limits.virtual_nodes_per_second > 0 && !g_stop) {
        platform().clock().wait(r.seconds);
        Timer1_Timer();
    }
    if (g_forget_after) {
        g_forget_after = false;
        level4_forget();
    }
    return r;
}

} // namespace

bool level4_hint(engine::ProgramMove& m) {
    engine::Position p = engine::from_program(TAIKYOKU.pos);
    const int side = TAIKYOKU.pos.TEBAN == TAIKYOKU.pos.UE_GAWA ? engine::UPPER : engine::LOWER;
    engine::set_side(p, side);
    // A table of its own: a hint leaves the computer's next move as it would have been. A learner's
    // hint is the best move LEVEL4 finds, whatever the step it plays at.
    auto table = std::make_unique<engine::Table>();
    const engine::Result r = search_alive(p, table.get(), true);
    if (g_stop || !r.found) return false;
    level4_searched(TAIKYOKU.pos, side, r, flow_last_moves().move[0].to);
    m = engine::to_program_move(r.best, side);
    return true;
}

int search_turn_level4() {
    prepare_search(TAIKYOKU.pos, TAIKYOKU.tables, TAIKYOKU.com);
    engine::Position p = engine::from_program(TAIKYOKU.pos);
    engine::set_side(p, engine::UPPER);
    if (!g_table) g_table = std::make_unique<engine::Table>();
    const engine::Result r = search_alive(p, g_table.get(), false);
    if (g_stop || !r.found) return OFF;
    level4_searched(TAIKYOKU.pos, engine::UPPER, r, flow_last_moves().move[0].to);
    const engine::ProgramMove m = engine::to_program_move(r.best, engine::UPPER);
    TAIKYOKU.com.COM_TE_MOTO_X = m.fx;
    TAIKYOKU.com.COM_TE_MOTO_Y = m.fy;
    TAIKYOKU.com.COM_TE_SAKI_X = m.tx;
    TAIKYOKU.com.COM_TE_SAKI_Y = m.ty;
    TAIKYOKU.com.COM_TE_KOMA_MAE = m.before;
    TAIKYOKU.com.COM_TE_KOMA_OKU = m.placed;
    TAIKYOKU.com.KAITEN_UTI = m.turns > 0 ? ON : OFF;
    TAIKYOKU.com.KAITEN_KAISUU = m.turns;
    return ON;
}
