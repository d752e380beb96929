// Computer levels and the handicap scale.
#include "com/com.h"
#include "control/commands.h"
#include "control/game.h"
#include "control/level4.h"
#include "control/levels.h"
#include "control/options.h"
#include "control/record_commands.h"
#include "kifu/record.h"
#include "support/fake_platform.h"
#include "tools/temp_dir.h"
#include "support/names.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

class LevelsTest : public ::testing::Test {
  protected:
    TempDir folder; // a game left for another is kept there
    FakePlatform fp;
    Koma start[12][12];

    void SetUp() override {
        set_platform(&fp);
        初期設定();
        std::memcpy(start, BAN, sizeof BAN);
        fp.forget();
    }

    bool board_is_start() const { return std::memcmp(start, BAN, sizeof BAN) == 0; }

    int pieces() const {
        int n = 0;
        for (int x = 1; x <= 11; ++x)
            for (int y = 1; y <= 11; ++y) n += BAN[x][y] != KARA;
        return n;
    }

    // Pieces of a side other than king and pawns.
    int officers(bool upper) const {
        int n = 0;
        for (int x = 1; x <= 11; ++x) {
            for (int y = 1; y <= 11; ++y) {
                const int c = upper ? BAN[x][y] : -BAN[x][y];
                n += c >= UE_HU && c != UE_HU && c != UE_OU;
            }
        }
        return n;
    }

    bool printed(const std::string& text) const {
        for (const auto& t : fp.texts)
            if (t.text == text) return true;
        return false;
    }
};

TEST_F(LevelsTest, EachStepChangesExactlyOneSquareBothWays) {
    struct Step {
        void (*press)();
        int level;
        int x, y;
        Koma now;
    };
    const std::vector<Step> steps = {
        {LEBEL_DOWN_Click, -1, 3, 9, KARA},  {LBEL_UP_Click, 0, 3, 9, SITA_KAKU},
        {LBEL_UP_Click, 1, 9, 3, KARA},      {LBEL_UP_Click, 2, 3, 3, KARA},
        {LEBEL_DOWN_Click, 1, 3, 3, UE_SYA}, {LEBEL_DOWN_Click, 0, 9, 3, UE_KAKU},
        {LEBEL_DOWN_Click, -1, 3, 9, KARA},  {LEBEL_DOWN_Click, -2, 9, 9, KARA},
        {LEBEL_DOWN_Click, -3, 2, 10, KARA}, {LBEL_UP_Click, -2, 2, 10, SITA_KYOU},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.level);
        const int before = pieces();
        s.press();
        EXPECT_EQ(HANDE_LEVEL, s.level);
        EXPECT_EQ(BAN[s.x][s.y], s.now);
        EXPECT_EQ(pieces(), before + (s.now == KARA ? -1 : 1));
        EXPECT_EQ(HANDE_SETTEI, ON);
    }
}

TEST_F(LevelsTest, WholeScaleLeavesKingAndPawnsAndComesBack) {
    for (int i = 0; i < 10; ++i) LBEL_UP_Click();
    EXPECT_EQ(HANDE_LEVEL, 10);
    EXPECT_EQ(officers(true), 0);
    EXPECT_EQ(officers(false), 10);
    EXPECT_TRUE(printed("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"));

    for (int i = 0; i < 10; ++i) LEBEL_DOWN_Click();
    EXPECT_EQ(HANDE_LEVEL, 0);
    EXPECT_TRUE(board_is_start());

    for (int i = 0; i < 10; ++i) LEBEL_DOWN_Click();
    EXPECT_EQ(HANDE_LEVEL, -10);
    EXPECT_EQ(officers(false), 0);
    EXPECT_EQ(officers(true), 10);
    EXPECT_TRUE(printed("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"));

    for (int i = 0; i < 10; ++i) LBEL_UP_Click();
    EXPECT_TRUE(board_is_start());
}

