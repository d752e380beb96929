// Start-up, the initial position and the screen's picture choice.
#include "control/game.h"
#include "control/levels.h"
#include "core/state.h"
#include "display/draw.h"
#include "display/texts.h"
#include "kifu/autosave.h"
#include "kifu/record.h"
#include "platform/folders.h"
#include "support/fake_platform.h"
#include "tools/temp_dir.h"
#include "support/names.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

class StartUp : public ::testing::Test {
  protected:
    void SetUp() override { set_platform(&fp); }
    void TearDown() override { set_platform(nullptr); }
    FakePlatform fp;
};

TEST_F(StartUp, InitialPositionCellByCell) {
    初期設定();
    const Koma back[9] = {SITA_KYOU, SITA_KEI, SITA_GIN, SITA_KIN, SITA_OU,
                          SITA_KIN,  SITA_GIN, SITA_KEI, SITA_KYOU};
    for (int x = 1; x <= 11; ++x) {
        for (int y = 1; y <= 11; ++y) {
            int expected = KARA;
            if (x >= 2 && x <= 10) {
                if (y == 10) expected = back[x - 2];
                if (y == 8) expected = SITA_HU;
                if (y == 2) expected = -back[x - 2];
                if (y == 4) expected = UE_HU;
            }
            if (x == 3 && y == 9) expected = SITA_KAKU;
            if (x == 9 && y == 9) expected = SITA_SYA;
            if (x == 3 && y == 3) expected = UE_SYA;
            if (x == 9 && y == 3) expected = UE_KAKU;
            EXPECT_EQ(BAN[x][y], expected) << "(" << x << "," << y << ")";
        }
    }
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(SITA_MOCHI[k] + UE_MOCHI[k], 0);
    EXPECT_EQ(SITA_MOCHI_KEI + UE_MOCHI_KEI, 0);
    EXPECT_EQ(UE_OU_X, 6);
    EXPECT_EQ(UE_OU_Y, 2);
    EXPECT_EQ(SITA_OU_X, 6);
    EXPECT_EQ(SITA_OU_Y, 10);
}

TEST_F(StartUp, FormLoadLeavesAnIdleProgram) {
    TempDir dir;
    Form_Load();
    EXPECT_EQ(TEBAN, 0);
    EXPECT_EQ(SITA_GAWA, -1);
    EXPECT_EQ(UE_GAWA, 1);
    EXPECT_EQ(COM_LEVEL, 3);
    EXPECT_TRUE(fp.checked(MenuItem::LEVEL3));
    EXPECT_EQ(SYOUSYA, 0);
    EXPECT_EQ(TESUU, 0);
    EXPECT_DOUBLE_EQ(fp.clock, 36002.0); // the title picture stays two seconds
    EXPECT_EQ(KIDOU_DIR, dir.path().string());
    // The whole screen was painted: the title picture last.
    ASSERT_FALSE(fp.stamps.empty());
    EXPECT_EQ(fp.stamps.back().pic, Pic::RUZIVUVOD);
    EXPECT_DOUBLE_EQ(fp.stamps.back().x, 765);
    EXPECT_DOUBLE_EQ(fp.stamps.back().y, 9148);
    終了処理(true);
}

// The level, the side taken against the computer and the time control chosen in one run are those of
// the next start.
TEST_F(StartUp, TheChoicesOfTheLastRunAreOfferedAtTheNextStart) {
    TempDir dir;
    Form_Load();
    LEVEL4_Click();
    SENTE_Click();
    fp.time_control_answer[0] = 300;
    fp.time_control_answer[2] = 10;
    TIMECONTROL_Click();
    終了処理(true);
    // The program starts again with nothing but the preferences.
    TAIKYOKU = Taikyoku{};
    for (MenuItem m : {MenuItem::LEVEL4, MenuItem::SENTE}) fp.set_checked(m, false);
    Form_Load();
    EXPECT_EQ(COM_LEVEL, 4);
    EXPECT_TRUE(fp.checked(MenuItem::LEVEL4));
    EXPECT_TRUE(fp.checked(MenuItem::SENTE));
    EXPECT_FALSE(fp.checked(MenuItem::GOTE));
    EXPECT_EQ(TAIKYOKU.settei.time_control, (TimeControl{300, 0, 10}));
    終了処理(true);
}

