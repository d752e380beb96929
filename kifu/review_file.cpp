// The review's side file: writing it and reading it back, checked line by line.

#include "kifu/review_file.h"

#include "platform/codec.h"
#include "platform/files.h"
#include "platform/lines.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <sstream>
#include <string_view>

namespace {

constexpr std::string_view kSuffix = ".棋譜";
constexpr std::string_view kReviewSuffix = ".検討";
constexpr std::string_view kTitle = "検討";
constexpr int kVersion = 1;
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

int moves_of(const Kiroku& r) {
    return std::clamp(r.KIFU_TESUU, 0, KIFU_MAX);
}

std::string hex(std::uint64_t v) {
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(v));
    return buf;
}

// The space-separated words of a line; the last word takes the rest of the line when `rest_from` is
// reached.
std::vector<std::string_view> words(std::string_view line, std::size_t rest_from = SIZE_MAX) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
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
           " bad=" + std::to_string(review.thresholds.bad) + " record=" + hex(record_fingerprint(r)) +
           " moves=" + std::to_string(moves_of(r));
}

// n eval mate loss mark fingerprint best turns fx fy tx ty before placed text
std::string move_line(int n, const ReviewedMove& m) {
    std::ostringstream s;
    const PreferredMove& b = m.best;
    s << n << ' ' << m.eval << ' ' << (m.mate ? 1 : 0) << ' ' << m.loss << ' ' << mark_text(m.mark) << ' '
      << hex(m.fingerprint) << ' ' << (m.has_best ? 1 : 0) << ' ' << b.turns << ' ' << b.fx << ' ' << b.fy
      << ' ' << b.tx << ' ' << b.ty << ' ' << b.before << ' ' << b.placed << ' '
      << (m.best_text.empty() ? "-" : m.best_text);
    return s.str();
}

bool read_move_line(std::string_view line, const Kiroku& r, const ReviewThresholds& t, int& n,
                    ReviewedMove& m) {
    const std::vector<std::string_view> w = words(line, 14);
    if (w.size() != 15) return false;
    int mate = 0, has_best = 0;
    PreferredMove& b = m.best;
    if (!number(w[0], n) || n < 1 || n > moves_of(r) || !number(w[1], m.eval) || !number(w[2], mate) ||
        !number(w[3], m.loss) || !number(w[5], m.fingerprint, 16) || w[5].size() != 16 ||
        !number(w[6], has_best) || !number(w[7], b.turns) || !number(w[8], b.fx) || !number(w[9], b.fy) ||
        !number(w[10], b.tx) || !number(w[11], b.ty) || !number(w[12], b.before) || !number(w[13], b.placed))
        return false;
    if ((mate != 0 && mate != 1) || (has_best != 0 && has_best != 1) || m.loss < 0 || m.eval < -30000 ||
        m.eval > 30000)
        return false;
    m.mate = mate == 1;
    m.has_best = has_best == 1;
    m.mark = mark_for_loss(m.loss, t);
    if (w[4] != mark_text(m.mark) || m.fingerprint != move_fingerprint(r, n)) return false;
    m.best_text = w[14] == "-" ? std::string() : std::string(w[14]);
    m.ready = true;
    return true;
}

} // namespace

const char* mark_text(ReviewMark m) {
    switch (m) {
    case ReviewMark::DUBIOUS:
        return "疑問手";
    case ReviewMark::BAD:
        return "悪手";
    default:
        return "-";
    }
}

ReviewMark mark_for_loss(int loss, const ReviewThresholds& t) {
    return loss >= t.bad ? ReviewMark::BAD : loss >= t.dubious ? ReviewMark::DUBIOUS : ReviewMark::NONE;
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

std::string review_file_text(const Kiroku& r, const ReviewFile& review) {
    std::vector<std::string> lines{header_line(r, review)};
    const int n = std::min<int>(moves_of(r), static_cast<int>(review.moves.size()));
    for (int i = 1; i <= n; ++i)
        if (review.moves[i - 1].ready) lines.push_back(move_line(i, review.moves[i - 1]));
    Hash check;
    std::string text;
    for (const std::string& line : lines) {
        const std::string sjis = to_sjis(line);
        check.add(sjis);
        text += sjis + "\r\n";
    }
    return text + "end " + hex(check.h) + "\r\n";
}

std::optional<ReviewFile> review_from_text(const std::string& bytes, const Kiroku& r) {
    const std::vector<std::string> lines = split_lines(bytes);
    if (lines.size() < 2) return std::nullopt;
    // The check first: a file cut short or changed anywhere is not read at all.
    Hash check;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) check.add(lines[i]);
    if (lines.back() != "end " + hex(check.h)) return std::nullopt;

    ReviewFile f;
    const std::string first = from_sjis(lines[0]);
    const std::vector<std::string_view> head = words(first);
    int version = 0, moves = -1;
    std::uint64_t record = 0;
    if (head.size() != 7 || head[0] != kTitle || !field(head[1], "version", version) || version != kVersion ||
        !field(head[2], "nodes", f.nodes) || !field(head[3], "dubious", f.thresholds.dubious) ||
        !field(head[4], "bad", f.thresholds.bad) || !field(head[5], "record", record, 16) ||
        !field(head[6], "moves", moves))
        return std::nullopt;
    if (moves != moves_of(r) || record != record_fingerprint(r) || f.thresholds.dubious < 0 ||
        f.thresholds.bad < f.thresholds.dubious)
        return std::nullopt;
    f.moves.resize(static_cast<std::size_t>(moves));
    for (int n = 1; n <= moves; ++n) f.moves[n - 1].fingerprint = move_fingerprint(r, n);
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        int n = 0;
        ReviewedMove m;
        const std::string line = from_sjis(lines[i]);
        if (!read_move_line(line, r, f.thresholds, n, m) || f.moves[n - 1].ready) return std::nullopt;
        f.moves[n - 1] = m;
    }
    return f;
}

int write_review_file(const std::string& path, const Kiroku& r, const ReviewFile& review) {
    return write_file_replacing(path, review_file_text(r, review));
}

std::optional<ReviewFile> read_review_file(const std::string& path, const Kiroku& r) {
    std::string bytes;
    bool too_big = false;
    const int e = read_regular_file(path, [&](std::string_view piece) {
        if (bytes.size() + piece.size() > kMaxBytes) {
            too_big = true;
            return false;
        }
        bytes.append(piece);
        return true;
    });
    if (e != 0 || too_big) return std::nullopt;
    return review_from_text(bytes, r);
}
