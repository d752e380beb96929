// Stepping through the record with 進 and 戻, 最初, and turning the board about with 反転.

#include "control/game.h"
#include "core/moves.h"
#include "core/state.h"
#include "control/record_commands.h"
#include "display/panel.h"
#include "kifu/record.h"
#include "sound/dslib.h"
#include "sound/effects.h"
#include "support/board.h"
#include "support/fake_platform.h"
#include "tools/temp_dir.h"
#include "support/wave.h"

#include "support/record_move.h"
#include "support/names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_sounds;

void listen(const char* action, int buffer) {
    const std::string name = buffer == OTO_KOMA ? "KOMA" : buffer == OTO_KINSHI ? "KINSHI" : "other";
    g_sounds.push_back(std::string(action) + " " + name);
}

using Board = std::vector<Koma>;

Board board() {
    return Board(&BAN[0][0], &BAN[0][0] + 144);
}
Board entry(int n) {
    Board b(144, 0);
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) b[x * 12 + y] = KIFU[n].ban[x][y];
    return b;
}

bool printed(const FakePlatform& fp, const std::string& text) {
    return std::any_of(fp.texts.begin(), fp.texts.end(), [&](const auto& t) { return t.text == text; });
}

class Navigate : public ::testing::Test {
  protected:
    void SetUp() override {
        set_platform(&fp);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        handle = dsInitialize(0);
        OTO_KOMA = dsCreateDSB(handle, wave.data(), 3);
        OTO_KINSHI = dsCreateDSB(handle, wave.data(), 3);
        dsSetListener(listen);
        fp.current_folder = dir.path().string();
        set_clock_option(TAIKYOKU.settei, fp, true);
        初期設定();
        KIFU_TESUU = 0;
        SITA_GAWA = 1;
        UE_GAWA = -1;
        heard().clear();
        fp.forget();
    }
    void TearDown() override {
        dsSetListener(nullptr);
        if (handle) dsTerminate(handle);
        OTO_KOMA = OTO_KINSHI = 0;
        set_platform(nullptr);
    }
    std::vector<std::string>& heard() { return g_sounds; }

    // Records and makes the move as the player input does; the mover's clock runs 100 seconds, and
    // the upper player's last move ends at 1234 seconds.
    void play(Mv m) {
        record_and_move(m, TESUU == 3 ? 1234 - UE_JIKAN : 100.5);
        TEBAN = -TEBAN;
    }
    // Four moves: the lower king steps up, the upper king aside, the lower rook takes the pawn of
    // file 1, an upper pawn advances. Entries 0..4 are stored; the game stands at move 4.
    void play_game() {
        TEBAN = 1;
        for (Mv m : {Mv{6, 10, 6, 9}, Mv{6, 2, 5, 3}, Mv{9, 9, 10, 4}, Mv{2, 4, 2, 5}}) play(m);
        heard().clear();
        fp.forget();
    }
    void read_game() {
        play_game();
        fp.boxes[1] = "four";
        Command1_Click();
        File1_Click("four.棋譜");
        ASSERT_EQ(KIFU_TESUU, 4);
        heard().clear();
        fp.forget();
    }
    void expect_shows(int n, bool after_clocks) {
        EXPECT_EQ(board(), entry(n)) << "entry " << n;
        EXPECT_EQ(TESUU, n);
        EXPECT_EQ(KIFU_NO, n);
        EXPECT_EQ(UE_JIKAN, after_clocks ? KIFU[n].ue_ato : KIFU[n].ue_mae);
        EXPECT_EQ(SITA_JIKAN, after_clocks ? KIFU[n].sita_ato : KIFU[n].sita_mae);
        EXPECT_EQ(SAIKAI_MACHI, ON);
    }

    TempDir dir;
    FakePlatform fp;
    int handle = 0;
    std::vector<std::uint8_t> wave = make_wave();
};

