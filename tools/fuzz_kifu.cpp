// libFuzzer target for the kifu record-line reader: any bytes, read as one line and as a whole file.
// Whatever a line gives, writing that entry again and reading it back must give the same entry, and
// the check for impossible positions takes any entry.

#include "kifu/kifu_file.h"
#include "kifu/record.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

void check_round_trip(const KifuKyokumen& k) {
    const std::string line = 変換_局面から棋譜行(k);
    const int sw = k.sita_mochi[1] >= 10 ? 2 : 1;
    const int uw = k.ue_mochi[1] >= 10 ? 2 : 1;
    if (!(変換_棋譜行から局面(line, sw, uw) == k)) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (int sw = 1; sw <= 2; ++sw)
        for (int uw = 1; uw <= 2; ++uw) check_round_trip(変換_棋譜行から局面(bytes, sw, uw));

    std::vector<std::string> lines = 変換_棋譜ファイル行(bytes);
    if (lines.size() > KIFU_MAX) lines.resize(KIFU_MAX);
    const std::vector<KifuKyokumen> entries = 変換_棋譜行群から局面(lines);
    if (entries.size() != lines.size()) __builtin_trap();
    for (const KifuKyokumen& k : entries) {
        check_round_trip(k);
        if (調査_棋譜局面(k).size() > 200) __builtin_trap(); // a reason fits a message box
    }
    return 0;
}
