// Pits the searching computer (LEVEL4, the lower pieces) against the computer of levels 1-3 (the upper
// pieces, through com_ban on the program-wide state as in a real game) and prints the results.
//
//   tessora-arena [--jobs N] [--only A-B] [--show] [LEVEL [OPENINGS [NODES]]]
//
// LEVEL 1..3 (default 3). The games start from the starting position and from OPENINGS positions made
// by 2-6 seeded random plies (default 100); each is played twice, once with either side moving first.
// NODES is LEVEL4's node budget per move (default: the game's own). A game ends when a king is taken, a
// mate of the upper king is announced after LEVEL4's move, a side has no legal move, or after 500 moves
// (a draw). --only A-B plays only the openings A..B (0 is the starting position; the openings are the
// same as in the whole run), --jobs N plays the games in N child processes (the game's state is
// program-wide, so one game a process at a time) and prints them in order, as one process would.
// --show prints LEVEL4's moves and the final board of each game it did not win.
#include "com/com.h"
#include "com/mate.h"
#include "control/play.h"
#include "core/moves.h"
#include "core/state.h"
#include "engine/search.h"
#include "kifu/record.h"
#include "tools/silent_platform.h"
#include "control/owner.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int MOVE_LIMIT = 500;

enum class End { KingTaken, Mate, NoMove, MoveLimit };
const char* const END_NAME[] = {"king taken", "mate announced", "no legal move", "500 moves"};

struct Outcome {
    int result; // +1 LEVEL4 won, -1 lost, 0 draw
    End end;
    int moves;
};

// The program-wide state of a game against the computer at the given position, nobody having won.
void set_up(const engine::Position& p, bool lower_first, int level) {
    std::memset(BAN, 0, sizeof BAN);
    engine::to_program(p, KYOKUMEN);
    std::memset(UE_MAMORI_X, 0, sizeof UE_MAMORI_X);
    std::memset(UE_MAMORI_Y, 0, sizeof UE_MAMORI_Y);
    std::memset(UE_NERAI_X, 0, sizeof UE_NERAI_X);
    std::memset(UE_NERAI_Y, 0, sizeof UE_NERAI_Y);
    SITA_GAWA = lower_first ? TE_SENTE : TE_GOTE;
    UE_GAWA = -SITA_GAWA;
    TEBAN = p.side == engine::LOWER ? SITA_GAWA : UE_GAWA;
    TAIKYOKU_MODE = MODE_MAN_COM;
    SYOUSYA = 0;
    TESUU = 0;
    KIFU_NO = 0;
    COM_LEVEL = level;
    SITA_OU_X = engine::sq_x(p.king[engine::LOWER]);
    SITA_OU_Y = engine::sq_y(p.king[engine::LOWER]);
    勢力調査();
}

// LEVEL4's move, carried out as a human move is: the ring turns, then 駒移動. The positions the game has
// been through are kept in `seen`, as the game hands them to the search.
bool level4_move(engine::Limits& limits, std::string& trace) {
    engine::Position p = engine::from_program(KYOKUMEN);
    limits.seen.push_back(p.key);
    const engine::Result r = engine::search(p, limits);
    if (!r.found) return false;
    char line[160];
    std::snprintf(line, sizeof line, "  %3d: %2d turns, %3d,%3d -> %2d,%2d %4d; score %6d depth %2d\n",
                  static_cast<int>(limits.seen.size()), r.best.turns, engine::sq_x(r.best.from),
                  engine::sq_y(r.best.from), engine::sq_x(r.best.to), engine::sq_y(r.best.to), r.best.placed,
                  r.score, r.depth);
    trace += line;
    engine::Undo u;
    engine::make(p, r.best, u);
    limits.seen.push_back(p.key);
    const engine::ProgramMove m = engine::to_program_move(r.best, engine::LOWER);
    for (int i = 0; i < m.turns; ++i) 回転盤_右回転();
    駒移動(m.fx, m.fy, m.tx, m.ty, m.placed);
    return true;
}

// LEVEL4's moves with their scores and depths go to `trace`.
Outcome play(const engine::Position& start, bool lower_first, int level, engine::Limits limits,
             std::string& trace) {
    set_up(start, lower_first, level);
    limits.seen.clear();
    for (int moves = 0; moves < MOVE_LIMIT; ++moves) {
        if (TEBAN == SITA_GAWA) {
            if (!level4_move(limits, trace)) return {-1, End::NoMove, moves};
            if (SYOUSYA == SITA_GAWA) return {1, End::KingTaken, moves + 1};
            勢力調査();
            if (詰めかCOM() == ON) return {1, End::Mate, moves + 1};
            TEBAN = UE_GAWA;
        } else {
            KIFU_NO = 0; // the record is not kept here
            com_ban();
            if (SYOUSYA == SITA_GAWA) return {1, End::NoMove, moves}; // the computer resigned
            if (SYOUSYA == UE_GAWA) return {-1, End::KingTaken, moves + 1};
            TEBAN = SITA_GAWA;
        }
    }
    return {0, End::MoveLimit, MOVE_LIMIT};
}

