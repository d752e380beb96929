// Positions from seeded random games for the searching computer's tests.
#pragma once

#include "engine/position.h"

#include <random>
#include <vector>

namespace engine {

// Positions from seeded random games (pieces go onto the ring and into the hands as play goes on).
struct RandomWalk {
    std::mt19937 rng;
    Position p = start_position();
    int plies = 0;
    explicit RandomWalk(unsigned seed) : rng(seed) {}
    // Captures are preferred so that the hands fill up; a king is taken only when nothing else is.
    Move step(const MoveList& moves) {
        std::vector<Move> captures;
        for (const Move& m : moves)
            if (m.captured != KARA && m.captured != SITA_OU && m.captured != UE_OU) captures.push_back(m);
        const MoveList& from = captures.empty() || rng() % 4 == 0 ? moves : captures;
        const Move m = from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)];
        Undo u;
        make(p, m, u);
        ++plies;
        return m;
    }
    void restart_if_over(const MoveList& moves) {
        if (moves.empty() || p.king_taken() || plies > 160) {
            p = start_position();
            plies = 0;
        }
    }
};

} // namespace engine
