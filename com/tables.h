// The computer player's values: the influence tables of the survey (Seiryoku) and what the computer
// keeps from one turn to the next (ComKioku). Both start at zero, as the program has always had them.
#pragma once

#include "core/state.h"

using Tbl = std::int16_t[12][12];

// The influence survey (勢力調査) and the probes, indexed (x, y) like BAN. The survey resets rows and
// columns 1..11 of most tables each time it runs; row and column 0 and the tables marked "never reset"
// keep what they hold for as long as the value lives, so one Seiryoku serves a whole game.
struct Seiryoku {
    Tbl SITA_SEIRYOKU{}, UE_SEIRYOKU{}; // how many pieces of a side bear on a square
    Tbl SITA_MAMORI{}, UE_MAMORI{};     // lowest code among the defenders; 999 = none
    Tbl UE_MAMORI_X{}, UE_MAMORI_Y{};   // never reset
    Tbl SITA_NERAI{};                   // highest code among lower attackers; -999 = none
    Tbl SITA_NERAI_X{}, SITA_NERAI_Y{};
    Tbl UE_NERAI{};                 // lowest code among recorded upper attackers; 999 = none
    Tbl UE_NERAI_X{}, UE_NERAI_Y{}; // never reset
    Tbl SITA_OUTE{}, UE_OUTE{};     // check marks: 9 on a checker, 1 between slider and king
    Tbl NIGEMICHI{};                // escape squares of the lower king (調査_自王逃道)
    Tbl MOCHIKAKU_NERAI{};          // tactical probes
    Tbl SITA_IDOU_FUKA{};
    int UE_IDOU_FUKA_ARI = OFF;
};

// What the computer keeps between the preparation of its turn, the candidates and the move it makes:
// the best score so far, the "before" copies the evaluation compares with, and the chosen move.
struct ComKioku {
    double SAIKOU_HYOUKA = 0;
    Koma IDOU_KOMA = 0;
    int OU_KYORI_MAE = 0;
    int NIGEMICHI_SUU = 0;
    Koma BAN_HOZON[12][12] = {};
    int UE_MOCHI_KEI_MAE = 0;
    Tbl SITA_SEIRYOKU_MAE{}, UE_SEIRYOKU_MAE{}, UE_NERAI_X_MAE{}, UE_NERAI_Y_MAE{};
    int COM_TE_MOTO_X = 0, COM_TE_MOTO_Y = 0; // from-square; (-1, kind) for a drop
    int COM_TE_SAKI_X = 0, COM_TE_SAKI_Y = 0; // destination
    Koma COM_TE_KOMA_MAE = KARA;              // code of the piece before the move
    Koma COM_TE_KOMA_OKU = KARA;              // code placed on the destination (promoted or not)
    int KAITEN_UTI = OFF;                     // ON: the move was found on the ring after KAITEN_KAISUU turns
    int KAITEN_KAISUU = 0;
    int KAITEN_TANSAKU = OFF; // ON: the search turned (its copy of) the ring
};

// Reads a table at (x, y), giving `outside` for an index beyond 0..11 instead of reading past it.
inline int at(const Tbl& t, int x, int y, int outside = 0) {
    return (x < 0 || x > 11 || y < 0 || y > 11) ? outside : t[x][y];
}
inline int ban_at(const Kyokumen& k, int x, int y) {
    return (x < 0 || x > 11 || y < 0 || y > 11) ? KARA : k.BAN[x][y];
}
