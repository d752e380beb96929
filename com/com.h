// The computer player's procedures.
#pragma once

#include "com/tables.h"

#include <cstdint>

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
extern int COM_TE_MOTO_X, COM_TE_MOTO_Y; // from-square; (-1, kind) for a drop
extern int COM_TE_SAKI_X, COM_TE_SAKI_Y; // destination
extern Koma COM_TE_KOMA_MAE;             // code of the piece before the move
extern Koma COM_TE_KOMA_OKU;             // code placed on the destination (promoted or not)
extern int KAITEN_UTI;                   // ON: the move was found on the ring after KAITEN_KAISUU turns
extern int KAITEN_KAISUU;
// LEVEL4's choice (the searching computer) into the same COM_TE_ variables; OFF when no legal move
// exists or the program is ending.
int com_探索_LEVEL4();
extern std::uint64_t LEVEL4_節点数; // LEVEL4's node budget a move (tests lower it to save time)
// The program is ending: a running LEVEL4 search gives up at once and com_ban makes no move.
void com_中止();
int com_中止済み();

// Levels and handicap.
void LEVEL1_Click();
void LEVEL2_Click();
void LEVEL3_Click();
void LEVEL4_Click();
void レベル_設定(int level);
void 描画_レベル(int level);
void 描画_ハンデレベル(int level);
void LBEL_UP_Click();
void LEBEL_DOWN_Click();
