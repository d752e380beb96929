#include "kifu/autosave.h"

#include "kifu/kifu_file.h"
#include "kifu/record.h"
#include "platform/folders.h"

#include <cstdio>
#include <cstring>

std::string 取得_前回の対局パス() {
    return settings_folder() + "/前回の対局.棋譜";
}

void 書込_前回の対局(const Kiroku& r, const Shinkou& g, const Kyokumen& k) {
    // A record that only holds a file read is already kept in that file.
    if (r.KIFU_TAIKYOKU != ON || r.KIFU_TESUU < 1) return;
    const bool com = g.TAIKYOKU_MODE == MODE_MAN_COM;
    const bool lower_first = k.SITA_GAWA == 1;
    const std::string upper = com ? std::string(前回の対局_COM) : lower_first ? "後手" : "先手";
    const std::string lower = com ? "MAN" : lower_first ? "先手" : "後手";
    const std::string path = 取得_前回の対局パス();
    const int err = 書込_棋譜ファイル(r, path, std::string(前回の対局_題名), upper, lower);
    if (err != 0) std::fprintf(stderr, "tessora: %s: %s\n", path.c_str(), std::strerror(err));
}
