// 検討 in the program while the player goes on: the review started as the window starts it (the menu
// item returns at once), the driver's lines run between.
#include "script_harness.h"

#include "control/game.h"
#include "control/review_commands.h"
#include "core/handicap.h"
#include "core/moves.h"
#include "core/position.h"
#include "kifu/kifu_file.h"
#include "kifu/record.h"
#include "platform/folders.h"
#include "platform/platform.h"
#include "qt/script_platform.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// The program started in a folder, a line at a time.
class Session {
  public:
    explicit Session(TempDir& dir) {
        copy_assets(dir);
        set_platform(&runner_);
        Form_Load();
    }
    ~Session() {
        終了処理(false);
        set_platform(nullptr);
    }
    void run(const std::string& lines) {
        std::istringstream in(lines);
        for (std::string line; std::getline(in, line);) EXPECT_TRUE(runner_.command(line)) << line;
    }
    // The output lines starting with `prefix` since the last call.
    std::vector<std::string> take(const std::string& prefix) {
        std::vector<std::string> found;
        std::istringstream lines(out_.str());
        for (std::string line; std::getline(lines, line);)
            if (line.rfind(prefix, 0) == 0) found.push_back(line);
        out_.str("");
        return found;
    }

  private:
    std::ostringstream out_;
    ScriptPlatform runner_{out_};
};

// ▲７六歩 △３四歩 ▲２六歩 in a two-player game.
const char* const kThreeMoves = R"(nodes 20000
menu START
click L 4 8
click L 4 7
click L 8 4
click L 8 5
click L 9 8
click L 9 7
)";

void write_record(Session& s, const std::string& name) {
    s.run("menu KIFU_WRITE\ntype Text1 " + name + "\nbutton Command1\n");
}

void read_record(Session& s, const std::string& name) {
    s.run("menu KIFU_READ\npick " + name + ".棋譜\n");
}

// Another record read while a review runs: the review stops and what it found goes beside its own
// record's file; the side file of the record read is read and shown, and never written over.
TEST(ReviewInProgram, AnotherRecordReadKeepsEachReviewWithItsOwnRecord) {
    TempDir dir;
    Session s(dir);
    s.run(kThreeMoves);
    write_record(s, "first");
    // The second record plays on from the first's three moves: △８四歩 ▲２五歩.
    s.run("click L 3 4\nclick L 3 5\nclick L 9 7\nclick L 9 6\n");
    write_record(s, "second");
    s.run("menu KENTOU\n");
    const std::string second_review = dir.read("second.検討");
    ASSERT_NE(second_review, "<missing>");
    s.take("");
    s.run("evals\n");
    const std::vector<std::string> second = s.take("eval ");
    ASSERT_EQ(second.size(), 5u);

    read_record(s, "first");
    KENTOU_Click();
    read_record(s, "second");
    s.run("evals\n");
    EXPECT_EQ(s.take("eval "), second);
    finish_review();
    EXPECT_EQ(dir.read("second.検討"), second_review);

    // What the stopped review found is the first record's: its moves as the second's review found them.
    read_record(s, "first");
    s.take("");
    s.run("evals\n");
    for (const std::string& line : s.take("eval ")) {
        SCOPED_TRACE(line);
        EXPECT_NE(std::find(second.begin(), second.begin() + 3, line), second.begin() + 3);
    }
}

// 検討 run again shows the last review's results until it replaces them; stopped at once, every move
// keeps a result, the earlier one where the new run did not get to it.
TEST(ReviewInProgram, RunAgainKeepsTheEarlierResultsUntilReplaced) {
    TempDir dir;
    Session s(dir);
    s.run(kThreeMoves);
    s.run("menu KENTOU\n");
    s.take("");
    s.run("evals\n");
    const std::vector<std::string> first = s.take("eval ");
    ASSERT_EQ(first.size(), 3u);

    KENTOU_Click();
    s.run("evals\n");
    EXPECT_EQ(s.take("eval "), first);
    EXPECT_TRUE(cancel_review());
    s.run("evals\n");
    EXPECT_EQ(s.take("eval "), first);
}

// The graph of a game that is no file's is offered in the player's folder (where Tessora.ini is), not
// in the data folder, also after a record was read and left for a new game.
TEST(ReviewInProgram, GraphOfAGameNotReadIsOfferedInThePlayersFolder) {
    TempDir dir;
    const std::filesystem::path work = dir.path() / "work";
    std::filesystem::create_directory(work);
    set_folders({.work = work.string(), .data = dir.path().string(), .pictures = dir.path().string()});
    struct Forget {
        ~Forget() { forget_folders(); }
    } forget;
    const std::string offered =
        "msg 評価グラフ | 評価グラフを保存しました\\n" + (work / "評価グラフ.png").string();
    {
        Session s(dir);
        s.run(kThreeMoves);
        s.run("menu KENTOU\nmenu GRAPH_SAVE\n");
        EXPECT_EQ(s.take("msg 評価グラフ"), std::vector<std::string>{offered});

        write_record(s, "first");
        read_record(s, "first");
        s.run("menu KENTOU\nmenu GRAPH_SAVE\n");
        EXPECT_EQ(s.take("msg 評価グラフ"),
                  std::vector<std::string>{"msg 評価グラフ | 評価グラフを保存しました\\n" +
                                           (work / "first.png").string()});

        s.run("menu CANCEL\nmenu START\nclick L 7 8\nclick L 7 7\nclick L 7 4\nclick L 7 5\n");
        s.run("menu KENTOU\nmenu GRAPH_SAVE\n");
        EXPECT_EQ(s.take("msg 評価グラフ"), std::vector<std::string>{offered});
    }
}

// A record read from a file does not know how far the ring was turned before a move: a move read as
// made without a turn, which the review prefers after a turn that leads to the same position, is the
// preferred move and is written as the list writes it.
TEST(ReviewInProgram, AMoveMadeAfterAnotherTurnOfTheRingIsThePreferredOne) {
    TempDir dir;
    Kiroku r;
    Kyokumen k;
    place_start_position(k.BAN);
    r.entries[0] = entry_of(k);
    // ▲５八王 △５二王 ▲盤外飛 (the rook onto the ring, alone there) △１四歩 ▲２五飛 (back from the ring)
    const struct {
        int fx, fy, tx, ty;
    } moves[] = {{6, 10, 6, 9}, {6, 2, 6, 3}, {9, 9, 11, 9}, {10, 4, 10, 5}, {11, 9, 9, 6}};
    for (const auto& m : moves) {
        駒移動(k, m.fx, m.fy, m.tx, m.ty, k.BAN[m.fx][m.fy]);
        r.entries[++r.KIFU_TESUU] = entry_of(k);
    }
    ASSERT_EQ(write_kifu_file(r, (dir.path() / "ring.棋譜").string(), "ring", "UE", "SITA"), 0);

    Session s(dir);
    s.run("nodes 20000\n");
    read_record(s, "ring");
    s.take("");
    s.run("menu KENTOU\nmoves\n");
    EXPECT_EQ(s.take("move 5 "), std::vector<std::string>{"move 5 ▲２五飛"});
    s.run("evals\n");
    const std::vector<std::string> evals = s.take("eval 5 ");
    ASSERT_EQ(evals.size(), 1u);
    EXPECT_TRUE(evals[0].ends_with(" - ▲２五飛")) << evals[0];
}

} // namespace
