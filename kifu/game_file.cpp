#include "kifu/game_file.h"

#include "kifu/review_file.h"
#include "platform/codec.h"
#include "platform/files.h"
#include "platform/translate.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kTitle = "対局";
constexpr int kVersion = 1;
constexpr std::size_t kMaxBytes = 4096;

const char* const kReasons[] = {"none", "resigned", "time", "king", "mate", "full"};
constexpr int kReasonCount = 6;

// Reads "name=value" as a whole number within [lo, hi].
bool number(const std::string& word, const char* name, long long lo, long long hi, long long& out) {
    const std::string prefix = std::string(name) + "=";
    if (word.rfind(prefix, 0) != 0 || word.size() == prefix.size()) return false;
    const std::string digits = word.substr(prefix.size());
    for (std::size_t i = 0; i < digits.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(digits[i])) &&
            !(i == 0 && digits[i] == '-' && digits.size() > 1))
            return false;
    if (digits.size() > 18) return false;
    out = std::stoll(digits);
    return out >= lo && out <= hi;
}

std::vector<std::string> words_of(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string s; in >> s;) w.push_back(s);
    return w;
}

} // namespace

std::string game_file_path(const std::string& kifu_path) {
    return beside_record(kifu_path, ".対局");
}

std::string game_file_text(const Kiroku& r, const GameFile& g) {
    const TimeControl& c = g.time_control;
    const GameResult& res = g.result;
    const std::vector<std::string> lines{
        to_sjis(std::string(kTitle) + " version=" + std::to_string(kVersion) + " record=" +
                fingerprint_text(record_fingerprint(r)) + " moves=" + std::to_string(moves_of(r))),
        to_sjis("持ち時間 main=" + std::to_string(c.main) + " byoyomi=" + std::to_string(c.byoyomi) +
                " increment=" + std::to_string(c.increment)),
        to_sjis("結果 reason=" + std::string(kReasons[static_cast<int>(res.reason)]) +
                " winner=" + std::to_string(res.winner) + " upper=" + (res.winner_upper ? "1" : "0") +
                " moves=" + std::to_string(res.moves)),
    };
    return checked_text(lines);
}

namespace {
std::optional<GameFile> parse(const std::string& bytes, const Kiroku* r);
std::string read_bytes(const std::string& path);
} // namespace

std::optional<GameFile> game_from_text(const std::string& bytes, const Kiroku& r) {
    return parse(bytes, &r);
}

bool kept_game_ended(const std::string& path) {
    const std::optional<GameFile> g = parse(read_bytes(path), nullptr);
    return g && g->result.reason != GameResult::Reason::NONE;
}

namespace {

std::string read_bytes(const std::string& path) {
    std::string bytes;
    read_small_file(path, kMaxBytes, bytes); // nothing on any failure
    return bytes;
}

std::optional<GameFile> parse(const std::string& bytes, const Kiroku* r) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", at);
        if (end == std::string::npos) return std::nullopt;
        lines.push_back(bytes.substr(at, end - at));
        at = end + 2;
    }
    // Four lines, the last a check over every byte before it.
    if (lines.size() != 4) return std::nullopt;
    lines.pop_back();
    if (checked_text(lines) != bytes) return std::nullopt;
    const std::vector<std::string> head = words_of(from_sjis(lines[0]));
    const std::vector<std::string> clock = words_of(from_sjis(lines[1]));
    const std::vector<std::string> end = words_of(from_sjis(lines[2]));
    long long version = 0, moves = 0, main = 0, byoyomi = 0, increment = 0, winner = 0, upper = 0,
              at_move = 0;
    const long long most = 10 * 24 * 3600; // ten days of clock
    if (head.size() != 4 || head[0] != kTitle || !number(head[1], "version", 1, 99, version) ||
        version != kVersion || head[2].size() != 7 + 16 || head[2].rfind("record=", 0) != 0 ||
        !number(head[3], "moves", 0, KIFU_MAX, moves))
        return std::nullopt;
    if (r && (head[2].substr(7) != fingerprint_text(record_fingerprint(*r)) || moves != moves_of(*r)))
        return std::nullopt;
    if (clock.size() != 4 || clock[0] != "持ち時間" || !number(clock[1], "main", 0, most, main) ||
        !number(clock[2], "byoyomi", 0, most, byoyomi) ||
        !number(clock[3], "increment", 0, most, increment) || (byoyomi > 0 && increment > 0))
        return std::nullopt;
    if (end.size() != 5 || end[0] != "結果" || end[1].rfind("reason=", 0) != 0 ||
        !number(end[2], "winner", -1, 1, winner) || !number(end[3], "upper", 0, 1, upper) ||
        !number(end[4], "moves", 0, KIFU_MAX, at_move))
        return std::nullopt;
    int reason = -1;
    for (int i = 0; i < kReasonCount; ++i)
        if (end[1].substr(7) == kReasons[i]) reason = i;
    if (reason < 0) return std::nullopt;
    GameFile g;
    g.time_control = {static_cast<int>(main), static_cast<int>(byoyomi), static_cast<int>(increment)};
    g.result = {static_cast<GameResult::Reason>(reason), static_cast<int>(winner), upper == 1,
                static_cast<int>(at_move)};
    return g;
}

} // namespace

