// The game's flow without a window: what a player would see and hear, told as events, and the record.

#include "control/flow.h"
#include "control/game.h"
#include "core/handicap.h"
#include "core/moves.h"
#include "core/state.h"
#include "display/texts.h"
#include "kifu/navigate.h"
#include "kifu/notation.h"
#include "kifu/record.h"
#include "sound/effects.h"
#include "support/fake_platform.h"

#include "support/names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using K = FlowEvent::Kind;

class RecordingView : public GameView {
  public:
    void on(const FlowEvent& e) override { events.push_back(e); }
    std::vector<K> kinds() const {
        std::vector<K> k;
        for (const FlowEvent& e : events) k.push_back(e.kind);
        return k;
    }
    std::vector<FlowEvent> events;
};

class Flow : public ::testing::Test {
  protected:
    void SetUp() override {
        set_platform(&fp);
        set_game_view(&view);
        TAIKYOKU = Taikyoku{};
        Kyokumen k;
        place_start_position(k.BAN);
        k.SITA_GAWA = 1;
        k.UE_GAWA = -1;
        k.TEBAN = 1;
        flow_start_at(k, MODE_MAN_MAN, 1);
    }
    void TearDown() override { set_game_view(nullptr); }
    FakePlatform fp;
    RecordingView view;
};

struct Move {
    int fx, fy, tx, ty;
};

// Pawns and a silver of both sides, alternating from the lower side.
const Move kGame[] = {{3, 8, 3, 7}, {9, 4, 9, 5}, {4, 10, 4, 9}, {3, 4, 3, 5}, {3, 7, 3, 6}, {3, 5, 3, 6}};

TEST_F(Flow, ATwoPlayerGameIsToldMoveByMoveAndSteppingBackAndForthShowsTheSameEntries) {
    std::vector<RecordEntry> after{entry_of(TAIKYOKU.pos)}; // the position after move n, n = 0 the start
    std::vector<LastMoves> marked{LastMoves{}};             // and the moves marked there
    for (const Move& m : kGame) {
        view.events.clear();
        const int side = TEBAN;
        flow_human_move(m.fx, m.fy, m.tx, m.ty, BAN[m.fx][m.fy], false);
        EXPECT_EQ(view.kinds(), (std::vector<K>{K::MoveNumber, K::SelectionDropped, K::PieceMoved, K::Sound,
                                                K::MoveText, K::LastMovesShown}));
        // This move and the other side's before it.
        const LastMoves::Move made{{m.fx, m.fy}, {m.tx, m.ty}, side == SITA_GAWA};
        EXPECT_EQ(flow_last_moves(), (LastMoves{{made, marked.back().move[0]}}));
        marked.push_back(flow_last_moves());
        EXPECT_EQ(view.events[2].captured, after.size() == 6 ? SITA_HU : KARA); // the last move takes a pawn
        EXPECT_EQ(TEBAN, -side);
        after.push_back(entry_of(TAIKYOKU.pos));
        EXPECT_EQ(KIFU_NO, static_cast<int>(after.size()) - 1);
        EXPECT_EQ(KIFU_TESUU, KIFU_NO);
    }
    EXPECT_EQ(UE_MOCHI[1], 1);

    const int last = KIFU_NO;
    for (int n = last; n >= 1; --n) {
        view.events.clear();
        flow_step_back();
        EXPECT_EQ(KIFU_NO, n - 1);
        EXPECT_EQ(TESUU, n - 1);
        EXPECT_EQ(view.kinds(), (std::vector<K>{K::BoardOutlines, K::ThinkingDone, K::EntryShown, K::Sound,
                                                K::MoveTextCleared, K::LastMovesShown, K::MoveNumber}));
        EXPECT_EQ(entry_of(TAIKYOKU.pos), after[n - 1]);
        EXPECT_EQ(flow_last_moves(), marked[n - 1]); // read back from the record as they were made
    }
    view.events.clear();
    flow_step_back(); // nothing before the start
    EXPECT_EQ(view.kinds(), (std::vector<K>{K::Sound, K::Message}));
    // Any move at once, as the move list will show it.
    for (int n : {4, 0, last, 1}) {
        flow_show_move(n);
        EXPECT_EQ(KIFU_NO, n);
        EXPECT_EQ(entry_of(TAIKYOKU.pos), after[n]);
        EXPECT_EQ(TEBAN, n % 2 == 0 ? 1 : -1);
        EXPECT_EQ(flow_last_moves(), marked[n]);
    }
    flow_show_move(0);
    for (int n = 1; n <= last; ++n) {
        flow_step_forward();
        EXPECT_EQ(KIFU_NO, n);
        EXPECT_EQ(entry_of(TAIKYOKU.pos), after[n]);
        EXPECT_EQ(TEBAN, n % 2 == 0 ? 1 : -1);
    }
}

