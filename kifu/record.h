// The game record: one snapshot of the whole position per record index 0..500.
#pragma once

#include "core/state.h"

#include <string>

constexpr int KIFU_MAX = 500;

extern Koma KIFU_BAN[KIFU_MAX + 1][12][12];
extern int KIFU_SITA_MOCHI[KIFU_MAX + 1][8];
extern int KIFU_UE_MOCHI[KIFU_MAX + 1][8];
extern double KIFU_SITA_JIKAN_MAE[KIFU_MAX + 1], KIFU_SITA_JIKAN_ATO[KIFU_MAX + 1];
extern double KIFU_UE_JIKAN_MAE[KIFU_MAX + 1], KIFU_UE_JIKAN_ATO[KIFU_MAX + 1];
extern int KIFU_NO;
extern int KIFU_TESUU;
extern std::string KIFU_GYOU;
// The handicap level of the game the record holds, taken when its entry 0 is stored.
extern int KIFU_HANDE_LEVEL;
// ON once a move has been played into the record; OFF while it holds only what a file gave.
extern int KIFU_TAIKYOKU;

// Stores the position before a move at KIFU_NO.
void 手順保存(int fx, int fy, int tx, int ty, int piece, int dest, double sita_mae, double sita_ato,
              double ue_mae, double ue_ato);
// Stores the position after the move just made at KIFU_NO (already advanced), with the clocks as the
// move left them, so that the record ends with the game's latest position.
void 手順保存_着手後();
// No room is left for another move: the record holds the position after its last one.
bool 調査_棋譜満杯();
std::string 変換_数字から文字(int value);
