// The options menu: the backgrounds, guidance, the music; each choice is written to the settings file.
#pragma once

#include "core/time_control.h"
#include <string>

void paint_background_setting(int n); // checks background n in the menu and paints it
void MIDORI_Click();
void TATAMI_Click();
void TAKE_Click();
void UCHU_Click();
void RENGA_Click();
void SIDOU_Click();
void BGM_Click();
// 効果音: the sound effects (KOMA, KINSHI, SONOTA) play while it is on; the music is not one of them.
// 最終手を表示 (LASTMOVE): the last move of each side is marked on the board; off, the board looks as it
// always did. Both options are preferences of the player's, on at first.
void read_preference_options();
// 持ち時間: the time control of the next game, remembered for the next start.
void set_time_control(const TimeControl& c);
// The side the player took against the computer (1 先手, -1 後手): checked in the menu and remembered.
void remember_side(int side);
void SE_Click();
void LASTMOVE_Click();
// ｵﾌﾟｼｮﾝ → 座標を表示: the ring's cells named beside the board, off at first, kept with the preferences.
void COORDS_Click();
// ｵﾌﾟｼｮﾝ → 評価値を表示: LEVEL4's evaluation and expected line after each of its moves and hints, beside
// the list of moves; off at first, kept with the preferences.
void EVALSHOW_Click();
// ｵﾌﾟｼｮﾝ → お知らせを盤の横に表示 (off at first, kept with the preferences) and 局面 → 盤面を回転 (off at
// start, not kept: it turns the view only).
void NOTICES_Click();
void ROTATE_Click();
// A message that needs no answer (王手, whose turn it is, a refused move or turn of the ring): a notice
// beside the board while お知らせを盤の横に表示 is on, staying until the next move, so that nothing
// waits for an OK; a message box otherwise, and where there is no list of moves to show it by.
void inform(const std::string& text, const std::string& title);
// The notice is gone: a move was made, or another position or game is shown.
void clear_notice();
// ｵﾌﾟｼｮﾝ → Language / 言語 has changed the language (the window sets it and keeps it): the board's
// texts and the list of moves are shown again in it.
void language_changed();
void play_effect(int buffer);
void OPTION_Click();
