#include "core/moves.h"

#include <cstdlib>

namespace {

// The 40 ring cells clockwise from the top left corner: the top row, the right column, the bottom row
// backwards, the left column upwards.
struct RingCells {
    int x[40], y[40];
    constexpr RingCells() : x(), y() {
        int n = 0;
        for (int i = 1; i <= 10; ++i) x[n] = i, y[n++] = 1;
        for (int i = 1; i <= 10; ++i) x[n] = 11, y[n++] = i;
        for (int i = 11; i >= 2; --i) x[n] = i, y[n++] = 11;
        for (int i = 11; i >= 2; --i) x[n] = 1, y[n++] = i;
    }
};
constexpr RingCells RING;

} // namespace

void 駒移動(Kyokumen& pos, int fx, int fy, int tx, int ty, int p) {
    const int target = pos.BAN[tx][ty];
    if (target <= SITA_HU) {
        pos.UE_MOCHI_KEI += 1;
        駒取得(pos, target);
    } else if (target >= UE_HU) {
        pos.SITA_MOCHI_KEI += 1;
        駒取得(pos, target);
    }
    pos.BAN[tx][ty] = static_cast<Koma>(p);
    if (p == SITA_OU) {
        pos.SITA_OU_X = tx;
        pos.SITA_OU_Y = ty;
    }
    if (const HandSlot h = drop_slot(fx, fy); h.upper) {
        pos.UE_MOCHI_KEI -= 1;
        pos.UE_MOCHI[h.kind] -= 1;
    } else if (fx == 13) {
        pos.SITA_MOCHI_KEI -= 1;
        pos.SITA_MOCHI[h.kind] -= 1;
    } else {
        pos.BAN[fx][fy] = KARA;
    }
}

void 駒取得(Kyokumen& pos, int c) {
    if (c == UE_OU) {
        pos.SYOUSYA = pos.SITA_GAWA;
    } else if (c == SITA_OU) {
        pos.SYOUSYA = pos.UE_GAWA;
    } else if (c >= UE_HU && hand_kind(c) > 0) {
        pos.SITA_MOCHI[hand_kind(c)] += 1;
    } else if (c <= SITA_HU && hand_kind(c) > 0) {
        pos.UE_MOCHI[hand_kind(c)] += 1;
    }
}

int 調査_持駒数(const Kyokumen& pos, int side) {
    const int* hand = side == pos.SITA_GAWA ? pos.SITA_MOCHI : side == pos.UE_GAWA ? pos.UE_MOCHI : nullptr;
    if (!hand) return 0;
    int n = 0;
    for (int k = 1; k <= 7; ++k)
        if (hand[k] > 0) n += hand[k];
    return n;
}

int 調査_回転盤上駒数(const Kyokumen& pos, int side) {
    const bool lower = side == pos.SITA_GAWA;
    if (!lower && side != pos.UE_GAWA) return 0;
    int n = 0;
    for (int x = 1; x <= 11; ++x) {
        for (int y = 1; y <= 11; ++y) {
            if (!is_ring(x, y)) continue;
            if (lower ? pos.BAN[x][y] <= SITA_HU : pos.BAN[x][y] >= UE_HU) ++n;
        }
    }
    return n;
}

void 回転盤_左回転(Kyokumen& pos) {
    turn_ring(pos, -1);
}

void 回転盤_右回転(Kyokumen& pos) {
    turn_ring(pos, 1);
}

void 調査_移動結果(const Koma (&mae)[12][12], const Koma (&ato)[12][12], int& out_x, int& out_y,
                   int& out_piece) {
    for (int x = 1; x <= 11; ++x) {
        for (int y = 1; y <= 11; ++y) {
            const int now = ato[x][y];
            if (now != mae[x][y] && now != KARA) {
                out_x = x;
                out_y = y;
                out_piece = now;
                return;
            }
        }
    }
}

void turn_ring(Kyokumen& pos, int turns) {
    // Every plate moves `turns` cells along the ring: clockwise for a positive number.
    Koma old[40];
    for (int i = 0; i < 40; ++i) old[i] = pos.BAN[RING.x[i]][RING.y[i]];
    for (int i = 0; i < 40; ++i) {
        const int to = ((i + turns) % 40 + 40) % 40;
        pos.BAN[RING.x[to]][RING.y[to]] = old[i];
    }
}

Cell after_turns(Cell c, int turns) {
    if (turns == 0 || !is_ring(c.x, c.y)) return c;
    Kyokumen k;
    k.BAN[c.x][c.y] = UE_OU; // a marker
    turn_ring(k, turns);
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y)
            if (k.BAN[x][y] == UE_OU) return {x, y};
    return c;
}
