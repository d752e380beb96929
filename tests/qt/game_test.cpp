// Whole games and the game menu, played through the script driver.
#include "script_harness.h"

#include <gtest/gtest.h>

namespace {

TEST(GameMenu, ClicksBeforeAGameAskForOne) {
    TempDir dir;
    const ScriptResult r = run_script("click L 5 8\nmenu AFTER\n", dir);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.has("msg 開始 | 「対局」で始めて下さい"));
    EXPECT_EQ(r.starting("msg").size(), 2u);
}

TEST(GameMenu, StartInTheMiddleOfAGameKeepsThePosition) {
    TempDir dir;
    const ScriptResult r = run_script(R"(menu START
click L 5 8
click L 5 7
dump
menu START
dump
)",
                                      dir);
    const auto msgs = r.starting("msg");
    ASSERT_EQ(msgs.size(), 2u);
    EXPECT_EQ(msgs[0], "msg   | 先手の番です");
    EXPECT_EQ(msgs[1], "msg   | 後手の番です");
    const auto dumps = r.starting("dump");
    ASSERT_EQ(dumps.size(), 2u);
    EXPECT_EQ(dumps[0], dumps[1]);
    EXPECT_NE(dumps[1].find("TEBAN=-1 TESUU=1"), std::string::npos);
}

// A two-player game: a capture with promotion (right button), a drop from the hand, a silver sent
// along the conveyor and brought back, a move into the zone without promotion (left button), and a
// king taken.
const char* const kTwoPlayerGame = R"(menu START
click L 4 8
click L 4 7
click L 8 4
click L 8 5
click L 3 9
click R 9 3
dump
click L 8 2
click L 9 3
click L 13 8
click L 5 5
dump
click L 4 2
click L 5 1
button KAITEN_R
button KAITEN_R
button KAITEN_R
button KAITEN_R
button KAITEN_R
button KAITEN_R
button KAITEN_R
button KAITEN_R
button KAITEN_R
button KAITEN_R
dump
click L 5 5
click L 6 4
click L 11 5
click L 10 6
click L 2 8
click L 2 7
click L 6 2
click L 7 3
click L 6 4
click L 7 3
dump
click L 5 8
menu START
dump
)";

// The 121 board fields of a dump line, as numbers, x outer and y inner.
int field(const std::string& dump, int x, int y) {
    const size_t start = 5 + 4 * ((x - 1) * 11 + (y - 1));
    return std::stoi(dump.substr(start, 4));
}

TEST(TwoPlayers, AWholeGameToTheKingsCapture) {
    TempDir dir;
    const ScriptResult r = run_script(kTwoPlayerGame, dir);
    EXPECT_TRUE(r.ok);
    const auto d = r.starting("dump");
    ASSERT_EQ(d.size(), 5u);
    // The bishop took the bishop and promoted because the right button was used.
    EXPECT_EQ(field(d[0], 9, 3), -801);
    EXPECT_EQ(field(d[0], 3, 9), 0);
    EXPECT_EQ(d[0].substr(5 + 484, 14), "00000000001000"); // one bishop in the lower hand
    // The silver took the horse back; the lower bishop was dropped from its hand box row.
    EXPECT_EQ(field(d[1], 9, 3), 100);
    EXPECT_EQ(field(d[1], 5, 5), -800);
    EXPECT_EQ(d[1].substr(5 + 484, 14), "00000000000100");
    // Ten clockwise turns carried the silver from (5, 1) to (11, 5).
    EXPECT_EQ(field(d[2], 5, 1), 0);
    EXPECT_EQ(field(d[2], 11, 5), 100);
    // Into the zone with the left button: no promotion; the silver came back from the ring; the king is
    // taken.
    EXPECT_EQ(field(d[3], 7, 3), -800);
    EXPECT_EQ(field(d[3], 10, 6), 100);
    EXPECT_EQ(field(d[3], 11, 5), 0);
    EXPECT_NE(d[3].find("SYOUSYA=1"), std::string::npos);
    EXPECT_TRUE(r.has("msg 終了 | 先手の勝ちです"));
    // After the end clicks are refused and スタート begins a new game.
    const int end = r.find("msg 終了 | 先手の勝ちです");
    ASSERT_GT(static_cast<int>(r.lines.size()), end + 1);
    EXPECT_EQ(r.lines[end + 1].rfind("result ", 0), 0u);
    EXPECT_NE(r.lines[end + 1].find("手で玉を取って先手の勝ち"), std::string::npos);
    EXPECT_EQ(r.find("msg 終局 | 新規に対局してください", end), end + 3); // after the result and the dump
    EXPECT_NE(d[4].find("TEBAN=1 TESUU=0 SYOUSYA=0"), std::string::npos);
    EXPECT_EQ(field(d[4], 9, 3), 800);
}

