// Whole games against the computer through the script driver, at every level: they end without error,
// and the computer plays the same game move for move when the same human plays again.
#include "script_harness.h"

#include "com/com.h"
#include "control/game.h"
#include "control/level4.h"
#include "core/rules.h"
#include "core/state.h"
#include "engine/search.h"
#include "platform/codec.h"
#include "platform/platform.h"
#include "qt/script_platform.h"
#include "support/names.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <iostream>
#include <set>
#include <sstream>

namespace {

// A plain human: takes the most valuable piece it can, otherwise makes the first legal move in scan
// order, board before drops. Returns the two click lines, or nothing when it has no move.
std::vector<std::string> human_move() {
    int best = -1, fx = 0, fy = 0, tx = 0, ty = 0;
    for (int x = 1; x <= 11; ++x) {
        for (int y = 1; y <= 11; ++y) {
            const int p = BAN[x][y];
            if (p > SITA_HU) continue;
            for (int x2 = 1; x2 <= 11; ++x2) {
                for (int y2 = 1; y2 <= 11; ++y2) {
                    if (移動チェック(x, y, x2, y2, p) != ON) continue;
                    const int value = BAN[x2][y2] >= UE_HU ? BAN[x2][y2] : 0;
                    if (value > best) {
                        best = value;
                        fx = x, fy = y, tx = x2, ty = y2;
                    }
                }
            }
        }
    }
    if (best < 0) {
        調査_2歩フラグ設定();
        for (int k = 1; k <= 7 && best < 0; ++k) {
            if (SITA_MOCHI[k] <= 0) continue;
            for (int x2 = 2; x2 <= 10 && best < 0; ++x2)
                for (int y2 = 2; y2 <= 10 && best < 0; ++y2)
                    if (const Cell c = hand_cell({false, k});
                        移動チェック(c.x, c.y, x2, y2, SITA_KOMA_BY_KIND[k]) == ON) {
                        best = 0;
                        fx = c.x, fy = c.y, tx = x2, ty = y2;
                    }
        }
    }
    if (best < 0) return {};
    auto click = [](int x, int y) { return "click R " + std::to_string(x) + " " + std::to_string(y); };
    return {click(fx, fy), click(tx, ty)};
}

// Plays a whole game and returns everything the player saw and heard.
std::string play(const char* level, const char* side, int max_moves) {
    TempDir dir;
    copy_assets(dir);
    std::ostringstream out;
    {
        ScriptPlatform runner(out);
        set_platform(&runner);
        // LEVEL4 searches less here than in play: the games only have to be whole and repeatable.
        level4_nodes = 20000;
        Form_Load();
        runner.command(std::string("menu ") + level);
        runner.command(std::string("menu ") + side);
        for (int i = 0; i < max_moves && SYOUSYA == 0; ++i) {
            const auto clicks = human_move();
            if (clicks.empty()) break;
            for (const auto& c : clicks) runner.command(c);
            runner.command("dump");
        }
        out << "end SYOUSYA=" << SYOUSYA << " TESUU=" << TESUU << "\n";
        終了処理(true);
        set_platform(nullptr);
        level4_nodes = engine::DEFAULT_NODES;
    }
    return out.str();
}

class ComputerGame : public ::testing::TestWithParam<const char*> {};

TEST_P(ComputerGame, EndsAndRepeatsMoveForMove) {
    for (const char* side : {"SENTE", "GOTE"}) {
        const std::string first = play(GetParam(), side, 150);
        const std::string second = play(GetParam(), side, 150);
        EXPECT_EQ(first, second) << side;
        EXPECT_EQ(first.find("error"), std::string::npos) << first;
        // The plain human loses: the computer takes its king or mates it.
        EXPECT_NE(first.find("end SYOUSYA=" + std::to_string(side[0] == 'S' ? -1 : 1)), std::string::npos)
            << side << "\n"
            << first.substr(first.size() > 2000 ? first.size() - 2000 : 0);
        EXPECT_NE(first.find("msg 終了 | ｺﾝﾋﾟｭｰﾀの勝ちです"), std::string::npos) << side;
        size_t human_moves = 0;
        for (size_t at = first.find("\ndump "); at != std::string::npos; at = first.find("\ndump ", at + 1))
            ++human_moves;
        EXPECT_GE(human_moves, 5u) << side;
        if (getenv("TESSORA_SHOW_GAMES")) std::cout << first.substr(first.rfind("end SYOUSYA")) << std::endl;
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, ComputerGame, ::testing::Values("LEVEL1", "LEVEL2", "LEVEL3", "LEVEL4"));

// The lines of a game other than the position dumps and the result (which counts the game's own moves):
// what the player saw in message boxes and heard.
std::set<std::string> presentation(const std::string& game) {
    std::set<std::string> lines;
    std::istringstream in(game);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("dump ", 0) != 0 && line.rfind("end ", 0) != 0 && line.rfind("result ", 0) != 0)
            lines.insert(line);
    return lines;
}

// LEVEL4 only chooses differently: its turns show and sound as level 3's do (the verdicts of a turn
// that level 3 happened not to reach in its game are listed).
TEST(ComputerGameLevel4, PresentsItsTurnsAsLevel3Does) {
    for (const char* side : {"SENTE", "GOTE"}) {
        std::set<std::string> allowed = presentation(play("LEVEL3", side, 150));
        allowed.insert({"msg 詰め ? | よし！!", "msg  |    ** 王手 **", "msg 終了 | ｺﾝﾋﾟｭｰﾀの勝ちです",
                        "msg  | まだコンベアにネタ（駒）が乗っていません", "sound play KOMA"});
        const std::set<std::string> level4 = presentation(play("LEVEL4", side, 150));
        for (const std::string& line : level4) EXPECT_TRUE(allowed.count(line)) << side << ": " << line;
        EXPECT_TRUE(level4.count("sound play KOMA")) << side;
    }
}

} // namespace

