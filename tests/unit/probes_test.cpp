// Tactical probes: the worked examples as data rows, and the probes that lift pieces putting
// BAN back exactly.
#include "com/com.h"
#include "core/rules.h"
#include "kifu/record.h"

#include "support/board.h"
#include "support/names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace {

class Probes : public ::testing::Test {
  protected:
    void SetUp() override { clear_position(); }
};

// ---- 調査_移動可場所数 -------------------------------------------------------------------------------

TEST_F(Probes, RookWithEveryDestinationWatchedHasNoSafePlace) {
    // The rook reaches (6, 5), (6, 7), (5, 6), (7, 6); two lower golds watch all four.
    place({{6, 6, UE_SYA},
           {6, 4, UE_HU},
           {6, 8, UE_HU},
           {4, 6, UE_HU},
           {8, 6, UE_HU},
           {5, 7, SITA_KIN},
           {7, 5, SITA_KIN}});
    勢力調査();
    EXPECT_EQ(調査_移動可場所数(6, 6, UE_SYA), 0);
    BAN[5][7] = KARA;
    勢力調査();
    EXPECT_EQ(調査_移動可場所数(6, 6, UE_SYA), 2);
    BAN[7][5] = KARA;
    勢力調査();
    EXPECT_EQ(調査_移動可場所数(6, 6, UE_SYA), 4);
}

TEST_F(Probes, SafePlacesIncludeEmptyRingCellsAndUseTheOpponentsCount) {
    // A lower silver on (2, 6): forward (1, 5), (2, 5), (3, 5), back (1, 7), (3, 7). The upper pawn on
    // (2, 4) watches (2, 5).
    place({{2, 6, SITA_GIN}, {2, 4, UE_HU}});
    勢力調査();
    EXPECT_EQ(調査_移動可場所数(2, 6, SITA_GIN), 4);
    // Asked for a code other than the one standing there: the move rule of that code is used.
    EXPECT_EQ(調査_移動可場所数(2, 6, SITA_HU), 0);
}

// ---- 調査_桂狙い --------------------------------------------------------------------------------------

TEST_F(Probes, KnightAimFindsTheBigPieceBesideTheAttackedPiece) {
    place({{6, 8, UE_HU}, {6, 10, SITA_SYA}, {4, 8, SITA_KAKU}});
    勢力調査();
    ASSERT_EQ(SITA_NERAI[6][8], SITA_SYA);
    ASSERT_EQ(SITA_SEIRYOKU[5][6], 0);
    EXPECT_EQ(調査_桂狙い(6, 8), 800);
}

TEST_F(Probes, KnightAimIgnoresTheRecordedAttackersFile) {
    place({{6, 8, UE_HU}, {4, 8, SITA_SYA}});
    勢力調査();
    ASSERT_EQ(SITA_NERAI_X[6][8], 4);
    EXPECT_EQ(調査_桂狙い(6, 8), 0);
}

TEST_F(Probes, KnightAimSumsBothPatterns) {
    place({{6, 8, UE_HU}, {6, 10, SITA_SYA}, {4, 8, SITA_KAKU}, {8, 8, SITA_SYA_NARI}});
    勢力調査();
    // The dragon's left line reaches (6, 8) too, but the rook (x = 6) was met first and -901 is not a
    // higher code than -900: the rook stays recorded, and the dragon stands in the right pattern.
    ASSERT_EQ(SITA_NERAI[6][8], SITA_SYA);
    ASSERT_EQ(SITA_SEIRYOKU[7][6], 0);
    EXPECT_EQ(調査_桂狙い(6, 8), 800 + 901);
}

TEST_F(Probes, KnightAimNeedsABigAttackerAndALowRow) {
    // A lower gold attacks (6, 8) more cheaply: no aim.
    place({{6, 8, UE_HU}, {6, 10, SITA_SYA}, {4, 8, SITA_KAKU}, {7, 9, SITA_KIN}});
    勢力調査();
    EXPECT_EQ(調査_桂狙い(6, 8), 0);
    // Row 5 (y = 5) is too high.
    clear_position();
    place({{6, 5, UE_HU}, {6, 10, SITA_SYA}, {4, 5, SITA_KAKU}});
    勢力調査();
    EXPECT_EQ(調査_桂狙い(6, 5), 0);
    // The knight square watched or occupied.
    clear_position();
    place({{6, 8, UE_HU}, {6, 10, SITA_SYA}, {4, 8, SITA_KAKU}, {5, 6, SITA_HU}});
    勢力調査();
    EXPECT_EQ(調査_桂狙い(6, 8), 0);
}

