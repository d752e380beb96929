// Kifu files: the fixed-column record line, writing a game to a file and reading one back.

#include "kifu/kifu_file.h"

#include "platform/translate.h"

#include "core/handicap.h"
#include "core/state.h"
#include "kifu/autosave.h"
#include "kifu/navigate.h"
#include "kifu/record.h"
#include "platform/codec.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "platform/platform.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kPawnsInGame = 18; // board, ring and both hands together
// A record line has 518 columns, one more for each pawn count in hand of two digits. A header line
// longer than that could not be shown; one byte more is kept to tell a record line that runs on.
constexpr std::size_t kRecordMin = 518, kRecordMax = 520;
constexpr std::size_t kShownLineBytes = kRecordMax;
constexpr std::size_t kKeptLineBytes = kRecordMax + 1;
// A clock field has five columns.
constexpr long kClockMin = -9999, kClockMax = 99999;

std::string padded(long value, std::size_t width) {
    std::string s = std::to_string(value);
    if (s.size() < width) s.insert(0, width - s.size(), ' ');
    return s;
}

long whole_seconds(double s) {
    if (!(s > -1e9 && s < 1e9)) return 0; // no clock runs that long; keeps the conversion defined
    return static_cast<long>(std::trunc(s));
}

// A field read as a decimal number from its start: blanks skipped, an optional sign, then digits.
long field(const std::string& line, std::size_t start, std::size_t width) {
    if (start >= line.size()) return 0;
    const std::size_t end = std::min(line.size(), start + width);
    std::size_t i = start;
    while (i < end && (line[i] == ' ' || line[i] == '\t')) ++i;
    bool negative = false;
    if (i < end && (line[i] == '-' || line[i] == '+')) negative = line[i++] == '-';
    long v = 0;
    for (; i < end && line[i] >= '0' && line[i] <= '9'; ++i) v = v * 10 + (line[i] - '0');
    return negative ? -v : v;
}

// An entry's four clocks in the order a record line holds them.
std::array<double*, 4> clocks(RecordEntry& k) {
    return {&k.sita_mae, &k.sita_ato, &k.ue_mae, &k.ue_ato};
}

int pawns(const RecordEntry& k) {
    int n = k.sita_mochi[1] + k.ue_mochi[1];
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) {
            const int c = std::abs(k.ban[x][y]);
            if (c == UE_HU || c == UE_HU_NARI) ++n;
        }
    return n;
}

// One move changes each player's pawns in hand by one at most.
bool one_move_apart(const RecordEntry& a, const RecordEntry& b) {
    return std::abs(a.sita_mochi[1] - b.sita_mochi[1]) <= 1 && std::abs(a.ue_mochi[1] - b.ue_mochi[1]) <= 1;
}

bool blank(char c) {
    return c == ' ' || c == '\t';
}

struct FileLines {
    std::vector<std::string> lines; // the header lines and at most KIFU_MAX record lines
    bool more = false;              // record lines beyond those followed
    std::size_t too_long = 0;       // the number of a line too long for a kifu file, or 0
    int error = 0;                  // errno of a failed open or read
};

FileLines read_file_lines(const std::string& path) {
    FileLines r;
    // One line more than a record holds: a reversed game's start (check_file_lines tells what is more).
    LineSplitter s(kKeptLineBytes, KIFU_MIDASHI_GYOU + KIFU_MAX + 1);
    r.error = read_regular_file(path, [&s](std::string_view bytes) { return s.feed(bytes); });
    if (s.too_long()) r.too_long = s.count() + 1;
    r.more = s.more();
    r.lines = s.finish();
    return r;
}

} // namespace

