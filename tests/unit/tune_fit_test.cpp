// The tuner's logistic fit on results made from known weights: it finds the scale and the weights again.
#include "tools/tune/fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

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
    tune::fit_weights(s, w, scale, 0, 1500, 2.0);
    EXPECT_LT(tune::mean_loss(s, w, scale), before);
    EXPECT_EQ(w[0], truth[0]);
    for (std::size_t k = 1; k < w.size(); ++k) EXPECT_NEAR(w[k], truth[k], 3) << "weight " << k;
}

} // namespace