TEST_F(Probes, KnightAimOnTheEdgeFiles) {
    // x = 3: the left pattern is never tested, even with a big piece on the ring at (1, 8).
    place({{3, 8, UE_HU}, {3, 10, SITA_SYA}});
    BAN[1][8] = SITA_KAKU;
    勢力調査();
    EXPECT_EQ(調査_桂狙い(3, 8), 0);
    // x = 8: the right pattern tests x + 2 = 10.
    clear_position();
    place({{8, 8, UE_HU}, {8, 10, SITA_SYA}, {10, 8, SITA_KAKU}});
    勢力調査();
    ASSERT_EQ(SITA_SEIRYOKU[9][6], 0);
    EXPECT_EQ(調査_桂狙い(8, 8), 800);
}

// ---- 調査_香狙い --------------------------------------------------------------------------------------

TEST_F(Probes, LanceAimFindsThePieceBelowButNeverOnRowTen) {
    // Upper pawn on (5, 7), held from (5, 6) by an upper gold on (5, 5); a lower rook on (5, 10) attacks
    // it up the file. Row 10 is never looked at.
    place({{5, 7, UE_HU}, {5, 5, UE_KIN}, {5, 10, SITA_SYA}});
    勢力調査();
    ASSERT_EQ(SITA_NERAI[5][7], SITA_SYA);
    ASSERT_GT(UE_SEIRYOKU[5][6], 0);
    ASSERT_EQ(SITA_SEIRYOKU[5][6], 0);
    EXPECT_EQ(調査_香狙い(5, 7), 0);
    // With the conditions as surveyed, a lower pawn placed right below gives 10.
    BAN[5][8] = SITA_HU;
    EXPECT_EQ(調査_香狙い(5, 7), 10);
    // The first occupied square ends the look, whatever it holds.
    BAN[5][8] = UE_GIN;
    EXPECT_EQ(調査_香狙い(5, 7), 0);
}

TEST_F(Probes, LanceAimCountsTheFirstLowerPieceOnRowNine) {
    place({{5, 7, UE_HU}, {5, 5, UE_KIN}, {2, 7, SITA_SYA}, {5, 9, SITA_GIN}});
    勢力調査();
    ASSERT_EQ(SITA_NERAI[5][7], SITA_SYA);
    EXPECT_EQ(調査_香狙い(5, 7), 100);
    // Row 6 is too high.
    clear_position();
    place({{5, 6, UE_HU}, {5, 4, UE_KIN}, {2, 6, SITA_SYA}, {5, 9, SITA_GIN}});
    勢力調査();
    EXPECT_EQ(調査_香狙い(5, 6), 0);
}

// ---- 調査_周辺状況 ------------------------------------------------------------------------------------

TEST_F(Probes, SurroundingsCountBigUpperNeighboursOnTheBoardOnly) {
    place({{2, 2, UE_SYA}, {3, 2, UE_SYA_NARI}, {2, 3, UE_OU}, {3, 3, UE_KIN}});
    BAN[1][2] = UE_KAKU;
    BAN[2][1] = UE_SYA;
    EXPECT_EQ(調査_周辺状況(2, 2), -2);
    place({{5, 5, UE_KAKU}, {4, 4, UE_KAKU}, {6, 6, UE_KAKU_NARI}, {4, 6, SITA_SYA}, {6, 4, UE_GIN}});
    EXPECT_EQ(調査_周辺状況(5, 5), -2);
}

// ---- 調査_自守駒MAN_直進駒 ----------------------------------------------------------------------------

