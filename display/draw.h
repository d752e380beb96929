// The screen: the cell grid, background, board, pictures and hand boxes.
#pragma once

#include "core/state.h"
#include "platform/pictures.h"

// Twips of the top-left corner of cell (x, y).
constexpr double cell_x(double x) {
    return 1050 + 570 * x;
}
constexpr double cell_y(double y) {
    return 700 + 660 * y;
}

// Waits with the window painted and exposed but no input handled (the blink, the pause after a move).
void 待機_秒(double seconds);

void 描画_絵(int code, double x, double y);
Pic picture_for(int code, double x, double y); // the picture 描画_絵 paints for code at (x, y)
void 描画_桝輪郭(int colour, double x, double y);
// The board of k, outlined in the colour of s.
void 描画_盤(const Kyokumen& k, const Settei& s);
void 描画_将棋盤桝(const Settei& s);
void 描画_背景(int code);
// The whole screen of the game: background, numbers, hand boxes, board, clocks, level and handicap.
void 画面_再描画(const Kyokumen& k, const Shinkou& g, const Tokei& t, const Settei& s);
// The colour of texts on the background s shows.
int 取得_対背景色(const Settei& s);
void 描画_自持盤(const Kyokumen& k, const Settei& s);
void 描画_敵持盤(const Kyokumen& k, const Settei& s);