TEST(TwoPlayers, RefusedMovesPlayTheRefusalAndChangeNothing) {
    TempDir dir;
    const ScriptResult r = run_script(R"(menu START
dump
click L 5 8
click L 5 5
dump
click L 5 4
click L 9 9
click L 9 8
click L 9 7
dump
)",
                                      dir);
    const auto d = r.starting("dump");
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[0], d[1]);
    EXPECT_NE(r.find("sound play KINSHI"), -1);
    // Clicking the opponent's pawn only shows where it could go; the own rook is then selected.
    EXPECT_EQ(field(d[2], 9, 7), -10);
    EXPECT_EQ(field(d[2], 9, 9), -900);
    EXPECT_NE(d[2].find("TEBAN=-1 TESUU=1"), std::string::npos);
}

TEST(Screen, StartScreenLayoutPixels) {
    TempDir dir;
    run_script("", dir);
    // A ring plate is yellow, a board square wood, the window outside the tiles black.
    const Rgb ring = last_pixel(70 + 38 * 5 + 19, 47 + 44 * 1 + 5);
    EXPECT_GT(ring.r, 200);
    EXPECT_GT(ring.g, 180);
    EXPECT_LT(ring.b, 120);
    const Rgb wood = last_pixel(70 + 38 * 6 + 19, 47 + 44 * 6 + 22);
    EXPECT_GT(wood.r, wood.b + 40);
    EXPECT_GT(wood.r, 120);
    // Square outlines are drawn in black.
    const Rgb line = last_pixel(70 + 38 * 6, 47 + 44 * 6 + 20);
    EXPECT_EQ(line.r + line.g + line.b, 0);
    // The first start shows the bamboo tiles: green left of the board.
    const Rgb tile = last_pixel(70 + 19, 47 + 44 * 10 + 22);
    EXPECT_GT(tile.g, tile.r);
    EXPECT_GT(tile.g, tile.b);
}

// Pixels of one exact colour around the file number 9 above the board.
int pixels_of_colour_near_file_nine(int r, int g, int b) {
    int n = 0;
    for (int x = 145; x < 175; ++x)
        for (int y = 58; y < 92; ++y) {
            const Rgb p = last_pixel(x, y);
            if (p.r == r && p.g == g && p.b == b) ++n;
        }
    return n;
}

TEST(Screen, NumbersAreYellowOnTheNetAndWhiteInSpace) {
    TempDir dir;
    run_script("menu MIDORI\n", dir);
    EXPECT_GT(pixels_of_colour_near_file_nine(255, 255, 0), 20);
    run_script("menu UCHU\n", dir);
    EXPECT_EQ(pixels_of_colour_near_file_nine(255, 255, 0), 0);
    EXPECT_GT(pixels_of_colour_near_file_nine(255, 255, 255), 20);
}

} // namespace

namespace {

TEST(GameMenu, EscapeAndOwariEndTheProgramAtOnce) {
    TempDir dir;
    ScriptResult r = run_script("key 65\nkey 27\nclick L 5 8\nmenu START\n", dir);
    EXPECT_TRUE(r.starting("msg").empty()); // nothing after Escape is handled; other keys are ignored
    r = run_script("menu START\nmenu OWARI\nclick L 5 8\n", dir);
    EXPECT_EQ(r.starting("msg").size(), 1u);
}

} // namespace
