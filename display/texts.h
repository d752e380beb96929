// Status texts and highlights painted around the board.
#pragma once

#include "core/state.h"

#include <string>

void 描画_数値(double x, double y, int value, int colour, int mode, double size);
void 描画_数値(double x, double y, const std::string& text, int colour, int mode, double size);
void 描画_移動駒種類(double x, double y, const std::string& text, int colour);
void 描画_文字列(double x, double y, int index, int colour, double size);
std::string message_text(int index); // the text 描画_文字列 prints for an index
void 描画_メッセージ(int kind);
std::string 文字列変換(int value);
// The texts around the board read the sides, the ring cells they overlap and the hands from k, and
// the background and outline colours from s.
void 描画_桝_数値(const Kyokumen& k, const Settei& s);
// 座標を表示: the files and ranks beside the board go on over the ring, file １０ above its left column
// and ０ above its right one, rank 〇 beside its top row and 十 beside its bottom row, so that each ring
// cell can be read off the board as the list of moves names it.
void paint_ring_coordinates(const Settei& s);
void 描画_移動結果(const Kyokumen& k, const Settei& s, int side, int x, int y, int code);
void 消去_移動結果(const Kyokumen& k, const Settei& s, int side);
void 描画_思考中(const Kyokumen& k, const Settei& s);
void 消去_思考中(const Kyokumen& k, const Settei& s);
void 描画_手数(const Kyokumen& k, const Settei& s, int n, int colour);
// Outlines the cells the piece at (sx, sy) may move to on k, when the guidance option is on.
void 描画_移動可能桝色(const Kyokumen& k, const Settei& s, int sx, int sy, int colour, int code);
void 描画_駒点滅(const Settei& s, int code, int x, int y, int count);
// The players' clocks, shown while 経過時間 is checked, each part in two digits.
std::string 変換_数字から文字(int value);
std::string 調査_時間秒追加結果(double seconds);
void 描画_所有時間(const Kyokumen& k, const Settei& s, int side, double seconds);
void 消去_所有時間(const Kyokumen& k, const Settei& s, int side);
// The clock of `side` with `elapsed` seconds of its turn: the time used, as 描画_所有時間 shows it, or
// under a time control the time left (in the byoyomi, the byoyomi's), shown whatever 経過時間 says.
void draw_clock(const Kyokumen& k, const Settei& s, const Tokei& t, int side, double elapsed);
// Both clocks between turns.
void draw_clocks(const Kyokumen& k, const Settei& s, const Tokei& t);
// What a side's clock holds under the game's time control.
ClockLeft clock_left(const Kyokumen& k, const Tokei& t, int side, double elapsed);
// Clears the place below the board where a record's header is shown.
void 描画_棋譜読込み部分消去(const Kyokumen& k, const Settei& s);
