#include "core/moves.h"

#include "core/state.h"
#include "display/draw.h"
#include "platform/platform.h"
#include "sound/dslib.h"
#include "sound/effects.h"

namespace {

// Hand kind 1..7 of a piece code, promoted or not; 0 for a king or the empty cell.
int hand_kind(int c) {
    switch (c < 0 ? -c : c) {
    case 10:
    case 11:
        return 1;
    case 20:
    case 21:
        return 2;
    case 30:
    case 31:
        return 3;
    case 100:
    case 101:
        return 4;
    case 110:
    case 111:
        return 5;
    case 800:
    case 801:
        return 6;
    case 900:
    case 901:
        return 7;
    default:
        return 0;
    }
}

// After a turn of the ring: repaint, then the sound or, for an empty ring, the message.
void after_turn() {
    if (調査_回転盤上駒数(SITA_GAWA) + 調査_回転盤上駒数(UE_GAWA) == 0) {
        platform().message("まだコンベアにネタ（駒）が乗っていません", "");
    } else {
        dsPlay(OTO_KOMA);
    }
}

} // namespace

void 駒移動(int fx, int fy, int tx, int ty, int p) {
    const int target = BAN[tx][ty];
    if (target <= SITA_HU) {
        UE_MOCHI_KEI += 1;
        駒取得(target);
        描画_敵持盤();
    } else if (target >= UE_HU) {
        SITA_MOCHI_KEI += 1;
        駒取得(target);
        描画_自持盤();
    }
    描画_絵(KARA, fx, fy);
    描画_桝輪郭(0, fx, fy);
    BAN[tx][ty] = static_cast<Koma>(p);
    if (p == SITA_OU) {
        SITA_OU_X = tx;
        SITA_OU_Y = ty;
    }
    if (fx == -1) {
        UE_MOCHI_KEI -= 1;
        UE_MOCHI[fy] -= 1;
        描画_敵持盤();
    } else if (fx == 13) {
        SITA_MOCHI_KEI -= 1;
        SITA_MOCHI[fy - 2] -= 1;
        描画_自持盤();
    } else {
        BAN[fx][fy] = KARA;
    }
    描画_絵(p, tx, ty);
    描画_桝輪郭(0, tx, ty);
}

void 駒取得(int c) {
    if (c == UE_OU) {
        SYOUSYA = SITA_GAWA;
    } else if (c == SITA_OU) {
        SYOUSYA = UE_GAWA;
    } else if (c >= UE_HU && hand_kind(c) > 0) {
        SITA_MOCHI[hand_kind(c)] += 1;
    } else if (c <= SITA_HU && hand_kind(c) > 0) {
        UE_MOCHI[hand_kind(c)] += 1;
    }
}

int 調査_持駒数(int side) {
    const int* hand = side == SITA_GAWA ? SITA_MOCHI : side == UE_GAWA ? UE_MOCHI : nullptr;
    if (!hand) return 0;
    int n = 0;
    for (int k = 1; k <= 7; ++k)
        if (hand[k] > 0) n += hand[k];
    return n;
}

int 調査_回転盤上駒数(int side) {
    const bool lower = side == SITA_GAWA;
    if (!lower && side != UE_GAWA) return 0;
    int n = 0;
    for (int x = 1; x <= 11; ++x) {
        for (int y = 1; y <= 11; ++y) {
            if (!is_ring(x, y)) continue;
            if (lower ? BAN[x][y] <= SITA_HU : BAN[x][y] >= UE_HU) ++n;
        }
    }
    return n;
}

void 回転盤_左回転() {
    SENTAKU = 0;
    Koma old[12][12];
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) old[x][y] = BAN[x][y];
    for (int k = 1; k <= 10; ++k) {
        BAN[11 - k][1] = old[12 - k][1];
        BAN[1][k + 1] = old[1][k];
        BAN[k + 1][11] = old[k][11];
        BAN[11][11 - k] = old[11][12 - k];
    }
}

void 回転盤_右回転() {
    SENTAKU = 0;
    // Only the 40 ring cells move; keep a copy of the top and bottom rows and both side columns.
    Koma top[12], bottom[12], left[12], right[12];
    for (int i = 1; i <= 11; ++i) {
        top[i] = BAN[i][1];
        bottom[i] = BAN[i][11];
        left[i] = BAN[1][i];
        right[i] = BAN[11][i];
    }
    for (int k = 1; k <= 10; ++k) {
        BAN[k + 1][1] = top[k];
        BAN[11][k + 1] = right[k];
        BAN[11 - k][11] = bottom[12 - k];
        BAN[1][11 - k] = left[12 - k];
    }
}

void KAITEN_L_Click() {
    回転盤_左回転();
    描画_盤();
    after_turn();
}

void KAITEN_R_Click() {
    回転盤_右回転();
    描画_盤();
    platform().refresh();
    after_turn();
}
