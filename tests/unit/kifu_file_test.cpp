// Kifu files: the record line, writing a game and reading it back, and files that are not what they
// should be.

#include "control/game.h"
#include "core/handicap.h"
#include "core/moves.h"
#include "core/state.h"
#include "kifu/kifu_file.h"
#include "control/record_commands.h"
#include "display/panel.h"
#include "kifu/record.h"
#include "platform/codec.h"
#include "support/fake_platform.h"
#include "tools/temp_dir.h"

#include "support/record_move.h"
#include "support/names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

Mv mirrored(Mv m) {
    auto from = [](int x, int y) -> std::pair<int, int> {
        if (x == -1) return {13, y + 2};
        if (x == 13) return {-1, y - 2};
        return {12 - x, 12 - y};
    };
    const auto [fx, fy] = from(m.fx, m.fy);
    return {fx, fy, 12 - m.tx, 12 - m.ty};
}

// Records and makes the move as the player input does; the mover's clock runs a few seconds.
void play(Mv m) {
    record_and_move(m, 3.25 + TESUU % 7);
}

// The first moves of an ordinary opening, lower and upper in turn.
// Both sides capture, drop and keep their clocks.
const std::vector<Mv> OPENING = {{9, 8, 9, 7},  {3, 4, 3, 5},  {8, 8, 8, 7}, {9, 3, 4, 8}, {3, 9, 4, 8},
                                 {-1, 1, 5, 6}, {5, 10, 5, 9}, {5, 6, 5, 7}, {13, 8, 5, 5}};

// A game in which the lower player captures every upper pawn and then, four times, a pawn the upper
// player took and dropped again: its pawns in hand go from 0 to 13, through the counts 11 and 11 + 1
// whose lines can be split two ways.
std::vector<Mv> pawn_hoarding_game() {
    std::vector<Mv> g;
    int rx = 9, ry = 9;  // lower rook
    bool king_up = true; // upper king at (6, 2)
    auto upper_waits = [&] {
        g.push_back(king_up ? Mv{6, 2, 6, 3} : Mv{6, 3, 6, 2});
        king_up = !king_up;
    };
    auto lower_rook_to = [&](int x, int y) {
        g.push_back({rx, ry, x, y});
        rx = x;
        ry = y;
    };
    for (int x = 10; x >= 2; --x) {
        lower_rook_to(x, 4);
        if (x > 2) upper_waits(); // the last pawn taken, the upper rook is next
    }
    int ux = 3, uy = 3; // upper rook
    for (int c : {3, 4, 5, 7}) {
        g.push_back({ux, uy, c, 8}); // takes a lower pawn
        ux = c;
        uy = 8;
        lower_rook_to(2, ry == 5 ? 4 : 5);
        g.push_back({-1, 1, c, 6}); // drops it again
        lower_rook_to(c, 6);        // and loses it
        upper_waits();
        lower_rook_to(2, 5);
    }
    upper_waits();
    return g;
}

std::vector<RecordEntry> entries(int from, int to) {
    std::vector<RecordEntry> v;
    for (int n = from; n <= to; ++n) v.push_back(filed_entry(TAIKYOKU.kifu, n));
    return v;
}

// The lines of a file, each without its CR LF; a line end other than CR LF fails the test.
std::vector<std::string> crlf_lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "text after the last CR LF";
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        EXPECT_EQ(lines.back().find_first_of("\r\n"), std::string::npos);
        start = end + 2;
    }
    return lines;
}

// The three header texts, printed last while a file is read (after the screen was set up anew).
std::vector<FakePlatform::Text> header_texts(const FakePlatform& fp) {
    if (fp.texts.size() < 3) return {};
    return {fp.texts.end() - 3, fp.texts.end()};
}

std::string number_field(long v, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%*ld", width, v);
    return buf;
}

class KifuFile : public ::testing::Test {
  protected:
    void SetUp() override {
        set_platform(&fp);
        fp.current_folder = dir.path().string();
        初期設定();
        KIFU_TESUU = 0;
        SITA_GAWA = 1;
        UE_GAWA = -1;
        KIFU_GYOU.clear();
        fp.forget();
    }
    void TearDown() override { set_platform(nullptr); }

    void play_all(const std::vector<Mv>& game) {
        for (const Mv& m : game) play(m);
    }
    void write(const std::string& name, const std::string& title = "対局", const std::string& sente = "先手",
               const std::string& gote = "後手") {
        fp.boxes[1] = name;
        fp.boxes[2] = title;
        fp.boxes[3] = sente;
        fp.boxes[4] = gote;
        Command1_Click();
    }
    // Forgets the record and the position, as a fresh program would have them, then reads the file.
    void read(const std::string& file) {
        for (int n = 0; n <= KIFU_MAX; ++n) {
            for (auto& column : KIFU[n].ban)
                for (auto& cell : column) cell = 0;
            KIFU[n].sita_ato = -1;
        }
        fp.forget();
        File1_Click(file);
    }

    TempDir dir;
    FakePlatform fp;
};

