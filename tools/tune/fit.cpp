#include "tools/tune/fit.h"

#include <algorithm>
#include <cmath>

namespace tune {

void Samples::add(const std::vector<int>& features, double r) {
    for (std::size_t i = 0; i < features.size(); ++i)
        if (features[i] != 0) {
            index.push_back(static_cast<std::uint16_t>(i));
            count.push_back(static_cast<std::int16_t>(features[i]));
        }
    start.push_back(static_cast<std::uint32_t>(index.size()));
    result.push_back(r);
}

namespace {

double evaluation(const Samples& s, std::size_t i, const std::vector<double>& w) {
    double e = 0;
    for (std::uint32_t j = s.start[i]; j < s.start[i + 1]; ++j) e += w[s.index[j]] * s.count[j];
    return e;
}

// log(1 + e^z) without overflow.
double softplus(double z) {
    return z > 0 ? z + std::log1p(std::exp(-z)) : std::log1p(std::exp(z));
}

} // namespace

double mean_loss(const Samples& s, const std::vector<double>& w, double scale) {
    if (s.size() == 0) return 0;
    double sum = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double z = scale * evaluation(s, i, w);
        sum += softplus(z) - s.result[i] * z;
    }
    return sum / static_cast<double>(s.size());
}

double fit_scale(const Samples& s, const std::vector<double>& w) {
    // The loss is convex in the scale: a golden-section search over its logarithm.
    double lo = std::log(1e-6), hi = std::log(0.1);
    const double g = (std::sqrt(5.0) - 1) / 2;
    double a = hi - g * (hi - lo), b = lo + g * (hi - lo);
    double fa = mean_loss(s, w, std::exp(a)), fb = mean_loss(s, w, std::exp(b));
    for (int i = 0; i < 80; ++i) {
        if (fa < fb) {
            hi = b;
            b = a;
            fb = fa;
            a = hi - g * (hi - lo);
            fa = mean_loss(s, w, std::exp(a));
        } else {
            lo = a;
            a = b;
            fa = fb;
            b = lo + g * (hi - lo);
            fb = mean_loss(s, w, std::exp(b));
        }
    }
    return std::exp((lo + hi) / 2);
}

void fit_weights(const Samples& s, std::vector<double>& w, double scale, const std::vector<bool>& kept,
                 int epochs, double rate, double l2) {
    const double beta1 = 0.9, beta2 = 0.999, eps = 1e-8;
    const std::vector<double> start = w;
    std::vector<double> m(w.size(), 0), v(w.size(), 0), grad(w.size());
    const double n = static_cast<double>(s.size());
    for (int epoch = 1; epoch <= epochs; ++epoch) {
        std::fill(grad.begin(), grad.end(), 0.0);
        for (std::size_t i = 0; i < s.size(); ++i) {
            // d loss / d evaluation = scale * (prediction - result)
            const double z = scale * evaluation(s, i, w);
            const double d = scale * (1 / (1 + std::exp(-z)) - s.result[i]) / n;
            for (std::uint32_t j = s.start[i]; j < s.start[i + 1]; ++j) grad[s.index[j]] += d * s.count[j];
        }
        const double c1 = 1 - std::pow(beta1, epoch), c2 = 1 - std::pow(beta2, epoch);
        for (std::size_t k = 0; k < w.size(); ++k) {
            if (kept[k]) continue;
            grad[k] += 2 * l2 * (w[k] - start[k]);
            m[k] = beta1 * m[k] + (1 - beta1) * grad[k];
            v[k] = beta2 * v[k] + (1 - beta2) * grad[k] * grad[k];
            w[k] -= rate * (m[k] / c1) / (std::sqrt(v[k] / c2) + eps);
        }
    }
}

} // namespace tune