TEST_F(Navigate, StepsThroughAFileWithFourRecordsAndBack) {
    read_game();
    const char* moved[] = {"", "王", "王", "飛", "歩"};
    int teban = 1;
    for (int n = 1; n <= 4; ++n) {
        fp.forget();
        heard().clear();
        AFTER_Click();
        expect_shows(n, true);
        EXPECT_EQ(TEBAN, teban = -teban);
        EXPECT_TRUE(printed(fp, moved[n])) << n;
        EXPECT_EQ(heard(), std::vector<std::string>{"play KOMA"});
        EXPECT_TRUE(fp.messages.empty());
    }
    EXPECT_EQ(UE_JIKAN, 1234); // after the last move
    EXPECT_TRUE(printed(fp, "00:20:34"));

    heard().clear();
    AFTER_Click();
    EXPECT_EQ(fp.messages, std::vector<std::string>{"進む | 終わり"});
    EXPECT_TRUE(heard().empty());
    EXPECT_EQ(KIFU_NO, 4);

    for (int n = 3; n >= 0; --n) {
        heard().clear();
        REPLAY_Click();
        expect_shows(n, false);
        EXPECT_EQ(TEBAN, teban = -teban);
        EXPECT_EQ(heard(), std::vector<std::string>{"play KOMA"});
    }
    EXPECT_EQ(board()[6 * 12 + 10], SITA_OU); // the start position again

    fp.forget();
    heard().clear();
    REPLAY_Click();
    EXPECT_EQ(fp.messages, std::vector<std::string>{"戻る | できません"});
    EXPECT_EQ(heard(), std::vector<std::string>{"play KINSHI"});
    EXPECT_EQ(KIFU_NO, 0);
}

TEST_F(Navigate, StepsInAGameBeingPlayedStopTheClockAndReachTheLatestPositionAgain) {
    play_game();
    const Board latest = board();
    fp.timer = true;
    AFTER_Click();
    EXPECT_EQ(fp.messages, std::vector<std::string>{"進む | できません"});
    EXPECT_EQ(heard(), std::vector<std::string>{"play KINSHI"});
    EXPECT_EQ(KIFU_NO, 4);

    fp.forget();
    REPLAY_Click();
    expect_shows(3, false);
    EXPECT_FALSE(fp.timer);
    EXPECT_EQ(UE_JIKAN, 100.5); // before the fourth move
    EXPECT_EQ(KIFU[3].ue_ato, 1234);
    EXPECT_EQ(TEBAN, -1);

    fp.forget();
    heard().clear();
    AFTER_Click(); // back to the position after the last move, with the clocks it left
    expect_shows(4, true);
    EXPECT_EQ(board(), latest);
    EXPECT_EQ(UE_JIKAN, 1234);
    EXPECT_EQ(TEBAN, 1);
    EXPECT_EQ(heard(), std::vector<std::string>{"play KOMA"});
    EXPECT_TRUE(fp.messages.empty());

    AFTER_Click();
    EXPECT_EQ(fp.messages, std::vector<std::string>{"進む | できません"});
    EXPECT_EQ(KIFU_NO, 4);
}

TEST_F(Navigate, StepsWithoutAGameOrBeforeAnyMoveAreRefused) {
    fp.lists[2] = true;
    fp.io_visible = true;
    fp.boxes[1] = "name";
    AFTER_Click();
    EXPECT_EQ(fp.messages, std::vector<std::string>{"開始 | 「対局」で始めて下さい"});
    EXPECT_EQ(heard(), std::vector<std::string>{"play KINSHI"});
    EXPECT_EQ(SAIKAI_MACHI, OFF);
    EXPECT_FALSE(fp.lists[2] || fp.io_visible); // the file panel is closed first
    EXPECT_EQ(fp.boxes[1], "");

    TEBAN = 1; // a game started, no move made
    const Board start = board();
    fp.forget();
    heard().clear();
    REPLAY_Click();
    EXPECT_EQ(fp.messages, std::vector<std::string>{"戻る | できません"});
    EXPECT_EQ(heard(), std::vector<std::string>{"play KINSHI"});
    EXPECT_EQ(SAIKAI_MACHI, ON);
    EXPECT_EQ(board(), start);
    EXPECT_EQ(TEBAN, 1);
    EXPECT_EQ(TESUU, 0);
}