TEST_F(Probes, StraightGuardBelowOnTheFile) {
    place({{5, 3, UE_GIN}, {5, 7, SITA_SYA}});
    EXPECT_EQ(調査_自守駒MAN_直進駒(5, 3), ON);
    EXPECT_EQ(BAN[5][3], UE_GIN);
    // A lower pawn between: the move check finds the path blocked; the look stops at the rook.
    BAN[5][5] = SITA_HU;
    EXPECT_EQ(調査_自守駒MAN_直進駒(5, 3), OFF);
    // An upper piece between ends the look.
    BAN[5][5] = UE_HU;
    EXPECT_EQ(調査_自守駒MAN_直進駒(5, 3), OFF);
    // Lance and dragon guard as well; a rook on row 10 is never seen.
    clear_position();
    place({{5, 3, UE_GIN}, {5, 9, SITA_KYOU}});
    EXPECT_EQ(調査_自守駒MAN_直進駒(5, 3), ON);
    BAN[5][9] = SITA_SYA_NARI;
    EXPECT_EQ(調査_自守駒MAN_直進駒(5, 3), ON);
    BAN[5][9] = KARA;
    BAN[5][10] = SITA_SYA;
    EXPECT_EQ(調査_自守駒MAN_直進駒(5, 3), OFF);
    EXPECT_EQ(BAN[5][3], UE_GIN);
}

// ---- 調査_持角狙座標 ----------------------------------------------------------------------------------

TEST_F(Probes, BishopInHandAimSquares) {
    place({{6, 2, UE_OU}, {9, 5, UE_HU}});
    MOCHIKAKU_NERAI[1][1] = 1;
    勢力調査();
    調査_持角狙座標();
    EXPECT_EQ(MOCHIKAKU_NERAI[5][3], 0); // watched by the king
    EXPECT_EQ(MOCHIKAKU_NERAI[7][3], 0);
    EXPECT_EQ(MOCHIKAKU_NERAI[4][4], 1);
    EXPECT_EQ(MOCHIKAKU_NERAI[3][5], 1);
    EXPECT_EQ(MOCHIKAKU_NERAI[2][6], 1);
    EXPECT_EQ(MOCHIKAKU_NERAI[8][4], 1);
    EXPECT_EQ(MOCHIKAKU_NERAI[9][5], 0);  // occupied
    EXPECT_EQ(MOCHIKAKU_NERAI[10][6], 0); // behind the pawn
    EXPECT_EQ(MOCHIKAKU_NERAI[9][6], 0);  // watched by the pawn, and not on the diagonal
    EXPECT_EQ(MOCHIKAKU_NERAI[1][7], 0);  // the ring: a move from the ring cannot take
    EXPECT_EQ(MOCHIKAKU_NERAI[1][1], 0);  // cleared
    int total = 0;
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) total += MOCHIKAKU_NERAI[x][y];
    EXPECT_EQ(total, 4);
}

// ---- 調査_移動不可駒 ----------------------------------------------------------------------------------

TEST_F(Probes, PinnedPiecesOfBothSides) {
    place({{6, 10, SITA_OU},
           {6, 8, SITA_KIN},
           {6, 3, UE_SYA},
           {3, 10, SITA_GIN},
           {2, 2, UE_OU},
           {4, 4, UE_GIN},
           {8, 8, SITA_KAKU},
           {9, 9, SITA_HU}});
    SITA_OU_X = 6, SITA_OU_Y = 10, UE_OU_X = 2, UE_OU_Y = 2;
    SITA_IDOU_FUKA[1][1] = 1;
    Koma before[12][12];
    std::memcpy(before, BAN, sizeof BAN);
    調査_移動不可駒();
    EXPECT_EQ(std::memcmp(before, BAN, sizeof BAN), 0);
    EXPECT_EQ(SITA_IDOU_FUKA[6][8], 1);
    EXPECT_EQ(SITA_IDOU_FUKA[3][10], 0);
    EXPECT_EQ(SITA_IDOU_FUKA[1][1], 0);
    EXPECT_EQ(UE_IDOU_FUKA_ARI, ON);

    // Nothing shields the upper king: the flag goes back to OFF.
    BAN[4][4] = KARA;
    BAN[5][5] = UE_GIN;
    BAN[8][8] = KARA;
    BAN[10][4] = SITA_KAKU; // on no line through the upper king
    調査_移動不可駒();
    EXPECT_EQ(UE_IDOU_FUKA_ARI, OFF);
}

