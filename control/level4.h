// LEVEL4: the searching computer (engine/) chooses the computer's move on a worker thread.
#pragma once

#include "engine/position.h"
#include "engine/search.h"

#include <cstdint>
#include <optional>

// LEVEL4's choice into the computer's COM_TE_ fields; OFF when no legal move exists or the program is
// ending.
int search_turn_level4();
// ヒント: LEVEL4's move for the side to move, searched as its own move would be at full strength; false
// when there is none or the program is ending.
bool level4_hint(engine::ProgramMove& m);
extern std::uint64_t level4_nodes; // LEVEL4's node budget a move (tests lower it to save time)

// How LEVEL4 thinks: to its node budget on one thread, the same move for the same position on any
// machine (the script driver and the tests), or for a time on every core (play).
struct Level4Thinking {
    bool by_time = false;
    double seconds = 1; // the chosen time a move, without a clock
    // Above zero: one thread, its time counted as the nodes searched at this rate (the driver's own
    // clock, so that a move thought for a time is still the same on any machine).
    double virtual_nodes_per_second = 0;
    // The step of LEVEL4's own moves (ヒント is always full strength), chosen in the level menu, and
    // the seed of a weaker step's choice: drawn as the window starts, fixed in the driver.
    int strength = engine::FULL_STRENGTH;
    std::uint64_t seed = 0;
};
extern Level4Thinking level4_thinking;
// The times a move offered to the player, and the one at first.
constexpr double LEVEL4_SECONDS[] = {1, 3, 10};
constexpr double LEVEL4_SECONDS_AT_FIRST = 1;
// The computer's clock under a time control, handed over before its move; none: the chosen time.
void level4_set_clock(std::optional<engine::GameClock> clock);
// The limits of LEVEL4's next move as the thinking and the clock make them.
engine::Limits level4_limits();
// What LEVEL4's searches have kept is forgotten: a new game, a record read and a move taken back start
// afresh, so that a game plays the same whatever was searched before it.
void level4_forget();
// The program is ending: a running LEVEL4 search gives up at once and com_ban makes no move.
void stop_search();
// A program starting (Form_Load) searches again.
void allow_search();
int search_stopped();
