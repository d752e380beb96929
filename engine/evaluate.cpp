#include "engine/evaluate.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace engine {

namespace detail {
const Weights* weights_in_use = &TUNED_WEIGHTS;
}

namespace {

// The squares within three of a king (its own only once it is taken), by distance.
constexpr int SQUARES_AT[KING_ZONE] = {1, 8, 16, 24};
constexpr int ZONE = 49;

// What lazy_evaluate needs of the weights: the least and the most a ring piece of each type can count,
// and how far the pressure and shield terms can move one side's score when it has n pieces besides its
// king on the play area.
struct LazyBounds {
    int ring_low[PIECE_TYPES], ring_high[PIECE_TYPES];
    int least[ZONE + 1], most[ZONE + 1];
};

LazyBounds bounds_of(const Weights& w) {
    using namespace weight;
    LazyBounds b{};
    const int turns_low = std::min(0, *std::min_element(&w[RING_TURNS], &w[RING_TURNS] + TURN_BUCKETS));
    const int turns_high = std::max(0, *std::max_element(&w[RING_TURNS], &w[RING_TURNS] + TURN_BUCKETS));
    for (int t = 0; t < PIECE_TYPES; ++t) {
        b.ring_low[t] = std::min(w[RING_BACK + t], w[RING_STUCK + t]) + turns_low;
        b.ring_high[t] = std::max(w[RING_BACK + t], w[RING_STUCK + t]) + turns_high;
    }
    int most = 0, least = 0;
    // A side's n pieces press on the enemy king and shield its own at most from the n best squares of
    // each zone, and at least from the n worst.
    for (int n = 0; n <= ZONE; ++n) {
        b.most[n] = most;
        b.least[n] = least;
    }
    for (int start : {PRESSURE, SHIELD}) {
        std::vector<int> highs, lows;
        for (int d = 0; d < KING_ZONE; ++d) {
            int high = 0, low = 0;
            for (int t = 0; t < PIECE_TYPES; ++t) {
                high = std::max(high, w[start + t * KING_ZONE + d]);
                low = std::min(low, w[start + t * KING_ZONE + d]);
            }
            highs.insert(highs.end(), SQUARES_AT[d], high);
            lows.insert(lows.end(), SQUARES_AT[d], low);
        }
        std::sort(highs.begin(), highs.end(), std::greater<int>());
        std::sort(lows.begin(), lows.end());
        for (int n = 1, high = 0, low = 0; n <= ZONE; ++n) {
            high += highs[n - 1];
            low += lows[n - 1];
            b.most[n] += high;
            b.least[n] += low;
        }
    }
    return b;
}

LazyBounds lazy_bounds = bounds_of(TUNED_WEIGHTS);

} // namespace

void set_weights(const Weights& w) {
    static Weights given;
    given = w;
    detail::weights_in_use = &given;
    lazy_bounds = bounds_of(given);
}

namespace {

// The least and the most side s's king safety can count, from what is cheap to know: the enemy's hand
// and how many enemy pieces stand on the play area. Up to nine squares at the king may be attacked.
void king_safety_range(const Position& p, int s, int& least, int& most) {
    using namespace weight;
    least = most = 0;
    if (p.king[s] < 0) return;
    const Weights& w = weights();
    int hand = 0, per_square = w[DANGER];
    for (int k = 1; k <= 7; ++k) {
        hand += p.hand[1 - s][k];
        per_square += w[DANGER_KIND + k - 1] * p.hand[1 - s][k];
    }
    per_square += w[DANGER_HAND] * std::min(hand, 6);
    const int near = std::min(p.pieces[1 - s], 24) * w[DANGER_ATTACKERS];
    for (int danger = 0; danger <= 9; ++danger) {
        const int fixed = per_square * danger + w[DANGER_SQUARED] * danger * danger;
        least = std::min({least, fixed, fixed + near * danger});
        most = std::max({most, fixed, fixed + near * danger});
    }
    least += std::min(0, w[ESCAPES]) * 8;
    most += std::max(0, w[ESCAPES]) * 8;
}

} // namespace

