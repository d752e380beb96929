// The review's side file: writing it and reading it back, checked line by line.

#include "kifu/review_file.h"

#include "kifu/navigate.h"
#include "platform/translate.h"
#include "platform/codec.h"
#include "platform/files.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string_view>

namespace {

constexpr std::string_view kSuffix = ".棋譜";
constexpr std::string_view kReviewSuffix = ".検討";
constexpr std::string_view kTitle = "検討";
// 2: the marks by the winning chance lost, line breaks under the check.
constexpr int kVersion = 2;
// A review of the longest record is some 60 KiB; a file beyond this is not one.
constexpr std::size_t kMaxBytes = 256 * 1024;

// FNV-1a over 64 bits.
struct Hash {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    void add(std::int64_t v) {
        for (int i = 0; i < 8; ++i) {
            h ^= static_cast<std::uint64_t>(v >> (8 * i)) & 0xff;
            h *= 0x100000001b3ULL;
        }
    }
    void add(std::string_view s) {
        for (const char c : s) {
            h ^= static_cast<unsigned char>(c);
            h *= 0x100000001b3ULL;
        }
    }
};

void add_entry(Hash& h, const RecordEntry& e) {
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) h.add(e.ban[x][y]);
    for (int k = 1; k <= 7; ++k) {
        h.add(e.sita_mochi[k]);
        h.add(e.ue_mochi[k]);
    }
}

// The words of a line, each ended by one space or the line's end; the last takes the rest of the line
// when `rest_from` is reached.
std::vector<std::string_view> words(std::string_view line, std::size_t rest_from = SIZE_MAX) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i <= line.size()) {
        if (out.size() == rest_from) {
            out.push_back(line.substr(i));
            break;
        }
        const std::size_t end = std::min(line.find(' ', i), line.size());
        out.push_back(line.substr(i, end - i));
        i = end + 1;
    }
    return out;
}

template <typename T> bool number(std::string_view s, T& out, int base = 10) {
    if (s.empty()) return false;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out, base);
    return ec == std::errc{} && end == s.data() + s.size();
}

// "key=value" with the given key.
bool field(std::string_view word, std::string_view key, auto& out, int base = 10) {
    if (word.size() <= key.size() + 1 || word.substr(0, key.size()) != key || word[key.size()] != '=')
        return false;
    return number(word.substr(key.size() + 1), out, base);
}

std::string header_line(const Kiroku& r, const ReviewFile& review) {
    return std::string(kTitle) + " version=" + std::to_string(kVersion) +
           " nodes=" + std::to_string(review.nodes) +
           " dubious=" + std::to_string(review.thresholds.dubious) +
           " bad=" + std::to_string(review.thresholds.bad) +
           " record=" + fingerprint_text(record_fingerprint(r)) + " moves=" + std::to_string(moves_of(r));
}

// n eval mate loss missed played mark fingerprint best turns fx fy tx ty before placed text
constexpr std::size_t kMoveFields = 17;

std::string move_line(int n, const ReviewedMove& m) {
    std::ostringstream s;
    const PreferredMove& b = m.best;
    s << n << ' ' << m.eval << ' ' << (m.mate ? 1 : 0) << ' ' << m.loss << ' ' << (m.missed_mate ? 1 : 0)
      << ' ' << (m.played_best ? 1 : 0) << ' ' << mark_text(m.mark) << ' ' << fingerprint_text(m.fingerprint)
      << ' ' << (m.has_best ? 1 : 0) << ' ' << b.turns << ' ' << b.fx << ' ' << b.fy << ' ' << b.tx << ' '
      << b.ty << ' ' << b.before << ' ' << b.placed << ' ' << (m.best_text.empty() ? "-" : m.best_text);
    return s.str();
}

bool flag(std::string_view s, bool& out) {
    if (s != "0" && s != "1") return false;
    out = s == "1";
    return true;
}

bool is_piece(int c) {
    return hand_kind(c) != 0 || c == SITA_OU || c == UE_OU;
}

