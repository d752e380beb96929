// The window's view of the game: what the flow tells it, painted, sounded and spoken on the platform.
#pragma once

#include "control/flow.h"

GameView& painting_view();
