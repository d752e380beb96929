// The computer player's procedures.
#pragma once

#include "com/tables.h"

// Influence survey and its directional helpers.
void 勢力調査();
void 勢力確定上直進(int code, int x, int y);
void 勢力確定下直進(int code, int x, int y);
void 勢力確定右直進(int code, int x, int y);
void 勢力確定左直進(int code, int x, int y);
void 勢力確定自金(int code, int x, int y);
void 勢力確定敵金(int x, int y);
void 勢力確定自角(int x, int y);
void 勢力確定敵角(int code, int x, int y);

// Tactical probes.
int 調査_移動可場所数(int x, int y, int c);
int 調査_桂狙い(int x, int y);
int 調査_香狙い(int x, int y);
int 調査_周辺状況(int x, int y);
int 調査_自守駒MAN_直進駒(int x, int y);
void 調査_持角狙座標();
void 調査_移動不可駒();
void 調査_移動結果(int n, int& out_x, int& out_y, int& out_piece);

// Evaluation.
double 盤評価(int cap, int m, int fx, int fy, int tx, int ty);
double 盤評価_COM危険座標(int m, int tx, int ty);
double 盤評価_自角注意_COM(int tx, int ty, int m);

// The computer's turn.
void com_ban();
// The search of one turn: chooses the move into the COM_TE_ variables and returns ON, or OFF when no
// legal move exists. BAN, the ring and the hands are left exactly as they were; it draws nothing and
// does not wait (apart from the clock ticks).
void 探索_準備();
int com_探索();

// Levels and handicap.
void LEVEL1_Click();
void LEVEL2_Click();
void LEVEL3_Click();
void レベル_設定(int level);
void 描画_レベル(int level);
void 描画_ハンデレベル(int level);
void LBEL_UP_Click();
void LEBEL_DOWN_Click();
