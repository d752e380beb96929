// Kifu files: the fixed-column record line, writing a game to a file and reading one back.

#include "kifu/kifu_file.h"

#include "com/com.h"
#include "control/game.h"
#include "core/state.h"
#include "kifu/panel.h"
#include "kifu/record.h"
#include "platform/codec.h"
#include "platform/platform.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kPawnsInGame = 18; // board, ring and both hands together
// A line longer than this is cut: no record line comes near it, and a binary file must not fill memory.
constexpr std::size_t kMaxLineBytes = 65536;
constexpr std::size_t kHeaderLines = 3;

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

int pawns(const KifuKyokumen& k) {
    int n = k.sita_mochi[1] + k.ue_mochi[1];
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) {
            const int c = std::abs(k.ban[x][y]);
            if (c == UE_HU || c == UE_HU_NARI) ++n;
        }
    return n;
}

// One move changes each player's pawns in hand by one at most.
bool one_move_apart(const KifuKyokumen& a, const KifuKyokumen& b) {
    return std::abs(a.sita_mochi[1] - b.sita_mochi[1]) <= 1 && std::abs(a.ue_mochi[1] - b.ue_mochi[1]) <= 1;
}

// Splits bytes into lines as they arrive; stops at the start of a line beyond `limit`.
struct LineSplitter {
    std::vector<std::string> lines;
    std::string current;
    bool open = false; // bytes of an unfinished line were seen
    bool after_cr = false;
    bool more = false; // a line beyond the limit begins
    std::size_t limit = static_cast<std::size_t>(-1);
};

// False once a line beyond the limit begins.
bool feed(LineSplitter& s, const char* p, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        const char c = p[i];
        if (s.after_cr) {
            s.after_cr = false;
            if (c == '\n') continue;
        }
        if (!s.open && s.lines.size() >= s.limit) {
            s.more = true;
            return false;
        }
        if (c == '\r' || c == '\n') {
            s.lines.push_back(std::move(s.current));
            s.current.clear();
            s.open = false;
            s.after_cr = c == '\r';
        } else {
            s.open = true;
            if (s.current.size() < kMaxLineBytes) s.current += c;
        }
    }
    return true;
}

void finish(LineSplitter& s) {
    if (!s.open) return;
    s.lines.push_back(std::move(s.current));
    s.current.clear();
    s.open = false;
}

struct FileLines {
    std::vector<std::string> lines; // the header lines and at most KIFU_MAX record lines
    bool more = false;              // record lines beyond those followed
    int error = 0;                  // errno of a failed open or read
};

FileLines read_file_lines(const std::string& path) {
    FileLines r;
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        r.error = errno ? errno : EIO;
        return r;
    }
    LineSplitter s;
    s.limit = kHeaderLines + KIFU_MAX;
    std::vector<char> buf(65536);
    for (;;) {
        errno = 0;
        const std::size_t got = std::fread(buf.data(), 1, buf.size(), f);
        if (got > 0 && !feed(s, buf.data(), got)) break;
        if (got < buf.size()) {
            if (std::ferror(f)) r.error = errno ? errno : EIO;
            break;
        }
    }
    std::fclose(f);
    finish(s);
    r.lines = std::move(s.lines);
    r.more = s.more;
    return r;
}

// Writes the bytes to a new file beside the target and renames it over the target, so that a failed
// write leaves an existing file as it was. Returns 0 or the errno of the step that failed.
int write_replacing(const std::string& path, const std::string& bytes) {
    const std::filesystem::path target(path);
    std::filesystem::path dir = target.parent_path();
    if (dir.empty()) dir = ".";
    std::string tmp = (dir / ".tessora-XXXXXX").string();
    const int fd = mkstemp(tmp.data());
    if (fd < 0) return errno;

    // The new file keeps the permissions of the one it replaces; otherwise the usual ones.
    struct stat st {};
    mode_t mode;
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);

    int err = 0;
    std::size_t done = 0;
    while (err == 0 && done < bytes.size()) {
        const ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (w < 0) {
            if (errno != EINTR) err = errno;
        } else {
            done += static_cast<std::size_t>(w);
        }
    }
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && std::rename(tmp.c_str(), path.c_str()) != 0) err = errno;
    if (err != 0) ::unlink(tmp.c_str());
    return err;
}

