// LEVEL4's evaluation as weights times features: the sum over the features is the evaluation the search
// uses (the material kept by make and unmake included), and the evaluation does not care which side is
// which.
#include "engine/evaluate.h"
#include "support/engine_walk.h"

#include <gtest/gtest.h>

#include <random>

using namespace engine;

namespace {

class EngineEval : public ::testing::Test {
  protected:
    void TearDown() override { set_weights(TUNED_WEIGHTS); }
};

// Weights of either sign for every term, so that the terms that start at nothing are looked at too.
Weights random_weights(unsigned seed) {
    std::mt19937 rng(seed);
    Weights w{};
    for (int& v : w) v = std::uniform_int_distribution<int>(-60, 60)(rng);
    return w;
}

// The position seen from the other side: the board and the ring turned half round with each piece
// changing sides, the hands and the side to move swapped.
Position mirrored(const Position& p) {
    Position q = empty_position();
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y)
            if (p.b[sq(x, y)] != KARA) put(q, 12 - x, 12 - y, static_cast<Koma>(-p.b[sq(x, y)]));
    for (int s = 0; s < 2; ++s)
        for (int kind = 1; kind <= 7; ++kind) set_hand(q, 1 - s, kind, p.hand[s][kind]);
    set_side(q, 1 - p.side);
    return q;
}

// Over random games with the table's weights and with random ones (each set before the games, so that
// make and unmake keep the material of those weights): the evaluation is the sum of weight times count
// from the lower side's view, for either side to move; and the mirrored position scores the same for its
// side to move.
TEST_F(EngineEval, IsTheSumOfWeightsTimesCountsAndTheSameForTheMirroredPosition) {
    for (const unsigned seed : {0u, 5u, 9u}) {
        if (seed != 0) set_weights(random_weights(seed));
        const Weights& w = weights();
        RandomWalk walk(seed + 100);
        MoveList moves;
        std::vector<int> f;
        int ring_positions = 0;
        for (int n = 0; n < 2000; ++n) {
            generate(walk.p, moves);
            walk.restart_if_over(moves);
            generate(walk.p, moves);
            for (int side = 0; side < 2; ++side) {
                Position p = walk.p;
                set_side(p, side);
                features(p, f);
                long long sum = 0;
                for (int i = 0; i < weight::COUNT; ++i) sum += static_cast<long long>(w[i]) * f[i];
                ASSERT_EQ(evaluate(p), side == LOWER ? sum : -sum) << "seed " << seed << " position " << n;
                ASSERT_EQ(evaluate(mirrored(p)), evaluate(p)) << "seed " << seed << " position " << n;
            }
            int on_ring = 0;
            for (int s : RING_SQ) on_ring += walk.p.b[s] != KARA;
            ring_positions += on_ring >= 3;
            walk.step(moves);
        }
        // The ring's terms were met, with three pieces or more on it.
        EXPECT_GT(ring_positions, 300) << "seed " << seed;
    }
}

} // namespace
