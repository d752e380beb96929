// What stepping through the record computes: an entry put back on a position, and what follows from
// the position shown.
#pragma once

#include "kifu/record.h"

// Puts record entry n on the board and in both hands of k.
void restore_entry(Kyokumen& k, const Kiroku& r, int n);
// The kings' squares and the two-pawn flags follow the position now shown, so the rule and mate
// checks that read them next see that position. A king that is not on the board keeps its square.
void follow_shown_position(Kyokumen& k);

// What move n of the record (1..KIFU_TESUU) was, read from the entries before and after it: the ring
// turned `turns` cells between the two entries (right for a positive number, left for a negative one,
// -19..20), then the piece `placed` went from `from` (a board or ring cell as the turned ring stands; a
// hand box's row for a drop) to `to`. `mover_turns` are the turns the mover made before the move as the
// game was played here (the entry before a player's move already shows them, the computer's come after
// it); for a record read from a file, `turns`. `found` is false where the two entries differ by more
// than one move can make: more than the move's own two cells, or two cells of which none was left.
struct RecordedMove {
    bool found = false;
    int turns = 0;
    int mover_turns = 0;
    Cell from, to;
    int placed = KARA;
    bool lower = false;  // the lower player moved
    int moved = KARA;    // what stood at `from` before the move (KARA for a drop)
    int captured = KARA; // what stood at `to` before the move
};
RecordedMove recorded_move(const Kiroku& r, int n);
// A number of right turns of the ring as the shortest way round: -19..20.
int shortest_turns(int right_turns);
