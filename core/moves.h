// Carrying out moves, captures into the hands, and the conveyor ring, on a position handed in. They
// change the position only; control/play.h carries a move out on the game where it is seen and heard.
#pragma once

#include "core/state.h"

void 駒移動(Kyokumen& k, int fx, int fy, int tx, int ty, int p);
void 駒取得(Kyokumen& k, int c);
int 調査_持駒数(const Kyokumen& k, int side);
int 調査_回転盤上駒数(const Kyokumen& k, int side);
void 回転盤_右回転(Kyokumen& k);
void 回転盤_左回転(Kyokumen& k);
