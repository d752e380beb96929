// The handicap scale (levels -10..10): the square each step changes, the pieces a level takes off and
// the name shown for it.
#pragma once

#include "core/state.h"

#include <string>

// One step of the scale: the square it changes and the piece that stands there in the even position.
// Rows -9..0 put a lower piece back when the level is reached from below; rows 1..10 take an upper
// piece off. Level -10 has no row of its own.
struct HandicapRow {
    int x, y;
    Koma koma;
};
const HandicapRow& handicap_row(int level);

// The start position: cells x, y = 1..11 of ban are set where a piece stands, the others left alone.
void place_start_position(Koma (&ban)[12][12]);

// The start position of a game at the level: the even position (ban as place_start_position sets it) less the
// pieces the level takes off.
void place_handicap_start(Koma (&ban)[12][12], int level);

// The pieces of hand kind 1..7 (8: kings) that a game at the level holds over board, ring and both
// hands: a full set less those the level takes off. The scale is symmetric in kinds, so a reversal,
// which negates the level, agrees.
int handicap_piece_count(int level, int kind);

// The name shown for the level ("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級" at 0), or the empty text outside the scale.
std::string handicap_name(int level);
