// Recording and making a move as the player input and the computer do, for record tests.
#pragma once

#include "control/play.h"
#include "core/state.h"
#include "kifu/record.h"
#include "support/names.h"

// A move; a drop is from (-1, kind) for the upper and (13, kind + 2) for the lower player, as 駒移動
// takes it.
struct Mv {
    int fx, fy, tx, ty;
};

// Stores the position at KIFU_NO with the mover's clock running `seconds`, makes the move and stores the
// position after it.
inline void record_and_move(Mv m, double seconds) {
    const HandSlot h = drop_slot(m.fx, m.fy);
    const int piece = h.kind == 0 ? BAN[m.fx][m.fy]
                      : h.upper   ? UE_KOMA_BY_KIND[h.kind]
                                  : SITA_KOMA_BY_KIND[h.kind];
    if (piece < 0) {
        手順保存(TAIKYOKU.kifu, TAIKYOKU.pos, TAIKYOKU.settei, m.fx, m.fy, m.tx, m.ty, piece, BAN[m.tx][m.ty],
                 SITA_JIKAN, SITA_JIKAN + seconds, UE_JIKAN, UE_JIKAN);
        SITA_JIKAN += seconds;
    } else {
        手順保存(TAIKYOKU.kifu, TAIKYOKU.pos, TAIKYOKU.settei, m.fx, m.fy, m.tx, m.ty, piece, BAN[m.tx][m.ty],
                 SITA_JIKAN, SITA_JIKAN, UE_JIKAN, UE_JIKAN + seconds);
        UE_JIKAN += seconds;
    }
    駒移動(m.fx, m.fy, m.tx, m.ty, piece);
    KIFU_NO += 1;
    store_after_move(TAIKYOKU.kifu, TAIKYOKU.pos);
    TESUU += 1;
}