// The preferred move's text as the move list writes it: its side's mark, the ring's turn the shorter way
// when there is one ("右3 "), then one word for the cell and the piece.
bool text_fits(std::string_view text, const PreferredMove& b) {
    const std::string_view mark = is_lower(b.placed) ? "▲" : "△";
    if (text.substr(0, mark.size()) != mark) return false;
    std::string_view rest = text.substr(mark.size());
    if (const int turns = shortest_turns(b.turns); turns != 0) {
        const std::string turn = (turns > 0 ? "右" : "左") + std::to_string(std::abs(turns)) + " ";
        if (rest.substr(0, turn.size()) != turn) return false;
        rest.remove_prefix(turn.size());
    }
    return !rest.empty() && rest.find(' ') == std::string_view::npos;
}

bool read_move_line(std::string_view line, const Kiroku& r, const ReviewThresholds& t, int& n,
                    ReviewedMove& m) {
    // The text, last, may hold one space (after the ring's turn): the words before it are counted.
    const std::vector<std::string_view> w = words(line, kMoveFields - 1);
    if (w.size() != kMoveFields) return false;
    PreferredMove& b = m.best;
    if (!number(w[0], n) || n < 1 || n > moves_of(r) || !number(w[1], m.eval) || !flag(w[2], m.mate) ||
        !number(w[3], m.loss) || !flag(w[4], m.missed_mate) || !flag(w[5], m.played_best) ||
        w[7].size() != 16 || !number(w[7], m.fingerprint, 16) || !flag(w[8], m.has_best) ||
        !number(w[9], b.turns) || !number(w[10], b.fx) || !number(w[11], b.fy) || !number(w[12], b.tx) ||
        !number(w[13], b.ty) || !number(w[14], b.before) || !number(w[15], b.placed))
        return false;
    if (m.eval < -30000 || m.eval > 30000 || (m.mate && std::abs(m.eval) != 30000) || m.loss < 0 ||
        m.loss > 1000 || (m.played_best && (m.loss != 0 || m.missed_mate || !m.has_best)))
        return false;
    m.mark = mark_for(m.loss, m.missed_mate, t);
    if (w[6] != mark_text(m.mark) || m.fingerprint != move_fingerprint(r, n)) return false;
    if (!m.has_best) {
        if (w[16] != "-" || b != PreferredMove{} || m.loss != 0 || m.missed_mate) return false;
    } else {
        if (b.turns < 0 || b.turns >= 40 || b.tx < 1 || b.tx > 11 || b.ty < 1 || b.ty > 11 || b.fx < -1 ||
            b.fx > 13 || b.fy < -1 || b.fy > 13 || !is_piece(b.before) || !is_piece(b.placed) ||
            is_lower(b.before) != is_lower(b.placed) || !text_fits(w[16], b))
            return false;
        m.best_text = std::string(w[16]);
    }
    m.ready = true;
    return true;
}

// The lines of a file's bytes when every one ends with CR LF and holds no other line break.
std::optional<std::vector<std::string_view>> crlf_lines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find("\r\n");
        if (end == std::string_view::npos) return std::nullopt;
        const std::string_view line = bytes.substr(0, end);
        if (line.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
        lines.push_back(line);
        bytes.remove_prefix(end + 2);
    }
    return lines;
}

} // namespace

const char* mark_text(ReviewMark m) {
    switch (m) {
    case ReviewMark::DUBIOUS:
        return TRANSLATABLE("Review", "疑問手");
    case ReviewMark::BAD:
        return TRANSLATABLE("Review", "悪手");
    default:
        return "-";
    }
}

ReviewMark mark_for(int loss, bool missed_mate, const ReviewThresholds& t) {
    if (missed_mate || loss >= t.bad) return ReviewMark::BAD;
    return loss >= t.dubious ? ReviewMark::DUBIOUS : ReviewMark::NONE;
}

std::uint64_t move_fingerprint(const Kiroku& r, int n) {
    Hash h;
    if (n < 1 || n > KIFU_MAX) return h.h;
    add_entry(h, r.entries[n - 1]);
    add_entry(h, r.entries[n]);
    return h.h;
}