std::string failure_reason(int e, bool writing) {
    switch (e) {
    case ENOENT:
        return writing ? translate("Files", "ﾌｫﾙﾀﾞが見つかりません")
                       : translate("Files", "ﾌｧｲﾙが見つかりません");
    case ENOTDIR:
        return translate("Files", "ﾌｫﾙﾀﾞが見つかりません");
    case EACCES:
    case EPERM:
        return translate("Files", "ｱｸｾｽが許可されていません");
    case EISDIR:
        return writing ? translate("Files", "同じ名前のﾌｫﾙﾀﾞがあります")
                       : translate("Files", "ﾌｧｲﾙではありません");
    case FILE_NOT_REGULAR:
        return translate("Files", "通常のﾌｧｲﾙではありません");
    case ENOSPC:
    case EDQUOT:
        return translate("Files", "ﾃﾞｨｽｸに空きがありません");
    case EROFS:
        return translate("Files", "書き込みできない場所です");
    case ENAMETOOLONG:
        return translate("Files", "ﾌｧｲﾙ名が長すぎます");
    case EINVAL:
    case EILSEQ:
        return translate("Files", "ﾌｧｲﾙ名が正しくありません");
    case EIO:
    case ENXIO:
    case ENODEV:
        return translate("Files", "ﾃﾞﾊﾞｲｽが準備できていません");
    default:
        return file_error_text(e);
    }
}

std::string path_in_folder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    const char sep = static_cast<char>(std::filesystem::path::preferred_separator);
    if (folder.back() == sep) return folder + name;
    return folder + sep + name;
}

namespace {

// A name typed with a line break would split the header line it is written on.
std::string one_line(std::string s) {
    std::replace(s.begin(), s.end(), '\r', ' ');
    std::replace(s.begin(), s.end(), '\n', ' ');
    return s;
}

} // namespace

void set_entry(Kiroku& r, int n, const RecordEntry& k) {
    r.entries[n] = k;
}

RecordEntry filed_entry(const Kiroku& r, int n) {
    if (n < 0 || n > KIFU_MAX) return {};
    RecordEntry k = r.entries[n];
    for (double* t : clocks(k)) *t = static_cast<double>(whole_seconds(*t));
    return k;
}

std::string record_line_of(const RecordEntry& k) {
    std::string line;
    line.reserve(520);
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) line += padded(k.ban[x][y], 4);
    for (int i = 1; i <= 7; ++i) {
        line += std::to_string(k.sita_mochi[i]);
        line += std::to_string(k.ue_mochi[i]);
    }
    for (double t : {k.sita_mae, k.sita_ato, k.ue_mae, k.ue_ato})
        line += padded(std::clamp(whole_seconds(t), kClockMin, kClockMax), 5);
    return line;
}

std::string record_line(const Kiroku& r, int n) {
    return record_line_of(filed_entry(r, n));
}

RecordEntry entry_from_line(const std::string& line, int sita_hu_keta, int ue_hu_keta) {
    const std::size_t sw = sita_hu_keta == 2 ? 2 : 1;
    const std::size_t uw = ue_hu_keta == 2 ? 2 : 1;
    RecordEntry k;
    std::size_t p = 0;
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y, p += 4) k.ban[x][y] = static_cast<Koma>(field(line, p, 4));
    for (int i = 1; i <= 7; ++i) {
        const std::size_t ws = i == 1 ? sw : 1;
        const std::size_t wu = i == 1 ? uw : 1;
        // A count in hand is never negative; a two-digit field could hold a sign.
        k.sita_mochi[i] = static_cast<int>(std::max(0L, field(line, p, ws)));
        p += ws;
        k.ue_mochi[i] = static_cast<int>(std::max(0L, field(line, p, wu)));
        p += wu;
    }
    for (double* t : clocks(k)) {
        *t = static_cast<double>(field(line, p, 5));
        p += 5;
    }
    return k;
}

