// libFuzzer target for the kifu reader: any bytes, read as one line and as a whole file. Whatever a
// line gives, writing that entry again and reading it back must give the same entry; a file the reader
// accepts holds only whole positions of a game at its handicap level, and a refused one gives none.

#include "core/handicap.h"
#include "kifu/kifu_file.h"
#include "kifu/record.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void check_round_trip(const RecordEntry& k) {
    const std::string line = record_line_of(k);
    const int sw = k.sita_mochi[1] >= 10 ? 2 : 1;
    const int uw = k.ue_mochi[1] >= 10 ? 2 : 1;
    if (!(entry_from_line(line, sw, uw) == k)) __builtin_trap();
}

// The position rules, counted here on their own: every piece of the level's set is on the board, on
// the ring or in a hand, each side has one king off the ring, and only the last entry may lack one.
void check_whole(const RecordEntry& k, int level, bool last) {
    int count[9] = {};
    int lower_kings = 0, upper_kings = 0;
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) {
            const int c = k.ban[x][y];
            if (c == KARA) continue;
            if (c == SITA_OU || c == UE_OU) {
                if (x == 1 || x == 11 || y == 1 || y == 11) __builtin_trap();
                ++(c < 0 ? lower_kings : upper_kings);
                continue;
            }
            if (std::abs(c) == UE_KIN_NARI || hand_kind(c) == 0) __builtin_trap();
            ++count[hand_kind(c)];
        }
    for (int i = 1; i <= 7; ++i)
        if (count[i] + k.sita_mochi[i] + k.ue_mochi[i] != handicap_piece_count(level, i)) __builtin_trap();
    if (lower_kings > 1 || upper_kings > 1) __builtin_trap();
    if (lower_kings + upper_kings < (last ? 1 : 2)) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (int sw = 1; sw <= 2; ++sw)
        for (int uw = 1; uw <= 2; ++uw) check_round_trip(entry_from_line(bytes, sw, uw));

    std::vector<std::string> lines = file_lines(bytes);
    if (lines.size() > KIFU_MAX) lines.resize(KIFU_MAX);
    for (const RecordEntry& k : entries_from_lines(lines)) check_round_trip(k);

    const KifuFileRead f = check_file_lines(lines);
    if (!f.fault.empty()) {
        if (!f.entries.empty() || f.fault.size() > 200) __builtin_trap(); // a reason fits a message box
        return 0;
    }
    // Every record line has its width; blank lines stand only after the last entry.
    for (std::size_t i = KIFU_MIDASHI_GYOU; i < KIFU_MIDASHI_GYOU + f.entries.size(); ++i)
        if (lines[i].size() < 518 || lines[i].size() > 520) __builtin_trap();
    for (std::size_t i = KIFU_MIDASHI_GYOU + f.entries.size(); i < lines.size(); ++i)
        if (lines[i].find_first_not_of(" \t") != std::string::npos) __builtin_trap();
    for (std::size_t i = 0; i < f.entries.size(); ++i)
        check_whole(f.entries[i], f.hande_level, i + 1 == f.entries.size());
    return 0;
}
