// The board evaluation 盤評価 on small positions whose whole score can be followed rule by rule: the
// terminal verdicts, the level cuts, a few rules per piece, and the readings of ambiguous rules that the
// project settled. Each expected value is written as the sum the rules make, in their order.
#include "support/com_turn.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace {

using namespace com_turn;

class Evaluate : public ::testing::Test {
  protected:
    void SetUp() override { clear_position(); }
    void TearDown() override { COM_LEVEL = 3; }
};

// ---- Terminal verdicts ------------------------------------------------------------------------------

TEST_F(Evaluate, TakingTheHumansKingScores9999EvenWithTheOwnKingAttacked) {
    // The lower rook on (2, 2) attacks the computer's king along row 2 before and after the capture.
    place({{6, 2, UE_OU}, {6, 5, UE_SYA}, {6, 10, SITA_OU}, {2, 2, SITA_SYA}});
    prepare_turn();
    EXPECT_EQ(evaluate_move(6, 5, 6, 10), 9999);
    COM_LEVEL = 1;
    EXPECT_EQ(evaluate_move(6, 5, 6, 10), 9999);
}

TEST_F(Evaluate, AMoveThatOpensALineToTheOwnKingIsRefused) {
    place({{6, 2, UE_OU}, {6, 4, UE_KIN}, {6, 7, SITA_SYA}, {6, 10, SITA_OU}});
    prepare_turn();
    EXPECT_EQ(evaluate_move(6, 4, 5, 4), -9998);
}

// The lower king in the corner (2, 10); an upper gold on (3, 8) guards (2, 9) and (3, 9), an upper silver
// on (4, 9) guards (3, 10): a piece on (2, 9) that gives check mates.
void corner_mate_position() {
    place({{6, 2, UE_OU}, {2, 10, SITA_OU}, {3, 8, UE_KIN}, {4, 9, UE_GIN}});
}

TEST_F(Evaluate, AMatingDropScores9998) {
    corner_mate_position();
    give_upper(5);
    prepare_turn();
    EXPECT_EQ(evaluate_drop(5, 2, 9), 9998);
}

TEST_F(Evaluate, AMateByAPawnDropIsRefused) {
    corner_mate_position();
    give_upper(1);
    prepare_turn();
    EXPECT_EQ(evaluate_drop(1, 2, 9), -9998);
}

TEST_F(Evaluate, AMateByAPawnMoveIsRefusedUnlessThePawnPromotes) {
    corner_mate_position();
    place({{2, 8, UE_HU}});
    prepare_turn();
    EXPECT_EQ(evaluate_move(2, 8, 2, 9), -9998);
    EXPECT_EQ(evaluate_move(2, 8, 2, 9, UE_HU_NARI), 9998);
}

// ---- Level cuts -------------------------------------------------------------------------------------

// An upper gold on (3, 5) takes an undefended lower rook on (4, 6) with a diagonal step forward.
// Approach: the gold stood 5 from the king (rows), now |ty - ky| = 4: +0.1.
TEST_F(Evaluate, LevelOneStopsACaptureAfterTheBigPieceBonus) {
    place({{6, 2, UE_OU}, {6, 10, SITA_OU}, {3, 5, UE_KIN}, {4, 6, SITA_SYA}});
    prepare_turn();
    COM_LEVEL = 1;
    EXPECT_DOUBLE_EQ(evaluate_move(3, 5, 4, 6), 0.0 + 0.1 + 900);
}

TEST_F(Evaluate, LevelTwoAddsTheCaptureSectionButNoPieceRules) {
    place({{6, 2, UE_OU}, {6, 10, SITA_OU}, {3, 5, UE_KIN}, {4, 6, SITA_SYA}});
    prepare_turn();
    COM_LEVEL = 2;
    // Big piece taken by a small one, then the taken piece on an unattacked square.
    EXPECT_DOUBLE_EQ(evaluate_move(3, 5, 4, 6), 0.0 + 0.1 + 900 + 900);
}

TEST_F(Evaluate, LevelThreeAddsThePieceRules) {
    place({{6, 2, UE_OU}, {6, 10, SITA_OU}, {3, 5, UE_KIN}, {4, 6, SITA_SYA}});
    prepare_turn();
    // The gold's diagonal step forward: -0.5.
    EXPECT_DOUBLE_EQ(evaluate_move(3, 5, 4, 6), 0.0 + 0.1 + 900 + 900 - 0.5);
}

