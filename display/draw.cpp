#include "display/draw.h"
#include "display/levels.h"

#include "control/clock.h"
#include "core/state.h"
#include "display/texts.h"
#include "platform/platform.h"

namespace {

// Board picture (index 0 unpromoted, 1 promoted) for a piece code; Pic::None for codes without one.
Pic board_picture(int code) {
    switch (code) {
    case KARA:
        return Pic::KARA_MASU;
    case SITA_HU:
        return Pic::SITA_HU_0;
    case SITA_HU_NARI:
        return Pic::SITA_HU_1;
    case SITA_KYOU:
        return Pic::SITA_KYOU_0;
    case SITA_KYOU_NARI:
        return Pic::SITA_KYOU_1;
    case SITA_KEI:
        return Pic::SITA_KEI_0;
    case SITA_KEI_NARI:
        return Pic::SITA_KEI_1;
    case SITA_GIN:
        return Pic::SITA_GIN_0;
    case SITA_GIN_NARI:
        return Pic::SITA_GIN_1;
    case SITA_KIN:
        return Pic::SITA_KIN;
    case SITA_KAKU:
        return Pic::SITA_KAKU_0;
    case SITA_KAKU_NARI:
        return Pic::SITA_KAKU_1;
    case SITA_SYA:
        return Pic::SITA_SYA_0;
    case SITA_SYA_NARI:
        return Pic::SITA_SYA_1;
    case SITA_OU:
        return Pic::SITA_OU;
    case UE_HU:
        return Pic::UE_HU_0;
    case UE_HU_NARI:
        return Pic::UE_HU_1;
    case UE_KYOU:
        return Pic::UE_KYOU_0;
    case UE_KYOU_NARI:
        return Pic::UE_KYOU_1;
    case UE_KEI:
        return Pic::UE_KEI_0;
    case UE_KEI_NARI:
        return Pic::UE_KEI_1;
    case UE_GIN:
        return Pic::UE_GIN_0;
    case UE_GIN_NARI:
        return Pic::UE_GIN_1;
    case UE_KIN:
        return Pic::UE_KIN;
    case UE_KAKU:
        return Pic::UE_KAKU_0;
    case UE_KAKU_NARI:
        return Pic::UE_KAKU_1;
    case UE_SYA:
        return Pic::UE_SYA_0;
    case UE_SYA_NARI:
        return Pic::UE_SYA_1;
    case UE_OU:
        return Pic::UE_OU;
    case 1:
        return Pic::RUZIVUVOD;
    case 2:
        return Pic::HAIKEI_MIDORI;
    case 3:
        return Pic::HAIKEI_TATAMI;
    case 4:
        return Pic::HAIKEI_TAKE;
    case 5:
        return Pic::HAIKEI_UCHU;
    case 6:
        return Pic::HAIKEI_RENGA;
    default:
        return Pic::None;
    }
}

// The same faces on a conveyor plate.
Pic ring_picture(int code) {
    switch (code) {
    case KARA:
        return Pic::KARA_MASU_K;
    case SITA_HU:
        return Pic::SITA_HU_K0;
    case SITA_HU_NARI:
        return Pic::SITA_HU_K1;
    case SITA_KYOU:
        return Pic::SITA_KYOU_K0;
    case SITA_KYOU_NARI:
        return Pic::SITA_KYOU_K1;
    case SITA_KEI:
        return Pic::SITA_KEI_K0;
    case SITA_KEI_NARI:
        return Pic::SITA_KEI_K1;
    case SITA_GIN:
        return Pic::SITA_GIN_K0;
    case SITA_GIN_NARI:
        return Pic::SITA_GIN_K1;
    case SITA_KIN:
        return Pic::SITA_KIN_K;
    case SITA_KAKU:
        return Pic::SITA_KAKU_K0;
    case SITA_KAKU_NARI:
        return Pic::SITA_KAKU_K1;
    case SITA_SYA:
        return Pic::SITA_SYA_K0;
    case SITA_SYA_NARI:
        return Pic::SITA_SYA_K1;
    case UE_HU:
        return Pic::UE_HU_K0;
    case UE_HU_NARI:
        return Pic::UE_HU_K1;
    case UE_KYOU:
        return Pic::UE_KYOU_K0;
    case UE_KYOU_NARI:
        return Pic::UE_KYOU_K1;
    case UE_KEI:
        return Pic::UE_KEI_K0;
    case UE_KEI_NARI:
        return Pic::UE_KEI_K1;
    case UE_GIN:
        return Pic::UE_GIN_K0;
    case UE_GIN_NARI:
        return Pic::UE_GIN_K1;
    case UE_KIN:
        return Pic::UE_KIN_K;
    case UE_KAKU:
        return Pic::UE_KAKU_K0;
    case UE_KAKU_NARI:
        return Pic::UE_KAKU_K1;
    case UE_SYA:
        return Pic::UE_SYA_K0;
    case UE_SYA_NARI:
        return Pic::UE_SYA_K1;
    default:
        return Pic::None;
    }
}

} // namespace

