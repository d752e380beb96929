// What stepping through the record computes: an entry put back on a position, and what follows from
// the position shown.
#pragma once

#include "com/tables.h"
#include "kifu/record.h"

// Puts record entry n on the board and in both hands of k.
void 復元_棋譜局面(Kyokumen& k, const Kiroku& r, int n);
// The kings' squares and the two-pawn flags follow the position now shown, so the rule and mate
// checks that read them next see that position. A king that is not on the board keeps its square.
void 調査_局面後設定(Kyokumen& k);
// The winner of a game shown that has already ended (a king was taken, or in a game against the
// computer (MODE_MAN_COM) the human's last move mated it), or 0. The mate test surveys the position
// into tb, as the computer's turn would.
int 調査_終局(Kyokumen& k, Seiryoku& tb, int mode);