// The record is kept only when a move was played into it, and a folder that cannot take the file
// never keeps the program from ending.
TEST_F(StartUp, EndingKeepsAPlayedGameOnlyAndAlwaysEnds) {
    TempDir dir;
    const std::string kept = dir.path().string() + "/前回の対局.棋譜";
    const struct {
        const char* what;
        int played;
        std::string folder;
        bool written;
    } rows[] = {
        {"a game played", ON, dir.path().string(), true},
        {"a record read from a file", OFF, dir.path().string(), false},
        {"a folder that is gone", ON, (dir.path() / "gone").string(), false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        std::filesystem::remove(kept);
        初期設定();
        KIFU_TESUU = 1;
        KIFU_TAIKYOKU = r.played;
        set_folders({r.folder, r.folder, r.folder});
        EXPECT_EQ(kept_game_path(), r.folder + "/前回の対局.棋譜");
        fp.ended = false;
        ::testing::internal::CaptureStderr();
        OWARI_Click();
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_TRUE(fp.ended);
        EXPECT_EQ(std::filesystem::exists(kept), r.written);
        EXPECT_EQ(err.find(kept_game_path()) != std::string::npos, !r.written && r.played == ON) << err;
    }
    KIFU_TAIKYOKU = OFF;
    forget_folders();
}

struct PictureCase {
    int code;
    double x, y;
    Pic expected;
};

class PictureChoice : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureChoice, DependsOnCodeAndCell) {
    const PictureCase& c = GetParam();
    EXPECT_EQ(picture_for(c.code, c.x, c.y), c.expected) << c.code << " at (" << c.x << "," << c.y << ")";
}

const PictureCase kPictures[] = {
    {KARA, 5, 5, Pic::KARA_MASU},
    {KARA, 5, 1, Pic::KARA_MASU_K},
    {KARA, 1, 1, Pic::KARA_MASU_K},
    {KARA, 11, 11, Pic::KARA_MASU_K},
    {UE_HU, 11, 4, Pic::UE_HU_K0},
    {UE_HU_NARI, 1, 4, Pic::UE_HU_K1},
    {SITA_SYA_NARI, 4, 11, Pic::SITA_SYA_K1},
    {SITA_KIN, 3, 1, Pic::SITA_KIN_K},
    {SITA_OU, 6, 11, Pic::SITA_OU}, // a king never has a plate picture
    {UE_HU, -1, 1, Pic::UE_HU_0},   // the upper hand box's top cell is not on the ring
    {KARA, -1, 1, Pic::KARA_MASU},
    {4, 0, 1, Pic::HAIKEI_TAKE}, // tiles of row 1 left of the board
    {4, 5, 11, Pic::HAIKEI_TAKE},
    {2, 20, 15, Pic::HAIKEI_MIDORI},
    {6, -3, -2, Pic::HAIKEI_RENGA},
    {1, -0.5, 12.8, Pic::RUZIVUVOD},
    {111, 5, 1, Pic::None},
    {-111, 5, 5, Pic::None},
    {7, 5, 5, Pic::None},
};

INSTANTIATE_TEST_SUITE_P(Cells, PictureChoice, ::testing::ValuesIn(kPictures));

