#include "engine/evaluate.h"

#include <algorithm>
#include <cstdlib>

namespace engine {

namespace detail {
const Weights* weights_in_use = &TUNED_WEIGHTS;
}

void set_weights(const Weights& w) {
    static Weights given;
    given = w;
    detail::weights_in_use = &given;
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
        const unsigned attacked_bits = attacked_around(p, p.king[s], 1 - s);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int x = kx[s] + dx, y = ky[s] + dy;
                if (x < 2 || x > 10 || y < 2 || y > 10) continue;
                const Koma c = p.b[sq(x, y)];
                if (attacked_bits >> ((dy + 1) * 3 + dx + 1) & 1)
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
