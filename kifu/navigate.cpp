// Stepping through the record: an entry put back on the board, and what follows from the position shown.

#include "kifu/navigate.h"

#include "com/com.h"
#include "com/mate.h"
#include "core/moves.h"
#include "core/rules.h"

void 調査_局面後設定(Kyokumen& k) {
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) {
            if (k.BAN[x][y] == SITA_OU) {
                k.SITA_OU_X = x;
                k.SITA_OU_Y = y;
            } else if (k.BAN[x][y] == UE_OU) {
                k.UE_OU_X = x;
                k.UE_OU_Y = y;
            }
        }
    調査_2歩フラグ設定(k);
}

void 復元_棋譜局面(Kyokumen& k, const Kiroku& r, int n) {
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) k.BAN[x][y] = r.KIFU_BAN[n][x][y];
    for (int i = 1; i <= 7; ++i) {
        k.SITA_MOCHI[i] = r.KIFU_SITA_MOCHI[n][i];
        k.UE_MOCHI[i] = r.KIFU_UE_MOCHI[n][i];
    }
    k.SITA_MOCHI_KEI = 調査_持駒数(k, k.SITA_GAWA);
    k.UE_MOCHI_KEI = 調査_持駒数(k, k.UE_GAWA);
}

int 調査_終局(Kyokumen& k, Seiryoku& tb, int mode) {
    bool sita_ou = false, ue_ou = false;
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) {
            sita_ou = sita_ou || k.BAN[x][y] == SITA_OU;
            ue_ou = ue_ou || k.BAN[x][y] == UE_OU;
        }
    if (!sita_ou) return k.UE_GAWA;
    if (!ue_ou) return k.SITA_GAWA;
    if (mode == MODE_MAN_COM && k.TEBAN == k.UE_GAWA) {
        勢力調査(k, tb);
        if (詰めかCOM(k, tb) == ON) return k.SITA_GAWA;
    }
    return 0;
}
