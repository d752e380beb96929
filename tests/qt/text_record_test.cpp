// The text record (.kifu): every golden game written as text reads back to the positions of its
// record file, and a damaged text record is refused with its line and reason, the game on screen kept.
#include "script_harness.h"

#include "core/handicap.h"
#include "core/moves.h"
#include "kifu/kifu_file.h"
#include "kifu/text_record.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string file_text(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A record as 読込 leaves it: the start position at the file's level, then the file's entries.
std::unique_ptr<Kiroku> record_of(const KifuFileRead& f) {
    auto r = std::make_unique<Kiroku>();
    place_start_position(r->entries[0].ban);
    place_handicap_start(r->entries[0].ban, f.hande_level);
    r->KIFU_HANDE_LEVEL = f.hande_level;
    r->ring_turned[0] = TURNS_UNKNOWN;
    for (std::size_t i = 0; i < f.entries.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        set_entry(*r, n, f.entries[i]);
        r->turns_before[n] = r->ring_turned[n] = r->ring_after[n] = TURNS_UNKNOWN;
    }
    r->KIFU_TESUU = static_cast<int>(f.entries.size());
    return r;
}

// The same board, hands and pieces on the ring in the same order. An entry of a game played here may
// show the ring already turned by the next mover before its move, which a record file cannot tell from
// the move's own turns; the text record writes those turns with the move that followed them.
bool same_position(const RecordEntry& a, const RecordEntry& b) {
    Kyokumen k;
    put_entry(k, a);
    for (int turn = 0; turn < 40; ++turn) {
        const RecordEntry t = entry_of(k);
        bool same = std::equal(t.sita_mochi + 1, t.sita_mochi + 8, b.sita_mochi + 1) &&
                    std::equal(t.ue_mochi + 1, t.ue_mochi + 8, b.ue_mochi + 1);
        for (int x = 1; x <= 11 && same; ++x)
            for (int y = 1; y <= 11 && same; ++y) same = t.ban[x][y] == b.ban[x][y];
        if (same) return true;
        turn_ring(k, 1);
    }
    return false;
}

TEST(TextRecord, EveryGoldenGameReadsBackToThePositionsOfItsRecordFile) {
    const fs::path golden = fs::path(TESSORA_GOLDEN_DIR);
    std::vector<fs::path> scripts;
    for (const auto& e : fs::directory_iterator(golden))
        if (e.path().extension() == ".script") scripts.push_back(e.path());
    std::sort(scripts.begin(), scripts.end());
    int games = 0;
    for (const fs::path& script : scripts) {
        TempDir dir;
        run_script(file_text(script), dir);
        for (const auto& e : fs::directory_iterator(dir.path())) {
            if (e.path().extension().string() != ".棋譜") continue;
            SCOPED_TRACE(script.filename().string() + ": " + e.path().filename().string());
            const KifuFileRead f = 読込_棋譜ファイル(e.path().string());
            ASSERT_EQ(f.fault, "");
            // A reversed game is not written as text: no reader knows where it starts.
            if (f.reversed != 0 || f.entries.empty()) continue;
            const auto r = record_of(f);
            TextRecordInfo info;
            info.handicap_level = f.hande_level;
            const std::vector<std::string> lines = text_record_lines(*r, info);
            ASSERT_FALSE(lines.empty());
            const KifuFileRead back = read_text_record(text_record_bytes(lines));
            ASSERT_EQ(back.fault, "");
            EXPECT_EQ(back.hande_level, f.hande_level);
            ASSERT_EQ(back.entries.size(), f.entries.size());
            for (std::size_t i = 0; i < f.entries.size(); ++i)
                EXPECT_TRUE(same_position(back.entries[i], f.entries[i])) << "entry " << i + 1;
            ++games;
        }
    }
    EXPECT_GE(games, 10);
}

} // namespace