// An opening made by 2-6 random plies from the start, the side moving first being `first`.
engine::Position opening(std::mt19937& rng, int first) {
    engine::Position p = engine::start_position();
    engine::set_side(p, first);
    const int plies = std::uniform_int_distribution<int>(2, 6)(rng);
    engine::MoveList moves;
    for (int i = 0; i < plies; ++i) {
        engine::generate(p, moves, true);
        const engine::Move m = moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(rng)];
        engine::Undo u;
        engine::make(p, m, u);
    }
    return p;
}

void appendf(std::string& out, const char* fmt, auto... args) {
    char buf[256];
    std::snprintf(buf, sizeof buf, fmt, args...);
    out += buf;
}

// The board at the end of a game, for looking into draws: one row per y, the ring included.
void show_position(std::string& out) {
    for (int y = 1; y <= 11; ++y) {
        for (int x = 1; x <= 11; ++x) appendf(out, "%5d", BAN[x][y]);
        out += "\n";
    }
    out += "hands lower:";
    for (int k = 1; k <= 7; ++k) appendf(out, " %d", SITA_MOCHI[k]);
    out += "  upper:";
    for (int k = 1; k <= 7; ++k) appendf(out, " %d", UE_MOCHI[k]);
    out += "\n";
}

struct Game {
    int number, opening;
    bool lower_first;
    engine::Position start;
};

// What a game reports: its outcome and the lines printed for it.
struct Report {
    Outcome outcome;
    std::string text;
};

Report play_game(const Game& g, int level, const engine::Limits& limits, bool show) {
    std::string trace;
    Report r{play(g.start, g.lower_first, level, limits, trace), {}};
    const Outcome& o = r.outcome;
    appendf(r.text, "game %3d  opening %3d  %s  %-5s by %-14s after %3d moves\n", g.number, g.opening,
            g.lower_first ? "LEVEL4 first " : "LEVEL4 second",
            o.result > 0   ? "won"
            : o.result < 0 ? "lost"
                           : "drawn",
            END_NAME[static_cast<int>(o.end)], o.moves);
    if (o.result <= 0 && show) {
        r.text += trace;
        show_position(r.text);
    }
    return r;
}

bool write_all(int fd, const void* data, std::size_t n) {
    const char* p = static_cast<const char*>(data);
    while (n > 0) {
        const ssize_t k = write(fd, p, n);
        if (k <= 0) return false;
        p += k;
        n -= static_cast<std::size_t>(k);
    }
    return true;
}

bool read_all(int fd, void* data, std::size_t n) {
    char* p = static_cast<char*>(data);
    while (n > 0) {
        const ssize_t k = read(fd, p, n);
        if (k <= 0) return false;
        p += k;
        n -= static_cast<std::size_t>(k);
    }
    return true;
}