TEST_F(KifuFile, RecordLineHasTheFixedColumnsOfTheFormat) {
    BAN[9][9] = SITA_SYA_NARI;
    BAN[11][6] = UE_KAKU; // on the ring
    SITA_MOCHI[1] = 3;
    UE_MOCHI[7] = 2;
    KIFU_NO = 1;
    手順保存(TAIKYOKU.kifu, TAIKYOKU.pos, TAIKYOKU.settei, 0, 0, 0, 0, 0, 0, 0, 1234.9, 7, 99999);
    const std::string line = record_line(TAIKYOKU.kifu, 1);
    ASSERT_EQ(line.size(), 518u);
    // Fields 12 to 22: file 9 from the top ring cell to the bottom one.
    EXPECT_EQ(line.substr(44, 44), "   0  20   0  10   0   0   0 -10   0 -20   0");
    EXPECT_EQ(line.substr(((9 - 1) * 11 + 9 - 1) * 4, 4), "-901");
    EXPECT_EQ(line.substr(((11 - 1) * 11 + 6 - 1) * 4, 4), " 800");
    EXPECT_EQ(line.substr(((6 - 1) * 11 + 10 - 1) * 4, 4), "-950");
    EXPECT_EQ(line.substr(484, 14), "30000000000002");
    EXPECT_EQ(line.substr(498), "    0 1234    799999");
}

TEST_F(KifuFile, FieldsAreReadAsDecimalNumbersFromTheirStart) {
    const struct {
        std::string field;
        int value;
    } rows[] = {{"  20", 20}, {"-900", -900}, {" 950", 950}, {"12ab", 12},  {"abcd", 0},  {"  - ", 0},
                {"+5  ", 5},  {"1 2 ", 1},    {"    ", 0},   {" -10", -10}, {"\t 30", 30}};
    for (const auto& r : rows) {
        const std::string line = r.field + std::string(514, ' ');
        EXPECT_EQ(entry_from_line(line).ban[1][1], r.value) << "'" << r.field << "'";
    }
}

TEST_F(KifuFile, ShortAndLongLinesGiveTheirFieldsByPosition) {
    play_all(OPENING);
    const RecordEntry whole = filed_entry(TAIKYOKU.kifu, 5);
    const std::string line = record_line(TAIKYOKU.kifu, 5);

    const RecordEntry cut = entry_from_line(line.substr(0, 200)); // 50 board fields
    for (int i = 0; i < 121; ++i) {
        const int x = i / 11 + 1, y = i % 11 + 1;
        EXPECT_EQ(cut.ban[x][y], i < 50 ? whole.ban[x][y] : 0) << x << "," << y;
    }
    EXPECT_EQ(cut.ue_ato, 0);

    EXPECT_EQ(entry_from_line(line + std::string(3000, '7')), whole);
    EXPECT_EQ(entry_from_line(""), RecordEntry{});
}

TEST_F(KifuFile, GameOfNMovesWritesThreePlusNLinesAndReadsBack) {
    play_all(OPENING);
    const int n = static_cast<int>(OPENING.size());
    ASSERT_EQ(KIFU_TESUU, n);
    const std::vector<RecordEntry> before = entries(1, n);
    EXPECT_EQ(before.back().ban[5][5], SITA_KAKU); // the last move, a bishop drop, is in the record

    fp.io_visible = true;
    write("opening");
    EXPECT_EQ(fp.messages, std::vector<std::string>{"   | 棋譜を書き込みました"});
    EXPECT_FALSE(fp.io_visible);
    EXPECT_EQ(fp.boxes[1], "");
    const std::vector<std::string> lines = crlf_lines(dir.read("opening.棋譜"));
    ASSERT_EQ(lines.size(), 3u + n);
    for (std::size_t i = 3; i < lines.size(); ++i) EXPECT_EQ(lines[i].size(), 518u);

    read("opening.棋譜");
    EXPECT_EQ(KIFU_TESUU, n);
    EXPECT_EQ(entries(1, n), before);
    EXPECT_EQ(KIFU_MODE, ON);
    EXPECT_EQ(TEBAN, 1);
    EXPECT_EQ(KIFU_NO, 0);
    EXPECT_EQ(TESUU, 0);
    EXPECT_EQ(fp.messages,
              (std::vector<std::string>{"棋譜 |  読み込みました", "棋譜 | 棋譜を '進 'で進めて下さい"}));
    EXPECT_EQ(KIFU_GYOU, lines.back()); // the line last read

    // A file written before the record kept the position after the last move: one line fewer, read
    // as it always was.
    std::string old_format;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) old_format += lines[i] + "\r\n";
    dir.write("old.棋譜", old_format);
    read("old.棋譜");
    EXPECT_EQ(KIFU_TESUU, n - 1);
    EXPECT_EQ(entries(1, n - 1), std::vector<RecordEntry>(before.begin(), before.end() - 1));
}

TEST_F(KifuFile, GameOfOneMoveIsWrittenAndStepsToItsPosition) {
    play(OPENING[0]);
    const RecordEntry after = filed_entry(TAIKYOKU.kifu, 1);
    EXPECT_EQ(after.ban[9][7], SITA_HU);
    write("one");
    EXPECT_EQ(fp.messages, std::vector<std::string>{"   | 棋譜を書き込みました"});
    EXPECT_EQ(crlf_lines(dir.read("one.棋譜")).size(), 4u);
    read("one.棋譜");
    ASSERT_EQ(KIFU_TESUU, 1);
    fp.forget();
    AFTER_Click();
    EXPECT_EQ(filed_entry(TAIKYOKU.kifu, KIFU_NO), after);
    EXPECT_EQ(BAN[9][7], SITA_HU);
    AFTER_Click();
    EXPECT_EQ(fp.messages, std::vector<std::string>{"進む | 終わり"});
}