int lazy_evaluate(const Position& p, int& margin) {
    // In halves, so that the middle of a ring piece's range is exact.
    const int me = p.side;
    const LazyBounds& b = lazy_bounds;
    const int mine = std::min(p.pieces[me], ZONE), theirs = std::min(p.pieces[1 - me], ZONE);
    // The kings' surroundings lie between these, from the side to move's view.
    int safety_low[2], safety_high[2];
    for (int s = 0; s < 2; ++s) king_safety_range(p, s, safety_low[s], safety_high[s]);
    const int low = b.least[mine] - b.most[theirs] + safety_low[me] - safety_high[1 - me];
    const int high = b.most[mine] - b.least[theirs] + safety_high[me] - safety_low[1 - me];
    int twice = 2 * (p.material[me] - p.material[1 - me] + weights()[weight::TEMPO]) + low + high;
    int spread = high - low;
    for (int i = 0; i < RING; ++i) {
        const Koma c = p.b[RING_SQ[i]];
        if (c == KARA) continue;
        const int t = type_of(c);
        const int least = b.ring_low[t], most = b.ring_high[t];
        twice += side_of(c) == me ? least + most : -(least + most);
        spread += most - least;
    }
    // The halves rounded down lose at most one half, which the margin covers.
    margin = spread / 2 + 1;
    return twice >> 1;
}

namespace {

const char* const TYPE_NAMES[PIECE_TYPES] = {
    "pawn",   "tokin",           "lance", "promoted_lance",     "knight", "promoted_knight",
    "silver", "promoted_silver", "gold",  "gold_promoted_code", "bishop", "horse",
    "rook",   "dragon"};
const char* const KIND_NAMES[8] = {"", "pawn", "lance", "knight", "silver", "gold", "bishop", "rook"};
const char* const TURN_NAMES[TURN_BUCKETS] = {"0", "1", "2", "3", "4-5", "6-9", "10-19", "20-39"};

int turn_bucket(int turns) {
    return turns < 4 ? turns : turns < 6 ? 4 : turns < 10 ? 5 : turns < 20 ? 6 : 7;
}

// The evaluation's two uses of the same terms: summing weight times count per side, or counting.
struct Sum {
    const Weights& w;
    int side[2];
    void add(int s, int i, int count) { side[s] += w[i] * count; }
};
struct Count {
    std::vector<int>& f;
    void add(int s, int i, int count) { f[i] += s == LOWER ? count : -count; }
};

// The terms that depend on more than a piece and its square, which make and unmake do not keep.
template <class Terms> void positional(const Position& p, Terms& terms) {
    using namespace weight;
    int kx[2], ky[2];
    for (int s = 0; s < 2; ++s) {
        kx[s] = p.king[s] >= 0 ? sq_x(p.king[s]) : 6;
        ky[s] = p.king[s] >= 0 ? sq_y(p.king[s]) : 6;
    }
    // Pieces near the enemy king press on it; pieces near their own king shield it. Only the squares
    // within three of the kings are looked at.
    int near[2] = {0, 0}; // enemy pieces within two squares of each king
    for (int k = 0; k < 2; ++k) {
        for (int y = std::max(2, ky[k] - 3); y <= std::min(10, ky[k] + 3); ++y) {
            for (int x = std::max(2, kx[k] - 3); x <= std::min(10, kx[k] + 3); ++x) {
                const Koma c = p.b[sq(x, y)];
                const int t = type_of(c);
                if (c == KARA || t >= PIECE_TYPES) continue;
                const int me = side_of(c);
                const int dist = std::max(std::abs(x - kx[k]), std::abs(y - ky[k]));
                if (me != k) {
                    terms.add(me, PRESSURE + t * KING_ZONE + dist, 1);
                    if (dist <= 2) ++near[k];
                } else {
                    terms.add(me, SHIELD + t * KING_ZONE + dist, 1);
                }
            }
        }
    }
    // The ring: a piece counts by whether it can come back and by how many turns that takes.
    for (int i = 0; i < RING; ++i) {
        const Koma c = p.b[RING_SQ[i]];
        if (c == KARA) continue;
        const int t = type_of(c), me = side_of(c);
        const int turns = turns_to_come_back(p, c, i);
        terms.add(me, (turns >= 0 ? RING_BACK : RING_STUCK) + t, 1);
        if (turns >= 0) terms.add(me, RING_TURNS + turn_bucket(turns), 1);
    }
    // King safety: squares next to the king (and its own) that the enemy bears on, worse with pieces in
    // the enemy's hand and enemy pieces close by; and the squares the king may still step to.
    for (int s = 0; s < 2; ++s) {
        if (p.king[s] < 0) continue;
        int hand = 0;
        for (int k = 1; k <= 7; ++k) hand += p.hand[1 - s][k];
        int danger = 0, escapes = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int x = kx[s] + dx, y = ky[s] + dy;
                if (x < 2 || x > 10 || y < 2 || y > 10) continue;
                const Koma c = p.b[sq(x, y)];
                if (attacked(p, sq(x, y), 1 - s))
                    ++danger;
                else if ((dx != 0 || dy != 0) && (c == KARA || side_of(c) != s))
                    ++escapes;
            }
        terms.add(s, DANGER, danger);
        terms.add(s, DANGER_HAND, danger * std::min(hand, 6));
        terms.add(s, DANGER_SQUARED, danger * danger);
        for (int k = 1; k <= 7; ++k) terms.add(s, DANGER_KIND + k - 1, danger * p.hand[1 - s][k]);
        terms.add(s, DANGER_ATTACKERS, danger * near[s]);
        terms.add(s, ESCAPES, escapes);
    }
    terms.add(p.side, TEMPO, 1);
}

} // namespace

