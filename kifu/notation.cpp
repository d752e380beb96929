#include "kifu/notation.h"

#include "core/moves.h"
#include "core/rules.h"
#include "kifu/navigate.h"
#include "kifu/record.h"
#include "platform/translate.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

const char* const kWideDigits[11] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９", "１０"};
const char* const kKanjiRanks[11] = {"〇", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
// The ranks in English: a..i on the board, o above it (rank 0) and j below it (rank 10).
const char* const kRankLetters[11] = {"o", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};

bool is_hand(Cell c) {
    return is_hand_box(c.x);
}

Kyokumen turned(const Kyokumen& before, int turns) {
    Kyokumen k = before;
    turn_ring(k, turns);
    return k;
}

// The other pieces of the same code that could have made the move.
std::vector<Cell> rivals(const Kyokumen& k, Cell from, Cell to, int code) {
    std::vector<Cell> cells;
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y)
            if (Cell{x, y} != from && k.BAN[x][y] == code && 移動チェック(k, x, y, to.x, to.y, code) == ON)
                cells.push_back({x, y});
    return cells;
}

// How a piece moves toward `to`, from its owner's side: forward (上), back (引) or along the rank (寄).
enum class Motion { Forward, Back, Sideways };
Motion motion(Cell from, Cell to, bool lower) {
    const int ahead = lower ? from.y - to.y : to.y - from.y;
    return ahead > 0 ? Motion::Forward : ahead < 0 ? Motion::Back : Motion::Sideways;
}
// How far a cell stands to its owner's right (the lower player's right is the higher x).
int rightness(Cell c, bool lower) {
    return lower ? c.x : -c.x;
}

// 右, 左, 直, 上, 引, 寄 as a printed kifu writes them where more than one piece of a kind could make the
// move: the motion alone where it tells the piece, else its place from the left or right (直 for a
// gold-like piece moving straight ahead), with the motion added where the place alone does not tell.
std::string disambiguation(Cell from, Cell to, int code, bool lower, const std::vector<Cell>& others) {
    if (others.empty()) return {};
    const Motion mine = motion(from, to, lower);
    const char* const motion_text[3] = {"上", "引", "寄"};
    std::vector<Cell> same_motion;
    for (Cell c : others)
        if (motion(c, to, lower) == mine) same_motion.push_back(c);
    if (same_motion.empty()) return motion_text[static_cast<int>(mine)];
    const int kind = std::abs(code);
    const bool promoted_ranging = kind == 801 || kind == 901;
    if (!promoted_ranging && mine == Motion::Forward && from.x == to.x) return "直";
    auto side_of = [&](const std::vector<Cell>& cells) -> std::string {
        bool right = true, left = true;
        for (Cell c : cells) {
            right = right && rightness(from, lower) > rightness(c, lower);
            left = left && rightness(from, lower) < rightness(c, lower);
        }
        return right ? "右" : left ? "左" : "";
    };
    if (const std::string side = side_of(others); !side.empty()) return side;
    if (const std::string side = side_of(same_motion); !side.empty())
        return side + motion_text[static_cast<int>(mine)];
    return motion_text[static_cast<int>(mine)];
}

} // namespace

Notation notation_in_use() {
    return language_in_use() == Language::English ? Notation::English : Notation::Japanese;
}

std::string cell_name(Cell c, Notation n) {
    if (c.x < 1 || c.x > 11 || c.y < 1 || c.y > 11) return {};
    const int file = 11 - c.x, rank = c.y - 1;
    if (n == Notation::English) return std::to_string(file) + kRankLetters[rank];
    return std::string(kWideDigits[file]) + kKanjiRanks[rank];
}

