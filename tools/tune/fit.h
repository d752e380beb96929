// The logistic fit of the evaluation's weights to game results: each position's features as a sparse
// list, the result predicted as sigmoid(scale * evaluation), the mean log loss minimised.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tune {

struct Samples {
    std::vector<std::uint32_t> start{0}; // sample i's features are start[i] .. start[i + 1]
    std::vector<std::uint16_t> index;
    std::vector<std::int16_t> count;
    std::vector<double> result; // 0 .. 1

    std::size_t size() const { return result.size(); }
    // Adds a sample from its dense features.
    void add(const std::vector<int>& features, double result);
};

// The mean log loss of the predictions against the results.
double mean_loss(const Samples& s, const std::vector<double>& w, double scale);
// The scale that fits the results best with weights w.
double fit_scale(const Samples& s, const std::vector<double>& w);
// Adam on the full batch, in a fixed order: the same samples give the same weights. The weights marked
// in `kept` stay as they are (at least one, the anchor that keeps the scale). With l2 above nothing, l2 times
// the squared distance from the starting weights is added to the loss, so that a weight seen in few positions
// does not run off on them.
void fit_weights(const Samples& s, std::vector<double>& w, double scale, const std::vector<bool>& kept,
                 int epochs, double rate, double l2 = 0);

} // namespace tune
