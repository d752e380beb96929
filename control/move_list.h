// The list of the record's moves beside the board.
#pragma once

#include "kifu/record.h"

#include <string>
#include <vector>

// The list's rows for a record: row 0 the start ("開始局面"), row n the text of move n as the move list
// shows it ("▲７六歩"). Rows whose two entries have not changed since the last call are not worked out
// again, so that a long game costs nothing move by move.
const std::vector<std::string>& move_list_rows(const Kiroku& r);
// The list beside the board follows the record and the position on screen (nothing where the program
// shows no list).
void show_move_list();