std::vector<RecordEntry> entries_from_lines(const std::vector<std::string>& lines) {
    const std::size_t n = lines.size();
    std::vector<RecordEntry> out(n);
    std::vector<RecordEntry> other(n); // the second reading of a line not yet settled
    std::vector<bool> settled(n, true);
    for (std::size_t i = 0; i < n; ++i) {
        const std::string& l = lines[i];
        if (l.size() == 520) {
            out[i] = entry_from_line(l, 2, 2);
        } else if (l.size() == 519) {
            // One pawn count has two digits. The pawns always number 18, which tells which one unless
            // the two readings give the same sum (the two leading digits are equal).
            const RecordEntry a = entry_from_line(l, 2, 1);
            const RecordEntry b = entry_from_line(l, 1, 2);
            const bool fits_a = pawns(a) == kPawnsInGame;
            const bool fits_b = pawns(b) == kPawnsInGame;
            if (fits_a != fits_b) {
                out[i] = fits_a ? a : b;
            } else {
                out[i] = a;
                other[i] = b;
                settled[i] = false;
            }
        } else {
            out[i] = entry_from_line(l);
        }
    }
    // The neighbouring entries settle the rest, spreading from the settled ones; where nothing
    // tells, the lower player's count is taken as the two-digit one.
    for (;;) {
        bool changed = false;
        std::size_t first_open = n;
        for (std::size_t i = 0; i < n; ++i) {
            if (settled[i]) continue;
            if (first_open == n) first_open = i;
            bool seen = false, fits_a = true, fits_b = true;
            for (std::size_t j : {i - 1, i + 1}) {
                if (j >= n || !settled[j]) continue; // i - 1 wraps past 0 to a huge index
                seen = true;
                fits_a = fits_a && one_move_apart(out[i], out[j]);
                fits_b = fits_b && one_move_apart(other[i], out[j]);
            }
            if (seen && fits_a != fits_b) {
                if (fits_b) out[i] = other[i];
                settled[i] = true;
                changed = true;
            }
        }
        if (changed) continue;
        if (first_open == n) break;
        settled[first_open] = true;
    }
    return out;
}

std::vector<std::string> file_lines(const std::string& bytes) {
    LineSplitter s(kKeptLineBytes);
    s.feed(bytes);
    return s.finish();
}

int write_kifu_file(const Kiroku& r, const std::string& path, const std::string& title,
                    const std::string& upper, const std::string& lower, int first) {
    std::string bytes;
    for (const std::string& header : {title, upper, lower}) bytes += to_sjis(one_line(header)) + "\r\n";
    const int last = std::min(r.KIFU_TESUU, KIFU_MAX);
    for (int n = first; n <= last; ++n) bytes += record_line(r, n) + "\r\n";
    return write_file_replacing(path, bytes);
}

namespace {

// A piece code that a promotion makes one more in magnitude.
bool promotes(int c) {
    switch (std::abs(c)) {
    case UE_HU:
    case UE_KYOU:
    case UE_KEI:
    case UE_GIN:
    case UE_KAKU:
    case UE_SYA:
        return true;
    default:
        return false;
    }
}

// Whether the move found between two entries is one the mover could make: its own piece moved (or
// promoted) or dropped from its hand, onto an empty cell or the other side's piece, and the hands
// changed by that alone (a captured king is no piece in hand).
bool one_move(const RecordEntry& before, const RecordEntry& after, const RecordedMove& m) {
    int sita[8], ue[8];
    std::copy(std::begin(before.sita_mochi), std::end(before.sita_mochi), sita);
    std::copy(std::begin(before.ue_mochi), std::end(before.ue_mochi), ue);
    int* hand = m.lower ? sita : ue;
    if (m.moved == KARA) {
        const int kind = hand_kind(m.placed);
        if (kind == 0 || std::abs(m.placed) != UE_KOMA_BY_KIND[kind] || m.captured != KARA || hand[kind] < 1)
            return false;
        --hand[kind];
    } else {
        const bool same = m.placed == m.moved;
        const bool promoted = promotes(m.moved) && m.placed == m.moved + (m.lower ? -1 : 1);
        if (!same && !promoted) return false;
    }
    if (m.captured != KARA) {
        if (is_lower(m.captured) == m.lower) return false;
        if (const int kind = hand_kind(m.captured)) ++hand[kind];
    }
    return std::equal(sita + 1, sita + 8, after.sita_mochi + 1) &&
           std::equal(ue + 1, ue + 8, after.ue_mochi + 1);
}

} // namespace

