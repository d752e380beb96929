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
// The ring turned `turns` cells, to the right when positive, to the left when negative.
void turn_ring(Kyokumen& k, int turns);
// Where what stands at cell c stands after the ring turns `turns` cells (to the right when positive,
// to the left when negative); a board cell stays where it is.
Cell after_turns(Cell c, int turns);
// The first cell, x outer and y inner, whose piece differs between two boards (empty cells skipped).
void 調査_移動結果(const Koma (&mae)[12][12], const Koma (&ato)[12][12], int& out_x, int& out_y,
                   int& out_piece);
