// The computer level (menu COM対局ﾚﾍﾞﾙ) and the handicap scale (buttons △ and ▽).
#pragma once

void LEVEL1_Click();
void LEVEL2_Click();
void LEVEL3_Click();
void LEVEL4_Click();
void レベル_設定(int level);
void LBEL_UP_Click();
void LEBEL_DOWN_Click();
