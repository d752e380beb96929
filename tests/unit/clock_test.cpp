// Time controls on the virtual clock: what a clock holds, when a flag falls, what stepping and 待った
// show, and LEVEL4 on its own clock.

#include "control/clock.h"
#include "control/flow.h"
#include "control/game.h"
#include "control/level4.h"
#include "control/play.h"
#include "core/handicap.h"
#include "core/state.h"
#include "display/texts.h"
#include "kifu/record.h"
#include "support/fake_platform.h"

#include "support/names.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct LeftCase {
    const char* what;
    TimeControl c;
    double used;
    int moves;
    double elapsed;
    double shown;
    bool in_byoyomi, flag;
};

const LeftCase kLeft[] = {
    {"main time running", {600, 30, 0}, 100, 5, 50, 450, false, false},
    {"main time spent into the byoyomi", {600, 30, 0}, 590, 9, 25, 15, true, false},
    {"byoyomi spent on an earlier move leaves it whole", {600, 30, 0}, 620, 20, 10, 20, true, false},
    {"byoyomi runs out", {600, 30, 0}, 620, 20, 30.5, 0, true, true},
    {"byoyomi alone", {0, 10, 0}, 40, 7, 9.9, 0.1, true, false},
    {"the increment comes back for each move made", {60, 0, 10}, 100, 5, 0, 10, false, false},
    {"the increment's clock runs out", {60, 0, 10}, 100, 5, 10.5, 0, false, true},
    {"main time alone runs out", {60, 0, 0}, 50, 30, 10.5, 0, false, true},
};

TEST(TimeLeft, EachControlCountsDownAndFlags) {
    for (const LeftCase& t : kLeft) {
        const ClockLeft l = time_left(t.c, t.used, t.moves, t.elapsed);
        EXPECT_NEAR(l.shown(), t.shown, 1e-9) << t.what;
        EXPECT_EQ(l.in_byoyomi, t.in_byoyomi) << t.what;
        EXPECT_EQ(l.flag, t.flag) << t.what;
    }
}

class Clocks : public ::testing::Test {
  protected:
    void SetUp() override {
        set_platform(&fp);
        TAIKYOKU = Taikyoku{};
        Kyokumen k;
        place_start_position(k.BAN);
        k.SITA_GAWA = 1;
        k.UE_GAWA = -1;
        k.TEBAN = 1;
        flow_start_at(k, MODE_MAN_MAN, 1);
    }
    void TearDown() override {
        level4_thinking = Level4Thinking{};
        level4_set_clock(std::nullopt);
    }
    // A game started with the control, the clock running for the side to move.
    void start(const TimeControl& c) {
        TAIKYOKU.settei.time_control = c;
        TAIKYOKU.tokei.time_control = c;
        TAIKYOKU.tokei.KAISHI_JIKOKU = fp.clock;
        fp.timer = true;
    }
    // The clock moves on, ticking every 50 ms as Timer1 does.
    void pass(double seconds) {
        for (double s = 0; s < seconds - 1e-9; s += 0.05) {
            fp.clock += std::min(0.05, seconds - s);
            Timer1_Timer();
        }
    }
    double left(int side) { return clock_left(TAIKYOKU.pos, TAIKYOKU.tokei, side, 0).shown(); }
    FakePlatform fp;
};

struct Move {
    int fx, fy, tx, ty;
};
// Pawns and a silver of both sides, alternating from the lower side.
const Move kGame[] = {{3, 8, 3, 7}, {9, 4, 9, 5}, {4, 10, 4, 9}, {3, 4, 3, 5}, {3, 7, 3, 6}};

struct FlagCase {
    const char* what;
    TimeControl c;
    std::vector<double> waits; // before each move of kGame; the last is waited without a move
    int flag_after;            // the moves made when the flag fell, -1 for none
};

const FlagCase kFlags[] = {
    {"main time runs into the byoyomi", {10, 5, 0}, {14}, -1},
    {"and the byoyomi runs out", {10, 5, 0}, {15.2}, 0},
    {"the byoyomi is whole again each move", {0, 5, 0}, {4, 4, 4, 4}, -1},
    {"a byoyomi overrun on a later move", {0, 5, 0}, {4, 4, 5.2}, 2},
    {"the increment added keeps the clock going", {10, 0, 5}, {8, 1, 6.5}, -1},
    {"without it the flag would have fallen", {10, 0, 5}, {8, 1, 7.2}, 2},
    {"main time alone", {20, 0, 0}, {10, 1, 10.2}, 2},
};

