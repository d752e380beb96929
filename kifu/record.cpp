#include "kifu/record.h"

#include <string>

namespace {

void 保存(int n, double sita_mae, double sita_ato, double ue_mae, double ue_ato) {
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

} // namespace

void 手順保存(int, int, int, int, int, int, double sita_mae, double sita_ato, double ue_mae, double ue_ato) {
    const int n = KIFU_NO;
    if (n < 0 || n > KIFU_MAX) return; // the callers refuse a move that would need more room
    if (n == 0) KIFU_HANDE_LEVEL = HANDE_LEVEL;
    保存(n, sita_mae, sita_ato, ue_mae, ue_ato);
}

void 手順保存_着手後() {
    const int n = KIFU_NO;
    if (n < 1 || n > KIFU_MAX) return;
    // No move has been made from here yet: both clock pairs hold the clocks after the last move.
    const double sita = KIFU_SITA_JIKAN_ATO[n - 1], ue = KIFU_UE_JIKAN_ATO[n - 1];
    保存(n, sita, sita, ue, ue);
    KIFU_TAIKYOKU = ON;
}

bool 調査_棋譜満杯() {
    return KIFU_NO >= KIFU_MAX;
}

std::string 変換_数字から文字(int value) {
    std::string s = std::to_string(value);
    if (s.size() == 1) return "0" + s;
    if (s.size() == 2) return s;
    return "";
}
