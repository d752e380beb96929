// A copyable position for the searching computer: the board with its ring, the hands and the side to
// move, with move generation over the whole variant (turning the ring any number of steps before a move
// is free, so a move here is "turn the ring k steps clockwise, then move"), make/unmake and a key.
//
// Positions that differ only by how far the ring has been turned are the same position for play (either
// side may turn it at will before moving), so the key and the move list treat them as one: the ring
// enters the key in a form that does not depend on its turn, and of the moves that lead to the same
// position only one is generated.
#pragma once

#include "core/position.h"

#include <array>
#include <cstdint>
#include <vector>

namespace engine {

// Board cells: coordinates -2..13 in both directions, so that a knight's jump from the ring stays inside
// the array. Cells outside 1..11 hold OFF_BOARD.
constexpr int W = 16;
constexpr int NSQ = W * W;
constexpr int sq(int x, int y) {
    return (y + 2) * W + (x + 2);
}
constexpr int sq_x(int s) {
    return s % W - 2;
}
constexpr int sq_y(int s) {
    return s / W - 2;
}
constexpr Koma OFF_BOARD = 0x7fff;
constexpr int RING = 40;

// The ring cells in clockwise order from (1, 1), and each cell's place in that order (-1 off the ring).
extern const std::array<int, RING> RING_SQ;
extern const std::array<int, NSQ> RING_INDEX;

enum Side { LOWER = 0, UPPER = 1 };
constexpr int side_of(int code) {
    return code < 0 ? LOWER : UPPER;
}

struct Move {
    std::int16_t from = 0; // board or ring cell (after the turn); for a drop, the negated hand kind
    std::int16_t to = 0;
    std::int8_t turns = 0; // clockwise ring steps before the move, 0..39
    Koma piece = KARA;     // the moving piece as it stood
    Koma placed = KARA;    // what stands on the destination afterwards
    Koma captured = KARA;
    bool is_drop() const { return from < 0; }
    int drop_kind() const { return -from; }
    bool operator==(const Move& o) const {
        return from == o.from && to == o.to && turns == o.turns && placed == o.placed;
    }
};
using MoveList = std::vector<Move>;

struct Undo {
    Move move;
    std::uint64_t key, ring_key;
};

struct Position {
    std::array<Koma, NSQ> b{};
    int hand[2][8]{};
    int side = LOWER;
    int king[2]{-1, -1};   // king squares; -1 once taken
    int pawns[2][12]{};    // unpromoted pawns per column x on the play area (the two-pawn rule)
    std::uint64_t key = 0; // board, hands, side and ring_key
    std::uint64_t ring_key = 0;
    // Per side, kept by make and unmake: the evaluation's terms of each piece on the play area and in
    // hand alone (its worth and its square; see material_at in evaluate.h).
    int material[2]{};
    // Per side, kept by make and unmake: the pieces on the play area besides the king.
    int pieces[2]{};

