// Pits the searching computer (LEVEL4, the lower pieces) against the computer of levels 1-3 (the upper
// pieces, through com_ban on the program-wide state as in a real game) and prints the results.
//
//   tessora-arena [--jobs N] [--only A-B] [--show] [--strength S] [LEVEL [OPENINGS [NODES]]]
//   tessora-arena --duel PROGRAM1 PROGRAM2 [--time S1 S2] [--threads T1 T2] [--clock M B I]
//                 [--adjudicate SCORE] [--strength S1 S2] ... [OPENINGS [NODES1 [NODES2]]]
//
// LEVEL 1..3 (default 3). The games start from the starting position and from OPENINGS positions made
// by 2-6 seeded random plies (default 100); each is played twice, once with either side moving first.
// NODES is LEVEL4's node budget per move (default: the game's own). A game ends when a king is taken, a
// mate of the upper king is announced after LEVEL4's move, a side has no legal move, or after 500 moves
// (a draw). --only A-B plays only the openings A..B (0 is the starting position; the openings are the
// same as in the whole run), --jobs N plays the games in N child processes (the game's state is
// program-wide, so one game a process at a time) and prints them in order, as one process would.
// --show prints LEVEL4's moves and the final board of each game it did not win. In a duel, --time has
// each program think S seconds a move instead of to its node budget, on the threads --threads gives it
// (default 1); --clock has each manage a game clock instead (main time, byoyomi, increment), timed by
// the arena from question to answer: a program whose move takes longer than its clock holds loses on
// time. --adjudicate SCORE gives a game to a side once both programs' scores have said for six plies
// in a row that it wins by SCORE or more. --strength has LEVEL4 (in a duel, each program) play at that
// strength step (1 the weakest .. 5 full, the default), a weaker step's choices seeded by the game's
// number, so that a run plays the same games again.
#include "com/com.h"
#include "com/mate.h"
#include "control/play.h"
#include "core/moves.h"
#include "core/state.h"
#include "engine/search.h"
#include "kifu/record.h"
#include "tools/bench_positions.h"
#include "tools/silent_platform.h"
#include "control/flow.h"
#include "control/owner.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int MOVE_LIMIT = 500;

enum class End { KingTaken, Mate, NoMove, MoveLimit, Adjudicated, Time };
constexpr int ENDS = 6;
const char* const END_NAME[ENDS] = {"king taken", "mate announced", "no legal move",
                                    "500 moves",  "adjudication",   "time"};

struct Outcome {
    int result; // +1 LEVEL4 (in a duel: the first program) won, -1 lost, 0 draw
    End end;
    int moves;
    // In a duel, per program: moves made, their processor time in all and at most, depths in all.
    int made[2] = {0, 0};
    double cpu_ms[2] = {0, 0}, max_cpu_ms[2] = {0, 0};
    long depths[2] = {0, 0};
    // On a game clock, per program: the longest a move took by the referee's watch, and the least time
    // that was left on the clock after a move (main time and byoyomi).
    double max_wall_s[2] = {0, 0}, least_left_s[2] = {1e9, 1e9};
};

// The program-wide state of a game against the computer at the given position, nobody having won.
void set_up(const engine::Position& p, bool lower_first, int level) {
    Kyokumen k = TAIKYOKU.pos;
    std::memset(k.BAN, 0, sizeof k.BAN);
    engine::to_program(p, k);
    k.SITA_GAWA = lower_first ? TE_SENTE : TE_GOTE;
    k.UE_GAWA = -k.SITA_GAWA;
    k.TEBAN = p.side == engine::LOWER ? k.SITA_GAWA : k.UE_GAWA;
    k.SITA_OU_X = engine::sq_x(p.king[engine::LOWER]);
    k.SITA_OU_Y = engine::sq_y(p.king[engine::LOWER]);
    flow_start_at(k, MODE_MAN_COM, level);
}

// Nothing of the games is shown.
class QuietView : public GameView {
  public:
    void on(const FlowEvent&) override {}
};

