// LEVEL4: the searching computer (engine/) chooses the computer's move on a worker thread.
#pragma once

#include <cstdint>

// LEVEL4's choice into the computer's COM_TE_ fields; OFF when no legal move exists or the program is
// ending.
int com_探索_LEVEL4();
extern std::uint64_t LEVEL4_節点数; // LEVEL4's node budget a move (tests lower it to save time)
// What LEVEL4's searches have kept is forgotten: a new game, a record read and a move taken back start
// afresh, so that a game plays the same whatever was searched before it.
void level4_forget();
// The program is ending: a running LEVEL4 search gives up at once and com_ban makes no move.
void com_中止();
// A program starting (Form_Load) searches again.
void com_中止解除();
int com_中止済み();
