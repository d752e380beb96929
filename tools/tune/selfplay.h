// Self-play games of LEVEL4 for the tuner: each game's positions, reduced to quiet ones, with its result.
#pragma once

#include "tools/tune/data.h"

#include <cstdint>
#include <vector>

namespace tune {

struct SelfPlay {
    std::uint64_t nodes = 10000; // a move's budget, on one thread
    int max_plies = 300;         // a game that lasts longer is drawn
    int skip = 6;                // plies after the opening whose positions are left out
};

// Game `game` of the set of seed `seed`: from an opening of 2-8 random plies (either side first, the ring
// turned), played to its end; its positions not in check, each reduced to the leaf of the quiescence
// search's expected line.
std::vector<Sample> play_game(const SelfPlay& how, std::uint64_t seed, int game);

} // namespace tune
