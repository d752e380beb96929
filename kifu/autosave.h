// The game in progress is kept when the program ends, to be read again with 棋譜 → 読込.
#pragma once

#include "core/state.h"
#include "kifu/record.h"

#include <string>
#include <string_view>

// The first header line of the kept game, and its second one in a game against the computer (the
// computer's name, as the upper player); a file beginning so is played on when it is read.
inline constexpr std::string_view 前回の対局_題名 = "前回の対局";
inline constexpr std::string_view 前回の対局_COM = "COM";

// Where the game is kept: the folder of the settings file.
std::string 取得_前回の対局パス();
// Writes the record to that file when it holds a move played in this game (the mode and the sides
// name the players); a failure is reported on stderr and never stops the program from ending.
void 書込_前回の対局(const Kiroku& r, const Shinkou& g, const Kyokumen& k);