TEST_F(Navigate, KingSquaresAndTwoPawnFlagsFollowThePositionShown) {
    play_game();
    const struct {
        void (*step)();
        int sita_ou_x, sita_ou_y, ue_ou_x, ue_ou_y, nifu_ue_10;
    } rows[] = {
        {REPLAY_Click, 6, 9, 5, 3, 0},  // entry 3: the lower rook has taken the pawn of file 1
        {REPLAY_Click, 6, 9, 5, 3, 1},  // entry 2
        {REPLAY_Click, 6, 9, 6, 2, 1},  // entry 1
        {REPLAY_Click, 6, 10, 6, 2, 1}, // entry 0
        {AFTER_Click, 6, 9, 6, 2, 1},   // entry 1
        {AFTER_Click, 6, 9, 5, 3, 1},   // entry 2
        {AFTER_Click, 6, 9, 5, 3, 0},   // entry 3
    };
    for (const auto& r : rows) {
        SITA_OU_X = SITA_OU_Y = UE_OU_X = UE_OU_Y = 0;
        std::fill(std::begin(NIFU_UE), std::end(NIFU_UE), 7);
        std::fill(std::begin(NIFU_SITA), std::end(NIFU_SITA), 7);
        r.step();
        SCOPED_TRACE(KIFU_NO);
        EXPECT_EQ(SITA_OU_X, r.sita_ou_x);
        EXPECT_EQ(SITA_OU_Y, r.sita_ou_y);
        EXPECT_EQ(UE_OU_X, r.ue_ou_x);
        EXPECT_EQ(UE_OU_Y, r.ue_ou_y);
        EXPECT_EQ(NIFU_UE[10], r.nifu_ue_10);
        EXPECT_EQ(NIFU_UE[2], 1);
        for (int x = 2; x <= 10; ++x) EXPECT_EQ(NIFU_SITA[x], 1) << x;
    }
}

TEST_F(Navigate, ReverseTwiceReturnsEveryPieceToItsSquareAndOwner) {
    play_game();
    ASSERT_EQ(BAN[10][4], SITA_SYA);
    const Board before = board();
    SENTAKU = 1;

    REVERSE_Click();
    EXPECT_EQ(HANTEN, ON);
    EXPECT_EQ(SENTAKU, 0);
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) EXPECT_EQ(BAN[12 - x][12 - y], -before[x * 12 + y]) << x << "," << y;
    EXPECT_EQ(UE_MOCHI[1], 1);
    EXPECT_EQ(SITA_MOCHI[1], 0);
    EXPECT_EQ(UE_MOCHI_KEI, 1);
    EXPECT_EQ(SITA_MOCHI_KEI, 0);
    EXPECT_EQ(TEBAN, -1);
    EXPECT_EQ(KIFU_NO, 0);
    EXPECT_EQ(KIFU_TESUU, 0);
    EXPECT_EQ(TESUU, 0); // counted again with the record
    // The kings have changed sides and squares.
    EXPECT_EQ(SITA_OU_X, 12 - 5);
    EXPECT_EQ(SITA_OU_Y, 12 - 3);
    EXPECT_EQ(UE_OU_X, 12 - 6);
    EXPECT_EQ(UE_OU_Y, 12 - 9);
    EXPECT_EQ(heard(), std::vector<std::string>{"play KOMA"});

    REVERSE_Click();
    EXPECT_EQ(board(), before);
    EXPECT_EQ(SITA_MOCHI[1], 1);
    EXPECT_EQ(TEBAN, 1);
    EXPECT_EQ(HANTEN, ON);
    EXPECT_EQ(SITA_OU_X, 6);
    EXPECT_EQ(SITA_OU_Y, 9);
}

TEST_F(Navigate, ReverseOfTheStartPositionIsTheStartPosition) {
    const Board start = board();
    REVERSE_Click();
    EXPECT_EQ(board(), start);
    EXPECT_EQ(UE_OU_X, 6);
    EXPECT_EQ(UE_OU_Y, 2);
}

