// Times the computer's search (search_turn: preparation and the three families, without the ring turns
// on screen, the blink and the waits of com_ban) on a fixed set of positions at each level, and prints
// the move chosen for each, with a hash over all of them so that any change of behaviour shows.
//
// A second column times the whole turn, com_ban, on a window that paints nothing and never waits: the
// search plus the making of the move (record, ring turns, survey and mate test of the verdict).
//
// A section times LEVEL4 (the searching computer, engine/) at its default node budget on the same
// positions: wall and processor time per move, nodes, nodes per processor second, depth reached, with a
// signature of its own.
//
// "pictures at scale 3" times qt/art drawing every picture the canvas stamps (all but the two dialog
// pictures) at three times its natural size, as a board scaled by 3 asks for them: the first pass
// (fonts loaded, lettering laid out) and the median of the later passes.
// The last section times a full repaint of a middle-game screen on the window's canvas at scales 1 and
// 2, and a change to scale 3 with every picture drawn afresh for it, as a resize does.
//
//   tessora-bench [RUNS]      RUNS timed searches and turns per position and level (default 15)
//   tessora-bench --signature one search and turn each, and only the signature line (the test's check)
//   tessora-bench --pictures  only the pictures at scale 3
//   tessora-bench --level4 [RUNS [NODES]]  only LEVEL4, RUNS searches a position (default 5) at NODES
//   tessora-bench --level4-signature  one LEVEL4 search each at the default budget, and only its
//                             signature line (the test's check)
//   tessora-bench --parallel [RUNS [THREADS]]  only the parallel search: the time to the depth LEVEL4
//                             reaches at its default budget, on 1 thread and on THREADS (default 2)
//   tessora-bench --review [--show] [NODES]  only 検討 of a fixed 100-move game on two threads, at NODES
//                             a position (default: LEVEL4's budget); --show prints every move's result
#include "com/com.h"
#include "com/mate.h"
#include "control/flow.h"
#include "control/owner.h"
#include "control/play.h"
#include "control/review.h"
#include "core/state.h"
#include "display/draw.h"
#include "display/texts.h"
#include "engine/evaluate.h"
#include "engine/search.h"
#include "kifu/navigate.h"
#include "kifu/notation.h"
#include "kifu/record.h"
#include "kifu/review_file.h"
#include "platform/platform.h"
#include "qt/art.h"
#include "qt/canvas.h"
#include "tools/bench_positions.h"
#include "tools/silent_platform.h"

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