TEST_F(KifuFile, EmptyFileNameIsRefusedWithThePanelLeftOpen) {
    play_all(OPENING);
    fp.io_visible = true;
    write("", "対局", "a", "b");
    EXPECT_EQ(fp.messages, std::vector<std::string>{"   | ﾌｧｲﾙ名が入力されていません"});
    EXPECT_TRUE(fp.io_visible);
    EXPECT_EQ(fp.boxes[3], "a");
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST_F(KifuFile, AfterSaishoThePreviousGameIsStillWritten) {
    play_all(OPENING);
    初期設定(); // 最初
    write("previous");
    EXPECT_EQ(crlf_lines(dir.read("previous.棋譜")).size(), 3u + OPENING.size());
}

TEST_F(KifuFile, HeaderLinesAreGameNameThenUpperPlayerThenLowerPlayer) {
    const struct {
        int sita_gawa;
        const char* line2;
        const char* line3;
    } rows[] = {{1, "後手の人", "先手の人"}, {-1, "先手の人", "後手の人"}};
    for (const auto& r : rows) {
        SITA_GAWA = r.sita_gawa;
        UE_GAWA = -r.sita_gawa;
        KIFU_NO = 0;
        play_all({{9, 8, 9, 7}, {9, 4, 9, 5}});
        write("order", "棋聖戦", "先手の人", "後手の人");
        const std::vector<std::string> lines = crlf_lines(dir.read("order.棋譜"));
        ASSERT_EQ(lines.size(), 5u);
        EXPECT_EQ(lines[0], "\x8a\xfb\x90\xb9\x90\xed"); // 棋聖戦 in Shift_JIS
        EXPECT_EQ(lines[1], to_sjis(r.line2));
        EXPECT_EQ(lines[2], to_sjis(r.line3));

        read("order.棋譜");
        // Line 2 is printed above the board, beside the upper player.
        const std::vector<FakePlatform::Text> texts = header_texts(fp);
        ASSERT_EQ(texts.size(), 3u);
        EXPECT_EQ(texts[1].text, r.line2);
        EXPECT_EQ(texts[1].y, 700);
        EXPECT_EQ(texts[2].text, r.line3);
        EXPECT_EQ(texts[2].y, 8750);
    }
}

TEST_F(KifuFile, HandMadeShiftJisFileWithCrLfReadsBack) {
    // Four record lines spelled out here, field by field: the lower pawn takes the upper pawn before it,
    // the upper king steps forward, a lower lance goes promoted onto the ring, and the upper rook takes
    // the lower rook.
    Koma b[12][12] = {};
    place_start_position(b);
    auto line = [&](const char* hands, int sita_mae, int sita_ato, int ue_mae, int ue_ato) {
        std::string l;
        for (int x = 1; x <= 11; ++x)
            for (int y = 1; y <= 11; ++y) l += number_field(b[x][y], 4);
        return l + hands + number_field(sita_mae, 5) + number_field(sita_ato, 5) + number_field(ue_mae, 5) +
               number_field(ue_ato, 5);
    };
    auto move = [&](int fx, int fy, int tx, int ty, Koma placed) {
        b[fx][fy] = KARA;
        b[tx][ty] = placed;
    };
    move(2, 8, 2, 4, SITA_HU);
    const std::string rec1 = line("10000000000000", 0, 5, 0, 0);
    move(6, 2, 6, 3, UE_OU);
    const std::string rec2 = line("10000000000000", 5, 5, 0, 12);
    move(2, 10, 2, 11, SITA_KYOU_NARI);
    const std::string rec3 = line("10000000000000", 5, 9, 12, 12);
    move(3, 3, 9, 9, UE_SYA);
    const std::string rec4 = line("10000000000001", 5, 5, 0, 61);
    const std::string header = "\x8a\xfb\x90\xb9\x90\xed\r\n" // 棋聖戦
                               "\x89\x48\x93\x63\r\n"         // 羽田
                               "\x90\x58\r\n";                // 森
    for (const std::string end : {"\r\n", "\n"}) {
        const std::string records = rec1 + end + rec2 + end + rec3 + end + rec4;
        std::string bytes = header + records + end;
        if (end == std::string("\n")) bytes = "\xc3\xbd\xc4\n\n\n" + records; // ﾃｽﾄ; no end at the end
        dir.write("hand.棋譜", bytes);
        read("hand.棋譜");
        ASSERT_EQ(KIFU_TESUU, 4) << "line end " << (end[0] == '\r' ? "CR LF" : "LF");
        EXPECT_EQ(KIFU[1].ban[9][9], SITA_SYA);
        EXPECT_EQ(KIFU[1].ban[2][4], SITA_HU);
        EXPECT_EQ(KIFU[4].ban[6][3], UE_OU);
        EXPECT_EQ(KIFU[4].ban[2][11], SITA_KYOU_NARI);
        EXPECT_EQ(KIFU[4].ban[9][9], UE_SYA);
        EXPECT_EQ(KIFU[4].sita_mochi[1], 1);
        EXPECT_EQ(KIFU[4].ue_mochi[7], 1);
        EXPECT_EQ(KIFU[4].sita_mae, 5);
        EXPECT_EQ(KIFU[4].ue_ato, 61);
    }
    // The CR LF file's header, printed in a 12-point font where the panel's rule places it.
    dir.write("hand.棋譜", header + rec1 + "\r\n");
    read("hand.棋譜");
    const std::vector<FakePlatform::Text> texts = header_texts(fp);
    ASSERT_EQ(texts.size(), 3u);
    const double x3 = 3900, x2 = 1050 + 570 * (3 + 11.0 / 5), x1 = 1050 + 570 * (3 + 12.0 / 5);
    const FakePlatform::Text expected[] = {{x3 - 3000, 8750, "棋聖戦", 12, 12, false},
                                           {x2, 700, "羽田", 12, 15, false},
                                           {x1, 8750, "森", 12, 15, false}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(texts[i].text, expected[i].text);
        EXPECT_DOUBLE_EQ(texts[i].x, expected[i].x) << expected[i].text;
        EXPECT_DOUBLE_EQ(texts[i].y, expected[i].y);
        EXPECT_EQ(texts[i].points, 12);
        EXPECT_EQ(texts[i].colour, expected[i].colour);
    }
}

TEST_F(KifuFile, TwoDigitPawnCountsReadBackFromRealGames) {
    for (bool upper_hoards : {false, true}) {
        SCOPED_TRACE(upper_hoards ? "upper player holds 10 or more" : "lower player holds 10 or more");
        初期設定();
        std::vector<Mv> game = pawn_hoarding_game();
        if (upper_hoards) {
            SITA_GAWA = -1;
            UE_GAWA = 1;
            for (Mv& m : game) m = mirrored(m);
        }
        play_all(game);
        const int last = static_cast<int>(game.size());
        ASSERT_EQ(KIFU_TESUU, last);
        int& hoard = upper_hoards ? KIFU[last].ue_mochi[1] : KIFU[last].sita_mochi[1];
        ASSERT_EQ(hoard, 13);
        const std::vector<RecordEntry> before = entries(1, last);

        write("pawns");
        const std::vector<std::string> lines = crlf_lines(dir.read("pawns.棋譜"));
        ASSERT_EQ(lines.size(), 3u + last);
        int long_lines = 0, two_way = 0;
        for (std::size_t i = 3; i < lines.size(); ++i) {
            long_lines += lines[i].size() == 519;
            two_way += lines[i].size() == 519 && lines[i].substr(484, 2) == "11";
        }
        EXPECT_GE(long_lines, 15);
        EXPECT_GE(two_way, 4); // counts 11 and 0, 11 and 1, 1 and 11 ... read alike

        read("pawns.棋譜");
        ASSERT_EQ(KIFU_TESUU, last);
        const std::vector<RecordEntry> after = entries(1, last);
        for (int i = 0; i < last; ++i) EXPECT_EQ(after[i], before[i]) << "line " << i + 4;
    }
}

TEST_F(KifuFile, TwoDigitPawnSplitSettledByNeighboursOrByDefault) {
    // Five pawns on the board: 1 + 11 + 1 + 5 = 18 = 11 + 1 + 1 + 5, so "111" reads both ways.
    RecordEntry k;
    for (int x = 2; x <= 6; ++x) k.ban[x][8] = SITA_HU;
    auto with = [&](int s, int u) {
        RecordEntry e = k;
        e.sita_mochi[1] = s;
        e.ue_mochi[1] = u;
        return e;
    };
    auto line = [&](int s, int u) { return record_line_of(with(s, u)); };
    ASSERT_EQ(line(1, 11), line(11, 1));

    // The settled line comes last and settles the two before it, one after the other.
    EXPECT_EQ(entries_from_lines({line(1, 11), line(1, 11), line(2, 11)}),
              (std::vector<RecordEntry>{with(1, 11), with(1, 11), with(2, 11)}));
    EXPECT_EQ(entries_from_lines({line(12, 0), line(11, 1)}),
              (std::vector<RecordEntry>{with(12, 0), with(11, 1)}));
    // Nothing tells: the lower player's count is the two-digit one.
    EXPECT_EQ(entries_from_lines({line(1, 11)}), std::vector<RecordEntry>{with(11, 1)});
    // Both counts of two digits make a line of 520 characters.
    const std::string both = line(10, 12);
    ASSERT_EQ(both.size(), 520u);
    EXPECT_EQ(entries_from_lines({both}), std::vector<RecordEntry>{with(10, 12)});
}

TEST_F(KifuFile, OddHeadersAndTrailingBlankLinesReadWithoutHarm) {
    play_all(OPENING);
    write("good");
    const std::string good = dir.read("good.棋譜");
    const int good_records = static_cast<int>(crlf_lines(good).size()) - 3;
    const std::string records =
        good.substr(good.find("\r\n", good.find("\r\n", good.find("\r\n") + 2) + 2) + 2);
    const struct {
        const char* what;
        std::string bytes;
        int records;
    } rows[] = {
        {"empty", "", 0},
        {"two header lines", "a\r\nb\r\n", 0},
        {"header not Shift_JIS", "\x81\xff\x80\xfd\r\n\xa0\r\n\xff\r\n" + records, good_records},
        {"NUL bytes in the header", std::string("x\0y\r\n\0\r\n\r\n", 10) + records, good_records},
        {"blank lines at the end", good + "\r\n  \r\n\r\n", good_records},
        {"only blank record lines", "a\r\nb\r\nc\r\n\r\n \t\r\n", 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        dir.write("bad.棋譜", r.bytes);
        read("bad.棋譜");
        EXPECT_EQ(KIFU_MODE, ON);
        const int expected = r.records;
        EXPECT_EQ(KIFU_TESUU, expected);
        if (expected == 0) {
            EXPECT_EQ(fp.messages.back(), "棋譜 | 棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません");
            EXPECT_EQ(TEBAN, 0);
        } else {
            EXPECT_EQ(fp.messages.back(), "棋譜 | 棋譜を '進 'で進めて下さい");
        }
        // Every entry read can be stepped through.
        for (int i = 0; i <= KIFU_TESUU; ++i) AFTER_Click();
        EXPECT_EQ(KIFU_NO, KIFU_TESUU);
        for (int i = 0; i <= KIFU_TESUU; ++i) REPLAY_Click();
        EXPECT_EQ(KIFU_NO, 0);
    }
    // A header the file lacks leaves the text of the line read before, which is printed again.
    dir.write("bad.棋譜", "only\r\n");
    read("bad.棋譜");
    const std::vector<FakePlatform::Text> texts = header_texts(fp);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "only");
    EXPECT_EQ(texts[1].text, "only");
    EXPECT_EQ(texts[2].text, "only");
}

TEST_F(KifuFile, WritingReplacesAnExistingFileWholly) {
    dir.write("game.棋譜", std::string(100000, 'x'));
    play_all(OPENING);
    write("game", "first");
    初期設定();
    KIFU_NO = 0;
    play_all({OPENING.begin(), OPENING.begin() + 3});
    write("game", "second");
    const std::vector<std::string> lines = crlf_lines(dir.read("game.棋譜"));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "second");
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.path())) names.push_back(e.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"game.棋譜"}); // no temporary file left behind
}

