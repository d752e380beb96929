// Setting up positions for tests.
#pragma once

#include "core/state.h"

#include <initializer_list>

struct Placed {
    int x, y, code;
};

// Empties the board, the ring and both hands, then places the given pieces.
inline void set_position(std::initializer_list<Placed> pieces) {
    for (auto& column : BAN)
        for (auto& cell : column) cell = KARA;
    for (int k = 0; k < 8; ++k) SITA_MOCHI[k] = UE_MOCHI[k] = 0;
    SITA_MOCHI_KEI = UE_MOCHI_KEI = 0;
    for (int x = 0; x < 12; ++x) NIFU_SITA[x] = NIFU_UE[x] = 0;
    for (const Placed& p : pieces) BAN[p.x][p.y] = static_cast<Koma>(p.code);
}