    bool king_taken() const { return king[LOWER] < 0 || king[UPPER] < 0; }
};

// Rough worth of each type (pawn, tokin, lance, promoted lance, knight, promoted knight, silver,
// promoted silver, gold, gold, bishop, horse, rook, dragon, king), fixed: the order in which the search
// tries captures, whatever weights the evaluation is given.
constexpr int BOARD_VALUE[15] = {90, 540, 260, 520, 300, 520, 460, 520, 520, 520, 800, 1050, 950, 1250, 0};

// An empty board (no kings) and the game's starting position.
Position empty_position();
Position start_position();
// Puts a piece on a board or ring cell, keeping the king squares, pawn counts and key.
void put(Position& p, int x, int y, Koma code);
void set_hand(Position& p, int side, int kind, int count);
void set_side(Position& p, int side);

// Every move of the side to move. With search_only, a pawn, bishop or rook that may promote is only
// moved promoted (the promoted piece moves as before and more, and the two-pawn rule frees its column).
void generate(const Position& p, MoveList& out, bool search_only = false);
// Board moves that capture, for the quiescence search.
void generate_captures(const Position& p, MoveList& out);
// The moves in stages, so that a search that cuts off early generates only the first: captures and
// promotions on the board; the other moves on the board; moves onto and off the ring, and drops. The
// three together give exactly the moves of generate, each once.
enum class Stage { TACTICAL, QUIET, RING_AND_DROPS };
void generate_stage(const Position& p, Stage stage, MoveList& out, bool search_only = true);
// Is m (by its cells, turns and placed piece) one of the moves generate gives in p? Then `found` is
// that move as generated. A move kept from another position (a table entry, a killer) is checked so.
bool find_move(const Position& p, const Move& m, Move& found, bool search_only = true);

void make(Position& p, const Move& m, Undo& u);
void unmake(Position& p, const Undo& u);
// Turns the ring k steps clockwise (the way the right ring button turns it).
void turn_ring(Position& p, int k);

// Can side `by` take what stands on play-area square s? Pieces on the ring never capture.
bool attacked(const Position& p, int s, int by);
// Which of the nine squares centred on play-area square s side `by` can take on, as bits
// (dy + 1) * 3 + (dx + 1) for the square at s + (dx, dy); a square off the play area never counts. The
// same answers as attacked() on each, in one pass that shares the long-range pieces' lines.
unsigned attacked_around(const Position& p, int s, int by);
// Is the side to move's king attacked?
inline bool in_check(const Position& p) {
    return p.king[p.side] >= 0 && attacked(p, p.king[p.side], 1 - p.side);
}
// The squares where a move may answer a check on `side`'s king: each checking piece's square and, for a
// long-range one, the squares between it and the king. Returns the number of checking pieces.
int check_lines(const Position& p, int side, std::array<bool, NSQ>& mask);
// Could piece c, standing on the ring, come back onto the play area after some turn of the ring?
bool can_come_back(const Position& p, Koma c);
// The fewest clockwise turns after which piece c, standing on ring place `from`, can move onto the play
// area; -1 if no turn lets it.
int turns_to_come_back(const Position& p, Koma c, int from);
// The upper side's code of each type; the lower side's is its negation.
constexpr int MAGNITUDES[15] = {10, 11, 20, 21, 30, 31, 100, 101, 110, 111, 800, 801, 900, 901, 950};
namespace detail {
// Each code's type, from -950 up (inline, for the search's innermost loops).
constexpr std::array<std::int8_t, 2 * 950 + 1> make_type_table() {
    std::array<std::int8_t, 2 * 950 + 1> t{};
    for (auto& v : t) v = -1;
    for (int i = 0; i < 15; ++i) {
        t[950 + MAGNITUDES[i]] = static_cast<std::int8_t>(i);
        t[950 - MAGNITUDES[i]] = static_cast<std::int8_t>(i);
    }
    return t;
}
inline constexpr std::array<std::int8_t, 2 * 950 + 1> TYPE_TABLE = make_type_table();
} // namespace detail
// Piece type 0..14 by magnitude (pawn, promoted pawn, lance, ..., rook, dragon, king); -1 for none.
inline int type_of(int code) {
    return code < -950 || code > 950 ? -1 : detail::TYPE_TABLE[code + 950];
}
// The code of a piece of type 0..14 owned by `side`.
Koma piece_code(int type, int side);

// Recomputed key from scratch, for tests of the incremental one.
std::uint64_t compute_key(const Position& p);
// The next of a sequence of well-mixed numbers that `s` steps through (the keys' numbers, a weaker
// step's chance).
std::uint64_t splitmix(std::uint64_t& s);
// Would the move be allowed to promote (the game's promotion zones, never from the ring or a hand)?
bool may_promote(int fx, int fy, int ty, Koma piece);

// The game's position value (BAN, hands, TEBAN) and back. The side to move comes from TEBAN and
// UE_GAWA; writing sets BAN cells 1..11, the hands and their totals, and nothing else.
Position from_program(const Kyokumen& k);
void to_program(const Position& p, Kyokumen& k);

// A move in the program's terms: the ring turns first, then 駒移動(fx, fy, tx, ty, placed), a drop
// coming from hand box column 13 (row kind + 2) or -1 (row kind).
struct ProgramMove {
    int turns, fx, fy, tx, ty;
    Koma before, placed;
};
ProgramMove to_program_move(const Move& m, int side);

} // namespace engine
