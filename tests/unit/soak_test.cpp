// The soak's own parts: the invariant checker must accept every position the program may show and name
// the first thing wrong in one it must not; the shrinker must end at a minimal failing script.
#include "control/levels.h"
#include "control/game.h"
#include "support/fake_platform.h"
#include "tools/soak/invariants.h"
#include "tools/soak/isolate.h"
#include "tools/soak/shrink.h"
#include "support/names.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

namespace {

class SoakInvariantsTest : public ::testing::Test {
  protected:
    FakePlatform fp;
    void SetUp() override {
        set_platform(&fp);
        初期設定();
        TEBAN = 1; // a game in progress
    }
    void TearDown() override { set_platform(nullptr); }
};

TEST_F(SoakInvariantsTest, AcceptsEveryStepOfTheHandicapScaleBothWays) {
    for (int i = 0; i < 10; ++i) {
        LBEL_UP_Click();
        ASSERT_EQ(check_invariants().what, "") << "level " << HANDE_LEVEL;
    }
    for (int i = 0; i < 20; ++i) {
        LEBEL_DOWN_Click();
        ASSERT_EQ(check_invariants().what, "") << "level " << HANDE_LEVEL;
    }
}

TEST_F(SoakInvariantsTest, NamesWhatIsWrong) {
    struct Case {
        const char* name;
        void (*change)();
        const char* key; // "" when the position is fine
    };
    const Case cases[] = {
        {"a capture into the hand", [] { BAN[5][4] = KARA, ++SITA_MOCHI[1]; }, ""},
        {"a promoted rook on the ring", [] { std::swap(BAN[9][9], BAN[9][11]), BAN[9][11] = SITA_SYA_NARI; },
         ""},
        {"a taken king, game over", [] { BAN[6][2] = KARA, SYOUSYA = -1; }, ""},
        {"a taken king, game running", [] { BAN[6][2] = KARA; }, "one king per side"},
        {"two lower kings", [] { BAN[6][2] = SITA_OU; }, "one king per side"},
        {"a king on the ring", [] { std::swap(BAN[6][10], BAN[6][11]); }, "king on the ring"},
        {"a code that is no piece", [] { BAN[6][6] = 5; }, "invalid code"},
        {"the gold code no rule makes", [] { BAN[5][10] = SITA_KIN_NARI; }, "invalid code"},
        {"a piece outside the ring", [] { BAN[0][5] = UE_HU; }, "invalid code"},
        {"a level the board does not show", [] { HANDE_LEVEL = 1; }, "piece count KAKU"},
        {"a lost pawn", [] { BAN[5][8] = KARA; }, "piece count HU"},
        {"a pawn too many in hand", [] { ++UE_MOCHI[1]; }, "piece count HU"},
    };
    for (const Case& c : cases) {
        std::memset(BAN, 0, sizeof BAN); // the new position leaves row and column 0 alone
        初期設定();
        TEBAN = 1;
        c.change();
        EXPECT_EQ(check_invariants().key, c.key) << c.name;
    }
}

TEST(SoakShrinkTest, EndsAtTheLinesThatMatterInTheirOrder) {
    Lines script;
    for (int i = 0; i < 200; ++i) script.push_back("wait " + std::to_string(i));
    script[37] = "menu GOTE";
    script[150] = "menu REVERSE";
    // Fails when GOTE comes somewhere before REVERSE.
    const auto fails = [](const Lines& s) {
        const auto g = std::find(s.begin(), s.end(), "menu GOTE");
        return g != s.end() && std::find(g, s.end(), "menu REVERSE") != s.end();
    };
    EXPECT_EQ(shrink(script, fails, std::chrono::seconds(30)), (Lines{"menu GOTE", "menu REVERSE"}));
}

TEST(SoakIsolatedTest, BringsBackTheChildsOutcomeOrItsCrash) {
    const Outcome fine = isolated(
        [] {
            Outcome o;
            o.violation = {"invalid code", "BAN(6, 6) holds 5"};
            o.failed_line = 41;
            o.output = "msg a\nmsg b\n";
            return o;
        },
        true);
    EXPECT_EQ(fine.violation.key, "invalid code");
    EXPECT_EQ(fine.violation.what, "BAN(6, 6) holds 5");
    EXPECT_EQ(fine.failed_line, 41);
    EXPECT_EQ(fine.output, "msg a\nmsg b\n");

    const Outcome crashed = isolated([]() -> Outcome { std::abort(); }, true);
    EXPECT_EQ(crashed.violation.key, "crash");
}

} // namespace
