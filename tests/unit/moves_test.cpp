// Carrying out moves, captures into the hands, and turning the conveyor.
#include "control/game.h"
#include "control/play.h"
#include "core/moves.h"
#include "core/state.h"
#include "support/board.h"
#include "support/fake_platform.h"

#include <gtest/gtest.h>

namespace {

// The ring in clockwise order from the top-left corner.
std::vector<std::pair<int, int>> ring_cells() {
    std::vector<std::pair<int, int>> cells;
    for (int x = 1; x <= 11; ++x) cells.push_back({x, 1});
    for (int y = 2; y <= 10; ++y) cells.push_back({11, y});
    for (int x = 11; x >= 1; --x) cells.push_back({x, 11});
    for (int y = 10; y >= 2; --y) cells.push_back({1, y});
    return cells;
}

class Conveyor : public ::testing::Test {
  protected:
    void SetUp() override { set_platform(&fp); }
    void TearDown() override { set_platform(nullptr); }
    FakePlatform fp;
};

TEST_F(Conveyor, RingHasFortyCellsInClockwiseOrder) {
    EXPECT_EQ(ring_cells().size(), 40u);
}

TEST_F(Conveyor, OneTurnMovesASinglePieceToItsNeighbourAroundEveryCorner) {
    const auto cells = ring_cells();
    for (size_t i = 0; i < cells.size(); ++i) {
        const auto [x, y] = cells[i];
        const auto [nx, ny] = cells[(i + 1) % cells.size()];
        const auto [px, py] = cells[(i + cells.size() - 1) % cells.size()];
        set_position({{x, y, UE_GIN}});
        KAITEN_R_Click();
        EXPECT_EQ(BAN[nx][ny], UE_GIN) << "clockwise from (" << x << "," << y << ")";
        EXPECT_EQ(BAN[x][y], KARA);
        set_position({{x, y, SITA_KAKU_NARI}});
        KAITEN_L_Click();
        EXPECT_EQ(BAN[px][py], SITA_KAKU_NARI) << "counter-clockwise from (" << x << "," << y << ")";
    }
}

TEST_F(Conveyor, FortyTurnsComeBackAndLeftUndoesRight) {
    set_position({{1, 1, UE_HU},
                  {4, 1, SITA_KEI},
                  {11, 6, UE_SYA_NARI},
                  {7, 11, SITA_GIN},
                  {1, 9, SITA_HU},
                  {5, 5, UE_OU},
                  {6, 10, SITA_OU}});
    Koma before[12][12];
    std::copy(&BAN[0][0], &BAN[0][0] + 144, &before[0][0]);
    for (int i = 0; i < 40; ++i) 回転盤_右回転();
    EXPECT_TRUE(std::equal(&BAN[0][0], &BAN[0][0] + 144, &before[0][0]));
    KAITEN_R_Click();
    EXPECT_FALSE(std::equal(&BAN[0][0], &BAN[0][0] + 144, &before[0][0]));
    KAITEN_L_Click();
    EXPECT_TRUE(std::equal(&BAN[0][0], &BAN[0][0] + 144, &before[0][0]));
    EXPECT_EQ(BAN[5][5], UE_OU); // the play area never moves
}

TEST_F(Conveyor, EmptyRingTellsThePlayerAndNonEmptyRingClacks) {
    set_position({{5, 5, UE_HU}});
    SENTAKU = 1;
    KAITEN_L_Click();
    EXPECT_EQ(SENTAKU, 0);
    ASSERT_EQ(fp.messages.size(), 1u);
    EXPECT_EQ(fp.messages[0], " | まだコンベアにネタ（駒）が乗っていません");
    EXPECT_EQ(BAN[5][5], UE_HU);
    fp.forget();
    set_position({{5, 1, UE_HU}});
    KAITEN_R_Click();
    EXPECT_TRUE(fp.messages.empty());
    EXPECT_GT(fp.refreshes, 0);
}

TEST_F(Conveyor, CountsPiecesOnTheRingPerSide) {
    SITA_GAWA = 1;
    UE_GAWA = -1;
    set_position({{1, 1, UE_HU}, {11, 11, UE_KIN}, {1, 5, SITA_HU_NARI}, {5, 5, SITA_SYA}, {6, 2, UE_OU}});
    EXPECT_EQ(調査_回転盤上駒数(UE_GAWA), 2);
    EXPECT_EQ(調査_回転盤上駒数(SITA_GAWA), 1);
    EXPECT_EQ(調査_回転盤上駒数(0), 0);
}

class Moving : public Conveyor {};

TEST_F(Moving, CapturingAPromotedRookGivesARook) {
    SITA_GAWA = 1;
    UE_GAWA = -1;
    set_position({{5, 5, SITA_KIN}, {5, 4, UE_SYA_NARI}});
    駒移動(5, 5, 5, 4, SITA_KIN);
    EXPECT_EQ(SITA_MOCHI[7], 1);
    EXPECT_EQ(SITA_MOCHI_KEI, 1);
    EXPECT_EQ(BAN[5][4], SITA_KIN);
    EXPECT_EQ(BAN[5][5], KARA);
}

TEST_F(Moving, CapturingAKingSetsTheWinnerAndLeavesTheHands) {
    SITA_GAWA = 1;
    UE_GAWA = -1;
    SYOUSYA = 0;
    set_position({{5, 5, SITA_KIN}, {5, 4, UE_OU}});
    駒移動(5, 5, 5, 4, SITA_KIN);
    EXPECT_EQ(SYOUSYA, SITA_GAWA);
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(SITA_MOCHI[k], 0);
    EXPECT_EQ(SITA_MOCHI_KEI, 1); // the total counts every capture, the king included
    set_position({{5, 5, UE_GIN}, {5, 6, SITA_OU}});
    SYOUSYA = 0;
    駒移動(5, 5, 5, 6, UE_GIN);
    EXPECT_EQ(SYOUSYA, UE_GAWA);
}

TEST_F(Moving, DropsTakeTheRightKindFromEachHandBox) {
    set_position({});
    SITA_MOCHI[3] = 1;
    SITA_MOCHI_KEI = 1;
    駒移動(13, 5, 5, 5, SITA_KEI); // row 5 of the lower box is the knight
    EXPECT_EQ(SITA_MOCHI[3], 0);
    EXPECT_EQ(SITA_MOCHI_KEI, 0);
    EXPECT_EQ(BAN[5][5], SITA_KEI);
    UE_MOCHI[7] = 2;
    UE_MOCHI_KEI = 2;
    駒移動(-1, 7, 6, 6, UE_SYA); // the upper box passes the kind itself
    EXPECT_EQ(UE_MOCHI[7], 1);
    EXPECT_EQ(UE_MOCHI_KEI, 1);
    EXPECT_EQ(BAN[6][6], UE_SYA);
}

TEST_F(Moving, LeavingTheRingEmptiesTheRingCellAndTheLowerKingIsFollowed) {
    set_position({{5, 11, SITA_KIN}, {6, 10, SITA_OU}});
    駒移動(5, 11, 5, 10, SITA_KIN);
    EXPECT_EQ(BAN[5][11], KARA);
    駒移動(6, 10, 7, 9, SITA_OU);
    EXPECT_EQ(SITA_OU_X, 7);
    EXPECT_EQ(SITA_OU_Y, 9);
}

TEST_F(Moving, HandTotalsCountOnlyTheAskedSide) {
    SITA_GAWA = -1;
    UE_GAWA = 1;
    set_position({});
    SITA_MOCHI[1] = 3;
    SITA_MOCHI[7] = 1;
    UE_MOCHI[2] = 2;
    EXPECT_EQ(調査_持駒数(-1), 4);
    EXPECT_EQ(調査_持駒数(1), 2);
    EXPECT_EQ(調査_持駒数(0), 0);
}

} // namespace
