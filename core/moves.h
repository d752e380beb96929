// Carrying out moves, captures into the hands, and the conveyor ring.
#pragma once

void 駒移動(int fx, int fy, int tx, int ty, int p);
void 駒取得(int c);
int 調査_持駒数(int side);
int 調査_回転盤上駒数(int side);
void 回転盤_右回転();
void 回転盤_左回転();
void KAITEN_L_Click();
void KAITEN_R_Click();