std::string reason(int e, bool writing) {
    switch (e) {
    case ENOENT:
        return writing ? "ﾌｫﾙﾀﾞが見つかりません" : "ﾌｧｲﾙが見つかりません";
    case ENOTDIR:
        return "ﾌｫﾙﾀﾞが見つかりません";
    case EACCES:
    case EPERM:
        return "ｱｸｾｽが許可されていません";
    case EISDIR:
        return writing ? "同じ名前のﾌｫﾙﾀﾞがあります" : "ﾌｧｲﾙではありません";
    case ENOSPC:
    case EDQUOT:
        return "ﾃﾞｨｽｸに空きがありません";
    case EROFS:
        return "書き込みできない場所です";
    case ENAMETOOLONG:
        return "ﾌｧｲﾙ名が長すぎます";
    case EINVAL:
    case EILSEQ:
        return "ﾌｧｲﾙ名が正しくありません";
    case EIO:
    case ENXIO:
    case ENODEV:
        return "ﾃﾞﾊﾞｲｽが準備できていません";
    default:
        return std::strerror(e);
    }
}

std::string in_folder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    const char sep = static_cast<char>(std::filesystem::path::preferred_separator);
    if (folder.back() == sep) return folder + name;
    return folder + sep + name;
}

// A name typed with a line break would split the header line it is written on.
std::string one_line(std::string s) {
    std::replace(s.begin(), s.end(), '\r', ' ');
    std::replace(s.begin(), s.end(), '\n', ' ');
    return s;
}

void store(int n, const KifuKyokumen& k) {
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) KIFU_BAN[n][x][y] = k.ban[x][y];
    for (int i = 1; i <= 7; ++i) {
        KIFU_SITA_MOCHI[n][i] = k.sita_mochi[i];
        KIFU_UE_MOCHI[n][i] = k.ue_mochi[i];
    }
    KIFU_SITA_JIKAN_MAE[n] = static_cast<double>(k.jikan[0]);
    KIFU_SITA_JIKAN_ATO[n] = static_cast<double>(k.jikan[1]);
    KIFU_UE_JIKAN_MAE[n] = static_cast<double>(k.jikan[2]);
    KIFU_UE_JIKAN_ATO[n] = static_cast<double>(k.jikan[3]);
}

} // namespace

KifuKyokumen 取得_棋譜局面(int n) {
    KifuKyokumen k;
    if (n < 0 || n > KIFU_MAX) return k;
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) k.ban[x][y] = KIFU_BAN[n][x][y];
    for (int i = 1; i <= 7; ++i) {
        k.sita_mochi[i] = KIFU_SITA_MOCHI[n][i];
        k.ue_mochi[i] = KIFU_UE_MOCHI[n][i];
    }
    k.jikan[0] = whole_seconds(KIFU_SITA_JIKAN_MAE[n]);
    k.jikan[1] = whole_seconds(KIFU_SITA_JIKAN_ATO[n]);
    k.jikan[2] = whole_seconds(KIFU_UE_JIKAN_MAE[n]);
    k.jikan[3] = whole_seconds(KIFU_UE_JIKAN_ATO[n]);
    return k;
}

std::string 変換_局面から棋譜行(const KifuKyokumen& k) {
    std::string line;
    line.reserve(520);
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) line += padded(k.ban[x][y], 4);
    for (int i = 1; i <= 7; ++i) {
        line += std::to_string(k.sita_mochi[i]);
        line += std::to_string(k.ue_mochi[i]);
    }
    for (long t : k.jikan) line += padded(t, 5);
    return line;
}

std::string 変換_棋譜行(int n) {
    return 変換_局面から棋譜行(取得_棋譜局面(n));
}

KifuKyokumen 変換_棋譜行から局面(const std::string& line, int sita_hu_keta, int ue_hu_keta) {
    const std::size_t sw = sita_hu_keta == 2 ? 2 : 1;
    const std::size_t uw = ue_hu_keta == 2 ? 2 : 1;
    KifuKyokumen k;
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
    for (long& t : k.jikan) {
        t = field(line, p, 5);
        p += 5;
    }
    return k;
}

