// The one rule book: whether a move is legal, whether it may promote, where a pawn may not be dropped.
#pragma once

#include "core/state.h"

// Legal move of piece p from (fx, fy) to (tx, ty)? fx = 13 / -1 are the lower / upper hand boxes.
int 移動チェック(const Kyokumen& k, int fx, int fy, int tx, int ty, int p);
// Straight line with a clear path (the destination itself is not looked at).
int 移動チェック飛車(const Kyokumen& k, int fx, int fy, int tx, int ty);
// Diagonal with a clear path.
int 移動チェック角(const Kyokumen& k, int fx, int fy, int tx, int ty);
// May the move promote? When ON, nari holds the promoted code.
int 調査_駒成(int fx, int fy, int tx, int ty, int p, Koma& nari);
// Recomputes NIFU_SITA / NIFU_UE from the unpromoted pawns on the play area.
void 調査_2歩フラグ設定(Kyokumen& k);

constexpr bool is_hand_box(int x) {
    return x == 13 || x == -1;
}
