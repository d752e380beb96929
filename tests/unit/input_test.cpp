// The human player's mouse, the clocks, and the record's limit.
#include "control/clock.h"
#include "control/game.h"
#include "core/state.h"
#include "display/texts.h"
#include "kifu/record.h"
#include "support/board.h"
#include "support/fake_platform.h"
#include "tools/temp_dir.h"
#include "support/names.h"

#include <gtest/gtest.h>

namespace {

double cx(double x) {
    return 1050 + 570 * x + 285;
}
double cy(double y) {
    return 700 + 660 * y + 330;
}

class Input : public ::testing::Test {
  protected:
    void SetUp() override {
        set_platform(&fp);
        初期設定();
    }
    void TearDown() override { set_platform(nullptr); }
    void click(double x, double y, int button = 1) { Form_MouseDown(button, 0, cx(x), cy(y)); }
    void two_player_game() {
        START_Click();
        fp.forget();
    }
    TempDir folder; // a game left for another is kept there
    FakePlatform fp;
};

TEST_F(Input, PromotionOnlyWithTheRightButton) {
    set_position({{5, 5, SITA_HU}, {4, 5, SITA_HU}, {6, 10, SITA_OU}, {6, 2, UE_OU}});
    two_player_game();
    click(5, 5);
    click(5, 4, 1);
    EXPECT_EQ(BAN[5][4], SITA_HU);
    TEBAN = SITA_GAWA; // let the lower player move again
    click(4, 5);
    click(4, 4, 2);
    EXPECT_EQ(BAN[4][4], SITA_HU_NARI);
}

TEST_F(Input, OpponentsPieceShowsItsMovesButIsNotSelected) {
    two_player_game();
    SIDOU_FLAG = ON;
    SIDOU_IRO = 15;
    click(5, 4); // an upper pawn while the lower player moves
    EXPECT_EQ(SENTAKU, 0);
    bool marked_target = false;
    for (const auto& o : fp.outlines)
        if (o.colour == 15 && o.x1 == 1050 + 570 * 5 && o.y1 == 700 + 660 * 5) marked_target = true;
    EXPECT_TRUE(marked_target);
    SIDOU_FLAG = OFF;
}

TEST_F(Input, WrongHandBoxSelectionIsDroppedByTheNextClick) {
    two_player_game();
    UE_MOCHI[1] = 1;
    UE_MOCHI_KEI = 1;
    click(-1, 7); // the upper player's pawn row while the lower player moves
    EXPECT_EQ(SENTAKU, 1);
    click(5, 5);
    EXPECT_EQ(SENTAKU, 0);
    EXPECT_EQ(BAN[5][5], KARA);
    EXPECT_EQ(TESUU, 0);
}

TEST_F(Input, PawnDropUsesTheTwoPawnFlagsOfTheSelection) {
    two_player_game();
    SITA_MOCHI[1] = 1;
    SITA_MOCHI_KEI = 1;
    click(13, 3);
    click(5, 5); // column 5 already holds a lower pawn
    EXPECT_EQ(BAN[5][5], KARA);
    EXPECT_EQ(SITA_MOCHI[1], 1);
    BAN[5][8] = KARA;
    click(13, 3);
    click(5, 5);
    EXPECT_EQ(BAN[5][5], SITA_HU);
    EXPECT_EQ(SITA_MOCHI[1], 0);
    EXPECT_EQ(TEBAN, -1);
}

TEST_F(Input, SteppedRecordAsksBeforeGivingUp) {
    KIFU_MODE = ON;
    TEBAN = 1;
    fp.answers = {true, false};
    click(5, 8);
    EXPECT_EQ(KIFU_MODE, ON);
    click(5, 8);
    EXPECT_EQ(KIFU_MODE, OFF);
    EXPECT_EQ(TEBAN, 0);
    ASSERT_EQ(fp.messages.size(), 2u);
    EXPECT_EQ(fp.messages[0], "ask 棋譜 | 棋譜を '進 'で進めて下さい -> Yes");
}

TEST_F(Input, ResumingATwoPlayerGameRestartsTheClock) {
    set_clock_option(TAIKYOKU.settei, fp, true);
    two_player_game();
    SAIKAI_MACHI = ON;
    fp.timer = false;
    fp.clock = 50000;
    click(5, 8);
    EXPECT_EQ(SAIKAI_MACHI, OFF);
    EXPECT_TRUE(fp.timer);
    EXPECT_DOUBLE_EQ(KAISHI_JIKOKU, 50000);
    EXPECT_EQ(fp.messages.at(0), "対局 | 先手の番です");
    EXPECT_EQ(SENTAKU, 1); // the same click goes on to select the pawn
}

TEST_F(Input, StartOnlyStartsTheClockWhenTheElapsedTimeIsShown) {
    set_clock_option(TAIKYOKU.settei, fp, false);
    fp.timer = true; // left running by a game against the computer
    START_Click();
    EXPECT_TRUE(fp.timer);
    fp.timer = false;
    START_Click();
    EXPECT_FALSE(fp.timer);
    set_clock_option(TAIKYOKU.settei, fp, true);
    fp.clock = 50000;
    START_Click();
    EXPECT_TRUE(fp.timer);
    EXPECT_DOUBLE_EQ(KAISHI_JIKOKU, 50000);
}

TEST_F(Input, AFullRecordEndsATwoPlayerGameAsADrawOnEitherTurn) {
    const std::string draw = "終了 | 棋譜が一杯です（500手まで）。引き分けで終わります";
    // The move that fills the record is made and kept; the game then ends, whichever side made it.
    const struct { int teban, fx, fy, tx, ty; } rows[] = {{1, 5, 8, 5, 7}, {-1, 5, 4, 5, 5}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.teban);
        初期設定();
        two_player_game();
        fp.timer = true;
        TEBAN = r.teban;
        KIFU_NO = TESUU = KIFU_MAX - 1;
        click(r.fx, r.fy);
        click(r.tx, r.ty);
        EXPECT_EQ(BAN[r.fx][r.fy], KARA);
        EXPECT_EQ(KIFU_TESUU, KIFU_MAX);
        EXPECT_EQ(KIFU[KIFU_MAX].ban[r.tx][r.ty], BAN[r.tx][r.ty]); // the last position is in the record
        EXPECT_EQ(SYOUSYA, SYOUSYA_HIKIWAKE);
        EXPECT_EQ(fp.messages, std::vector<std::string>{draw});
        EXPECT_FALSE(fp.timer);
        click(5, 6);
        EXPECT_EQ(fp.messages.back(), "終局 | 新規に対局してください");
    }
    // A game resumed at the end of a full record ends at the first move tried, and nothing moves.
    初期設定();
    two_player_game();
    KIFU_NO = KIFU_TESUU = KIFU_MAX;
    click(5, 8);
    click(5, 7);
    EXPECT_EQ(BAN[5][8], SITA_HU);
    EXPECT_EQ(TESUU, 0);
    EXPECT_EQ(SYOUSYA, SYOUSYA_HIKIWAKE);
    EXPECT_EQ(fp.messages, std::vector<std::string>{draw});
}

