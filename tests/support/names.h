// Short names the tests use for the game's own parts.
#pragma once

#include "control/owner.h"

// The record's entries.
inline RecordEntry (&KIFU)[KIFU_MAX + 1] = TAIKYOKU.kifu.entries;
