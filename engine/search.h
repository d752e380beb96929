// The searching computer: iterative-deepening alpha-beta over engine positions, stopped by a node
// budget so that the same position always gives the same move on any machine.
#pragma once

#include "engine/position.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
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
// and a game must play the same whatever was searched before it).
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
    Entry* entries() { return slots.get(); }
    std::uint8_t next_age();

  private:
    std::unique_ptr<Entry[]> slots;
    std::uint8_t age = 0;
};

struct Limits {
    std::uint64_t nodes = DEFAULT_NODES;
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
};

struct Result {
    bool found = false; // false when the side to move has no move at all
    Move best;
    int score = 0; // from the side to move's view; near MATE: a king is taken
    int depth = 0; // last depth searched to the end
    std::uint64_t nodes = 0;
};

Result search(const Position& p, const Limits& limits = {});

// The evaluation from the side to move's view.
int evaluate(const Position& p);

} // namespace engine
