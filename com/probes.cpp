// Tactical probes: small questions about the current position, most of them on the tables of
// the influence survey. The probes that lift a piece put BAN back exactly before they return. Reads
// that could leave the 12 x 12 tables go through at() / ban_at().
#include "com/com.h"

#include "core/rules.h"

#include <cstdlib>

namespace {

inline bool in_table(int x, int y) {
    return x >= 0 && x <= 11 && y >= 0 && y <= 11;
}

// The cheapest lower attacker is a bishop, horse, rook or dragon.
inline bool big_lower_attacker(const Seiryoku& tb, int x, int y) {
    const int n = at(tb.SITA_NERAI, x, y, -999);
    return n >= SITA_SYA_NARI && n <= SITA_KAKU;
}

inline bool lower_slider(int c) {
    return c == SITA_KYOU || c == SITA_KAKU || c == SITA_KAKU_NARI || c == SITA_SYA || c == SITA_SYA_NARI;
}
inline bool upper_slider(int c) {
    return c == UE_KYOU || c == UE_KAKU || c == UE_KAKU_NARI || c == UE_SYA || c == UE_SYA_NARI;
}

} // namespace

int 調査_移動可場所数(const Kyokumen& pos, const Seiryoku& tb, int x, int y, int c) {
    int count = 0;
    const Tbl& opponent = c >= UE_HU ? tb.SITA_SEIRYOKU : tb.UE_SEIRYOKU;
    for (int tx = 1; tx <= 11; ++tx)
        for (int ty = 1; ty <= 11; ++ty)
            if (opponent[tx][ty] == 0 && 移動チェック(pos, x, y, tx, ty, c) == ON) ++count; // both pure
    return count;
}

int 調査_桂狙い(const Kyokumen& pos, const Seiryoku& tb, int x, int y) {
    int score = 0;
    if (!(big_lower_attacker(tb, x, y) && y > 5)) return score;
    const int attacker_x = at(tb.SITA_NERAI_X, x, y);
    // Left pattern: a knight on (x-1, y-2) would fork (x, y) and the big piece on (x-2, y).
    if (x - 2 >= 2) {
        if (at(tb.SITA_SEIRYOKU, x - 1, y - 2) == 0 && ban_at(pos, x - 1, y - 2) == KARA &&
            ban_at(pos, x - 2, y) <= SITA_KAKU && attacker_x != x - 2)
            score += std::abs(ban_at(pos, x - 2, y));
    }
    // Right pattern.
    if (x + 2 <= 10) {
        if (at(tb.SITA_SEIRYOKU, x + 1, y - 2) == 0 && ban_at(pos, x + 1, y - 2) == KARA &&
            ban_at(pos, x + 2, y) <= SITA_KAKU && attacker_x != x + 2)
            score += std::abs(ban_at(pos, x + 2, y));
    }
    return score;
}

int 調査_香狙い(const Kyokumen& pos, const Seiryoku& tb, int x, int y) {
    int score = 0;
    if (!(y > 6 && at(tb.UE_SEIRYOKU, x, y - 1) > 0 && at(tb.SITA_SEIRYOKU, x, y - 1) == 0 &&
          big_lower_attacker(tb, x, y)))
        return score;
    for (int k = y + 1; k <= 9; ++k) {
        const int b = ban_at(pos, x, k);
        if (b == KARA) continue;
        if (移動チェック(pos, x, y, x, k, UE_KYOU) == ON) score += std::abs(b);
        break;
    }
    return score;
}

int 調査_周辺状況(const Kyokumen& pos, int x, int y) {
    int result = 0;
    for (int i = x - 1; i <= x + 1; ++i) {
        for (int j = y - 1; j <= y + 1; ++j) {
            if (i == x && j == y) continue;
            if (i < 2 || i > 10 || j < 2 || j > 10) continue;
            if (pos.BAN[i][j] >= UE_KAKU) --result;
        }
    }
    return result;
}

int 調査_自守駒MAN_直進駒(Kyokumen& pos, int x, int y) {
    int result = OFF;
    const bool lift = in_table(x, y);
    const Koma saved = lift ? pos.BAN[x][y] : static_cast<Koma>(KARA);
    if (lift) pos.BAN[x][y] = KARA;
    for (int i = y + 1; i <= 9; ++i) {
        const int b = ban_at(pos, x, i);
        if (b >= UE_HU) break;
        if (b == SITA_KYOU || b == SITA_SYA || b == SITA_SYA_NARI) {
            if (移動チェック(pos, x, i, x, y, b) == ON) result = ON;
            break;
        }
    }
    if (lift) pos.BAN[x][y] = saved;
    return result;
}

void 調査_持角狙座標(const Kyokumen& pos, Seiryoku& tb) {
    for (int x = 1; x <= 11; ++x) {
        for (int y = 1; y <= 11; ++y) {
            tb.MOCHIKAKU_NERAI[x][y] = 0;
            if (pos.BAN[x][y] == KARA && tb.UE_SEIRYOKU[x][y] == 0 &&
                移動チェック(pos, x, y, pos.UE_OU_X, pos.UE_OU_Y, SITA_KAKU) == ON)
                tb.MOCHIKAKU_NERAI[x][y] = 1;
        }
    }
}

void 調査_移動不可駒(Kyokumen& pos, Seiryoku& tb) {
    // The cells of the sliders that can pin, in the scan order x = 1..11 (outer), y = 1..11 (inner).
    // Lifting one piece never adds a slider; the lifted one is skipped below, as its cell is then empty.
    // Any hit gives the same mark, so checking only these cells is the scan of the text.
    int lower_n = 0, upper_n = 0;
    int lower_x[121], lower_y[121], upper_x[121], upper_y[121];
    for (int tx = 1; tx <= 11; ++tx) {
        for (int ty = 1; ty <= 11; ++ty) {
            const int c = pos.BAN[tx][ty];
            if (upper_slider(c)) {
                upper_x[upper_n] = tx;
                upper_y[upper_n++] = ty;
            } else if (lower_slider(c)) {
                lower_x[lower_n] = tx;
                lower_y[lower_n++] = ty;
            }
        }
    }

    tb.UE_IDOU_FUKA_ARI = OFF;
    for (int x = 1; x <= 11; ++x) {
        for (int y = 1; y <= 11; ++y) {
            tb.SITA_IDOU_FUKA[x][y] = 0;
            const Koma saved = pos.BAN[x][y];
            if (saved == KARA) continue;
            pos.BAN[x][y] = KARA;
            if (saved <= SITA_HU) {
                // Would an upper lance, bishop, horse, rook or dragon reach the lower king?
                for (int k = 0; k < upper_n; ++k) {
                    const int tx = upper_x[k], ty = upper_y[k];
                    if (tx == x && ty == y) continue;
                    if (移動チェック(pos, tx, ty, pos.SITA_OU_X, pos.SITA_OU_Y, pos.BAN[tx][ty]) == ON)
                        tb.SITA_IDOU_FUKA[x][y] = 1;
                }
            } else if (saved >= UE_HU) {
                for (int k = 0; k < lower_n; ++k) {
                    const int tx = lower_x[k], ty = lower_y[k];
                    if (tx == x && ty == y) continue;
                    if (移動チェック(pos, tx, ty, pos.UE_OU_X, pos.UE_OU_Y, pos.BAN[tx][ty]) == ON)
                        tb.UE_IDOU_FUKA_ARI = ON;
                }
            }
            pos.BAN[x][y] = saved;
        }
    }
}
