// The two scoring routines the board evaluation calls: 盤評価_COM危険座標 (weaknesses of the computer's
// position and lower pieces the move attacks, added to the score) and 盤評価_自角注意_COM (whether the
// moved piece could be forked by a lower bishop that also gives check, subtracted from the score).
#include "com/com.h"
#include "com/readers.h"
#include "core/rules.h"

#include <cstdlib>

namespace {

// Fork state of one scan: how many lower pieces the moved piece could take next, and the cheapest.
struct Fork {
    int n = 0;
    int v = 9999;
};

// One scan of the position after a candidate move, with the "before" copies of the turn.
struct Kiken : Yomi {
    const ComKioku& mem;

    bool holds_silver_or_gold() { return pos.SITA_MOCHI[4] > 0 || pos.SITA_MOCHI[5] > 0; }

    // Empty cell attacked by the human: next to the computer's king, or in the computer's camp.
    void empty_attacked(int x, int y, double& r) {
        const int s = tb.SITA_SEIRYOKU[x][y];
        if (std::abs(x - pos.UE_OU_X) < 2 && std::abs(y - pos.UE_OU_Y) < 2) {
            r -= 0.5 * s;
            if (tb.UE_SEIRYOKU[x][y] == 1 && s > 1) r -= 10;
            if (holds_silver_or_gold()) r -= 10;
        }
        if (y < 4) {
            if (tb.UE_SEIRYOKU[x][y] == 0) {
                r -= 0.1;
                if (調査_自守駒MAN_直進駒(pos, x, y) == ON) r -= 10;
            }
            if (ban(x, y + 1) == SITA_HU && s >= tb.UE_SEIRYOKU[x][y]) {
                r -= 30;
                if (調査_自守駒MAN_直進駒(pos, x, y + 1) == ON) r -= 70;
            }
        }
    }

    // Empty cell where a piece from the human's hand could be dropped: a lance skewer, a knight fork, a gold
    // or silver among big upper pieces, uncovered squares in the camp, a silver fork of two uncovered pieces.
    void empty_drops(int x, int y, double& r) {
        const int s = tb.SITA_SEIRYOKU[x][y];
        const int u = tb.UE_SEIRYOKU[x][y];
        if (pos.SITA_MOCHI[2] > 0 && y > 2 && pos.BAN[x][y - 1] > UE_KYOU && (s > 0 || u == 0)) {
            for (int v = y - 2; v >= 1; --v) {
                const int c = pos.BAN[x][v];
                if (c == KARA) continue;
                if (c > UE_KYOU) r = r - 100 - c / 2.0;
                break;
            }
        }
        if (pos.SITA_MOCHI[3] > 0 && (u == 0 || (tb.UE_NERAI[x][y] > 30 && s > 0)) && y > 2 && 1 < x &&
            x < 9 && pos.BAN[x - 1][y - 2] > UE_HU && pos.BAN[x + 1][y - 2] > UE_HU)
            r -= 20;
        if ((pos.SITA_MOCHI[5] > 0 || pos.SITA_MOCHI[4] > 0) && u <= 1) {
            const int around = 調査_周辺状況(pos, x, y); // asked once: both rules read the same answer
            if (around < -1) r -= 5;
            if (u == 0 && around < 0) {
                r -= 1;
                if (y < 4) r -= 10;
            }
        }
        if (u == 0) {
            if (y == 2 && pos.BAN[x][1] == UE_KEI) r -= 5;
            if (y < 4) r -= 0.1;
            if (pos.SITA_MOCHI[4] > 0 && 1 < x && x < 9 && 1 < y && y < 9) {
                if (pos.BAN[x - 1][y - 1] >= UE_HU && pos.BAN[x + 1][y + 1] >= UE_HU &&
                    tb.UE_SEIRYOKU[x - 1][y - 1] == 0 && tb.UE_SEIRYOKU[x + 1][y + 1] == 0)
                    r -= 20;
                if (pos.BAN[x + 1][y - 1] >= UE_HU && pos.BAN[x - 1][y + 1] >= UE_HU &&
                    tb.UE_SEIRYOKU[x + 1][y - 1] == 0 && tb.UE_SEIRYOKU[x - 1][y + 1] == 0)
                    r -= 20;
            }
        }
    }

