// What stepping through the record computes: an entry put back on a position, and what follows from
// the position shown.
#pragma once

#include "kifu/record.h"

// Puts record entry n on the board and in both hands of k.
void restore_entry(Kyokumen& k, const Kiroku& r, int n);
// The kings' squares and the two-pawn flags follow the position now shown, so the rule and mate
// checks that read them next see that position. A king that is not on the board keeps its square.
void follow_shown_position(Kyokumen& k);

// What move n of the record (1..KIFU_TESUU) was, read from the entries before and after it: the piece
// `placed` went from `from` (a board or ring cell as the ring stands after it; a hand box's row for a
// drop) to `to`, after the mover had turned the ring `turns` cells (right for a positive number, left
// for a negative one, -19..20; where the record does not keep them, as far as the entries tell).
// `found` is false where the two entries differ by more than one move can make.
struct RecordedMove {
    bool found = false;
    int turns = 0;
    Cell from, to;
    int placed = KARA;
    bool lower = false; // the lower player moved
};
RecordedMove recorded_move(const Kiroku& r, int n);
// A number of right turns of the ring as the shortest way round: -19..20.
int shortest_turns(int right_turns);
