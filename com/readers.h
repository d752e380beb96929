// Readers of BAN and the influence tables that never leave the 12 x 12 tables: outside them a cell is
// empty, a count 0 and a record its reset value. The evaluation reads squares beside its destination,
// which may lie past the ring.
#pragma once

#include "com/tables.h"

namespace yomi {

inline int ban(int x, int y) {
    return ban_at(x, y);
}
inline int sita(int x, int y) {
    return at(SITA_SEIRYOKU, x, y);
}
inline int ue(int x, int y) {
    return at(UE_SEIRYOKU, x, y);
}
inline int sita_nerai(int x, int y) {
    return at(SITA_NERAI, x, y, -999);
}
// Lower pieces bear on the square.
inline bool attacked(int x, int y) {
    return sita(x, y) > 0;
}
// Upper pieces bear on the square.
inline bool covered(int x, int y) {
    return ue(x, y) > 0;
}

} // namespace yomi