TEST_F(Flow, AgainstTheComputerTheReplyFollowsTheHumanMoveWithItsBlinkAndPause) {
    TAIKYOKU_MODE = MODE_MAN_COM;
    flow_human_move(3, 8, 3, 7, SITA_HU, false);
    const std::vector<K> k = view.kinds();
    const std::vector<K> human{K::MoveNumber, K::SelectionDropped, K::PieceMoved,
                               K::Sound,      K::MoveText,         K::LastMovesShown};
    ASSERT_GT(k.size(), human.size());
    EXPECT_EQ(std::vector<K>(k.begin(), k.begin() + 6), human);
    // The computer's turn, as the player sees it: thinking, its piece blinks, moves, half a second, the
    // sound, the text of its move and the outline of where it went.
    std::vector<K> turn(k.begin() + 6, k.end());
    std::erase(turn, K::RingTurned); // a reply found on the ring turns it first
    std::erase_if(turn, [](K x) { return x == K::Sound; });
    EXPECT_EQ(turn, (std::vector<K>{K::Thinking, K::Blink, K::PieceMoved, K::MoveNumber, K::ThinkingDone,
                                    K::Wait, K::MoveText, K::LastMovesShown, K::MoveMarked}));
    EXPECT_EQ(KIFU_NO, 2);
    EXPECT_EQ(TESUU, 2);
    EXPECT_EQ(TEBAN, SITA_GAWA);
    EXPECT_EQ(TAIKYOKU.kifu.entries[2], entry_of(TAIKYOKU.pos));
}

TEST_F(Flow, TakingBackAgainstTheComputerRestoresThePlayersTurnAndTheSameMovePlaysTheSameReply) {
    TAIKYOKU_MODE = MODE_MAN_COM;
    const RecordEntry start = entry_of(TAIKYOKU.pos);
    flow_human_move(3, 8, 3, 7, SITA_HU, false);
    const RecordEntry replied = entry_of(TAIKYOKU.pos);
    ASSERT_EQ(KIFU_NO, 2);
    flow_take_back(); // the reply and the player's move
    EXPECT_EQ(entry_of(TAIKYOKU.pos), start);
    EXPECT_EQ(KIFU_NO, 0);
    EXPECT_EQ(KIFU_TESUU, 0); // a later write keeps nothing of what was taken back
    EXPECT_EQ(TESUU, 0);
    EXPECT_EQ(TEBAN, SITA_GAWA);
    flow_human_move(3, 8, 3, 7, SITA_HU, false);
    EXPECT_EQ(entry_of(TAIKYOKU.pos), replied);
    view.events.clear();
    flow_take_back();
    flow_take_back(); // nothing before the start
    EXPECT_EQ(view.events.back().text, "できません");
}

