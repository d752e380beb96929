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

// A text record as 棋譜 → テキストで保存 writes it, to be damaged row by row.
const std::string kGoodRecord = "#KIF version=2.0 encoding=UTF-8\r\n"
                                "記録日時：2000/01/01 10:00:02\r\n"
                                "棋戦：練習対局\r\n"
                                "手合割：回転盤将棋\r\n"
                                "先手：先手さん\r\n"
                                "後手：後手さん\r\n"
                                "手数----指手---------消費時間--\r\n"
                                "   1 ▲６六歩   ( 0:00/00:00:00)\r\n"
                                "   2 △６四歩   ( 0:00/00:00:00)\r\n"
                                "   3 ▲８十銀   ( 0:00/00:00:00)\r\n"
                                "   4 △２〇銀   ( 0:00/00:00:00)\r\n"
                                "   5 ▲左2 ７九銀   ( 0:00/00:00:00)\r\n"
                                "   6 △３一銀   ( 0:00/00:00:00)\r\n";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// A damaged text record is refused with its line and the reason, and the game on screen stays as it
// was; the undamaged one, and one written in the western notation, are read.
TEST(TextRecord, DamagedRecordIsRefusedByLineAndReasonKeepingTheGame) {
    const struct {
        const char* name;
        std::string text;
        const char* fault; // the end of the box's text; empty for a record that reads
    } rows[] = {
        {"pawn two squares", replaced(kGoodRecord, "▲６六歩", "▲６五歩"),
         "8行目：「▲６五歩」はこの局面で指せない手です"},
        {"a gold where the pawn stands", replaced(kGoodRecord, "▲６六歩", "▲６六金"),
         "8行目：「▲６六金」はこの局面で指せない手です"},
        {"the upper side's move written as the lower's", replaced(kGoodRecord, "△６四歩", "▲６四歩"),
         "9行目：「▲６四歩」はこの局面で指せない手です"},
        {"the ring turned the other way", replaced(kGoodRecord, "▲左2 ７九銀", "▲右2 ７九銀"),
         "12行目：「▲右2 ７九銀」はこの局面で指せない手です"},
        {"a piece no game knows", replaced(kGoodRecord, "▲８十銀", "▲８十象"),
         "10行目：「▲８十象」の駒の名前が分かりません"},
        {"cut in a move", kGoodRecord.substr(0, kGoodRecord.find("７九銀")),
         "12行目：行が途中で切れています"},
        {"cut in a time", kGoodRecord.substr(0, kGoodRecord.rfind("0:00/")),
         "13行目：行が途中で切れています"},
        {"a move left out", replaced(kGoodRecord, "   3 ▲８十銀   ( 0:00/00:00:00)\r\n", ""),
         "10行目：3手目の行がありません"},
        {"standard shogi", replaced(kGoodRecord, "手合割：回転盤将棋", "手合割：平手"),
         "4行目：手合割の「平手」はこのゲームの棋譜ではありません"},
        {"no variant named", replaced(kGoodRecord, "手合割：回転盤将棋\r\n", ""),
         "7行目：手合割の行がないので、このゲームの棋譜と分かりません"},
        {"an unknown handicap", replaced(kGoodRecord, "回転盤将棋", "回転盤将棋 二枚落ち"),
         "4行目：ハンディキャップの「二枚落ち」が読めません"},
        {"a header among the moves", replaced(kGoodRecord, "   4 △", "先手：誰か\r\n   4 △"),
         "11行目：読めない行です"},
        {"whole", kGoodRecord, ""},
        {"western notation", "手合割：回転盤将棋\r\n   1 P-6f\r\n   2 P-6d\r\n", ""},
    };
    TempDir dir;
    std::string script = "menu START\nclick L 2 8\nclick L 2 7\ndump\n";
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const std::string name = "row" + std::to_string(i) + ".kifu";
        dir.write(name, rows[i].text);
        if (*rows[i].fault) script += "menu KIFU_READ\npick " + name + "\ndump\n";
    }
    for (std::size_t i = 0; i < std::size(rows); ++i)
        if (!*rows[i].fault) script += "menu KIFU_READ\npick row" + std::to_string(i) + ".kifu\nmoves\n";
    const ScriptResult r = run_script(script, dir);
    const std::vector<std::string> dumps = r.starting("dump");
    const std::vector<std::string> boxes = r.starting("msg 棋譜 | 棋譜ﾌｧｲﾙを読み込めませんでした");
    std::size_t refused = 0;
    for (const auto& row : rows) {
        if (!*row.fault) continue;
        SCOPED_TRACE(row.name);
        ASSERT_LT(refused, boxes.size());
        const std::string want = std::string("\\n") + row.fault;
        EXPECT_EQ(boxes[refused].substr(boxes[refused].size() - std::min(want.size(), boxes[refused].size())),
                  want)
            << boxes[refused];
        ++refused;
        ASSERT_LT(refused, dumps.size());
        EXPECT_EQ(dumps[refused], dumps[0]);
    }
    EXPECT_EQ(boxes.size(), refused);
    EXPECT_EQ(r.starting("msg 棋譜 |  読み込みました").size(), 2u);
    const std::vector<std::string> moves = r.starting("move ");
    const std::vector<std::string> expected = {"move 1 ▲６六歩", "move 2 △６四歩",     "move 3 ▲８十銀",
                                               "move 4 △２〇銀", "move 5 ▲左2 ７九銀", "move 6 △３一銀",
                                               "move 1 ▲６六歩", "move 2 △６四歩"};
    EXPECT_EQ(moves, expected);
}

} // namespace
