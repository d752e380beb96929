// The computer level (menu COM対局ﾚﾍﾞﾙ) and the handicap scale (buttons △ and ▽).
#pragma once

void LEVEL1_Click();
void LEVEL2_Click();
void LEVEL3_Click();
void LEVEL4_Click();
void レベル_設定(int level);
// The player chose the level in the menu: it is remembered for the next start.
void choose_level(int level);
// LEVEL4's time a move in play, chosen in the level menu and kept with the player's preferences.
void THINK1_Click();
void THINK3_Click();
void THINK10_Click();
void read_level4_time();
// LEVEL4's strength steps (LEVEL4 強さ1 .. 強さ5): choosing one plays LEVEL4 at that step, checked in the
// menu and kept with the preferences; full strength (5) at first.
void STRENGTH1_Click();
void STRENGTH2_Click();
void STRENGTH3_Click();
void STRENGTH4_Click();
void STRENGTH5_Click();
// The step (1..5) checked and kept without choosing the level (the driver's `strength`).
void remember_level4_strength(int strength);
void read_level4_strength();
void LBEL_UP_Click();
void LEBEL_DOWN_Click();
