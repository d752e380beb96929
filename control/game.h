// Start-up, game control and the human player's mouse.
#pragma once

#include "core/state.h"

#include <string>

void Form_Load();
void 初期設定();
// The program ends: a LEVEL4 search is stopped, the game in progress kept and the sound freed. A game
// that cannot be kept is told in a message box when the player is there to read it (tell), and on
// stderr in every case.
void 終了処理(bool tell);
// A game with a move played that is being left (the program ends, a new game or a file replaces it) is
// written to 前回の対局.棋譜, or to `path`; false when that failed (told as 終了処理 tells it).
bool keep_game(bool tell);
bool keep_game(bool tell, const std::string& path);
// A quit signal ends the program: as 終わり, but a failure to keep the game goes to stderr only.
void end_on_signal();
void TAIKYOKU_Click();
void MATCH_MAN_Click();
void START_Click();
void SENTE_Click();
void GOTE_Click();
void OWARI_Click();
// 投了 and 持ち時間 (the dialog; the next game's time control).
void RESIGN_Click();
void TIMECONTROL_Click();
// The time control and result of the game are kept beside the record's file at kifu_path (NAME.対局).
void keep_game_beside(const std::string& kifu_path);
void Form_KeyPress(int key);
void Form_Unload();
void Form_MouseDown(int button, int shift, double x, double y);