TEST_F(LevelsTest, EndOfTheScaleChangesNothingButMarksTheHandicapSet) {
    for (int i = 0; i < 10; ++i) LBEL_UP_Click();
    std::memcpy(start, BAN, sizeof BAN);
    HANDE_SETTEI = OFF;
    fp.forget();
    LBEL_UP_Click();
    EXPECT_EQ(HANDE_LEVEL, 10);
    EXPECT_TRUE(board_is_start());
    EXPECT_EQ(HANDE_SETTEI, ON);
    EXPECT_TRUE(fp.texts.empty()) << "the level text is not redrawn";

    初期設定();
    for (int i = 0; i < 10; ++i) LEBEL_DOWN_Click();
    std::memcpy(start, BAN, sizeof BAN);
    HANDE_SETTEI = OFF;
    LEBEL_DOWN_Click();
    EXPECT_EQ(HANDE_LEVEL, -10);
    EXPECT_TRUE(board_is_start());
    EXPECT_EQ(HANDE_SETTEI, ON);
}

TEST_F(LevelsTest, RefusalsInKifuModeDuringAGameAndAfterReversal) {
    struct Guard {
        const char* what;
        int kifu_mode, kifu_no, hanten;
        const char* line;
    };
    const std::vector<Guard> guards = {
        {"kifu mode", ON, 0, OFF, "棋譜ﾓｰﾄﾞではできません"},
        {"kifu mode comes first", ON, 3, ON, "棋譜ﾓｰﾄﾞではできません"},
        {"a move was played", OFF, 1, OFF, "対局途中ではできません"},
        {"a move was played, reversed", OFF, 1, ON, "対局途中ではできません"},
        {"reversed", OFF, 0, ON, "反転後ではできません"},
    };
    for (const Guard& g : guards) {
        for (auto press : {LBEL_UP_Click, LEBEL_DOWN_Click}) {
            SCOPED_TRACE(g.what);
            SetUp();
            KIFU_MODE = g.kifu_mode;
            KIFU_NO = g.kifu_no;
            HANTEN = g.hanten;
            KIFU_TESUU = 4;
            fp.lists[0] = fp.lists[1] = fp.lists[2] = true;
            fp.io_visible = true;
            press();
            EXPECT_EQ(fp.messages, std::vector<std::string>{std::string("ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定 | ") + g.line +
                                                            "\n\n局面→最初にして下さい"});
            EXPECT_EQ(HANDE_LEVEL, 0);
            EXPECT_EQ(HANDE_SETTEI, OFF);
            EXPECT_EQ(KIFU_TESUU, 4);
            EXPECT_TRUE(board_is_start());
            // The record-file panel is closed even when the step is refused.
            EXPECT_FALSE(fp.lists[0] || fp.lists[1] || fp.lists[2]);
            EXPECT_FALSE(fp.io_visible);
        }
    }
}

// Pieces of each kind on the board, the ring and in both hands, promoted ones with their kind:
// pawn, lance, knight, silver, gold, bishop, rook, king.
std::vector<int> kind_counts() {
    static const int base[] = {10, 20, 30, 100, 110, 800, 900, 950};
    std::vector<int> n(8, 0);
    auto add = [&](int code) {
        const int m = std::abs(code);
        for (int i = 0; i < 8; ++i)
            if (m == base[i] || (m == base[i] + 1 && base[i] != 950)) ++n[i];
    };
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) add(BAN[x][y]);
    for (int k = 1; k <= 7; ++k) n[k - 1] += SITA_MOCHI[k] + UE_MOCHI[k];
    return n;
}

// What a level takes off, whichever side loses them: the first |level| of bishop, rook, two lances,
// two knights, two silvers, two golds.
std::vector<int> counts_for_level(int level) {
    std::vector<int> n = {18, 4, 4, 4, 4, 2, 2, 2};
    static const int order[] = {5, 6, 1, 1, 2, 2, 3, 3, 4, 4};
    for (int i = 0; i < std::abs(level); ++i) --n[order[i]];
    return n;
}

