#include "kifu/record.h"

#include <string>

namespace {

void 保存(Kiroku& r, const Kyokumen& k, int n, double sita_mae, double sita_ato, double ue_mae,
          double ue_ato) {
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) r.KIFU_BAN[n][x][y] = k.BAN[x][y];
    for (int i = 1; i <= 7; ++i) {
        r.KIFU_SITA_MOCHI[n][i] = k.SITA_MOCHI[i];
        r.KIFU_UE_MOCHI[n][i] = k.UE_MOCHI[i];
    }
    r.KIFU_SITA_JIKAN_MAE[n] = sita_mae;
    r.KIFU_SITA_JIKAN_ATO[n] = sita_ato;
    r.KIFU_UE_JIKAN_MAE[n] = ue_mae;
    r.KIFU_UE_JIKAN_ATO[n] = ue_ato;
    r.KIFU_TESUU = n;
}

} // namespace

void 手順保存(Kiroku& r, const Kyokumen& k, const Settei& s, int, int, int, int, int, int, double sita_mae,
              double sita_ato, double ue_mae, double ue_ato) {
    const int n = r.KIFU_NO;
    if (n < 0 || n > KIFU_MAX) return; // the callers refuse a move that would need more room
    if (n == 0) r.KIFU_HANDE_LEVEL = s.HANDE_LEVEL;
    保存(r, k, n, sita_mae, sita_ato, ue_mae, ue_ato);
}

void 手順保存_着手後(Kiroku& r, const Kyokumen& k) {
    const int n = r.KIFU_NO;
    if (n < 1 || n > KIFU_MAX) return;
    // No move has been made from here yet: both clock pairs hold the clocks after the last move.
    const double sita = r.KIFU_SITA_JIKAN_ATO[n - 1], ue = r.KIFU_UE_JIKAN_ATO[n - 1];
    保存(r, k, n, sita, sita, ue, ue);
    r.KIFU_TAIKYOKU = ON;
}

bool 調査_棋譜満杯(const Kiroku& r) {
    return r.KIFU_NO >= KIFU_MAX;
}

std::string 変換_数字から文字(int value) {
    std::string s = std::to_string(value);
    if (s.size() == 1) return "0" + s;
    if (s.size() == 2) return s;
    return "";
}
