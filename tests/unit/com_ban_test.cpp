// The computer's turn: which move the search keeps, how the move is carried out, and how a turn ends.
#include "com/com.h"
#include "control/game.h"
#include "control/play.h"
#include "kifu/record.h"
#include "support/fake_platform.h"
#include "support/names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

struct Put {
    int x, y;
    Koma code;
};

struct Board {
    Koma ban[12][12];
    bool operator==(const Board& o) const { return std::memcmp(ban, o.ban, sizeof ban) == 0; }
};

Board board_now() {
    Board b;
    std::memcpy(b.ban, BAN, sizeof BAN);
    return b;
}

class ComBanTest : public ::testing::Test {
  protected:
    FakePlatform fp;

    void SetUp() override {
        set_platform(&fp);
        初期設定();
        // An empty board and empty hands; the tables as at start-up.
        TAIKYOKU.pos = Kyokumen{};
        TAIKYOKU.tables = Seiryoku{};
        // A game against the computer with the human moving first, the computer to move.
        TAIKYOKU_MODE = MODE_MAN_COM;
        SITA_GAWA = 1;
        UE_GAWA = -1;
        TEBAN = UE_GAWA;
        COM_LEVEL = 3;
        fp.forget();
    }

    void put(std::initializer_list<Put> pieces) {
        for (const Put& p : pieces) {
            BAN[p.x][p.y] = p.code;
            if (p.code == SITA_OU) SITA_OU_X = p.x, SITA_OU_Y = p.y;
            if (p.code == UE_OU) UE_OU_X = p.x, UE_OU_Y = p.y;
        }
    }

    void give_ue(int kind, int n) {
        UE_MOCHI[kind] += n;
        UE_MOCHI_KEI += n;
    }

    // The upper king in the top right corner, walled in by its own pieces that cannot move either.
    void walled_king() {
        put({{10, 2, UE_OU}, {9, 2, UE_HU}, {9, 3, UE_KEI}, {10, 10, UE_KEI}, {8, 10, UE_KEI}});
        for (int y = 3; y <= 9; ++y) put({{10, y, UE_HU}});
        for (int y = 5; y <= 9; ++y) put({{8, y, UE_HU}});
        put({{7, 10, SITA_OU}});
    }

    // As above, and a lower knight checks the king: whatever the computer does, its king stays attacked,
    // so every candidate scores the same and only the order of the search decides.
    void every_move_loses() {
        walled_king();
        put({{9, 4, SITA_KEI}});
    }

    // Silver to (2, 9) mates the cornered king only as a promoted silver: the bishop guards (2, 9) once
    // the silver has left (3, 8), and only the promoted silver's sideways step covers the escape (3, 9).
    void silver_mates_when_promoted() {
        put({{2, 10, SITA_OU}, {3, 8, UE_GIN}, {5, 6, UE_KAKU}, {10, 2, UE_OU}});
    }
};

struct Chosen {
    const char* what;
    std::vector<Put> extra; // pieces added to the position where every move loses
    int hand_kind1, hand_kind2;
    int fx, fy, tx, ty;
    Koma placed;
    int ring, turns;
};

