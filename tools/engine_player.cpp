// The searching computer alone, answering over a line protocol on standard input and output, so that
// two builds of it can play each other (tessora-arena --duel) or be timed side by side on the same
// positions (tessora-arena --duel-bench). It needs nothing above engine/ and core/, so the same file
// builds against an older engine/ as well (one with time controls).
//
//   new                 a new game: what the last searches kept is cleared; answers "ok"
//   think SECONDS THREADS  the next searches think for a time a move on THREADS threads instead of to a
//                       node budget (a go's NODES is then ignored); answers "ok", or "error" from an
//                       engine that cannot
//   strength STEP SEED  the next searches play at that strength step (1 the weakest .. 5 full), a weaker
//                       step's choices following SEED; answers "ok", or "error" from an engine without
//                       steps
//   clock REMAINING BYOYOMI INCREMENT MOVES
//                       the next search manages the time left on a game clock (seconds, as the referee
//                       counts it, MOVES the plies played) instead of a node budget or a time a move, on
//                       the threads of the last think (1 without one); answers "ok"
//   go NODES SIDE CELLS HANDS N MOVES
//                       NODES the node budget (0: the engine's default), SIDE 0 lower or 1 upper to move
//                       first, CELLS the 121 piece codes of cells (1,1), (2,1) .. (11,11) row by row,
//                       HANDS the 7 counts of the lower hand then the upper, N the moves played since,
//                       each as TURNS FROM TO PLACED (engine cells; a drop's FROM is minus its kind).
//                       Answers "move TURNS FROM TO PLACED SCORE DEPTH NODES CPU_MS" or "none"
//                       (no legal move); a move played that is not legal answers "error".
#include "engine/search.h"

#include <cstdio>
#include <ctime>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// The whole process's: a search may run on several threads.
double cpu_ms() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The engine's table kept between the moves of a game, where the engine offers one.
template <class L> struct Kept {
    void clear() {}
    void use(L&) {}
};
template <class L>
requires requires(L l) {
    l.table;
}
struct Kept<L> {
    using Table = std::remove_pointer_t<decltype(L::table)>;
    std::unique_ptr<Table> table = std::make_unique<Table>();
    void clear() { table->clear(); }
    void use(L& limits) { limits.table = table.get(); }
};

// Reads a position and the moves played from it; false when the line is malformed or a move is not
// legal. The keys of the positions passed through go to `seen`, the last being the position now.
bool read_game(std::istream& in, engine::Position& p, std::vector<std::uint64_t>& seen) {
    int side = 0;
    if (!(in >> side) || (side != 0 && side != 1)) return false;
    p = engine::empty_position();
    for (int y = 1; y <= 11; ++y)
        for (int x = 1; x <= 11; ++x) {
            int code = 0;
            if (!(in >> code)) return false;
            if (code != KARA) engine::put(p, x, y, static_cast<Koma>(code));
        }
    for (int s = 0; s < 2; ++s)
        for (int kind = 1; kind <= 7; ++kind) {
            int count = 0;
            if (!(in >> count) || count < 0 || count > 40) return false;
            engine::set_hand(p, s, kind, count);
        }
    engine::set_side(p, side);
    int n = 0;
    if (!(in >> n) || n < 0) return false;
    seen.assign(1, p.key);
    engine::MoveList moves;
    for (int i = 0; i < n; ++i) {
        int turns, from, to, placed;
        if (!(in >> turns >> from >> to >> placed)) return false;
        engine::generate(p, moves);
        bool found = false;
        for (const engine::Move& m : moves)
            if (m.turns == turns && m.from == from && m.to == to && m.placed == placed) {
                engine::Undo u;
                engine::make(p, m, u);
                found = true;
                break;
            }
        if (!found) return false;
        seen.push_back(p.key);
    }
    return true;
}

// Thinking for a time on threads, where the engine offers it.
template <class L> bool think_for(L& limits, double seconds, int threads) {
    if constexpr (requires { limits.threads; }) {
        limits.nodes = ~0ull;
        limits.time = engine::plan_fixed(seconds);
        limits.threads = threads;
        return true;
    }
    return false;
}

// A strength step, where the engine offers them (the protocol's steps, so that an engine without them
// still builds).
template <class L> bool play_at(L& limits, int strength, unsigned long long seed) {
    if constexpr (requires { limits.strength; }) {
        if (strength < 1 || strength > 5) return false;
        limits.strength = strength;
        limits.seed = seed;
        return true;
    }
    return false;
}

} // namespace

int main() {
    Kept<engine::Limits> kept;
    engine::Limits timed;
    bool by_time = false;
    // What every search takes whether by nodes or by time: the strength step.
    engine::Limits stepped;
    // The game clock the next search manages, if the referee sent one.
    engine::GameClock clock;
    bool clocked = false;
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string command;
        in >> command;
        if (command == "new") {
            kept.clear();
            std::cout << "ok" << std::endl;
        } else if (command == "think") {
            double seconds = 0;
            int threads = 0;
            by_time = in >> seconds >> threads && seconds > 0 && threads >= 1 && threads <= 64 &&
                      think_for(timed, seconds, threads);
            std::cout << (by_time ? "ok" : "error") << std::endl;
        } else if (command == "strength") {
            int strength = 0;
            unsigned long long seed = 0;
            const bool ok =
                in >> strength >> seed && play_at(stepped, strength, seed) && play_at(timed, strength, seed);
            std::cout << (ok ? "ok" : "error") << std::endl;
        } else if (command == "clock") {
            clocked = static_cast<bool>(in >> clock.remaining >> clock.byoyomi >> clock.increment >>
                                        clock.moves_played);
            std::cout << (clocked ? "ok" : "error") << std::endl;
        } else if (command == "go") {
            unsigned long long nodes = 0;
            engine::Position p;
            engine::Limits limits = by_time ? timed : stepped;
            if (!(in >> nodes) || !read_game(in, p, limits.seen)) {
                std::cout << "error" << std::endl;
                continue;
            }
            if (nodes > 0 && !by_time) limits.nodes = nodes;
            if (clocked) {
                limits.nodes = ~0ull;
                limits.time = engine::plan_time(clock);
                clocked = false;
            }
            const double c0 = cpu_ms();
            kept.use(limits);
            const engine::Result r = engine::search(p, limits);
            const double cpu = cpu_ms() - c0;
            if (!r.found) {
                std::cout << "none" << std::endl;
                continue;
            }
            char answer[160];
            std::snprintf(answer, sizeof answer, "move %d %d %d %d %d %d %llu %.1f", r.best.turns,
                          r.best.from, r.best.to, r.best.placed, r.score, r.depth,
                          static_cast<unsigned long long>(r.nodes), cpu);
            std::cout << answer << std::endl;
        } else if (!command.empty()) {
            std::cout << "error" << std::endl;
        }
    }
    return 0;
}
