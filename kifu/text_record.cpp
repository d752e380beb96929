#include "kifu/text_record.h"

#include "core/handicap.h"
#include "core/moves.h"
#include "core/rules.h"
#include "kifu/navigate.h"
#include "kifu/notation.h"
#include "platform/codec.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "platform/translate.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string_view>

namespace {

constexpr std::string_view kColon = "：";
constexpr std::string_view kMovesHeading = "手数----指手---------消費時間--";
// A text record of a whole game is a few dozen bytes a move; a file far beyond that is none.
constexpr std::size_t kMaxBytes = 1 << 20;

bool starts_with(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// Blanks at either end, the ideographic space among them.
std::string_view trimmed(std::string_view s) {
    for (;;) {
        if (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
            s.remove_prefix(1);
        } else if (starts_with(s, "　")) {
            s.remove_prefix(3);
        } else {
            break;
        }
    }
    for (;;) {
        if (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
            s.remove_suffix(1);
        } else if (s.size() >= 3 && s.substr(s.size() - 3) == "　") {
            s.remove_suffix(3);
        } else {
            break;
        }
    }
    return s;
}

std::string two_digits(long v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02ld", v % 100);
    return buf;
}

// The time a move took and the mover's time so far, as a printed kifu writes them: "( 0:03/00:01:05)".
std::string time_text(long used, long total) {
    used = std::max(0L, used);
    total = std::max(0L, total);
    char buf[64];
    std::snprintf(buf, sizeof buf, "(%2ld:%s/%s:%s:%s)", used / 60, two_digits(used % 60).c_str(),
                  two_digits(total / 3600).c_str(), two_digits(total / 60 % 60).c_str(),
                  two_digits(total % 60).c_str());
    return buf;
}

// Numbers separated by colons ("1:05" is 65); false for anything else.
bool read_duration(std::string_view s, long& seconds) {
    s = trimmed(s);
    if (s.empty()) return false;
    seconds = 0;
    long part = 0;
    bool digits = false;
    for (char c : s) {
        if (c >= '0' && c <= '9') {
            if (part > 10000000) return false;
            part = part * 10 + (c - '0');
            digits = true;
        } else if (c == ':' && digits) {
            seconds = seconds * 60 + part;
            part = 0;
            digits = false;
        } else {
            return false;
        }
    }
    if (!digits) return false;
    seconds = seconds * 60 + part;
    return true;
}

// One move a position allows: the ring turned, then a piece moved or dropped.
struct Candidate {
    Cell from, to, source; // source: where 駒移動 takes a dropped piece from
    int placed = KARA;
};

// Every move of the side (lower or not) after the ring turned `turns` cells, promotions both ways
// where the rules leave the choice.
std::vector<Candidate> legal_moves(const Kyokumen& turned_position, bool lower) {
    const Kyokumen& k = turned_position;
    std::vector<Candidate> moves;
    for (int fx = 1; fx <= 11; ++fx)
        for (int fy = 1; fy <= 11; ++fy) {
            const int code = k.BAN[fx][fy];
            if (code == KARA || is_lower(code) != lower) continue;
            for (int tx = 1; tx <= 11; ++tx)
                for (int ty = 1; ty <= 11; ++ty) {
                    if (移動チェック(k, fx, fy, tx, ty, code) != ON) continue;
                    moves.push_back({{fx, fy}, {tx, ty}, {fx, fy}, code});
                    Koma promoted = KARA;
                    if (調査_駒成(fx, fy, tx, ty, code, promoted) == ON && promoted != code)
                        moves.push_back({{fx, fy}, {tx, ty}, {fx, fy}, promoted});
                }
        }
    for (int kind = 1; kind <= 7; ++kind) {
        if ((lower ? k.SITA_MOCHI[kind] : k.UE_MOCHI[kind]) <= 0) continue;
        const HandSlot slot{!lower, kind};
        const Cell source = drop_source(slot);
        const int code = lower ? SITA_KOMA_BY_KIND[kind] : UE_KOMA_BY_KIND[kind];
        for (int tx = 1; tx <= 11; ++tx)
            for (int ty = 1; ty <= 11; ++ty)
                if (移動チェック(k, source.x, source.y, tx, ty, code) == ON)
                    moves.push_back({hand_cell(slot), {tx, ty}, source, code});
    }
    return moves;
}

// The ring's turn written before a move ("右3 ", "左12 ", "R3 ", "L12 "), as right turns 0..39; the
// text after it is left in `rest`.
int written_turns(std::string_view text, std::string_view& rest) {
    rest = text;
    int sign = 0;
    std::string_view s = text;
    if (starts_with(s, "右") || starts_with(s, "左")) {
        sign = starts_with(s, "右") ? 1 : -1;
        s.remove_prefix(3);
    } else if (!s.empty() && (s[0] == 'R' || s[0] == 'L')) {
        sign = s[0] == 'R' ? 1 : -1;
        s.remove_prefix(1);
    } else {
        return 0;
    }
    int n = 0;
    std::size_t i = 0;
    for (; i < s.size() && i < 3 && s[i] >= '0' && s[i] <= '9'; ++i) n = n * 10 + (s[i] - '0');
    // A line cut after the count has nothing after it.
    if (i == 0 || (i < s.size() && s[i] != ' ')) return 0;
    rest = i < s.size() ? s.substr(i + 1) : std::string_view();
    return ((sign * n) % 40 + 40) % 40;
}

// Why a Japanese move text that no legal move is written as cannot be read: it ends before its piece,
// or its piece has no name this game knows; empty when it reads as a move that is not allowed.
enum class TextFault { Illegal, Cut, UnknownPiece };
TextFault text_fault(std::string_view text) {
    if (starts_with(text, "▲") || starts_with(text, "△")) text.remove_prefix(3);
    if (text.empty()) return TextFault::Cut;
    std::string_view rest;
    written_turns(text, rest);
    if (starts_with(rest, "同")) {
        rest = trimmed(rest.substr(3));
    } else {
        // A file (１ .. ９, １０, ０) and a rank (〇 一 .. 九 十).
        static const char* const files[] = {"１０", "０", "１", "２", "３", "４",
                                            "５",   "６", "７", "８", "９"};
        bool file = false;
        for (const char* f : files)
            if (starts_with(rest, f)) {
                rest.remove_prefix(std::string_view(f).size());
                file = true;
                break;
            }
        if (!file) return rest.empty() ? TextFault::Cut : TextFault::Illegal;
        static const char* const ranks[] = {"〇", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
        bool rank = false;
        for (const char* r : ranks)
            if (starts_with(rest, r)) {
                rest.remove_prefix(3);
                rank = true;
                break;
            }
        if (!rank) return rest.empty() ? TextFault::Cut : TextFault::Illegal;
    }
    if (rest.empty()) return TextFault::Cut;
    static const char* const pieces[] = {"成香", "成桂", "成銀", "歩", "香", "桂", "銀",
                                         "金",   "角",   "飛",   "玉", "と", "馬", "龍"};
    for (const char* p : pieces)
        if (starts_with(rest, p)) return TextFault::Illegal;
    return TextFault::UnknownPiece;
}

// Other ways of writing a king and a dragon, read as the notation writes them.
std::string usual_names(std::string_view text) {
    std::string s(text);
    for (auto [from, to] : {std::pair<std::string_view, std::string_view>{"王", "玉"}, {"竜", "龍"}})
        for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
            s.replace(at, from.size(), to);
    return s;
}

// The words after a move number that end the game in a printed kifu rather than move a piece.
bool is_ending_word(std::string_view text) {
    if (starts_with(text, "▲") || starts_with(text, "△")) text.remove_prefix(3);
    for (std::string_view w : {"投了", "中断", "時間切れ", "切れ負け", "反則負け", "反則勝ち", "詰み", "不詰",
                               "千日手", "持将棋", "入玉勝ち"})
        if (text == w) return true;
    return false;
}

std::string line_fault(std::size_t line, const std::string& reason) {
    return fill(translate("TextRecord", "%1行目：%2"), {std::to_string(line), reason});
}

} // namespace

bool is_text_record_name(const std::string& name) {
    const std::string_view ext = TEXT_RECORD_EXTENSION;
    return name.size() > ext.size() && std::string_view(name).substr(name.size() - ext.size()) == ext;
}

namespace {

// The moves of a record as they were made, each from the position the move before it left: the ring
// turned by the mover, then the move. An entry may already show turns the next mover made before moving
// (a player turns the ring before the position it moves from is stored again); a record read from a
// file cannot tell those from the move's own, so the split that makes the move legal is found.
class MoveReplay {
  public:
    explicit MoveReplay(const Kiroku& r) : r_(r) {
        put_entry(position_, r.entries[0]);
        follow_shown_position(position_);
    }

    // The text of move n, or empty where no legal move leads from the position to entry n.
    std::string next(int n) {
        const RecordedMove m = recorded_move(r_, n);
        if (!m.found) return {};
        // The turns the entries tell of beyond the move's own, where the record knows them.
        const int shown = r_.ring_turned[n], made = r_.ring_after[n];
        const int later = shown != TURNS_UNKNOWN && made != TURNS_UNKNOWN ? shortest_turns(shown - made) : 0;
        std::vector<int> splits = {m.turns - later, m.turns};
        for (int a = 0; a < 40; ++a) splits.push_back(a);
        for (int a : splits) {
            const int b = m.turns - a;
            auto at = [&](Cell c) { return is_hand_box(c.x) ? c : after_turns(c, -b); };
            const Cell from = at(m.from), to = at(m.to);
            Kyokumen k = position_;
            turn_ring(k, carry_ + a);
            const Cell source = is_hand_box(from.x) ? drop_source(hand_slot_at(from)) : from;
            const int moved = is_hand_box(from.x) ? m.placed : k.BAN[from.x][from.y];
            if (moved == KARA || 移動チェック(k, source.x, source.y, to.x, to.y, moved) != ON) continue;
            if (m.placed != moved) {
                Koma promoted = KARA;
                if (調査_駒成(from.x, from.y, to.x, to.y, moved, promoted) != ON || promoted != m.placed)
                    continue;
            }
            Kyokumen after = k;
            駒移動(after, source.x, source.y, to.x, to.y, m.placed);
            Kyokumen shown_after = after;
            turn_ring(shown_after, b);
            const RecordEntry e = entry_of(shown_after), want = r_.entries[n];
            if (!std::equal(&e.ban[0][0], &e.ban[0][0] + 144, &want.ban[0][0]) ||
                !std::equal(e.sita_mochi, e.sita_mochi + 8, want.sita_mochi) ||
                !std::equal(e.ue_mochi, e.ue_mochi + 8, want.ue_mochi))
                continue;
            const int turns = shortest_turns(carry_ + a);
            const NotatedMove move{
                .turns = turns, .shown_turns = turns, .from = from, .to = to, .placed = m.placed};
            std::string text = move_notation(position_, move, last_to_, Notation::Japanese);
            if (text.empty()) continue;
            position_ = after;
            follow_shown_position(position_);
            carry_ = shortest_turns(b);
            last_to_ = to;
            return text;
        }
        return {};
    }

  private:
    const Kiroku& r_;
    Kyokumen position_;
    int carry_ = 0; // turns the entry of the position shows beyond it, made by the next mover
    Cell last_to_{};
};

} // namespace

std::vector<std::string> text_record_lines(const Kiroku& r, const TextRecordInfo& info) {
    std::vector<std::string> lines;
    lines.push_back("#KIF version=2.0 encoding=UTF-8");
    if (!info.date.empty()) lines.push_back("記録日時：" + info.date);
    if (!info.title.empty()) lines.push_back("棋戦：" + info.title);
    std::string variant = TEXT_RECORD_VARIANT;
    if (info.handicap_level != 0) variant += " " + handicap_name(info.handicap_level);
    lines.push_back("手合割：" + variant);
    lines.push_back("先手：" + info.sente);
    lines.push_back("後手：" + info.gote);
    if (info.time_control) lines.push_back("持ち時間：" + *info.time_control);
    lines.push_back(std::string(kMovesHeading));
    const int last = std::min(r.KIFU_TESUU, KIFU_MAX);
    MoveReplay replay(r);
    for (int n = 1; n <= last; ++n) {
        const std::string text = replay.next(n);
        if (text.empty()) return {};
        const RecordEntry e = filed_entry(r, n - 1);
        const bool lower = starts_with(text, "▲");
        const long mae = static_cast<long>(lower ? e.sita_mae : e.ue_mae);
        const long ato = static_cast<long>(lower ? e.sita_ato : e.ue_ato);
        char number[16];
        std::snprintf(number, sizeof number, "%4d ", n);
        lines.push_back(number + text + "   " + time_text(ato - mae, ato));
    }
    if (info.result) lines.push_back(*info.result);
    return lines;
}

std::string text_record_bytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& l : lines) bytes += l + "\r\n";
    return bytes;
}

