#include "core/rules.h"

#include <cstdlib>

namespace {

// Every cell strictly between (fx, fy) and (tx, ty) along a straight or diagonal line is empty.
bool path_clear(const Kyokumen& pos, int fx, int fy, int tx, int ty) {
    const int sx = (tx > fx) - (tx < fx);
    const int sy = (ty > fy) - (ty < fy);
    for (int x = fx + sx, y = fy + sy; x != tx || y != ty; x += sx, y += sy) {
        if (pos.BAN[x][y] != KARA) return false;
    }
    return true;
}

bool gold_step_lower(int dx, int dy) {
    return (std::abs(dx) <= 1 && (dy == -1 || dy == 0)) || (dx == 0 && dy == 1);
}
bool gold_step_upper(int dx, int dy) {
    return (std::abs(dx) <= 1 && (dy == 1 || dy == 0)) || (dx == 0 && dy == -1);
}

} // namespace

int 移動チェック(const Kyokumen& pos, int fx, int fy, int tx, int ty, int p) {
    // 1. The destination lies on the play area or the ring.
    if (tx < 1 || tx > 11 || ty < 1 || ty > 11) return OFF;
    // 2. It differs from the source.
    if (tx == fx && ty == fy) return OFF;
    const bool from_hand = is_hand_box(fx);
    // 3. Onto the ring: only by a piece's own move, never a king, and only onto an empty plate.
    if (is_ring(tx, ty)) {
        if (from_hand || p == SITA_OU || p == UE_OU || pos.BAN[tx][ty] != KARA) return OFF;
    }
    // 4. From the ring: onto an empty square of the play area only.
    if (!from_hand && is_ring(fx, fy)) {
        if (pos.BAN[tx][ty] != KARA || is_ring(tx, ty)) return OFF;
    }
    // 5. Never onto one of the mover's own pieces.
    if (is_upper(p)) {
        if (is_upper(pos.BAN[tx][ty])) return OFF;
    } else if (is_lower(pos.BAN[tx][ty])) {
        return OFF;
    }
    // 7. Drops: onto an empty cell, the two-pawn rule; pawn, lance and knight go on to step 8.
    if (from_hand) {
        if (pos.BAN[tx][ty] != KARA) return OFF;
        if (p == SITA_HU && pos.NIFU_SITA[tx] == 1) return OFF;
        if (p == UE_HU && pos.NIFU_UE[tx] == 1) return OFF;
        if (p != SITA_HU && p != UE_HU && p != SITA_KYOU && p != UE_KYOU && p != SITA_KEI && p != UE_KEI)
            return ON;
    }
    // 8. Movement by piece.
    const int dx = tx - fx;
    const int dy = ty - fy;
    switch (p) {
    case SITA_HU:
        if (fx == 13) return ON;
        return dx == 0 && dy == -1 ? ON : OFF;
    case UE_HU:
        if (fx <= 0) return ON;
        return dx == 0 && dy == 1 ? ON : OFF;
    case SITA_KYOU:
        if (from_hand) return ON;
        return dx == 0 && dy < 0 && path_clear(pos, fx, fy, tx, ty) ? ON : OFF;
    case UE_KYOU:
        if (fx == -1) return ON;
        return dx == 0 && dy > 0 && path_clear(pos, fx, fy, tx, ty) ? ON : OFF;
    case SITA_KEI:
        if (from_hand) return ON;
        return dy == -2 && (dx == 1 || dx == -1) ? ON : OFF;
    case UE_KEI:
        if (from_hand) return ON;
        return dy == 2 && (dx == 1 || dx == -1) ? ON : OFF;
    case SITA_GIN:
        return std::abs(dx) <= 1 && (dy == -1 || (dy == 1 && dx != 0)) ? ON : OFF;
    case UE_GIN:
        return std::abs(dx) <= 1 && (dy == 1 || (dy == -1 && dx != 0)) ? ON : OFF;
    case SITA_KIN:
    case SITA_KIN_NARI:
    case SITA_HU_NARI:
    case SITA_KYOU_NARI:
    case SITA_KEI_NARI:
    case SITA_GIN_NARI:
        return gold_step_lower(dx, dy) ? ON : OFF;
    case UE_KIN:
    case UE_KIN_NARI:
    case UE_HU_NARI:
    case UE_KYOU_NARI:
    case UE_KEI_NARI:
    case UE_GIN_NARI:
        return gold_step_upper(dx, dy) ? ON : OFF;
    case SITA_KAKU:
    case UE_KAKU:
        return 移動チェック角(pos, fx, fy, tx, ty);
    case SITA_KAKU_NARI:
    case UE_KAKU_NARI:
        if (std::abs(dx) <= 1 && std::abs(dy) <= 1) return ON;
        return 移動チェック角(pos, fx, fy, tx, ty);
    case SITA_SYA:
    case UE_SYA:
        return 移動チェック飛車(pos, fx, fy, tx, ty);
    case SITA_SYA_NARI:
    case UE_SYA_NARI:
        if (std::abs(dx) <= 1 && std::abs(dy) <= 1) return ON;
        return 移動チェック飛車(pos, fx, fy, tx, ty);
    case SITA_OU:
    case UE_OU:
        return std::abs(dx) <= 1 && std::abs(dy) <= 1 ? ON : OFF;
    default:
        return ON;
    }
}

int 移動チェック飛車(const Kyokumen& pos, int fx, int fy, int tx, int ty) {
    if (tx != fx && ty != fy) return OFF;
    return path_clear(pos, fx, fy, tx, ty) ? ON : OFF;
}

int 移動チェック角(const Kyokumen& pos, int fx, int fy, int tx, int ty) {
    if (std::abs(tx - fx) != std::abs(ty - fy)) return OFF;
    return path_clear(pos, fx, fy, tx, ty) ? ON : OFF;
}

int 調査_駒成(int fx, int fy, int, int ty, int p, Koma& nari) {
    if (is_hand_box(fx) || is_ring(fx, fy)) return OFF;
    bool may = false;
    switch (p) {
    case SITA_HU:
    case SITA_KYOU:
    case SITA_KEI:
        may = ty < 5;
        break;
    case SITA_GIN:
    case SITA_KAKU:
    case SITA_SYA:
        may = ty < 5 || fy < 5;
        break;
    case UE_HU:
    case UE_KYOU:
    case UE_KEI:
        may = ty > 7;
        break;
    case UE_GIN:
    case UE_KAKU:
    case UE_SYA:
        may = ty > 7 || fy > 7;
        break;
    default:
        break;
    }
    if (!may) return OFF;
    nari = static_cast<Koma>(p < 0 ? p - 1 : p + 1);
    return ON;
}

void 調査_2歩フラグ設定(Kyokumen& pos) {
    for (int x = 2; x <= 10; ++x) {
        pos.NIFU_SITA[x] = 0;
        pos.NIFU_UE[x] = 0;
        for (int y = 2; y <= 10; ++y) {
            if (pos.BAN[x][y] == SITA_HU) pos.NIFU_SITA[x] = 1;
            if (pos.BAN[x][y] == UE_HU) pos.NIFU_UE[x] = 1;
        }
    }
}
