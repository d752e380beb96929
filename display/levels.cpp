// The level and handicap level beside the board.
#include "display/levels.h"

#include "core/state.h"
#include "display/draw.h"
#include "display/texts.h"

void 描画_レベル(const Settei& s, int level) {
    const int c = 取得_対背景色(s);
    描画_数値(-1.4, 0.2, "LEVEL", 0, 0, 10);
    描画_数値(-1.5, 0.1, "LEVEL", c, 0, 10);
    描画_数値(0.1, 0.1, level, 0, 0, 12);
    描画_数値(0, 0, level, c, 0, 12);
}

void 描画_ハンデレベル(const Settei& s, int level) {
    const int c = 取得_対背景色(s);
    for (int x = 13; x <= 16; ++x) 描画_絵(s.HAIKEI_NO, x, 1);
    描画_文字列(13.1, 1.1, level, 0, 10);
    描画_文字列(13, 1, level, c, 10);
}