TEST_F(KifuFile, FailedWriteNamesTheFileAndChangesNothing) {
    play_all(OPENING);
    const std::vector<RecordEntry> record = entries(0, KIFU_TESUU);
    const int tesuu = TESUU, kifu_tesuu = KIFU_TESUU;
    fs::create_directory(dir.path() / "taken.棋譜");
    dir.write("taken.棋譜/inside", "keep");
    // A file the player protected, and a pipe that would block a writer opening it.
    dir.write("locked.棋譜", "mine");
    fs::permissions(dir.path() / "locked.棋譜", fs::perms::owner_read | fs::perms::group_read);
    ASSERT_EQ(::mkfifo((dir.path() / "pipe.棋譜").c_str(), 0644), 0);
    const struct {
        std::string folder, name, reason;
    } rows[] = {
        {(dir.path() / "nowhere").string(), "game", "ﾌｫﾙﾀﾞが見つかりません"},
        {dir.path().string(), "taken", "同じ名前のﾌｫﾙﾀﾞがあります"},
        {dir.path().string(), std::string(300, 'n'), "ﾌｧｲﾙ名が長すぎます"},
        {dir.path().string(), "locked", "ｱｸｾｽが許可されていません"},
        {dir.path().string(), "pipe", "通常のﾌｧｲﾙではありません"},
    };
    for (const auto& r : rows) {
        fp.forget();
        fp.current_folder = r.folder;
        fp.io_visible = true;
        write(r.name, "t", "s", "g");
        const std::string path = r.folder + "/" + r.name + ".棋譜";
        EXPECT_EQ(fp.messages, std::vector<std::string>{"棋譜保存 | 棋譜ﾌｧｲﾙを書き込めませんでした\n" + path +
                                                        "\n" + r.reason});
        EXPECT_TRUE(fp.io_visible);
        EXPECT_EQ(fp.boxes[1], r.name);
    }
    EXPECT_EQ(dir.read("taken.棋譜/inside"), "keep");
    EXPECT_EQ(dir.read("locked.棋譜"), "mine");
    EXPECT_EQ(fs::status(dir.path() / "locked.棋譜").permissions(),
              fs::perms::owner_read | fs::perms::group_read);
    EXPECT_TRUE(fs::is_fifo(dir.path() / "pipe.棋譜"));
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.path())) names.insert(e.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"taken.棋譜", "locked.棋譜", "pipe.棋譜"}));
    EXPECT_EQ(entries(0, KIFU_TESUU), record);
    EXPECT_EQ(TESUU, tesuu);
    EXPECT_EQ(KIFU_TESUU, kifu_tesuu);
}

