#include "kifu/autosave.h"

#include "core/handicap.h"
#include "kifu/kifu_file.h"
#include "kifu/record.h"
#include "platform/codec.h"
#include "platform/folders.h"

#include <filesystem>
#include <system_error>

namespace {

// The lower player's name and the level's name behind it.
constexpr char kHandeSep = ' ';
// The level behind "COM".
constexpr const char* kLevelWord = "LEVEL";
// A reversed game's title: the title, this word, the side its record starts with.
constexpr const char* kReversedWord = " 反転 ";
constexpr const char* kSideNames[2] = {"後手番", "先手番"}; // side -1, side 1

std::string reversed_title(int first_side) {
    return std::string(KEPT_GAME_TITLE) + kReversedWord + kSideNames[first_side == 1];
}

} // namespace

bool is_kept_game(const std::vector<std::string>& lines) {
    return !lines.empty() && (from_sjis(lines[0]) == KEPT_GAME_TITLE || kept_game_reversal(lines) != 0);
}

int kept_game_reversal(const std::vector<std::string>& lines) {
    if (lines.empty()) return 0;
    const std::string title = from_sjis(lines[0]);
    for (int side : {1, -1})
        if (title == reversed_title(side)) return side;
    return 0;
}

std::string kept_game_path() {
    return settings_folder() + "/前回の対局.棋譜";
}

std::string second_kept_game_path() {
    return settings_folder() + "/前回の対局(2).棋譜";
}

bool is_kept_game_path(const std::string& path) {
    std::error_code e;
    return std::filesystem::equivalent(path, kept_game_path(), e);
}

bool has_unkept_game(const Kiroku& r) {
    // A record that only holds a file read is already kept in that file. One taken back to no move is
    // kept only over the kept game it was read from.
    return r.KIFU_TAIKYOKU == ON && (r.KIFU_TESUU >= 1 || r.from_kept_file);
}

int write_kept_game(Kiroku& r, const Shinkou& g, const Kyokumen& k, const Settei& s,
                    const std::string& path) {
    if (!has_unkept_game(r)) return 0;
    const bool com = g.TAIKYOKU_MODE == MODE_MAN_COM;
    const bool lower_first = k.SITA_GAWA == 1;
    const std::string upper =
        com           ? std::string(KEPT_GAME_COM) + kHandeSep + kLevelWord + std::to_string(s.COM_LEVEL)
        : lower_first ? "後手"
                      : "先手";
    std::string lower = com ? "MAN" : lower_first ? "先手" : "後手";
    if (r.KIFU_HANDE_LEVEL != 0) lower += kHandeSep + handicap_name(r.KIFU_HANDE_LEVEL);
    // A reversed game's record starts at the position the reversal left: it is written too.
    const bool reversed = r.starts_reversed;
    const int err =
        write_kifu_file(r, path, reversed ? reversed_title(r.first_side) : std::string(KEPT_GAME_TITLE),
                        upper, lower, reversed ? 0 : 1);
    if (err == 0) r.KIFU_TAIKYOKU = OFF;
    return err;
}

int kept_game_handicap(const std::vector<std::string>& lines) {
    if (lines.size() < KIFU_MIDASHI_GYOU || !is_kept_game(lines)) return 0;
    const std::string lower = from_sjis(lines[2]);
    for (int level = -10; level <= 10; ++level) {
        const std::string name = kHandeSep + handicap_name(level);
        if (lower.size() > name.size() && lower.compare(lower.size() - name.size(), name.size(), name) == 0)
            return level;
    }
    return 0;
}

bool kept_game_against_computer(const std::vector<std::string>& lines) {
    if (lines.size() < 2 || !is_kept_game(lines)) return false;
    const std::string upper = from_sjis(lines[1]);
    return upper == KEPT_GAME_COM || upper.rfind(std::string(KEPT_GAME_COM) + kHandeSep, 0) == 0;
}

int kept_game_level(const std::vector<std::string>& lines) {
    if (!kept_game_against_computer(lines)) return 0;
    const std::string upper = from_sjis(lines[1]);
    const std::string named = std::string(KEPT_GAME_COM) + kHandeSep + kLevelWord;
    if (upper.size() != named.size() + 1 || upper.rfind(named, 0) != 0) return 0;
    const int level = upper.back() - '0';
    return level >= 1 && level <= 4 ? level : 0;
}
