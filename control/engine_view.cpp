#include "control/engine_view.h"

#include "control/flow.h"
#include "control/level4.h"
#include "control/review.h"
#include "core/state.h"
#include "kifu/navigate.h"
#include "kifu/notation.h"
#include "platform/platform.h"
#include "platform/translate.h"
#include "sound/effects.h"
#include "control/options.h"
#include "control/owner.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

std::vector<std::string> line_notation(const Kyokumen& before, int side,
                                       const std::vector<engine::Move>& line, Cell last_to,
                                       std::size_t most) {
    std::vector<std::string> texts;
    Kyokumen k = before;
    engine::Position p = engine::from_program(k);
    engine::set_side(p, side);
    for (const engine::Move& m : line) {
        engine::Move move;
        if (texts.size() >= most || p.king_taken() || !engine::find_move(p, m, move)) break;
        const engine::ProgramMove pm = engine::to_program_move(move, p.side);
        std::string text = move_notation(k, notated_move(pm), last_to, notation_in_use());
        if (text.empty()) break;
        texts.push_back(std::move(text));
        engine::Undo u;
        engine::make(p, move, u);
        engine::to_program(p, k);
        last_to = {pm.tx, pm.ty};
    }
    return texts;
}

EngineLine engine_line(const Kyokumen& before, int side, const engine::Result& r, Cell last_to) {
    EngineLine e;
    e.depth = r.depth;
    const int eval = side == engine::LOWER ? r.score : -r.score;
    e.mate = std::abs(eval) > engine::MATE - 1000;
    e.eval = e.mate ? (eval > 0 ? engine::MATE : -engine::MATE) : eval;
    e.chance = e.mate ? (eval > 0 ? 100 : 0) : static_cast<int>(std::lround(100 * winning_chance(eval)));
    e.moves = line_notation(before, side, r.pv, last_to, SHOWN_LINE_MOVES);
    return e;
}

namespace {

// Where a LEVEL4 search sees the position on screen from: its engine side to move and the cell of the
// move before it.
int side_on_screen() {
    return TAIKYOKU.pos.TEBAN == TAIKYOKU.pos.UE_GAWA ? engine::UPPER : engine::LOWER;
}

Cell last_to_on_screen() {
    return flow_last_moves().move[0].to;
}

// ---- 評価値を表示 ----

std::optional<EngineLine> g_level4_view; // of LEVEL4's last search

// ---- 解析 ----

// One position searched on a worker thread until it is stopped or its budget is spent; each finished
// iteration is kept for the window to take.
class AnalysisRun {
  public:
    AnalysisRun(const engine::Position& p, engine::Limits limits, engine::Table& table) {
        limits.stop = &stop_;
        limits.table = &table;
        limits.on_iteration = [this](const engine::Result& r) {
            std::lock_guard<std::mutex> lock(mutex_);
            found_.push_back(r);
        };
        worker_ = std::thread([this, p, limits, &table] {
            // Cleared for every position, so that what is shown depends on the position alone.
            table.clear();
            engine::search(p, limits);
            finished_ = true;
        });
    }
    // Stops the search and waits for it (a search gives up within a thousand-odd nodes).
    ~AnalysisRun() {
        stop_ = true;
        if (worker_.joinable()) worker_.join();
    }
    AnalysisRun(const AnalysisRun&) = delete;
    AnalysisRun& operator=(const AnalysisRun&) = delete;

    bool finished() const { return finished_; }
    void wait() {
        if (worker_.joinable()) worker_.join();
    }
    // The iterations finished since the last call.
    std::vector<engine::Result> take() {
        std::lock_guard<std::mutex> lock(mutex_);
        return std::exchange(found_, {});
    }