std::string moves_fault(const std::vector<RecordEntry>& entries, int hande_level, bool reversed) {
    // A reversed game's first entry is the position it started from; any other starts from the start
    // position at its handicap level.
    const std::size_t first = reversed ? 1 : 0;
    if (entries.size() <= first) return {};
    auto r = std::make_unique<Kiroku>();
    std::fill(std::begin(r->ring_turned), std::end(r->ring_turned), TURNS_UNKNOWN);
    std::fill(std::begin(r->ring_after), std::end(r->ring_after), TURNS_UNKNOWN);
    std::fill(std::begin(r->turns_before), std::end(r->turns_before), TURNS_UNKNOWN);
    if (reversed) {
        r->entries[0] = entries[0];
    } else {
        place_start_position(r->entries[0].ban);
        place_handicap_start(r->entries[0].ban, hande_level);
    }
    const int moves = static_cast<int>(std::min(entries.size() - first, std::size_t{KIFU_MAX}));
    for (int n = 1; n <= moves; ++n) r->entries[n] = entries[n - 1 + first];
    bool first_lower = false;
    for (int n = 1; n <= moves; ++n) {
        const std::string line = std::to_string(KIFU_MIDASHI_GYOU + first + n);
        const RecordedMove m = recorded_move(*r, n);
        if (!m.found || !one_move(r->entries[n - 1], r->entries[n], m))
            return fill(translate("Files", "%1行目：前の局面から一手で指した局面ではありません"), {line});
        // The side that moved first, then each side in turn.
        if (n == 1) first_lower = m.lower;
        if (m.lower != (first_lower == (n % 2 == 1)))
            return fill(m.lower ? translate("Files", "%1行目：下側が二手続けて指しています")
                                : translate("Files", "%1行目：上側が二手続けて指しています"),
                        {line});
    }
    return {};
}

std::string entry_fault(const RecordEntry& k, int hande_level, bool last) {
    static const char* const NAMES[8] = {"",
                                         TRANSLATABLE("Files", "歩"),
                                         TRANSLATABLE("Files", "香"),
                                         TRANSLATABLE("Files", "桂"),
                                         TRANSLATABLE("Files", "銀"),
                                         TRANSLATABLE("Files", "金"),
                                         TRANSLATABLE("Files", "角"),
                                         TRANSLATABLE("Files", "飛")};
    int pieces[8] = {};
    int kings[2] = {}; // lower, upper
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) {
            const Koma c = k.ban[x][y];
            if (c == KARA) continue;
            const auto column = [&] { return std::to_string(((x - 1) * 11 + y - 1) * 4 + 1); };
            if (c == SITA_OU || c == UE_OU) {
                if (is_ring(x, y))
                    return fill(translate("Files", "%1桁目の王が回転盤に乗っています"), {column()});
                if (++kings[c == UE_OU] > 1)
                    return c == UE_OU ? translate("Files", "上側の王が2枚あります")
                                      : translate("Files", "下側の王が2枚あります");
                continue;
            }
            // The gold codes ±111 exist as constants, but no rule makes them.
            const int kind = c == SITA_KIN_NARI || c == UE_KIN_NARI ? 0 : hand_kind(c);
            if (kind == 0)
                return fill(translate("Files", "%1桁目に駒ではない値 %2 があります"),
                            {column(), std::to_string(c)});
            ++pieces[kind];
        }
    // Every piece of the game is somewhere: on the board, on the ring or in a hand.
    for (int i = 1; i <= 7; ++i) {
        const int n = pieces[i] + k.sita_mochi[i] + k.ue_mochi[i];
        const int expected = handicap_piece_count(hande_level, i);
        if (n != expected)
            return hande_level != 0
                       ? fill(translate("Files", "%1が合わせて%2枚あります（%3では%4枚のはずです）"),
                              {translate("Files", NAMES[i]), std::to_string(n),
                               translate("Handicap", handicap_name(hande_level).c_str()),
                               std::to_string(expected)})
                       : fill(translate("Files", "%1が合わせて%2枚あります（%3枚のはずです）"),
                              {translate("Files", NAMES[i]), std::to_string(n), std::to_string(expected)});
    }
    // Only the last position may lack the king the last move took.
    const bool both_needed = !last || kings[0] + kings[1] == 0;
    if (kings[0] == 0 && both_needed) return translate("Files", "下側の王がありません");
    if (kings[1] == 0 && both_needed) return translate("Files", "上側の王がありません");
    return {};
}

