// The danger squares 盤評価_COM危険座標 and the bishop caution 盤評価_自角注意_COM on small positions, with
// the "before" tables equal to the position's own (as at the start of the computer's turn).
#include "support/com_turn.h"

#include <gtest/gtest.h>

namespace {

using namespace com_turn;

class Danger : public ::testing::Test {
  protected:
    void SetUp() override { clear_position(); }
};

double danger(int m, int tx, int ty) {
    prepare_turn();
    return 盤評価_COM危険座標(m, tx, ty);
}

// ---- Forks of the moved piece ----------------------------------------------------------------------

TEST_F(Danger, AForkOfTwoUndefendedPiecesIsWorthItsCheapestTarget) {
    place({{10, 2, UE_OU}, {6, 10, SITA_OU}, {5, 6, UE_KEI}, {4, 8, SITA_GIN}, {6, 8, SITA_KIN}});
    EXPECT_DOUBLE_EQ(danger(UE_KEI, 5, 6), 0.0 + 0.1 + 0.1 + 100);
}

TEST_F(Danger, ASingleTargetIsNoFork) {
    place({{10, 2, UE_OU}, {6, 10, SITA_OU}, {5, 6, UE_KEI}, {4, 8, SITA_GIN}});
    EXPECT_DOUBLE_EQ(danger(UE_KEI, 5, 6), 0.1);
}

// ---- Upper pieces ----------------------------------------------------------------------------------

TEST_F(Danger, APieceInTheCampHeldOnlyByItsExchangePaysTheUnattackedValueOfTheGuardedSquare) {
    // The silver on (5, 3) is attacked by a pawn and covered by a gold, one each; the pawn is guarded
    // from behind by the rook on (5, 8). The pawn's square has no attacker record: |-999|.
    place(
        {{8, 2, UE_OU}, {5, 3, UE_GIN}, {6, 3, UE_KIN}, {5, 4, SITA_HU}, {5, 8, SITA_SYA}, {6, 10, SITA_OU}});
    EXPECT_DOUBLE_EQ(danger(UE_KIN, 6, 3), 0.0 - 100 + 10 - 100 - 999);
}

// ---- Lower pieces ----------------------------------------------------------------------------------

TEST_F(Danger, AKnightJumpSquareCountsOnlyWhenUncovered) {
    // The lower knight on (5, 7) under an upper silver on (5, 3) could jump to (4, 5), covered by the
    // gold, or to (6, 5), empty and uncovered: only the latter costs 1.
    place({{10, 2, UE_OU}, {5, 3, UE_GIN}, {4, 4, UE_KIN}, {5, 7, SITA_KEI}, {6, 10, SITA_OU}});
    EXPECT_DOUBLE_EQ(danger(UE_KIN, 4, 4), -1.0);
}

// ---- Drops from the human's hand --------------------------------------------------------------------

TEST_F(Danger, AKnightForkSquareCountsWhenAttackedThoughCoveredAndOnlyWithAKnightInHand) {
    // (5, 5) is covered by the upper pawn on (5, 4) and attacked by the lower pawn on (5, 6); the two
    // silvers on (4, 3) and (6, 3) are a knight's jump away.
    place({{8, 2, UE_OU}, {6, 10, SITA_OU}, {4, 3, UE_GIN}, {6, 3, UE_GIN}, {5, 4, UE_HU}, {5, 6, SITA_HU}});
    give_lower(1);
    const double pawn_only = danger(UE_HU, 5, 4);
    give_lower(3);
    EXPECT_NEAR(danger(UE_HU, 5, 4) - pawn_only, -20.0, 1e-9);
}

// Four upper pawns around the empty (4, 7): (3, 6) and (5, 8) on one diagonal, (5, 6) and (3, 8) on the
// other, none of them covered. With the human holding a pawn, then a pawn and a silver; the difference
// of two long sums, so compared to within rounding.
double silver_fork_difference() {
    give_lower(1);
    const double pawn_only = danger(UE_OU, 6, 3);
    give_lower(4);
    return danger(UE_OU, 6, 3) - pawn_only;
}

TEST_F(Danger, ASilverDropForkingTwoPairsCountsEachPair) {
    place({{6, 3, UE_OU}, {6, 10, SITA_OU}, {3, 6, UE_HU}, {5, 8, UE_HU}, {5, 6, UE_HU}, {3, 8, UE_HU}});
    EXPECT_NEAR(silver_fork_difference(), -40.0, 1e-9);
}

TEST_F(Danger, TheSecondDiagonalPairCountsOnItsOwn) {
    place({{6, 3, UE_OU}, {6, 10, SITA_OU}, {5, 8, UE_HU}, {5, 6, UE_HU}, {3, 8, UE_HU}});
    EXPECT_NEAR(silver_fork_difference(), -20.0, 1e-9);
}

TEST_F(Danger, ASilverDropForkNeedsAnUncoveredSquare) {
    // The upper lance on (4, 5) covers (4, 7).
    place({{6, 3, UE_OU},
           {6, 10, SITA_OU},
           {3, 6, UE_HU},
           {5, 8, UE_HU},
           {5, 6, UE_HU},
           {3, 8, UE_HU},
           {4, 5, UE_KYOU}});
    EXPECT_NEAR(silver_fork_difference(), 0.0, 1e-9);
}

// ---- Bishop caution --------------------------------------------------------------------------------

// The computer's king on (6, 2) can be checked by a lower bishop from (4, 4), (3, 5), (2, 6), (8, 4),
// (9, 5) and (10, 6); the gold moved to (6, 6) lies on bishop lines to (4, 4) and (8, 4), and (4, 4)
// comes first in the scan.
void bishop_caution_position() {
    place({{6, 2, UE_OU}, {6, 10, SITA_OU}, {6, 6, UE_KIN}});
}

TEST_F(Danger, BishopCautionWhenALowerBishopReachesTheFirstCheckingSquare) {
    bishop_caution_position();
    place({{2, 2, SITA_KAKU}});
    prepare_turn();
    EXPECT_DOUBLE_EQ(盤評価_自角注意_COM(6, 6, UE_KIN), UE_KIN);
}

TEST_F(Danger, BishopCautionLooksOnlyAtTheFirstCheckingSquare) {
    bishop_caution_position();
    place({{10, 2, SITA_KAKU}}); // reaches (8, 4) but not (4, 4)
    prepare_turn();
    EXPECT_DOUBLE_EQ(盤評価_自角注意_COM(6, 6, UE_KIN), 0.0);
}

TEST_F(Danger, BishopCautionWithABishopInHand) {
    bishop_caution_position();
    prepare_turn();
    EXPECT_DOUBLE_EQ(盤評価_自角注意_COM(6, 6, UE_KIN), 0.0);
    give_lower(6);
    EXPECT_DOUBLE_EQ(盤評価_自角注意_COM(6, 6, UE_KIN), UE_KIN);
}

} // namespace