TEST_F(Probes, PinnerStandingOnTheRingIsDecidedByTheMoveCheck) {
    // An upper lance on the ring above the lower king's file cannot take: nothing is pinned by it.
    place({{6, 10, SITA_OU}, {6, 5, SITA_HU}});
    BAN[6][1] = UE_KYOU;
    調査_移動不可駒();
    EXPECT_EQ(SITA_IDOU_FUKA[6][5], 0);
    // Lifting the king empties its own square: the lance could then enter onto it.
    EXPECT_EQ(SITA_IDOU_FUKA[6][10], 0); // blocked by the pawn
    BAN[6][5] = KARA;
    調査_移動不可駒();
    EXPECT_EQ(SITA_IDOU_FUKA[6][10], 1);
}

TEST_F(Probes, LiftingProbesRestoreTheBoardOnRandomPositions) {
    std::mt19937 rng(7);
    const int codes[] = {SITA_HU,        SITA_KYOU, SITA_KEI,      SITA_GIN,     SITA_KIN, SITA_KAKU,
                         SITA_KAKU_NARI, SITA_SYA,  SITA_SYA_NARI, UE_HU,        UE_KYOU,  UE_KEI,
                         UE_GIN,         UE_KIN,    UE_KAKU,       UE_KAKU_NARI, UE_SYA,   UE_SYA_NARI};
    std::uniform_int_distribution<int> cell(1, 11), kind(0, 17), board(2, 10);
    for (int round = 0; round < 200; ++round) {
        clear_position();
        SITA_OU_X = board(rng), SITA_OU_Y = board(rng);
        BAN[SITA_OU_X][SITA_OU_Y] = SITA_OU;
        UE_OU_X = board(rng), UE_OU_Y = board(rng);
        if (BAN[UE_OU_X][UE_OU_Y] == KARA) BAN[UE_OU_X][UE_OU_Y] = UE_OU;
        for (int i = 0; i < 30; ++i) {
            const int x = cell(rng), y = cell(rng);
            if (BAN[x][y] == KARA) BAN[x][y] = static_cast<Koma>(codes[kind(rng)]);
        }
        Koma before[12][12];
        std::memcpy(before, BAN, sizeof BAN);
        勢力調査();
        調査_移動不可駒();
        ASSERT_EQ(std::memcmp(before, BAN, sizeof BAN), 0) << "round " << round;
        for (int x = 2; x <= 10; ++x)
            for (int y = 2; y <= 10; ++y) 調査_自守駒MAN_直進駒(x, y);
        ASSERT_EQ(std::memcmp(before, BAN, sizeof BAN), 0) << "round " << round;
    }
}

// ---- 調査_移動結果 ------------------------------------------------------------------------------------

TEST_F(Probes, MoveResultReportsTheFirstChangedOccupiedCell) {
    std::memset(KIFU[3].ban, 0, sizeof KIFU[3].ban);
    std::memset(KIFU[4].ban, 0, sizeof KIFU[4].ban);
    KIFU[3].ban[5][9] = SITA_HU; // the pawn leaves (5, 9) ...
    KIFU[4].ban[5][8] = SITA_HU; // ... for (5, 8)
    KIFU[3].ban[7][7] = UE_GIN;  // unchanged
    KIFU[4].ban[7][7] = UE_GIN;
    KIFU[4].ban[9][1] = UE_KEI; // a ring cell changed too (later in the scan)
    int x = -5, y = -5, p = -5;
    調査_移動結果(4, x, y, p);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 8);
    EXPECT_EQ(p, SITA_HU);

    // A ring cell early in the scan wins.
    KIFU[4].ban[1][3] = UE_HU;
    調査_移動結果(4, x, y, p);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 3);
    EXPECT_EQ(p, UE_HU);
}

TEST_F(Probes, MoveResultLeavesTheOutArgumentsWhenNothingQualifies) {
    std::memset(KIFU[1].ban, 0, sizeof KIFU[1].ban);
    std::memset(KIFU[2].ban, 0, sizeof KIFU[2].ban);
    KIFU[1].ban[4][4] = SITA_KIN; // only a cell emptied
    int x = 1, y = 2, p = 3;
    調査_移動結果(2, x, y, p);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 2);
    EXPECT_EQ(p, 3);
}

} // namespace
