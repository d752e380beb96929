// The game's time control and result, kept beside its kifu file as NAME.対局 next to NAME.棋譜 (as the
// review is kept as NAME.検討), so that the kifu file itself, which every reader of the format reads,
// never changes. Read back only with the record it was written for.
#pragma once

#include "core/state.h"
#include "kifu/record.h"

#include <optional>
#include <string>

struct GameFile {
    TimeControl time_control;
    GameResult result;
    bool operator==(const GameFile&) const = default;
};

// NAME.対局 for NAME.棋譜.
std::string game_file_path(const std::string& kifu_path);
// The file's text (Shift_JIS, CR LF, a check line last) for record r.
std::string game_file_text(const Kiroku& r, const GameFile& g);
// What the bytes hold for record r; nothing when they are damaged in any way or belong to another record.
std::optional<GameFile> game_from_text(const std::string& bytes, const Kiroku& r);
// Writes the file, replacing one of that name; 0 or the errno of the failed step. A game with neither a
// time control nor a result removes the file instead, so that an old one does not come back with it.
int write_game_file(const std::string& path, const Kiroku& r, const GameFile& g);
std::optional<GameFile> read_game_file(const std::string& path, const Kiroku& r);
// Whether the file, whole and unchanged, says its game ended, whichever record it was written for (the
// kept game is offered at start-up before its record is read).
bool kept_game_ended(const std::string& path);

// The result as the record ends it ("まで64手で先手の勝ち"), the sides named 上手 and 下手 in a game at a
// handicap; empty for a game not ended. `shown`: in the player's language; otherwise as a file writes it.
std::string result_text(const GameResult& r, int hande_level, bool shown = true);
// The time control ("持ち時間10分、秒読み30秒", "なし" for none), the same way.
std::string time_control_text(const TimeControl& c, bool shown = true);
