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

// 盤面を回転: the screen shows the board turned by 180 degrees, the upper player's side at the bottom. A
// view only, like the canvas's scale: the game, its cells, its record and its sides stay as they are.
void set_view_turned(bool turned);
bool view_turned();
// The cell of the screen that shows the game's cell c, and the other way round (the same turn): a cell
// of the board or the ring turned about the centre, a row of a hand box to the other box's row of the
// same kind; any other cell as it is.
Cell view_cell(Cell c);

// The procedures below take the game's cells and paint where the view shows them, a piece turned with
// the view (drawn as the other side's); other places (a text's, a tile's beside the board) are the
// screen's own.
void 描画_絵(int code, double x, double y);
Pic picture_for(int code, double x, double y); // the picture 描画_絵 paints for code at (x, y)
void 描画_桝輪郭(int colour, double x, double y);
// The outline of the screen's cell (x, y), wherever the view is turned: for the texts that touch it.
void outline_on_screen(int colour, double x, double y);
// The game's cell shown at the screen's cell (x, y) painted afresh, outlined in the colour.
void repaint_shown_cell(const Kyokumen& k, int colour, int x, int y);
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
// The hand box the screen shows right of the board: the lower player's, the upper's when turned.
void paint_right_hand_box(const Kyokumen& k, const Settei& s);
