// The searching computer: iterative-deepening alpha-beta over engine positions. Stopped by a node
// budget on one thread, the same position always gives the same move on any machine; in play it thinks
// for a time instead, on every core (helper threads search the same root and share the table).
#pragma once

#include "engine/position.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace engine {

// Chosen so that the slowest position of the benchmark takes under a second of processor time on a
// small machine (tessora-bench --level4).
constexpr std::uint64_t DEFAULT_NODES = 800000;
constexpr int MATE = 30000;

// What a search has learned, kept between the moves of a game so that the next search starts with it:
// allocated once at a fixed size; the entries of earlier searches give way to those of the current one.
// A new game, a record read and a move taken back clear it (the positions it holds may not come again,
// and a game must play the same whatever was searched before it). The threads of one search read and
// write it at once: an entry's check word is its key xored with its data, so a torn entry is not found.
class Table {
  public:
    Table();
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;
    void clear();

    struct Entry;
    static constexpr std::size_t SIZE = std::size_t{1} << 19;
    // For the search: the entries, and the age of a new search's own.
    Entry* entries() { return cells.get(); }
    std::uint8_t next_age();

  private:
    std::unique_ptr<Entry[]> cells;
    std::uint8_t age = 0;
};

// How long a search thinks, in seconds: after an iteration that ends past the soft limit (stretched
// where the best move keeps changing, shortened where it stays) no new one starts; at the hard limit
// the search gives up at once. Zero: no limit by time.
struct TimePlan {
    double soft = 0, hard = 0;
};

// A side's clock as the time controls keep it, in seconds: what is left of the main time, the
// byoyomi each move has once it is spent, the increment added after each move, and the moves (plies)
// played in the game so far. `overhead` is kept back for what happens around the search (the move
// shown, the clock's own ticks).
struct GameClock {
    double remaining = 0, byoyomi = 0, increment = 0;
    int moves_played = 0;
    double overhead = 0.5;
};

// The limits of a move on that clock: never more than the clock holds less the overhead.
TimePlan plan_time(const GameClock& clock);
// A chosen time a move without a time control: half of it where the best move stays, up to all of it
// where it keeps changing.
TimePlan plan_fixed(double seconds);
// The time after which no new iteration starts. `instability` counts recent changes of the best move,
// the older halved at each iteration (0: the best has stayed).
double stop_after(const TimePlan& plan, double instability);

struct Result;

// Strength steps for a learner, 1 the weakest: a lower step searches less (a node cap and a depth cap
// whatever the budget or time) and, at the lowest, now and then plays a move a little worse than its
// best. FULL_STRENGTH is the search itself.
constexpr int WEAKEST_STRENGTH = 1, FULL_STRENGTH = 5;

struct Limits {
    std::uint64_t nodes = DEFAULT_NODES; // a thread's
    int max_depth = 64;
    const std::atomic<bool>* stop = nullptr; // set from outside: give up at once (the result is then unused)
    // Keys of the positions the game has already been through: coming back to one scores as a draw, so
    // a side that is ahead looks for progress instead of shuffling.
    std::vector<std::uint64_t> seen;
    // Play's choice, not a rule of the game: off, a position come back to is searched like any other
    // and `seen` is not looked at (the review shows only what the rules make of a position).
    bool avoid_repetition = true;
    // Without a table the search starts from nothing (a table of its own); with one, it uses and adds
    // to what the table holds.
    Table* table = nullptr;
    TimePlan time;
    // Time counted as the nodes searched at this rate instead of by the wall clock: on one thread the
    // same move on any machine.
    double virtual_nodes_per_second = 0;
    // More than one: helper threads search the same root on the shared table. The move then depends
    // on how the threads ran.
    int threads = 1;
    // Called by the search's first thread as each iteration ends, with what it has found so far.
    std::function<void(const Result&)> on_iteration;
    // Below full, the step's caps apply on one thread, and its choice among the good moves follows
    // `seed` mixed with the position's key: the same move for the same seed and position.
    int strength = FULL_STRENGTH;
    std::uint64_t seed = 0;
};

struct Result {
    bool found = false; // false when the side to move has no move at all
    Move best;
    int score = 0;                 // from the side to move's view; near MATE: a king is taken
    int depth = 0;                 // last depth searched to the end
    std::uint64_t nodes = 0;       // all threads'
    std::uint64_t evaluations = 0; // full evaluations made, all threads' (for the benchmark)
    double seconds = 0;            // the time thought, on the clock the limits count
    // The line the search expects from here, `best` first: each side's best reply as far as it looked
    // (empty when there is no move).
    std::vector<Move> pv;
};

Result search(const Position& p, const Limits& limits = {});

// The position at the end of the quiescence search's expected line from p (captures taken while they
// gain): p itself when standing pat is best. A king may be taken on the way.
Position quiet_leaf(const Position& p);

} // namespace engine
