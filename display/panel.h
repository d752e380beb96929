// The record-file panel: which of its parts are shown, and where a record's header line is printed.
#pragma once

#include <string>

void 描画_可視(bool drive, bool folder, bool file);
void 描画_棋譜_IO(int flag);
double 取得_棋譜のX座標(const std::string& text);