// LEVEL4's move, played as the human's move is: the ring turns, then the move; against the computer,
// its reply follows within the same turn of the game. The positions the game has been through are kept
// in `seen`, as the game hands them to the search.
bool level4_move(engine::Limits& limits, std::string& trace) {
    engine::Position p = engine::from_program(TAIKYOKU.pos);
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
    for (int i = 0; i < m.turns; ++i) flow_turn_ring(true);
    flow_human_move(m.fx, m.fy, m.tx, m.ty, m.placed, false);
    return true;
}

bool upper_king_stands() {
    for (int x = 2; x <= 10; ++x)
        for (int y = 2; y <= 10; ++y)
            if (TAIKYOKU.pos.BAN[x][y] == UE_OU) return true;
    return false;
}

// The game's course once LEVEL4 has moved (`moves` plies played, LEVEL4's last), or nothing while it
// goes on.
std::optional<Outcome> after_level4(int moves) {
    if (TAIKYOKU.pos.SYOUSYA == TAIKYOKU.pos.SITA_GAWA && TAIKYOKU.pos.TEBAN == TAIKYOKU.pos.SITA_GAWA)
        return Outcome{1, upper_king_stands() ? End::Mate : End::KingTaken, moves};
    if (TAIKYOKU.pos.SYOUSYA == TAIKYOKU.pos.SITA_GAWA)
        return Outcome{1, End::NoMove, moves}; // the computer resigned
    if (TAIKYOKU.pos.SYOUSYA == TAIKYOKU.pos.UE_GAWA) return Outcome{-1, End::KingTaken, moves + 1};
    if (TAIKYOKU.pos.SYOUSYA != 0) return Outcome{0, End::MoveLimit, MOVE_LIMIT}; // the record is full
    return std::nullopt;
}

// LEVEL4's moves with their scores and depths go to `trace`.
Outcome play(const engine::Position& start, bool lower_first, int level, engine::Limits limits,
             std::string& trace) {
    set_up(start, lower_first, level);
    limits.seen.clear();
    int moves = 0;
    if (TAIKYOKU.pos.TEBAN == TAIKYOKU.pos.UE_GAWA) {
        flow_computer_turn();
        if (TAIKYOKU.pos.SYOUSYA == TAIKYOKU.pos.SITA_GAWA)
            return {1, End::NoMove, 0}; // the computer resigned
        ++moves;
    }
    for (; moves < MOVE_LIMIT; moves += 2) {
        if (!level4_move(limits, trace)) return {-1, End::NoMove, moves};
        if (const std::optional<Outcome> o = after_level4(moves + 1)) return *o;
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
        for (int x = 1; x <= 11; ++x) appendf(out, "%5d", TAIKYOKU.pos.BAN[x][y]);
        out += "\n";
    }
    out += "hands lower:";
    for (int k = 1; k <= 7; ++k) appendf(out, " %d", TAIKYOKU.pos.SITA_MOCHI[k]);
    out += "  upper:";
    for (int k = 1; k <= 7; ++k) appendf(out, " %d", TAIKYOKU.pos.UE_MOCHI[k]);
    out += "\n";
}

struct Game {
    int number, opening;
    bool lower_first;
    engine::Position start;
    bool first_program_lower = true; // in a duel: the first program plays the lower pieces
};

// What a game reports: its outcome and the lines printed for it.
struct Report {
    Outcome outcome;
    std::string text;
};