namespace {

// The steps of "hint MOVE | STEPS" as script lines.
std::string hint_script(const ScriptResult& r) {
    const std::vector<std::string> hints = r.starting("hint ");
    if (hints.empty() || hints.back().find(" | ") == std::string::npos) return {};
    std::string steps = hints.back().substr(hints.back().find(" | ") + 3), script;
    for (std::size_t at = 0; at != std::string::npos;) {
        const std::size_t next = steps.find(" ; ", at);
        script += steps.substr(at, next == std::string::npos ? next : next - at) + "\n";
        at = next == std::string::npos ? next : next + 3;
    }
    return script;
}

} // namespace

// The hint names steps a player can make: played, they are accepted as a move, and the computer
// replies. In a game between two players it serves the upper side as well.
TEST(Hint, TheHintedStepsPlayAsAMoveForEitherSide) {
    level4_nodes = 20000;
    for (const char* start : {"menu LEVEL1\nmenu SENTE\n", "menu START\nclick L 3 8\nclick L 3 7\n"}) {
        SCOPED_TRACE(start);
        TempDir dir;
        const ScriptResult first = run_script(std::string(start) + "menu HINT\n", dir);
        const std::string steps = hint_script(first);
        ASSERT_FALSE(steps.empty());
        TempDir again;
        const ScriptResult played = run_script(std::string(start) + steps + "dump\n", again);
        EXPECT_TRUE(played.ok);
        EXPECT_TRUE(played.starting("sound play KINSHI").empty()) << steps;
        const std::vector<std::string> dumps = played.starting("dump");
        ASSERT_EQ(dumps.size(), 1u);
        EXPECT_NE(dumps[0].find("TESUU=2"), std::string::npos) << dumps[0];
    }
    level4_nodes = engine::DEFAULT_NODES;
}

// A kept game against LEVEL4 at a handicap is offered at the next start and comes back at both, also
// when it is read.
TEST(KeptGame, ComesBackAtItsLevelAndHandicap) {
    level4_nodes = 20000;
    TempDir dir;
    run_script("menu LEVEL4\nmenu LBEL_UP\nmenu SENTE\nclick L 5 8\nclick L 5 7\nmenu OWARI\n", dir);
    EXPECT_NE(dir.read("前回の対局.棋譜").find("COM LEVEL4\r\n"), std::string::npos);
    // Offered at start-up and taken up, it stands as it was left, at its level and handicap.
    const ScriptResult offered = run_script("state\ndump\n", dir);
    EXPECT_EQ(offered.starting("ask"),
              std::vector<std::string>{"ask 前回の対局 | 前回の対局を続けますか？ -> Yes"});
    EXPECT_EQ(offered.starting("state"), std::vector<std::string>{"state LEVEL=4 HANDICAP=1"});
    ASSERT_EQ(offered.starting("dump").size(), 1u);
    EXPECT_NE(offered.starting("dump")[0].find("TESUU=2"), std::string::npos);
    // Declined, the same comes back when the file is read.
    const ScriptResult r = run_script("answer No\nstate\nmenu KIFU_READ\npick 前回の対局.棋譜\nstate\n", dir);
    EXPECT_EQ(r.starting("state"),
              (std::vector<std::string>{"state LEVEL=3 HANDICAP=0", "state LEVEL=4 HANDICAP=1"}));
    level4_nodes = engine::DEFAULT_NODES;
}

// A kept game played on after 反転 comes back reversed: its record starts from the reversed position,
// the sides and the turn are those of the game left, and what a reversal refuses is still refused.
TEST(KeptGame, ComesBackReversed) {
    TempDir dir;
    const ScriptResult left =
        run_script("menu LEVEL1\nmenu SENTE\nclick L 8 8\nclick L 8 7\nmenu REVERSE\ndump\n"
                   "click L 4 4\ndump\nmenu OWARI\n",
                   dir);
    EXPECT_EQ(dir.read("前回の対局.棋譜").rfind(to_sjis("前回の対局 反転 後手番\r\nCOM LEVEL1\r\n"), 0), 0u);
    const ScriptResult back = run_script(
        "dump\nmenu KIFU_WRITE\nmenu MATTA\nmenu HOME\ndump\nmenu END\nclick L 2 8\nclick L 2 7\ndump\n",
        dir);
    EXPECT_TRUE(back.has("ask 前回の対局 | 前回の対局を続けますか？ -> Yes"));
    for (const char* refused : {"msg 棋譜書込 | 反転後は書き込みできません", "msg 待った | できません"})
        EXPECT_TRUE(back.has(refused)) << refused;
    // The position and the side to move; the move number counts the record's moves.
    auto shown = [](const std::string& dump) { return dump.substr(0, dump.find(" TESUU=")); };
    const auto was = left.starting("dump"), is = back.starting("dump");
    ASSERT_EQ(was.size(), 2u);
    ASSERT_EQ(is.size(), 3u);
    EXPECT_EQ(shown(is[0]), shown(was[1])); // as it was left, the human to move
    EXPECT_EQ(shown(is[1]), shown(was[0])); // the start: the position the reversal left
    EXPECT_NE(is[2].find("TEBAN=1 TESUU=3"), std::string::npos) << is[2]; // the human moved, the computer too
}
