// Readers of a position and its influence tables that never leave the 12 x 12 tables: outside them a
// cell is empty, a count 0 and a record its reset value. The evaluation reads squares beside its
// destination, which may lie past the ring.
#pragma once

#include "com/tables.h"

struct Yomi {
    Kyokumen& pos; // the evaluation's probes lift pieces and put them back
    Seiryoku& tb;

    int ban(int x, int y) const { return ban_at(pos, x, y); }
    int sita(int x, int y) const { return at(tb.SITA_SEIRYOKU, x, y); }
    int ue(int x, int y) const { return at(tb.UE_SEIRYOKU, x, y); }
    int sita_nerai(int x, int y) const { return at(tb.SITA_NERAI, x, y, -999); }
    // Lower pieces bear on the square.
    bool attacked(int x, int y) const { return sita(x, y) > 0; }
    // Upper pieces bear on the square.
    bool covered(int x, int y) const { return ue(x, y) > 0; }
};
