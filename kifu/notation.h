// The notation of a move as a printed kifu writes it, in Japanese (▲７六歩, △同歩, ▲５八金右, ▲５五角打,
// ▲２三歩成, ▲３三銀不成) or in the western notation of shogi (P-7f, Px2c+, S4h-5g, B*5e), with the
// board's coordinates extended to the ring (files ０ and １０ on its right and left columns, ranks 〇
// and 十 on its top and bottom rows; in English ranks o and j) and the ring's turn before a move
// written first ("右3 ", "R3 "). The list of moves, the hint, the review and the script driver all
// write moves through it.
#pragma once

#include "core/position.h"

#include <string>

enum class Notation { Japanese, English };
// The notation of the language the program speaks (see platform/translate.h). What is written into
// files is in Japanese whatever the language.
Notation notation_in_use();

// A move as it was made: the ring turned `turns` cells (right for a positive number), then the piece
// `placed` went from `from` (a board or ring cell as the turned ring stands, or a hand box's row for a
// drop) to `to`. `shown_turns` is the turn written before it (the turns its mover made).
struct NotatedMove {
    int turns = 0;
    int shown_turns = 0;
    Cell from, to;
    int placed = KARA;
};

// The move's text, `before` being the position it was made in (before the ring's turn) and `last_to`
// the cell the move before it went to, as `before` shows it (none: x 0), for 同. Empty when the move
// does not fit the position (no piece at `from`).
std::string move_notation(const Kyokumen& before, const NotatedMove& m, Cell last_to, Notation n);

// The name of a cell of the board or the ring: "７六", "１０五", "５〇" ("7f", "10e", "5o").
std::string cell_name(Cell c, Notation n);
// The name of a piece by its code, whoever owns it: 歩 … 玉, と, 成香, 成桂, 成銀, 馬, 龍 (P … K, +P …).
std::string piece_name(int code, Notation n);
// The ring's turn written before a move: "右3 ", "左2 " ("R3 ", "L2 "); empty for none. More than 20
// cells right are the shorter way left.
std::string turn_prefix(int turns, Notation n);

struct Kiroku;
// Move n of the record (1..KIFU_TESUU) in that notation, read from its entries as the list of moves
// shows it (the turns its mover made written first); empty where the entries do not tell one move.
std::string recorded_move_text(const Kiroku& r, int n, Notation notation);
