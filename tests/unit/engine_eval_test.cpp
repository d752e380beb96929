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

// Over random games with the table's weights and with random ones (each set before the games, so that
// make and unmake keep the material of those weights): the evaluation is the sum of weight times count
// from the lower side's view, for either side to move.
TEST_F(EngineEval, IsTheSumOfWeightsTimesCounts) {
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
