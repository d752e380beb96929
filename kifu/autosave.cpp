#include "kifu/autosave.h"

#include "core/handicap.h"
#include "kifu/kifu_file.h"
#include "kifu/record.h"
#include "platform/codec.h"
#include "platform/folders.h"

namespace {

// The lower player's name and the level's name behind it.
constexpr char kHandeSep = ' ';

} // namespace

std::string 取得_前回の対局パス() {
    return settings_folder() + "/前回の対局.棋譜";
}

bool 調査_前回の対局あり(const Kiroku& r) {
    // A record that only holds a file read is already kept in that file.
    return r.KIFU_TAIKYOKU == ON && r.KIFU_TESUU >= 1;
}

int 書込_前回の対局(Kiroku& r, const Shinkou& g, const Kyokumen& k) {
    if (!調査_前回の対局あり(r)) return 0;
    const bool com = g.TAIKYOKU_MODE == MODE_MAN_COM;
    const bool lower_first = k.SITA_GAWA == 1;
    const std::string upper = com ? std::string(前回の対局_COM) : lower_first ? "後手" : "先手";
    std::string lower = com ? "MAN" : lower_first ? "先手" : "後手";
    if (r.KIFU_HANDE_LEVEL != 0) lower += kHandeSep + 取得_ハンデ名(r.KIFU_HANDE_LEVEL);
    const int err = 書込_棋譜ファイル(r, 取得_前回の対局パス(), std::string(前回の対局_題名), upper, lower);
    if (err == 0) r.KIFU_TAIKYOKU = OFF;
    return err;
}

int 取得_前回の対局ハンデ(const std::vector<std::string>& lines) {
    if (lines.size() < KIFU_MIDASHI_GYOU || from_sjis(lines[0]) != 前回の対局_題名) return 0;
    const std::string lower = from_sjis(lines[2]);
    for (int level = -10; level <= 10; ++level) {
        const std::string name = kHandeSep + 取得_ハンデ名(level);
        if (lower.size() > name.size() && lower.compare(lower.size() - name.size(), name.size(), name) == 0)
            return level;
    }
    return 0;
}
