#include "kifu/record.h"

#include "core/moves.h"

RecordEntry entry_of(const Kyokumen& k) {
    RecordEntry e;
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) e.ban[x][y] = k.BAN[x][y];
    for (int i = 1; i <= 7; ++i) {
        e.sita_mochi[i] = k.SITA_MOCHI[i];
        e.ue_mochi[i] = k.UE_MOCHI[i];
    }
    return e;
}

void put_entry(Kyokumen& k, const RecordEntry& e) {
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) k.BAN[x][y] = e.ban[x][y];
    for (int i = 1; i <= 7; ++i) {
        k.SITA_MOCHI[i] = e.sita_mochi[i];
        k.UE_MOCHI[i] = e.ue_mochi[i];
    }
    k.SITA_MOCHI_KEI = 調査_持駒数(k, k.SITA_GAWA);
    k.UE_MOCHI_KEI = 調査_持駒数(k, k.UE_GAWA);
}

namespace {

void 保存(Kiroku& r, const Kyokumen& k, int n, double sita_mae, double sita_ato, double ue_mae,
          double ue_ato) {
    RecordEntry& e = r.entries[n];
    e = entry_of(k);
    e.sita_mae = sita_mae;
    e.sita_ato = sita_ato;
    e.ue_mae = ue_mae;
    e.ue_ato = ue_ato;
    r.KIFU_TESUU = n;
}

} // namespace

void 手順保存(Kiroku& r, const Kyokumen& k, const Settei& s, int, int, int, int, int, int, double sita_mae,
              double sita_ato, double ue_mae, double ue_ato) {
    const int n = r.KIFU_NO;
    if (n < 0 || n > KIFU_MAX) return; // the callers refuse a move that would need more room
    if (n == 0) {
        // The record starts here: at the handicap level played, from the start unless told otherwise.
        r.KIFU_HANDE_LEVEL = s.HANDE_LEVEL;
        r.starts_reversed = false;
    }
    保存(r, k, n, sita_mae, sita_ato, ue_mae, ue_ato);
}

void store_after_move(Kiroku& r, const Kyokumen& k) {
    const int n = r.KIFU_NO;
    if (n < 1 || n > KIFU_MAX) return;
    // No move has been made from here yet: both clock pairs hold the clocks after the last move.
    const double sita = r.entries[n - 1].sita_ato, ue = r.entries[n - 1].ue_ato;
    保存(r, k, n, sita, sita, ue, ue);
    r.KIFU_TAIKYOKU = ON;
}

bool record_full(const Kiroku& r) {
    return r.KIFU_NO >= KIFU_MAX;
}
