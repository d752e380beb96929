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
void LBEL_UP_Click();
void LEBEL_DOWN_Click();