std::string piece_name(int code, Notation n) {
    const bool en = n == Notation::English;
    switch (std::abs(code)) {
    case 10:
        return en ? "P" : "歩";
    case 11:
        return en ? "+P" : "と";
    case 20:
        return en ? "L" : "香";
    case 21:
        return en ? "+L" : "成香";
    case 30:
        return en ? "N" : "桂";
    case 31:
        return en ? "+N" : "成桂";
    case 100:
        return en ? "S" : "銀";
    case 101:
        return en ? "+S" : "成銀";
    case 110:
    case 111:
        return en ? "G" : "金";
    case 800:
        return en ? "B" : "角";
    case 801:
        return en ? "+B" : "馬";
    case 900:
        return en ? "R" : "飛";
    case 901:
        return en ? "+R" : "龍";
    case 950:
        return en ? "K" : "玉";
    default:
        return {};
    }
}

std::string turn_prefix(int turns, Notation n) {
    const int k = (turns % 40 + 40) % 40;
    if (k == 0) return {};
    const bool right = k <= 20;
    const std::string count = std::to_string(right ? k : 40 - k);
    if (n == Notation::English) return (right ? "R" : "L") + count + " ";
    return (right ? "右" : "左") + count + " ";
}

std::string move_notation(const Kyokumen& before, const NotatedMove& m, Cell last_to, Notation n) {
    const Kyokumen k = turned(before, m.turns);
    const bool lower = is_lower(m.placed);
    const bool drop = is_hand(m.from);
    const bool en = n == Notation::English;
    const int moved = drop ? m.placed : (m.from.x >= 1 && m.from.x <= 11 ? k.BAN[m.from.x][m.from.y] : KARA);
    if (moved == KARA || is_lower(moved) != lower) return {};
    std::string text = en ? std::string() : std::string(lower ? "▲" : "△");
    text += turn_prefix(m.shown_turns, n);
    const bool same_cell = last_to.x != 0 && after_turns(last_to, m.turns) == m.to;
    // Whether the move could have promoted, and did.
    Koma promoted = KARA;
    const bool could_promote = !drop && 調査_駒成(m.from.x, m.from.y, m.to.x, m.to.y, moved, promoted) == ON;
    const bool promotes = m.placed != moved;
    const std::vector<Cell> others = rivals(k, drop ? Cell{} : m.from, m.to, moved);
    if (en) {
        // Western notation: the piece, its origin where another could make the move, - or x, the
        // cell, then + for a promotion and = for one declined; a drop P*5e.
        text += piece_name(moved, n);
        if (drop) return text + "*" + cell_name(m.to, n);
        if (!others.empty()) text += cell_name(m.from, n);
        text += k.BAN[m.to.x][m.to.y] != KARA ? "x" : "-";
        text += cell_name(m.to, n);
        if (promotes)
            text += "+";
        else if (could_promote)
            text += "=";
        return text;
    }
    text += same_cell ? "同" : cell_name(m.to, n);
    text += piece_name(moved, n);
    if (drop) return others.empty() ? text : text + "打";
    text += disambiguation(m.from, m.to, moved, lower, others);
    if (promotes)
        text += "成";
    else if (could_promote)
        text += "不成";
    return text;
}

std::string recorded_move_text(const Kiroku& r, int n, Notation notation) {
    const RecordedMove m = recorded_move(r, n);
    if (!m.found) return {};
    // Entry n may already show the next mover's turns: a player turns the ring before the entry of the
    // position it moves from is stored again, the computer after. Taken back, they give the cells the
    // move was made on and the turns before it.
    const int shown = r.ring_turned[n], made = r.ring_after[n];
    const int later = shown != TURNS_UNKNOWN && made != TURNS_UNKNOWN ? shortest_turns(shown - made) : 0;
    auto landed = [&](Cell c) {
        return c.x >= 1 && c.x <= 11 && c.y >= 1 && c.y <= 11 ? after_turns(c, -later) : c;
    };
    Kyokumen before;
    put_entry(before, r.entries[n - 1]);
    const RecordedMove last = recorded_move(r, n - 1);
    const NotatedMove move{.turns = shortest_turns(m.turns - later),
                           .shown_turns = m.mover_turns,
                           .from = landed(m.from),
                           .to = landed(m.to),
                           .placed = m.placed};
    return move_notation(before, move, last.found ? last.to : Cell{}, notation);
}