TEST_F(ComBanTest, AmongEqualScoresTheFirstCandidateInSearchOrderIsKept) {
    const std::vector<Chosen> rows = {
        {"lower x first", {{5, 5, UE_HU}, {4, 6, UE_HU}}, 0, 0, 4, 6, 4, 7, UE_HU, OFF, 0},
        {"then lower y", {{5, 6, UE_HU}, {5, 4, UE_HU}}, 0, 0, 5, 4, 5, 5, UE_HU, OFF, 0},
        {"then lower destination x", {{5, 5, UE_KIN}}, 0, 0, 5, 5, 4, 5, UE_KIN, OFF, 0},
        {"then lower destination y", {{5, 5, UE_GIN}}, 0, 0, 5, 5, 4, 4, UE_GIN, OFF, 0},
        {"board moves before ring moves", {{5, 1, UE_HU}, {6, 6, UE_HU}}, 0, 0, 6, 6, 6, 7, UE_HU, OFF, 0},
        {"board moves before drops", {{6, 6, UE_HU}}, 1, 0, 6, 6, 6, 7, UE_HU, OFF, 0},
        {"ring moves before drops", {{5, 1, UE_HU}}, 1, 0, 5, 1, 5, 2, UE_HU, ON, 0},
        {"the first ring position that allows a move", {{3, 11, UE_HU}}, 0, 0, 2, 1, 2, 2, UE_HU, ON, 13},
        {"the last ring position",
         {{3, 1, UE_HU},
          {3, 2, SITA_HU},
          {4, 2, SITA_HU},
          {5, 2, SITA_HU},
          {6, 2, SITA_HU},
          {7, 2, SITA_HU},
          {8, 2, SITA_HU}},
         0,
         0,
         2,
         1,
         2,
         2,
         UE_HU,
         ON,
         39},
        {"lower hand kind first", {}, 5, 2, -1, 2, 2, 2, UE_KYOU, OFF, 0},
    };
    for (const Chosen& r : rows) {
        SCOPED_TRACE(r.what);
        SetUp();
        every_move_loses();
        for (const Put& p : r.extra) put({p});
        if (r.hand_kind1) give_ue(r.hand_kind1, 1);
        if (r.hand_kind2) give_ue(r.hand_kind2, 1);
        const Board before = board_now();

        ASSERT_EQ(search_turn(), ON);
        EXPECT_EQ(SAIKOU_HYOUKA, -9998);
        EXPECT_EQ(COM_TE_MOTO_X, r.fx);
        EXPECT_EQ(COM_TE_MOTO_Y, r.fy);
        EXPECT_EQ(COM_TE_SAKI_X, r.tx);
        EXPECT_EQ(COM_TE_SAKI_Y, r.ty);
        EXPECT_EQ(COM_TE_KOMA_OKU, r.placed);
        EXPECT_EQ(KAITEN_UTI, r.ring);
        if (r.ring == ON) {
            EXPECT_EQ(KAITEN_KAISUU, r.turns);
        }
        EXPECT_TRUE(board_now() == before) << "the search must leave board and ring as they were";
    }
}

TEST_F(ComBanTest, EscapeSquaresAreCountedOnTheTablesLeftBehindAndTheCopiesTakenAfterTheSurvey) {
    // Lower king on (7, 10): its empty neighbours are (6, 9), (7, 9) and (6, 10), none of them attacked
    // in this position. The tables still say (6, 9) is attacked, as the last survey before the turn left
    // them; the turn counts the escape squares before its own survey, so only two count.
    walled_king();
    std::memset(UE_SEIRYOKU, 0, sizeof UE_SEIRYOKU);
    UE_SEIRYOKU[6][9] = 1;
    NIGEMICHI[3][3] = 1; // a mark of an earlier turn
    ASSERT_EQ(search_turn(), OFF);
    EXPECT_EQ(NIGEMICHI_SUU, 2);
    EXPECT_EQ(NIGEMICHI[7][9], 1);
    EXPECT_EQ(NIGEMICHI[6][10], 1);
    EXPECT_EQ(NIGEMICHI[6][9], 0);
    EXPECT_EQ(NIGEMICHI[3][3], 0) << "the marks are cleared at the start of the turn";
    // The "before" copies come from the turn's own survey of the position.
    EXPECT_EQ(UE_SEIRYOKU_MAE[6][9], 0);
    EXPECT_EQ(UE_SEIRYOKU_MAE[8][10], 1); // the pawn on (8, 9) defends the knight
    EXPECT_EQ(SITA_SEIRYOKU_MAE[6][9], 1);
    EXPECT_EQ(SITA_SEIRYOKU_MAE[8][9], 1); // the king may take the pawn
}

struct Promotion {
    const char* what;
    Put mover;
    int tx, ty;
    Koma placed;
};

