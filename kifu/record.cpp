#include "kifu/record.h"

#include <string>

void 手順保存(int, int, int, int, int, int, double sita_mae, double sita_ato, double ue_mae, double ue_ato) {
    const int n = KIFU_NO;
    if (n < 0 || n > KIFU_MAX) return; // the callers refuse a move that would need more room
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) KIFU_BAN[n][x][y] = BAN[x][y];
    for (int k = 1; k <= 7; ++k) {
        KIFU_SITA_MOCHI[n][k] = SITA_MOCHI[k];
        KIFU_UE_MOCHI[n][k] = UE_MOCHI[k];
    }
    KIFU_SITA_JIKAN_MAE[n] = sita_mae;
    KIFU_SITA_JIKAN_ATO[n] = sita_ato;
    KIFU_UE_JIKAN_MAE[n] = ue_mae;
    KIFU_UE_JIKAN_ATO[n] = ue_ato;
    KIFU_TESUU = n;
}

std::string 変換_数字から文字(int value) {
    std::string s = std::to_string(value);
    if (s.size() == 1) return "0" + s;
    if (s.size() == 2) return s;
    return "";
}
