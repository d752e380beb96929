// The text record (.kifu): the game written as a printed kifu writes it, in UTF-8, with a header that
// names the game with the ring, so that a program of standard shogi refuses the file rather than read
// it as its own; and read back by matching every move line against the legal moves of its position.
#pragma once

#include "kifu/kifu_file.h"
#include "kifu/record.h"

#include <optional>
#include <string>
#include <vector>

// The file name's extension of a text record.
inline constexpr const char* TEXT_RECORD_EXTENSION = ".kifu";

// The header's value of 手合割: the game with the ring, which no program of standard shogi plays.
inline constexpr const char* TEXT_RECORD_VARIANT = "回転盤将棋";

// What the header of a text record says besides the moves.
struct TextRecordInfo {
    std::string date;  // when it was written, "2026/12/08 10:00:00"
    std::string title; // the game's name, or empty
    std::string sente; // the player who moved first (the computer by its level)
    std::string gote;
    int handicap_level = 0;
    std::optional<std::string> time_control;
    // How the game ended, the last line of a printed kifu ("まで64手で先手の勝ち").
    std::optional<std::string> result;
};

// The lines of the text record of moves 1..KIFU_TESUU, without their line ends; empty when a move of
// the record cannot be told from its entries.
std::vector<std::string> text_record_lines(const Kiroku& r, const TextRecordInfo& info);

// The lines joined with CR LF, each ended, as the file holds them.
std::string text_record_bytes(const std::vector<std::string>& lines);

// A text record read: the header lines of a kifu file (the title and the upper and lower players,
// Shift_JIS), a record line per entry, and the entries after each move, as the kifu reader gives them;
// `fault` names the line and the reason when the text is no game this program can play through.
KifuFileRead read_text_record(const std::string& text);

// The same for a file; a file that cannot be read gives the reason.
KifuFileRead 読込_テキスト棋譜(const std::string& path);

// Whether a file name is that of a text record.
bool is_text_record_name(const std::string& name);