TEST_F(Evaluate, LevelOneKeepsThePieceRulesOfAMoveThatTakesNothing) {
    place({{6, 2, UE_OU}, {6, 10, SITA_OU}, {3, 5, UE_KIN}});
    prepare_turn();
    COM_LEVEL = 1;
    EXPECT_DOUBLE_EQ(evaluate_move(3, 5, 4, 6), 0.0 + 0.1 - 0.5);
    COM_LEVEL = 2;
    EXPECT_DOUBLE_EQ(evaluate_move(3, 5, 4, 6), 0.0 + 0.1);
}

// ---- Rules of the kind of move and of the pieces -----------------------------------------------------

TEST_F(Evaluate, APromotedSilverEarnsThePromotionButNoPieceRules) {
    place({{6, 2, UE_OU}, {6, 10, SITA_OU}, {5, 7, UE_GIN}});
    prepare_turn();
    // Promotion +10; approach +0.1 (3 > |8 - 10|); (5, 9) and (6, 9) taken from the king's five
    // escape squares: +2. The unpromoted silver loses 0.1 for its straight step forward instead.
    EXPECT_DOUBLE_EQ(evaluate_move(5, 7, 5, 8, UE_GIN_NARI), 0.0 + 10 + 0.1 + 2);
    EXPECT_DOUBLE_EQ(evaluate_move(5, 7, 5, 8), 0.0 + 0.1 + 2 - 0.1);
}

TEST_F(Evaluate, ALanceMoveThatTakesNothingLosesNineTenths) {
    place({{6, 2, UE_OU}, {6, 10, SITA_OU}, {3, 5, UE_KYOU}});
    prepare_turn();
    EXPECT_DOUBLE_EQ(evaluate_move(3, 5, 3, 6), 0.0 + 0.1 - 0.9);
}

TEST_F(Evaluate, AKingLeavingItsFirstThreeRowsPaysFifteenAndItsRow) {
    place({{6, 3, UE_OU}, {6, 10, SITA_OU}});
    prepare_turn();
    // Approach +0.1; row 4: -15 - 4; off the centre file: +1.
    EXPECT_DOUBLE_EQ(evaluate_move(6, 3, 5, 4), 0.0 + 0.1 - 15 - 4 + 1);
}

TEST_F(Evaluate, ADropOnAnAttackedUncoveredSquareLosesThePieceAndFifty) {
    place({{6, 2, UE_OU}, {6, 10, SITA_OU}, {4, 8, SITA_HU}});
    give_upper(5);
    prepare_turn();
    // Drop -5; danger squares: the gold hangs to a pawn, (0 - 110 + 10) - 110; the dropped piece
    // -(110 + 50); the gold drop passes its hand kind 5 as from-row, so row 7 is "forward": -0.5.
    EXPECT_DOUBLE_EQ(evaluate_drop(5, 4, 7), 0.0 - 5 + (0.0 - 110 + 10 - 110) - (110 + 50) - 0.5);
}

TEST_F(Evaluate, AGoldDropBelowRowFiveCountsAsADiagonalStepForward) {
    place({{6, 2, UE_OU}, {6, 10, SITA_OU}});
    give_upper(5);
    prepare_turn();
    EXPECT_DOUBLE_EQ(evaluate_drop(5, 3, 7), 0.0 - 5 - 0.5);
    EXPECT_DOUBLE_EQ(evaluate_drop(5, 3, 4), 0.0 - 5);
}

TEST_F(Evaluate, APawnFacingAPieceThatCannotGetAwayEarnsItsValue) {
    // The lower knight on (3, 9) can only jump onto its own pawns.
    place(
        {{6, 2, UE_OU}, {6, 10, SITA_OU}, {3, 7, UE_HU}, {3, 9, SITA_KEI}, {2, 7, SITA_HU}, {4, 7, SITA_HU}});
    prepare_turn();
    // Danger squares: the knight can be taken next, +0.1; the knight's value +30; a pawn board move -0.1;
    // a lower piece in front, T neither covered nor attacked: finish with +1.
    EXPECT_DOUBLE_EQ(evaluate_move(3, 7, 3, 8), 0.0 + 0.1 + 30 - 0.1 + 1);
}

TEST_F(Evaluate, AMoveOntoTheRingEarnsOneForAGold) {
    place({{6, 2, UE_OU}, {6, 10, SITA_OU}, {9, 10, UE_KIN}});
    prepare_turn();
    EXPECT_DOUBLE_EQ(evaluate_move(9, 10, 9, 11), 1.0);
}

// ---- Settled readings --------------------------------------------------------------------------------

