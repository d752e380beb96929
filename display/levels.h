// The level and handicap level beside the board.
#pragma once

void 描画_レベル(int level);
void 描画_ハンデレベル(int level);