TEST_F(Clocks, AFlagFallsOnlyWhenItsTimeIsUp) {
    for (const FlagCase& t : kFlags) {
        SetUp();
        start(t.c);
        for (std::size_t i = 0; i < t.waits.size(); ++i) {
            pass(t.waits[i]);
            if (SYOUSYA != 0 || i + 1 == t.waits.size()) break;
            const Move& m = kGame[i];
            flow_human_move(m.fx, m.fy, m.tx, m.ty, BAN[m.fx][m.fy], false);
        }
        const GameResult& r = TAIKYOKU.kifu.result;
        if (t.flag_after < 0) {
            EXPECT_EQ(SYOUSYA, 0) << t.what;
            EXPECT_EQ(r.reason, GameResult::Reason::NONE) << t.what;
            continue;
        }
        EXPECT_EQ(r.reason, GameResult::Reason::TIME) << t.what;
        EXPECT_EQ(r.moves, t.flag_after) << t.what;
        // The side to move lost: the lower side (先手) after an even number of moves.
        const int winner = t.flag_after % 2 == 0 ? -1 : 1;
        EXPECT_EQ(SYOUSYA, winner) << t.what;
        EXPECT_EQ(r.winner, winner) << t.what;
        EXPECT_FALSE(fp.timer) << t.what;
        ASSERT_FALSE(fp.messages.empty()) << t.what;
        EXPECT_NE(fp.messages.back().find("時間切れ"), std::string::npos) << t.what;
    }
}

TEST_F(Clocks, SteppingAndTakingBackShowEachSidesTimeAsItStood) {
    start({60, 0, 10});
    // The clocks of both sides after move n, as they stood in play.
    std::vector<std::pair<double, double>> after{{left(1), left(-1)}};
    const double waits[] = {3, 7, 12, 5, 9};
    for (std::size_t i = 0; i < std::size(waits); ++i) {
        pass(waits[i]);
        const Move& m = kGame[i];
        flow_human_move(m.fx, m.fy, m.tx, m.ty, BAN[m.fx][m.fy], false);
        after.push_back({left(1), left(-1)});
    }
    EXPECT_NEAR(after.back().first, 60 - 3 - 12 - 9 + 30, 0.11);
    EXPECT_NEAR(after.back().second, 60 - 7 - 5 + 20, 0.11);
    for (int n : {2, 0, 4, 1, 5}) {
        flow_show_move(n);
        EXPECT_NEAR(left(1), after[n].first, 1e-9) << n;
        EXPECT_NEAR(left(-1), after[n].second, 1e-9) << n;
    }
    flow_show_move(5);
    fp.timer = true;
    flow_take_back(); // 後手's clock back as before its move
    EXPECT_NEAR(left(1), after[4].first, 1e-9);
    EXPECT_NEAR(left(-1), after[4].second, 1e-9);
}

TEST_F(Clocks, TheComputersFlagFallsWhileItThinksAndNoMoveIsMade) {
    TAIKYOKU_MODE = MODE_MAN_COM;
    TAIKYOKU.settei.COM_LEVEL = 4;
    // Its clock is all but spent, and its search's nodes count as time at a crawl.
    level4_thinking = {.by_time = true, .seconds = 1, .virtual_nodes_per_second = 50};
    start({30, 0, 0});
    UE_JIKAN = 29.99;
    const Move& m = kGame[0];
    flow_human_move(m.fx, m.fy, m.tx, m.ty, BAN[m.fx][m.fy], false);
    EXPECT_EQ(TAIKYOKU.kifu.result.reason, GameResult::Reason::TIME);
    EXPECT_EQ(SYOUSYA, SITA_GAWA);
    EXPECT_EQ(KIFU_TESUU, 1); // the computer's move was not made
}

TEST_F(Clocks, LevelFourOnItsClockNeverLosesOnTime) {
    TAIKYOKU_MODE = MODE_MAN_COM;
    TAIKYOKU.settei.COM_LEVEL = 4;
    level4_thinking = {.by_time = true, .seconds = 1, .virtual_nodes_per_second = 20000};
    // A second of byoyomi a move: the player plays the hint, thought on the player's own clock.
    start({0, 1, 0});
    for (int i = 0; i < 8 && SYOUSYA == 0; ++i) {
        const std::string steps = flow_hint();
        ASSERT_FALSE(steps.empty());
        std::istringstream in(steps);
        for (std::string word; in >> word;) {
            if (word == "button") {
                in >> word;
                KAITEN_R_Click();
            } else if (word == "click") {
                std::string b;
                int x = 0, y = 0;
                in >> b >> x >> y;
                Form_MouseDown(b == "R" ? 2 : 1, 0, 1050 + 570 * x + 285, 700 + 660 * y + 330);
            }
        }
        EXPECT_NE(TAIKYOKU.kifu.result.reason, GameResult::Reason::TIME) << i;
    }
    EXPECT_TRUE(KIFU_TESUU >= 16 || TAIKYOKU.kifu.result.reason != GameResult::Reason::NONE);
}

} // namespace