    // Upper piece: the king on the top ring row, a pawn facing a rook, pieces attacked and badly defended
    // or not defended at all.
    void upper_piece(int x, int y, int c, double& r) {
        if (c == UE_OU && y == 1) {
            if (sita(x, 2) > 0) {
                r -= 50;
                if (sita(x, 2) >= ue(x, 2)) r -= 250;
                if (holds_silver_or_gold()) r -= 700;
            }
        }
        if (c == UE_HU && tb.SITA_NERAI[x][y] == SITA_SYA && pos.SITA_MOCHI[1] > 0 &&
            tb.SITA_SEIRYOKU[x][y] >= tb.UE_SEIRYOKU[x][y] && y < 9 && ue(x, y + 1) == 1)
            r -= 5;
        if (!(tb.SITA_SEIRYOKU[x][y] > 0)) return;

        const int ax = tb.SITA_NERAI_X[x][y];
        const int ay = tb.SITA_NERAI_Y[x][y];
        const int nerai = std::abs(tb.SITA_NERAI[x][y]);
        const bool pinned = at(tb.SITA_IDOU_FUKA, ax, ay) != 0;
        if (tb.UE_MAMORI[x][y] == UE_OU && (tb.SITA_SEIRYOKU[x][y] > 1 || c > nerai)) r -= 100;
        if (!pinned && c > nerai) r = r - c + nerai;
        if (tb.UE_SEIRYOKU[x][y] > 0 && !pinned) {
            if (tb.SITA_SEIRYOKU[x][y] > tb.UE_SEIRYOKU[x][y] && tb.UE_MAMORI[x][y] >= nerai) r -= c;
            if (y <= 3 && tb.UE_SEIRYOKU[x][y] == tb.SITA_SEIRYOKU[x][y] && ban(x, y + 1) != KARA &&
                調査_自守駒MAN_直進駒(pos, x, y + 1) == ON)
                r = r - c - std::abs(sita_nerai(x, y + 1));
        }
        if (tb.UE_SEIRYOKU[x][y] == 0) {
            r -= c;
            if (y <= 3) r -= 10;
            if (mem.BAN_HOZON[x][y] <= SITA_HU) r += std::abs(mem.BAN_HOZON[x][y]);
            if (y < 4 && (tb.SITA_NERAI[x][y] == SITA_HU || tb.SITA_NERAI[x][y] == SITA_KYOU)) r -= 20;
        }
    }

    // Lower piece: newly attacked by the move, a knight that could fork, a long piece on the computer king's
    // file, and the fork count of the moved piece.
    void lower_piece(int x, int y, int c, int m, int tx, int ty, double& r, Fork& fork) {
        if (mem.UE_SEIRYOKU_MAE[x][y] == 0 && tb.UE_SEIRYOKU[x][y] > 0) {
            if (c == SITA_KEI && y > 2 && sita(x, y - 1) == 0 &&
                (ban(x, y - 1) == UE_GIN || ban(x, y - 1) == UE_SYA_NARI || ban(x, y - 1) == UE_KAKU_NARI))
                r += 1;
            if (std::abs(x - pos.UE_OU_X) < 3 && std::abs(y - pos.UE_OU_Y) < 3) r += 15;
        }
        if (c == SITA_KEI && y >= 5 && ban(x, y - 4) >= UE_GIN) {
            if (x > 1 && (ban(x - 1, y - 2) == KARA || ban(x - 1, y - 2) >= UE_HU) && ue(x - 1, y - 2) == 0)
                r -= 1;
            if (x < 9 && (ban(x + 1, y - 2) == KARA || ban(x + 1, y - 2) >= UE_HU) && ue(x + 1, y - 2) == 0)
                r -= 1;
        }
        if ((c == SITA_SYA || c == SITA_SYA_NARI || c == SITA_KYOU) && x == pos.UE_OU_X) r -= 1;
        if (tb.SITA_SEIRYOKU[tx][ty] == 0) {
            if ((tb.SITA_SEIRYOKU[x][y] == 0 || (x == pos.SITA_OU_X && y == pos.SITA_OU_Y)) &&
                移動チェック(pos, tx, ty, x, y, m) == ON) {
                r += 0.1;
                fork.n = fork.n + 1;
                if (std::abs(c) < fork.v) fork.v = std::abs(c);
            }
        }
    }

    double run(int m, int tx, int ty) {
        double r = 0;
        Fork fork;
        for (int x = 1; x <= 11; ++x) {
            for (int y = 1; y <= 11; ++y) {
                const int c = pos.BAN[x][y];
                if (c == KARA) {
                    if (tb.SITA_SEIRYOKU[x][y] > 0) empty_attacked(x, y, r);
                    if (pos.SITA_MOCHI_KEI > 0) empty_drops(x, y, r);
                } else if (c >= UE_HU) {
                    upper_piece(x, y, c, r);
                } else if (c <= SITA_HU) {
                    lower_piece(x, y, c, m, tx, ty, r, fork);
                }
            }
        }
        if (fork.n > 1) r += fork.v;
        return r;
    }
};

} // namespace

double 盤評価_COM危険座標(Kyokumen& pos, Seiryoku& tb, const ComKioku& mem, int m, int tx, int ty) {
    return Kiken{{pos, tb}, mem}.run(m, tx, ty);
}

double 盤評価_自角注意_COM(const Kyokumen& pos, const Seiryoku& tb, int tx, int ty, int m) {
    // The first square from which a lower bishop would check the computer's king and that lies on a
    // bishop or horse line from the destination.
    int fi = 0, fj = 0;
    for (int i = 1; i <= 11 && fi == 0; ++i) {
        for (int j = 1; j <= 11; ++j) {
            if (tb.MOCHIKAKU_NERAI[i][j] == 1 && (移動チェック(pos, tx, ty, i, j, SITA_KAKU) == ON ||
                                                  移動チェック(pos, tx, ty, i, j, SITA_KAKU_NARI) == ON)) {
                fi = i;
                fj = j;
                break;
            }
        }
    }
    if (fi == 0) return 0;
    // A lower bishop or horse on the board, or one in hand, could go there.
    for (int a = 1; a <= 11; ++a) {
        for (int b = 1; b <= 11; ++b) {
            const int c = pos.BAN[a][b];
            if ((c == SITA_KAKU || c == SITA_KAKU_NARI) && 移動チェック(pos, a, b, fi, fj, c) == ON) return m;
        }
    }
    if (pos.SITA_MOCHI[6] > 0 && 移動チェック(pos, -1, 12, fi, fj, SITA_KAKU) == ON) return m;
    return 0;
}
