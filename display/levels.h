// The level and handicap level beside the board.
#pragma once

#include "core/state.h"

void 描画_レベル(const Settei& s, int level);
void 描画_ハンデレベル(const Settei& s, int level);
