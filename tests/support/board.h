// Setting up positions for tests.
#pragma once

#include "support/names.h"
#include "core/state.h"

#include <initializer_list>

struct Placed {
    int x, y, code;
};

// An empty position: no pieces on the board, the ring or in the hands; no two-pawn flags; the kings'
// squares at their starting places.
inline void clear_position() {
    TAIKYOKU.pos = Kyokumen{};
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
