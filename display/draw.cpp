#include "display/draw.h"
#include "display/levels.h"

#include "core/state.h"
#include "display/texts.h"
#include "platform/platform.h"

#include <cmath>

namespace {

// The picture of each code on a board square and on a conveyor plate (Pic::None: no plate face).
struct Faces {
    int code;
    Pic board, ring;
};
constexpr Faces kFaces[] = {
    {KARA, Pic::KARA_MASU, Pic::KARA_MASU_K},
    {SITA_HU, Pic::SITA_HU_0, Pic::SITA_HU_K0},
    {SITA_HU_NARI, Pic::SITA_HU_1, Pic::SITA_HU_K1},
    {SITA_KYOU, Pic::SITA_KYOU_0, Pic::SITA_KYOU_K0},
    {SITA_KYOU_NARI, Pic::SITA_KYOU_1, Pic::SITA_KYOU_K1},
    {SITA_KEI, Pic::SITA_KEI_0, Pic::SITA_KEI_K0},
    {SITA_KEI_NARI, Pic::SITA_KEI_1, Pic::SITA_KEI_K1},
    {SITA_GIN, Pic::SITA_GIN_0, Pic::SITA_GIN_K0},
    {SITA_GIN_NARI, Pic::SITA_GIN_1, Pic::SITA_GIN_K1},
    {SITA_KIN, Pic::SITA_KIN, Pic::SITA_KIN_K},
    {SITA_KAKU, Pic::SITA_KAKU_0, Pic::SITA_KAKU_K0},
    {SITA_KAKU_NARI, Pic::SITA_KAKU_1, Pic::SITA_KAKU_K1},
    {SITA_SYA, Pic::SITA_SYA_0, Pic::SITA_SYA_K0},
    {SITA_SYA_NARI, Pic::SITA_SYA_1, Pic::SITA_SYA_K1},
    {SITA_OU, Pic::SITA_OU, Pic::None},
    {UE_HU, Pic::UE_HU_0, Pic::UE_HU_K0},
    {UE_HU_NARI, Pic::UE_HU_1, Pic::UE_HU_K1},
    {UE_KYOU, Pic::UE_KYOU_0, Pic::UE_KYOU_K0},
    {UE_KYOU_NARI, Pic::UE_KYOU_1, Pic::UE_KYOU_K1},
    {UE_KEI, Pic::UE_KEI_0, Pic::UE_KEI_K0},
    {UE_KEI_NARI, Pic::UE_KEI_1, Pic::UE_KEI_K1},
    {UE_GIN, Pic::UE_GIN_0, Pic::UE_GIN_K0},
    {UE_GIN_NARI, Pic::UE_GIN_1, Pic::UE_GIN_K1},
    {UE_KIN, Pic::UE_KIN, Pic::UE_KIN_K},
    {UE_KAKU, Pic::UE_KAKU_0, Pic::UE_KAKU_K0},
    {UE_KAKU_NARI, Pic::UE_KAKU_1, Pic::UE_KAKU_K1},
    {UE_SYA, Pic::UE_SYA_0, Pic::UE_SYA_K0},
    {UE_SYA_NARI, Pic::UE_SYA_1, Pic::UE_SYA_K1},
    {UE_OU, Pic::UE_OU, Pic::None},
    {1, Pic::RUZIVUVOD, Pic::None},
    {2, Pic::HAIKEI_MIDORI, Pic::None},
    {3, Pic::HAIKEI_TATAMI, Pic::None},
    {4, Pic::HAIKEI_TAKE, Pic::None},
    {5, Pic::HAIKEI_UCHU, Pic::None},
    {6, Pic::HAIKEI_RENGA, Pic::None},
};

const Faces* faces(int code) {
    for (const Faces& f : kFaces)
        if (f.code == code) return &f;
    return nullptr;
}

bool g_turned = false; // 盤面を回転

// The cell (x, y) when both are whole numbers.
bool whole_cell(double x, double y, Cell& c) {
    if (x != std::floor(x) || y != std::floor(y)) return false;
    c = {static_cast<int>(x), static_cast<int>(y)};
    return true;
}

// One row of a hand box: the square at the game's hand cell (x, y) with the piece, and its count in the
// screen's column right of where the row is shown. The count of the box left of the board reaches into
// the ring's column, whose cell is painted again over it.
void paint_hand_row(const Kyokumen& k, const Settei& s, int x, int y, Koma piece, int count) {
    const Cell shown = view_cell({x, y});
    描画_絵(KARA, x, y);
    描画_絵(s.HAIKEI_NO, shown.x + 1, shown.y);
    描画_桝輪郭(s.WAKU_IRO, x, y);
    if (count > 0) {
        描画_絵(piece, x, y);
        描画_桝輪郭(s.WAKU_IRO, x, y);
        描画_数値(shown.x + 1 + 0.1, shown.y + 0.3, count, 0, 0, 14); // the shadow, then the count
        描画_数値(shown.x + 1, shown.y + 0.2, count, 12, 0, 14);
    }
    if (shown.x == -1) repaint_shown_cell(k, s.WAKU_IRO, 1, shown.y);
}

} // namespace