TEST_F(ComBanTest, PawnBishopRookAlwaysPromoteLanceKnightSilverOnlyWhenBetter) {
    // Every candidate scores the same here, so the promoted form is never strictly better.
    const std::vector<Promotion> rows = {
        {"pawn", {4, 7, UE_HU}, 4, 8, UE_HU_NARI},   {"bishop", {4, 8, UE_KAKU}, 1, 5, UE_KAKU_NARI},
        {"rook", {4, 8, UE_SYA}, 1, 8, UE_SYA_NARI}, {"lance", {4, 7, UE_KYOU}, 4, 8, UE_KYOU},
        {"knight", {4, 6, UE_KEI}, 3, 8, UE_KEI},    {"silver", {4, 8, UE_GIN}, 3, 7, UE_GIN},
    };
    for (const Promotion& r : rows) {
        SCOPED_TRACE(r.what);
        SetUp();
        every_move_loses();
        put({r.mover});
        ASSERT_EQ(search_turn(), ON);
        EXPECT_EQ(COM_TE_MOTO_X, r.mover.x);
        EXPECT_EQ(COM_TE_MOTO_Y, r.mover.y);
        EXPECT_EQ(COM_TE_SAKI_X, r.tx);
        EXPECT_EQ(COM_TE_SAKI_Y, r.ty);
        EXPECT_EQ(COM_TE_KOMA_MAE, r.mover.code);
        EXPECT_EQ(COM_TE_KOMA_OKU, r.placed);
    }
}

TEST_F(ComBanTest, SilverIsPromotedWhenThatScoresStrictlyHigher) {
    silver_mates_when_promoted();
    ASSERT_EQ(search_turn(), ON);
    EXPECT_EQ(SAIKOU_HYOUKA, 9998);
    EXPECT_EQ(COM_TE_MOTO_X, 3);
    EXPECT_EQ(COM_TE_MOTO_Y, 8);
    EXPECT_EQ(COM_TE_SAKI_X, 2);
    EXPECT_EQ(COM_TE_SAKI_Y, 9);
    EXPECT_EQ(COM_TE_KOMA_OKU, UE_GIN_NARI);
}

TEST_F(ComBanTest, TakingTheKingStopsTheSearchAtOnce) {
    put({{5, 6, SITA_OU}, {5, 5, UE_HU}, {6, 2, UE_OU}, {8, 3, UE_KIN}, {1, 5, UE_KIN}});
    give_ue(7, 1);
    SENTAKU = 1; // turning the ring would clear it
    ASSERT_EQ(search_turn(), ON);
    EXPECT_EQ(SAIKOU_HYOUKA, 9999);
    EXPECT_EQ(COM_TE_MOTO_X, 5);
    EXPECT_EQ(COM_TE_MOTO_Y, 5);
    EXPECT_EQ(COM_TE_SAKI_X, 5);
    EXPECT_EQ(COM_TE_SAKI_Y, 6);
    // No later candidate was tried: neither the king's and gold's moves, nor the ring, nor the rook drops.
    EXPECT_EQ(IDOU_KOMA, UE_HU);
    EXPECT_EQ(SENTAKU, 1);
}

TEST_F(ComBanTest, AMatingDropStopsTheSearch) {
    // Gold dropped on (2, 9), guarded by the gold on (3, 8): the lower king in the corner is mated.
    put({{2, 10, SITA_OU}, {3, 8, UE_KIN}, {10, 2, UE_OU}});
    give_ue(5, 1);
    give_ue(7, 1);
    ASSERT_EQ(search_turn(), ON);
    EXPECT_EQ(SAIKOU_HYOUKA, 9998);
    EXPECT_EQ(COM_TE_MOTO_X, -1);
    EXPECT_EQ(COM_TE_MOTO_Y, 5);
    EXPECT_EQ(COM_TE_SAKI_X, 2);
    EXPECT_EQ(COM_TE_SAKI_Y, 9);
    EXPECT_EQ(IDOU_KOMA, UE_KIN) << "the rook drops after the mate must not have been tried";
    EXPECT_EQ(UE_MOCHI[5], 1);
    EXPECT_EQ(BAN[2][9], KARA);
}

