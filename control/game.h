// Start-up, game control and the human player's mouse.
#pragma once

#include "core/state.h"

void Form_Load();
void 初期設定();
// The start position: cells x, y = 1..11 of ban are set where a piece stands, the others left alone.
void 初期配置(Koma (&ban)[12][12]);
void 終了処理();
void TAIKYOKU_Click();
void MATCH_MAN_Click();
void START_Click();
void SENTE_Click();
void GOTE_Click();
void OWARI_Click();
void Form_KeyPress(int key);
void Form_Unload();
void Form_MouseDown(int button, int shift, double x, double y);