  private:
    std::atomic<bool> stop_{false};
    std::atomic<bool> finished_{false};
    std::mutex mutex_;
    std::vector<engine::Result> found_;
    std::thread worker_;
};

// What the analysis searches: the position on screen as the ring stands (the line is written in its
// cells), the side to move and the move before it.
struct Analysed {
    Kyokumen pos;
    int side = engine::LOWER;
    Cell last_to;
    bool operator==(const Analysed&) const = default;
};

Analysed analysed_on_screen() {
    Analysed a;
    for (int x = 0; x < 12; ++x)
        for (int y = 0; y < 12; ++y) a.pos.BAN[x][y] = TAIKYOKU.pos.BAN[x][y];
    for (int k = 0; k < 8; ++k) {
        a.pos.SITA_MOCHI[k] = TAIKYOKU.pos.SITA_MOCHI[k];
        a.pos.UE_MOCHI[k] = TAIKYOKU.pos.UE_MOCHI[k];
    }
    a.pos.SITA_GAWA = TAIKYOKU.pos.SITA_GAWA;
    a.pos.UE_GAWA = TAIKYOKU.pos.UE_GAWA;
    a.side = side_on_screen();
    a.last_to = last_to_on_screen();
    return a;
}

bool g_analysing = false;
std::unique_ptr<engine::Table> g_analysis_table; // before the run, which searches on it
std::unique_ptr<AnalysisRun> g_run;
Analysed g_analysed;

void show_analysis(bool running, const std::optional<EngineLine>& line) {
    if (MovesPanel* panel = platform().move_list()) panel->show_analysis(running, line);
}

// The driver and the tests search to the node budget on one thread, the same lines on any machine; the
// window searches until the position changes, on every core.
engine::Limits analysis_limits() {
    engine::Limits limits;
    limits.avoid_repetition = false; // the position as the rules see it, as the review does
    if (level4_thinking.by_time && level4_thinking.virtual_nodes_per_second <= 0) {
        limits.nodes = UINT64_MAX;
        limits.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    } else {
        limits.nodes = level4_nodes;
    }
    return limits;
}

void set_analysing(bool on) {
    g_analysing = on;
    platform().menus().set_checked(MenuItem::ANALYSE, on);
    if (!on) {
        g_run.reset();
        show_analysis(false, std::nullopt);
    }
}

void start_run(const Analysed& a) {
    g_run.reset();
    g_analysed = a;
    engine::Position p = engine::from_program(a.pos);
    engine::set_side(p, a.side);
    if (!g_analysis_table) g_analysis_table = std::make_unique<engine::Table>();
    show_analysis(true, std::nullopt);
    g_run = std::make_unique<AnalysisRun>(p, analysis_limits(), *g_analysis_table);
}

// The analysis follows the position on screen; a game that has ended ends it.
void follow() {
    if (!g_analysing) return;
    if (TAIKYOKU.pos.SYOUSYA != 0) {
        set_analysing(false);
        return;
    }
    const Analysed now = analysed_on_screen();
    if (!g_run || !(now == g_analysed)) start_run(now);
}

void show_found() {
    if (!g_run) return;
    for (const engine::Result& r : g_run->take())
        show_analysis(true, engine_line(g_analysed.pos, g_analysed.side, r, g_analysed.last_to));
}

} // namespace

void level4_searched(const Kyokumen& before, int side, const engine::Result& r, Cell last_to) {
    g_level4_view = engine_line(before, side, r, last_to);
}

void show_level4_view() {
    MovesPanel* panel = platform().move_list();
    if (panel && g_level4_view && TAIKYOKU.settei.HYOUKA == ON) panel->show_engine(g_level4_view);
}

void level4_view_option_changed() {
    if (MovesPanel* panel = platform().move_list())
        panel->show_engine(TAIKYOKU.settei.HYOUKA == ON ? g_level4_view : std::nullopt);
}

void forget_level4_view() {
    g_level4_view.reset();
    if (MovesPanel* panel = platform().move_list(); panel && TAIKYOKU.settei.HYOUKA == ON)
        panel->show_engine(std::nullopt);
}

void ANALYSE_Click() {
    platform().file_controls().close();
    if (g_analysing) {
        set_analysing(false);
        return;
    }
    if (TAIKYOKU.pos.SYOUSYA != 0) {
        play_effect(OTO_KINSHI);
        platform().dialogs().message(translate("Analysis", "終わった対局の局面は解析できません"),
                                     translate("Analysis", "解析"));
        return;
    }
    set_analysing(true);
    follow();
}

bool analysis_tick() {
    follow();
    show_found();
    return g_analysing;
}

void finish_analysis() {
    follow();
    if (!g_run) return;
    g_run->wait();
    show_found();
}

bool stop_analysis() {
    if (!g_analysing) return false;
    set_analysing(false);
    return true;
}

void hold_analysis() {
    if (g_run && !g_run->finished()) {
        show_found();
        g_run.reset();
    }
}

void end_analysis() {
    g_run.reset();
    g_analysing = false;
}