// Every line the writer makes reads back as it was written: a clock beyond five columns is written as
// 99999, which keeps the columns of the pawn counts after it.
TEST_F(KifuFile, ClocksAreCappedAtFiveColumnsSoEveryLineReadsBack) {
    const struct {
        double clock;
        int sita_hu, ue_hu;
    } rows[] = {{99999, 0, 0}, {100001, 0, 0}, {100001, 12, 0}, {100001, 0, 10}, {1e7, 10, 8}};
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message()
                     << r.clock << " s, pawns in hand " << r.sita_hu << " and " << r.ue_hu);
        初期設定();
        TAIKYOKU.kifu.starts_reversed = false; // the record the last row read, which 書込 refuses
        // The pawns in hand come off the board: a game holds 18. No move from the start reaches that:
        // the file is written as a reversed kept game, which starts from its first line, and the lower
        // king steps forward.
        for (int n = 0; n < r.sita_hu + r.ue_hu; ++n) BAN[2 + n % 9][n < 9 ? 4 : 8] = KARA;
        SITA_MOCHI[1] = r.sita_hu;
        UE_MOCHI[1] = r.ue_hu;
        std::vector<RecordEntry> expected;
        for (int n : {1, 2}) {
            if (n == 2) std::swap(BAN[6][10], BAN[6][9]);
            KIFU_NO = n;
            手順保存(TAIKYOKU.kifu, TAIKYOKU.pos, TAIKYOKU.settei, 0, 0, 0, 0, 0, 0, r.clock, r.clock,
                     r.clock, r.clock);
            expected.push_back(filed_entry(TAIKYOKU.kifu, n));
            for (double* t : {&expected.back().sita_mae, &expected.back().sita_ato, &expected.back().ue_mae,
                              &expected.back().ue_ato})
                *t = std::min(*t, 99999.0);
        }

        write("clock", "前回の対局 反転 先手番");
        const std::vector<std::string> lines = crlf_lines(dir.read("clock.棋譜"));
        ASSERT_EQ(lines.size(), 5u);
        for (int i : {3, 4}) EXPECT_EQ(lines[i].size(), 518u + (r.sita_hu >= 10) + (r.ue_hu >= 10));
        read("clock.棋譜");
        ASSERT_EQ(KIFU_TESUU, 1);
        EXPECT_EQ(entries(0, 1), expected);
    }
}