std::uint64_t record_fingerprint(const Kiroku& r) {
    Hash h;
    const int n = moves_of(r);
    h.add(n);
    for (int i = 0; i <= n; ++i) add_entry(h, r.entries[i]);
    return h.h;
}

std::string beside_record(const std::string& kifu_path, std::string_view suffix) {
    const std::string_view p = kifu_path;
    const bool named = p.size() > kSuffix.size() && p.substr(p.size() - kSuffix.size()) == kSuffix;
    return std::string(named ? p.substr(0, p.size() - kSuffix.size()) : p) + std::string(suffix);
}

std::string review_path(const std::string& kifu_path) {
    return beside_record(kifu_path, kReviewSuffix);
}

std::string checked_text(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    Hash check;
    check.add(text);
    return text + "end " + fingerprint_text(check.h) + "\r\n";
}

std::string review_file_text(const Kiroku& r, const ReviewFile& review) {
    std::vector<std::string> lines{to_sjis(header_line(r, review))};
    const int n = std::min<int>(moves_of(r), static_cast<int>(review.moves.size()));
    for (int i = 1; i <= n; ++i)
        if (review.moves[i - 1].ready) lines.push_back(to_sjis(move_line(i, review.moves[i - 1])));
    return checked_text(lines);
}

std::optional<ReviewFile> review_from_text(const std::string& bytes, const Kiroku& r) {
    // The check first, over every byte before the check line: a file cut short or changed anywhere, a
    // line break among them too, is not read at all.
    const std::optional<std::vector<std::string_view>> lines = crlf_lines(bytes);
    if (!lines || lines->size() < 2) return std::nullopt;
    const std::size_t checked = bytes.size() - lines->back().size() - 2;
    Hash check;
    check.add(std::string_view(bytes).substr(0, checked));
    if (lines->back() != "end " + fingerprint_text(check.h)) return std::nullopt;

    ReviewFile f;
    const std::string first = from_sjis(std::string((*lines)[0]));
    const std::vector<std::string_view> head = words(first);
    int version = 0, moves = -1;
    std::uint64_t record = 0;
    if (head.size() != 7 || head[0] != kTitle || !field(head[1], "version", version) || version != kVersion ||
        !field(head[2], "nodes", f.nodes) || !field(head[3], "dubious", f.thresholds.dubious) ||
        !field(head[4], "bad", f.thresholds.bad) || !field(head[5], "record", record, 16) ||
        !field(head[6], "moves", moves))
        return std::nullopt;
    if (moves != moves_of(r) || record != record_fingerprint(r) || f.thresholds.dubious < 1 ||
        f.thresholds.bad < f.thresholds.dubious || f.thresholds.bad > 1000)
        return std::nullopt;
    f.moves.resize(static_cast<std::size_t>(moves));
    for (int n = 1; n <= moves; ++n) f.moves[n - 1].fingerprint = move_fingerprint(r, n);
    int last = 0;
    for (std::size_t i = 1; i + 1 < lines->size(); ++i) {
        int n = 0;
        ReviewedMove m;
        const std::string line = from_sjis(std::string((*lines)[i]));
        // The moves come in order, each once.
        if (!read_move_line(line, r, f.thresholds, n, m) || n <= last) return std::nullopt;
        last = n;
        f.moves[n - 1] = m;
    }
    return f;
}

int write_review_file(const std::string& path, const Kiroku& r, const ReviewFile& review) {
    return write_file_replacing(path, review_file_text(r, review));
}

std::optional<ReviewFile> read_review_file(const std::string& path, const Kiroku& r) {
    std::string bytes;
    if (read_small_file(path, kMaxBytes, bytes) != 0) return std::nullopt;
    return review_from_text(bytes, r);
}

int moves_of(const Kiroku& r) {
    return std::clamp(r.KIFU_TESUU, 0, KIFU_MAX);
}

std::string fingerprint_text(std::uint64_t v) {
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(v));
    return buf;
}

std::string eval_text(int eval) {
    char text[16];
    std::snprintf(text, sizeof text, eval > 0 ? "+%d" : "%d", eval);
    return text;
}