namespace {

using bench::Piece;
using bench::Position;
using bench::positions;

// Sets up a position with the computer to move, as after a human move in a game against the computer.
void set_up(const Position& pos, int level) {
    Kyokumen k = TAIKYOKU.pos;
    std::memset(k.BAN, 0, sizeof k.BAN);
    for (const Piece& p : pos.pieces) {
        k.BAN[p.x][p.y] = p.code;
        if (p.code == SITA_OU) k.SITA_OU_X = p.x, k.SITA_OU_Y = p.y;
        if (p.code == UE_OU) k.UE_OU_X = p.x, k.UE_OU_Y = p.y;
    }
    k.SITA_MOCHI_KEI = k.UE_MOCHI_KEI = 0;
    for (int i = 0; i <= 7; ++i) {
        k.SITA_MOCHI[i] = pos.sita_mochi[i];
        k.UE_MOCHI[i] = pos.ue_mochi[i];
        if (i >= 1) k.SITA_MOCHI_KEI += k.SITA_MOCHI[i], k.UE_MOCHI_KEI += k.UE_MOCHI[i];
    }
    k.SITA_GAWA = 1;
    k.UE_GAWA = -1;
    k.TEBAN = k.UE_GAWA;
    flow_start_at(k, MODE_MAN_COM, level);
    // The human's move that led here ended with the mate test; the computer's turn counts the escape
    // squares on the tables it left behind.
    詰めかCOM(TAIKYOKU.pos, TAIKYOKU.tables);
}

void fnv(std::uint64_t& h, long v) {
    for (int i = 0; i < 8; ++i) {
        h ^= static_cast<std::uint64_t>(v >> (8 * i)) & 0xffu;
        h *= 1099511628211ull;
    }
}

// Milliseconds of processor time of the calling thread (the search runs on it).
double thread_cpu_ms() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

volatile long evaluation_sink;

// The processor time one evaluation takes near p, in milliseconds: the mean over positions a few
// seeded random plies on from it, each evaluated many times.
double evaluation_ms(const engine::Position& start) {
    std::vector<engine::Position> near;
    std::uint64_t state = 1;
    engine::MoveList moves;
    for (int walk = 0; walk < 50; ++walk) {
        engine::Position p = start;
        for (int ply = 0; ply < 12 && !p.king_taken(); ++ply) {
            engine::generate(p, moves, true);
            if (moves.empty()) break;
            engine::Undo u;
            engine::make(p, moves[engine::splitmix(state) % moves.size()], u);
            near.push_back(p);
        }
    }
    const int rounds = 200;
    long sum = 0;
    const double c0 = thread_cpu_ms();
    for (int r = 0; r < rounds; ++r)
        for (const engine::Position& p : near) sum += engine::evaluate(p);
    const double ms = (thread_cpu_ms() - c0) / (rounds * static_cast<double>(near.size()));
    evaluation_sink = sum; // kept, so that the evaluations are not left out
    return ms;
}

// LEVEL4 at a node budget (by default the game's own) on the same positions, the upper side to move:
// per position the median wall and processor time of the search, the nodes, the nodes per processor
// second, the depth reached, and the evaluation's share of the processor time (the evaluations the
// search made, times what one takes near the position). Processor time is disturbed less by other programs
// running meanwhile. With signature_only, only the signature line.
bool bench_engine(int runs, std::uint64_t nodes, bool signature_only = false) {
    if (!signature_only) std::printf("\nLEVEL4: %llu nodes a move\n", static_cast<unsigned long long>(nodes));
    if (!signature_only)
        std::printf("%-20s %9s %9s %8s %8s %11s %6s %6s  %s\n", "position", "wall ms", "CPU ms", "max CPU",
                    "nodes", "nodes/CPU s", "depth", "eval %",
                    "move: turns, from -> to, code before -> placed, score");
    std::uint64_t hash = 1469598103934665603ull;
    bool stable = true;
    double worst = 0;
    engine::Limits limits;
    limits.nodes = nodes;
    for (const Position& pos : positions()) {
        set_up(pos, 3);
        engine::Position p = engine::from_program(TAIKYOKU.pos);
        engine::set_side(p, engine::UPPER);
        std::vector<double> wall, cpu;
        engine::Result first;
        for (int r = 0; r < runs; ++r) {
            const double c0 = thread_cpu_ms();
            const auto t0 = std::chrono::steady_clock::now();
            const engine::Result res = engine::search(p, limits);
            wall.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
            cpu.push_back(thread_cpu_ms() - c0);
            if (r == 0) first = res;
            if (!(res.best == first.best) || res.nodes != first.nodes) stable = false;
        }
        const engine::ProgramMove m = engine::to_program_move(first.best, engine::UPPER);
        for (long v :
             {long{m.turns}, long{m.fx}, long{m.fy}, long{m.tx}, long{m.ty}, long{m.before}, long{m.placed}})
            fnv(hash, v);
        std::sort(wall.begin(), wall.end());
        std::sort(cpu.begin(), cpu.end());
        const double cpu_median = cpu[cpu.size() / 2];
        worst = std::max(worst, cpu_median);
        if (!signature_only)
            std::printf(
                "%-20s %9.1f %9.1f %8.1f %8llu %11.0f %6d %5.0f%%  %d, (%d,%d) -> (%d,%d), %d -> %d, %d\n",
                pos.name, wall[wall.size() / 2], cpu_median, cpu.back(),
                static_cast<unsigned long long>(first.nodes), first.nodes / (cpu_median / 1000.0),
                first.depth, 100.0 * first.evaluations * evaluation_ms(p) / cpu_median, m.turns, m.fx, m.fy,
                m.tx, m.ty, m.before, m.placed, first.score);
    }
    std::printf("LEVEL4 signature %016llx\n", static_cast<unsigned long long>(hash));
    if (!signature_only || !stable)
        std::printf("slowest LEVEL4 move %.1f ms of processor time (median); %s\n", worst,
                    stable ? "same move on every run" : "MOVES DIFFER");
    return stable;
}

// The parallel search's speed-up: per position, the median wall time of RUNS searches to the depth one
// thread reaches at the default budget, on one thread and on `threads`, each search on a fresh table.
// The load of the machine is printed with it: other programs running take the cores the helpers need.
double median(std::vector<double> v);
double cpu_ms();
void bench_parallel(int runs, int threads) {
    double load[3] = {0, 0, 0};
    if (FILE* f = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(f, "%lf %lf %lf", &load[0], &load[1], &load[2]) != 3) load[0] = -1;
        std::fclose(f);
    }
    std::printf(
        "\nparallel search: time to the same depth on 1 and %d threads, %u cores, load %.2f %.2f %.2f\n",
        threads, std::thread::hardware_concurrency(), load[0], load[1], load[2]);
    std::printf("%-20s %6s %10s %10s %8s %10s\n", "position", "depth", "1: ms", "N: ms", "speed-up",
                "N: cores");
    // A parallel search's time varies much more from run to run than one thread's: besides the benchmark's
    // positions, those a few plies on from them (LEVEL4 playing both sides on one thread).
    std::vector<std::pair<std::string, engine::Position>> cases;
    for (const Position& pos : positions()) {
        set_up(pos, 3);
        engine::Position p = engine::from_program(TAIKYOKU.pos);
        engine::set_side(p, engine::UPPER);
        cases.emplace_back(pos.name, p);
        engine::Limits quick;
        quick.nodes = 200000;
        for (int ply = 1; ply <= 8; ++ply) {
            const engine::Result r = engine::search(p, quick);
            if (!r.found || r.score > engine::MATE - 1000 || r.score < -engine::MATE + 1000) break;
            engine::Undo u;
            engine::make(p, r.best, u);
            if (ply % 4 == 0) cases.emplace_back(std::string(pos.name) + " +" + std::to_string(ply), p);
        }
    }
    double sum1 = 0, sumn = 0, log_sum = 0;
    int counted = 0;
    for (const auto& [name, p] : cases) {
        const engine::Result deep = engine::search(p, engine::Limits{});
        if (!deep.found || deep.depth < 2) continue;
        double ms[2], cores = 0;
        for (int k = 0; k < 2; ++k) {
            engine::Limits limits;
            limits.nodes = ~std::uint64_t{0};
            limits.max_depth = deep.depth;
            limits.threads = k == 0 ? 1 : threads;
            std::vector<double> wall;
            double all_wall = 0, all_cpu = 0;
            for (int r = 0; r < runs; ++r) {
                const double c0 = cpu_ms();
                const auto t0 = std::chrono::steady_clock::now();
                engine::search(p, limits);
                wall.push_back(
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
                all_wall += wall.back();
                all_cpu += cpu_ms() - c0;
            }
            ms[k] = median(wall);
            // How much of the machine the threads got: under load less than their number.
            if (k == 1) cores = all_cpu / all_wall;
        }
        sum1 += ms[0];
        sumn += ms[1];
        log_sum += std::log(ms[0] / ms[1]);
        ++counted;
        std::printf("%-20s %6d %10.1f %10.1f %7.2fx %10.2f\n", name.c_str(), deep.depth, ms[0], ms[1],
                    ms[0] / ms[1], cores);
    }
    if (counted > 0)
        std::printf(
            "speed-up on %d threads: %.2fx over the total time, %.2fx geometric mean of %d positions\n",
            threads, sum1 / sumn, std::exp(log_sum / counted), counted);
}

// Every picture the canvas stamps (all but the two dialog pictures) at 3 times its natural size, plus
// `extra` pixels across and down; false when one comes out at another size.
bool draw_pictures_at_scale_3(int extra, int& count) {
    bool ok = true;
    count = 0;
    for (int i = 0; i < kPicCount; ++i) {
        const Pic p = static_cast<Pic>(i);
        if (p == Pic::VERSION || p == Pic::TITLE_WINDOW) continue; // the dialogs' own windows
        const QSize size(3 * pic_info(p).width + extra, 3 * pic_info(p).height + extra);
        if (draw_picture(p, size).size() != size) ok = false;
        ++count;
    }
    return ok;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Milliseconds of processor time of the whole process (Qt fills large areas on helper threads).
double cpu_ms() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The pictures at scale 3: the first pass loads the fonts and lays the letters out; a board resized
// to a size not drawn before draws every picture anew but the letters' outlines; drawn again at a
// size already drawn, the squares, plates and piece faces of that size are kept. Wall time, and the
// processor time beside it, which other programs running at the same time disturb less.
bool bench_pictures(int runs) {
    bool ok = true;
    int count = 0;
    struct Time {
        std::vector<double> wall, cpu;
        std::string median() const {
            char text[64];
            std::snprintf(text, sizeof text, "%.1f ms (CPU %.1f ms)", ::median(wall), ::median(cpu));
            return text;
        }
    };
    auto timed = [&](int extra, Time& into) {
        const double c0 = cpu_ms();
        const auto t0 = std::chrono::steady_clock::now();
        ok = draw_pictures_at_scale_3(extra, count) && ok;
        into.wall.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        into.cpu.push_back(cpu_ms() - c0);
    };
    Time first, again, fresh;
    timed(0, first);
    for (int r = 1; r <= runs; ++r) timed(0, again);
    for (int r = 1; r <= runs; ++r) timed(r, fresh);
    std::printf("\npictures at scale 3, %d pictures:\n", count);
    std::printf("  first pass (fonts loaded, letters laid out)            %s\n", first.median().c_str());
    std::printf("  median of %d at sizes not drawn before (3x + 1..%d px)  %s\n", runs, runs,
                fresh.median().c_str());
    std::printf("  median of %d again at 3x (squares, plates, faces kept)  %s\n", runs,
                again.median().c_str());
    if (!ok) std::printf("A PICTURE HAS THE WRONG SIZE\n");
    return ok;
}

// The window's canvas without the window.
class ImageCanvas : public Canvas {
  public:
    void clear(int colour) override { image.clear(colour); }
    void stamp(Pic p, double x, double y) override { image.stamp(p, x, y); }
    void outline(int c, double x1, double y1, double x2, double y2) override {
        image.outline(c, x1, y1, x2, y2);
    }
    void tint(int c, double x1, double y1, double x2, double y2) override { image.tint(c, x1, y1, x2, y2); }
    void set_font_bold(bool bold) override { image.set_font_bold(bold); }
    void print(double x, double y, const std::string& t, double points, int c) override {
        image.print(x, y, t, points, c);
    }
    void refresh() override {}
    CanvasImage image;
};

// The median time of f, each run after an untimed prepare.
template <class F, class P> double median_ms(int runs, F&& f, P&& prepare) {
    std::vector<double> ms;
    for (int r = 0; r < runs; ++r) {
        prepare();
        const auto t0 = std::chrono::steady_clock::now();
        f();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void bench_repaint(SilentPlatform& silent, int runs) {
    ImageCanvas canvas;
    const QStringList missing = canvas.image.load_pictures();
    Platform::Parts parts = Platform::parts_of(&silent);
    parts.canvas = &canvas;
    set_platform(parts);
    set_up(positions()[1], 3);
    TAIKYOKU.settei.HAIKEI_NO = 3;
    canvas.image.clear(0);
    画面_再描画(TAIKYOKU.pos, TAIKYOKU.shinkou, TAIKYOKU.tokei, TAIKYOKU.settei);
    const auto repaint = [&] { canvas.image.repaint(); };
    const double one = median_ms(runs, repaint, [] {});
    canvas.image.set_scale(2);
    const double two = median_ms(runs, repaint, [] {});
    const double three = median_ms(
        runs, [&] { canvas.image.set_scale(3); }, [&] { canvas.image.set_scale(1); });
    std::printf("\nrepaint of a middle-game screen (%zu operations kept%s)\n", canvas.image.kept(),
                missing.isEmpty() ? "" : ", PICTURES MISSING");
    std::printf("scale 1 %8.2f ms\nscale 2 %8.2f ms (%.2f times scale 1)\n", one, two, two / one);
    std::printf("scale 3, pictures drawn afresh %8.2f ms\n", three);
    set_platform(&silent);
}

// The fixed game of the review section: LEVEL4 against itself from the starting position at a small
// budget a move, each search from nothing and told the game's earlier positions, so it is the same
// game on any machine. It stops early only if a side has no move or a king is taken.
Kiroku review_game(int moves, std::uint64_t nodes) {
    Kiroku r;
    engine::Position p = engine::start_position();
    std::vector<std::uint64_t> seen;
    Kyokumen k;
    for (int n = 0;; ++n) {
        engine::to_program(p, k);
        r.entries[n] = entry_of(k);
        r.KIFU_TESUU = n;
        if (n == moves || p.king_taken()) break;
        engine::Limits limits;
        limits.nodes = nodes;
        limits.seen = seen;
        const engine::Result res = engine::search(p, limits);
        if (!res.found) break;
        seen.push_back(p.key);
        engine::Undo u;
        engine::make(p, res.best, u);
    }
    return r;
}

double since_ms(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

// 検討 of the fixed 100-move game at a node budget a position (by default the game's own) on two
// threads: wall and processor time of the whole review, the positions searched, the marks given, and
// how long a cancel takes one second into a second review. With show, every move's line as well.
bool bench_review(std::uint64_t nodes, bool show) {
    constexpr std::uint64_t kGameNodes = 40000;
    const Kiroku game = review_game(100, kGameNodes);
    std::printf("\n検討 of a %d-move game (LEVEL4 against itself at %llu nodes a move): %llu nodes a "
                "position, 2 threads\n",
                game.KIFU_TESUU, static_cast<unsigned long long>(kGameNodes),
                static_cast<unsigned long long>(nodes));
    ReviewOptions options;
    options.nodes = nodes;
    const double c0 = cpu_ms();
    const auto t0 = std::chrono::steady_clock::now();
    Review review(game, options);
    review.wait();
    const double wall = since_ms(t0), cpu = cpu_ms() - c0;
    const ReviewFile f = review.results();
    int marks[3] = {};
    std::uint64_t hash = 1469598103934665603ull;
    for (int n = 1; n <= review.moves(); ++n) {
        const ReviewedMove& m = f.moves[n - 1];
        ++marks[static_cast<int>(m.mark)];
        for (long v :
             {static_cast<long>(m.eval), static_cast<long>(m.loss), static_cast<long>(m.best.fx),
              static_cast<long>(m.best.fy), static_cast<long>(m.best.tx), static_cast<long>(m.best.ty),
              static_cast<long>(m.best.turns), static_cast<long>(m.best.placed)})
            fnv(hash, v);
        if (show)
            std::printf("%4d %-22s eval %6d%s loss %5d %-9s best %s\n", n,
                        recorded_move_text(game, n, Notation::Japanese).c_str(), m.eval,
                        m.mate ? " mate" : "     ", m.loss,
                        m.mark == ReviewMark::NONE ? "" : mark_text(m.mark), m.best_text.c_str());
    }
    std::printf("positions %d of %d, wall %.1f s, processor %.1f s; 疑問手 %d, 悪手 %d; results %016llx\n",
                review.positions_done(), review.positions(), wall / 1000, cpu / 1000, marks[1], marks[2],
                static_cast<unsigned long long>(hash));
    Review cancelled(game, options);
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const auto t1 = std::chrono::steady_clock::now();
    cancelled.cancel();
    std::printf("cancel one second in: %.1f ms, %d positions kept\n", since_ms(t1),
                cancelled.positions_done());
    return review.positions_done() == review.positions();
}
} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0); // drawing needs the fonts, not a display
    QGuiApplication app(argc, argv);
    const bool signature_only = argc > 1 && std::strcmp(argv[1], "--signature") == 0;
    if (argc > 1 && std::strcmp(argv[1], "--pictures") == 0) {
        return bench_pictures(6) ? 0 : 1;
    }
    if (argc > 1 && std::strcmp(argv[1], "--level4-signature") == 0) {
        SilentPlatform silent;
        set_platform(&silent);
        return bench_engine(1, engine::DEFAULT_NODES, true) ? 0 : 1;
    }
    if (argc > 1 && std::strcmp(argv[1], "--level4") == 0) {
        const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
        const std::uint64_t nodes = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : engine::DEFAULT_NODES;
        SilentPlatform silent;
        set_platform(&silent);
        return nodes > 0 && bench_engine(runs, nodes) ? 0 : 1;
    }
    if (argc > 1 && std::strcmp(argv[1], "--parallel") == 0) {
        const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
        const int threads = argc > 3 ? std::clamp(std::atoi(argv[3]), 2, 64) : 2;
        SilentPlatform silent;
        set_platform(&silent);
        bench_parallel(runs, threads);
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "--review") == 0) {
        const bool show = argc > 2 && std::strcmp(argv[2], "--show") == 0;
        const std::uint64_t nodes =
            argc > 2 + show ? std::strtoull(argv[2 + show], nullptr, 10) : engine::DEFAULT_NODES;
        return nodes > 0 && bench_review(nodes, show) ? 0 : 1;
    }
    const int runs = signature_only ? 1 : argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    SilentPlatform silent;
    set_platform(&silent);

    std::uint64_t hash = 1469598103934665603ull;
    bool all_restored = true;
    bool all_stable = true;
    double worst = 0;
    if (!signature_only)
        std::printf("%-20s %5s %10s %8s %8s  %s\n", "position", "level", "search ms", "max ms", "turn ms",
                    "move: from -> to, code before -> placed, score");
    for (std::size_t pi = 0; pi < positions().size(); ++pi) {
        const Position& pos = positions()[pi];
        for (int level = 1; level <= 3; ++level) {
            std::vector<double> ms;
            char move[160] = "no legal move";
            long first[5] = {};
            for (int r = 0; r < runs; ++r) {
                set_up(pos, level);
                const RecordEntry before = entry_of(TAIKYOKU.pos);
                const auto t0 = std::chrono::steady_clock::now();
                const int found = search_turn();
                const auto t1 = std::chrono::steady_clock::now();
                ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
                if (!(entry_of(TAIKYOKU.pos) == before)) all_restored = false;
                const long chosen[] = {TAIKYOKU.com.COM_TE_MOTO_X, TAIKYOKU.com.COM_TE_MOTO_Y,
                                       TAIKYOKU.com.COM_TE_SAKI_X, TAIKYOKU.com.COM_TE_SAKI_Y,
                                       TAIKYOKU.com.COM_TE_KOMA_OKU};
                if (r == 0) std::memcpy(first, chosen, sizeof first);
                if (std::memcmp(first, chosen, sizeof first) != 0) all_stable = false;
                if (r > 0) continue;
                for (long v : {static_cast<long>(pi), static_cast<long>(level), static_cast<long>(found),
                               static_cast<long>(TAIKYOKU.com.COM_TE_MOTO_X),
                               static_cast<long>(TAIKYOKU.com.COM_TE_MOTO_Y),
                               static_cast<long>(TAIKYOKU.com.COM_TE_SAKI_X),
                               static_cast<long>(TAIKYOKU.com.COM_TE_SAKI_Y),
                               static_cast<long>(TAIKYOKU.com.COM_TE_KOMA_MAE),
                               static_cast<long>(TAIKYOKU.com.COM_TE_KOMA_OKU),
                               static_cast<long>(TAIKYOKU.com.KAITEN_UTI),
                               static_cast<long>(TAIKYOKU.com.KAITEN_KAISUU),
                               std::lround(TAIKYOKU.com.SAIKOU_HYOUKA * 1000.0)})
                    fnv(hash, v);
                if (found == ON) {
                    char ring[40] = "";
                    if (TAIKYOKU.com.KAITEN_UTI == ON)
                        std::snprintf(ring, sizeof ring, " on the ring after %d turns",
                                      TAIKYOKU.com.KAITEN_KAISUU);
                    std::snprintf(move, sizeof move, "(%d,%d) -> (%d,%d), %d -> %d, %.2f%s",
                                  TAIKYOKU.com.COM_TE_MOTO_X, TAIKYOKU.com.COM_TE_MOTO_Y,
                                  TAIKYOKU.com.COM_TE_SAKI_X, TAIKYOKU.com.COM_TE_SAKI_Y,
                                  TAIKYOKU.com.COM_TE_KOMA_MAE, TAIKYOKU.com.COM_TE_KOMA_OKU,
                                  TAIKYOKU.com.SAIKOU_HYOUKA, ring);
                }
            }
            std::vector<double> turn_ms;
            for (int r = 0; r < runs; ++r) {
                set_up(pos, level);
                const auto t0 = std::chrono::steady_clock::now();
                com_ban();
                const auto t1 = std::chrono::steady_clock::now();
                turn_ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
                // The turn must play the move the search chose.
                if (first[4] != 0 && TAIKYOKU.pos.BAN[first[2]][first[3]] != first[4]) all_stable = false;
            }
            std::sort(ms.begin(), ms.end());
            std::sort(turn_ms.begin(), turn_ms.end());
            const double median = ms[ms.size() / 2];
            worst = std::max(worst, median);
            if (!signature_only)
                std::printf("%-20s %5d %10.2f %8.2f %8.2f  %s\n", pos.name, level, median, ms.back(),
                            turn_ms[turn_ms.size() / 2], move);
        }
    }
    std::printf("signature %016llx\n", static_cast<unsigned long long>(hash));
    if (!signature_only || !all_restored || !all_stable)
        std::printf("slowest median %.2f ms; board, ring and hands %s after every search; %s\n", worst,
                    all_restored ? "unchanged" : "CHANGED",
                    all_stable ? "same move on every run" : "MOVES DIFFER");
    if (signature_only) return all_restored && all_stable ? 0 : 1;
    const bool engine_stable = bench_engine(std::min(runs, 5), engine::DEFAULT_NODES);
    bench_parallel(std::min(runs, 3), 2);
    const bool pictures_ok = bench_pictures(std::max(2, std::min(runs, 6)));
    bench_repaint(silent, runs);
    return all_restored && all_stable && engine_stable && pictures_ok ? 0 : 1;
}
