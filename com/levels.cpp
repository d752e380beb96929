// The computer level (menu COM対局ﾚﾍﾞﾙ) and the handicap scale (buttons △ and ▽).
#include "com/com.h"

#include "display/draw.h"
#include "display/texts.h"
#include "kifu/panel.h"
#include "kifu/record.h"
#include "platform/platform.h"
#include "sound/dslib.h"
#include "sound/effects.h"

namespace {

// One step of the handicap scale: the square it changes and the piece that stands there in the even
// position. Rows -9..0 put a lower piece back when the level is reached from below; rows 1..10 take an
// upper piece off.
struct ハンデ段 {
    int x, y;
    Koma koma;
};

constexpr ハンデ段 HANDE_HYOU[21] = {
    {0, 0, KARA},        // -10: the lowest level, no row of its own
    {7, 10, SITA_KIN},   // -9
    {5, 10, SITA_KIN},   // -8
    {8, 10, SITA_GIN},   // -7
    {4, 10, SITA_GIN},   // -6
    {9, 10, SITA_KEI},   // -5
    {3, 10, SITA_KEI},   // -4
    {10, 10, SITA_KYOU}, // -3
    {2, 10, SITA_KYOU},  // -2
    {9, 9, SITA_SYA},    // -1
    {3, 9, SITA_KAKU},   // 0: the even position
    {9, 3, UE_KAKU},     // 1
    {3, 3, UE_SYA},      // 2
    {10, 2, UE_KYOU},    // 3
    {2, 2, UE_KYOU},     // 4
    {9, 2, UE_KEI},      // 5
    {3, 2, UE_KEI},      // 6
    {8, 2, UE_GIN},      // 7
    {4, 2, UE_GIN},      // 8
    {7, 2, UE_KIN},      // 9
    {5, 2, UE_KIN},      // 10: the computer keeps king and pawns only
};

const ハンデ段& 段(int level) {
    return HANDE_HYOU[level + 10];
}

// The row of level L reached from below (up = true) or left downwards (up = false).
void ハンデ_盤変更(int level, bool up) {
    const ハンデ段& r = 段(level);
    const bool put = (level <= 0) == up;
    BAN[r.x][r.y] = put ? r.koma : KARA;
    描画_絵(BAN[r.x][r.y], r.x, r.y);
    描画_桝輪郭(WAKU_IRO, r.x, r.y);
}

void レベル_背景() {
    for (int x = -2; x <= 0; ++x) 描画_絵(HAIKEI_NO, x, 0);
}

// The three refusals of △ and ▽; true when the step may go ahead.
bool ハンデ_可能() {
    int kind = 0;
    if (KIFU_MODE == ON)
        kind = 1;
    else if (KIFU_NO > 0)
        kind = 2;
    else if (HANTEN == ON)
        kind = 3;
    if (kind == 0) return true;
    dsPlay(OTO_KINSHI);
    描画_メッセージ(kind);
    return false;
}

void ハンデ_一段(bool up) {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
    if (!ハンデ_可能()) return;
    KIFU_TESUU = 0;
    if (up ? HANDE_LEVEL < 10 : HANDE_LEVEL > -10) {
        const int old = HANDE_LEVEL;
        HANDE_LEVEL += up ? 1 : -1;
        描画_ハンデレベル(HANDE_LEVEL);
        ハンデ_盤変更(up ? HANDE_LEVEL : old, up);
        dsPlay(OTO_KOMA);
    }
    HANDE_SETTEI = ON;
}

} // namespace

void LEVEL1_Click() {
    レベル_背景();
    レベル_設定(1);
}

void LEVEL2_Click() {
    レベル_背景();
    レベル_設定(2);
}

void LEVEL3_Click() {
    レベル_背景();
    レベル_設定(3);
}

void LEVEL4_Click() {
    レベル_背景();
    レベル_設定(4);
}

void レベル_設定(int level) {
    constexpr MenuItem items[] = {MenuItem::LEVEL1, MenuItem::LEVEL2, MenuItem::LEVEL3, MenuItem::LEVEL4};
    for (int i = 0; i < 4; ++i) platform().set_checked(items[i], i + 1 == level);
    if (level >= 1 && level <= 4) COM_LEVEL = level;
    if (TAIKYOKU_MODE == MODE_MAN_COM) 描画_レベル(COM_LEVEL);
}

void 描画_レベル(int level) {
    const int c = 取得_対背景色();
    描画_数値(-1.4, 0.2, "LEVEL", 0, 0, 10);
    描画_数値(-1.5, 0.1, "LEVEL", c, 0, 10);
    描画_数値(0.1, 0.1, level, 0, 0, 12);
    描画_数値(0, 0, level, c, 0, 12);
}

void 描画_ハンデレベル(int level) {
    const int c = 取得_対背景色();
    for (int x = 13; x <= 16; ++x) 描画_絵(HAIKEI_NO, x, 1);
    描画_文字列(13.1, 1.1, level, 0, 10);
    描画_文字列(13, 1, level, c, 10);
}

void LBEL_UP_Click() {
    ハンデ_一段(true);
}

void LEBEL_DOWN_Click() {
    ハンデ_一段(false);
}