Pic 取得_絵(int code, double x, double y) {
    const bool plate_code = (code >= -901 && code <= 0) || (code >= 10 && code <= 901);
    const bool ring_cell = (x == 1 || y == 1 || x == 11 || y == 11) && x >= 1;
    return plate_code && ring_cell ? ring_picture(code) : board_picture(code);
}

void 描画_絵(int code, double x, double y) {
    const Pic p = 取得_絵(code, x, y);
    if (p != Pic::None) platform().canvas().stamp(p, cell_x(x), cell_y(y));
}

void 描画_桝輪郭(int colour, double x, double y) {
    platform().canvas().outline(colour, cell_x(x), cell_y(y), cell_x(x + 1), cell_y(y + 1));
}

void 描画_盤() {
    for (int x = 1; x <= 11; ++x) {
        for (int y = 1; y <= 11; ++y) {
            描画_絵(BAN[x][y], x, y);
            描画_桝輪郭(WAKU_IRO, x, y);
        }
    }
}

void 描画_将棋盤桝() {
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) 描画_桝輪郭(WAKU_IRO, x, y);
}

void 描画_背景(int code) {
    for (int x = -3; x <= 28; ++x)
        for (int y = -2; y <= 17; ++y)
            if (x < 1 || x > 9 || y < 1 || y > 9) 描画_絵(code, x, y);
}

void 画面_再描画() {
    描画_背景(HAIKEI_NO);
    描画_桝_数値();
    描画_自持盤();
    描画_敵持盤();
    描画_盤();
    描画_所有時間(UE_GAWA, UE_JIKAN);
    描画_所有時間(SITA_GAWA, SITA_JIKAN);
    if (TAIKYOKU_MODE == MODE_MAN_COM) 描画_レベル(COM_LEVEL);
    if (HANDE_SETTEI == ON) 描画_ハンデレベル(HANDE_LEVEL);
    描画_絵(1, -0.5, 12.8);
}

int 取得_対背景色() {
    switch (HAIKEI_NO) {
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

void 描画_自持盤() {
    for (int k = 1; k <= 7; ++k) {
        const int y = k + 2;
        描画_絵(KARA, 13, y);
        描画_絵(HAIKEI_NO, 14, y);
        描画_桝輪郭(WAKU_IRO, 13, y);
        if (SITA_MOCHI[k] > 0) {
            描画_絵(SITA_KOMA_BY_KIND[k], 13, y);
            描画_桝輪郭(WAKU_IRO, 13, y);
            描画_数値(14.1, y + 0.3, SITA_MOCHI[k], 0, 0, 14);
            描画_数値(14, y + 0.2, SITA_MOCHI[k], 12, 0, 14);
        }
    }
}

void 描画_敵持盤() {
    for (int y = 1; y <= 7; ++y) {
        const int k = 8 - y;
        描画_絵(KARA, -1, y);
        描画_絵(HAIKEI_NO, 0, y);
        描画_桝輪郭(WAKU_IRO, -1, y);
        if (UE_MOCHI[k] > 0) {
            描画_絵(UE_KOMA_BY_KIND[k], -1, y);
            描画_桝輪郭(WAKU_IRO, -1, y);
            描画_数値(0.1, y + 0.3, UE_MOCHI[k], 0, 0, 14);
            描画_数値(0, y + 0.2, UE_MOCHI[k], 12, 0, 14);
        }
        描画_絵(BAN[1][y], 1, y);
        描画_桝輪郭(WAKU_IRO, 1, y);
    }
}