std::string weight_name(int i) {
    using namespace weight;
    const auto by_type = [](int j, int per) { return std::string(TYPE_NAMES[j / per]); };
    if (i < HAND) return "board." + by_type(i - BOARD, 1);
    if (i < SQUARE) return std::string("hand.") + KIND_NAMES[i - HAND + 1];
    if (i < PRESSURE) {
        const int j = i - SQUARE, s = j % SQUARES;
        return "square." + by_type(j, SQUARES) + ".c" + std::to_string(s % 9 + 1) + "r" +
               std::to_string(s / 9 + 1);
    }
    if (i < SHIELD)
        return "pressure." + by_type(i - PRESSURE, KING_ZONE) + ".d" +
               std::to_string((i - PRESSURE) % KING_ZONE);
    if (i < RING_BACK)
        return "shield." + by_type(i - SHIELD, KING_ZONE) + ".d" + std::to_string((i - SHIELD) % KING_ZONE);
    if (i < RING_STUCK) return "ring_back." + by_type(i - RING_BACK, 1);
    if (i < RING_TURNS) return "ring_stuck." + by_type(i - RING_STUCK, 1);
    if (i < DANGER) return std::string("ring_turns.") + TURN_NAMES[i - RING_TURNS];
    if (i == DANGER) return "danger";
    if (i == DANGER_HAND) return "danger_hand";
    if (i == DANGER_SQUARED) return "danger_squared";
    if (i < DANGER_ATTACKERS) return std::string("danger_hand.") + KIND_NAMES[i - DANGER_KIND + 1];
    if (i == DANGER_ATTACKERS) return "danger_attackers";
    if (i == ESCAPES) return "escapes";
    return "tempo";
}

int evaluate(const Position& p) {
    // The pieces' worth and squares are kept by make and unmake.
    Sum sum{weights(), {p.material[LOWER], p.material[UPPER]}};
    positional(p, sum);
    return sum.side[p.side] - sum.side[1 - p.side];
}

void features(const Position& p, std::vector<int>& out) {
    using namespace weight;
    out.assign(COUNT, 0);
    Count count{out};
    for (int y = 2; y <= 10; ++y)
        for (int x = 2; x <= 10; ++x) {
            const Koma c = p.b[sq(x, y)];
            const int t = type_of(c);
            if (c == KARA || t >= PIECE_TYPES) continue;
            count.add(side_of(c), BOARD + t, 1);
            count.add(side_of(c), SQUARE + t * SQUARES + own_square(sq(x, y), side_of(c)), 1);
        }
    for (int s = 0; s < 2; ++s)
        for (int k = 1; k <= 7; ++k) count.add(s, HAND + k - 1, p.hand[s][k]);
    positional(p, count);
}

} // namespace engine
