// The options menu: the backgrounds, guidance, the music; each choice is written to the settings file.
#pragma once

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
void SE_Click();
void LASTMOVE_Click();
// ｵﾌﾟｼｮﾝ → 座標を表示: the ring's cells named beside the board, off at first, kept with the preferences.
void COORDS_Click();
// ｵﾌﾟｼｮﾝ → Language / 言語 has changed the language (the window sets it and keeps it): the board's
// texts and the list of moves are shown again in it.
void language_changed();
void play_effect(int buffer);
void OPTION_Click();