TEST_F(StartUp, TextsOnTheBackgroundUseTheContrastColour) {
    HAIKEI_NO = 2;
    EXPECT_EQ(取得_対背景色(TAIKYOKU.settei), 14);
    HAIKEI_NO = 5;
    EXPECT_EQ(取得_対背景色(TAIKYOKU.settei), 15);
    HAIKEI_NO = 9;
    EXPECT_EQ(取得_対背景色(TAIKYOKU.settei), 12);
    HAIKEI_NO = 5;
    描画_桝_数値(TAIKYOKU.pos, TAIKYOKU.settei);
    // File number 9 first: its shadow in black, then white 0.1 cell up and left.
    ASSERT_GE(fp.texts.size(), 2u);
    EXPECT_EQ(fp.texts[0].text, "9");
    EXPECT_EQ(fp.texts[0].colour, 0);
    EXPECT_EQ(fp.texts[1].colour, 15);
    EXPECT_DOUBLE_EQ(fp.texts[1].x, 1050 + 570 * 2.1);
    EXPECT_DOUBLE_EQ(fp.texts[1].y, 700 + 660 * 0.4);
    EXPECT_TRUE(fp.texts[1].bold);
    EXPECT_EQ(fp.texts[3].text, "一");
    HAIKEI_NO = 4;
}

TEST(TextTables, ConvertValuesAndIndices) {
    EXPECT_EQ(文字列変換(8), "８");
    EXPECT_EQ(文字列変換(1003), "三");
    EXPECT_EQ(文字列変換(SITA_SYA_NARI), "飛成");
    EXPECT_EQ(文字列変換(UE_KAKU_NARI), "角成");
    EXPECT_EQ(文字列変換(UE_HU_NARI), "と");
    EXPECT_EQ(文字列変換(UE_OU), "王");
    EXPECT_EQ(文字列変換(0), "");
    EXPECT_EQ(message_text(-10), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人");
    EXPECT_EQ(message_text(8), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級");
    EXPECT_EQ(message_text(99), "手目");
    EXPECT_EQ(message_text(11), "");
}

TEST_F(StartUp, MoveNumberEndsAtTheSamePlace) {
    auto number_x = [&](int n) {
        fp.forget();
        描画_手数(TAIKYOKU.pos, TAIKYOKU.settei, n, 15);
        return fp.texts.at(1).x;
    };
    EXPECT_DOUBLE_EQ(number_x(9), 1050 + 570 * 15.2);
    EXPECT_DOUBLE_EQ(number_x(10), 1050 + 570 * 15.1);
    EXPECT_DOUBLE_EQ(number_x(100), 1050 + 570 * 15.0);
    EXPECT_EQ(fp.texts.at(3).text, "手目");
    EXPECT_DOUBLE_EQ(fp.texts.at(3).x, 1050 + 570 * 15.8 + 120);
}

TEST_F(StartUp, MoveTextShowsRingCellsAsOffTheBoard) {
    SITA_GAWA = 1;
    UE_GAWA = -1;
    描画_移動結果(TAIKYOKU.pos, TAIKYOKU.settei, SITA_GAWA, 3, 4, SITA_SYA_NARI);
    std::vector<std::string> shown;
    for (const auto& t : fp.texts)
        if (t.colour != 0) shown.push_back(t.text);
    EXPECT_EQ(shown, (std::vector<std::string>{"８", "三", "飛成"}));
    fp.forget();
    描画_移動結果(TAIKYOKU.pos, TAIKYOKU.settei, UE_GAWA, 11, 7, UE_KIN);
    shown.clear();
    for (const auto& t : fp.texts)
        if (t.colour != 0) shown.push_back(t.text);
    EXPECT_EQ(shown, (std::vector<std::string>{"盤", "外", "金"}));
}

TEST_F(StartUp, BlinkTakesFourWaitsPerCount) {
    const double start = fp.clock;
    描画_駒点滅(TAIKYOKU.settei, UE_GIN, 5, 5, 2);
    EXPECT_NEAR(fp.clock - start, 0.8, 1e-9);
    EXPECT_EQ(fp.stamps.back().pic, Pic::UE_GIN_0);
}

} // namespace