KifuFileRead check_file_lines(std::vector<std::string> lines, bool more) {
    KifuFileRead r;
    r.hande_level = kept_game_handicap(lines);
    r.reversed = kept_game_reversal(lines);
    std::vector<std::string> records;
    if (lines.size() > KIFU_MIDASHI_GYOU) records.assign(lines.begin() + KIFU_MIDASHI_GYOU, lines.end());
    // A reversed game's first line is its start, beside KIFU_MAX moves.
    const std::size_t room = KIFU_MAX + (r.reversed != 0 ? 1 : 0);
    if (records.size() > room) {
        more = more || std::any_of(records.begin() + room, records.end(), [](const std::string& l) {
                   return !std::all_of(l.begin(), l.end(), blank);
               });
        records.resize(room);
    }
    // Blank lines at the end are no records; one before a record line is a fault of the file.
    while (!records.empty() && std::all_of(records.back().begin(), records.back().end(), blank))
        records.pop_back();
    for (std::size_t i = 0; r.fault.empty() && i < records.size(); ++i) {
        const std::string& l = records[i];
        const std::string line = std::to_string(KIFU_MIDASHI_GYOU + i + 1);
        if (std::all_of(l.begin(), l.end(), blank))
            r.fault = fill(translate("Files", "%1行目：空の行です"), {line});
        else if (l.size() < kRecordMin)
            r.fault = fill(translate("Files", "%1行目：記録の行が%2桁で切れています（%3桁のはずです）"),
                           {line, std::to_string(l.size()), std::to_string(kRecordMin)});
        else if (l.size() > kRecordMax)
            r.fault = fill(translate("Files", "%1行目：記録の行が長すぎます"), {line});
    }
    if (r.fault.empty()) r.entries = entries_from_lines(records);
    for (std::size_t i = 0; r.fault.empty() && i < r.entries.size(); ++i) {
        const std::string what = entry_fault(r.entries[i], r.hande_level, i + 1 == r.entries.size());
        if (!what.empty())
            r.fault =
                fill(translate("Files", "%1行目：%2"), {std::to_string(KIFU_MIDASHI_GYOU + i + 1), what});
    }
    if (r.fault.empty()) r.fault = moves_fault(r.entries, r.hande_level, r.reversed != 0);
    if (!r.fault.empty()) r.entries.clear();
    // A header line is kept as far as it could be shown.
    for (std::string& l : lines)
        if (l.size() > kShownLineBytes) l.resize(kShownLineBytes);
    r.lines = std::move(lines);
    r.more = more;
    return r;
}

KifuFileRead 読込_棋譜ファイル(const std::string& path) {
    const FileLines f = read_file_lines(path);
    if (f.error != 0 || f.too_long != 0) {
        KifuFileRead r;
        r.fault = f.error != 0 ? failure_reason(f.error, false)
                               : fill(translate("Files", "%1行目が長すぎます"), {std::to_string(f.too_long)});
        return r;
    }
    return check_file_lines(f.lines, f.more);
}
