// The game record: one snapshot of the whole position per record index 0..500.
#pragma once

#include "com/com.h"
#include "core/state.h"

#include <string>

constexpr int KIFU_MAX = 500;

// The record of one game (Kiroku).
struct Kiroku {
    Koma KIFU_BAN[KIFU_MAX + 1][12][12] = {};
    int KIFU_SITA_MOCHI[KIFU_MAX + 1][8] = {};
    int KIFU_UE_MOCHI[KIFU_MAX + 1][8] = {};
    double KIFU_SITA_JIKAN_MAE[KIFU_MAX + 1] = {}, KIFU_SITA_JIKAN_ATO[KIFU_MAX + 1] = {};
    double KIFU_UE_JIKAN_MAE[KIFU_MAX + 1] = {}, KIFU_UE_JIKAN_ATO[KIFU_MAX + 1] = {};
    int KIFU_NO = 0;
    int KIFU_TESUU = 0;
    std::string KIFU_GYOU;
    // The handicap level of the game the record holds, taken when its entry 0 is stored.
    int KIFU_HANDE_LEVEL = 0;
    // ON once a move has been played into the record; OFF while it holds only what a file gave.
    int KIFU_TAIKYOKU = OFF;
};

// The program-wide names of the record (see core/state.h).
extern Koma (&KIFU_BAN)[KIFU_MAX + 1][12][12];
extern int (&KIFU_SITA_MOCHI)[KIFU_MAX + 1][8];
extern int (&KIFU_UE_MOCHI)[KIFU_MAX + 1][8];
extern double (&KIFU_SITA_JIKAN_MAE)[KIFU_MAX + 1], (&KIFU_SITA_JIKAN_ATO)[KIFU_MAX + 1];
extern double (&KIFU_UE_JIKAN_MAE)[KIFU_MAX + 1], (&KIFU_UE_JIKAN_ATO)[KIFU_MAX + 1];
extern int& KIFU_NO;
extern int& KIFU_TESUU;
extern std::string& KIFU_GYOU;
extern int& KIFU_HANDE_LEVEL;
extern int& KIFU_TAIKYOKU;

// Stores the position before a move at KIFU_NO.
void 手順保存(int fx, int fy, int tx, int ty, int piece, int dest, double sita_mae, double sita_ato,
              double ue_mae, double ue_ato);
// Stores the position after the move just made at KIFU_NO (already advanced), with the clocks as the
// move left them, so that the record ends with the game's latest position.
void 手順保存_着手後();
// No room is left for another move: the record holds the position after its last one.
bool 調査_棋譜満杯();
std::string 変換_数字から文字(int value);

// The cell the move of record index n (1..500) went to and the code standing there, from the boards
// before and after it; nothing is written for any other n.
inline void 調査_移動結果(int n, int& out_x, int& out_y, int& out_piece) {
    if (n < 1 || n > KIFU_MAX) return;
    調査_移動結果(KIFU_BAN[n - 1], KIFU_BAN[n], out_x, out_y, out_piece);
}