TEST_F(LevelsTest, TheBoardAlwaysLacksExactlyWhatTheShownLevelTakesOff) {
    const struct {
        const char* what;
        void (*step)();
        int shown; // the level on screen afterwards; 0 when none is shown
    } steps[] = {
        {"▽", LEBEL_DOWN_Click, -1}, {"後手", GOTE_Click, -1},     {"先手", SENTE_Click, -1},
        {"最初", CANCEL_Click, 0},   {"スタート", START_Click, 0}, {"進", AFTER_Click, -1},
        {"戻", REPLAY_Click, -1},    {"△", LBEL_UP_Click, 0},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        fp.forget();
        s.step();
        const int shown = HANDE_SETTEI == ON ? HANDE_LEVEL : 0;
        EXPECT_EQ(shown, s.shown);
        EXPECT_EQ(kind_counts(), counts_for_level(shown));
        if (s.step == AFTER_Click) {
            EXPECT_TRUE(printed("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級"));
        }
    }
    EXPECT_TRUE(board_is_start()); // △ put the human's bishop back

    // A position of the record that is not the start of the level shown is refused as a game in
    // progress, and nothing changes.
    BAN[5][7] = BAN[5][8];
    BAN[5][8] = KARA;
    for (auto press : {LBEL_UP_Click, LEBEL_DOWN_Click}) {
        fp.forget();
        press();
        EXPECT_EQ(fp.messages, std::vector<std::string>{
                                   "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定 | 対局途中ではできません\n\n局面→最初にして下さい"});
        EXPECT_EQ(HANDE_LEVEL, 0);
        EXPECT_EQ(kind_counts(), counts_for_level(0));
    }
}

TEST_F(LevelsTest, AcceptedStepForgetsTheRecordLength) {
    KIFU_TESUU = 12;
    LBEL_UP_Click();
    EXPECT_EQ(KIFU_TESUU, 0);
    EXPECT_TRUE(printed("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"));
    EXPECT_TRUE(fp.messages.empty());
}

TEST_F(LevelsTest, LevelMenuMovesTheCheckMarkAndSetsTheLevel) {
    TAIKYOKU_MODE = MODE_MAN_COM;
    const struct {
        void (*click)();
        int level;
        MenuItem item;
    } rows[] = {
        {LEVEL1_Click, 1, MenuItem::LEVEL1},
        {LEVEL2_Click, 2, MenuItem::LEVEL2},
        {LEVEL3_Click, 3, MenuItem::LEVEL3},
        {LEVEL4_Click, 4, MenuItem::LEVEL4},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.level);
        fp.forget();
        r.click();
        EXPECT_EQ(COM_LEVEL, r.level);
        for (MenuItem m : {MenuItem::LEVEL1, MenuItem::LEVEL2, MenuItem::LEVEL3, MenuItem::LEVEL4})
            EXPECT_EQ(fp.checks[m], m == r.item);
        EXPECT_TRUE(printed("LEVEL"));
        EXPECT_TRUE(printed(std::to_string(r.level)));
    }
}

// A step of LEVEL4の強さ chooses LEVEL4 at that step, checks it alone, and is played at the next start.
TEST_F(LevelsTest, StrengthMenuChoosesLevel4AtTheStepAndKeepsIt) {
    TAIKYOKU_MODE = MODE_MAN_COM;
    const MenuItem items[] = {MenuItem::STRENGTH1, MenuItem::STRENGTH2, MenuItem::STRENGTH3,
                              MenuItem::STRENGTH4, MenuItem::STRENGTH5};
    const Handler clicks[] = {STRENGTH1_Click, STRENGTH2_Click, STRENGTH3_Click, STRENGTH4_Click,
                              STRENGTH5_Click};
    for (int step = 1; step <= 5; ++step) {
        SCOPED_TRACE(step);
        LEVEL1_Click();
        clicks[step - 1]();
        level4_thinking = {};
        COM_LEVEL = 1;
        read_preference_options(); // the next start
        EXPECT_EQ(COM_LEVEL, 4);
        EXPECT_EQ(level4_limits().strength, step);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(fp.checks[items[i]], i + 1 == step);
    }
    level4_thinking = {};
}

TEST_F(LevelsTest, LevelOutsideOneToFourClearsTheMarksAndKeepsTheLevel) {
    レベル_設定(2);
    TAIKYOKU_MODE = MODE_MAN_MAN;
    fp.forget();
    レベル_設定(5);
    EXPECT_EQ(COM_LEVEL, 2);
    EXPECT_FALSE(fp.checks[MenuItem::LEVEL1] || fp.checks[MenuItem::LEVEL2] || fp.checks[MenuItem::LEVEL3] ||
                 fp.checks[MenuItem::LEVEL4]);
    EXPECT_TRUE(fp.texts.empty()) << "the level is shown only in a game against the computer";
}

} // namespace
