// LEVEL4's evaluation: a sum of weights times features. Each feature counts something of the lower
// side less the same of the upper side (the upper side's pieces seen from its own side), so the sum is
// the score from the lower side's view; the weights are one table (eval_weights.cpp) that the tuner
// writes from the results of games.
#pragma once

#include "engine/position.h"

#include <array>
#include <string>
#include <vector>

namespace engine {

// Piece types that have a worth (pawn .. dragon; the king has none), squares of the play area, the
// distances to a king that count, and the buckets of ring turns.
constexpr int PIECE_TYPES = 14;
constexpr int SQUARES = 81;
constexpr int KING_ZONE = 4;
constexpr int TURN_BUCKETS = 8;

// Where each term's weights start in the table.
namespace weight {
constexpr int BOARD = 0;                                    // a piece on the play area, by type
constexpr int HAND = BOARD + PIECE_TYPES;                   // a piece in hand, by hand kind 1..7
constexpr int SQUARE = HAND + 7;                            // by type and square, from the owner's side
constexpr int PRESSURE = SQUARE + PIECE_TYPES * SQUARES;    // by type and distance to the enemy king
constexpr int SHIELD = PRESSURE + PIECE_TYPES * KING_ZONE;  // by type and distance to its own king
constexpr int RING_BACK = SHIELD + PIECE_TYPES * KING_ZONE; // on the ring, can come back
constexpr int RING_STUCK = RING_BACK + PIECE_TYPES;         // any other piece on the ring
constexpr int RING_TURNS = RING_STUCK + PIECE_TYPES;        // a ring piece by the turns it needs to come back
constexpr int DANGER = RING_TURNS + TURN_BUCKETS;           // squares at the king that the enemy bears on
constexpr int DANGER_HAND = DANGER + 1;                     // ... times the enemy's hand (at most six)
constexpr int DANGER_SQUARED = DANGER_HAND + 1;             // ... squared
constexpr int DANGER_KIND = DANGER_SQUARED + 1;             // ... times the enemy's hand of each kind
constexpr int DANGER_ATTACKERS = DANGER_KIND + 7;           // ... times enemy pieces within two squares
constexpr int ESCAPES = DANGER_ATTACKERS + 1;               // free squares next to the king
constexpr int TEMPO = ESCAPES + 1;                          // the side to move
constexpr int COUNT = TEMPO + 1;
} // namespace weight

using Weights = std::array<int, weight::COUNT>;

// The table the program plays with (eval_weights.cpp).
extern const Weights TUNED_WEIGHTS;
// Weights for the evaluation from now on (not while a search runs); positions set up before keep the
// material of the old ones.
void set_weights(const Weights& w);
// The name of weight i, for the tuner's report and the table's source.
std::string weight_name(int i);

namespace detail {
extern const Weights* weights_in_use;
}
inline const Weights& weights() {
    return *detail::weights_in_use;
}

// A play-area square as its owner sees it: 0..80, row by row from the far side.
inline int own_square(int s, int side) {
    const int i = (sq_x(s) - 2) + 9 * (sq_y(s) - 2);
    return side == LOWER ? i : SQUARES - 1 - i;
}

// What a piece on play-area square s adds to its side's score wherever the others stand: kept by make
// and unmake in Position::material.
inline int material_at(Koma c, int s) {
    const int t = type_of(c);
    if (t >= PIECE_TYPES) return 0;
    const Weights& w = weights();
    return w[weight::BOARD + t] + w[weight::SQUARE + t * SQUARES + own_square(s, side_of(c))];
}
inline int hand_worth(int kind) {
    return weights()[weight::HAND + kind - 1];
}

// The evaluation from the side to move's view.
int evaluate(const Position& p);
// Each weight's count in p (out is resized to weight::COUNT): the evaluation from the lower side's
// view is the sum of weight times count.
void features(const Position& p, std::vector<int>& out);

} // namespace engine