std::vector<KifuKyokumen> 変換_棋譜行群から局面(const std::vector<std::string>& lines) {
    const std::size_t n = lines.size();
    std::vector<KifuKyokumen> out(n);
    std::vector<KifuKyokumen> other(n); // the second reading of a line not yet settled
    std::vector<bool> settled(n, true);
    for (std::size_t i = 0; i < n; ++i) {
        const std::string& l = lines[i];
        if (l.size() == 520) {
            out[i] = 変換_棋譜行から局面(l, 2, 2);
        } else if (l.size() == 519) {
            // One pawn count has two digits. The pawns always number 18, which tells which one unless
            // the two readings give the same sum (the two leading digits are equal).
            const KifuKyokumen a = 変換_棋譜行から局面(l, 2, 1);
            const KifuKyokumen b = 変換_棋譜行から局面(l, 1, 2);
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
            out[i] = 変換_棋譜行から局面(l);
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

std::vector<std::string> 変換_棋譜ファイル行(const std::string& bytes) {
    LineSplitter s;
    feed(s, bytes.data(), bytes.size());
    finish(s);
    return std::move(s.lines);
}

int 書込_棋譜ファイル(const std::string& path, const std::string& title, const std::string& upper,
                      const std::string& lower) {
    std::string bytes;
    for (const std::string& header : {title, upper, lower}) bytes += to_sjis(one_line(header)) + "\r\n";
    const int last = std::min(KIFU_TESUU, KIFU_MAX);
    for (int n = 1; n <= last; ++n) bytes += 変換_棋譜行(n) + "\r\n";
    return write_replacing(path, bytes);
}

void KIFU_WRITE_Click() {
    if (HANTEN == ON) {
        platform().message("反転後は書き込みできません", "棋譜書込");
        return;
    }
    if (HANDE_SETTEI == ON) {
        platform().message("ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません", "棋譜書込");
        return;
    }
    描画_可視(true, true, false);
    描画_棋譜_IO(0);
}

void Command1_Click() {
    const std::string name = platform().text(TextBox::Text1);
    if (name.empty()) {
        platform().message("ﾌｧｲﾙ名が入力されていません", "  ");
        return;
    }
    if (KIFU_TESUU < 1) {
        platform().message("保存するデータがありません", "棋譜保存");
        return;
    }
    const std::string path = in_folder(platform().folder(), name + ".棋譜");

    // Line 2 is the player at the top of the board, line 3 the one at the bottom.
    const std::string sente = platform().text(TextBox::Text3);
    const std::string gote = platform().text(TextBox::Text4);
    const bool lower_first = SITA_GAWA == 1;
    const int err = 書込_棋譜ファイル(path, platform().text(TextBox::Text2), lower_first ? gote : sente,
                                      lower_first ? sente : gote);
    if (err != 0) {
        // The panel stays open with the names typed, so the player can choose another name or folder.
        platform().message("棋譜ﾌｧｲﾙを書き込めませんでした\n" + path + "\n" + reason(err, true), "棋譜保存");
        return;
    }
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
    platform().refresh_files();
    platform().message("棋譜を書き込みました", "  ");
}

void File1_Click(const std::string& name) {
    描画_可視(false, false, false);
    const std::string path = in_folder(platform().folder(), name);
    // The whole file is read before the game is touched, so a file that cannot be read changes nothing.
    const FileLines f = read_file_lines(path);
    if (f.error != 0) {
        platform().message("棋譜ﾌｧｲﾙを読み込めませんでした\n" + path + "\n" + reason(f.error, false), "棋譜");
        return;
    }

    初期設定();
    KIFU_MODE = ON;

    // A header line the file lacks leaves KIFU_GYOU as it was, and that text is printed again.
    std::size_t next = 0;
    auto read_header = [&] {
        if (next < f.lines.size()) KIFU_GYOU = from_sjis(f.lines[next]);
        ++next;
    };
    read_header();
    platform().print(取得_棋譜のX座標(KIFU_GYOU) - 3000, 8750, KIFU_GYOU, 12, 12);
    read_header();
    platform().print(取得_棋譜のX座標(KIFU_GYOU), 700, KIFU_GYOU, 12, 15);
    read_header();
    platform().print(取得_棋譜のX座標(KIFU_GYOU), 8750, KIFU_GYOU, 12, 15);

    std::vector<std::string> records;
    if (f.lines.size() > kHeaderLines) records.assign(f.lines.begin() + kHeaderLines, f.lines.end());
    if (records.size() > KIFU_MAX) records.resize(KIFU_MAX);
    const std::vector<KifuKyokumen> entries = 変換_棋譜行群から局面(records);

    // Entry 0 is the start position just set up: the first 進 and the last 戻 compare with it.
    手順保存(0, 0, 0, 0, KARA, KARA, 0, 0, 0, 0);
    for (std::size_t i = 0; i < entries.size(); ++i) store(static_cast<int>(i) + 1, entries[i]);
    if (!records.empty()) KIFU_GYOU = from_sjis(records.back());
    const int count = static_cast<int>(entries.size());

    KIFU_NO = 0;
    TESUU = 0;
    KIFU_TESUU = count;
    KIFU_TAIKYOKU = OFF;
    if (count == 0) {
        platform().message("棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", "棋譜");
        return;
    }
    // The side whose piece made the first move moved first: the move texts and the turns of a game
    // played on from the file follow it.
    int x = 0, y = 0, first = KARA;
    調査_移動結果(1, x, y, first);
    if (first != KARA) {
        SITA_GAWA = first < 0 ? 1 : -1;
        UE_GAWA = -SITA_GAWA;
    }
    platform().message(" 読み込みました", "棋譜");
    if (f.more)
        platform().message("棋譜が" + std::to_string(KIFU_MAX) + "手を超えているので、最初の" +
                               std::to_string(KIFU_MAX) + "手だけ読み込みました",
                           "棋譜");
    platform().message("棋譜を '進 'で進めて下さい", "棋譜");
    TEBAN = 1;
}