TEST_F(Evaluate, ApproachTenthOnlyWhenTheRowDistanceDominates) {
    // |tx - kx| = 4 > |ty - ky| = 1 and the distance before (4) is not above 4: nothing, although it is
    // above the row distance.
    place({{6, 2, UE_OU}, {6, 10, SITA_OU}, {2, 8, UE_KIN}});
    prepare_turn();
    EXPECT_DOUBLE_EQ(evaluate_move(2, 8, 2, 9), 0.0);

    clear_position();
    place({{6, 2, UE_OU}, {6, 10, SITA_OU}, {2, 9, UE_KIN}});
    prepare_turn();
    EXPECT_DOUBLE_EQ(evaluate_move(2, 9, 3, 9), 1.0);
}

TEST_F(Evaluate, ASilverSteppingOntoTheTopRingRowGetsNoRingPoint) {
    place({{6, 2, UE_OU}, {6, 10, SITA_OU}, {3, 2, UE_GIN}});
    prepare_turn();
    EXPECT_DOUBLE_EQ(evaluate_move(3, 2, 2, 1), 0.0);
}

TEST_F(Evaluate, AKnightJumpingOntoTheBottomRingRowReadsNothingBelowTheBoard) {
    place({{6, 2, UE_OU}, {6, 10, SITA_OU}, {5, 9, UE_KEI}});
    prepare_turn();
    // The square in front, (4, 12), lies outside the tables and counts as not attacked.
    EXPECT_DOUBLE_EQ(evaluate_move(5, 9, 4, 11), 0.0 - 0.1);
}

TEST_F(Evaluate, APawnBesideARookLosesOneButBesideADragonNothing) {
    place({{6, 2, UE_OU}, {6, 10, SITA_OU}, {5, 5, UE_HU}, {4, 6, UE_SYA}});
    prepare_turn();
    // Approach +0.1; covered with an upper rook beside it: -1; a pawn board move: -0.1.
    EXPECT_DOUBLE_EQ(evaluate_move(5, 5, 5, 6), 0.0 + 0.1 - 1 - 0.1);

    clear_position();
    place({{6, 2, UE_OU}, {6, 10, SITA_OU}, {5, 5, UE_HU}, {4, 6, UE_SYA_NARI}});
    prepare_turn();
    EXPECT_DOUBLE_EQ(evaluate_move(5, 5, 5, 6), 0.0 + 0.1 - 0.1);
}

TEST_F(Evaluate, APawnOnRowNineGetsNothingForThePieceInFront) {
    // The knight on (3, 10) cannot get away, but the value of the piece in front is counted only on rows
    // above 9.
    place({{6, 2, UE_OU},
           {6, 10, SITA_OU},
           {3, 8, UE_HU},
           {3, 10, SITA_KEI},
           {2, 8, SITA_HU},
           {4, 8, SITA_HU}});
    prepare_turn();
    EXPECT_DOUBLE_EQ(evaluate_move(3, 8, 3, 9), 0.0 + 0.1 - 0.1);
}

// The human's king in the corner (10, 10), far from the pawns of the tests below; nothing bears on its
// three escape squares.
TEST_F(Evaluate, APawnBesideABishopEarnsOnlyAboveRowEight) {
    // Row 7: the bishop beside it +0.5, and +5 more for the lower pawn two rows in front of the bishop;
    // the pawn board move -0.1. The approach distance stays 8 on the files.
    place({{6, 2, UE_OU}, {10, 10, SITA_OU}, {2, 6, UE_HU}, {3, 7, UE_KAKU}, {3, 9, SITA_HU}});
    prepare_turn();
    EXPECT_DOUBLE_EQ(evaluate_move(2, 6, 2, 7), 0.0 - 0.1 + 0.5 + 5);

    // Row 8: the same picture one row lower gets neither.
    clear_position();
    place({{6, 2, UE_OU}, {10, 10, SITA_OU}, {2, 7, UE_HU}, {3, 8, UE_KAKU}, {3, 10, SITA_HU}});
    prepare_turn();
    EXPECT_DOUBLE_EQ(evaluate_move(2, 7, 2, 8), 0.0 - 0.1);
}

