// The game in progress is kept when it is left, to be read again with 棋譜 → 読込.
#pragma once

#include "core/state.h"
#include "kifu/record.h"

#include <string>
#include <string_view>
#include <vector>

// The first header line of the kept game, and its second one in a game against the computer (the
// computer's name, as the upper player); a file beginning so is played on when it is read. A game
// played at a handicap has the name of its level after the lower player's name on the third line,
// behind a blank ("MAN ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"), and a game against the computer the level it played at after
// "COM" ("COM LEVEL4"): a name line may hold any text, so any reader takes it. A game played on after
// 反転 has "反転" and the side its record starts with after the title ("前回の対局 反転 後手番"), and its
// first record line holds the position the reversal left (record index 0), which no other record
// starts from.
inline constexpr std::string_view KEPT_GAME_TITLE = "前回の対局";
inline constexpr std::string_view KEPT_GAME_COM = "COM";

// Whether a file's header lines (Shift_JIS) are those of a kept game.
bool is_kept_game(const std::vector<std::string>& lines);
// The side to move at the start of a kept game played on after 反転 (1 or -1), or 0 for any other file.
int kept_game_reversal(const std::vector<std::string>& lines);

// Where the game is kept: the folder of the settings file.
std::string kept_game_path();
// Where the game on screen is kept instead when that file itself is read over it, so that both games
// stay: beside it, as 前回の対局(2).棋譜.
std::string second_kept_game_path();
// Whether a path names the file the game is kept in (the same file under any name).
bool is_kept_game_path(const std::string& path);
// A record holding a move played in this game, or changed by moves taken back, which no file keeps yet.
bool has_unkept_game(const Kiroku& r);
// Writes such a record to that file, or to `path` (the mode and the sides name the players, the
// record's handicap level follows the lower player's name) and marks it kept; returns 0, or the errno
// of the failed step. Nothing is written for any other record.
int write_kept_game(Kiroku& r, const Shinkou& g, const Kyokumen& k, const Settei& s,
                    const std::string& path = kept_game_path());
// The handicap level of a file's game, from its header lines as read (Shift_JIS): that of a kept game,
// 0 for any other file.
int kept_game_handicap(const std::vector<std::string>& lines);
// Whether a file's game is a kept game against the computer, and the level it played at (1..4; 0 when
// the file does not name one).
bool kept_game_against_computer(const std::vector<std::string>& lines);
int kept_game_level(const std::vector<std::string>& lines);
