// The game in progress is kept when the program ends, to be read again with 棋譜 → 読込.
#pragma once

#include <string>

// Where the game is kept: the folder of the settings file.
std::string 取得_前回の対局パス();
// Writes the record to that file when it holds a move played in this game; a failure is reported on
// stderr and never stops the program from ending.
void 書込_前回の対局();