// Plays the games in `jobs` child processes, game i in child i % jobs, and hands each report to `done`
// in the games' order. A child that dies ends the run with an error.
bool play_in_children(const std::vector<Game>& games, int jobs, int level, const engine::Limits& limits,
                      bool show, const auto& done) {
    std::vector<int> fds(jobs);
    std::vector<pid_t> pids(jobs);
    for (int j = 0; j < jobs; ++j) {
        int fd[2];
        if (pipe(fd) != 0) return false;
        std::fflush(stdout);
        pids[j] = fork();
        if (pids[j] < 0) return false;
        if (pids[j] == 0) {
            close(fd[0]);
            for (std::size_t i = j; i < games.size(); i += jobs) {
                const Report r = play_game(games[i], level, limits, show);
                const std::size_t len = r.text.size();
                if (!write_all(fd[1], &r.outcome, sizeof r.outcome) || !write_all(fd[1], &len, sizeof len) ||
                    !write_all(fd[1], r.text.data(), len))
                    _exit(1);
            }
            _exit(0);
        }
        close(fd[1]);
        fds[j] = fd[0];
    }
    bool ok = true;
    for (std::size_t i = 0; i < games.size() && ok; ++i) {
        Report r;
        std::size_t len = 0;
        const int fd = fds[i % jobs];
        ok = read_all(fd, &r.outcome, sizeof r.outcome) && read_all(fd, &len, sizeof len) && len < (1u << 20);
        if (!ok) break;
        r.text.resize(len);
        ok = read_all(fd, r.text.data(), len);
        if (ok) done(r);
    }
    for (int j = 0; j < jobs; ++j) {
        close(fds[j]);
        int status = 0;
        if (!ok) kill(pids[j], SIGTERM);
        waitpid(pids[j], &status, 0);
        ok = ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    int jobs = 1, only_from = 0, only_to = -1;
    bool show = std::getenv("TESSORA_ARENA_SHOW") != nullptr;
    std::vector<const char*> args;
    bool bad = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--jobs") == 0 && i + 1 < argc) {
            jobs = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) {
            bad |= std::sscanf(argv[++i], "%d-%d", &only_from, &only_to) != 2;
        } else if (std::strcmp(argv[i], "--show") == 0) {
            show = true;
        } else {
            args.push_back(argv[i]);
        }
    }
    const int level = args.size() > 0 ? std::atoi(args[0]) : 3;
    const int openings = args.size() > 1 ? std::atoi(args[1]) : 100;
    engine::Limits limits;
    if (args.size() > 2) limits.nodes = std::strtoull(args[2], nullptr, 10);
    if (only_to < 0) only_to = openings;
    if (bad || args.size() > 3 || level < 1 || level > 3 || openings < 0 || limits.nodes == 0 || jobs < 1 ||
        jobs > 64 || only_from < 0 || only_to < only_from) {
        std::fprintf(
            stderr,
            "usage: tessora-arena [--jobs N] [--only A-B] [--show] [LEVEL 1..3 [OPENINGS [NODES]]]\n");
        return 2;
    }
    SilentPlatform silent;
    set_platform(&silent);

    // Every opening is made, so that opening g is the same whichever range is played.
    std::vector<Game> games;
    std::mt19937 rng(15);
    int number = 0;
    for (int g = 0; g <= openings; ++g) {
        for (int lower_first = 1; lower_first >= 0; --lower_first) {
            const int first = lower_first ? engine::LOWER : engine::UPPER;
            engine::Position start = engine::start_position();
            engine::set_side(start, first);
            if (g > 0) start = opening(rng, first);
            ++number;
            if (g >= only_from && g <= only_to) games.push_back({number, g, lower_first == 1, start});
        }
    }

    int won = 0, lost = 0, drawn = 0;
    int ends[4] = {};
    const auto t0 = std::chrono::steady_clock::now();
    const auto done = [&](const Report& r) {
        won += r.outcome.result > 0;
        lost += r.outcome.result < 0;
        drawn += r.outcome.result == 0;
        ++ends[static_cast<int>(r.outcome.end)];
        std::fputs(r.text.c_str(), stdout);
        std::fflush(stdout);
    };
    if (jobs == 1) {
        for (const Game& g : games) done(play_game(g, level, limits, show));
    } else if (!play_in_children(games, jobs, level, limits, show, done)) {
        std::fprintf(stderr, "tessora-arena: a game process failed\n");
        return 1;
    }
    const int played = won + lost + drawn;
    if (played == 0) return 0;
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf(
        "\nLEVEL4 (%llu nodes a move) against LEVEL%d: %d games, %d won, %d lost, %d drawn (%.1f%% won)\n",
        static_cast<unsigned long long>(limits.nodes), level, played, won, lost, drawn, 100.0 * won / played);
    std::printf("endings:");
    for (int i = 0; i < 4; ++i) std::printf(" %s %d;", END_NAME[i], ends[i]);
    std::printf(" %.0f s\n", secs);
    // Elo from the score, with a 95%% interval from the spread of the game results.
    const double score = (won + 0.5 * drawn) / played;
    const double var =
        (won * std::pow(1 - score, 2) + lost * std::pow(score, 2) + drawn * std::pow(0.5 - score, 2)) /
        played / played;
    const auto elo = [](double s) { return -400.0 * std::log10(1.0 / s - 1.0); };
    if (won == played || lost == played) {
        // Every game went one way: only a bound can be given, from one game less than a clean sweep.
        const double s = (played - 0.5) / played;
        std::printf("Elo difference: %s%.0f (every game %s)\n", won == played ? ">= +" : "<= -", elo(s),
                    won == played ? "won" : "lost");
    } else {
        const double lo = std::clamp(score - 1.96 * std::sqrt(var), 1e-6, 1 - 1e-6);
        const double hi = std::clamp(score + 1.96 * std::sqrt(var), 1e-6, 1 - 1e-6);
        std::printf("Elo difference: %+.0f (95%% interval %+.0f .. %+.0f)\n", elo(score), elo(lo), elo(hi));
    }
    return 0;
}