// An upper pawn on (4, 6) takes a lower pawn on (4, 7) in front of a lower lance on (4, 8).
TEST_F(Evaluate, APawnTakingAPawnCountsTheLanceBonusesOnlyWhenItsSquareIsCoveredOnce) {
    // The gold on (5, 6) covers both the pawn's old square and the new one. The capture on a covered
    // square attacked by a dearer lance: +10. Rows in front: the lance cannot get away (its only move is
    // onto the covered pawn), +20; covered, at least as many defenders as attackers and a lower piece in
    // front, +1. Board move -0.1, guarded by a gold +0.6. A pawn taken from a square covered once: +5 (no
    // bishop behind), and +50 with the lance as the cheapest attacker. Last, a lower piece in front that
    // had no upper piece bearing on it before, T covered as much as attacked: finish with +5.
    place({{6, 2, UE_OU},
           {10, 10, SITA_OU},
           {4, 6, UE_HU},
           {4, 7, SITA_HU},
           {4, 8, SITA_KYOU},
           {5, 6, UE_KIN}});
    prepare_turn();
    EXPECT_DOUBLE_EQ(evaluate_move(4, 6, 4, 7), 0.0 + 10 + 20 + 1 - 0.1 + 0.6 + 5 + 50 + 5);

    // Without the gold the old square is covered by nothing: neither +5 nor +50. The pawn now hangs to the
    // lance (danger squares: -10, then its capture +10 given back); it was lost anyway where it stood, so
    // the capture still counts +10; the lance could take it, so no +20; T attacked and not covered: stop.
    clear_position();
    place({{6, 2, UE_OU}, {10, 10, SITA_OU}, {4, 6, UE_HU}, {4, 7, SITA_HU}, {4, 8, SITA_KYOU}});
    prepare_turn();
    EXPECT_DOUBLE_EQ(evaluate_move(4, 6, 4, 7), (0.0 - 10 + 10) + 10 - 0.1);
}

// ---- Whole positions -------------------------------------------------------------------------------

// A random position: both kings on the board, up to 24 other pieces on the board and the ring, a few
// pieces in both hands.
void random_position(std::mt19937& rng) {
    clear_position();
    auto cell = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    BAN[cell(2, 10)][cell(2, 4)] = UE_OU;
    for (;;) {
        const int x = cell(2, 10), y = cell(8, 10);
        if (BAN[x][y] == KARA) {
            BAN[x][y] = SITA_OU;
            break;
        }
    }
    static constexpr Koma kinds[] = {10, 11, 20, 21, 30, 31, 100, 101, 110, 800, 801, 900, 901};
    const int n = cell(0, 24);
    for (int i = 0; i < n; ++i) {
        const int x = cell(1, 11), y = cell(1, 11);
        if (BAN[x][y] != KARA) continue;
        const Koma k = kinds[cell(0, 12)];
        BAN[x][y] = static_cast<Koma>(cell(0, 1) ? k : -k);
    }
    for (int k = 1; k <= 7; ++k) {
        if (cell(0, 3) == 0) give_lower(k);
        if (cell(0, 3) == 0) give_upper(k);
    }
    COM_LEVEL = cell(1, 3);
}

TEST_F(Evaluate, EvaluationChangesNothingAndGivesTheSameScoreTwice) {
    std::mt19937 rng(20240607);
    int evaluated = 0;
    for (int game = 0; game < 200; ++game) {
        random_position(rng);
        prepare_turn();
        Koma before[12][12];
        std::memcpy(before, BAN, sizeof BAN);
        for (int fx = 1; fx <= 11; ++fx) {
            for (int fy = 1; fy <= 11; ++fy) {
                const Koma m = BAN[fx][fy];
                if (m < UE_HU) continue;
                for (int tx = 1; tx <= 11; ++tx) {
                    for (int ty = 1; ty <= 11; ++ty) {
                        if (移動チェック(fx, fy, tx, ty, m) != ON) continue;
                        IDOU_KOMA = m;
                        OU_KYORI_MAE = std::max(std::abs(fx - SITA_OU_X), std::abs(fy - SITA_OU_Y));
                        const Koma cap = BAN[tx][ty];
                        BAN[fx][fy] = KARA;
                        BAN[tx][ty] = m;
                        勢力調査();
                        Koma moved[12][12];
                        std::memcpy(moved, BAN, sizeof BAN);
                        Tbl sita, ue;
                        std::memcpy(sita, SITA_SEIRYOKU, sizeof sita);
                        std::memcpy(ue, UE_SEIRYOKU, sizeof ue);
                        const double first = 盤評価(cap, m, fx, fy, tx, ty);
                        ASSERT_EQ(std::memcmp(moved, BAN, sizeof BAN), 0) << fx << fy << tx << ty;
                        ASSERT_EQ(std::memcmp(sita, SITA_SEIRYOKU, sizeof sita), 0);
                        ASSERT_EQ(std::memcmp(ue, UE_SEIRYOKU, sizeof ue), 0);
                        ASSERT_EQ(盤評価(cap, m, fx, fy, tx, ty), first);
                        BAN[tx][ty] = cap;
                        BAN[fx][fy] = m;
                        ++evaluated;
                    }
                }
            }
        }
        ASSERT_EQ(std::memcmp(before, BAN, sizeof BAN), 0);
    }
    EXPECT_GT(evaluated, 1000);
}

} // namespace