Report play_game(const Game& g, int level, engine::Limits limits, bool show) {
    std::string trace;
    limits.seed = static_cast<std::uint64_t>(g.number);
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
bool play_in_children(const std::vector<Game>& games, int jobs, const auto& play, const auto& done) {
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
                const Report r = play(games[i]);
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

// A program of the duel (tools/engine_player.cpp), started once per process and spoken to over pipes.
class Player {
  public:
    explicit Player(std::string path) : path_(std::move(path)) {}
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;
    ~Player() {
        if (to_) std::fclose(to_);
        if (from_) std::fclose(from_);
        if (pid_ > 0) waitpid(pid_, nullptr, 0);
    }
    // Sends a line and reads the answer; an empty answer when the program is gone.
    std::string ask(const std::string& line) {
        if (!to_ && !start()) return "";
        if (std::fputs(line.c_str(), to_) < 0 || std::fputc('\n', to_) < 0 || std::fflush(to_) != 0)
            return "";
        std::string answer;
        for (int c; (c = std::fgetc(from_)) != EOF && c != '\n';) answer += static_cast<char>(c);
        return answer;
    }

  private:
    bool start() {
        int in[2], out[2];
        if (pipe(in) != 0) return false;
        if (pipe(out) != 0) return false;
        std::fflush(stdout);
        pid_ = fork();
        if (pid_ < 0) return false;
        if (pid_ == 0) {
            dup2(in[0], 0);
            dup2(out[1], 1);
            close(in[0]);
            close(in[1]);
            close(out[0]);
            close(out[1]);
            execl(path_.c_str(), path_.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(in[0]);
        close(out[1]);
        to_ = fdopen(in[1], "w");
        from_ = fdopen(out[0], "r");
        return to_ && from_;
    }
    std::string path_;
    pid_t pid_ = -1;
    FILE* to_ = nullptr;
    FILE* from_ = nullptr;
};

// The go line of the player's protocol: the node budget, the start and the moves played since.
std::string go_line(unsigned long long nodes, const engine::Position& start,
                    const std::vector<engine::Move>& played) {
    std::string line;
    appendf(line, "go %llu %d", nodes, start.side);
    for (int y = 1; y <= 11; ++y)
        for (int x = 1; x <= 11; ++x) appendf(line, " %d", start.b[engine::sq(x, y)]);
    for (int s = 0; s < 2; ++s)
        for (int kind = 1; kind <= 7; ++kind) appendf(line, " %d", start.hand[s][kind]);
    appendf(line, " %zu", played.size());
    for (const engine::Move& m : played) appendf(line, " %d %d %d %d", m.turns, m.from, m.to, m.placed);
    return line;
}

// One duel game: program 0 (the first named) plays the lower pieces when `first_lower`, else the upper.
// The referee checks every move against its own generator; a program that answers with a move that is
// not legal, or not at all, loses.
double duel_seconds[2] = {0, 0}; // 0: by nodes
int duel_threads[2] = {1, 1};
// A game clock for both programs: main time, byoyomi and increment in seconds (no clock while the main
// time and byoyomi are both 0).
double duel_clock[3] = {0, 0, 0};
// A game is given to a side once both programs have said for this many plies in a row that it wins by
// at least this much (0: played out).
int adjudicate_score = 0;
constexpr int ADJUDICATE_PLIES = 6;
// Each program's strength step (0: not told, the program's full strength).
int duel_strength[2] = {0, 0};

Outcome duel(const Game& g, bool first_lower, Player* players[2], const unsigned long long nodes[2],
             std::string& trace) {
    Outcome o{0, End::MoveLimit, MOVE_LIMIT};
    const bool clocked = duel_clock[0] > 0 || duel_clock[1] > 0;
    for (int i = 0; i < 2; ++i) {
        if (players[i]->ask("new") != "ok") return {i == 0 ? -1 : 1, End::NoMove, 0};
        std::string strength;
        appendf(strength, "strength %d %d", duel_strength[i], g.number);
        if (duel_strength[i] > 0 && players[i]->ask(strength) != "ok")
            return {i == 0 ? -1 : 1, End::NoMove, 0};
        // On a game clock the think line only gives the threads: the clock sets each move's time.
        std::string think;
        appendf(think, "think %g %d", duel_seconds[i] > 0 ? duel_seconds[i] : 1.0, duel_threads[i]);
        if ((duel_seconds[i] > 0 || clocked) && players[i]->ask(think) != "ok")
            return {i == 0 ? -1 : 1, End::NoMove, 0};
    }
    engine::Position p = g.start;
    std::vector<engine::Move> played;
    engine::MoveList legal;
    double remaining[2] = {duel_clock[0], duel_clock[0]};
    int streak = 0, streak_result = 0; // plies in a row the programs agreed on a winner
    for (int ply = 0; ply < MOVE_LIMIT; ++ply) {
        const int who = (p.side == engine::LOWER) == first_lower ? 0 : 1;
        const int lost = who == 0 ? -1 : 1;
        if (clocked) {
            std::string line;
            appendf(line, "clock %.3f %g %g %d", remaining[who], duel_clock[1], duel_clock[2], ply);
            if (players[who]->ask(line) != "ok") return {lost, End::NoMove, ply};
        }
        const auto asked = std::chrono::steady_clock::now();
        const std::string answer = players[who]->ask(go_line(nodes[who], g.start, played));
        const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - asked).count();
        if (clocked) {
            // The main time runs first; once it is spent, each move has the byoyomi to itself.
            const double left = remaining[who] + duel_clock[1] - took;
            o.max_wall_s[who] = std::max(o.max_wall_s[who], took);
            o.least_left_s[who] = std::min(o.least_left_s[who], left);
            if (left < 0) {
                o = {lost, End::Time, ply};
                appendf(trace, "  program %d took %.3f s with %.3f s left\n", who + 1, took,
                        remaining[who] + duel_clock[1]);
                break;
            }
            remaining[who] = std::max(0.0, remaining[who] - took) + duel_clock[2];
        }
        int turns, from, to, placed, score, depth;
        unsigned long long searched;
        double cpu;
        if (std::sscanf(answer.c_str(), "move %d %d %d %d %d %d %llu %lf", &turns, &from, &to, &placed,
                        &score, &depth, &searched, &cpu) != 8) {
            o = {lost, End::NoMove, ply};
            if (answer != "none") appendf(trace, "  program %d answered \"%s\"\n", who + 1, answer.c_str());
            break;
        }
        ++o.made[who];
        o.cpu_ms[who] += cpu;
        o.max_cpu_ms[who] = std::max(o.max_cpu_ms[who], cpu);
        o.depths[who] += depth;
        appendf(trace, "  %3d: program %d %2d turns, %4d -> %4d %4d; score %6d depth %2d, %.0f ms\n", ply + 1,
                who + 1, turns, from, to, placed, score, depth, cpu);
        engine::generate(p, legal);
        const auto m = std::find_if(legal.begin(), legal.end(), [&](const engine::Move& l) {
            return l.turns == turns && l.from == from && l.to == to && l.placed == placed;
        });
        if (m == legal.end()) {
            o.result = lost;
            o.end = End::NoMove;
            o.moves = ply;
            appendf(trace, "  program %d: that move is not legal\n", who + 1);
            break;
        }
        engine::Undo u;
        engine::make(p, *m, u);
        played.push_back(*m);
        if (p.king_taken()) {
            o.result = -lost;
            o.end = End::KingTaken;
            o.moves = ply + 1;
            break;
        }
        // The score is the mover's view: it says who the mover thinks is winning.
        const int says = adjudicate_score <= 0        ? 0
                         : score >= adjudicate_score  ? -lost
                         : score <= -adjudicate_score ? lost
                                                      : 0;
        streak = says != 0 && says == streak_result ? streak + 1 : says != 0;
        streak_result = says;
        if (streak >= ADJUDICATE_PLIES) {
            o.result = says;
            o.end = End::Adjudicated;
            o.moves = ply + 1;
            break;
        }
    }
    return o;
}

// One search of a program on a start position with its table fresh, the median of `runs` by processor
// time.
struct Timed {
    bool ok = false;
    double cpu_ms = 0;
    unsigned long long nodes = 0;
    int depth = 0, score = 0;
    std::string move;
};
Timed timed_search(Player& player, const engine::Position& start, unsigned long long nodes, int runs) {
    std::vector<Timed> all;
    for (int r = 0; r < runs; ++r) {
        Timed t;
        int turns, from, to, placed;
        const std::string answer = player.ask("new") == "ok" ? player.ask(go_line(nodes, start, {})) : "";
        t.ok = std::sscanf(answer.c_str(), "move %d %d %d %d %d %d %llu %lf", &turns, &from, &to, &placed,
                           &t.score, &t.depth, &t.nodes, &t.cpu_ms) == 8;
        if (!t.ok) return t;
        appendf(t.move, "%d:%d->%d=%d", turns, from, to, placed);
        all.push_back(t);
    }
    std::sort(all.begin(), all.end(), [](const Timed& a, const Timed& b) { return a.cpu_ms < b.cpu_ms; });
    return all[all.size() / 2];
}

// The benchmark's positions searched by both programs side by side: processor time, nodes, nodes per
// processor second and depth of each at its budget, then program 1 given the processor time program 2
// took (its budget scaled by its own speed, once more if it missed by over a tenth) and the depth it
// reaches there.
bool duel_bench(Player* programs[2], const unsigned long long nodes[2], int runs) {
    std::printf("%-20s %9s %8s %11s %5s | %9s %8s %11s %5s | %6s | %s\n", "position", "1: CPU ms", "nodes",
                "nodes/CPU s", "depth", "2: CPU ms", "nodes", "nodes/CPU s", "depth", "speed",
                "1 at 2's CPU: nodes, CPU ms, depth");
    for (const bench::Position& pos : bench::positions()) {
        engine::Position start = engine::empty_position();
        for (const bench::Piece& pc : pos.pieces) engine::put(start, pc.x, pc.y, pc.code);
        for (int kind = 1; kind <= 7; ++kind) {
            engine::set_hand(start, engine::LOWER, kind, pos.sita_mochi[kind]);
            engine::set_hand(start, engine::UPPER, kind, pos.ue_mochi[kind]);
        }
        engine::set_side(start, engine::UPPER);
        Timed t[2];
        for (int i = 0; i < 2; ++i) {
            t[i] = timed_search(*programs[i], start, nodes[i], runs);
            if (!t[i].ok) return false;
        }
        const auto rate = [](const Timed& x) { return x.nodes / (x.cpu_ms / 1000.0); };
        unsigned long long budget = static_cast<unsigned long long>(rate(t[0]) * t[1].cpu_ms / 1000.0);
        Timed equal = timed_search(*programs[0], start, std::max(budget, 1ull), runs);
        if (equal.ok && std::abs(equal.cpu_ms - t[1].cpu_ms) > t[1].cpu_ms / 10) {
            budget = static_cast<unsigned long long>(budget * t[1].cpu_ms / equal.cpu_ms);
            equal = timed_search(*programs[0], start, std::max(budget, 1ull), runs);
        }
        if (!equal.ok) return false;
        std::printf("%-20s %9.1f %8llu %11.0f %5d | %9.1f %8llu %11.0f %5d | %5.2fx | %llu, %.1f, %d\n",
                    pos.name, t[0].cpu_ms, t[0].nodes, rate(t[0]), t[0].depth, t[1].cpu_ms, t[1].nodes,
                    rate(t[1]), t[1].depth, rate(t[0]) / rate(t[1]), budget, equal.cpu_ms, equal.depth);
        std::printf("%-20s moves: 1 %s (score %d), 2 %s (score %d)\n", "", t[0].move.c_str(), t[0].score,
                    t[1].move.c_str(), t[1].score);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    int jobs = 1, only_from = 0, only_to = -1;
    const char* duel_paths[2] = {nullptr, nullptr};
    bool bench_only = false;
    bool show = std::getenv("TESSORA_ARENA_SHOW") != nullptr;
    std::vector<const char*> args;
    bool bad = false;
    // A duel's --strength names a step for each program.
    const bool duel_args = std::any_of(argv + 1, argv + argc, [](const char* a) {
        return std::strcmp(a, "--duel") == 0 || std::strcmp(a, "--duel-bench") == 0;
    });
    int strength = engine::FULL_STRENGTH;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--jobs") == 0 && i + 1 < argc) {
            jobs = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) {
            bad |= std::sscanf(argv[++i], "%d-%d", &only_from, &only_to) != 2;
        } else if (std::strcmp(argv[i], "--time") == 0 && i + 2 < argc) {
            duel_seconds[0] = std::atof(argv[++i]);
            duel_seconds[1] = std::atof(argv[++i]);
            bad |= !(duel_seconds[0] > 0 && duel_seconds[1] > 0);
        } else if (std::strcmp(argv[i], "--threads") == 0 && i + 2 < argc) {
            duel_threads[0] = std::atoi(argv[++i]);
            duel_threads[1] = std::atoi(argv[++i]);
            bad |= duel_threads[0] < 1 || duel_threads[1] < 1;
        } else if (std::strcmp(argv[i], "--clock") == 0 && i + 3 < argc) {
            for (double& v : duel_clock) v = std::atof(argv[++i]);
            bad |= duel_clock[0] < 0 || duel_clock[1] < 0 || duel_clock[2] < 0 ||
                   duel_clock[0] + duel_clock[1] <= 0;
        } else if (std::strcmp(argv[i], "--adjudicate") == 0 && i + 1 < argc) {
            adjudicate_score = std::atoi(argv[++i]);
            bad |= adjudicate_score <= 0;
        } else if (std::strcmp(argv[i], "--strength") == 0 && i + (duel_args ? 2 : 1) < argc) {
            const int steps = duel_args ? 2 : 1;
            for (int k = 0; k < steps; ++k) {
                const int s = std::atoi(argv[++i]);
                bad |= s < engine::WEAKEST_STRENGTH || s > engine::FULL_STRENGTH;
                (duel_args ? duel_strength[k] : strength) = s;
            }
        } else if (std::strcmp(argv[i], "--show") == 0) {
            show = true;
        } else if (std::strcmp(argv[i], "--duel-bench") == 0 && i + 2 < argc) {
            duel_paths[0] = argv[++i];
            duel_paths[1] = argv[++i];
            bench_only = true;
        } else if (std::strcmp(argv[i], "--duel") == 0 && i + 2 < argc) {
            duel_paths[0] = argv[++i];
            duel_paths[1] = argv[++i];
        } else {
            args.push_back(argv[i]);
        }
    }
    const bool dueling = duel_paths[0] != nullptr;
    // A duel takes no level: its arguments start with the openings.
    const std::size_t first_arg = dueling ? 0 : 1;
    const int level = dueling ? 3 : args.size() > 0 ? std::atoi(args[0]) : 3;
    const int openings = args.size() > first_arg ? std::atoi(args[first_arg]) : 100;
    engine::Limits limits;
    if (!dueling && args.size() > 2) limits.nodes = std::strtoull(args[2], nullptr, 10);
    limits.strength = strength;
    unsigned long long duel_nodes[2] = {0, 0}; // 0: each program's own default
    for (std::size_t i = 0; dueling && i < 2 && i + 1 < args.size(); ++i)
        duel_nodes[i] = std::strtoull(args[i + 1], nullptr, 10);
    if (only_to < 0) only_to = openings;
    if (bad || args.size() > 3 || level < 1 || level > 3 || openings < 0 || limits.nodes == 0 || jobs < 1 ||
        jobs > 64 || only_from < 0 || only_to < only_from) {
        std::fprintf(stderr,
                     "usage: tessora-arena [--jobs N] [--only A-B] [--show] [--strength 1..5] "
                     "[LEVEL 1..3 [OPENINGS [NODES]]]\n"
                     "       tessora-arena --duel PROGRAM1 PROGRAM2 [--time S1 S2] [--threads T1 T2] "
                     "[--clock MAIN BYOYOMI INCREMENT] [--adjudicate SCORE] [--strength S1 S2] [--jobs N] "
                     "[--only A-B] [--show] "
                     "[OPENINGS [NODES1 [NODES2]]]\n"
                     "       tessora-arena --duel-bench PROGRAM1 PROGRAM2 [RUNS [NODES1 [NODES2]]]\n");
        return 2;
    }
    SilentPlatform silent;
    set_platform(&silent);
    QuietView quiet;
    set_game_view(&quiet);
    // Started on their first question, in whichever process plays the game.
    Player program1(dueling ? duel_paths[0] : ""), program2(dueling ? duel_paths[1] : "");
    Player* programs[2] = {&program1, &program2};
    if (bench_only) {
        // The arguments are RUNS [NODES1 [NODES2]].
        if (!duel_bench(programs, duel_nodes, args.empty() ? 3 : std::max(1, openings))) {
            std::fprintf(stderr, "tessora-arena: a program did not answer\n");
            return 1;
        }
        return 0;
    }

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
            // In a duel each start is played twice, each program taking the side that moves first once.
            for (int first_program_lower = 1; first_program_lower >= (dueling ? 0 : 1);
                 --first_program_lower) {
                ++number;
                if (g >= only_from && g <= only_to)
                    games.push_back({number, g, lower_first == 1, start, first_program_lower == 1});
            }
        }
    }

    int won = 0, lost = 0, drawn = 0;
    int ends[ENDS] = {};
    Outcome sums{0, End::MoveLimit, 0};
    const auto t0 = std::chrono::steady_clock::now();
    const auto done = [&](const Report& r) {
        won += r.outcome.result > 0;
        lost += r.outcome.result < 0;
        drawn += r.outcome.result == 0;
        ++ends[static_cast<int>(r.outcome.end)];
        for (int i = 0; i < 2; ++i) {
            sums.made[i] += r.outcome.made[i];
            sums.cpu_ms[i] += r.outcome.cpu_ms[i];
            sums.max_cpu_ms[i] = std::max(sums.max_cpu_ms[i], r.outcome.max_cpu_ms[i]);
            sums.depths[i] += r.outcome.depths[i];
            sums.max_wall_s[i] = std::max(sums.max_wall_s[i], r.outcome.max_wall_s[i]);
            sums.least_left_s[i] = std::min(sums.least_left_s[i], r.outcome.least_left_s[i]);
        }
        std::fputs(r.text.c_str(), stdout);
        std::fflush(stdout);
    };
    const auto play = [&](const Game& g) {
        if (!dueling) return play_game(g, level, limits, show);
        std::string trace;
        Report r{duel(g, g.first_program_lower, programs, duel_nodes, trace), {}};
        const Outcome& o = r.outcome;
        const bool program1_first = g.first_program_lower == g.lower_first;
        appendf(r.text, "game %3d  opening %3d  program 1 %s %-6s: %-5s by %-14s after %3d moves\n", g.number,
                g.opening, g.first_program_lower ? "lower" : "upper", program1_first ? "first" : "second",
                o.result > 0   ? "won"
                : o.result < 0 ? "lost"
                               : "drawn",
                END_NAME[static_cast<int>(o.end)], o.moves);
        if (show) r.text += trace;
        return r;
    };
    if (jobs == 1) {
        for (const Game& g : games) done(play(g));
    } else if (!play_in_children(games, jobs, play, done)) {
        std::fprintf(stderr, "tessora-arena: a game process failed\n");
        return 1;
    }
    const int played = won + lost + drawn;
    if (played == 0) return 0;
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (dueling) {
        std::printf(
            "\nprogram 1 (%s) against program 2 (%s): %d games, %d won, %d lost, %d drawn, score %.1f%%\n",
            duel_paths[0], duel_paths[1], played, won, lost, drawn, 100.0 * (won + 0.5 * drawn) / played);
        for (int i = 0; i < 2; ++i)
            std::printf(
                "program %d: %d moves, %.1f ms of processor time a move (at most %.1f), depth %.2f a move\n",
                i + 1, sums.made[i], sums.cpu_ms[i] / std::max(1, sums.made[i]), sums.max_cpu_ms[i],
                static_cast<double>(sums.depths[i]) / std::max(1, sums.made[i]));
        if (duel_clock[0] > 0 || duel_clock[1] > 0)
            for (int i = 0; i < 2; ++i)
                std::printf(
                    "program %d on the clock: longest move %.3f s, least time left after a move %.3f s\n",
                    i + 1, sums.max_wall_s[i], sums.least_left_s[i]);
    } else {
        std::printf("\nLEVEL4 (%llu nodes a move, strength %d) against LEVEL%d: %d games, %d won, %d lost, "
                    "%d drawn (%.1f%% won)\n",
                    static_cast<unsigned long long>(limits.nodes), limits.strength, level, played, won, lost,
                    drawn, 100.0 * won / played);
    }
    std::printf("endings:");
    for (int i = 0; i < ENDS; ++i) std::printf(" %s %d;", END_NAME[i], ends[i]);
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
