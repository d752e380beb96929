// The game record: one entry, the whole position, per record index 0..500.
#pragma once

#include "core/moves.h"
#include "core/state.h"

#include <string>

constexpr int KIFU_MAX = 500;

// What the record keeps of one position: the board with its ring, both hands, and the clocks before and
// after the move made from it. A kifu file line holds one entry, its clocks in whole seconds.
struct RecordEntry {
    Koma ban[12][12] = {};  // x, y = 1..11
    int sita_mochi[8] = {}; // k = 1..7
    int ue_mochi[8] = {};
    double sita_mae = 0, sita_ato = 0; // the lower player's clock before and after the move
    double ue_mae = 0, ue_ato = 0;     // the upper player's
    bool operator==(const RecordEntry&) const = default;
};

// The board and both hands of a position as an entry, its clocks 0.
RecordEntry entry_of(const Kyokumen& k);
// Puts an entry's board and hands on a position, with the totals in hand that follow from them.
void put_entry(Kyokumen& k, const RecordEntry& e);

// A move's ring turns that the record cannot tell (it was read from a file).
constexpr int TURNS_UNKNOWN = 100;

// The record of one game (Kiroku).
struct Kiroku {
    RecordEntry entries[KIFU_MAX + 1] = {};
    int KIFU_NO = 0;
    int KIFU_TESUU = 0;
    std::string KIFU_GYOU;
    // The handicap level of the game the record holds, taken when its entry 0 is stored.
    int KIFU_HANDE_LEVEL = 0;
    // ON once a move has been played into the record, or moves taken out of it; OFF while it holds only
    // what a file gave, or what was kept.
    int KIFU_TAIKYOKU = OFF;
    // The cells the mover turned the ring by before move n (right positive, -19..20), as it was played
    // here; TURNS_UNKNOWN for a move read from a file. The entry before a player's move already shows
    // the ring turned, the computer's turns come after it.
    int turns_before[KIFU_MAX + 1] = {};
    // How far the ring had turned when entry n was stored (right turns 0..39 from where it stood as the
    // game began), so that two entries tell the turns between them also where the pieces on the ring
    // cannot (a piece leaving a ring that held only it); TURNS_UNKNOWN for an entry read from a file.
    int ring_turned[KIFU_MAX + 1] = {};
    // How far the ring had turned when move n was made (entry n stored after it), which a player's turns
    // before the next move then change in ring_turned[n]: the move's own cells are found by the
    // difference. TURNS_UNKNOWN for an entry read from a file.
    int ring_after[KIFU_MAX + 1] = {};
    // The side to move at entry 0: the side that moves first (1), or after a reversal (反転) whichever
    // side it left to move.
    int first_side = 1;
    // Entry 0 is the position a reversal left, which a file can hold only as its first record line: the
    // record is kept so, and not written with 書込, also after 最初 has left the reversal.
    bool starts_reversed = false;
    // Read from the kept game's own file, which holds it until it is kept again: taken back to no move
    // at all, it still replaces what that file holds.
    bool from_kept_file = false;
    // How the game ended, kept with the record beside its file (NAME.対局).
    GameResult result;
};

// The side to move at record index n: the record's first side, then each side in turn.
inline int side_to_move(const Kiroku& r, int n) {
    return n % 2 == 0 ? r.first_side : -r.first_side;
}

// Stores the position before a move at the record's KIFU_NO; its entry 0 also takes the handicap level,
// and is taken for the start position (a caller that stored a reversed one says so after).
void 手順保存(Kiroku& r, const Kyokumen& k, const Settei& s, int fx, int fy, int tx, int ty, int piece,
              int dest, double sita_mae, double sita_ato, double ue_mae, double ue_ato);
// Stores the position after the move just made at KIFU_NO (already advanced), with the clocks as the
// move left them, so that the record ends with the game's latest position.
void store_after_move(Kiroku& r, const Kyokumen& k);
// No room is left for another move: the record holds the position after its last one.
bool record_full(const Kiroku& r);

// The cell the move of record index n (1..500) went to and the code standing there, from the boards
// before and after it; nothing is written for any other n.
inline void 調査_移動結果(const Kiroku& r, int n, int& out_x, int& out_y, int& out_piece) {
    if (n < 1 || n > KIFU_MAX) return;
    調査_移動結果(r.entries[n - 1].ban, r.entries[n].ban, out_x, out_y, out_piece);
}
