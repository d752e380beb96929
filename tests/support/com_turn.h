// Positions for the computer's evaluation tests: an empty board to place pieces on, the preparation the
// computer's turn makes before its search (the "before" copies, escape squares, probes), and one
// candidate move made, surveyed, evaluated and taken back the way the search does it.
#pragma once

#include "com/com.h"
#include "com/mate.h"
#include "support/names.h"
#include "core/rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

namespace com_turn {

struct Piece {
    int x, y, code;
};

// No pieces on the board, the ring or in the hands; level 3; the tables and the computer's memory as at
// start-up.
inline void clear_position() {
    TAIKYOKU.pos = Kyokumen{};
    TAIKYOKU.tables = Seiryoku{};
    TAIKYOKU.com = ComKioku{};
    COM_LEVEL = 3;
}

inline void place(std::initializer_list<Piece> pieces) {
    for (const auto& p : pieces) BAN[p.x][p.y] = static_cast<Koma>(p.code);
}

inline void give_lower(int kind, int n = 1) {
    SITA_MOCHI[kind] += n;
    SITA_MOCHI_KEI += n;
}

inline void give_upper(int kind, int n = 1) {
    UE_MOCHI[kind] += n;
    UE_MOCHI_KEI += n;
}

// What the computer's turn does before it searches, after the survey that the human's move left behind.
inline void prepare_turn() {
    勢力調査();
    prepare_search();
}

// A board or ring move as a candidate of the search: `placed` is the code put on the destination
// (the promoted code when the promotion is tried; 0 for the piece as it is). The position is restored.
inline double evaluate_move(int fx, int fy, int tx, int ty, int placed = 0) {
    const Koma m0 = BAN[fx][fy];
    EXPECT_EQ(移動チェック(fx, fy, tx, ty, m0), ON) << "not a legal move of the test position";
    IDOU_KOMA = m0;
    OU_KYORI_MAE = std::max(std::abs(fx - SITA_OU_X), std::abs(fy - SITA_OU_Y));
    const Koma cap = BAN[tx][ty];
    const Koma m = static_cast<Koma>(placed != 0 ? placed : m0);
    BAN[fx][fy] = KARA;
    BAN[tx][ty] = m;
    勢力調査();
    const double score = 盤評価(cap, m, fx, fy, tx, ty);
    BAN[tx][ty] = cap;
    BAN[fx][fy] = m0;
    return score;
}

// A drop of hand kind k (1..7) as a candidate of the search; OU_KYORI_MAE keeps its value.
inline double evaluate_drop(int k, int tx, int ty) {
    const Koma piece = UE_KOMA_BY_KIND[k];
    EXPECT_EQ(移動チェック(-1, k, tx, ty, piece), ON) << "not a legal drop of the test position";
    IDOU_KOMA = piece;
    BAN[tx][ty] = piece;
    勢力調査();
    const double score = 盤評価(KARA, piece, -1, k, tx, ty);
    BAN[tx][ty] = KARA;
    return score;
}

} // namespace com_turn