KifuFileRead read_text_record(const std::string& text) {
    KifuFileRead out;
    LineSplitter splitter;
    splitter.feed(text);
    std::vector<std::string> lines = splitter.finish();
    if (!lines.empty() && starts_with(lines[0], "\xEF\xBB\xBF")) lines[0].erase(0, 3);

    auto refuse = [&out](std::string fault) {
        out.entries.clear();
        out.lines.clear();
        out.fault = std::move(fault);
        return out;
    };

    std::string title, sente, gote;
    bool variant_seen = false, moves_begun = false, ended = false;
    int level = 0;
    // The position before the next move, its side to move (0 until the first move tells it), the cell
    // the last move went to, and each side's time so far.
    Kyokumen position;
    int mover = 0; // 1 the lower player, -1 the upper
    Cell last_to{};
    long total_lower = 0, total_upper = 0;
    int number = 0;
    int first_mover = 0;

    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t line_no = i + 1;
        const std::string_view line = trimmed(lines[i]);
        if (line.empty() || line[0] == '#' || line[0] == '*' || line[0] == '&') continue;
        if (starts_with(line, "まで") || starts_with(line, "変化：")) break;
        if (starts_with(line, "手数-")) {
            moves_begun = true;
            continue;
        }
        if (line[0] < '0' || line[0] > '9') {
            const std::size_t colon = line.find(kColon);
            if (colon == std::string_view::npos || moves_begun)
                return refuse(line_fault(line_no, translate("TextRecord", "読めない行です")));
            const std::string_view key = trimmed(line.substr(0, colon));
            const std::string_view value = trimmed(line.substr(colon + kColon.size()));
            if (key == "手合割") {
                if (!starts_with(value, TEXT_RECORD_VARIANT))
                    return refuse(line_fault(
                        line_no,
                        fill(translate("TextRecord", "手合割の「%1」はこのゲームの棋譜ではありません"),
                             {std::string(value)})));
                const std::string_view handicap =
                    trimmed(value.substr(std::string_view(TEXT_RECORD_VARIANT).size()));
                bool known = handicap.empty();
                for (int l = -10; l <= 10 && !known; ++l)
                    if (l != 0 && handicap_name(l) == handicap) {
                        level = l;
                        known = true;
                    }
                if (!known)
                    return refuse(line_fault(
                        line_no, fill(translate("TextRecord", "ハンディキャップの「%1」が読めません"),
                                      {std::string(handicap)})));
                variant_seen = true;
                Kyokumen start;
                place_start_position(start.BAN);
                place_handicap_start(start.BAN, level);
                position = start;
                follow_shown_position(position);
            } else if (key == "先手" || key == "下手") {
                sente = value;
            } else if (key == "後手" || key == "上手") {
                gote = value;
            } else if (key == "棋戦") {
                title = value;
            }
            continue;
        }
        if (!variant_seen)
            return refuse(line_fault(
                line_no, translate("TextRecord", "手合割の行がないので、このゲームの棋譜と分かりません")));
        moves_begun = true;

        // A move line: its number, the move, and the time it took in brackets.
        std::size_t digits = 0;
        int n = 0;
        while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9' && digits < 6)
            n = n * 10 + (line[digits++] - '0');
        std::string_view body = trimmed(line.substr(digits));
        if (body.empty())
            return refuse(line_fault(line_no, translate("TextRecord", "行が途中で切れています")));
        if (n != number + 1)
            return refuse(line_fault(line_no, fill(translate("TextRecord", "%1手目の行がありません"),
                                                   {std::to_string(number + 1)})));
        long used = 0, total = -1;
        if (const std::size_t open = body.rfind('('); open != std::string_view::npos) {
            std::string_view time = body.substr(open + 1);
            body = trimmed(body.substr(0, open));
            if (!time.empty() && time.back() == '+') time.remove_suffix(1);
            if (time.empty() || time.back() != ')')
                return refuse(line_fault(line_no, translate("TextRecord", "行が途中で切れています")));
            time.remove_suffix(1);
            const std::size_t slash = time.find('/');
            if (!read_duration(time.substr(0, slash), used) ||
                (slash != std::string_view::npos && !read_duration(time.substr(slash + 1), total)))
                return refuse(line_fault(line_no, translate("TextRecord", "消費時間が読めません")));
        }
        if (is_ending_word(body)) {
            ended = true;
            continue;
        }
        if (ended || position.SYOUSYA != 0)
            return refuse(line_fault(line_no, translate("TextRecord", "対局が終わった後に指し手があります")));
        if (number >= KIFU_MAX) {
            out.more = true;
            break;
        }

        // The move is the legal move of the position written as the line writes it.
        const std::string wanted = usual_names(body);
        const bool marked = starts_with(wanted, "▲") || starts_with(wanted, "△");
        std::string_view rest;
        const int turns =
            written_turns(marked ? std::string_view(wanted).substr(3) : std::string_view(wanted), rest);
        Kyokumen turned = position;
        turn_ring(turned, turns);
        std::vector<int> sides;
        if (mover != 0)
            sides = {mover};
        else if (marked)
            sides = {starts_with(wanted, "▲") ? 1 : -1};
        else
            sides = {1, -1};
        bool found = false;
        Candidate move;
        int side = 0;
        for (int s : sides) {
            for (const Candidate& c : legal_moves(turned, s == 1)) {
                const NotatedMove m{
                    .turns = turns, .shown_turns = turns, .from = c.from, .to = c.to, .placed = c.placed};
                const std::string written =
                    move_notation(position, m, last_to, marked ? Notation::Japanese : Notation::English);
                if (written == wanted) {
                    found = true;
                    move = c;
                    side = s;
                    break;
                }
            }
            if (found) break;
        }
        if (!found) {
            const std::string shown(body);
            switch (marked ? text_fault(wanted) : TextFault::Illegal) {
            case TextFault::Cut:
                return refuse(line_fault(line_no, translate("TextRecord", "行が途中で切れています")));
            case TextFault::UnknownPiece:
                return refuse(line_fault(
                    line_no, fill(translate("TextRecord", "「%1」の駒の名前が分かりません"), {shown})));
            case TextFault::Illegal:
                return refuse(line_fault(
                    line_no, fill(translate("TextRecord", "「%1」はこの局面で指せない手です"), {shown})));
            }
        }

        // The clocks of the position the move was made from, as the record keeps them beside it.
        long& mine = side == 1 ? total_lower : total_upper;
        const long before = total >= 0 ? total - used : mine;
        const long after = total >= 0 ? total : mine + used;
        if (!out.entries.empty()) {
            RecordEntry& e = out.entries.back();
            e.sita_mae = side == 1 ? before : total_lower;
            e.sita_ato = side == 1 ? after : total_lower;
            e.ue_mae = side == 1 ? total_upper : before;
            e.ue_ato = side == 1 ? total_upper : after;
        }
        mine = after;

        駒移動(turned, move.source.x, move.source.y, move.to.x, move.to.y, move.placed);
        follow_shown_position(turned);
        position = turned;
        last_to = move.to;
        if (number == 0) first_mover = side;
        mover = -side;
        number = n;
        RecordEntry e = entry_of(position);
        e.sita_mae = e.sita_ato = total_lower;
        e.ue_mae = e.ue_ato = total_upper;
        out.entries.push_back(e);
        // The side that took a king has won: nothing more can be played.
        if (position.SYOUSYA == 0) {
            bool kings[2] = {false, false};
            for (int x = 1; x <= 11; ++x)
                for (int y = 1; y <= 11; ++y) {
                    if (position.BAN[x][y] == SITA_OU) kings[0] = true;
                    if (position.BAN[x][y] == UE_OU) kings[1] = true;
                }
            if (!kings[0] || !kings[1]) ended = true;
        }
    }
    if (!variant_seen)
        return refuse(translate("TextRecord", "手合割の行がないので、このゲームの棋譜と分かりません"));

    // The header lines as a kifu file holds them: the title, the upper player, the lower player. The
    // lower player moved first when the first move was written ▲.
    const bool lower_first = first_mover != -1;
    out.hande_level = level;
    out.lines = {to_sjis(title), to_sjis(lower_first ? gote : sente), to_sjis(lower_first ? sente : gote)};
    for (const RecordEntry& e : out.entries) out.lines.push_back(record_line_of(e));
    // What every record read from a file must hold.
    if (const std::string fault = moves_fault(out.entries, level, false); !fault.empty())
        return refuse(fault);
    return out;
}

KifuFileRead 読込_テキスト棋譜(const std::string& path) {
    std::string bytes;
    const int err = read_small_file(path, kMaxBytes, bytes);
    KifuFileRead r;
    if (err == EFBIG) {
        r.fault = translate("TextRecord", "棋譜のテキストとしては大きすぎます");
        return r;
    }
    if (err != 0) {
        r.fault = failure_reason(err, false);
        return r;
    }
    return read_text_record(bytes);
}
