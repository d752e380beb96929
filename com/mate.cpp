// Check and mate detection: the two mate tests on the tables of
// the influence survey, an upper piece reaching the lower king, and the lower king's escape squares.
#include "com/mate.h"

#include "com/com.h"
#include "core/rules.h"

#include <cstdlib>

namespace {

// Step 2 of both mate tests: can the check be blocked by a drop? Returns true when the test must go on
// to step 3 (an adjacent checker, or a between-square where a drop does not stop the check), false when
// the scan ends without that (the caller then answers OFF).
//   oute: the attacker's check marks; hand_pawns / hand_total: the defender's hand; block: the trial
//   piece (the defender's pawn); hand_x: the defender's hand box column for the two-pawn drop test.
bool drop_block_fails(Kyokumen& pos, const Tbl& oute, int kx, int ky, int hand_pawns, int hand_total,
                      int block, int hand_x) {
    for (int x = 2; x <= 10; ++x) {
        for (int y = 2; y <= 10; ++y) {
            const int mark = oute[x][y];
            if (mark == 9 && std::abs(x - kx) < 2 && std::abs(y - ky) < 2) return true;
            if (mark != 1) continue;
            // Is a drop on (x, y) possible? With only pawns in hand it must pass the pawn drop test
            // (two-pawn rule, on the flags as last computed) while the square is still empty.
            const bool possible =
                hand_pawns == hand_total ? 移動チェック(pos, hand_x, 0, x, y, block) == ON : true;
            if (possible) pos.BAN[x][y] = static_cast<Koma>(block);
            // Does any checking piece still reach the king? (When no trial piece was placed this finds the
            // checker that bears on (x, y) on its way to the king.)
            for (int x2 = 2; x2 <= 10; ++x2) {
                for (int y2 = 2; y2 <= 10; ++y2) {
                    if (oute[x2][y2] == 9 && 移動チェック(pos, x2, y2, kx, ky, pos.BAN[x2][y2]) == ON) {
                        if (possible) pos.BAN[x][y] = KARA;
                        return true;
                    }
                }
            }
            if (possible) pos.BAN[x][y] = KARA;
        }
    }
    return false;
}

} // namespace

int 詰めかCOM(Kyokumen& pos, Seiryoku& tb) {
    const int kx = pos.UE_OU_X;
    const int ky = pos.UE_OU_Y;
    // 1. Not in check.
    if (at(tb.SITA_SEIRYOKU, kx, ky) == 0) return OFF;
    // 2. Block by a drop.
    if (pos.UE_MOCHI_KEI > 0) {
        if (!drop_block_fails(pos, tb.SITA_OUTE, kx, ky, pos.UE_MOCHI[1], pos.UE_MOCHI_KEI, UE_HU, -1))
            return OFF;
    }
    // 3. King escape.
    for (int x = kx - 1; x <= kx + 1; ++x) {
        for (int y = ky - 1; y <= ky + 1; ++y) {
            if (x < 2 || x > 10 || y < 2 || y > 10) continue;
            if (移動チェック(pos, kx, ky, x, y, UE_OU) == ON && tb.SITA_SEIRYOKU[x][y] == 0) return OFF;
        }
    }
    // 4. Stopping the check with a move of another upper piece, judged by a trial survey. The trial
    //    surveys' tables are left behind, and the later candidates read SITA_OUTE as the last one left it.
    for (int x = 1; x <= 11; ++x) {
        for (int y = 1; y <= 11; ++y) {
            const int p = pos.BAN[x][y];
            if (p < UE_HU || p > UE_SYA_NARI) continue;
            for (int x3 = 2; x3 <= 10; ++x3) {
                for (int y3 = 2; y3 <= 10; ++y3) {
                    if (tb.SITA_OUTE[x3][y3] > 0 && 移動チェック(pos, x, y, x3, y3, pos.BAN[x][y]) == ON) {
                        const Koma moved = pos.BAN[x][y];
                        const Koma target = pos.BAN[x3][y3];
                        pos.BAN[x3][y3] = moved;
                        pos.BAN[x][y] = KARA;
                        勢力調査(pos, tb);
                        pos.BAN[x][y] = moved;
                        pos.BAN[x3][y3] = target;
                        if (at(tb.SITA_SEIRYOKU, kx, ky) == 0) return OFF;
                    }
                }
            }
        }
    }
    // 5.
    return ON;
}

