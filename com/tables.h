// The computer player's program-wide tables: the influence survey, the probes and the search state.
#pragma once

#include "core/state.h"

using Tbl = std::int16_t[12][12];

// Influence survey (勢力調査), indexed (x, y) like BAN.
extern Tbl SITA_SEIRYOKU, UE_SEIRYOKU; // how many pieces of a side bear on a square
extern Tbl SITA_MAMORI, UE_MAMORI;     // lowest code among the defenders; 999 = none
extern Tbl UE_MAMORI_X, UE_MAMORI_Y;   // never reset
extern Tbl SITA_NERAI;                 // highest code among lower attackers; -999 = none
extern Tbl SITA_NERAI_X, SITA_NERAI_Y;
extern Tbl UE_NERAI;               // lowest code among recorded upper attackers; 999 = none
extern Tbl UE_NERAI_X, UE_NERAI_Y; // never reset
extern Tbl SITA_OUTE, UE_OUTE;     // check marks: 9 on a checker, 1 between slider and king

// Escape squares of the lower king (調査_自王逃道).
extern Tbl NIGEMICHI;

// Tactical probes.
extern Tbl MOCHIKAKU_NERAI;
extern Tbl SITA_IDOU_FUKA;
extern int UE_IDOU_FUKA_ARI;

// The computer's turn (com_ban).
extern double SAIKOU_HYOUKA;
extern Koma IDOU_KOMA;
extern int OU_KYORI_MAE;
extern int NIGEMICHI_SUU;
extern Koma BAN_HOZON[12][12];
extern int UE_MOCHI_KEI_MAE;
extern Tbl SITA_SEIRYOKU_MAE, UE_SEIRYOKU_MAE, UE_NERAI_X_MAE, UE_NERAI_Y_MAE;

// Reads a table at (x, y), giving `outside` for an index beyond 0..11 instead of reading past it.
inline int at(const Tbl& t, int x, int y, int outside = 0) {
    return (x < 0 || x > 11 || y < 0 || y > 11) ? outside : t[x][y];
}
inline int ban_at(int x, int y) {
    return (x < 0 || x > 11 || y < 0 || y > 11) ? KARA : BAN[x][y];
}
