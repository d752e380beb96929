// The window's view of the game: what the flow tells it, painted, sounded and spoken on the platform.
#pragma once

#include "control/flow.h"

GameView& painting_view();

// What a move changed, painted in the order a move always showed it: the hand that gained a piece, the
// emptied source, the hand a piece was dropped from, the destination; `captured` stood at (tx, ty).
void paint_move(int fx, int fy, int tx, int ty, int p, int captured);