int 詰めかMAN(Kyokumen& pos, const Seiryoku& tb) {
    const int kx = pos.SITA_OU_X;
    const int ky = pos.SITA_OU_Y;
    // 1. Not in check.
    if (at(tb.UE_SEIRYOKU, kx, ky) == 0) return OFF;
    // 2. Block by a drop.
    if (pos.SITA_MOCHI_KEI > 0) {
        if (!drop_block_fails(pos, tb.UE_OUTE, kx, ky, pos.SITA_MOCHI[1], pos.SITA_MOCHI_KEI, SITA_HU, 13))
            return OFF;
    }
    // 3. King escape.
    for (int x = kx - 1; x <= kx + 1; ++x) {
        for (int y = ky - 1; y <= ky + 1; ++y) {
            if (x < 2 || x > 10 || y < 2 || y > 10) continue;
            if (tb.UE_SEIRYOKU[x][y] == 0 && 移動チェック(pos, kx, ky, x, y, SITA_OU) == ON) return OFF;
        }
    }
    // 4. Stopping the check with a move of another lower piece, judged by 詰めかMAN_COM移動 on the trial
    //    board; the survey tables are not touched.
    for (int x = 1; x <= 11; ++x) {
        for (int y = 1; y <= 11; ++y) {
            const int p = pos.BAN[x][y];
            if (p < SITA_SYA_NARI || p > SITA_HU) continue;
            for (int x3 = 2; x3 <= 10; ++x3) {
                for (int y3 = 2; y3 <= 10; ++y3) {
                    if ((x3 != x || y3 != y) && tb.UE_OUTE[x3][y3] > 0 &&
                        移動チェック(pos, x, y, x3, y3, pos.BAN[x][y]) == ON) {
                        const Koma moved = pos.BAN[x][y];
                        const Koma target = pos.BAN[x3][y3];
                        pos.BAN[x3][y3] = moved;
                        pos.BAN[x][y] = KARA;
                        const int reaches = 詰めかMAN_COM移動(pos);
                        pos.BAN[x][y] = moved;
                        pos.BAN[x3][y3] = target;
                        if (reaches == OFF) return OFF;
                    }
                }
            }
        }
    }
    // 5.
    return ON;
}

int 詰めかMAN_COM移動(const Kyokumen& pos) {
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y)
            if (pos.BAN[x][y] >= UE_HU &&
                移動チェック(pos, x, y, pos.SITA_OU_X, pos.SITA_OU_Y, pos.BAN[x][y]) == ON)
                return ON;
    return OFF;
}

int 調査_自王逃道(const Kyokumen& pos, Seiryoku& tb) {
    const int kx = pos.SITA_OU_X;
    const int ky = pos.SITA_OU_Y;
    int count = 0;
    auto look = [&](int x, int y) {
        if (ban_at(pos, x, y) == KARA && at(tb.UE_SEIRYOKU, x, y) == 0) {
            if (x >= 0 && x <= 11 && y >= 0 && y <= 11) tb.NIGEMICHI[x][y] = 1;
            ++count;
        }
    };
    const bool up = ky > 2, down = ky<10, left = kx> 2, right = kx < 10;
    if (up) look(kx, ky - 1);
    if (up && left) look(kx - 1, ky - 1);
    if (up && right) look(kx + 1, ky - 1);
    if (down) look(kx, ky + 1);
    if (down && left) look(kx - 1, ky + 1);
    if (down && right) look(kx + 1, ky + 1);
    if (left) look(kx - 1, ky);
    if (right) look(kx + 1, ky);
    return count;
}
