// The game's own procedures for moves, kept by their names: the ring buttons and the computer's turn go
// through the game's flow (control/flow.h); 駒移動 carries a move out on the game and paints it, without
// a turn of the game.
#pragma once

void 駒移動(int fx, int fy, int tx, int ty, int p);
void KAITEN_L_Click();
void KAITEN_R_Click();
void com_ban();
// The computer's search on the game's position, tables and level, with the clock ticking.
int search_turn();
