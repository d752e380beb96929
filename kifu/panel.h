// The record-file panel and reading and writing kifu files.
#pragma once

#include <string>

void 描画_可視(bool drive, bool folder, bool file);
void 描画_棋譜_IO(int flag);
void KIFU_READ_Click();
void KIFU_WRITE_Click();
void Drive1_Change(const std::string& drive);
void Dir1_Change(const std::string& folder);
void File1_Click(const std::string& name);
void Command1_Click();
double 取得_棋譜のX座標(const std::string& text);
