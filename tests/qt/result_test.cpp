// 投了 and the time control through the script driver: the result told and shown, kept with the game
// and read back in a later run, and the time control with it.
#include "script_harness.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Two moves of each side's pawns.
const char* const kTwoMoves = "click L 3 8\nclick L 3 7\nclick L 9 4\nclick L 9 5\n";

struct ResultCase {
    const char* what;
    std::string first_run;  // played, then the program ends
    std::string result;     // the result told when the game ended
    std::string second_run; // a later run in the same folder
    std::string read_back;  // a line it must print ("" for none)
};

TEST(Result, ResignedAndFlaggedGamesAreKeptWithTheirResultAndReadBack) {
    const ResultCase cases[] = {
        {"two players: the side to move resigns", std::string("menu START\n") + kTwoMoves + "menu RESIGN\n",
         "result まで2手で後手の勝ち", "pick 前回の対局.棋譜\nmenu END\nclick L 5 8\n",
         "msg 終局 | 新規に対局してください"},
        {"against the computer the player resigns", "menu SENTE\nclick L 3 8\nclick L 3 7\nmenu RESIGN\n",
         "result まで2手で後手の勝ち", "pick 前回の対局.棋譜\n", "result まで2手で後手の勝ち"},
        {"a flag falls", std::string("timecontrol 10 0 0\nmenu START\n") + kTwoMoves + "wait 10.2\n",
         "result まで2手で時間切れにより後手の勝ち", "pick 前回の対局.棋譜\n",
         "result まで2手で時間切れにより後手の勝ち"},
        // Not ended: taken up again at start-up, its clocks run down where they stood.
        {"the time control comes back with the game",
         std::string("timecontrol 10 0 0\nmenu START\n") + kTwoMoves, "",
         "answer Yes\nclick L 2 8\nwait 10.2\n", "result まで2手で時間切れにより後手の勝ち"},
    };
    for (const ResultCase& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const ScriptResult first = run_script(c.first_run, dir);
        EXPECT_TRUE(first.ok);
        if (c.result.empty()) {
            EXPECT_TRUE(first.starting("result").empty());
        } else {
            EXPECT_EQ(first.starting("result"), std::vector<std::string>{c.result});
        }
        // A game that ended is not offered at the next start.
        const ScriptResult second = run_script(c.second_run, dir);
        EXPECT_TRUE(second.ok);
        EXPECT_EQ(second.has("ask 前回の対局 | 前回の対局を続けますか？ -> Yes"), c.result.empty());
        EXPECT_TRUE(second.has(c.read_back));
    }
}

TEST(Result, ResignIsRefusedWithoutAGameAndAskedFirst) {
    TempDir dir;
    ScriptResult r = run_script("menu RESIGN\n", dir);
    EXPECT_TRUE(r.has("msg 投了 | できません"));
    r = run_script(
        std::string("menu START\n") + kTwoMoves + "answer No\nmenu RESIGN\nclick L 3 7\nclick L 3 6\n", dir);
    EXPECT_TRUE(r.has("ask 投了 | 投了しますか？ -> No"));
    EXPECT_TRUE(r.starting("result").empty());
    EXPECT_FALSE(r.has("msg 終局 | 新規に対局してください")); // the game went on
}

} // namespace