int write_game_file(const std::string& path, const Kiroku& r, const GameFile& g) {
    if (!g.time_control.on() && g.result.reason == GameResult::Reason::NONE) {
        if (::unlink(path.c_str()) != 0 && errno != ENOENT) return errno;
        return 0;
    }
    return write_file_replacing(path, game_file_text(r, g));
}

std::optional<GameFile> read_game_file(const std::string& path, const Kiroku& r) {
    return parse(read_bytes(path), &r);
}

namespace {

std::string side_name(const GameResult& r, int hande_level, bool shown) {
    if (hande_level != 0) {
        // The side whose pieces the level takes off gives the handicap: the upper at levels above 0.
        const bool upper_gives = hande_level > 0;
        if (r.winner_upper == upper_gives) return shown ? translate("Result", "上手") : "上手";
        return shown ? translate("Result", "下手") : "下手";
    }
    if (r.winner == 1) return shown ? translate("Result", "先手") : "先手";
    return shown ? translate("Result", "後手") : "後手";
}

std::string duration(int s, bool shown) {
    const std::string m = std::to_string(s / 60), sec = std::to_string(s % 60);
    if (s % 60 == 0 && s > 0) return fill(shown ? translate("TimeControl", "%1分") : "%1分", {m});
    if (s < 60) return fill(shown ? translate("TimeControl", "%1秒") : "%1秒", {sec});
    return fill(shown ? translate("TimeControl", "%1分%2秒") : "%1分%2秒", {m, sec});
}

} // namespace

std::string result_text(const GameResult& r, int hande_level, bool shown) {
    using R = GameResult::Reason;
    const std::string n = std::to_string(r.moves);
    switch (r.reason) {
    case R::NONE:
        return {};
    case R::RESIGNED:
        return fill(shown ? translate("Result", "まで%1手で%2の勝ち") : "まで%1手で%2の勝ち",
                    {n, side_name(r, hande_level, shown)});
    case R::TIME:
        return fill(shown ? translate("Result", "まで%1手で時間切れにより%2の勝ち")
                          : "まで%1手で時間切れにより%2の勝ち",
                    {n, side_name(r, hande_level, shown)});
    case R::KING_TAKEN:
        return fill(shown ? translate("Result", "まで%1手で玉を取って%2の勝ち")
                          : "まで%1手で玉を取って%2の勝ち",
                    {n, side_name(r, hande_level, shown)});
    case R::MATE:
        return fill(shown ? translate("Result", "まで%1手で詰みにより%2の勝ち")
                          : "まで%1手で詰みにより%2の勝ち",
                    {n, side_name(r, hande_level, shown)});
    case R::FULL_RECORD:
        return fill(shown ? translate("Result", "まで%1手で引き分け") : "まで%1手で引き分け", {n});
    }
    return {};
}

std::string time_control_text(const TimeControl& c, bool shown) {
    if (!c.on()) return shown ? translate("TimeControl", "なし") : "なし";
    const std::string main = duration(c.main, shown);
    if (c.byoyomi > 0 && c.main > 0)
        return fill(shown ? translate("TimeControl", "持ち時間%1、秒読み%2") : "持ち時間%1、秒読み%2",
                    {main, duration(c.byoyomi, shown)});
    if (c.byoyomi > 0)
        return fill(shown ? translate("TimeControl", "秒読み%1") : "秒読み%1", {duration(c.byoyomi, shown)});
    if (c.increment > 0)
        return fill(shown ? translate("TimeControl", "持ち時間%1、1手ごとに%2加算")
                          : "持ち時間%1、1手ごとに%2加算",
                    {main, duration(c.increment, shown)});
    return fill(shown ? translate("TimeControl", "持ち時間%1") : "持ち時間%1", {main});
}