// Column of the field of cell (x, y) in a record line.
int column(int x, int y) {
    return ((x - 1) * 11 + y - 1) * 4 + 1;
}

TEST_F(KifuFile, FailedReadNamesTheFileAndLeavesTheGameAsItWas) {
    play_all(OPENING);
    TEBAN = -1;
    Koma ban[12][12];
    std::copy(&BAN[0][0], &BAN[0][0] + 144, &ban[0][0]);
    const int kifu_no = KIFU_NO, tesuu = TESUU, kifu_tesuu = KIFU_TESUU;
    const std::vector<RecordEntry> record = entries(0, KIFU_TESUU);

    // A file whose second record line (line 5) is an entry of this game changed by `edit`.
    const RecordEntry good = filed_entry(TAIKYOKU.kifu, 3);
    auto with_line_5 = [&](void (*edit)(RecordEntry&)) {
        RecordEntry bad = good;
        edit(bad);
        std::string bytes = "t\r\nu\r\nl\r\n";
        for (const RecordEntry& k : {good, bad, good}) bytes += record_line_of(k) + "\r\n";
        return bytes;
    };
    const auto at_centre = [](Koma c) {
        return "5行目：" + std::to_string(column(6, 6)) + "桁目に駒ではない値 " + std::to_string(c) +
               " があります";
    };
    const struct {
        std::string name;
        std::function<void(const fs::path&)> make;
        std::string reason;
    } rows[] = {
        {"gone.棋譜", [](const fs::path&) {}, "ﾌｧｲﾙが見つかりません"},
        {"folder.棋譜", [](const fs::path& p) { fs::create_directory(p); }, "ﾌｧｲﾙではありません"},
        {"fifo.棋譜", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); },
         "通常のﾌｧｲﾙではありません"},
        {"zero.棋譜", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); },
         "通常のﾌｧｲﾙではありません"},
        {"huge.棋譜",
         [](const fs::path& p) {
             std::ofstream(p, std::ios::binary) << "t\r\nu\r\nl\r\n";
             fs::resize_file(p, std::uintmax_t{8} << 30); // 8 GiB with no line end after the header
         },
         "4行目が長すぎます"},
        {"9999.棋譜",
         [&](const fs::path& p) { dir.write(p, with_line_5([](RecordEntry& k) { k.ban[6][6] = 9999; })); },
         at_centre(9999)},
        {"-999.棋譜",
         [&](const fs::path& p) { dir.write(p, with_line_5([](RecordEntry& k) { k.ban[6][6] = -999; })); },
         at_centre(-999)},
        {"5.棋譜",
         [&](const fs::path& p) { dir.write(p, with_line_5([](RecordEntry& k) { k.ban[6][6] = 5; })); },
         at_centre(5)},
        {"-1.棋譜",
         [&](const fs::path& p) { dir.write(p, with_line_5([](RecordEntry& k) { k.ban[6][6] = -1; })); },
         at_centre(-1)},
        {"111.棋譜",
         [&](const fs::path& p) {
             dir.write(p, with_line_5([](RecordEntry& k) { k.ban[6][6] = UE_KIN_NARI; }));
         },
         at_centre(111)},
        {"-111.棋譜",
         [&](const fs::path& p) {
             dir.write(p, with_line_5([](RecordEntry& k) { k.ban[6][6] = SITA_KIN_NARI; }));
         },
         at_centre(-111)},
        {"ring.棋譜",
         [&](const fs::path& p) {
             dir.write(p, with_line_5([](RecordEntry& k) {
                           k.ban[6][2] = KARA;
                           k.ban[6][1] = UE_OU;
                       }));
         },
         "5行目：" + std::to_string(column(6, 1)) + "桁目の王が回転盤に乗っています"},
        {"kings.棋譜",
         [&](const fs::path& p) { dir.write(p, with_line_5([](RecordEntry& k) { k.ban[6][6] = SITA_OU; })); },
         "5行目：下側の王が2枚あります"},
        {"rooks.棋譜",
         [&](const fs::path& p) { dir.write(p, with_line_5([](RecordEntry& k) { k.sita_mochi[7] = 9; })); },
         "5行目：飛が合わせて11枚あります（2枚のはずです）"},
        {"pawns.棋譜",
         [&](const fs::path& p) { dir.write(p, with_line_5([](RecordEntry& k) { ++k.ue_mochi[1]; })); },
         "5行目：歩が合わせて19枚あります（18枚のはずです）"},
        // Only whole positions: every record line has its full width, no blank line stands between
        // them, every piece of a set is there and each side has its king but in the last position.
        {"0.棋譜", [&](const fs::path& p) { dir.write(p, "t\r\nu\r\nl\r\n0\r\n"); },
         "4行目：記録の行が1桁で切れています（518桁のはずです）"},
        {"kings-only.棋譜",
         [&](const fs::path& p) {
             RecordEntry k;
             k.ban[6][10] = SITA_OU;
             k.ban[6][2] = UE_OU;
             dir.write(p, "t\r\nu\r\nl\r\n" + record_line_of(k) + "\r\n");
         },
         "4行目：歩が合わせて0枚あります（18枚のはずです）"},
        {"cut.棋譜",
         [&](const fs::path& p) {
             const std::string whole = with_line_5([](RecordEntry&) {});
             dir.write(p, whole.substr(0, whole.size() - 100));
         },
         "6行目：記録の行が420桁で切れています（518桁のはずです）"},
        {"long.棋譜",
         [&](const fs::path& p) { dir.write(p, "t\r\nu\r\nl\r\n1" + std::string(600, ' ') + "\r\n"); },
         "4行目：記録の行が長すぎます"},
        {"blank.棋譜",
         [&](const fs::path& p) {
             const std::string line = record_line_of(good) + "\r\n";
             dir.write(p, "t\r\nu\r\nl\r\n" + line + " \r\n" + line);
         },
         "5行目：空の行です"},
        {"pawn-short.棋譜",
         [&](const fs::path& p) { dir.write(p, with_line_5([](RecordEntry& k) { k.ban[2][8] = KARA; })); },
         "5行目：歩が合わせて17枚あります（18枚のはずです）"},
        {"king-gone.棋譜",
         [&](const fs::path& p) { dir.write(p, with_line_5([](RecordEntry& k) { k.ban[6][2] = KARA; })); },
         "5行目：上側の王がありません"},
        {"kings-gone.棋譜",
         [&](const fs::path& p) {
             RecordEntry k = good;
             k.ban[6][2] = k.ban[6][10] = KARA;
             dir.write(p, "t\r\nu\r\nl\r\n" + record_line_of(good) + "\r\n" + record_line_of(k) + "\r\n");
         },
         "5行目：下側の王がありません"},
        // Whole positions that do not follow one another move by move: this game kept against the
        // computer with its fourth move's line taken out, and two moves of the lower side in a row.
        {"kept-cut.棋譜",
         [&](const fs::path& p) {
             std::string bytes = to_sjis("前回の対局\r\nCOM LEVEL4\r\nMAN\r\n");
             for (const RecordEntry& k : record)
                 if (&k != &record[0] && &k != &record[4]) bytes += record_line_of(k) + "\r\n";
             dir.write(p, bytes);
         },
         "7行目：前の局面から一手で指した局面ではありません"},
        {"lower-twice.棋譜",
         [&](const fs::path& p) {
             RecordEntry k = record[1];
             std::swap(k.ban[8][8], k.ban[8][7]);
             dir.write(p,
                       "t\r\nu\r\nl\r\n" + record_line_of(record[1]) + "\r\n" + record_line_of(k) + "\r\n");
         },
         "5行目：下側が二手続けて指しています"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        r.make(dir.path() / r.name);
        fp.forget();
        File1_Click(r.name);
        EXPECT_EQ(fp.messages,
                  std::vector<std::string>{"棋譜 | 棋譜ﾌｧｲﾙを読み込めませんでした\n" + dir.path().string() +
                                           "/" + r.name + "\n" + r.reason});
        EXPECT_TRUE(std::equal(&BAN[0][0], &BAN[0][0] + 144, &ban[0][0]));
        EXPECT_EQ(KIFU_MODE, OFF);
        EXPECT_EQ(TEBAN, -1);
        EXPECT_EQ(KIFU_NO, kifu_no);
        EXPECT_EQ(TESUU, tesuu);
        EXPECT_EQ(KIFU_TESUU, kifu_tesuu);
        EXPECT_EQ(entries(0, KIFU_TESUU), record);
    }
}

