// Stepping through the record: an entry put back on the board, and what follows from the position shown.

#include "kifu/navigate.h"

#include "com/com.h"
#include "com/mate.h"
#include "core/moves.h"
#include "core/rules.h"
#include "core/state.h"
#include "kifu/record.h"

void 調査_局面後設定() {
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) {
            if (BAN[x][y] == SITA_OU) {
                SITA_OU_X = x;
                SITA_OU_Y = y;
            } else if (BAN[x][y] == UE_OU) {
                UE_OU_X = x;
                UE_OU_Y = y;
            }
        }
    調査_2歩フラグ設定();
}

void 復元_棋譜局面(int n) {
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) BAN[x][y] = KIFU_BAN[n][x][y];
    for (int k = 1; k <= 7; ++k) {
        SITA_MOCHI[k] = KIFU_SITA_MOCHI[n][k];
        UE_MOCHI[k] = KIFU_UE_MOCHI[n][k];
    }
    SITA_MOCHI_KEI = 調査_持駒数(SITA_GAWA);
    UE_MOCHI_KEI = 調査_持駒数(UE_GAWA);
}

int 調査_終局(int mode) {
    bool sita_ou = false, ue_ou = false;
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) {
            sita_ou = sita_ou || BAN[x][y] == SITA_OU;
            ue_ou = ue_ou || BAN[x][y] == UE_OU;
        }
    if (!sita_ou) return UE_GAWA;
    if (!ue_ou) return SITA_GAWA;
    if (mode == MODE_MAN_COM && TEBAN == UE_GAWA) {
        勢力調査();
        if (詰めかCOM() == ON) return SITA_GAWA;
    }
    return 0;
}
