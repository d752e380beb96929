// Setting up positions for tests.
#pragma once

#include "core/state.h"

#include <initializer_list>

struct Placed {
    int x, y, code;
};

// An empty position: no pieces on the board, the ring or in the hands; no two-pawn flags; the kings'
// squares at their starting places.
inline void clear_position() {
    for (auto& column : BAN)
        for (auto& cell : column) cell = KARA;
    for (int k = 0; k < 8; ++k) SITA_MOCHI[k] = UE_MOCHI[k] = 0;
    SITA_MOCHI_KEI = UE_MOCHI_KEI = 0;
    for (int x = 0; x < 12; ++x) NIFU_SITA[x] = NIFU_UE[x] = 0;
    SITA_OU_X = 6, SITA_OU_Y = 10, UE_OU_X = 6, UE_OU_Y = 2;
}

// Puts pieces on the board as it stands.
inline void place(std::initializer_list<Placed> pieces) {
    for (const Placed& p : pieces) BAN[p.x][p.y] = static_cast<Koma>(p.code);
}

// An empty position with the given pieces.
inline void set_position(std::initializer_list<Placed> pieces) {
    clear_position();
    place(pieces);
}
