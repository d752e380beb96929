// Random script lines over everything a player can do: every menu command and button, clicks on the
// board, the ring and the hand boxes, Yes/No answers, waits, keys, and the file panel in the session's
// folder. Lines are drawn one at a time from the position at hand, so clicks often hit a piece of the
// side to move and then a square near it, and games get played rather than only started. Now and then
// the program is restarted in the same folder, mostly to read the kept game back and play on, and a
// kifu file of the folder is mutated and read.
#pragma once

#include <cstdint>
#include <deque>
#include <random>
#include <set>
#include <string>

class Generator {
  public:
    // `without`: control names never chosen (to look past a known fault until it is mended).
    Generator(std::uint64_t seed, std::set<std::string> without) : rng_(seed), without_(std::move(without)) {}
    std::string next();

  private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    std::string click();
    std::string file_command();
    std::string restart_or_mutate(int roll);

    std::mt19937_64 rng_;
    std::set<std::string> without_;
    int last_x_ = 0, last_y_ = 0;  // the cell of the last click; 0 when the last line was no click
    std::deque<std::string> then_; // lines that follow the last one drawn
};
