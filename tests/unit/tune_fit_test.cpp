// The tuner: its positions written and read back as they were, and its logistic fit on results made
// from known weights, which finds the scale and the weights again.
#include "support/engine_walk.h"
#include "tools/tune/data.h"
#include "tools/tune/fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

namespace {

// Positions of random games (ring, hands, either side to move) through the file and back.
TEST(TuneData, APositionComesBackFromTheFileAsItWas) {
    engine::RandomWalk walk(4);
    engine::MoveList moves;
    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    std::vector<engine::Position> written;
    for (int n = 0; n < 500; ++n) {
        engine::generate(walk.p, moves);
        walk.restart_if_over(moves);
        engine::generate(walk.p, moves);
        written.push_back(walk.p);
        tune::write_sample(f, tune::Sample::of(walk.p, n % 3, static_cast<std::uint32_t>(n)));
        walk.step(moves);
    }
    std::rewind(f);
    tune::Sample s;
    for (std::size_t n = 0; n < written.size(); ++n) {
        ASSERT_TRUE(tune::read_sample(f, s));
        const engine::Position p = s.position();
        EXPECT_EQ(p.b, written[n].b);
        EXPECT_EQ(0, std::memcmp(p.hand, written[n].hand, sizeof p.hand));
        EXPECT_EQ(p.side, written[n].side);
        EXPECT_EQ(p.key, written[n].key);
        EXPECT_EQ(s.result, n % 3);
        EXPECT_EQ(s.game, n);
    }
    EXPECT_FALSE(tune::read_sample(f, s));
    std::fclose(f);
}

TEST(TuneFit, FindsTheScaleAndTheWeightsThatMadeTheResults) {
    const std::vector<double> truth = {100, 50, -80, 200, 0, 30, -20, 120, 60, -150};
    const double scale = 0.004;
    std::mt19937 rng(3);
    tune::Samples s;
    for (int i = 0; i < 3000; ++i) {
        std::vector<int> f(truth.size());
        double e = 0;
        for (std::size_t k = 0; k < f.size(); ++k) {
            f[k] = std::uniform_int_distribution<int>(-2, 2)(rng);
            e += truth[k] * f[k];
        }
        // The expected result itself, so that the true weights are the best there are.
        s.add(f, 1 / (1 + std::exp(-scale * e)));
    }
    EXPECT_NEAR(tune::fit_scale(s, truth), scale, scale * 0.01);

    std::vector<double> w(truth.size(), 0);
    w[0] = truth[0]; // the anchor, which keeps the scale
    const double before = tune::mean_loss(s, w, scale);
    std::vector<bool> kept(w.size(), false);
    kept[0] = true;
    tune::fit_weights(s, w, scale, kept, 1500, 2.0);
    EXPECT_LT(tune::mean_loss(s, w, scale), before);
    EXPECT_EQ(w[0], truth[0]);
    for (std::size_t k = 1; k < w.size(); ++k) EXPECT_NEAR(w[k], truth[k], 3) << "weight " << k;
}

} // namespace
