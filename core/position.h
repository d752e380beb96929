// The position as a value: the board with its conveyor ring, both hands, the side to move and what
// belongs with them. The rules (core/) and the computer (com/) work on a Kyokumen they are handed; the
// fields keep the names the program has always used for them.
#pragma once

#include <cstdint>

using Koma = std::int16_t; // a piece code; the sign is the owner, the magnitude the kind and value

// Flags and the empty value.
constexpr int ON = 1;
constexpr int OFF = 0;
constexpr int KARA = 0;

// Piece codes. Lower player (bottom of the screen) negative, upper player positive; promoted = one more
// in magnitude. The gold codes ±111 exist but no rule ever produces them.
constexpr Koma SITA_HU = -10, SITA_HU_NARI = -11;
constexpr Koma SITA_KYOU = -20, SITA_KYOU_NARI = -21;
constexpr Koma SITA_KEI = -30, SITA_KEI_NARI = -31;
constexpr Koma SITA_GIN = -100, SITA_GIN_NARI = -101;
constexpr Koma SITA_KIN = -110, SITA_KIN_NARI = -111;
constexpr Koma SITA_KAKU = -800, SITA_KAKU_NARI = -801;
constexpr Koma SITA_SYA = -900, SITA_SYA_NARI = -901;
constexpr Koma SITA_OU = -950;
constexpr Koma UE_HU = 10, UE_HU_NARI = 11;
constexpr Koma UE_KYOU = 20, UE_KYOU_NARI = 21;
constexpr Koma UE_KEI = 30, UE_KEI_NARI = 31;
constexpr Koma UE_GIN = 100, UE_GIN_NARI = 101;
constexpr Koma UE_KIN = 110, UE_KIN_NARI = 111;
constexpr Koma UE_KAKU = 800, UE_KAKU_NARI = 801;
constexpr Koma UE_SYA = 900, UE_SYA_NARI = 901;
constexpr Koma UE_OU = 950;

// Unpromoted lower and upper codes by hand kind 1..7 (pawn, lance, knight, silver, gold, bishop, rook).
constexpr Koma SITA_KOMA_BY_KIND[8] = {KARA,     SITA_HU,  SITA_KYOU, SITA_KEI,
                                       SITA_GIN, SITA_KIN, SITA_KAKU, SITA_SYA};
constexpr Koma UE_KOMA_BY_KIND[8] = {KARA, UE_HU, UE_KYOU, UE_KEI, UE_GIN, UE_KIN, UE_KAKU, UE_SYA};

// Side values and game modes.
constexpr int TE_SENTE = 1;
constexpr int TE_GOTE = -1;
constexpr int MODE_MAN_MAN = 0;
constexpr int MODE_MAN_COM = 1;
constexpr int SYOUSYA_HIKIWAKE = 2; // the game ended without a winner (the record was full)

// Background picture numbers (HAIKEI_NO).
constexpr int HAIKEI_MIDORI_NO = 2, HAIKEI_TATAMI_NO = 3, HAIKEI_TAKE_NO = 4, HAIKEI_UCHU_NO = 5,
              HAIKEI_RENGA_NO = 6;

// Screen grid in twips: cell (x, y) has its top-left corner at (BAN_X0 + x MASU_W, BAN_Y0 + y MASU_H).
constexpr int BAN_X0 = 1050;
constexpr int BAN_Y0 = 700;
constexpr int MASU_W = 570;
constexpr int MASU_H = 660;
constexpr int BAN_SIZE = 9;

// Palette colours used by name.
constexpr int SENTAKU_IRO = 12; // outline of the selected cell

// Hand kind 1..7 of a piece code, promoted or not; 0 for a king or the empty cell.
constexpr int hand_kind(int c) {
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

struct Kyokumen {
    // The board: x, y = 0..11; play area 2..10, the conveyor ring the cells with x or y equal to 1 or 11.
    Koma BAN[12][12] = {};
    int TEBAN = 0;          // side to move; 0 before a game is started
    int SITA_GAWA = -1;     // side value of the lower player
    int UE_GAWA = 1;        // side value of the upper player
    int SITA_MOCHI[8] = {}; // pieces in hand by kind 1..7
    int UE_MOCHI[8] = {};
    int SITA_MOCHI_KEI = 0; // totals in hand
    int UE_MOCHI_KEI = 0;
    int SITA_OU_X = 6, SITA_OU_Y = 10; // the kings' squares as the last survey or move left them
    int UE_OU_X = 6, UE_OU_Y = 2;
    int NIFU_SITA[12] = {}; // 1 on a file with an unpromoted lower pawn (調査_2歩フラグ設定)
    int NIFU_UE[12] = {};
    int SYOUSYA = 0; // the winner's side value once a king is taken; 0 while the game goes on

    bool operator==(const Kyokumen&) const = default;
};

// Ownership by range: the empty cell belongs to neither side.
constexpr bool is_lower(int c) {
    return c <= SITA_HU;
}
constexpr bool is_upper(int c) {
    return c >= UE_HU;
}

// True for the 40 conveyor cells (x or y equal to 1 or 11).
constexpr bool is_ring(int x, int y) {
    return x == 1 || x == 11 || y == 1 || y == 11;
}

// A cell of the screen's grid as clicks and moves name it: the board with its ring (x, y = 1..11), or a
// row of a hand box (column 13 the lower player's, column -1 the upper player's).
struct Cell {
    int x = 0, y = 0;
    bool operator==(const Cell&) const = default;
};

// A slot of a hand: whose hand, and the kind 1..7 it holds (0: no slot).
struct HandSlot {
    bool upper = false;
    int kind = 0;
    bool operator==(const HandSlot&) const = default;
};

// The hand boxes' rows: the lower player's kinds 1..7 stand in rows 3..9 of column 13, the upper
// player's in rows 7..1 of column -1. The slot shown at a cell; kind 0 for any other cell.
constexpr HandSlot hand_slot_at(Cell c) {
    if (c.x == 13 && c.y >= 3 && c.y <= 9) return {false, c.y - 2};
    if (c.x == -1 && c.y >= 1 && c.y <= 7) return {true, 8 - c.y};
    return {};
}
// The hand-box cell that shows a slot.
constexpr Cell hand_cell(HandSlot h) {
    return h.upper ? Cell{-1, 8 - h.kind} : Cell{13, h.kind + 2};
}

// A drop's source as the moves give it (駒移動, the computer's chosen move): the lower hand as its box
// cell, the upper hand as column -1 with the kind itself.
constexpr Cell drop_source(HandSlot h) {
    return h.upper ? Cell{-1, h.kind} : hand_cell(h);
}
// The slot a drop's source names; kind 0 when (fx, fy) is no hand.
constexpr HandSlot drop_slot(int fx, int fy) {
    if (fx == -1) return {true, fy};
    return fx == 13 ? hand_slot_at({fx, fy}) : HandSlot{};
}