TEST_F(Flow, TakingBackTheWinningMoveOpensTheGameAgainWithTheClocksAsTheyWere) {
    Kyokumen k;
    k.BAN[6][2] = UE_OU;
    k.BAN[6][10] = SITA_OU;
    k.BAN[6][3] = SITA_KIN;
    k.SITA_GAWA = 1;
    k.UE_GAWA = -1;
    k.TEBAN = 1;
    flow_start_at(k, MODE_MAN_MAN, 1);
    SITA_JIKAN = 100;
    KEIKA_BYOU = 7;
    flow_human_move(6, 3, 6, 2, SITA_KIN, false);
    ASSERT_EQ(SYOUSYA, SITA_GAWA);
    EXPECT_EQ(SITA_JIKAN, 107);
    flow_take_back();
    EXPECT_EQ(SYOUSYA, 0);
    EXPECT_EQ(BAN[6][2], UE_OU);
    EXPECT_EQ(BAN[6][3], SITA_KIN);
    EXPECT_EQ(SITA_JIKAN, 100);
    EXPECT_EQ(TEBAN, 1);
    EXPECT_EQ(KIFU_TESUU, 0);
}

// A game on the ring: pieces go onto it and leave it, the ring turns before moves of both players (an
// empty ring refuses to turn), the computer turns it to move the one piece it held, and then takes the
// king. Each position, shown again from the record, has the marks it had while it was played.
TEST_F(Flow, MarksReadBackFromTheRecordStandWhereTheyStoodInPlay) {
    Kyokumen k;
    k.BAN[6][10] = SITA_OU;
    k.BAN[6][2] = UE_OU;
    k.BAN[5][10] = SITA_KIN;
    k.BAN[7][2] = UE_KIN;
    k.BAN[3][3] = UE_SYA;
    k.SITA_GAWA = 1;
    k.UE_GAWA = -1;
    k.TEBAN = 1;
    flow_start_at(k, MODE_MAN_MAN, 1);
    const struct Step {
        char what; // R, L: a ring button; M: a player's move; C: the computer's turn
        int fx = 0, fy = 0, tx = 0, ty = 0;
    } steps[] = {
        {'R'},               // refused: the ring is empty
        {'M', 5, 10, 5, 11}, // the lower gold onto the ring
        {'R'},               // the upper player turns it two cells
        {'R'},
        {'M', 3, 3, 3, 1},   // and puts the rook on it
        {'L'},               // the lower player turns it back one cell
        {'M', 4, 11, 4, 10}, // and the gold comes off
        {'C'},               // the rook, alone on the ring, turns it and comes off
        {'L'},               // refused: the marks on the empty ring stay
        {'M', 4, 10, 4, 9},  // the gold, the king left in the rook's line
        {'C'},               // which takes the king
    };
    std::vector<LastMoves> live; // the marks of the position each move was made from, then the last
    for (const Step& s : steps) {
        if (s.what == 'R' || s.what == 'L') {
            flow_turn_ring(s.what == 'R');
            continue;
        }
        ASSERT_EQ(static_cast<int>(live.size()), KIFU_NO);
        live.push_back(flow_last_moves());
        if (s.what == 'C')
            flow_computer_turn();
        else
            flow_human_move(s.fx, s.fy, s.tx, s.ty, BAN[s.fx][s.fy], false);
    }
    live.push_back(flow_last_moves());
    ASSERT_EQ(KIFU_TESUU, 6);
    ASSERT_EQ(SYOUSYA, UE_GAWA);
    const RecordedMove computers = recorded_move(TAIKYOKU.kifu, 4);
    ASSERT_TRUE(is_ring(computers.from.x, computers.from.y)) << "the computer's piece came off the ring";
    // Each move is written where it was made, however the ring turned after it.
    const char* const written[] = {"▲６十金",     "△右2 ８〇飛", "▲左1 ７九金",
                                   "△右6 ３九飛", "▲７八金",     "△５九飛成"};
    for (int n = 1; n <= KIFU_TESUU; ++n)
        EXPECT_EQ(recorded_move_text(TAIKYOKU.kifu, n, Notation::Japanese), written[n - 1]) << n;
    for (int n = 0; n <= KIFU_TESUU; ++n) {
        SCOPED_TRACE(n);
        flow_show_move(n);
        EXPECT_EQ(flow_last_moves(), live[n]);
    }
    for (int n = KIFU_TESUU - 1; n >= 0; --n) {
        SCOPED_TRACE(n);
        flow_step_back();
        EXPECT_EQ(flow_last_moves(), live[n]);
    }
}

} // namespace
