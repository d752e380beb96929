#include "tools/soak/shrink.h"

#include <algorithm>

namespace {

// The script without its chunk [from, to).
Lines without(const Lines& s, std::size_t from, std::size_t to) {
    Lines out(s.begin(), s.begin() + from);
    out.insert(out.end(), s.begin() + to, s.end());
    return out;
}

} // namespace

Lines shrink(const Lines& script, const std::function<bool(const Lines&)>& fails,
             std::chrono::steady_clock::duration budget) {
    const auto deadline = std::chrono::steady_clock::now() + budget;
    Lines best = script;
    std::size_t parts = 2;
    // ddmin, complements only: drop one of `parts` chunks at a time; on success keep the granularity,
    // otherwise split finer, until single lines cannot be dropped.
    while (best.size() >= 2 && std::chrono::steady_clock::now() < deadline) {
        parts = std::min(parts, best.size());
        const std::size_t chunk = (best.size() + parts - 1) / parts;
        bool dropped = false;
        for (std::size_t from = 0; from < best.size() && std::chrono::steady_clock::now() < deadline;) {
            const std::size_t to = std::min(from + chunk, best.size());
            Lines candidate = without(best, from, to);
            if (fails(candidate)) {
                best = std::move(candidate);
                dropped = true;
            } else {
                from = to;
            }
        }
        if (dropped) {
            parts = std::max<std::size_t>(parts - 1, 2);
        } else if (chunk == 1) {
            break;
        } else {
            parts *= 2;
        }
    }
    return best;
}