TEST_F(Navigate, ReverseIsRefusedWhileARecordIsReadAndNegatesASetHandicap) {
    read_game();
    const Board shown = board();
    REVERSE_Click();
    EXPECT_EQ(fp.messages, std::vector<std::string>{"反転 | 棋譜ﾓｰﾄﾞではできません"});
    EXPECT_EQ(heard(), std::vector<std::string>{"play KINSHI"});
    EXPECT_EQ(board(), shown);
    EXPECT_EQ(HANTEN, OFF);
    EXPECT_EQ(KIFU_TESUU, 4);

    for (int set : {OFF, ON}) {
        初期設定();
        HANDE_SETTEI = set;
        HANDE_LEVEL = 4;
        REVERSE_Click();
        EXPECT_EQ(HANDE_LEVEL, set == ON ? -4 : 4);
    }
}

TEST_F(Navigate, SaishoSetsUpTheStartAndKeepsTheRecord) {
    read_game();
    AFTER_Click();
    AFTER_Click();
    const Board third = entry(3);
    heard().clear();
    CANCEL_Click();
    EXPECT_EQ(board()[6 * 12 + 10], SITA_OU);
    EXPECT_EQ(board()[10 * 12 + 4], UE_HU);
    EXPECT_EQ(KIFU_NO, 0);
    EXPECT_EQ(TESUU, 0);
    EXPECT_EQ(TEBAN, 0);
    EXPECT_EQ(KIFU_MODE, OFF);
    EXPECT_EQ(KIFU_TESUU, 4);
    EXPECT_EQ(entry(3), third);
    EXPECT_EQ(heard(), std::vector<std::string>{"play KOMA"});
}

TEST_F(Navigate, OpeningThePositionMenuClosesTheFilePanel) {
    描画_可視(true, true, true);
    描画_棋譜_IO(0);
    fp.boxes[2] = "game";
    STOP_Click();
    EXPECT_FALSE(fp.lists[0] || fp.lists[1] || fp.lists[2] || fp.io_visible);
    EXPECT_EQ(fp.boxes[2], "");
}

} // namespace

// A kept game whose last move mated the computer is read back won; two players have no mate test and
// play on from the same position.
TEST_F(Navigate, AKeptGameEndedByMateStaysEndedAgainstTheComputerOnly) {
    for (int mode : {MODE_MAN_COM, MODE_MAN_MAN}) {
        SCOPED_TRACE(mode);
        KIFU_NO = 0;
        手順保存(TAIKYOKU.kifu, TAIKYOKU.pos, TAIKYOKU.settei, 0, 0, 0, 0, KARA, KARA, 0, 0, 0, 0);
        // The upper king boxed in by its own pawns, checked up file 6 by the rook the lower player moved.
        set_position({{6, 10, SITA_OU},
                      {6, 2, UE_OU},
                      {5, 2, UE_HU},
                      {7, 2, UE_HU},
                      {5, 3, UE_HU},
                      {7, 3, UE_HU},
                      {6, 8, SITA_SYA}});
        KIFU_NO = 1;
        手順保存(TAIKYOKU.kifu, TAIKYOKU.pos, TAIKYOKU.settei, 0, 0, 0, 0, KARA, KARA, 0, 7, 0, 0);
        初期設定();
        // The reader sets the sides from the first move: here the lower player moved first.
        SITA_GAWA = 1;
        UE_GAWA = -1;
        resume_at_last_entry(mode);
        EXPECT_EQ(board(), entry(1));
        EXPECT_EQ(TEBAN, UE_GAWA);
        EXPECT_EQ(SITA_JIKAN, 7);
        EXPECT_EQ(TAIKYOKU_MODE, mode);
        EXPECT_EQ(KIFU_MODE, OFF);
        EXPECT_EQ(SAIKAI_MACHI, ON);
        EXPECT_EQ(SYOUSYA, mode == MODE_MAN_COM ? SITA_GAWA : 0);
    }
}