TEST_F(ComBanTest, RingSearchLeavesBoardRingAndHandsAsTheyWere) {
    every_move_loses();
    put({{3, 11, UE_HU}, {1, 6, UE_GIN}, {11, 4, UE_SYA}, {6, 1, SITA_KEI}, {11, 11, SITA_HU}});
    give_ue(3, 1);
    SITA_MOCHI[1] = 2;
    SITA_MOCHI_KEI = 2;
    const Board before = board_now();
    ASSERT_EQ(search_turn(), ON);
    EXPECT_TRUE(board_now() == before);
    EXPECT_EQ(UE_MOCHI[3], 1);
    EXPECT_EQ(UE_MOCHI_KEI, 1);
    EXPECT_EQ(SITA_MOCHI[1], 2);
}

TEST_F(ComBanTest, RingMoveTurnsTheRingVisiblyBeforeThePieceMoves) {
    every_move_loses();
    put({{3, 11, UE_HU}, {11, 5, SITA_HU}});
    const double clock_before = fp.clock;
    com_ban();
    // Thirteen clockwise turns carry the lower piece from (11, 5) down the right side and along the bottom.
    EXPECT_EQ(BAN[4][11], SITA_HU);
    EXPECT_EQ(BAN[11][5], KARA);
    EXPECT_EQ(BAN[2][1], KARA);
    EXPECT_EQ(BAN[2][2], UE_HU);
    EXPECT_EQ(BAN[3][11], KARA);
    // The record holds the position before the turns.
    EXPECT_EQ(KIFU[0].ban[3][11], UE_HU);
    EXPECT_EQ(KIFU[0].ban[11][5], SITA_HU);
    // Two blinks of 0.2 + 0.2 seconds and the half-second pause.
    EXPECT_NEAR(fp.clock - clock_before, 1.3, 1e-9);
}

TEST_F(ComBanTest, OrdinaryMoveIsRecordedAndTheTurnHandedBack) {
    walled_king();
    put({{4, 5, UE_HU}});
    UE_JIKAN = 10;
    SITA_JIKAN = 20;
    KEIKA_BYOU = 3; // the clock display is off, so no tick changes it during the turn
    const Board before = board_now();
    com_ban();
    EXPECT_EQ(BAN[4][5], KARA);
    EXPECT_EQ(BAN[4][6], UE_HU);
    EXPECT_EQ(TESUU, 1);
    EXPECT_EQ(KIFU_NO, 1);
    EXPECT_EQ(std::memcmp(KIFU[0].ban, before.ban, sizeof KIFU[0].ban), 0);
    EXPECT_EQ(KIFU[0].ue_mae, 10);
    EXPECT_EQ(KIFU[0].ue_ato, 13);
    EXPECT_EQ(KIFU[0].sita_mae, 20);
    EXPECT_EQ(KIFU[0].sita_ato, 20);
    EXPECT_EQ(UE_JIKAN, 13);
    EXPECT_EQ(TEBAN, SITA_GAWA);
    EXPECT_EQ(SYOUSYA, 0);
    EXPECT_FALSE(fp.timer);
    EXPECT_EQ(KAISHI_JIKOKU, fp.clock);
    EXPECT_TRUE(fp.messages.empty());

    // With the elapsed-time display on, the human's clock runs again when the turn comes back.
    set_clock_option(TAIKYOKU.settei, fp, true);
    TEBAN = UE_GAWA;
    com_ban();
    EXPECT_EQ(BAN[4][7], UE_HU);
    EXPECT_EQ(KIFU_NO, 2);
    EXPECT_TRUE(fp.timer);
}