Pic picture_for(int code, double x, double y) {
    const bool plate_code = (code >= -901 && code <= 0) || (code >= 10 && code <= 901);
    const bool ring_cell = (x == 1 || y == 1 || x == 11 || y == 11) && x >= 1;
    const Faces* f = faces(code);
    if (!f) return Pic::None;
    return plate_code && ring_cell ? f->ring : f->board;
}

void 待機_秒(double seconds) {
    platform().clock().wait(seconds);
}

void set_view_turned(bool turned) {
    g_turned = turned;
}

bool view_turned() {
    return g_turned;
}

Cell view_cell(Cell c) {
    if (!g_turned) return c;
    if (c.x >= 1 && c.x <= 11 && c.y >= 1 && c.y <= 11) return {12 - c.x, 12 - c.y};
    // The lower hand's rows 3..9 and the upper hand's rows 7..1 hold the kinds in the same order.
    if (c.x == 13 && c.y >= 3 && c.y <= 9) return {-1, 10 - c.y};
    if (c.x == -1 && c.y >= 1 && c.y <= 7) return {13, 10 - c.y};
    return c;
}

void 描画_絵(int code, double x, double y) {
    if (Cell c; g_turned && whole_cell(x, y, c) && view_cell(c) != c) {
        c = view_cell(c);
        x = c.x;
        y = c.y;
        if (code <= SITA_HU || code >= UE_HU) code = -code; // the other side's picture is this one turned
    }
    const Pic p = picture_for(code, x, y);
    if (p != Pic::None) platform().canvas().stamp(p, cell_x(x), cell_y(y));
}

void 描画_桝輪郭(int colour, double x, double y) {
    if (Cell c; g_turned && whole_cell(x, y, c)) {
        c = view_cell(c);
        x = c.x;
        y = c.y;
    }
    outline_on_screen(colour, x, y);
}

void outline_on_screen(int colour, double x, double y) {
    platform().canvas().outline(colour, cell_x(x), cell_y(y), cell_x(x + 1), cell_y(y + 1));
}

void repaint_shown_cell(const Kyokumen& k, int colour, int x, int y) {
    const Cell c = view_cell({x, y});
    描画_絵(k.BAN[c.x][c.y], c.x, c.y);
    描画_桝輪郭(colour, c.x, c.y);
}

void 描画_盤(const Kyokumen& k, const Settei& s) {
    for (int x = 1; x <= 11; ++x) {
        for (int y = 1; y <= 11; ++y) {
            描画_絵(k.BAN[x][y], x, y);
            描画_桝輪郭(s.WAKU_IRO, x, y);
        }
    }
}

void 描画_将棋盤桝(const Settei& s) {
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) 描画_桝輪郭(s.WAKU_IRO, x, y);
}

void 描画_背景(int code) {
    for (int x = -3; x <= 28; ++x)
        for (int y = -2; y <= 17; ++y)
            if (x < 1 || x > 9 || y < 1 || y > 9) 描画_絵(code, x, y);
}

void 画面_再描画(const Kyokumen& k, const Shinkou& g, const Tokei& t, const Settei& s) {
    描画_背景(s.HAIKEI_NO);
    描画_桝_数値(k, s);
    描画_自持盤(k, s);
    描画_敵持盤(k, s);
    描画_盤(k, s);
    draw_clocks(k, s, t);
    if (g.TAIKYOKU_MODE == MODE_MAN_COM) 描画_レベル(s, s.COM_LEVEL);
    if (g.HANDE_SETTEI == ON) 描画_ハンデレベル(s, s.HANDE_LEVEL);
    描画_絵(1, -0.5, 12.8);
}

int 取得_対背景色(const Settei& s) {
    switch (s.HAIKEI_NO) {
    case 2:
        return 14;
    case 3:
    case 4:
    case 5:
    case 6:
        return 15;
    default:
        return 12;
    }
}

void 描画_自持盤(const Kyokumen& k, const Settei& s) {
    for (int i = 1; i <= 7; ++i) {
        const Cell c = hand_cell({false, i});
        paint_hand_row(k, s, c.x, c.y, SITA_KOMA_BY_KIND[i], k.SITA_MOCHI[i]);
    }
}

void paint_right_hand_box(const Kyokumen& k, const Settei& s) {
    if (g_turned) {
        描画_敵持盤(k, s);
    } else {
        描画_自持盤(k, s);
    }
}

void 描画_敵持盤(const Kyokumen& k, const Settei& s) {
    for (int y = 1; y <= 7; ++y) {
        const int i = hand_slot_at({-1, y}).kind;
        paint_hand_row(k, s, -1, y, UE_KOMA_BY_KIND[i], k.UE_MOCHI[i]);
    }
}
