// LEVEL4: the searching computer (engine/) chooses the computer's move on a worker thread.
#pragma once

#include "engine/position.h"

#include <cstdint>

// LEVEL4's choice into the computer's COM_TE_ fields; OFF when no legal move exists or the program is
// ending.
int search_turn_level4();
// ヒント: LEVEL4's move for the side to move, searched as its own move would be; false when there is
// none or the program is ending.
bool level4_hint(engine::ProgramMove& m);
extern std::uint64_t level4_nodes; // LEVEL4's node budget a move (tests lower it to save time)
// What LEVEL4's searches have kept is forgotten: a new game, a record read and a move taken back start
// afresh, so that a game plays the same whatever was searched before it.
void level4_forget();
// The program is ending: a running LEVEL4 search gives up at once and com_ban makes no move.
void stop_search();
// A program starting (Form_Load) searches again.
void allow_search();
int search_stopped();
