// Stepping through the record: an entry put back on the board, and what follows from the position shown.

#include "kifu/navigate.h"

#include "core/rules.h"

void follow_shown_position(Kyokumen& k) {
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

void restore_entry(Kyokumen& k, const Kiroku& r, int n) {
    put_entry(k, r.entries[n]);
}
