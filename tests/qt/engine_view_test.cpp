// What LEVEL4 thinks, as the driver prints it: 解析 follows the position shown, and 評価値を表示 gives
// the line of the move LEVEL4 then plays.
#include "script_harness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// ▲７六歩 △３四歩 ▲２六歩 in a two-player game.
const std::string kThreeMoves = R"(nodes 20000
menu START
click L 4 8
click L 4 7
click L 8 4
click L 8 5
click L 9 8
click L 9 7
)";

// The analysis lines printed after the last `state` line of the script.
std::vector<std::string> analysis_after_mark(const std::string& script) {
    TempDir dir;
    const ScriptResult r = run_script(script, dir);
    EXPECT_TRUE(r.ok);
    std::vector<std::string> found;
    for (const std::string& line : r.lines) {
        if (line.rfind("state ", 0) == 0) found.clear();
        if (line.rfind("analysis ", 0) == 0) found.push_back(line);
    }
    return found;
}

struct FollowCase {
    const char* what;
    const char* step;
};

void PrintTo(const FollowCase& c, std::ostream* os) {
    *os << c.what;
}

class AnalysisFollows : public ::testing::TestWithParam<FollowCase> {};

// Started before the step, the analysis shows after it what it shows when started at the position the
// step shows.
TEST_P(AnalysisFollows, TheStepAsIfStartedThere) {
    const std::string step = GetParam().step;
    const std::vector<std::string> followed =
        analysis_after_mark(kThreeMoves + "menu ANALYSE\nstate\n" + step);
    const std::vector<std::string> started =
        analysis_after_mark(kThreeMoves + step + "state\nmenu ANALYSE\n");
    EXPECT_FALSE(started.empty());
    EXPECT_EQ(followed, started);
}

INSTANTIATE_TEST_SUITE_P(Steps, AnalysisFollows,
                         ::testing::Values(FollowCase{"a step back", "key Left\n"},
                                           FollowCase{"a row of the list", "list 1\n"},
                                           FollowCase{"the first position", "key Home\n"},
                                           FollowCase{"a move made", "click L 7 4\nclick L 7 5\n"},
                                           FollowCase{"a move taken back", "menu MATTA\n"}));

// Each LEVEL4 move's line starts with that move as the list writes it, and a hint's with the hint.
TEST(EngineView, TheLineStartsWithTheMovePlayed) {
    TempDir dir;
    const ScriptResult r =
        run_script("nodes 20000\nmenu EVALSHOW\nmenu LEVEL4\nmenu GOTE\n"
                   "click L 4 8\nclick L 4 7\nclick L 9 8\nclick L 9 7\nmenu HINT\nmoves\n",
                   dir);
    ASSERT_TRUE(r.ok);
    const std::vector<std::string> engine = r.starting("engine ");
    const std::vector<std::string> hints = r.starting("hint ");
    const std::vector<std::string> moves = r.starting("move ");
    ASSERT_EQ(engine.size(), 4u); // three replies and the hint
    ASSERT_EQ(hints.size(), 1u);
    ASSERT_EQ(moves.size(), 5u);
    const auto first_move = [](const std::string& line) {
        // "engine SCORE MOVE ...": a move runs to the next side's mark.
        const std::size_t from = line.find(' ', line.find(' ') + 1) + 1;
        const std::size_t next = std::min(line.find(" ▲", from), line.find(" △", from));
        return line.substr(from, next == std::string::npos ? std::string::npos : next - from);
    };
    for (int i = 0; i < 3; ++i) {
        const std::string& listed = moves[2 * i];
        EXPECT_EQ(first_move(engine[i]), listed.substr(listed.find(' ', 5) + 1)) << engine[i];
    }
    EXPECT_EQ(first_move(engine[3]), hints[0].substr(5, hints[0].find(" | ") - 5));
}

} // namespace
