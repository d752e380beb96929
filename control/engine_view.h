// What LEVEL4 thinks, shown beside the list of moves: ｵﾌﾟｼｮﾝ → 評価値を表示, its evaluation and expected
// line after each of its moves and hints, and 局面 → 解析, a search of the position on screen that goes
// on while the player looks, and starts again whenever another position is shown.
#pragma once

#include "core/position.h"
#include "engine/search.h"
#include "platform/platform.h"

#include <cstddef>
#include <string>
#include <vector>

// The moves of `line`, at most `most`, as the list of moves writes them, each from the position it is
// played in: `before` is the position on screen (the ring as it stands), `side` the engine side to move
// there, `last_to` the cell of the move before (none: x 0), for 同. A move that does not fit ends it.
std::vector<std::string> line_notation(const Kyokumen& before, int side,
                                       const std::vector<engine::Move>& line, Cell last_to, std::size_t most);
// A search's result for that position as the panel shows it: the evaluation from the lower side's view.
EngineLine engine_line(const Kyokumen& before, int side, const engine::Result& r, Cell last_to);
// How many moves of a line are shown.
constexpr std::size_t SHOWN_LINE_MOVES = 8;

// LEVEL4 has searched `before` for its move or a hint (the side to move there `side`, `last_to` the cell
// of the move before): what it found is kept to be shown.
void level4_searched(const Kyokumen& before, int side, const engine::Result& r, Cell last_to);
// The move or hint LEVEL4 searched is on the board: what it thought is shown while 評価値を表示 is on.
void show_level4_view();
// ｵﾌﾟｼｮﾝ → 評価値を表示 was turned on (the last view is shown) or off (it is hidden).
void level4_view_option_changed();
// A new game, a record read or a move taken back: the last view belongs to no position on screen.
void forget_level4_view();

// 局面 → 解析: starts the analysis of the position on screen, or stops it.
void ANALYSE_Click();
// The window's timer while the analysis is on: it follows the position on screen and shows each
// iteration as it finishes; false once it is off.
bool analysis_tick();
// The script driver after each command: the analysis follows the position on screen and runs to its
// node budget before returning, so that its lines are the same on any machine.
void finish_analysis();
// Escape: the analysis stops; false when it was off.
bool stop_analysis();
// LEVEL4 is about to search for the game: an analysis under way gives it the processor and starts
// again afterwards.
void hold_analysis();
// The program ends: the analysis stops at once.
void end_analysis();
