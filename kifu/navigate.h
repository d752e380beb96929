// What stepping through the record computes: an entry put back on a position, and what follows from
// the position shown.
#pragma once

#include "kifu/record.h"

// Puts record entry n on the board and in both hands of k.
void restore_entry(Kyokumen& k, const Kiroku& r, int n);
// The kings' squares and the two-pawn flags follow the position now shown, so the rule and mate
// checks that read them next see that position. A king that is not on the board keeps its square.
void follow_shown_position(Kyokumen& k);