TEST_F(Input, TurnsAddTheElapsedTimeOfTheMover) {
    two_player_game();
    KEIKA_BYOU = 7.5;
    click(5, 8);
    click(5, 7);
    EXPECT_DOUBLE_EQ(SITA_JIKAN, 7.5);
    EXPECT_DOUBLE_EQ(KIFU[0].sita_ato, 7.5); // the record keeps the clock after the move
    KEIKA_BYOU = 2;
    click(5, 4);
    click(5, 5);
    EXPECT_DOUBLE_EQ(UE_JIKAN, 2);
}

TEST(Clock, ElapsedSecondsAcrossMidnight) {
    EXPECT_DOUBLE_EQ(調査_経過秒(100, 130.5), 30.5);
    EXPECT_DOUBLE_EQ(調査_経過秒(86390, 10), 20);
}

TEST(Clock, TimeTexts) {
    EXPECT_EQ(調査_時間秒追加結果(59), "00:00:59");
    EXPECT_EQ(調査_時間秒追加結果(3600), "01:00:00");
    EXPECT_EQ(調査_時間秒追加結果(3725.9), "01:02:05");
    EXPECT_EQ(調査_時間秒追加結果(360000), ":00:00"); // 100 hours and more: an empty hour field
}

TEST_F(Input, TimerShowsTheMoversTimeOncePerSecond) {
    set_clock_option(TAIKYOKU.settei, fp, true);
    two_player_game();
    KAISHI_JIKOKU = fp.clock;
    SITA_JIKAN = 60;
    auto shown = [&] {
        std::vector<std::string> t;
        for (const auto& x : fp.texts)
            if (x.colour != 0) t.push_back(x.text);
        return t;
    };
    for (int i = 0; i < 30; ++i) {
        fp.clock += 0.05;
        Timer1_Timer();
    }
    EXPECT_EQ(shown(), (std::vector<std::string>{"00:01:01"}));
    SYOUSYA = 1; // a decided game stops the display
    fp.clock += 5;
    Timer1_Timer();
    EXPECT_EQ(shown().size(), 1u);
    SYOUSYA = 0;
}

TEST_F(Input, ElapsedTimeOptionStartsAndStopsTheTimer) {
    TempDir dir; // the option is written to the settings file
    set_clock_option(TAIKYOKU.settei, fp, false);
    KEIKA_Click();
    EXPECT_TRUE(fp.timer);
    EXPECT_TRUE(fp.checks[MenuItem::KEIKA]);
    KEIKA_Click();
    EXPECT_FALSE(fp.timer);
    EXPECT_FALSE(fp.checks[MenuItem::KEIKA]);
}

} // namespace