TEST_F(ComBanTest, TakingTheKingIsAnnouncedAsTheComputersWin) {
    set_clock_option(TAIKYOKU.settei, fp, true);
    // The gold takes the cornered king. On the board left behind, the square where the king stood is
    // guarded and surrounded, which the mate test would take for a mate if it were asked.
    put({{2, 10, SITA_OU}, {2, 9, UE_KIN}, {2, 8, UE_KYOU}, {4, 8, UE_KIN}, {10, 2, UE_OU}});
    com_ban();
    EXPECT_EQ(fp.messages, std::vector<std::string>{"終了 | ｺﾝﾋﾟｭｰﾀの勝ちです"});
    EXPECT_EQ(SYOUSYA, UE_GAWA);
    EXPECT_EQ(TEBAN, SITA_GAWA);
    EXPECT_FALSE(fp.timer);
    EXPECT_EQ(BAN[2][10], UE_KIN);
    EXPECT_EQ(UE_MOCHI_KEI, 1) << "the king is counted but never goes into a hand";
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(UE_MOCHI[k], 0);

    // The game is over: a further call does nothing.
    fp.forget();
    const Board after = board_now();
    com_ban();
    EXPECT_TRUE(fp.messages.empty());
    EXPECT_TRUE(board_now() == after);
    EXPECT_EQ(TESUU, 1);
}

TEST_F(ComBanTest, MateAndCheckMessages) {
    silver_mates_when_promoted();
    com_ban();
    EXPECT_EQ(fp.messages, std::vector<std::string>{"詰め ? | よし！!"});
    EXPECT_EQ(BAN[2][9], UE_GIN_NARI);
    EXPECT_EQ(SYOUSYA, 0) << "play goes on after the mate is announced";
    EXPECT_EQ(TEBAN, SITA_GAWA);

    // A check that is no mate: the pawn is the only piece that can move, and the king can take it.
    SetUp();
    walled_king();
    BAN[7][10] = KARA;
    put({{2, 10, SITA_OU}, {2, 8, UE_HU}});
    com_ban();
    EXPECT_EQ(BAN[2][9], UE_HU_NARI);
    EXPECT_EQ(fp.messages, std::vector<std::string>{" |    ** 王手 **"});
}

TEST_F(ComBanTest, ComputerWithoutALegalMoveResigns) {
    set_clock_option(TAIKYOKU.settei, fp, true);
    walled_king();
    TESUU = 7;
    KIFU_NO = 7;
    const Board before = board_now();
    ASSERT_EQ(search_turn(), OFF);
    com_ban();
    EXPECT_EQ(fp.messages, std::vector<std::string>{"終了 | あなたの勝ちです"});
    EXPECT_EQ(SYOUSYA, SITA_GAWA);
    EXPECT_FALSE(fp.timer);
    EXPECT_TRUE(board_now() == before);
    EXPECT_EQ(TESUU, 7);
    EXPECT_EQ(KIFU_NO, 7);
}

TEST_F(ComBanTest, FullRecordEndsTheGameAsADraw) {
    const std::string draw = "終了 | 棋譜が一杯です（500手まで）。引き分けで終わります";
    set_clock_option(TAIKYOKU.settei, fp, true);
    // No room for the computer's move: nothing moves.
    walled_king();
    put({{4, 5, UE_HU}});
    KIFU_NO = KIFU_MAX;
    TESUU = KIFU_MAX;
    const Board before = board_now();
    com_ban();
    EXPECT_EQ(fp.messages, std::vector<std::string>{draw});
    EXPECT_EQ(SYOUSYA, SYOUSYA_HIKIWAKE);
    EXPECT_FALSE(fp.timer);
    EXPECT_TRUE(board_now() == before);
    EXPECT_EQ(KIFU_NO, KIFU_MAX);
    EXPECT_EQ(TESUU, KIFU_MAX);

    // The computer's move fills the record: it is kept, and the human's turn ends the game the same way.
    fp.forget();
    SYOUSYA = 0;
    KIFU_NO = KIFU_MAX - 1;
    com_ban();
    EXPECT_FALSE(board_now() == before);
    EXPECT_EQ(KIFU_TESUU, KIFU_MAX);
    EXPECT_EQ(fp.messages.back(), draw);
    EXPECT_EQ(SYOUSYA, SYOUSYA_HIKIWAKE);
    EXPECT_FALSE(fp.timer);
}

} // namespace