// A position that no move from the start reaches is read where a reversed kept game starts, the move
// made from it following; the side that made it is the record's first side to move.
TEST_F(KifuFile, UnusualButPossiblePositionsAreRead) {
    static const auto every_pawn_in_hand = [](RecordEntry& k) {
        for (int x = 2; x <= 10; ++x) k.ban[x][4] = k.ban[x][8] = KARA;
        k.sita_mochi[1] = 18;
    };
    static const auto lower_pawn_on_the_ring = [](RecordEntry& k) {
        k.ban[2][8] = KARA;
        k.ban[11][6] = SITA_HU;
    };
    const struct {
        const char* what;
        void (*before)(RecordEntry&); // the start edited, or nullptr: the start itself
        void (*edit)(RecordEntry&);
        bool lower_moved;
    } rows[] = {
        {"upper king taken", nullptr,
         [](RecordEntry& k) {
             k.ban[6][8] = KARA;
             k.ban[6][2] = SITA_HU;
         },
         true},
        {"lower king taken", nullptr,
         [](RecordEntry& k) {
             k.ban[6][4] = KARA;
             k.ban[6][10] = UE_HU;
         },
         false},
        {"every pawn in one hand, pieces on the ring", every_pawn_in_hand,
         [](RecordEntry& k) {
             every_pawn_in_hand(k);
             k.ban[1][5] = UE_SYA_NARI;
             k.ban[3][3] = KARA;
         },
         false},
        // The lower pawn the turn carries across is no move of the lower side.
        {"the ring turned half round before an upper move", lower_pawn_on_the_ring,
         [](RecordEntry& k) {
             k.ban[2][8] = KARA;
             k.ban[1][6] = SITA_HU;
             k.ban[3][4] = KARA;
             k.ban[3][5] = UE_HU;
         },
         false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        初期設定();
        手順保存(TAIKYOKU.kifu, TAIKYOKU.pos, TAIKYOKU.settei, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        RecordEntry from = filed_entry(TAIKYOKU.kifu, 0);
        RecordEntry k = from;
        r.edit(k);
        if (r.before) r.before(from);
        dir.write("odd.棋譜", r.before ? to_sjis("前回の対局 反転 後手番\r\nu\r\nl\r\n") +
                                             record_line_of(from) + "\r\n" + record_line_of(k) + "\r\n"
                                       : "t\r\nu\r\nl\r\n" + record_line_of(k) + "\r\n");
        read("odd.棋譜");
        ASSERT_EQ(KIFU_TESUU, 1);
        EXPECT_EQ(filed_entry(TAIKYOKU.kifu, 1), k);
        const int first = r.before ? -1 : 1;
        EXPECT_EQ(SITA_GAWA, r.lower_moved ? first : -first);
        EXPECT_EQ(UE_GAWA, -SITA_GAWA);
    }
}

TEST_F(KifuFile, MoreThan500RecordLinesReadTheFirst500AndSaySo) {
    const struct {
        int extra;
        const char* tail;
    } rows[] = {{0, ""}, {0, "\r\n \r\n\r\n"}, {1, ""}, {7, "\r\n"}};
    for (const auto& [extra, tail] : rows) {
        SCOPED_TRACE(testing::Message() << extra << " more, then '" << tail << "'");
        std::string bytes = "t\r\nu\r\nl\r\n";
        RecordEntry k;
        place_start_position(k.ban);
        // The rooks step aside and back, lower and upper in turn.
        const Mv steps[4] = {{9, 9, 8, 9}, {3, 3, 4, 3}, {8, 9, 9, 9}, {4, 3, 3, 3}};
        for (int n = 1; n <= KIFU_MAX + extra; ++n) {
            const Mv& m = steps[(n - 1) % 4];
            std::swap(k.ban[m.fx][m.fy], k.ban[m.tx][m.ty]);
            k.ue_ato = n;
            bytes += record_line_of(k) + "\r\n";
        }
        dir.write("long.棋譜", bytes + tail);
        read("long.棋譜");
        EXPECT_EQ(KIFU_TESUU, KIFU_MAX);
        EXPECT_EQ(KIFU[KIFU_MAX].ue_ato, KIFU_MAX);
        std::vector<std::string> expected{"棋譜 |  読み込みました"};
        if (extra > 0)
            expected.push_back("棋譜 | 棋譜が500手を超えているので、最初の500手だけ読み込みました");
        expected.push_back("棋譜 | 棋譜を '進 'で進めて下さい");
        EXPECT_EQ(fp.messages, expected);
    }
    // Stepping reaches the last entry and stops there.
    KIFU_NO = KIFU_MAX - 1;
    fp.forget();
    AFTER_Click();
    AFTER_Click();
    EXPECT_EQ(KIFU_NO, KIFU_MAX);
    EXPECT_EQ(fp.messages, std::vector<std::string>{"進む | 終わり"});
}

// The panel's RETURN asks again: the game may have been reversed or handicapped since it opened.
TEST_F(KifuFile, WritingPanelIsRefusedAfterReversalOrHandicap) {
    play_all(OPENING);
    // Also a record that starts from a reversal or at a handicap, left on the screen by 最初.
    const struct {
        int hanten, hande;
        bool record_reversed;
        int record_level;
        std::string message;
    } rows[] = {{ON, OFF, false, 0, "棋譜書込 | 反転後は書き込みできません"},
                {OFF, ON, false, 0, "棋譜書込 | ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"},
                {ON, ON, false, 0, "棋譜書込 | 反転後は書き込みできません"},
                {OFF, OFF, true, 0, "棋譜書込 | 反転後は書き込みできません"},
                {OFF, OFF, false, 3, "棋譜書込 | ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"},
                {OFF, OFF, false, 0, ""}};
    for (const auto& r : rows) {
        fp.forget();
        fp.io_visible = false;
        fp.lists[0] = fp.lists[1] = false;
        fp.lists[2] = true;
        HANTEN = r.hanten;
        HANDE_SETTEI = r.hande;
        TAIKYOKU.kifu.starts_reversed = r.record_reversed;
        TAIKYOKU.kifu.KIFU_HANDE_LEVEL = r.record_level;
        KIFU_WRITE_Click();
        if (r.message.empty()) {
            EXPECT_TRUE(fp.messages.empty());
            EXPECT_TRUE(fp.io_visible);
            EXPECT_TRUE(fp.lists[0] && fp.lists[1] && !fp.lists[2]);
        } else {
            EXPECT_EQ(fp.messages, std::vector<std::string>{r.message});
            EXPECT_FALSE(fp.io_visible);
            EXPECT_TRUE(fp.lists[2]);
        }
        fp.forget();
        fs::remove(dir.path() / "g.棋譜");
        write("g");
        EXPECT_EQ(fs::exists(dir.path() / "g.棋譜"), r.message.empty());
        if (!r.message.empty()) {
            EXPECT_EQ(fp.messages, std::vector<std::string>{r.message});
        }
    }
    HANTEN = HANDE_SETTEI = OFF;
}

} // namespace
